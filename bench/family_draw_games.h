// Self-play of Schwimmen, Go Fish, Old Maid and War inside family_selfplay.
#pragma once

// Runs the bench for --game schwimmen|gofish|oldmaid|war; the process's exit code.
int runDrawGamesSelfPlay(int argc, char** argv);
