// Helpers of the end of a game that the match end shares.
#pragma once

// Closes the help and tutorial panels and hides the menu button; except in Skat,
// Doppelkopf, Schafkopf and Jass the seats' turn markers go too.
void closeTablePanelsAtEnd();
