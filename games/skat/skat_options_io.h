// Reading the Skat options and the computer seats' profiles at a new list, the
// "Standardregeln" button and the reaction to a change of the options. The options dialogs
// are the source; while they are not built (headless runs) the option record in the Skat area
// is, and whoever sets up a list fills it directly.
#pragma once

#include <cstdint>

#include "games/skat/skat_options.h"

// The longest list a typed length may ask for.
constexpr int32_t skatMaxListLength = 200;

// In a local game: each seat's profile from ch.txt for the strength chosen in the options
// dialog (the seat's strength in the game state while there is no dialog), and the option
// record made consistent (list length within 0..200, the Grand base following "Grand zählt
// nur 20").
void skatReadOptions();
// Writes the record back to the options dialogs, then skatOptionsChanged.
void skatWriteOptions();
// Every field of `o` into the dialogs' elements, with the switches that follow them (the
// ISkO box, the "Optionen" buttons, the typed length); reads nothing. The dialogs must be built.
void skatWriteOptionElements(const TSkatOptions& o);
// After a change of the options: skatReadOptions, then the rule set is the international
// rules exactly when the record holds the standard rules; the dialog shows it in the ISkO box,
// enables each "Optionen" button with its switch, and the typed length only while "Eigene:"
// is chosen and no game runs.
void skatOptionsChanged();
// "Standardregeln": Rum, Spitze, Grand 20, Kontra and Bock/Ramsch off, Grand base 24,
// "Standardwertung"; list length, first dealer, money and the sub-options stay.
void skatApplyStandardRules();

// The record holds the international rules: no Rum, Spitze, Grand 20, Kontra, Bock/Ramsch,
// and the standard scoring.
bool skatIsStandardRules(const TSkatOptions& o);
