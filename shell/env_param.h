// The settings record TEnvParam and its instance envParam. Only the fields read so far.
#pragma once

#include <cstdint>

struct TEnvParam {
  int32_t cardStyle = 1;  // card face style: 1 French, 2 German (3 English); 0 is stored as 1
  int32_t animSpeed = 0;      // speed factor of card moves (derived)
  int32_t shadeMode = 0;      // unplayable cards: 1 "Nicht", 2 "Dunkel", 3 "Transparent",
                              // 4 "Dunkel&Transp."; loadenv sets 1 (4 in Skat)
  int32_t perspective = 0;    // view of the table: 1 "Von oben", 2 "Seitlich", else normal
};

extern TEnvParam envParam;

// The two views of the table besides the normal one.
inline bool isViewFromAbove() { return envParam.perspective == 1; }
inline bool isViewFromSide() { return envParam.perspective == 2; }
