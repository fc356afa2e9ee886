// Mau-Mau's card rules: legal follows, the missed announcement, the playable cards and the
// refill of the stock.
//
// [SECTION] legality
// [SECTION] refill
#include "games/family/maumau_rules.h"

#include "core/card_order.h"
#include "core/cg.h"
#include "games/family/maumau_state.h"
#include "platform/random.h"
#include "table/move_queue.h"
#include "table/stacks.h"

// [SECTION] legality

TCard maumauTopCard() {
  TCardSlot top;
  getLastPlayedCard(top);
  return top.card;
}

int32_t maumauCardsOf(int32_t stack) { return stack >= 1 && stack <= stackCount ? stackUsed(sp[stack]) : 0; }

bool maumauMauMissing() {
  int32_t seat = cg.gs.akspieler;
  return maumauArea().announceRule && seat >= 1 && seat <= maumauMaxSeats && maumauCardsOf(seat) == 1 &&
         !maumauArea().saidMau[seat];
}

namespace {

// What the card itself allows on top, before the decision is asked.
bool followsTop(const TCard& card, const TCard& top) {
  bool wishOnTop = maumauCardRole(top.t) == maumauWish;
  int32_t suit = wishOnTop && maumauArea().wishedSuit != 0 ? maumauArea().wishedSuit : top.f;
  bool wishCard = maumauCardRole(card.t) == maumauWish;
  // On a wish card only the wished suit counts; a same rank is no follow.
  if (wishOnTop) return wishCard ? maumauArea().wishOnWish : card.f == suit;
  return card.t == top.t || card.f == suit || wishCard;
}

}  // namespace

bool maumauIsLegalFollow(const TCard& card, const TCard& top, bool useSaved) {
  if (isNoCard(card) || !followsTop(card, top)) return false;
  const TDecisionBlock& b = useSaved ? cg.gs.savedBl : cg.gs.bl;
  if (b.showOptions) {
    if (b.decisionKind == maumauDrawTwo && maumauCardRole(card.t) != maumauDrawTwo) return false;
    if (b.decisionKind == maumauSkip && maumauCardRole(card.t) != maumauSkip) return false;
  }
  if (!b.cardsSelectable) return false;
  if (!useSaved && maumauCardRole(top.t) == maumauWish && maumauArea().wishedSuit == 0) return false;
  return !maumauMauMissing();
}

bool maumauIsLegalCard(const TCard& card) { return maumauIsLegalFollow(card, maumauTopCard(), false); }

int32_t maumauPlayableCards(THand& out) {
  clearHand(out);
  int32_t seat = cg.gs.akspieler;
  for (int i = 1; i <= maumauCardsOf(seat); i++) {
    TCard c = sp[seat].slots[i].card;
    if (!maumauIsLegalCard(c)) continue;
    c.hi = int16_t(i);
    handaddk(out, c);
  }
  return out.anz;
}

// [SECTION] refill

namespace {

// The core's shuffle counter counts down the two shuffle passes of a refilled stock.
int16_t& shuffleCountdown() { return cg.gs.warCollectDelay; }

// The pile's top card goes aside, the rest onto the stock from the top down; the step waits
// until the top card is back on the empty pile.
void turnPileIntoStock() {
  int32_t n = maumauCardsOf(maumauPile);
  movecard(maumauPile, n, maumauAside, 1, 0, 3, moveRefillMau, 0.0f, 0, 0.0f);
  int32_t base = maumauCardsOf(maumauStock);
  for (int32_t k = 1; k <= n - 1; k++)
    movecard(maumauPile, n - k, maumauStock, base + k, 1, 3, moveToStockMau, 0.2f * k, 0, 0.0f);
  noteCoreMove(maumauAside, 1);
  shuffleCountdown() = 2;
}

// One shuffle pass of the stock in place; the last one shuffles it.
void shufflePass() {
  int16_t& left = shuffleCountdown();
  int32_t n = maumauCardsOf(maumauStock);
  for (int32_t i = 1; i <= n; i++) {
    if (!movecard(maumauStock, i, maumauStock, i, 0, 5, moveStraight, 0.0f, 0, 0.0f)) continue;
    float r = float(randomReal());
    sp[maumauStock].slots[i].variation = left == 1 ? 0.2f * r + 1.47f : 0.2f * r - 0.1f;
  }
  if (n >= 1) noteCoreMove(maumauStock, n);
  left--;
  if (left == 0) shuffleStack(sp[maumauStock]);
}

}  // namespace

bool maumauRefillStock(int32_t n) {
  int32_t stock = maumauCardsOf(maumauStock), pile = maumauCardsOf(maumauPile);
  if (!maumauArea().reshuffle) return true;
  if (shuffleCountdown() > 0) {
    shufflePass();
    return false;
  }
  if (stock + pile <= 2 || stock >= n || pile <= 1) return cg.gs.pendingMove == 0;
  turnPileIntoStock();
  return false;
}
