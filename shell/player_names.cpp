// The computer players' names (Tglapp.Setnames), the female-name test (Tglapp.checkmaedel)
// and the user's registry name.
#include "shell/player_names.h"

#include <fstream>
#include <string_view>

#include "core/card_names.h"
#include "platform/codepage.h"
#include "platform/errors.h"
#include "platform/paths.h"
#include "platform/registry.h"
#include "shell/main_window.h"
#include "shell/shell_state.h"

namespace {

// Female entry i and male entry 30 + i. "Petra" stands twice, so she is drawn twice as often.
constexpr const char* kFemaleNames[30] = {
    "Gerda",    "Sarah",   "Dorothea", "Theresa",  "Maria",     "Vanessa", "Christina", "Viktoria",
    "Katharina", "Julia",  "Helene",   "Antonia",  "Petra",     "Silke",   "Johanna",   "Sandra",
    "Bertha",   "Heike",   "Anna",     "Emma",     "Tanja",     "Sophia",  "Barbara",   "Petra",
    "Claudia",  "Gertrud", "Elisabeth", "Andrea",  "Paula",     "Brigitte"};
constexpr const char* kMaleNames[30] = {
    "Alexander", "David",   "Jonas",   "Ludwig",  "Roman",    "Friedrich", "Konrad",   "Richard",
    "Bernd",     "Tobias",  "Franz",   "Robert",  "Herbert",  "Michael",   "Christian", "Peter",
    "Hermann",   "Wilhelm", "Adrian",  "Florian", "Felix",    "Heinrich",  "Karl",     "Georg",
    "Alfred",    "Thomas",  "Dieter",  "Werner",  "Eduard",   "Matthias"};

constexpr size_t kRegistryNameLength = 22;

std::string upperCase(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = char(cp1252Upper(uint8_t(c)));
  return out;
}

bool endsWith(std::string_view text, std::string_view tail) {
  return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

bool allowedNameChar(unsigned char c) {
  if (c == '-' || c == '_') return true;
  if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
  switch (c) {
    case 0xC4: case 0xD6: case 0xDC: case 0xDF:  // Ä Ö Ü ß
    case 0xE4: case 0xF6: case 0xFC: return true;  // ä ö ü
    default: return false;
  }
}

// One part of a name (already upper case). The suffix rules decide without the list; otherwise
// the list's entries, each ended by "#", are compared without regard to case. Every other
// character, line breaks included, belongs to its entry; text after the last "#" is no entry.
bool isFemaleName(const std::string& part, const std::string& folder) {
  for (std::string_view tail : {"A", "Y", "IE", "INE", "IKE", "ICE", "ETTE", "INDE", "ELLE"})
    if (endsWith(part, tail)) return true;
  const std::string path = folder + toLocalPath("\\data\\help\\namecheck.txt");
  std::ifstream list(path, std::ios::binary);
  if (!list) throw EInOutError("Datei nicht gefunden: " + path);
  std::string entry;
  char c;
  while (list.get(c)) {
    if (c != '#') {
      entry += c;
      continue;
    }
    if (upperCase(entry) == part) return true;
    entry.clear();
  }
  if (list.bad()) throw EInOutError("Lesefehler: " + path);
  return false;
}

}  // namespace

void Tglapp::Setnames() {
  for (int i = 0; i < 30; i++) {
    firstNameTable[i] = kFemaleNames[i];
    firstNameTable[30 + i] = kMaleNames[i];
  }
  firstNameTable[60] = "";
  firstNameCount = 30;
}

bool Tglapp::checkmaedel(const std::string& name, const std::string& folder) {
  std::string rest = upperCase(name);
  bool female = false;
  // Every part is tested, also those after a female one.
  for (;;) {
    const size_t dash = rest.find('-');
    const std::string part = rest.substr(0, dash);
    if (isFemaleName(part, folder)) female = true;
    if (dash == std::string::npos) break;
    rest.erase(0, dash + 1);
  }
  return female;
}

std::string cleanRegistryName(const std::string& raw) {
  std::string name = raw.substr(0, raw.find(' '));
  if (name.size() > kRegistryNameLength) name.resize(kRegistryNameLength);
  for (char c : name)
    if (!allowedNameChar(static_cast<unsigned char>(c))) return {};
  return name;
}

std::string readProductRegValue(const std::string& valueName) {
  // The stand-in registry has the product's key always; its values are the user's and the
  // machine's names.
  try {
    return cleanRegistryName(readRegistryValue(valueName));
  } catch (...) {
    return {};
  }
}

void takeRegisteredName() {
  femaleFlag = 0;
  std::string name = readProductRegValue("Username");
  if (name.empty()) name = readProductRegValue("Computername");
  if (name.empty()) return;
  playerName = name;
  try {
    femaleFlag = Tglapp::checkmaedel(name, programFolder()) ? 1 : 0;
  } catch (...) {
    femaleFlag = 0;
  }
}
