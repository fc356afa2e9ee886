// Highscore tables: the file image, the default tables and the insertion of a result.
//
// [SECTION] file image
// [SECTION] default tables
// [SECTION] insertion
#include "core/highscores.h"

#include <cmath>
#include <cstdlib>
#include <memory>

#include "core/core_messages.h"
#include "platform/byte_io.h"

// [SECTION] file image

namespace {

void writeEntry(ByteWriter& w, const THighscoreEntry& e) {
  w.u8(e.place);
  w.zeros(3);
  w.i32(e.points);
  w.shortString(e.name.view(), 100);
  w.u8(e.empty);
  w.zeros(2);
}

// False when the slot cannot have been written by the program.
bool readEntry(ByteReader& r, THighscoreEntry& e) {
  e.place = r.u8();
  r.skip(3);
  e.points = r.i32();
  r.shortString(e.name.s, e.name.len, 100);
  e.empty = r.u8();
  r.skip(2);
  return e.place >= 1 && e.place <= highscoreSlots && e.name.len <= 100 && e.empty <= 1;
}

}  // namespace

std::vector<uint8_t> highscoreImage(const THighscores& hs) {
  ByteWriter w;
  for (const auto& game : hs)
    for (const auto& table : game)
      for (const auto& e : table) writeEntry(w, e);
  return w.bytes();
}

bool highscoreFromImage(const std::vector<uint8_t>& image, THighscores& hs) {
  if (image.size() != size_t(highscoreFileSize)) return false;
  auto read = std::make_unique<THighscores>();
  ByteReader r(image);
  for (auto& game : *read)
    for (auto& table : game)
      for (auto& e : table)
        if (!readEntry(r, e)) return false;
  hs = *read;
  return true;
}

// [SECTION] default tables

namespace {

// Points of rank 1 (a) and rank 10 (b): base + extra for table 2 + extra for table 3.
struct THighscoreSpan {
  int32_t a, a2, a3;
  int32_t b, b2, b3;
};

// By game id. Schwimmen, Doppelkopf, Schafkopf, Schnapsen, poker, Sechsundsechzig, "17 und 4"
// and Jass have values of our own choosing, in the range their results reach.
const LArray<THighscoreSpan, 0, gidNone> highscoreSpans = {{
    {400, 600, 0, 50, 50, 0},               // 0 Mau-Mau
    {500, 0, 500, 10, 0, 90},               // 1 Skat
    {30, 0, 0, 3, 0, 0},                    // 2 Schwimmen
    {500, 500, 0, 100, 100, 0},             // 3 Rommé
    {6000, 0, 3000, 2500, 0, 2500},         // 4 Canasta
    {150, 100, 250, 10, 10, 30},            // 5 Doppelkopf
    {100, 100, 200, 5, 5, 15},              // 6 Schafkopf
    {7, 0, 0, 1, 0, 0},                     // 7 Schnapsen
    {63000, 0, 0, 41000, 0, 0},             // 8 poker
    {15000, 10000, 15000, 3000, 1000, 2000},  // 9 Blackjack
    {7, 0, 0, 1, 0, 0},                     // 10 Sechsundsechzig
    {15000, 10000, 15000, 3000, 1000, 2000},  // 11 "17 und 4"
    {1500, 0, 0, 100, 0, 0},                // 12 Jass
    {40, 0, 0, 100, 0, 0},                  // 13 Hearts (lower is better)
    {110, 0, 0, 20, 0, 0},                  // 14 Gin Rummy
    {25, 0, 0, 1, 0, 0},                    // 15 War
    {50, 0, 0, 3, 0, 0},                    // 16 Go Fish
    {11, 0, 0, 2, 0, 0},                    // 17 Old Maid
    {0, 0, 0, 0, 0, 0},                     // 18 no game
}};

// The names of the default entries of ranks 1 to 10, the same in every table.
const LArray<const char*, 1, highscoreRanked> defaultHighscoreNames = {
    {"Anna", "Bernd", "Clara", "Dieter", "Eva", "Frank", "Greta", "Hans", "Ilse", "Jens"}};

// n / d rounded to the nearest integer, halves to even (d > 0).
int32_t divRoundEven(int64_t n, int64_t d) {
  int64_t q = n / d, r = n % d;
  if (r < 0) q -= 1, r += d;
  if (2 * r > d || (2 * r == d && (q & 1))) q += 1;
  return static_cast<int32_t>(q);
}

}  // namespace

int32_t defaultHighscorePoints(int game, int table, int rank) {
  if (game < 0 || game > gidNone) return 0;
  const THighscoreSpan& s = highscoreSpans[game];
  int64_t a = s.a + (table == 2 ? s.a2 : 0) + (table == 3 ? s.a3 : 0);
  int64_t b = s.b + (table == 2 ? s.b2 : 0) + (table == 3 ? s.b3 : 0);
  int32_t p = divRoundEven((rank - 1) * b + (10 - rank) * a, 9);
  int64_t d = std::llabs(a - b);
  int t3 = table == 3 ? 1 : 0;
  if (d > 1000) {
    p += 123987 % (23 * rank + 3 * t3);
    p = divRoundEven(p, 10) * 10;
  } else if (d > 100) {
    p += 123987 % (7 * rank + t3);
    p = divRoundEven(p, 5) * 5;
  } else if (d > 50) {
    p += 123987 % ((7 * rank) % 13 + 1);
  } else if (d >= 25) {
    p += 123987 % ((3 * rank) % 7 + 1);
  } else if (d >= 15) {
    p += 123987 % ((3 * rank) % 2 + 1);
  }
  return p;
}

void resetHighscoreTable(THighscores& hs, int game, int table) {
  THighscoreTable& t = hs[game][table];
  std::string placeholder = coreLookupText("f_highscore_leer");
  for (int s = 1; s <= highscoreSlots; s++) {
    t[s].empty = 1;
    t[s].place = static_cast<uint8_t>(s);
    t[s].name = placeholder;
    t[s].points = 0;
  }
  for (int s = 1; s <= highscoreRanked; s++) {
    t[s].empty = 0;
    t[s].name = defaultHighscoreNames[s];
    t[s].points = defaultHighscorePoints(game, table, s);
  }
}

void resetAllHighscores(THighscores& hs) {
  for (int g = 0; g <= gidNone; g++)
    for (int t = 1; t <= highscoreTables; t++) resetHighscoreTable(hs, g, t);
}

// [SECTION] insertion

int insertHighscore(THighscores& hs, int game, int table, int32_t value, std::string_view name,
                    bool lowerIsBetter) {
  if (game < 0 || game > gidNone || table < 1 || table > highscoreTables) return 0;
  THighscoreTable& t = hs[game][table];
  int i = 1;
  if (lowerIsBetter)
    while (i <= highscoreRanked && !(t[i].empty == 1 || t[i].points >= value)) i++;
  else
    while (i <= highscoreRanked && !(value >= t[i].points)) i++;
  if (i > highscoreRanked || (lowerIsBetter ? value < 0 : value <= 0)) return 0;
  // Place numbers move with the entries; only the new entry's place is written.
  for (int s = highscoreRanked; s > i; s--) t[s] = t[s - 1];
  t[i].place = static_cast<uint8_t>(i);
  t[i].points = value;
  t[i].name = name;
  t[i].empty = 0;
  return i;
}
