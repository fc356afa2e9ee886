// The generated pictures loaded on a real context under Xvfb: at every quality level every
// face, back, the plain card, the table and the room become textures of 40 or more, the
// faces and backs with their masks' alpha, and nothing goes to the error log.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <filesystem>

#include "core/cg.h"
#include "engine/engine_form.h"
#include "engine/engine_options.h"
#include "engine/error_log.h"
#include "engine/textures.h"
#include "platform/window.h"
#include "shell/env_param.h"
#include "table/table_pictures.h"
#include "tests/engine/engine_fixture.h"

namespace {

GLint alphaBits(int32_t texture) {
  glBindTexture(GL_TEXTURE_2D, GLuint(texture));
  GLint a = 0;
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_ALPHA_SIZE, &a);
  return a;
}

class CardPicturesGl : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    std::filesystem::copy(SKAT_BILDER_DIR, folder_ / "data" / "bilder", std::filesystem::copy_options::recursive);
    resetErrorLog();
    setErrorLogFile((folder_ / "errors.txt").string());
    resetTextureCache();
    winSetBackend(WindowBackend::sdl);
    ASSERT_TRUE(winOpen("Skat", 320, 240)) << winLastError();
    ASSERT_TRUE(winCreateContext()) << winLastError();
    vtl.glVersion = 21;
    appopt.textureQuality = 2;
    textureAbort = [](const std::string& text) { throw std::runtime_error(text); };
    textureNotice = [](const std::string& text) { throw std::runtime_error(text); };
    savedGame = cg.gameId;
    cg.gameId = gidNone;  // every rank and the joker
    envParam.cardStyle = 2;
    envParam.cardBack = 3;
    envParam.tableDesign = 5;
    envParam.roomNo = 2;
  }
  void TearDown() override {
    textureAbort = defaultTextureAbort;
    textureNotice = defaultTextureNotice;
    cg.gameId = savedGame;
    winClose();
    winSetBackend(WindowBackend::null);
    resetTextureCache();
    resetErrorLog();
    EngineTest::TearDown();
  }
  TGameId savedGame = gidNone;
};

TEST_F(CardPicturesGl, EveryGeneratedPictureLoadsWithoutALogLine) {
  for (int32_t level = 1; level <= 3; ++level) {
    appopt.textAccuracy = level;
    loadCardPictures(true);
    loadTablePictures(true);
    for (int32_t q = 1; q <= 4; ++q)
      for (int32_t r = 1; r <= 14; ++r) {
        ASSERT_GE(cardFaceTextures[q][r], kFirstTextureNumber) << "level " << level << ", " << q << "/" << r;
        EXPECT_NE(cardFaceTextures[q][r], plainCardTexture) << q << "/" << r;
      }
    EXPECT_GT(alphaBits(cardFaceTextures[2][5]), 0) << "the face carries a.bmp's outline";
    for (int32_t k = 1; k <= 9; ++k) EXPECT_GE(cardBackTextures[k], kFirstTextureNumber) << "back " << k;
    EXPECT_GT(alphaBits(cardBackTextures[1]), 0) << "the back carries ha.bmp's outline";
    EXPECT_EQ(cardBackTexture, cardBackTextures[3]);
    for (int32_t t : {plainCardTexture, backdropTexture, floorTexture, tableTexture, tableTexture2, tableEdgeTexture,
                      tableShadeTexture})
      EXPECT_GE(t, kFirstTextureNumber);
    EXPECT_TRUE(std::filesystem::exists(folder_ / "data" / "kb114.jpg"));
  }
  std::error_code ec;
  EXPECT_EQ(std::filesystem::file_size(folder_ / "errors.txt", ec), 0u);
}

}  // namespace
