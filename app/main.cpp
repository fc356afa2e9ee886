// Start code of the program. Until the window exists it says what it is and ends.
#include <cstdio>

#include "core/instance.h"

int main() {
  // Another copy runs and has been asked to come to the front: this one ends at once.
  if (activateOtherInstance()) return 0;
  std::printf("Skat: Kartenspielsammlung (noch ohne Fenster).\n");
  return 0;
}
