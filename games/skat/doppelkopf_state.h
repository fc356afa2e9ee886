// Doppelkopf's records: the options, the per-seat record of wishes and trick specials, and
// the Doppelkopf area of the game state with the party views. The current trick is kept in
// the shared trick lists (trickBySeat, trickCards) that Skat and Schafkopf use too.
//
// [SECTION] options
// [SECTION] seats
// [SECTION] the Doppelkopf area
#pragma once

#include <cstdint>
#include <string>

#include "core/cards.h"
#include "games/skat/party_knowledge.h"
#include "games/skat/skat_family_ai_types.h"
#include "platform/records.h"

// [SECTION] options

// "Bei Solo zieht an": who leads the first trick of a solo.
enum : int32_t { doppelkopfLeadSoloist = 1, doppelkopfLeadNormal = 2, doppelkopfLeadNotSoloist = 3 };

constexpr int32_t doppelkopfNoGameLimit = 99999;  // "Keine Grenze" of "Rundenzahl"

// The options record, filled from the options dialog at a new list.
struct TDoppelkopfOptions {
  int32_t gameLimit;      // "Rundenzahl": games in the list; 99999 unlimited
  int32_t pointLimit;     // "Spielen bis": list total that ends the list; 0 none
  int32_t dealerChoice;   // "Kartengeber": 1 "Zufall", 2..5 seats 1..4
  uint8_t fuchsFangen;    // "Fuchs fangen": 1 on
  uint8_t doppelkopf;     // "Doppelkopf": 1 on
  uint8_t karlchen;       // "Karlchen Müller": 1 on
  int32_t soloLead;       // "Bei Solo zieht an": doppelkopfLeadSoloist..doppelkopfLeadNotSoloist
  uint8_t bubenDamenSolo; // "Buben-Damensolo erlaubt": 1 allowed
  uint8_t secondDulle;    // "2. Dulle (Herz Zehn) zählt höher": 1 on
  LArray<uint8_t, 1, 5> announcements;  // "Re / Kontra", "Keine 90" .. "Schwarz": 1 allowed
};

// The options a new installation starts with.
extern const TDoppelkopfOptions doppelkopfDefaultOptions;

// The number an item text begins with ("12 Runden" gives 12): the text before its last
// blank as a whole number; 99999 when the text does not begin with a digit.
int32_t doppelkopfParseLeadingNumber(const std::string& text);

// [SECTION] seats

// Per seat 1..4 the wishes and the trick specials; record 0 holds the game-wide fields.
// Cleared by the new game.
struct TDoppelkopfSeat {
  uint8_t doppelkopf;              // took a trick of 40 points or more
  int32_t doppelkopfCount;         // how many
  uint8_t karlchen;                // won the last trick with the Kreuz-Bube
  LArray<uint8_t, 1, 2> fuchs;     // caught a Fuchs (Karo-Ass) of another seat
  LArray<int32_t, 1, 2> fuchsVictim;  // the seat whose Fuchs it was
  int32_t kreuzDamenPlayed;        // seats: Kreuz-Damen played; record 0: the total
  uint8_t vorbehalt;               // said "Vorbehalt"
  uint8_t soloWish;                // chose "Solo" at the Vorbehalt
  uint8_t hochzeitWish;            // chose "Hochzeit" at the Vorbehalt
  // Record 0 only.
  uint8_t hochzeitPartnerFound;    // the Hochzeit found its partner
  int32_t partnerHandSize;         // the partner's hand cards at that moment
  uint8_t bothKreuzDamen;          // the seat asked for decision 84 holds both Kreuz-Damen
  int32_t doppelkopfReLevel;       // 0..5: the Re party's announcement level
  int32_t doppelkopfKontraLevel;   // 0..5: the Kontra party's announcement level
};

// The computer player's evaluation of a seat (doppelkopfAIChooseGame), rewritten each time
// the seat is asked decision 66 and read by its later answers of the same game.
struct TDoppelkopfAISeat {
  int32_t announceLimit;                    // 0..5: highest announcement in a normal game; 0 with a solo chosen
  LArray<uint8_t, 1, 8> soloRating;         // 0..4 per solo type
  LArray<uint8_t, 1, 8> soloAnnounceLimit;  // 1..4 for a solo that became the best so far; 0 otherwise
  int32_t aiSoloType;                       // the solo it would play, 0 none
  // The hand features of the last evaluation.
  int32_t queenScore, aceScore, voidScore, suitScore, trumpScore, total, trumpTotal, sideTotal, weaknessCount;
};

// [SECTION] the Doppelkopf area

// Solo types; 86 marks a solo chosen whose type is still asked (decision 88).
enum : int32_t {
  doppelkopfNormalGame = 0,
  doppelkopfKreuzSolo = 1,
  doppelkopfPikSolo = 2,
  doppelkopfHerzSolo = 3,
  doppelkopfKaroSolo = 4,  // also the seat that plays alone without declaring
  doppelkopfBubenSolo = 5,
  doppelkopfDamenSolo = 6,
  doppelkopfFleischlos = 7,
  doppelkopfBubenDamenSolo = 8,
  doppelkopfSoloPending = 86,
};

struct TDoppelkopfArea {
  TDoppelkopfOptions options;      // read at a new list
  int32_t doppelkopfSoloType;      // 0 normal game, 1..8 a solo (above)
  int32_t doppelkopfSoloist;       // the soloist's seat, 0 none
  int32_t hochzeitSeat;            // the seat that announced a Hochzeit, 0 none
  int32_t hochzeitPartner;         // its partner once found, 0 none
  LArray<TDoppelkopfSeat, 0, 4> seats;
  TPartyViews views;               // 0 public, 1..4 the seats' own
  THand trumps;                    // every trump card of the game type (both copies)
  THand legalCards;                // the legal cards of the seat to act, stored before each card
  int32_t trickPosition;           // 1..4: the place of the next card in the trick
  LArray<int32_t, 1, 3> partyGuessStats;  // guesses undecided, right, wrong over the list
  // The shared trick lists (trickBySeat, trickCards) as saved with the game.
  THand savedTrickBySeat;
  THand savedTrickCards;
  LArray<TDoppelkopfAISeat, 0, 4> doppelkopfAISeats;  // entries 1..4 serve the seats
  // The computer players' voids and known cards; cleared by the new game.
  TSavedSeatKnowledge savedSeatKnowledge;
};

// The Doppelkopf area in use: the game state's once a game starts or is resumed; before
// that a record of this module. doppelkopfAttachArea points the module at another.
extern TDoppelkopfArea* doppelkopfArea;
void doppelkopfAttachArea(TDoppelkopfArea& area);
// Doppelkopf's area in the game state's block.
TDoppelkopfArea& doppelkopfGameArea();
inline TDoppelkopfSeat& doppelkopfGameWide() { return doppelkopfArea->seats[0]; }
