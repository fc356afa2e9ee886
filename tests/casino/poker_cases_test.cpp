// The case memory: distance, nearest case, learning per mode, forgetting, its file and its
// part of the saved image.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/record_io.h"
#include "games/casino/poker_cases.h"
#include "platform/random.h"
#include "tests/casino/poker_table_fixture.h"

namespace {

TPokerCase situation(uint8_t win, int16_t decision, uint8_t seat = 2) {
  TPokerCase c{};
  c.winChance = c.winChanceInHand = c.winChanceTable = win;
  c.potInBlinds = 10;
  c.streetCode = 13;
  c.calm = 128;
  c.decision = decision;
  c.seat = seat;
  return c;
}

}  // namespace

class PokerCases : public PokerTableFixture {
 public:
  tClusterer memory;
  void SetUp() override {
    PokerTableFixture::SetUp();
    for (int s = 1; s <= 6; s++) cg.gs.seatProfiles[s].strength = 2;
    cg.gs.akspieler = 2;
  }
  void add(const TPokerCase& c) { memory.cases[memory.caseCount++] = c; }
};

TEST_F(PokerCases, Distance) {
  EXPECT_DOUBLE_EQ(featureDistance(255, 0, 0), 1);
  EXPECT_DOUBLE_EQ(featureDistance(200, 0, 100), 2);
  // Equal records: P 5, Q 3, S 1, C 1, V 1.5.
  const TPokerCase a = situation(100, -1);
  EXPECT_EQ(memory.caseDistance(a, a), 0 + (3000 - 4000) + 0);
  // Values beyond their ranges are clamped before they count.
  TPokerCase far = a, farther = a;
  far.potInBlinds = 200;
  farther.potInBlinds = 900;
  EXPECT_EQ(memory.caseDistance(a, far), memory.caseDistance(a, farther));
}

TEST_F(PokerCases, NearestDecision) {
  EXPECT_EQ(memory.nearestDecision(situation(100, 0)), pokerUseRules);  // empty memory: the rules decide
  add(situation(40, 5));
  add(situation(100, 7));
  add(situation(100, 9));  // same distance as the case before: the lower index wins
  EXPECT_EQ(memory.nearestDecision(situation(101, 0)), 7);
  // At equal (positive) raw distance a fold case beats a raise case, which beats a call case.
  memory.caseCount = 0;
  add(situation(200, -1));
  add(situation(200, 4));
  EXPECT_EQ(memory.nearestDecision(situation(150, 0)), 4);
  add(situation(200, -2));
  EXPECT_EQ(memory.nearestDecision(situation(150, 0)), -2);
}

TEST_F(PokerCases, LearningPerMode) {
  struct Case {
    int mode;
    bool userWins;
    int stored;
  } cases[] = {{1, true, 2}, {1, false, 1}, {2, false, 1}, {3, false, 0}, {3, true, 1}, {4, true, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    memory.caseCount = 0;
    memory.learning = true;
    memory.mode = c.mode;
    memory.clearSamples();
    memory.addSample(situation(50, -1, 1));
    memory.addSample(situation(60, 3, 2));
    memory.addSample(situation(70, 3, 3));
    for (int s = 1; s <= 6; s++) pokerArea().seats[s].winner = 0;
    pokerArea().seats[c.userWins ? 1 : 2].winner = 1;
    pokerArea().seats[3].winner = c.userWins;
    for (int s = 1; s <= 6; s++)
      if (pokerArea().seats[s].winner) memory.storeSamples(s, false);
    memory.storeSamples(0, true);
    EXPECT_EQ(memory.caseCount, c.stored);
    EXPECT_EQ(pokerCaseArea().sampleCount, 0);
  }
  memory.learning = false;  // learning off: no sample is buffered
  memory.addSample(situation(50, -1, 1));
  EXPECT_EQ(pokerCaseArea().sampleCount, 0);
}

// Mode 4: each case a losing seat used is forgotten once, highest index first, so moving the
// last case into a freed slot never moves a case still due.
TEST_F(PokerCases, ForgettingLosingSeats) {
  for (int i = 0; i < 10; i++) add(situation(uint8_t(10 * i), int16_t(i + 1)));
  memory.learning = true;
  memory.mode = 4;
  memory.clearSamples();
  TPokerCaseArea& area = pokerCaseArea();
  const int used[][2] = {{5, 2}, {9, 3}, {5, 2}, {7, 4}};  // seat 4 wins
  for (const auto& u : used) {
    area.usedCase[area.usedCount] = u[0];
    area.usedSeat[area.usedCount++] = u[1];
  }
  const bool losing[7] = {false, false, true, true, false, false, false};
  memory.replaceSeatCases(losing);
  ASSERT_EQ(memory.caseCount, 8);
  std::vector<int> left;
  for (int i = 0; i < memory.caseCount; i++) left.push_back(memory.cases[i].decision);
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<int>{1, 2, 3, 4, 5, 7, 8, 9}));
  // The nearest case is remembered for the seat to act, unless it is case 0 or a fold.
  area.usedCount = 0;
  memory.nearestDecision(memory.cases[3]);
  EXPECT_EQ(area.usedCount, 1);
  EXPECT_EQ(area.usedCase[0], 3);
}

TEST_F(PokerCases, DeveloperCommands) {
  int seen[5];
  for (int& m : seen) {
    memory.nextMode();
    m = memory.mode;
  }
  EXPECT_EQ(std::vector<int>(seen, seen + 5), (std::vector<int>{2, 3, 4, 1, 2}));
  EXPECT_TRUE(memory.learning);
  memory.learningOff();
  EXPECT_FALSE(memory.learning);
  EXPECT_EQ(memory.mode, 0);
}

TEST_F(PokerCases, FileRoundTripAndRefusal) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "pkb_cases";
  std::filesystem::create_directories(folder);
  const std::string file = (folder / "brain.txt").string();
  add(situation(10, -2));
  add(situation(20, 100));
  memory.cases[1].callValue = -300;
  ASSERT_TRUE(memory.saveToFile(file));
  EXPECT_EQ(std::filesystem::file_size(file), size_t(pokerBrainFileSize));
  EXPECT_FALSE(std::filesystem::exists(file + ".tmp"));
  tClusterer loaded(file, true);
  ASSERT_EQ(loaded.caseCount, 2);
  EXPECT_EQ(loaded.cases[1].decision, 100);
  EXPECT_EQ(loaded.cases[1].callValue, -300);

  // A case count beyond the memory, and a file of another size, leave the memory empty.
  std::vector<char> bytes(pokerBrainFileSize);
  std::ifstream(file, std::ios::binary).read(bytes.data(), pokerBrainFileSize);
  bytes[pokerBrainFileSize - 4] = char(0x12), bytes[pokerBrainFileSize - 3] = char(0x27);  // 10,002
  std::ofstream(file, std::ios::binary | std::ios::trunc).write(bytes.data(), pokerBrainFileSize);
  EXPECT_FALSE(loaded.loadFromFile(file));
  EXPECT_EQ(loaded.caseCount, 0);
  std::ofstream(file, std::ios::binary | std::ios::trunc).write(bytes.data(), 1000);
  EXPECT_FALSE(tClusterer(file, true).loadFromFile(file));
  EXPECT_EQ(tClusterer(file, true).caseCount, 0);
  EXPECT_EQ(tClusterer((folder / "none.txt").string(), true).caseCount, 0);
  std::filesystem::remove_all(folder);
}

// The hand's buffer travels with the saved game.
TEST_F(PokerCases, AreaInTheImage) {
  memory.learning = true;
  memory.mode = 1;
  memory.clearSamples();
  memory.addSample(situation(77, 12, 3));
  pokerCaseArea().situation = situation(5, 0, 4);
  ByteWriter w;
  TRecordIo out(w);
  pokerCasesImageIo(out, cg.gs);
  const std::vector<uint8_t> image = w.bytes();
  cg.gs = TGameState{};
  ByteReader r(image.data(), image.size());
  TRecordIo in(r);
  pokerCasesImageIo(in, cg.gs);
  EXPECT_FALSE(in.failed());
  ASSERT_EQ(pokerCaseArea().sampleCount, 1);
  EXPECT_EQ(pokerCaseArea().samples[0].decision, 12);
  EXPECT_EQ(pokerCaseArea().situation.seat, 4);
}
