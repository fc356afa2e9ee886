// The highscore services of TCG: loading, saving, resetting and entering results.
//
// [SECTION] file
// [SECTION] reset and entry
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/cg.h"
#include "core/core_messages.h"
#include "core/game_callbacks.h"
#include "core/highscores.h"
#include "platform/errors.h"
#include "platform/paths.h"

// [SECTION] file

namespace {

// Shown when "hs.dat" was there but could not be used; the tables start afresh.
const char* damagedNotice =
    "Die Highscore-Datei war unvollständig oder beschädigt und wurde durch die "
    "Standardlisten ersetzt.";
const char* noticeCaption = "Highscore";

// The file's bytes, at most one byte beyond the record, so a long file is known as such
// without reading all of it.
std::vector<uint8_t> readHighscoreFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw EInOutError("hs.dat: Datei kann nicht geöffnet werden");
  std::vector<uint8_t> bytes(highscoreFileSize + 1);
  in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(bytes.size()));
  if (in.bad()) throw EInOutError("hs.dat: Lesefehler");
  bytes.resize(size_t(in.gcount()));
  return bytes;
}

}  // namespace

void TCG::loadHighscores() {
  std::string path = programPath(highscoreFile);
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) {
    // First start: the default tables, so that every game can enter results at once.
    resetAllHighscores(highscores);
    saveHighscores();
    return;
  }
  if (highscoreFromImage(readHighscoreFile(path), highscores)) return;
  resetAllHighscores(highscores);
  coreShowMessage(damagedNotice, noticeCaption);
  saveHighscores();
}

// Written to a temporary file that replaces the old one only once it is complete, so a
// failure half-way never leaves a damaged file behind.
void TCG::saveHighscores() {
  std::filesystem::path path = programPath(highscoreFile);
  std::filesystem::path temp = path;
  temp += ".tmp";
  std::error_code ec;
  std::filesystem::create_directories(path.parent_path(), ec);
  std::vector<uint8_t> image = highscoreImage(highscores);
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(image.data()), std::streamsize(image.size()));
    out.close();
    if (!out) {
      std::filesystem::remove(temp, ec);
      throw EInOutError("hs.dat: Schreibfehler");
    }
  }
  std::filesystem::rename(temp, path, ec);
  if (ec) {
    std::filesystem::remove(temp, ec);
    throw EInOutError("hs.dat: Datei kann nicht ersetzt werden");
  }
}

// [SECTION] reset and entry

void TCG::resetHighscores(bool currentOnly) {
  if (currentOnly && coreShowMessageById(1) != mbAnswerYes) return;
  for (int g = 0; g <= gidNone; g++)
    for (int t = 1; t <= highscoreTables; t++) {
      if (currentOnly && g != gameId) continue;
      if (currentOnly && g == gidPoker && t != pokerHighscoreTable()) continue;
      resetHighscoreTable(highscores, g, t);
    }
  // Not written here: the next entry or the close writes the file.
  if (currentOnly) coreShowMessageById(6);
}

std::string TCG::enterHighscore() { return gameEnterHighscore(); }

std::string TCG::enterHighscoreValue(int game, int table, int32_t value, std::string_view name,
                                     bool lowerIsBetter) {
  int slot = insertHighscore(highscores, game, table, value, name, lowerIsBetter);
  if (slot == 0) return {};
  std::string text = coreLookupText("f_dialog_hs_habenplatz") + placeText(slot) +
                     coreLookupText("f_dialog_hs_platz");
  saveHighscores();
  return text;
}
