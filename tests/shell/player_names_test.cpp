// The computer players' name table, the female-name test with and without its name list, and
// the user's registry name with its cleaning.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/card_names.h"
#include "engine/engine_events.h"
#include "platform/errors.h"
#include "platform/paths.h"
#include "platform/random.h"
#include "platform/registry.h"
#include "shell/main_window.h"
#include "shell/player_names.h"
#include "shell/shell_state.h"
#include "tests/engine/temp_folder.h"

namespace fs = std::filesystem;

namespace {

// The name list of a test folder; nullopt leaves the file out.
void writeNameList(const TempProgramFolder& folder, const std::optional<std::string>& content) {
  const fs::path path = fs::path(folder.root()) / "data" / "help" / "namecheck.txt";
  fs::remove(path);
  if (!content) return;
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << *content;
}

}  // namespace

TEST(PlayerNames, SetnamesFillsTheTableWithThirtyOfEachGender) {
  for (int i = 0; i <= 60; i++) firstNameTable[i] = "x";
  firstNameCount = 7;
  Tglapp::Setnames();
  EXPECT_EQ(firstNameCount, 30);
  const struct {
    int index;
    const char* name;
  } cases[] = {{0, "Gerda"}, {6, "Christina"}, {12, "Petra"}, {23, "Petra"}, {26, "Elisabeth"},
               {29, "Brigitte"}, {30, "Alexander"}, {35, "Friedrich"}, {44, "Christian"}, {59, "Matthias"},
               {60, ""}};
  for (const auto& c : cases)
    EXPECT_EQ(firstNameTable[c.index].str(), c.name) << "entry " << c.index;
  for (int i = 0; i < 60; i++) {
    // A name cut by the 10-character field would end there; none of the names is that long.
    EXPECT_GT(firstNameTable[i].len, 0) << "entry " << i;
    EXPECT_LT(firstNameTable[i].len, 10) << "entry " << i << " " << firstNameTable[i].str();
  }
}

TEST(PlayerNames, RandomOpponentsDrawFromTheHalfOfTheirGender) {
  Tglapp::Setnames();
  randomSeed(5);
  for (int draw = 0; draw < 50; draw++) {
    TPlayerRecord rec{};
    randomOpponent(rec);
    int index = -1;
    for (int i = 0; i < 60 && index < 0; i++)
      if (firstNameTable[i].str() == rec.name.str()) index = i;
    ASSERT_GE(index, 0) << rec.name.str();
    EXPECT_EQ(rec.female == 1, index < 30) << rec.name.str();
  }
}

TEST(PlayerNames, CheckmaedelBySuffixByListAndByParts) {
  TempProgramFolder folder;
  const std::optional<std::string> none;
  const struct {
    const char* name;
    std::optional<std::string> list;
    bool female;
  } cases[] = {
      {"Marie", none, true},                  // "IE": the list is not read
      {"Annette", none, true},                // "ETTE"
      {"Lucy", none, true},                   // "Y"
      {"Hans-Anna", std::string("Ingrid#"), true},  // the second part
      {"Anna-Hans", std::string("Ingrid#"), true},  // the first part
      {"Josef", std::string("Ingrid#Josef#"), true},
      {"josef", std::string("ingrid#JOSEF#"), true},  // both sides in upper case
      {"Josef", std::string("Ingrid#"), false},
      {"Max", std::string("Ingrid#"), false},
      {"Ingrid", std::string("Ingrid#\r\nJosef#\r\n"), true},  // one per line: the first still matches
      {"Josef", std::string("Ingrid#\r\nJosef#\r\n"), false},  // the line break belongs to "\r\nJosef"
      {"Josef", std::string("Ingrid#Josef"), false},           // no "#" behind the last name
      {"B\xe4rbel", std::string("B\xc4RBEL#"), true},           // umlauts have their capitals too
      {"Hans--Josef", std::string("#"), true},                  // an empty part matches an empty entry
      {"Hans--Josef", std::string("Ingrid#"), false},
  };
  for (const auto& c : cases) {
    writeNameList(folder, c.list);
    bool female = false;
    EXPECT_NO_THROW(female = Tglapp::checkmaedel(c.name, folder.root())) << c.name;
    EXPECT_EQ(female, c.female) << c.name << " with list \"" << c.list.value_or("(none)") << "\"";
  }
}

TEST(PlayerNames, CheckmaedelWithoutTheListRaisesForANameTheSuffixesDoNotDecide) {
  TempProgramFolder folder;
  for (const char* name : {"Josef", "Hans-Anna", "Anna-Hans"})
    EXPECT_THROW(Tglapp::checkmaedel(name, folder.root()), EInOutError) << name;
}

TEST(PlayerNames, TheShippedListKnowsFemaleNamesTheSuffixesMiss) {
  const std::string folder = SKAT_SOURCE_DIR;
  for (const char* name : {"Ingrid", "Gertrud", "B\xe4rbel", "B\xc4RBEL", "Hans-Ruth"})
    EXPECT_TRUE(Tglapp::checkmaedel(name, folder)) << name;
  for (const char* name : {"Josef", "Hans", "Max", "Peter-Klaus"})
    EXPECT_FALSE(Tglapp::checkmaedel(name, folder)) << name;
}

TEST(PlayerNames, RegistryNamesAreCutAndChecked) {
  const std::string letters25 = "Abcdefghijklmnopqrstuvwxy";
  const struct {
    std::string raw;
    std::string clean;
  } cases[] = {
      {"Hans Peter", "Hans"},                              // the first word
      {letters25, letters25.substr(0, 22)},                // the first 22 characters
      {letters25.substr(0, 22) + ".", letters25.substr(0, 22)},  // cut before the check
      {"Hans.Peter", ""},                                  // a full stop empties it
      {"J\xfcrgen_\xdf-\xc4\xd6\xdc\xe4\xf6" "09", "J\xfcrgen_\xdf-\xc4\xd6\xdc\xe4\xf6" "09"},
      {" Hans", ""},                                       // nothing before the blank
      {"Hans\tPeter", ""},                                 // a tab is no blank
      {"Ren\xe9", ""},                                     // accented letters other than the umlauts
      {"?", ""},                                           // what the registry makes of other scripts
      {"", ""},
  };
  for (const auto& c : cases) {
    const std::string got = cleanRegistryName(c.raw);
    EXPECT_EQ(got, c.clean) << "from \"" << c.raw << "\"";
  }
}

class RegisteredName : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* v : {"USER", "LOGNAME"}) {
      const char* old = std::getenv(v);
      saved_.push_back({v, old ? std::optional<std::string>(old) : std::nullopt});
      ::unsetenv(v);
    }
    setHostnameFile(folder_.root() + "/hostname");
    playerName.clear();
    femaleFlag = 1;
  }
  void TearDown() override {
    for (const auto& [name, value] : saved_)
      if (value) ::setenv(name.c_str(), value->c_str(), 1);
      else ::unsetenv(name.c_str());
    setHostnameFile("/etc/hostname");
    playerName.clear();
    femaleFlag = 0;
  }
  void writeHostname(const std::string& line) { std::ofstream(folder_.root() + "/hostname") << line << "\n"; }

  TempProgramFolder folder_;
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST_F(RegisteredName, TheProgressEventTakesTheUsersNameAndItsGender) {
  writeNameList(folder_, std::string("Ingrid#"));
  const struct {
    const char* user;      // nullptr: not set
    const char* hostname;  // nullptr: no file
    const char* name;
    uint8_t female;
  } cases[] = {
      {"Anna", nullptr, "Anna", 1},
      {"Ingrid Meier", nullptr, "Ingrid", 1},  // by the list
      {"Josef", nullptr, "Josef", 0},
      {"J.Meier", "Ingrid", "Ingrid", 1},        // a refused user name falls back to the machine's
      {nullptr, "werkbank", "werkbank", 0},
      {"J.Meier", nullptr, "", 0},               // nothing usable: the name stays empty
  };
  for (const auto& c : cases) {
    if (c.user) ::setenv("USER", c.user, 1);
    else ::unsetenv("USER");
    fs::remove(folder_.root() + "/hostname");
    if (c.hostname) writeHostname(c.hostname);
    playerName.clear();
    femaleFlag = 1;
    Tglapp::FormMouseWheelDown(kEngineEventMark, evBenchPrepare, evBenchPrepare);
    EXPECT_EQ(playerName, c.name) << "user " << (c.user ? c.user : "(none)");
    EXPECT_EQ(femaleFlag, c.female) << "user " << (c.user ? c.user : "(none)");
  }
}

TEST_F(RegisteredName, ANameListThatCannotBeReadLeavesTheUserNotFemale) {
  writeNameList(folder_, std::nullopt);
  ::setenv("USER", "Ingrid", 1);
  takeRegisteredName();
  EXPECT_EQ(playerName, "Ingrid");
  EXPECT_EQ(femaleFlag, 0);
}
