// Schnapsen's and Sechsundsechzig's flow: the new game, the deal, the play phase the core
// steps once per tick, the end of a game, resuming a loaded game, the check of answers and
// the card table's questions.
#pragma once

#include <cstdint>
#include <string>

#include "core/cards.h"

struct TGameState;

enum : uint8_t { schnapsenPhaseStart = 0, schnapsenPhaseDeal = 1, schnapsenPhasePlay = 4 };
// Steps besides the cards of the current trick: 77 lays out the stock (deal) or swaps the
// exchanged cards (play), 78 ends the deal, 99 ends the game.
enum : int32_t { schnapsenStepLayout = 77, schnapsenStepDealt = 78, schnapsenStepOver = 99 };
// Sub-states of the play phase.
enum : uint8_t {
  schnapsenDraw = 0,         // the seats draw after a trick
  schnapsenPlayCard = 2,     // the answered card is announced, checked and played
  schnapsenAsked = 3,        // a decision is open
  schnapsenTurn = 4,         // the seat to act is asked
  schnapsenCollect = 6,      // the trick goes to its winner
  schnapsenTrickFull = 7,    // the pause before collecting
};

void schnapsenNewGame(bool newList);
void schnapsenGameStep(TGameState& gs);
void schnapsenResume(int phase);
// The options record at a list's start; the options dialog's elements come with the shell.
void schnapsenReadOptions();

// A refused answer leaves the decision open and writes a trace line.
bool schnapsenCheckAction(int kind, int32_t a, int32_t b);

// The card table's questions.
bool schnapsenIsLegalCard(const TCard& card);
bool schnapsenIsLegalFollow(const TCard& card, const TCard& led);
bool schnapsenIsShownMarriageCard(int32_t seat, int32_t slot);
// The label of won pile 7 or 8: card points plus marriages, or "(marriages)" without card points.
std::string schnapsenPointsText(int32_t stack);
// Marriage lookup: mode 1 hovered slot, 2 lift target, 3..100 the last answer's slot,
// above 100 slot mode - 100 of seat 2. True when the card forms a marriage in `suit` (0 any).
bool schnapsenAnnounceMarriage(int32_t mode, int32_t suit, int32_t slot = 0);
// The hand slot of a seat's exchangeable trump card, 0 none.
int32_t schnapsenSeatExchangeCard(int32_t seat);
void schnapsenTrickLayout();
void schnapsenTableLayout();
