// Skat's Bock and Ramsch rounds: the triggers a settled game fires, the queue of coming
// special games ("B" Bock, "R" Ramsch) and the marker each new game takes from it.
#pragma once

#include <cstdint>
#include <string>

// Codes of the triggers, as a network table's options "Bockrunde" and "Ramschrunde" name
// them; 0 for the triggers a network table cannot agree on.
enum : int32_t {
  skatTriggerLocalOnly = 0,
  skatTriggerSixtyAll = 2,    // "Nach 60:60"
  skatTriggerKontraLost = 3,  // "Nach verlor. Kontra"
  skatTriggerGrandHand = 4,   // "Nach Grand Hand"
  skatTriggerOver100 = 5,     // "Nach Spiel über 100"
};

// Network option kinds of skatSpecialRoundAgreed.
enum : int32_t { skatNetOptionBock = 6, skatNetOptionRamsch = 7 };

// Evaluates the triggers of the settled game, queues their special games and returns the
// lines of the triggers that fired (empty when none fired). Called once per settlement.
void skatSpecialRoundTriggers(std::string& out);

// Adds the special games of one fired trigger and their lines to `out`; nothing unless
// Bock/Ramsch is on, and no line for a count option of "Keine".
void skatAppendSpecialRounds(const std::string& triggerText, int32_t code, std::string& out);

// True in a local game; in a network game only when the table's option of that kind holds
// the code.
bool skatSpecialRoundAgreed(int32_t kind, int32_t code);

// Special games one trigger adds: the Bock games plus the Ramsch games of the count options.
int32_t skatSpecialGamesPerTrigger();

// Special games a count option adds: "Keine" 0, "Ein Spiel" 1, "Eine Runde" 3,
// "Zwei Runden" 6, "Drei Runden" 9.
int32_t skatSpecialGamesOf(int32_t rounds);

// The new game's marker: the first letter of the queue, which is removed; empty when none.
void skatTakeSpecialGameMarker();
