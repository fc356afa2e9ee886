// The tree of the computer's search: expansion of a node's move, children with pruning,
// evaluation, the time slice with its finish rules, and the back-up pass.
//
// [SECTION] hands and clock
// [SECTION] expansion and evaluation
// [SECTION] children and pruning
// [SECTION] the slice
// [SECTION] back-up and choice
#include "games/family/schnapsen_search.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>

#include "core/card_order.h"
#include "engine/frame_rate.h"
#include "games/family/schnapsen_rules.h"
#include "platform/tick.h"

tBaumBuilder baumBuilder;

// [SECTION] hands and clock

namespace {

int64_t steadyUs() {
  using namespace std::chrono;
  return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

TSearchClock searchClock = steadyUs;

int32_t otherSeat(int32_t s) { return s == 1 ? 2 : 1; }

// Whether card j of `h` may answer `led`: follow and beat, follow, trump, anything, while strict.
bool mayAnswer(const THand25& h, int32_t j, const TCard& led, bool strict, int32_t trump) {
  if (!strict || isNoCard(led)) return true;
  bool canBeat = false, canFollow = false, hasTrump = false;
  for (int32_t i = 1; i <= h.anz; i++) {
    TCard c = cardAt(h, i);
    canFollow |= c.f == led.f;
    canBeat |= c.f == led.f && c.t > led.t;
    hasTrump |= c.f == trump;
  }
  TCard c = cardAt(h, j);
  if (canBeat) return c.f == led.f && c.t > led.t;
  if (canFollow) return c.f == led.f;
  if (hasTrump) return c.f == trump;
  return true;
}

bool holds(const THand25& h, int8_t rank, int8_t suit) {
  for (int32_t i = 1; i <= h.anz; i++)
    if (h.k[i].t == rank && h.k[i].f == suit) return true;
  return false;
}

}  // namespace

void setSearchClock(TSearchClock clock) { searchClock = clock ? clock : steadyUs; }
int64_t searchClockUs() { return searchClock(); }

int32_t searchNodeBudget(float fps) {
  double v = std::max(1.0, double(fps));
  double n;
  if (v > 250)
    n = (std::max(20.0, std::round((v - 250) / 4)) + 100) * 1000 / v;
  else if (v > 100)
    n = (std::max(20.0, std::round((v - 100) / 4)) + 80) * 1000 / v;
  else
    n = 80000 / v;
  return int32_t(std::lround(n));
}

void tBaumBuilder::allocate() {
  if (nodes) return;
  // Zeroing some 75 MB here would cost one frame far more than its allowance.
  nodes = std::make_unique_for_overwrite<TSearchNode[]>(searchPoolSize);
  queue = std::make_unique_for_overwrite<int32_t[]>(searchPoolSize);
  queuedStrict = std::make_unique_for_overwrite<uint8_t[]>(searchPoolSize);
}

void tBaumBuilder::start(int32_t depth) {
  usedNodes = 1;
  openCount = readPos = finishPops = openAtFinish = maxDepth = 0;
  shownOpen = processed = dropped = shownFinishPops = shownOpenAtFinish = 0;
  elapsedMs = 0;
  elapsedUs = 0;
  backUpNext = -1;
  targetDepth = depth;
  state = 1;
}

// [SECTION] expansion and evaluation

void tBaumBuilder::applyNodeMove(TSearchNode& n, const TSearchNode& p) {
  n.depth = uint8_t(p.depth + 1);
  maxDepth = std::max<int32_t>(maxDepth, n.depth);
  if (n.moveIndex == 0) {
    n.parentSide = n.side = p.side;
    n.mover = n.nextSeat = p.nextSeat;
    n.strict = 1;
    n.closer = uint8_t(n.mover);
    evaluate(n);
    return;
  }
  const int32_t mover = p.nextSeat, m = mover - 1;
  n.mover = mover;
  n.nextSeat = otherSeat(mover);
  n.parentSide = p.side;
  n.side = p.side <= 1 ? uint8_t(1 - p.side) : 3;
  n.card = cardAt(n.hands[m], n.moveIndex);
  n.trickWinner = 0;
  const bool lead = n.trickCount == 0;
  if (lead) {
    n.leadCard = n.card;
    n.trickCount = 1;
  } else {
    n.answerCard = n.card;
    n.trickCount = 2;
  }
  deleteCardAt25(n.hands[m], n.moveIndex);
  if (!lead) {
    int32_t w = schnapsenTrickWinner(n.leadCard, n.answerCard, mover);
    n.trickWinner = uint8_t(w);
    n.nextSeat = w;
    n.side = w == searchSeat ? 1 : 0;
    handaddk(n.won[w - 1], n.leadCard);
    handaddk(n.won[w - 1], n.answerCard);
    n.trickCount = 0;
    n.points[w - 1] = uint8_t(n.points[w - 1] + schnapsenCardPoints(n.leadCard) + schnapsenCardPoints(n.answerCard));
    if (!n.strict) {
      THand25& stock = n.stock;
      for (int32_t s : {w, otherSeat(w)}) {
        if (stock.anz > 0) {
          handaddk(n.hands[s - 1], cardAt(stock, stock.anz));
          stock.anz--;
        } else if (!isNoCard(rules.trumpCard)) {
          handaddk(n.hands[s - 1], rules.trumpCard);
        }
      }
      if (stock.anz == 0) n.strict = 1;
    }
  } else if (n.card.t == rankQueen || n.card.t == rankKing) {
    int8_t partner = n.card.t == rankQueen ? rankKing : rankQueen;
    if (holds(n.hands[m], partner, n.card.f))
      n.bonus[m] = uint8_t(n.bonus[m] + (n.card.f == rules.trumpSuit ? 40 : 20));
  }
  evaluate(n);
}

void tBaumBuilder::evaluate(TSearchNode& n) {
  auto total = [&](int32_t s) { return int32_t(n.points[s - 1]) + n.bonus[s - 1]; };
  int32_t decided = 0;
  for (int32_t s = 1; s <= 2; s++)
    if (total(s) >= 66) decided = s;
  if (n.hands[0].anz == 0 && n.hands[1].anz == 0 && n.trickWinner != 0 && decided == 0) {
    if (n.closer == 0) {
      decided = n.trickWinner;
      // The last trick: 10 more in Sechsundsechzig; in Schnapsen it decides the game.
      uint8_t& b = n.bonus[decided - 1];
      b = uint8_t(rules.variant ? b + 10 : std::max(0, 100 - total(decided)));
    } else {
      decided = otherSeat(n.closer);
    }
  }
  const float base = n.closer != 0 ? 2.0f : 1.0f;
  const int32_t me = searchSeat, them = otherSeat(searchSeat);
  const float d = float(total(me) - total(them)) * 0.01f;
  if (decided == me) {
    n.win = n.avg = base - n.depth * 0.01f + d;
    n.side = 2;
  } else if (decided == them) {
    n.win = n.avg = -base + n.depth * 0.01f + d;
    n.side = 2;
  } else {
    n.win = n.avg = n.closer != 0 && n.closer == me ? -0.5f : d;
  }
}

// [SECTION] children and pruning

bool tBaumBuilder::pruneCandidate(const TSearchNode& n, int32_t j) const {
  if (j < 1 || n.strict) return false;
  const THand25& h = n.hands[n.nextSeat - 1];
  const TCard c = cardAt(h, j);
  const int32_t trump = rules.trumpSuit;
  if (n.leads) {
    int32_t m = 1000;
    for (int32_t i = 1; i <= h.anz; i++)
      if (h.k[i].f != trump) m = std::min<int32_t>(m, h.k[i].t);
    if (c.f != trump && m < c.t && (c.t == rankTen || c.t == rankAce)) return true;
    return c.f == trump && m <= rankTen;
  }
  const TCard& led = n.leadCard;
  if (c.f != led.f && c.f != trump) {
    if (c.t < rankQueen) return false;
    for (int32_t i = 1; i <= h.anz; i++)
      if (h.k[i].t < c.t) return true;
    return false;
  }
  if (c.f != led.f) return false;
  int32_t lo = 1000, hi = 0;
  for (int32_t i = 1; i <= h.anz; i++)
    if (h.k[i].f == led.f) lo = std::min<int32_t>(lo, h.k[i].t), hi = std::max<int32_t>(hi, h.k[i].t);
  if (led.t < c.t && c.t + 1 == hi) return true;
  return led.t > c.t && lo < c.t;
}

void tBaumBuilder::generateChildren(int32_t ni, int32_t depth) {
  TSearchNode& n = nodes[ni];
  const int32_t p = n.nextSeat;
  const THand25& h = n.hands[p - 1];
  bool allowed[26] = {};
  int32_t count = 0;
  allowed[0] = !n.strict && n.trickCount == 0 && rules.closingAllowed;
  for (int32_t j = 1; j <= h.anz; j++)
    allowed[j] = n.trickCount == 0 || mayAnswer(h, j, n.leadCard, n.strict, rules.trumpSuit);
  for (int32_t j = 0; j <= h.anz; j++) count += allowed[j] ? 1 : 0;
  for (int32_t j = 0; j <= h.anz; j++)
    if (allowed[j] && count > 1 && pruneCandidate(n, j)) allowed[j] = false, count--, dropped++;
  for (int32_t j = 0; j <= h.anz && usedNodes < nodeLimit; j++) {
    if (!allowed[j] || n.childCount >= 11) continue;
    const int32_t ci = usedNodes++;
    TSearchNode& c = nodes[ci];
    std::memcpy(static_cast<void*>(&c), &n, sizeof c);
    c.index = ci;
    c.childCount = 0;
    c.bestChild = -1;
    c.parent = ni;
    c.depth = uint8_t(depth);
    c.moveIndex = uint8_t(j);
    c.leads = j == 0 ? 1 : (n.trickCount == 0 ? 1 : 0);
    n.children[n.childCount++] = ci;
    append(ci);
  }
}

// [SECTION] the slice

void tBaumBuilder::append(int32_t n) {
  queue[readPos + openCount] = n;
  queuedStrict[n] = nodes[n].strict;
  openCount++;
}

int32_t tBaumBuilder::takeNode() {
  int32_t n = -1;
  do {
    n = queue[readPos++];
    openCount--;
    if (state == 2) finishPops++;
  } while (state == 2 && openCount > 0 && !queuedStrict[n]);
  return n;
}

// The finish rules, read after every node, so that a search cut into slices of any size
// ends where an uncut one would. True once finished.
bool tBaumBuilder::finishChecks() {
  elapsedMs = int32_t(elapsedUs / 1000);
  if (state == 1 && (targetDepth <= maxDepth || openCount == 0)) {
    openAtFinish = openCount;
    state = 2;
  }
  if ((state == 2 && openCount == 0) || elapsedMs > timeLimitMs || processed > nodeLimit) {
    // Children lie after their parents in the pool: backing up from the last node down to
    // the root finds every node's children final.
    state = 4;
    backUpNext = usedNodes - 1;
    return true;
  }
  return false;
}

namespace {

// The frame the search last ran in and its use of it: once 20 nodes are done a frame gives
// the search at most 4 ms, however often it is called in that frame. A step is taken only
// when the frame's longest step so far still fits.
uint64_t frameKey = 0;
int64_t frameUs = 0, frameLongestStepUs = 0;
int32_t frameNodes = 0;

}  // namespace

void tBaumBuilder::treeTimeSlice(int32_t budget) {
  const uint64_t key = (uint64_t(uint32_t(vtlInfo.totalFrames)) << 32) | getTickCount();
  if (key != frameKey) frameKey = key, frameUs = 0, frameLongestStepUs = 0, frameNodes = 0;
  int64_t last = searchClockUs(), sliceUs = 0;
  int32_t done = 0;
  auto allowed = [&] {
    return !(sliceUs >= 50000 && done >= 20) && !(frameUs + frameLongestStepUs > 4000 && frameNodes >= 20) &&
           done < budget;
  };
  // One step done: a node expanded, or backUpStep nodes backed up.
  auto account = [&] {
    done++;
    frameNodes++;
    const int64_t now = searchClockUs(), spent = now - last;
    last = now;
    sliceUs += spent;
    frameUs += spent;
    frameLongestStepUs = std::max(frameLongestStepUs, spent);
    elapsedUs += spent;
  };
  while (state != 4 && allowed() && openCount > 0 && state != 3 && (targetDepth > maxDepth || state == 2)) {
    const int32_t ni = takeNode();
    TSearchNode& n = nodes[ni];
    applyNodeMove(n, nodes[n.parent]);
    if ((n.depth < targetDepth || n.strict) && n.side != 2) generateChildren(ni, n.depth);
    shownOpen = openCount;
    shownOpenAtFinish = openAtFinish;
    shownFinishPops = finishPops;
    processed++;
    account();
    if (finishChecks()) break;
  }
  if (state == 1 || state == 2) finishChecks();
  while (state == 4 && allowed()) {
    for (int32_t i = 0; i < backUpStep && backUpNext >= 0; i++) backUpNode(backUpNext--);
    account();
    if (backUpNext < 0) state = 3, elapsedMs = int32_t(elapsedUs / 1000);
  }
}

// [SECTION] back-up and choice

void tBaumBuilder::backUpTreeValues(int32_t ni) {
  const TSearchNode& n = nodes[ni];
  for (int32_t i = 0; i < n.childCount; i++) backUpTreeValues(n.children[i]);
  backUpNode(ni);
}

void tBaumBuilder::backUpNode(int32_t ni) {
  TSearchNode& n = nodes[ni];
  float runningAvg = 0;
  for (int32_t i = 0; i < n.childCount; i++) {
    const int32_t ci = n.children[i];
    const TSearchNode& c = nodes[ci];
    runningAvg += c.avg / float(n.childCount);
    n.avg = runningAvg;
    const float value = c.win * 1000 + c.avg, current = n.win * 1000 + runningAvg;
    bool take = i == 0 || (n.side == 1 && value > current) || (n.side == 0 && value < current);
    if (take) n.win = c.win, n.bestChild = ci;
  }
  if (n.moveIndex == 0 && n.parent >= 0) {
    if (n.depth <= 1)
      n.win *= 1.6f;
    else if (n.depth == 2)
      n.win *= 1.4f;
    else if (n.depth == 3)
      n.win *= 1.2f;
  }
}

int32_t tBaumBuilder::bestRootChild() const {
  const TSearchNode& r = nodes[0];
  int32_t best = -1;
  float bestValue = 0;
  for (int32_t i = 0; i < r.childCount; i++) {
    const TSearchNode& c = nodes[r.children[i]];
    float v = c.win * 1000 + c.avg;
    if (best < 0 || v > bestValue) best = r.children[i], bestValue = v;
  }
  return best;
}

std::string tBaumBuilder::treeStatsText(bool comma) const {
  const std::string sep = comma ? ", " : "\r";
  std::string t;
  auto item = [&](const char* label, int32_t v) { t += label + std::to_string(v) + sep; };
  item("Verarbeitet: ", processed);
  item("Offen: ", shownOpen);
  item("Offene1: ", shownOpenAtFinish);
  item("Pflicht: ", shownFinishPops);
  item("Gedroppt: ", dropped);
  item("Zeit: ", elapsedMs);
  item("Tiefe: ", maxDepth);
  return t;
}
