// The program's entry: the real window and sound on SDL2, then the start code.
#include <string>
#include <vector>

#include "platform/sound.h"
#include "platform/window.h"
#include "shell/program_main.h"

int main(int argc, char** argv) {
  winSetBackend(WindowBackend::sdl);
  sndSetBackend(SoundBackend::sdl);
  return programMain(std::vector<std::string>(argv + 1, argv + argc));
}
