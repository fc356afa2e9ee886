// The game driver: TCG::gameTick advances the running game once per frame, TCG::submitAction
// takes every action of every seat, TCG::cardDone ends the wait for a card move. Elapsed
// times are tick differences, so the wrap of the 32-bit tick never stops the game.
//
// [SECTION] stacks and seat records
// [SECTION] computer and network section
// [SECTION] bubbles and the game step
// [SECTION] gameTick
// [SECTION] submitAction
// [SECTION] cardDone
#include <algorithm>
#include <cmath>
#include <limits>

#include "core/auto_decide.h"
#include "core/card_ai.h"
#include "core/cg.h"
#include "core/engine_switches.h"
#include "core/game_areas.h"
#include "core/game_callbacks.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/stopwatch.h"
#include "games/casino/chips.h"
#include "net/net_glue.h"
#include "net/net_transport.h"
#include "platform/alert.h"
#include "platform/tick.h"
#include "shell/card_ai_lookup.h"
#include "shell/env_param.h"
#include "shell/game_dialogs.h"
#include "shell/shell_globals.h"
#include "shell/shell_services.h"
#include "shell/shell_state.h"
#include "sound/sound_services.h"
#include "table/stack_sync.h"
#include "table/stacks.h"
#include "table/table_game_hooks.h"

uint32_t decisionShownTick = 0;

namespace {

// [SECTION] stacks and seat records

// Every stack into its seat record, each followed by refreshing the stack's hand copy. A
// game that keeps what its player did to the stacks is never restored from the records: it
// only gets its hand copies refreshed.
void snapshotStacks(TCG& c) {
  const TGameCallbacks* t = registeredGameCallbacks(c.gameId);
  const bool restored = !(t && t->keepsStacksAroundAIMove);
  for (int i = 1; i <= stackCount; i++) {
    if (restored) seatRecordToTCG(c.seatRecords[i], sp[i]);
    syncHandFromSlots(sp[i]);
  }
}

// Undoes what a computer player changed in the stacks while it searched.
void restoreStacks(const TCG& c) {
  for (int i = 1; i <= stackCount; i++) seatRecordFromTCG(c.seatRecords[i], sp[i]);
}

bool seatToActValid(const TCG& c) { return c.gs.akspieler >= 1 && c.gs.akspieler <= seatRecordCount; }

uint8_t seatKindToAct(const TCG& c) { return seatToActValid(c) ? c.seatRecords[c.gs.akspieler].kind : uint8_t(seatKindUser); }

int32_t clampedMs(uint32_t ms) {
  return ms > uint32_t(std::numeric_limits<int32_t>::max()) ? std::numeric_limits<int32_t>::max() : int32_t(ms);
}

// [SECTION] computer and network section

bool fitsInt16(int32_t v) { return v >= std::numeric_limits<int16_t>::min() && v <= std::numeric_limits<int16_t>::max(); }

// Replays the oldest received move of a seat played elsewhere, never forwarding it again.
// A move this machine cannot replay as sent is refused whole with a protocol line. True
// when a move was taken.
bool takeNetworkMove(TCG& c) {
  uint8_t kind = seatKindToAct(c);
  bool remoteSeat = (kind == seatKindComputer && !isGameMaster(netTransport)) ||
                    (kind == seatKindNetwork && c.gs.akspieler != 1);
  if (!isNetGame() || !remoteSeat) return false;
  if (!netTransport.hasInput() || netTransport.checker.isWaiting()) return false;
  TNetMove move;
  if (!netTransport.popInput(move)) return false;
  refreshCurrentHand(false);
  int action = fromWireAction(move.wireAction);
  if (!fitsInt16(move.a) || !fitsInt16(move.b)) {
    netTransport.log("Zug verworfen: Wert außerhalb des Bereichs (" + std::to_string(move.a) + ", " +
                     std::to_string(move.b) + ")");
    return true;
  }
  if (action == 1) {
    THand cards = c.gs.bl.selhand;
    if (!decodeHandText(move.cardText, cards) || !selectionHeldBySeat(cards, c.gs.akspieler)) {
      netTransport.log("Zug verworfen: Karten, die der Platz nicht hält");
      return true;
    }
    c.gs.bl.selhand = cards;
    if (c.gameId == gidCanasta) gameAreas.canastaClearPileFlag();
    gameAreas.rommeSelection() = c.gs.bl.selhand;
    gameAreas.canastaSelection() = c.gs.bl.selhand;
    c.submitAction(1, move.a, move.b, &cards, 0, true, false);
  } else {
    c.submitAction(action, move.a, move.b, nullptr, 0, true, false);
  }
  return true;
}

// A lost poker seat folds at once; the user's expired turn clock decides for the user.
void handleNetworkTimeouts(TCG& c) {
  if (!isNetGame()) return;
  bool reconnecting = netTransport.getReconnectKind() != 0;
  if (c.gameId == gidPoker && netTransport.isSeatLost(c.gs.akspieler, false, false) && !reconnecting) {
    c.submitAction(2, 0, c.gs.bl.optionValues[1], nullptr, 0, true);
  } else if (netTransport.clockRunning && netTransport.nextTurnClockWarning(false) == 100 &&
             !reconnecting && c.gs.akspieler == 1) {
    autoDecide(true);
  }
}

bool computerPlaysSeat(const TCG& c) {
  uint8_t kind = seatKindToAct(c);
  bool lostAndSilent = kind == seatKindNetwork && netTransport.isSeatLost(c.gs.akspieler, false, true) &&
                       netTransport.getReconnectKind() == 0;
  if (kind != seatKindComputer && !lostAndSilent) return false;
  return !isNetGame() || isGameMaster(netTransport) || (engineAutoPlay() && c.gs.akspieler == 1);
}

// The seat to act moves: its card-AI object, or the game's own computer player. Skat keeps
// what its player did to the stacks; every other game gets them back as they were.
void computerMove(TCG& c) {
  if (!computerPlaysSeat(c)) return;
  uint32_t now = getTickCount();
  if (c.gs.akspieler == 1 && tickDiff(now, decisionShownTick) <= uint32_t(2 * envParam.bubbleTime)) return;
  markStopwatch(4);
  snapshotStacks(c);
  stopwatchElapsed(4);
  markStopwatch(3);
  if (TAbstractCardAIImpl* ai = getCardAIByType(c.gameId))
    ai->play();
  else
    gameAIMove();
  stopwatchElapsed(3);
  const TGameCallbacks* t = registeredGameCallbacks(c.gameId);
  if (!(t && t->keepsStacksAroundAIMove)) restoreStacks(c);
}

// A learning case memory reads the seat to act's situation from the stacks as they stand.
void noteLearningSituation(TCG& c) {
  const TGameCallbacks* t = registeredGameCallbacks(c.gameId);
  if (!t || !t->situationWanted || !t->noteSituation || !t->situationWanted()) return;
  snapshotStacks(c);
  t->noteSituation();
}

void computerAndNetworkSection(TCG& c) {
  if (c.gs.msSinceStep < envParam.aiDelay || c.gs.awaitingAction != 2 || c.gs.tutorialMode) return;
  if (isNetGame() && !netTransport.clockRunning && c.gs.phase >= 2 && c.gs.akspieler == 1)
    netTransport.startTurnClock(0);
  noteLearningSituation(c);
  if (!takeNetworkMove(c)) handleNetworkTimeouts(c);
  computerMove(c);
}

// [SECTION] bubbles and the game step

void endBubble(TGameState& gs, int i) {
  gs.bubbleState[i] = 0;
  const TBubbleEntry& b = gs.bubbles[i];
  if (b.dialog >= 1 && b.element >= 1 && vtl.diags.valid(b.dialog) && b.element <= kMaxElements)
    setElementVisible(b.dialog, b.element, 0);
}

// A timed bubble ends after its duration, but not while its seat still speaks.
void endTimedBubbles(TGameState& gs, uint32_t now) {
  for (int i = 0; i <= bubbleSeats; i++) {
    if (gs.bubbleState[i] != 3) continue;
    const TBubbleEntry& b = gs.bubbles[i];
    bool over = engineFastMode() ||
                (tickDiff(now, b.startTick) > uint32_t(std::max(b.duration, 0)) && processVoiceQueue(i) == 0);
    if (over) endBubble(gs, i);
  }
  gs.anyBubble = 0;
  for (int i = bubbleSeats; i >= 0; i--)
    if (gs.bubbleState[i] != 0) {
      gs.anyBubble = gs.bubbleState[i];
      break;
    }
}

void updateStepClock(TCG& c, uint32_t now) {
  int32_t ms = clampedMs(tickDiff(now, c.gs.lastStepTick));
  if (c.gameId == gidPoker && humanEliminated()) ms = int32_t(std::nearbyint(double(ms) * pokerSpeedFactor()));
  c.gs.msSinceStep = ms;
}

bool stepMayRun(const TCG& c) {
  const TGameState& gs = c.gs;
  if (screenMode == 2 || enginePaused() || gs.voicePlaying != 0 || !chipAnimation.isIdle()) return false;
  // The tutorial's driver runs while an action is awaited too: it answers for the seats in
  // the tutorial, where the computer section stands still.
  if (gs.tutorialMode && !tutTick()) return false;
  return gs.awaitingAction == 0 && gs.anyBubble == 0 && gs.pendingMove == 0;
}

void runGameStep(TCG& c, uint32_t now) {
  c.gs.lastStepTick = now;
  // The card table may have moved meld cards since the last step.
  if (c.gs.meldTableInUse) meldTableRebuildFromSlots();
  markStopwatch(2);
  gameStepCall(c.gs);
  stopwatchElapsed(2);
  if (c.gs.akspieler == 1) c.lastPointerCode = 0;
}

bool tickIgnoresGame(TGameId id) {
  return id == gidSechsundsechzig || id == gidSiebzehnUndVier || id == gidGinRummy || id >= gidNone;
}

}  // namespace

// [SECTION] gameTick

void TCG::gameTick() {
  if (tickIgnoresGame(gameId)) return;
  computerAndNetworkSection(*this);
  processVoiceQueue(0);
  uint32_t now = getTickCount();
  endTimedBubbles(gs, now);
  updateStepClock(*this, now);
  gs.voicePlaying = processVoiceQueue(0) != 0 ? 1 : 0;
  if (stepMayRun(*this)) runGameStep(*this, now);
}

// [SECTION] submitAction

namespace {

bool actionAccepted(const TDecisionBlock& bl, int kind) {
  switch (kind) {
    case 0: return bl.cardsSelectable != 0;
    case 3: return bl.pilesSelectable != 0;
    case 2:
    case 4:
    case 6: return true;
    default: return false;  // kind 1 only carries cards; other kinds are unknown
  }
}

// Whether this machine sends the action to the others.
bool forwardsAction(const TCG& c) {
  if (c.gs.akspieler == 1) return true;
  if (!isGameMaster(netTransport)) return false;
  uint8_t kind = seatKindToAct(c);
  if (kind == seatKindComputer) return true;
  return kind == seatKindNetwork && netTransport.isSeatLost(c.gs.akspieler, false, true) &&
         netTransport.getReconnectKind() == 0;
}

}  // namespace

void TCG::submitAction(int kind, int32_t a, int32_t b, const THand* cards, int32_t, bool noForward,
                       bool keepTurnClock) {
  bool clockStays = gameId == gidCanasta && gs.bl.decisionKind == 82 && netTransport.clockRunning;
  if (!keepTurnClock && isNetGame() && !clockStays) netTransport.clockRunning = false;
  if (kind == 1 && cards) gs.bl.selhand = *cards;
  // A value that does not fit the action record is refused; a received move can carry one.
  if (!fitsInt16(a) || !fitsInt16(b)) {
    showAlert("ACHTUNG! submitAction: Wert außerhalb des Bereichs (" + std::to_string(a) + ", " +
              std::to_string(b) + ")");
    return;
  }
  // Whether and what goes to the others is settled before the game takes the action: the
  // cards are named by their place in the acting seat's hand as every machine sorts it.
  const bool forward = isNetGame() && !noForward && forwardsAction(*this);
  int32_t wireB = b;
  THand wireCards;  // read only when the move goes to the others
  if (forward) {
    wireCards = gs.bl.selhand;
    if (!moveToWirePositions(kind, a, wireB, wireCards)) netTransport.log("Zug nennt Karten, die der Platz nicht hält");
  }
  if (actionAccepted(gs.bl, kind)) {
    gs.awaitingAction = 0;
    gs.getBlender = TGetBlender{int16_t(a), int16_t(b), uint8_t(kind)};
    if (dlgInGame != 0) hideDialog(dlgInGame);
    gameAcceptAction(kind, a, b);
  }
  if (forward) netTransport.sendMove(kind, a, wireB, &wireCards);
}

// [SECTION] cardDone

void TCG::cardDone(int32_t stack, int32_t, int32_t slot, int32_t) {
  if (stack != gs.pendingStack || slot != gs.pendingSlot) return;
  if (stack >= 1 && stack <= stackCount) {
    TSpieler& s = sp[stack];
    // The move left its source slot empty: close every gap, looking at the same index again.
    for (int i = 1; i <= stackUsed(s);) {
      if (s.slots[i].card.t != 0) {
        i++;
        continue;
      }
      syncHandFromSlots(s);
      deleteCardAt(s.hand, i);
      syncSlotsFromHand(s);
    }
  }
  gs.pendingStack = 0;
  gs.pendingSlot = 0;
  gs.pendingMove = 0;
}
