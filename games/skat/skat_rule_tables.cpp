// Reading, caching and evaluating the Skat computer player's rule tables.
//
// [SECTION] evaluation
// [SECTION] parsing
// [SECTION] the cache
#include "games/skat/skat_rule_tables.h"

#include <fstream>
#include <iterator>
#include <optional>

#include "games/skat/skat_card_set.h"
#include "games/skat/skat_services.h"
#include "platform/paths.h"

LArray<TSkatRuleTable, 1, skatRuleSlotCount> skatRuleTables{};

// [SECTION] evaluation

int32_t skatRuleTableValue(const TSkatRuleTable& table, const THand& hand, int32_t trumpSuit) {
  int32_t sum = 0;
  int n = table.ruleCount < 0 ? 0 : table.ruleCount > skatRuleCapacity ? skatRuleCapacity : table.ruleCount;
  // The hand rating asks this for every deal: a hand of deck cards is looked up as a set.
  TSkatCardSet set = 0;
  bool asSet = skatCardSetOf(hand, set);
  for (int i = 1; i <= n; i++) {
    int suit = table.ruleSuit[i];
    if (trumpSuit != 0 && suit == skatRuleTrumpSuit) suit = trumpSuit;
    TCard card = makeCard(table.ruleRank[i], suit == skatRuleAnySuit ? suitClubs : suit);
    bool match = false;
    if (asSet) {
      TSkatCardSet rankBits = skatIsDeckCard(card) ? TSkatCardSet{0x01010101} << (card.t - 1) : 0;
      match = suit != skatRuleAnySuit ? skatIsDeckCard(card) && (set & skatCardMask(card)) != 0
                                      : (set & rankBits) != 0;
    } else {
      match = suit != skatRuleAnySuit ? hasCard(hand, card) : hasRank(hand, table.ruleRank[i]);
    }
    if (match) sum += table.ruleValue[i];
  }
  return sum;
}

// [SECTION] parsing

namespace {

constexpr std::string_view dataMarker = "|data|";

// A decimal integer with an optional sign and nothing else.
std::optional<int32_t> parseField(std::string_view s) {
  if (s.empty()) return std::nullopt;
  bool negative = false;
  size_t p = 0;
  if (s[0] == '+' || s[0] == '-') {
    negative = s[0] == '-';
    p = 1;
  }
  if (p == s.size()) return std::nullopt;
  int64_t v = 0;
  for (; p < s.size(); p++) {
    if (s[p] < '0' || s[p] > '9') return std::nullopt;
    v = v * 10 + (s[p] - '0');
    if (v > 100000) return std::nullopt;  // far outside every field's range
  }
  return static_cast<int32_t>(negative ? -v : v);
}

bool inByteRange(int32_t v) { return v >= -128 && v <= 127; }

// The text from pos up to the next stop character; pos moves past the stop. nullopt when
// the text ends first.
std::optional<std::string_view> takeUntil(std::string_view text, size_t& pos, char stop) {
  size_t end = text.find(stop, pos);
  if (end == std::string_view::npos) return std::nullopt;
  std::string_view field = text.substr(pos, end - pos);
  pos = end + 1;
  return field;
}

// One rule after its opening "#": on "(" rank "," suit ")" value "#". A dropped rule (on ≠ 1)
// is skipped through its own closing "#", so the next rule is read as written.
bool parseRule(std::string_view text, size_t& pos, TSkatRuleTable& table, std::string& error) {
  auto on = takeUntil(text, pos, '(');
  auto inner = on ? takeUntil(text, pos, ')') : std::nullopt;
  auto value = inner ? takeUntil(text, pos, '#') : std::nullopt;
  if (!value) {
    error = "Regel ohne Abschluss";
    return false;
  }
  auto onValue = parseField(*on);
  if (!onValue) {
    error = "Schalter keine Zahl: " + std::string(*on);
    return false;
  }
  if (*onValue != 1) return true;
  size_t comma = inner->find(',');
  auto rank = comma == std::string_view::npos ? std::nullopt : parseField(inner->substr(0, comma));
  auto suit = comma == std::string_view::npos ? std::nullopt : parseField(inner->substr(comma + 1));
  auto points = parseField(*value);
  if (!rank || !suit || !points || !inByteRange(*rank) || !inByteRange(*suit) || !inByteRange(*points)) {
    error = "fehlerhafte Regel: (" + std::string(*inner) + ")" + std::string(*value);
    return false;
  }
  if (table.ruleCount >= skatRuleCapacity) {
    error = "mehr als 20 Regeln";
    return false;
  }
  int i = ++table.ruleCount;
  table.ruleRank[i] = static_cast<int8_t>(*rank);
  table.ruleSuit[i] = static_cast<int8_t>(*suit);
  table.ruleValue[i] = static_cast<int8_t>(*points);
  return true;
}

}  // namespace

bool skatParseRuleTable(std::string_view text, TSkatRuleTable& table, std::string& error) {
  size_t start = text.find(dataMarker);
  if (start == std::string_view::npos) {
    error = "kein |data| gefunden";
    return false;
  }
  TSkatRuleTable parsed{};
  size_t pos = start + dataMarker.size();
  while (true) {
    size_t hash = text.find('#', pos);
    if (hash == std::string_view::npos || hash + 1 >= text.size()) break;
    pos = hash + 1;
    if (!parseRule(text, pos, parsed, error)) return false;
  }
  parsed.loaded = 1;
  table = parsed;
  return true;
}

// [SECTION] the cache

namespace {

std::optional<std::string> readWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The slot's table from its file, or the built-in one with a line in the error log.
TSkatRuleTable loadRuleTable(const std::string& name) {
  std::string systemPath = "\\data\\oldsk\\" + name;
  std::optional<std::string> text = readWholeFile(programPath(systemPath));
  TSkatRuleTable table{};
  std::string error = "Datei fehlt oder ist nicht lesbar";
  if (text && skatParseRuleTable(*text, table, error)) return table;
  skatLogError("Fehler in " + systemPath + ": " + error + ", die eingebauten Regeln gelten.");
  table = skatBuiltInRuleTable(name);
  table.loaded = 1;
  return table;
}

}  // namespace

int32_t skatReadRuleTable(const std::string& name, const THand& hand, int32_t trumpSuit, int32_t slot) {
  if (!skatRuleTables.inRange(slot)) return 0;
  TSkatRuleTable& table = skatRuleTables[slot];
  if (!table.loaded) table = loadRuleTable(name);
  return skatRuleTableValue(table, hand, trumpSuit);
}

void skatResetRuleTables() { skatRuleTables = {}; }

TSkatRuleTable skatBuiltInRuleTable(std::string_view name) {
  TSkatRuleTable table{};
  std::string error;
  skatParseRuleTable(skatBuiltInRuleText(name), table, error);
  return table;
}
