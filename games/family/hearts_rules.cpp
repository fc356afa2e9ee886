// Hearts' rules. Penalty: a point per heart, thirteen for the queen of spades; the lower
// total is better. Sun (with its option): one seat takes all 52 cards and scores 0, the
// others 52. Moon: one seat takes all 26 points and scores 0, the others 26.
//
// [SECTION] card order
// [SECTION] seats and passing
// [SECTION] legal cards and the trick
// [SECTION] the end of a deal
// [SECTION] the list
#include "games/family/hearts_rules.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "core/card_order.h"
#include "core/cg.h"
#include "engine/engine_services.h"
#include "engine/texts.h"
#include "shell/shell_globals.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

THeartsState& heartsArea() { return gameArea<THeartsState>(cg.gs.hearts); }

// [SECTION] card order

namespace {

// Face value by rank code (1..14): 2..6 keep 9..13, then 7 = 14 up to the ace 21, joker 22.
constexpr int32_t faceValues[15] = {0, 14, 15, 16, 18, 19, 20, 17, 21, 9, 10, 11, 12, 13, 22};
// Suit weight by suit code: clubs 4, spades 2, hearts 1, diamonds 3.
constexpr int32_t suitWeights[5] = {0, 4, 2, 1, 3};

int32_t seatCountNow() { return cg.seatCount >= 1 ? cg.seatCount : heartsSeats; }

int32_t wrapSeat(int32_t s) {
  int32_t n = seatCountNow();
  while (s < 1) s += n;
  while (s > n) s -= n;
  return s;
}

}  // namespace

void heartsSetCardValues() {
  for (int suit = 1; suit <= 4; suit++)
    for (int rank = 1; rank <= 14; rank++) {
      cardValues[suit][rank] = 30 * suitWeights[suit] + faceValues[rank];
      cardValues0[suit][rank] = 30 * suitWeights[suit] + 25 - faceValues[rank];
    }
}

bool isQueenOfSpades(const TCard& c) { return c.t == rankQueen && c.f == suitSpades; }

// [SECTION] seats and passing

int32_t heartsSeatAfter(int32_t n) {
  return wrapSeat(heartsArea().heartsSeating == 1 ? cg.gs.akspieler + n : cg.gs.akspieler - n);
}

int32_t heartsPassTargetOf(int32_t seat, int32_t n) {
  return wrapSeat(heartsArea().heartsSeating != 2 ? seat - n : seat + n);
}

int32_t heartsPassTarget(int32_t n) { return heartsPassTargetOf(cg.gs.akspieler, n); }

void heartsNextSeat() { cg.gs.akspieler = heartsSeatAfter(1); }

void heartsPrevSeat() { cg.gs.akspieler = heartsPassTarget(1); }

bool heartsIsPassLeft() { return cg.gs.gamesPlayed % 4 == 0; }
bool heartsIsPassRight() { return cg.gs.gamesPlayed % 4 == 1; }
bool heartsIsPassAcross() { return cg.gs.gamesPlayed % 4 == 2; }
bool heartsNoPass() { return cg.gs.gamesPlayed % 4 == 3; }

int32_t heartsPassOffsetFor(int32_t gamesPlayed) {
  static constexpr int32_t offsets[4] = {-1, 1, 2, 0};
  return offsets[((gamesPlayed % 4) + 4) % 4];
}

// [SECTION] legal cards and the trick

int32_t heartsPenaltyPoints(const THand& h) {
  int32_t points = 0;
  for (int i = 1; i <= handUsed(h); i++) {
    if (isQueenOfSpades(h.k[i])) points += 13;
    if (h.k[i].f == suitHearts) points += 1;
  }
  return points;
}

TCard heartsLeadCard() {
  const THand& t = heartsArea().trick;
  return handUsed(t) == 0 ? noCard() : t.k[1];
}

bool heartsFollowsSuit(const TCard& card, const TCard& lead) {
  if (handUsed(heartsArea().trick) == 0 || isNoCard(lead)) return true;
  if (countSuit(heartsArea().actingHand, lead.f) == 0) return true;
  return card.f == lead.f;
}

namespace {

// The seat's hand in hand order, written back to its slots with the slot numbers renewed.
THand sortedHand(int32_t seat) {
  TSpieler& s = sp[seat];
  syncHandFromSlots(s);
  sortHandByValueN0(s.hand, 1, 0, false);
  renumberHand(s.hand);
  syncSlotsFromHand(s);
  return s.hand;
}

THand withoutSuit(const THand& h, int suit) {
  THand out = h;
  removeSuit(out, suit);
  return out;
}

// The first trick gives no points away: no hearts and no queen of spades, unless the seat
// holds nothing else; then its hearts.
void keepFirstTrickClean(THand& list) {
  THand clean = withoutSuit(list, suitHearts);
  removeCard(clean, makeCard(rankQueen, suitSpades));
  if (handUsed(clean) == 0) {
    clean = list;
    keepSuit(clean, suitHearts);
  }
  if (handUsed(clean) > 0) list = clean;
}

}  // namespace

void heartsLegalCards(int32_t seat, int32_t position, THand& list) {
  if (seat == 0) seat = cg.gs.akspieler;
  if (position == 0) position = heartsArea().trickPosition;
  clearHand(list);
  if (seat < 1 || seat > heartsSeats) return;
  THand hand = sortedHand(seat);
  list = hand;
  if (cg.gs.subState == 0) return;
  if (position <= 1 || handUsed(heartsArea().trick) == 0) {
    if (hasCard(hand, makeCard(rank2, suitClubs))) {
      setHandToCard(hand.k[indexOfCard(hand, makeCard(rank2, suitClubs))], list);
      return;
    }
    if (!heartsArea().heartsBroken) {
      removeSuit(list, suitHearts);
      if (handUsed(list) == 0) list = hand;
    }
    return;
  }
  int lead = heartsLeadCard().f;
  if (countSuit(hand, lead) > 0) keepSuit(list, lead);
  if (handUsed(hand) == 13) keepFirstTrickClean(list);
}

bool heartsIsInLegalList(const TCard& card) { return hasCard(heartsArea().legalCards, card); }

TCard heartsTrickWinningCard() {
  const THand& t = heartsArea().trick;
  if (handUsed(t) == 0) return noCard();
  TCard best = t.k[1];
  for (int i = 2; i <= handUsed(t); i++)
    if (t.k[i].f == best.f && cardValues[t.k[i].f][t.k[i].t] > cardValues[best.f][best.t]) best = t.k[i];
  return best;
}

// [SECTION] the end of a deal

namespace {

// What a seat took, counting its hand: the end display moves the penalty cards into it.
THand takenBy(int32_t seat) {
  syncHandFromSlots(sp[seat + heartsPileOffset]);
  syncHandFromSlots(sp[seat]);
  THand h = sp[seat + heartsPileOffset].hand;
  appendHand(h, sp[seat].hand);
  return h;
}

}  // namespace

int32_t heartsSunShooter() {
  if (!heartsArea().sonneRule) return 0;
  for (int32_t s = 1; s <= heartsSeats; s++)
    if (handUsed(takenBy(s)) == 52) return s;
  return 0;
}

int32_t heartsMoonShooter() {
  if (heartsSunShooter() != 0) return 0;
  for (int32_t s = 1; s <= heartsSeats; s++)
    if (heartsPenaltyPoints(takenBy(s)) == 26) return s;
  return 0;
}

int32_t heartsRoundPoints(int32_t seat) {
  const THeartsState& a = heartsArea();
  if (seat == a.sunShooter || seat == a.moonShooter) return 0;
  if (a.sunShooter != 0) return 52;
  if (a.moonShooter != 0) return 26;
  return heartsPenaltyPoints(takenBy(seat));
}

std::string heartsRoundPointsText(int32_t seat) {
  if (seat == heartsArea().moonShooter) return lookupText("f_hearts_durchmarsch");
  if (seat == heartsArea().sunShooter) return lookupText("f_hearts_sonne");
  return std::to_string(heartsRoundPoints(seat)) + lookupText("f_dialog_punkte");
}

// [SECTION] the list

namespace {

bool pointsLimitSet() { return heartsArea().pointsLimit > 0 && heartsArea().pointsLimit != heartsNoRoundLimit; }

std::string limitText(int32_t value, bool set) {
  return set ? std::to_string(value) : lookupText("f_dialog_spielliste_unbegrenzt");
}

}  // namespace

bool heartsIsListOver() {
  if (cg.gs.gamesPlayed >= heartsArea().roundLimit) return true;
  if (!pointsLimitSet()) return false;
  for (int32_t s = 1; s <= heartsSeats; s++)
    if (cg.gs.listTotals[s] >= heartsArea().pointsLimit) return true;
  return false;
}

void heartsListText(int32_t, std::string& text) {
  const THeartsState& a = heartsArea();
  bool roundsSet = a.roundLimit != heartsNoRoundLimit;
  if (!roundsSet && pointsLimitSet()) {
    int32_t highest = 0;
    for (int32_t s = 1; s <= heartsSeats; s++) highest = std::max(highest, cg.gs.listTotals[s]);
    text = lookupText("f_dialog_spiellistepunkte", std::to_string(highest), limitText(a.pointsLimit, true));
  } else if (roundsSet) {
    text = lookupText("f_dialog_spiellisterunden1", std::to_string(cg.gs.gamesPlayed), limitText(a.roundLimit, true));
  } else {
    text = std::to_string(cg.gs.gamesPlayed) +
           lookupText(cg.gs.gamesPlayed == 1 ? "f_dialog_spielgespielt" : "f_dialog_spielegespielt");
  }
}

void heartsResultText(const TGameResult& result, std::string& text) {
  text.clear();
  if (result.kind != resultFinished) return;
  text = cg.winnerSentence(result) + "." + "\r\r" + lookupText("f_dialog_abrechnung") + ": ";
  for (int32_t s = 1; s <= heartsSeats; s++)
    text += "\r" + cg.seatName(s) + ": " + cg.pointsText(result.values[s], true) + lookupText("f_dialog_punkte");
}

void heartsEnterHighscore(std::string& text) {
  text.clear();
  std::string name = cg.seatName(1).substr(0, 100);
  text = cg.enterHighscoreValue(gidHearts, 1, cg.gs.matchScore[1], name, true);
}

int32_t parseLimitItem(const std::string& item) {
  if (item.empty() || !std::isdigit(static_cast<unsigned char>(item[0]))) return heartsNoRoundLimit;
  size_t blank = item.rfind(' ');
  return std::atoi(item.substr(0, blank).c_str());
}

void heartsSetLimits(const std::string& roundsItem, const std::string& pointsItem, bool roundsTicked) {
  THeartsState& a = heartsArea();
  a.roundLimit = parseLimitItem(roundsItem);
  a.pointsLimit = parseLimitItem(pointsItem);
  if (a.pointsLimit == heartsNoRoundLimit) a.pointsLimit = 0;
  if (roundsTicked)
    a.pointsLimit = 0;
  else
    a.roundLimit = heartsNoRoundLimit;
}

void heartsReadOptions() {
  playerCount = heartsSeats;
  cg.seatCount = heartsSeats;
  // The options dialog comes with the shell; until then the area keeps the options given.
  logNotAvailable("Hearts options dialog");
}
