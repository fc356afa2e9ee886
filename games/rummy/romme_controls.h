// The user's side of Rommé and Gin Rummy: the buttons and the text line of the decision
// panel while the user lays out, and the options dialog's reactions.
#pragma once

#include <cstdint>
#include <string>

// What the panel shows for the open decision; the panel's elements follow it once they are
// built, and tests read it.
struct TRommeControls {
  std::string text;       // the text line; "" hidden
  bool textEnabled = false;
  int32_t count = 0;      // the open decision's options 1..count
  int16_t values[9] = {};
  bool enabled[9] = {};
  // The button answering `value` is shown and enabled.
  bool optionEnabled(int16_t value) const;
};

const TRommeControls& rommeControls();
// The user's selection arranged and sent to the core, the buttons enabled and the text line
// written; only while the user is the seat to act.
void rommeUpdateHumanControls();

// "1. Kartengeber" (entry 1 "Zufall", k + 1 seat k) after a change: an entry beyond the
// player count steps on (back with `backwards`), wrapping to "Zufall".
int32_t rommeDealerEntryAfterChange(int32_t entry, int32_t players, bool backwards);
// "Kartenblatt": four or more players take two packs instead of one.
int32_t rommePackEntryAfterChange(int32_t entry, int32_t players);
// The running variant's "Sortieren nach" shows the sort mode.
void rommeShowSortMode(bool byValue);
// The options dialog's change handler (element changed, 1 after a selector's left arrow).
void rommeOptionsChanged(int32_t element, int32_t backwards);
