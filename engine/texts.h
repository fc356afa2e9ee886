// The engine's text tables: user-interface texts by key (fragments.txt) and message-box
// records by number (messages.txt), their loading, lookup and the small text services.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <string_view>

#include "platform/records.h"

// One entry of the text table.
struct TVTLFragment {
  ShortString<32> key;       // lookup key as in the file, cut to 32
  int32_t number;            // second field of the record; -1 when empty; never used for lookups
  ShortString<128> text;     // text of the selected language column, cut to 128
  ShortString<128> altText;  // with column 2 selected: the column-1 text; else not written
};

// One entry of the message-box table.
struct TVTLMessageBoxRecord {
  int32_t id;             // box number; -1 when the field is empty
  int32_t buttons;        // 0 "mb_ok" (and any other keyword), 2 "mb_okeula", 4 "mb_yesno"
  ShortString<32> title;  // title of the selected language column
  ShortString<255> text;  // text of the selected language column
};

constexpr int kFragmentCapacity = 501;  // slots 0..500
constexpr int kMessageCapacity = 46;    // slots 0..45

// The files, below the program folder.
inline constexpr const char* kFragmentsFile = "\\data\\local\\fragments.txt";
inline constexpr const char* kMessagesFile = "\\data\\local\\messages.txt";

// Called with (dialog, element) of the keyboard focus when Enter is pressed in keyboard
// navigation.
using TVTLEnterCallback = std::function<void(int32_t dialog, int32_t element)>;

// The engine's text state. All zero at creation; the tables stay empty until the start-up
// event loads them, so a text asked for before that is empty.
struct TVTLTextTables {
  LArray<TVTLFragment, 0, kFragmentCapacity - 1> fragmentTable{};       // written by loadFragments
  int32_t fragmentCount = 0;                                            // slots filled by the last load
  LArray<TVTLMessageBoxRecord, 0, kMessageCapacity - 1> messageTable{};  // written by loadMessageTable
  int32_t messageCount = 0;                                             // slots filled by the last load
  std::string languageName;  // set by setLanguage; "deutsch" in this program
  int32_t textColumn = 0;    // 1 or 2, set by setLanguage; read at the next load (0 reads as 1)
  bool fastMode = false;     // developer fast simulation (developer keys): lookups answer empty
  TVTLEnterCallback onEnterKey;  // set by setEnterCallback; called by the keyboard navigation
  // Where each key was found first (-1: not there): the games look texts up in their inner
  // loops. Loading the table or resetting it forgets the index.
  std::unordered_map<std::string, int32_t> fragmentIndex;
};

extern TVTLTextTables textTables;

// Empty tables and no language, as before the start-up event. Tests call it between cases.
void resetTextTables();

// Stores the language name and column; the column takes effect at the next load.
void setLanguage(const std::string& name, int32_t column);

// Read the files into the tables from slot 0 upward; slots above the new count keep what
// they held. A missing or damaged file is reported (error log and alert) and the table
// keeps the records read before the damage; the program goes on. Line breaks after the
// last record and blank lines between records are allowed.
void loadFragments();
void loadMessageTable();

// The text of the first slot whose key equals `key` (every byte counts), its "%" marks
// filled with p1..p4 in order in one pass over the text; "" when no slot matches. A "%"
// that a value brings in stays as it is; marks beyond the fourth stay; an empty value
// removes its mark; values without a mark are dropped.
std::string lookupText(std::string_view key, std::string_view p1 = {}, std::string_view p2 = {},
                       std::string_view p3 = {}, std::string_view p4 = {},
                       bool useAlternative = false);

// A copy of the first slot with that id; the empty record (id 0) when none matches.
TVTLMessageBoxRecord findMessage(int32_t id);

// Every "s_kreuz", "s_pik", "s_herz", "s_karo" replaced by the suit glyph codes 20..23.
std::string replaceSuitTokens(std::string_view text);

void setEnterCallback(TVTLEnterCallback callback);

// Replaces every occurrence of token in text (an "n" right behind an occurrence goes with
// it); true when at least one was replaced.
bool replaceToken(std::string_view token, std::string_view replacement, std::string& text);

// Fills the "%" marks of a template with up to four values in one pass (the lookup's rule).
std::string fillPercentMarks(std::string_view text, std::string_view p1, std::string_view p2,
                             std::string_view p3, std::string_view p4);
