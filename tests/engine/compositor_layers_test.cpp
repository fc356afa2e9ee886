// The compositor's decisions without GL: the three layers and their order, which dialogs and
// elements are drawn, what each element is handed (position, alpha, look, font), backgrounds
// by window style, glow frames, the caret blink, the help delay and the wide projection.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/compositor.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/window_layout.h"
#include "tests/engine/engine_fixture.h"

namespace {
std::string list(const std::vector<int32_t>& v) {
  std::string s;
  for (int32_t d : v) s += (s.empty() ? "" : " ") + std::to_string(d);
  return s;
}

void setShown(int32_t d, bool shown) {
  TVTLAnimation& a = vtl.diags[d].showAnim;
  a = TVTLAnimation{uint8_t(shown), uint8_t(shown), kAnimationMs, 0, 0, shown ? 1.0f : 0.0f};
}

void setHiding(int32_t d) {
  TVTLAnimation& a = vtl.diags[d].showAnim;
  a = TVTLAnimation{0, 0, kAnimationMs, 0, 2, 0.5f};
}

// Dialogs laid out as the engine builds its own, plus the program's: 1 notice (popup),
// 2 message box (popup), 3 "#firstpanel", 4 help line, 5 overlay panel, 6 options (popup),
// 7 a program dialog, 8 a program popup.
class CompositorLayers : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    createDialog(100, 200, 600, 190, true, "Fehler", true, 0, 1.0f);
    vtl.boxDialog = createDialog(100, 200, 600, 190, true, "skat", false, 10, 1.8f);
    createDialog(0, 0, 0, 0, false, "#firstpanel", false, 0, 1.0f);
    createDialog(4, 6, 680, 160, false, "", true, 0, 1.0f);
    vtl.overlayPanel = createDialog(0, 0, 0, 0, false, "", true, 0, 1.0f);
    createDialog(50, 50, 700, 500, true, "Vitrelon - Einstellungen", true, 0, 1.0f);
    createDialog(100, 100, 300, 200, false, "Spiel", true, 0, 1.0f);
    createDialog(200, 150, 400, 300, true, "Frage", true, 0, 1.0f);
    for (int32_t d = 1; d <= 8; d++) {
      vtl.diags[d].open = 1;
      setShown(d, true);
    }
    vtl.topDialog = 8;
  }
  void TearDown() override {
    resetWindowLayout();
    EngineTest::TearDown();
  }
};
}  // namespace

TEST_F(CompositorLayers, EachPassDrawsItsDialogsInAscendingNumber) {
  // Popups that lost the top position have faded out; the top popup is drawn.
  for (int32_t d : {1, 2, 6}) setShown(d, false);
  EXPECT_EQ(list(dialogsOfPass(1)), "4 5 7") << "normal dialogs; the info dialog too, its popup flag is clear";
  EXPECT_EQ(list(dialogsOfPass(2)), "8");
  EXPECT_EQ(list(dialogsOfPass(3)), "3 5") << "the info dialog and dialog 3, whatever its flags";
  // A popup still fading out keeps its place below the top one.
  setHiding(6);
  EXPECT_EQ(list(dialogsOfPass(2)), "6 8");
  // Dialog 3 stays in the last pass even as a popup; the info dialog never joins pass 2.
  vtl.diags[3].popup = 1;
  vtl.diags[5].popup = 1;
  EXPECT_EQ(list(dialogsOfPass(1)), "4 7");
  EXPECT_EQ(list(dialogsOfPass(2)), "6 8");
  EXPECT_EQ(list(dialogsOfPass(3)), "3 5");
}

TEST_F(CompositorLayers, WhichDialogsAreDrawn) {
  struct Case {
    const char* what;
    const char* title;
    bool popup, top, open;
    int32_t anim;  // 0 hidden and idle, 1 shown, 2 fading out
    bool drawn;
  };
  const Case cases[] = {
      {"open and shown", "Spiel", false, false, true, 1, true},
      {"open, first frame before its fade-in", "Spiel", false, false, true, 0, true},
      {"closed and faded out", "Spiel", false, false, false, 0, false},
      {"closed, still fading out", "Spiel", false, false, false, 2, true},
      {"titled exactly #, open", "#", false, false, true, 0, false},
      {"titled exactly #, fading out", "#", false, false, false, 2, true},
      {"title beginning with #", "#ipanel", false, false, true, 0, true},
      {"popup on top", "Frage", true, true, true, 0, true},
      {"popup not on top, faded out", "Frage", true, false, true, 0, false},
      {"popup not on top, fading out", "Frage", true, false, true, 2, true},
  };
  const int32_t d = 7;
  for (const Case& c : cases) {
    vtl.diags[d].title = c.title;
    vtl.diags[d].popup = c.popup;
    vtl.diags[d].open = c.open;
    vtl.topDialog = c.top ? d : 8;
    if (c.anim == 2)
      setHiding(d);
    else
      setShown(d, c.anim == 1);
    EXPECT_EQ(dialogDrawnNow(d), c.drawn) << c.what;
  }
}

TEST_F(CompositorLayers, DialogColourAndBackgroundByWindowStyle) {
  vtl.topDialog = 8;
  appopt.frameColours[1] = {0.1f, 0.2f, 0.3f, 0.4f};
  appopt.frameColours[2] = {0.5f, 0.6f, 0.7f, 0.8f};
  EXPECT_FLOAT_EQ(dialogFrameColour(8).r, 0.5f) << "the top popup";
  EXPECT_FLOAT_EQ(dialogFrameColour(7).r, 0.5f) << "a dialog without the popup flag";
  EXPECT_FLOAT_EQ(dialogFrameColour(6).r, 0.1f) << "a popup below the top";

  struct Case {
    int32_t style;
    int16_t backPicture, panelLevel;
    TVTLBackgroundKind kind;
  };
  const Case cases[] = {
      {4, -1, 10, bgSkin},         {4, 0, 0, bgSkin},          {1, -1, 10, bgSkinnedPanel},
      {3, 0, 10, bgCurvedPanel},   {2, 0, 10, bgRoundedFrame}, {2, 77, 10, bgRoundedFrame},
      {1, 0, 10, bgPlain},         {3, 0, 0, bgPlain},         {1, 77, 0, bgTexture},
  };
  for (const Case& c : cases) {
    TVTLDialog& dialog = vtl.diags[7];
    dialog.backPicture = c.backPicture;
    dialog.panelLevel = c.panelLevel;
    EXPECT_EQ(dialogBackgroundKind(dialog, c.style), c.kind)
        << "style " << c.style << ", backPicture " << c.backPicture << ", panelLevel " << c.panelLevel;
  }
  // Only the message box under window style 4 passes its number negated.
  EXPECT_EQ(backgroundDialogNumber(vtl.boxDialog, 4), -vtl.boxDialog);
  EXPECT_EQ(backgroundDialogNumber(vtl.boxDialog, 2), vtl.boxDialog);
  EXPECT_EQ(backgroundDialogNumber(7, 4), 7);
}

TEST_F(CompositorLayers, GlowFrameAroundADialog) {
  TVTLDialog& dialog = vtl.diags[7];
  TVTLGlowRect g = dialogGlowRect(dialog);
  EXPECT_TRUE(g.drawn);
  EXPECT_TRUE(g.inner) << "a title gets the title-bar band";
  EXPECT_EQ(g.x, 100);
  EXPECT_EQ(g.width, 308);  // nearest(300 * 1.008) + 6
  EXPECT_EQ(g.height, 202);
  dialog.title = "#ipanel";
  EXPECT_FALSE(dialogGlowRect(dialog).inner);
  dialog.title = "";
  EXPECT_FALSE(dialogGlowRect(dialog).inner);
  EXPECT_FALSE(dialogGlowRect(vtl.diags[5]).drawn) << "the overlay panel has no size";
  dialog.glowFrame = 0;
  EXPECT_FALSE(dialogGlowRect(dialog).drawn);
}

TEST_F(CompositorLayers, ElementsTheWalkLeavesOut) {
  setCurrentDialog(7);
  const int32_t under = addSimpleElement(ekPicture, 10, 10, "_");
  const int32_t hiddenText = addSimpleElement(ekHiddenText, 10, 40, "x");
  const int32_t label = addSimpleElement(ekLabel, 10, 70, "Text");
  const int32_t group = addElement(ekGroupBox, 10, 100, "Gruppe", 200, 100, 0, 1.0f);
  TVTLDialog& dialog = vtl.diags[7];
  EXPECT_TRUE(elementSkipped(dialog.elements[under])) << "caption \"_\" is never drawn";
  EXPECT_TRUE(elementSkipped(dialog.elements[hiddenText]));
  EXPECT_FALSE(elementSkipped(dialog.elements[label]));
  TVTLElement& el = dialog.elements[label];
  el.visible = 0;
  el.showAnim.state = 2;
  EXPECT_FALSE(elementSkipped(el)) << "fading out";
  el.showAnim = TVTLAnimation{0, 0, kAnimationMs, 0, 0, 0.0f};
  EXPECT_TRUE(elementSkipped(el)) << "faded out";
  EXPECT_TRUE(elementInSubPass(dialog.elements[group], 1));
  EXPECT_FALSE(elementInSubPass(dialog.elements[group], 2));
  EXPECT_TRUE(elementInSubPass(el, 2)) << "contents after their frames";
}

TEST_F(CompositorLayers, WhatEachElementIsHanded) {
  setCurrentDialog(7);
  const int32_t button = addSimpleElement(ekButton, 20, 30, "!OK");
  const int32_t label = addSimpleElement(ekLabel, 20, 60, "Beschriftung");
  const int32_t edit = addSimpleElement(ekEdit, 20, 90, "abc");
  setCurrentDialog(6);
  const int32_t popupButton = addSimpleElement(ekPicture, 20, 30, "!Zurück");
  struct Case {
    const char* what;
    int32_t dialog, element;
    int16_t lookState;
    uint8_t enabled;
    float alpha;
    int32_t look, textLook;
  };
  const Case cases[] = {
      {"normal button", 7, button, 0, 1, 1.0f, 0, 0},
      {"hovered button: plain picture, lit caption", 7, button, 1, 1, 1.0f, 0, 1},
      {"pressed button", 7, button, 2, 1, 1.0f, 2, 2},
      {"hovered label", 7, label, 1, 1, 1.0f, 1, 1},
      {"disabled: half alpha, disabled look", 7, button, 1, 0, 0.5f, 3, 3},
      {"popup below the top: disabled look at full alpha", 6, popupButton, 0, 1, 1.0f, 3, 3},
  };
  for (const Case& c : cases) {
    TVTLElement& el = vtl.diags[c.dialog].elements[c.element];
    el.look = c.lookState;
    el.enabled = c.enabled;
    const TElementPlace p = elementPlace(c.dialog, c.element, 0);
    EXPECT_FLOAT_EQ(p.alpha, c.alpha) << c.what;
    EXPECT_EQ(p.look, c.look) << c.what;
    EXPECT_EQ(p.textLook, c.textLook) << c.what;
    EXPECT_EQ(el.look, c.lookState) << c.what << ": the record keeps its state";
  }
  // Position with the dialog's slide; the caption as the element holds it.
  const TElementPlace p = elementPlace(7, label, 25);
  EXPECT_FLOAT_EQ(p.x, 100 + 25 + 20);
  EXPECT_FLOAT_EQ(p.y, 100 + 60);
  EXPECT_EQ(p.caption, "Beschriftung");
  // The keyboard focus lights its element while keyboard navigation is on.
  vtl.diags[7].elements[edit].look = 0;
  vtl.focusDialog = 7;
  vtl.focusElement = edit;
  elementPlace(7, edit, 0);
  EXPECT_EQ(vtl.diags[7].elements[edit].look, 0) << "navigation off";
  vtl.keyboardNavigation = true;
  EXPECT_EQ(elementPlace(7, edit, 0).look, 1);
  EXPECT_EQ(vtl.diags[7].elements[edit].look, 1);
}

TEST_F(CompositorLayers, FontsByKind) {
  setCurrentDialog(7);  // element 1 is the title label "Spiel"
  const int32_t button = addSimpleElement(ekButton, 20, 30, "!OK");
  const int32_t group = addElement(ekGroupBox, 10, 100, "Gruppe", 200, 100, 0, 1.0f);
  const int32_t edit = addSimpleElement(ekEdit, 20, 90, "abc");
  TVTLDialog& dialog = vtl.diags[7];
  dialog.elements[1].textScale = 1.8f;
  EXPECT_EQ(elementFont(1, dialog.elements[1]), 0);
  dialog.elements[1].textScale = 0.9f;
  EXPECT_EQ(elementFont(1, dialog.elements[1]), 2);
  EXPECT_EQ(elementFont(button, dialog.elements[button]), 3);
  EXPECT_EQ(elementFont(group, dialog.elements[group]), 0);
  EXPECT_EQ(elementFont(edit, dialog.elements[edit]), 2);
}

TEST_F(CompositorLayers, CaretIsOn500MsAndOff300Ms) {
  vtl.caretOn = 1;
  vtl.caretClock = 0;
  vtl.caretLast = 1000;
  struct Step {
    uint32_t now;
    uint8_t on;
  };
  const Step steps[] = {{1500, 1}, {1501, 0}, {1801, 0}, {1802, 1}, {2302, 1}, {2303, 0}};
  for (const Step& s : steps) {
    advanceCaretBlink(s.now);
    EXPECT_EQ(vtl.caretOn, s.on) << "at " << s.now;
  }
  // The first frame after a long pause flips once and starts the next phase afresh.
  advanceCaretBlink(2303 + 0x90000000u);
  EXPECT_EQ(vtl.caretOn, 1);
  EXPECT_EQ(vtl.caretClock, 0);
}

TEST_F(CompositorLayers, HelpDelayRunsWhileAHelpElementStaysHovered) {
  advanceHelpDelay(1000);
  EXPECT_EQ(vtl.hoverStart, 0u) << "nothing hovered in the frame before";
  vtl.hoverSeen = 12;  // a look saw its hovered help element
  advanceHelpDelay(1020);
  EXPECT_EQ(vtl.hoverStart, 1020u);
  EXPECT_EQ(vtl.hoverSeen, 0);
  vtl.hoverSeen = 12;
  advanceHelpDelay(2600);
  EXPECT_EQ(vtl.hoverStart, 1020u) << "still running";
  advanceHelpDelay(2620);  // one frame without the hovered element restarts it
  EXPECT_EQ(vtl.hoverStart, 0u);
}

TEST_F(CompositorLayers, WideProjection) {
  struct Case {
    int32_t width;
    double aspect;
    int32_t x, viewWidth;
  };
  const Case cases[] = {{1366, 16.0 / 9.0, -228, 1821}, {1280, 1.6, -128, 1536}, {1024, 4.0 / 3.0, 0, 1024}};
  for (const Case& c : cases) {
    const TVTLWideViewport v = wideViewport(c.width, c.aspect);
    EXPECT_EQ(v.x, c.x) << c.width << " at " << c.aspect;
    EXPECT_EQ(v.width, c.viewWidth) << c.width << " at " << c.aspect;
  }
  // At 16:9 the overlay runs with its own text factor and the table camera's pick flag.
  classifyAspect(1366, 768);
  setViewportValues(1366, 768, 768, false, false);
  ASSERT_TRUE(wideProjectionClass());
  vtl.textFactor = 1.18f;
  setWideProjection();
  EXPECT_NEAR(vtl.textFactor, 1.18 / 0.75 / (16.0 / 9.0) * 0.98, 1e-5);
  EXPECT_TRUE(scenePickFlag);
  setWideViewport();
  EXPECT_FLOAT_EQ(vtl.textFactor, 1.18f);
  EXPECT_FALSE(scenePickFlag);
  // 4:3 and 5:4 change nothing.
  for (const auto& size : {std::pair{1024, 768}, std::pair{1280, 1024}}) {
    classifyAspect(size.first, size.second);
    setViewportValues(size.first, size.second, 1024, false, false);
    vtl.textFactor = 1.14f;
    setWideProjection();
    EXPECT_FLOAT_EQ(vtl.textFactor, 1.14f) << size.first;
    EXPECT_FALSE(scenePickFlag) << size.first;
    setWideViewport();
    EXPECT_FLOAT_EQ(vtl.textFactor, 1.14f) << size.first;
  }
}
