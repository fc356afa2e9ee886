// The card table's program-wide input and drawing state: the input gate, the result of the
// pointer pick and the current drawing pass. The picking and the scene drawing write them;
// the moves, the animation and the table questions read and clear them.
#pragma once

#include <cstdint>
#include <string>

// Table input: 0 nothing awaited, 1 waits for the user (set by the core's decision panel),
// 2 an action or a card move is under way (set by movecard and the table click), 3 Mau-Mau.
// Saved with a game by the core.
extern uint8_t inputState;

extern int32_t hoveredCard;          // user's hand card under the pointer, 1..166; 0 none
extern int32_t pickedPile;           // pile under the pointer (11, 12, 13 ...); 0 none
extern int32_t pickedPileIndex;      // slot within pickedPile; 0 none
extern int32_t prevPickedPile;       // the pile pick of the pass before
extern int32_t prevPickedPileIndex;
// The hand card hovered at the end of the previous frame (0 none): the frame handler compares
// it with hoveredCard to raise and lower cards; a landing clears it.
extern int32_t prevHoveredCard;

// The best name's decoded card of the last pick, 0 when nothing was hit; Mau-Mau reads it.
extern int32_t lastPickedCard;
// A hand card the next pick shows as hovered whatever lies under the pointer, then clears;
// set by the core's table-panel buttons and Mau-Mau for the keyboard focus. 0 none.
extern int32_t pendingHoverCard;
// "n " and "s" + name + "," per hit of the last pick that found something.
extern std::string pickDebugText;
// 1 while the pick pass draws: the stacks then load pick names and draw without textures.
extern uint8_t pickNamesMode;

// The pick's note for the developer panel.
extern std::string debugText;
// What the current drawing pass draws: 0 normal, 1 picking, 2 shadow volumes, 3 the engine's
// shine pass, 4 mirror image, 6 seat decorations.
extern int32_t drawPass;
