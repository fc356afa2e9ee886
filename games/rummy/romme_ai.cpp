// Rommé's and Gin Rummy's computer player.
//
// [SECTION] helpers
// [SECTION] the discard choice
// [SECTION] the melds of a turn
// [SECTION] the answer
// [SECTION] memory and comments
#include "games/rummy/romme_ai.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "core/cg.h"
#include "engine/engine_services.h"
#include "games/rummy/meld_table.h"
#include "games/rummy/romme_ai_search.h"
#include "games/rummy/romme_rules.h"
#include "games/rummy/romme_step.h"
#include "platform/random.h"
#include "shell/shell_globals.h"
#include "sound/sound_events.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

// [SECTION] helpers

namespace {

constexpr int32_t stock = 11, meldStack = 12, pile = 13;

TRommeArea& area() { return rommeArea(); }
int32_t seat() { return cg.gs.akspieler; }
bool validSeat(int32_t s) { return s >= 1 && s <= 6; }
int32_t seats() { return std::clamp<int32_t>(playerCount, 1, 6); }

THand handOf(int32_t s) {
  syncHandFromSlots(sp[s]);
  THand h = sp[s].hand;
  return h;
}

int32_t strength() {
  const int32_t s = cg.gs.seatProfiles[std::clamp(seat(), 1, 6)].strength;
  return s >= 1 && s <= 3 ? s : 2;
}

// Rounds halves to even, as the urgency wants.
int32_t roundEven(double v) { return static_cast<int32_t>(std::nearbyint(v)); }

bool seatOwnsMeld(int32_t s) {
  THand list{};
  k12.meldsOfSeat(s, list);
  return handUsed(list) > 0;
}

void answer(int kind, int32_t a, int32_t b, const THand* cards = nullptr) { cg.submitAction(kind, a, b, cards); }

int32_t bestCards() {
  int32_t best = 0;
  for (int32_t i = 1; i <= zugbufferCount; i++) best = std::max(best, Zugbuffer[i].totalCards);
  return best;
}

// The remainder a move leaves of the hand.
int32_t remainderValue(const THand& hand, const TRommeMove& m) {
  THand rest = hand;
  for (int32_t s = 0; s <= m.next; s++)
    for (int32_t k = 1; k <= handUsed(m.steps[s].cards); k++) removeFirstCard(rest, m.steps[s].cards.k[k]);
  return rommeHandValue(rest);
}

}  // namespace

// [SECTION] the discard choice

double rommeAIUnseenCardShare(int32_t suit, int32_t rank, int32_t notSuit, bool jokerInPair, int32_t who,
                              int32_t notSuit2) {
  int32_t pool = 0, match = 0;
  auto consider = [&](const TCard& c) {
    pool++;
    bool ok = (suit <= 0 || c.f == suit) && (rank <= 0 || c.t == rank) && (notSuit == 0 || c.f != notSuit) &&
              (notSuit2 == 0 || c.f != notSuit2);
    if (!ok && c.t == rankJoker && !jokerInPair) ok = true;
    if (ok) match++;
  };
  for (int32_t s = 1; s <= seats(); s++)
    if (s != who)
      for (int32_t i = 1; i <= stackUsed(sp[s]); i++) consider(sp[s].slots[i].card);
  for (int32_t i = 1; i <= stackUsed(sp[stock]); i++) consider(sp[stock].slots[i].card);
  return pool > 0 ? double(match) / pool : 0.0;
}

namespace {

// The card of the list whose keep value is lowest.
TCard leastKeptCard(const THand& cards) {
  const int32_t n = handUsed(cards), me = seat();
  const TRommeOptions& o = area().options;
  bool flag = false;
  if (!o.duplicateCards) {
    THand list{}, meld{};
    k12.meldsOfSeat(me, list);
    int32_t fourSets = 0;
    for (int32_t i = 1; i <= handUsed(list); i++) {
      k12.getMeld(list.k[i].hi, meld);
      if (handUsed(meld) == 4 && rommeIsSet(meld) && !rommeIsRun(meld)) fourSets++;
    }
    flag = handUsed(list) == 2 && fourSets == 2;
  }
  auto held = [&](int32_t i) { return validSeat(me) && i <= 166 && area().holdMarks[me][i] != 0; };
  bool jokerSeen = false;
  int32_t bestAt = 1;
  double best = 1.0;
  for (int32_t xi = 1; xi <= n; xi++) {
    const TCard x = cards.k[xi];
    double r = 0;
    if (held(xi)) {
      r = 1;
    } else {
      for (int32_t yi = 1; yi <= n; yi++) {
        if (yi == xi || held(yi)) continue;
        const TCard y = cards.k[yi];
        if (isJoker(x) || isJoker(y)) {
          jokerSeen = true;
          if (isJoker(x) && isJoker(y)) continue;
        }
        if (!isJoker(x) && !isJoker(y) && x.t == y.t) {
          if (o.duplicateCards) r += rommeAIUnseenCardShare(0, x.t, 0, false, me, 0);
          else if (x.f != y.f) r += rommeAIUnseenCardShare(0, x.t, x.f, false, me, y.f);
        }
        if (flag) r = 0;
        if (isJoker(x) || isJoker(y)) continue;
        if (x.f == y.f) {
          const TCard lo = getdif(x, y, false) > 0 ? x : y, hi = getdif(x, y, false) > 0 ? y : x;
          const int32_t d = getdif(lo, hi, false);
          auto pattern = [&](const TCard& miss, THand meld) {
            if (miss.t == 0 || !rommeIsRun(meld)) return;
            r += rommeAIUnseenCardShare(miss.f, miss.t, 0, false, me, 0);
          };
          if (d == 1) {
            const TCard above = makeCard(rommeNextRank(hi.t), x.f), below = makeCard(rommePrevRank(lo.t), x.f);
            THand m1{}, m2{};
            handaddk(m1, lo), handaddk(m1, hi), handaddk(m1, above);
            handaddk(m2, below), handaddk(m2, lo), handaddk(m2, hi);
            pattern(above, m1);
            pattern(below, m2);
          } else if (d == 2) {
            const TCard mid = makeCard(rommeNextRank(lo.t), x.f);
            THand m{};
            handaddk(m, lo), handaddk(m, mid), handaddk(m, hi);
            pattern(mid, m);
          }
        } else if (jokerSeen) {
          const int32_t up = rommeNextRank(x.t), down = rommePrevRank(x.t);
          const TCard joker = makeCard(rankJoker, 1);
          auto run = [&](TCard a, TCard b, TCard c, const TCard& other) {
            THand m{};
            handaddk(m, a), handaddk(m, b), handaddk(m, c);
            if (other.t != 0 && rommeIsRun(m)) r += rommeAIUnseenCardShare(other.f, other.t, 0, true, me, 0);
          };
          const TCard down1 = makeCard(down, x.f), up1 = makeCard(up, x.f);
          const TCard down2 = makeCard(rommePrevRank(down), x.f), up2 = makeCard(rommeNextRank(up), x.f);
          run(down2, joker, x, down2);
          run(down1, x, joker, down1);
          run(x, up1, joker, up1);
          run(x, joker, up2, up2);
        }
      }
    }
    for (int32_t e = 1; e < xi; e++)
      if (!isJoker(x) && cardsEqual(cards.k[e], x)) r = 0;
    if (isJoker(x)) r += 0.5;
    if (r < best || (r == best && rommeCardValue(x) >= rommeCardValue(cards.k[bestAt]))) {
      best = r;
      bestAt = xi;
    }
  }
  return cards.k[bestAt];
}

}  // namespace

TCard rommeAIChooseDiscard(const THand& cards) {
  const int32_t n = handUsed(cards);
  if (n == 0) return noCard();
  const double chance = strength() == 2 ? 0.1 : strength() == 1 ? 0.3 : 0.0;
  if (chance > 0 && randomReal() < chance) return cards.k[1 + randomBelow(n)];
  return leastKeptCard(cards);
}

// [SECTION] the melds of a turn

namespace {

int32_t urgency(const TRommeMove&) {
  if (cg.gs.subStep != 1) return 0;
  int32_t u = 0, all = 0;
  for (int32_t s = 1; s <= seats(); s++) {
    const int32_t c = stackUsed(sp[s]);
    all += c;
    if (c <= 6) u++;
    if (c == 2) u++;
    if (c == 3) u += 9;
    if (c == 1) u += 9;
  }
  u += roundEven(double(area().turnCounter) / seats() * 3);
  const int32_t a = roundEven(double(all) / seats());
  if (a <= 12) u += 2;
  if (a <= 11) u += 2;
  if (a <= 10) u += 2;
  return u;
}

void sendDone() {
  THand none{};
  answer(1, 0, 0, &none);
  answer(2, 0, rommeAnswerDone);
}

// The position of a discard in the hand, the first legal card when the chosen one is not there.
int32_t discardPosition(const THand& legal, const TCard& chosen) {
  for (int32_t i = 1; i <= handUsed(legal); i++)
    if (cardsIdentical(legal.k[i], chosen)) return legal.k[i].hi;
  trace("Rummy Error 17: breach of the rules");
  return handUsed(legal) > 0 ? legal.k[1].hi : 0;
}

void discardBest() {
  THand legal = rommeSelectedCards();
  if (handUsed(legal) == 0) {
    trace("Rommé: keine erlaubte Karte zum Ablegen");
    return;
  }
  const TCard chosen = rommeAIChooseDiscard(legal);
  const int32_t pos = discardPosition(legal, chosen);
  const TCard taken = area().takenDiscard;
  if (!rommeIsGin() && cardsEqual(chosen, taken) && chosen.hi == taken.hi)
    trace("Rummy Error 18," + std::to_string(countCard(handOf(seat()), taken)) + ": breach of the rules");
  answer(0, 0, pos);
}

void holdBack(const TRommeMove& m, const THand& hand) {
  TRommeArea& a = area();
  zugbufferCount = 0;
  LArray<int16_t, 1, 166>& marks = a.holdMarks[seat()];
  for (int32_t s = 0; s <= m.next; s++)
    for (int32_t k = 1; k <= handUsed(m.steps[s].cards); k++)
      for (int32_t i = 1; i <= handUsed(hand) && i <= 166; i++)
        if (marks[i] == 0 && cardsEqual(hand.k[i], m.steps[s].cards.k[k])) {
          marks[i] = 1;
          break;
        }
}

void carryOut(const TRommeMoveStep& step) {
  THand sel = step.cards;
  answer(1, 0, 0, &sel);
  area().userMeld = sel;
  if (step.kind == 1) answer(3, meldStack, step.target);
  else answer(2, 0, rommeAnswerMeld);
}

void meldDecision() {
  TRommeArea& a = area();
  const int32_t me = seat();
  const THand hand = handOf(me);
  const bool gin = rommeIsGin();
  const bool layingOut = gin && a.knocked;
  // After a knock every strength lays out what the knock was judged on.
  const int32_t st = layingOut ? 3 : strength();
  if (st == 1) rommeAIOneLevelSearch(hand);
  else rommeAIStartRecursiveCalc(hand, st == 2 ? 3 : 8);
  if (!gin && st == 1 && zugbufferCount <= 8 && randomReal() < 0.3) zugbufferCount = 0;
  if (!gin && st == 2 && zugbufferCount <= 4 && randomReal() < 0.1) zugbufferCount = 0;
  TRommeMove m{};
  if (zugbufferCount > 0) {
    rommeUrgency = urgency(m);
    if (layingOut) {
      // The least valuable remainder.
      int32_t bestAt = 0, bestValue = rommeHandValue(hand);
      for (int32_t i = 1; i <= zugbufferCount; i++) {
        if (!rommeDiscardRuleOk(hand, Zugbuffer[i].steps[0].cards)) continue;
        const int32_t v = remainderValue(hand, Zugbuffer[i]);
        if (v < bestValue) bestValue = v, bestAt = i;
      }
      if (bestAt) m = Zugbuffer[bestAt];
      else zugbufferCount = 0;
    } else {
      m = rommeAIChooseMove(rommeUrgency);
    }
  }
  for (int32_t i = 1; i <= 166; i++) a.holdMarks[std::clamp(me, 1, 6)][i] = 0;
  if (!gin && st != 2 && cg.gs.subStep == 1 && zugbufferCount > 0 && m.totalCards > 5 && rommeUrgency < 18 &&
      handUsed(hand) >= 14 && 4 - a.turnCounter / seats() >= 13 - m.totalCards && m.totalCards != 13 &&
      m.totalCards != 14 && m.totalCards < handUsed(hand) - 1)
    holdBack(m, hand);
  if (zugbufferCount > 0 && !rommeDiscardRuleOk(hand, m.steps[0].cards)) {
    trace("error: plays too much (all) cards or only the forbidden discardpile-card remains");
    zugbufferCount = 0;
  }
  if (zugbufferCount > 0 && a.meldTicks == 0) {
    if (handUsed(hand) == m.totalCards + 1 && (m.next == 0 || handUsed(hand) >= 13)) rommeSound(handUsed(hand) >= 13 ? 1 : 2);
    else if (!seatOwnsMeld(me)) rommeSound(3);
  }
  if (gin && !a.knocked) zugbufferCount = 0;
  if (zugbufferCount == 0 || handUsed(m.steps[0].cards) == 0) {
    if (gin && !a.knocked) discardBest();
    else sendDone();
    return;
  }
  carryOut(m.steps[0]);
}

void drawDecision() {
  const int32_t me = seat();
  THand hand = handOf(me);
  rommeAIStartRecursiveCalc(hand, 8);
  int32_t best1 = bestCards();
  const int32_t top = stackUsed(sp[pile]);
  int32_t best2 = -1;
  if (top >= 1) {
    const TCard up = sp[pile].slots[top].card;
    THand more = hand;
    handaddk(more, up);
    renumberHand(more);
    rommeAIStartRecursiveCalc(more, 8);
    best2 = isJoker(up) ? best1 + 1 : bestCards();
  }
  const double chance = strength() == 1 ? 0.3 : strength() == 2 ? 0.1 : 0.0;
  if (chance > 0 && randomReal() < chance) best1 = randomBelow(100), best2 = top >= 1 ? randomBelow(100) : -1;
  // Gin Rummy lets a seat throw back the card it took; two seats that take a card only to
  // throw it back pass the same cards to and fro for ever.
  if (best2 > best1 && rommeIsGin()) {
    const TCard up = sp[pile].slots[top].card;
    THand more = hand;
    handaddk(more, up);
    renumberHand(more);
    if (cardsEqual(leastKeptCard(more), up)) best2 = best1;
  }
  if (best2 > best1) answer(3, pile, top);
  else if (ginUpCardPhase()) answer(2, 0, ginAnswerPass);
  else if (stackUsed(sp[stock]) > 0) answer(3, stock, stackUsed(sp[stock]));
  else answer(3, pile, top);
}

}  // namespace

// [SECTION] the answer

void rommeAIMove() {
  TRommeArea& a = area();
  const TGameState& g = cg.gs;
  if (g.phase != 4 || !validSeat(seat())) return;
  const bool gin = rommeIsGin();
  if (gin && !a.knocked && g.step == 3 && !ginUpCardPhase()) {
    rommeAIDiscard(0);
    if (rommeDeadwood(a.afterDiscard) <= a.knockLimit) {
      answer(2, 0, rommeAnswerKnock);
      return;
    }
  }
  if (gin && a.knocked && !a.layOffStage && g.step == 9) {
    const THand hand = handOf(seat());
    int32_t bestAt = 0, best = 0;
    for (int32_t i = 1; i <= handUsed(hand); i++) {
      TCard c = hand.k[i];
      if (!ginMayDiscardAfterKnock(c)) continue;
      const int32_t v = ginDeadwoodAfterDiscard(i);
      if (bestAt == 0 || v < best) bestAt = i, best = v;
    }
    if (bestAt == 0) {
      trace("Rommé: Klopfer findet keine Karte zum Ablegen");
      return;
    }
    answer(0, 0, bestAt);
    return;
  }
  switch (g.step) {
    case 1: drawDecision(); return;
    case 6: discardBest(); return;
    case 3: meldDecision(); return;
    default: return;
  }
}

// [SECTION] memory and comments

void rommeAINoteCardTaken(int32_t stack, int32_t slot) {
  const int32_t me = seat();
  if (!validSeat(me) || stack < 1 || stack > stackCount || slot < 1 || slot > stackUsed(sp[stack])) return;
  handaddk(cg.gs.seatKnownCards[me], sp[stack].slots[slot].card);
}

void rommeAINoteCardGone(int32_t who, int32_t position) {
  if (!validSeat(who) || position < 1 || position > stackUsed(sp[who])) return;
  removeFirstCard(cg.gs.seatKnownCards[who], sp[who].slots[position].card);
}

void rommeAIObserve(int kind, int32_t a, int32_t b) {
  if (cg.gs.phase != 4) return;
  const int32_t me = seat();
  const THand& meld = cg.gs.bl.selhand;
  if (kind == 3 && a == pile) rommeAINoteCardTaken(pile, stackUsed(sp[pile]));
  else if (kind == 0) rommeAINoteCardGone(me, b);
  else if (kind == 2 && b == rommeAnswerMeld)
    for (int32_t i = 1; i <= handUsed(meld); i++) rommeAINoteCardGone(me, meld.k[i].hi);
  else if (kind == 2 && b == rommeAnswerDone && handUsed(meld) == 1) rommeAINoteCardGone(me, meld.k[1].hi);
  else if (kind == 3 && a == meldStack)
    for (int32_t i = 1; i <= handUsed(meld); i++) rommeAINoteCardGone(me, meld.k[i].hi);
}

void rommeSound(int32_t kind) {
  static constexpr int32_t romme[4][3] = {{0, 0, 0}, {95, 3, 3}, {90, 3, 1}, {80, 2, 1}};
  static constexpr int32_t gin[4][3] = {{0, 0, 0}, {63, 3, 3}, {63, 3, 1}, {57, 2, 1}};
  if (kind < 1 || kind > 3) return;
  const auto& row = rommeIsGin() ? gin[kind] : romme[kind];
  soundContainer.sayComment(seat(), 0, row[1], row[2], row[0]);
}
