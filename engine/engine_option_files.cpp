// The engine's option files (vtlopt.dco, vtlgraph.dco), the window options they carry, and the
// pages of the graphics/sound dialog.
#include <filesystem>

#include "engine/window_shape.h"
#include "engine/dialog_state_files.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_options.h"
#include "engine/number_text.h"
#include "platform/paths.h"

namespace {
constexpr const char* kOptionsFile = "vtlopt.dco";
constexpr const char* kGraphicsFile = "vtlgraph.dco";

// The built window geometry: what the "Infos" labels hold until the window writes them.
constexpr int32_t kBuiltWindow[4] = {640, 480, 0, 0};

int32_t labelNumber(int32_t element, int32_t fallback) {
  int32_t v = 0;
  return tryStrToInt(getElementText(appopt.opt.dialog, element), v) ? v : fallback;
}

// Width, height, left and top from the labels, fitted to the screen.
void placeWindow() {
  const TVTLOptionsDialogNumbers& n = appopt.opt;
  TVTLAspect& a = aspectState;
  const int32_t width = labelNumber(n.widthLabel, kBuiltWindow[0]);
  const int32_t height = labelNumber(n.heightLabel, kBuiltWindow[1]);
  int32_t left = labelNumber(n.leftLabel, kBuiltWindow[2]);
  int32_t top = labelNumber(n.topLabel, kBuiltWindow[3]);
  if (left < 0) left = 0;
  if (top < 0) top = 0;
  a.windowWidth = width;
  a.windowHeight = height;
  if (left + a.windowWidth > a.screenWidth) left = a.screenWidth - a.windowWidth;
  if (top + a.windowHeight > a.screenHeight) top = a.screenHeight - a.windowHeight;
  a.windowLeft = left;
  a.windowTop = top;
  if (a.windowHeight >= a.screenHeight) a.windowHeight = a.screenHeight;
}

// Shows or hides the display check boxes and mode selectors with their children.
void showDisplayChoices(uint8_t on) {
  const int32_t d = appopt.di_vtlgrafik;
  const TVTLGraphicsDialogNumbers& g = appopt.graf;
  for (int32_t e : {g.windowCheck, g.fullCheck, g.i_g_lbfull, g.windowSizeSelector}) {
    setElementVisible(d, e, on);
    setChildrenVisible(d, e, on);
  }
}

void showGraphicsPage(int32_t page, const char* title, uint8_t displayChoices) {
  const int32_t d = appopt.di_vtlgrafik;
  selectPage(d, appopt.graf.pageGroup, page);
  setElementText(d, 1, title, 0);
  openDialog(d);
  showDisplayChoices(displayChoices);
}
}  // namespace

std::string engineOptionFile(std::string_view name) {
  std::error_code ec;
  const bool inVitrel = std::filesystem::exists(programPath("\\data\\vitrel\\vtlopt.dco"), ec);
  return programPath((inVitrel ? "\\data\\vitrel\\" : "\\") + std::string(name));
}

void saveEngineDialogs() {
  const std::string optFile = engineOptionFile(kOptionsFile), grafFile = engineOptionFile(kGraphicsFile);
  if (appopt.opt.dialog > 0) saveDialogState(appopt.opt.dialog, optFile);
  if (appopt.di_vtlgrafik > 0) saveDialogState(appopt.di_vtlgrafik, grafFile);
}

void loadEngineDialogs() {
  const std::string optFile = engineOptionFile(kOptionsFile), grafFile = engineOptionFile(kGraphicsFile);
  if (appopt.opt.dialog > 0) loadDialogState(appopt.opt.dialog, optFile, 0);
  if (appopt.di_vtlgrafik > 0) loadDialogState(appopt.di_vtlgrafik, grafFile, 0);
}

void applyWindowOptions() {
  loadEngineDialogs();
  placeWindow();
  readOptions(true);
}

void showGraphicsOptions() { showGraphicsPage(1, "Grafik", 1); }

void showSoundOptions() { showGraphicsPage(2, "Sound", 0); }
