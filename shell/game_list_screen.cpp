// The game list's continue button as the main window handles it.
#include "shell/game_list_screen.h"

#include "core/cg.h"
#include "core/core_messages.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "shell/game_dialogs.h"
#include "shell/shell_globals.h"
#include "shell/shell_state.h"
#include "sound/sound_events.h"

namespace {

void nextGame() {
  hideDialog(dlgGameList);
  screenMode = 1;
  cg.startGame(cg.gameId, 1);
}

void endOfList() {
  hideDialog(dlgGameList);
  cg.showMatchEnd();
  std::string text = cg.enterHighscore();
  if (!text.empty()) {
    soundContainer.playEvent(18, 0, 0);
    coreShowMessage(text, coreLookupText("f_dialog_glückwunsch"), 0, "!" + coreLookupText("f_dialog_weiter"));
  }
  cg.setMenuButtonCaption(0);
  resetGameNames();
}

}  // namespace

void gameListContinuePressed() {
  if (dlgGameList == 0) return;
  std::string caption = getElementText(dlgGameList, elGameListContinue);
  if (caption == coreLookupText("*Zurück")) {
    closeDialog(dlgGameList);
  } else if (caption == coreLookupText("f_dialog_weiter").substr(0, 26)) {
    nextGame();
  } else {
    endOfList();
  }
}
