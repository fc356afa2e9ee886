// Jass's game flow: the core's calls (new game, step, resume, the check of an answer), the
// card table's questions and the overlay the shell shows.
#pragma once

#include <cstdint>
#include <string>

#include "core/cards.h"
#include "core/game_state.h"

// Phases (phase 5 is the core's: the result is shown) and the sub-states of phase 4.
enum : uint8_t { jassPhaseStart = 0, jassPhaseDeal = 1, jassPhaseTricks = 4, jassPhaseMode = 7 };
enum : uint8_t {
  jassAsked = 3,        // a decision is open (set by the core)
  jassAskCard = 4,      // the next card is asked (in phase 7: the mode is asked)
  jassCollect = 5,      // the trick goes to its winner
  jassTrickFull = 6,    // Weis phase when due, then winner and bookings
  jassCardPlayed = 8,   // a card was played
};
constexpr int32_t jassDealOver = 99;   // step value at the end of a deal
constexpr int32_t jassWeisPhase = 77;  // sub-step of the Weis phase after the first trick

void jassNewGame(bool newList);
void jassGameStep(TGameState& gs);
void jassResume();
// False refuses an answer: it changes nothing and the decision stays open.
bool jassCheckAction(int kind, int32_t a, int32_t b);

// The card table's questions.
bool jassIsLegalFollow(const TCard& card, const TCard& lead);
bool jassIsLegalCard(const TCard& card);

// The overlay: turn marker, suit or mode icon and the team scores.
void jassUpdateButtons();
std::string jassScoreText();
int32_t jassMarkedSeat();  // the seat with the turn marker, 0 none
int32_t jassModeIcon();    // the suit (1..4) or mode (15, 16, 18, 19) shown, 0 none
// The mode picture on the first suit icon: 1 Obenabe, 2 Undenufe, 3 Slalom Obenabe, 4 Slalom
// Undenufe; 0 while a suit or nothing shows.
int32_t jassModePicture();
