// The Skat deck on the stock.
#include "games/skat/skat_deck.h"

#include "core/card_order.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

void skatBuildDeck() {
  TSpieler& stock = sp[skatStockStack];
  int slot = 0;
  for (int r = rank7; r <= rankAce; r++)
    for (int s = suitClubs; s <= suitDiamonds; s++) {
      TCard& c = stock.slots[++slot].card;
      c.t = static_cast<int8_t>(r);
      c.f = static_cast<int8_t>(s);
    }
  stock.count = skatDeckSize;
  syncHandFromSlots(stock);
  shuffleHand(stock.hand);
  syncSlotsFromHand(stock);
}
