// The light of one card: seat cards darken toward their v = 0 edge by their light factor,
// pile cards keep an even brightness, and a card the table wants shaded is darkened, made
// translucent or both as shadeMode says. The mirror image fades with the card's height over
// the table.
// [SECTION] alpha base and light factor
// [SECTION] vertex shade (pass 0)
// [SECTION] reflection (pass 4)
#include "table/card_shading.h"

#include <algorithm>

namespace {
constexpr int32_t kStock = 11, kTrick = 12, kDiscard = 13;
constexpr int32_t kLastSeatStack = 6;  // the reflection's seats
constexpr float kGradientTop = 1.08f;  // v at which the light gradient would reach full light

// Light-gradient strength by game with shadows off and on.
float gradientStrength(TGameId game, bool shadowsOn) {
  const bool rummy = game == gidRomme || game == gidCanasta;
  if (!shadowsOn) return rummy ? 0.15f : 0.25f;
  return rummy ? 0.12f : 0.2f;
}

float gradient(float v, float light, float strength) { return 1 - (kGradientTop - v) * light * strength; }
}  // namespace

// [SECTION] alpha base and light factor

float elementAlphaBase(bool elementVisible, float fade) { return elementVisible ? 0.6f + 0.4f * fade : 0.6f; }

TMeldTableShade meldTableAlphaBase(const TMeldTableShadeInput& in) {
  TMeldTableShade out{1, false};
  const bool endSteps = in.step == 9 || in.step == 10;
  if (in.shadeRequest) {
    out.alpha = in.partnerOfPrev ? 1 - 0.3f * in.turnFade : 0.7f;
  } else {
    out.alpha = 0.3f * in.turnFade + 0.7f;
    out.doubleReflection = in.reflectionPass && out.alpha < 1;
    if (in.partnerOfPrev && endSteps) out.alpha = 1;
  }
  if (endSteps && (in.stack2Gliding || in.screenMode != 1)) out.alpha = 1;
  return out;
}

float cardLightFactor(int32_t stack, bool moving, int32_t dstStack, float t, int32_t playerCount) {
  float light = stack <= playerCount ? 1.0f : 0.0f;
  if (!moving || stack <= 0 || dstStack == stack || dstStack == -stack) return light;
  // A card flying into a seat (or its layout copy) takes the light on; one leaving a seat sheds it.
  if (dstStack >= -playerCount && dstStack <= playerCount) return t;
  if (stack <= playerCount) return 1 - t;
  return light;
}

// [SECTION] vertex shade (pass 0)

bool blackjackFlipsShade(int32_t stack, bool movesToStock) { return stack == 1 ? movesToStock : !movesToStock; }

float vertexBrightness(const TBrightnessInput& in) {
  if (in.fullBrightness) return 1;
  if (!in.shadowsOn || in.effectsOff) return gradient(in.v, in.light, gradientStrength(in.game, false));
  if (in.game == gidBlackjack && in.stack <= in.playerCount) {
    if (in.stack == 1 && in.blackjackHoleCard) {
      if (in.backSide) return gradient(in.v, in.light, 0.22f);
      // The hole card's face is lit by its corner, not by the gradient.
      return std::min(std::max(0.8f - 0.1f * in.index - 3 * in.v + in.u, 0.1f), 0.95f);
    }
    return gradient(in.v, in.light, 0.3f);
  }
  if (in.game == gidPoker) {
    const float c = (kGradientTop - in.v) * in.light;
    const float strength = in.stack == 1 ? 0.3f : 0.22f;
    return 1 - c * c * strength / 38 * (in.grayLevel - 12);
  }
  return gradient(in.v, in.light, gradientStrength(in.game, true));
}

float cardOutputAlpha(TGameId game, bool tutorial, float alphaBase) {
  return game == gidSkat && !tutorial ? 1.28f * alphaBase - 0.22f : 1.0f;
}

TShadeColour vertexShade(const TVertexShadeInput& in) {
  float a = in.alphaBase;
  if (in.highlight && in.highlightStrength > 0) a = std::max(a, std::min(3 * in.highlightStrength, 1.0f));
  float b = in.brightness;
  const float alpha = cardOutputAlpha(in.game, in.tutorial, a);
  if (in.stack == kTrick) {
    const float r = 0.35f * (1 - in.u) + 0.65f * in.v;
    if (in.game == gidSkat || in.game == gidHearts)
      b = b * r * 0.5f + (b + r) * 0.1f + 0.4f;
    else
      b = b * r * 0.4f + (b + r) * 0.1f + 0.55f;
    b *= 0.1f + alpha;
    return {b, b, b, alpha};
  }
  if (in.stack == 1) {
    float r = 0.35f * (1 - in.u) + 0.65f * in.v;
    if (in.movesToPile) r += 0.45f * in.t + 0.2f;
    b = b * r * 1.2f - 0.4f + (b + r) * 0.1f;
    // The tutorial's phase 9 keeps the hand readable.
    if (!in.movesToPile && in.tutorial && in.phase == 9 && b < 0.5f) b = std::max(1.1f * b + 0.05f, 0.4f);
    b *= 0.1f + alpha;
    return {b, b, b, alpha};
  }
  if (in.shadeMode == 2 || a >= 1) {
    const float dark = 1 - (1 - a) * 1.35f;
    b = b * dark * 0.8f + (b + dark) * 0.1f;
    return {b, b, b, 1};
  }
  if (in.shadeMode == 3) return {b, b, b, a};
  b = b * a * 0.8f + (b + a) * 0.1f;
  return {b, b, b, b};
}

// [SECTION] reflection (pass 4)

TReflectionAlphas cardReflectionAlphas(const TReflectionInput& in) {
  // A fade height of 0 (no param.txt yet, or "ref_weg=00") would divide by zero.
  const float fadeHeight = static_cast<float>(std::max(in.reflectionOff, 1));
  const float d = (in.z - in.y) / fadeHeight / 2.4f;
  const bool seat = in.stack <= kLastSeatStack;
  float w = seat ? 1.0f : 0.0f;
  if (in.moving && in.dstStack != -in.stack) w = seat ? 1 - in.t : in.t;
  TReflectionAlphas out{1 - d - w, 1 - d};
  if (out.top < 0.2f) out.top = std::min(1 - d / 1.5f - w, 0.2f);
  if (out.bottom < 0.2f) out.bottom = std::min(1 - d / 1.5f, 0.2f);
  out.top = std::max(out.top, 0.1f);
  out.bottom = std::max(out.bottom, 0.1f);
  if (in.moving && in.dstStack == kTrick && seat) {
    out.top *= in.t;
    out.bottom *= in.t;
  }
  if (in.stack == kTrick && in.animType == 4) {
    out.top *= 0.6f;
    out.bottom *= 0.6f;
  }
  return out;
}

float reflectionVertexAlpha(const TReflectionAlphas& alphas, float v, int32_t reflection, bool doubleReflection) {
  const float g = reflection / 99.0f;
  float a = g * alphas.top * v + g * alphas.bottom * (1 - v);
  if (doubleReflection) a = 2 * a - 1;
  return std::max(a, 0.0f);
}

float limitReflectionAlpha(float a, float v, const TReflectionLimitInput& in) {
  const bool toTrick = in.stack == kTrick || (in.moving && in.dstStack == kTrick);
  switch (in.game) {
    case gidSkat:
      if (!toTrick) a = std::min(0.8f * a, 0.3f);
      else if (in.firstTrickCard) a = std::min(0.3f * a - 0.28f * v, 0.2f - 0.18f * v);
      else a = std::min(0.22f * a - 0.28f * v, 0.13f - 0.18f * v);
      break;
    case gidBlackjack:
      a = std::min(a, 0.4f);
      if (in.stack == 1) a = std::min(a, 0.08f);
      if (in.stack == kDiscard || (in.stack == kStock && in.moving && in.dstStack == kDiscard)) a *= 0.7f;
      break;
    case gidSchnapsen:
      if (in.stack == kStock) a = std::min(a, 0.3f);
      break;
    case gidMauMau:
      if (in.stack == kTrick) a = std::min(a, 0.3f);
      break;
    case gidGoFish:
    case gidOldMaid:
      if (toTrick) a = std::min(a, 0.08f);
      break;
    default:
      break;
  }
  if (in.moving && in.dstStack == -1) a = std::min(a, 0.1f);
  return a;
}

float canastaSideReflectionAlpha(float v, bool highlight, float highlightStrength) {
  float a = std::min(1 - v - 0.05f, 0.25f);
  if (highlight) a -= 0.12f * highlightStrength;
  return a;
}
