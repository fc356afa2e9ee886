// The light of one card as drawCard needs it: the alpha base of shaded cards, the light
// factor and vertex brightness of the visible pass, the vertex colour by shadeMode, the
// reflection alphas of the mirror pass. Pure values: the card drawing makes the GL calls
// (table/card_light.cpp), the shadow volume is table/shadows.cpp's.
// [SECTION] alpha base and light factor
// [SECTION] vertex shade (pass 0)
// [SECTION] reflection (pass 4)
#pragma once

#include <cstdint>

#include "core/game_id.h"

// [SECTION] alpha base and light factor

// A shaded card whose in-game panel element e stands for it: 0.6 while e is hidden, rising to
// 1 with e's fade value (0..1) while it is shown.
float elementAlphaBase(bool elementVisible, float fade);

// The meld table's shade while the core's phase is 4 (Rommé, Canasta).
struct TMeldTableShadeInput {
  bool shadeRequest;     // the table wants unplayable cards shaded
  bool partnerOfPrev;    // samePartnership(prevSeat(seat to act), the meld's owner)
  float turnFade;        // fade value of the turn marker of the seat to act, 0..1
  int32_t step;          // the game step
  bool reflectionPass;   // pass 4
  bool stack2Gliding;    // stack 2 glides
  int32_t screenMode;    // the shell's screen mode; 1 the table
};
struct TMeldTableShade {
  float alpha;            // the alpha base A
  bool doubleReflection;  // the reflection alpha becomes 2a - 1
};
TMeldTableShade meldTableAlphaBase(const TMeldTableShadeInput& in);

// How much of the light gradient a card gets in pass 0: 1 on the seats and free cards
// (stack up to playerCount), 0 on the piles; a moving card fades between them by t.
float cardLightFactor(int32_t stack, bool moving, int32_t dstStack, float t, int32_t playerCount);

// [SECTION] vertex shade (pass 0)

struct TBrightnessInput {
  TGameId game;
  int32_t stack;
  int32_t playerCount;
  float light;             // L
  float u, v;              // texture coordinates (Blackjack: already flipped, see below)
  bool shadowsOn;          // "Schatteneffekt"
  bool effectsOff;         // the engine's effects-off debug switch
  bool fullBrightness;     // the engine's full-brightness debug switch
  int32_t grayLevel;       // envParam.grayLevel
  bool blackjackHoleCard;  // seat 1's card that Blackjack calls face down
  bool backSide;           // the vertex is on the card's back
  int32_t index;           // the card's slot
};
// Brightness b of a vertex before the stack's colour rule.
float vertexBrightness(const TBrightnessInput& in);
// Blackjack turns a seat card's texture coordinates (1 - u, 1 - v) for its brightness: stack
// 1's card moving to the stock, any other seat's card not moving there.
bool blackjackFlipsShade(int32_t stack, bool movesToStock);

// Output alpha of a vertex: Skat outside the tutorial shows the shade request on the user's
// hand through it (1.28 A - 0.22); 1 elsewhere.
float cardOutputAlpha(TGameId game, bool tutorial, float alphaBase);

struct TVertexShadeInput {
  TGameId game;
  int32_t stack;
  int32_t shadeMode;    // envParam.shadeMode
  float brightness;     // b from vertexBrightness
  float alphaBase;      // A
  float u, v;
  bool highlight;       // the meld highlight flag with strength h
  float highlightStrength;
  bool tutorial;
  int32_t phase;        // the core's phase
  bool movesToPile;     // a moving card whose target is stack 11, 12 or 13
  float t;              // its progress
};
struct TShadeColour {
  float r, g, b, a;
};
// The colour of a vertex in pass 0 (the debug full-brightness switch sets b = 1 before).
TShadeColour vertexShade(const TVertexShadeInput& in);

// [SECTION] reflection (pass 4)

struct TReflectionInput {
  float z, y;             // the card's pose in use
  int32_t reflectionOff;  // envParam.reflectionOff; below 1 counts as 1
  int32_t stack;
  bool moving;
  int32_t dstStack;
  float t;
  uint8_t animType;       // 4: meld highlight
};
// The card's reflection alphas at its v = 1 (top) and v = 0 (bottom) edges.
struct TReflectionAlphas {
  float top, bottom;
};
TReflectionAlphas cardReflectionAlphas(const TReflectionInput& in);

// A vertex's reflection alpha from the card's alphas and envParam.reflection (0..99), before
// the game limits; never below 0.
float reflectionVertexAlpha(const TReflectionAlphas& alphas, float v, int32_t reflection, bool doubleReflection);

struct TReflectionLimitInput {
  TGameId game;
  int32_t stack;
  bool moving;
  int32_t dstStack;
  bool firstTrickCard;  // Skat: the card equals the current trick's first card
};
float limitReflectionAlpha(float a, float v, const TReflectionLimitInput& in);
// The Canasta side view's reflection of the meld table.
float canastaSideReflectionAlpha(float v, bool highlight, float highlightStrength);
