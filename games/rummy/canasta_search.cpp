// Canasta's three move searches and the hint move. Each works on copies of the hand; the pile
// card carries the mark 777 in its hi word while a search works, so that the search knows
// whether it was used.
//
// [SECTION] helpers
// [SECTION] going out
// [SECTION] the smallest first meld
// [SECTION] the most points
#include "games/rummy/canasta_search.h"

#include <algorithm>
#include <string>

#include "core/card_order.h"
#include "core/cg.h"
#include "engine/engine_services.h"
#include "games/rummy/canasta_rules.h"
#include "games/rummy/canasta_state.h"
#include "games/rummy/meld_table.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

// [SECTION] helpers

namespace {

constexpr int32_t stockStack = 11, pileStack = 13;

const TCanastaArea& can() { return canastaArea(); }

int32_t strengthOf(int32_t seat) { return seat >= 1 && seat <= 6 ? cg.gs.seatProfiles[seat].strength : 3; }

THand entryHand(const TCanastaMoveEntry& e) {
  THand h{};
  hand64ToHand(e.cards, h);
  return h;
}

THand sideMelds(int32_t seat) {
  THand list{};
  k12.meldsOfTeam(seat, list);
  return list;
}

THand tableMeld(int32_t n) {
  THand m{};
  k12.getMeld(n, m);
  for (int32_t p = 1; p <= handUsed(m); p++) m.k[p].hi = 0;
  return m;
}

bool marked(const TCard& c) { return c.hi == pileCardMark; }

bool holdsMark(const THand& h) {
  for (int32_t i = 1; i <= handUsed(h); i++)
    if (marked(h.k[i])) return true;
  return false;
}

// Takes out the card itself (rank, suit and hi), else an equal card.
void takeOut(THand& h, const TCard& c) {
  for (int32_t i = 1; i <= handUsed(h); i++)
    if (cardsIdentical(h.k[i], c)) {
      deleteCardAt(h, i);
      return;
    }
  removeFirstCard(h, c);
}

void takeOutAll(THand& h, const THand& cards) {
  for (int32_t i = 1; i <= handUsed(cards); i++) takeOut(h, cards.k[i]);
}

void clearMarks(TCanastaMoveList& list) {
  for (int32_t e = 1; e <= list.count; e++)
    for (int32_t i = 1; i <= handUsed(list.entries[e].cards); i++) list.entries[e].cards.k[i].hi = 0;
}

bool isThreesMeld(const THand& h) { return handUsed(h) > 0 && canastaMeldNaturalRank(h) == rank3; }

bool isBlackThreeMeld(const THand& h) { return handUsed(h) > 0 && canastaIsBlackThree(h.k[1]); }

// A rank the side has on the table, or a new meld of the list already collects.
bool rankTaken(int32_t seat, const TCanastaMoveList& list, int32_t rank) {
  if (rank == rank3 ? canastaTeamHasRankMeldB(seat, rank) : canastaTeamHasRankMeld(seat, rank)) return true;
  for (int32_t e = 1; e <= list.count; e++)
    if (list.entries[e].target == 0 && canastaMeldNaturalRank(entryHand(list.entries[e])) == rank) return true;
  return false;
}

// The real hand of the seat holds every card of the list; `left` gets the cards it keeps.
bool listInRealHand(int32_t seat, const TCanastaMoveList& list, THand& left) {
  syncHandFromSlots(sp[seat]);
  left = sp[seat].hand;
  for (int32_t e = 1; e <= list.count; e++)
    for (int32_t i = 1; i <= handUsed(list.entries[e].cards); i++) {
      const int32_t p = indexOfCard(left, list.entries[e].cards.k[i]);
      if (p < 1) return false;
      deleteCardAt(left, p);
    }
  return true;
}

}  // namespace

void canastaMeldAfterList(const TCanastaMoveList& list, int32_t n, THand& out) {
  out = tableMeld(n);
  for (int32_t e = 1; e <= list.count; e++)
    if (list.entries[e].target == n) {
      const THand cards = entryHand(list.entries[e]);
      for (int32_t i = 1; i <= handUsed(cards); i++) handaddk(out, TCard{cards.k[i].t, cards.k[i].f, 0});
    }
}

bool canastaMoveMakesCanasta(int32_t, const TCanastaMoveList& list) {
  for (int32_t e = 1; e <= list.count; e++) {
    const TCanastaMoveEntry& entry = list.entries[e];
    THand m{};
    if (entry.target == 0 || !k12.inUse(entry.target)) m = entryHand(entry);
    else canastaMeldAfterList(list, entry.target, m);
    if (canastaIsCanasta(m)) return true;
  }
  return false;
}

// [SECTION] going out

namespace {

// The side needs a canasta: the rank with the most cards becomes one, on the side's meld of
// that rank when it has one. False when no canasta can be built.
bool buildCanasta(int32_t seat, THand& h, TCanastaMoveList& list, int32_t baseNo, int32_t baseRank) {
  int32_t best = 0, bestCount = -1;
  for (int32_t i = 1; i <= handUsed(h); i++) {
    const TCard& c = h.k[i];
    if (canastaIsWildCard(c) || c.t == rank3) continue;
    const int32_t n = countRank(h, c.t) + (c.t == baseRank ? 3 : 0);
    if (n > bestCount) best = c.t, bestCount = n;
  }
  if (best == 0) return false;
  const int32_t meldNo = best == baseRank && baseNo != 0 ? baseNo : canastaFindTeamRankMeld(seat, best);
  THand pick{};
  if (meldNo == 0) {
    canastaPickMeldCardsB(h, best, pick);
    if (!canastaIsCanasta(pick)) return false;
    canastaPutMeld(list, pick, 0, 0);
    takeOutAll(h, pick);
    return true;
  }
  const THand meld = tableMeld(meldNo);
  THand pool = h;
  appendHand(pool, meld);
  canastaPickMeldCardsB(pool, best, pick);
  if (!canastaIsCanasta(pick)) return false;
  takeOutAll(pick, meld);
  for (int32_t i = 1; i <= handUsed(pick); i++) {
    THand one{};
    handaddk(one, pick.k[i]);
    canastaPutMeld(list, one, meldNo, 0);
    takeOut(h, pick.k[i]);
  }
  return true;
}

// New melds of three cards: ranks with three or more cards, or two naturals and a wild card.
void threeCardMelds(int32_t seat, THand& h, TCanastaMoveList& list, int32_t pass, bool pairs) {
  for (int32_t i = 1; i <= handUsed(h); i++) {
    const TCard c = h.k[i];
    if (canastaIsWildCard(c)) continue;
    const int32_t n = countRank(h, c.t);
    if (pairs ? n != 2 : (n <= 2 || handUsed(h) <= 3)) continue;
    if (c.t == rank3 && (pairs ? pass == 1 : pass < 3)) continue;
    if (rankTaken(seat, list, c.t)) continue;
    THand pick{};
    canastaPickMeldCards(h, c.t, -1, pick);
    if (!canastaIsValidMeld(pick)) continue;
    canastaPutMeld(list, pick, 0, 0);
    takeOutAll(h, pick);
    i = 0;
  }
}

// Each card goes onto the first meld of the list it extends.
void extendEntries(THand& h, TCanastaMoveList& list, int32_t skipEntry) {
  for (int32_t i = 1; i <= handUsed(h); i++) {
    for (int32_t e = 1; e <= list.count; e++) {
      if (e == skipEntry || handUsed(list.entries[e].cards) < 3) continue;
      THand ext = entryHand(list.entries[e]);
      handaddk(ext, h.k[i]);
      if (!canastaIsValidMeld(ext)) continue;
      canastaPutMeld(list, ext, list.entries[e].target, e);
      deleteCardAt(h, i);
      i--;
      break;
    }
  }
}

// Single cards laid off on the side's melds on the table.
void layOffOnTable(int32_t seat, THand& h, TCanastaMoveList& list) {
  const THand melds = sideMelds(seat);
  for (int32_t i = 1; i <= handUsed(h); i++) {
    if (h.k[i].t == rank3) continue;
    for (int32_t m = 1; m <= handUsed(melds); m++) {
      const int32_t n = melds.k[m].hi;
      THand cur{};
      canastaMeldAfterList(list, n, cur);
      handaddk(cur, h.k[i]);
      if (!canastaIsValidMeld(cur)) continue;
      THand one{};
      handaddk(one, h.k[i]);
      canastaPutMeld(list, one, n, 0);
      deleteCardAt(h, i);
      i--;
      break;
    }
  }
}

void checkGoingOut(int32_t seat, TCanastaMoveList& list) {
  THand left{};
  if (!listInRealHand(seat, list, left)) {
    trace("ATTENTION! Logical error: \"Fertigzug\" not consistent with player cards: Card is missing");
    canastaClearMoveList(list);
  } else if (handUsed(left) >= 2) {
    trace("ATTENTION! Logical error: \"Fertigzug\" not consistent with player cards: Cards count wrong");
    canastaClearMoveList(list);
  }
}

}  // namespace

void fertigzug(int32_t seat, const THand& hand, const TCard& pileCard, bool needsFirstMeld, TCanastaMoveList& out) {
  canastaClearMoveList(out);
  if (seat < 1 || seat > 6) return;
  const TCanastaArea& a = can();
  TCanastaMoveList list{};
  THand h = hand;
  for (int32_t i = 1; i <= handUsed(h); i++) h.k[i].hi = 0;
  if (pileCard.t != 0) {
    const int32_t p = indexOfCard(h, pileCard);
    if (p >= 1) {
      TCard c = deleteCardAt(h, p);
      c.hi = pileCardMark;
      insertCardAt(h, c, 1);
    }
  }
  const bool needFirst = needsFirstMeld && a.drawnFrom != stockStack;
  int32_t baseNo = 0, baseRank = 0, baseCount = 0;
  if (needFirst) {
    const THand melds = sideMelds(seat);
    if (handUsed(melds) > 0) {
      const int32_t n = melds.k[handUsed(melds)].hi;
      const THand m = tableMeld(n);
      if (handUsed(m) > 0 && !isThreesMeld(m)) {
        canastaPutMeld(list, m, n, 0);
        baseNo = n, baseRank = canastaMeldRank(m), baseCount = handUsed(m);
      }
    }
  }
  bool baseCanasta = false;
  if (!canastaTeamHasCanasta(seat)) {
    const int32_t before = list.count;
    if (!buildCanasta(seat, h, list, baseNo, baseRank)) return;
    baseCanasta = baseNo != 0 && list.count > before && list.entries[list.count].target == baseNo;
  }
  for (int32_t pass = 1; pass <= 3 && handUsed(h) > 1; pass++) {
    threeCardMelds(seat, h, list, pass, false);
    if (pass >= 2) extendEntries(h, list, baseCanasta ? 1 : 0);
    threeCardMelds(seat, h, list, pass, true);
  }
  if (!needFirst && strengthOf(seat) == 3) {
    sortHandByValue(h, 1, 0, true);
    layOffOnTable(seat, h, list);
  }
  if (baseNo != 0) {
    const THand base = entryHand(list.entries[1]);
    for (int32_t p = baseCount + 1; p <= handUsed(base); p++) {
      THand one{};
      handaddk(one, base.k[p]);
      canastaPutMeld(list, one, baseNo, 0);
    }
    canastaDeleteMeld(list, 1);
  }
  if (holdsMark(h) || handUsed(h) > 1) return;
  int32_t threes = 0;
  for (int32_t e = 1; e <= list.count; e++)
    if (isBlackThreeMeld(entryHand(list.entries[e]))) threes = e;
  // Black threes go down only as the last cards of the hand.
  if (threes != 0 && handUsed(h) != 0) return;
  if (threes != 0 && threes != list.count) canastaSwapMelds(list, threes, list.count);
  checkGoingOut(seat, list);
  canastaOrderWildLayOffs(list);
  canastaUpdateMeldListPoints(list);
  // The first meld must reach its minimum, or the seat could not finish its turn.
  if (a.turnPoints + list.totalPoints < a.meldMinimum) return;
  clearMarks(list);
  out = list;
}

// [SECTION] the smallest first meld

namespace {

struct TAttempt {
  TCanastaMoveList list;
  int32_t need;
};

// Extends entry e with cards of `from` one at a time while it stays valid and points are due.
void extendWhileNeeded(TAttempt& at, int32_t e, THand& from) {
  for (int32_t i = 1; i <= handUsed(from) && at.need > 0; i++) {
    THand ext = entryHand(at.list.entries[e]);
    handaddk(ext, from.k[i]);
    if (!canastaIsValidMeld(ext)) continue;
    canastaPutMeld(at.list, ext, at.list.entries[e].target, e);
    at.need -= canastaCardPoints(from.k[i]);
    deleteCardAt(from, i);
    i--;
  }
}

// The list stands as a first meld: it keeps a card for the discard, a single card only with a
// canasta, and reaches the minimum.
bool firstMeldStands(int32_t seat, const TCanastaMoveList& list) {
  const TCanastaArea& a = can();
  const int32_t left = canastaHandCount(seat) - canastaMoveListCards(list);
  const bool canasta = canastaTeamHasCanasta(seat) || canastaMoveMakesCanasta(seat, list);
  return left >= 1 && (left >= 2 || canasta) && a.turnPoints + list.totalPoints >= a.meldMinimum;
}

}  // namespace

void minzug2(int32_t seat, const THand& hand, const TCard& pileCard, TCanastaMoveList& out) {
  canastaClearMoveList(out);
  if (seat < 1 || seat > 6) return;
  const TCanastaArea& a = can();
  TCanastaMoveList b{};
  THand rest = hand;
  for (int32_t i = 1; i <= handUsed(rest); i++) rest.k[i].hi = 0;
  int32_t basePoints = 0, baseEntry = 0, baseRank = 0, tableBase = 0, tableBaseCount = 0;
  const THand melds = sideMelds(seat);
  for (int32_t i = handUsed(melds); i >= 1 && i >= handUsed(melds) - 1; i--) {
    const THand m = tableMeld(melds.k[i].hi);
    if (handUsed(m) == 0 || canastaIsRedThree(m.k[1])) continue;
    if (!isThreesMeld(m)) {
      canastaPutMeld(b, m, melds.k[i].hi, 0);
      baseEntry = 1, tableBase = melds.k[i].hi, tableBaseCount = handUsed(m);
      baseRank = canastaMeldRank(m), basePoints = canastaHandPoints(m);
    }
    break;
  }
  if (pileCard.t != 0) {
    THand pick{};
    canastaPickMeldCards(rest, pileCard.t, pileCard.f, pick);
    canastaPutMeld(b, pick, 0, 0);
    takeOutAll(rest, pick);
    baseEntry = b.count, baseRank = pileCard.t;
    basePoints += canastaHandPoints(pick);
  }
  THand wild{}, naturals{}, others{};
  for (int32_t i = 1; i <= handUsed(rest); i++) {
    const TCard& c = rest.k[i];
    if (canastaIsWildCard(c)) handaddk(wild, c);
    else if (c.t == baseRank) handaddk(naturals, c);
    else if (c.t != rank3 && countRank(rest, c.t) > 1) handaddk(others, c);
  }
  sortHandByValue(wild, 1, 0, true);
  TCanastaMeldGroups split{}, groups{};
  canastaSplitIntoMelds(others, split);
  canastaCollectMeldCandidates(split, groups);

  int32_t remaining = a.meldMinimum - basePoints;
  if (remaining > 0 && baseEntry != 0) {
    TAttempt at{b, remaining};
    THand n = naturals, w = wild;
    extendWhileNeeded(at, baseEntry, n);
    extendWhileNeeded(at, baseEntry, w);
    if (at.need <= 0) b = at.list, remaining = at.need;
  }
  for (int32_t f = 1; f <= groups.count && remaining > 0; f++) {
    TAttempt at{b, remaining};
    THand n = naturals, w = wild;
    int32_t k = 0;
    for (int32_t j = 1; j <= f && j + k <= groups.count; j++) {
      for (; j + k <= groups.count; k++) {
        THand g{};
        hand64ToHand(groups.groups[j + k], g);
        if (rankTaken(seat, at.list, canastaMeldNaturalRank(g))) continue;
        const bool addWild = handUsed(g) == 2 && handUsed(w) > 0;
        if (addWild) handaddk(g, w.k[1]);
        if (!canastaIsValidMeld(g)) continue;
        if (addWild) deleteCardAt(w, 1);
        canastaPutMeld(at.list, g, 0, 0);
        at.need -= canastaHandPoints(g);
        break;
      }
    }
    if (at.need > 0)
      for (int32_t e = 1; e <= at.list.count && at.need > 0; e++) {
        if (e == baseEntry) extendWhileNeeded(at, e, n);
        if (at.list.entries[e].target == 0 || e == baseEntry) extendWhileNeeded(at, e, w);
      }
    if (at.need <= 0) b = at.list, remaining = at.need;
  }
  if (tableBase != 0) {
    const THand base = entryHand(b.entries[1]);
    for (int32_t p = tableBaseCount + 1; p <= handUsed(base); p++) {
      THand one{};
      handaddk(one, base.k[p]);
      canastaPutMeld(b, one, tableBase, 0);
    }
    canastaDeleteMeld(b, 1);
  }
  canastaUpdateMeldListPoints(b);
  THand left{};
  if ((b.count > 0 || a.drawnFrom == pileStack) && !firstMeldStands(seat, b)) {
    b = a.hintMove;
    canastaUpdateMeldListPoints(b);
    remaining = a.meldMinimum - (a.turnPoints + b.totalPoints);
  }
  if (b.count > 0 && !listInRealHand(seat, b, left)) {
    trace("ACHTUNG! Logikfehler: Minzug2 nicht konsistent mit Spielerkarten: Karte fehlt");
    return;
  }
  if (b.count > 0 && !firstMeldStands(seat, b)) {
    trace("Minzug2: kein erlaubter erster Zug");
    return;
  }
  if (remaining > 0 || b.count == 0) {
    trace("MINZUG2: keinen minimalen Zug gefunden");
    return;
  }
  canastaOrderWildLayOffs(b);
  clearMarks(b);
  out = b;
}

// [SECTION] the most points

namespace {

struct TMaxSearch {
  int32_t seat;
  bool withPile;
  int32_t pileCards;
  TCanastaMoveList list{};
  THand h{}, w{};
  int32_t pileEntry = 0, pairEntry = 0, threesEntry = 0;

  // The move must give cards back: it would leave the seat unable to go on.
  bool mustShrink(bool layOffPhase, int32_t left) const {
    const bool canasta = canastaTeamHasCanasta(seat) || canastaMoveMakesCanasta(seat, list);
    if (left == 0 && !(withPile && pileCards > 1) && !canasta) return true;
    if (left >= (layOffPhase ? 3 : 2)) return false;
    if (withPile && left + pileCards - 1 > 1) return false;
    return !canasta;
  }

  void giveBack(const THand& cards) {
    for (int32_t i = 1; i <= handUsed(cards); i++) handaddk(canastaIsWildCard(cards.k[i]) ? w : h, cards.k[i]);
  }

  void dropEntry(int32_t e) {
    giveBack(entryHand(list.entries[e]));
    canastaDeleteMeld(list, e);
    for (int32_t* idx : {&pileEntry, &pairEntry, &threesEntry}) {
      if (*idx == e) *idx = 0;
      else if (*idx > e) (*idx)--;
    }
  }

  void fullGroups() {
    for (int32_t i = 1; i <= handUsed(h); i++) {
      const TCard c = h.k[i];
      if (canastaIsWildCard(c) || countRank(h, c.t) < 3 || canastaTeamHasRankMeld(seat, c.t)) continue;
      THand g{};
      takeRank(h, c.t, g);
      canastaPutMeld(list, g, 0, 0);
      if (holdsMark(g)) pileEntry = list.count;
      if (c.t == rank3) threesEntry = list.count;
      i = 0;
    }
  }

  void pilePair(const TCard& pileCard) {
    if (pileEntry != 0 || pileCard.t == 0 || countRank(h, pileCard.t) < 2) return;
    if (canastaTeamHasRankMeld(seat, pileCard.t)) return;
    for (int32_t i = 1; i <= handUsed(h); i++) {
      if (!canastaIsWildCard(h.k[i])) continue;
      THand g{};
      handaddk(g, deleteCardAt(h, i));
      THand naturals{};
      takeRank(h, pileCard.t, naturals);
      appendHand(g, naturals);
      if (handUsed(g) != 3 || !canastaIsValidMeld(g)) trace("ACHTUNG! Fehler bei Maximalpunktzahlberechnung");
      canastaPutMeld(list, g, 0, 0);
      pileEntry = pairEntry = list.count;
      return;
    }
  }

  void takeWild() {
    for (const int32_t rank : {int32_t(rank2), int32_t(rankJoker)})
      for (int32_t i = 1; i <= handUsed(h); i++)
        if (h.k[i].t == rank) handaddk(w, deleteCardAt(h, i--));
  }

  // Natural pairs with the last wild card: aces, then the ten-point ranks, then the rest.
  void pairs() {
    static const int8_t passes[3][7] = {{rankAce, 0}, {rank8, rank9, rankJack, rankQueen, rankKing, rankTen, 0},
                                        {rank7, rank4, rank5, rank6, 0}};
    for (const auto& pass : passes)
      for (int32_t i = 1; i <= handUsed(h) && handUsed(w) > 0; i++) {
        const TCard c = h.k[i];
        bool inPass = false;
        for (int32_t r = 0; r < 7 && pass[r] != 0; r++) inPass = inPass || pass[r] == c.t;
        if (!inPass || countRank(h, c.t) != 2 || canastaTeamHasRankMeld(seat, c.t)) continue;
        THand g{};
        takeRank(h, c.t, g);
        handaddk(g, deleteCardAt(w, handUsed(w)));
        canastaPutMeld(list, g, 0, 0);
        i = 0;
      }
  }

  void restOfWild() {
    for (int32_t e = 1; e <= list.count; e++)
      while (handUsed(w) > 0) {
        THand ext = entryHand(list.entries[e]);
        handaddk(ext, w.k[handUsed(w)]);
        if (!canastaIsValidMeld(ext)) break;
        canastaPutMeld(list, ext, 0, e);
        deleteCardAt(w, handUsed(w));
      }
  }

  // True when something had to shrink.
  bool shrink() {
    bool shrunk = false;
    while (list.count > 0 && mustShrink(false, handUsed(h) + handUsed(w))) {
      shrunk = true;
      bool gave = false;
      for (int32_t e = list.count; e >= 1 && !gave; e--) {
        THand cards = entryHand(list.entries[e]);
        if (handUsed(cards) < 4) continue;
        for (int32_t p = handUsed(cards); p >= 1 && !gave; p--) {
          if (marked(cards.k[p])) continue;
          THand less = cards;
          const TCard c = deleteCardAt(less, p);
          if (!canastaIsValidMeld(less)) continue;
          canastaPutMeld(list, less, list.entries[e].target, e);
          THand one{};
          handaddk(one, c);
          giveBack(one);
          gave = true;
        }
      }
      if (gave) continue;
      int32_t drop = 0;
      for (int32_t e = list.count; e >= 1 && drop == 0; e--)
        if (e != pileEntry && e != pairEntry) drop = e;
      if (drop == 0) {
        canastaClearMoveList(list);
        return true;
      }
      dropEntry(drop);
    }
    return shrunk;
  }

  void layOffs() {
    THand r = h;
    appendHand(r, w);
    const THand melds = sideMelds(seat);
    for (int32_t m = 1; m <= handUsed(melds); m++) {
      const int32_t n = melds.k[m].hi;
      for (int32_t i = 1; i <= handUsed(r); i++) {
        if (handUsed(r) < 2 || mustShrink(true, handUsed(r))) return;
        if (canastaIsBlackThree(r.k[i])) continue;
        THand cur{};
        canastaMeldAfterList(list, n, cur);
        handaddk(cur, r.k[i]);
        if (!canastaIsValidMeld(cur)) continue;
        THand one{};
        handaddk(one, deleteCardAt(r, i--));
        canastaPutMeld(list, one, n, 0);
      }
    }
  }
};

}  // namespace

void canastaFindMaxPointsMove(int32_t seat, const THand& hand, const TCard& pileCardIn, TCanastaMoveList& out,
                              bool withPile) {
  canastaClearMoveList(out);
  if (seat < 1 || seat > 6) return;
  TCard pileCard = pileCardIn;
  if (pileCard.t == rank2 || pileCard.t == rank3 || pileCard.t == rankJoker) pileCard = noCard();
  TMaxSearch s{seat, withPile, stackUsed(sp[pileStack])};
  for (int32_t i = 1; i <= handUsed(hand); i++)
    if (!canastaIsRedThree(hand.k[i])) handaddk(s.h, hand.k[i]);
  renumberHand(s.h);
  if (pileCard.t != 0) {
    const int32_t p = lastIndexOfCard(s.h, pileCard);
    if (p >= 1) s.h.k[p].hi = pileCardMark;
  }
  s.fullGroups();
  s.pilePair(pileCard);
  s.takeWild();
  s.pairs();
  s.restOfWild();
  // Black threes go down only when they empty the hand.
  if (s.threesEntry != 0 && handUsed(s.h) + handUsed(s.w) != 0) s.dropEntry(s.threesEntry);
  if (s.threesEntry != 0 && s.threesEntry != s.list.count) {
    canastaSwapMelds(s.list, s.threesEntry, s.list.count);
    if (s.pileEntry == s.list.count) s.pileEntry = s.threesEntry;
    if (s.pairEntry == s.list.count) s.pairEntry = s.threesEntry;
    s.threesEntry = s.list.count;
  }
  const bool shrunk = s.shrink();
  if (!shrunk && !withPile) s.layOffs();
  if (holdsMark(s.h)) return;
  canastaUpdateMeldListPoints(s.list);
  if (s.list.totalPoints < can().meldMinimum) return;
  canastaOrderWildLayOffs(s.list);
  clearMarks(s.list);
  out = s.list;
}

void canastaBestMoveForPlayer(int32_t seat, TCanastaMoveList& out) {
  canastaClearMoveList(out);
  if (seat < 1 || seat > 6) return;
  syncHandFromSlots(sp[seat]);
  THand hand = sp[seat].hand;
  const TCard top = canastaDiscardTop();
  TCard pileCard = can().kartenzwang;
  if (top.t != 0) {
    handaddk(hand, top);
    pileCard = top;
  }
  canastaFindMaxPointsMove(seat, hand, pileCard, out, true);
}
