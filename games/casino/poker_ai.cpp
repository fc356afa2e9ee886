// The poker computer player: situation, decision, common tail and move.
#include "games/casino/poker_ai.h"

#include <algorithm>
#include <cmath>

#include "core/cg.h"
#include "engine/engine_services.h"
#include "games/casino/chips.h"
#include "games/casino/poker_betting.h"
#include "games/casino/poker_lists.h"
#include "games/casino/poker_reactions.h"
#include "games/casino/poker_rules_ai.h"
#include "games/casino/poker_state.h"
#include "games/casino/poker_winprob.h"
#include "games/skat/doppelkopf_scoring.h"
#include "net/net_transport.h"
#include "platform/random.h"
#include "shell/shell_globals.h"

std::string decisionTrace;
bool pokerSeatAsksMemory[7] = {true, true, true, true, true, true, true};

namespace {

int32_t roundI(double v) { return int32_t(std::nearbyint(v)); }
double clampP(double v) { return std::clamp(v, 0.0, 100.0); }
int16_t toI16(double v) { return int16_t(std::clamp(std::nearbyint(v), -32768.0, 32767.0)); }
uint8_t toByte(double v) { return uint8_t(std::clamp(std::nearbyint(v), 0.0, 255.0)); }

std::string percent(int32_t part, int32_t whole, int32_t decimals) {
  std::string text;
  formatPercent(part, whole, decimals, text);
  return text;
}

// An alert of the computation: written to the trace log; the computation goes on.
void alert(const std::string& what, int32_t seat) {
  logProtocol("ACHTUNG! Fehler: Negative " + what + " bei Spieler " + std::to_string(seat));
}

int32_t playersFor(int32_t n) { return std::clamp(n, 2, 7); }

// The answer code of a decision, and the fallback when the panel does not offer it: a raise
// becomes a call or check, a call the seat cannot make its all-in, an all-in a call; what is
// left is a fold, which is always offered.
int32_t offeredCode(int32_t seat, int32_t code) {
  const bool owes = pokerAmountToCall(seat) > 0;
  const int32_t stay = owes ? pokerCall : pokerCheck;
  const int32_t chain[4][3] = {{pokerRaise, stay, pokerAllIn}, {stay, pokerAllIn, pokerFold}, {pokerAllIn, stay, pokerFold},
                               {pokerFold, pokerFold, pokerFold}};
  const int row = code == pokerRaise ? 0 : code == pokerAllIn ? 2 : code == pokerFold ? 3 : 1;
  for (int32_t c : chain[row])
    if (pokerAnswerOffered(seat, c)) {
      if (c != chain[row][0])
        trace("poker: seat " + std::to_string(seat) + " answers " + std::to_string(c) + " instead of " +
              std::to_string(chain[row][0]) + ", which the panel does not offer");
      return c;
    }
  return pokerFold;
}

}  // namespace

TPokerSeatView pokerSeatView(int32_t seat) {
  const TPokerArea& a = pokerArea();
  TPokerSeatView v{};
  v.seat = seat;
  const TChipSeat& s = a.seats[std::clamp(seat, 1, 6)];
  v.money = chipStackValue(seat);
  v.stake = s.stake;
  v.betLevel = a.betLevel;
  v.toCall = a.betLevel - s.stake;
  v.pot = a.pot;
  v.blind = std::max(1, a.blind);
  v.minRaise = a.minRaise;
  v.maxRaise = a.maxRaise;
  v.minRaiseBlinds = (a.minRaise - 1) / v.blind + 1;
  v.raisesInHand = a.raisesInHand;
  v.street = a.street;
  v.inHand = seatsInGame();
  v.playable = pokerPlayableSeats();
  v.startMoney = a.startMoney;
  v.splitLimit = a.splitLimit != 0;
  v.someoneAllIn = a.someoneAllIn != 0;
  return v;
}

int32_t seatAIStrength(int32_t seat) {
  if (seat == 1) return 3;
  if (isNetGame()) {
    const int32_t net = localSeatToNet(seat);
    if (net >= 1 && net <= 8) return netTransport.seats[net].strength;
  }
  return seat >= 1 && seat <= 6 ? cg.gs.seatProfiles[seat].strength : 2;
}

int32_t pokerOtherSeatsThatRaised(int32_t seat) {
  int32_t n = 0;
  for (int32_t s = 1; s <= std::min(playerCount, 6); s++)
    if (s != seat && seatInGame(s) && pokerArea().seats[s].raisesMade > 0) n++;
  return n;
}

int32_t pokerAllInSeats() {
  int32_t n = 0;
  for (int32_t s = 1; s <= std::min(playerCount, 6); s++)
    if (seatInGame(s) && pokerArea().seats[s].allIn) n++;
  return n;
}

bool pokerAllOtherSeatsDone(int32_t seat) {
  for (int32_t s = 1; s <= std::min(playerCount, 6); s++)
    if (s != seat && seatInGame(s) && !pokerArea().seats[s].allIn) return false;
  return true;
}

int32_t pokerPlayableSeats() {
  int32_t n = 0;
  for (int32_t s = 1; s <= playerCount; s++)
    if (isSeatPlayable(s)) n++;
  return n;
}

int32_t pokerBluffAllowance() {
  const int32_t a = pokerArea().aggression;
  static const int32_t upTo[] = {20, 60, 90, 150, 200, 250, 300, 400, 500, 600, 700, 800};
  static const int32_t bonus[] = {-2, -1, 0, 2, 4, 6, 8, 10, 12, 14, 15, 17, 18};
  int i = 0;
  while (i < 12 && a > upTo[i]) i++;
  double b = bonus[i];
  int32_t playing = 0;
  for (int32_t s = 2; s <= std::min(playerCount, 6); s++)
    if (isSeatPlayable(s) && seatInGame(s)) playing++;
  if (playing >= 4) b = roundI(b * 0.6);
  else if (playing == 3) b = roundI(b * 0.8);
  else if (playing == 2) b = roundI(b * 0.9);
  if (!seatInGame(1)) b = roundI(b * 0.3);
  const int32_t playable = pokerPlayableSeats();
  if (playable == 2) b = roundI(b * 0.6);
  else if (playable == 3) b = roundI(b * 0.8);
  return int32_t(b);
}

double pokerCalmness(const TPokerSeatView& v, double x) {
  int32_t raises = 0;
  for (int32_t s = 1; s <= std::min(playerCount, 6); s++)
    if (s != v.seat && seatInGame(s)) raises += pokerArea().seats[s].raisesMade;
  double r = 100;
  r -= std::min(30, 5 * pokerOtherSeatsThatRaised(0) + 3 * raises);
  r -= std::min(20, v.pot / v.blind);
  r -= std::min(20, std::max(0, 2 * (v.toCall - v.stake)) + 2 * (v.toCall / v.blind));
  r -= std::min(20, roundI(v.toCall / (v.money + 0.01) * 20));
  r -= std::min(10, roundI(10 - x / 10));
  return r;
}

double pokerBlendedChance(double calm, double pA, double pB) {
  if (calm <= 10) return pB - 0.05;
  if (calm <= 20) return pB;
  if (calm >= 80) return pA;
  const double f = (calm - 20) / 60;
  return pA * f + pB * (1 - f);
}

void pokerSituationFeatures(int32_t seat, TPokerCase& r) {
  const TPokerSeatView v = pokerSeatView(seat);
  const double x = roundI((cg.gs.subStep - 1) * 100.0 / std::max(1, playerCount));
  if (v.toCall < 0) alert("A_BRING.b", cg.gs.akspieler);
  TPokerWinPair q;
  pokerWinProbabilityB(seat, playersFor(v.inHand), playersFor(v.playable), q);
  double pA = 100.0 * q.a, pB = 100.0 * q.b;
  switch (seatAIStrength(seat)) {
    case 1: {
      int32_t n = 0;
      if (randomReal() < 0.6) n = randomBelow(62) - 35;
      if (pA < 21) n += 11;
      if (pA > 69) n -= 16;
      if (pA > 50) n -= 5;
      n -= 10;
      pA = clampP(roundI(pA + n));
      pB = clampP(roundI(pB + n));
      break;
    }
    case 3: {
      int32_t n = -7 + pokerBluffAllowance();
      const int32_t k = cg.gs.step / 2 + 1 + v.inHand;
      n += k >= 8 ? -2 : k == 7 ? 0 : k == 6 ? 2 : 4;
      if (pA < 95) {
        pA = clampP(roundI(pA + n));
        pB = std::max(0.0, std::min(pA, double(roundI(pB + n))));
      }
      break;
    }
    default: {
      const int32_t n = randomBelow(28) - 15;
      pA = clampP(roundI(pA + n));
      pB = clampP(roundI(pB + n));
      break;
    }
  }
  const double calm = pokerCalmness(v, x);
  const double w = pokerBlendedChance(calm, pA, pB);
  r.winChance = toByte(w * 255 / 100);
  r.winChanceInHand = toByte(pA * 255 / 100);
  r.winChanceTable = toByte(pB * 255 / 100);
  const int32_t potB = v.pot / v.blind, stakeB = v.stake / v.blind, callB = v.toCall / v.blind;
  if (stakeB < 0) alert("SetSum.b", cg.gs.akspieler);
  if (callB < 0) alert("BringSum.b", cg.gs.akspieler);
  r.potInBlinds = int16_t(std::min(potB, 200));
  r.stakeInBlinds = int16_t(std::min(stakeB, 200));
  r.toCallInBlinds = int16_t(std::min(callB, 200));
  const int32_t street = v.street == 7 ? 6 : v.street == 5 ? 4 : v.street == 3 ? 3 : 0;
  r.streetCode = uint8_t(street + (v.toCall >= 0 ? 10 : 0));
  r.calm = uint8_t(std::min(255, roundI(calm / 100 * 255)));
  r.callValue = toI16(v.pot * w / 100 - v.toCall * (1 - w / 100));
  r.betValue = toI16(v.blind * ((w / 100) * 0.5 * (v.inHand - 1) - (1 - w / 100)));
  r.seat = uint8_t(seat);
  if (seat >= 1 && seat <= 6) {
    pokerArea().seats[seat].callValue = r.callValue;
    pokerArea().seats[seat].winChance = r.winChance;
  }
}

namespace {

// After the flop: the case memory's code, pushed by the hand's strength (steps 2 to 10).
void afterFlop(const TPokerSeatView& v, const TPokerCase& r, TPokerDecision& d) {
  const int32_t strength = seatAIStrength(v.seat);
  const double p = r.winChance / 2.55, pIn = r.winChanceInHand / 2.55;
  int16_t code = pokerSeatAsksMemory[std::clamp(v.seat, 0, 6)] ? clusterer().nearestDecision(r) : pokerUseRules;
  if (code > 1 && strength == 1 && randomReal() < 0.8)
    code = code == 100 ? int16_t(randomBelow(8) + 4) : int16_t(roundI(code * 0.5));
  if (code == pokerUseRules) {
    pokerRuleDecision(v.seat, d);
  } else {
    const int32_t cv = r.callValue;
    double e = 0;
    if (cv >= -v.blind) e = v.street == 3 ? 0.6 : v.street == 5 ? 0.75 : v.street == 7 ? 1.0 : 0;
    if (cv <= -v.blind) e *= 0.35;
    else if (cv <= -(v.blind / 2)) e *= 0.5;
    else if (cv < 0) e *= 0.6;
    else if (cv >= v.blind) e *= 1.15;
    if (cv < v.blind / 2) e *= 0.85;
    if (!v.splitLimit) {
      const int32_t n = v.raisesInHand;
      e -= n >= 7 ? 0.44 : n == 6 ? 0.32 : n == 5 ? 0.2 : n == 4 ? 0.12 : n == 3 ? 0.06 : 0;
    }
    struct TTier { double p, p2, in, chance; int32_t add, spread; };
    static const TTier tiers[] = {{68, 62, 76, 0.7, 8, 21}, {63, 56, 72, 0.6, 4, 21}, {58, 50, 65, 0.52, 2, 21},
                                  {40, 32, 58, 0.46, 1, 13}, {28, 22, 50, 0.36, 1, 9}};
    for (const TTier& t : tiers) {
      if (!(p >= t.p || (p >= t.p2 && pIn >= t.in))) continue;
      if (randomReal() < t.chance * e) code = int16_t(code + t.add + randomBelow(t.spread));
      break;
    }
    double g = 1.0;
    if (v.street == 3) g *= 0.75;
    if (v.street == 7) g *= 1.25;
    const double c = v.blind <= 200 ? 0.3 : 0.2;
    if (r.winChance >= 43 && r.winChanceInHand >= 53 && code >= 1) {
      if (randomReal() < c * g) code = int16_t(code * 2);
      else if (randomReal() < c * g) code = int16_t(code + 1 + randomBelow(6));
      else if (randomReal() < c * g) code = int16_t(code + randomBelow(5));
    }
    if (!v.canPay(0) && !(code < -1 && cv < 0)) code = 100;
    if (strength == 1 && code >= 1 && randomReal() < 0.4) code = -1;
    if (code == 100) {
      d = {pdAllIn, pdBlinds, 0};
    } else {
      const int32_t n = std::max<int32_t>(v.minRaiseBlinds, code);
      if (code >= 0 && v.canPay(v.blind * n)) d = {pdRaise, pdBlinds, n};
      else if (code == -1 && v.canPay(0)) d = {pdCall, pdBlinds, 0};
      else if (v.stake == v.betLevel) d = {pdCall, pdBlinds, 0};
      else d = {pdFold, pdBlinds, 0};
    }
  }
  // A seat never keeps less than one blind behind.
  if (d.kind == pdCall || d.kind == pdRaise || d.kind == pdFold) {
    const int32_t left = d.kind == pdCall ? v.money - v.toCall
                         : d.kind == pdRaise ? v.money - v.toCall - d.amount * v.blind : v.money;
    if (left < v.blind) d.kind = pdAllIn;
  }
}

void commonTail(const TPokerSeatView& v, const TPokerCase& r, TPokerDecision& d) {
  const TChipSeat& seat = pokerArea().seats[std::clamp(v.seat, 1, 6)];
  const double p = r.winChance / 2.55, pIn = r.winChanceInHand / 2.55, pTable = r.winChanceTable / 2.55;
  const bool postFlop = v.street == 3 || v.street == 5 || v.street == 7;
  if (pokerAllOtherSeatsDone(v.seat) && d.kind == pdRaise) d.kind = pdCall;
  if (postFlop && d.kind == pdFold && v.canPay(0)) {
    const int32_t pen = 3 * pokerOtherSeatsThatRaised(v.seat) - 4 + v.raisesInHand;
    const int32_t b1 = r.winChanceInHand, cv = r.callValue, blind = v.blind;
    const bool call = (p >= 44 + pen || (p >= 36 + pen && b1 >= 49)) ||
                      (cv >= -10 * blind && (p >= 40 + pen || (p >= 32 + pen && b1 >= 46))) ||
                      (cv >= -4 * blind && (p >= 36 + pen || (p >= 30 + pen && b1 >= 43))) ||
                      (cv >= -2 * blind && (p >= 22 + pen || (p >= 18 + pen && b1 >= 36))) ||
                      (cv >= -blind && (p >= 18 + pen || (p >= 15 + pen && b1 >= 28))) ||
                      (cv >= 0 && (p >= 11 + pen || (p >= 8 + pen && b1 >= 25)));
    if (call) d.kind = pdCall;
  }
  if ((p >= 70 || pTable >= 60) && postFlop && d.kind == pdFold && v.canPay(0)) d.kind = pdCall;
  if (d.kind == pdRaise || d.kind == pdAllIn) {
    if (d.unit == pdBlinds) {
      d.amount *= v.blind;
      d.unit = pdMoney;
    }
    if (d.kind == pdAllIn && !seat.canAllIn) {
      if (seat.canRaise) d = {pdRaise, pdMoney, v.maxRaise};
      else d.kind = pdCall;
    }
    d.amount = std::min(d.amount, v.maxRaise);
    if (v.splitLimit && d.kind == pdRaise && !seat.canRaise) d.kind = pdCall;
  }
  if (r.callValue <= v.blind && r.toCallInBlinds * v.blind + v.stake >= v.startMoney / 4.0 && r.toCallInBlinds >= 3 &&
      (d.kind == pdRaise || d.kind == pdCall) && !(p > 48 && pIn > 68))
    d.kind = pdFold;
  const int32_t rest = d.kind == pdCall ? v.money - v.toCall
                       : d.kind == pdRaise ? v.money - v.toCall - d.amount * (d.unit == pdBlinds ? v.blind : 1)
                                           : v.money;
  const int32_t every = pokerArea().blindEvery;
  if (seat.canAllIn &&
      ((rest > 0 && rest < v.blind) || (rest > 0 && rest < 2 * v.blind && every > 0 && (cg.gs.gamesPlayed + 1) % every == 0)))
    d.kind = pdAllIn;
}

}  // namespace

void pokerAIDecision(int32_t seat, TPokerDecision& d) {
  const TPokerSeatView v = pokerSeatView(seat);
  TPokerCase r{};
  d = {};
  if (v.street <= 1) {
    pokerRuleDecisionB(seat, d);
    pokerSituationFeatures(seat, r);
    const double p = r.winChance / 2.55;
    if (v.raisesInHand > 0 && d.kind == pdFold && v.canPay(0) &&
        ((r.callValue >= 1 && p >= 48) || (r.callValue >= v.blind && p >= 38) || (r.callValue >= 2 * v.blind && p >= 28)))
      d.kind = pdCall;
  } else {
    pokerSituationFeatures(seat, r);
    pokerAppendDecisionTrace("\n\rNr" + std::to_string(seat) + " - E:" + percent(r.callValue, 1000, 2) +
                             ", Win:" + percent(r.winChance * 10, 1000, 2));
    afterFlop(v, r, d);
  }
  commonTail(v, r, d);
}

void pokerAIMove() {
  const int32_t seat = cg.gs.akspieler;
  if (seat < 1 || seat > 6) return;
  TPokerDecision d;
  pokerAIDecision(seat, d);
  const int32_t blind = std::max(1, pokerArea().blind);
  const int32_t raise = d.kind == pdRaise ? (d.unit == pdMoney ? d.amount : d.amount * blind) : 0;
  int32_t code = d.kind == pdFold ? pokerFold : d.kind == pdAllIn ? pokerAllIn : raise > 0 ? pokerRaise : pokerCall;
  if (code == pokerCall && pokerAmountToCall(seat) == 0) code = pokerCheck;
  const bool react = randomReal() < 0.2;
  if (react && seatsInGame() >= 2 && code == pokerRaise && raise >= 2 * blind) {
    const int32_t inBlinds = raise / blind;
    const int32_t b = inBlinds >= 30 ? 10 : inBlinds >= 25 ? 8 : inBlinds >= 20 ? 5 : inBlinds >= 10 ? 2
                      : inBlinds >= 8 ? 0 : inBlinds >= 6 ? -5 : inBlinds >= 4 ? -10 : 0;
    const int32_t mood = seatsInGame() == 2 ? 37 : 38;
    pokerReactionSound(mood, seat, std::min(100, b + 85));
  }
  code = offeredCode(seat, code);
  const int option = code == pokerFold ? 1 : code == pokerRaise ? 3 : code == pokerAllIn ? 4 : 2;
  const TDecisionBlock& bl = cg.gs.bl;
  const int32_t value = bl.optionCount >= option && bl.optionValues[option] != 0 ? bl.optionValues[option] : code;
  const int32_t a = code == pokerRaise ? raise : code == pokerAllIn ? 1 : 0;
  cg.submitAction(2, a, value);
}

void pokerAppendDecisionTrace(const std::string& line) {
  constexpr size_t keep = 1200;
  decisionTrace += line;
  if (decisionTrace.size() > keep) {
    const size_t cut = decisionTrace.find("\n\r", decisionTrace.size() - keep);
    decisionTrace.erase(0, cut == std::string::npos ? decisionTrace.size() - keep : cut);
  }
}
