// The light of one card: the alpha base of a shaded card (from the in-game panel's button
// that stands for it, or the meld table's turn), the light factor, and per vertex the shade
// of the visible pass or the alpha of the mirror image.
#include "table/card_light.h"

#include "core/cg.h"
#include "engine/elements.h"
#include "engine/engine_form.h"
#include "engine/engine_options.h"
#include "shell/env_param.h"
#include "shell/game_dialogs.h"
#include "shell/shell_globals.h"
#include "shell/shell_state.h"
#include "table/picking.h"
#include "table/stack_ops.h"
#include "table/table_game_hooks.h"
#include "table/table_questions.h"

bool panelElementVisible(int32_t e) { return dlgIPanel != 0 && e > 0 && isElementVisible(dlgIPanel, e); }
float panelElementFade(int32_t e) { return dlgIPanel != 0 && e > 0 ? getElementFade(dlgIPanel, e) : 0.0f; }

namespace {

constexpr int32_t kStock = 11, kTrick = 12, kDiscard = 13;

float meldTableAlpha(int32_t index, bool shadeRequest, int32_t pass, bool& doubleReflection) {
  const int32_t seat = cg.gs.akspieler;
  const int32_t marker = seat >= 1 && seat <= tableSeatSlots ? elTurnMarker[seat] : 0;
  TMeldTableShadeInput in{};
  in.shadeRequest = shadeRequest;
  in.partnerOfPrev = meldTableOwnerPartnersPrevSeat(index);
  in.turnFade = panelElementFade(marker);
  in.step = cg.gs.step;
  in.reflectionPass = pass == 4;
  in.stack2Gliding = sp[2].gliding != 0;
  in.screenMode = screenMode;
  const TMeldTableShade shade = meldTableAlphaBase(in);
  doubleReflection = shade.doubleReflection;
  return shade.alpha;
}

// The alpha base A: the meld table's turn shade, else the shade request through the panel
// button that stands for the card.
float alphaBase(int32_t pass, int32_t stack, int32_t index, bool shadeRequest, bool& doubleReflection) {
  if (stack == kTrick && cg.gs.meldTableInUse != 0 && cg.gs.phase == 4 && shadesUnplayableCards(kTrick))
    return meldTableAlpha(index, shadeRequest, pass, doubleReflection);
  if (!shadeRequest || (stack == 1 && cg.gameId == gidCanasta)) return 1;
  int32_t e;
  if (cg.gameId == gidPoker) e = handCardElement(stack);
  else if (stack == kStock) e = elTableHotspot;
  else if (index > 0) e = handCardElement(index);
  else return 1;
  return elementAlphaBase(panelElementVisible(e), panelElementFade(e));
}

bool movesTo(const TCardSlot& c, int32_t target) { return c.moving && c.dstStack == target; }

}  // namespace

TCardLight cardLight(int32_t pass, int32_t stack, int32_t index, bool backSide, const TCardPose& pose,
                     bool shadeRequest) {
  TCardLight l;
  l.pass = pass;
  l.stack = stack;
  l.index = index;
  l.backSide = backSide;
  if (stack > 0 && index > 0) getCardRecord(stack, index, 0, l.slot);
  const TCardSlot& c = l.slot;
  l.alphaBase = alphaBase(pass, stack, index, shadeRequest, l.doubleReflection);
  l.light = cardLightFactor(stack, c.moving != 0, c.dstStack, c.t, playerCount);
  if (pass == 4) {
    l.reflection = cardReflectionAlphas(
        {pose.z, pose.y, envParam.reflectionOff, stack, c.moving != 0, c.dstStack, c.t, c.animType});
    if (cg.gameId == gidSkat) l.firstTrickCard = !isNoCard(c.card) && cardsEqual(c.card, gameLedTrickCard());
  }
  return l;
}

TShadeColour cardVertexColour(const TCardLight& l, float u, float v) {
  const TCardSlot& c = l.slot;
  const bool moving = c.moving != 0;
  if (l.pass == 4) {
    float a;
    if (isCanastaSideView() && l.stack == kTrick) {
      a = canastaSideReflectionAlpha(v, l.highlight, l.highlightStrength);
    } else {
      a = reflectionVertexAlpha(l.reflection, v, envParam.reflection, l.doubleReflection);
      a = limitReflectionAlpha(a, v, {cg.gameId, l.stack, moving, c.dstStack, l.firstTrickCard});
    }
    return {1, 1, 1, a};
  }
  if (l.pass != 0) return {1, 1, 1, 1};
  TBrightnessInput b{};
  b.game = cg.gameId;
  b.stack = l.stack;
  b.playerCount = playerCount;
  b.light = l.light;
  b.u = u;
  b.v = v;
  if (cg.gameId == gidBlackjack && l.stack >= 1 && l.stack <= playerCount &&
      blackjackFlipsShade(l.stack, movesTo(c, kStock))) {
    b.u = 1 - u;
    b.v = 1 - v;
  }
  b.shadowsOn = appopt.shadows;
  b.effectsOff = vtl.developerSwitch4;
  b.fullBrightness = vtl.developerSwitch5;
  b.grayLevel = envParam.grayLevel;
  b.blackjackHoleCard = cg.gameId == gidBlackjack && l.stack == 1 && !gameCardFaceUp(1, l.index);
  b.backSide = l.backSide;
  b.index = l.index;
  TVertexShadeInput s{};
  s.game = cg.gameId;
  s.stack = l.stack;
  s.shadeMode = envParam.shadeMode;
  s.brightness = vertexBrightness(b);
  s.alphaBase = l.alphaBase;
  s.u = u;
  s.v = v;
  s.highlight = l.highlight;
  s.highlightStrength = l.highlightStrength;
  s.tutorial = cg.gs.tutorialMode != 0;
  s.phase = cg.gs.phase;
  s.movesToPile = moving && c.dstStack >= kStock && c.dstStack <= kDiscard;
  s.t = c.t;
  return vertexShade(s);
}
