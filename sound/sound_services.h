// What the card-game core asks of the sound subsystem: the voice queue and the seats' turn
// markers (effects: sound_events.h). Without an audio device the voice queue answers 0.
#pragma once

#include <cstdint>

// TSoundContainer.processVoiceQueue: with 0 starts the next queued voice sample and answers
// non-zero while a voice plays; with a seat answers non-zero while that seat's voice plays.
uint8_t processVoiceQueue(int32_t seat);
// hideTurnMarkers: hides the turn markers of seats 1..playerCount on the table panel.
void hideTurnMarkers();
