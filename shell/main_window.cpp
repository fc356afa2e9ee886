// The main window: creation and the close query.
// [SECTION] state
// [SECTION] creation
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
#include "games/casino/poker_registration.h"
#include "games/casino/blackjack_registration.h"
#include "games/family/gofish_registration.h"
#include "games/family/hearts_registration.h"
#include "games/family/jass_registration.h"
#include "games/family/maumau_registration.h"
#include "games/family/oldmaid_registration.h"
#include "games/family/schnapsen_registration.h"
#include "games/family/schwimmen_registration.h"
#include "games/family/war_registration.h"
#include "games/rummy/canasta_registration.h"
#include "games/rummy/romme_registration.h"
#include "games/skat/doppelkopf_registration.h"
#include "games/skat/schafkopf_registration.h"
#include "games/skat/skat_ai.h"
#include "games/skat/skat_registration.h"
#include "platform/paths.h"
#include "platform/tick.h"
#include "platform/window.h"
#include "shell/player_names.h"
#include "shell/shell_globals.h"
#include "sound/sound_events.h"
#include "sound/voice_catalogue.h"

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

void announceStandIn(const std::string& what) { logNotAvailable(what); }

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
  // cg, soundContainer, the chip animation (animationHandler) and netTransport are
  // program-wide objects of their subsystems and exist from the start; the sound container
  // opens its device here.
  // The voices' catalogues first, then the container, which starts the music worker.
  scReader.create();
  soundContainer.create();
  announceStandIn("FormCreate: helpContainer, ingameHelpContainer, k12, pokerCounter");
  announceStandIn("FormCreate: pokerCounter.reset, loadPreflopTable");
  announceStandIn("FormCreate: clusterer (\\data\\brain.txt)");
  if (!vtl.onCloseQuery) vtl.onCloseQuery = Tglapp::ccapp;
  playerName.clear();
  Setnames();
  logSkatAIInit();
}

void createMainWindow() {
  registerSkatGame();
  registerHeartsGame();
  registerDoppelkopfGame();
  registerSchafkopfGame();
  registerMaumauGame();
  registerCanastaGame();
  registerRommeGame();
  registerWarGame();
  registerPokerGame();
  registerBlackjackGame();
  registerSchnapsenGame();
  registerOldMaidGame();
  registerGoFishGame();
  registerJassGame();
  registerSchwimmenGame();
  setEngineEventHandler(Tglapp::FormMouseWheelDown);
  engineCreate();
  Tglapp::FormCreate();
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
  if (isNetGame()) announceStandIn("ccapp: closeClient");
  vtl.exitGranted = true;
  return true;
}
