// The settings record TEnvParam and its instance envParam. Only the fields read so far.
#pragma once

#include <cstdint>
#include <string>

struct TEnvParam {
  int32_t cardStyle = 1;  // card face style: 1 French, 2 German (3 English); 0 is stored as 1
  int32_t roomNo = 0;       // room (backdrop) 1..5
  int32_t cardBack = 0;     // card back design 1..5
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
  int32_t tableDesign = 0;    // table design 1..5 ("Tisch 1" .. "Tisch 5"); 0 becomes 1
  int32_t shadeMode = 0;      // unplayable cards: 1 "Nicht", 2 "Dunkel", 3 "Transparent",
                              // 4 "Dunkel&Transp."; loadenv sets 1 (4 in Skat)
  int32_t perspective = 0;    // view of the table: 1 "Von oben", 2 "Seitlich", else normal
  int32_t reflection = 0;     // strength of the table top's mirror image, 0 none; param.txt
                              // "reflection=", the developer panel's +/- by 5
  int32_t reflectionOff = 0;  // height over which a card's mirror image fades; param.txt
                              // "ref_weg=", the developer panel's +/- by 1
  std::string tableDir;       // "\<level>\env<tableDesign>" below "\data\bilder"
  std::string roomDir;        // "\<level>\env<roomNo>" below "\data\bilder"
  // The table design's param.txt (loadTableParams): read by the table drawing.
  int32_t tableStyle = 0;     // "rund=": the table's style 0..6
  int32_t tableWidth = 0;     // "tbreite=": repeats of the table picture across the top
  int32_t tableHeight = 0;    // "thoehe=": repeats along the top
  int32_t edgeRepeat = 0;     // "kbreite=": repeats of the edge picture along the edge
  int32_t grayLevel = 0;      // "gray=": 0..99, clear colour, shadow darkness, card shading
  int32_t transparency = 0;   // "transparenz=": 0..99, how much the room shows through the top
  uint8_t tableParamsLoaded = 0;  // 1 once a param.txt was read
};

extern TEnvParam envParam;

// The two views of the table besides the normal one.
inline bool isViewFromAbove() { return envParam.perspective == 1; }
inline bool isViewFromSide() { return envParam.perspective == 2; }
