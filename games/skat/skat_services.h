// The few engine services Skat's rules use, reached through one place: text lookup, the
// error dialog and a line in the error log. Until the engine offers them, the stand-ins
// here keep the game going.
#pragma once

#include <string>
#include <string_view>

// The text of a message key. Until the engine's text table is reachable from here, the key
// itself stands for its text.
std::string skatLookupText(std::string_view key);

// Shows a text in the engine's error dialog and returns (through the alert sink).
void skatShowError(const std::string& text);

// Appends one line to the error log "errors.txt" in the program folder. A failure to write
// is swallowed: logging must never stop the game.
void skatLogError(const std::string& text);
