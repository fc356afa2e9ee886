// The sound service's backend choice; the null backend is a machine without an audio device.
#include "platform/sound.h"

#include "platform/sound_driver.h"

namespace {
SoundBackend chosenBackend = SoundBackend::null;
}  // namespace

void sndSetBackend(SoundBackend backend) {
  if (backend == chosenBackend) return;
  sndCloseDevice();
  chosenBackend = backend;
}

SoundBackend sndBackend() { return chosenBackend; }

bool sndOpenDevice(std::string& error) {
  if (sndDeviceOpen()) return true;
  if (chosenBackend == SoundBackend::null) {
    error = "no audio device (null backend)";
    return false;
  }
  return sdlSoundOpen(error);
}

void sndCloseDevice() { sdlSoundClose(); }
