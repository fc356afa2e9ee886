// The engine texture set and the picture primitives' decisions without a window: atlas and
// strip windows, nudges and corners, the turn of whole pictures in the view from above, the
// folder the set is read from, and what loading the set does to the engine's state.
#include <gtest/gtest.h>

#include <filesystem>

#include "engine/dialogs.h"
#include "engine/display_modes.h"
#include "engine/elements.h"
#include "engine/engine_dialogs.h"
#include "engine/engine_events.h"
#include "engine/engine_options.h"
#include "engine/loading_screen.h"
#include "engine/message_box.h"
#include "engine/picture_primitives.h"
#include "engine/textures.h"
#include "platform/window.h"
#include "shell/env_param.h"
#include "shell/shell_state.h"
#include "tests/engine/engine_fixture.h"
#include "tests/engine/picture_fixtures.h"

namespace {
std::string windowText(const TVTLTexWindow& w) {
  return "(" + std::to_string(w.u0) + ", " + std::to_string(w.v0) + ", " + std::to_string(w.du) + ", " +
         std::to_string(w.dv) + ")";
}

void expectWindow(const TVTLTexWindow& got, TVTLTexWindow want, const std::string& label) {
  const bool same = std::abs(got.u0 - want.u0) < 1e-6f && std::abs(got.v0 - want.v0) < 1e-6f &&
                    std::abs(got.du - want.du) < 1e-6f && std::abs(got.dv - want.dv) < 1e-6f;
  EXPECT_TRUE(same) << label << ": expected " << windowText(want) << ", got " << windowText(got);
}
}  // namespace

TEST(PictureWindows, AtlasCellsAndWholeTextures) {
  struct Case {
    int32_t picture;
    uint8_t mode;
    TVTLTexWindow want;
  };
  const Case cases[] = {
      {13, 0, {0.625f, 0.2f, 0.125f, 0.2f}},  // column 5, row 1
      {1, 0, {0.0f, 0.0f, 0.5f, 0.2f}},       // the button spans the row's first half
      {0, 0, {0.0f, 0.0f, 0.125f, 0.2f}},
      {39, 0, {0.875f, 0.8f, 0.125f, 0.2f}},
      {13, 4, {0.625f, 0.2f, 0.125f, 0.2f}},  // turning icons use the same cell
      {40, 0, {0, 0, 1, 1}},                  // a texture number: the whole texture
      {-2, 0, {0, 0, 1, 1}},                  // special looks
  };
  for (const Case& c : cases)
    expectWindow(atlasWindow(c.picture, c.mode), c.want, "picture " + std::to_string(c.picture) + " mode " + std::to_string(c.mode));
}

TEST(PictureWindows, StripHalves) {
  expectWindow(stripWindow(0.25f, 0.5f, 0), {0.25f, 0, 0.25f, 1}, "whole height");
  expectWindow(stripWindow(0.25f, 0.5f, 1), {0.25f, 0, 0.25f, 0.5f}, "lower half");
  expectWindow(stripWindow(0.25f, 0.5f, 2), {0.25f, 0.5f, 0.25f, 0.5f}, "upper half");
}

TEST(PictureWindows, NudgeAndCorner) {
  struct Nudge {
    uint8_t mode;
    int32_t look;
    float pressDepth, want;
  };
  for (const Nudge& n : {Nudge{0, 1, 0.05f, 0.0025f}, Nudge{1, 1, 0.05f, 0}, Nudge{0, 2, 0.05f, -0.0025f},
                         Nudge{1, 2, 0.05f, -0.0025f}, Nudge{0, 0, 0.05f, 0}, Nudge{0, 1, 0.00001f, 0},
                         Nudge{0, 2, 0, 0}})
    EXPECT_FLOAT_EQ(pictureNudge(n.mode, n.look, n.pressDepth), n.want)
        << "mode " << int(n.mode) << " look " << n.look << " pressDepth " << n.pressDepth;
  struct Corner {
    int32_t picture, height, want;
  };
  for (const Corner& c : {Corner{-1, 79, -36}, Corner{-1, 80, -15}, Corner{-5, 30, -12}, Corner{-4, 30, 2},
                          Corner{1, 30, 12}, Corner{7, 30, 12}})
    EXPECT_EQ(pictureCorner(c.picture, c.height), c.want) << "picture " << c.picture << " height " << c.height;
}

TEST(PictureWindows, WholePicturesTurnOnlyForTheViewFromAboveDuringAGame) {
  const TEnvParam savedEnv = envParam;
  const uint8_t savedMode = screenMode;
  struct Case {
    int32_t perspective;
    uint8_t screenMode;
    bool want;
  };
  for (const Case& c : {Case{1, 1, true}, Case{1, 2, true}, Case{1, 0, false}, Case{2, 1, false}, Case{0, 1, false}}) {
    envParam.perspective = c.perspective;
    screenMode = c.screenMode;
    EXPECT_EQ(pictureTurnedForView(), c.want) << "perspective " << c.perspective << " screenMode " << int(c.screenMode);
  }
  envParam = savedEnv;
  screenMode = savedMode;
}

class TextureSetTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    winSetBackend(WindowBackend::null);
    winNullReset();
    resetEngineTextures();
    resetTextureCache();
    fullscr.destroy();
    appopt.vitrelFolder = (folder_ / "vitrel").string();
  }
  void TearDown() override {
    setEngineEventHandler(nullptr);
    winClose();
    fullscr.destroy();
    resetEngineTextures();
    EngineTest::TearDown();
  }
  void border(const std::filesystem::path& dir) const {
    std::filesystem::create_directories(dir);
    picfix::writeBytes((dir / "border.bmp").string(), picfix::makeBmp({}));
  }
};

TEST_F(TextureSetTest, FolderWithBorderBmpIsUsedElseDataVitrelElseVitrelFolder) {
  const std::string given = (folder_ / "skin").string();
  EXPECT_EQ(engineTextureFolder(given), appopt.vitrelFolder + "\\") << "nowhere: the engine folder";
  border(folder_ / "data" / "vitrel");
  EXPECT_EQ(toLocalPath(engineTextureFolder(given)), (folder_ / "data" / "vitrel").string() + "/")
      << "the relative data\\vitrel\\ comes before the engine folder";
  border(folder_ / "skin");
  EXPECT_EQ(engineTextureFolder(given), given + "\\");
  EXPECT_EQ(engineTextureFolder(given + "/"), given + "/") << "a trailing separator is kept";
}

TEST_F(TextureSetTest, LoadingTheSetWithoutContextStepsTheLoadingScreenAndSetsUpTheGraphicsDialog) {
  createMessageDialogs();
  createEngineDialogs();
  border(folder_ / "vitrel");
  std::vector<int32_t> events;
  setEngineEventHandler([&](uint8_t, int32_t x, int32_t) { events.push_back(x); });
  engineTextures.detailStrip = 77;  // no context: the numbers stay as they are
  appopt.textAccuracy = 0;
  appopt.textureFilterChoice = 1;
  vtl.suppressTextureEvent = true;
  loadEngineTextures(appopt.vitrelFolder);
  EXPECT_TRUE(events.empty()) << "no texture event while suppressed";
  EXPECT_EQ(vtl.loadingText, "Custom Textures laden..");
  EXPECT_EQ(vtl.loadingPercent, 20);
  EXPECT_EQ(appopt.textureQuality, 1) << "texture accuracy 0 counts as 1";
  EXPECT_EQ(vtl.textureFilter, 0x2600) << "choice 1 is GL_NEAREST";
  EXPECT_EQ(textureCache.count, 0) << "nothing cached without a context";

  const int32_t d = appopt.di_vtlgrafik;
  const TVTLGraphicsDialogNumbers& g = appopt.graf;
  for (int32_t e : {g.detailSelector, g.speechSelector, g.soundSelector, g.musicSelector}) {
    const TVTLElement& el = dialogOf(d).elements[e];
    EXPECT_EQ(el.picture, -77) << "selector " << e;
    EXPECT_EQ(el.extent, 16) << "selector " << e;
    EXPECT_FLOAT_EQ(el.pressDepth, 0.65f) << "selector " << e;
    EXPECT_EQ(el.height, 25) << "selector " << e;
  }
  for (int32_t e : {g.effectsSelector, g.effectsSelector - 1, g.effectsDetailSelector, g.effectsDetailSelector - 1}) {
    const TVTLElement& el = dialogOf(d).elements[e];
    EXPECT_EQ(el.visible, 0) << "element " << e;
    EXPECT_EQ(el.showAnim.shown, 0) << "element " << e << " hidden without animation";
    EXPECT_EQ(el.page, -1) << "element " << e << " on no page";
  }
  EXPECT_EQ(getElementText(d, g.effectsSelector - 1), "Effekte (nur 32 Bit)");
  EXPECT_EQ(getElementText(d, g.effectsDetailSelector - 1), "Effekte Detail");
  // Selecting the graphics page again leaves the two rows hidden.
  selectPage(d, g.pageGroup, 1);
  EXPECT_FALSE(isElementVisible(d, g.effectsSelector));
  EXPECT_FALSE(isElementVisible(d, g.effectsDetailSelector - 1));

  vtl.suppressTextureEvent = false;
  loadEngineTextures(appopt.vitrelFolder);
  EXPECT_EQ(events, std::vector<int32_t>{evTexturesLoaded});
}

TEST_F(TextureSetTest, WithoutContextNothingIsUploaded) {
  picfix::writeBytes((folder_ / "p.bmp").string(), picfix::makeBmp({}));
  int32_t number = 0, cached = 0;
  EXPECT_EQ(loadTextureFile(number, (folder_ / "p.bmp").string(), "", false, false), 0);
  EXPECT_EQ(loadTextureCached(cached, (folder_ / "p.bmp").string(), false, -1), 0);
  EXPECT_EQ(textureCache.count, 0);
}
