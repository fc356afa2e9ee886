// Music pause and resume requests; stand-ins until the music worker exists.
#include "sound/music_control.h"

#include "engine/engine_services.h"
#include "sound/sound_events.h"

void pauseMusic() { logProtocol("pauseMusic: not available"); }

void resumeMusic() { logProtocol("resumeMusic: not available"); }

void resumeMusicIfActive() { logProtocol("resumeMusicIfActive: not available"); }

void applyMusicChoice(bool) {
  // The volumes are the container's own; only the music itself waits for its worker.
  soundContainer.applyVolumes(false);
  logProtocol("applyMusicChoice: not available");
}
