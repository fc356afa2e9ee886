// The computer's game-tree search for Schnapsen and Sechsundsechzig: a breadth-first tree of
// fixed-size nodes in one pool, expanded a slice at a time from the frame loop, evaluated by
// points and the decided game, backed up by minimax with an average as tie-breaker.
//
// [SECTION] nodes
// [SECTION] the builder
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/cards.h"

// [SECTION] nodes

constexpr int32_t searchPoolSize = 200001;
constexpr int32_t searchNodeLimit = 199999;
// Nodes backed up per unit of a slice's node budget: about what one expansion costs.
constexpr int32_t backUpStep = 4;

// Card i (1-based) of a hand of 25; the last card of a stock is its top card.
inline TCard cardAt(const THand25& h, int32_t i) { return TCard{h.k[i].t, h.k[i].f, 0}; }

struct TSearchNode {
  int32_t parent;      // -1 at the root
  int32_t bestChild;   // -1 without children
  uint8_t childCount;  // 0..11
  int32_t children[11];
  int32_t index;
  uint8_t parentSide;
  uint8_t side;        // 1 the searching seat moves next, 0 its opponent, 2 decided, 3 after a decided node
  int32_t mover;
  int32_t nextSeat;
  uint8_t depth;
  uint8_t moveIndex;   // 0 closing the talon, 1..25 a hand slot, 100 the root
  uint8_t leads;
  TCard card;
  uint8_t closer;
  uint8_t strict;
  uint8_t points[2];   // [seat - 1]
  uint8_t bonus[2];
  TCard leadCard, answerCard;
  uint8_t trickCount;
  uint8_t trickWinner;
  float win;
  float avg;
  THand25 hands[2];
  THand25 won[2];
  THand25 stock;
};

// [SECTION] the builder

// What the search reads of the game besides the stacks.
struct TSearchRules {
  int32_t trumpSuit;
  bool variant;          // Sechsundsechzig
  bool closingAllowed;
  TCard trumpCard;       // the open trump card, drawn last; no card once taken
};

class tBaumBuilder {
 public:
  int32_t usedNodes = 0;
  // Allocated once, at the first search, and left uncleared: a node is written before it is
  // read, so its pages are first touched by the slices that fill them.
  std::unique_ptr<TSearchNode[]> nodes;
  std::unique_ptr<int32_t[]> queue;
  // The strict flag of each queued node, read where the finishing pass skips nodes: a byte
  // array keeps that skip from touching a whole node per entry.
  std::unique_ptr<uint8_t[]> queuedStrict;
  int32_t openCount = 0, readPos = 0, finishPops = 0, openAtFinish = 0, maxDepth = 0, targetDepth = 0;
  int32_t shownOpen = 0, processed = 0, dropped = 0, shownFinishPops = 0, shownOpenAtFinish = 0;
  int32_t elapsedMs = 0;
  int32_t state = 0;  // 0 idle, 1 breadth-first, 2 finishing, 4 backing up, 3 finished
  int32_t backUpNext = -1;  // while backing up: the next node, counting down to the root
  int32_t timeLimitMs = 200;
  int32_t nodeLimit = searchNodeLimit;
  // The seat the tree searches for and its rules.
  int32_t searchSeat = 0;
  TSearchRules rules{};
  int64_t elapsedUs = 0;

  void allocate();
  TSearchNode& root() { return nodes[0]; }
  // A fresh tree over `root` (already filled): statistics cleared, state 1.
  void start(int32_t depth);
  // Applies the move of node n (its moveIndex) to its copy of the parent.
  void applyNodeMove(TSearchNode& n, const TSearchNode& p);
  void generateChildren(int32_t n, int32_t depth);
  bool pruneCandidate(const TSearchNode& n, int32_t j) const;
  // The values of n's subtree, at once.
  void backUpTreeValues(int32_t n);
  // The values of node n from its children's, which are final.
  void backUpNode(int32_t n);
  // One slice of at most `budget` nodes (searchNodeBudget of the frame rate), stopped early
  // by the slice's and the frame's time allowances. Backing up the finished tree runs in the
  // same slices, a few nodes (backUpStep) counting as one.
  void treeTimeSlice(int32_t budget);
  // The best root child (highest win * 1000 + avg, the first of equals), -1 none.
  int32_t bestRootChild() const;
  std::string treeStatsText(bool comma) const;

 private:
  void append(int32_t n);
  int32_t takeNode();
  bool finishChecks();
  void evaluate(TSearchNode& n);
};

// The one builder of the run.
extern tBaumBuilder baumBuilder;

// The node budget of a slice at a frame rate; rates below 1 count as 1.
int32_t searchNodeBudget(float fps);
// The search's clock in microseconds; tests put in one that advances per reading.
using TSearchClock = int64_t (*)();
void setSearchClock(TSearchClock clock);
int64_t searchClockUs();
