// The table's pictures: the card faces cut from the deck sheets, the backs, the plain card, the
// table design's and the room's pictures. Texture numbers of the engine; 0 none. The suit marks
// are texSuitIcons 1..4 of shell/table_textures.h.
#pragma once

#include <cstdint>

#include "platform/records.h"

extern LArray<LArray<int32_t, 1, 32>, 1, 4> cardFaceTextures;  // by suit and rank (1..14 used)
extern LArray<int16_t, 0, 9> cardBackTextures;             // entry k = h<k-1>.jpg; 0 stays 0
extern LArray<int16_t, 0, 9> cardBackReflectionTextures;   // entry k = hr<k-1>.jpg, 0 missing
extern int32_t cardBackTexture;   // the back in use: cardBackTextures[envParam.cardBack]
extern int32_t plainCardTexture;  // s0.jpg: drawn where a face must not be seen
extern int32_t backdropTexture;   // the room's out.jpg
extern int32_t floorTexture;      // the room's boden.jpg (view from above)
extern int32_t tableTexture;      // the design's tisch.jpg
extern int32_t tableTexture2;     // tisch2.jpg, the oval styles' inner top
extern int32_t tableEdgeTexture;  // tisch3.jpg
extern int32_t tableShadeTexture; // tischlm.jpg, the light map
constexpr int32_t cardModelWidth = 178;   // the card's size in table units
constexpr int32_t cardModelHeight = 290;

// Tglapp.lkb's share of the display settings: the table design's and the room's pictures
// (force: reload even when unchanged).
void loadTablePictures(bool force);
// Tglapp.kbladen and Tglapp.lkb: the faces, backs and plain card of the card style in use.
void loadCardPictures(bool force);
