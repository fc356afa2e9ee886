// The seats' speech: say shows a text in the seat's speech bubble on the table for the
// bubble time and queues the voice that speaks it. The voices, the voice catalogue and the
// computer seats' comments are not built yet: asking for them writes a "not available" trace
// line and the bubble shows the text as given.
#pragma once

#include <cstdint>
#include <string>

// say (text, seat, kind, keep): kind 0 shows the text only (any seat 0..10; seat 0 has no
// bubble and only holds the game for the bubble time); kinds from 1 speak too (seats 1..8).
// The bubble reads "?" + text. keep: the bubble is not hidden when its time is up.
// Nothing shows while the voice queue is busy or in the fast simulation.
void say(const std::string& text, int32_t seat, int32_t kind, bool keep);
