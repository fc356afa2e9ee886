// Start code of the program. Until the window exists it says what it is and ends.
#include <cstdio>

int main() {
  std::printf("Skat: Kartenspielsammlung (noch ohne Fenster).\n");
  return 0;
}
