// The computer player's per-seat data rebuilt after loading a saved game.
//
// [SECTION] profiles and ratings
// [SECTION] void tables
#include "games/skat/skat_ai_resume.h"

#include <algorithm>
#include <vector>

#include "core/cg.h"
#include "core/seat_record.h"
#include "games/skat/skat_ai_play.h"
#include "games/skat/skat_ai_state.h"
#include "games/skat/skat_profile.h"
#include "games/skat/skat_rating.h"
#include "games/skat/skat_rules.h"
#include "games/skat/skat_state.h"
#include "games/skat/skat_step_internal.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

namespace {

// [SECTION] profiles and ratings

// The seven numbers of each seat follow its strength in the game state (a new list copies
// them there); a seat without a strength there keeps what the module holds.
void restoreProfiles() {
  for (int32_t s = 1; s <= 3; s++) {
    const TSeatProfile& p = cg.gs.seatProfiles[s];
    if (p.strength < 1 || p.strength > 3) continue;
    TSkatSeatProfileStore& m = seatProfile[s];
    m.strength = p.strength;
    m.fields.reizen = p.reizen;
    m.fields.reizenr = p.reizenr;
    m.fields.wahrs = p.wahrs;
    m.fields.wahr0 = p.wahr0;
    m.fields.kont = p.kont;
    m.fields.wafe = p.wafe;
    m.fields.krafe = p.krafe;
  }
}

// The ratings exist from the end of the deal on; before that the deal writes them.
bool handsRated() {
  uint8_t phase = cg.gs.phase;
  bool afterDeal = phase == skatPhaseBidding || phase == skatPhaseDeclaring || phase == skatPhaseKontra ||
                   phase == skatPhaseSchieben || phase == skatPhaseTricks;
  return afterDeal && handUsed(dealtHands[1]) > 0 && handUsed(dealtHands[2]) > 0 && handUsed(dealtHands[3]) > 0;
}

// Each seat's hand rated as at the deal (seat 3 first): the dealt hands and Skat are kept in
// the file. The rating sets the game and bid records, so they are put back afterwards.
void rateDealtHands() {
  const TSkatGameRecord game = *skatGame;
  const TSkatBidRecord bid = *skatBid;
  for (int32_t s = 3; s >= 1; s--) {
    int32_t o1 = skatNextPlayer(s);
    int32_t o2 = skatNextPlayer(o1);
    TSkatSeatRating r = skatRateHand(dealtHands[s], dealtSkat, dealtHands[o1], dealtHands[o2], seatProfile[s].fields);
    skatStoreSeatRating(sp[s], r);
  }
  *skatGame = game;
  *skatBid = bid;
}

// From the start of the declarer's turn on, its bestGame carries the game the step machine
// chose for it, which the bid record holds.
void restoreDeclaredGame() {
  uint8_t phase = cg.gs.phase;
  if (phase != skatPhaseDeclaring && phase != skatPhaseKontra && phase != skatPhaseTricks) return;
  int32_t d = skatBid->declarer;
  if (d >= 1 && d <= 3) skatSetBestGame(sp[d], skatBid->gameType);
}

// [SECTION] void tables

// One card of the trick play so far: who played it, its place in the trick and the trick's
// cards before it.
struct TPastCard {
  int32_t seat;
  int32_t place;  // 1..3
  TCard card;
  TCard led;
  TCard second;
};

void addTrick(std::vector<TPastCard>& out, const THand& cards, int first, int count, int32_t leader) {
  int32_t seat = leader;
  for (int k = 1; k <= count; k++) {
    const TCard& c = cards.k[first + k - 1];
    TCard led = k >= 2 ? cards.k[first] : noCard();
    TCard second = k >= 3 ? cards.k[first + 1] : noCard();
    out.push_back({seat, k, c, led, second});
    seat = skatNextPlayer(seat);
  }
}

// The trick play so far in its order: the first trick led by forehand, every later one by
// the seat whose won cards hold the trick before. False when the lists do not fit together.
bool pastCards(std::vector<TPastCard>& out) {
  int32_t leader = skatForehand();
  int n = handUsed(playedCards);
  if (n % 3 != 0) return false;
  for (int first = 1; first <= n; first += 3) {
    addTrick(out, playedCards, first, 3, leader);
    leader = 0;
    for (int32_t s = 1; s <= 3; s++)
      if (hasCard(wonCards[s], playedCards.k[first])) leader = s;
    if (leader == 0) return false;
  }
  size_t done = out.size();
  addTrick(out, trickCards, 1, handUsed(trickCards), leader);
  for (size_t i = done; i < out.size(); i++)
    if (!cardsEqual(trickBySeat.k[out[i].seat], out[i].card)) return false;
  return true;
}

// Each seat's hand when the trick play began, in its slot order then: the copy the step
// machine keeps of it, when that copy is the hand now plus the cards played since.
THand handAtFirstTrick(int32_t seat, const std::vector<TPastCard>& past) {
  THand now = sp[seat].hand;
  THand played{};
  for (const TPastCard& p : past)
    if (p.seat == seat) handaddk(played, p.card);
  THand copy = sp[seat + skatCopyOffset].hand;
  bool fits = handUsed(copy) == handUsed(now) + handUsed(played);
  for (int i = 1; fits && i <= handUsed(copy); i++) fits = hasCard(now, copy.k[i]) || hasCard(played, copy.k[i]);
  if (fits) return copy;
  appendHand(now, played);
  return now;
}

void setCards(TSpieler& stack, const THand& cards) {
  THandExtras e = stack.hand.extras;
  stack.hand = cards;
  stack.hand.extras = e;
}

// The computer seats' void tables as their card choices wrote them: every card a computer
// seat played in second or third place is recorded again with the hands of that moment.
void rebuildVoidTables() {
  for (int32_t s = 1; s <= 3; s++) {
    uint8_t* m = sp[s].hand.extras.markers;
    std::fill(m, m + sizeof sp[s].hand.extras.markers, uint8_t(0));
  }
  if (cg.gs.phase != skatPhaseTricks) return;
  std::vector<TPastCard> past;
  if (!pastCards(past)) return;
  THand now[4], hand[4];
  for (int32_t s = 1; s <= 3; s++) {
    syncHandFromSlots(sp[s]);
    syncHandFromSlots(sp[s + skatCopyOffset]);
    now[s] = sp[s].hand;
    hand[s] = handAtFirstTrick(s, past);
  }
  for (const TPastCard& p : past) {
    for (int32_t s = 1; s <= 3; s++) setCards(sp[s], hand[s]);
    if (p.place >= 2 && cg.seatRecords[p.seat].kind == seatKindComputer)
      skatAIRecordVoids(p.seat, p.place == 2 ? 1 : 0, p.led, p.second, p.card);
    removeFirstCard(hand[p.seat], p.card);
  }
  for (int32_t s = 1; s <= 3; s++) setCards(sp[s], now[s]);
}

}  // namespace

void skatRestoreAIState() {
  restoreProfiles();
  rebuildVoidTables();
  if (!handsRated()) return;
  rateDealtHands();
  restoreDeclaredGame();
}
