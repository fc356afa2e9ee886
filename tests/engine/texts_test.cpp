// Text tables: reading fragments.txt and messages.txt, text and message lookup, suit tokens.
#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

#include "engine/error_log.h"
#include "engine/texts.h"
#include "tests/engine/temp_folder.h"
#include "tests/support/alerts.h"

namespace {

class TextTables : public ::testing::Test {
 protected:
  void SetUp() override {
    resetTextTables();
    resetErrorLog();
  }
  void TearDown() override {
    resetTextTables();
    resetErrorLog();
  }
  void loadFragmentsFrom(const std::string& bytes, int column = 1) {
    folder.write(kFragmentsFile, bytes);
    setLanguage("deutsch", column);
    loadFragments();
  }
  void loadMessagesFrom(const std::string& bytes, int column = 1) {
    folder.write(kMessagesFile, bytes);
    setLanguage("deutsch", column);
    loadMessageTable();
  }
  TempProgramFolder folder;
};

const char* const playerRecord = "f_x#7#Spieler % hat % Punkte#Player % has % points";

TEST_F(TextTables, LooksUpTheSelectedColumnAndFillsMarksInOrder) {
  loadFragmentsFrom(playerRecord);
  EXPECT_EQ(lookupText("f_x", "Anna", "12"), "Spieler Anna hat 12 Punkte");
  EXPECT_EQ(textTables.fragmentTable[0].number, 7);

  loadFragmentsFrom(playerRecord, 2);
  EXPECT_EQ(lookupText("f_x", "Anna", "12"), "Player Anna has 12 points");
  EXPECT_EQ(lookupText("f_x", "Anna", "12", "", "", true), "Spieler Anna hat 12 Punkte");
}

TEST_F(TextTables, FillsMarksInOnePassOverTheTemplate) {
  loadFragmentsFrom(
      "f_two##a % b %#\r\n"
      "f_none##ohne Marke#\r\n"
      "f_five##%,%,%,%,%#\r\n");
  struct Case {
    const char* key;
    const char* p1;
    const char* p2;
    const char* p3;
    const char* p4;
    const char* expected;
  } cases[] = {
      {"f_two", "50%", "x", "", "", "a 50% b x"},  // a "%" brought in by a value stays
      {"f_two", "", "x", "", "", "a  b x"},        // an empty value removes its mark
      {"f_two", "1", "2", "3", "4", "a 1 b 2"},    // values without a mark are dropped
      {"f_none", "1", "2", "", "", "ohne Marke"},
      {"f_five", "1", "2", "3", "4", "1,2,3,4,%"},  // marks beyond the fourth stay
      {"f_missing", "1", "", "", "", ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(lookupText(c.key, c.p1, c.p2, c.p3, c.p4), c.expected)
        << c.key << " with " << c.p1 << ", " << c.p2;
}

TEST_F(TextTables, FirstOfTwoEqualKeysWinsAndKeysCompareExactly) {
  loadFragmentsFrom("f_a##erster#\r\nf_a##zweiter#\r\nF_B##gross#\r\n");
  EXPECT_EQ(lookupText("f_a"), "erster");
  EXPECT_EQ(lookupText("f_b"), "");
  EXPECT_EQ(lookupText("F_B"), "gross");
  // An empty key finds the first slot never filled, whose text is empty.
  EXPECT_EQ(lookupText(""), "");
}

TEST_F(TextTables, CutsKeysAndTextsToTheirCapacities) {
  std::string key(40, 'k');
  std::string text(200, 't');
  loadFragmentsFrom(key + "##" + text + "#\r\n");
  EXPECT_EQ(lookupText(key), "") << "a key longer than 32 is stored cut";
  EXPECT_EQ(lookupText(key.substr(0, 32)), std::string(128, 't'));
}

TEST_F(TextTables, ReadsFieldsAcrossLinesAndToleratesLineBreaksBetweenRecords) {
  // One field a line, LF dropped inside a field, blank lines and a final CR LF.
  loadFragmentsFrom("\r\nf_a\r\n3\r\neins\r\none\r\n\r\n\r\nf_b##zw\nei#two\r\n\r\n");
  EXPECT_EQ(textTables.fragmentCount, 2);
  EXPECT_EQ(lookupText("f_a"), "eins");
  EXPECT_EQ(textTables.fragmentTable[0].number, 3);
  EXPECT_EQ(lookupText("f_b"), "zwei");
  EXPECT_EQ(textTables.fragmentTable[1].number, -1) << "an empty number field is -1";
}

TEST_F(TextTables, ReadsUmlautsByteForByte) {
  loadFragmentsFrom("f_franz_könig##König#King\r\n");
  EXPECT_EQ(lookupText("f_franz_könig"), "König");
  EXPECT_EQ(lookupText("f_franz_könig").size(), 5u) << "one byte per umlaut";
}

TEST_F(TextTables, MessageRecordsTakeKindIdAndTheSelectedColumn) {
  loadMessagesFrom(
      "mb_yesno#5#Frage#Wirklich?#Question#Really?\r\n"
      "MB_YESNO#6#a#b#c#d\r\n"
      "mb_okeula#7#a#b#c#d\r\n"
      "mb_ok#8#a#b#c#d\r\n"
      "mb_other#9#a#b#c#d\r\n"
      "mb_ok##ohne#Nummer##\r\n");
  struct Case {
    int id;
    int buttons;
  } cases[] = {{5, 4}, {6, 0}, {7, 2}, {8, 0}, {9, 0}, {-1, 0}};
  for (const Case& c : cases) {
    TVTLMessageBoxRecord m = findMessage(c.id);
    EXPECT_EQ(m.id, c.id);
    EXPECT_EQ(m.buttons, c.buttons) << "id " << c.id;
  }
  EXPECT_EQ(findMessage(5).title.str(), "Frage");
  EXPECT_EQ(findMessage(5).text.str(), "Wirklich?");

  loadMessagesFrom("mb_yesno#5#Frage#Wirklich?#Question#Really?", 2);
  EXPECT_EQ(findMessage(5).title.str(), "Question");
  EXPECT_EQ(findMessage(5).text.str(), "Really?");
}

TEST_F(TextTables, AMissingMessageIsTheEmptyRecord) {
  loadMessagesFrom("mb_yesno#5#Frage#Wirklich?##\r\n");
  TVTLMessageBoxRecord m = findMessage(44);
  EXPECT_EQ(m.id, 0);
  EXPECT_EQ(m.buttons, 0);
  EXPECT_TRUE(m.title.empty());
  EXPECT_TRUE(m.text.empty());
}

TEST_F(TextTables, CutsMessageTitlesAndTexts) {
  loadMessagesFrom("mb_ok#1#" + std::string(40, 'T') + "#" + std::string(300, 'x') + "##\r\n");
  EXPECT_EQ(findMessage(1).title.str(), std::string(32, 'T'));
  EXPECT_EQ(findMessage(1).text.str(), std::string(255, 'x'));
}

TEST_F(TextTables, FastModeAnswersEmpty) {
  loadFragmentsFrom("f_a##eins#\r\n");
  loadMessagesFrom("mb_yesno#5#Frage#Wirklich?##\r\n");
  textTables.fastMode = true;
  EXPECT_EQ(lookupText("f_a"), "");
  EXPECT_EQ(findMessage(5).id, 0);
}

TEST_F(TextTables, ALaterLoadKeepsSlotsAboveItsCount) {
  loadFragmentsFrom("f_a##eins#\r\nf_b##zwei#\r\n");
  loadFragmentsFrom("f_c##drei#\r\n");
  EXPECT_EQ(textTables.fragmentCount, 1);
  EXPECT_EQ(lookupText("f_c"), "drei");
  EXPECT_EQ(lookupText("f_b"), "zwei");
}

// A damaged table is reported in the error log and by an alert; the records read before the
// damage stay and the program goes on.
TEST_F(TextTables, ADamagedTableIsReportedAndKeepsWhatWasRead) {
  struct Case {
    const char* name;
    std::string bytes;
    int kept;
    const char* message;
  } cases[] = {
      {"cut short", "f_a##eins#one\r\nf_b##zwei", 1, "Read beyond end of file"},
      {"bad number", "f_a##eins#one\r\nf_b#x1#zwei#two\r\nf_c##drei#three", 1,
       "'x1' is not a valid integer value"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    resetTextTables();
    std::filesystem::remove(programPath("\\errors.txt"));
    setErrorLogFile(programPath("\\errors.txt"));
    AlertCollector alerts;
    loadFragmentsFrom(c.bytes);
    EXPECT_EQ(textTables.fragmentCount, c.kept);
    EXPECT_EQ(lookupText("f_a"), "eins");
    EXPECT_EQ(lookupText("f_b"), "") << "the damaged record is not stored";
    ASSERT_EQ(alerts.count(), 1u);
    EXPECT_EQ(alerts.texts()[0], std::string("ACHTUNG! loadFragments: Fehler in ") +
                                     kFragmentsFile + " nach 1 Einträgen: " + c.message);
    std::string log = folder.read("\\errors.txt");
    EXPECT_NE(log.find(std::string("Message: ") + c.message + "\r\n"), std::string::npos) << log;
  }
}

TEST_F(TextTables, AMissingFileLeavesAnEmptyTableAndIsReported) {
  AlertCollector alerts;
  setLanguage("deutsch", 1);
  loadMessageTable();
  EXPECT_EQ(textTables.messageCount, 0);
  ASSERT_EQ(alerts.count(), 1u);
  EXPECT_EQ(alerts.texts()[0], std::string("ACHTUNG! loadMessageTable: Fehler in ") +
                                   kMessagesFile + " nach 0 Einträgen: File not found");
}

TEST_F(TextTables, RecordsBeyondTheCapacityAreReportedAndTheFirstOnesKept) {
  std::string fragments;
  for (int i = 0; i < kFragmentCapacity + 1; i++) fragments += "f_" + std::to_string(i) + "##t#\r\n";
  std::string messages;
  for (int i = 1; i <= kMessageCapacity + 1; i++) messages += "mb_ok#" + std::to_string(i) + "#a#b##\r\n";
  AlertCollector alerts;
  loadFragmentsFrom(fragments);
  loadMessagesFrom(messages);
  EXPECT_EQ(textTables.fragmentCount, kFragmentCapacity);
  EXPECT_EQ(lookupText("f_500"), "t");
  EXPECT_EQ(textTables.messageCount, kMessageCapacity);
  EXPECT_EQ(findMessage(46).id, 46);
  EXPECT_EQ(findMessage(47).id, 0);
  ASSERT_EQ(alerts.count(), 2u);
  EXPECT_NE(alerts.texts()[0].find("Range check error"), std::string::npos) << alerts.texts()[0];
}

TEST_F(TextTables, ExactlyFullTablesLoadWithoutComplaint) {
  std::string fragments;
  for (int i = 0; i < kFragmentCapacity; i++) fragments += "f_" + std::to_string(i) + "##t#\r\n";
  loadFragmentsFrom(fragments);
  EXPECT_EQ(textTables.fragmentCount, kFragmentCapacity);
}

// Truncated and random bytes: the loaders neither crash nor hang, keep to the capacities and
// report a damaged file with one clear alert.
TEST_F(TextTables, TruncatedAndRandomBytesGiveAClearReportOrATable) {
  const std::string fragments = "f_a#1#eins#one\r\nf_b#2#zwei#two\r\n";
  const std::string messages = "mb_yesno#5#Frage#Wirklich?#Question#Really?\r\nmb_ok#6#a#b#c#d";
  std::vector<std::pair<std::string, std::string>> cases;  // fragments bytes, messages bytes
  for (size_t k = 0; k <= fragments.size() || k <= messages.size(); k++)
    cases.emplace_back(fragments.substr(0, k), messages.substr(0, k));
  std::mt19937 rng(20261210);
  const std::string alphabet("#\r\n0123456789-+ab_\xE4\xFC", 21);  // with the closing NUL byte
  for (int n = 0; n < 300; n++) {
    std::string f, m;
    for (size_t len = rng() % 200; len > 0; len--) f += alphabet[rng() % alphabet.size()];
    for (size_t len = rng() % 200; len > 0; len--) m += alphabet[rng() % alphabet.size()];
    cases.emplace_back(f, m);
  }
  for (const auto& [f, m] : cases) {
    AlertCollector alerts;
    loadFragmentsFrom(f);
    loadMessagesFrom(m);
    ASSERT_LE(alerts.count(), 2u);
    for (const std::string& a : alerts.texts())
      EXPECT_EQ(a.rfind("ACHTUNG! load", 0), 0u) << "expected a load report, got " << a;
    EXPECT_GE(textTables.fragmentCount, 0);
    EXPECT_LE(textTables.fragmentCount, kFragmentCapacity);
    EXPECT_LE(textTables.messageCount, kMessageCapacity);
    for (int i = 0; i < textTables.fragmentCount; i++) {
      EXPECT_LE(textTables.fragmentTable[i].key.len, 32);
      EXPECT_LE(textTables.fragmentTable[i].text.len, 128);
    }
    resetTextTables();
  }
  // The whole files load without a report.
  AlertCollector alerts;
  loadFragmentsFrom(fragments);
  loadMessagesFrom(messages);
  EXPECT_EQ(alerts.count(), 0u);
  EXPECT_EQ(textTables.fragmentCount, 2);
  EXPECT_EQ(textTables.messageCount, 2);
}

TEST(SuitTokens, BecomeTheFontsSuitCharacters) {
  struct Case {
    const char* text;
    const char* expected;
  } cases[] = {
      {"s_herzn", "\x16"},
      {"s_pikass", "\x15" "ass"},
      {"(s_kreuz+s_pik,s_herz+s_karo)", "(\x14+\x15,\x16+\x17)"},
      {"s_karoxs_karo", "\x17x\x17"},
      {"ohne", "ohne"},
  };
  for (const Case& c : cases) EXPECT_EQ(replaceSuitTokens(c.text), c.expected) << c.text;
}

TEST(SuitTokens, ReplaceTokenSaysWhetherItReplaced) {
  std::string text = "a s_pik b s_pik";
  EXPECT_TRUE(replaceToken("s_pik", "P", text));
  EXPECT_EQ(text, "a P b P");
  EXPECT_FALSE(replaceToken("s_herz", "H", text));
  std::string self = "xx";
  EXPECT_TRUE(replaceToken("x", "xx", self)) << "a replacement holding its token ends";
  EXPECT_EQ(self, "xxxx");
}

TEST(EnterCallback, IsStoredForTheKeyboardNavigation) {
  int got = 0;
  setEnterCallback([&](int32_t d, int32_t e) { got = d * 100 + e; });
  ASSERT_TRUE(textTables.onEnterKey);
  textTables.onEnterKey(3, 7);
  EXPECT_EQ(got, 307);
  setEnterCallback(nullptr);
}

}  // namespace
