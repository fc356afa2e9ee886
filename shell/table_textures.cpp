// Owner of the texture numbers the dialog build loads.
#include "shell/table_textures.h"

#include <string>

#include "engine/textures.h"
#include "platform/paths.h"

int32_t texSkipMarker = 0;
int32_t texTurnMarker = 0;
int32_t texDrawMarker = 0;
int32_t texKnockMarker = 0;
int32_t texPassMarker = 0;
LArray<int32_t, 1, 2> texRoundIcons{};
LArray<int32_t, 1, 12> texSuitIcons{};
int32_t texDoppelkopfMark = 0;
int32_t texFoxMark = 0;
int32_t texKarlchenMark = 0;
int32_t texToutMark = 0;
int32_t texSuitIcon0 = 0;
LArray<int32_t, 1, 3> texCreditsLogos{};
int32_t texStartBackground = 0;
int32_t texTablePreview = 0;
int32_t texRoomPreview = 0;
int32_t texCardBackPreview = 0;

namespace {

void load(int32_t& number, const std::string& name) {
  loadTextureCached(number, programPath("\\data\\bilder\\" + name), false, -1);
}

}  // namespace

void loadDialogTextures() {
  load(texSkipMarker, "aussetz.jpg");
  load(texTurnMarker, "dran.jpg");
  load(texDrawMarker, "ziehen.jpg");
  for (int k = 1; k <= 2; k++) load(texRoundIcons[k], "r" + std::to_string(k) + ".jpg");
  for (int32_t* slot : {&texKnockMarker, &texPassMarker, &texDoppelkopfMark, &texFoxMark, &texKarlchenMark,
                        &texToutMark, &texSuitIcon0})
    *slot = -1;
  for (int k = 10; k <= 12; k++) load(texSuitIcons[k], "f1" + std::to_string(k) + ".jpg");
  load(texCreditsLogos[1], "logo1.jpg");
  load(texCreditsLogos[2], "logo2.jpg");
  load(texCreditsLogos[3], "logo3.bmp");
  load(texStartBackground, "back.bmp");
  load(texTablePreview, "hl_tische.bmp");
  load(texRoomPreview, "hl_raeume.bmp");
  load(texCardBackPreview, "hl_karten.bmp");
}

void clearDialogTextures() {
  for (int32_t* n : {&texSkipMarker, &texTurnMarker, &texDrawMarker, &texKnockMarker, &texPassMarker,
                     &texDoppelkopfMark, &texFoxMark, &texKarlchenMark, &texToutMark, &texSuitIcon0,
                     &texStartBackground, &texTablePreview, &texRoomPreview, &texCardBackPreview})
    *n = 0;
  for (int32_t& n : texRoundIcons) n = 0;
  for (int32_t& n : texSuitIcons) n = 0;
  for (int32_t& n : texCreditsLogos) n = 0;
}
