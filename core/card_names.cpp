// Card names and small helpers shared by the games and the shell.
#include "core/card_names.h"

#include <utility>

#include "core/card_order.h"
#include "core/core_messages.h"
#include "platform/alert.h"
#include "platform/random.h"
#include "shell/env_param.h"
#include "table/stacks.h"

LArray<LArray<std::string, 0, 20>, 1, 5> rankNameTable;
LArray<LArray<std::string, 0, 30>, 1, 3> suitNameTable;
LArray<ShortString<10>, 0, 60> firstNameTable;
int32_t firstNameCount = 30;

namespace {

// Table reads within the tables' bounds; a style, rank or suit outside them reads as "".
std::string rankName(int style, int rank) {
  if (style < 1 || style > 5 || rank < 0 || rank > 20) return {};
  return rankNameTable[style][rank];
}

std::string suitName(int style, int suit) {
  if (style < 1 || style > 3 || suit < 0 || suit > 30) return {};
  return suitNameTable[style][suit];
}

std::string suitChar(int base, int suit) { return std::string(1, static_cast<char>(base + suit)); }

int fillShoe(int32_t deckCount, int ranks) {
  TSpieler& shoe = sp[11];
  int perDeck = ranks * 4;
  if (deckCount < 0) deckCount = 0;
  if (deckCount * perDeck > slotCapacity) {
    showAlert("ACHTUNG! fillShoe: Fehler bei Bereichsüberprüfung");
    deckCount = slotCapacity / perDeck;
  }
  int slot = 0;
  for (int d = 1; d <= deckCount; d++)
    for (int r = 1; r <= ranks; r++)
      for (int s = 1; s <= 4; s++) {
        slot++;
        shoe.slots[slot].card.t = static_cast<int8_t>(r);
        shoe.slots[slot].card.f = static_cast<int8_t>(s);
      }
  return slot;
}

}  // namespace

void fillCardNameTables() {
  for (auto& row : rankNameTable)
    for (std::string& n : row) n.clear();
  for (auto& row : suitNameTable)
    for (std::string& n : row) n.clear();
  // Keys of the three decks: French, German, English.
  const char* const decks[3] = {"franz", "de", "en"};
  const char* const suits[5] = {"", "kreuz", "pik", "herz", "karo"};
  for (int deck = 1; deck <= 3; deck++)
    for (int s = 1; s <= 4; s++)
      suitNameTable[deck][s] = coreLookupText(std::string("f_") + decks[deck - 1] + "_farbname_" + suits[s]);
  const std::pair<int, const char*> contracts[] = {{0, "Überreizt"},       {10, "Null"},
                                                   {11, "Grand"},          {12, "Ramsch"},
                                                   {14, "Kein Spiel"},     {15, "Obenabe"},
                                                   {16, "Undenufe"},       {17, "Slalom"},
                                                   {18, "Slalom Obenabe"}, {19, "Slalom Undenufe"}};
  for (const auto& [code, name] : contracts) suitNameTable[1][code] = name;

  // Ranks 1..14: the number cards by their value, the faces and the joker by their key.
  const char* const faces[15] = {"", "", "", "", "bube", "dame", "könig", "", "as", "", "", "", "", "", "joker"};
  const char* const words[15] = {"", "", "", "", "Jack", "Queen", "King", "", "Ace", "", "", "", "", "", "Joker"};
  const char* const numbers[15] = {"", "7", "8", "9", "", "", "", "10", "", "2", "3", "4", "5", "6", ""};
  for (int rank = 1; rank <= 14; rank++) {
    const bool face = *faces[rank] != 0;
    for (int deck = 1; deck <= 3; deck++)
      rankNameTable[deck][rank] =
          face ? coreLookupText(std::string("f_") + decks[deck - 1] + "_" + faces[rank]) : numbers[rank];
    rankNameTable[4][rank] = coreLookupText(std::string("f_plural_") + (face ? faces[rank] : numbers[rank]));
    rankNameTable[5][rank] = face ? words[rank] : numbers[rank];
  }
}

std::string deckRankName(int rank) { return rankName(envParam.cardStyle, rank); }

std::string cardName(const TCard& c) {
  int style = envParam.cardStyle;
  if (style < 1 || style > 3) return {};
  return suitName(style, c.f) + " " + rankName(style, c.t);
}

std::string cardSymbolText(const TCard& c) {
  int style = envParam.cardStyle;
  std::string name = rankName(style, c.t);
  std::string head = name.substr(0, c.t == rankTen ? 2 : 1);
  return suitChar(style == 2 ? germanSuitChar : frenchSuitChar, c.f) + " " + head;
}

std::string cardShortCode(const TCard& c) {
  return rankName(1, c.t).substr(0, 1) + suitChar(frenchSuitChar, c.f);
}

std::string cardShortCodeW(TShortCard c) { return cardShortCode(widenWord(c)); }

int fillShoe52(int32_t deckCount) { return fillShoe(deckCount, 13); }
int fillShoe32(int32_t deckCount) { return fillShoe(deckCount, 8); }
void shuffleShoe() { shuffleStack(sp[11]); }

void randomOpponent(TPlayerRecord& rec) {
  int a = randomBelow(firstNameCount);
  bool female = randomReal() < 0.5;
  if (!female) a += 30;
  rec.name = firstNameTable[a].view();
  rec.female = female ? 1 : 0;
  rec.voice = static_cast<uint8_t>((female ? 1 : 4) + randomBelow(3));
}

void pokerWheelOrder(THand64& h) {
  if (cg.gameId != gidPoker) return;  // in poker an ace also counts low in a straight
  int n = handUsed(h);
  if (n == 0) return;
  bool wheel = hasRank64(h, rank2) && hasRank64(h, rank3) && hasRank64(h, rank4) &&
               hasRank64(h, rank5);
  if (!wheel) return;
  // Each leading ace moves behind the last card; n moves bring a list of aces back round.
  for (int moved = 0; moved < n && h.k[1].t == rankAce; moved++) {
    TCard ace = h.k[1];
    for (int i = 1; i < n; i++) h.k[i] = h.k[i + 1];
    h.k[n] = ace;
  }
}

bool isBetDecisionKind(int32_t kind) { return kind == 98 || kind == 106; }

void logNothing(const std::string&) {}
