// The table's pictures. Not loaded yet: the loaders say so once in proto3.txt.
#include "table/table_pictures.h"

#include "engine/engine_services.h"

LArray<LArray<int32_t, 1, 32>, 1, 4> cardFaceTextures{};
LArray<int16_t, 0, 9> cardBackTextures{};
LArray<int16_t, 0, 9> cardBackReflectionTextures{};
int32_t cardBackTexture = 0;
int32_t plainCardTexture = 0;
int32_t backdropTexture = 0;
int32_t floorTexture = 0;
int32_t tableTexture = 0;
int32_t tableTexture2 = 0;
int32_t tableEdgeTexture = 0;
int32_t tableShadeTexture = 0;

void loadTablePictures(bool) { logNotAvailable("loadTablePictures"); }

void loadCardPictures(bool) { logNotAvailable("loadCardPictures"); }
