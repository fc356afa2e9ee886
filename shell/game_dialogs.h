// The main window's dialogs and elements that the card-game core fills and reads: the
// decision panel, the table overlay panel "#ipanel", the game list, the menu bar, the small
// panels, the further dialogs in build order, and per game the options dialog's name, gender
// and strength fields. Numbers are 0 until the dialog build made the dialogs; the core leaves
// a dialog alone while its number is 0.
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
// The dialogs in build order (engine number = build number + the engine's own dialogs).
extern int32_t dlgFirstOptions;    //  1 "Optionen", built first and never used afterwards
extern int32_t dlgFpsPanel;        //  2 "#fpspanel"
                                   //  3 dlgIPanel, above
extern int32_t dlgHelpPanel;       //  4 "#helppanel"
extern int32_t dlgMainMenu;        //  5 "Game Menü"
extern int32_t dlgHighscore;       //  6 "Highscore"
extern int32_t dlgHelp;            //  7 "Hilfe"
extern int32_t dlgSkatSortMenu;    //  8 "#farbsortiermenü_skat"
extern int32_t dlgKontra;          //  9 "Kontra"
extern int32_t dlgBockRamsch;      // 10 "Bock und Ramsch"
extern int32_t dlgMoney;           // 11 "Um Geld spielen"
                                   // 12, 13 options dialogs of Skat and Mau-Mau (dlgGameOptions)
extern int32_t dlgDisplay;         // 14 "Anzeige"
extern int32_t dlgOptions;         // 15 "Optionen"
extern int32_t dlgGameMenu;        // 16 "Spielmenü"
extern int32_t dlgStartScreen;     // 17 the start screen
extern int32_t dlgFarbPanel;       // 18 "#farbpanel"
                                   // 19 dlgInGame, above
extern int32_t dlgTextPanel;       // 20 "#textpanel"
extern int32_t dlgButtonPanel;     // 21 "#buttonpanel"
extern int32_t dlgInfoPanel;       // 22 "#infopanel"
extern int32_t dlgSave;            // 23 "Speichern"
extern int32_t dlgLoad;            // 24 "Spiel laden"
                                   // 25 dlgGameList, above; 26..31 options dialogs
extern int32_t dlgNewGame;         // 32 "Neues Spiel"
extern int32_t dlgNetwork;         // 33 "Netzwerkspiel" (waiting room)
extern int32_t dlgNetworkChoice;   // 34 "Netzwerkspiel" (choice)
extern int32_t dlgNetworkJoin;     // 35 "Netzwerkspiel teilnehmen"
extern int32_t dlgChatPanel;       // 36 "#chatpanel"
                                   // 37 dlgMessage (shell_globals.h)
extern int32_t dlgNetworkGames;    // 38 "Spiele im Netzwerk"
extern int32_t dlgLobbyProgress;   // 39 the lobby progress window
extern int32_t dlgInternet;        // 40 "Internetspiel"
extern int32_t dlgNetworkCreate;   // 41 "Netzwerkspiel einleiten"
extern int32_t dlgCredits;         // 42 the credits
extern int32_t dlgPokerPanel;      // 43 "#pokerpanel"
extern int32_t dlgRommeSortMenu;   // 44 "#sortiermenü_romme"
extern int32_t dlgClusterPanel;    // 45 "#clusterpanel"
                                   // 46..55 options dialogs
extern int32_t dlgExtras;          // 56 "Extras"
extern int32_t dlgTutorialPanel;   // 57 "#TutorialPanel"
extern int32_t dlgTutorial;        // 58 the tutorial dialog
// The engine's own first panel, filled by the build as the menu bar.
extern int32_t dlgMenuBar;
constexpr int32_t elMenuButton = 1;
extern int32_t elHelpButton;       // 2, hidden at the end of the build
extern int32_t elChatButton;       // 3
extern int32_t elNameButton;       // 4
// The engine's info dialog gets an extra text element from the build.
extern int32_t elEngineInfoText;

// Elements of the further dialogs that code refers to.
extern LArray<int32_t, 1, 3> elCreditsLogos;  // the three logo pictures under the credits
extern int32_t elGameMenuSave;     // "Speichern" of "Spielmenü"
extern int32_t elCanastaTeams;     // "In Zweierteams spielen (gegenübersitzende Spieler)"
extern int32_t elHelpPanelText;    // #helppanel: the in-game help text
extern int32_t elHelpPanelClose;   // #helppanel: its close button
extern int32_t elStatusText;       // #infopanel element 20 "SBSTRING"
extern int32_t elMessageText;      // the message dialog's text (element 2)
extern int32_t elMessageContinue;  // the message dialog's "Weiter" (element 3)
extern int32_t elSaveName;         // "Speichern": the name to save under
extern int32_t elHelpSearchEdit;   // "Hilfe": the search term
extern int32_t elSeatOrderList;    // "Anzeige": the (hidden) direction selector "Richtung"
// Name edits and gender choices of the network waiting room and of "Netzwerkspiel einleiten";
// 0 until the network dialogs are built.
extern int32_t elNetworkNameEdit;
extern int32_t elNetworkGenderList;
extern int32_t elNetworkCreateNameEdit;
extern int32_t elNetworkCreateGenderList;

// Per game id the options dialog and the elements of its common frame (0: none).
using TGameElements = LArray<int32_t, 0, gidNone>;
extern TGameElements dlgGameOptions;
extern TGameElements elPlayerNameEdit;    // the user's name
extern TGameElements elDifficultyList;    // "Schwierigkeit": 1 "Anfänger", 2 "Normal", 3 "Profi"
extern TGameElements elPlayerCountList;   // "Spielerzahl"
extern TGameElements elGenderList;        // entry 1 a woman's name, 2 a man's
extern TGameElements elTabGroup;          // the page group
extern TGameElements elBackButton;        // "Zurück"
extern TGameElements elTabGeneralButton;  // "Allgemein"
extern TGameElements elTabRulesButton;    // "Regeln"
extern TGameElements elTabScoringButton;  // "Abrechnung" (Canasta)
extern TGameElements elDefaultRulesButton;   // first reset button: loads the "_def.dco" preset
extern TGameElements elDefaultRules2Button;  // second reset button: loads the "_def2.dco" preset
extern TGameElements elRoundsCheck;       // check box (or label) before the rounds selector
extern TGameElements elRoundsList;        // the number of rounds
extern TGameElements elPointsCheck;       // check box (or label) before the points selector
extern TGameElements elPointsList;        // the points limit

// [SECTION] building

// The decision panel "#ingamedialog" at its place in the dialog build.
void buildDecisionPanel();
// The whole dialog build (Tglapp.diagcreate); also what headless tests of the core use.
// Without the engine's own dialogs the menu bar and the info dialog's additions are left out.
void buildGameDialogs();
// Forgets every number above, and the texture numbers the build loads (after the engine's
// dialogs were thrown away).
void clearGameDialogNumbers();
