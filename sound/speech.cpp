// say: the seat's speech bubble and its voice.
#include "sound/speech.h"

#include <cmath>

#include "core/cg.h"
#include "core/engine_switches.h"
#include "engine/elements.h"
#include "engine/engine_services.h"
#include "games/casino/chips.h"
#include "platform/tick.h"
#include "shell/env_param.h"
#include "shell/game_dialogs.h"
#include "sound/sound_services.h"

namespace {

int32_t bubbleElement(int32_t seat) {
  return dlgIPanel != 0 && seat >= 1 && seat <= tableSeatSlots ? elSpeechBubble[seat] : 0;
}

void showBubbleText(int32_t element, const std::string& text) {
  if (element < 1) return;
  setElementText(dlgIPanel, element, text, 0);
  setElementVisible(dlgIPanel, element, 1);
}

void queueVoice(int32_t kind) {
  if (kind >= 10 && kind <= 43) logNotAvailable("voice catalogue");
  if (kind == 1 || kind == 4 || kind == 100 || kind == 101 || (kind >= 10 && kind <= 43)) logNotAvailable("voice samples");
}

}  // namespace

void say(const std::string& text, int32_t seat, int32_t kind, bool keep) {
  if (seat < 0 || seat > bubbleSeats) {
    trace("say: no seat " + std::to_string(seat));
    return;
  }
  bool heldBack = false;
  if (kind >= 1) {
    // A voice still speaking holds the bubble back until its own sample starts.
    heldBack = processVoiceQueue(0) != 0;
    queueVoice(kind);
  }
  if (heldBack || engineFastMode()) return;
  TGameState& gs = cg.gs;
  const std::string bubble = "?" + text;
  const int32_t element = bubbleElement(seat);
  showBubbleText(element, bubble);
  gs.commentCount++;
  TBubbleEntry& timing = gs.bubbles[seat];
  if (gs.bubbleState[seat] != 0 && timing.dialog >= 1) {
    // The old bubble goes first, so the new text fades in afresh.
    if (timing.element >= 1) setElementVisible(timing.dialog, timing.element, 0);
    showBubbleText(element, bubble);
  }
  gs.bubbleState[seat] = 3;
  timing.startTick = getTickCount();
  timing.duration = humanEliminated() ? int32_t(std::lround(envParam.bubbleTime / pokerSpeedFactor())) : envParam.bubbleTime;
  timing.dialog = int16_t(dlgIPanel);
  timing.element = int16_t(keep ? 0 : element);
  if (cg.gameId == gidBlackjack) logNotAvailable("Blackjack seat speech");
}
