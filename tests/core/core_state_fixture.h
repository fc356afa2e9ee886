// Fixture of the game-state tests: a blank cg, texts that show their keys ("{f_1st}",
// "{f_dialog_spielpunkte:+48}"), recorded message boxes, a fixed text measure and a
// temporary program folder for the highscore file.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "core/cg.h"
#include "core/core_messages.h"
#include "platform/paths.h"
#include "shell/shell_globals.h"

struct TShownBox {
  std::string text;
  std::string caption;
  int id;  // message-table number, 0 for a box shown by text
};

class CoreStateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    cg = blank();
    playerCount = 0;
    savedFolder_ = programFolder();
    std::string pattern = (std::filesystem::temp_directory_path() / "skat-core-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    setProgramFolder(folder_);
    TCoreMessageRoutes routes;
    routes.lookupText = [](std::string_view key, std::string_view p1, std::string_view p2,
                           std::string_view, std::string_view) {
      std::string t = "{" + std::string(key);
      if (!p1.empty()) t += ":" + std::string(p1);
      if (!p2.empty()) t += ":" + std::string(p2);
      return t + "}";
    };
    routes.showMessage = [this](const std::string& text, const std::string& caption, int,
                                const std::string&, int, bool) {
      boxes.push_back({text, caption, 0});
      return mbAnswerOk;
    };
    routes.showMessageById = [this](int id, std::string_view, std::string_view,
                                    std::string_view, std::string_view) {
      boxes.push_back({"", "", id});
      return answer;
    };
    routes.textWidth = [this](std::string_view text) { return widthPerChar * text.size(); };
    savedRoutes_ = setCoreMessageRoutes(routes);
  }
  void TearDown() override {
    setCoreMessageRoutes(savedRoutes_);
    setProgramFolder(savedFolder_);
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
    cg = blank();
  }

  static const TCG& blank() {
    static const TCG* b = new TCG();
    return *b;
  }
  std::string hsPath() const { return folder_ + "/data/settings/hs.dat"; }

  std::vector<TShownBox> boxes;  // every box shown, in order
  int answer = mbAnswerYes;      // the answer of boxes shown by number
  float widthPerChar = 1.0f;     // the text measure: units per character

 private:
  std::string folder_;
  std::string savedFolder_;
  TCoreMessageRoutes savedRoutes_;
};
