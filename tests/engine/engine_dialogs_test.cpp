// The engine's own dialogs: their numbers and creation order, every element's kind, place and
// page, the selectors' entries, the pages and the display tree, the window-size and display-mode
// texts, the frame rate on screen, the window buttons by display mode, the GL selectors and the
// GL information, and the fresh installation's option files with their run marker.
//
// [SECTION] fixture
// [SECTION] dialogs and elements
// [SECTION] pages and trees
// [SECTION] entries and options
// [SECTION] item texts
// [SECTION] frame rate and window buttons
// [SECTION] GL selectors and information
// [SECTION] construction and the installation files
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "engine/dialog_records.h"
#include "engine/dialogs.h"
#include "engine/display_modes.h"
#include "engine/elements.h"
#include "engine/engine_dialogs.h"
#include "engine/engine_events.h"
#include "engine/engine_lifecycle.h"
#include "engine/engine_options.h"
#include "engine/engine_services.h"
#include "engine/error_log.h"
#include "engine/frame_rate.h"
#include "engine/gl_context.h"
#include "engine/loading_screen.h"
#include "engine/message_box.h"
#include "engine/screen_modes.h"
#include "engine/texts.h"
#include "engine/window_layout.h"
#include "platform/paths.h"
#include "platform/tick.h"
#include "platform/window.h"
#include "tests/engine/engine_fixture.h"

// [SECTION] fixture

namespace {
std::string readFile(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

size_t occurrences(const std::string& s, const std::string& what) {
  size_t n = 0;
  for (size_t at = s.find(what); at != std::string::npos; at = s.find(what, at + 1)) n++;
  return n;
}
}  // namespace

class EngineDialogsTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    resetFormState();
  }
  void TearDown() override {
    setEngineEventHandler(nullptr);
    winClose();
    fullscr.destroy();
    resetErrorLog();
    EngineTest::TearDown();
  }
  // The constructor's dialogs without the window: the message dialogs, then the engine's own.
  void buildDialogs() {
    createMessageDialogs();
    createEngineDialogs();
  }
  static int32_t opt() { return appopt.opt.dialog; }
  static int32_t graf() { return appopt.di_vtlgrafik; }
};

// [SECTION] dialogs and elements

TEST_F(EngineDialogsTest, TheSevenDialogsComeInCreationOrderAndTheOptionsDialogIsOnTop) {
  buildDialogs();
  struct Row {
    const char* what;
    int32_t got, number;
    const char* title;
  } const rows[] = {
      {"notice dialog", vtl.noticeDialog, 1, nullptr},
      {"message-box dialog", vtl.boxDialog, 2, nullptr},
      {"first panel", vtl.firstPanel, 3, "#firstpanel"},
      {"help line", vtl.helpLineDialog, 4, "h"},
      {"overlay panel", vtl.overlayPanel, 5, ""},
      {"engine options", appopt.opt.dialog, 6, "Vitrelon - Einstellungen"},
      {"graphics/sound", appopt.di_vtlgrafik, 7, "Grafik/Sound"},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(r.got, r.number) << r.what;
    if (r.title) {
      EXPECT_EQ(dialogOf(r.number).title.str(), r.title) << r.what;
    }
  }
  EXPECT_EQ(vtl.diags.count(), 7);
  EXPECT_EQ(vtl.topDialog, 6) << "the options dialog was shown last";
  EXPECT_EQ(vtl.keyDialog, 6);
  EXPECT_TRUE(dialogOf(5).open) << "the overlay panel is open from the start";
  for (int32_t d : {3, 4, 7}) EXPECT_FALSE(dialogOf(d).open) << "dialog " << d;
  EXPECT_EQ(dialogOf(3).count, 0) << "the first panel is empty";

  struct Geometry {
    int32_t dialog, x, y, width, height;
    bool popup, glow;
  } const geometry[] = {
      {3, 0, 0, 0, 0, false, false},   {4, 4, 6, 680, 160, false, true}, {5, 0, 0, 0, 0, false, true},
      {6, 50, 50, 700, 500, true, true}, {7, 85, 38, 640, 530, true, true},
  };
  for (const Geometry& g : geometry) {
    const TVTLDialog& dlg = dialogOf(g.dialog);
    EXPECT_EQ(dlg.x, g.x) << "dialog " << g.dialog;
    EXPECT_EQ(dlg.y, g.y) << "dialog " << g.dialog;
    EXPECT_EQ(dlg.width, g.width) << "dialog " << g.dialog;
    EXPECT_EQ(dlg.height, g.height) << "dialog " << g.dialog;
    EXPECT_EQ(dlg.popup != 0, g.popup) << "dialog " << g.dialog;
    EXPECT_EQ(dlg.glowFrame != 0, g.glow) << "dialog " << g.dialog;
  }
}

TEST_F(EngineDialogsTest, EveryElementHasTheKindPlacePageAndCaptionItWasBuiltWith) {
  buildDialogs();
  struct Row {
    int32_t dialog, element;
    uint8_t kind, subKind;
    int32_t x, y;
    int16_t page;
    const char* caption;  // nullptr: not checked
  } const rows[] = {
      // notice dialog, message box, help line
      {1, 2, ekLabel, 0, 20, 45, 0, nullptr},
      {1, 3, ekButton, 0, 240, 140, 0, "!OK"},
      {2, 2, ekLabel, 0, 20, 60, 0, "Messagetext"},
      {4, 1, ekLabel, 0, 4, 2, 0, "Hilfetext"},
      // overlay panel
      {5, 1, ekPicture, skClose, 850, 3, 0, nullptr},
      {5, 2, ekPicture, skMinimize, 773, 37, 0, nullptr},
      {5, 3, ekPicture, skMoveHandle, 773, 71, 0, nullptr},
      {5, 4, ekPicture, skResizeHandle, 773, 570, 0, nullptr},
      {5, 5, ekLabel, 0, 692, 29, 0, "FPS:0"},
      {5, 6, ekLabel, 0, 2, 2, 0, ""},
      // engine options
      {6, 1, ekLabel, 0, 0, 0, 0, "Vitrelon - Einstellungen"},
      {6, 2, ekPageGroup, 0, 10, 80, 1, "Schrift/Border"},
      {6, 3, ekLabel, 0, 10, 90, 1, "Font (Charwidth):"},
      {6, 4, ekLabel, 0, 10, 120, 1, "Schrift (normal) RGBA:"},
      {6, 5, ekLabel, 0, 10, 150, 1, "Schrift (fokus) RGBA:"},
      {6, 6, ekLabel, 0, 10, 180, 1, "Schrift (disabled) RGBA:"},
      {6, 7, ekLabel, 0, 10, 90, 2, "Border 1 (oben) RGBA:"},
      {6, 8, ekLabel, 0, 10, 120, 2, "Border 2 (def) RGBA:"},
      {6, 9, ekLabel, 0, 10, 340, 0, "Vitrel-Ordner:"},
      {6, 10, ekLabel, 0, 10, 210, 1, "Schriftabstand %:"},
      {6, 11, ekEdit, 0, 160, 95, 1, "Arial"},
      {6, 12, ekEdit, 0, 200, 125, 1, "99999999"},
      {6, 13, ekEdit, 0, 200, 155, 1, "99999999"},
      {6, 14, ekEdit, 0, 200, 185, 1, "99999999"},
      {6, 15, ekEdit, 0, 200, 95, 2, "00354570"},
      {6, 16, ekEdit, 0, 200, 125, 2, "00003380"},
      {6, 17, ekEdit, 0, 160, 345, 0, "data\\vitrel\\"},
      {6, 18, ekEdit, 0, 160, 215, 1, "100"},
      {6, 19, ekGroupBox, 0, 20, 390, 0, "Infos"},
      {6, 20, ekLabel, 0, 10, 420, 0, "FPS:"},
      {6, 21, ekLabel, 0, 110, 420, 0, "Auflösung:"},
      {6, 22, ekLabel, 0, 110, 450, 0, "Position:"},
      {6, 23, ekLabel, 0, 200, 420, 0, "640"},
      {6, 24, ekLabel, 0, 240, 420, 0, "480"},
      {6, 25, ekLabel, 0, 190, 450, 0, "0"},
      {6, 26, ekLabel, 0, 220, 450, 0, "0"},
      {6, 27, ekLabel, 0, 510, 420, 0, "Version 4.0"},
      {6, 28, ekLabel, 0, 510, 440, 0, nullptr},
      {6, 29, ekLabel, 0, 510, 460, 0, nullptr},
      {6, 30, ekLabel, 0, 50, 420, 0, "0"},
      {6, 31, ekGroupBox, 0, 310, 50, 0, "OpenGL"},
      {6, 32, ekLabel, 0, 310, 80, 0, "GL_CULL_FACE:"},
      {6, 33, ekLabel, 0, 310, 140, 0, "GL_DEPTH_TEST:"},
      {6, 34, ekLabel, 0, 310, 200, 0, "GL_COL.MATERIAL:"},
      {6, 35, ekLabel, 0, 310, 260, 0, "GL_BLEND:"},
      {6, 36, ekLabel, 0, 310, 320, 0, "GL_MATERIAL:"},
      {6, 37, ekLabel, 0, 310, 380, 0, "Stenciltest:"},
      {6, 38, ekLabel, 0, 310, 440, 0, "16 Bit Test:"},
      {6, 39, ekSelector, 0, 320, 110, 0, nullptr},
      {6, 43, ekSelector, 0, 320, 170, 0, nullptr},
      {6, 47, ekSelector, 0, 320, 230, 0, nullptr},
      {6, 51, ekSelector, 0, 320, 290, 0, nullptr},
      {6, 55, ekSelector, 0, 320, 350, 0, nullptr},
      {6, 59, ekSelector, 0, 320, 410, 0, nullptr},
      {6, 63, ekSelector, 0, 320, 470, 0, nullptr},
      {6, 67, ekGroupBox, 0, 540, 180, 0, "Einstellungen"},
      {6, 68, ekButton, 0, 540, 220, 0, "Aktualisieren"},
      {6, 69, ekButton, 0, 540, 265, 0, "Grafikoptionen"},
      {6, 70, ekButton, 0, 540, 310, 0, "GLInfo"},
      {6, 71, ekButton, 0, 540, 355, 0, "Zurück"},
      {6, 72, ekGroupBox, 0, 540, 50, 0, "Sonstige"},
      {6, 73, ekLabel, 0, 528, 85, 0, "Drehgeschw."},
      {6, 74, ekEdit, 0, 546, 120, 0, "550"},
      {6, 75, ekEdit, 0, 588, 120, 0, "200"},
      {6, 76, ekEdit, 0, 630, 120, 0, "50"},
      {6, 77, ekLabel, 0, 10, 150, 2, "Border 3 (unten) RGBA:"},
      {6, 78, ekLabel, 0, 10, 180, 2, "Border 4 (weg) RGBA:"},
      {6, 79, ekLabel, 0, 10, 210, 2, "Elem-Backgr. RGBA:"},
      {6, 80, ekLabel, 0, 10, 240, 2, "Windowstyle:"},
      {6, 81, ekLabel, 0, 10, 270, 2, "Highlight:"},
      {6, 82, ekEdit, 0, 200, 155, 2, "00354570"},
      {6, 83, ekEdit, 0, 200, 185, 2, "00003380"},
      {6, 84, ekEdit, 0, 200, 215, 2, "00003380"},
      {6, 85, ekSelector, 0, 120, 246, 2, nullptr},
      {6, 89, ekSelector, 0, 120, 276, 2, nullptr},
      {6, 93, ekButton, 0, 37, 44, 0, "Schrift"},
      {6, 94, ekButton, 0, 147, 44, 0, "Border"},
      // graphics/sound
      {7, 1, ekLabel, 0, 0, 0, 0, "Grafik/Sound"},
      {7, 2, ekButton, 0, 260, 430, 0, "Zurück"},
      {7, 3, ekSelector, 0, 266, 137, 0, nullptr},
      {7, 7, ekGroupBox, 0, 110, 56, 1, "Bildschirmmodus"},
      {7, 8, ekCheckBox, 0, 146, 102, 0, "Fenster"},
      {7, 9, ekCheckBox, 0, 146, 137, 0, "Vollbild"},
      {7, 10, ekMarker, 0, 0, 0, 1, "Bildschirmmodus"},
      {7, 11, ekSelector, 0, 266, 102, 0, nullptr},
      {7, 15, ekButton, 0, 160, 380, 0, "Änderungen übernehmen"},
      {7, 16, ekGroupBox, 0, 110, 190, 1, "Grafikdetail"},
      {7, 17, ekLabel, 0, 126, 258, 1, "Texturgenauigkeit"},
      {7, 18, ekSelector, 0, 280, 263, 1, nullptr},
      {7, 22, ekLabel, 0, 126, 224, 1, "3D - Detailstufe"},
      {7, 23, ekSelector, 0, 280, 229, 1, nullptr},
      {7, 27, ekLabel, 0, 126, 285, 1, "Effekte (nur 32 Bit)"},
      {7, 28, ekSelector, 0, 280, 290, 1, nullptr},
      {7, 32, ekLabel, 0, 126, 320, 1, "Effekte Detail"},
      {7, 33, ekSelector, 0, 280, 325, 1, nullptr},
      {7, 37, ekGroupBox, 0, 110, 170, 2, "Lautstärke"},
      {7, 38, ekLabel, 0, 116, 205, 2, "Sprachausgabe"},
      {7, 39, ekSelector, 0, 300, 210, 2, nullptr},
      {7, 43, ekLabel, 0, 116, 240, 2, "Soundeffekte"},
      {7, 44, ekSelector, 0, 300, 245, 2, nullptr},
      {7, 48, ekLabel, 0, 116, 275, 2, "Musik"},
      {7, 49, ekSelector, 0, 300, 280, 2, nullptr},
      {7, 53, ekLabel, 0, 116, 110, 2, "Musiktitel"},
      {7, 54, ekSelector, 0, 230, 115, 2, nullptr},
      {7, 58, ekGroupBox, 0, 110, 70, 2, "Musik"},
      {7, 59, ekPageGroup, 0, 10, 80, 1, "Grafik/Sound"},
      {7, 60, ekCheckBox, 0, 140, 297, 1, "Schatteneffekt"},
      {7, 61, ekCheckBox, 0, 140, 329, 1, "Spiegelung"},
      {7, 62, ekCheckBox, 0, 310, 297, 1, "Weiche Schatten"},
  };
  for (const Row& r : rows) {
    const TVTLElement& el = elementOf(r.dialog, r.element);
    const std::string at = "dialog " + std::to_string(r.dialog) + " element " + std::to_string(r.element);
    EXPECT_EQ(int(el.kind), int(r.kind)) << at;
    EXPECT_EQ(int(el.subKind), int(r.subKind)) << at;
    EXPECT_EQ(el.x, r.x) << at;
    EXPECT_EQ(el.y, r.y) << at;
    EXPECT_EQ(el.page, r.page) << at << " (a page group's page is its selected page)";
    if (r.caption) {
      EXPECT_EQ(getElementText(r.dialog, r.element), r.caption) << at;
    }
  }
  EXPECT_EQ(dialogOf(4).count, 1);
  EXPECT_EQ(dialogOf(5).count, 6);
  EXPECT_EQ(dialogOf(6).count, 94);
  EXPECT_EQ(dialogOf(7).count, 62);
}

TEST_F(EngineDialogsTest, TheNumbersOtherModulesUseNameTheRightElements) {
  buildDialogs();
  const TVTLOptionsDialogNumbers& o = appopt.opt;
  const TVTLGraphicsDialogNumbers& g = appopt.graf;
  struct Row {
    const char* what;
    int32_t got, expected;
  } const rows[] = {
      {"noticeTextElement", vtl.noticeTextElement, 2}, {"noticeOkButton", vtl.noticeOkButton, 3},
      {"boxTextElement", vtl.boxTextElement, 2},       {"helpLineLabel", vtl.helpLineLabel, 1},
      {"fpsLabel", vtl.fpsLabel, 5},                   {"overlayInfoLabel", vtl.overlayInfoLabel, 6},
      {"page group", o.pageGroup, 2},                  {"font", o.fontEdit, 11},
      {"text colour", o.textColourEdit, 12},           {"focus colour", o.focusColourEdit, 13},
      {"disabled colour", o.disabledColourEdit, 14},   {"border 1", o.frameColourEdits[1], 15},
      {"border 2", o.frameColourEdits[2], 16},         {"folder", o.folderEdit, 17},
      {"spacing", o.spacingEdit, 18},                  {"width", o.widthLabel, 23},
      {"height", o.heightLabel, 24},                   {"left", o.leftLabel, 25},
      {"top", o.topLabel, 26},                         {"frame rate", o.fpsValueLabel, 30},
      {"GL_CULL_FACE", o.glSelectors[glsCullFace], 39}, {"GL_DEPTH_TEST", o.glSelectors[glsDepthTest], 43},
      {"GL_COL.MATERIAL", o.glSelectors[glsColourMaterial], 47}, {"GL_BLEND", o.glSelectors[glsBlend], 51},
      {"GL_MATERIAL", o.glSelectors[glsMaterial], 55}, {"Stenciltest", o.glSelectors[glsStencil], 59},
      {"16 Bit Test", o.glSelectors[glsTest16Bit], 63}, {"Aktualisieren", o.refreshButton, 68},
      {"Grafikoptionen", o.graphicsButton, 69},        {"GLInfo", o.glInfoButton, 70},
      {"Zurück", o.backButton, 71},                    {"speed 1", o.speedEdits[1], 74},
      {"speed 2", o.speedEdits[2], 75},                {"speed 3", o.speedEdits[3], 76},
      {"border 3", o.frameColourEdits[3], 82},         {"border 4", o.frameColourEdits[4], 83},
      {"element colour", o.elementColourEdit, 84},     {"window style", o.windowStyleSelector, 85},
      {"highlight", o.highlightSelector, 89},          {"Schrift", o.pageButtons[1], 93},
      {"Border", o.pageButtons[2], 94},                {"graphics Zurück", g.backButton, 2},
      {"i_g_lbfull", g.i_g_lbfull, 3},                 {"Fenster", g.windowCheck, 8},
      {"Vollbild", g.fullCheck, 9},                    {"marker", g.displayMarker, 10},
      {"window size", g.windowSizeSelector, 11},       {"apply", g.applyButton, 15},
      {"texture", g.textureSelector, 18},              {"3D detail", g.detailSelector, 23},
      {"effects", g.effectsSelector, 28},              {"effects detail", g.effectsDetailSelector, 33},
      {"speech", g.speechSelector, 39},                {"sound", g.soundSelector, 44},
      {"music", g.musicSelector, 49},                  {"music title", g.musicTitleSelector, 54},
      {"graphics page group", g.pageGroup, 59},        {"Schatteneffekt", g.shadowCheck, 60},
      {"Spiegelung", g.reflectionCheck, 61},           {"Weiche Schatten", g.softShadowCheck, 62},
  };
  for (const Row& r : rows) EXPECT_EQ(r.got, r.expected) << r.what;
}

// [SECTION] pages and trees

TEST_F(EngineDialogsTest, PagedElementsHangUnderTheirPageGroupAndBothDialogsStartOnTheirFirstPage) {
  buildDialogs();
  for (int32_t d : {opt(), graf()}) {
    const int32_t groupNumber = d == opt() ? appopt.opt.pageGroup : appopt.graf.pageGroup;
    const TVTLElement& group = elementOf(d, groupNumber);
    int32_t paged = 0;
    for (int32_t e = 1; e <= dialogOf(d).count; e++) {
      const TVTLElement& el = elementOf(d, e);
      if (e == groupNumber || el.page == 0) continue;
      paged++;
      EXPECT_EQ(el.controller, groupNumber) << "dialog " << d << " element " << e;
      EXPECT_EQ(el.visible, el.page == 1 ? 1 : 0) << "dialog " << d << " element " << e << " on page " << el.page;
    }
    EXPECT_EQ(group.childCount, paged) << "dialog " << d << ": every paged element and nothing else";
    EXPECT_EQ(group.page, 1) << "dialog " << d;
  }
  // The arrows of a page-2 selector go with it.
  EXPECT_EQ(elementOf(opt(), appopt.opt.windowStyleSelector + 1).visible, 0);
  EXPECT_EQ(elementOf(opt(), appopt.opt.glSelectors[glsCullFace] + 1).visible, 1) << "on every page";
}

TEST_F(EngineDialogsTest, TheDisplayChoicesFormARadioPairWithTheirSelectorsBeneath) {
  buildDialogs();
  const int32_t d = graf();
  const TVTLGraphicsDialogNumbers& g = appopt.graf;
  struct Row {
    const char* what;
    int32_t element, controller;
    uint8_t enabled, visible;
  } const rows[] = {
      {"Fenster", g.windowCheck, g.displayMarker, 1, 1},
      {"Vollbild", g.fullCheck, g.displayMarker, 1, 1},
      {"window sizes", g.windowSizeSelector, g.windowCheck, 1, 1},
      {"window sizes' right arrow", g.windowSizeSelector + 2, g.windowSizeSelector, 1, 1},
      {"display modes", g.i_g_lbfull, g.fullCheck, 0, 1},
      {"display modes' text", g.i_g_lbfull + 3, g.i_g_lbfull, 0, 1},
  };
  for (const Row& r : rows) {
    const TVTLElement& el = elementOf(d, r.element);
    EXPECT_EQ(el.controller, r.controller) << r.what;
    EXPECT_EQ(el.enabled, r.enabled) << r.what;
    EXPECT_EQ(el.visible, r.visible) << r.what;
  }
  EXPECT_EQ(getElementChecked(d, g.windowCheck), 1);
  EXPECT_EQ(getElementChecked(d, g.fullCheck), 0);
  for (int32_t e : {g.shadowCheck, g.reflectionCheck, g.softShadowCheck})
    EXPECT_EQ(elementOf(d, e).picture, -1) << "element " << e << " is no radio button";
  EXPECT_NE(elementOf(d, g.windowCheck).picture, -1) << "the display choice is one";
}

TEST_F(EngineDialogsTest, AssignToOptionsPageTakesLabelsEditsAndSelectorsOnly) {
  appopt.opt.dialog = createDialog(0, 0, 400, 300, true, "", false, 0, 1.0f);
  appopt.opt.pageGroup = addElement(ekPageGroup, 10, 80, "A/B", 290, 250, 220.0f, 1.0f);
  assignToOptionsPage(5, 2);
  EXPECT_EQ(elementOf(opt(), appopt.opt.pageGroup).childCount, 0) << "fewer elements than asked: nothing";
  const int32_t lbl = addSimpleElement(ekLabel, 0, 0, "x");
  const int32_t btn = addSimpleElement(ekButton, 0, 0, "b");
  const int32_t sel = addElement(ekSelector, 0, 0, "HorList2", 150, 20, 0.0f, 1.0f);
  assignToOptionsPage(6, 2);  // the label, the button, the selector and its three children
  const TVTLElement& group = elementOf(opt(), appopt.opt.pageGroup);
  ASSERT_EQ(group.childCount, 2);
  EXPECT_EQ(group.children[1], lbl);
  EXPECT_EQ(group.children[2], sel);
  EXPECT_EQ(elementOf(opt(), btn).page, 0);
  EXPECT_EQ(elementOf(opt(), sel + 1).page, 0) << "an arrow follows its selector";
  EXPECT_EQ(elementOf(opt(), sel + 1).controller, sel);
}

// [SECTION] entries and options

TEST_F(EngineDialogsTest, EverySelectorShowsAnEntryOfItsList) {
  buildDialogs();
  const TVTLOptionsDialogNumbers& o = appopt.opt;
  const TVTLGraphicsDialogNumbers& g = appopt.graf;
  struct Row {
    int32_t dialog, element;
    int16_t count;
    const char *first, *last;
    int16_t shown;
  } const rows[] = {
      {opt(), o.glSelectors[glsCullFace], 2, "Enabled", "Disabled", 1},
      {opt(), o.glSelectors[glsDepthTest], 2, "Enabled", "Disabled", 1},
      {opt(), o.glSelectors[glsColourMaterial], 6, "Disabled", "GL_AMBIENT&D.", 4},
      {opt(), o.glSelectors[glsBlend], 2, "Enabled", "Disabled", 1},
      {opt(), o.glSelectors[glsMaterial], 8, "Disabled", "GL_COLOR_INDEXES", 1},
      {opt(), o.glSelectors[glsStencil], 2, "Enabled", "Disabled", 1},
      {opt(), o.glSelectors[glsTest16Bit], 2, "Enabled", "Disabled", 1},
      {opt(), o.windowStyleSelector, 4, "Default", "Texture", 1},
      {opt(), o.highlightSelector, 4, "Shining", "Schatten", 1},
      {graf(), g.windowSizeSelector, 27, "640 x 480", "1920 x 1200 (16:10)", 1},
      {graf(), g.textureSelector, 3, "Niedriges Detail", "Hohes Detail", 2},
      {graf(), g.detailSelector, 6, "Sehr niedrig", "Extrem hoch", 3},
      {graf(), g.effectsSelector, 4, "Keine", "Alle", 1},
      {graf(), g.effectsDetailSelector, 3, "Niedrig", "Hoch", 2},
      {graf(), g.speechSelector, 6, "Aus", "Ein (100%)", 6},
      {graf(), g.soundSelector, 6, "Aus", "Ein (100%)", 6},
      {graf(), g.musicSelector, 6, "Aus", "Ein (100%)", 6},
      {graf(), g.musicTitleSelector, 6, "Gemischt", "Musiktitel 5", 1},
  };
  for (const Row& r : rows) {
    const TVTLElement& el = elementOf(r.dialog, r.element);
    const std::string at = "dialog " + std::to_string(r.dialog) + " element " + std::to_string(r.element);
    EXPECT_EQ(el.Stringscount, r.count) << at;
    EXPECT_EQ(getItem(r.dialog, r.element, 1), r.first) << at;
    EXPECT_EQ(getItem(r.dialog, r.element, r.count), r.last) << at;
    EXPECT_EQ(el.TopIndex, r.shown) << at;
  }
}

TEST_F(EngineDialogsTest, AFreshEngineReadsSettingsFromItsDialogsNotZeros) {
  buildDialogs();
  readOptions(true);
  struct Row {
    const char* what;
    int32_t got, expected;
  } const rows[] = {
      {"windowSize", appopt.windowSize, 1},   {"fullScreen", appopt.fullScreen, 0},
      {"detailLevel", appopt.detailLevel, 3}, {"speechLevel", appopt.speechLevel, 1},
      {"effectsLevel", appopt.effectsLevel, 1}, {"musicLevel", appopt.musicLevel, 1},
      {"musicTitle", appopt.musicTitle, 1},   {"windowStyle", appopt.windowStyle, 1},
      {"highlightStyle", appopt.highlightStyle, 1}, {"rotation speed 2", appopt.rotationSpeeds[2], 200},
  };
  for (const Row& r : rows) EXPECT_EQ(r.got, r.expected) << r.what;
  EXPECT_EQ(appopt.fontName, "Arial");
  EXPECT_FLOAT_EQ(appopt.frameColours[4].b, 33.0f / 99.0f) << "border 4 from \"00003380\"";
}

// [SECTION] item texts

TEST_F(EngineDialogsTest, WindowSizesNameTheirWideRatiosAnd1024x600NoneOfThem) {
  struct Row {
    int32_t width, height;
    const char* text;
  } const rows[] = {
      {1280, 800, "1280 x 800 (16:10)"},  {1440, 900, "1440 x 900 (16:10)"}, {960, 600, "960 x 600 (16:10)"},
      {1280, 720, "1280 x 720 (16:9)"},   {1920, 1080, "1920 x 1080 (16:9)"}, {1366, 768, "1366 x 768 (16:9)"},
      {1024, 600, "1024 x 600"},          {1280, 768, "1280 x 768"},          {640, 480, "640 x 480"},
      {1280, 1024, "1280 x 1024"},
  };
  for (const Row& r : rows) EXPECT_EQ(windowSizeItem(r.width, r.height), r.text);

  buildDialogs();
  const int32_t e = appopt.graf.windowSizeSelector;
  EXPECT_EQ(getItem(graf(), e, 8), "1024 x 600");
  EXPECT_EQ(getItem(graf(), e, 24), "1680 x 1050 (16:10)");
  EXPECT_EQ(getItem(graf(), e, 25), "1600 x 1200");
}

TEST_F(EngineDialogsTest, TheDisplayModesAreListedAndRelistedWithBitsAfterTheStateFiles) {
  winNullSetDisplay({1024, 768, 32}, {{800, 600, 16}, {800, 600, 32}, {1024, 768, 32}});
  fullscr.create();
  buildDialogs();
  const int32_t e = appopt.graf.i_g_lbfull;
  ASSERT_EQ(elementOf(graf(), e).Stringscount, 3);
  EXPECT_EQ(getItem(graf(), e, 2), "800 x 600, 32");
  setTopIndex(graf(), e, 3);  // as a state file restores it
  refillFullScreenModes();
  EXPECT_EQ(elementOf(graf(), e).Stringscount, 3);
  EXPECT_EQ(getItem(graf(), e, 1), "800 x 600, 16 Bit");
  EXPECT_EQ(getItem(graf(), e, 3), "1024 x 768, 32 Bit");
  EXPECT_EQ(elementOf(graf(), e).TopIndex, 3) << "the chosen mode stays chosen";
}

// [SECTION] frame rate and window buttons

TEST_F(EngineDialogsTest, FrameRateTextsHaveAtMostTwoDecimalsAndNoTrailingZeros) {
  struct Row {
    float fps;
    const char* text;
  } const rows[] = {
      {59.5f, "59.5"}, {60.0f, "60"}, {12.34f, "12.34"}, {99.999f, "100"}, {0.0f, "0"}, {0.004f, "0"},
      {250.25f, "250.25"}, {7.1f, "7.1"},
  };
  for (const Row& r : rows) EXPECT_EQ(frameRateText(r.fps), r.text) << r.fps;
}

TEST_F(EngineDialogsTest, TheRateShowsInTheOptionsDialogAndInTheOverlayWhileShowFpsIsSet) {
  buildDialogs();
  vtl.fpsSuffix = "(net)";
  vtlInfo.fps = 59.5f;
  for (bool show : {false, true}) {
    vtl.dev.showFps = show;
    showFrameRate();
    const TVTLElement& label = elementOf(vtl.overlayPanel, vtl.fpsLabel);
    EXPECT_EQ(getElementText(opt(), appopt.opt.fpsValueLabel), "59.5");
    EXPECT_EQ(getElementText(vtl.overlayPanel, vtl.fpsLabel), "FPS 59.5 (net)");
    EXPECT_EQ(label.visible, show ? 1 : 0) << "showFps " << show;
    EXPECT_EQ(label.x, 620);
    EXPECT_EQ(label.y, 0);
  }
}

TEST_F(EngineDialogsTest, TheWindowButtonsShowOnlyInAWindowAndTheResizeHandleNever) {
  buildDialogs();
  for (bool switched : {true, false}) {
    fullscr.switched = switched;
    updateScreenModeButtons();
    const uint8_t inWindow = switched ? 0 : 1;
    EXPECT_EQ(elementOf(vtl.overlayPanel, kOverlayCloseButton).visible, 1) << "switched " << switched;
    EXPECT_EQ(elementOf(vtl.overlayPanel, kOverlayMinimizeButton).visible, inWindow) << "switched " << switched;
    EXPECT_EQ(elementOf(vtl.overlayPanel, kOverlayMoveHandle).visible, inWindow) << "switched " << switched;
    EXPECT_EQ(elementOf(vtl.overlayPanel, kOverlayResizeHandle).visible, 0) << "switched " << switched;
  }
  fullscr.switched = false;
}

// [SECTION] GL selectors and information

TEST_F(EngineDialogsTest, TheContextSetUpReadsTheTestSelectorsIntoTheOptions) {
  buildDialogs();
  ASSERT_TRUE(winOpen("test", 640, 480));
  initGL();
  EXPECT_EQ(appopt.test16Bit, 1) << "\"Enabled\": the effects follow the colour depth";
  EXPECT_EQ(appopt.stencilTest, 1);
  setTopIndex(opt(), appopt.opt.glSelectors[glsTest16Bit], 2);
  setTopIndex(opt(), appopt.opt.glSelectors[glsStencil], 2);
  initGL();
  EXPECT_EQ(appopt.test16Bit, 2);
  EXPECT_EQ(appopt.stencilTest, 2);
  destroyGLContext();
}

TEST_F(EngineDialogsTest, GLInformationListsEveryValueWithACommaAfterEach) {
  EXPECT_EQ(glInfoText({24, 8, 8, 8, 8, 8, 7680}),
            "GL_DEPTH_BITS=24, GL_STENCIL_BITS=8, GL_ALPHA_BITS=8, GL_RED_BITS=8, GL_GREEN_BITS=8, "
            "GL_BLUE_BITS=8, GL_STENCIL_FAIL=7680, ");
  buildDialogs();
  showGLInfo();
  EXPECT_EQ(vtl.topDialog, vtl.noticeDialog);
  EXPECT_EQ(getElementText(vtl.noticeDialog, 1), "OpenGL Information");
  EXPECT_EQ(getElementText(vtl.noticeDialog, vtl.noticeTextElement).rfind("GL_DEPTH_BITS=", 0), 0u);
}

// [SECTION] construction and the installation files

TEST_F(EngineDialogsTest, ConstructionBuildsTheDialogsAndDrawsItsOwnFrameWhileTheOptionsAreOnTop) {
  engineCreate();
  EXPECT_EQ(appopt.di_vtlgrafik, 7);
  EXPECT_EQ(vtl.topDialog, appopt.opt.dialog);
  EXPECT_FALSE(vtl.windowBordered);
  EXPECT_EQ(getItem(graf(), appopt.graf.i_g_lbfull, 1), "1024 x 768, 32 Bit") << "relisted after the state files";
  engineDestroy();
}

TEST_F(EngineDialogsTest, TheInstallationFilesCarryFirstAndTheFirstRunLeavesSecond) {
  const std::string vitrel = programPath("\\data\\vitrel");
  std::filesystem::create_directories(vitrel);
  writeInstallationOptionFiles(vitrel);
  const std::string shipped = readFile(vitrel + "/vtlopt.dco");
  EXPECT_EQ(occurrences(shipped, "|first|"), 1u) << shipped.substr(0, 200);
  EXPECT_EQ(shipped.rfind("*|6|", 0), 0u) << "the options dialog is dialog 6";
  EXPECT_EQ(readFile(vitrel + "/vtlgraph.dco").rfind("*|7|", 0), 0u);

  // A fresh engine on a card whose memory settles the hardware test without a benchmark.
  resetEngineModel();
  winNullSetDisplay({1024, 768, 32}, {{1024, 768, 32}});
  winNullSetVideoMemory(134000000ull);
  engineCreate();
  EXPECT_EQ(getElementText(opt(), appopt.opt.folderEdit), "first");
  vtl.onCloseQuery = [] {
    vtl.exitGranted = true;
    return true;
  };
  bool tested = false, closing = false;
  setEngineEventHandler([&](uint8_t, int32_t x, int32_t) {
    if (x == evBenchDone) tested = true;
    if (x != evFrame) return;
    advanceFakeTick(50);  // plenty of frames: no slow-hardware warning
    if (vtl.firstRunCheck == -1 && !closing) {
      closing = true;
      winPostClose();
    }
  });
  runApplication();
  engineDestroy();
  EXPECT_TRUE(tested) << "the marker started the hardware test";
  EXPECT_TRUE(winNullMessageBoxes().empty());
  const std::string after = readFile(vitrel + "/vtlopt.dco");
  EXPECT_EQ(occurrences(after, "|first|"), 0u);
  EXPECT_EQ(occurrences(after, "|second|"), 1u) << "written back where it was read";
}
