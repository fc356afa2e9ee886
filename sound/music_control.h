// What the engine's application hooks ask of the music: pause while the program is minimised,
// resume when it comes back. Music output is not built yet: each request writes one trace
// line "not available" to proto3.txt and changes nothing.
#pragma once

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
