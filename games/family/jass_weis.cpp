// Jass's Weis. Classes: 200 four jacks, 150 four nines, 100 a run of five or more or four
// queens, kings, tens or aces (sixes for aces in the low modes; four of a kind before the
// run), 50 four cards of a run, 20 three. Ties are broken by length, top card, trump, and
// finally by the order of announcement.
//
// [SECTION] kinds
// [SECTION] names
// [SECTION] tie keys and options
#include "games/family/jass_weis.h"

#include <algorithm>

#include "core/card_names.h"
#include "core/card_order.h"
#include "core/cg.h"
#include "games/family/jass_rules.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

// [SECTION] kinds

namespace {

// Position of a rank in a run: 6, 7, 8, 9, 10, jack, queen, king, ace; -1 outside the deck.
int32_t runIndex(int8_t rank) {
  static constexpr int8_t order[9] = {rank6, rank7, rank8, rank9, rankTen, rankJack, rankQueen, rankKing, rankAce};
  for (int i = 0; i < 9; i++)
    if (order[i] == rank) return i;
  return -1;
}

bool lowMode() {
  const int32_t m = jassArea().mode;
  return m == jassUndenufe || m == jassSlalomUndenufe;
}

void closeRun(const THand& run, THand& best, int32_t& bestLen) {
  const int32_t len = handUsed(run);
  if (len == 0) return;
  if (len > bestLen || (len == bestLen && cardValues[jassHighestCard(run).f][jassHighestCard(run).t] >
                                              cardValues[jassHighestCard(best).f][jassHighestCard(best).t])) {
    best = run;
    bestLen = len;
  }
}

void firstCards(const THand& from, int32_t n, THand& out) {
  clearHand(out);
  for (int i = 1; i <= n && i <= handUsed(from); i++) handaddk(out, from.k[i]);
}

bool fourOfRank(const THand& hand, int8_t rank, THand& out) {
  clearHand(out);
  if (countRank(hand, rank) != 4) return false;
  selectRank(hand, rank, out);
  return true;
}

}  // namespace

bool jassIsNextInSequence(const TCard& a, const TCard& b) {
  const int32_t ia = runIndex(a.t), ib = runIndex(b.t);
  return a.f == b.f && ia >= 0 && ib >= 0 && (ia - ib == 1 || ib - ia == 1);
}

int32_t jassFindSequences(const THand& sorted, THand& best) {
  clearHand(best);
  int32_t bestLen = 0;
  THand run{};
  for (int i = 1; i <= handUsed(sorted); i++) {
    if (handUsed(run) > 0 && !jassIsNextInSequence(run.k[handUsed(run)], sorted.k[i])) {
      closeRun(run, best, bestLen);
      clearHand(run);
    }
    handaddk(run, sorted.k[i]);
  }
  closeRun(run, best, bestLen);
  return bestLen;
}

void jassWeisKind(int32_t seat, int32_t weisClass, THand& cards) {
  clearHand(cards);
  if (seat >= 1 && seat <= stackCount) syncHandFromSlots(sp[seat]);
  const int32_t actor = cg.gs.akspieler;
  if (actor < 1 || actor > jassSeats) return;
  THand sorted = jassArea().dealtHands[actor];
  jassRankOrder(lowMode(), false, true);
  sortHandByValue(sorted, 1, 0, false);
  jassApplyRankOrder(false);
  THand run;
  const int32_t len = jassFindSequences(sorted, run);
  switch (weisClass) {
    case 200: fourOfRank(sorted, rankJack, cards); break;
    case 150: fourOfRank(sorted, rank9, cards); break;
    case 100:
      for (int8_t rank : {rankQueen, rankKing, rankTen, lowMode() ? rank6 : rankAce})
        if (fourOfRank(sorted, rank, cards)) return;
      if (len >= 5) cards = run;
      break;
    case 50: if (len >= 4) firstCards(run, 4, cards); break;
    case 20: if (len >= 3) firstCards(run, 3, cards); break;
    default: break;
  }
}

bool jassHasWeis(const THand& cards) { return handUsed(cards) > 0; }

// [SECTION] names

namespace {

bool oneRank(const THand& cards) {
  for (int i = 2; i <= handUsed(cards); i++)
    if (cards.k[i].t != cards.k[1].t) return false;
  return handUsed(cards) > 0;
}

std::string fourName(int8_t rank) {
  switch (rank) {
    case rankJack: return "Vier Buben";
    case rank9: return "Vier Neunen";
    case rankTen: return "Vier Zehner";
    case rankAce: return "Vier Asse";
    case rankKing: return "Vier Könige";
    case rankQueen: return "Vier Damen";
    case rank6: return "Vier Sechser";
    default: return {};
  }
}

}  // namespace

void jassWeisName(const THand& cards, int32_t style, int32_t seat, std::string& text) {
  static const char* lengthNames[10] = {"", "", "", "Dreiblatt", "Vierblatt", "Fünfblatt",
                                        "Sechsblatt", "Siebenblatt", "Achtblatt", "Neunblatt"};
  const int32_t n = handUsed(cards);
  // A list no Weis can have names nothing rather than reading past the names.
  const std::string name = n >= 3 && n <= 9 ? lengthNames[n] : "";
  const TCard top = jassHighestCard(cards);
  text.clear();
  if (style == 55) {
    for (int i = 1; i <= n; i++) {
      std::string t = cardSymbolText(cards.k[i]);
      text += i == 1 ? t : "," + t.substr(t.empty() ? 0 : 1);
    }
    return;
  }
  switch (style) {
    case 1: text = name; return;
    case 2: text = name + " mit " + deckRankName(top.t); return;
    case 3: text = name + " mit " + cardName(top); return;
    case 4: text = "Als " + std::to_string(10 - jassWeisTieKey(cards, 4, seat)) + ". angesagt"; return;
    default: break;
  }
  if (n == 4 && oneRank(cards)) {
    text = fourName(cards.k[1].t);
    return;
  }
  text = name;
  for (int i = 1; i <= n; i++) text += " " + cardSymbolText(cards.k[i]);
}

// [SECTION] tie keys and options

int32_t jassWeisTieKey(const THand& cards, int32_t level, int32_t seat) {
  const TJassState& a = jassArea();
  switch (level) {
    case 1: return handUsed(cards);
    case 2: {
      const int32_t row = a.mode == suitClubs ? suitSpades : suitClubs;
      int32_t best = 0;
      for (int i = 1; i <= handUsed(cards); i++) best = std::max(best, cardValues[row][cards.k[i].t]);
      return best;
    }
    case 3: return !oneRank(cards) && handUsed(cards) > 0 && jassIsTrump(cards.k[1]) ? 1 : 0;
    default: break;
  }
  int32_t i = 1;
  if (seat != a.trumpChooser) {
    int32_t s = a.trumpChooser;
    for (int steps = 0; steps < jassSeats; steps++) {
      s = seatBefore(s, 1);
      if (s >= 1 && s <= jassSeats && handUsed(a.weisCards[s]) > 0) i++;
      if (s == seat) break;
    }
  }
  return 10 - i;
}

void jassAddWeisOption(const std::string& text, int32_t value) {
  TJassState& a = jassArea();
  if (a.weisOptionCount >= 8) return;
  a.weisOptionCount += 1;
  a.weisOptionTexts[a.weisOptionCount] = text;
  a.weisOptionValues[a.weisOptionCount] = value;
}

void jassCollectWeisOptions() {
  TJassState& a = jassArea();
  a.weisOptionCount = 0;
  if (!a.weisOn) return;
  const bool showing = cg.gs.subStep == 77;
  for (int32_t weisClass : {200, 150, 100, 50, 20}) {
    if (weisClass < a.bestWeis) continue;
    THand cards;
    jassWeisKind(cg.gs.akspieler, weisClass, cards);
    if (!jassHasWeis(cards)) continue;
    std::string caption = "!" + std::to_string(weisClass);
    if (showing) {
      std::string shown;
      jassWeisName(cards, 55, cg.gs.akspieler, shown);
      caption = "!" + shown;
    }
    jassAddWeisOption(caption, weisClass);
  }
}
