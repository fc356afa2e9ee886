// The Skat computer player's rule tables: "buben.txt", "karten.txt" and "kartenf.txt" in
// "\data\oldsk\", each a list of rules "card → value". The value of a hand under a table is
// the sum of the values of the rules whose card the hand holds. Each file is read once per
// run into a cache slot; a missing or malformed file gives the table built into the program.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/cards.h"
#include "platform/records.h"

constexpr int skatRuleCapacity = 20;
constexpr int skatRuleSlotCount = 10;

// The slots the hand rating uses.
constexpr int32_t skatSlotJacks = 1;      // "buben.txt"
constexpr int32_t skatSlotCards = 2;      // "karten.txt"
constexpr int32_t skatSlotSuitGame = 3;   // "kartenf.txt"

// Suit field of a rule: 1..4 a fixed suit, 0 any suit, 5 the trump suit the caller gives.
constexpr int8_t skatRuleAnySuit = 0;
constexpr int8_t skatRuleTrumpSuit = 5;

// One table in memory. Written once by the first reading of its slot.
struct TSkatRuleTable {
  LArray<int8_t, 1, skatRuleCapacity> ruleSuit;   // as written: 0, 1..4 or 5
  LArray<int8_t, 1, skatRuleCapacity> ruleRank;   // TCard rank, 1 = 7 .. 8 = Ace
  LArray<int8_t, 1, skatRuleCapacity> ruleValue;  // points the rule adds, -128..127
  int32_t ruleCount;                              // kept rules, 0..20
  uint8_t loaded;                                 // 1 once the slot was filled
};

// The cache: all slots empty at start, a slot is filled at its first use and kept for the run.
extern LArray<TSkatRuleTable, 1, skatRuleSlotCount> skatRuleTables;

// The value of the hand under the table of the slot (1..10), reading the file
// programFolder + "\data\oldsk\" + name at the first call for the slot. Later calls use the
// slot's rules whatever the name. trumpSuit 1..4 gives rules of suit 5 that suit; 0 leaves
// them unmatched. A slot outside 1..10 gives 0.
int32_t skatReadRuleTable(const std::string& name, const THand& hand, int32_t trumpSuit, int32_t slot);

// The value of a hand under one table (no file is touched).
int32_t skatRuleTableValue(const TSkatRuleTable& table, const THand& hand, int32_t trumpSuit);

// Parses a table text in the files' format. False (the table untouched) for a text without
// "|data|", a field that is not an integer, a kept rank, suit or value outside -128..127,
// a rule cut off by the end of the text or a 21st kept rule; why is written to error.
bool skatParseRuleTable(std::string_view text, TSkatRuleTable& table, std::string& error);

// The table built into the program for a file name ("buben.txt", "karten.txt",
// "kartenf.txt"; any other name has no rules). The same rules as the shipped files.
TSkatRuleTable skatBuiltInRuleTable(std::string_view name);
// The built-in table's text, in the files' format.
std::string_view skatBuiltInRuleText(std::string_view name);

// Empties every slot, so the next use reads its file again (tests; a new start).
void skatResetRuleTables();
