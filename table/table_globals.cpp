// Owner of the card table's input and drawing state.
#include "table/table_globals.h"

uint8_t inputState = 0;
int32_t hoveredCard = 0;
int32_t pickedPile = 0;
int32_t pickedPileIndex = 0;
int32_t prevPickedPile = 0;
int32_t prevPickedPileIndex = 0;
int32_t prevHoveredCard = 0;
int32_t lastPickedCard = 0;
int32_t pendingHoverCard = 0;
std::string pickDebugText;
uint8_t pickNamesMode = 0;
int32_t drawPass = 0;
std::string debugText;
