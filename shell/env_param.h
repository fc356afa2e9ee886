// The settings record TEnvParam and its instance envParam. Only the fields read so far.
#pragma once

#include <cstdint>

struct TEnvParam {
  int32_t cardStyle = 1;  // card face style: 1 French, 2 German (3 English); 0 is stored as 1
};

extern TEnvParam envParam;
