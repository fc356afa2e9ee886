// Phase 6 of Skat's step: the bidding. Round one is Mittelhand (sayer) against Vorhand
// (listener), round two Hinterhand against the survivor; step 0, 1, and 2 once the last seat
// is alone after two passes. Each answer takes two calls: an odd call announces it, the
// next moves the bidding on and asks again.
#include <string>

#include "games/skat/skat_ai_state.h"
#include "games/skat/skat_bid_values.h"
#include "games/skat/skat_game_step.h"
#include "games/skat/skat_rules.h"
#include "games/skat/skat_services.h"
#include "games/skat/skat_settlement.h"
#include "games/skat/skat_step_internal.h"
#include "table/stacks.h"

namespace {

// Answer codes of decisions 48 and 49.
constexpr int16_t answerBid = 41;
constexpr int16_t answerHold = 42;
constexpr int16_t answerPass = 43;

constexpr int32_t firstBid = 18;
constexpr int32_t highBid = 46;  // above it a bid is spoken with the "high" voice

// Voice kinds of the bid answers.
constexpr int32_t sayBid = 14, sayHold = 15, sayPassAfterBid = 16, sayPassHold = 17, sayPassFirst = 18,
                  sayHighBid = 19;

// [SECTION] announcing call

void announce() {
  TGameState& gs = cg.gs;
  TSkatArea& a = *skatArea;
  int32_t seat = gs.akspieler;
  switch (skatAnswer()) {
    case answerBid:
      a.currentBid = a.skatBidList[a.skatBidIndex];
      skatGame->seatBid[seat] = a.currentBid;
      skatSayText(std::to_string(a.currentBid), gs.step == 2 || a.currentBid > highBid ? sayHighBid : sayBid);
      if (gs.step == 2) skatStartGamePlay();
      break;
    case answerHold:
      skatGame->seatBid[seat] = a.currentBid;
      skatSayText(std::to_string(a.currentBid), sayHold);
      break;
    case answerPass: {
      int32_t kind = gs.bl.decisionKind == 49 ? sayPassHold : a.currentBid < firstBid ? sayPassFirst : sayPassAfterBid;
      skatSayText(skatLookupText("f_skat_passe"), kind);
      break;
    }
    default:
      break;
  }
}

// [SECTION] moving call

// The next seat after `from` that is neither of the two; wraps round to `from` itself.
int32_t nextSeatAvoiding(int32_t from, int32_t a, int32_t b) {
  int32_t s = skatNextPlayer(from);
  for (int i = 0; i < 3 && (s == a || s == b); i++) s = skatNextPlayer(s);
  return s;
}

void allPassed() {
  TGameState& gs = cg.gs;
  TSkatGameRecord& g = *skatGame;
  const TSkatOptions& o = skatArea->options;
  if (o.bockRamsch && o.ramschIfNoBid) {
    g.ramschGame = 1;
    g.schiebenRound = 0;
    g.gameType = skatBid->gameType = skatTypeRamsch;
    gs.step = 7;
    skatPhaseCounter() = 0;
    skatPrepareHands();
    TSkatArea& a = *skatArea;
    a.rearhand = skatDealer();
    a.bidListener = skatForehand();
    a.bidSayer = skatMiddlehand();
    gs.akspieler = a.rearhand;
    gs.phase = skatPhaseSchieben;
    return;
  }
  skatSetBestGame(sp[gs.akspieler], skatTypeAllPassed);
  g.gameType = skatBid->gameType = skatTypeAllPassed;
  gs.phase = skatPhaseDeclaring;
  gs.step = 4;
}

void passed() {
  TGameState& gs = cg.gs;
  TSkatArea& a = *skatArea;
  int32_t passer = gs.akspieler;
  skatAnswer() = 0;
  switch (gs.step) {
    case 0:
      gs.step = 1;
      a.bidSayer = a.rearhand;
      a.bidListener = nextSeatAvoiding(a.bidListener, passer, a.bidSayer);
      a.skatBidIndex = skatBidIndexAbove(a.currentBid);
      break;
    case 1:
      if (a.currentBid > 1) {
        gs.akspieler = passer == a.bidListener ? a.bidSayer : a.bidListener;
        skatStartGamePlay();
      } else {
        gs.step = 2;
        a.bidSayer = a.bidListener;
        gs.akspieler = 0;
      }
      break;
    default:
      allPassed();
      break;
  }
}

void moveOn() {
  TGameState& gs = cg.gs;
  TSkatArea& a = *skatArea;
  if (skatAnswer() == answerPass) passed();
  if (gs.phase != skatPhaseBidding) return;
  if (gs.akspieler == a.bidSayer) {
    a.sayerTurn = 0;
    gs.akspieler = a.bidListener;
    skatAsk(49);
  } else {
    a.sayerTurn = 1;
    gs.akspieler = a.bidSayer;
    a.skatBidIndex = skatBidIndexAbove(a.currentBid);
    skatAsk(48);
  }
}

}  // namespace

void skatStepBidding() {
  if (skatStepCounter() % 2 == 1)
    announce();
  else
    moveOn();
}

// [SECTION] the declarer is known

void skatStartGamePlay() {
  TGameState& gs = cg.gs;
  TSkatGameRecord& g = *skatGame;
  g.spitzeWrong = 0;
  g.spitzeAnnounced = 0;
  nullTrickTaken = 0;
  skatBid->gameType = skatBestGame(sp[gs.akspieler]);
  g.declarer = skatBid->declarer = gs.akspieler;
  gs.phase = skatPhaseDeclaring;
  skatStepCounter() = 0;
  gs.step = 0;
  skatAsk(skatArea->options.rum ? 60 : 50);
}
