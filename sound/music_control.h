// What the engine's application hooks and the settings ask of the music: pause while the
// program is minimised, resume when it comes back, follow the "Musik" and "Musiktitel"
// settings. The requests go to the music worker (music_worker.h) through the sound container.
#pragma once

#include <string>

// TSoundContainer.pauseMusic: asks the music worker to pause the music when music is on.
void pauseMusic();
// TSoundContainer.resumeMusic: asks the music worker to resume the music when music is on.
void resumeMusic();
// TSoundContainer.resumeMusicIfActive: resumeMusic, but only while the main window is not
// minimised and the application is active.
void resumeMusicIfActive();
// TSoundContainer.applyMusicChoice: starts, stops or changes the music after the settings
// changed (reload: the display was switched or the textures reloaded).
void applyMusicChoice(bool reload);

// The music name of a "Musiktitel" value 1..10 ("" for others); it decides whether the music
// restarts, not which file plays.
std::string musicNameOf(int32_t value);
