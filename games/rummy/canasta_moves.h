// A planned Canasta move: its parts in the order they are carried out, each a new meld or
// cards laid off on a meld of the meld table; and the working lists the move searches use.
// Plain records: they live in the game state and are saved with it.
#pragma once

#include <cstdint>

#include "core/cards.h"
#include "platform/records.h"

constexpr int32_t moveListCapacity = 60;
// The hi word that marks the card taken with the discard pile while a search works.
constexpr int16_t pileCardMark = 777;

struct TCanastaMoveEntry {
  THand64 cards;
  int16_t target;  // 0 a new meld; n > 0 laid off on meld n
  int16_t points;  // card points of the cards
  int16_t bonus;   // the cards' points taken as a meld, with its canasta bonus
};

struct TCanastaMoveList {
  int32_t count;
  LArray<TCanastaMoveEntry, 1, moveListCapacity> entries;
  int32_t totalPoints;
};

struct TCanastaMeldGroups {
  LArray<THand64, 1, moveListCapacity> groups;
  LArray<int32_t, 1, moveListCapacity> points;
  int32_t count;
};

// index 0 appends; otherwise entry `index` is overwritten.
void canastaPutMeld(TCanastaMoveList& list, const THand& cards, int32_t target, int32_t index);
void canastaPutMeldNoTarget(TCanastaMoveList& list, const THand& cards, int32_t index);
void canastaDeleteMeld(TCanastaMoveList& list, int32_t index);
void canastaSwapMelds(TCanastaMoveList& list, int32_t a, int32_t b);
void canastaUpdateMeldListPoints(TCanastaMoveList& list);
void canastaClearMoveList(TCanastaMoveList& list);
// The cards of every part, in order.
int32_t canastaMoveListCards(const TCanastaMoveList& list, int32_t fromEntry = 1);

// Same-rank groups of a hand, in the hand's order of ranks.
void canastaSplitIntoMelds(THand hand, TCanastaMeldGroups& groups);
void canastaAddMeldCandidate(TCanastaMeldGroups& groups, const THand64& group);
void canastaInsertMeldCandidate(TCanastaMeldGroups& groups, const THand64& group, int32_t index);
// Highest first card first; on equal points the smaller group; else the input order.
void canastaCollectMeldCandidates(const TCanastaMeldGroups& in, TCanastaMeldGroups& out);

// A three-card meld of the rank: its naturals (the suit's card first when suit > 0), filled
// up with Jokers, then 2s.
void canastaPickMeldCards(const THand& hand, int32_t rank, int32_t suit, THand& out);
// A meld of the rank aiming at seven cards: every natural, then Jokers and 2s up to seven.
void canastaPickMeldCardsB(const THand& hand, int32_t rank, THand& out);
// A single wild card laid off on a meld goes after the single natural cards laid off on it.
void canastaOrderWildLayOffs(TCanastaMoveList& list);
