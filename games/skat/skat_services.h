// The few engine and sound services Skat uses, reached through one place: text lookup, the
// error dialog, the error and trace logs, speech (remarks: TSoundContainer.sayComment).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The text of a message key ("" for a key the table does not hold), its "%" marks filled
// with p1 and p2.
std::string skatLookupText(std::string_view key, std::string_view p1 = {}, std::string_view p2 = {});

// Shows a text in the engine's error dialog and returns (through the alert sink).
void skatShowError(const std::string& text);

// Writes a report to the error log "errors.txt". A failure to write is swallowed: logging
// must never stop the game.
void skatLogError(const std::string& text);

// Appends a diagnostic line to the trace log "proto3.txt". Used where play goes on, so no
// box interrupts the game.
void skatTrace(const std::string& text);

// A seat says a text through say: its speech bubble and the voice samples of `kind` (0 speaks
// nothing; seat 0 is no seat, a pause). The last text of each seat is kept as well.
void skatSay(const std::string& text, int32_t seat, int32_t kind);
// The last text a seat 0..3 said in the running game ("" after skatClearSaid).
const std::string& skatLastSaid(int32_t seat);
void skatClearSaid();
