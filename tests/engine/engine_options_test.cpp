// Engine options: the colour parser, reading the two engine dialogs into the options, the apply
// button, the fall-back, the option files and the window placement.
#include <gtest/gtest.h>

#include <fstream>

#include "engine/window_shape.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_options.h"
#include "platform/errors.h"
#include "tests/engine/engine_fixture.h"

namespace {

// The setting-carrying elements of the engine options dialog and the graphics/sound dialog,
// with their built defaults; only what the options reader needs.
class EngineOptionsTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    buildOptionsDialog();
    buildGraphicsDialog();
  }

  static int32_t edit(const char* text) { return addElement(ekEdit, 200, 100, text, 89, 1, 8.0f, 1.0f); }
  static int32_t label(const char* text) { return addSimpleElement(ekLabel, 10, 10, text); }
  static int32_t selector(std::initializer_list<const char*> items) {
    int32_t s = addElement(ekSelector, 120, 100, "HorList2", 150, 20, 0.02f, 1.0f);
    for (const char* i : items) addItem(s, i, 0);
    setTopIndex(vtl.buildDialog, s, 1);
    return s;
  }

  void buildOptionsDialog() {
    TVTLOptionsDialogNumbers& n = appopt.opt;
    n.dialog = createDialog(50, 50, 700, 500, true, "Vitrelon - Einstellungen", true, 0, 1.0f);
    n.fontEdit = addElement(ekEdit, 160, 95, "Arial", 120, -1, 128.0f, 1.0f);
    n.textColourEdit = edit("99999999");
    n.focusColourEdit = edit("99999999");
    n.disabledColourEdit = edit("99999999");
    n.frameColourEdits[1] = edit("00354570");
    n.frameColourEdits[2] = edit("00003380");
    n.folderEdit = addElement(ekEdit, 160, 345, "data\\vitrel\\", 120, -1, 128.0f, 1.0f);
    n.spacingEdit = addElement(ekEdit, 160, 215, "100", 80, 1, 3.0f, 1.0f);
    n.widthLabel = label("640");
    n.heightLabel = label("480");
    n.leftLabel = label("0");
    n.topLabel = label("0");
    n.speedEdits[1] = edit("550");
    n.speedEdits[2] = edit("200");
    n.speedEdits[3] = edit("50");
    n.frameColourEdits[3] = edit("00354570");
    n.frameColourEdits[4] = edit("00003380");
    n.elementColourEdit = edit("00003380");
    n.windowStyleSelector = selector({"Default", "Rounded", "Curved", "Texture"});
    n.highlightSelector = selector({"Shining", "Shining+Turning", "Spiegel", "Schatten"});
  }

  void buildGraphicsDialog() {
    const auto volumes = {"Aus", "Ein (20%)", "Ein (40%)", "Ein (60%)", "Ein (80%)", "Ein (100%)"};
    TVTLGraphicsDialogNumbers& g = appopt.graf;
    appopt.di_vtlgrafik = createStandardDialog(1, "Grafik/Sound");
    g.i_g_lbfull = selector({"640 x 480, 32 Bit", "800 x 600, 32 Bit"});
    g.windowCheck = addSimpleElement(ekCheckBox, 146, 102, "Fenster");
    g.fullCheck = addSimpleElement(ekCheckBox, 146, 137, "Vollbild");
    g.windowSizeSelector = selector({"640 x 480", "720 x 540", "720 x 576", "800 x 600"});
    g.applyButton = addElementEx(ekButton, 160, 380, 325, 20, 8, "Änderungen übernehmen", 0, 0, 0, 0, 1.0f);
    g.textureSelector = selector({"Niedriges Detail", "Standard", "Hohes Detail"});
    g.detailSelector = selector({"Sehr niedrig", "Niedrig", "Standard", "Hoch", "Sehr hoch", "Extrem hoch"});
    g.effectsSelector = selector({"Keine", "Reflektion", "Schatten", "Alle"});
    g.effectsDetailSelector = selector({"Niedrig", "Standard", "Hoch"});
    g.speechSelector = selector(volumes);
    g.soundSelector = selector(volumes);
    g.musicSelector = selector(volumes);
    g.musicTitleSelector = selector({"Gemischt", "Musiktitel 1", "Musiktitel 2"});
    g.pageGroup = addElement(ekPageGroup, 10, 80, "Grafik/Sound", -1, -1, 220.0f, 1.0f);
    g.shadowCheck = addSimpleElement(ekCheckBox, 140, 297, "Schatteneffekt");
    g.reflectionCheck = addSimpleElement(ekCheckBox, 140, 329, "Spiegelung");
    g.softShadowCheck = addSimpleElement(ekCheckBox, 310, 297, "Weiche Schatten");
    addChild(g.fullCheck, g.i_g_lbfull);
    addChild(g.windowCheck, g.windowSizeSelector);
    for (int32_t e : {g.speechSelector, g.soundSelector, g.musicSelector, g.musicTitleSelector}) {
      addChild(g.pageGroup, e);
      elementOf(appopt.di_vtlgrafik, e).page = 2;
    }
    for (int32_t e : {g.textureSelector, g.detailSelector, g.shadowCheck}) {
      addChild(g.pageGroup, e);
      elementOf(appopt.di_vtlgrafik, e).page = 1;
    }
  }

  int32_t grafik() const { return appopt.di_vtlgrafik; }
  bool applyEnabled() const { return getElementEnabled(grafik(), appopt.graf.applyButton) != 0; }
};

TEST(ParseColour, Pairs) {
  TVTLColour c = parseColour("0035");
  EXPECT_FLOAT_EQ(c.r, 0.0f);
  EXPECT_NEAR(c.g, 35.0 / 99.0, 1e-6);
  EXPECT_FLOAT_EQ(c.b, 0.0f);
  EXPECT_FLOAT_EQ(c.a, 0.0f);
  TVTLColour w = parseColour("99999999");
  EXPECT_FLOAT_EQ(w.r + w.g + w.b + w.a, 4.0f);
  EXPECT_FLOAT_EQ(parseColour("0000009912").a, 1.0f) << "characters after the eighth are ignored";
  EXPECT_THROW(parseColour("00x00000"), EConvertError);
}

TEST_F(EngineOptionsTest, ReadsTheBuiltDefaults) {
  readOptions(true);
  EXPECT_EQ(appopt.fontName, "Arial");
  EXPECT_EQ(appopt.rotationSpeeds[2], 200);
  EXPECT_NEAR(appopt.frameColours[1].g, 35.0 / 99.0, 1e-6);
  EXPECT_NEAR(appopt.elementColour.b, 33.0 / 99.0, 1e-6);
  EXPECT_EQ(appopt.windowStyle, 1);
  EXPECT_FLOAT_EQ(appopt.textSpacing, 1.1f);
  EXPECT_EQ(appopt.textureFilterChoice, 3);
  EXPECT_EQ(appopt.textAccuracy, 2) << "set to standard at the end";
  EXPECT_EQ(appopt.textureQuality, 2);
  EXPECT_EQ(appopt.displayModeCode, 1 + 2 * 1 + 10 * 1);
  EXPECT_EQ(appopt.appliedDisplayModeCode, appopt.displayModeCode);
}

TEST_F(EngineOptionsTest, VolumesDetailAndTexture) {
  const TVTLGraphicsDialogNumbers& g = appopt.graf;
  setTopIndex(grafik(), g.speechSelector, 6);
  setTopIndex(grafik(), g.soundSelector, 1);
  setTopIndex(grafik(), g.detailSelector, 6);
  setTopIndex(grafik(), g.textureSelector, 0);
  setElementChecked(grafik(), g.fullCheck, 1);
  setTopIndex(grafik(), g.i_g_lbfull, 2);
  readOptions(false);
  EXPECT_EQ(appopt.speechLevel, 1) << "Ein (100%)";
  EXPECT_EQ(appopt.effectsLevel, 6) << "Aus";
  EXPECT_EQ(appopt.detailLevel, 5) << "Extrem hoch is stored as 5";
  EXPECT_FALSE(appopt.effectLevelLow) << "Extrem hoch gives the effect level 3";
  EXPECT_FALSE(appopt.effectLevelMedium);
  EXPECT_EQ(appopt.displayModeCode, 2 * (1 + 2 * 1 + 10 * 2)) << "entry 0 of the texture accuracy counts as 1";
  EXPECT_EQ(appopt.textureCode, 101);
}

TEST_F(EngineOptionsTest, ApplyButtonFollowsChanges) {
  readOptions(true);
  readOptions(false);
  EXPECT_FALSE(applyEnabled()) << "nothing differs from the applied values";
  setTopIndex(grafik(), appopt.graf.musicTitleSelector, 2);
  readOptions(false);
  EXPECT_TRUE(applyEnabled()) << "changing only the music title";
  setTopIndex(grafik(), appopt.graf.musicTitleSelector, 1);
  readOptions(false);
  EXPECT_FALSE(applyEnabled()) << "back to the applied values";
  setTopIndex(grafik(), appopt.graf.windowSizeSelector, 4);
  readOptions(true);
  readOptions(false);
  EXPECT_TRUE(applyEnabled()) << "800 wide in the selector against a 640 wide window";
  aspectState.windowWidth = 800;
  readOptions(false);
  EXPECT_FALSE(applyEnabled());
}

TEST_F(EngineOptionsTest, SoftShadowsNeedAuxBuffersAndShadows) {
  const TVTLGraphicsDialogNumbers& g = appopt.graf;
  setElementChecked(grafik(), g.softShadowCheck, 1);
  readOptions(false);
  EXPECT_EQ(getElementEnabled(grafik(), g.softShadowCheck), 0) << "disabled without Schatteneffekt";
  setElementChecked(grafik(), g.shadowCheck, 1);
  readOptions(false);
  EXPECT_EQ(getElementEnabled(grafik(), g.softShadowCheck), 1);
  EXPECT_TRUE(appopt.softShadows);
  vtl.noAuxBuffers = true;
  readOptions(false);
  EXPECT_EQ(getElementChecked(grafik(), g.softShadowCheck), 0) << "unchecked without auxiliary buffers";
  EXPECT_FALSE(appopt.softShadows);
}

TEST_F(EngineOptionsTest, SixteenBitCheck) {
  const TVTLGraphicsDialogNumbers& g = appopt.graf;
  setElementChecked(grafik(), g.shadowCheck, 1);
  setElementChecked(grafik(), g.reflectionCheck, 1);
  appopt.test16Bit = 1;
  appopt.colourBits = 16;
  readOptions(false);
  EXPECT_FALSE(appopt.shadows);
  EXPECT_FALSE(appopt.reflection);
  EXPECT_EQ(getElementEnabled(grafik(), g.shadowCheck), 0);
  appopt.colourBits = 32;
  readOptions(false);
  EXPECT_TRUE(appopt.shadows);
  EXPECT_TRUE(appopt.reflection);
  EXPECT_EQ(getElementEnabled(grafik(), g.shadowCheck), 1);
}

TEST_F(EngineOptionsTest, FallbackOnABadColour) {
  setElementText(appopt.opt.dialog, appopt.opt.frameColourEdits[3], "zz", 0);
  setElementText(appopt.opt.dialog, appopt.opt.fontEdit, "Verdana", 0);
  setTopIndex(grafik(), appopt.graf.detailSelector, 6);
  setTopIndex(grafik(), appopt.graf.effectsDetailSelector, 1);
  readOptions(true);
  EXPECT_EQ(appopt.fontName, "Arial");
  EXPECT_EQ(appopt.rotationSpeeds[2], 250);
  EXPECT_FLOAT_EQ(appopt.textColour.r, 1.0f);
  EXPECT_NEAR(appopt.frameColours[2].a, 50.0 / 99.0, 1e-6);
  EXPECT_FLOAT_EQ(appopt.textSpacing, 1.0f);
  EXPECT_EQ(appopt.vitrelFolder, "data\\vitrel");
  EXPECT_EQ(appopt.detailLevel, 6) << "the fall-back does not clamp the detail";
  EXPECT_TRUE(appopt.effectLevelLow) << "from the Effekte Detail entry";
  EXPECT_EQ(appopt.speechLevel, 6) << "the display and sound choices are still read";
}

TEST_F(EngineOptionsTest, BadSpacingNumberTakesTheFallback) {
  setElementText(appopt.opt.dialog, appopt.opt.spacingEdit, "1x0", 0);
  readOptions(false);
  EXPECT_FLOAT_EQ(appopt.textSpacing, 1.0f);
  setElementText(appopt.opt.dialog, appopt.opt.spacingEdit, "x", 0);
  readOptions(false);
  EXPECT_FLOAT_EQ(appopt.textSpacing, 1.1f) << "a text shorter than three characters is not converted";
}

TEST_F(EngineOptionsTest, OptionFilePlaces) {
  EXPECT_EQ(engineOptionFile("vtlgraph.dco"), (folder_ / "vtlgraph.dco").string());
  std::filesystem::create_directories(folder_ / "data" / "vitrel");
  std::ofstream(folder_ / "data" / "vitrel" / "vtlopt.dco") << "";
  EXPECT_EQ(engineOptionFile("vtlgraph.dco"), (folder_ / "data" / "vitrel" / "vtlgraph.dco").string());
}

TEST_F(EngineOptionsTest, FilesRoundTrip) {
  setElementText(appopt.opt.dialog, appopt.opt.fontEdit, "Verdana", 0);
  setTopIndex(grafik(), appopt.graf.musicSelector, 3);
  setElementChecked(grafik(), appopt.graf.fullCheck, 1);
  saveEngineDialogs();
  EXPECT_TRUE(std::filesystem::exists(folder_ / "vtlopt.dco"));
  EXPECT_TRUE(std::filesystem::exists(folder_ / "vtlgraph.dco"));
  setElementText(appopt.opt.dialog, appopt.opt.fontEdit, "Arial", 0);
  setTopIndex(grafik(), appopt.graf.musicSelector, 1);
  setElementChecked(grafik(), appopt.graf.fullCheck, 0);
  applyWindowOptions();
  EXPECT_EQ(appopt.fontName, "Verdana");
  EXPECT_EQ(appopt.musicLevel, 4);
  EXPECT_TRUE(appopt.fullScreen);
  EXPECT_EQ(appopt.appliedMusicLevel, 4);
}

TEST_F(EngineOptionsTest, PresetModeSkipsTheGraphicsFile) {
  vtl.presetMode = 1;
  saveEngineDialogs();
  EXPECT_TRUE(std::filesystem::exists(folder_ / "vtlopt.dco"));
  EXPECT_FALSE(std::filesystem::exists(folder_ / "vtlgraph.dco"));
}

TEST_F(EngineOptionsTest, WindowPlacement) {
  aspectState.screenWidth = 1280;
  aspectState.screenHeight = 1024;
  struct Case {
    const char *w, *h, *left, *top;
    int32_t width, height, x, y;
  } cases[] = {
      {"640", "480", "900", "10", 640, 480, 640, 10},
      {"640", "480", "-5", "-7", 640, 480, 0, 0},
      {"800", "1100", "0", "0", 800, 1024, 0, -76},  // the top is fitted before the height is cut
      {"800", "600", "100", "600", 800, 600, 100, 424},
  };
  const TVTLOptionsDialogNumbers& n = appopt.opt;
  for (const Case& c : cases) {
    setElementText(n.dialog, n.widthLabel, c.w, 0);
    setElementText(n.dialog, n.heightLabel, c.h, 0);
    setElementText(n.dialog, n.leftLabel, c.left, 0);
    setElementText(n.dialog, n.topLabel, c.top, 0);
    applyWindowOptions();
    EXPECT_EQ(aspectState.windowWidth, c.width) << c.w << "x" << c.h << " at " << c.left << "," << c.top;
    EXPECT_EQ(aspectState.windowHeight, c.height) << c.w << "x" << c.h << " at " << c.left << "," << c.top;
    EXPECT_EQ(aspectState.windowLeft, c.x) << c.w << "x" << c.h << " at " << c.left << "," << c.top;
    EXPECT_EQ(aspectState.windowTop, c.y) << c.w << "x" << c.h << " at " << c.left << "," << c.top;
  }
  aspectState = TVTLAspect{};
}

TEST_F(EngineOptionsTest, GraphicsAndSoundPages) {
  const TVTLGraphicsDialogNumbers& g = appopt.graf;
  showSoundOptions();
  EXPECT_EQ(vtl.topDialog, grafik());
  EXPECT_EQ(getElementText(grafik(), 1), "Sound");
  EXPECT_EQ(elementOf(grafik(), g.musicSelector).visible, 1);
  EXPECT_EQ(elementOf(grafik(), g.detailSelector).visible, 0);
  EXPECT_EQ(elementOf(grafik(), g.fullCheck).visible, 0);
  EXPECT_EQ(elementOf(grafik(), g.i_g_lbfull + 1).visible, 0) << "the selectors' arrows hide too";
  showGraphicsOptions();
  EXPECT_EQ(getElementText(grafik(), 1), "Grafik");
  EXPECT_EQ(elementOf(grafik(), g.detailSelector).visible, 1);
  EXPECT_EQ(elementOf(grafik(), g.musicSelector).visible, 0);
  EXPECT_EQ(elementOf(grafik(), g.fullCheck).visible, 1);
  EXPECT_EQ(elementOf(grafik(), g.i_g_lbfull + 1).visible, 1);
}

}  // namespace
