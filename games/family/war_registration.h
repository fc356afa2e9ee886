// War's registration with the core: its table of calls for game id 15.
#pragma once

// Registers War's table of calls; the program and the tests call it as they start.
void registerWarGame();
