// A dealt three-seat Skat table with plain-coloured pictures, for the table's window test and
// the table-scene bench: every card at rest in its seat, the pictures one colour each, so that
// a pixel tells which part of the scene lies there. Needs a current GL context.
#pragma once

#include <GL/gl.h>

#include "core/cg.h"
#include "games/skat/skat_deck.h"
#include "games/skat/skat_rules.h"
#include "games/skat/skat_state.h"
#include "shell/env_param.h"
#include "shell/shell_globals.h"
#include "shell/shell_state.h"
#include "table/animation.h"
#include "table/deal_moves.h"
#include "table/move_queue.h"
#include "table/table_layout.h"
#include "table/table_pictures.h"

namespace dealt_table {

// The colours of the pictures, as the scene shows them unlit.
struct TColour {
  unsigned char r, g, b;
};
inline constexpr TColour kBackdrop{0, 0, 255};
inline constexpr TColour kCloth{0, 160, 0};
inline constexpr TColour kEdge{90, 60, 30};
inline constexpr TColour kFace{230, 0, 0};
inline constexpr TColour kBack{230, 230, 0};
inline constexpr TColour kPlain{250, 250, 250};

// A 2 x 2 texture of one colour.
inline int32_t solidTexture(TColour c) {
  GLuint t = 0;
  glGenTextures(1, &t);
  glBindTexture(GL_TEXTURE_2D, t);
  const unsigned char px[16] = {c.r, c.g, c.b, 255, c.r, c.g, c.b, 255, c.r, c.g, c.b, 255, c.r, c.g, c.b, 255};
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 2, 2, 0, GL_RGBA, GL_UNSIGNED_BYTE, px);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  return int32_t(t);
}

// Skat's ten cards dealt to each of three seats in the packets 3, 4, 3, each move run to rest.
inline void dealSkat() {
  cg.gameId = gidSkat;
  cg.seatCount = playerCount = 3;
  cg.gs.tableScale = 1;
  skatInitTables();
  skatInitSortKeys();
  skatBid->gameType = skatTypeGrand;
  skatSetRankOrder(skatTypeGrand);
  for (int s = 1; s <= stackCount; s++) sp[s].stackNo = spLayout[s].stackNo = s;
  buildTableLayout(true);
  skatBuildDeck();
  for (int packet : {3, 4, 3})
    for (int seat = 1; seat <= 3; seat++) {
      gethand(seat, packet, 0, 0, 11, 0);
      for (int frame = 0; frame < 5000 && pendingMoveCount > 0; frame++) animationStep();
      finishedMoves.count = 0;
    }
}

// The pictures in their colours, and a design with a mirror of strength 30.
inline void plainPictures() {
  backdropTexture = solidTexture(kBackdrop);
  tableTexture = tableTexture2 = tableShadeTexture = solidTexture(kCloth);
  tableEdgeTexture = solidTexture(kEdge);
  for (int s = 1; s <= 4; s++)
    for (int r = 1; r <= 32; r++) cardFaceTextures[s][r] = solidTexture(kFace);
  cardBackTexture = solidTexture(kBack);
  plainCardTexture = solidTexture(kPlain);
  envParam.tableParamsLoaded = 1;
  envParam.tableWidth = envParam.tableHeight = envParam.edgeRepeat = 1;
  envParam.reflection = 30;
  envParam.grayLevel = 50;
}

// Undoes dealSkat and plainPictures: the Skat lists, the picture numbers and the settings.
inline void clear() {
  trickCards.anz = 0;
  skatBid->gameType = 0;
  backdropTexture = tableTexture = tableTexture2 = tableShadeTexture = tableEdgeTexture = 0;
  cardBackTexture = plainCardTexture = 0;
  for (int s = 1; s <= 4; s++)
    for (int r = 1; r <= 32; r++) cardFaceTextures[s][r] = 0;
  envParam = TEnvParam{};
  screenMode = 0;
}

}  // namespace dealt_table
