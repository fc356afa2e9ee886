// Keyboard input of the engine: the message hook, the keyboard navigation, the form's key-down
// hook with the developer keys, and the application hooks.
// [SECTION] helpers
// [SECTION] message hook
// [SECTION] navigation
// [SECTION] form key-down
// [SECTION] application hooks
#include "engine/keyboard_input.h"

#include <string_view>

#include "engine/dialogs.h"
#include "engine/element_activation.h"
#include "engine/element_behaviour.h"
#include "engine/elements.h"
#include "engine/engine_events.h"
#include "engine/engine_form.h"
#include "engine/engine_options.h"
#include "engine/focus.h"
#include "engine/frame_rate.h"
#include "engine/texts.h"
#include "engine/typing.h"
#include "platform/window_keys.h"
#include "sound/music_control.h"

// [SECTION] helpers

namespace {
constexpr size_t kTypedWordLength = 3;
constexpr std::string_view kFpsWord = "QZR";  // typed anywhere, switches the frame-rate display
constexpr int32_t kLastCameraMode = 3;

// The typing element of dialog d, 0 when there is none or its number lies outside the dialog.
int32_t typingElementOf(int32_t d) {
  if (!vtl.diags.valid(d)) return 0;
  const TVTLDialog& dlg = vtl.diags[d];
  return dlg.typingElement >= 1 && dlg.typingElement <= dlg.count ? dlg.typingElement : 0;
}

bool elementInDialog(int32_t d, int32_t e) { return vtl.diags.valid(d) && e >= 1 && e <= vtl.diags[d].count; }

bool isNavigationKey(int32_t key) {
  switch (key) {
    case kVkTab: case kVkReturn: case kVkSpace: case kVkLeft: case kVkUp: case kVkRight: case kVkDown:
      return true;
    default:
      return false;
  }
}
}  // namespace

// [SECTION] message hook

void appMessage(const WinEvent& m) {
  switch (m.kind) {
    case WinEventKind::deactivate:
      // A full-screen display stays switched while another program has the input: get out of
      // its way.
      if (!winIsActive() && vtl.inFullScreen && !vtl.formMinimized) winMinimize();
      break;
    case WinEventKind::character: {
      const int32_t e = typingElementOf(vtl.keyDialog);
      if (e != 0) typeIntoElement(vtl.keyDialog, e, m.key, false, TVTLTypeSource::character);
      break;
    }
    case WinEventKind::keyDown:
      vtl.keyHandled = false;
      sendEngineEvent(evKey, m.key);
      if (!vtl.keyHandled) navigateKey(m.key, (m.shift & kShiftKey) != 0);
      break;
    case WinEventKind::keyUp:
      if (vtl.focusShown) vtl.enterLatch = false;
      break;
    default:
      break;
  }
}

// [SECTION] navigation

namespace {
// An edit field holding the keyboard keeps Enter, Space, Left and Right (they edit it) and lets
// go of the keyboard on Tab, Up and Down. False when the key stays with the field.
bool keyLeavesEditField(int32_t key) {
  const int32_t e = typingElementOf(vtl.keyDialog);
  if (e == 0) return true;
  TVTLElement& el = elementOf(vtl.keyDialog, e);
  if (!el.focused) return true;
  switch (key) {
    case kVkReturn: case kVkSpace: case kVkLeft: case kVkRight:
      return false;
    case kVkTab: case kVkUp: case kVkDown:
      el.focused = 0;
      vtl.diags[vtl.keyDialog].captureElement = 0;
      return true;
    default:
      return true;
  }
}

// Enter on the focus: a list box (or no focus dialog) goes to the main form's onEnterKey;
// anything else is pressed and activated once until the next key-up.
void enterOnFocus() {
  const int32_t d = vtl.focusDialog, e = vtl.focusElement;
  const bool inRange = elementInDialog(d, e);
  if (textTables.onEnterKey && (d <= 0 || (inRange && elementOf(d, e).kind == ekListBox))) {
    textTables.onEnterKey(d, e);
    return;
  }
  if (inRange && !vtl.enterLatch) {
    const TVTLElement& el = elementOf(d, e);
    if (el.enabled && vtl.diags[d].open && el.visible) {
      pressElement(d, e);
      activateElement(d, e);
    }
  }
  vtl.enterLatch = true;
}
}  // namespace

void navigateKey(int32_t key, bool) {
  if (!vtl.focusShown) vtl.focusShown = vtl.keyboardNavigation;
  if (!keyLeavesEditField(key) || !isNavigationKey(key)) return;
  const bool backward = key == kVkLeft || key == kVkUp;
  if (!vtl.focusShown) {
    // Navigation was off: the first key shows the focus at the top dialog's first element
    // (its last for Left and Up).
    vtl.focusShown = true;
    vtl.focusDialog = vtl.topDialog;
    vtl.focusElement = nextFocusElement(backward, true);
    if (!isFocusElementValid()) moveFocus(backward ? kFocusBackward : kFocusForward);
    return;
  }
  switch (key) {
    case kVkTab: case kVkRight: case kVkDown: moveFocus(kFocusForward); break;
    case kVkLeft: case kVkUp: moveFocus(kFocusBackward); break;
    case kVkReturn: enterOnFocus(); break;
    default: break;  // Space shows the focus and does nothing more
  }
}

// [SECTION] form key-down

namespace {
void rememberTypedKey(int32_t key) {
  vtl.typedWord += char(uint8_t(key));
  if (vtl.typedWord.size() > kTypedWordLength) vtl.typedWord.erase(0, vtl.typedWord.size() - kTypedWordLength);
  std::string upper = vtl.typedWord;
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
  if (upper == kFpsWord) vtl.dev.showFps = !vtl.dev.showFps;
}

// Shift+"^": the engine options dialog closes when open, else opens on its first page.
void toggleOptionsDialog() {
  const int32_t d = appopt.opt.dialog;
  if (!vtl.diags.valid(d)) return;
  if (vtl.diags[d].open) {
    closeDialog(d);
    return;
  }
  if (appopt.opt.pageGroup > 0) selectPage(d, appopt.opt.pageGroup, 1);
  openDialog(d);
}

// The developer keys, Shift held in developerMode.
void developerKey(int32_t key) {
  TVTLDevToggles& dev = vtl.dev;
  bool& fastMode = textTables.fastMode;
  switch (key) {
    case kVkCircumflex: toggleOptionsDialog(); break;
    case '1': dev.showFps = !dev.showFps; break;
    case '2': dev.wireframePass = !dev.wireframePass; break;
    case '3':
      dev.skipSolidPass = !dev.skipSolidPass;
      dev.wireframePass = dev.skipSolidPass;  // without the solid pass only the lines show
      break;
    case '4': vtl.developerSwitch4 = !vtl.developerSwitch4; break;
    case '5': vtl.developerSwitch5 = !vtl.developerSwitch5; break;
    case '6': vtl.cameraMode = vtl.cameraMode >= kLastCameraMode ? 0 : vtl.cameraMode + 1; break;
    case '7': vtl.developerSwitch7 = !vtl.developerSwitch7; break;
    case '8': appopt.noLighting = !appopt.noLighting; break;
    case '9': vtl.showInfoPanels = !vtl.showInfoPanels; break;
    case 'Q': vtl.autoPlay = !vtl.autoPlay; break;
    case 'W':
      dev.noThrottle = !dev.noThrottle;
      vtl.autoPlay = dev.noThrottle;
      break;
    case 'S':
      fastMode = !fastMode;
      vtl.autoPlay = fastMode;
      break;
    case 'D':
      fastMode = !fastMode;
      vtl.autoPlay = vtl.developerSwitch7 = fastMode;
      break;
    default:
      break;
  }
}

void showOverlayInfo() {
  if (elementInDialog(vtl.overlayPanel, vtl.overlayInfoLabel))
    setElementVisible(vtl.overlayPanel, vtl.overlayInfoLabel, vtl.dev.showFps ? 1 : 0);
}

// End, Home, Left, Right and Delete edit the key dialog's typing element.
void editingKey(int32_t key, bool shift) {
  const int32_t e = typingElementOf(vtl.keyDialog);
  if (e == 0) return;
  switch (key) {
    case kVkEnd: case kVkHome: case kVkLeft: case kVkRight:
      typeIntoElement(vtl.keyDialog, e, key, shift, TVTLTypeSource::key);
      break;
    case kVkDelete:
      typeIntoElement(vtl.keyDialog, e, kDeleteCommand, shift, TVTLTypeSource::key);
      break;
    default:
      break;
  }
}
}  // namespace

void formKeyDown(int32_t key, bool shift) {
  rememberTypedKey(key);
  if (vtl.developerMode) {
    if (shift) developerKey(key);
    if (key == kVkSpace) vtlInfo.enginePaused = !vtlInfo.enginePaused;
  }
  showOverlayInfo();
  editingKey(key, shift);
}

// [SECTION] application hooks

void appMinimize() {
  vtl.formMinimized = true;
  pauseMusic();
}

void appRestore() {
  vtl.formMinimized = false;
  resumeMusic();
}

void appActivate() { resumeMusicIfActive(); }

void appDeactivate() {}
