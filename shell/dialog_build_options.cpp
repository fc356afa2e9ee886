// The options dialog of each game: its title, start button, the game's own elements and the
// frame every game shares (Tglapp.maketabcon, options_frame.cpp). Other games' own elements
// join here as those games are built.
#include "engine/dialogs.h"
#include "shell/dialog_build.h"
#include "shell/game_dialogs.h"
#include "shell/main_window.h"
#include "shell/shell_state.h"
#include "shell/skat_options_dialog.h"

void buildOptionsDialog(TGameId g) {
  const int32_t d = createStandardDialog(1, gameNames[g]);
  dlgGameOptions[g] = d;
  setMenuStyle(d);
  setCurrentDialog(d);
  addTextButton(365, 460, g == gidSkat || g == gidCanasta ? "Starten" : "Spiel Starten");
  if (g == gidSkat) buildSkatOptionElements();
  const int32_t tab = Tglapp::maketabcon(d);
  if (g == gidSkat) buildSkatOptionBoxes(d, tab);
}
