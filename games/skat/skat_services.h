// The few engine services Skat's rules use, reached through one place: text lookup, the
// error dialog and a report in the error log.
#pragma once

#include <string>
#include <string_view>

// The text of a message key ("" for a key the table does not hold).
std::string skatLookupText(std::string_view key);

// Shows a text in the engine's error dialog and returns (through the alert sink).
void skatShowError(const std::string& text);

// Writes a report to the error log "errors.txt". A failure to write is swallowed: logging
// must never stop the game.
void skatLogError(const std::string& text);
