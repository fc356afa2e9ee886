// The chip handler as numbers: transfers queued by the games, planned into single chips,
// flown and landed. Where a chip stands and how it looks is the drawing's business.
#include <algorithm>
#include <cmath>

#include "core/cg.h"
#include "core/engine_switches.h"
#include "engine/engine_form.h"
#include "engine/engine_services.h"
#include "games/casino/chips.h"
#include "games/casino/poker_state.h"
#include "shell/env_param.h"
#include "shell/shell_globals.h"

TChipAnimationHandler chipAnimation;

namespace {

constexpr int32_t bank = 7;
constexpr int32_t pot = 8;
constexpr int32_t markerAmount = -111;
constexpr float pi = 3.14159265f;

int32_t seatsInUse() { return std::clamp(int(playerCount), 0, 6); }

}  // namespace

void TChipAnimationHandler::reset() {
  movesUsed = 0;
  transfersUsed = 0;
  for (auto& stack : chipStacks)
    for (auto& row : stack.rows) row.leaving = row.incoming = 0;
}

int32_t TChipAnimationHandler::queuedSingles(int32_t stack, int32_t value) const {
  int32_t n = 0;
  for (int i = 0; i < transfersUsed; i++)
    if (transfers[i].single && transfers[i].fromStack == stack && transfers[i].amount == value) n++;
  return n;
}

bool TChipAnimationHandler::queueMove(int32_t from, int32_t to, int32_t amount, bool single, int strategy,
                                      int divisor) {
  if (amount <= 0 && amount != markerAmount) return false;
  if (from < 1 || from > 16 || to < 1 || to > 16 || amount > 32767) {
    trace("chips: transfer " + std::to_string(from) + "->" + std::to_string(to) + " of " + std::to_string(amount) +
          " refused");
    return false;
  }
  if (transfersUsed >= chipTransferCapacity) {
    trace("chips: transfer stack full, " + std::to_string(amount) + " from " + std::to_string(from) + " refused");
    return false;
  }
  if (single && from == bank) {
    // The bank never runs out: missing chips are made on the spot.
    const int type = chipTypeOfValue(amount);
    if (type != 5) {
      const TChipRow& row = chipStacks[bank].rows[type];
      const int32_t free = row.count - row.leaving - 1 - queuedSingles(bank, amount);
      if (free < 0) chipStacks[bank].rows[type].count += -free;
    }
  }
  if (amount != markerAmount && from != bank && chipStackValue(from) < amount)
    trace("ACHTUNG! Fehler: ChipMove Inkonsistenz at " + std::to_string(from) + ":" +
          std::to_string(chipStackValue(from)) + "<" + std::to_string(amount));
  transfers[transfersUsed++] = TChipTransfer{int16_t(from), int16_t(to), int16_t(amount), int16_t(std::max(1, divisor)),
                                             uint8_t(strategy), uint8_t(single ? 1 : 0)};
  return true;
}

bool TChipAnimationHandler::planSingle(const TChipTransfer& t) {
  const int type = chipTypeOfValue(t.amount);
  if (type == 5) return false;
  TChipRow& src = chipStacks[t.fromStack].rows[type];
  if (t.fromStack == bank && src.count - src.leaving <= 0) src.count++;  // the bank never runs out
  if (src.count - src.leaving <= 0) {
    trace("ATTENTION! Error: Stack:ChipType:Idx-Downcount invalid Index at " + std::to_string(t.fromStack) + ":" +
          std::to_string(type) + ":" + std::to_string(src.count - 1));
    return false;
  }
  if (movesUsed >= chipMoveCapacity) {
    trace("chips: move table full, a chip of " + std::to_string(t.fromStack) + " stays");
    return false;
  }
  src.leaving++;
  chipStacks[t.toStack].rows[type].incoming++;
  const bool withBank = t.fromStack == bank || t.toStack == bank;
  const uint8_t kind = type == 6 ? 5 : (withBank && cg.gs.phase != 2 && cg.gameId != gidBlackjack) ? 6 : 1;
  const float speed = float(std::max(4, envParam.animSpeed)) * 1.5f * (type == 6 ? 0.7f : 1.0f);
  moves[movesUsed++] = TChipMove{uint8_t(t.fromStack), uint8_t(t.toStack), uint8_t(type), kind, speed, 0.0f};
  return true;
}

namespace {

// Whether the free chips of the stack make the amount exactly, largest first.
bool paysExactly(int32_t stack, int32_t amount) {
  for (int t = 4; t >= 0 && amount > 0; t--)
    amount -= std::min(stackTypeValue(stack, t), amount / chipValue(t)) * chipValue(t);
  return amount == 0;
}

// A stack that holds enough but not in fitting chips changes its smallest free chip above
// the 1-chip into chips of the next type down, until the amount fits.
void breakChipsFor(int32_t stack, int32_t amount) {
  static const int32_t pieces[5] = {0, 4, 5, 2, 5};  // chips of the type below per chip
  for (int guard = 0; guard < 400 && stackTypeValue(stack, 5) >= amount && !paysExactly(stack, amount); guard++) {
    int t = 1;
    while (t <= 4 && stackTypeValue(stack, t) <= 0) t++;
    if (t > 4) return;
    chipStacks[stack].rows[t].count--;
    chipStacks[stack].rows[t - 1].count += pieces[t];
  }
}

}  // namespace

void TChipAnimationHandler::splitAmount(const TChipTransfer& t) {
  if (t.fromStack != bank) breakChipsFor(t.fromStack, t.amount);
  int32_t rest = t.amount;
  // The chips go onto the transfer stack in the order split: the smallest, split last, flies
  // first.
  int32_t chips[chipTransferCapacity];
  int n = 0;
  auto take = [&](int type) {
    if (n >= chipTransferCapacity) return false;
    chips[n++] = chipValue(type);
    rest -= chipValue(type);
    return true;
  };
  auto has = [&](int type, int32_t used) { return t.fromStack == bank || stackTypeValue(t.fromStack, type) > used; };
  int32_t used[5] = {};
  if (t.strategy == 0) {
    for (int type = 0; type <= 4; type++)
      for (int k = 0; k < 15 && rest >= chipValue(type) && has(type, used[type]); k++)
        if (take(type)) used[type]++;
    for (bool any = true; rest > 0 && any;) {
      any = false;
      for (int type = 0; type <= 4; type++)
        if (rest >= chipValue(type) && has(type, used[type]) && take(type)) used[type]++, any = true;
    }
  } else if (t.strategy == 2) {
    for (int type = 0; type <= 3; type++) {
      const int32_t share = (t.fromStack == bank ? 1000 : stackTypeValue(t.fromStack, type)) / t.divisor;
      for (int k = 0; k < share && rest >= chipValue(type) && has(type, used[type]); k++)
        if (take(type)) used[type]++;
    }
  }
  for (int type = 4; type >= 0 && rest > 0;) {
    if (chipValue(type) <= rest && has(type, used[type]) && take(type))
      used[type]++;
    else
      type--;
  }
  if (rest != 0)
    trace("ACHTUNG! Fehler bei Multi-Movesum typ:" + std::string(t.strategy == 2 ? "selDIV " : "selMAX ") +
          std::to_string(t.fromStack) + "->" + std::to_string(t.toStack) + ", sum:" + std::to_string(t.amount));
  for (int i = 0; i < n; i++) {
    if (transfersUsed >= chipTransferCapacity) {
      trace("chips: transfer stack full while splitting " + std::to_string(t.amount));
      break;
    }
    transfers[transfersUsed++] = TChipTransfer{t.fromStack, t.toStack, int16_t(chips[i]), 1, 4, 1};
  }
}

void TChipAnimationHandler::plan(bool capped) {
  int32_t lastTo = -1;
  while (transfersUsed > 0) {
    const TChipTransfer t = transfers[transfersUsed - 1];
    if (capped && lastTo >= 0) {
      if (!t.single || movesUsed >= 180 || (movesUsed >= 120 && t.toStack != lastTo)) break;
    }
    if (!capped && movesUsed >= chipMoveCapacity) break;
    transfersUsed--;
    if (!t.single) {
      splitAmount(t);
      continue;
    }
    planSingle(t);
    lastTo = t.toStack;
  }
}

void TChipAnimationHandler::planEverything() {
  plan(false);
  if (transfersUsed > 0)
    trace("chips: " + std::to_string(transfersUsed) + " transfers left unplanned, the move table is full");
}

bool TChipAnimationHandler::isIdle() {
  if (!isChipGame()) return true;
  // Nothing draws the chips yet: each check stands for a tick of the table.
  if (movesUsed > 0) animate(300);
  bool idle = movesUsed == 0;
  if ((idle || cg.gs.phase == 2) && transfersUsed > 0 && movesUsed < 120) {
    idle = false;
    plan(true);
  }
  float wait = 0.7f;
  if (envParam.gameSpeed <= 4) wait = 0.85f;
  if (envParam.gameSpeed == 6) wait = vtl.developerMode ? 0.05f : 0.5f;
  for (int s = 1; s <= seatsInUse(); s++) {
    const TChipSeat& seat = pokerArea().seats[s];
    if (seat.speech.empty()) continue;
    if (engineFastMode() ? (seat.action == 8 && seat.speechTimer < 1) : seat.speechTimer < wait) {
      idle = false;
      if (movesUsed == 0) animate(300);
    }
  }
  return idle;
}

void TChipAnimationHandler::land(int i) {
  const TChipMove m = moves[i];
  TChipRow& src = chipStacks[m.fromStack].rows[m.type];
  src.count--;
  src.leaving--;
  TChipRow& dst = chipStacks[m.toStack].rows[m.type];
  dst.incoming--;
  // A landing chip always finds its row; the 320-chip limit is a drawing matter.
  dst.count++;
  std::copy(moves + i + 1, moves + movesUsed, moves + i);
  movesUsed--;
}

void TChipAnimationHandler::animate(int32_t elapsedMs) {
  const float dt = float(std::clamp(elapsedMs, 0, 300)) / 6000.0f;
  TPokerArea& a = pokerArea();
  a.wobble += 150 * dt;
  if (a.wobble > 360) a.wobble = 0;
  const bool userOut = humanEliminated();
  for (int s = 1; s <= seatsInUse(); s++) {
    TChipSeat& seat = a.seats[s];
    if (seat.speech.empty()) continue;
    float step = dt * (float(envParam.gameSpeed) * 2.5f + 6);
    if (userOut) step *= pokerSpeedFactor();
    seat.speechTimer += step;
    if (seat.speechTimer >= 1) seat.speech = "";
  }
  for (int i = 0; i < movesUsed; i++) {
    TChipMove& m = moves[i];
    if (m.kind == 6)
      m.progress += dt * m.speed * 0.5f;
    else
      m.progress += dt * m.speed * std::min(std::sin(pi * m.progress) + 0.04f + 0.1f * (1 - m.progress), 0.78f);
  }
  for (int i = movesUsed - 1; i >= 0; i--)
    if (moves[i].progress >= 1) land(i);
}

namespace {

// The pot (limit 84) and the seats in play (limit 28): the stacks whose denominations are kept tidy.
template <class F>
void forTidyStacks(F f) {
  f(pot, 84, false);
  for (int s = 1; s <= seatsInUse(); s++)
    if (pokerArea().seats[s].state != 0) f(s, 28, true);
}

}  // namespace

bool TChipAnimationHandler::needsChipExchange() const {
  int32_t diff[9][5] = {};
  return untidy() && planExchange(diff) != 0;
}

bool TChipAnimationHandler::untidy() const {
  bool needs = false;
  forTidyStacks([&](int32_t stack, int32_t limit, bool seat) {
    bool full = false, shortOf = false;
    for (int t = 0; t <= 4 && !needs; t++) {
      if ((full || (shortOf && chipStacks[stack].rows[t].count > 0)) && t > 0) needs = true;
      const int32_t avail = stackTypeValue(stack, t);
      if (avail > limit) full = true;
      if (seat && avail < 5 && otherChipTypesPresent(stack, t)) shortOf = true;
    }
  });
  return needs;
}

// The chips each stack gives to the bank (positive) or takes from it (negative), type by
// type; answers the first stack with a plan, 0 for none. The wish list asks ten of every
// short type, far more than a small stack can pay for, so the balance plans only with the
// chips the stack holds: wishes it cannot pay are dropped from the largest type down, and a
// debt smaller than any chip left changes one larger chip, the bank paying the rest back.
int32_t TChipAnimationHandler::planExchange(int32_t (&diff)[9][5]) const {
  std::fill(&diff[0][0], &diff[0][0] + 9 * 5, 0);
  forTidyStacks([&](int32_t stack, int32_t limit, bool seat) {
    bool emptyMet = false;
    for (int t = 0; t <= 4; t++) {
      const int32_t avail = stackTypeValue(stack, t);
      if (!emptyMet && avail > limit) {
        diff[stack][t] = avail - limit + 5;
      } else if (seat && !emptyMet && avail < 5 && otherChipTypesPresent(stack, t)) {
        diff[stack][t] = -(10 - avail);
      } else if (avail == 0) {
        emptyMet = true;
      } else if (emptyMet && chipStacks[stack].rows[t].count > 0) {
        diff[stack][t] = avail;
        break;
      }
    }
  });
  for (int stack = 1; stack <= 8; stack++) {
    int32_t* d = diff[stack];
    int32_t avail[5], saldo = 0;
    for (int t = 0; t <= 4; t++) {
      avail[t] = stackTypeValue(stack, t);
      saldo += d[t] * chipValue(t);
    }
    // One more chip of a type to the bank: a wish dropped, or a chip the stack still holds.
    auto canGive = [&](int t) { return d[t] < avail[t]; };
    for (int t = 4; saldo != 0;) {
      if (t < 0) {
        int k = 0;
        while (k <= 4 && !(canGive(k) && chipValue(k) > -saldo)) k++;
        if (k > 4 || saldo > 0) {  // cannot happen: the stack's chips always cover its plan
          trace("Fehler in LowTerminateNew Snr:" + std::to_string(stack) + ", Saldo:" + std::to_string(saldo));
          std::fill(d, d + 5, 0);
          break;
        }
        d[k]++;
        saldo += chipValue(k);
        t = 4;
        continue;
      }
      const int32_t v = chipValue(t);
      if (saldo > 0 && v <= saldo) {
        d[t]--;
        saldo -= v;
      } else if (saldo < 0 && v <= -saldo && canGive(t)) {
        d[t]++;
        saldo += v;
      } else {
        t--;
      }
    }
  }
  for (int stack = 1; stack <= 8; stack++)
    for (int t = 0; t <= 4; t++)
      if (diff[stack][t] != 0) return stack;
  return 0;
}

bool TChipAnimationHandler::exchangeChips() {
  int32_t diff[9][5] = {};
  if (!untidy()) return false;
  const int32_t stack = planExchange(diff);
  if (stack == 0) return false;
  {
    for (int t = 0; t <= 4; t++) {
      for (int k = 0; k < -diff[stack][t]; k++) queueMove(bank, stack, chipValue(t), true, 4, 1);
      for (int k = 0; k < diff[stack][t]; k++) queueMove(stack, bank, chipValue(t), true, 4, 1);
    }
    return true;
  }
}

void TChipAnimationHandler::changeChip() {
  int a = 0;
  for (int t = 4; t >= 1 && a == 0; t--)
    if (stackTypeValue(pot, t) > 0) a = t;
  if (a == 0) return;  // only 1-chips: nothing to change
  int32_t v = chipValue(a);
  while (v > 0)
    for (int t = a - 1; t >= 0 && v > 0; t--)
      if (chipValue(t) <= v) {
        queueMove(bank, pot, chipValue(t), true, 4, 1);
        v -= chipValue(t);
      }
  queueMove(pot, bank, chipValue(a), true, 4, 1);
}
