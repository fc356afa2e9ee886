// Hearts' game flow: the core's calls (new game, step, resume, the check of an action), the
// card table's questions, and the pass prompt and table marks the shell asks for.
#pragma once

#include <cstdint>
#include <string>

#include "core/cards.h"
#include "core/game_state.h"

// Phases and sub-states of the step (phase 5 is the core's: the result is shown).
enum : uint8_t { heartsPhaseStart = 0, heartsPhaseDeal = 1, heartsPhasePlay = 4 };
enum : uint8_t {
  heartsPassing = 0,      // the seats pass, then the exchange
  heartsAsked = 3,        // a decision is open (set by the core)
  heartsAskCard = 4,      // the next card is asked
  heartsTrickDone = 5,    // the trick goes to its winner
  heartsTrickFull = 6,    // with step 99: the deal has ended
  heartsLastTrick = 7,    // the last trick was collected
  heartsCardPlayed = 8,   // a card was played; with step 99: the end display
};
constexpr int32_t heartsDealOver = 99;  // step value at the end of a deal

void heartsNewGame(bool newList);
void heartsGameStep(TGameState& gs);
// Called twice after loading: before the seats are restored (false) and after (true).
void heartsResume(bool after);
// False refuses an answer: it changes nothing and the decision stays open.
bool heartsCheckAction(int kind, int32_t a, int32_t b);

// The card table's questions.
bool heartsIsSeatHandOpen(int32_t seat);
bool heartsIsLegalFollow(const TCard& card, const TCard& lead);
bool heartsIsLegalCard(const TCard& card);

// The shell's calls while the user lifts cards, and the overlay.
void heartsCollectPassCards(THand& hand);
void heartsShowPassPrompt();
void heartsRefreshTableSigns();
void heartsUpdateButtons();
// What the prompt and the marks show, for whoever draws or checks them.
const std::string& heartsPassPrompt();  // "" while the continue button is enabled
bool heartsPassContinueEnabled();
int32_t heartsMarkedSeat();             // the seat with the turn marker, 0 none
