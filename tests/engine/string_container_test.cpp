// The string container, element item strings, and the small engine services beside them.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "engine/dialogs.h"
#include "engine/engine_options.h"
#include "engine/engine_services.h"
#include "engine/modal_wait.h"
#include "engine/string_container.h"
#include "platform/errors.h"
#include "platform/tick.h"
#include "tests/engine/engine_fixture.h"
#include "tests/support/alerts.h"

namespace {

class StringContainerTest : public EngineTest {};

TEST_F(StringContainerTest, ReserveAndStore) {
  EXPECT_EQ(reserveStringHandles(3), 3);
  for (int h = 0; h <= 3; ++h) EXPECT_EQ(getContainerString(h), "") << "handle " << h;
  EXPECT_EQ(vtl.strings.slotCount, 0);
  setContainerString(2, "eins");
  setContainerString(2, "zwei");
  EXPECT_EQ(vtl.strings.slotCount, 1) << "storing twice under one handle uses one slot";
  setContainerString(1, "drei");
  EXPECT_EQ(vtl.strings.handleTable[1], 2) << "a new handle takes the next slot";
  EXPECT_EQ(getContainerString(2), "zwei");
  EXPECT_EQ(reserveStringHandles(0), 4);
}

TEST_F(StringContainerTest, HandleZeroAndOutOfRange) {
  reserveStringHandles(1);
  setContainerString(0, "unsichtbar");
  EXPECT_EQ(getContainerString(0), "") << "handle 0 always reads empty";
  EXPECT_THROW(getContainerString(2), ERangeError);
  EXPECT_THROW(setContainerString(-1, "x"), ERangeError);
}

TEST_F(StringContainerTest, TextsAreCutTo255) {
  reserveStringHandles(1);
  setContainerString(1, std::string(300, 'x'));
  EXPECT_EQ(getContainerString(1).size(), 255u);
}

// An element with handleBase 40 and 10 item slots, as the edge cases describe it.
class ItemStringTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    createDialog(0, 0, 100, 100, true, "", false, 0, 1.0f);
    addSimpleElement(ekLabel, 0, 0, "");
    reserveStringHandles(40);
    TVTLElement& el = elementOf(1, 1);
    el.handleBase = 40;
    el.itemSlots = 10;
    el.highlight = 0;
  }
};

TEST_F(ItemStringTest, HandlesOfItems) {
  struct Case {
    bool highlight;
    int32_t dialog, item, handle;
  } cases[] = {{false, 1, 3, 37}, {false, 1001, 3, 36}, {true, 1, 3, 34}, {true, 1001, 3, 33}, {false, 1, 0, 40}};
  for (const Case& c : cases) {
    elementOf(1, 1).highlight = c.highlight;
    setContainerString(c.handle, "h" + std::to_string(c.handle));
    EXPECT_EQ(getItemString(c.dialog, 1, c.item), "h" + std::to_string(c.handle))
        << "dialog " << c.dialog << " item " << c.item << " highlight " << c.highlight;
    setItemString("neu", c.dialog, 1, c.item);
    EXPECT_EQ(getContainerString(c.handle), "neu");
  }
}

TEST_F(ItemStringTest, InvalidItems) {
  EXPECT_EQ(getItemString(1, 1, 11), kInvalidConpointer);
  EXPECT_EQ(getItemString(1, 1, -1), kInvalidConpointer);
  EXPECT_EQ(getItemString(1, 1, 11, 20), "_vtl-stringcontainer") << "cut to the maximum length";
  EXPECT_EQ(getItemString(1001, 1, 10), kInvalidConpointer) << "the second string of the last item";
  AlertCollector alerts;
  setItemString("x", 1, 1, 11);
  ASSERT_EQ(alerts.count(), 1u);
  EXPECT_EQ(alerts.texts()[0], "VTLStringContainer Error: \rOverflow at d1.e1.i40");
  setItemString("x", 1001, 1, 10);
  EXPECT_EQ(alerts.texts()[1], "VTLStringContainer Error: \rOverflow at d1.e1.i40") << "the dialog without the 1000";
  EXPECT_THROW(getItemString(1, 139, 0), ERangeError);
}

TEST_F(ItemStringTest, HandleBaseOutsideContainer) {
  elementOf(1, 1).handleBase = vtl.strings.handleCount;
  EXPECT_EQ(getItemString(1, 1, 0), kInvalidConpointer);
}

// [SECTION] modal wait

class ModalWaitTest : public EngineTest {
 protected:
  void TearDown() override {
    setNestedFrameStep(nullptr);
    EngineTest::TearDown();
  }
};

TEST_F(ModalWaitTest, ReturnsAtOnceWhenTopIsNotOpen) {
  int steps = 0;
  setNestedFrameStep([&] { ++steps; });
  createDialog(0, 0, 10, 10, true, "", false, 0, 1.0f);
  runModal();
  EXPECT_EQ(steps, 0);
  EXPECT_FALSE(vtl.modalWait);
}

TEST_F(ModalWaitTest, WaitsUntilTheDialogCloses) {
  int32_t d = createDialog(0, 0, 10, 10, true, "", false, 0, 1.0f);
  openDialog(d);
  int steps = 0;
  setNestedFrameStep([&] {
    EXPECT_TRUE(vtl.modalWait) << "modalWait is set while the wait runs";
    if (++steps == 3) closeDialog(d);
  });
  runModal();
  EXPECT_EQ(steps, 3);
  EXPECT_FALSE(vtl.modalWait);
}

TEST_F(ModalWaitTest, FollowsTheStackAfterAClose) {
  int32_t a = createDialog(0, 0, 10, 10, true, "", false, 0, 1.0f);
  int32_t b = createDialog(0, 0, 10, 10, true, "", false, 0, 1.0f);
  openDialog(a);
  openDialog(b);
  int steps = 0;
  setNestedFrameStep([&] {
    ++steps;
    if (steps == 1) closeDialog(b);  // a, a popup, becomes the top and the wait goes on
    if (steps == 4) closeDialog(a);
  });
  runModal();
  EXPECT_EQ(steps, 4);
}

TEST_F(ModalWaitTest, EndsOnClearedFlagOrTermination) {
  int32_t d = createDialog(0, 0, 10, 10, true, "", false, 0, 1.0f);
  openDialog(d);
  int steps = 0;
  setNestedFrameStep([&] {
    if (++steps == 2) vtl.modalWait = false;
  });
  runModal();
  EXPECT_EQ(steps, 2);
  steps = 0;
  setNestedFrameStep([&] {
    if (++steps == 5) vtl.engineState = esTerminating;
  });
  runModal();
  EXPECT_EQ(steps, 5);
  EXPECT_EQ(dialogOf(d).open, 1);
}

TEST_F(ModalWaitTest, NoFrameStepNoWait) {
  int32_t d = createDialog(0, 0, 10, 10, true, "", false, 0, 1.0f);
  openDialog(d);
  runModal();
  EXPECT_FALSE(vtl.modalWait);
}

// [SECTION] small services

class EngineServicesTest : public EngineTest {};

TEST_F(EngineServicesTest, SceneParams) {
  setSceneParam(1, 45);
  setSceneParam(11, -3);
  EXPECT_FLOAT_EQ(getSceneParam(1), 45.0f);
  EXPECT_FLOAT_EQ(getSceneParam(11), -3.0f);
  EXPECT_FLOAT_EQ(getSceneParam(5), 0.0f);
  EXPECT_THROW(setSceneParam(0, 1), ERangeError);
  EXPECT_THROW(getSceneParam(12), ERangeError);
}

TEST_F(EngineServicesTest, FadeSlots) {
  useFakeTick(10000);
  appopt.fadeSlots[1] = TVTLFadeSlot{2, 10000 - 250, 500, 0.0f};
  appopt.fadeSlots[2] = TVTLFadeSlot{1, 10000 - 100, 400, 0.0f};
  appopt.fadeSlots[3] = TVTLFadeSlot{1, 10000 - 600, 500, 0.7f};
  appopt.fadeSlots[4] = TVTLFadeSlot{1, 10000, 0, 0.3f};
  updateFadeTimers();
  EXPECT_FLOAT_EQ(appopt.fadeSlots[1].value, 0.5f);
  EXPECT_FLOAT_EQ(appopt.fadeSlots[2].value, 0.25f);
  EXPECT_EQ(appopt.fadeSlots[3].state, 0) << "a finished fade goes idle";
  EXPECT_FLOAT_EQ(appopt.fadeSlots[3].value, 0.7f) << "and keeps its value";
  EXPECT_EQ(appopt.fadeSlots[4].state, 0) << "a zero duration ends at once";
  useFakeTick(1000);
}

TEST_F(EngineServicesTest, Queries) {
  appopt.shadows = appopt.softShadows = true;
  EXPECT_TRUE(softShadowsAvailable());
  vtl.noAuxBuffers = true;
  EXPECT_FALSE(softShadowsAvailable());
  EXPECT_TRUE(setFpsSuffix(" netz"));
  EXPECT_EQ(vtl.fpsSuffix, " netz");
  setKeyDialog(4);
  EXPECT_EQ(vtl.keyDialog, 4);
  EXPECT_FALSE(isTerminating());
  vtl.engineState = esTerminating;
  EXPECT_TRUE(isTerminating());
}

std::string readFile(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST_F(EngineServicesTest, ProtocolLog) {
  const auto file = folder_ / "proto3.txt";
  logProtocol("ohne Datei");
  EXPECT_EQ(readFile(file), "ohne Datei\r\n") << "a missing log is created";
  logProtocol("zwei");
  EXPECT_EQ(readFile(file), "ohne Datei\r\nzwei\r\n");
  resetProtocolLog();
  EXPECT_EQ(readFile(file), "");
  setProgramFolder((folder_ / "fehlt" / "nirgends").string());
  EXPECT_NO_THROW(logProtocol("ins Leere")) << "a log that cannot be written does not raise";
}

TEST_F(EngineServicesTest, AStandInSaysOnceThatItIsNotAvailableAndTracesEveryCall) {
  const auto file = folder_ / "proto3.txt";
  std::vector<std::string> traced;
  setTraceListener([&](std::string_view t) { traced.emplace_back(t); });
  for (int frame = 0; frame < 3; frame++) logNotAvailable("Probe.standIn");
  setTraceListener({});
  EXPECT_EQ(readFile(file), "Probe.standIn: not available\r\n");
  EXPECT_EQ(traced.size(), 3u);
}

}  // namespace
