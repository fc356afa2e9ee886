// Betting in a poker hand.
#include "games/casino/poker_betting.h"

#include <algorithm>
#include <cmath>

#include "core/cg.h"
#include "engine/engine_services.h"
#include "games/casino/chips.h"
#include "games/casino/poker_lists.h"
#include "games/casino/poker_reactions.h"
#include "games/casino/poker_state.h"
#include "shell/shell_globals.h"

namespace {

constexpr int32_t noLimit = 1000000;
constexpr int32_t potStack = 8;

int32_t stepSeat(int32_t count, bool inHandOnly, bool strict, int32_t direction) {
  const TPokerArea& a = pokerArea();
  const int32_t seats = std::max(1, cg.seatCount);
  int32_t seat = cg.gs.akspieler;
  const bool everyPosition = !strict && cg.gs.phase != 4;
  const bool allAllIn = inHandOnly && seatsInGame() > 0 && [&] {
    for (int s = 1; s <= playerCount; s++)
      if (seatInGame(s) && !a.seats[s].allIn) return false;
    return true;
  }();
  for (int32_t n = 0; n < count; n++) {
    for (int32_t tries = 0; tries < seats; tries++) {
      seat = (seat - 1 + direction + seats) % seats + 1;
      if (everyPosition) break;
      const TChipSeat& s = a.seats[std::clamp(seat, 1, 6)];
      if (seat > 6 || s.state == 0) continue;
      if (inHandOnly && (s.state != 1 || (s.allIn && !allAllIn))) continue;
      break;
    }
  }
  return seat;
}

bool german() { return pokerArea().germanTerms; }

void goAllIn(TChipSeat& s) {
  TPokerArea& a = pokerArea();
  s.action = 2;
  s.allIn = 1;
  a.someoneAllIn = 1;
  s.speech = "All In";
}

}  // namespace

int32_t pokerNextSeat(int32_t count, bool inHandOnly, bool strict) {
  return stepSeat(count, inHandOnly, strict, pokerArea().seatDirection == 1 ? 1 : -1);
}
int32_t pokerPreviousSeat(int32_t count, bool inHandOnly, bool strict) {
  return stepSeat(count, inHandOnly, strict, pokerArea().seatDirection == 1 ? -1 : 1);
}

int32_t pokerAmountToCall(int32_t seat) {
  if (seat < 1 || seat > 6) return 0;
  return std::max(0, pokerArea().betLevel - pokerArea().seats[seat].stake);
}

void pokerPrepareSeat(int32_t seat) {
  TPokerArea& a = pokerArea();
  a.maxRaise = a.splitLimit ? a.limitBet : a.potLimit ? a.pot : noLimit;
  a.raiseAmount = a.minRaise;
  if (seat < 1 || seat > 6) return;
  TChipSeat& s = a.seats[seat];
  const int32_t money = chipStackValue(seat);
  s.available = money + s.stake;
  s.canCall = !(s.available < a.betLevel && a.betLevel != s.stake);
  s.canRaise = a.betLevel + a.minRaise <= s.available;
  s.canAllIn = !s.allIn && money <= a.maxRaise + a.betLevel - s.stake;
  if (a.splitLimit) {
    if (a.raisesInRound > 3 || (a.raisesInRound > 2 && a.street == 1)) s.canRaise = false;
    if (money > a.maxRaise) s.canAllIn = false;
  }
  // A seat short of the call may always put in what it has.
  if (!s.allIn && money > 0 && money < pokerAmountToCall(seat)) s.canAllIn = true;
}

bool pokerAnswerOffered(int32_t seat, int32_t code) {
  if (seat < 1 || seat > 6) return false;
  const TChipSeat& s = pokerArea().seats[seat];
  const bool owes = pokerAmountToCall(seat) > 0;
  switch (code) {
    case pokerFold: return true;
    case pokerCheck: return !owes;
    case pokerCall: return owes && s.canCall;
    case pokerRaise: return s.canRaise;
    case pokerAllIn: return s.canAllIn;
    default: return false;
  }
}

bool pokerTakeAnswer(int32_t seat, int32_t code, int32_t value) {
  if (!pokerAnswerOffered(seat, code)) {
    trace("poker: answer " + std::to_string(code) + " of seat " + std::to_string(seat) + " was not offered; refused");
    return false;
  }
  TPokerArea& a = pokerArea();
  TChipSeat& s = a.seats[seat];
  if (code == pokerFold) {
    s.action = 7;
    s.state = 2;
    s.speech = "Ich passe";
    return true;
  }
  if (code == pokerCheck) {
    s.action = 3;
    s.speech = "Ich halte";
    return true;
  }
  const int32_t money = chipStackValue(seat);
  const int32_t toCall = pokerAmountToCall(seat);
  int32_t pay = 0;
  s.lastRaise = value;
  if (code == pokerRaise) {
    s.action = a.betMade ? 4 : 5;
    a.betMade = 1;
    a.raiseAmount = value;
    if (value < a.minRaise)
      trace("ACHTUNG! Regelverstoss Raise(" + std::to_string(value) + ") unter Minimum(" + std::to_string(a.minRaise) + ")");
    a.minRaise = value;
    pay = toCall + value;
    if (pay < money) {
      a.betLevel += value;
      s.speech = "Ich erhöhe";
      a.raisesInHand++;
      a.raisesInRound++;
      s.raisesMade++;
    } else {
      // A raise the seat cannot pay in full is its all-in.
      pay = money;
      a.betLevel = std::max(a.betLevel, s.stake + money);
      goAllIn(s);
    }
    if (seat == 1) pokerUserRaiseReaction(value);
  } else if (code == pokerAllIn) {
    pay = money;
    a.raiseAmount = money;
    a.betLevel = std::max(a.betLevel, s.stake + money);
    goAllIn(s);
  } else {
    pay = std::min(toCall, money);
    if (pay == money) {
      goAllIn(s);
    } else {
      s.action = 1;
      s.speech = "Ich gehe mit";
    }
  }
  // Nothing moves more than the seat holds; the chips fly, the numbers change now.
  pay = std::clamp(pay, 0, money);
  chipAnimation.queueMove(seat, potStack, pay, false, 1, 1);
  a.pot += pay;
  s.stake += pay;
  a.minRaise = std::max(a.minRaise, s.stake - a.betLevel);
  return true;
}

bool pokerBettingRoundOver() {
  const TPokerArea& a = pokerArea();
  if (a.bettingOpen != 1) return true;
  for (int seat = 1; seat <= playerCount; seat++) {
    const TChipSeat& s = a.seats[seat];
    if (s.state != 1 || s.allIn) continue;
    if (s.stake < a.betLevel || s.action == 0 || s.action == 11) return false;
  }
  return true;
}

std::string pokerActionText(int32_t code) {
  const TPokerArea& a = pokerArea();
  const bool de = german();
  switch (code) {
    case 0: return a.betMade ? (de ? "Erhöhen " : "Raise ") : (de ? "Setzen " : "Bet ");
    case 1:
    case 2: return pokerAmountToCall(cg.gs.akspieler) > 0 ? (de ? "Mitgehen " : "Call ") : (de ? "Weiter " : "Check");
    case 3: return de ? "Passen" : "Fold";
    case 4: return de ? "Alles setzen" : "All-In";
    case 5: return de ? "Erhöht um" : "Raised";
    case 6: return de ? "Geht mit" : "Called";
    case 7: return de ? "Weiter" : "Checked";
    case 8: return de ? "Passt" : "Folded";
    case 9: return de ? "Alles gesetzt" : "All-In";
    case 10: return de ? "Setzt" : "Bet";
    default: return {};
  }
}

void pokerUpdateAggression() {
  TPokerArea& a = pokerArea();
  bool aggressive = a.seats[1].allIn != 0;
  if (seatsInGame() == 1 && seatInGame(1) && (a.pot >= 5 * a.blind || a.pot >= a.startMoney)) aggressive = true;
  for (int i = 29; i >= 0; i--) a.aggressionHistory[i + 1] = a.aggressionHistory[i];
  a.aggressionHistory[0] = aggressive ? 100 : 0;
  int32_t c = std::min(30, cg.gs.gamesPlayed + 1);
  const double d = c >= 24 ? 1.8 : c >= 18 ? 1.6 : c >= 12 ? 1.4 : c >= 7 ? 1.2 : 1.0;
  double f = 0;
  for (int i = 0; i < c; i++) {
    const double h = a.aggressionHistory[i];
    if (i <= 3) f += d * h / 50;
    else if (i <= 6) f += d * h / 75;
    else if (i <= playerCount + 5) f += h / 100;
    else if (i <= 2 * playerCount + 10) f += h / 150;
    else f += h / 300;
  }
  c = std::min(c, 20);
  a.aggression = c < 2 ? 180 : int32_t(std::nearbyint(f / c * playerCount * 100));
}
