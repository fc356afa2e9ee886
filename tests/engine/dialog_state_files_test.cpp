// Dialog-state files: the written format, round trips, presets by page, damaged files, and the
// raw dialog record files.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <random>
#include <sstream>

#include "engine/dialog_record_io.h"
#include "engine/dialog_state_files.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_options.h"
#include "platform/errors.h"
#include "tests/engine/engine_fixture.h"

namespace {

std::string readFile(const std::string& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void writeFile(const std::string& p, const std::string& text) {
  std::ofstream out(p, std::ios::binary);
  out << text;
}

class DialogStateTest : public EngineTest {
 protected:
  // A dialog with a check box, a list of three items and an edit field.
  void SetUp() override {
    EngineTest::SetUp();
    d_ = createDialog(0, 0, 400, 300, true, "Optionen", false, 0, 1.0f);
    box_ = addSimpleElement(ekCheckBox, 10, 40, "Kontra");
    list_ = addSimpleElement(ekListBox, 10, 80, "");
    for (const char* s : {"eins", "zwei", "drei"}) addItem(list_, s, 0);
    edit_ = addElement(ekEdit, 10, 250, "", 150, -1, 40.0f, 1.0f);
    file_ = (folder_ / "data" / "settings" / "test.dco").string();
  }
  std::string file_;
  int32_t d_ = 0, box_ = 0, list_ = 0, edit_ = 0;
};

TEST_F(DialogStateTest, WrittenFormat) {
  int32_t d = createDialog(0, 0, 100, 100, true, "#klein", false, 0, 1.0f);
  int32_t list = addSimpleElement(ekMarker, 0, 0, "a|b");
  setSelIndex(d, list, -2);
  setTopIndex(d, list, 3);
  elementOf(d, list).Stringscount = 0;
  int32_t sel = addSimpleElement(ekSelector, 0, 0, "HorList3");
  addItem(sel, "x<y", 0);
  addItem(sel, "50%", 0);
  setElementEnabled(d, sel + 1, 0);
  saveDialogState(d, file_);
  EXPECT_EQ(readFile(file_),
            "*|2|"
            ">|1|1|1|a%7Cb|0|0|-2|3|0||"
            ">|2|1|1|HorList3|0|0|0|0|2|x%3Cy<50%25<|"
            ">|3|0|1|ListText|0|0|0|0|0||");
  EXPECT_EQ(readFile((folder_ / "data" / "settings" / "indexes.txt").string()), file_ + " <= #klein\r\n");
  EXPECT_FALSE(std::filesystem::exists(file_ + ".tmp"));
}

TEST_F(DialogStateTest, RoundTrip) {
  setElementChecked(d_, box_, 1);
  setSelIndex(d_, list_, 2);
  setElementText(d_, edit_, "Anna", 0);
  setElementEnabled(d_, list_, 0);
  saveDialogState(d_, file_);

  setElementChecked(d_, box_, 0);
  setSelIndex(d_, list_, 0);
  setElementText(d_, edit_, "", 0);
  setElementEnabled(d_, list_, 1);
  clearItems(d_, list_, false);
  setCurrentDialog(d_);
  addItem(list_, "andere", 0);
  ASSERT_TRUE(loadDialogState(d_, file_, 0));
  EXPECT_EQ(getElementChecked(d_, box_), 1);
  EXPECT_EQ(getSelIndex(d_, list_), 2);
  EXPECT_EQ(getElementEnabled(d_, list_), 0);
  EXPECT_EQ(getElementText(d_, edit_), "Anna");
  EXPECT_EQ(elementOf(d_, list_).Stringscount, 1) << "the list keeps the items it was built with";
  EXPECT_EQ(getItem(d_, list_, 1), "andere");
  EXPECT_EQ(getElementText(d_, box_), "Kontra") << "captions other than edit texts are not restored";
}

TEST_F(DialogStateTest, AFreshInstallationWithoutASettingsFolderStillSaves) {
  std::filesystem::remove_all(folder_ / "data" / "settings");
  setElementChecked(d_, box_, 1);
  saveDialogState(d_, file_);
  ASSERT_TRUE(loadDialogState(d_, file_, 0));
  EXPECT_EQ(getElementChecked(d_, box_), 1);
  EXPECT_TRUE(std::filesystem::exists(folder_ / "data" / "settings" / "indexes.txt"));
}

TEST_F(DialogStateTest, SeparatorsInTextsSurvive) {
  setElementText(d_, edit_, "a|b<c>d%7C", 0);
  saveDialogState(d_, file_);
  setElementText(d_, edit_, "", 0);
  setElementChecked(d_, box_, 1);
  saveDialogState(d_, file_ + "2");
  ASSERT_TRUE(loadDialogState(d_, file_, 0));
  EXPECT_EQ(getElementText(d_, edit_), "a|b<c>d%7C");
  EXPECT_EQ(getElementChecked(d_, box_), 0) << "the fields after the text are read in their places";
}

TEST_F(DialogStateTest, LongEditTextSurvives) {
  const std::string text = "data\\vitrel\\ein sehr langer Ordnername";
  setElementText(d_, edit_, text, 0);
  saveDialogState(d_, file_);
  setElementText(d_, edit_, "x", 0);
  ASSERT_TRUE(loadDialogState(d_, file_, 0));
  EXPECT_EQ(getElementText(d_, edit_), text);
}

TEST_F(DialogStateTest, BareLongTextMarkKeepsTheBuiltText) {
  setElementText(d_, edit_, "gebaut", 0);
  writeFile(file_, "*|1|>|1|1|1|Optionen|0|0|0|0|0||>|2|1|1|Kontra|1|0|0|0|0||"
                   ">|3|1|1||0|0|0|0|0||>|4|1|1||0|0|0|0|0||>|5|1|1||0|0|0|0|0||"
                   ">|6|1|1||0|0|0|0|0||>|7|1|1|@scon|0|0|0|0|0||");
  ASSERT_TRUE(loadDialogState(d_, file_, 0));
  EXPECT_EQ(getElementText(d_, edit_), "gebaut");
  EXPECT_EQ(getElementChecked(d_, box_), 1);
}

TEST_F(DialogStateTest, LabelTopIndexIsNotApplied) {
  int32_t label = 1;  // the title label, centred with TopIndex 1
  ASSERT_EQ(elementOf(d_, label).TopIndex, 1);
  elementOf(d_, label).TopIndex = 0;
  setTopIndex(d_, list_, 0);
  writeFile(file_, "*|1|>|1|1|1|x|0|0|0|5||");
  // Cut after the first record's TopIndex: malformed, nothing applies.
  EXPECT_FALSE(loadDialogState(d_, file_, 0));
  writeFile(file_, "*|1|>|1|1|1|x|0|0|0|5|0||>|2|1|1|x|0|0|0|5|0||>|3|1|1|x|0|0|0|5|0||");
  ASSERT_TRUE(loadDialogState(d_, file_, 0));
  EXPECT_EQ(elementOf(d_, label).TopIndex, 0);
  EXPECT_EQ(getTopIndex(d_, list_), 5);
}

TEST_F(DialogStateTest, FewerRecordsRestoreWhatTheyHave) {
  // A file for a dialog of 2 elements read into this one of 7.
  setElementChecked(d_, box_, 0);
  setSelIndex(d_, list_, 1);
  writeFile(file_, "*|1|>|1|1|1|x|0|0|0|1|0||>|2|1|1|y|1|0|0|0|0||");
  ASSERT_TRUE(loadDialogState(d_, file_, 0));
  EXPECT_EQ(getElementChecked(d_, box_), 1);
  EXPECT_EQ(getSelIndex(d_, list_), 1) << "elements beyond the file keep their state";
}

TEST_F(DialogStateTest, MalformedFilesChangeNothing) {
  setElementChecked(d_, box_, 0);
  setSelIndex(d_, list_, 3);
  const char* files[] = {
      "*|1|>|1|1|1|x|0|0|0|1|0||>|2|1|1|y|1|0|zwei|0|0||>|3|1|1|z|0|0|1|0|0||",  // SelIndex not a number
      "*|1|>|1|1|1|x|0|0|0|1|0||>|2|1|1|y|1|0|0|0|0||>|3|1|1|z|0|0|40000|0|0||",  // beyond int16
      "*|1|>|1|1|1|x|0|0|0|1|0||>|2|1|1|y|1|0|0|0|0||>|3|1|1|z|0|0||",              // empty fields, cut short
      "*|1|>|1|1|1|x|0|0|0|1|0||>|2|1|1|y|1|0|0|0|0||>|3|1|1|z|0|0|1|0|2|nur<",    // items cut short
      "*|1|>|1|1|1|x|0|0|0|1|0||>|2|1|1|y|1|0|0|0|viele||",                        // count not a number
  };
  for (const char* text : files) {
    writeFile(file_, text);
    EXPECT_FALSE(loadDialogState(d_, file_, 0)) << text;
    EXPECT_EQ(getElementChecked(d_, box_), 0) << text << ": an earlier record was applied";
    EXPECT_EQ(getSelIndex(d_, list_), 3) << text;
  }
  EXPECT_FALSE(loadDialogState(d_, file_ + ".fehlt", 0)) << "a missing file is no error";
  writeFile(file_, "");
  EXPECT_TRUE(loadDialogState(d_, file_, 0)) << "an empty file restores nothing";
}

TEST_F(DialogStateTest, PresetPageFilter) {
  int32_t onPage2 = addSimpleElement(ekCheckBox, 0, 0, "p2");
  elementOf(d_, onPage2).page = 2;
  elementOf(d_, box_).page = 1;
  saveDialogState(d_, file_);
  setElementChecked(d_, box_, 1);
  setElementChecked(d_, onPage2, 1);
  writeFile(file_, readFile(file_));  // the preset holds both unchecked
  ASSERT_TRUE(loadDialogState(d_, file_, 2));
  EXPECT_EQ(getElementChecked(d_, onPage2), 0) << "page 2 is restored";
  EXPECT_EQ(getElementChecked(d_, box_), 1) << "page 1 is left alone";
}

TEST_F(DialogStateTest, PresetModeSkipsTheGraphicsDialog) {
  appopt.di_vtlgrafik = d_;
  vtl.presetMode = 1;
  saveDialogState(d_, file_);
  EXPECT_FALSE(std::filesystem::exists(file_));
  vtl.presetMode = 0;
  saveDialogState(d_, file_);
  EXPECT_TRUE(std::filesystem::exists(file_));
}

TEST_F(DialogStateTest, AllDialogsAtCloseAndStart) {
  appopt.di_vtlgrafik = d_;  // dialog 1 counts as the engine's own
  int32_t a = createDialog(0, 0, 10, 10, true, "A", false, 0, 1.0f);
  int32_t ca = addSimpleElement(ekCheckBox, 0, 0, "a");
  int32_t hidden = createDialog(0, 0, 10, 10, true, "#intern", false, 0, 1.0f);
  int32_t ch = addSimpleElement(ekCheckBox, 0, 0, "h");
  int32_t lobby = createDialog(0, 0, 10, 10, true, "Lobby", false, 0, 1.0f);
  int32_t cl = addSimpleElement(ekCheckBox, 0, 0, "l");
  vtl.stateExclusions = {lobby};
  for (int32_t d : {a, hidden, lobby}) setElementChecked(d, d == a ? ca : d == hidden ? ch : cl, 1);
  saveDialogStates();
  EXPECT_FALSE(std::filesystem::exists(dialogStateFileName(d_)));
  for (int32_t d : {a, hidden, lobby}) EXPECT_TRUE(std::filesystem::exists(dialogStateFileName(d))) << d;
  EXPECT_EQ(readFile((folder_ / "data" / "settings" / "indexes.txt").string()),
            dialogStateFileName(a) + " <= A\r\n" + dialogStateFileName(hidden) + " <= #intern\r\n" +
                dialogStateFileName(lobby) + " <= Lobby\r\n");

  for (int32_t d : {a, hidden, lobby}) setElementChecked(d, d == a ? ca : d == hidden ? ch : cl, 0);
  loadDialogStates();
  EXPECT_EQ(getElementChecked(a, ca), 1);
  EXPECT_EQ(getElementChecked(hidden, ch), 0) << "a dialog titled with # is never read";
  EXPECT_EQ(getElementChecked(lobby, cl), 0) << "an excluded dialog is never read";
}

TEST_F(DialogStateTest, FailedWriteKeepsTheOldFile) {
  saveDialogState(d_, file_);
  const std::string before = readFile(file_);
  std::filesystem::create_directory(file_ + ".tmp");  // the temporary file cannot be created
  setElementChecked(d_, box_, 1);
  EXPECT_THROW(saveDialogState(d_, file_), EInOutError);
  EXPECT_EQ(readFile(file_), before);
  // A folder that cannot be made (a file stands in its place) is still a failure.
  std::ofstream(folder_ / "datei") << "x";
  EXPECT_THROW(appendLine((folder_ / "datei" / "x.txt").string(), "x"), EInOutError);
}

// [SECTION] raw record files

TEST_F(DialogStateTest, RecordFileRoundTrip) {
  const std::string rec = (folder_ / "panel.rec").string();
  setSelIndex(d_, list_, 2);
  elementOf(d_, box_).x = 77;
  saveDialogRecord(d_, rec);
  EXPECT_EQ(std::filesystem::file_size(rec), uintmax_t(kDialogRecordSize));
  const int32_t base = elementOf(d_, list_).handleBase;
  setSelIndex(d_, list_, 0);
  elementOf(d_, box_).x = 1;
  std::string error;
  ASSERT_TRUE(loadDialogRecord(d_, rec, &error)) << error;
  EXPECT_EQ(getSelIndex(d_, list_), 2);
  EXPECT_EQ(elementOf(d_, box_).x, 77);
  EXPECT_EQ(elementOf(d_, list_).handleBase, base) << "the dialog keeps its own string block";
  EXPECT_EQ(getItem(d_, list_, 2), "zwei");
}

TEST_F(DialogStateTest, ShortOrDamagedRecordFilesAreRefused) {
  const std::string rec = (folder_ / "panel.rec").string();
  saveDialogRecord(d_, rec);
  const std::string good = readFile(rec);
  elementOf(d_, box_).x = 5;
  std::string error;
  writeFile(rec, good.substr(0, 1000));
  EXPECT_FALSE(loadDialogRecord(d_, rec, &error));
  EXPECT_NE(error.find("1000 bytes"), std::string::npos) << error;
  std::string bad = good;
  bad[39776] = char(200);  // element count
  writeFile(rec, bad);
  EXPECT_FALSE(loadDialogRecord(d_, rec, &error));
  EXPECT_NE(error.find("element count"), std::string::npos) << error;
  EXPECT_FALSE(loadDialogRecord(d_, rec + ".fehlt", &error));
  EXPECT_EQ(elementOf(d_, box_).x, 5) << "a refused file changes nothing";
}

// [SECTION] truncated and random bytes

// The dialog's stored form: what a refused file must leave exactly as it was.
std::vector<uint8_t> stateOf(int32_t d) { return encodeDialogRecord(dialogOf(d)); }

TEST_F(DialogStateTest, TruncatedAndRandomStateFiles) {
  setElementChecked(d_, box_, 1);
  setSelIndex(d_, list_, 2);
  setElementText(d_, edit_, "a|b<c", 0);
  saveDialogState(d_, file_);
  const std::string good = readFile(file_);
  std::mt19937 rng(7);
  std::vector<std::string> inputs;
  for (size_t n = 0; n < good.size(); ++n) inputs.push_back(good.substr(0, n));
  for (int i = 0; i < 120; ++i) {
    std::string bad = good;
    for (int k = 0; k < 3; ++k) bad[rng() % bad.size()] = "|<>%0-9x\0"[rng() % 9];
    inputs.push_back(bad);
    std::string noise(rng() % 200, ' ');
    for (char& c : noise) c = "|<>1-%"[rng() % 6];
    inputs.push_back("*|1|" + noise);
  }
  for (const std::string& text : inputs) {
    writeFile(file_, text);
    const std::vector<uint8_t> before = stateOf(d_);
    if (!loadDialogState(d_, file_, 0)) {
      EXPECT_EQ(stateOf(d_), before) << "a refused file changed the dialog: " << text;
    }
  }
}

TEST_F(DialogStateTest, TruncatedAndRandomRecordBlocks) {
  const std::vector<uint8_t> good = stateOf(d_);
  std::mt19937 rng(11);
  std::vector<std::vector<uint8_t>> inputs;
  for (size_t n : {size_t(0), size_t(1), size_t(31), size_t(32 + 288), good.size() / 2, good.size() - 1})
    inputs.emplace_back(good.begin(), good.begin() + std::ptrdiff_t(n));
  inputs.push_back(good);
  inputs.back().push_back(0);  // one byte too many
  for (int i = 0; i < 200; ++i) {
    std::vector<uint8_t> bad = good;
    for (int k = 0; k < 8; ++k) bad[rng() % bad.size()] = uint8_t(rng());
    inputs.push_back(bad);
  }
  for (int i = 0; i < 20; ++i) {
    std::vector<uint8_t> noise(good.size());
    for (uint8_t& b : noise) b = uint8_t(rng());
    inputs.push_back(noise);
  }
  for (const std::vector<uint8_t>& bytes : inputs) {
    auto out = std::make_unique<TVTLDialog>();
    out->count = 77;
    std::string error;
    if (!decodeDialogRecord(bytes, *out, error)) {
      EXPECT_FALSE(error.empty()) << "a refused block names its fault";
      EXPECT_EQ(out->count, 77) << error << ": a refused block changes nothing";
    }
  }
}

}  // namespace
