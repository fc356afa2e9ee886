// The seats' speech: say shows a text in the seat's speech bubble on the table for the
// bubble time and queues the voice samples that speak it (the text's own sample, its words,
// a game name, or a text of the seat's voice catalogue picked by a sound code). The voice
// queue and the computer seats' comments are the sound container's (sound_events.h).
#pragma once

#include <cstdint>
#include <string>

// say (text, seat, kind, keep): kind 0 shows the text only (any seat 0..10; seat 0 has no
// bubble and only holds the game for the bubble time); kinds from 1 speak too (seats 1..8):
// 1 the text's sample, 4 one sample per word, 10..43 a catalogue pick for that sound code
// composed with the text at its "%", 100 a game name ("...solo" spoken as word + "_solo"),
// 101 a game name in parts split at "-". The bubble reads "?" + text. keep: the bubble is not
// hidden when its time is up. While a voice plays the bubble waits for its own sample to
// start; nothing shows in the fast simulation.
void say(const std::string& text, int32_t seat, int32_t kind, bool keep);
