#include "games/rummy/romme_ai_search.h"

#include "core/cg.h"
#include "engine/engine_services.h"
#include "games/rummy/meld_table.h"
#include "games/rummy/romme_rules.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

TRommeMove Zugbuffer[rommeMoveCapacity + 1];
int32_t zugbufferCount = 0;
int32_t rommeUrgency = 0;

namespace {

// The search's copy of the meld table: all 60 places, numbered as on the table.
struct TMeldCopy {
  THand melds[61];
  int32_t ownCount;
  int32_t otherCount;
};

int32_t searchLimit = 8;
// The lay-off and meld tests of the current sequence skip the first-meld minimum once the
// seat owns a meld or the sequence laid one.
bool sequenceHasMeld = false;

int32_t seatToAct() { return cg.gs.akspieler; }

int32_t seatCardCount() {
  const int32_t s = seatToAct();
  return s >= 1 && s <= stackCount ? stackUsed(sp[s]) : 0;
}

// The search builds hundreds of thousands of small lists: only the count, the extras and the
// one card are written, not the whole list.
void setSingle(THand& h, const TCard& c) {
  h.anz = 1;
  h.extras = THandExtras{};
  h.k[1] = c;
}

THand single(const TCard& c) {
  THand h;
  setSingle(h, c);
  return h;
}

bool validLayOff(const THand& m) { return rommeIsValidMeld(m, 0, true, sequenceHasMeld); }

void removeIdentical(THand& h, const TCard& c) {
  for (int32_t i = 1; i <= handUsed(h); i++)
    if (cardsIdentical(h.k[i], c)) {
      deleteCardAt(h, i);
      return;
    }
  removeFirstCard(h, c);
}


TCard cardOf(int32_t rank, int32_t suit) { return makeCard(rank, suit); }

int32_t lastJoker(const THand& h) {
  for (int32_t i = handUsed(h); i >= 1; i--)
    if (isJoker(h.k[i])) return i;
  return 0;
}

// The list's count, extras and cards in use; what lies past the count is not copied.
void copyList(THand& to, const THand& from) {
  to.anz = from.anz;
  to.extras = from.extras;
  for (int32_t i = 1; i <= handUsed(from); i++) to.k[i] = from.k[i];
}

// Variant 1 front, 2 end, 3 in place of the meld's last Joker, into m; false when not possible.
bool variant(THand& m, const THand& meld, const TCard& card, int32_t kind) {
  copyList(m, meld);
  if (kind == 1) insertCardAt(m, card, 1);
  else if (kind == 2) handaddk(m, card);
  else {
    int32_t j = lastJoker(m);
    if (j == 0) return false;
    int16_t slot = m.k[j].hi;
    m.k[j] = card;
    m.k[j].hi = slot;
  }
  return true;
}

THand withoutCards(const THand& h, const THand& cards) {
  THand r = h;
  for (int32_t i = 1; i <= handUsed(cards); i++) removeIdentical(r, cards.k[i]);
  return r;
}

// At most three candidates per card: the set, the run up and the run down.
struct TCandidates {
  THand list[3];
  int32_t count = 0;
};

// The set, run-up and run-down candidates around card x of hand h. The other cards are read
// from h itself, x passed over and the cards a run took marked, instead of copies of the hand.
void candidatesFor(const THand& h, int32_t xi, bool oneLevel, TCandidates& out) {
  out.count = 0;
  const TCard x = h.k[xi];
  const int32_t n = handUsed(h);
  int32_t j = 0;
  for (int32_t i = n; i >= 1 && j == 0; i--)
    if (i != xi && isJoker(h.k[i])) j = i;
  const bool dup = rommeArea().options.duplicateCards != 0;
  const bool corner = rommeArea().options.aroundTheCorner != 0;
  // The set.
  THand& set = out.list[out.count];
  setSingle(set, x);
  if (!isJoker(x)) {
    bool twice = false;
    for (int32_t s = 1; s <= 4; s++) {
      if (s == x.f && !dup) continue;
      int32_t taken = 0;
      for (int32_t i = 1; i <= n; i++) {
        if (i == xi || h.k[i].t != x.t || h.k[i].f != s) continue;
        if (taken == 1) twice = true;
        if (taken == 1 && !dup) continue;
        handaddk(set, h.k[i]);
        taken++;
      }
    }
    if (j) handaddk(set, h.k[j]);
    if (!(oneLevel && twice)) out.count++;
  } else {
    out.count++;
  }
  if (isJoker(x)) return;
  // Runs up and down, with the hand's last Joker filling one gap.
  for (int32_t dir = 0; dir < 2; dir++) {
    THand& run = out.list[out.count];
    setSingle(run, x);
    bool used[handCapacity + 1] = {};
    used[xi] = true;
    bool jokerPlaced = j == 0;
    int32_t t = dir == 0 ? rommeNextRank(x.t) : rommePrevRank(x.t);
    for (int32_t len = 1; len < 14 && t != 0; len++) {
      const TCard want = cardOf(t, x.f);
      // As indexOfCard: the last identical card, else the last equal one.
      int32_t at = 0;
      for (int32_t i = 1; i <= n; i++)
        if (!used[i] && cardsEqual(h.k[i], want)) at = i;
      for (int32_t i = 1; i <= n; i++)
        if (!used[i] && cardsIdentical(h.k[i], want)) at = i;
      if (at == 0 && jokerPlaced) break;
      if (at == 0) {
        for (int32_t i = n; i >= 1 && at == 0; i--)
          if (!used[i] && isJoker(h.k[i])) at = i;
        jokerPlaced = true;
      }
      used[at] = true;
      if (dir == 0) handaddk(run, h.k[at]);
      else insertCardAt(run, h.k[at], 1);
      t = dir == 0 ? rommeNextRank(t) : rommePrevRank(t);
      if (!corner && t == (dir == 0 ? rank2 : rankKing)) break;
    }
    out.count++;
  }
}

void layOffs(const THand& h, TMeldCopy& m, int32_t depth, int32_t parent, bool recurse);
void newMelds(const THand& h, TMeldCopy& m, int32_t depth, int32_t parent, bool recurse, bool oneLevel);

void recursivecalc(const THand& h, TMeldCopy& m, int32_t depth, int32_t parent) {
  for (int32_t i = 1; i <= handUsed(h); i++)
    if (h.k[i].t == 0) trace("error recursivecalc.cardtyp=0");
  if (searchLimit < depth || !rommeAIMoveBufferHasRoom()) return;
  layOffs(h, m, depth, parent, true);
  newMelds(h, m, depth, parent, true, false);
}

void tryLayOff(const THand& h, TMeldCopy& m, int32_t ci, int32_t n, int32_t depth, int32_t parent, bool recurse) {
  const TCard c = h.k[ci];
  const THand& meld = m.melds[n];
  if (handUsed(meld) == 0) return;
  if (meld.extras.owner != seatToAct() && !rommeAIMayLayOffOnOther(n, c)) return;
  const int32_t f = rommeAIFitsMeld(meld, c);
  if (f == 0 || (f == 3 && isJoker(c))) return;
  const THand cards = single(c);
  if (!rommeDiscardRuleOk(h, cards)) return;
  // A first step is carried out: the table must take it as the search sees it.
  if (depth == 0 && k12.inUse(n) && !k12.canLayOff(cards, n)) return;
  const THand formed = rommeAIBestMeldWithCard(meld, c);
  if (handUsed(formed) == 0) {
    trace("ki-Fehler anlegen");
    return;
  }
  TRommeMoveStep step{};
  step.kind = 1;
  step.cards = cards;
  step.target = f == 1 ? meld.k[1].hi : meld.k[handUsed(meld)].hi;
  step.value = rommeAIGainWithCard(meld, c);
  if (!rommeAIMoveBufferHasRoom()) return;
  rommeAIPushMove(step, parent);
  if (!recurse) return;
  const int32_t me = zugbufferCount;
  THand rest = h;
  deleteCardAt(rest, ci);
  if (f == 3) {
    const int32_t jp = lastJoker(meld);
    if (jp) insertCardAt(rest, meld.k[jp], ci <= handUsed(rest) + 1 ? ci : handUsed(rest) + 1);
  }
  const THand saved = m.melds[n];
  m.melds[n] = formed;
  m.melds[n].extras.owner = saved.extras.owner;
  recursivecalc(rest, m, depth + 1, me);
  m.melds[n] = saved;
}

void layOffs(const THand& h, TMeldCopy& m, int32_t depth, int32_t parent, bool recurse) {
  for (int32_t ci = 1; ci <= handUsed(h) && rommeAIMoveBufferHasRoom(); ci++) {
    for (int32_t n = 21; n <= 20 + m.otherCount; n++) tryLayOff(h, m, ci, n, depth, parent, recurse);
    for (int32_t n = 1; n <= m.ownCount; n++) tryLayOff(h, m, ci, n, depth, parent, recurse);
  }
}

void newMelds(const THand& h, TMeldCopy& m, int32_t depth, int32_t parent, bool recurse, bool oneLevel) {
  const int32_t seat = seatToAct();
  const bool own = seat == 1;
  TCandidates cands;
  for (int32_t xi = 1; xi <= handUsed(h); xi++) {
    candidatesFor(h, xi, oneLevel, cands);
    for (int32_t c = 0; c < cands.count; c++) {
      const THand& cand = cands.list[c];
      if (!rommeAIMoveBufferHasRoom()) return;
      if (handUsed(cand) <= 2) continue;
      // Every step of a sequence is a meld the step would accept.
      if (!rommeIsValidMeld(cand, 0, false, sequenceHasMeld)) continue;
      if (!rommeDiscardRuleOk(h, cand)) continue;
      if (own ? m.ownCount >= ownMeldCapacity : m.otherCount >= otherMeldCapacity) continue;
      TRommeMoveStep step{};
      step.kind = 0;
      step.cards = cand;
      step.value = rommeHandValue(cand);
      rommeAIPushMove(step, parent);
      if (!recurse) continue;
      const int32_t me = zugbufferCount;
      const int32_t n = own ? ++m.ownCount : 20 + ++m.otherCount;
      m.melds[n] = cand;
      m.melds[n].extras.owner = static_cast<uint8_t>(seat);
      const bool had = sequenceHasMeld;
      sequenceHasMeld = true;
      recursivecalc(withoutCards(h, cand), m, depth + 1, me);
      sequenceHasMeld = had;
      if (own) m.ownCount--;
      else m.otherCount--;
    }
  }
}

bool seatOwnsMeld() {
  THand list{};
  k12.meldsOfSeat(seatToAct(), list);
  return handUsed(list) > 0;
}

void copyTable(TMeldCopy& m) {
  m.ownCount = k12.ownMeldCount;
  m.otherCount = k12.otherMeldCount;
  for (int32_t n = 1; n <= 60; n++) {
    if (k12.inUse(n)) k12.getMeld(n, m.melds[n]);
    else clearHand(m.melds[n]);
  }
}

THand numbered(const THand& hand) {
  THand h = hand;
  renumberHand(h);
  return h;
}

}  // namespace

bool rommeAIMoveBufferHasRoom() { return zugbufferCount < rommeMoveCapacity; }

void rommeAIPushMove(const TRommeMoveStep& step, int32_t parent) {
  if (!rommeAIMoveBufferHasRoom()) return;
  TRommeMove& m = Zugbuffer[++zugbufferCount];
  if (parent == 0) {
    m.steps[0] = step;
    m.next = 0;
    m.totalValue = step.value;
    m.totalCards = handUsed(step.cards);
    return;
  }
  // Only the parent's steps in use are copied: a move holds nine lists.
  const TRommeMove& p = Zugbuffer[parent];
  for (int32_t s = 0; s <= p.next && s <= 8; s++) m.steps[s] = p.steps[s];
  m.next = p.next;
  m.totalValue = p.totalValue;
  m.totalCards = p.totalCards;
  if (m.next + 1 > 8) {
    trace("Rommé: Überlauf Zugbuffer.next[" + std::to_string(m.next + 1) + "]");
    return;
  }
  m.next++;
  m.steps[m.next] = step;
  m.totalValue += step.value;
  m.totalCards += handUsed(step.cards);
}

void rommeAIStartRecursiveCalc(const THand& hand, int32_t limit) {
  static TMeldCopy m;
  copyTable(m);
  zugbufferCount = 0;
  searchLimit = limit;
  sequenceHasMeld = seatOwnsMeld();
  recursivecalc(numbered(hand), m, 0, 0);
}

void rommeAIOneLevelSearch(const THand& hand) {
  static TMeldCopy m;
  copyTable(m);
  zugbufferCount = 0;
  sequenceHasMeld = seatOwnsMeld();
  const THand h = numbered(hand);
  layOffs(h, m, 0, 0, false);
  newMelds(h, m, 0, 0, false, true);
}

int32_t rommeAIFitsMeld(const THand& meld, const TCard& card) {
  if (isJoker(card) && rommeUrgency <= 18 && seatCardCount() > 2 && rommeMayLayOffOnOthers()) return 0;
  // A card that differs from one of the meld's cards in rank and in suit fits no set and no run
  // of it: the search asks this for every card and meld at every level.
  if (!isJoker(card))
    for (int32_t i = 1; i <= handUsed(meld); i++)
      if (!isJoker(meld.k[i]) && meld.k[i].t != card.t && meld.k[i].f != card.f) return 0;
  THand m;
  if (variant(m, meld, card, 1) && validLayOff(m)) return 1;
  if (variant(m, meld, card, 2) && validLayOff(m)) return 2;
  return variant(m, meld, card, 3) && handUsed(m) > 0 && validLayOff(m) ? 3 : 0;
}

THand rommeAIBestMeldWithCard(const THand& meld, const TCard& card) {
  THand best{};
  int32_t bestValue = -1;
  for (int32_t kind = 1; kind <= 3; kind++) {
    THand v;
    if (!variant(v, meld, card, kind) || handUsed(v) == 0 || !validLayOff(v)) continue;
    if (rommeHandValue(v) > bestValue) {
      bestValue = rommeHandValue(v);
      best = v;
    }
  }
  return best;
}

int32_t rommeAIGainWithCard(const THand& meld, const TCard& card) {
  THand best = rommeAIBestMeldWithCard(meld, card);
  return handUsed(best) == 0 ? 0 : rommeHandValue(best) - rommeHandValue(meld);
}

bool rommeAIMayLayOffOnOther(int32_t, const TCard& card) {
  const bool r = rommeMayLayOffOnOthers();
  const bool positive = rommeArea().options.positiveScoring != 0;
  if (isJoker(card) && (seatCardCount() > 2 || positive) && r && (rommeUrgency < 19 || positive)) return false;
  return r;
}

int32_t rommeAIFirstStepJokers(const TRommeMove& move) {
  const THand& c = move.steps[0].cards;
  for (int32_t i = 1; i <= handUsed(c); i++)
    if (isJoker(c.k[i])) return 1;
  return 0;
}

void rommeAIReturnJoker(TRommeMove& move) {
  THand c = move.steps[0].cards;
  const int32_t j = [&] {
    for (int32_t i = 1; i <= handUsed(c); i++)
      if (isJoker(c.k[i])) return i;
    return 0;
  }();
  if (j == 0) return;
  const TCard joker = deleteCardAt(c, j);
  if (move.steps[0].kind != 0 || !rommeIsValidMeld(c, 0, false, false)) return;
  move.steps[0].cards = c;
  move.steps[0].value = rommeHandValue(c);
  move.totalCards -= 1;
  move.totalValue -= rommeCardValue(joker);
}

TRommeMove rommeAIChooseMove(int32_t urgency) {
  TRommeMove chosen{};
  chosen.totalValue = -1000;
  int32_t chosenAt = 0, b = 0;
  const int32_t handSize = seatCardCount();
  const bool others = rommeMayLayOffOnOthers();
  for (int32_t i = 1; i <= zugbufferCount; i++) {
    TRommeMove& m = Zugbuffer[i];
    if (handUsed(m.steps[0].cards) >= handSize) continue;
    if (others) {
      int32_t f;
      if (m.totalCards == handSize - 1) f = -1;
      else {
        rommeAIReturnJoker(m);
        f = rommeAIFirstStepJokers(m);
      }
      if (m.totalCards - f > (chosenAt ? chosen.totalCards : 0) - b) {
        chosen = m;
        chosenAt = i;
        b = f;
      }
    } else if (m.totalCards > (chosenAt ? chosen.totalCards : 0)) {
      chosen = m;
      chosenAt = i;
    }
  }
  if (chosenAt && urgency <= 18 && others) rommeAIReturnJoker(chosen);
  if (chosenAt == 0) {
    if (rommeIsGin() && zugbufferCount > 0) return Zugbuffer[1];
    zugbufferCount = 0;
  }
  return chosen;
}

void rommeAIDiscard(int32_t pos) {
  TRommeArea& a = rommeArea();
  rommeEvaluatingDiscard = 1;
  const int32_t seat = seatToAct();
  THand work{};
  if (seat >= 1 && seat <= stackCount) {
    syncHandFromSlots(sp[seat]);
    work = sp[seat].hand;
  }
  a.afterDiscard = work;
  if (pos >= 1 && pos <= handUsed(work)) {
    const TCard gone = work.k[pos];
    removeCard(work, gone);
    removeCard(a.afterDiscard, gone);
  }
  rommeAIStartRecursiveCalc(work, 8);
  for (int32_t i = 1; i <= zugbufferCount; i++) {
    const TRommeMove& m = Zugbuffer[i];
    THand rest = work;
    for (int32_t s = 0; s <= m.next; s++) {
      if (!rommeDiscardRuleOk(rest, m.steps[s].cards)) break;
      for (int32_t k = 1; k <= handUsed(m.steps[s].cards); k++) removeCard(rest, m.steps[s].cards.k[k]);
    }
    if (rommeHandValue(rest) < rommeHandValue(a.afterDiscard)) a.afterDiscard = rest;
  }
  rommeEvaluatingDiscard = 0;
}
