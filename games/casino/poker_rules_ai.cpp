// The pre-flop and post-flop rules of the poker computer player.
#include "games/casino/poker_rules_ai.h"

#include <algorithm>
#include <cmath>

#include "core/cg.h"
#include "engine/engine_services.h"
#include "games/casino/poker_state.h"
#include "games/casino/poker_winprob.h"
#include "games/skat/doppelkopf_scoring.h"
#include "platform/random.h"
#include "shell/shell_globals.h"

namespace {

int32_t roundI(double v) { return int32_t(std::nearbyint(v)); }
double clampP(double v) { return std::clamp(v, 0.0, 100.0); }
int32_t playersFor(int32_t n) { return std::clamp(n, 2, 7); }

// The seat's place in the betting round in percent.
double placeInRound() { return roundI(cg.gs.subStep * 100.0 / std::max(1, playerCount)); }

// A chain of draws: the first draw below its bound sets its level and ends the chain.
struct TDraw {
  double bound;
  int32_t level;
};
void drawChain(int32_t& level, std::initializer_list<TDraw> draws, double f) {
  for (const TDraw& d : draws)
    if (randomReal() < d.bound * f) {
      level = d.level;
      return;
    }
}

// Pre-flop raising: the first tier that holds draws its chain.
void preflopRaise(const TPokerSeatView& v, double pA, double w, double f, int32_t& level) {
  const double pen = 3 * pokerOtherSeatsThatRaised(v.seat) - 2;
  auto holds = [&](double w1, double w2, double p2) { return w >= w1 + pen || (w >= w2 + pen && pA >= p2 + pen); };
  const int tier = holds(75, 70, 80) ? 0 : holds(70, 64, 75) ? 1 : holds(60, 53, 65) ? 2 : holds(48, 43, 56) ? 3
                   : holds(40, 35, 52) ? 4 : -1;
  if (tier < 0) return;
  const int32_t raises = v.raisesInHand;
  if (raises == 0 || randomReal() > 0.7) {
    switch (tier) {
      case 0: drawChain(level, {{0.15, 4}, {0.21, 2}, {0.32, 2}, {0.43, 1}}, f); break;
      case 1: drawChain(level, {{0.05, 4}, {0.2, 3}, {0.3, 2}, {0.4, 1}}, f); break;
      case 2:
        if (raises >= 1) f = raises == 1 ? 0.5 : 0.2;
        drawChain(level, {{0.1, 5}, {0.2, 4}, {0.3, 3}}, f);
        break;
      case 3:
        if (raises >= 1) f = raises == 1 ? 0.3 : 0.1;
        drawChain(level, {{0.18, 6}, {0.2, 5}, {0.3, 4}}, f);
        break;
      default:
        if (raises >= 1) f = raises == 1 ? 0.2 : 0;
        drawChain(level, {{0.1, 5}, {0.2, 4}}, f);
        break;
    }
    return;
  }
  switch (tier) {
    case 0: drawChain(level, {{0.15, 6}, {0.21, 4}, {0.32, 3}, {0.43, 2}}, f); break;
    case 1: drawChain(level, {{0.05, 6}, {0.2, 4}, {0.3, 3}, {0.4, 2}}, f); break;
    case 2: drawChain(level, {{0.1, 4}, {0.2, 3}, {0.3, 2}}, f); break;
    case 3: drawChain(level, {{0.1, 4}, {0.15, 3}, {0.3, 2}}, f); break;
    default: drawChain(level, {{0.1, 3}, {0.2, 2}}, f); break;
  }
}

}  // namespace

TPokerDecision pokerLevelDecision(int32_t level, const TPokerSeatView& v, bool caps) {
  if (level >= 6) return {pdAllIn, pdBlinds, 0};
  struct TRung {
    int32_t level, capBlinds, least;
  };
  static const TRung rungs[] = {{5, 20, 10}, {4, 8, 4}, {3, 4, 2}, {2, 2, 1}};
  for (const TRung& rung : rungs) {
    if (level < rung.level || (caps && v.minRaiseBlinds > rung.capBlinds)) continue;
    const int32_t r = std::max(v.minRaiseBlinds, rung.least);
    if (v.canPay(v.blind * r)) return {pdRaise, pdBlinds, r};
  }
  if (level >= 1 && v.canPay(0)) return {pdCall, pdBlinds, 0};
  if (v.stake == v.betLevel) return {pdCall, pdBlinds, 0};
  return {pdFold, pdBlinds, 0};
}

void pokerRuleDecisionB(int32_t seat, TPokerDecision& d) {
  const TPokerSeatView v = pokerSeatView(seat);
  const double x = placeInRound();
  TPokerWinPair q;
  pokerWinProbabilityB(seat, playersFor(v.inHand), playersFor(v.playable), q);
  double pA = 100.0 * q.a, pB = 100.0 * q.b;
  const int32_t strength = seatAIStrength(seat);
  if (strength == 3) {
    const int32_t bluff = v.splitLimit ? 0 : pokerBluffAllowance();
    if (!v.splitLimit) pA = clampP(roundI(pA - 6 + bluff));
    const int32_t n = -7 + bluff;
    pB = std::max(0.0, std::min(pA, double(roundI(pB + n))));
  } else {
    int32_t n = 0;
    if (strength == 1) {
      if (pA > 50) n -= 5;
      if (pA < 20) n += 9;
      if (pA > 70) n -= 14;
      if (randomReal() < 0.6) n = randomBelow(56) - 33;
      n -= 4;
    } else {
      n = randomBelow(18) - 10;
    }
    pA = clampP(roundI(pA + n));
    pB = clampP(roundI(pB + n));
  }
  const double w = (pA + pB) / 2;
  double f = 1.1, m = 0;
  if (strength == 3) m = seat == 1 || seat == 5 ? 0.02 : 0.08;
  if (strength == 1) {
    f = 0.45;
    m = -0.08;
  }
  auto T = [&](double t) { return t * (1 + m); };
  int32_t level = 0;
  if (v.raisesInHand < 1 && !v.someoneAllIn) {
    if (x < 70 && v.inHand > 2) {
      if (x < 50 && v.inHand > 3) {
        if (w >= T(32) || pA >= T(42)) level = 1;
      } else {
        const bool postedSmall = pokerArea().seats[std::clamp(seat, 1, 6)].postedSmallBlind != 0;
        if (!(pA < T(29) && (!postedSmall || pA < T(19)))) level = 1;
      }
    } else if (w >= T(22)) {
      level = 1;
    }
  } else {
    if (pB >= 48 || pA >= 50 || (pA >= 45 && v.toCall <= v.blind)) level = 1;
    if (v.someoneAllIn && v.money <= v.toCall && ((pA >= 50 && pokerAllInSeats() == 1) || pA >= 60)) level = 6;
  }
  preflopRaise(v, pA, w, f, level);
  level = std::min(level, 6);
  if (strength == 1 && level >= 2 && randomReal() < 0.3) level = 1;
  d = pokerLevelDecision(level, v, true);
}

void pokerRuleDecision(int32_t seat, TPokerDecision& d) {
  const TPokerSeatView v = pokerSeatView(seat);
  const double x = placeInRound();
  const double pA = 100.0 * pokerWinProbability(seat, playersFor(v.inHand), false);
  const double pB = 100.0 * pokerWinProbability(seat, playersFor(v.playable), false);
  const double r = pokerCalmness(v, x);
  const double w = pokerBlendedChance(r, pA, pB);
  int32_t level = 0;
  if (v.street == 5) {
    // At the turn the level is taken afresh.
    level = w >= 90 ? 6 : w >= 84 ? 5 : w >= 75 ? 4 : w >= 68 ? 3 : w >= 60 ? 2 : w >= 50 ? 1 : 0;
    if (level >= 2) {
      if (randomReal() < 0.12) level -= 1;
      if (randomReal() > 0.1) level += 2;
      else if (randomReal() > 0.2) level += 1;
    } else if (randomReal() > 0.1) {
      level += 1;
    }
  } else {
    level = w >= 95 ? 6 : w >= 90 ? 5 : w >= 80 ? 4 : w >= 72 ? 3 : w >= 65 ? 2 : w >= 50 ? 1 : 0;
    if (pokerOtherSeatsThatRaised(0) == 0) {
      if (w >= 30 && v.toCall <= v.blind) level = 1;
      if (w >= 40 && v.toCall <= 2 * v.blind) level = 1;
    }
    if (level > 1) {
      if (v.street == 3) {
        if (randomReal() * 100 > 0.6 * w) level = 1;
        if (randomReal() * 100 > 0.7 * w) level -= 1;
      }
      const int adds = r >= 70 && w >= 60 ? 3 : r >= 50 && w >= 40 ? 2 : r >= 30 && w >= 20 ? 1 : 0;
      for (int i = adds; i >= 1; i--)
        if (randomReal() > 0.2) level += i;
    }
    if (level > 1 && randomReal() < 0.1) level -= 1;
    if (randomReal() < 0.3) level = 1;
  }
  level = std::min(level, 6);
  std::string win;
  formatPercent(roundI(w * 10), 1000, 2, win);
  pokerAppendDecisionTrace("\n\rNr" + std::to_string(seat) + " - G:" + std::to_string(level) + ", Win:" + win);
  setFpsSuffix(decisionTrace);
  d = pokerLevelDecision(level, v, false);
}
