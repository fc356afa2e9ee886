// The main window's dialogs and elements that the card-game core fills and reads: the
// decision panel, the table overlay panel "#ipanel", the game list, the menu bar, the small
// panels, and per game the options dialog's name, gender and strength fields. Numbers are
// 0 until buildGameDialogs made the dialogs; the core leaves a dialog alone while its
// number is 0.
//
// [SECTION] decision panel "#ingamedialog"
// [SECTION] table overlay "#ipanel"
// [SECTION] game list "Spielliste"
// [SECTION] further dialogs
// [SECTION] building
#pragma once

#include <cstdint>

#include "core/game_id.h"
#include "platform/records.h"

// [SECTION] decision panel "#ingamedialog"
// The buttons of each row are consecutive elements in option order; the option-8 button
// stands directly before the seven-option row; elements 1..29 are the option buttons.
extern int32_t dlgInGame;
extern int32_t elDecisionContinue;                // 1
extern LArray<int32_t, 1, 2> elDecisionRow2;      // 2, 3
extern LArray<int32_t, 1, 3> elDecisionRow3;      // 4..6
extern LArray<int32_t, 1, 4> elDecisionRow4;      // 7..10
extern int32_t elDecisionOption8;                 // 11
extern LArray<int32_t, 1, 7> elDecisionRow7;      // 12..18
extern LArray<int32_t, 1, 5> elDecisionRow5;      // 19..23
extern LArray<int32_t, 1, 6> elDecisionRow6;      // 24..29
extern LArray<int32_t, 1, 4> elBetButtons;        // 30..33
extern int32_t elDecisionText;                    // 34

// [SECTION] table overlay "#ipanel"
constexpr int tableSeatSlots = 11;
extern int32_t dlgIPanel;
extern LArray<int32_t, 1, 2> elRoundIcons;                  // 9, 10
extern LArray<int32_t, 1, 5> elSuitIcons;                   // 11..15
extern LArray<int32_t, 1, 3> elContractIcons;               // 16..18
extern LArray<int32_t, 1, tableSeatSlots> elSpeechBubble;   // 19, 22, ... 49
extern LArray<int32_t, 1, tableSeatSlots> elBubbleFrame;    // 20, 23, ... 50
extern LArray<int32_t, 1, tableSeatSlots> elTurnMarker;     // 21, 24, ... 51
extern LArray<int32_t, 0, 54> elActionButtons;  // 52..106: [1..48] hand cards, [49] stock, [51..54] centre
extern int32_t elTableHotspot;                  // 107
extern LArray<int32_t, 1, 6> elSeatMarkers;     // 108..113
extern int32_t elTableInfoText;                 // 114

// [SECTION] game list "Spielliste"
extern int32_t dlgGameList;
constexpr int32_t elGameListContinue = 2;  // the continue button
extern int32_t elGameList1;                // the rows
extern int32_t elGameList2;                // totals and money
extern int32_t elGameListCaption;          // the summary line

// [SECTION] further dialogs
extern int32_t dlgMenuBar;        // element 1 is the menu button
constexpr int32_t elMenuButton = 1;
extern int32_t dlgHelpPanel;
extern int32_t dlgTutorialPanel;
extern int32_t dlgChatPanel;
extern int32_t dlgGameMenu;       // "Spielmenü"
extern int32_t dlgDisplay;        // "Anzeige"
extern int32_t elSeatOrderList;   // its (hidden) direction selector "Richtung"
extern int32_t dlgHelp;           // "Hilfe"
extern int32_t dlgFarbPanel;      // "#farbpanel"
extern int32_t dlgButtonPanel;    // "#buttonpanel"
// Per game id the options dialog; the three fields are the same element numbers in each.
extern LArray<int32_t, 0, gidNone - 1> dlgGameOptions;
extern int32_t elPlayerNameEdit;   // the user's name
extern int32_t elGenderList;       // entry 1 a woman's name, 2 a man's
extern int32_t elDifficultyList;   // "Schwierigkeit": 1 "Anfänger", 2 "Normal", 3 "Profi"

// [SECTION] building

// Creates the dialogs above in the engine, in the numbering the core relies on, and notes
// their numbers. The table overlay's looks (pictures, textures) come with the shell's full
// dialog build; here the elements exist with their kinds, places and captions.
void buildGameDialogs();
// Forgets every number (after the engine's dialogs were thrown away).
void clearGameDialogNumbers();
