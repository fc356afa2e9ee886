// The computer seat of Schnapsen: the root of the search from the table (hidden cards
// guessed by strength), the slices, and the move taken from a finished tree. A tree is used
// only for the position and the seat it was built for; any other position searches anew.
//
// [SECTION] the root
// [SECTION] the position a tree belongs to
// [SECTION] choosing the move
// [SECTION] the calls
#include "games/family/schnapsen_ai.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/cg.h"
#include "engine/engine_services.h"
#include "engine/frame_rate.h"
#include "games/family/schnapsen_rules.h"
#include "games/family/schnapsen_search.h"
#include "platform/random.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

namespace {

tBaumBuilder& tree() { return baumBuilder; }
TSchnapsenState& st() { return schnapsenArea(); }
int32_t otherSeat(int32_t s) { return s == 1 ? 2 : 1; }

int32_t strengthOf(int32_t seat) { return seat >= 1 && seat <= 6 ? cg.gs.seatProfiles[seat].strength : 3; }

THand25 hand25(int32_t stack) {
  THand25 h{};
  const TSpieler& s = sp[stack];
  for (int i = 1; i <= stackUsed(s) && h.anz < 25; i++) handaddk(h, s.slots[i].card);
  return h;
}

// [SECTION] the root

// The hidden cards (stock, then the opponent's hand) dealt anew at random: the guessed stock
// and the opponent's guessed hand, the card the user points at kept in its hand.
void guessHiddenCards(TSearchNode& r, int32_t opponent, int32_t liftedSlot, TCard& lifted) {
  std::vector<TCard> hidden;
  const THand25 stock = hand25(schnapsenStock), opp = hand25(opponent);
  for (int i = 1; i <= stock.anz; i++) hidden.push_back(cardAt(stock, i));
  for (int i = 1; i <= opp.anz; i++) hidden.push_back(cardAt(opp, i));
  THand25 guessedStock{}, guessedHand{};
  if (liftedSlot >= 1 && liftedSlot <= opp.anz) {
    lifted = cardAt(opp, liftedSlot);
    hidden.erase(hidden.begin() + stock.anz + liftedSlot - 1);
    handaddk(guessedHand, lifted);
  }
  auto draw = [&] {
    int32_t i = randomBelow(int32_t(hidden.size()));
    TCard c = hidden[size_t(i)];
    hidden.erase(hidden.begin() + i);
    return c;
  };
  if (stock.anz > 0) {
    handaddk(guessedStock, hidden.front());
    hidden.erase(hidden.begin());
  }
  while (guessedStock.anz < stock.anz && !hidden.empty()) handaddk(guessedStock, draw());
  while (guessedHand.anz < opp.anz && !hidden.empty()) handaddk(guessedHand, draw());
  int32_t s = strengthOf(tree().searchSeat);
  if (s == 1 || (s == 2 && randomReal() < 0.5)) {
    r.stock = guessedStock;
    r.hands[opponent - 1] = guessedHand;
  }
}

void buildTreeRoot(int32_t depth) {
  tBaumBuilder& t = tree();
  TSchnapsenState& a = st();
  const int32_t me = t.searchSeat, opponent = otherSeat(me);
  t.rules = TSearchRules{a.trumpSuit, a.variant != 0, a.closingAllowed != 0,
                         stackUsed(sp[schnapsenTrumpPile]) >= 1 ? sp[schnapsenTrumpPile].slots[1].card : noCard()};
  t.start(depth);
  TSearchNode& r = t.root();
  r = TSearchNode{};
  r.parent = -1;
  r.bestChild = -1;
  r.parentSide = 3;
  r.side = 1;
  r.mover = r.nextSeat = me;
  r.strict = a.strictRules;
  r.closer = uint8_t(std::clamp<int32_t>(a.closer, 0, 2));
  for (int s = 1; s <= 2; s++) {
    r.hands[s - 1] = hand25(s);
    r.won[s - 1] = hand25(schnapsenWonPile1 + s - 1);
    int32_t pts = 0;
    for (int i = 1; i <= r.won[s - 1].anz; i++) pts += schnapsenCardPoints(cardAt(r.won[s - 1], i));
    r.points[s - 1] = uint8_t(pts);
    r.bonus[s - 1] = uint8_t(std::clamp<int32_t>(a.marriagePoints[s], 0, 255));
  }
  r.stock = hand25(schnapsenStock);
  const TSpieler& trick = sp[schnapsenTrick];
  r.trickCount = uint8_t(std::min(stackUsed(trick), 2));
  r.leadCard = r.trickCount >= 1 ? trick.slots[1].card : noCard();
  r.answerCard = r.trickCount >= 2 ? trick.slots[2].card : noCard();
  r.moveIndex = 100;
  r.leads = r.trickCount == 0 ? 1 : 0;
  const bool pending = schnapsenPrecomputePending();
  TCard lifted = noCard();
  guessHiddenCards(r, opponent, pending && a.precomputeSeat == opponent ? a.precomputeCard : 0, lifted);
  if (pending) {
    // The user's card is played into the root; the tree answers it.
    r.mover = cg.gs.akspieler;
    if (r.mover != a.precomputeSeat) trace("Fehler bei precalc");
    const THand25& h = r.hands[a.precomputeSeat - 1];
    int32_t slot = 0;
    for (int i = 1; i <= h.anz; i++)
      if (cardAt(h, i).t == lifted.t && cardAt(h, i).f == lifted.f) slot = i;
    if (slot == 0 && a.precomputeCard <= h.anz) slot = a.precomputeCard;
    if (slot >= 1) {
      TSearchNode parent = r;
      parent.nextSeat = a.precomputeSeat;
      parent.side = 0;
      parent.depth = 0;
      r.moveIndex = uint8_t(slot);
      t.applyNodeMove(r, parent);
      r.depth = 0;
      r.moveIndex = 100;
      r.parent = -1;
      r.leads = r.trickCount == 0 ? 1 : 0;
      if (r.side <= 1) r.side = r.nextSeat == me ? 1 : 0;
      t.maxDepth = 0;
    }
  }
  if (r.nextSeat == me && r.side != 2) t.generateChildren(0, 1);
}

// [SECTION] the position a tree belongs to

// What the searching seat knows of a position: its hand, the won piles, the trick, the
// stock's size and the rules in force, and who moves.
std::string positionKey(const TSearchNode& n, int32_t searchSeat) {
  std::string k;
  auto cards = [&](const THand25& h, bool sorted) {
    std::vector<int> v;
    for (int i = 1; i <= h.anz; i++) v.push_back(h.k[i].t * 8 + h.k[i].f);
    if (sorted) std::sort(v.begin(), v.end());
    for (int c : v) k += char(c);
    k += '|';
  };
  k += char(searchSeat);
  k += char(n.nextSeat);
  cards(n.hands[searchSeat - 1], true);
  k += char(n.hands[otherSeat(searchSeat) - 1].anz);
  cards(n.won[0], true);
  cards(n.won[1], true);
  k += char(n.stock.anz);
  k += char(n.trickCount);
  if (n.trickCount == 1) k += char(n.leadCard.t * 8 + n.leadCard.f);
  k += char(n.strict);
  k += char(n.closer);
  k += char(n.bonus[0]);
  k += char(n.bonus[1]);
  return k;
}

std::string treeKey;
int32_t fixedBudget = 0;

std::string currentKey() {
  TSearchNode n{};
  TSchnapsenState& a = st();
  n.nextSeat = cg.gs.akspieler;
  for (int s = 1; s <= 2; s++) {
    n.hands[s - 1] = hand25(s);
    n.won[s - 1] = hand25(schnapsenWonPile1 + s - 1);
    n.bonus[s - 1] = uint8_t(std::clamp<int32_t>(a.marriagePoints[s], 0, 255));
  }
  n.stock = hand25(schnapsenStock);
  n.trickCount = uint8_t(std::min(stackUsed(sp[schnapsenTrick]), 2));
  if (n.trickCount >= 1) n.leadCard = sp[schnapsenTrick].slots[1].card;
  n.strict = a.strictRules;
  n.closer = uint8_t(std::clamp<int32_t>(a.closer, 0, 2));
  return positionKey(n, cg.gs.akspieler);
}

void startTreeSearch(int32_t depth) {
  tBaumBuilder& t = tree();
  t.allocate();
  t.searchSeat = schnapsenAISeat();
  const int32_t strength = strengthOf(t.searchSeat);
  t.timeLimitMs = strength == 1 ? 100 : strength == 2 ? 150 : 200;
  t.nodeLimit = searchNodeLimit;
  const bool pending = schnapsenPrecomputePending();
  buildTreeRoot(depth + (pending ? 1 : 0));
  treeKey = positionKey(t.root(), t.searchSeat);
}

// [SECTION] choosing the move

void submit(int kind, int32_t b) { cg.submitAction(kind, 0, b); }

bool optionOffered(int16_t value) {
  const TDecisionBlock& bl = cg.gs.bl;
  if (!bl.showOptions) return false;
  for (int i = 1; i <= bl.optionCount && i <= 8; i++)
    if (bl.optionValues[i] == value) return true;
  return false;
}

void fallbackMove() {
  st().precomputeCard = 0;
  schnapsenResetSearch();
  const TDecisionBlock& bl = cg.gs.bl;
  const int32_t seat = cg.gs.akspieler;
  if (bl.showOptions && bl.optionCount >= 1 && randomReal() > 0.9) {
    submit(2, bl.optionValues[1]);
    return;
  }
  if (bl.cardsSelectable) {
    syncHandFromSlots(sp[seat]);
    const TSpieler& h = sp[seat];
    for (int i = 1; i <= stackUsed(h); i++) {
      TCard led = stackUsed(sp[schnapsenTrick]) == 1 ? sp[schnapsenTrick].slots[1].card : noCard();
      if (schnapsenAnswerIsLegal(h.slots[i].card, led, h.hand, st().strictRules != 0)) {
        submit(0, i);
        return;
      }
    }
  }
  trace("Schnapsen: der Computer findet keinen Zug");
}

void chooseMove() {
  tBaumBuilder& t = tree();
  const int32_t seat = cg.gs.akspieler;
  t.state = 0;
  if (strengthOf(seat) == 1 && randomReal() < 0.25) {
    fallbackMove();
    return;
  }
  const int32_t best = t.bestRootChild();
  if (best < 0) {
    fallbackMove();
    return;
  }
  const int32_t kind = cg.gs.bl.decisionKind;
  if ((kind == 106 || kind == 108) && optionOffered(schnapsenOptExchange)) {
    submit(2, schnapsenOptExchange);
    return;
  }
  const TSearchNode& c = t.nodes[best];
  if (c.moveIndex == 0) {
    if (optionOffered(schnapsenOptClose))
      submit(2, schnapsenOptClose);
    else
      fallbackMove();
    return;
  }
  syncHandFromSlots(sp[seat]);
  const THand25& mine = t.root().hands[seat - 1];
  if (c.moveIndex <= mine.anz && c.moveIndex <= stackUsed(sp[seat])) {
    int slot = indexOfCard(sp[seat].hand, cardAt(mine, c.moveIndex));
    if (slot >= 1) {
      submit(0, slot);
      return;
    }
  }
  st().precomputeCard = 0;
  schnapsenResetSearch();
}

}  // namespace

// [SECTION] the calls

void schnapsenResetSearch() { tree().state = 0; }
bool schnapsenSearchFinished() { return tree().state == 3; }
bool schnapsenPrecomputePending() { return st().precomputeSeat >= 1 && st().precomputeCard >= 1; }
int32_t schnapsenAISeat() { return schnapsenPrecomputePending() ? 2 : std::clamp<int32_t>(cg.gs.akspieler, 1, 2); }

void schnapsenAIMove() {
  tBaumBuilder& t = tree();
  // A tree of another seat or position is no answer here.
  if (t.state != 0 && !schnapsenPrecomputePending() && (t.searchSeat != schnapsenAISeat() || treeKey != currentKey()))
    t.state = 0;
  switch (t.state) {
    case 0:
      startTreeSearch(st().variant ? 8 : 10);
      break;
    case 1:
    case 2:
    case 4:
      t.treeTimeSlice(fixedBudget > 0 ? fixedBudget : searchNodeBudget(vtlInfo.fps));
      if (t.state == 3) st().precomputeSeat = st().precomputeCard = 0;
      break;
    default:
      chooseMove();
      break;
  }
}

void setSearchSliceBudget(int32_t nodes) { fixedBudget = std::max(0, nodes); }

void schnapsenFrameSearch() {
  if (schnapsenPrecomputePending() && !schnapsenSearchFinished()) schnapsenAIMove();
}

void schnapsenPrecomputeAnswer(int32_t slot, int32_t seat) {
  st().precomputeSeat = seat;
  st().precomputeCard = slot;
  schnapsenResetSearch();
  schnapsenAIMove();
}
