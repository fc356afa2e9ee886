// Pot division in whole chip units.
#include "games/casino/poker_pot.h"

#include <algorithm>

#include "core/cg.h"
#include "games/casino/chips.h"
#include "games/casino/poker_cases.h"
#include "games/casino/poker_eval.h"
#include "games/casino/poker_state.h"
#include "shell/shell_globals.h"
#include "table/stacks.h"

THand64 seatSevenCards(int32_t seat) {
  THand64 h{};
  auto add = [&](const TSpieler& s, int limit) {
    for (int i = 1; i <= std::min(stackUsed(s), limit); i++) handaddk(h, s.slots[i].card);
  };
  add(sp[seat], 2);
  add(sp[12], 5);
  return h;
}

void markPotWinners(const TSeatSet& set) {
  TPokerArea& a = pokerArea();
  for (int s = 1; s <= playerCount; s++) {
    a.seats[s].winner = 0;
    a.seats[s].won = 0;
  }
  TPokerHandEval best{};
  best.ordinal = -1;
  for (int s = 1; s <= playerCount; s++) {
    if (!set[s] || a.seats[s].state != 1) continue;
    THand64 seven = seatSevenCards(s);
    TPokerHandEval e = evaluatePokerHand(seven, true);
    for (int i = 1; i <= 7; i++)
      a.seats[s].bestCards[i] = i <= seven.anz && hasCard64(e.bestFive, seven.k[i]) ? 1 : 0;
    int32_t order = compareHandEvaluations(e, best);
    if (order == 1) {
      best = e;
      for (int o = 1; o <= playerCount; o++) a.seats[o].winner = 0;
      a.seats[s].winner = 1;
    } else if (order == 0) {
      a.seats[s].winner = 1;
    }
  }
}

void pokerMarkWinners() {
  TSeatSet all{};
  for (int s = 1; s <= 6; s++) all[s] = true;
  markPotWinners(all);
}

void pokerDividePot(bool) {
  TPokerArea& a = pokerArea();
  int32_t rest[7] = {}, share[7] = {}, firstRound[7] = {};
  bool wins[7] = {};
  TSeatSet competing{};
  for (int s = 1; s <= playerCount; s++) {
    TChipSeat& seat = a.seats[s];
    rest[s] = (seat.state == 1 || seat.state == 2) ? std::max(0, seat.stake) : 0;
    competing[s] = seat.state == 1 && rest[s] > 0;
    a.refund[s] = 0;
  }
  for (int round = 1; round <= playerCount + 1; round++) {
    bool anyRest = false;
    for (int s = 1; s <= playerCount; s++) anyRest = anyRest || rest[s] > 0;
    if (!anyRest) break;
    markPotWinners(competing);
    int winners = 0, lastWinner = 0;
    int32_t m = 0;
    for (int s = 1; s <= playerCount; s++)
      if (a.seats[s].winner) {
        m = winners == 0 ? rest[s] : std::min(m, rest[s]);
        winners++;
        lastWinner = s;
      }
    if (winners == 0) {
      // Nobody left who could win it: the money goes back to whoever paid it.
      for (int s = 1; s <= playerCount; s++) {
        a.refund[s] += rest[s];
        rest[s] = 0;
      }
      break;
    }
    int32_t roundPot = 0;
    for (int s = 1; s <= playerCount; s++) {
      int32_t pay = std::min(rest[s], m);
      rest[s] -= pay;
      roundPot += pay;
    }
    for (int s = 1; s <= playerCount; s++) {
      if (!a.seats[s].winner) continue;
      share[s] += roundPot / winners + (s == lastWinner ? roundPot % winners : 0);
      wins[s] = true;
      if (firstRound[s] == 0) firstRound[s] = round;
    }
    for (int s = 1; s <= playerCount; s++)
      if (rest[s] <= 0) competing[s] = false;
  }
  for (int s = 1; s <= playerCount; s++) {
    a.seats[s].winner = wins[s];
    a.seats[s].potRound = firstRound[s];
    a.seats[s].won = share[s];
  }
}

std::string pokerPotWinnersText() {
  pokerLearnAtShowdown();  // once per hand: later requests build only the text
  TPokerArea& a = pokerArea();
  std::string mainList, sideList;
  for (int s = 1; s <= playerCount; s++) {
    const TChipSeat& seat = a.seats[s];
    if (seat.state != 1 || !seat.winner) continue;
    std::string entry = cg.seatName(s) + " (" + formatMoney(seat.won) + ")";
    std::string& list = seat.potRound == 1 ? mainList : sideList;
    if (seat.potRound < 1) continue;
    list += (list.empty() ? "" : ", ") + entry;
  }
  std::string text;
  if (!mainList.empty()) text = "Pot geht an: " + mainList;
  if (!sideList.empty()) text += "\r" + std::string("Sidepot: ") + sideList;
  int out = 0;
  for (int s = 1; s <= playerCount; s++) {
    if (a.seats[s].state == 0 || chipStackValue(s) >= a.blind) continue;
    text += (out == 0 ? ". " : ", ") + cg.seatName(s);
    out++;
  }
  if (out == 1) text += " ist ausgeschieden.";
  if (out > 1) text += " sind ausgeschieden.";
  return text;
}
