// The decision block `bl` of the game state: permissions, options and the user's selection
// of the decision the seat to act must take. `savedBl` has the same layout.
#pragma once

#include <cstdint>

#include "core/cards.h"
#include "platform/records.h"

constexpr int decisionOptionCapacity = 8;
constexpr int decisionCaptionCapacity = 80;

// 1,564 bytes in the game image.
struct TDecisionBlock {
  uint8_t pilesSelectable;  // a click on pileA or pileB is accepted (action kind 3)
  uint8_t cardsSelectable;  // a click on a hand card is accepted (action kind 0)
  uint8_t tableSelectable;  // read by the card table's picking; every build clears it
  uint8_t showOptions;      // the decision has option buttons
  int32_t pileA;            // 11 stock (default), 12 centre or meld table, 13 discard pile
  int32_t pileB;            // a second clickable pile, 0 none
  int32_t meldingMode;      // 1 while a meld is put together or cards are chosen
  int32_t optionCount;      // 1..8
  THand selhand;            // the user's selected cards; also filled by pile actions
  ShortString<decisionCaptionCapacity> questionText;  // above the buttons; mostly empty
  LArray<ShortString<decisionCaptionCapacity>, 1, decisionOptionCapacity> optionTexts;  // "!" + text
  LArray<int16_t, 1, decisionOptionCapacity> optionValues;  // submitted as action kind 2, b
  int32_t decisionKind;     // kind of the decision last built (may record a variant)
};

constexpr int decisionBlockImageSize = 1564;
