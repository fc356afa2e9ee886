#include "games/rummy/canasta_moves.h"

#include "games/rummy/canasta_rules.h"

void canastaClearMoveList(TCanastaMoveList& list) {
  list.count = 0;
  list.totalPoints = 0;
}

void canastaPutMeld(TCanastaMoveList& list, const THand& cards, int32_t target, int32_t index) {
  if (index == 0) {
    if (list.count >= moveListCapacity) return;
    index = ++list.count;
  }
  if (index < 1 || index > moveListCapacity) return;
  TCanastaMoveEntry& e = list.entries[index];
  handToHand64(cards, e.cards);
  e.target = static_cast<int16_t>(target);
  e.points = static_cast<int16_t>(canastaHandPoints(cards));
  e.bonus = static_cast<int16_t>(canastaMeldPoints(cards, 0));
}

void canastaPutMeldNoTarget(TCanastaMoveList& list, const THand& cards, int32_t index) {
  canastaPutMeld(list, cards, 0, index);
}

void canastaDeleteMeld(TCanastaMoveList& list, int32_t index) {
  if (index < 1 || index > list.count) return;
  for (int32_t i = index; i < list.count; i++) list.entries[i] = list.entries[i + 1];
  list.count--;
}

void canastaSwapMelds(TCanastaMoveList& list, int32_t a, int32_t b) {
  if (a < 1 || b < 1 || a > list.count || b > list.count) return;
  const TCanastaMoveEntry t = list.entries[a];
  list.entries[a] = list.entries[b];
  list.entries[b] = t;
}

void canastaUpdateMeldListPoints(TCanastaMoveList& list) {
  list.totalPoints = 0;
  for (int32_t i = 1; i <= list.count; i++) {
    THand h{};
    hand64ToHand(list.entries[i].cards, h);
    list.entries[i].points = static_cast<int16_t>(canastaHandPoints(h));
    list.entries[i].bonus = static_cast<int16_t>(canastaMeldPoints(h, 0));
    list.totalPoints += list.entries[i].points;
  }
}

int32_t canastaMoveListCards(const TCanastaMoveList& list, int32_t fromEntry) {
  int32_t n = 0;
  for (int32_t i = fromEntry < 1 ? 1 : fromEntry; i <= list.count; i++) n += handUsed(list.entries[i].cards);
  return n;
}

void canastaAddMeldCandidate(TCanastaMeldGroups& groups, const THand64& group) {
  canastaInsertMeldCandidate(groups, group, groups.count + 1);
}

void canastaInsertMeldCandidate(TCanastaMeldGroups& groups, const THand64& group, int32_t index) {
  if (groups.count >= moveListCapacity || index < 1 || index > groups.count + 1) return;
  for (int32_t i = groups.count; i >= index; i--) {
    groups.groups[i + 1] = groups.groups[i];
    groups.points[i + 1] = groups.points[i];
  }
  THand h{};
  hand64ToHand(group, h);
  groups.groups[index] = group;
  groups.points[index] = canastaHandPoints(h);
  groups.count++;
}

void canastaSplitIntoMelds(THand hand, TCanastaMeldGroups& groups) {
  groups.count = 0;
  while (handUsed(hand) > 0) {
    const int32_t rank = hand.k[1].t;
    THand64 group{};
    for (int32_t i = 1; i <= handUsed(hand); i++)
      if (hand.k[i].t == rank) handaddk(group, hand.k[i]);
    removeRank(hand, rank);
    canastaAddMeldCandidate(groups, group);
  }
}

void canastaCollectMeldCandidates(const TCanastaMeldGroups& in, TCanastaMeldGroups& out) {
  out.count = 0;
  for (int32_t i = 1; i <= in.count; i++) {
    const THand64& g = in.groups[i];
    const int32_t p = handUsed(g) > 0 ? canastaCardPoints(g.k[1]) : 0;
    int32_t at = out.count + 1;
    for (int32_t j = 1; j <= out.count; j++) {
      const int32_t q = handUsed(out.groups[j]) > 0 ? canastaCardPoints(out.groups[j].k[1]) : 0;
      if (p > q || (p == q && handUsed(g) < handUsed(out.groups[j]))) {
        at = j;
        break;
      }
    }
    canastaInsertMeldCandidate(out, g, at);
  }
}

void canastaPickMeldCards(const THand& hand, int32_t rank, int32_t suit, THand& out) {
  clearHand(out);
  int32_t naturals = 0, jokers = 0, twos = 0;
  for (int32_t i = 1; i <= handUsed(hand); i++) {
    const TCard& c = hand.k[i];
    naturals += c.t == rank ? 1 : 0;
    jokers += c.t == rankJoker ? 1 : 0;
    twos += c.t == rank2 ? 1 : 0;
  }
  if (canastaIsWildCard(makeCard(rank, 1))) naturals = 0;
  int32_t qn = naturals < 3 ? naturals : 3;
  int32_t qj = jokers < 3 - qn ? jokers : 3 - qn;
  int32_t qt = twos < 3 - qn - qj ? twos : 3 - qn - qj;
  bool taken[handCapacity + 1] = {};
  if (suit > 0 && qn > 0)
    for (int32_t i = 1; i <= handUsed(hand); i++)
      if (hand.k[i].t == rank && hand.k[i].f == suit) {
        handaddk(out, hand.k[i]);
        taken[i] = true;
        qn--;
        break;
      }
  for (int32_t i = 1; i <= handUsed(hand); i++) {
    if (taken[i]) continue;
    const TCard& c = hand.k[i];
    int32_t* quota = c.t == rank && !canastaIsWildCard(c) ? &qn : c.t == rankJoker ? &qj : c.t == rank2 ? &qt : nullptr;
    if (quota == nullptr || *quota <= 0) continue;
    (*quota)--;
    handaddk(out, c);
  }
}

void canastaPickMeldCardsB(const THand& hand, int32_t rank, THand& out) {
  clearHand(out);
  if (rank != rank2 && rank != rankJoker)
    for (int32_t i = 1; i <= handUsed(hand); i++)
      if (hand.k[i].t == rank) handaddk(out, hand.k[i]);
  for (const int32_t wild : {int32_t(rankJoker), int32_t(rank2)})
    for (int32_t i = 1; i <= handUsed(hand) && handUsed(out) < 7; i++)
      if (hand.k[i].t == wild) handaddk(out, hand.k[i]);
}

void canastaOrderWildLayOffs(TCanastaMoveList& list) {
  for (int32_t i = 1; i <= list.count; i++) {
    const TCanastaMoveEntry& e = list.entries[i];
    if (e.target <= 0 || handUsed(e.cards) != 1 || !canastaIsWildCard(e.cards.k[1])) continue;
    int32_t last = 0;
    for (int32_t j = i + 1; j <= list.count; j++) {
      const TCanastaMoveEntry& f = list.entries[j];
      if (f.target == e.target && handUsed(f.cards) == 1 && !canastaIsWildCard(f.cards.k[1])) last = j;
    }
    if (last != 0) canastaSwapMelds(list, i, last);
  }
}
