// Speech tests: the table panel with its speech bubbles, the voice settings, the shipped
// voice catalogues (or a fixture's) in a temporary program folder, and the voice queue.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/cg.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_form.h"
#include "engine/texts.h"
#include "shell/env_param.h"
#include "shell/game_dialogs.h"
#include "shell/shell_globals.h"
#include "sound/speech.h"
#include "sound/voice_catalogue.h"
#include "tests/sound/audio_fixture.h"

class SpeechVoiceTest : public AudioTest {
 protected:
  void SetUp() override {
    resetEngineModel();
    cg.gs = TGameState{};
    cg.gameId = gidSkat;
    playerCount = 3;
    envParam.bubbleTime = 1500;
    envParam.voiceMode = 3;
    dlgIPanel = createDialog(0, 0, 800, 600, false, "#ipanel", false, 0, 1.0f);
    for (int s = 1; s <= 4; s++) elSpeechBubble[s] = addSimpleElement(1, 10 * s, 10, "");
    for (int s = 1; s <= 4; s++) cg.seatVoice[s] = s + 1;  // seats 1..4 speak with voices 2..5
    soundRandomSeed(3);
  }
  void TearDown() override {
    for (int s = 1; s <= 4; s++) elSpeechBubble[s] = 0;
    dlgIPanel = 0;
    static const TCG* blank = new TCG();
    cg = *blank;
    envParam = TEnvParam{};
    playerCount = 0;
    textTables.fastMode = false;
    scReader = TSCReader{};
    resetEngineModel();
    AudioTest::TearDown();
  }

  // The shipped catalogues, read from the program folder.
  void readShippedCatalogues() {
    for (int v = 1; v <= voiceCount; v++) {
      const std::string d = folder.root() + "/data/sound/" + std::to_string(v);
      std::filesystem::create_directories(d);
      std::filesystem::copy_file(std::string(SKAT_SOURCE_DIR) + "/data/sound/" + std::to_string(v) + "/codes.txt",
                                 d + "/codes.txt", std::filesystem::copy_options::overwrite_existing);
    }
    scReader.create();
  }

  std::string bubble(int seat) const { return isElementVisible(dlgIPanel, elSpeechBubble[seat]) ? getElementText(dlgIPanel, elSpeechBubble[seat]) : ""; }

  // The queued files as "voice/name.wav", in order.
  std::vector<std::string> queued() const {
    std::vector<std::string> out;
    for (int i = 1; i <= soundContainer.queueCount; i++) out.push_back(shortPath(soundContainer.queuedPaths[i]));
    return out;
  }
  std::string shortPath(const std::string& path) const {
    const std::string base = folder.root() + "/data/sound/";
    return path.starts_with(base) ? path.substr(base.size()) : path;
  }
  void clearQueue() { soundContainer.queueCount = 0; }
};
