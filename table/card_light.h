// The light of one side of one card in the pass being drawn, gathered once per card from the
// game, the table and the settings, and the colour of each of its vertices from it.
#pragma once

#include <cstdint>

#include "table/card_shading.h"
#include "table/stacks.h"

struct TCardLight {
  int32_t pass = 0;
  int32_t stack = 0;
  int32_t index = 0;
  bool backSide = false;
  TCardSlot slot{};           // the card's slot (empty for a free card)
  float alphaBase = 1;        // A
  float light = 0;            // L, pass 0
  bool highlight = false;     // the meld highlight's flag and strength h
  float highlightStrength = 0;
  TReflectionAlphas reflection{1, 1};  // pass 4
  bool doubleReflection = false;
  bool firstTrickCard = false;
};

// The fade value 0..1 of an element of the in-game panel and whether it shows; an element not
// built reads as hidden.
float panelElementFade(int32_t element);
bool panelElementVisible(int32_t element);

// pose: the card's pose in use (its z and y set the mirror image's fade); shadeRequest: the
// table wants the card shaded as unplayable or out of play.
TCardLight cardLight(int32_t pass, int32_t stack, int32_t index, bool backSide, const TCardPose& pose,
                     bool shadeRequest);

// The vertex colour at texture coordinates (u, v) in pass 0, and at the mesh's (u, v) in
// pass 4 (white with the reflection alpha); other passes draw no colour.
TShadeColour cardVertexColour(const TCardLight& light, float u, float v);
