// The card sheets: where each face lies in the kb sheet (4 x 8 cells), the kbp sheet (4 x 5
// cells of the same size) and the joker picture, the checks that keep every cut inside its
// picture, the cutting of all faces, and the JPEG writer of the single-face cache files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/bmp_reader.h"
#include "platform/records.h"

// Which picture a face is cut from.
enum TCardSheetKind : int32_t { kSheetMain = 0, kSheetLow = 1, kSheetJoker = 2 };

// The top-left corner of a face's cell, in whole pixels.
struct TSheetCell {
  TCardSheetKind sheet;
  int32_t x, y;
};

// Suit q (1 clubs .. 4 diamonds) and rank r (1 seven .. 8 ace, 9 two .. 13 six, 14 joker):
// ranks 1..8 lie in kb at column 4 - q and row 8 - r, ranks 9..13 in kbp at row 13 - r, the
// joker at (0, 0) of its picture.
TSheetCell cardSheetCell(int32_t suit, int32_t rank, float cellWidth, float cellHeight);

// The sheets as read; a picture that could not be read is 0 x 0.
struct TCardSheets {
  TBgrPicture main;   // kb<s>.jpg: sets the cell, width / 4 x height / 8
  TBgrPicture low;    // kbp<s>.jpg or kbp.jpg
  TBgrPicture joker;  // j0.jpg
};

// Whether every face of the sheet can be cut inside it: kb a non-empty 4 x 8 grid of whole
// pixels, kbp exactly 4 x 5 of kb's cell, the joker at least one cell.
bool cardSheetFits(const TCardSheets& sheets, TCardSheetKind kind);

// cardImages [1..4][1..14]: one face per suit and rank; an empty picture shows the plain card.
using TCardImages = LArray<LArray<TBgrPicture, 1, 14>, 1, 4>;

// Cuts the faces the game uses (Skat: ranks 1..8; else also 9..13 and the joker of suit 1).
// The faces of a sheet that is missing or of the wrong size stay empty, and `problems` gets
// one line per such sheet.
void composeCardImages(const TCardSheets& sheets, bool skatOnly, TCardImages& images, std::vector<std::string>& problems);

// The picture as a baseline JPEG; false when the file cannot be written.
bool writeJpegFile(const std::string& path, const TBgrPicture& picture, int quality = 90);
