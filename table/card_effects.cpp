// Per-game card effects: Blackjack tilts face-down cards of a hand toward their owner (the
// user's always, another seat's while its turn mark shows), so a card dealt face down tilts
// as it arrives and one leaving for the shoe straightens as it goes.
#include "table/card_effects.h"

#include <algorithm>

#include "core/cg.h"
#include "shell/game_dialogs.h"
#include "shell/shell_globals.h"
#include "table/card_light.h"
#include "table/move_queue.h"
#include "table/table_game_hooks.h"

// [SECTION] Blackjack's hand tilt

TCardTilt blackjackTiltOffsets(int32_t seat, int32_t j, float f, float s, bool hidden, bool is17und4) {
  TCardTilt o;
  if (seat == 1) {
    o.y = 110 * f;
    o.z = 155 * f - 40 * f * (1 - s);
    o.rotX = -38.5f * f - 40 * f * (1 - s);
    o.bend = (hidden ? -13 : -12) * f;
    return o;
  }
  if (is17und4) {
    o.y = -150 * f + 30 * f * j * (3 * (1 - s) + 1);
    o.z = -63 * f;
    o.rotX = 28 * f;
    o.bend = -9.6f * f;
  } else {
    const float g = 1 - f;
    o.y = -205 * (1 - g * g) * s * s;
    o.z = -63 * f - 30 * f * (1 - s);
    o.rotX = 24 * f + 30 * f * (1 - s);
    o.bend = (hidden ? -10.9f : -10.3f) * f;
  }
  o.z += (1 - s) * f * 50 * (0.02f * j + 0.8f);
  o.y -= 50 * f * ((1 - s) + 0.05f) * (6 - j);
  return o;
}

namespace {

float turnMarkFade(int32_t seat) {
  return seat >= 1 && seat <= tableSeatSlots ? panelElementFade(elTurnMarker[seat]) : 0.0f;
}

bool pendingKindArcOrFan(const TCardSlot& c) {
  if (c.queueIndex < 1 || c.queueIndex > pendingMoveCount) return false;
  const uint8_t kind = pendingMoves[c.queueIndex].kind;
  return kind == moveArc || kind == moveFan;
}

}  // namespace

TBlackjackTilt blackjackHandTilt(int32_t stack, int32_t index) {
  TBlackjackTilt r;
  if (cg.gameId != gidBlackjack || stack < 1 || stack > stackCount || index < 1 || index > sp[stack].count)
    return r;
  const TCardSlot& c = sp[stack].slots[index];
  // The card on its way: the seat it leaves or reaches, and how far it is.
  int32_t seat = 0;
  bool hidden = false;
  float t = 0;
  if (stack <= playerCount && c.moving && (c.dstStack == 11 || pendingKindArcOrFan(c))) {
    seat = stack;
    hidden = !gameCardFaceUp(stack, index) || c.animType == 6;
    t = 1 - c.t;
  } else if (stack == 11 && c.moving) {
    seat = std::abs(c.dstStack);
    if (seat >= 1 && seat <= playerCount) {
      hidden = !gameCardFaceUp(seat, c.dstIndex);
      t = c.t;
    }
  }
  if (gameCardFaceUp(stack, index) && !hidden) return r;
  const int32_t dealer = blackjackDealerSeat();
  const TGameState& gs = cg.gs;
  float f = 0;
  if (hidden) {
    if (seat == 1) f = t;
    else if (!(gs.step >= 10 && gs.subState != 6 && seat != dealer)) f = t * turnMarkFade(seat);
  } else if (stack == 1) {
    f = 1;
  } else if (stack >= 2 && stack <= playerCount && gs.phase == 4 && (gs.step < 10 || gs.subState == 6)) {
    f = turnMarkFade(stack);
  }
  const float s = gs.tableScale > 0 ? gs.tableScale : 1;
  f *= s;
  if (gameAllPlayersDone() && stack == dealer) f = 0;
  const int32_t tiltSeat = hidden ? seat : stack, j = hidden ? c.dstIndex : index;
  r.offsets = blackjackTiltOffsets(tiltSeat, j, f, s, hidden, blackjackIs17und4());
  r.onFlight = hidden && c.moving;
  return r;
}

// [SECTION] the meld table and the highlights

void takeMeldTablePlace(int32_t stack, int32_t index) {
  if (stack != 12 || cg.gs.meldTableInUse == 0 || index < 1 || index > sp[12].count) return;
  TCardSlot& c = sp[12].slots[index];
  meldTableCardTarget(c.meldNo, c.meldPos, index, 0, c);
}

void applyCardHighlight(int32_t, int32_t, bool& highlight, float& strength) {
  // Poker's best hand and the meld games' highlight come with those games; until then no card
  // is highlighted.
  highlight = false;
  strength = 0;
}

// [SECTION] labels

void drawCardLabels(int32_t, int32_t, bool) {
  // Only games not built yet write on their cards.
}
