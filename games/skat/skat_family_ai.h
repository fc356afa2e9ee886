// The Schafkopf and Doppelkopf computer players: one design for both games. A game hands
// over a description of itself (TFamilyAIGame); the player builds its view of the deal from
// the table, asks the probability core, rates the candidate cards, chooses one, and watches
// every card played to learn voids and guess the parties. Where the two games differ, the
// code asks `doppelkopf` and reads that game's area.
//
// [SECTION] the game's description
// [SECTION] the player
#pragma once

#include <cstdint>
#include <string>

#include "games/skat/party_knowledge.h"
#include "games/skat/skat_family_ai_types.h"

// [SECTION] the game's description

struct TFamilyAIGame {
  bool doppelkopf;
  TDealView* view;
  bool (*isTrump)(const TCard&);
  int32_t (*cardPoints)(const TCard&);
  int32_t (*trickWinner)(const THand& trick);  // a trick in playing order, seats in the slot numbers
  TCard (*trickWinningCard)(const THand& trick);
  void (*legalCards)(THand& out);              // of the seat to act, highest first
  TSavedSeatKnowledge& (*saved)();
  TPartyViews& (*views)();
  bool (*partiesKnown)();
  int32_t (*loneSeat)();                       // soloistSeat / doppelkopfSoloist
  bool (*noPartners)();                        // Schafkopf's Ramsch: every seat alone
  bool (*hochzeitOpen)();
  int32_t (*parteievt)(int32_t seat, int32_t view);
  bool (*anyPartyUnknown)();
  void (*partyDeduce)(int32_t seat);           // the deduction after a guess, in seat's view
  int32_t (*trickPhase)();                     // the phase of trick play
};

// [SECTION] the player

// Probability modes of the core.
enum : int { probNone = 0, probAtLeastOne = 1 };

class TRecordIo;

// A seat's knowledge in the saved game: the void flags and the three card lists.
void seatKnowledgeIo(TRecordIo& io, TSeatKnowledge& k);

class TFamilyAI {
 public:
  explicit TFamilyAI(const TFamilyAIGame& game) : g(game), v(*game.view) {}

  // The view of the deal.
  void buildView(int32_t seat);
  int32_t suitClass(const TCard& c) const { return g.isTrump(c) ? familyTrumpClass : c.f; }
  bool matches(const TCard& c, const TCardPattern& p) const;
  int32_t countPattern(const THand& cards, const TCardPattern& p) const;
  float probHolds(int32_t seat, const TCardPattern& p, int mode) const;
  float probHigherCard(int32_t seat, const TCard& c) const;
  float probLowerCard(int32_t seat, const TCard& c) const;
  float probWorthMore(int32_t seat, int32_t cls, const TCard& c) const;
  float probWorthLess(int32_t seat, int32_t cls, const TCard& c) const;
  float probHigherOfSuit(int32_t seat, const TCard& c, int32_t cls) const;
  float probLowerOfSuit(int32_t seat, const TCard& c, int32_t cls) const;
  float probIsVoid(int32_t seat, int32_t cls) const;
  float probHoldsSuit(int32_t seat, int32_t cls) const;
  // The seat holds a card of class cls and none of class other: with (the led class, the
  // trumps) it can and may trump.
  float probClassWithoutOther(int32_t seat, int32_t other, int32_t cls) const;
  float probSameTrump(int32_t seat, const TCard& c, int32_t cls, bool strict) const;
  float averageUnknownPoints() const;
  void higherCardsOfSuit(const TCard& c, const THand& list, THand& out) const;
  int32_t countLowerInList(const TCard& c, const THand& list, bool sameClass) const;
  int32_t countHigherInList(const TCard& c, const THand& list, bool sameClass) const;
  int32_t countUnknownLower(const TCard& c, bool sameClass) const { return countLowerInList(c, v.unseenCards, sameClass); }
  int32_t countUnknownHigher(const TCard& c, bool sameClass) const { return countHigherInList(c, v.unseenCards, sameClass); }
  bool areOpponents(int32_t a, int32_t b, int32_t viewSeat) const;
  bool arePartners(int32_t a, int32_t b, int32_t viewSeat) const { return !areOpponents(a, b, viewSeat); }
  bool noReKnown() const;
  int32_t handCount(int32_t seat) const;

  // Trick-win chances of the legal cards, and the chance of a led high card.
  void trickWinChances(TCandidateRatings& r);
  float aceTrickChance(TCard c) const;

  // The card choice: the position of the best rated candidate, and the whole choice.
  int32_t evaluateCandidates(const TCandidateRatings& r) const;
  TCard chooseCard();
  int32_t lowestValueCard(bool trumpPenalty) const;
  int32_t countSureWinners() const;
  int32_t bestCardToGivePartner() const;
  int32_t highestOrderCard() const;
  int32_t bestTrumpToLead() const;
  int32_t randomLeadCard() const;
  int32_t lowestOrderCard() const;

  // Watching the table.
  void observe(int kind, int32_t a, int32_t b);
  void inferParties(const TCard& c);
  static int32_t probabilityScore(float x);
  void addPartyEvidence(int32_t seat, int32_t party, int32_t amount);

  const TFamilyAIGame& g;
  TDealView& v;

 private:
  bool noPartners() const { return g.noPartners && g.noPartners(); }
  bool isBettelOrRamsch() const;
  int32_t strength(int32_t seat) const;
  void addKnown(TSeatKnowledge& k, const TCard& c, int32_t limit) const;
  int32_t freePlaces(int32_t seat, const TCardPattern& p) const;
  int32_t leadRule(float& chance, bool& byChance);
  void guessParties();
  void keepEvidenceConsistent();
};

// The turn's answers. The number of the open decision's option with this value, 0 when none
// offers it; the value to submit: the wanted one when offered, else the first option with a
// trace line, so that no question stays open.
int32_t familyOfferedOption(int32_t value);
int32_t familyOfferedOrFirst(int32_t value, const char* game, int32_t kind);
// Submits a card by its slot in the hand, as the game's legal list stores it; a card not in
// that list gives way to the list's first card, with a trace line.
void familySubmitCard(const TCard& card, const THand& legal, const char* game);

// The nearest integer, halves to the even neighbour.
int32_t familyRound(double x);
// The trace log takes the players' consistency alerts; play goes on.
void familyAIAlert(const std::string& text);
