// Fixture of the keyboard tests: a fresh engine with the null window, key and character
// messages sent the way the platform's message processing delivers them, font slot 2 about one
// layout unit per character, and a log of the engine events in order ("-8:9", "-13:102",
// "-88:97", "activate 1,2") with the main form's Enter callback as "enter 1,2".
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_events.h"
#include "engine/fonts.h"
#include "engine/frame_loop.h"
#include "engine/frame_rate.h"
#include "engine/texts.h"
#include "platform/window.h"
#include "platform/window_keys.h"
#include "tests/engine/engine_fixture.h"

class KeyboardTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    for (int c = 0; c <= 255; ++c) fontSlots[2].widths[c] = kUnitWidth;
    freshEngine();
  }
  // A new engine model, switches, frame-rate state and null window, and an empty log; the
  // tables of cases call it between cases.
  void freshEngine() {
    resetEngineModel();
    resetFrameRate();
    resetTextTables();
    winNullReset();
    log_.clear();
    keepKeys_ = false;
    setEngineEventHandler([this](uint8_t, int32_t x, int32_t y) {
      if (keepKeys_ && x == evKey) vtl.keyHandled = true;
      log_.push_back(x > 0 ? "activate " + pair(x, y) : std::to_string(x) + ":" + std::to_string(y));
    });
  }
  void TearDown() override {
    setEngineEventHandler(nullptr);
    resetTextTables();
    resetFrameRate();
    winNullReset();
    EngineTest::TearDown();
  }

  static std::string pair(int32_t d, int32_t e) { return std::to_string(d) + "," + std::to_string(e); }

  void keyDown(int32_t key, bool shift = false) {
    WinEvent e;
    e.kind = WinEventKind::keyDown;
    e.key = key;
    e.shift = shift ? kShiftKey : 0;
    dispatchWindowEvent(e);
  }
  void keyUp(int32_t key) {
    WinEvent e;
    e.kind = WinEventKind::keyUp;
    e.key = key;
    dispatchWindowEvent(e);
  }
  // A key as typed: key-down, its characters, key-up.
  void press(int32_t key) {
    keyDown(key);
    keyUp(key);
  }
  void typeText(std::string_view text) {
    for (char c : text) {
      WinEvent e;
      e.kind = WinEventKind::character;
      e.key = uint8_t(c);
      dispatchWindowEvent(e);
    }
  }
  void sendWindowEvent(WinEventKind kind) {
    WinEvent e;
    e.kind = kind;
    dispatchWindowEvent(e);
  }
  // The main form claims every key (sets keyHandled during -8).
  void keepKeys(bool on) { keepKeys_ = on; }
  void recordEnterCallback() {
    setEnterCallback([this](int32_t d, int32_t e) { log_.push_back("enter " + pair(d, e)); });
  }

  // The log entries that begin with `prefix` ("-8:", "-88:", "activate"), in order.
  std::vector<std::string> logOf(std::string_view prefix) const {
    std::vector<std::string> out;
    for (const std::string& s : log_)
      if (std::string_view(s).substr(0, prefix.size()) == prefix) out.push_back(s);
    return out;
  }

  static constexpr int16_t kUnitWidth = 62;  // font-2 width that makes one character about 1.006 units
  std::vector<std::string> log_;

 private:
  bool keepKeys_ = false;
};
