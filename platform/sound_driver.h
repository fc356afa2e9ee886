// Inside of the sound service: the SDL backend's device calls. Only platform/ sees it.
#pragma once

#include <string>

bool sdlSoundOpen(std::string& error);
void sdlSoundClose();
