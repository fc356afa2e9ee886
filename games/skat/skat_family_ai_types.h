// The records the Schafkopf and Doppelkopf computer players share: what a seat is known to
// hold (kept in each game's area between ticks), the view of the deal rebuilt before every
// use, the question asked of the probability core and the rating of a candidate card.
#pragma once

#include <cstdint>

#include "core/cards.h"
#include "platform/records.h"

// Suit classes: 1..4 the plain suits, 6 the trumps (5 is never used).
constexpr int32_t familyTrumpClass = 6;

struct TSeatKnowledge {
  LArray<uint8_t, 1, 6> isVoid;  // no card of suit class 1..4 or 6
  uint8_t pad[2];
  THand possibleCards;           // unseen cards the seat may hold
  THand freePossibleCards;       // possibleCards without knownCards
  THand knownCards;              // cards known to be in the seat's hand
};

using TSavedSeatKnowledge = LArray<TSeatKnowledge, 1, 4>;

struct TDealView {
  THand ownHand;
  THand legalCards;
  bool isRe;
  bool ownPartyPublic;
  int32_t partner;
  int32_t believedPartner;
  bool partnerLast;
  bool believedPartnerLast;
  bool partiesKnown;
  int32_t viewSeat;
  int32_t trickCount;
  TSavedSeatKnowledge seats;
  THand unseenCards;
  THand freeUnseenCards;
};

// Kinds of TCardPattern.
enum : int32_t { patternClass = 1, patternOrderValue = 5, patternAnyClass = 6 };

struct TCardPattern {
  int32_t kind;
  int32_t suitClass;
  int32_t above;          // -1 off; kind 5: the order value wanted
  int32_t below;          // -1 off; ignored while above is on
  int32_t alsoVoidClass;  // > 0: the seat must hold no card of this class too
  bool byPoints;          // bounds compare card points
  TCard refCard;
};

struct TCandidateRating {
  float winChance;
  ShortString<50> reasonText;
  float trickValue;
  int32_t revealValue;
  int32_t specialGainA;
  int32_t specialGainB;
  float trumpCost;
  float catchValue;
};

using TCandidateRatings = LArray<TCandidateRating, 1, 12>;
