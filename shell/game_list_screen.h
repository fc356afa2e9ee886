// The main window's reaction to the game-list dialog's continue button: the next game of
// the list, or the end of the list with the match end and the highscore entry.
#pragma once

// The press of element 2 of the game-list dialog (only while the dialog is open and on top,
// unless the game is over). "*Zurück" closes the dialog; "f_dialog_weiter" starts the next
// game of the list; any other caption ends the list.
void gameListContinuePressed();
