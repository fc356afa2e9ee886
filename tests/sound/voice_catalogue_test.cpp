// The voice catalogues: reading the code fields, the texts' file names, the picks, what a
// missing catalogue or sample leaves, and a check of the shipped catalogues.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "core/cg.h"
#include "engine/error_log.h"
#include "sound/sound_events.h"
#include "sound/voice_catalogue.h"
#include "tests/engine/temp_folder.h"

namespace {

// A catalogue text of codes 10, 11, ... each given as its texts; "\r\n" ends each code's line.
std::string catalogueText(const std::vector<std::vector<std::string>>& codes) {
  std::string text;
  int32_t code = firstSoundCode;
  for (const auto& texts : codes) {
    text += "Code " + std::to_string(code++);
    for (const std::string& t : texts) text += "#" + t;
    text += "##\r\n";
  }
  return text;
}

std::vector<std::string> numbered(int n, const char* stem) {
  std::vector<std::string> out;
  for (int i = 1; i <= n; i++) out.push_back(stem + std::to_string(i));
  return out;
}

class VoiceCatalogue : public ::testing::Test {
 protected:
  void SetUp() override {
    setErrorLogFile(folder.root() + "/errors.txt");
    saved = cg.gameId;
    cg.gameId = gidSkat;
  }
  void TearDown() override {
    cg.gameId = saved;
    setErrorLogFile("");
  }
  std::string errorLog() const { return folder.read("\\errors.txt"); }
  int logLines() const {
    const std::string log = errorLog();
    return int(std::count(log.begin(), log.end(), '\n'));
  }
  TempProgramFolder folder;
  TGameId saved{};
};

TEST_F(VoiceCatalogue, CodesAreReadUpToTheirEmptyField) {
  // Code 12 (third) holds 12, 13 and 14 texts in turn: more than 12 are skipped to "##".
  for (int n : {12, 13, 14}) {
    TSCReader r;
    r.readCatalogue(2, catalogueText({{"Xeins", "Xzwei"}, {}, numbered(n, "Xt"), {"Xnach"}}));
    EXPECT_EQ(r.stored[2][10], 2) << n;
    EXPECT_EQ(r.counts[2][10], 0) << n << ": code 10 is silent in this build";
    EXPECT_EQ(r.sampleTexts[2][10][2], "Xzwei") << n;
    EXPECT_EQ(r.stored[2][11], 0) << n << ": an empty list";
    EXPECT_EQ(r.counts[2][12], 12) << n;
    EXPECT_EQ(r.sampleTexts[2][12][12], "Xt12") << n;
    EXPECT_EQ(r.counts[2][13], 1) << n << ": the next code is not shifted";
    EXPECT_EQ(r.sampleTexts[2][13][1], "Xnach") << n;
    EXPECT_EQ(r.counts[2][14], 0) << n << ": the fields ran out";
  }
  EXPECT_EQ(logLines(), 2) << "one line for each list that was too long:\n" << errorLog();
  EXPECT_NE(errorLog().find("code 12: 2 texts after the 12th skipped"), std::string::npos) << errorLog();
}

TEST_F(VoiceCatalogue, FileNamesOfTexts) {
  const struct {
    std::string text;
    bool dropQuotes, gameRules;
    TGameId game;
    std::string name;
  } cases[] = {
      {"Ich spiele auch", false, false, gidSkat, "Ich_spiele_auch"},
      {"St\xF6" "ck", false, false, gidSkat, "Stoeck"},
      {"Dealer ist pleite", false, false, gidSkat, "Dealer_ist_pleite"},
      {"\xC4rger \xDC" "ber \xE9t\xE9", false, false, gidSkat, "aerger_ueber_ete"},
      {"Na gut, %", false, false, gidSkat, "Na_gut_"},
      {"Hallo!", true, false, gidSkat, "Hallo"},
      {"\"Sag\", ja", true, false, gidSkat, "Sag_ja"},
      {"Hast du %?", false, true, gidSkat, "Hast_du_"},
      {"% , gut!", false, true, gidSkat, "_gut"},
      {"Bube?", false, true, gidSkat, "Bube_"},
      {"Don't", false, true, gidBlackjack, "Dont"},
      {"../../etc/x", false, false, gidSkat, "______etc_x"},
      {"a\\b", false, false, gidSkat, "a_b"},
  };
  for (const auto& c : cases) {
    cg.gameId = c.game;
    EXPECT_EQ(soundFileName(c.text, c.dropQuotes, c.gameRules), c.name) << c.text;
  }
}

TEST_F(VoiceCatalogue, APickNeverRepeatsAndFollowsItsOdds) {
  TSCReader r;
  r.readCatalogue(1, catalogueText({{}, {}, {"XA", "XB", "XC"}, {"Xeins"}}));
  soundRandomSeed(11);
  std::map<std::string, int> afterA;
  std::string last, text;
  for (int i = 0; i < 6000; i++) {
    r.pickSample(12, 1, text);
    ASSERT_NE(text, last) << "pick " << i;
    if (last == "XA") afterA[text]++;
    last = text;
  }
  const int total = afterA["XB"] + afterA["XC"];
  EXPECT_NEAR(double(afterA["XB"]) / total, 2.0 / 3, 0.05);
  for (int i = 0; i < 3; i++) {
    r.pickSample(13, 1, text);
    EXPECT_EQ(text, "Xeins") << "one text every time";
  }
}

TEST_F(VoiceCatalogue, SilentCodesGiveTheirFirstTextAndBadVoicesNothing) {
  TSCReader r;
  r.readCatalogue(3, catalogueText({{"Xeins", "Xzwei"}, {"Xelf"}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {"%?", "Xb"}}));
  const struct {
    int32_t code, voice;
    std::string before, after;
  } cases[] = {
      {10, 3, "t", "Xeins"}, {11, 3, "t", "Xelf"}, {23, 3, "t", "%?"},  // silent codes: the first text
      {20, 3, "t", ""},                                                 // none stored
      {10, 7, "t", "t"},                                                // no such voice
  };
  for (const auto& c : cases) {
    std::string text = c.before;
    r.pickSample(c.code, c.voice, text);
    EXPECT_EQ(text, c.after) << c.code << "/" << c.voice;
  }
  for (int32_t code = firstSoundCode; code <= lastSoundCode; code++)
    EXPECT_EQ(isSoundCodeOff(code), code <= 11 || (code >= 20 && code <= 26) || (code >= 39 && code <= 41)) << code;
}

TEST_F(VoiceCatalogue, MissingCataloguesAndSamplesGiveOneLinePerVoice) {
  std::filesystem::create_directories(folder.root() + "/data/sound/1");
  std::filesystem::create_directories(folder.root() + "/data/sound/2");
  // Voice 1 misses two samples, has one, and its "%?", "X" and one-letter texts need none;
  // voice 2's only text sits in a silent code; the others have no catalogue.
  folder.write("\\data\\sound\\1\\codes.txt", catalogueText({{}, {}, {"Da", "Hier", "%?", "Xmark", "A", "Weg"}}));
  folder.write("\\data\\sound\\1\\Da.wav", "x");
  folder.write("\\data\\sound\\2\\codes.txt", catalogueText({{"Fehlt"}}));
  TSCReader r;
  r.create();
  const std::string log = errorLog();
  EXPECT_EQ(logLines(), 5) << log;
  EXPECT_NE(log.find("Voice 1: 2 samples missing, first " + folder.root() + "/data/sound/1/Hier.wav"), std::string::npos)
      << log;
  EXPECT_EQ(log.find("Voice 2"), std::string::npos) << "a silent code is not checked";
  for (int v = 3; v <= 6; v++) EXPECT_NE(log.find("Voice " + std::to_string(v) + ": no catalogue"), std::string::npos) << v;
  EXPECT_EQ(r.counts[1][12], 6) << "texts without a sample stay and show";
}

// [SECTION] the shipped catalogues

#ifdef SKAT_APP_DIR
TEST(ShippedCatalogues, EveryCodeLabelledWithOneToTwelveTexts) {
  for (int voice = 1; voice <= voiceCount; voice++) {
    std::ifstream in(std::string(SKAT_SOURCE_DIR) + "/data/sound/" + std::to_string(voice) + "/codes.txt");
    ASSERT_TRUE(in) << voice;
    std::string text, line;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      text += line + "\r\n";
    }
    for (int32_t code = firstSoundCode; code <= lastSoundCode; code++) {
      const std::string label = nextCodeField(text);
      EXPECT_NE(label.find("Code " + std::to_string(code) + ":"), std::string::npos) << voice << "/" << code;
      int n = 0;
      while (!nextCodeField(text).empty()) n++;
      EXPECT_GE(n, 1) << voice << "/" << code;
      EXPECT_LE(n, maxSampleTexts) << voice << "/" << code;
    }
    EXPECT_EQ(text, "\r\n") << voice << ": nothing after code 43";
  }
}

TEST(ShippedCatalogues, EveryTextHasItsSampleInItsVoice) {
  if (!std::filesystem::exists(std::string(SKAT_APP_DIR) + "/data/sound/1/Ja.wav"))
    GTEST_SKIP() << "the voices are not made (espeak-ng missing)";
  TempProgramFolder unused;
  setProgramFolder(SKAT_APP_DIR);
  const std::string errors = unused.root() + "/errors.txt";
  setErrorLogFile(errors);
  TSCReader r;
  r.create();
  setErrorLogFile("");
  std::ifstream in(errors);
  std::stringstream log;
  log << in.rdbuf();
  EXPECT_EQ(log.str(), "");
  setProgramFolder(unused.root());
}
#endif

}  // namespace
