// The reader of a table design's param.txt: the fixed key order, what lies between the keys,
// and the plain table's values for a missing key, a one-digit value and a missing file.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "engine/error_log.h"
#include "shell/env_param.h"
#include "table/table_params.h"
#include "tests/engine/temp_folder.h"

namespace {

const char* const fullDesign =
    "# Tisch 3: oval, mirrored\r\n"
    "rund=03\r\nreflection=40\r\ntbreite=02\r\nthoehe=04\r\nkbreite=12\r\n"
    "; the border\r\nbbreite=05\r\nbhoehe=06\r\nblight=07\r\n"
    "wbreite=08\r\nwhoehe=09\r\nwlight=10\r\ngray=35\r\ntransparenz=20\r\nref_weg=60\r\n";

struct TParams {
  int32_t style, reflection, width, height, edge, gray, transparency, fade;
};

TParams current() {
  return {envParam.tableStyle, envParam.reflection, envParam.tableWidth, envParam.tableHeight,
          envParam.edgeRepeat, envParam.grayLevel, envParam.transparency, envParam.reflectionOff};
}

void expectParams(const TParams& want, const std::string& what) {
  const TParams got = current();
  EXPECT_EQ(got.style, want.style) << what;
  EXPECT_EQ(got.reflection, want.reflection) << what;
  EXPECT_EQ(got.width, want.width) << what;
  EXPECT_EQ(got.height, want.height) << what;
  EXPECT_EQ(got.edge, want.edge) << what;
  EXPECT_EQ(got.gray, want.gray) << what;
  EXPECT_EQ(got.transparency, want.transparency) << what;
  EXPECT_EQ(got.fade, want.fade) << what;
}

class TableParamsTest : public ::testing::Test {
 protected:
  void SetUp() override { envParam = TEnvParam{}; }
  void TearDown() override {
    envParam = TEnvParam{};
    resetErrorLog();
  }
};

}  // namespace

TEST_F(TableParamsTest, ReadsEveryKeyWithCommentsBetween) {
  std::istringstream in(fullDesign);
  EXPECT_EQ(readTableParams(in), 0);
  expectParams({3, 40, 2, 4, 12, 35, 20, 60}, "full design");
  // The six unread values in their stored order: bbreite, bhoehe, wbreite, whoehe, wlight, blight.
  const int32_t unused[] = {5, 6, 8, 9, 10, 7};
  for (int i = 1; i <= 6; i++) EXPECT_EQ(envParam.unusedParams[i], unused[i - 1]) << "value " << i;
}

TEST_F(TableParamsTest, FaultyKeysTakeThePlainTableAndTheSearchGoesOn) {
  const struct {
    const char* text;
    int32_t defaults;
    TParams want;
  } cases[] = {
      // rund=3 reads "3\n": no number; reflection is still found behind it.
      {"rund=3\nreflection=40\ntbreite=02\nthoehe=04\nkbreite=12\ngray=35\ntransparenz=20\nref_weg=60",
       7, {0, 40, 2, 4, 12, 35, 20, 60}},
      // reflection before rund: after rund its key never comes again.
      {"reflection=40\nrund=03\ntbreite=02\nthoehe=04\nkbreite=12\ngray=35\ntransparenz=20\nref_weg=60",
       7, {3, 0, 2, 4, 12, 35, 20, 60}},
      // no gray: the grey level and fade height take 50, the keys around it are found.
      {"rund=02\nreflection=10\ntbreite=03\nthoehe=03\nkbreite=05\ntransparenz=15\nref_weg=70",
       7, {2, 10, 3, 3, 5, 50, 15, 70}},
      // a value cut by the end of the file
      {"rund=01\nreflection=2", 13, {1, 0, 1, 1, 1, 50, 0, 50}},
      {"", 14, {0, 0, 1, 1, 1, 50, 0, 50}},
  };
  for (const auto& c : cases) {
    envParam = TEnvParam{};
    std::istringstream in(c.text);
    EXPECT_EQ(readTableParams(in), c.defaults) << c.text;
    expectParams(c.want, c.text);
  }
}

TEST_F(TableParamsTest, AMissingKeyLeavesTheStreamWhereTheLastValueEnded) {
  std::istringstream in("rund=04 tail");
  int32_t value = -1;
  EXPECT_EQ(readParamValue(in, "gray=", value), TParamRead::keyMissing);
  EXPECT_EQ(value, -1);
  EXPECT_EQ(readParamValue(in, "rund=", value), TParamRead::found);
  EXPECT_EQ(value, 4);
  EXPECT_EQ(readParamValue(in, "rund=", value), TParamRead::keyMissing);
  EXPECT_EQ(in.get(), ' ');
}

TEST_F(TableParamsTest, LoadReadsTheDesignFolderAndLogsOneLineForFaults) {
  TempProgramFolder folder;
  setErrorLogFile(folder.root() + "/errors.txt");
  std::filesystem::create_directories(folder.root() + "/data/bilder/2/env3");
  envParam.tableDir = "\\2\\env3";
  folder.write("\\data\\bilder\\2\\env3\\param.txt", fullDesign);
  loadTableParams();
  EXPECT_EQ(envParam.tableParamsLoaded, 1);
  expectParams({3, 40, 2, 4, 12, 35, 20, 60}, "design 3");
  EXPECT_EQ(folder.read("\\errors.txt"), "");

  folder.write("\\data\\bilder\\2\\env3\\param.txt", "rund=5\nreflection=40");
  loadTableParams();
  expectParams({0, 40, 1, 1, 1, 50, 0, 50}, "faulty design");

  envParam = TEnvParam{};
  envParam.tableDir = "\\2\\env4";
  loadTableParams();
  EXPECT_EQ(envParam.tableParamsLoaded, 0);
  expectParams({0, 0, 1, 1, 1, 50, 0, 50}, "missing file");
  const std::string log = folder.read("\\errors.txt");
  size_t lines = 0;
  for (char ch : log) lines += ch == '\n';
  EXPECT_EQ(lines, 2u) << log;
  EXPECT_NE(log.find("env4"), std::string::npos) << log;
}
