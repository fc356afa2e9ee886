// Reading the Skat options and the computer seats' profiles at a new list, the
// "Standardregeln" button and the reaction to a change of the options. The options dialogs
// come with the shell; until then the option record in the Skat area is the source, and
// whoever sets up a list (the shell, a test) fills it directly.
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
// After a change of the options: skatReadOptions, then the rule set is the international
// rules exactly when the record holds the standard rules.
void skatOptionsChanged();
// "Standardregeln": Rum, Spitze, Grand 20, Kontra and Bock/Ramsch off, Grand base 24,
// "Standardwertung"; list length, first dealer, money and the sub-options stay.
void skatApplyStandardRules();

// The record holds the international rules: no Rum, Spitze, Grand 20, Kontra, Bock/Ramsch,
// and the standard scoring.
bool skatIsStandardRules(const TSkatOptions& o);
