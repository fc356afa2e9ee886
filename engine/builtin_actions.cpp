// The engine's built-in actions of window buttons and of its own dialogs.
// [SECTION] textures
// [SECTION] window buttons
// [SECTION] graphics dialog
// [SECTION] options dialog
// [SECTION] dispatch
#include "engine/builtin_actions.h"

#include <string>

#include "engine/dialogs.h"
#include "engine/display_modes.h"
#include "engine/elements.h"
#include "engine/engine_events.h"
#include "engine/engine_form.h"
#include "engine/engine_options.h"
#include "engine/engine_services.h"
#include "engine/frame_rate.h"
#include "engine/gl_context.h"
#include "engine/message_box.h"
#include "engine/picture_primitives.h"
#include "engine/range_check.h"
#include "engine/screen_modes.h"
#include "engine/window_form.h"
#include "engine/window_shape.h"
#include "engine/window_sizes.h"
#include "platform/tick.h"
#include "platform/window.h"
#include "sound/music_control.h"

// [SECTION] textures

namespace {
// The engine textures again in the chosen quality; the texture code they were loaded with is
// what "Zurück" and "Änderungen übernehmen" compare with.
void reloadEngineTextures() {
  loadEngineTextures(appopt.vitrelFolder);
  appopt.appliedTextureCode = appopt.textureCode;
}

constexpr int32_t kMinimizePauseExtraMs = 500;  // the game holds still this much longer after a minimise

// [SECTION] window buttons

void minimizeWindow() {
  if (frameClock.inactiveFrames == 0) {
    frameRateSaveState(getTickCount());
    if (!vtl.developerMode && !vtl.keepRunningInBackground) vtlInfo.enginePaused = true;
    frameClock.enginePauseExtra = kMinimizePauseExtraMs;
    frameClock.inactiveFrames = 1;
  }
  winMinimize();
}

int32_t snapped(int32_t start, int32_t size, int32_t screen) {
  if (start >= -kSnapDistance && start <= kSnapDistance) start = 0;
  const int32_t end = start + size;
  if (end >= screen - kSnapDistance && end <= screen + kSnapDistance) start = screen - size;
  return start;
}
}  // namespace

void snapWindowToScreen() {
  readScreenSize();
  const WindowRect r = winRect();
  const int32_t left = snapped(r.left, r.width, aspectState.screenWidth);
  const int32_t top = snapped(r.top, r.height, aspectState.screenHeight);
  winSetPosition(left, top);
  const int32_t d = appopt.opt.dialog;
  if (d <= 0) return;
  setElementText(d, appopt.opt.leftLabel, std::to_string(left), 0);
  setElementText(d, appopt.opt.topLabel, std::to_string(top), 0);
}

void windowButtonAction(int32_t d, int32_t n) {
  switch (elementOf(d, n).subKind) {
    case skMoveHandle: snapWindowToScreen(); break;
    case skMinimize: minimizeWindow(); break;
    case skClose: requestClose(); break;
    case skHelpSwitch: vtl.helpLineOption = !vtl.helpLineOption; break;
    default: break;
  }
}

// [SECTION] graphics dialog

namespace {
// The window in the chosen window size, 4:3 by its height. A size number outside the list (a
// damaged vtlgraph.dco) leaves the window as it is.
void applyChosenWindowSize() {
  if (!windowSizes.inRange(appopt.windowSize)) return;
  const int32_t height = windowSizes[appopt.windowSize].height;
  winSetSize(roundEven(height / 3.0 * 4), height);
  applyScreenSettings();
}

void graphicsBack() {
  closeDialog(appopt.di_vtlgrafik);
  sendEngineEvent(evSettingsApplied, evSettingsApplied);
  if (!appopt.fullScreen && appopt.textureCode == appopt.appliedTextureCode) applyChosenWindowSize();
}

// Full screen in the chosen mode; a mode number outside the list leaves the window as it is.
void applyFullScreen() {
  if (appopt.fullScreenMode < 1 || appopt.fullScreenMode > fullscr.resolutionscount) {
    sendEngineEvent(evSettingsApplied, evSettingsApplied);
    return;
  }
  pauseMusic();
  changeScreenMode(-1, true);
  resumeMusicIfActive();
  sendEngineEvent(evSettingsReload, evSettingsReload);
}

void applyWindowChoice() {
  readOptions(false);
  applyChosenWindowSize();
  if (appopt.textureCode == appopt.appliedTextureCode) {
    sendEngineEvent(evSettingsApplied, evSettingsApplied);
    return;
  }
  reloadEngineTextures();
  sendEngineEvent(evSettingsReload, evSettingsReload);
}

// "Änderungen übernehmen": a new display mode is switched to, anything else is only applied.
void graphicsApply() {
  vtl.presetMode = 2;
  const bool changed = appopt.displayModeCode != appopt.appliedDisplayModeCode;
  appopt.appliedDisplayModeCode = appopt.displayModeCode;
  readOptions(true);
  if (!changed) {
    sendEngineEvent(evSettingsApplied, evSettingsApplied);
    return;
  }
  if (appopt.fullScreen)
    applyFullScreen();
  else
    applyWindowChoice();
}

// [SECTION] options dialog

void refreshEngineOptions() {
  saveEngineDialogs();
  if (appopt.displayModeCode == appopt.appliedDisplayModeCode) return;
  initGL();
  reloadEngineTextures();
  applyWindowOptions();
}

void optionsDialogAction(int32_t d, int32_t n) {
  const TVTLOptionsDialogNumbers& o = appopt.opt;
  if (n == o.pageButtons[1]) selectPage(d, o.pageGroup, 1);
  if (n == o.pageButtons[2]) selectPage(d, o.pageGroup, 2);
  if (n == o.backButton) closeDialog(d);
  if (n == o.glInfoButton) showGLInfo();
  if (n == o.graphicsButton && appopt.di_vtlgrafik > 0) openDialog(appopt.di_vtlgrafik);
  if (n == o.refreshButton) refreshEngineOptions();
}
}  // namespace

// [SECTION] dispatch

void engineDialogAction(int32_t d, int32_t n) {
  if (messageDialogAction(d, n)) return;
  if (d == appopt.di_vtlgrafik && d > 0) {
    if (n == appopt.graf.backButton && n > 0) graphicsBack();
    if (n == appopt.graf.applyButton && n > 0) graphicsApply();
    return;
  }
  if (d == appopt.opt.dialog && d > 0 && n > 0) optionsDialogAction(d, n);
}
