// Sound effects of table events (a card lands, is drawn, is raised). The effects themselves
// are not loaded yet: playing an event does nothing but tell the listener a test installs.
#pragma once

#include <cstdint>
#include <functional>

// Event codes of playEvent.
enum : int32_t {
  soundClick = 2,
  soundCardLands = 10,
  soundCardDrawn = 12,
  soundTrickCardRaised = 13,
  soundCardRaised = 15,
  soundApplauseHigh = 18,
};

class TSoundContainer {
 public:
  // Plays the effect of an event at a card's place (stack or seat, and the card's index).
  void playEvent(int32_t code, int32_t stackOrSeat, int32_t index);
};

extern TSoundContainer soundContainer;

// Hears every event played; tests observe the table's sounds through it. Returns the
// listener it replaces; an empty one stops listening.
using TSoundEventListener = std::function<void(int32_t code, int32_t stackOrSeat, int32_t index)>;
TSoundEventListener setSoundEventListener(TSoundEventListener listener);
