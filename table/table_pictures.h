// The table's pictures: the card faces cut from the deck sheets, the backs, the plain card, the
// table design's and the room's pictures. Texture numbers of the engine; 0 none. The suit marks
// are texSuitIcons 1..4 of shell/table_textures.h.
#pragma once

#include <cstdint>
#include <string>

#include "platform/records.h"
#include "table/card_sheet.h"

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

// The composition's work state: one face per suit and rank, alive from kbladen to lkb (an
// empty picture shows the plain card), and the size of one card in the sheet, in pixels.
extern TCardImages cardImages;
extern float cardPixelWidth;
extern float cardPixelHeight;

// The engine's texture accuracy 1..3 (0 counts as 1): the quality folder "\data\bilder\<level>".
int32_t textureDetailLevel();
std::string cardLevelFolder();
// The cache file of one composed face: "\data\kb<suit><rank>.jpg".
std::string cardCacheFile(int32_t suit, int32_t rank);

// Tglapp.kbladen: the suit icons of the card style, and the faces cut from the style's sheets
// into cardImages (Skat: ranks 1..8 only). A missing or wrongly sized sheet logs one line and
// leaves its faces empty.
void kbladen();
// Tglapp.lkb: each face written to its cache file and loaded with the mask a.bmp (uploaded
// from memory, with a log line, when the file cannot be written); the plain card; the backs
// with ha.bmp and the reflection backs; cardBackTexture (a back outside 1..9 reads as 1).
void lkb();

// The table and room step of the display settings: tableDir and roomDir built from
// tableDesign and roomNo (outside 1..5 read as 1), then backdrop and floor deleted and
// reloaded, table top, inner top, edge and light map loaded. of the display settings: the table design's and the room's pictures
// (force: reload even when unchanged).
void loadTablePictures(bool force);
// kbladen and lkb when forced or when the card style or quality level changed; the back in
// use is chosen again in any case.
void loadCardPictures(bool force);
