// The questions the core asks about the games' areas of the game state while it starts
// games, builds decisions, decides automatically and lays out the decision panel. Each game
// puts its own answers in here when it is built (at start-up); until then every question
// answers neutrally: no special rule on, no counter, no flag. Pure rules that the games'
// Parts fix in full (Doppelkopf's announcement names, Schafkopf's contract ranks and the
// Sie hand, Go Fish's seat order) answer correctly from the start.
//
// [SECTION] records
// [SECTION] Skat
// [SECTION] Doppelkopf and Schafkopf
// [SECTION] rummy games
// [SECTION] poker, Blackjack, Schnapsen, Jass
// [SECTION] Mau-Mau, Hearts, Go Fish, Old Maid
// [SECTION] variants and list start values
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/cards.h"
#include "platform/records.h"

// [SECTION] records

// A Schafkopf contract: type code (the values of decision 92: 1 Sie, 2 Farbsolo, 3 Wenz,
// 4 Geier, 5 Farbwenz, 6 Farbgeier, 7 Bettel, 8 Rufspiel), suit, Tout flag.
struct TContractRecord {
  uint8_t type;
  uint8_t suit;
  uint8_t tout;
};

struct TSchafkopfRules {
  bool passOption;   // a seat may pass at the contract question
  bool farbgeier, farbwenz, bettel, sie, tout;
  bool callHeldAce;  // a held ace may be called
};

// The Canasta fields decision 82 reads for the seat to act.
struct TCanastaMeldView {
  bool teamHasCanasta;    // the seat's team completed a canasta
  int32_t meldsCounted;   // melds counted for the seat
  int32_t cardsToLay;     // cards the seat must still lay down
  bool firstMeldHolds;    // the first-meld minimum holds the seat back
  bool noteShown;         // the seat was shown the first-meld note
  int32_t goingOutState;  // the area's going-out state
  int32_t meldPoints;     // the seat's meld points so far
  int32_t firstMeldMinimum;
};

struct TJassWeis {
  int32_t count;  // 0..5
  LArray<std::string, 1, 5> captions;
  LArray<int16_t, 1, 5> values;
};

struct TGameAreaQueries {
  // [SECTION] Skat
  std::function<int32_t()> skatNextBidValue;  // the bid list's next value, 0 past its end
  std::function<int32_t()> skatCurrentBid;    // the bid reached so far
  std::function<bool()> skatPlaysForMoney;    // the list is played for money
  std::function<int32_t()> skatMoneyRate;     // its tariff 1..4
  std::function<bool()> skatApplauds;         // the user's won game earns applause

  // [SECTION] Doppelkopf and Schafkopf
  std::function<int32_t(int32_t seat)> doppelkopfNextAnnouncementNow;  // level allowed now, 0 none
  std::function<int32_t(int32_t seat)> doppelkopfNextAnnouncementFor;  // next level of its party
  std::function<bool(int32_t seat)> doppelkopfIsKontraSide;
  std::function<std::string(bool kontraSide, int32_t level)> doppelkopfAnnouncementName;
  std::function<bool()> doppelkopfHochzeitOption;
  std::function<bool()> doppelkopfExtraSoloOption;
  std::function<std::string(int32_t rank, bool longForm)> doppelkopfSoloPrefix;
  std::function<TSchafkopfRules()> schafkopfRules;
  std::function<int32_t()> schafkopfSeatsWanting;        // seats that want to play
  std::function<int32_t()> schafkopfHighestSeat;         // seat of the highest contract so far
  std::function<TContractRecord()> schafkopfHighestContract;
  std::function<TContractRecord(int32_t seat)> schafkopfChosenContract;
  std::function<std::string(const TContractRecord&)> schafkopfContractName;
  std::function<int32_t()> schafkopfTariff;              // cents per point, 0 none
  std::function<int32_t(const TContractRecord&)> schafkopfContractRank;
  std::function<bool(const THand&)> schafkopfHasSieHand;

  // [SECTION] rummy games
  std::function<bool()> ginUpCardPhase;           // Gin Rummy: still in the first two turns
  std::function<bool()> ginSecondFlag;            // the Gin Rummy area's second flag (panel offset)
  std::function<bool()> canastaCanTakePile;
  std::function<TCanastaMeldView()> canastaMeldView;
  std::function<int32_t()> canastaMovesThisTurn;  // the move counter of the current turn
  std::function<bool()> canastaFirstMeldPlanned;
  std::function<void()> canastaAIPlanFirstMeld;
  std::function<void()> canastaAIMove;
  std::function<THand&()> rommeSelection;         // Rommé's copy of the selected cards
  std::function<THand&()> canastaSelection;       // can.selhand
  std::function<void()> canastaClearPileFlag;     // the flag a received pile action clears
  std::function<int32_t(int32_t seat, int32_t kind)> ginBonusPoints;  // kinds 1 box, 2 game, 3 shutout
  std::function<std::string(int32_t kind)> ginBonusText;            // 0: the money row's label part

  // [SECTION] poker, Blackjack, Schnapsen, Jass
  std::function<std::string(int32_t code)> pokerActionText;  // 0 bet/raise, 2 check/call, 3 fold, 4 all-in
  std::function<bool()> pokerGermanTerms;
  std::function<int32_t(int32_t seat)> pokerAmountToCall;
  std::function<int32_t()> pokerCurrentBet;
  std::function<std::string()> pokerPotWinnersText;
  std::function<bool(int32_t seat, int32_t option)> pokerOptionEnabled;  // options 2..4 of 98
  std::function<bool(int32_t seat)> pokerSeatOut;             // poker state 7
  std::function<bool()> pokerPotLimit;
  std::function<bool()> pokerSplitLimit;
  std::function<int32_t(int32_t seat)> pokerSeatPlace;      // final place in the match, 0 playing
  std::function<int32_t(int32_t seat)> pokerSeatOutAfter;   // hands played when it left, 0 playing
  std::function<int32_t()> pokerBigBlind;
  std::function<int32_t()> pokerBlindEvery;                 // hands between blind rises
  std::function<int32_t()> blackjackBet;
  std::function<bool()> blackjackCanDouble;
  std::function<bool()> blackjackDealerCardUp;                // the dealer's second card is revealed
  std::function<bool()> schnapsenTalonClosed;
  std::function<bool()> schnapsenMayClose;
  std::function<bool()> schnapsenMayExchange;
  std::function<int32_t(int32_t seat)> schnapsenTrumpExchangeCard;  // index in the hand, 0 none
  std::function<bool()> jassObenabe;
  std::function<bool()> jassUndenufe;
  std::function<bool()> jassSlalom;
  std::function<TJassWeis()> jassWeis;

  // [SECTION] Mau-Mau, Hearts, Go Fish, Old Maid
  std::function<int32_t&()> maumauPenaltyCounter;
  std::function<int32_t&()> maumauLastDecision;
  std::function<bool()> maumauStackDraw;           // stacking rule for draw cards
  std::function<bool()> maumauStackSkip;           // stacking rule for skip cards
  std::function<bool(int32_t seat)> maumauSaidMau;
  std::function<int32_t(THand& out)> maumauPlayableCards;  // count
  std::function<int32_t()> heartsPassDirection;    // 1 left, 2 right, 3 across
  std::function<int32_t()> heartsPassPile;         // pileA while passing
  std::function<void()> heartsShowPassPrompt;
  std::function<THand&()> heartsPassList;
  std::function<int32_t(int32_t distance)> goFishSeatFromCurrent;
  std::function<bool()> goFishFlag;                // the area's flag that ends multi-selection
  std::function<int32_t()> goFishAskedRank;
  std::function<int32_t()> oldMaidFirstCount;
  std::function<int32_t()> oldMaidRank;
  std::function<int32_t()> oldMaidNextSeatWithCards;
  std::function<bool()> oldMaidDrawFromAny;        // the user picks from the seat under the pointer

  // [SECTION] variants and list start values
  std::function<void(uint8_t variantId, bool on)> setVariantFlag;  // 10, 11, 14
  std::function<bool(uint8_t variantId)> variantFlag;
  std::function<int32_t()> schnapsenStartValue;    // the list totals' start value
};

// The answers in force. resetGameAreaQueries puts the neutral answers back.
extern TGameAreaQueries gameAreas;
void resetGameAreaQueries();
