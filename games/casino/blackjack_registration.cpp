// Blackjack's table of calls: the game's machine, the core's questions about the match,
// the card table's questions and its area in the saved image.
//
// [SECTION] calls by role
// [SECTION] the area in the image
// [SECTION] the table
#include "games/casino/blackjack_registration.h"

#include "core/cg.h"
#include "core/game_areas.h"
#include "core/game_callbacks.h"
#include "core/record_io.h"
#include "games/casino/blackjack_ai.h"
#include "games/casino/blackjack_rules.h"
#include "games/casino/blackjack_state.h"
#include "games/casino/blackjack_step.h"
#include "games/casino/blackjack_table.h"
#include "games/casino/chips.h"
#include "games/casino/poker_registration.h"

namespace {

// [SECTION] calls by role

void newGame(bool newList) { blackjackNewGame(newList); }
bool listOver(const TGameResult&) { return blackjackIsListOver(); }
std::string listText(const TGameResult&) { return {}; }
bool cardFaceUp(int32_t stack, int32_t slot) { return blackjackIsCardFaceUp(stack, slot); }
int32_t shoeDecks() { return blackjackArea().deckCount; }
bool variant17und4() { return blackjackIs17und4Variant(); }

void areaAnswers(TGameAreaQueries& q) {
  q.blackjackBet = [] { return blackjackArea().betOffer; };
  q.blackjackCanDouble = blackjackCanDouble;
  q.blackjackDealerCardUp = [] {
    const TBlackjackState& a = blackjackArea();
    return a.dealerCardOpen || (a.dealerSeat >= 1 && a.dealerSeat <= 6 && a.faceUp[a.dealerSeat][2] != 0);
  };
}

// [SECTION] the area in the image

void areaImageIo(TRecordIo& io, TGameState& gs) {
  TBlackjackState& a = gameArea<TBlackjackState>(gs.blackjack);
  io.align(4);
  for (int32_t* v : {&a.roundLimit, &a.startMoney, &a.minBet, &a.maxBet}) io.i32(*v);
  io.u8(a.dealerCardOpen);
  io.u8(a.playerCardOpen);
  io.u8(a.dealerHitsSoft17);
  io.align(4);
  io.i32(a.dealerChange);
  io.u8(a.twoAcesDouble);
  io.u8(a.doubleAllowed);
  io.u8(a.reshuffleEveryGame);
  io.align(4);
  io.i32(a.deckCount);
  arrayIo(io, a.seats, chipSeatImageIo);
  io.align(4);
  for (int32_t* v : {&a.currency, &a.betOffer, &a.dealerSeat}) io.i32(*v);
  for (int s = 1; s <= 6; s++) arrayIo(io, a.faceUp[s], u8Io);
  io.align(4);
  io.i32(a.dealerTotal);
  io.u8(a.shoeLifted);
  io.align(4);
  io.i32(a.lastBet);
  io.i32(a.pendingResultSeat);
  io.str(a.pendingResultText);
  io.u8(a.variant17und4);
  io.u8(a.keepShoe);
  io.u8(a.exchangingChips);
  io.align(4);
  io.i32(a.cardsCollected);
}

}  // namespace

// [SECTION] the table

const TGameCallbacks blackjackGameCallbacks = {
    .newGame = newGame,
    .gameStep = blackjackGameStep,
    .resume = blackjackResume,
    .enterHighscore = blackjackEnterHighscore,
    .isListOver = listOver,
    .listText = listText,
    .aiMove = blackjackAIMove,
    .areaAnswers = areaAnswers,
    .areaImageIo = areaImageIo,
    .cardFaceUp = cardFaceUp,
    .placeSeat = blackjackPlaceSeat,
    .formatMoney = formatMoney,
    .seatOffset = blackjackSeatOffset,
    .seatAngle = blackjackSeatAngle,
    .dealerSeat = blackjackDealerSeatNo,
    .shoeDecks = shoeDecks,
    .variant17und4 = variant17und4,
    .allPlayersDone = blackjackAllPlayersDone,
    .observeCard = blackjackAIObserveCard,
};

void registerBlackjackGame() { registerGameCallbacks(gidBlackjack, &blackjackGameCallbacks); }
