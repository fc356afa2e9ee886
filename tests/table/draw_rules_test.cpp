// The face rules of the stack drawing (which side and texture each card gets per pass), the
// card mesh's segment counts, the table styles' segment counts and the scene's effect choice.
#include "engine/engine_form.h"
#include "engine/engine_options.h"
#include "shell/shell_state.h"
#include "table/draw_card.h"
#include "table/draw_stacks.h"
#include "table/scene.h"
#include "table/table_pictures.h"
#include "table/table_styles.h"
#include "tests/table/table_fixture.h"

namespace {

constexpr int32_t kBack = 7, kPlain = 8;
int32_t face(int suit, int rank) { return 100 + suit * 40 + rank; }

class FaceRulesTest : public TableTest {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    screenMode = 1;
    setGame(gidSkat, 3);
    cg.seatCount = 3;
    for (int s = 1; s <= 4; s++)
      for (int r = 1; r <= 32; r++) cardFaceTextures[s][r] = face(s, r);
    cardBackTexture = kBack;
    plainCardTexture = kPlain;
    savedOptions = appopt;
    appopt.effectLevelLow = appopt.effectLevelMedium = false;
    appopt.detailLevel = 5;
    fill(1, 10);
    fill(2, 10);
    fill(3, 10);
    fill(11, 2);
  }
  void TearDown() override {
    appopt = savedOptions;
    pickNamesMode = false;
    screenMode = 0;
    cardBackTexture = plainCardTexture = 0;
    for (int s = 1; s <= 4; s++)
      for (int r = 1; r <= 32; r++) cardFaceTextures[s][r] = 0;
    TableTest::TearDown();
  }
  static void fill(int stack, int n) {
    sp[stack].count = n;
    for (int i = 1; i <= n; i++) sp[stack].slots[i].card = TCard{int8_t(1 + i % 8), int8_t(1 + stack % 4), int16_t(i)};
  }
  TVTLOptions savedOptions;
};

struct FaceCase {
  const char* what;
  int pass, stack, index, sweep;
  bool front, back;
  int texture;  // expected front texture when front is drawn; -1 the card's face
};

TEST_F(FaceRulesTest, SidesAndTexturesPerPass) {
  // The second stock card moves into seat 2's layout copy (a deal seen from the side).
  const FaceCase cases[] = {
      {"stock card, visible pass", 0, 11, 1, 2, false, true, 0},
      {"stock card, shadow casters", 2, 11, 1, 2, true, false, -1},
      {"stock card, mirror first sweep", 4, 11, 1, 1, false, false, 0},
      {"stock card, mirror second sweep", 4, 11, 1, 2, true, false, kPlain},
      {"seat 1, visible pass", 0, 1, 3, 2, true, false, -1},
      {"seat 1, shadow casters", 2, 1, 3, 2, true, false, -1},
      {"seat 1, mirror", 4, 1, 3, 1, false, false, 0},
      {"seat 1, mirror second sweep", 4, 1, 3, 2, false, false, 0},
      {"seat 2, visible pass", 0, 2, 3, 2, false, true, 0},
      {"seat 2, mirror first sweep", 4, 2, 3, 1, false, true, 0},
      {"seat 2, mirror second sweep", 4, 2, 3, 2, false, false, 0},
      {"seat 3, shadow casters", 2, 3, 10, 2, true, false, -1},
  };
  for (const FaceCase& c : cases) {
    SCOPED_TRACE(c.what);
    drawPass = c.pass;
    const TDrawRequest r = cardDrawRequest(c.stack, c.index, c.sweep);
    EXPECT_EQ(r.front, c.front);
    EXPECT_EQ(r.back, c.back);
    if (c.front) {
      const TCard& card = sp[c.stack].slots[c.index].card;
      EXPECT_EQ(r.frontTexture, c.texture < 0 ? face(card.f, card.t) : c.texture);
    }
  }
}

TEST_F(FaceRulesTest, AMovingStockCardShowsThePlainPictureOnItsFace) {
  TCardSlot& c = sp[11].slots[2];
  c.moving = 1;
  c.animType = 2;
  c.srcStack = 11;
  c.dstStack = -2;
  for (int pass : {0, 2}) {
    drawPass = pass;
    const TDrawRequest r = cardDrawRequest(11, 2, 2);
    EXPECT_TRUE(r.front) << "pass " << pass;
    EXPECT_EQ(r.frontTexture, kPlain) << "pass " << pass;
  }
  drawPass = 0;
  EXPECT_TRUE(cardDrawRequest(11, 2, 2).back);
}

TEST_F(FaceRulesTest, TheStockBottomHasNoMirrorTextureWhileTheUserActs) {
  drawPass = 4;
  inputState = 1;
  EXPECT_EQ(cardDrawRequest(11, 1, 2).frontTexture, 0);
  EXPECT_EQ(cardDrawRequest(11, 2, 2).frontTexture, kPlain);
}

TEST_F(FaceRulesTest, SelectionNames) {
  drawPass = 0;
  EXPECT_EQ(cardDrawRequest(1, 5, 2).pickName, 105);
  EXPECT_EQ(cardDrawRequest(3, 10, 2).pickName, 310);
  EXPECT_EQ(cardDrawRequest(11, 2, 2).pickName, 2202);
  sp[12].count = 1;
  sp[12].slots[1].card = TCard{3, 2, 1};
  EXPECT_EQ(cardDrawRequest(12, 1, 2).pickName, 2401);
}

TEST_F(FaceRulesTest, ThePickPassNamesNoPileWithoutAnOpenDecision) {
  drawPass = 1;
  pickNamesMode = true;
  const TDrawRequest stock = cardDrawRequest(11, 2, 2);
  EXPECT_FALSE(stock.front || stock.back);
  const TDrawRequest seat2 = cardDrawRequest(2, 1, 2);
  EXPECT_FALSE(seat2.front || seat2.back) << "another seat's card cannot be picked";
  cg.gs.bl.pilesSelectable = 1;
  cg.gs.bl.pileA = 11;
  const TDrawRequest open = cardDrawRequest(11, 2, 2);
  EXPECT_TRUE(open.front || open.back);
}

TEST_F(FaceRulesTest, InvalidCardsAreNeverDrawn) {
  drawPass = 0;
  for (int rank : {0, 100, -1}) {
    sp[1].slots[4].card.t = int8_t(rank);
    const TDrawRequest r = cardDrawRequest(1, 4, 2);
    EXPECT_FALSE(r.front || r.back) << "rank " << rank;
  }
}

TEST_F(FaceRulesTest, DrawingOrderOfSkatHands) {
  struct Case {
    int pass, stack, sweep;
    bool reversed;
  } cases[] = {{0, 1, 2, false}, {0, 2, 2, true}, {0, 3, 2, true}, {0, 11, 2, false},
               {4, 1, 2, true},  {4, 2, 1, false}, {4, 2, 2, false}, {4, 11, 2, true}};
  for (const Case& c : cases) {
    drawPass = c.pass;
    EXPECT_EQ(drawsStackReversed(c.stack, c.sweep), c.reversed) << "pass " << c.pass << " stack " << c.stack;
  }
}

TEST_F(FaceRulesTest, HeartsHidesPassedCards) {
  setGame(gidHearts, 4);
  fill(4, 3);
  TCardSlot& c = sp[4].slots[2];
  c.moving = 1;
  c.srcStack = 4;
  c.dstStack = 2;  // from one opponent to another: not a pile
  EXPECT_FALSE(hidesPassedCardFace(4, 2));
  c.dstStack = 11;
  EXPECT_TRUE(hidesPassedCardFace(4, 2));
  cg.gs.step = 99;
  EXPECT_FALSE(hidesPassedCardFace(4, 2)) << "the game's end shows every card";
}

TEST_F(FaceRulesTest, MeshSegments) {
  struct Case {
    TGameId game;
    int detail, stack;
    bool resting, stockBelowTop;
    int corner, strip;
  } cases[] = {
      {gidMauMau, 1, 1, true, false, 1, 1},   // 2 points per fan, 2 rows
      {gidSkat, 1, 1, true, false, 1, 5},     // Skat takes at least 4, the hand one more
      {gidSkat, 5, 2, true, false, 5, 8},
      {gidSkat, 5, 11, true, true, 4, 1},     // a stock card below the top: 5 points, flat
      {gidSkat, 3, 12, true, false, 3, 1},    // a resting pile card is flat
      {gidSkat, 3, 12, false, false, 3, 4},
  };
  for (const Case& c : cases) {
    cg.gameId = c.game;
    appopt.detailLevel = c.detail;
    const TCardSegments s = cardSegments(c.stack, c.resting, c.resting, c.stockBelowTop);
    EXPECT_EQ(s.corner, c.corner) << "detail " << c.detail << " stack " << c.stack;
    EXPECT_EQ(s.strip, c.strip) << "detail " << c.detail << " stack " << c.stack;
  }
}

TEST(TableStyles, SegmentCountsByDetailAndAspect) {
  const int round43[] = {30, 44, 60, 80, 104}, roundWide[] = {40, 54, 68, 88, 110};
  const int strips[] = {10, 16, 22, 30, 40}, rings[] = {4, 5, 6, 8, 9};
  for (int level = 1; level <= 5; level++) {
    EXPECT_EQ(tableSegmentCount(1, level, true), round43[level - 1]) << level;
    EXPECT_EQ(tableSegmentCount(1, level, false), roundWide[level - 1]) << level;
    EXPECT_EQ(tableSegmentCount(2, level, true), strips[level - 1]) << level;
    for (int style = 3; style <= 6; style++) EXPECT_EQ(tableSegmentCount(style, level, false), round43[level - 1]);
    EXPECT_EQ(ovalRingCount(level), rings[level - 1]) << level;
  }
}

TEST(SceneEffects, MirrorNeedsAReflectingDesignAndNoPlainSwitch) {
  const TEnvParam saved = envParam;
  envParam.tableParamsLoaded = 1;
  envParam.reflection = 0;
  EXPECT_FALSE(sceneEffects(4).mirror) << "a design without reflection draws mode 4 as mode 0";
  EXPECT_FALSE(sceneEffects(4).shadows);
  envParam.reflection = 30;
  EXPECT_TRUE(sceneEffects(5).mirror);
  EXPECT_TRUE(sceneEffects(5).shadows);
  EXPECT_TRUE(sceneEffects(2).shadows);
  EXPECT_FALSE(sceneEffects(2).mirror);
  vtl.developerSwitch4 = true;
  EXPECT_FALSE(sceneEffects(5).mirror || sceneEffects(5).shadows) << "plain rendering";
  vtl.developerSwitch4 = false;
  envParam = saved;
}

}  // namespace
