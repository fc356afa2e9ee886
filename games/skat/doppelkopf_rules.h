// Doppelkopf's rules: the 48-card deck, the game types and their trump orders with the
// Dulle, which card beats which, the trick winner, the legal cards, card points, seat
// arithmetic and the solo names.
//
// [SECTION] deck and names
// [SECTION] trump order and comparison
// [SECTION] tricks and legal cards
// [SECTION] points and seats
#pragma once

#include <cstdint>
#include <string>

#include "core/cards.h"
#include "games/skat/doppelkopf_state.h"

constexpr int doppelkopfStockStack = 11;
constexpr int doppelkopfDeckSize = 48;
constexpr int doppelkopfHandSize = 12;

// [SECTION] deck and names

// The stock (stack 11) holds the 48 cards, first copy then second, ranks Neun..Ass (outer)
// of suits 1..4 (inner), then shuffled.
void doppelkopfBuildDeck();
// The word naming a solo: suit name (1..4), Bube (5) or Dame (6) word, both joined (8);
// the French deck's words take a plural "n".
std::string doppelkopfSoloPrefix(int32_t type, bool shortForm);
// "<prefix>solo", "Fleischloses Solo" for type 7, "" otherwise.
std::string doppelkopfSoloName(int32_t type);

// [SECTION] trump order and comparison

// Fills the trump list and cardValues for doppelkopfSoloType: the Herz-Zehn (Dulle) above
// all in types 0..4, then Damen, Buben and the trump suit, then the side suits.
void doppelkopfBuildTrumpOrder();
inline void doppelkopfRebuildTrumpOrder() { doppelkopfBuildTrumpOrder(); }
bool doppelkopfIsTrump(const TCard& c);
// Card a, played after b, beats b; of two equal cards the first wins, except the second
// Dulle with "2. Dulle (Herz Zehn) zählt höher". doppelkopfBeats2 ignores that option.
bool doppelkopfBeats(const TCard& a, const TCard& b);
bool doppelkopfBeats2(const TCard& a, const TCard& b);
inline bool doppelkopfIsNormalGame() { return doppelkopfArea->doppelkopfSoloType <= 0; }

// [SECTION] tricks and legal cards

// The seat that wins a trick given in playing order, led by `leader`.
int32_t doppelkopfTrickWinner(const THand& trick, int32_t leader);
// The card that wins it, compared without the second-Dulle option.
TCard doppelkopfTrickWinningCard(const THand& trick);
// The first card of the current trick, noCard() before it.
TCard doppelkopfLedCard();
namespace doppelkopf {
// The follow rule: a trump led asks for a trump, a suit for that suit (not a trump).
bool isLegalCard(const TCard& a, const TCard& led);
// The party of seat spinr in view viewnr (doppelkopfArea->views); see partyLookup.
int32_t parteievt(int32_t spinr, int32_t viewnr);
}  // namespace doppelkopf
bool doppelkopfIsLegalNow(const TCard& a);
// The legal cards of a hand against a led card, highest first, each with its position in
// the hand as slot number.
THand doppelkopfLegalCardsOf(const THand& hand, const TCard& led);
// The legal cards of the seat to act now.
void doppelkopfLegalCards(THand& out);
bool doppelkopfIsInLegalList(const TCard& c);
// The card table's questions: false outside trick play (phase 4).
bool doppelkopfIsLegalFollow(const TCard& a, const TCard& led);
bool doppelkopfIsLegalCard(const TCard& c);

// [SECTION] points and seats

int32_t doppelkopfCardPoints(const TCard& c);
int32_t doppelkopfPointsOfCards(const THand& h);
int32_t doppelkopfCardsInHands();
// The seat n places after (before) a seat; seat -1 is the seat to act.
int32_t doppelkopfSeatAfter(int32_t seat, int32_t n);
int32_t doppelkopfSeatBefore(int32_t seat, int32_t n);
void doppelkopfStepToNextSeat();
void doppelkopfStepToPreviousSeat();
