// The table's pictures: the card faces cut from the deck sheets and cached as single JPEG
// files, the backs, the plain card, and the table design's and the room's pictures.
// [SECTION] state
// [SECTION] kbladen: suit icons and the faces cut from the sheets
// [SECTION] lkb: cache files and textures
// [SECTION] table and room pictures
#include "table/table_pictures.h"

#include <algorithm>
#include <filesystem>

#include "core/cg.h"
#include "engine/engine_options.h"
#include "engine/error_log.h"
#include "engine/jpeg_reader.h"
#include "engine/loading_screen.h"
#include "engine/textures.h"
#include "platform/paths.h"
#include "shell/env_param.h"
#include "shell/game_dialogs.h"
#include "shell/table_textures.h"
#include "table/table_game_hooks.h"
#include "engine/elements.h"

// [SECTION] state

LArray<LArray<int32_t, 1, 32>, 1, 4> cardFaceTextures{};
LArray<int16_t, 0, 9> cardBackTextures{};
LArray<int16_t, 0, 9> cardBackReflectionTextures{};
int32_t cardBackTexture = 0;
int32_t plainCardTexture = 0;
int32_t backdropTexture = 0;
int32_t floorTexture = 0;
int32_t tableTexture = 0;
int32_t tableTexture2 = 0;
int32_t tableEdgeTexture = 0;
int32_t tableShadeTexture = 0;
TCardImages cardImages;
float cardPixelWidth = 0;
float cardPixelHeight = 0;

namespace {
// What the last load used, so that an unforced load skips what did not change.
int32_t loadedCardStyle = 0, loadedCardLevel = 0;
std::string loadedTableDir, loadedRoomDir;

bool inSkat() { return cg.gameId == gidSkat; }

bool fileExists(const std::string& systemPath) {
  std::error_code ec;
  return std::filesystem::is_regular_file(programPath(systemPath), ec);
}

// A JPEG of the program folder; a file that is missing or cannot be decoded is 0 x 0.
TBgrPicture readPicture(const std::string& systemPath) {
  TBgrPicture picture;
  std::vector<uint8_t> bytes;
  std::string error;
  if (!readWholeFile(programPath(systemPath), bytes) || !readJpeg(bytes.data(), bytes.size(), picture, error))
    picture = TBgrPicture();
  return picture;
}

int32_t oneUnless(int32_t value, int32_t hi) { return value < 1 || value > hi ? 1 : value; }
}  // namespace

int32_t textureDetailLevel() { return std::clamp(appopt.textAccuracy, 1, 3); }

std::string cardLevelFolder() { return "\\data\\bilder\\" + std::to_string(textureDetailLevel()); }

std::string cardCacheFile(int32_t suit, int32_t rank) {
  return "\\data\\kb" + std::to_string(suit) + std::to_string(rank) + ".jpg";
}

// [SECTION] kbladen: suit icons and the faces cut from the sheets

void kbladen() {
  if (envParam.cardStyle == 0) envParam.cardStyle = 1;
  const std::string style = std::to_string(envParam.cardStyle);
  for (int32_t suit = 1; suit <= 4; ++suit) {
    loadTextureCached(texSuitIcons[suit], programPath("\\data\\bilder\\f" + style + std::to_string(suit) + ".jpg"), true, -1);
    if (elSuitIcons[suit] > 0) setElementPicture(dlgIPanel, elSuitIcons[suit], texSuitIcons[suit]);
    gameRefreshSeatMarks();
  }
  setLoadingText("Kartentexturen vorbereiten..");
  showLoadingProgress(22, 0);
  const std::string folder = cardLevelFolder(), sheet = std::to_string(envParam.cardStyle - 1);
  TCardSheets sheets;
  sheets.main = readPicture(folder + "\\kb" + sheet + ".jpg");
  showLoadingProgress(25, 0);
  cardPixelWidth = float(sheets.main.width) / 4;
  cardPixelHeight = float(sheets.main.height) / 8;
  if (!inSkat()) {
    const std::string low = folder + "\\kbp" + sheet + ".jpg";
    sheets.low = readPicture(fileExists(low) ? low : folder + "\\kbp.jpg");
    sheets.joker = readPicture(folder + "\\j0.jpg");
  }
  showLoadingProgress(30, 0);
  std::vector<std::string> problems;
  composeCardImages(sheets, inSkat(), cardImages, problems);
  for (const std::string& p : problems) logErrorLine("Card faces of style " + style + ": " + p);
  loadedCardStyle = envParam.cardStyle;
}

// [SECTION] lkb: cache files and textures

void lkb() {
  setLoadingText("Kartentexturen laden..");
  const std::string folder = cardLevelFolder();
  const std::string mask = programPath(folder + "\\a.bmp");
  for (int32_t q = 1; q <= 4; ++q) {
    showLoadingProgress(5 * q + 50, 0);
    for (int32_t r = 1; r <= 14; ++r) {
      if (inSkat() && r > 8) continue;
      if (r == 14 && q > 1) {
        cardFaceTextures[q][14] = cardFaceTextures[1][14];  // one joker picture
        continue;
      }
      TBgrPicture& face = cardImages[q][r];
      // A number shared with the plain card must not be overwritten by a face.
      if (cardFaceTextures[q][r] == plainCardTexture) cardFaceTextures[q][r] = 0;
      if (face.width == 0) continue;  // the plain card, below once s0.jpg is loaded
      const std::string cache = programPath(cardCacheFile(q, r));
      if (writeJpegFile(cache, face)) {
        loadTextureFile(cardFaceTextures[q][r], cache, mask, true, true);
      } else {
        logErrorLine("Card face cache not written: " + cache + "; the face is uploaded from memory");
        loadTexturePicture(cardFaceTextures[q][r], face, mask, true);
      }
      face = TBgrPicture();
    }
  }
  loadTextureFile(plainCardTexture, programPath(folder + "\\s0.jpg"), "", true, false);
  // The faces no sheet could give show the plain card.
  for (int32_t q = 1; q <= 4; ++q)
    for (int32_t r = 1; r <= 14; ++r)
      if (cardFaceTextures[q][r] == 0 && !(inSkat() && r > 8)) cardFaceTextures[q][r] = plainCardTexture;
  const std::string backMask = programPath(folder + "\\ha.bmp");
  for (int32_t k = 1; k <= 9; ++k) {
    const std::string back = folder + "\\h" + std::to_string(k - 1) + ".jpg";
    if (fileExists(back)) loadTextureFile16(cardBackTextures[k], programPath(back), backMask, true, true);
    const std::string mirror = folder + "\\hr" + std::to_string(k - 1) + ".jpg";
    if (fileExists(mirror))
      loadTextureFile16(cardBackReflectionTextures[k], programPath(mirror), "", true, false);
    else
      cardBackReflectionTextures[k] = 0;
  }
  cardBackTexture = cardBackTextures[oneUnless(envParam.cardBack, 9)];
  loadedCardLevel = textureDetailLevel();
}

void loadCardPictures(bool force) {
  if (force || envParam.cardStyle != loadedCardStyle || textureDetailLevel() != loadedCardLevel) {
    kbladen();
    lkb();
  }
  cardBackTexture = cardBackTextures[oneUnless(envParam.cardBack, 9)];
}

// [SECTION] table and room pictures

void loadTablePictures(bool force) {
  const std::string level = "\\" + std::to_string(textureDetailLevel());
  envParam.tableDir = level + "\\env" + std::to_string(oneUnless(envParam.tableDesign, 5));
  envParam.roomDir = level + "\\env" + std::to_string(oneUnless(envParam.roomNo, 5));
  if (!force && envParam.tableDir == loadedTableDir && envParam.roomDir == loadedRoomDir) return;
  const std::string bilder = "\\data\\bilder", table = bilder + envParam.tableDir, room = bilder + envParam.roomDir;
  setLoadingText("Umgebungstexturen laden..");
  showLoadingProgress(75, 0);
  showLoadingProgress(80, 0);
  deleteTexture(backdropTexture);
  backdropTexture = 0;
  loadTextureFile(backdropTexture, programPath(room + "\\out.jpg"), "", true, false);
  showLoadingProgress(85, 0);
  showLoadingProgress(90, 0);
  loadTextureFile(tableTexture, programPath(table + "\\tisch.jpg"), "", true, false);
  if (fileExists(table + "\\tisch2.jpg")) loadTextureFile(tableTexture2, programPath(table + "\\tisch2.jpg"), "", true, false);
  loadTextureFile(tableEdgeTexture, programPath(table + "\\tisch3.jpg"), "", true, false);
  showLoadingProgress(95, 0);
  showLoadingProgress(100, 0);
  deleteTexture(floorTexture);
  floorTexture = 0;
  loadTextureFile(floorTexture, programPath(room + "\\boden.jpg"), "", true, false);
  loadTextureFile(tableShadeTexture, programPath(table + "\\tischlm.jpg"), "", true, false);
  loadedTableDir = envParam.tableDir;
  loadedRoomDir = envParam.roomDir;
}
