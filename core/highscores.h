// Highscores: three tables of twenty slots per game id, of which slots 1..10 are ranked,
// kept in the game state object and stored as "\data\settings\hs.dat" (127,680 bytes, no
// header). Entry (game g, table t, slot s) starts at byte 6,720 g + 2,240 (t - 1) + 112 (s - 1).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/game_id.h"
#include "platform/records.h"

// 112 bytes in the file: place at 0, points at 4, name at 8, empty at 109; the rest padding.
struct THighscoreEntry {
  uint8_t place;            // the slot's rank 1..20
  int32_t points;           // the value the table is ordered by
  ShortString<100> name;
  uint8_t empty;            // 1 placeholder slot ("f_highscore_leer", 0 points), 0 real or default
};

constexpr int highscoreTables = 3;
constexpr int highscoreSlots = 20;
constexpr int highscoreRanked = 10;
using THighscoreTable = LArray<THighscoreEntry, 1, highscoreSlots>;
using THighscores = LArray<LArray<THighscoreTable, 1, highscoreTables>, 0, gidNone>;

constexpr int highscoreEntrySize = 112;
constexpr int highscoreTableSize = highscoreEntrySize * highscoreSlots;    // 2,240
constexpr int highscoreGameSize = highscoreTableSize * highscoreTables;    // 6,720
constexpr int highscoreFileSize = highscoreGameSize * (gidNone + 1);       // 127,680
constexpr const char* highscoreFile = "\\data\\settings\\hs.dat";

// The file image, field by field.
std::vector<uint8_t> highscoreImage(const THighscores& hs);
// Reads an image; false (and hs untouched) when it has the wrong size or a slot is damaged:
// a place outside 1..20, a name length above 100, an empty flag other than 0 or 1.
bool highscoreFromImage(const std::vector<uint8_t>& image, THighscores& hs);

// Default points of rank 1..10 of a table (used by the reset).
int32_t defaultHighscorePoints(int game, int table, int rank);
// Refills one table with the defaults: ten named entries and ten placeholders.
void resetHighscoreTable(THighscores& hs, int game, int table);
void resetAllHighscores(THighscores& hs);

// Inserts a result into slots 1..10 of a table: the first slot whose points the value
// reaches (equal ranks above); with lowerIsBetter (Hearts) the first slot that is empty or
// whose points are not below the value. Entered only when the value is above 0 (Hearts: not
// below 0). Returns the slot, 0 when nothing was entered.
int insertHighscore(THighscores& hs, int game, int table, int32_t value, std::string_view name,
                    bool lowerIsBetter);
