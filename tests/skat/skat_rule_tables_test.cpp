// The rule tables: the file format (header, dropped rules, trump-suit rules, limits), the
// cache by slot, the shipped files and the built-in tables that stand in for a missing or
// malformed file with a line in the error log.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "engine/error_log.h"
#include "games/skat/skat_rule_tables.h"
#include "platform/paths.h"
#include "tests/support/cards.h"

namespace fs = std::filesystem;

namespace {

TSkatRuleTable parsed(const std::string& text) {
  TSkatRuleTable t{};
  std::string error;
  EXPECT_TRUE(skatParseRuleTable(text, t, error)) << error << " in: " << text;
  return t;
}

std::string rulesText(const TSkatRuleTable& t) {
  std::string out;
  for (int i = 1; i <= t.ruleCount; i++)
    out += "(" + std::to_string(t.ruleRank[i]) + "," + std::to_string(t.ruleSuit[i]) + ")" +
           std::to_string(t.ruleValue[i]) + " ";
  return out;
}

TEST(SkatRuleTables, FormatCases) {
  struct Case {
    const char* text;
    const char* rules;
  } cases[] = {
      {"nothing kept |data|#0(8,1)5#", ""},
      {"|data|#1(8,5)12#", "(8,5)12 "},
      {"head |dat a |data| text #1(4,0)-7# more #1(7,2)+3#", "(4,0)-7 (7,2)3 "},
      // A dropped rule is skipped through its own closing "#": the next rule is read as written.
      {"|data|#0(8,1)5##1(8,2)6#", "(8,2)6 "},
      {"|data|#2(8,1)5# #1(8,3)7#", "(8,3)7 "},
      // Ranks and suits outside the card range are kept and simply never match.
      {"|data|#1(12,9)1#", "(12,9)1 "},
      // A "#" as the last character starts no rule.
      {"|data|#1(8,1)1##", "(8,1)1 "},
  };
  for (const Case& c : cases) EXPECT_EQ(rulesText(parsed(c.text)), c.rules) << c.text;
}

TEST(SkatRuleTables, MalformedTextsAreRefused) {
  std::string twentyOne = "|data|";
  for (int i = 0; i < 21; i++) twentyOne += "#1(1,1)1#";
  const char* cases[] = {
      "no marker #1(8,1)5#", "|dat|#1(8,1)5#", "|data|#1(8,1)x#", "|data|#1(8 ,1)5#",
      "|data|#1(8,1)128#",   "|data|#1(8,1)5",  "|data|#x(8,1)5#", "|data|#1(8;1)5#",
  };
  for (const char* text : cases) {
    TSkatRuleTable t{};
    t.ruleCount = 3;
    std::string error;
    EXPECT_FALSE(skatParseRuleTable(text, t, error)) << text;
    EXPECT_FALSE(error.empty()) << text;
    EXPECT_EQ(t.ruleCount, 3) << "the table stays untouched: " << text;
  }
  TSkatRuleTable t{};
  std::string error;
  EXPECT_FALSE(skatParseRuleTable(twentyOne, t, error)) << "a 21st kept rule";
  EXPECT_TRUE(skatParseRuleTable(twentyOne.substr(0, twentyOne.size() - 9), t, error)) << error;
  EXPECT_EQ(t.ruleCount, 20);
}

TEST(SkatRuleTables, ValuesOfHands) {
  TSkatRuleTable none = parsed("|data|");
  EXPECT_EQ(skatRuleTableValue(none, handOf("cJ sJ hA"), 1), 0) << "no kept rule, no value";
  TSkatRuleTable anyJack = parsed("|data|#1(4,0)10#");
  EXPECT_EQ(skatRuleTableValue(anyJack, handOf("cJ sJ hJ d7"), 0), 10) << "suit 0 adds once";
  EXPECT_EQ(skatRuleTableValue(anyJack, handOf("d7 cA"), 0), 0);
  TSkatRuleTable trump = parsed("|data|#1(8,5)12##1(7,5)9##1(8,1)1#");
  THand h = handOf("cA c10 hA");
  EXPECT_EQ(skatRuleTableValue(trump, h, 1), 12 + 9 + 1) << "clubs trumps";
  EXPECT_EQ(skatRuleTableValue(trump, h, 3), 12 + 1) << "hearts trumps";
  EXPECT_EQ(skatRuleTableValue(trump, h, 0), 1) << "no trump suit: suit 5 never matches";
}

// A program folder of its own with data/oldsk/, removed afterwards.
class SkatRuleFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedFolder = programFolder();
    char pattern[] = "/tmp/skat_rules_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder = pattern;
    fs::create_directories(folder + "/data/oldsk");
    setProgramFolder(folder);
    setErrorLogFile(folder + "/errors.txt");
    skatResetRuleTables();
  }
  void TearDown() override {
    setProgramFolder(savedFolder);
    resetErrorLog();
    fs::remove_all(folder);
    skatResetRuleTables();
  }
  void write(const std::string& name, const std::string& text) {
    std::ofstream(folder + "/data/oldsk/" + name, std::ios::binary) << text;
  }
  std::string errorLog() {
    std::ifstream in(folder + "/errors.txt", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  std::string savedFolder;
  std::string folder;
};

TEST_F(SkatRuleFileTest, AFileIsReadOnceIntoItsSlot) {
  write("buben.txt", "Buben |data|#1(4,1)10##1(4,2)7#");
  THand h = handOf("cJ sJ");
  EXPECT_EQ(skatReadRuleTable("buben.txt", h, 0, 1), 17);
  write("buben.txt", "|data|#1(4,1)1#");
  EXPECT_EQ(skatReadRuleTable("buben.txt", h, 0, 1), 17) << "a loaded slot is not read again";
  EXPECT_EQ(skatReadRuleTable("karten.txt", h, 0, 1), 17) << "the name only matters for loading";
  EXPECT_EQ(skatReadRuleTable("buben.txt", h, 0, 11), 0) << "no slot 11";
  EXPECT_EQ(skatReadRuleTable("buben.txt", h, 0, 0), 0) << "no slot 0";
  EXPECT_EQ(errorLog(), "");
}

TEST_F(SkatRuleFileTest, MissingOrMalformedFilesGiveTheBuiltInTableAndALogLine) {
  write("karten.txt", "kaputt |data|#1(8,1)zwoelf#");
  THand h = handOf("cJ sJ hJ dJ cA sA h10 d10 c7 s8 h9 dK");
  int32_t builtInJacks = skatRuleTableValue(skatBuiltInRuleTable("buben.txt"), h, 0);
  int32_t builtInCards = skatRuleTableValue(skatBuiltInRuleTable("karten.txt"), h, 0);
  EXPECT_EQ(skatReadRuleTable("buben.txt", h, 0, 1), builtInJacks) << "missing file";
  EXPECT_EQ(skatReadRuleTable("karten.txt", h, 0, 2), builtInCards) << "malformed file";
  std::string log = errorLog();
  EXPECT_NE(log.find("buben.txt"), std::string::npos) << log;
  EXPECT_NE(log.find("karten.txt"), std::string::npos) << log;
  EXPECT_NE(builtInJacks, 0) << "the built-in Jack table values Jacks";
}

TEST(SkatRuleTablesShipped, TheShippedFilesEqualTheBuiltInTables) {
  for (const char* name : {"buben.txt", "karten.txt", "kartenf.txt"}) {
    std::ifstream in(std::string(SKAT_SOURCE_DIR) + "/data/oldsk/" + name, std::ios::binary);
    ASSERT_TRUE(in) << name;
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    TSkatRuleTable shipped = parsed(text);
    EXPECT_GT(shipped.ruleCount, 0) << name;
    EXPECT_EQ(rulesText(shipped), rulesText(skatBuiltInRuleTable(name))) << name;
  }
}

}  // namespace
