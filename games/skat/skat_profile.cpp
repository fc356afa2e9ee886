// Reading the computer seats' profiles from ch.txt.
#include "games/skat/skat_profile.h"

#include <charconv>
#include <fstream>
#include <iterator>

#include "games/skat/skat_services.h"
#include "platform/paths.h"

LArray<TSkatSeatProfileStore, 1, 6> seatProfile{};

const LArray<TSkatProfileFields, 1, 3> skatBuiltInProfiles = {{
    {45, 40, 0, 1, 40, 40, 50},
    {55, 50, 15, 1, 45, 25, 35},
    {60, 55, 30, 1, 50, 10, 20},
}};

namespace {

constexpr int builtInFallback = 2;

std::optional<std::string> readWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Moves p past the next occurrence of c; false at the end of the text or, when c is ",",
// at a ";" (the record ended first).
bool skipPast(const std::string& text, size_t& p, char c) {
  for (; p < text.size(); p++) {
    if (text[p] == c) {
      p++;
      return true;
    }
    if (c == ',' && text[p] == ';') return false;
  }
  return false;
}

std::optional<int32_t> parseInteger(const std::string& field) {
  size_t b = field.find_first_not_of(" \t\r\n");
  size_t e = field.find_last_not_of(" \t\r\n");
  if (b == std::string::npos) return std::nullopt;
  const char* first = field.data() + b;
  const char* last = field.data() + e + 1;
  if (*first == '+') first++;
  int32_t value = 0;
  auto [end, ec] = std::from_chars(first, last, value);
  if (ec != std::errc() || end != last) return std::nullopt;
  return value;
}

}  // namespace

namespace {

// Field n of record r of a profile file's text (see skatReadProfileField).
std::optional<std::string> fieldOf(const std::string& text, int32_t record, int32_t field) {
  if (record < 1 || field < 1) return std::nullopt;
  size_t p = 0;
  for (int i = 1; i < record; i++)
    if (!skipPast(text, p, ';')) return std::nullopt;
  for (int i = 0; i < field; i++)
    if (!skipPast(text, p, ',')) return std::nullopt;
  size_t start = p;
  if (!skipPast(text, p, ',')) return std::nullopt;
  return text.substr(start, p - 1 - start);
}

}  // namespace

std::optional<std::string> skatReadProfileField(const std::string& path, int32_t record, int32_t field) {
  if (record < 1 || field < 1) return std::nullopt;
  std::optional<std::string> text = readWholeFile(path);
  if (!text) return std::nullopt;
  return fieldOf(*text, record, field);
}

// The file is read once for all seven fields.
bool skatReadProfile(const std::string& path, int32_t record, TSkatProfileFields& profile) {
  std::optional<std::string> whole = readWholeFile(path);
  if (!whole) return false;
  int32_t values[skatProfileFieldCount];
  for (int n = 1; n <= skatProfileFieldCount; n++) {
    std::optional<std::string> text = fieldOf(*whole, record, n);
    std::optional<int32_t> v = text ? parseInteger(*text) : std::nullopt;
    if (!v) return false;
    values[n - 1] = *v;
  }
  profile.reizen = values[0];
  profile.reizenr = values[1];
  profile.wahrs = values[2];
  profile.wahr0 = values[3];
  profile.kont = values[4];
  profile.wafe = values[5];
  profile.krafe = values[6];
  return true;
}

void skatLoadSeatProfile(int32_t seat, int32_t strength) {
  if (seat < 1 || seat > 6) return;
  TSkatSeatProfileStore& p = seatProfile[seat];
  if (!skatReadProfile(programPath(skatProfileFile), strength, p.fields)) {
    int fallback = strength >= 1 && strength <= 3 ? strength : builtInFallback;
    p.fields = skatBuiltInProfiles[fallback];
    skatLogError(std::string("Fehler in ") + skatProfileFile + ": Profil " + std::to_string(strength) +
                 " fehlt oder ist fehlerhaft, die eingebauten Werte gelten.");
  }
  p.strength = strength;
}
