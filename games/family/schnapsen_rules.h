// Schnapsen's and Sechsundsechzig's rules: the state record, the deck and sort values, card
// points, the trick winner, legal answers, marriages, the 66 check, the trump exchange card,
// the options offered to a leading seat and the settlement of a finished game.
//
// [SECTION] the state
// [SECTION] cards and tricks
// [SECTION] points and the end of a game
#pragma once

#include <cstdint>
#include <string>

#include "core/cards.h"
#include "platform/records.h"

// [SECTION] the state

constexpr int32_t schnapsenWonPile1 = 7;   // seat 1's won tricks; seat 2's is 8
constexpr int32_t schnapsenStock = 11;
constexpr int32_t schnapsenTrick = 12;
constexpr int32_t schnapsenTrumpPile = 13;  // the open trump card
constexpr int32_t schnapsenNoBummerlLimit = 200;

// Options of decision 103 for a leading seat.
enum : int16_t { schnapsenOptClose = 104, schnapsenOptExchange = 105 };

// The game's area: what a saved game keeps. Options are read at a list's start; the rest is
// cleared by the new game and written by the game step.
struct TSchnapsenState {
  int32_t bummerlLimit;       // Bummerl that end the list; 200 "Keine Grenze"
  int32_t pointsPerBummerl;   // game points counted down per Bummerl: 7 or 11
  uint8_t closingAllowed;     // the talon may be closed
  uint8_t exchangeAllowed;    // the trump card may be exchanged
  LArray<int32_t, 1, 2> bummerlWon;       // in this list
  LArray<int32_t, 1, 2> totalPoints;      // card points won + marriage points once a card point is won
  LArray<int32_t, 1, 2> pointsAtClosing;  // totalPoints when the talon was closed
  int32_t closer;             // seat that closed the talon, 0 none
  LArray<int32_t, 1, 2> marriagePoints;   // 20 and 40 announced
  int32_t direction;          // 1 at every new game
  uint8_t variant;            // Sechsundsechzig: nines, six cards, 10 for the last trick
  int32_t trumpSuit;          // suit of the turned-up trump card
  uint8_t strictRules;        // talon closed or used up: follow suit, beat, trump
  uint8_t closed;             // a seat closed the talon
  uint8_t marriageBusy;       // a marriage lookup runs
  int32_t marriagePartner;    // hand slot of the partner of the marriage last found
  int32_t lastTrickSeat;      // winner of the trick that emptied the hands, 0 until then
  LArray<int32_t, 1, 2> shownMarriage;    // seat 2's announced marriage: played and partner slot
  int32_t precomputeSeat;     // pre-computation request: the seat, 0 none
  int32_t precomputeCard;     // pre-computation request: the hand slot, 0 none
};

// Schnapsen's area of the game state, saved with it.
TSchnapsenState& schnapsenArea();

// [SECTION] cards and tricks

// Ace 11, ten 10, king 4, queen 3, jack 2, anything else 0.
int32_t schnapsenCardPoints(const TCard& c);
int32_t schnapsenHandPoints(const THand& h);
// Cards per hand: 5, or 6 in Sechsundsechzig.
inline int32_t schnapsenHandSize() { return schnapsenArea().variant ? 6 : 5; }
// 20 cards jack to ace, 24 with the nines, shuffled into the stock.
void schnapsenBuildDeck();
// Sort values: 500 - 100 * suit + rank.
void schnapsenInitCardValues();
// The seat that wins the trick: the answer wins with a higher card of the led suit, or as a
// trump against a led non-trump; otherwise the leader.
int32_t schnapsenTrickWinner(const TCard& led, const TCard& answer, int32_t answeringSeat);
// Whether `card` of `hand` may answer `led` (no card: a lead, always legal).
bool schnapsenAnswerIsLegal(const TCard& card, const TCard& led, const THand& hand, bool strict);
// The partner slot of a marriage the card in `slot` forms in `hand` (queen with king of its
// suit or king with queen), when `suit` is 0 or the card's suit; 0 when there is none.
int32_t schnapsenMarriagePartner(const THand& hand, int32_t slot, int32_t suit);
// Points of announcing the marriage of `card`: 40 in trumps, else 20.
inline int32_t schnapsenMarriageValue(const TCard& card) { return card.f == schnapsenArea().trumpSuit ? 40 : 20; }
// The hand slot of the exchangeable trump card (the trump jack, in Sechsundsechzig the nine); 0 none.
int32_t schnapsenTrumpExchangeCard(const THand& hand);
// The options of decision 103 for a seat that leads, in order. None once the strict rules
// hold: with the stock used up there is nothing to close and no trump card to take.
int32_t schnapsenLeadOptions(const THand& hand, bool leads, LArray<int16_t, 1, 2>& out);

// [SECTION] points and the end of a game

// totalPoints from the card points of each seat's won tricks (`won`) and its marriages,
// which count once it has won at least one card point. True when a seat has 66 or more.
bool schnapsenCheck66(const LArray<int32_t, 1, 2>& wonCardPoints);

// The settlement of a finished game.
struct TSchnapsenOutcome {
  int32_t winner = 0;
  int32_t gamePoints = 0;             // 1..3
  LArray<int32_t, 1, 2> remaining{};  // each seat's points left of the running Bummerl
  bool bummerl = false;               // the winner counted down to 0
  std::string reason;                 // why the winner won
  std::string secondLine;             // why it got more than 1 point, "" otherwise
  std::string pointsText;             // "<name> erhält n Punkte." (or "... und erhält ein Bummerl.")
};

// Winner, game points and remaining points from the state, the seat to act (the winner of
// the last trick), the list totals before the game and the seats' names. Gives the last
// trick's 10 points in Sechsundsechzig and raises the winner's bummerlWon.
TSchnapsenOutcome schnapsenSettle(int32_t seatToAct, const LArray<int32_t, 1, 6>& listTotals,
                                  const std::string& name1, const std::string& name2);
// The number read from an option item: for each blank, when the text starts with a digit,
// the characters before it (the last blank wins); 99999 without a blank.
int32_t schnapsenOptionNumber(const std::string& text);
bool schnapsenIsListOver(int32_t winner);
// The highscore score: Bummerl won by seat 1 minus those of seat 2.
inline int32_t schnapsenHighscoreScore() { return schnapsenArea().bummerlWon[1] - schnapsenArea().bummerlWon[2]; }
