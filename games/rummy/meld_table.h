// The meld table k12: every meld lying open in Canasta, Rommé and Gin Rummy. The cards lie
// in the card table's stack 12; a meld keeps, in the hi word of each entry, the stack-12 slot
// of that card, in the order the cards lie. Melds 1..20 are the own side (seat 1 and its
// partners), melds 21..60 the other side, each numbered without gaps.
//
// [SECTION] the record
// [SECTION] the saved image
#pragma once

#include <cstdint>

#include "core/cards.h"
#include "platform/records.h"

struct TCardPose;
struct TCardSlot;
struct TMeldTableImage;

constexpr int32_t ownMeldCapacity = 20;
constexpr int32_t otherMeldCapacity = 40;

// [SECTION] the record

class Tk12Container {
 public:
  LArray<THand64, 1, 60> melds;  // a meld's owner is its THand64's owner
  int32_t ownMeldCount = 0;
  int32_t otherMeldCount = 0;
  uint8_t layOffPending = 0;     // a prepared lay-off waits for its card moves
  uint8_t jokerExchange = 0;     // the pending lay-off takes a Joker's place (Rommé)
  int32_t exchangePos = 0;       // position, after the lay-off, of the card in the Joker's place
  int32_t jokerSlot = 0;         // stack-12 slot of that Joker
  float layOffProgress = 0;      // advanced by the card table while the lay-off runs
  TCard exchangeCard{};          // the card in the Joker's place
  int32_t targetMeld = 0;
  int32_t layOffSeat = 0;        // stack the laid-off cards come from
  int32_t layOffSeatSlot = 0;    // its slot of the last laid-off card
  int32_t lastLaidOffSlot = 0;   // stack-12 slot of the last laid-off card
  THand newPositions{};          // meldBefore as prepared, kept for the saved game
  THand laidOffHandSlots{};      // hi word: hand slot of the i-th selected card
  THand meldBefore{};            // the target before the lay-off; hi word: its new position
  THand pendingCards{};          // the laid-off cards; hi word: position after the lay-off
  LArray<uint8_t, 1, 60> canastaClosed{};  // drawn as a closed canasta pile

  void clear();
  // Opens a meld of `count` cards; its number, 0 when the side has no free place.
  int32_t addMeld(int32_t seat, int32_t count);
  int32_t lastMeldIndex(int32_t seat) const;
  void getMeld(int32_t n, THand& out) const;
  void meldsOfSeat(int32_t seat, THand& out) const;
  void meldsOfTeam(int32_t seat, THand& out) const;
  void collectSeatMeldCards(int32_t seat, THand& out) const;
  bool isSelected(int32_t position) const;
  void removeFromMeld(int32_t n, int32_t pos);
  void writeSlotLocations() const;
  void rebuildFromSlots();
  // The lay-off builders: out is meld n with the cards placed, empty when impossible.
  void legenanhand(const THand& cards, int32_t n, int32_t clickPos, THand& out) const;
  void calegenanhand(const THand& cards, int32_t n, int32_t clickPos, THand& out) const;
  // The seat to act may lay the cards off on meld n.
  bool canLayOff(const THand& cards, int32_t n) const;
  void prepareLayOff(const THand& selection, const THand& laidCards, const THand& newMeld,
                     int32_t n, int32_t seat, int32_t seatSlot, bool exchange, int32_t lastSlot);
  void placeSelection();

  // The meld layout (meld_layout.cpp).
  void meldCardPose(int32_t n, bool withPending, TCardPose& out, int32_t mode);
  void meldCardTarget(int32_t n, int32_t f, TCardSlot& out, bool keepLift, int32_t slot);
  static int32_t meldRowOffset();

  // A meld number that is in use.
  bool inUse(int32_t n) const;
};

extern Tk12Container k12;

// [SECTION] the saved image

void meldTableToImage(const Tk12Container& t, TMeldTableImage& image);
void meldTableFromImage(const TMeldTableImage& image, Tk12Container& t);
