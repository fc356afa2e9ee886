// Sound effects of table events: no samples yet, only the listener.
#include "sound/sound_events.h"

#include <utility>

TSoundContainer soundContainer;

namespace {
TSoundEventListener& listener() {
  static TSoundEventListener l;
  return l;
}
}  // namespace

void TSoundContainer::playEvent(int32_t code, int32_t stackOrSeat, int32_t index) {
  if (listener()) listener()(code, stackOrSeat, index);
}

TSoundEventListener setSoundEventListener(TSoundEventListener l) {
  return std::exchange(listener(), std::move(l));
}
