// The computer profiles of ch.txt: a good file, the shipped file, a missing file and
// malformed ones (built-in profiles and a line in the error log).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "engine/error_log.h"
#include "games/skat/skat_profile.h"
#include "platform/paths.h"

namespace fs = std::filesystem;

namespace {

std::string fieldsText(const TSkatProfileFields& p) {
  return std::to_string(p.reizen) + "," + std::to_string(p.reizenr) + "," +
         std::to_string(p.wahrs) + "," + std::to_string(p.wahr0) + "," + std::to_string(p.kont) +
         "," + std::to_string(p.wafe) + "," + std::to_string(p.krafe);
}

// A program folder of its own with data/oldsk/, removed afterwards.
class SkatProfileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedFolder = programFolder();
    char pattern[] = "/tmp/skat_profile_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder = pattern;
    fs::create_directories(folder + "/data/oldsk");
    setProgramFolder(folder);
    setErrorLogFile(folder + "/errors.txt");
    seatProfile = {};
  }
  void TearDown() override {
    setProgramFolder(savedFolder);
    resetErrorLog();
    fs::remove_all(folder);
    seatProfile = {};
  }
  void writeProfiles(const std::string& text) {
    std::ofstream(folder + "/data/oldsk/ch.txt", std::ios::binary) << text;
  }
  std::string errorLog() {
    std::ifstream in(folder + "/errors.txt", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  std::string profilePath() { return folder + "/data/oldsk/ch.txt"; }

  std::string savedFolder;
  std::string folder;
};

const char* goodFile =
    "Anf\xE4nger,1,2,3,4,5,6,7,\r\n;\r\nNormal,11,12,13,14,15,16,17,\r\n;"
    "Profi,60,55,30,1,50,10,20,\r\n";

TEST_F(SkatProfileTest, FieldsAreReadBetweenCommasOfTheirRecord) {
  writeProfiles(goodFile);
  struct Case {
    int record, field;
    const char* text;  // nullptr: no such field
  } cases[] = {
      {1, 1, "1"},  {1, 7, "7"},  {2, 1, "11"}, {2, 7, "17"}, {3, 1, "60"},
      {3, 7, "20"}, {3, 8, nullptr}, {4, 1, nullptr}, {0, 1, nullptr}, {1, 0, nullptr},
  };
  for (const Case& c : cases) {
    auto got = skatReadProfileField(profilePath(), c.record, c.field);
    if (c.text) {
      ASSERT_TRUE(got.has_value()) << "record " << c.record << " field " << c.field;
      EXPECT_EQ(*got, c.text) << "record " << c.record << " field " << c.field;
    } else {
      EXPECT_FALSE(got.has_value()) << "record " << c.record << " field " << c.field << ": got "
                                    << got.value_or("");
    }
  }
}

TEST_F(SkatProfileTest, AGoodFileGivesEachStrengthItsRecord) {
  writeProfiles(goodFile);
  skatLoadSeatProfile(1, 3);
  skatLoadSeatProfile(2, 1);
  skatLoadSeatProfile(3, 2);
  EXPECT_EQ(seatProfile[1].strength, 3);
  EXPECT_EQ(fieldsText(seatProfile[1].fields), "60,55,30,1,50,10,20");
  EXPECT_EQ(fieldsText(seatProfile[2].fields), "1,2,3,4,5,6,7");
  EXPECT_EQ(seatProfile[3].strength, 2);
  EXPECT_EQ(fieldsText(seatProfile[3].fields), "11,12,13,14,15,16,17");
  EXPECT_EQ(errorLog(), "");
}

TEST_F(SkatProfileTest, MissingFileGivesBuiltInProfilesAndALogLine) {
  for (int s = 1; s <= 3; s++) skatLoadSeatProfile(s, s);
  for (int s = 1; s <= 3; s++) {
    EXPECT_EQ(seatProfile[s].strength, s);
    EXPECT_EQ(fieldsText(seatProfile[s].fields), fieldsText(skatBuiltInProfiles[s])) << "seat " << s;
  }
  std::string log = errorLog();
  EXPECT_NE(log.find("ch.txt"), std::string::npos) << log;
  EXPECT_EQ(log.back(), '\n');
}

TEST_F(SkatProfileTest, MalformedFilesGiveBuiltInProfiles) {
  struct Case {
    const char* name;
    const char* text;
  } cases[] = {
      {"a field that is no number", "A,1,2,3,4,5,6,7,;N,1,x2,3,4,5,6,7,;P,1,2,3,4,5,6,7,"},
      {"an empty field", "A,1,2,3,4,5,6,7,;N,1,,3,4,5,6,7,;P,1,2,3,4,5,6,7,"},
      {"a record with six fields", "A,1,2,3,4,5,6,7,;N,1,2,3,4,5,6,;P,1,2,3,4,5,6,7,"},
      {"a last field without its comma", "A,1,2,3,4,5,6,7,;N,1,2,3,4,5,6,7"},
      {"too few records", "A,1,2,3,4,5,6,7,"},
      {"a number beyond int32", "A,1,2,3,4,5,6,7,;N,1,2,3,4,5,6,99999999999,"},
      {"an empty file", ""},
  };
  for (const Case& c : cases) {
    writeProfiles(c.text);
    fs::remove(folder + "/errors.txt");
    seatProfile[2] = {};
    skatLoadSeatProfile(2, 2);
    EXPECT_EQ(seatProfile[2].strength, 2) << c.name;
    EXPECT_EQ(fieldsText(seatProfile[2].fields), fieldsText(skatBuiltInProfiles[2])) << c.name;
    EXPECT_NE(errorLog().find("ch.txt"), std::string::npos) << c.name << ": no log line";
  }
}

TEST_F(SkatProfileTest, SpacesAroundNumbersAreAccepted) {
  writeProfiles("A, 1, 2 ,+3,-4,5,6,7,");
  TSkatProfileFields p{};
  ASSERT_TRUE(skatReadProfile(profilePath(), 1, p));
  EXPECT_EQ(fieldsText(p), "1,2,3,-4,5,6,7");
}

TEST_F(SkatProfileTest, ShippedFileMatchesTheBuiltInProfiles) {
  std::string shipped = std::string(SKAT_SOURCE_DIR) + "/data/oldsk/ch.txt";
  for (int r = 1; r <= 3; r++) {
    TSkatProfileFields p{};
    ASSERT_TRUE(skatReadProfile(shipped, r, p)) << "record " << r;
    EXPECT_EQ(fieldsText(p), fieldsText(skatBuiltInProfiles[r])) << "record " << r;
  }
  TSkatProfileFields profi{};
  ASSERT_TRUE(skatReadProfile(shipped, 3, profi));
  EXPECT_EQ(fieldsText(profi), "60,55,30,1,50,10,20");
}

}  // namespace
