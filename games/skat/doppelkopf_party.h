// Doppelkopf's party events and trick specials: the Kreuz-Damen, the Hochzeit and the
// silent wedding reveal the parties; Fuchs, Karlchen and Doppelkopf are recorded per trick
// for the scoring and shown as seat marks.
//
// [SECTION] party model
// [SECTION] trick specials
// [SECTION] remarks
#pragma once

#include <cstdint>

// [SECTION] party model

// Events: 0 new game (public view), 1 Vorbehalt phase or solo chosen (every view, each seat
// knowing its own Kreuz-Damen), 2 a card was played (the seat's card in trickBySeat),
// 4 an announcement of the Kontra side, 5 of the Re side, 6 the Hochzeit partner found
// (seat = partner), 7 a seat plays alone without a declared solo, 8 after a trick.
void doppelkopfPartyEvent(int kind, int32_t seat);
// After a card entered trickBySeat: event 2, the Kreuz-Damen count, and the silent wedding
// of a seat that plays its second Kreuz-Dame with no Hochzeit announced.
void doppelkopfOnCardPlayed(int32_t seat);
// Writes a seat's party in every view; in a solo every other seat but the soloist is Kontra.
void doppelkopfSetPartyAllViews(int32_t seat, int32_t value);
int32_t doppelkopfPartyOf(int32_t seat, int32_t view);
bool doppelkopfAnyPartyUnknown();
// The seat is undecided in the user's view (view 1).
bool doppelkopfIsPartyUnknown(int32_t seat);
// A Hochzeit was announced and has no partner yet, nor became a solo.
bool doppelkopfHochzeitOpen();

// [SECTION] trick specials

// The special rules in force: a normal game and the option on.
bool doppelkopfFoxRuleActive();
bool doppelkopfDoppelkopfRuleActive();
bool doppelkopfKarlchenRuleActive();
// After a trick (the cards in trickBySeat, the trick number in the sub-step): Karlchen,
// Doppelkopf and Fuchs of the winner, and the Hochzeit partner in the first three tricks.
// True when a special was recorded.
bool doppelkopfTrickSpecials(int32_t winner);
// In a solo every special goes; otherwise a Fuchs record goes once the public view shows
// catcher and victim decided in one party.
void doppelkopfClearOwnPartySpecials();
// A Fuchs record counts in the scoring exactly when catcher and victim end in different
// parties of the public view.
bool doppelkopfFuchsCounts(int32_t seat, int record);
// Seat marks: 0 none, 1 shown, 2 shown while the parties are undecided.
int32_t doppelkopfFoxMarkState(int32_t seat);
int32_t doppelkopfKarlchenMark(int32_t seat);
int32_t doppelkopfDoppelkopfMark(int32_t seat);

// [SECTION] remarks

// A computer seat's remark: 1 the winner of a trick with a special, 2 an opponent of his,
// 3 the winner and 4 an opponent by the trick's points (strength), 5 an announcement to the
// soloist and 6 to all, by the level said (strength).
void doppelkopfPlayTrickComment(int32_t type, int32_t seat, int32_t strength);
