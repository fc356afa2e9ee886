// The main window: creation, the engine's start-up and close events, the close query.
// [SECTION] state
// [SECTION] creation
// [SECTION] event channel
// [SECTION] start-up and close
// [SECTION] close query
#include "shell/main_window.h"

#include "core/cg.h"
#include "core/seat_markers.h"
#include "engine/engine_events.h"
#include "engine/engine_form.h"
#include "engine/engine_lifecycle.h"
#include "engine/engine_services.h"
#include "engine/loading_screen.h"
#include "engine/message_box.h"
#include "engine/texts.h"
#include "platform/paths.h"
#include "platform/tick.h"
#include "platform/window.h"
#include "shell/player_names.h"
#include "shell/shell_globals.h"

// [SECTION] state

std::string productKey;
std::string playerName;
uint32_t startTick = 0;
std::string keyBuffer;
uint32_t lastClickTick = 0;

namespace {
bool quitQuestionShown = false;  // a second close request during the question is granted

// The application's title at the time the window is created: the executable's name
// without its extension.
std::string executableTitle() {
  std::string name = programFileName();
  const size_t dot = name.rfind('.');
  return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

// registerOggFilters: the music runs on the platform's mixer, so there is nothing to
// register; the call stays where the start-up makes it.
void registerOggFilters() {}
}  // namespace

// [SECTION] creation

void Tglapp::FormCreate() {
  winSetTitle(executableTitle());
  productKey = "Skat";
  registerOggFilters();
  vtl.developerMode = false;
  vtl.interfaceVisible = true;
  vtl.keyboardNavigation = true;
  startTick = getTickCount();
  keyBuffer.clear();
  // The long-lived objects of the other subsystems (help containers, meld table, sound,
  // network, poker memory) are created here as they are built; cg is program-wide.
  if (!vtl.onCloseQuery) vtl.onCloseQuery = Tglapp::ccapp;
  playerName.clear();
  Setnames();
}

void createMainWindow() {
  setEngineEventHandler(Tglapp::FormMouseWheelDown);
  engineCreate();
  Tglapp::FormCreate();
}

// [SECTION] event channel

void Tglapp::FormMouseWheelDown(uint8_t shift, int32_t x, int32_t y) {
  (void)y;
  if (x > 0) lastClickTick = getTickCount();
  // The hardware test's scenes (-15, -18, and -17's progress panel) are drawn by the card
  // table once it exists; -17 already reads the user's name.
  if (shift != kEngineEventMark) return;
  switch (x) {
    case evStartup: startup(); break;
    case evClose: closeDown(); break;
    case evBenchPrepare: takeRegisteredName(); break;
    case evFrame:
      // The frame handler: so far the seats' hover markers; the table scene is drawn here
      // once the table's drawing exists.
      if (cg.gameId != gidPoker) updateSeatMarkers();
      break;
    default: break;
  }
}

// [SECTION] start-up and close

void Tglapp::startup() {
  setLanguage("deutsch", 1);
  loadFragments();
  loadMessageTable();
  setLoadingText("Objekte erstellen..");
  showLoadingProgress(20, 1);
  traceStep("Loadall proc..");
  // The main window's dialogs are built here (and their saved states loaded below) once the
  // screens exist.
  cg.loadHighscores();
  setLoadingText("Einstellungen laden..");
  showLoadingProgress(22, 1);
  setLanguage("deutsch", 1);
  trace("OK");
}

void Tglapp::closeDown() {
  // Card-AI objects, music and workers, and the dialog states of the screens are closed
  // here once they exist; then the highscores, then the objects in their fixed order.
  traceStep("unit1.onclose(-5).SAVESETTZ");
  cg.saveHighscores();
  trace("OK");
}

// [SECTION] close query

bool Tglapp::wirklichbeenden() {
  if (vtl.noQuitQuestion || quitQuestionShown) return true;
  quitQuestionShown = true;
  const int32_t answer = showMessageById(35);
  quitQuestionShown = false;
  return answer == kBoxAnswerYes;
}

bool Tglapp::ccapp() {
  if (isNetGame() && !wirklichbeenden()) return false;
  // A network game drops its connection here once the transport exists.
  vtl.exitGranted = true;
  return true;
}
