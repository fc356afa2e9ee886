// say's bubble: the text in the seat's speech bubble element, the timed bubble state, its
// duration and the keep flag.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/cg.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_form.h"
#include "engine/engine_services.h"
#include "engine/texts.h"
#include "platform/tick.h"
#include "shell/env_param.h"
#include "shell/game_dialogs.h"
#include "sound/speech.h"

namespace {

class SpeechTest : public ::testing::Test {
 protected:
  void SetUp() override {
    resetEngineModel();
    cg.gs = TGameState{};
    cg.gameId = gidSkat;
    envParam.bubbleTime = 1530;
    dlgIPanel = createDialog(0, 0, 800, 600, false, "#ipanel", false, 0, 1.0f);
    for (int s = 1; s <= 3; s++) elSpeechBubble[s] = addSimpleElement(1, 10 * s, 10, "");
    setTraceListener([this](std::string_view t) { traces.emplace_back(t); });
  }
  void TearDown() override {
    setTraceListener({});
    textTables.fastMode = false;
    for (int s = 1; s <= 3; s++) elSpeechBubble[s] = 0;
    dlgIPanel = 0;
    cg.gs = TGameState{};
    cg.gameId = gidNone;
    envParam = TEnvParam{};
    resetEngineModel();
  }
  bool traced(const std::string& part) const {
    for (const std::string& t : traces)
      if (t.find(part) != std::string::npos) return true;
    return false;
  }
  std::vector<std::string> traces;
};

TEST_F(SpeechTest, BubbleShowsTheTextForTheBubbleTime) {
  struct Case {
    int seat;
    bool keep;
  } cases[] = {{2, false}, {3, true}, {1, false}};
  for (const Case& c : cases) {
    const uint32_t before = getTickCount();
    say("Achtzehn", c.seat, 0, c.keep);
    const int32_t el = elSpeechBubble[c.seat];
    EXPECT_EQ(getElementText(dlgIPanel, el), "?Achtzehn") << c.seat;
    EXPECT_TRUE(isElementVisible(dlgIPanel, el)) << c.seat;
    EXPECT_EQ(cg.gs.bubbleState[c.seat], 3) << c.seat;
    const TBubbleEntry& b = cg.gs.bubbles[c.seat];
    EXPECT_EQ(b.duration, 1530) << c.seat;
    EXPECT_EQ(b.dialog, dlgIPanel) << c.seat;
    EXPECT_EQ(b.element, c.keep ? 0 : el) << "keep: the tick leaves the bubble shown";
    EXPECT_LE(b.startTick - before, 1000u) << "started now";
  }
  EXPECT_EQ(cg.gs.commentCount, 3);
  EXPECT_FALSE(traced("not available")) << "kind 0 speaks nothing";
}

TEST_F(SpeechTest, EmptyTextLeavesTheMarkAndSeatZeroOnlyHolds) {
  say("", 2, 0, false);
  EXPECT_EQ(getElementText(dlgIPanel, elSpeechBubble[2]), "?");
  say("warten..", 0, 0, false);
  EXPECT_EQ(cg.gs.bubbleState[0], 3) << "the game waits out the bubble time";
  EXPECT_EQ(cg.gs.bubbles[0].element, 0) << "seat 0 has no bubble to hide";
  for (int s : {1, 3}) EXPECT_EQ(getElementText(dlgIPanel, elSpeechBubble[s]), "") << s;
}

TEST_F(SpeechTest, ANewTextReplacesTheShownBubble) {
  say("Achtzehn", 2, 0, false);
  say("Zwanzig", 2, 0, false);
  EXPECT_EQ(getElementText(dlgIPanel, elSpeechBubble[2]), "?Zwanzig");
  EXPECT_TRUE(isElementVisible(dlgIPanel, elSpeechBubble[2]));
  EXPECT_EQ(cg.gs.bubbleState[2], 3);
}

TEST_F(SpeechTest, FastSimulationShowsNothing) {
  textTables.fastMode = true;
  say("Passe", 2, 0, false);
  EXPECT_EQ(getElementText(dlgIPanel, elSpeechBubble[2]), "");
  EXPECT_EQ(cg.gs.bubbleState[2], 0);
}

TEST_F(SpeechTest, WithoutADeviceTheBubbleShowsAtOnce) {
  say("Passe", 2, 1, false);
  EXPECT_EQ(getElementText(dlgIPanel, elSpeechBubble[2]), "?Passe");
  EXPECT_EQ(cg.gs.bubbleState[2], 3);
  EXPECT_FALSE(traced("not available"));
}

}  // namespace
