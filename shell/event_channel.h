// What the event channel offers the rest of the program besides Tglapp's entries: leaving a
// network game, and the elements of the network dialogs its double-click rule reads.
#pragma once

#include <cstdint>

// Ends a wait of a modal dialog, closes #ipanel and #textpanel and leaves a running network
// game (the host stops hosting, a client disconnects without an error message).
void leaveNetGame();

// Set by the network dialogs' build; 0 until they exist, so the rules on them never match.
extern int32_t elInternetTableList;  // "Internetspiel": the table list of the lobby
extern int32_t elGameLB;             // "Spiele im Netzwerk": the list "GameLB"
extern int32_t elNetworkGamesJoin;   // "Spiele im Netzwerk": "Teilnehmen"
extern int32_t elNetworkChatEdit;    // "Netzwerkspiel" (waiting room): the chat line
