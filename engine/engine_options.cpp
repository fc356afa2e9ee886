// The engine's option values, the colour-text parser, and reading the options from the two
// engine dialogs.
// [SECTION] defaults and colours
// [SECTION] reading
// [SECTION] fall-back
#include "engine/engine_options.h"

#include <string>

#include "engine/window_shape.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_form.h"
#include "engine/number_text.h"
#include "engine/window_sizes.h"

TVTLOptions appopt;
TVTLReadGLCapsFn readGLCapabilitiesHook = nullptr;

namespace {
// Defaults of the engine constructor.
constexpr const char* kDefaultTextColour = "99999999";
constexpr const char* kDefaultFrameColour1 = "00354570";
constexpr const char* kDefaultFrameColour2 = "00003380";

// The fall-back settings when the options cannot be read.
constexpr int32_t kFallbackSpeeds[3] = {550, 250, 50};
constexpr TVTLColour kWhite = {1.0f, 1.0f, 1.0f, 1.0f};
constexpr float kFallbackFrame = 50.0f / 99.0f;
constexpr const char* kFallbackVitrelFolder = "data\\vitrel";

constexpr int32_t kDetailExtreme = 6;  // "Extrem hoch", stored as 5
constexpr int32_t kVolumeSteps = 7;    // level = 7 - shown entry
constexpr int32_t kTextureFilterLinear = 3;
constexpr int32_t kStandardDetail = 2;
}  // namespace

// [SECTION] defaults and colours

void resetEngineOptions() {
  appopt = TVTLOptions{};
  appopt.fontName = "Arial";
  appopt.textColour = parseColour(kDefaultTextColour);
  appopt.focusColour = parseColour(kDefaultTextColour);
  appopt.disabledColour = parseColour(kDefaultTextColour);
  appopt.frameColours[1] = parseColour(kDefaultFrameColour1);
  appopt.frameColours[2] = parseColour(kDefaultFrameColour2);
}

TVTLColour parseColour(std::string_view text) {
  std::string t(text);
  while (t.size() < 8) t += '0';
  float c[4];
  for (int i = 0; i < 4; ++i) c[i] = float(strToInt(std::string_view(t).substr(size_t(2 * i), 2))) / 99.0f;
  return TVTLColour{c[0], c[1], c[2], c[3]};
}

// [SECTION] reading

namespace {
int32_t optDialog() { return appopt.opt.dialog; }
int32_t grafDialog() { return appopt.di_vtlgrafik; }

int32_t shownEntry(int32_t dialog, int32_t element) { return getTopIndex(dialog, element); }
bool isChecked(int32_t dialog, int32_t element) { return getElementChecked(dialog, element) != 0; }

TVTLColour colourOf(int32_t element) { return parseColour(elementOf(optDialog(), element).caption.view()); }

// Steps 1 to 5: the engine options dialog.
void readEngineDialogOptions() {
  const int32_t d = optDialog();
  const TVTLOptionsDialogNumbers& n = appopt.opt;
  for (int i = 1; i <= 3; ++i) appopt.rotationSpeeds[i] = strToInt(getElementTextOrZero(d, n.speedEdits[i], true));
  appopt.fontName = getElementText(d, n.fontEdit);
  appopt.textColour = colourOf(n.textColourEdit);
  appopt.focusColour = colourOf(n.focusColourEdit);
  appopt.disabledColour = colourOf(n.disabledColourEdit);
  for (int i = 1; i <= 4; ++i) appopt.frameColours[i] = colourOf(n.frameColourEdits[i]);
  appopt.elementColour = colourOf(n.elementColourEdit);
  appopt.windowStyle = shownEntry(d, n.windowStyleSelector);
  appopt.highlightStyle = shownEntry(d, n.highlightSelector);
  const std::string spacing = getElementText(d, n.spacingEdit);
  if (spacing.size() >= 3) strToInt(spacing);  // only checked: a bad number is a failure
  appopt.textSpacing = 1.1f;
}

// Step 6: the effect check boxes, soft shadows only with auxiliary buffers.
void readEffectOptions() {
  const int32_t d = grafDialog();
  const TVTLGraphicsDialogNumbers& g = appopt.graf;
  appopt.shadows = isChecked(d, g.shadowCheck);
  appopt.reflection = isChecked(d, g.reflectionCheck);
  setElementEnabled(d, g.softShadowCheck, appopt.shadows && !vtl.noAuxBuffers ? 1 : 0);
  if (vtl.noAuxBuffers) setElementChecked(d, g.softShadowCheck, 0);
  appopt.softShadows = isChecked(d, g.softShadowCheck);
}

void run16BitCheck() {
  if (appopt.test16Bit == 1) checkGraphicsOptions(appopt.colourBits);
}

// Steps 7 and 8: display, detail, volumes and music; `clampDetail` stores "Extrem hoch" as 5.
void readDisplayOptions(bool clampDetail) {
  const int32_t d = grafDialog();
  const TVTLGraphicsDialogNumbers& g = appopt.graf;
  appopt.fullScreen = isChecked(d, g.fullCheck);
  appopt.windowSize = shownEntry(d, g.windowSizeSelector);
  appopt.fullScreenMode = shownEntry(d, g.i_g_lbfull);
  appopt.textAccuracy = shownEntry(d, g.textureSelector);
  if (appopt.textAccuracy == 0) appopt.textAccuracy = 1;
  appopt.detailLevel = shownEntry(d, g.detailSelector);
  if (clampDetail && appopt.detailLevel == kDetailExtreme) appopt.detailLevel = 5;
  appopt.textureFilterChoice = kTextureFilterLinear;
  appopt.speechLevel = kVolumeSteps - shownEntry(d, g.speechSelector);
  appopt.effectsLevel = kVolumeSteps - shownEntry(d, g.soundSelector);
  appopt.musicLevel = kVolumeSteps - shownEntry(d, g.musicSelector);
  appopt.musicTitle = shownEntry(d, g.musicTitleSelector);
  appopt.displayModeCode = appopt.textAccuracy + 2 * appopt.windowSize + 10 * appopt.fullScreenMode;
  if (appopt.fullScreen) appopt.displayModeCode *= 2;
  appopt.textureCode = appopt.textAccuracy + (appopt.fullScreen ? 100 : 0);
}

int32_t volumeSum(int32_t music, int32_t speech, int32_t effects) { return music + 10 * speech + 100 * effects; }

// Steps 9 and 10: the apply button, then the applied copies.
void updateApplyButton(bool apply) {
  TVTLOptions& o = appopt;
  bool changed = o.displayModeCode != o.appliedDisplayModeCode || o.musicTitle != o.appliedMusicTitle ||
                 volumeSum(o.musicLevel, o.speechLevel, o.effectsLevel) !=
                     volumeSum(o.appliedMusicLevel, o.appliedSpeechLevel, o.appliedEffectsLevel);
  setElementEnabled(grafDialog(), o.graf.applyButton, changed ? 1 : 0);
  if (apply) {
    o.appliedDisplayModeCode = o.displayModeCode;
    o.appliedMusicTitle = o.musicTitle;
    o.appliedSpeechLevel = o.speechLevel;
    o.appliedEffectsLevel = o.effectsLevel;
    o.appliedMusicLevel = o.musicLevel;
  }
  // A selector showing no size (entry 0) names no width to compare.
  if (!o.fullScreen && windowSizes.inRange(o.windowSize) && windowSizes[o.windowSize].width != aspectState.windowWidth)
    setElementEnabled(grafDialog(), o.graf.applyButton, 1);
}

void setEffectLevel(int32_t level) {
  appopt.effectLevelLow = level <= 1;
  appopt.effectLevelMedium = level <= 2;
}

void readOptionsNormally(bool apply) {
  readEngineDialogOptions();
  readEffectOptions();
  run16BitCheck();
  readDisplayOptions(true);
  updateApplyButton(apply);
  setEffectLevel(shownEntry(grafDialog(), appopt.graf.detailSelector) == kDetailExtreme ? 3 : 2);
  if (vtl.engineState == esRunning && readGLCapabilitiesHook) readGLCapabilitiesHook(false);
  appopt.textAccuracy = kStandardDetail;
  appopt.textureQuality = kStandardDetail;
}

// [SECTION] fall-back

void readOptionsFallback(bool apply) {
  for (int i = 1; i <= 3; ++i) appopt.rotationSpeeds[i] = kFallbackSpeeds[i - 1];
  appopt.fontName = "Arial";
  appopt.textColour = appopt.focusColour = appopt.disabledColour = kWhite;
  appopt.frameColours[1] = appopt.frameColours[2] = TVTLColour{kFallbackFrame, kFallbackFrame, kFallbackFrame, kFallbackFrame};
  appopt.vitrelFolder = kFallbackVitrelFolder;
  appopt.textSpacing = 1.0f;
  appopt.shadows = appopt.softShadows = appopt.reflection = false;
  run16BitCheck();
  readDisplayOptions(false);
  updateApplyButton(apply);
  setEffectLevel(shownEntry(grafDialog(), appopt.graf.effectsDetailSelector));
}
}  // namespace

void readOptions(bool apply) {
  try {
    readOptionsNormally(apply);
  } catch (const std::exception&) {
    readOptionsFallback(apply);
  }
}

void checkGraphicsOptions(int32_t colourBits) {
  const int32_t d = grafDialog();
  const TVTLGraphicsDialogNumbers& g = appopt.graf;
  if (colourBits > 31) {
    setElementEnabled(d, g.shadowCheck, 1);
    setElementEnabled(d, g.reflectionCheck, 1);
    setElementEnabled(d, g.softShadowCheck, isChecked(d, g.shadowCheck) && !vtl.noAuxBuffers ? 1 : 0);
    appopt.shadows = isChecked(d, g.shadowCheck);
    appopt.softShadows = isChecked(d, g.softShadowCheck);
    appopt.reflection = isChecked(d, g.reflectionCheck);
    return;
  }
  appopt.shadows = appopt.softShadows = appopt.reflection = false;
  for (int32_t e : {g.shadowCheck, g.reflectionCheck, g.softShadowCheck}) setElementEnabled(d, e, 0);
}

namespace {
// The options exist with their defaults before anything reads them.
struct OptionDefaults {
  OptionDefaults() { resetEngineOptions(); }
} optionDefaults;
}  // namespace
