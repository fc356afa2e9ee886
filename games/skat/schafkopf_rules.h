// Schafkopf's rules: the deck, contract names and bidding ranks, the trump order of each
// contract, which card beats which, the trick winner, the legal cards with the called-Ace
// rules, the card points and the seat arithmetic.
#pragma once

#include <cstdint>
#include <string>

#include "core/cards.h"
#include "games/skat/schafkopf_state.h"

// Stacks the game uses besides the seats' hands 1..4.
constexpr int schafkopfStockStack = 11;
constexpr int schafkopfTrickStack = 12;
constexpr int schafkopfWonStack(int32_t seat) { return seat + 6; }  // 7..10

// The stock holds the 32 cards (ranks 7..Ace, rank outer, suit inner), shuffled.
void schafkopfBuildDeck();

// Names. The suit names follow the card-face style; a type outside 1..9 is named "Fehler".
std::string schafkopfSuitName(int32_t suit);
std::string schafkopfContractTypeName(int32_t type, bool longForm);
std::string schafkopfContractName(const TContractRecord& c);

// Bidding rank, 0 (none, Ramsch) .. 13 (Sie); Tout raises only Solo, Wenz, Geier and the
// Farb- forms.
int32_t schafkopfContractRank(const TContractRecord& c);
bool schafkopfIsToutContract(const TContractRecord& c);
// All four Ober and all four Unter.
bool schafkopfHasSieHand(const THand& hand);
// No contract the options allow (Sie only while some seat holds its hand) ranks above the
// highest offer.
bool schafkopfIsHighestBid();

// The trump list and cardValues (32 for the highest card down to 1) of the applied contract.
void schafkopfBuildTrumpOrder();
inline void schafkopfRebuildTrumpOrder() { schafkopfBuildTrumpOrder(); }
bool schafkopfIsTrump(const TCard& c);

// Card a beats card b under the applied contract.
bool schafkopfBeats(const TCard& a, const TCard& b);
inline bool schafkopfBeats2(const TCard& a, const TCard& b) { return schafkopfBeats(a, b); }
// A trick in playing order; the first card's slot number holds the seat that led it.
int32_t schafkopfTrickWinner(const THand& trick);
TCard schafkopfTrickWinningCard(const THand& trick);
// The first card of the current trick (trickCards), or the empty card.
TCard schafkopfLedCard();

// The follow rule: a may be played to the led card (every card when nothing is led).
bool schafkopfIsLegalCard(const TCard& a, const TCard& led);
bool schafkopfIsLegalNow(const TCard& a);
// The legal cards of the seat to act, highest first, each with its slot in the hand.
void schafkopfLegalCards(THand& out);
bool schafkopfIsInLegalList(const TCard& c);
// The card table's questions: false outside trick play.
bool schafkopfIsLegalFollow(const TCard& a, const TCard& led);
bool schafkopfIsLegalCard(const TCard& c);

// Suits a Rufspiel may call with this hand: never Herz, only with a plain card of the suit,
// and without the own-Ace option only an Ace the hand lacks. Rufspiel is offered only when
// some suit is callable.
bool schafkopfCanCallSuit(const THand& hand, int32_t suit);
bool schafkopfRufspielPossible(const THand& hand);

int32_t schafkopfCardPoints(const TCard& c);
int32_t schafkopfPointsOfCards(const THand& cards);
int32_t schafkopfCardsInHands();

// The seat n places after/before; seat -1 is the seat to act.
int32_t schafkopfSeatAfter(int32_t seat, int32_t n);
int32_t schafkopfSeatBefore(int32_t seat, int32_t n);
void schafkopfStepToNextSeat();
void schafkopfStepToPreviousSeat();
bool schafkopfIsBettelOrRamsch();
