// The engine's panels, the order in which the constructor builds its menus, the full-screen
// list after the state files, the frame rate on screen and the fresh installation's files.
// [SECTION] panels
// [SECTION] building in order
// [SECTION] item texts
// [SECTION] frame rate
// [SECTION] installation files
#include "engine/engine_dialogs.h"

#include <cmath>
#include <cstdio>

#include "engine/dialog_records.h"
#include "engine/dialog_state_files.h"
#include "engine/dialogs.h"
#include "engine/display_modes.h"
#include "engine/elements.h"
#include "engine/engine_form.h"
#include "engine/engine_options.h"
#include "engine/frame_rate.h"
#include "engine/message_box.h"

// [SECTION] panels

namespace {
// The overlay panel's window picture buttons, by sub-kind, at the right edge of the layout.
struct WindowButton {
  int32_t x, y;
  uint8_t subKind;
};
constexpr WindowButton kWindowButtons[] = {
    {850, 3, skClose}, {773, 37, skMinimize}, {773, 71, skMoveHandle}, {773, 570, skResizeHandle}};
constexpr int32_t kFpsLabelX = 620, kFpsLabelY = 0;  // where the frame step puts the rate
}  // namespace

void createFirstPanel() { vtl.firstPanel = createDialog(0, 0, 0, 0, false, "#firstpanel", false, 0, 0.0f); }

// The title "h" gives no title label, like an empty one, and tells the compositor that this
// is the help line.
void createHelpLine() {
  vtl.helpLineDialog = createDialog(4, 6, 680, 160, false, "h", true, 0, 1.0f);
  vtl.helpLineLabel = addElement(ekLabel, 4, 2, "Hilfetext", 80, 2, 0.0f, 1.0f);
}

void createOverlayPanel() {
  vtl.overlayPanel = createDialog(0, 0, 0, 0, false, "", true, 0, 1.0f);
  for (const WindowButton& b : kWindowButtons) addTextElement(ekPicture, b.x, b.y, 0, 0, b.subKind, "");
  vtl.fpsLabel = addSimpleElement(ekLabel, 692, 29, "FPS:0");
  vtl.overlayInfoLabel = addElement(ekLabel, 2, 2, "", -1, -1, 0.0f, 0.7f);
  setElementShown(vtl.overlayPanel, vtl.fpsLabel, 0);
  setElementShown(vtl.overlayPanel, vtl.overlayInfoLabel, 0);
  openDialog(vtl.overlayPanel);
}

// [SECTION] building in order

void createEngineDialogs() {
  createFirstPanel();
  createHelpLine();
  createOverlayPanel();
  createOptionsDialog();
  createGraphicsDialog();
  showDialog(appopt.opt.dialog);
}

void refillFullScreenModes() {
  const int32_t d = appopt.di_vtlgrafik, e = appopt.graf.i_g_lbfull;
  if (d <= 0 || e <= 0) return;
  clearItems(d, e, false);
  setCurrentDialog(d);
  for (int32_t n = 1; n <= fullscr.resolutionscount; n++) {
    const TVTLDisplayMode& m = fullscr.mode(n);
    addItem(e, std::to_string(m.width) + " x " + std::to_string(m.height) + ", " + std::to_string(m.bits) + " Bit", 0);
  }
}

// [SECTION] item texts

std::string windowSizeItem(int32_t width, int32_t height) {
  char text[48];
  const double ratio = height != 0 ? double(width) / double(height) : 0.0;
  const char* format = std::fabs(ratio - 1.6) <= 0.01          ? "%d x %d (16:10)"
                       : std::fabs(ratio - 16.0 / 9.0) <= 0.01 ? "%d x %d (16:9)"
                                                               : "%d x %d";
  std::snprintf(text, sizeof text, format, int(width), int(height));
  return text;
}

std::string displayModeItem(int32_t width, int32_t height, int32_t bits) {
  char text[48];
  std::snprintf(text, sizeof text, "%d x %d, %d", int(width), int(height), int(bits));
  return text;
}

// [SECTION] frame rate

std::string frameRateText(float fps) {
  if (std::isnan(fps)) return "NAN";
  if (std::isinf(fps)) return fps > 0 ? "INF" : "-INF";
  char text[64];
  std::snprintf(text, sizeof text, "%.2f", std::nearbyint(double(fps) * 100.0) / 100.0);
  std::string s = text;
  while (s.back() == '0') s.pop_back();
  if (s.back() == '.') s.pop_back();
  return s == "-0" ? "0" : s;
}

void showFrameRate() {
  const std::string rate = frameRateText(vtlInfo.fps);
  if (appopt.opt.dialog > 0 && appopt.opt.fpsValueLabel > 0)
    setElementText(appopt.opt.dialog, appopt.opt.fpsValueLabel, rate, 0);
  if (vtl.overlayPanel <= 0 || vtl.fpsLabel <= 0) return;
  setElementText(vtl.overlayPanel, vtl.fpsLabel, "FPS " + rate + " " + vtl.fpsSuffix, 0);
  setElementVisible(vtl.overlayPanel, vtl.fpsLabel, vtl.dev.showFps ? 1 : 0);
  TVTLElement& label = elementOf(vtl.overlayPanel, vtl.fpsLabel);
  label.x = kFpsLabelX;
  label.y = kFpsLabelY;
}

// [SECTION] installation files

void writeInstallationOptionFiles(const std::string& folder) {
  resetEngineModel();
  createMessageDialogs();
  createEngineDialogs();
  setElementText(appopt.opt.dialog, appopt.opt.folderEdit, kFirstRunMarker, 0);
  saveDialogState(appopt.opt.dialog, folder + "/vtlopt.dco");
  saveDialogState(appopt.di_vtlgrafik, folder + "/vtlgraph.dco");
}
