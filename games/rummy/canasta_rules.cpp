#include "games/rummy/canasta_rules.h"

#include "core/card_order.h"
#include "core/cg.h"
#include "games/rummy/canasta_state.h"
#include "games/rummy/meld_sides.h"
#include "games/rummy/meld_table.h"
#include "shell/shell_globals.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

TCanastaArea& canastaArea() { return gameArea<TCanastaArea>(cg.gs.can); }

namespace {

const TCanastaOptions& opts() { return canastaArea().options; }

constexpr int32_t stockStack = 11, pileStack = 13;

bool validSeat(int32_t seat) { return seat >= 1 && seat <= 6; }

int32_t countWild(const THand& h) {
  int32_t w = 0;
  for (int32_t i = 1; i <= handUsed(h); i++) w += canastaIsWildCard(h.k[i]) ? 1 : 0;
  return w;
}

bool allThrees(const THand& h) {
  for (int32_t i = 1; i <= handUsed(h); i++)
    if (h.k[i].t != rank3) return false;
  return true;
}

// With wild canastas a list that is half wild or more must be wild alone.
bool wildShareAllowed(const THand& h) {
  int32_t n = handUsed(h), w = countWild(h);
  return !opts().wildCanastas || 2 * w < n || w == n;
}

bool ordinaryMeld(const THand& h) {
  int32_t n = handUsed(h), w = countWild(h);
  if (n < 3 || w > 3 || n - w < 2) return false;
  int32_t rank = canastaMeldNaturalRank(h);
  return rank != rank3 && canastaIsSingleRankMeld(h);
}

bool redThreeMeld(const THand& h) {
  int32_t n = handUsed(h);
  return n >= 1 && countWild(h) == 0 && canastaIsRedThree(h.k[1]) && canastaIsRedThree(h.k[n]) &&
         allThrees(h);
}

bool blackThreeMeld(const THand& h) {
  int32_t n = handUsed(h);
  return n >= 3 && countWild(h) == 0 && canastaIsBlackThree(h.k[1]) &&
         canastaIsBlackThree(h.k[2]) && canastaIsBlackThree(h.k[n]) && allThrees(h);
}

bool wildMeld(const THand& h) {
  int32_t n = handUsed(h);
  return opts().wildCanastas && n >= 3 && countWild(h) == n;
}

THand& seatHand(int32_t seat) {
  syncHandFromSlots(sp[seat]);
  return sp[seat].hand;
}

}  // namespace

// [SECTION] cards

bool canastaIsWildCard(const TCard& card) { return card.t == rank2 || card.t == rankJoker; }
bool canastaIsRedThree(const TCard& card) { return card.t == rank3 && (card.f == 3 || card.f == 4); }
bool canastaIsBlackThree(const TCard& card) { return card.t == rank3 && (card.f == 1 || card.f == 2); }
bool canastaIsWildOrBlackThree(const TCard& card) {
  return canastaIsWildCard(card) || canastaIsBlackThree(card);
}

namespace {
int32_t pointsOf(const TCard& c) {
  switch (c.t) {
    case rankJoker: return opts().jokerValue;
    case rank2:
    case rankAce: return 20;
    case rank8:
    case rank9:
    case rankJack:
    case rankQueen:
    case rankKing:
    case rankTen: return 10;
    case rank7:
    case rank3:
    case rank4:
    case rank5:
    case rank6: return 5;
    default: return 0;
  }
}
}  // namespace

int32_t canastaHandPoints(const THand& h) {
  if (handUsed(h) == 0 || canastaIsRedThree(h.k[1])) return 0;
  int32_t sum = 0;
  for (int32_t i = 1; i <= handUsed(h); i++) sum += pointsOf(h.k[i]);
  return sum;
}

int32_t canastaCardPoints(const TCard& card) {
  THand one{};
  handaddk(one, card);
  return canastaHandPoints(one);
}

int32_t canastaHandCardPoints(const THand& h) {
  int32_t sum = 0;
  for (int32_t i = 1; i <= handUsed(h); i++) sum += canastaCardPoints(h.k[i]);
  return sum;
}

// [SECTION] melds

int32_t canastaMeldPoints(const THand& meld, int32_t part) {
  int32_t n = handUsed(meld);
  if (n == 0) return 0;
  int32_t sum = 0;
  bool red = canastaIsRedThree(meld.k[1]);
  if ((part == 0 || part == 1) && !red) sum += canastaHandPoints(meld);
  if ((part == 0 || part == 2) && red) {
    if (n >= 4) {
      sum += opts().fourRedThreesBonus;
    } else {
      for (int32_t i = 1; i <= n; i++) sum += canastaIsRedThree(meld.k[i]) ? opts().redThreeBonus : 0;
    }
  }
  if ((part == 0 || part == 3) && canastaIsCanasta(meld)) {
    int32_t w = countWild(meld);
    sum += w == n ? opts().wildCanastaBonus : w > 0 ? opts().mixedCanastaBonus : opts().naturalCanastaBonus;
  }
  return sum;
}

bool canastaIsSingleRankMeld(const THand& h) {
  int32_t rank = canastaMeldNaturalRank(h);
  for (int32_t i = 1; i <= handUsed(h); i++)
    if (!canastaIsWildCard(h.k[i]) && h.k[i].t != rank) return false;
  return wildShareAllowed(h);
}

bool canastaIsValidMeld(const THand& h) {
  return ordinaryMeld(h) || redThreeMeld(h) || blackThreeMeld(h) || wildMeld(h);
}

bool canastaIsCanasta(const THand& h) { return handUsed(h) >= 7 && canastaIsValidMeld(h); }

bool canastaMeldIsCanasta(int32_t n) {
  THand m{};
  k12.getMeld(n, m);
  return canastaIsCanasta(m);
}

int32_t canastaMeldNaturalRank(const THand& h) {
  for (int32_t i = 1; i <= handUsed(h); i++)
    if (!canastaIsWildCard(h.k[i])) return h.k[i].t;
  return 0;
}

int32_t canastaMeldRank(const THand& h) {
  if (!canastaIsValidMeld(h)) return 0;
  if (opts().wildCanastas && countWild(h) == handUsed(h)) return rankJoker;
  return canastaMeldNaturalRank(h);
}

// [SECTION] sides and first melds

bool canastaPartnershipMode() { return opts().teams != 0; }

int32_t canastaSide(int32_t seat) {
  if (!validSeat(seat)) return 1;
  int32_t t = canastaArea().team[seat];
  return canastaPartnershipMode() && validSeat(t) ? t : seat;
}

int32_t canastaFindTeamRankMeld(int32_t seat, int32_t rank) {
  THand list{}, meld{};
  k12.meldsOfTeam(seat, list);
  int32_t found = 0;
  for (int32_t i = 1; i <= handUsed(list); i++) {
    k12.getMeld(list.k[i].hi, meld);
    if (canastaMeldRank(meld) == rank) found = list.k[i].hi;
  }
  return found;
}

bool canastaTeamHasRankMeldB(int32_t seat, int32_t rank) { return canastaFindTeamRankMeld(seat, rank) != 0; }

bool canastaTeamHasRankMeld(int32_t seat, int32_t rank) {
  return rank != rank3 && canastaTeamHasRankMeldB(seat, rank);
}

bool canastaUpdateTeamCanastaFlag(int32_t seat) {
  uint8_t& flag = canastaArea().teamCanasta[canastaSide(seat)];
  flag = 0;
  THand list{}, meld{};
  k12.meldsOfTeam(seat, list);
  for (int32_t i = 1; i <= handUsed(list); i++) {
    k12.getMeld(list.k[i].hi, meld);
    if (canastaIsCanasta(meld)) flag = 1;
  }
  return flag != 0;
}

bool canastaTeamHasCanasta(int32_t seat) { return canastaUpdateTeamCanastaFlag(seat); }

bool canastaNeedsFirstMeld(int32_t seat) { return canastaArea().firstMeldMade[canastaSide(seat)] == 0; }

bool canastaCurrentNeedsFirstMeld() { return canastaNeedsFirstMeld(cg.gs.akspieler); }

int32_t canastaMinimumForTotal(int32_t listTotal) {
  if (listTotal < 0) return 15;
  if (listTotal < 1500) return 50;
  if (listTotal < 3000) return 90;
  return 120;
}

int32_t canastaGoingOutBonus(int32_t seat) {
  const TCanastaArea& can = canastaArea();
  int32_t out = can.wentOutSeat;
  if (out == 0 || !validSeat(seat) || !validSeat(out)) return 0;
  if (seat != out && !(canastaPartnershipMode() && can.team[seat] == can.team[out])) return 0;
  return can.wentOutConcealed ? opts().concealedBonus : opts().goingOutBonus;
}

// [SECTION] laying down

int32_t canastaHandCount(int32_t seat) {
  return validSeat(seat) ? handUsed(seatHand(seat)) : 0;
}

bool canastaKeepsCardsAfter(int32_t seat, int32_t used, bool moveMakesCanasta) {
  int32_t r = canastaHandCount(seat) - used;
  if (r >= 2) return true;
  return r >= 0 && (moveMakesCanasta || canastaTeamHasCanasta(seat));
}

bool canastaCanMeld(const THand& list) {
  int32_t seat = cg.gs.akspieler;
  int32_t n = handUsed(list);
  if (!validSeat(seat) || !canastaIsValidMeld(list)) return false;
  int32_t h = canastaHandCount(seat);
  if (canastaIsBlackThree(list.k[1]) && h - n > 0) return false;
  // Going out needs a canasta; red threes are replaced at once and never empty the hand.
  if (!canastaIsRedThree(list.k[1]) && !canastaKeepsCardsAfter(seat, n, canastaIsCanasta(list)))
    return false;
  if (canastaTeamHasRankMeld(seat, canastaMeldRank(list))) return false;
  bool own = samePartnership(1, seat);
  return own ? k12.ownMeldCount < ownMeldCapacity : k12.otherMeldCount < otherMeldCapacity;
}

bool canastaCanLayOffOn(const THand& cards, int32_t n) {
  if (!k12.canLayOff(cards, n)) return false;
  THand formed{};
  k12.calegenanhand(cards, n, 0, formed);
  return canastaKeepsCardsAfter(cg.gs.akspieler, handUsed(cards), canastaIsCanasta(formed));
}

// [SECTION] the discard pile

TCard canastaDiscardTop() {
  const THand& pile = seatHand(pileStack);
  return handUsed(pile) > 0 ? pile.k[handUsed(pile)] : noCard();
}

bool canastaHoldsRankPair(int32_t seat, int32_t rank) {
  return validSeat(seat) && countRank(seatHand(seat), rank) >= 2;
}

bool canastaKeepsEnoughCards(int32_t n, int32_t seat, int32_t restOfPile) {
  int32_t r = canastaHandCount(seat) - n + (restOfPile > 0 ? restOfPile : 0);
  if (r >= 2) return true;
  return r >= 0 && canastaTeamHasCanasta(seat);
}

bool canastaMayTakePileWith(int32_t seat, const TCard& pileCard, int32_t restOfPile) {
  if (pileCard.t == 0 || stackUsed(sp[pileStack]) == 0 || !validSeat(seat)) return false;
  const THand hand = seatHand(seat);
  int32_t same = countRank(hand, pileCard.t);
  if (same >= 2 && canastaKeepsEnoughCards(2, seat, restOfPile)) return true;
  if (same == 1 && countWild(hand) >= 1 && canastaKeepsEnoughCards(2, seat, restOfPile)) return true;
  THand list{}, one{}, formed{};
  handaddk(one, pileCard);
  k12.meldsOfTeam(seat, list);
  int32_t left = handUsed(hand) + restOfPile - 1;
  for (int32_t i = 1; i <= handUsed(list); i++) {
    k12.calegenanhand(one, list.k[i].hi, 0, formed);
    if (handUsed(formed) == 0) continue;
    if (left > 0 || (left == 0 && (canastaTeamHasCanasta(seat) || canastaIsCanasta(formed)))) return true;
  }
  return false;
}

bool canastaCanTakePile() {
  TCanastaArea& can = canastaArea();
  int32_t seat = cg.gs.akspieler;
  const THand pile = seatHand(pileStack);
  can.pileFrozen = countWild(pile) > 0 || opts().pileAlwaysFrozen ? 1 : 0;
  can.pileTakeKind = 0;
  can.pileTaken = 0;
  TCard top = canastaDiscardTop();
  int32_t rest = handUsed(pile) - 1;
  if (handUsed(pile) == 0 || canastaIsWildOrBlackThree(top)) return false;
  if (handUsed(pile) == 1 && canastaHandCount(seat) == 1) return false;
  bool ok;
  int32_t kind;
  if (can.pileFrozen) {
    if (can.bestPointsWithPile < can.meldMinimum) return false;
    // The forced three-card meld must leave the seat a card to discard and one to keep.
    ok = can.bestPointsWithPile > 0 ? canastaKeepsEnoughCards(2, seat, rest)
                                    : canastaMayTakePileWith(seat, top, rest);
    kind = 1;
  } else if (canastaNeedsFirstMeld(seat)) {
    if (can.bestPoints < can.meldMinimum) return false;
    ok = canastaMayTakePileWith(seat, top, rest);
    kind = 2;
  } else {
    ok = canastaMayTakePileWith(seat, top, rest);
    kind = 3;
  }
  if (!ok) return false;
  can.pileTakeKind = kind;
  can.pileTopCard = top;
  return true;
}

// [SECTION] the deal

int32_t canastaCardsToDeal() {
  if (opts().cardsDealt != 0) return opts().cardsDealt;
  int32_t n = 13;
  if (opts().packs == 2) n = 11;
  if (playerCount == 3) n = 13;
  if (playerCount == 2) n = 15;
  if (cg.gs.tutorialMode) n = 13;
  return n;
}

void canastaInitSortKeys() {
  // 2 < 3 < ... < king < ace < Joker; suits 1 to 4 within a rank.
  static const int32_t key[15] = {0, 14, 15, 16, 18, 19, 20, 17, 21, 9, 10, 11, 12, 13, 22};
  for (int32_t suit = 1; suit <= 4; suit++)
    for (int32_t rank = 1; rank <= 14; rank++) cardValues[suit][rank] = key[rank] * 5 + suit;
}
