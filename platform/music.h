// The music service: one compressed track (Ogg Vorbis, MP3) decoded and played by the mixer
// on the sound service's open device, with pause, position and length. Driven by one thread
// at a time (the music worker); the device must stay open while it does.
#pragma once

#include <cstdint>
#include <string>

enum class MusicMode { notOpen, stopped, playing, paused };

// Opens a track, closing the one before; false with the reason when there is no open device
// or the file cannot be decoded.
bool musOpen(const std::string& path, std::string& error);
// Stops and frees the track.
void musClose();
// Plays the open track from `from` seconds, once.
bool musPlay(double from, std::string& error);
void musPause();
void musResume();
void musHalt();
MusicMode musMode();
// Seconds played and the track's length (0 when unknown).
double musPosition();
double musLength();
// An MCI volume 0..1000 becomes the mixer's music volume round(128 * m / 1000).
void musSetVolume(int32_t mciVolume);
// The mixer music volume of an MCI volume.
int32_t musMixerVolume(int32_t mciVolume);
