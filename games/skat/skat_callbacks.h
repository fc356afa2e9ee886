// What the core and the card table call of Skat: the core's callbacks (new game, resume,
// list over, list, result and highscore texts, the check of every accepted action), the
// table's questions, and the small operations the game step uses around them.
//
// [SECTION] the core's callbacks
// [SECTION] the table's questions
// [SECTION] game step services
#pragma once

#include <cstdint>
#include <string>

#include "core/cards.h"
#include "core/game_result.h"

// [SECTION] the core's callbacks

// A new game of the list (or the first of a new list): resets the records, takes the next
// special-game marker, reads the options at a new list, builds the deck and the bid list and
// chooses the dealer. The core then starts the step machine in phase 0.
void skatNewGame(bool newList);
// After a saved game was loaded: the records, tables, marks and the trick's poses again.
void skatResume();
// The list is over once as many games were played as it is long.
bool skatIsListOver();
// "n" + "f_skat_spielegespielt" with the list length, and the pending special games.
void skatListText(std::string& out);
// The settlement's long text for a finished game, else empty.
void skatResultText(const TGameResult& result, std::string& out);
// At the end of a list: enters the user's total into Skat's highscore table of the rules in
// force; out is the congratulation, empty when no entry was made.
void skatEnterHighscore(std::string& out);
// Every action the core accepted for the seat to act, before the step sees it. An answer
// that is not among the open decision's options, a card the seat may not give, or an action
// the decision does not take is refused: the decision stays open and the trace log says why.
// False when refused.
bool skatCheckAction(int kind, int32_t a, int32_t b);

// [SECTION] the table's questions

// The declarer's hand of an ouvert game lies open during the play and the Kontra round;
// seat 1's only when `flag` is set.
bool skatIsSeatHandOpen(int32_t seat, bool flag);
// The card may be given now: any card while dealing, bidding and declaring; in the play a
// card of the led suit or trump when the hand has one; no Jack into a pushed Skat unless
// "Buben schieben erlaubt".
bool skatIsLegalCard(const TCard& card);
// Skat judges a follow by the card alone.
bool skatIsLegalFollow();
// Every card may be picked while bidding and declaring, and in the tutorial.
bool skatAllCardsSelectable();

// [SECTION] game step services

// After each trick from the second on: the Spitze, the first trick of a seat, Jungfrau, and
// whether the game ends now (all cards played, a broken Schwarz or ouvert, the Null
// declarer's trick, a broken Jungfrau, a failed Spitze).
bool skatTrickEndChecks(int32_t winner);
// The declared game's name: type, " Hand", the announcement, Spitze.
void skatGameName(std::string& out);
void skatShowGameTypeMark();
void skatUpdatePlayerLabels();
// Seat 1's hand-card buttons: active for the cards that may be picked now.
void skatMarkPlayers();
// All 54 hand-card buttons active again after a card was played.
void skatEnableHandCardButtons();
// A computer seat's remark: 1 the trick's winner, 2 a member of the losing party (value:
// the trick's points), 3 after a Kontra level was said.
void skatSound(int32_t type, int32_t seat, int32_t value);

// [SECTION] the table of callbacks

struct TGameCallbacks;
// Skat's calls by role (skat_registration.cpp), as the core dispatches them by game id; a
// bench or a test may register a copy with a call of its own in place.
extern const TGameCallbacks skatGameCallbacks;
