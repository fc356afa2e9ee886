// Schnapsen's and Sechsundsechzig's rules: cards, tricks, marriages, the 66 check and the
// settlement of a finished game (winner, game points, the Bummerl countdown).
//
// [SECTION] cards and tricks
// [SECTION] points
// [SECTION] settlement
#include "games/family/schnapsen_rules.h"

#include <cctype>

#include "core/card_order.h"
#include "core/cg.h"
#include "table/stacks.h"

TSchnapsenState& schnapsenArea() { return gameArea<TSchnapsenState>(cg.gs.schnapsen); }

// [SECTION] cards and tricks

int32_t schnapsenCardPoints(const TCard& c) {
  switch (c.t) {
    case rankAce: return 11;
    case rankTen: return 10;
    case rankKing: return 4;
    case rankQueen: return 3;
    case rankJack: return 2;
    default: return 0;
  }
}

int32_t schnapsenHandPoints(const THand& h) {
  int32_t sum = 0;
  for (int i = 1; i <= handUsed(h); i++) sum += schnapsenCardPoints(h.k[i]);
  return sum;
}

void schnapsenBuildDeck() {
  TSpieler& stock = sp[schnapsenStock];
  int slot = 0;
  for (int r = schnapsenArea().variant ? rank9 : rankJack; r <= rankAce; r++)
    for (int s = suitClubs; s <= suitDiamonds; s++) stock.slots[++slot].card = makeCard(r, s);
  stock.count = slot;
  shuffleStack(stock);
}

void schnapsenInitCardValues() {
  for (int s = 1; s <= 4; s++)
    for (int r = 1; r <= 14; r++) cardValues[s][r] = r <= rankAce ? 500 - 100 * s + r : 0;
}

int32_t schnapsenTrickWinner(const TCard& led, const TCard& answer, int32_t answeringSeat) {
  bool beats = (answer.f == led.f && answer.t > led.t) ||
               (answer.f == schnapsenArea().trumpSuit && led.f != schnapsenArea().trumpSuit);
  return beats ? answeringSeat : 3 - answeringSeat;
}

bool schnapsenAnswerIsLegal(const TCard& card, const TCard& led, const THand& hand, bool strict) {
  if (isNoCard(led) || !strict) return true;
  bool canBeat = false, canFollow = false, hasTrump = false;
  for (int i = 1; i <= handUsed(hand); i++) {
    const TCard& c = hand.k[i];
    canFollow |= c.f == led.f;
    canBeat |= c.f == led.f && c.t > led.t;
    hasTrump |= c.f == schnapsenArea().trumpSuit;
  }
  if (canBeat) return card.f == led.f && card.t > led.t;
  if (canFollow) return card.f == led.f;
  if (hasTrump) return card.f == schnapsenArea().trumpSuit;
  return true;
}

int32_t schnapsenMarriagePartner(const THand& hand, int32_t slot, int32_t suit) {
  if (slot < 1 || slot > handUsed(hand)) return 0;
  const TCard& c = hand.k[slot];
  if ((c.t != rankQueen && c.t != rankKing) || (suit != 0 && suit != c.f)) return 0;
  int8_t partner = c.t == rankQueen ? rankKing : rankQueen;
  for (int i = 1; i <= handUsed(hand); i++)
    if (hand.k[i].t == partner && hand.k[i].f == c.f) return i;
  return 0;
}

int32_t schnapsenTrumpExchangeCard(const THand& hand) {
  int8_t rank = schnapsenArea().variant ? rank9 : rankJack;
  for (int i = 1; i <= handUsed(hand); i++)
    if (hand.k[i].t == rank && hand.k[i].f == schnapsenArea().trumpSuit) return i;
  return 0;
}

int32_t schnapsenLeadOptions(const THand& hand, bool leads, LArray<int16_t, 1, 2>& out) {
  int32_t n = 0;
  if (!leads || schnapsenArea().strictRules) return 0;
  if (schnapsenArea().closingAllowed) out[++n] = schnapsenOptClose;
  if (schnapsenArea().exchangeAllowed && schnapsenTrumpExchangeCard(hand) > 0) out[++n] = schnapsenOptExchange;
  return n;
}

// [SECTION] points

bool schnapsenCheck66(const LArray<int32_t, 1, 2>& wonCardPoints) {
  bool reached = false;
  for (int s = 1; s <= 2; s++) {
    // Marriage points wait for the first won card point: a trick of two nines is not enough.
    int32_t marriages = wonCardPoints[s] >= 1 ? schnapsenArea().marriagePoints[s] : 0;
    schnapsenArea().totalPoints[s] = wonCardPoints[s] + marriages;
    reached |= schnapsenArea().totalPoints[s] >= 66;
  }
  return reached;
}

// [SECTION] settlement

namespace {

// 1 point against 33 or more, 2 against fewer, 3 against none.
int32_t pointsAgainst(int32_t loserPoints) { return loserPoints > 32 ? 1 : loserPoints >= 1 ? 2 : 3; }

void chooseWinner(TSchnapsenOutcome& o, int32_t seatToAct, const std::string* names) {
  const LArray<int32_t, 1, 2>& t = schnapsenArea().totalPoints;
  if (schnapsenArea().closed && schnapsenArea().closer >= 1 && schnapsenArea().closer <= 2) {
    int32_t c = schnapsenArea().closer;
    bool made = t[c] >= 66;
    o.winner = made ? c : 3 - c;
    o.reason = names[c] + " hat mit " + std::to_string(t[c]) + (made ? " Augen gewonnen." : " Augen verloren.");
  } else if (schnapsenArea().lastTrickSeat >= 1 && schnapsenArea().lastTrickSeat <= 2 && schnapsenArea().variant) {
    schnapsenArea().totalPoints[schnapsenArea().lastTrickSeat] += 10;
    o.winner = seatToAct;
    o.reason = names[schnapsenArea().lastTrickSeat] + " erhält zusätzlich 10 Augen für den letzten Stich.";
  } else if (schnapsenArea().lastTrickSeat >= 1 && schnapsenArea().lastTrickSeat <= 2) {
    o.winner = schnapsenArea().lastTrickSeat;
    o.reason = names[o.winner] + " hat den letzten Stich erzielt.";
  } else {
    o.winner = t[1] > t[2] ? 1 : 2;
    o.reason = names[o.winner] + " hat " + std::to_string(t[o.winner]) + " Augen erzielt.";
  }
}

void chooseGamePoints(TSchnapsenOutcome& o, const std::string* names) {
  int32_t w = o.winner, l = 3 - w;
  bool closerWon = schnapsenArea().closed && schnapsenArea().closer == w;
  bool closerLost = schnapsenArea().closed && schnapsenArea().closer == l;
  if (closerLost) {
    o.gamePoints = schnapsenArea().pointsAtClosing[w] <= 0 ? 3 : 2;
    if (o.gamePoints == 3) o.secondLine = names[w] + " hatte beim Sperren des Talons 0 Augen.";
    return;
  }
  int32_t against = closerWon ? schnapsenArea().pointsAtClosing[l] : schnapsenArea().totalPoints[l];
  o.gamePoints = pointsAgainst(against);
  const char* texts[2][2] = {{" hat weniger als 33 Augen.", " hat 0 Augen."},
                             {" hatte beim Sperren des Talons weniger als 33 Augen.",
                              " hatte beim Sperren des Talons 0 Augen."}};
  if (o.gamePoints >= 2) o.secondLine = names[l] + texts[closerWon ? 1 : 0][o.gamePoints - 2];
}

}  // namespace

TSchnapsenOutcome schnapsenSettle(int32_t seatToAct, const LArray<int32_t, 1, 6>& listTotals,
                                  const std::string& name1, const std::string& name2) {
  const std::string names[3] = {"", name1, name2};
  TSchnapsenOutcome o;
  chooseWinner(o, seatToAct, names);
  chooseGamePoints(o, names);
  int32_t w = o.winner, n = o.gamePoints;
  o.remaining[1] = listTotals[1];
  o.remaining[2] = listTotals[2];
  o.remaining[w] = listTotals[w] - n;
  o.pointsText = names[w] + " erhält " + std::to_string(n) + (n == 1 ? " Punkt" : " Punkte");
  if (o.remaining[w] <= 0) {
    o.remaining[w] = 0;
    o.bummerl = true;
    schnapsenArea().bummerlWon[w]++;
    o.pointsText += " und erhält ein Bummerl.";
  } else {
    o.pointsText += ".";
  }
  return o;
}

int32_t schnapsenOptionNumber(const std::string& text) {
  int32_t number = 99999;
  if (text.empty() || !std::isdigit(static_cast<unsigned char>(text[0]))) return number;
  for (size_t i = 0; i < text.size(); i++)
    if (text[i] == ' ') number = std::stoi(text.substr(0, std::min<size_t>(i, 9)));
  return number;
}

bool schnapsenIsListOver(int32_t winner) {
  return winner >= 1 && winner <= 2 && schnapsenArea().bummerlWon[winner] >= schnapsenArea().bummerlLimit;
}
