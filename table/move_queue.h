// Card moves: every card that changes place goes through movecard, which marks its slot as
// moving, chooses how it travels and appends the move to the pending queue. The card is
// written into its target only when it lands (animation.h); the landing removes the entry
// and reports it in finishedMoves, which the frame handler hands to the core once no move is
// pending. Also the hover lift of a card and the glide of a whole stack.
#pragma once

#include <cstdint>

#include "core/cards.h"
#include "platform/records.h"
#include "table/stacks.h"

constexpr int moveQueueCapacity = 166;

// One move under way. The source slot's queueIndex names its entry.
struct TPendingMove {
  uint8_t kind;  // move kind (below)
  int32_t srcStack, srcIndex, dstStack, dstIndex;
  // The card as the move started: another landing may refill the source slot before this
  // card arrives (a hand closing the gap a drawn card left).
  TCard card;
};

// One landed move. Both stack numbers as absolute values (a layout copy -n counts as n).
struct TFinishedMove {
  int32_t srcStack, dstStack, srcIndex, dstIndex;
  uint8_t kind;
};

struct TFinishedMoves {
  int32_t count;  // entries 1..count; the frame handler takes them newest first
  LArray<TFinishedMove, 1, moveQueueCapacity> moves;
};

// The record of the last completed move, written by completeQueuedMove.
struct TLastMove {
  TCard card;
  int32_t dstStack, dstIndex, srcStack, srcIndex;
};

extern LArray<TPendingMove, 1, moveQueueCapacity> pendingMoves;  // in queue order
extern int32_t pendingMoveCount;  // 0: no card is moving; the core's new game sets 0
extern TFinishedMoves finishedMoves;  // appended by the landing, emptied by the frame handler
extern TLastMove lastMove;
// 1 while Blackjack's step deals the opening cards of all seats through gethand.
extern uint8_t blackjackOpeningDeal;

// Move kinds (TPendingMove::kind), which choose the motion, the path and the landing.
enum : uint8_t {
  moveStraight = 0,     // straight; a card taken from another hand; with animType 5 a shuffle
  moveRelayout = 1,     // within its own stack, usually into the layout copy
  movePlay = 2,         // played onto a pile
  moveDeal = 3,         // dealt or drawn into a hand's layout copy
  moveToStockMau = 4,   // Mau-Mau: pile 12 to the stock
  moveRefillMau = 5,    // Mau-Mau: pile 12 to pile 13; the refill of an empty pile 12
  moveDraw = 7,         // from the stock onto an open pile, or laid back onto it
  moveFace = 8,         // the face of a card copied to a target slot
  moveCollect = 14,     // a trick collected onto a won pile; stock and pile 15
  movePileToPile = 15,
  moveCount = 16,       // counted onto a pile
  moveInPlace17 = 17, moveArc = 18, moveFan = 19, moveLift = 20, moveHop = 21,
};

// Queues one move of slot srcIndex of srcStack (negative: the layout copy) to dstIndex of
// dstStack (1..20, or a layout copy -1..-20). curved asks for a curved path where the kind
// has none; animType 2 a move, 3 from the stock or a hidden source, 5 and 6 in-place effects;
// startDelay and endHold in progress units; option 0, -1 or a value that shapes the motion.
// A move that could never land (source slot outside 1..count of a stack the animation walks,
// a target outside the arrays, a full queue) is refused with its message before anything
// changes, and false is returned.
bool movecard(int32_t srcStack, int32_t srcIndex, int32_t dstStack, int32_t dstIndex,
              uint8_t curved, uint8_t animType, uint8_t kind, float startDelay, int32_t option,
              float endHold);
// movecard with endHold 0, then notes srcStack and srcIndex as the core's pending move
// (a refused move leaves the note as it was).
bool moveCardNoted(int32_t srcStack, int32_t srcIndex, int32_t dstStack, int32_t dstIndex,
                   uint8_t curved, uint8_t animType, uint8_t kind, float startDelay,
                   int32_t option);
// Notes a move for the core: pendingMove 3, the stack and the slot.
void noteCoreMove(int32_t stack, int32_t slot);

// Removes entry n after its card landed: the landing sound, the last-move record, the source
// slot's move cleared, later entries moved down with their slots' queueIndex.
void completeQueuedMove(int32_t n);

// Raises (lower 0) or lowers (lower 1) a resting card of a stack; index 0 is the top card.
// A lowering call for a resting card, and any call for a card that is in a move, does nothing.
void setCardLift(TCardSlot& slot, int32_t lower, int32_t stack, int32_t index);
// Starts a glide of the whole stack from its resting pose to `pose`.
void moveStackTo(const TCardPose& pose, int32_t stack);

// The stacks whose slots the animation walks: seats (in sp and spLayout) and piles (sp only).
bool stackAnimates(int32_t stack);
