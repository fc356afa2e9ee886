// The settings record TEnvParam and its instance envParam: how the card table looks and how
// fast it plays. Filled by Tglapp.loadenv (shell/display_settings.cpp) from "Anzeige" and the
// table design's param.txt (table/table_params.cpp).
#pragma once

#include <cstdint>
#include <string>

#include "platform/records.h"

struct TEnvParam {
  int32_t cardStyle = 1;  // card face style: 1 French, 2 German; 0 is stored as 1
  int32_t roomNo = 0;       // room (backdrop) 1..5
  int32_t cardBack = 0;     // card back design 1..9 (the dialog offers 1..5)
  int32_t cardSize = 0;     // 1 "Mini", 2 "Klein", 3 "Normal"
  float chipScale = 0;      // scale of the chip stacks
  int32_t gameSpeed = 0;    // animation speed choice 1..6
  int32_t displayTime = 0;  // display-time choice 1..6; sets aiDelay and bubbleTime
  int32_t dealMode = 0;     // 1 all cards at once, 2 one by one; copied into gs.dealStyle
  int32_t playDirection = 0;  // 2 counter-clockwise (turns pass to the previous seat)
  int32_t commentLevel = 0;   // always 3
  int32_t voiceMode = 0;      // 1 off, 2 comments only, 3 on
  int32_t aiDelay = 0;        // ms a computer seat waits after the last game step (derived)
  int32_t animSpeed = 10;     // speed factor of card moves (derived); "Normal" until the
                              // settings are loaded, as 0 would stop every card
  int32_t bubbleTime = 0;     // ms a timed speech bubble stays (derived)
  int32_t tableDesign = 0;    // table design 1..5
  int32_t shadeMode = 0;      // unplayable cards: 1 "Nicht", 2 "Dunkel", 3 "Transparent",
                              // 4 "Dunkel&Transp."; loadenv sets 1 (4 in Skat)
  // The table design's param.txt.
  int32_t tableStyle = 0;     // "rund=": shape and drawing style of the table 0..6
  int32_t reflection = 0;     // "reflection=": strength of the table top's mirror image, 0
                              // none; the developer panel's +/- by 5
  int32_t reflectionOff = 0;  // "ref_weg=": height over which a card's mirror image fades;
                              // the developer panel's +/- by 1
  int32_t tableWidth = 0;     // "tbreite=": repeats of the table picture across the top
  int32_t tableHeight = 0;    // "thoehe=": repeats along the top
  int32_t edgeRepeat = 0;     // "kbreite=": repeats of the edge picture along the edge
  // "bbreite=", "bhoehe=", "wbreite=", "whoehe=", "wlight=", "blight=" in this order; kept
  // as the designs give them, nothing reads them.
  LArray<int32_t, 1, 6> unusedParams{};
  int32_t grayLevel = 0;      // "gray=": 0..99, the clear colour, shadows and card shading
  int32_t transparency = 0;   // "transparenz=": 0..99, how much the room shows through
  std::string tableDir;       // "\" + texture level + "\env" + tableDesign, below \data\bilder
  std::string roomDir;        // "\" + texture level + "\env" + roomNo
  uint8_t autoHelp = 0;       // situation help shows by itself
  uint8_t tableParamsLoaded = 0;  // 1 once a param.txt was read
  int32_t perspective = 0;    // view of the table: 1 "Von oben", 2 "Seitlich", else normal
};

extern TEnvParam envParam;

// The two views of the table besides the normal one.
inline bool isViewFromAbove() { return envParam.perspective == 1; }
inline bool isViewFromSide() { return envParam.perspective == 2; }
// The larger layout of the card table and its card scale factor always apply.
inline bool largeLayoutEnabled() { return true; }
