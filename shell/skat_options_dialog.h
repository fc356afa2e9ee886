// Skat's options dialog (its own elements, placed by the common frame) and its three
// sub-dialogs "Kontra", "Bock und Ramsch" and "Um Geld spielen". Skat's options code reads and
// writes these elements only through the numbers below (0 until built).
#pragma once

#include <cstdint>

#include "platform/records.h"

// [SECTION] the options dialog
extern int32_t elSkatInternationalCheck;          // 4 "Internationale Skatordnung" (hidden)
extern int32_t elSkatOwnRulesCheck;               // 5 "Eigene" (hidden), its opposite
extern LArray<int32_t, 1, 4> elSkatLengthChoices; // 8..11: 3, 36, 72 games, "Eigene:"
extern int32_t elSkatLengthGroup;                 // 12 "Runden"
extern LArray<int32_t, 1, 4> elSkatDealerChoices; // 14..17: seat 1, 2, 3, "Zufällig"
extern int32_t elSkatOwnLengthEdit;               // 19: the typed number of games (3 characters)
extern int32_t elSkatOwnLengthLabel;              // 20 "Spiele"
extern int32_t elSkatRumCheck;                    // 21 "Mit Rum"
extern int32_t elSkatSpitzeCheck;                 // 22 "Mit Spitze"
extern int32_t elSkatGrand20Check;                // 23 "Grand zählt nur 20"
extern int32_t elSkatKontraCheck;                 // 24 "Kontra/Re"
extern int32_t elSkatBockRamschCheck;             // 25 "Bock/Ramsch"
extern int32_t elSkatMoneyCheck;                  // 26 "Um Geld"
extern int32_t elSkatKontraOptions;               // 27 "Optionen": opens "Kontra"
extern int32_t elSkatBockRamschOptions;           // 28 "Optionen": opens "Bock und Ramsch"
extern int32_t elSkatMoneyOptions;                // 29 "Optionen": opens "Um Geld spielen"
extern LArray<int32_t, 1, 4> elSkatScoringChoices; // 31..34: scoring 1..4
extern int32_t elSkatIskoCheck;                   // 37 "Internationale Skatordnung (ISkO)"

// [SECTION] "Kontra"
extern LArray<int32_t, 1, 3> elKontraLevels;      // 4..6: Kontra, Re, Sup and Hirsch
extern LArray<int32_t, 1, 2> elKontraTimeChoices; // 9 "Nach der Spielansage", 10 "Nach dem ersten Stich"

// [SECTION] "Bock und Ramsch"
extern LArray<int32_t, 1, 8> elBockTriggers;      // 4..11 in the dialog's order
extern int32_t elBockRounds;                      // "Bockrunden": 1 "Keine" .. 5 "Drei Runden"
extern int32_t elRamschRounds;                    // "Ramschrunden", the same entries
extern int32_t elSchiebenAllowed;
extern int32_t elJungfrauAllowed;
extern int32_t elGrandHandAllowed;
extern int32_t elDurchmarschAllowed;
extern int32_t elSkatToMostPoints;                // who gets the Skat in Ramsch; radio pair
extern int32_t elSkatToLastTrick;
extern int32_t elRamschIfNoBid;

// [SECTION] "Um Geld spielen"
extern LArray<int32_t, 1, 4> elMoneyRates;        // 4..7: 1/10, 1/4, 1/2, 1 Cent per point

// [SECTION] building

// Skat's own elements 3 to 39 of its options dialog (the dialog under construction).
void buildSkatOptionElements();
// The two group boxes added after the frame, on "Regeln".
void buildSkatOptionBoxes(int32_t dialog, int32_t pageGroup);
void buildKontraDialog();
void buildBockRamschDialog();
void buildMoneyDialog();
// Forgets every number above.
void clearSkatOptionNumbers();

// [SECTION] reactions

// An element of Skat's options dialog other than the frame's buttons.
void skatOptionsDialogClick(int32_t element);
