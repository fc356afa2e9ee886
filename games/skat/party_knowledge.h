// What the table knows about the two parties of a Schafkopf or Doppelkopf game: five views
// (the public one and one per seat), the deduction that completes a view, and the events
// through which play reveals the parties. Doppelkopf's events live with its rules
// (doppelkopf_party.cpp); Schafkopf's are here, over the fields of its area named in
// TSchafkopfPartyFields.
//
// [SECTION] views
// [SECTION] shared operations
// [SECTION] Schafkopf
#pragma once

#include <cstdint>

#include "platform/records.h"

class TRecordIo;

// [SECTION] views

// Party values. Any value but partyUndecided counts as known.
enum : int32_t {
  partyOwn = 0,          // Schafkopf's Ramsch: every seat plays for himself
  partySilentSolo = 4,   // Doppelkopf: the soloist of a silent wedding or a Hochzeit without partner
  partyUndecided = 9,
  partyRe = 10,          // the declarer's side, the Kreuz-Damen, the Hochzeit pair, the soloist
  partyKontra = 11,      // the opponents
};

// One view: 33 int32 entries in this order.
struct TPartyView {
  LArray<int32_t, 1, 4> party;       // believed party of seats 1..4
  LArray<int32_t, 1, 4> partyGuess;  // read while party is undecided; the computer players' guesses
  LArray<int32_t, 1, 4> guessScore;  // the computer players' inference; 0 at initialisation
  LArray<int32_t, 1, 16> evidence;   // the computer players' inference: row r, column c at 4 (r - 1) + c
  int32_t fixedContract;             // contract or solo type at initialisation; not 0: no deduction
  LArray<int32_t, 1, 3> unused;
  uint8_t shownParty;                // set by a computer player's card that shows its party
  LArray<uint8_t, 1, 3> shownPartyPad;
};
static_assert(sizeof(TPartyView) == 33 * 4);

// View 0 is public; view s (1..4) is what seat s knows.
using TPartyViews = LArray<TPartyView, 0, 4>;

// [SECTION] shared operations

// Completes one view: two seats of one party make every undecided seat the other party's;
// first over `party`, then over `partyGuess` on their own. Nothing while fixedContract is set.
void partyDeduction(TPartyView& v);
// The deduction of views 0..4 in turn (the guesses once more each).
void partyDeduceAll(TPartyViews& views);
// A fresh view of playerCount seats: all undecided; with a soloist (> 0) he is Re and
// everybody else Kontra, else reSeat (> 0) alone is Re; the guesses copy the parties.
void partyInitView(TPartyView& v, int32_t playerCount, int32_t fixedContract, int32_t soloist, int32_t reSeat);
// Writes a seat's party and guess in every view; with a lone player (loneSeat > 0) every
// other seat becomes Kontra; each view then deduces.
void partySetAllViews(TPartyViews& views, int32_t seat, int32_t value, int32_t loneSeat);
// The party of seat 1..4 in view 0..4, its guess while undecided. Outside these ranges the
// trace log gets "ACHTUNG! <game>.parteievt: Bereichsfehler spinr,viewnr: s,v" and the
// answer is undecided: play goes on, no box interrupts it.
int32_t partyLookup(const TPartyViews& views, int32_t spinr, int32_t viewnr, const char* game);
// The raw party entry (no guess); undecided outside the ranges.
int32_t partyEntry(const TPartyViews& views, int32_t seat, int32_t view);
// Some seat 1..4 is undecided in view 0.
bool partyAnyUnknown(const TPartyViews& views);

// [SECTION] Schafkopf

// Schafkopf contract types the model tells apart.
constexpr int32_t schafkopfTypeRufspiel = 8;
constexpr int32_t schafkopfTypeRamsch = 9;

// The fields of the Schafkopf area the model reads and writes.
struct TSchafkopfPartyFields {
  TPartyViews& views;
  int32_t contractType;      // the applied contract's type; 0 none
  int32_t contractSuit;      // its suit (the called suit of a Rufspiel)
  int32_t declarerSeat;
  int32_t& soloistSeat;
  uint8_t& silentSoloShown;  // the declarer showed that he called his own Ace
};

namespace schafkopf {
inline int32_t parteievt(const TPartyViews& views, int32_t spinr, int32_t viewnr) {
  return partyLookup(views, spinr, viewnr, "schafkopf");
}
}  // namespace schafkopf
inline int32_t schafkopfPartyOf(const TPartyViews& views, int32_t seat, int32_t view) {
  return partyEntry(views, seat, view);
}
inline bool schafkopfAnyPartyUnknown(const TPartyViews& views) { return partyAnyUnknown(views); }

// The parties are fixed: a contract other than none and Rufspiel, or the declarer showed his
// own called Ace (then soloistSeat := declarerSeat). In Ramsch nobody has a partner, so
// there the all-views write makes nobody Kontra.
bool schafkopfPartiesKnown(TSchafkopfPartyFields& f);
inline bool schafkopfPartiesUnknown(TSchafkopfPartyFields& f) { return !schafkopfPartiesKnown(f); }
// The seat's party in its own view, then that view deduces.
void schafkopfSetPartyInView(TSchafkopfPartyFields& f, int32_t seat, int32_t value);
void schafkopfSetPartyAllViews(TSchafkopfPartyFields& f, int32_t seat, int32_t value);
// Events: 0 new game, 1 start of the bidding, 2 a card was played (the seat's card in
// trickBySeat), 4 Kontra, 5 Re or the declarer at the start of play, 8 after a trick,
// 9 start of a Rufspiel for a non-declarer (its own view from its hand, stack `seat`),
// 10 start of a Ramsch for a seat. Other kinds do nothing.
void schafkopfPartyEvent(TSchafkopfPartyFields& f, int kind, int32_t seat);
void schafkopfOnCardPlayed(TSchafkopfPartyFields& f, int32_t seat);
// Start of play, once the contract is applied.
void schafkopfInitPartyKnowledge(TSchafkopfPartyFields& f);

// A party view's fields in a saved game, as both games' areas hold them.
void partyViewIo(TRecordIo& io, TPartyView& v);
