// Helpers the phases of Skat's game step share; not for other modules. The step's state is
// the game state's head (phase, step, subStep, subState, akspieler, the last action, the
// awaited card move) plus Skat's area and card lists.
#pragma once

#include <cstdint>
#include <string>

#include "core/cg.h"
#include "games/skat/skat_state.h"

// The step's two counters live in the head's two free int32 fields: stepCounter counts
// the calls (an odd call announces a bid answer, the next moves the bidding on), and
// phaseCounter counts the Rum pause and the Schieben questions. Each is set before use.
inline int32_t& skatStepCounter() { return cg.gs.gameCounter; }
inline int32_t& skatPhaseCounter() { return cg.gs.gameValue; }

// The answer of the last action (option code or card slot) and its kind (0 card, 2 option,
// 3 pile, 7 used).
inline int16_t& skatAnswer() { return cg.gs.getBlender.res_ii; }
inline uint8_t& skatActionKind() { return cg.gs.getBlender.kind; }

constexpr uint8_t skatActionCard = 0;
constexpr uint8_t skatActionOption = 2;
constexpr uint8_t skatActionPile = 3;
constexpr uint8_t skatActionUsed = 7;

// Stacks of the Skat table.
constexpr int32_t skatTrickStack = 12;
constexpr int32_t skatPacketStack = 15;
constexpr int32_t skatWonPileOffset = 6;  // seat s keeps its tricks on stack s + 6
constexpr int32_t skatCopyOffset = 3;     // stacks 4..6 hold copies of seats 1..3

// The phases of the step machine.
enum : uint8_t {
  skatPhaseStart = 0,
  skatPhaseDeal = 1,
  skatPhaseTricks = 4,
  skatPhaseOver = 5,
  skatPhaseBidding = 6,
  skatPhaseDeclaring = 7,
  skatPhaseKontra = 8,
  skatPhaseSchieben = 9,
};

// Values of subStep: what the table shows of the game.
constexpr int32_t skatSubStepBidding = 2;
constexpr int32_t skatSubStepSkat = 3;
constexpr int32_t skatSubStepGameKnown = 4;

// Asks decision `kind` of the seat to act; the answer arrives on a later tick.
void skatAsk(int32_t kind);
// The seat to act says a text (speech bubble and voice of the given kind).
void skatSayText(const std::string& text, int32_t kind);
// The step waits until the card move from (stack, slot) has landed.
void skatWaitFor(int32_t stack, int32_t slot);
// The core's menu button goes to its idle mode at the end of a local game.
void skatEndOfGameMenu();

// Phases of the step machine, one file each.
void skatStepStart();
void skatStepDeal();
void skatStepBidding();
void skatStepDeclaring();
void skatStepKontra();
void skatStepTricks();
void skatStepSchieben();

// Pressing: the seat to act puts a card onto the Skat (kind 0), takes the Skat's top card
// back (kind 3) or, with nothing new (kind 7), is asked 53 or 54. Shared by the declarer and
// the Schieben round; the rank order follows `rankType`.
void skatStepPressing(int32_t rankType);
// The Skat's cards are the pressed Skat; the seats are copied to their spare stacks.
void skatTakePressedSkat();
