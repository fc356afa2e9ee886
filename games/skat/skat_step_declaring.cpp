// Phase 7 of Skat's step: taking up the Skat or playing Hand, Rum, pressing two cards,
// declaring the game, the announcements and Spitze, and the start of the trick play.
//
// [SECTION] answers by decision
// [SECTION] steps
// [SECTION] pressing
// [SECTION] start of the trick play
#include <string>

#include "core/card_order.h"
#include "games/skat/skat_ai_state.h"
#include "games/skat/skat_callbacks.h"
#include "games/skat/skat_deck.h"
#include "games/skat/skat_game_step.h"
#include "games/skat/skat_rules.h"
#include "games/skat/skat_services.h"
#include "games/skat/skat_settlement.h"
#include "games/skat/skat_step_internal.h"
#include "net/net_transport.h"
#include "shell/env_param.h"
#include "shell/shell_globals.h"
#include "table/deal_moves.h"
#include "table/move_queue.h"
#include "table/stack_sync.h"
#include "table/stacks.h"
#include "table/table_questions.h"

namespace {

// Answer codes of the declarer's decisions.
constexpr int16_t answerTakeSkat = 51;
constexpr int16_t answerHand = 45;
constexpr int16_t answerRum = 46;
constexpr int16_t answerSpitze = 61;
constexpr int16_t answerNoSpitze = 62;
constexpr int32_t gameNone = 14;  // "Kein Spiel" in decision 55

// Steps of phase 7.
enum : int32_t {
  stepSkatOrHand = 0,
  stepPressing = 1,
  stepHand = 2,
  stepAnnounce = 3,
  stepSettle = 4,
  stepRumPause = 5,
  stepSpitze = 10,
  stepStartPlay = 11,
};

// Levels by the code of an announcement (decisions 56 and 57): 1 nothing, 2 Schneider,
// 3 Schwarz, 4 ouvert.
constexpr uint8_t levelByAnnouncement[] = {0, skatLevelNormal, skatLevelSchneiderAnnounced,
                                           skatLevelSchwarzAnnounced, skatLevelOffen};

int32_t declarer() { return cg.gs.akspieler; }

// [SECTION] answers by decision

void gameChosen(int32_t c) {
  TSkatGameRecord& g = *skatGame;
  cg.gs.subStep = skatSubStepGameKnown;
  if (c == gameNone) {
    skatSetBestGame(sp[declarer()], skatTypeNone);
    g.gameType = skatBid->gameType = skatTypeNone;
    cg.gs.step = stepSettle;
    return;
  }
  g.gameType = skatBid->gameType = c;
  cg.gs.step = g.handGame || c == skatTypeNull ? int32_t(stepAnnounce) : int32_t(stepSpitze);
}

void announcementChosen(int32_t c) {
  skatGame->level = c >= 1 && c <= 4 ? levelByAnnouncement[c] : uint8_t(skatLevelNormal);
  cg.gs.step = stepSpitze;
}

// An option answer to 55, 53, 56 or 57; false for the answers the steps handle.
bool optionAnswered() {
  if (skatActionKind() != skatActionOption) return false;
  skatActionKind() = skatActionUsed;
  switch (cg.gs.bl.decisionKind) {
    case 55: gameChosen(skatAnswer()); return true;
    case 53:
      skatTakePressedSkat();
      skatAsk(55);
      return true;
    case 56:
    case 57: announcementChosen(skatAnswer()); return true;
    default: return false;
  }
}

// [SECTION] steps

// Rum: the two Skat cards are shown face up in the centre before the declarer takes them.
void openSkatForRum() {
  bool side = isViewFromSide();
  int32_t top = stackUsed(sp[skatStockStack]);
  const float offsets[2] = {side ? -140.0f : -120.0f, side ? 290.0f : 120.0f};
  for (int32_t k = 0; k < 2 && top - k >= 1; k++) {
    sp[skatTrickStack].slots[k + 1].pose.x = offsets[k];
    movecard(skatStockStack, top - k, skatTrickStack, k + 1, 0, 3, movePlay, 0.3f * k, 0, 0.0f);
  }
  skatWaitFor(skatStockStack, top >= 2 ? top - 1 : 1);
}

void skatOrHand() {
  TSkatGameRecord& g = *skatGame;
  cg.gs.subStep = skatSubStepSkat;
  g.bidReached = skatArea->currentBid;
  switch (skatAnswer()) {
    case answerRum:
      g.rumGame = 1;
      skatPhaseCounter() = 0;
      g.handGame = 0;
      openSkatForRum();
      cg.gs.step = stepRumPause;
      break;
    case answerTakeSkat:
      g.handGame = 0;
      skatSayText(skatLookupText("f_skat_nimmtskatauf"), 0);
      gethand(declarer(), 2, 0, 0.0f, skatStockStack, 0);
      skatWaitFor(declarer(), 1);
      cg.gs.subState = 0;
      skatActionKind() = skatActionUsed;
      cg.gs.step = stepPressing;
      break;
    case answerHand:
      g.handGame = 1;
      cg.gs.step = stepHand;
      break;
    default:
      break;
  }
}

void rumPause() {
  if (skatAnswer() != answerRum) return;
  if (++skatPhaseCounter() == 1) skatSayText(skatLookupText("f_skat_rumsag"), 1);
  if (skatPhaseCounter() <= 3) return;
  gethand(declarer(), 2, 0, 0.0f, skatTrickStack, 0);
  skatWaitFor(skatTrickStack, 2);
  skatAnswer() = answerTakeSkat;
  skatActionKind() = skatActionUsed;
  cg.gs.step = stepPressing;
}

// The Hand declarer finishes an empty pressing at the next call and is asked 55.
void handGame() {
  cg.gs.bl.decisionKind = 53;
  skatActionKind() = skatActionOption;
}

void spitzeQuestion() {
  TSkatGameRecord& g = *skatGame;
  int32_t type = g.gameType;
  if (skatAnswer() == answerSpitze || skatAnswer() == answerNoSpitze) {
    g.spitzeAnnounced = skatAnswer() == answerSpitze ? 1 : 0;
    cg.gs.step = stepStartPlay;
  } else if (skatArea->options.spitze && type != skatTypeNull && type != skatTypeGrand && type != skatTypeRamsch) {
    skatAsk(59);
  } else {
    g.spitzeAnnounced = 0;
    cg.gs.step = stepStartPlay;
  }
}

void startTrickPlay();

}  // namespace

void skatStepDeclaring() {
  TGameState& gs = cg.gs;
  if (gs.step == stepSettle) {
    skatEndOfGameMenu();
    skatSettle();
    return;
  }
  if (optionAnswered()) return;
  switch (gs.step) {
    case stepSkatOrHand: skatOrHand(); break;
    case stepRumPause: rumPause(); break;
    case stepPressing: skatStepPressing(skatBestGame(sp[declarer()])); break;
    case stepHand: handGame(); break;
    case stepAnnounce: skatAsk(skatGame->gameType == skatTypeNull ? 57 : 56); break;
    case stepSpitze: spitzeQuestion(); break;
    case stepStartPlay: startTrickPlay(); break;
    default: break;
  }
}

// [SECTION] pressing

void skatStepPressing(int32_t rankType) {
  TGameState& gs = cg.gs;
  int32_t seat = gs.akspieler;
  switch (skatActionKind()) {
    case skatActionCard: {
      int32_t slot = playCardToTrick(seat, skatAnswer(), skatStockStack, 0);
      if (slot >= 1)
        skatWaitFor(seat, slot);
      else
        skatTrace("Skat: Karte " + std::to_string(skatAnswer()) + " von Spieler " + std::to_string(seat) +
                  " konnte nicht in den Skat gelegt werden");
      gs.subState = 1;
      skatActionKind() = skatActionUsed;
      break;
    }
    case skatActionPile: {
      gethand(seat, 1, 0, 0.0f, skatStockStack, 0);
      if (isNetGame()) netTransport.gameCounter++;
      skatWaitFor(skatStockStack, stackUsed(sp[skatStockStack]));
      gs.subState = 0;
      skatActionKind() = skatActionUsed;
      break;
    }
    case skatActionUsed:
      syncHandFromSlots(sp[seat]);
      skatSetRankOrder(rankType);
      skatAsk(stackUsed(sp[skatStockStack]) == 2 ? 53 : 54);
      skatStepCounter() = 0;
      break;
    default:
      break;
  }
}

void skatTakePressedSkat() {
  syncHandFromSlots(sp[skatStockStack]);
  syncHandFromSlots(sp[cg.gs.akspieler]);
  pressedSkat = sp[skatStockStack].hand;
  skatSavePlayers(false);
}

// [SECTION] start of the trick play

namespace {

void emptyTrickLists() {
  TSkatBidRecord& b = *skatBid;
  b.cardsToPlay = 2;
  clearHand(trickBySeat);
  for (int s = 1; s <= 3; s++) trickBySeat.k[s] = noCard();
  trickBySeat.anz = 3;
  clearHand(trickCards);
  clearHand(declarerTricks);
  clearHand(defenderTricks);
  clearHand(playedCards);
  for (int s = 1; s <= 3; s++) clearHand(wonCards[s]);
}

// A Kontra round belongs to declared games; a Ramsch game has none.
bool kontraBeforeFirstCard() {
  const TSkatOptions& o = skatArea->options;
  return o.kontra && o.kontraAfterAnnouncement && skatGame->gameType != skatTypeRamsch;
}

void startTrickPlay() {
  TGameState& gs = cg.gs;
  TSkatGameRecord& g = *skatGame;
  if (gs.akspieler != 1 && g.level == skatLevelOffen) {
    int32_t d = gs.akspieler;
    moveStackTo(getOpenHandPos(sp[d].restPose, d), d);
  }
  syncHandFromSlots(sp[skatStockStack]);
  for (int32_t s = 1; s <= 3; s++) syncHandFromSlots(sp[s]);
  pressedSkat = sp[skatStockStack].hand;
  skatSavePlayers(false);
  skatSetRankOrder(g.gameType);
  sortHand(sp[1].hand, g.gameType);
  syncSlotsFromHand(sp[1]);
  std::string name;
  skatGameName(name);
  skatSayText(name, 4);
  skatShowGameTypeMark();
  gs.phase = skatPhaseTricks;
  gs.subState = 4;
  skatStepCounter() = 0;
  gs.step = 0;
  skatArea->trickLeader = skatArea->rearhand;
  emptyTrickLists();
  gs.akspieler = skatBid->leadSeat = skatForehand();
  if (kontraBeforeFirstCard()) {
    gs.step = 0;
    gs.phase = skatPhaseKontra;
  }
}

}  // namespace
