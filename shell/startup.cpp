// The main window's start-up event (-1), the first-start hardware test's events (-17, -15,
// -18) and the close event (-5).
// [SECTION] hardware test
// [SECTION] start-up
// [SECTION] close
#include <exception>
#include <string>

#include "core/card_ai.h"
#include "core/cg.h"
#include "engine/dialog_state_files.h"
#include "engine/elements.h"
#include "engine/engine_form.h"
#include "engine/engine_services.h"
#include "engine/error_log.h"
#include "engine/loading_screen.h"
#include "engine/texts.h"
#include "shell/game_dialogs.h"
#include "shell/main_window.h"
#include "shell/menus.h"
#include "shell/player_names.h"
#include "shell/shell_services.h"
#include "shell/shell_state.h"
#include "sound/music_control.h"
#include "sound/sound_events.h"
#include "table/menu_cards.h"
#include "table/scene.h"

namespace {
TSceneDrawer sceneDrawer = drawTableScene;

// The games whose options dialog has the user's name edit.
constexpr TGameId kNamedGames[] = {gidMauMau, gidSkat,  gidRomme, gidCanasta, gidBlackjack,
                                   gidHearts, gidGinRummy, gidWar, gidGoFish, gidOldMaid};
constexpr size_t kUserNameLength = 255;
constexpr uint8_t kFemaleVoice = 3;
constexpr uint8_t kMaleVoice = 6;
}  // namespace

void setHardwareTestSceneDrawer(TSceneDrawer drawer) { sceneDrawer = drawer ? drawer : drawTableScene; }

// [SECTION] hardware test

void Tglapp::hardwareTestProgress() {
  takeRegisteredName();
  // The form's progress panel "panini" has no counterpart here: the engine's loading screen
  // shows the progress, one step per event.
  setLoadingText(vtl.loadingText + ".");
  showLoadingProgress(vtl.loadingPercent, 1);
}

void Tglapp::hardwareTestScene(int32_t scene) {
  switch (scene) {
    case 1: sceneDrawer(0, true); break;
    case 2: sceneDrawer(5, true); break;
    case 3:
      for (int i = 0; i < 5; i++) {
        sceneDrawer(5, true);
        sceneDrawer(0, true);
      }
      break;
    default: break;
  }
}

// The progress panel is the loading screen, which the start-up's own steps draw over.
void Tglapp::hardwareTestDone() {}

// [SECTION] start-up

namespace {

void setEditText(int32_t dialog, int32_t element, const std::string& text) {
  if (dialog != 0 && element != 0) setElementText(dialog, element, text, 0);
}

void showGenderChoice(int32_t dialog, int32_t element, int32_t item) {
  if (dialog != 0 && element != 0) setTopIndex(dialog, element, item);
}

// The registry name of the first start into every name field, and the voice and gender
// choices by it. Later starts keep what the saved dialog states hold.
void takePlayerName() {
  for (TGameId g : kNamedGames) {
    try {
      setEditText(dlgGameOptions[g], elPlayerNameEdit[g], playerName);
    } catch (const std::exception&) {
      // One game's options dialog that does not take the name leaves the others to it.
    }
  }
  setEditText(dlgSave, elSaveName, lookupText("f_defaultsavegame"));
  setEditText(dlgHelp, elHelpSearchEdit, lookupText("f_defaultsearchterm"));
  setEditText(dlgNetwork, elNetworkNameEdit, playerName);
  setEditText(dlgNetworkCreate, elNetworkCreateNameEdit, playerName);
  cg.userName = playerName.substr(0, kUserNameLength);
  cg.userVoice = femaleFlag ? kFemaleVoice : kMaleVoice;
  const int32_t item = femaleFlag ? 1 : 2;
  showGenderChoice(dlgNetwork, elNetworkGenderList, item);
  showGenderChoice(dlgNetworkCreate, elNetworkCreateGenderList, item);
  if (cg.gameId < gidNone) showGenderChoice(dlgGameOptions[cg.gameId], elGenderList[cg.gameId], item);
}

// The dialogs whose saved states are never read back: the internet lobby and the start screen.
void excludeStateDialogs() {
  vtl.stateExclusions.clear();
  for (int32_t d : {dlgInternet, dlgStartScreen})
    if (d != 0) vtl.stateExclusions.push_back(d);
}

}  // namespace

void Tglapp::startup() {
  setLanguage("deutsch", 1);
  loadFragments();
  loadMessageTable();
  setLoadingText("Objekte erstellen..");
  showLoadingProgress(20, 1);
  traceStep("Diagcreate proc..");
  diagcreate();
  trace("OK");
  traceStep("Loadall proc..");
  cg.loadHighscores();  // Tglapp.loadsettz
  setLoadingText("Einstellungen laden..");
  showLoadingProgress(22, 1);
  excludeStateDialogs();
  loadDialogStates();
  loadenv(true);
  initMenuCards();
  setksize();
  aiRegistry.clear();
  applyMusicChoice(false);
  if (!playerName.empty()) takePlayerName();
  setLanguage("deutsch", 1);
  makeAmericanSettings();
  // After the saved states: the card face row usable (as the game choice leaves it), the
  // fading and direction rows hidden.
  displayStartState();
  trace("OK");
}

// [SECTION] close

namespace {

// One save of the close: a failure is logged and the close goes on, so no other file is lost
// for it. The trace says "OK" only for a save that worked.
template <class Save>
void closeSave(const char* label, Save save) {
  traceStep(label);
  try {
    save();
    trace("OK");
  } catch (const std::exception& e) {
    logErrorLine(std::string(label) + ": " + e.what());
    trace(std::string("FEHLER: ") + e.what());
  }
}

void closeFree(const char* label, const char* standIn) {
  traceStep(label);
  if (standIn) announceStandIn(standIn);
  trace("OK");
}

}  // namespace

void Tglapp::closeDown() {
  freeCardAIs();
  closeSave("unit1.onclose(-5).SAVEALL", [] { saveDialogStates(); });
  closeSave("unit1.onclose(-5).SAVESETTZ", [] { cg.saveHighscores(); });  // Tglapp.savesettz
  closeFree("unit1.onclose(-5).K12_FREE", "closeDown: k12");
  closeFree("unit1.onclose(-5).HC_FREE,IHC_FREE", "closeDown: helpContainer, ingameHelpContainer");
  // cg, soundContainer and netTransport are program-wide values of their subsystems that
  // live to the end of the process.
  closeFree("unit1.onclose(-5).CG_FREE", nullptr);
  closeFree("unit1.onclose(-5).SNDFREE", nullptr);
  // Ends the music worker (closing its track) before the mixer closes.
  soundContainer.destroy();
  closeFree("unit1.onclose(-5).SCODEFREE", nullptr);
  closeFree("unit1.onclose(-5).POKC_FREE", "closeDown: pokerCounter");
  // Last: the case memory writes itself back to "\data\brain.txt" when it is freed.
  announceStandIn("closeDown: clusterer");
}
