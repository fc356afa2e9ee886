// Inside the Skat computer player's card choice: the values of one choice that the lead and
// the follow rules share. Only the computer player's own files include this header.
#pragma once

#include <cstdint>

#include "core/cards.h"
#include "games/skat/skat_ai_cards.h"

// One card choice of skatAIChooseCard, built anew for every card.
struct TSkatAIChoice {
  int32_t seat = 0;       // the seat to play
  int32_t o1 = 0;         // the seat after it
  int32_t o2 = 0;         // the seat after o1
  int32_t declarer = 0;   // the bid record's declarer (Ramsch: seat 1)
  int32_t partner = 0;    // 0 for the declarer, else the other defender
  int32_t cardsToPlay = 0;  // 2 lead, 1 second card, 0 third card
  bool strengthPlay = false;  // the second seat plays its strongest card
  THand follow;           // F: the seat's follow cards
  THand pool;             // unseen cards left after the model was dealt
  THand m1;               // the model of o1's hand
  THand m2;               // the model of o2's hand
  bool poolDealtOut = false;  // every unseen card was placed before the final deal
  TCard led{};            // the first trick card (second and third seat)
  TCard second{};         // the second trick card (third seat) or the predicted third card
  TCard best{};           // the trick's best card so far
  TCard lowX{};           // second seat: o1's lowest card that would follow, or no card
  TCard choice{};         // the card chosen
};

// The trump-game lead and the Null and Ramsch lead (noCard when it finds nothing).
TCard skatAILeadCard(const TSkatAIChoice& ch);
TCard skatAINullLeadCard(const THand& f, const THand& a, const THand& b, int32_t declarer,
                         int32_t partner, int32_t seat);
// The second or third card; sets ch.choice.
void skatAIFollowCard(TSkatAIChoice& ch);
// The card of the list to give away / to play when the trick is taken safely or given to the
// partner.
TCard skatAIThrowCard(const TSkatAIChoice& ch, const THand& list);
TCard skatAIRaiseCard(const TSkatAIChoice& ch, const THand& list, bool partnerWins);

// The chosen card when the seat may play it (it holds it and it follows suit); otherwise a
// legal card, and the trace log says which replaced which.
TCard skatAIEnsureLegal(int32_t seat, const TCard& chosen);
// What a computer seat's following card told its void tables, once more for a card already
// played (after loading a saved game): the hands in sp must be those of that moment.
void skatAIRecordVoids(int32_t seat, int32_t cardsToPlay, const TCard& led, const TCard& second,
                       const TCard& chosen);

// The rules judge the other hands by the model this time, not by the real hands. The
// profile's wahrs is the chance to see the real hands (skatAIProfileChance), so a "Profi"
// (30) looks at them more often than an "Anfänger" (0), as the profiles mean it.
inline bool skatAIUsesModel(int32_t seat) { return !skatAIProfileChance(seat); }

// The seat's real hand copy.
const THand& skatAISeatHand(int32_t seat);
