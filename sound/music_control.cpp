// Music pause and resume requests; stand-ins until the music worker exists.
#include "sound/music_control.h"

#include "engine/engine_services.h"

void pauseMusic() { logProtocol("pauseMusic: not available"); }

void resumeMusic() { logProtocol("resumeMusic: not available"); }

void resumeMusicIfActive() { logProtocol("resumeMusicIfActive: not available"); }

void applyMusicChoice(bool) { logProtocol("applyMusicChoice: not available"); }
