// Self-play bench of Blackjack and "17 und 4" through the core's tick, headless, every seat a
// computer player.
//
// Prints rounds per second, refused answers, alerts, stalled rounds, failed money and card
// checks (all of which should be 0), the slowest decision of a computer player, per strength
// the house edge per chip bet with its 95 % confidence interval, and for Blackjack per
// strength the share of decisions that agree with the basic strategy, per hand and up card.
//
// Usage: blackjack_selfplay [--rounds N] [--seed S] [--seats K] [--decks D]
//                           [--variant bj|17und4] [--strengths 1,2,3] [--soft17] [--no-double]
//                           [--second-card 1|2|3] [--bets MIN,MAX] [--start MONEY] [--every-game]
// --strengths gives the players' strengths in seat order, repeated over the seats (the dealer
// is passed over); --bets takes "unlimited" for the maximum.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/cg.h"
#include "core/game_areas.h"
#include "engine/engine_services.h"
#include "games/casino/bj_strategy.h"
#include "games/casino/blackjack_ai.h"
#include "games/casino/blackjack_registration.h"
#include "games/casino/blackjack_rules.h"
#include "games/casino/blackjack_state.h"
#include "games/casino/blackjack_table.h"
#include "games/casino/chips.h"
#include "platform/alert.h"
#include "platform/paths.h"
#include "platform/random.h"
#include "platform/tick.h"
#include "shell/shell_globals.h"
#include "table/animation.h"
#include "table/stacks.h"
#include "tests/support/headless_skat.h"

namespace {

struct TOptions {
  int64_t rounds = 1000000;
  uint64_t seed = 1;
  int seats = 6, decks = 1, secondCard = 1;
  bool variant = false, soft17 = false, doubling = true, everyGame = false;
  std::vector<int> strengths{1, 2, 3};
  int32_t minBet = 2, maxBet = 40, startMoney = 800;
};

// Result per chip bet of one strength: sums for a ratio estimate.
struct TEdge {
  int64_t hands = 0;
  double won = 0, bet = 0, wonSq = 0, wonBet = 0, betSq = 0;
};

// Decisions agreeing with the basic strategy per cell: [hard 0 / soft 1][total][up card].
struct TAgreement {
  int64_t agree[2][22][12] = {}, all[2][22][12] = {};
};

struct TFigures {
  int64_t rounds = 0, matches = 0, stalled = 0, alerts = 0, refused = 0, moneyFaults = 0, cardFaults = 0;
  double slowestMs = 0;
  int64_t decisions = 0, slowDecisions = 0;  // slow: 1 ms or more
  TEdge edge[4];
  TAgreement agreement[4];
};

int strengthOfSeat(const TOptions& o, int seat) {
  const int dealer = o.seats / 2 + 1;
  int k = 0;
  for (int s = 1; s < seat; s++) k += s != dealer;
  return std::clamp(o.strengths[size_t(k) % o.strengths.size()], 1, 3);
}

void setStrengths(const TOptions& o) {
  for (int s = 1; s <= o.seats; s++) {
    cg.gs.seatProfiles[s].strength = strengthOfSeat(o, s);
    cg.seatRecords[s].kind = seatKindComputer;
  }
}

void startMatch(const TOptions& o) {
  resetHeadlessSkat(1 + int(randomBelow(2)), skatDefaultOptions);
  tableLandsAtOnce = true;
  blackjackArea() = TBlackjackState{};
  TBlackjackState& a = blackjackArea();
  a.roundLimit = blackjackNoRoundLimit;
  a.startMoney = o.startMoney;
  a.minBet = o.minBet;
  a.maxBet = o.maxBet;
  a.deckCount = o.decks;
  blackjackSetSecondCard(o.secondCard);
  a.dealerHitsSoft17 = o.soft17;
  a.doubleAllowed = o.doubling;
  a.twoAcesDouble = 1;
  a.reshuffleEveryGame = o.everyGame;
  a.currency = 2;
  playerCount = cg.seatCount = o.seats;
  screenMode = 1;
  gameAreas.setVariantFlag(gidSiebzehnUndVier, false);
  cg.startGame(o.variant ? gidSiebzehnUndVier : gidBlackjack, 0);
  setStrengths(o);
}

// The hand of the seat to act as the basic strategy reads it: total, soft (an ace counted 11).
void handShape(int32_t seat, int32_t& total, bool& soft) {
  int32_t low = 0;
  bool ace = false;
  for (int j = 1; j <= blackjackCardCount(seat); j++) {
    const TCard c = blackjackSeatCard(seat, j);
    low += blackjackCardPoints(c, true);
    ace = ace || c.t == rankAce;
  }
  soft = ace && low + 10 <= 21;
  total = soft ? low + 10 : low;
}

// The computer player answers the open question itself, timed, and a play decision of a
// Blackjack player is compared with the basic strategy.
void decide(const TOptions& o, TFigures& f) {
  if (cg.gs.awaitingAction != 2 || cg.seatRecords[cg.gs.akspieler].kind != seatKindComputer) return;
  const int32_t seat = cg.gs.akspieler, kind = cg.gs.bl.decisionKind;
  const bool play = (kind == 107 || kind == 109) && !o.variant && seat != blackjackDealerSeatNo();
  int32_t total = 0;
  bool soft = false;
  const bool canDouble = cg.gs.bl.optionValues[1] == 109;
  const int32_t up = blackjackCardPoints(blackjackSeatCard(blackjackDealerSeatNo(), 1), false);
  if (play) handShape(seat, total, soft);
  const auto t0 = std::chrono::steady_clock::now();
  blackjackAIMove();
  const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
  f.slowestMs = std::max(f.slowestMs, ms);
  f.decisions++;
  f.slowDecisions += ms >= 1;
  if (!play || cg.gs.awaitingAction == 2) return;
  const bool inTable = soft ? total >= 13 && total <= 20 : total >= 5 && total <= 20;
  if (!inTable || up < 2 || up > 11) return;
  const int32_t answer = cg.gs.getBlender.res_ii;
  const TBjAction chosen = answer == 109 ? bjDouble : answer == 75 ? bjHit : bjStand;
  const TBjAction best = bjBasicStrategyAction(total, soft, up, o.soft17, canDouble);
  TAgreement& g = f.agreement[strengthOfSeat(o, seat)];
  g.all[soft][total][up]++;
  g.agree[soft][total][up] += chosen == best;
}

// With chips at rest, outside the start money: each player's money and bet equal its start
// money and its results, the bet stack holds the stake, the dealer holds nothing.
bool moneyHolds() {
  if (chipAnimation.moveCount() > 0 || chipAnimation.transferCount() > 0) return true;
  const uint8_t phase = cg.gs.phase;
  if (phase == 0 || phase == 2 || phase == 5) return true;
  const TBlackjackState& a = blackjackArea();
  for (int s = 1; s <= playerCount; s++) {
    const int32_t bet = chipStackValue(s + bjBetStackOffset);
    if (s == a.dealerSeat) {
      if (chipStackValue(s) != 0 || bet != 0) return false;
      continue;
    }
    int64_t expected = int64_t(a.startMoney) + cg.gs.listTotals[s];
    if (a.seats[s].state == 2) expected += a.seats[s].won;
    if (chipStackValue(s) + bet != expected || bet != (a.seats[s].state == 2 ? 0 : a.seats[s].stake)) return false;
  }
  return true;
}

bool cardsHold() {
  if (cg.gs.phase == 1 || chipAnimation.moveCount() > 0) return true;
  const TBlackjackState& a = blackjackArea();
  int32_t n = stackUsed(sp[bjShoeStack]) + stackUsed(sp[bjLiftStack]);
  for (int s = 1; s <= playerCount; s++) n += stackUsed(sp[s]);
  return n == std::clamp(int(a.deckCount), 1, 3) * (a.variant17und4 ? 32 : 52);
}

// One round to its end; false when it stalls.
bool playRound(const TOptions& o, TFigures& f) {
  bool moneyFault = false, cardFault = false;
  for (int frame = 0; frame < 50000; frame++) {
    if (cg.gs.phase == 5) {
      const TBlackjackState& a = blackjackArea();
      for (int s = 1; s <= playerCount; s++) {
        if (s == a.dealerSeat || a.seats[s].state != 2) continue;
        TEdge& e = f.edge[strengthOfSeat(o, s)];
        const double w = a.seats[s].won, b = a.seats[s].stake;
        e.hands++;
        e.won += w, e.bet += b, e.wonSq += w * w, e.wonBet += w * b, e.betSq += b * b;
      }
      f.moneyFaults += moneyFault;
      f.cardFaults += cardFault;
      return true;
    }
    decide(o, f);
    headlessFrame();
    advanceFakeTick(50);
    moneyFault = moneyFault || !moneyHolds();
    cardFault = cardFault || !cardsHold();
  }
  return false;
}

void printEdges(const TFigures& f) {
  static const char* names[4] = {"", "Anfänger", "Normal", "Profi"};
  for (int k = 1; k <= 3; k++) {
    const TEdge& e = f.edge[k];
    if (e.hands == 0) continue;
    if (e.bet <= 0) {
      std::printf("house edge %s: no chips bet over %lld hands\n", names[k], static_cast<long long>(e.hands));
      continue;
    }
    // The house's result per chip: minus won over bet; the spread by the ratio estimate.
    const double r = e.won / e.bet;
    const double resid = e.wonSq - 2 * r * e.wonBet + r * r * e.betSq;
    const double half = 1.96 * std::sqrt(std::max(0.0, resid)) / e.bet;
    std::printf("house edge %s: %+.2f %% per chip bet (95 %% CI %+.2f .. %+.2f) over %lld hands, %.0f chips\n",
                names[k], -100 * r, -100 * (r + half), -100 * (r - half), static_cast<long long>(e.hands), e.bet);
  }
}

void printAgreement(const TFigures& f) {
  static const char* names[4] = {"", "Anfänger", "Normal", "Profi"};
  for (int k = 1; k <= 3; k++) {
    const TAgreement& g = f.agreement[k];
    int64_t agree = 0, all = 0;
    for (int soft = 0; soft < 2; soft++)
      for (int t = 0; t < 22; t++)
        for (int u = 0; u < 12; u++) agree += g.agree[soft][t][u], all += g.all[soft][t][u];
    if (all == 0) continue;
    std::printf("agreement with the basic strategy, %s: %.1f %% of %lld decisions (per cell in %%)\n", names[k],
                100.0 * double(agree) / double(all), static_cast<long long>(all));
    std::printf("          2    3    4    5    6    7    8    9   10    A\n");
    for (int soft = 0; soft < 2; soft++)
      for (int t = soft ? 13 : 5; t <= 20; t++) {
        std::printf("%s %2d ", soft ? "soft" : "hard", t);
        for (int u = 2; u <= 11; u++) {
          if (g.all[soft][t][u] == 0)
            std::printf("    -");
          else
            std::printf(" %4.0f", 100.0 * double(g.agree[soft][t][u]) / double(g.all[soft][t][u]));
        }
        std::printf("\n");
      }
  }
}

bool parseList(const std::string& text, std::vector<int>& out) {
  out.clear();
  size_t from = 0;
  while (from <= text.size()) {
    const size_t comma = text.find(',', from);
    const std::string item = text.substr(from, comma == std::string::npos ? std::string::npos : comma - from);
    if (item == "unlimited")
      out.push_back(blackjackUnlimitedBet);
    else if (!item.empty())
      out.push_back(std::atoi(item.c_str()));
    if (comma == std::string::npos) break;
    from = comma + 1;
  }
  return !out.empty();
}

}  // namespace

int main(int argc, char** argv) {
  TOptions o;
  for (int i = 1; i < argc; i++) {
    const std::string a = argv[i];
    auto next = [&]() -> std::string { return i + 1 < argc ? argv[++i] : ""; };
    std::vector<int> list;
    if (a == "--rounds") o.rounds = std::atoll(next().c_str());
    else if (a == "--seed") o.seed = std::strtoull(next().c_str(), nullptr, 10);
    else if (a == "--seats") o.seats = std::clamp(std::atoi(next().c_str()), 2, 6);
    else if (a == "--decks") o.decks = std::clamp(std::atoi(next().c_str()), 1, 3);
    else if (a == "--variant") o.variant = next() == "17und4";
    else if (a == "--soft17") o.soft17 = true;
    else if (a == "--no-double") o.doubling = false;
    else if (a == "--every-game") o.everyGame = true;
    else if (a == "--second-card") o.secondCard = std::clamp(std::atoi(next().c_str()), 1, 3);
    else if (a == "--start") o.startMoney = std::max(1, std::atoi(next().c_str()));
    else if (a == "--strengths" && parseList(next(), list)) o.strengths = list;
    else if (a == "--bets" && parseList(next(), list) && list.size() == 2) o.minBet = list[0], o.maxBet = list[1];
    else {
      std::printf("unknown or incomplete argument %s\n", a.c_str());
      return 2;
    }
  }
  registerBlackjackGame();
  TFigures f;
  setAlertSink([&](const std::string& t) {
    if (f.alerts++ < 5) std::fprintf(stderr, "alert: %s\n", t.c_str());
  });
  setTraceListener([&](std::string_view t) {
    if (t.find("ACHTUNG") != std::string_view::npos) {
      if (f.alerts++ < 5) std::fprintf(stderr, "alert: %.*s\n", int(t.size()), t.data());
    }
    if (t.find("refused") != std::string_view::npos) f.refused++;
  });
  useFakeTick(1000);
  randomFixSeed(o.seed);
  randomSeed(o.seed);
  const auto start = std::chrono::steady_clock::now();
  while (f.rounds < o.rounds) {
    startMatch(o);
    f.matches++;
    for (;;) {
      if (!playRound(o, f)) {
        if (f.stalled++ < 3)
          std::fprintf(stderr, "stalled: phase %d step %d sub-state %d seat %d awaiting %d moves %d transfers %d\n",
                       cg.gs.phase, cg.gs.step, cg.gs.subState, cg.gs.akspieler, cg.gs.awaitingAction,
                       chipAnimation.moveCount(), chipAnimation.transferCount());
        break;
      }
      f.rounds++;
      if (cg.gs.listOver || f.rounds >= o.rounds) break;
      screenMode = 1;
      cg.startGame(gidBlackjack, 1);
      setStrengths(o);
    }
  }
  randomReleaseSeed();
  const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%s, %d seats, %d decks, %lld rounds, seed %llu\n", o.variant ? "17 und 4" : "Blackjack", o.seats,
              o.decks, static_cast<long long>(f.rounds), static_cast<unsigned long long>(o.seed));
  std::printf("rounds per second: %.1f\nmatches: %lld\n", s > 0 ? double(f.rounds) / s : 0.0,
              static_cast<long long>(f.matches));
  std::printf("answers refused: %lld\nalerts: %lld\nstalled rounds: %lld\nmoney checks failed: %lld\n"
              "card checks failed: %lld\n",
              static_cast<long long>(f.refused), static_cast<long long>(f.alerts), static_cast<long long>(f.stalled),
              static_cast<long long>(f.moneyFaults), static_cast<long long>(f.cardFaults));
  std::printf("slowest decision: %.3f ms; %lld of %lld decisions took 1 ms or more\n", f.slowestMs,
              static_cast<long long>(f.slowDecisions), static_cast<long long>(f.decisions));
  printEdges(f);
  if (!o.variant) printAgreement(f);
  return f.alerts == 0 && f.stalled == 0 && f.refused == 0 && f.moneyFaults == 0 && f.cardFaults == 0 ? 0 : 1;
}
