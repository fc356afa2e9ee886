// Poker's table of calls: the hand's machine, the core's questions about the match, its
// texts and its area in the saved image.
//
// [SECTION] calls by role
// [SECTION] the area in the image
// [SECTION] the table
#include "games/casino/poker_registration.h"

#include "core/cg.h"
#include "core/game_areas.h"
#include "core/game_callbacks.h"
#include "core/record_io.h"
#include "games/casino/chips.h"
#include "games/casino/poker_ai.h"
#include "games/casino/poker_betting.h"
#include "games/casino/poker_cases.h"
#include "games/casino/poker_lists.h"
#include "games/casino/poker_pot.h"
#include "games/casino/poker_state.h"
#include "games/casino/poker_step.h"

namespace {

// [SECTION] calls by role

bool listOver(const TGameResult&) { return pokerIsListOver(); }
std::string listText(const TGameResult&) { return pokerListText(); }
std::string resultText(const TGameResult&) { return pokerPotWinnersText(); }

// Other seats' cards lie open from the showdown on, while two or more seats are in the hand.
bool isSeatHandOpen(int32_t seat) {
  return seat != 1 && seatInGame(seat) && cg.gs.step > 8 && seatsInGame() >= 2;
}

bool optionEnabled(int32_t seat, int32_t option) {
  if (seat < 1 || seat > 6) return false;
  const TChipSeat& s = pokerArea().seats[seat];
  switch (option) {
    case 2: return pokerAmountToCall(seat) == 0 || s.canCall;
    case 3: return s.canRaise;
    case 4: return s.canAllIn;
    default: return true;
  }
}

void areaAnswers(TGameAreaQueries& q) {
  q.pokerActionText = pokerActionText;
  q.pokerGermanTerms = [] { return bool(pokerArea().germanTerms); };
  q.pokerAmountToCall = pokerAmountToCall;
  q.pokerCurrentBet = [] { return pokerArea().raiseAmount; };
  q.pokerPotWinnersText = pokerPotWinnersText;
  q.pokerOptionEnabled = optionEnabled;
  // The core's "poker state 7" is a seat whose last action was to fold.
  q.pokerSeatOut = [](int32_t seat) { return seat >= 1 && seat <= 6 && pokerArea().seats[seat].action == 7; };
  q.pokerPotLimit = [] { return bool(pokerArea().potLimit); };
  q.pokerSplitLimit = [] { return bool(pokerArea().splitLimit); };
  q.pokerSeatPlace = [](int32_t seat) { return seat >= 1 && seat <= 6 ? pokerArea().seats[seat].place : 0; };
  q.pokerSeatOutAfter = [](int32_t seat) { return seat >= 1 && seat <= 6 ? pokerArea().seats[seat].outAfterHands : 0; };
  q.pokerBigBlind = [] { return pokerArea().blind; };
  q.pokerBlindEvery = [] { return pokerArea().blindEvery; };
}

// [SECTION] the area in the image

void stringIo(TRecordIo& io, ShortString<150>& s) { io.str(s); }

}  // namespace

void chipSeatImageIo(TRecordIo& io, TChipSeat& s) {
  io.u8(s.state);
  io.u8(s.action);
  io.align(4);
  io.i32(s.stake);
  io.i32(s.lastRaise);
  io.u8(s.postedSmallBlind);
  io.u8(s.postedBigBlind);
  stringIo(io, s.speech);
  stringIo(io, s.panelText);
  stringIo(io, s.previousPanelText);
  io.align(4);
  io.f32(s.speechTimer);
  io.i32(s.available);
  io.u8(s.canRaise);
  io.u8(s.canCall);
  io.u8(s.canAllIn);
  io.align(4);
  io.i32(s.raisesMade);
  io.u8(s.allIn);
  io.u8(s.winner);
  io.align(4);
  io.i32(s.potRound);
  io.i32(s.won);
  io.i32(s.place);
  arrayIo(io, s.bestCards, u8Io);
  io.align(4);
  io.f32(s.callValue);
  io.f32(s.winChance);
  io.i32(s.outAfterHands);
}

namespace {

void areaImageIo(TRecordIo& io, TGameState& gs) {
  TPokerArea& a = gameArea<TPokerArea>(gs.poker);
  io.align(4);
  for (int32_t* v : {&a.seatDirection, &a.chipSet, &a.startSeatMode, &a.startMoney, &a.startBlind, &a.blindEvery})
    io.i32(*v);
  io.u8(a.potLimit);
  io.u8(a.splitLimit);
  io.align(4);
  io.i32(a.speedWhenOut);
  io.i32(a.nameForm);
  io.u8(a.germanTerms);
  io.u8(a.street);
  io.u8(a.bettingOpen);
  io.u8(a.betMade);
  for (int32_t* v : {&a.firstToAct, &a.smallBlindSeat, &a.bigBlindSeat, &a.dealerSeat}) io.i32(*v);
  arrayIo(io, a.seats, chipSeatImageIo);
  for (int32_t* v : {&a.limitBet, &a.maxRaise, &a.smallBet, &a.bigBet, &a.minRaise, &a.raiseAmount, &a.pot, &a.betLevel,
                     &a.blind, &a.raisesInHand, &a.raisesInRound})
    io.i32(*v);
  io.u8(a.someoneAllIn);
  io.align(4);
  io.f32(a.wobble);
  io.u8(a.moodSpoken);
  io.u8(a.endReactionSpoken);
  io.align(4);
  io.i32(a.aggression);
  arrayIo(io, a.aggressionHistory, i32Io);
  arrayIo(io, a.refund, i32Io);
}

int highscoreTable() { return pokerVariantTable(); }

}  // namespace

// [SECTION] the table

const TGameCallbacks pokerGameCallbacks = {
    .newGame = pokerNewGame,
    .gameStep = pokerGameStep,
    .resume = pokerResume,
    .enterHighscore = pokerEnterHighscore,
    .isListOver = listOver,
    .listText = listText,
    .resultText = resultText,
    .aiMove = pokerAIMove,
    .isSeatHandOpen = isSeatHandOpen,
    .areaAnswers = areaAnswers,
    .areaImageIo = areaImageIo,
    .formatMoney = formatMoney,
    .highscoreTable = highscoreTable,
    .situationWanted = pokerSituationWanted,
    .noteSituation = pokerNoteSituation,
};

void registerPokerGame() { registerGameCallbacks(gidPoker, &pokerGameCallbacks); }
