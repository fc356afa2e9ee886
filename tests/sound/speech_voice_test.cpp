// say with voices: what each kind queues and shows, the voice queue with its held-back
// bubbles and its filter, and the computer seats' comments.
#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "tests/sound/speech_voice_fixture.h"

namespace {

std::string joined(const std::vector<std::string>& v) {
  std::string out;
  for (const std::string& s : v) out += (out.empty() ? "" : " ") + s;
  return out;
}

// [SECTION] without a device: what is queued

class SpeechQueue : public SpeechVoiceTest {};

// Event -> kind/code -> voice -> pick -> bubble -> files queued, with the shipped catalogues.
TEST_F(SpeechQueue, EventsSpeakTheirPicks) {
  readShippedCatalogues();
  const struct {
    const char* event;
    TGameId game;
    std::function<void()> act;
    int seat;
    std::string bubble, files;
  } cases[] = {
      {"Skat bid", gidSkat, [] { say("18", 2, 14, false); }, 2, "?18?", "3/18_.wav"},
      {"Skat pass", gidSkat, [] { say("Passe", 3, 18, false); }, 3, "?Hm, Passe", "4/Hm_.wav 4/Passe.wav"},
      {"trick cheer (0, 3)", gidSkat, [] { soundContainer.sayComment(2, 0, 0, 3, 100); }, 2, "?Herrlich",
       "3/Herrlich.wav"},
      {"trick groan (0, -3)", gidSkat, [] { soundContainer.sayComment(3, 0, 0, -3, 100); }, 3, "?Verflixt nochmal",
       "4/Verflixt_nochmal.wav"},
      {"Kontra", gidSkat, [] { soundContainer.sayComment(2, 2, 0, 0, 100); }, 2, "?Kontra",
       "3/Kontra.wav"},
      {"Schafkopf to all (0, 2)", gidSchafkopf, [] { soundContainer.sayComment(3, 2, 0, 2, 100); }, 3,
       "?Kontra f\xFCr euch alle", "4/Kontra_fuer_euch_alle.wav"},
      {"Blackjack's silent 11", gidBlackjack, [] { say("IchGewinn", 2, 11, false); }, 2, "?Jetzt aber",
       "3/Jetzt_aber.wav"},
      {"Go Fish asks", gidGoFish, [] { say("Dame", 3, 23, false); }, 3, "?Dame?", "4/Dame__.wav"},
  };
  for (const auto& c : cases) {
    cg.gameId = c.game;
    clearQueue();
    cg.gs.akspieler = 2;
    soundRandomSeed(3);
    c.act();
    EXPECT_EQ(bubble(c.seat), c.bubble) << c.event;
    EXPECT_EQ(joined(queued()), c.files) << c.event;
  }
}

TEST_F(SpeechQueue, AGoFishQuestionFallsBackToThePlainSample) {
  readShippedCatalogues();
  cg.gameId = gidGoFish;
  say("Dame", 3, 23, false);
  ASSERT_EQ(soundContainer.queueCount, 1);
  const std::string path = soundContainer.queuedPaths[1];
  writeSound("4/Dame.wav", "x");
  bool found = false;
  EXPECT_EQ(shortPath(findSoundFile(path, found)), "4/Dame.wav") << "without the question's file";
  writeSound("4/Dame_.wav", "x");
  EXPECT_EQ(shortPath(findSoundFile(path, found)), "4/Dame_.wav") << "with it";
}

TEST_F(SpeechQueue, KindsQueueTheirSamples) {
  std::filesystem::create_directories(folder.root() + "/data/sound/3");
  writeSound("3/Damen.wav", "x");
  const struct {
    std::string text;
    int32_t kind;
    std::string files;
  } cases[] = {
      {"Passe", 1, "3/Passe.wav"},
      {"Grand ohne Vier", 4, "3/Grand.wav 3/ohne.wav 3/Vier.wav"},
      {"Wenz-Tout", 101, "3/_Wenz_.wav 3/Tout.wav"},
      {"Herz-Solo-Tout", 101, "3/Herz_.wav 3/_Solo.wav 3/Tout.wav"},
      {"Damen", 100, "3/Damen.wav"},
      {"Farbsolo", 100, "3/Farb_.wav 3/_solo.wav"},
      {"Hinweis", 2, ""},
  };
  for (const auto& c : cases) {
    clearQueue();
    say(c.text, 2, c.kind, false);
    EXPECT_EQ(joined(queued()), c.files) << c.text;
    EXPECT_EQ(bubble(2), "?" + c.text) << c.text;
  }
}

TEST_F(SpeechQueue, APickAroundTheTextComposesIt) {
  std::filesystem::create_directories(folder.root() + "/data/sound/3");
  scReader.readCatalogue(3, "10#X##11#X##12#Na gut, %##13#% danke##14#Xwort##");
  const struct {
    int32_t code;
    std::string bubble, files;
  } cases[] = {
      {12, "?Na gut, 18", "3/Na_gut_.wav 3/18.wav"},  // the pick's word first
      {13, "?18 danke", "3/18.wav 3/danke.wav"},      // the text first; no file: the game-rule name
      {14, "?Xwort", "3/Xwort.wav"},                  // a mark speaks only outside War
  };
  for (const auto& c : cases) {
    clearQueue();
    say("18", 2, c.code, false);
    EXPECT_EQ(bubble(2), c.bubble) << c.code;
    EXPECT_EQ(joined(queued()), c.files) << c.code;
  }
}

TEST_F(SpeechQueue, WarMarksShowNoBubble) {
  cg.gameId = gidWar;
  std::string text;
  for (int code = 10; code <= 38; code++) text += "L##";
  scReader.readCatalogue(4, text + "L#Xab##L#Xabcde##");
  ASSERT_EQ(scReader.stored[4][39], 1);
  say("Karte", 3, 39, false);
  EXPECT_EQ(bubble(3), "") << "a short mark: no bubble";
  EXPECT_EQ(cg.gs.bubbleState[3], 0);
  say("Karte", 3, 40, false);
  EXPECT_EQ(bubble(3), "?Xabcde") << "a longer one shows";
}

TEST_F(SpeechQueue, TheVoiceSettingFiltersAndTheQueueHoldsFive) {
  const struct {
    int32_t mode;
    TGameId game;
    int32_t code;
    bool queued;
  } cases[] = {
      {3, gidSkat, 0, true},        {2, gidSkat, 0, false},      {2, gidSkat, 27, true},  {2, gidSkat, 41, true},
      {2, gidSkat, 42, false},      {2, gidBlackjack, 34, false}, {2, gidBlackjack, 39, true}, {1, gidSkat, 33, false},
  };
  for (const auto& c : cases) {
    clearQueue();
    envParam.voiceMode = c.mode;
    cg.gameId = c.game;
    std::string subtitle = "Text";
    soundContainer.queueVoice("p.wav", subtitle, 2, c.code);
    EXPECT_EQ(soundContainer.queueCount, c.queued ? 1 : 0) << c.mode << "/" << c.code;
    EXPECT_EQ(subtitle, c.queued ? "" : "Text") << "an appended entry takes the subtitle";
  }
  clearQueue();
  envParam.voiceMode = 3;
  for (int i = 0; i < 7; i++) {
    std::string subtitle;
    soundContainer.queueVoice("p" + std::to_string(i) + ".wav", subtitle, 2, 0);
  }
  EXPECT_EQ(joined(queued()), "p0.wav p1.wav p2.wav p3.wav p4.wav");
}

// [SECTION] comments

TEST_F(SpeechQueue, CommentsFollowTheirChance) {
  const struct {
    int32_t seat, chance;
    double share;
  } cases[] = {{2, 100, 0.9}, {2, 50, 0.2}, {3, 95, 0.7}, {1, 100, 0.0}, {0, 100, 0.0}, {9, 100, 0.0}};
  textTables.fastMode = true;  // decides without speaking
  for (const auto& c : cases) {
    int made = 0;
    for (int i = 0; i < 2000; i++) made += soundContainer.sayComment(c.seat, 0, 1, 3, c.chance) ? 1 : 0;
    EXPECT_NEAR(made / 2000.0, c.share, 0.04) << c.seat << "/" << c.chance;
  }
  envParam.commentLevel = 1;
  EXPECT_FALSE(soundContainer.sayComment(2, 0, 1, 3, 100)) << "comments off";
}

TEST_F(SpeechQueue, EmotionCodesOfTheTwoLevels) {
  // Emotions 27..33 of a fixture voice each say their own code.
  std::string text;
  for (int code = 10; code <= 43; code++) text += "L#X" + std::to_string(code) + "##";
  scReader.readCatalogue(3, text);
  const struct {
    int32_t first, second;
    std::set<std::string> bubbles;
  } cases[] = {
      {-1, -2, {"?X28", "?X29"}}, {3, 0, {"?X33"}}, {0, 3, {"?X33"}}, {0, -2, {"?X28"}}, {1, 3, {"?X31", "?X32", "?X33"}},
      {0, 0, {""}},
  };
  for (const auto& c : cases) {
    std::set<std::string> seen;
    for (int i = 0; i < 60; i++) {
      setElementText(dlgIPanel, elSpeechBubble[2], "", 0);
      soundContainer.sayComment(2, 0, c.first, c.second, 100);
      seen.insert(bubble(2));
    }
    seen.erase("");
    std::set<std::string> want = c.bubbles;
    want.erase("");
    EXPECT_EQ(seen, want) << c.first << ", " << c.second;
  }
}

TEST_F(SpeechQueue, OneCommentPerMoveInTheGamesThatCountMoves) {
  const struct {
    TGameId game;
    bool again;  // a second comment in the same move
  } cases[] = {{gidMauMau, false}, {gidDoppelkopf, false}, {gidSkat, true}};
  textTables.fastMode = true;
  for (const auto& c : cases) {
    cg.gameId = c.game;
    cg.gs.akspieler = 3;
    cg.moveCounter = 7;
    soundContainer.lastCommentedMove = {};
    soundContainer.sayComment(2, 0, 1, 3, 50);  // the first, whether or not it won its draw
    int later = 0;
    for (int i = 0; i < 50; i++) later += soundContainer.sayComment(2, 0, 1, 3, 100) ? 1 : 0;
    EXPECT_EQ(later > 0, c.again) << int(c.game);
    cg.moveCounter++;
    bool next = false;
    for (int i = 0; i < 50 && !next; i++) next = soundContainer.sayComment(4, 0, 1, 3, 100);
    EXPECT_TRUE(next) << int(c.game) << ": the next move may be commented";
  }
  cg.gameId = gidMauMau;
  cg.gs.akspieler = 9;  // a seat to act outside 1..6 has no record and makes no comment
  for (int i = 0; i < 20; i++) EXPECT_FALSE(soundContainer.sayComment(2, 0, 1, 3, 100));
}

}  // namespace
