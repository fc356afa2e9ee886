// Schwimmen's table of calls, registered at start-up.
#pragma once

void registerSchwimmenGame();
