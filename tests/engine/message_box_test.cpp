// Message boxes: answers and the nested wait, geometry and line breaking, boxes by number,
// the notice dialog, text dialogs, alerts in the box, caption fitting and the relayout.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <vector>

#include "engine/window_shape.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/fonts.h"
#include "engine/message_box.h"
#include "engine/modal_wait.h"
#include "engine/relayout.h"
#include "engine/text_fit.h"
#include "engine/text_width.h"
#include "engine/texts.h"
#include "platform/alert.h"
#include "platform/window.h"
#include "shell/shell_globals.h"
#include "tests/engine/engine_fixture.h"

namespace {

const char* const kFragments =
    "f_dialog_ok##OK#OK\r\n"
    "f_dialog_ja##Ja#Yes\r\n"
    "f_dialog_nein##Nein#No\r\n"
    "f_errorin##Fehler in#Error in\r\n"
    "f_unknownerror##Unbekannter Fehler#Unknown error\r\n";

const char* const kMessages =
    "mb_yesno#3#Frage %1#Wirklich %1, %2 und %2?#Question#Really?\r\n"
    "mb_ok#4#Hinweis#%4 %3 %2 %1#Note#Text\r\n";

class MessageBox : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    resetTextTables();
    std::filesystem::create_directories(folder_ / "data" / "local");
    std::ofstream(folder_ / "data" / "local" / "fragments.txt", std::ios::binary) << kFragments;
    std::ofstream(folder_ / "data" / "local" / "messages.txt", std::ios::binary) << kMessages;
    setLanguage("deutsch", 1);
    loadFragments();
    loadMessageTable();
    createMessageDialogs();
  }
  void TearDown() override {
    setNestedFrameStep(nullptr);
    resetTextTables();
    aspectState = TVTLAspect();
    screenAspect = 4.0 / 3.0;
    initFontTables();
    EngineTest::TearDown();
  }

  // What the first paint adds: the buttons, then the saved 4:3 originals.
  void completeBox() {
    addMessageBoxButtons(0);
    relayoutDialogs(true, -1, false);
  }

  // Nested frame steps that run the given actions one per step; running out ends the wait.
  void script(std::vector<std::function<void()>> steps) {
    steps_ = std::move(steps);
    next_ = 0;
    setNestedFrameStep([this] {
      if (next_ >= steps_.size()) {
        ADD_FAILURE() << "the box waited longer than the script";
        vtl.modalWait = false;
        return;
      }
      steps_[next_++]();
    });
  }
  static void press(int32_t element) { messageDialogAction(vtl.boxDialog, element); }
  static TVTLDialog& box() { return dialogOf(vtl.boxDialog); }
  static TVTLElement& boxElement(int32_t e) { return elementOf(vtl.boxDialog, e); }
  static std::string boxText() { return getElementText(vtl.boxDialog, vtl.boxTextElement); }
  static std::string boxTitle() { return getElementText(vtl.boxDialog, 1); }

  std::vector<std::function<void()>> steps_;
  size_t next_ = 0;
};

// [SECTION] the dialogs

TEST_F(MessageBox, TheConstructorsDialogsComeFirstWithTheirElements) {
  EXPECT_EQ(vtl.noticeDialog, 1);
  EXPECT_EQ(vtl.boxDialog, 2);
  EXPECT_EQ(vtl.boxTextElement, 2) << "element 1 is the title label";
  EXPECT_EQ(boxTitle(), programFileName());
  EXPECT_EQ(getElementText(vtl.noticeDialog, 1), "Fehler in " + programFileName());
  EXPECT_EQ(getElementText(vtl.noticeDialog, vtl.noticeOkButton), "!OK");
  EXPECT_EQ(vtl.boxOkButton, 0) << "the buttons come with the first paint";
  completeBox();
  EXPECT_EQ(vtl.boxYesButton, vtl.boxOkButton + 1);
  EXPECT_EQ(vtl.boxNoButton, vtl.boxOkButton + 2);
  EXPECT_EQ(getElementText(vtl.boxDialog, vtl.boxOkButton), "!Center");
  EXPECT_EQ(boxElement(vtl.boxNoButton).x, 355);
}

// [SECTION] answers

TEST_F(MessageBox, BeforeTheFirstPaintASystemBoxAnswersOk) {
  size_t before = winNullMessageBoxes().size();
  EXPECT_EQ(showMessage("Text", "Titel", kBoxYesNo), kBoxAnswerOk);
  ASSERT_EQ(winNullMessageBoxes().size(), before + 1);
  EXPECT_EQ(winNullMessageBoxes().back(), "Titel|Text");
}

TEST_F(MessageBox, ButtonsAnswerTheirCodes) {
  completeBox();
  struct Case {
    int32_t buttons;
    const char* pressName;
    int32_t* button;
    int32_t expected;
  } cases[] = {
      {kBoxYesNo, "Ja", &vtl.boxYesButton, kBoxAnswerYes},
      {kBoxYesNo, "Nein", &vtl.boxNoButton, kBoxAnswerNo},
      {kBoxOk, "OK", &vtl.boxOkButton, kBoxAnswerOk},
  };
  for (const Case& c : cases) {
    script({[&] { press(*c.button); }});
    EXPECT_EQ(showMessage("Wirklich?", "Frage", c.buttons), c.expected) << "pressed " << c.pressName;
    EXPECT_EQ(box().open, 0) << "a press closes the box";
    EXPECT_EQ(vtl.modalWait, false);
  }
}

TEST_F(MessageBox, ButtonCaptionsAndVisibilityFollowTheKind) {
  completeBox();
  script({[&] {
    EXPECT_EQ(getElementText(vtl.boxDialog, vtl.boxYesButton), "!Ja");
    EXPECT_EQ(getElementText(vtl.boxDialog, vtl.boxNoButton), "!Nein");
    EXPECT_EQ(boxElement(vtl.boxOkButton).visible, 0);
    EXPECT_EQ(boxElement(vtl.boxYesButton).visible, 1);
    press(vtl.boxYesButton);
  }});
  showMessage("Frage?", "", kBoxYesNo);

  script({[&] {
    EXPECT_EQ(getElementText(vtl.boxDialog, vtl.boxOkButton), "!Weiter");
    EXPECT_EQ(boxElement(vtl.boxOkButton).visible, 1);
    EXPECT_EQ(boxElement(vtl.boxYesButton).visible, 0);
    press(vtl.boxOkButton);
  }});
  showMessage("Ergebnis", "Spielergebnis", kBoxOk, "!Weiter");

  script({[&] {
    EXPECT_EQ(getElementText(vtl.boxDialog, vtl.boxOkButton), "!OK") << "buttons 2 keep their caption";
    press(vtl.boxOkButton);
  }});
  showMessage("Lizenz", "", kBoxOkFixed, "!Weiter");
}

TEST_F(MessageBox, AWaitThatEndsWithoutAPressAnswersNo) {
  completeBox();
  // The previous box was answered "Ja": that answer must not leak into the next box.
  script({[&] { press(vtl.boxYesButton); }});
  ASSERT_EQ(showMessage("Erste?", "", kBoxYesNo), kBoxAnswerYes);

  struct Case {
    const char* name;
    std::function<void()> step;
  } cases[] = {
      {"modalWait cleared", [] { vtl.modalWait = false; }},
      {"engine terminating", [] { vtl.engineState = esTerminating; }},
      {"box closed by other code", [] { closeDialog(vtl.boxDialog); }},
      {"a box element that is no button", [&] { press(vtl.boxTextElement + 0); closeDialog(vtl.boxDialog); }},
  };
  for (const Case& c : cases) {
    vtl.engineState = esRunning;
    script({c.step});
    EXPECT_EQ(showMessage("Zweite?", "", kBoxYesNo), kBoxAnswerNo) << c.name;
    EXPECT_EQ(vtl.boxAnswer, 0) << c.name << ": every box starts without an answer";
  }
  vtl.engineState = esRunning;
  setNestedFrameStep(nullptr);
  EXPECT_EQ(showMessage("Ohne Schritt?", "", kBoxYesNo), kBoxAnswerNo) << "no frame step can answer";
}

TEST_F(MessageBox, ABoxOpenedDuringAWaitLeavesTheWaitingBoxItsOwnAnswer) {
  completeBox();
  int32_t inner = -1;
  script({
      [&] { inner = showMessage("Innen", "Hinweis", kBoxOk); },  // the inner box's wait runs the next step
      [&] { press(vtl.boxOkButton); },
      [&] {
        EXPECT_EQ(box().open, 1) << "the waiting box is shown again";
        EXPECT_EQ(boxText(), "Außen?");
        EXPECT_EQ(boxTitle(), "Frage");
        EXPECT_EQ(boxElement(vtl.boxYesButton).visible, 1);
        EXPECT_TRUE(vtl.modalWait);
        press(vtl.boxNoButton);
      },
  });
  EXPECT_EQ(showMessage("Außen?", "Frage", kBoxYesNo), kBoxAnswerNo);
  EXPECT_EQ(inner, kBoxAnswerOk);
  EXPECT_FALSE(vtl.modalWait);
}

TEST_F(MessageBox, ClearingTheWaitFromOutsideEndsEveryWaitingBox) {
  completeBox();
  int32_t inner = -1;
  script({[&] { inner = showMessage("Innen", "", kBoxOk); }, [] { vtl.modalWait = false; }});
  EXPECT_EQ(showMessage("Außen?", "", kBoxYesNo), kBoxAnswerNo);
  EXPECT_EQ(inner, kBoxAnswerNo);
}

TEST_F(MessageBox, AFrameStepThatRaisesLeavesNoWaitBehind) {
  completeBox();
  script({[] { throw std::runtime_error("frame step failed"); }});
  EXPECT_THROW(showMessage("Erste?", "", kBoxYesNo), std::runtime_error);
  EXPECT_FALSE(vtl.modalWait) << "no box waits any more";

  // A later box must not hand the dialog back to the box whose wait was left by the failure.
  closeDialog(vtl.boxDialog);
  script({[&] { press(vtl.boxOkButton); }});
  EXPECT_EQ(showMessage("Zweite", "", kBoxOk), kBoxAnswerOk);
  EXPECT_EQ(box().open, 0) << "the box of the failed wait was shown again";
  EXPECT_FALSE(vtl.modalWait);
}

TEST_F(MessageBox, ABoxInsideAModalWaitLeavesThatWaitRunning) {
  completeBox();
  vtl.modalWait = true;  // as runModal holds it
  script({[&] { press(vtl.boxOkButton); }});
  showMessage("Hinweis", "", kBoxOk);
  EXPECT_TRUE(vtl.modalWait);
  vtl.modalWait = false;
}

TEST_F(MessageBox, KeepStackOnlyMarksTheBoxOpen) {
  completeBox();
  int32_t top = vtl.topDialog;
  script({[&] {
    EXPECT_EQ(box().open, 1);
    EXPECT_EQ(vtl.topDialog, top);
    vtl.modalWait = false;
  }});
  showMessage("Text", "", kBoxOk, "", kBoxLayoutStandard, true);
}

// [SECTION] geometry

TEST_F(MessageBox, CountingWrapCountsColumnsAndInnerLineBreaks) {
  // 4:3: textFactor 1.14 gives the text width 81 and a line of 70 columns.
  struct Case {
    std::string text;
    int32_t lines;
  } cases[] = {
      {std::string(140, 'x'), 1},
      {std::string(150, 'x'), 2},
      {"\rab\rcd\r\r", 1},  // only the CR at 4 counts: not first, not among the last two
      {"", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(boxCountLines(c.text, 81), c.lines) << c.text;
}

TEST_F(MessageBox, TheBoxSizeFollowsTheLineCountAndTheButtons) {
  completeBox();
  struct Case {
    const char* name;
    std::string text;
    int32_t buttons;
    int32_t layout;
    int32_t height, y, buttonY, textY, boxX, boxWidth, okX;
  } cases[] = {
      {"standard, no line", "kurz", kBoxOk, 0, 180, 210, 115, 60, 100, 600, 225},
      {"standard, two lines", std::string(150, 'x'), kBoxYesNo, 0, 234, 183, 169, 60, 100, 600, 225},
      {"lower OK box", "kurz", kBoxOkLow, 0, 150, 450, 97, 50, 100, 600, 225},
      {"lower, one line", std::string(100, 'x'), kBoxOkLow, 0, 177, 437, 124, 50, 100, 600, 225},
      {"odd layout acts as standard", "kurz", kBoxOk, 7, 180, 210, 115, 60, 100, 600, 225},
      {"side box", "kurz", kBoxOk, 100, 120, 480, 57, 15, 370, 420, 125},
      {"meld result", "kurz", kBoxOk, -77, 170, 430, 105, 60, 100, 600, 225},
  };
  for (const Case& c : cases) {
    script({[&] { press(vtl.boxOkButton); press(vtl.boxYesButton); }});
    showMessage(c.text, "Titel", c.buttons, "", c.layout);
    SCOPED_TRACE(c.name);
    EXPECT_EQ(box().height, c.height);
    EXPECT_EQ(box().y, c.y);
    EXPECT_EQ(boxElement(vtl.boxOkButton).y, c.buttonY);
    EXPECT_EQ(boxElement(vtl.boxNoButton).y, c.buttonY);
    EXPECT_EQ(boxElement(vtl.boxTextElement).y, c.textY);
    EXPECT_EQ(box().x, c.boxX) << "the relayout turns the 4:3 values into the live ones";
    EXPECT_EQ(box().width, c.boxWidth);
    EXPECT_EQ(boxElement(vtl.boxOkButton).x, c.okX);
  }
}

TEST_F(MessageBox, TitlesComeFromTheCaptionOrStay) {
  completeBox();
  script({[&] { press(vtl.boxOkButton); }, [&] { press(vtl.boxOkButton); }, [&] { press(vtl.boxOkButton); }});
  showMessage("a", "Erster Titel", kBoxOk);
  showMessage("ACHTUNG! b", "", kBoxOk);
  EXPECT_EQ(boxTitle(), "Erster Titel") << "an empty caption keeps the title";
  showMessage("c", "Titel", kBoxOk, "", kBoxLayoutSide);
  EXPECT_EQ(boxTitle(), "") << "the side box has no title";
}

TEST_F(MessageBox, LongTextsGoThroughTheStringContainer) {
  completeBox();
  std::string text(200, 'y');
  script({[&] {
    EXPECT_EQ(boxText(), text);
    press(vtl.boxOkButton);
  }});
  showMessage(text, "", kBoxOk);
}

// [SECTION] measured wrap

class MeasuredWrap : public MessageBox {
 protected:
  // Widths that put about 75 characters on a line of the standard box.
  void SetUp() override {
    MessageBox::SetUp();
    setWidths(100);
    setWidths(int16_t(100 / measure()));
    charWidth = measure();
  }
  static void setWidths(int16_t w) {
    for (int c = 0; c < 256; c++) fontSlots[2].widths[c] = w;
  }
  static float measure() {
    currentFont = 2;
    float w = textWidth("x", false) * 2;
    currentFont = 0;
    return w;
  }
  // The position (1-based) at which a text of equal characters first overflows width w.
  int overflowAt(int32_t w) const {
    float run = 0.0f;
    for (int i = 1;; i++) {
      run += charWidth;
      if (run > w - 5) return i;
    }
  }
  float charWidth = 0.0f;
};

TEST_F(MeasuredWrap, BreaksAtTheLastBlankBeforeTheOverflow) {
  ASSERT_GT(charWidth, 0.0f);
  const int at = overflowAt(81);
  std::string text = std::string(at - 10, 'a') + " " + std::string(40, 'b');
  int32_t lines = -1;
  std::string broken = boxBreakLines(text, 81, lines);
  std::string expected = text;
  expected[at - 10] = '\r';
  EXPECT_EQ(broken, expected);
  EXPECT_EQ(lines, 1);
  EXPECT_EQ(currentFont, 0) << "the font is restored";
}

TEST_F(MeasuredWrap, CutsAWordLongerThan64CharactersSixtyFiveBack) {
  const int at = overflowAt(81);
  ASSERT_GT(at, 66) << "the font must fit more than 65 characters on a line for this case";
  std::string text = "x " + std::string(at + 3, 'w');
  int32_t lines = -1;
  std::string broken = boxBreakLines(text, 81, lines);
  std::string expected = text;
  expected[at - 65 - 1] = '\r';
  EXPECT_EQ(broken, expected);
  EXPECT_EQ(lines, 1);
}

TEST_F(MeasuredWrap, BreakMarksBreakOnlyInResultBoxes) {
  completeBox();
  script({[&] { press(vtl.boxOkButton); }, [&] { press(vtl.boxOkButton); }});
  showMessage("Gewinner@Verlierer", "", kBoxOk, "", kBoxLayoutResult);
  EXPECT_EQ(boxText(), "Gewinner\rVerlierer");
  showMessage("Gewinner@Verlierer", "", kBoxOk, "", kBoxLayoutStandard);
  EXPECT_EQ(boxText(), "Gewinner@Verlierer");
}

// [SECTION] boxes of the message table

TEST_F(MessageBox, BoxesByNumberFillTheirMarksOnce) {
  completeBox();
  struct Case {
    int32_t id;
    const char* p1;
    const char* p2;
    const char* text;
    const char* title;
    bool yesNo;
  } cases[] = {
      {3, "A", "B", "Wirklich A, B und %2?", "Frage A", true},
      {3, "%2", "B", "Wirklich %2, B und %2?", "Frage %2", true},  // a value's own mark stays
      {4, "1", "2", "  2 1", "Hinweis", false},
      {99, "x", "", "", "", false},
  };
  for (const Case& c : cases) {
    script({[&] {
      EXPECT_EQ(boxText(), c.text) << "message " << c.id;
      if (c.title[0] != 0) {
        EXPECT_EQ(boxTitle(), c.title) << "message " << c.id;
      }
      EXPECT_EQ(boxElement(vtl.boxYesButton).visible, c.yesNo ? 1 : 0) << "message " << c.id;
      press(c.yesNo ? vtl.boxYesButton : vtl.boxOkButton);
    }});
    EXPECT_EQ(showMessageById(c.id, c.p1, c.p2), c.yesNo ? kBoxAnswerYes : kBoxAnswerOk);
  }
}

// [SECTION] notices and text dialogs

TEST_F(MessageBox, NoticesAreSizedByTheirLengthAndClosedByOk) {
  showError(std::string(94, 'e'));
  TVTLDialog& notice = dialogOf(vtl.noticeDialog);
  EXPECT_EQ(notice.height, 184);
  EXPECT_EQ(notice.y, 208);
  EXPECT_EQ(elementOf(vtl.noticeDialog, vtl.noticeOkButton).y, 139);
  EXPECT_EQ(notice.open, 1);
  EXPECT_EQ(getElementText(vtl.noticeDialog, 1), "Fehler in " + programFileName()) << "no title: kept";
  EXPECT_TRUE(messageDialogAction(vtl.noticeDialog, vtl.noticeOkButton));
  EXPECT_EQ(notice.open, 0);

  showException(std::runtime_error("kaputt"), "OpenGL Information");
  EXPECT_EQ(getElementText(vtl.noticeDialog, 1), "OpenGL Information");
  EXPECT_EQ(getElementText(vtl.noticeDialog, vtl.noticeTextElement), "kaputt");
  EXPECT_EQ(notice.height, 140);
}

TEST_F(MessageBox, ATextDialogIsSizedToItsLines) {
  int32_t d = createDialog(0, 0, 300, 200, true, "Meldung", false, 0, 1.0f);
  int32_t label = addElement(ekLabel, 0, 0, "", 40, 2, 0.0f, 1.0f);
  int32_t button = addElement(ekButton, 0, 0, "!OK", 120, 32, 0.0f, 1.0f);
  dlgMessage = d;
  EXPECT_EQ(fillTextDialog(d, label, std::string(50, 'z') + "\rEnde", false), 0);
  TVTLDialog& dlg = dialogOf(d);
  // 43 columns wrap once, the CR once: two lines.
  EXPECT_EQ(dlg.height, 169);
  EXPECT_EQ(dlg.y, 430);
  EXPECT_EQ(dlg.x, 370);
  EXPECT_EQ(dlg.width, 420);
  EXPECT_EQ(elementOf(d, label).y, 23);
  EXPECT_EQ(elementOf(d, label).width, 48);
  EXPECT_EQ(elementOf(d, button).y, 111);
  EXPECT_EQ(elementOf(d, button).x, 125);
  EXPECT_EQ(elementOf(d, button).savedX, 180) << "the main window's message dialog";
  EXPECT_EQ(dlg.open, 1);
  dlgMessage = 0;
}

// [SECTION] alerts

TEST_F(MessageBox, AlertsShowInTheBoxWithAnEmptyCaption) {
  completeBox();
  AlertSink previous = setAlertSink(nullptr);
  installMessageBoxAlertSink();
  std::string shown;
  script({[&] {
    shown = boxText();
    EXPECT_EQ(boxTitle(), programFileName());
    press(vtl.boxOkButton);
  }});
  showAlert("ACHTUNG! handaddk: Fehler bei Bereichsüberprüfung");
  setAlertSink(previous);
  EXPECT_EQ(shown, "ACHTUNG! handaddk: Fehler bei Bereichsüberprüfung");
}

// [SECTION] caption fitting

TEST_F(MessageBox, CaptionsShrinkUntilTheyFit) {
  for (int c = 0; c < 256; c++) fontSlots[2].widths[c] = 100;
  int32_t d = createDialog(0, 0, 300, 200, true, "", false, 0, 1.0f);
  int32_t e = addElement(ekButton, 0, 0, "Ein langer Knopftext", 140, 36, 0.0f, 1.0f);
  TVTLElement& el = elementOf(d, e);
  currentFont = 2;
  const float width = textWidth("Ein langer Knopftext", false) * 17;
  currentFont = 0;

  el.savedWidth = int32_t(width * 2);  // fits at 1.35 already
  fitElementText(d, e, 0, 1.35f, 0.5f);
  EXPECT_FLOAT_EQ(el.textScale, 1.35f);

  el.savedWidth = int32_t(width * 0.8f);
  fitElementText(d, e, 1, 1.35f, 0.5f);
  EXPECT_LE(el.textScale * width, float(el.savedWidth)) << "scale " << el.textScale;
  EXPECT_GT((el.textScale + 0.03f) * width, float(el.savedWidth));

  el.savedWidth = 1;
  fitElementText(d, e, 1, 1.4f, 1.05f);
  EXPECT_NEAR(el.textScale, 1.04f, 1e-4) << "one step below the minimum";

  el.textScale = 0.7f;
  fitElementText(d, e, 2, 1.35f, 0.5f);
  EXPECT_FLOAT_EQ(el.textScale, 0.7f) << "mode 2 changes nothing";
  EXPECT_EQ(currentFont, 0);
}

// [SECTION] relayout

TEST_F(MessageBox, WideClassesMoveTheBoxToTheRightEdgeAndCentreOthers) {
  completeBox();
  int32_t centredDialog = createDialog(100, 100, 600, 300, true, "", false, 0, 1.0f);
  int32_t leftDialog = createDialog(10, 100, 200, 300, true, "", false, 0, 1.0f);
  relayoutDialogs(true, -1, false);
  aspectState.aspect43 = false;
  aspectState.aspect169 = true;
  screenAspect = 16.0 / 9.0;

  relayoutAllDialogs();
  EXPECT_EQ(dialogOf(centredDialog).width, 450);
  EXPECT_EQ(dialogOf(centredDialog).x, 173);
  EXPECT_EQ(dialogOf(leftDialog).width, 165);
  EXPECT_EQ(dialogOf(leftDialog).x, 10);

  script({[&] { press(vtl.boxOkButton); }});
  showMessage("Seite", "", kBoxOk, "", kBoxLayoutSide);
  EXPECT_EQ(box().width, 315);
  EXPECT_EQ(box().x, 807 - 315);

  aspectState = TVTLAspect();
  screenAspect = 4.0 / 3.0;
  relayoutAllDialogs();
  EXPECT_EQ(dialogOf(centredDialog).x, 100) << "back at the 4:3 originals";
  EXPECT_EQ(dialogOf(centredDialog).width, 600);
}

TEST_F(MessageBox, WithoutSavedOriginalsTheRelayoutChangesNothing) {
  int32_t d = createDialog(100, 100, 600, 300, true, "", false, 0, 1.0f);
  aspectState.aspect43 = false;
  aspectState.aspect169 = true;
  screenAspect = 16.0 / 9.0;
  relayoutAllDialogs();
  EXPECT_EQ(dialogOf(d).width, 600);
  aspectState = TVTLAspect();
  screenAspect = 4.0 / 3.0;
}

}  // namespace
