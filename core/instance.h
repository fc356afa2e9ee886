// The start code's single-instance check: a second start of the program brings the running
// copy to the front and ends.
#pragma once

// True when another copy of this program runs: it has been asked to restore its window and
// come to the front, as far as that worked (a failure there is ignored and the answer stays
// True). False when this is the only copy; it is then the running copy that later starts
// ask. Copies count as the same program by executable file name, not by folder.
bool activateOtherInstance();
