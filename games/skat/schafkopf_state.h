// Schafkopf's records: the contract types, the options record and the Schafkopf area of the
// game state. The rules, the bidding, the scoring and the table display read and write it.
//
// [SECTION] contract types
// [SECTION] options
// [SECTION] seats and party views
// [SECTION] the Schafkopf area
#pragma once

#include <cstdint>

#include "core/cards.h"
#include "core/game_areas.h"
#include "games/skat/party_knowledge.h"
#include "games/skat/skat_family_ai_types.h"
#include "platform/records.h"

// [SECTION] contract types

// TContractRecord::type; the values 1..8 are also the answers of decision 92.
enum : uint8_t {
  skfNone = 0,
  skfSie = 1,
  skfSolo = 2,
  skfWenz = 3,
  skfGeier = 4,
  skfFarbwenz = 5,
  skfFarbgeier = 6,
  skfBettel = 7,
  skfRufspiel = 8,
  skfRamsch = 9,
};

// Ranks as Schafkopf names them (the same codes as the shared card ranks).
enum : int8_t { skfUnter = rankJack, skfOber = rankQueen, skfKoenig = rankKing, skfZehn = rankTen, skfAss = rankAce };

constexpr int schafkopfSeats = 4;
constexpr int schafkopfDeckSize = 32;
constexpr int schafkopfHandSize = 8;
constexpr int32_t schafkopfNoGameLimit = 99999;  // "Keine Grenze" of the game limit

// [SECTION] options

// Filled from the Schafkopf options dialog at every new list (schafkopfReadOptions); the
// rules, the bidding and the scoring read it. Bytes are 0/1 switches.
struct TSchafkopfOptions {
  int32_t gameLimit;    // "Rundenzahl": games of the list; 99999 no limit
  int32_t pointLimit;   // list total that ends the list; 0 no limit
  int32_t dealerChoice; // 1 "Zufall", 2..5 "Spieler 1".."Spieler 4"
  int32_t moneyTariff;  // cents per point: 0, 1, 2, 5, 10, 20, 50
  int32_t tariffItem;   // the tariff item's position 1..7
  uint8_t tout;         // Tout may be declared
  uint8_t farbgeier;
  uint8_t farbwenz;
  uint8_t bettel;
  uint8_t sie;
  uint8_t kontra;       // the opponents may double
  uint8_t re;           // the declarer party may redouble
  uint8_t ramsch;       // "Ramsch, wenn keiner spielen will"
  uint8_t laufende;     // "Laufende zählen"
  uint8_t ownAce;       // "Eigenes As rufen erlauben (Stilles Solo)"
  int32_t soloValue;    // "Solo, Wenz und Geier Spielwert": 2, 4 or 5
};

// The record a list starts from until the options dialog fills it: 20 games, no point
// limit, a random dealer, no money; Tout, Sie, Kontra, Re and Laufende on, the Farb- forms,
// Bettel, Ramsch and the own Ace off; solo value 2.
extern const TSchafkopfOptions schafkopfDefaultOptions;

// [SECTION] seats and party views

// One seat's part of the bidding. Cleared by the new game (answered) and the bidding.
struct TSchafkopfSeat {
  TContractRecord seatContract;     // what the seat declared; type 0 after a pass
  ShortString<20> contractCaption;  // the caption of the option that named the contract
  uint8_t answered;                 // the seat answered in the asking round
  int32_t laufende;                 // top trumps of its party, set when the contract is applied
  // The computer player's evaluation (schafkopfAIChooseContract), rewritten each time the
  // seat is asked decision 93 and read by its later answers in the same bidding.
  LArray<LArray<uint8_t, 0, 4>, 1, 9> reRating;        // [type][suit] 1..3: how far it redoubles as declarer; 0 none
  LArray<LArray<uint8_t, 0, 4>, 1, 9> contractRating;  // [type][suit] 0..4: how much it likes playing it
  TContractRecord aiContract;                          // what it would declare; type 0 none
};

// Party values of the views.
enum : int32_t { skfPartyRamsch = 0, skfPartyUnknown = 9, skfPartyRe = 10, skfPartyKontra = 11 };


// [SECTION] the Schafkopf area

// Schafkopf's area of the game state. It holds no pointers, so the saved game holds it
// whole. The new game clears the bidding fields; the game step writes the rest. The answer
// of the last decision, the chosen option and the kind asked are the head's (getBlender,
// bl).
struct TSchafkopfArea {
  TSchafkopfOptions options;
  LArray<TSchafkopfSeat, 0, schafkopfSeats> seats;  // index 0 is no seat
  TContractRecord highestOffer;  // the highest declaration so far
  int32_t highestBidder;         // its seat; kept from the previous game until a seat declares
  int32_t firstPlayWish;         // seat that first wanted to play, 0 none
  int32_t secondPlayWish;        // seat that wanted to play next, 0 none
  int32_t playWishCount;         // seats that want to play; 3 also when Ramsch is chosen
  int32_t declarationsMade;      // declarations evaluated in this game
  int32_t kontraLevel;           // 0, 1 Kontra said, 2 Re said
  TContractRecord contract;      // the applied contract
  int32_t declarerSeat;          // its declarer
  int32_t soloistSeat;           // the lone player (declarer; in a Rufspiel once shown silent)
  uint8_t silentSoloShown;       // the declarer played his own called Ace
  uint8_t calledAcePlayed;       // the called Ace is on the table
  int32_t trickPosition;         // 1: the next card leads the trick
  THand trumpList;               // every trump of the applied contract
  THand legalCards;              // legal cards of the seat to act, written before each card
  TPartyViews partyViews;        // 0 public, s what seat s knows (party_knowledge)
  // The computer players' voids and known cards; cleared by the new game.
  TSavedSeatKnowledge savedSeatKnowledge;
};

// The shared trick lists (trickBySeat, trickCards) as saved with a Schafkopf game: copied in
// before saving and back after loading.
struct TSchafkopfSavedLists {
  THand trickBySeat;
  THand trickCards;
};

// The Schafkopf area in use: one program-wide record of this module until the game state
// holds the area; schafkopfAttachArea points the module at another.
extern TSchafkopfArea* schafkopfArea;
void schafkopfAttachArea(TSchafkopfArea& area);
// Schafkopf's area and its saved trick lists in the game state's block.
TSchafkopfArea& schafkopfGameArea();
TSchafkopfSavedLists& schafkopfGameLists();

// The raw party entry of a seat (1..4) in a view (0..4); 9 outside these ranges, with a
// trace line.
int32_t schafkopfPartyOf(int32_t seat, int32_t view);
// The party model's fields of the area in use, and one of its events on them.
TSchafkopfPartyFields schafkopfPartyFields();
void schafkopfPartyEvent(int kind, int32_t seat);
