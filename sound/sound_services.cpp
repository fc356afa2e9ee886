// The sound services the core calls.
#include "sound/sound_services.h"

#include "engine/elements.h"
#include "shell/game_dialogs.h"
#include "shell/shell_globals.h"
#include "sound/sound_events.h"

uint8_t processVoiceQueue(int32_t seat) { return soundContainer.processVoiceQueue(seat); }

void hideTurnMarkers() {
  if (dlgIPanel == 0) return;
  for (int s = 1; s <= playerCount && s <= tableSeatSlots; s++) setElementVisible(dlgIPanel, elTurnMarker[s], 0);
}
