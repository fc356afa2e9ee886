// The main window's routines that the card-game core calls (Tglapp.setksize, Tglapp.loadenv,
// the tutorial's hooks, the in-game help). Until the shell's screens are built they do the
// part the core relies on and nothing more; each says what is still to come.
#pragma once

#include <functional>
#include <string>

// The display settings (shell/display_settings.cpp).
// Tglapp.setksize: the card size of "Anzeige" and the game give gs.tableScale and chipScale.
void setksize();
// Tglapp.loadenv: "Anzeige" into envParam, the timing values, the pictures that changed (all
// when full), the seats' names and voices and the user's name.
void loadenv(bool full);
// refreshPerspective: follows the view selector; nothing while a card move is pending; lays
// the table out again when the view changed.
void refreshPerspective();
// Tglapp.checkupdownmoves: lifts the hand card under the pointer, lowers the others
// (shell/check_up_down_moves.cpp); the flag is not used.
void checkupdownmoves(int flag);
// tutTick: the tutorial's per-tick driver; true when the game step may run this tick.
bool tutTick();
// Until the tutorial exists a test may stand in for its driver; an empty one answers true.
void setTutTickStandIn(std::function<bool()> standIn);
// tutSeatNames: in tutorial mode the tutorial's fixed names and voices of the seats.
void tutSeatNames();
// tutApplyGamePresets: in tutorial mode the tutorial game's fixed options.
void tutApplyGamePresets();
// showSituationHelp: the in-game help of the current situation.
void showSituationHelp();
// THelpContainer.loadFile on the in-game help container: "\data\help\" + name + ".txt".
void loadIngameHelp(const std::string& name);
// The name of the in-game help file last loaded ("" none); the help panel shows it.
const std::string& ingameHelpName();
