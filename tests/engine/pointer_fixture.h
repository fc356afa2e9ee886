// Fixture of the pointer tests: a fresh engine whose viewport maps one window pixel to one
// layout unit (807 x 607), the null window, and a log of every engine event and callback in
// the order they came ("-13:102", "-14", "-12:2", "activate 1,2", "click 1,2", "enter 1,2",
// "leave 1,2", "press 1,2", "list 1,2").
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/dialogs.h"
#include "engine/element_activation.h"
#include "engine/element_behaviour.h"
#include "engine/elements.h"
#include "engine/engine_events.h"
#include "engine/engine_options.h"
#include "engine/frame_rate.h"
#include "engine/pointer_input.h"
#include "engine/window_layout.h"
#include "engine/window_shape.h"
#include "platform/window.h"
#include "tests/engine/engine_fixture.h"

class PointerTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    winNullReset();
    resetFrameRate();
    resetWindowLayout();
    windowLayout.viewWidth = int32_t(kPointerUnitsX);
    windowLayout.viewHeight = int32_t(kPointerUnitsY);
    setEngineEventHandler([this](uint8_t, int32_t x, int32_t y) {
      if (x > 0)
        log_.push_back("activate " + pair(x, y));
      else if (x == y)
        log_.push_back(std::to_string(x));
      else
        log_.push_back(std::to_string(x) + ":" + std::to_string(y));
    });
    vtl.onElementClick = recorder("click");
    vtl.onHoverEnter = recorder("enter");
    vtl.onHoverLeave = recorder("leave");
    vtl.onElementPress = recorder("press");
    vtl.onListChange = recorder("list");
  }
  void TearDown() override {
    setEngineEventHandler(nullptr);
    winClose();
    winNullReset();
    resetWindowLayout();
    resetFrameRate();
    aspectState = TVTLAspect();
    screenAspect = 4.0 / 3.0;
    EngineTest::TearDown();
  }

  static std::string pair(int32_t d, int32_t e) { return std::to_string(d) + "," + std::to_string(e); }
  TVTLElementCallback recorder(const std::string& name) {
    return [this, name](int32_t d, int32_t e) { log_.push_back(name + " " + pair(d, e)); };
  }

  // One pointer step as the frame step and the mouse hooks make them; unmoved as the poll
  // sees it.
  bool poll(int32_t x, int32_t y) {
    return processPointer(x, y, kPointerPoll, true, x == vtl.lastPointerX && y == vtl.lastPointerY, false);
  }
  bool press(int32_t x, int32_t y) { return processPointer(x, y, kPointerPress, true, false, false); }
  bool release(int32_t x, int32_t y) { return processPointer(x, y, kPointerRelease, true, false, false); }
  bool wheel(int32_t x, int32_t y, int32_t delta) { return processPointer(x, y, delta, true, false, true); }
  // Hover, press and release at one place.
  void click(int32_t x, int32_t y) {
    poll(x, y);
    press(x, y);
    release(x, y);
  }

  // The log without the leave events, which every poll sends for elements before a hit one.
  std::vector<std::string> eventsWithoutLeaves() const {
    std::vector<std::string> out;
    for (const std::string& s : log_)
      if (s != "-14" && s.rfind("leave ", 0) != 0) out.push_back(s);
    return out;
  }
  bool logged(const std::string& entry) const { return std::find(log_.begin(), log_.end(), entry) != log_.end(); }

  // A plain dialog over the whole layout, open, without a title label.
  static int32_t openPlainDialog(int32_t x = 0, int32_t y = 0, int32_t width = 800, int32_t height = 600,
                                 bool popup = false) {
    const int32_t d = createDialog(x, y, width, height, popup, "", false, 0, 1.0f);
    if (popup)
      openDialog(d);
    else
      setDialogOpen(d, 1);
    return d;
  }
  static int32_t addButton(int32_t x, int32_t y, const char* caption = "B") {
    return addElement(ekButton, x, y, caption, 100, 30, 0.0f, 1.0f);
  }
  // A "HorList2" selector with `entries` items; its text element is the selector + 3.
  static int32_t addSelector(int32_t x, int32_t y, int32_t entries, const char* caption = "HorList2") {
    const int32_t s = addElement(ekSelector, x, y, caption, 150, 20, 0.02f, 1.0f);
    for (int32_t i = 1; i <= entries; ++i) addItem(s, "Entry " + std::to_string(i), 0);
    elementOf(vtl.buildDialog, s).TopIndex = 1;
    return s;
  }

  std::vector<std::string> log_;
};
