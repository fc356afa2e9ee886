// Mau-Mau's registration with the core: its table of calls for game id 0.
#pragma once

// Registers Mau-Mau's table of calls; the program and the tests call it as they start.
void registerMaumauGame();
