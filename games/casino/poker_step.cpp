// The Texas Hold'em hand machine (see poker_step.h).
#include "games/casino/poker_step.h"

#include <algorithm>

#include "core/cg.h"
#include "core/card_order.h"
#include "core/engine_switches.h"
#include "engine/engine_services.h"
#include "engine/texts.h"
#include "games/casino/chips.h"
#include "games/casino/poker_betting.h"
#include "games/casino/poker_cases.h"
#include "games/casino/poker_counter.h"
#include "games/casino/poker_eval.h"
#include "games/casino/poker_fast_eval.h"
#include "games/casino/poker_lists.h"
#include "games/casino/poker_reactions.h"
#include "games/casino/poker_pot.h"
#include "games/casino/poker_preflop.h"
#include "games/casino/poker_state.h"
#include "platform/random.h"
#include "shell/env_param.h"
#include "shell/shell_globals.h"
#include "table/deal_moves.h"
#include "table/move_executor.h"
#include "table/move_queue.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

namespace {

constexpr int32_t bankStack = 7;
constexpr int32_t potStack = 8;
constexpr int32_t stockStack = 11;
constexpr int32_t boardStack = 12;

enum : uint8_t { roundAnswer = 3, roundAsk = 4, roundOver = 6, roundStreet = 8 };

TGameState& gs() { return cg.gs; }
TPokerArea& area() { return pokerArea(); }
int32_t seatCount() { return std::clamp(int(cg.seatCount), 1, 6); }

void clearSeatForHand(TChipSeat& s) {
  s.stake = 0;
  s.allIn = 0;
  s.action = 11;
  s.speech = "";
  s.winner = 0;
  s.won = 0;
  s.postedSmallBlind = s.postedBigBlind = 0;
  s.raisesMade = 0;
  for (auto& b : s.bestCards) b = 0;
}

// Money from a seat into the pot, never more than it holds; the seat is all-in when that
// is all it has.
int32_t payIntoPot(int32_t seat, int32_t amount) {
  TPokerArea& a = area();
  const int32_t pay = std::clamp(amount, 0, chipStackValue(seat));
  chipAnimation.queueMove(seat, potStack, pay, false, 1, 1);
  a.pot += pay;
  a.seats[seat].stake += pay;
  return pay;
}

int32_t seatsNotAllIn() {
  int32_t n = 0;
  for (int s = 1; s <= playerCount; s++) n += seatInGame(s) && !area().seats[s].allIn;
  return n;
}

// What the pay-out owes: the winners' shares and the money going back to its payers.
int32_t owedFromPot() {
  int32_t owed = 0;
  for (int s = 1; s <= playerCount; s++) {
    const TChipSeat& seat = area().seats[s];
    owed += (seat.state == 1 && seat.winner ? seat.won : 0) + std::max(0, area().refund[s]);
  }
  return owed;
}

void checkStakes() {
  const TPokerArea& a = area();
  for (int s = 1; s <= playerCount; s++) {
    if (!seatOccupied(s)) continue;
    const int32_t d = a.betLevel - a.seats[s].stake;
    if (d < 0 || d > 10000)
      trace("ACHTUNG! Inkonsistenz Spieler" + std::to_string(s) + ": poteinsatz-setsum = " + std::to_string(d));
  }
  if (a.minRaise < 1)
    trace("ACHTUNG! Inkonsistenz Spieler" + std::to_string(gs().akspieler) + ":  rminimum = " +
          std::to_string(a.minRaise));
}

// [SECTION] start money, blinds and deal

void startMoneyStep() {
  TPokerArea& a = area();
  const bool reverse = envParam.playDirection == 2;
  const bool allAtOnce = gs().dealStyle == 1;
  while (gs().step < seatCount()) {
    gs().akspieler = reverse ? pokerPreviousSeat(1, false, false) : pokerNextSeat(1, false, false);
    const int32_t seat = gs().akspieler;
    if (seat <= playerCount && a.seats[seat].state != 0)
      chipAnimation.queueMove(bankStack, seat, a.startMoney, false, 0, 1);
    gs().step++;
    if (!allAtOnce) return;
  }
  a.bettingOpen = 2;
  gs().phase = 1;
  gs().step = -1;
  gs().subStep = 0;
}

void blindSeatsStep() {
  TPokerArea& a = area();
  a.betLevel = a.blind;
  checkStakes();
  gs().akspieler = a.smallBlindSeat;
  a.smallBlindSeat = gs().akspieler = pokerNextSeat(1, false, true);
  a.dealerSeat = pokerPreviousSeat(1, false, true);
  a.bigBlindSeat = gs().akspieler = pokerNextSeat(1, false, true);
  a.firstToAct = pokerNextSeat(1, false, true);
  gs().step = -2;
}

void postBlindsStep() {
  TPokerArea& a = area();
  a.pot = 0;
  payIntoPot(a.bigBlindSeat, a.blind);
  payIntoPot(a.smallBlindSeat, a.blind / 2);
  gs().step = 0;
}

void dealStep() {
  const bool reverse = envParam.playDirection == 2;
  const int32_t stock = stackUsed(sp[stockStack]);
  if (gs().dealStyle == 1) {
    int32_t served = 0;
    for (int i = 1; i <= playerCount; i++) {
      const int32_t seat = reverse ? playerCount + 1 - i : i;
      if (!seatOccupied(seat)) continue;
      gethand(seat, 2, 2 * served, 0.25f * float(served), stockStack, 0);
      served++;
    }
    if (served > 0) noteCoreMove(stockStack, stock - 2 * served + 1);
    gs().step = playerCount;
  } else {
    gs().akspieler = reverse ? pokerPreviousSeat(1, false, false) : pokerNextSeat(1, false, false);
    gs().step++;
    const int32_t seat = gs().akspieler;
    if (seatOccupied(seat)) {
      gethand(seat, 2, 0, 0, stockStack, 0);
      noteCoreMove(stockStack, stock - 1);
    }
  }
  if (gs().step >= seatCount()) {
    gs().phase = 4;
    gs().step = 0;
    gs().subStep = 0;
    gs().subState = roundStreet;
  }
}

// [SECTION] streets

void boardCards(int32_t count, int32_t position) {
  const int32_t stock = stackUsed(sp[stockStack]);
  amove(stockStack, stock, boardStack, position, count, 0);
}

// The flop, turn or river: the cards onto the board, the street's betting not yet open.
void dealStreet(int32_t street, int32_t count, int32_t first) {
  area().street = street;
  area().bettingOpen = 0;
  boardCards(count, first);
}

void openBettingRound(uint8_t street, int32_t limit, int32_t minimum) {
  TPokerArea& a = area();
  a.street = street;
  a.bettingOpen = 1;
  a.betMade = 0;
  a.raisesInRound = 0;
  gs().akspieler = a.dealerSeat;
  a.limitBet = limit;
  a.minRaise = minimum;
  for (int s = 1; s <= playerCount; s++) {
    TChipSeat& seat = a.seats[s];
    if (seat.state == 1 && !seat.allIn) seat.action = 11;
  }
  gs().subState = roundAsk;
  gs().subStep = 1;
}

void streetStep() {
  TPokerArea& a = area();
  if (gs().step < 9) {
    if (gs().step != 0) gs().subStep = 0;
    gs().step++;
    const int32_t st = gs().step;
    if ((st == 3 || st == 5 || st == 7) && seatsNotAllIn() < 2) gs().step++;
    if (seatsInGame() <= 1) {
      gs().subStep = 0;
      gs().step = 9;
    }
  }
  switch (gs().step) {
    case 1:
      if (gs().subStep == 0) {
        a.street = 1;
        a.bettingOpen = 1;
        a.betMade = 1;  // the big blind counts as the bet
        a.raisesInRound = 0;
        a.limitBet = a.smallBet;
        a.maxRaise = 1000000;
        a.minRaise = a.blind;
        gs().subStep = 1;
        gs().step = 0;
        return;
      }
      for (int s = 1; s <= playerCount; s++) {
        TChipSeat& seat = a.seats[s];
        const bool blindSeat = s == a.smallBlindSeat || s == a.bigBlindSeat;
        const int32_t stake = seat.stake;
        clearSeatForHand(seat);
        if (blindSeat) seat.stake = stake;
        // A blind that took the seat's last chip leaves it all-in.
        seat.allIn = blindSeat && seat.state == 1 && chipStackValue(s) == 0;
      }
      a.seats[a.smallBlindSeat].postedSmallBlind = 1;
      a.seats[a.bigBlindSeat].postedBigBlind = 1;
      a.seats[a.smallBlindSeat].action = 0;
      a.seats[a.bigBlindSeat].action = 0;
      if (chipAnimation.needsChipExchange()) trace("ACHTUNG! LowCheck-Fehler bei Ante setzen.");
      gs().akspieler = a.bigBlindSeat;
      gs().subState = roundAsk;
      gs().subStep = 1;
      return;
    case 2: dealStreet(2, 3, 1); return;
    case 3: openBettingRound(3, a.smallBet, a.blind); return;
    case 4: dealStreet(4, 1, 4); return;
    case 5: openBettingRound(5, a.bigBet, a.bigBet); return;
    case 6: dealStreet(6, 1, 5); return;
    case 7: openBettingRound(7, a.bigBet, a.bigBet); return;
    case 8:
      for (int s = 2; s <= playerCount; s++)
        if (seatInGame(s)) a.seats[s].action = 10;
      gs().step = 9;
      gs().subStep = 0;
      return;
    case 9:
      pokerMarkWinners();
      for (int s = 1; s <= playerCount; s++)
        if (seatInGame(s)) a.seats[s].action = 8;
      a.wobble = 0;
      gs().step = 10;
      pokerDividePot(true);
      a.endReactionSpoken = pokerEndReaction();
      return;
    case 10:
    case 11:
      if (seatsInGame() > 1 && !a.endReactionSpoken) a.seats[1].speech = "leer";
      gs().step++;
      return;
    case 12: gs().step++; return;
    case 13:
      pokerPotWinnersText();
      if (!potCanPayShares() && chipStackValue(potStack) >= owedFromPot()) {
        chipAnimation.changeChip();
        return;
      }
      pokerUpdateAggression();
      // Queued last seat first: the handler plans the newest transfer first, so the pot's
      // chips are handed out in seat order, as the pay-out test counted them.
      for (int s = playerCount; s >= 1; s--) {
        TChipSeat& seat = a.seats[s];
        const int32_t back = a.refund[s];
        const int32_t won = seat.state == 1 && seat.winner ? seat.won : 0;
        if (back > 0) chipAnimation.queueMove(potStack, s, back, false, 1, 1);
        if (won > 0) chipAnimation.queueMove(potStack, s, won, false, 1, 1);
        a.pot -= won + std::max(0, back);
      }
      gs().step = 99;
      gs().subState = roundOver;
      return;
    default: return;
  }
}

// [SECTION] asking and answering

void askStep() {
  gs().subState = roundAnswer;
  cg.gs.bl.decisionKind = 0;
  gs().akspieler = pokerNextSeat(1, true, false);
  const int32_t seat = gs().akspieler;
  pokerPrepareSeat(seat);
  if (seatsInGame() < 2) {
    gs().awaitingAction = 0;
    gs().getBlender = TGetBlender{0, int16_t(pokerCall), 2};
    return;
  }
  cg.openDecisionDialog(98);
}

void answerStep() {
  TPokerArea& a = area();
  const int32_t seat = gs().akspieler;
  const int32_t code = gs().getBlender.res_ii;
  int32_t value = gs().getBlender.res_i;
  if (code == pokerRaise && value <= 0) value = a.raiseAmount;
  if (seatsInGame() < 2 && code == pokerCall && pokerAmountToCall(seat) == 0) {
    a.seats[seat].action = 3;  // the last seat left only passes the question on
  } else if (!pokerTakeAnswer(seat, code, value)) {
    cg.openDecisionDialog(98);  // refused: the question stays open
    return;
  }
  pokerLearnFromAnswer(int16_t(code));
  gs().subStep++;
  setSeatSpeech(seat, std::string(a.seats[seat].speech.view()));
  checkStakes();
  gs().subState = pokerBettingRoundOver() ? roundStreet : roundAsk;
}

void handOver() {
  const TPokerArea& a = area();
  TGameResult r;
  r.kind = resultFinished;
  for (int s = 1; s <= playerCount; s++) {
    const TChipSeat& seat = a.seats[s];
    r.values[s] = (seat.winner ? seat.won : 0) + a.refund[s] - seat.stake;
    if (seat.winner) {
      r.mainSeat = s;
      r.text = seat.panelText.view();
    }
  }
  gs().step = 100;
  cg.endRound(r);
}

void playStep() {
  if (gs().akspieler >= 1 && gs().akspieler <= 6 && area().seats[gs().akspieler].stake < 0)
    trace("ACHTUNG! Fehler: Negative SetSum.a bei Spieler " + std::to_string(gs().akspieler));
  if (chipAnimation.needsChipExchange() && chipAnimation.exchangeChips()) {
    trace("poker ,low");
    return;
  }
  switch (gs().subState) {
    case roundOver:
      if (gs().step == 99) handOver();
      return;
    case roundAsk: askStep(); return;
    case roundStreet: streetStep(); return;
    case roundAnswer: answerStep(); return;
    default: return;
  }
}

// The preflop table and the evaluator's tables are ready before play, so that the first
// decision after a flop does not build them inside its frame.
void prepareTables() {
  pokerEnsurePreflopTable();
  pokerFastTables();
}

}  // namespace

// [SECTION] new hand and the step

void pokerReadOptions() {
  TPokerArea& a = area();
  logNotAvailable("poker options dialog");
  if (a.startMoney <= 0) a.startMoney = 200;
  if (a.startBlind <= 0) a.startBlind = 2;
  if (a.blindEvery <= 0) a.blindEvery = 10;
  a.startSeatMode = 1;
  a.blind = a.minRaise = a.smallBet = a.bigBet = a.startBlind;
  if (a.splitLimit) a.bigBet = 2 * a.startBlind;
  playerCount = cg.seatCount = std::clamp(int(cg.seatCount), 2, 6);
}

void pokerNewGame(bool newList) {
  TPokerArea& a = area();
  chipAnimation.reset();
  pokerNewHandCases();  // the learning buffer lives for one hand
  prepareTables();
  if (pokerCounter.matches == 0) pokerCounter.reset();
  if (newList) {
    a.aggression = 100;
    pokerReadOptions();
  } else if (engineFastMode()) {
    pokerCounter.nextRound();
  }
  cg.prepareNewGame();
  pokerInitCardTable();
  for (int i = 1; i <= stackCount; i++) {
    sp[i].count = 0;
    syncHandFromSlots(sp[i]);
  }
  cg.setupDeck52();
  if (newList) {
    for (int s = 1; s <= 16; s++) resetChipStack(s, false);
    for (int s = 1; s <= 6; s++) a.seats[s] = TChipSeat{};
  }
  a.moodSpoken = 0;
  a.seatDirection = 1;
  if (newList) {
    gs().dealer = gs().akspieler = a.startSeatMode == 1 ? 2 + randomBelow(seatCount() - 1) : a.startSeatMode - 1;
    a.smallBlindSeat = gs().dealer;  // the first small blind follows the drawn seat
  }
  for (int s = 1; s <= playerCount; s++) {
    TChipSeat& seat = a.seats[s];
    if (newList) {
      seat.state = 1;
      seat.place = 0;
    }
    if (seat.state == 0) continue;
    clearSeatForHand(seat);
    seat.state = 1;
    seat.callValue = seat.winChance = 0;
    seat.outAfterHands = newList ? 0 : seat.outAfterHands;
  }
  for (int i = 1; i <= 6; i++) a.refund[i] = 0;
  if (!newList) pokerPlaceBrokeSeats(0, 0);
  gs().phase = 0;
  gs().step = 0;
  gs().subStep = 0;
  gs().subState = 0;
}

void pokerGameStep(TGameState& state) {
  TPokerArea& a = area();
  switch (state.phase) {
    case 0:
      state.phase = state.gamesPlayed == 0 ? 2 : 1;
      state.step = state.phase == 2 ? 0 : -1;
      state.subStep = 0;
      a.raisesInHand = a.raisesInRound = 0;
      a.someoneAllIn = 0;
      for (int s = 1; s <= playerCount; s++) clearSeatForHand(a.seats[s]);
      break;
    case 2: startMoneyStep(); break;
    case 1:
      if (state.step == -1)
        blindSeatsStep();
      else if (state.step == -2)
        postBlindsStep();
      else
        dealStep();
      break;
    case 4: playStep(); break;
    default: break;
  }
  pokerShowTable();
}

void pokerResume(int phase) {
  if (phase != 0) return;
  prepareTables();
  chipAnimation.reset();
  pokerInitCardTable();
  pokerShowTable();
}

// [SECTION] table texts

std::string pokerSeatPanelText(int32_t seat) {
  const TPokerArea& a = area();
  const TChipSeat& s = a.seats[seat];
  const bool de = a.germanTerms;
  std::string text;
  switch (s.action) {
    case 0: text = chipStackValue(seat) == 0 ? pokerActionText(9) : ""; break;
    case 1: text = pokerActionText(6); break;
    case 2: text = pokerActionText(9); break;
    case 3: text = pokerActionText(7); break;
    case 4: text = pokerActionText(5) + " " + formatMoney(s.lastRaise); break;
    case 5: text = pokerActionText(10) + " " + formatMoney(s.lastRaise); break;
    case 7: text = !s.speech.empty() && s.speech.view() != "leer" ? pokerActionText(8) : ""; break;
    case 8:
      if (seat == 1 || (seat != 1 && cg.gs.step > 8 && seatsInGame() >= 2)) {
        TPokerHandEval e = evaluatePokerHand(seatSevenCards(seat), false);
        text = pokerHandNameIn(e, de, a.nameForm == 2 ? 2 : 3);
      }
      if (chipStackValue(seat) < a.blind && !s.winner) text = lookupText("f_ausgeschieden");
      break;
    case 9: text = "Gewinnt"; break;
    default: break;
  }
  return text;
}

void pokerShowTable() {
  TPokerArea& a = area();
  for (int s = 1; s <= playerCount; s++) {
    TChipSeat& seat = a.seats[s];
    if (seat.state != 1 && seat.state != 2) continue;
    if (seat.state == 1 && seatsInGame() == 1 && cg.gs.phase == 4) seat.action = 9;
    seat.previousPanelText = seat.panelText.view();
    seat.panelText = pokerSeatPanelText(s);
  }
}
