// The error log: report format in "errors.txt", the screen text, the pending call stack.
#include <gtest/gtest.h>

#include <regex>

#include "engine/error_log.h"
#include "platform/errors.h"
#include "platform/tick.h"
#include "tests/engine/temp_folder.h"

namespace {

// Socket errors are known by their class name alone.
class ESocketError : public std::runtime_error {
 public:
  explicit ESocketError(const std::string& m) : std::runtime_error(m) {}
};

class ErrorLog : public ::testing::Test {
 protected:
  void SetUp() override {
    resetErrorLog();
    setErrorLogFile(logFile());
  }
  void TearDown() override { resetErrorLog(); }
  std::string logFile() const { return programPath("\\errors.txt"); }
  std::string log() const { return folder.read("\\errors.txt"); }
  TempProgramFolder folder;
};

const std::string crlf = "\r\n";

TEST_F(ErrorLog, SetErrorLogFileCreatesAnEmptyLog) {
  EXPECT_TRUE(folder.exists("\\errors.txt"));
  EXPECT_EQ(log(), "");
}

TEST_F(ErrorLog, AReportWithoutPendingStackHasTheFixedLayout) {
  useFakeTick(4242);
  std::string screen;
  logErrorReport(EInOutError("Read beyond end of file"), screen);
  EXPECT_EQ(screen, "Type: EInOutError" + crlf + "Message: Read beyond end of file" + crlf);

  // Lines 1, 2 empty; the head line; an empty line; type and message; the closing line break.
  std::regex layout(
      "\r\n\r\nERROR IN " + programFileName() +
      " [0-9]{2}\\.[0-9]{2}\\.[0-9]{4} [0-9]{2}:[0-9]{2}:[0-9]{2} 4242 -{62}\r\n\r\n"
      "Type: EInOutError\r\nMessage: Read beyond end of file\r\n\r\n");
  EXPECT_TRUE(std::regex_match(log(), layout)) << "got:\n" << log();
  useFakeTick(1000);
}

TEST_F(ErrorLog, APendingStackGoesIntoTheNextReportOnly) {
  captureStackNow();
  std::string stack = pendingStackText();
  ASSERT_FALSE(stack.empty());

  std::string screen;
  logErrorReport(ERangeError("Range check error"), screen);
  EXPECT_EQ(screen, "Type: ERangeError" + crlf + "Message: Range check error" + crlf + crlf + crlf +
                        "Debug information written to errors.txt");
  EXPECT_EQ(pendingStackText(), "") << "the report consumes the pending text";
  std::string first = log();
  EXPECT_EQ(first.substr(first.size() - stack.size() - 2), stack + crlf);

  logErrorReport(EConvertError("'x' is not a valid integer value"), screen);
  EXPECT_EQ(screen.find("Debug information"), std::string::npos);
  EXPECT_EQ(log().substr(first.size()).find("call stack"), std::string::npos);
}

// A range error caught and handled, then a fatal error of another kind: the report carries
// the stack of the range error, captured where it was raised.
TEST_F(ErrorLog, TheStackOfAnEarlierCaughtErrorGoesIntoTheNextReport) {
  TRunErrorHook savedHook = runErrorHook;
  std::terminate_handler savedTerminate = std::get_terminate();
  initErrorLog();
  try {
    throw ERangeError("Range check error");
  } catch (const ERangeError&) {
  }
  std::string captured = pendingStackText();
  runErrorHook = savedHook;
  std::set_terminate(savedTerminate);
  ASSERT_NE(captured.find("call stack - 0 : "), std::string::npos) << captured;

  captureStackIfNone();  // as the fatal path does: keeps the earlier capture
  std::string screen;
  logErrorReport(std::logic_error("fatal"), screen);
  std::string text = log();
  EXPECT_NE(text.find("Type: logic_error\r\nMessage: fatal\r\n" + captured), std::string::npos) << text;
}

TEST_F(ErrorLog, AnEarlierCaptureIsKeptByCaptureStackIfNone) {
  captureStackNow();
  std::string earlier = pendingStackText();
  captureStackIfNone();
  EXPECT_EQ(pendingStackText(), earlier);
  resetErrorLog();
  captureStackIfNone();
  EXPECT_FALSE(pendingStackText().empty());
}

TEST_F(ErrorLog, SocketErrorsGiveNoReportAndNoText) {
  std::string screen = "old";
  logErrorReport(ESocketError("connection reset"), screen);
  EXPECT_EQ(screen, "");
  EXPECT_EQ(log(), "");
}

TEST_F(ErrorLog, WithLoggingOffTheScreenTextIsStillBuilt) {
  resetErrorLog();
  setErrorLogFile(folder.root() + "/missing-folder/errors.txt");  // cannot be created
  captureStackNow();
  std::string screen;
  logErrorReport(EInOutError("File not found"), screen);
  EXPECT_NE(screen.find("Debug information written to errors.txt"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(folder.root() + "/missing-folder"));
}

TEST_F(ErrorLog, ALogDeletedWhileRunningIsCreatedAgain) {
  std::filesystem::remove(logFile());
  std::string screen;
  logErrorReport(std::runtime_error("boom"), screen);
  EXPECT_NE(log().find("Type: runtime_error\r\nMessage: boom\r\n"), std::string::npos) << log();
}

TEST_F(ErrorLog, ReportsAreAppended) {
  std::string screen;
  logErrorReport(EInOutError("one"), screen);
  logErrorReport(EInOutError("two"), screen);
  std::string text = log();
  size_t one = text.find("Message: one");
  size_t two = text.find("Message: two");
  ASSERT_NE(one, std::string::npos);
  ASSERT_NE(two, std::string::npos);
  EXPECT_LT(one, two);
}

TEST(CallStack, TextsNameTheModuleAndTheOffset) {
  std::regex line("Module [^ ]+( Routine .+|\\(no debug info\\)) Find error: [0-9A-F]{8,}");
  std::string t = addressToText(reinterpret_cast<const void*>(&captureStackNow));
  EXPECT_TRUE(std::regex_match(t, line)) << t;
  EXPECT_EQ(addressToText(nullptr), "");
  EXPECT_EQ(addressToText(reinterpret_cast<const void*>(16)), "") << "no module covers it";
}

TEST(CallStack, ListsNumberedLinesAndStopsAtTheFirstZero) {
  TCallStack stack;
  captureCallStack(stack, 0);
  ASSERT_NE(stack.addr[0], nullptr);
  std::string text = callStackText(stack);
  EXPECT_EQ(text.rfind("call stack - 0 : Module ", 0), 0u) << text;

  TCallStack gap{};
  gap.addr[0] = stack.addr[0];
  gap.addr[1] = reinterpret_cast<const void*>(16);  // no text, but keeps its number
  gap.addr[2] = stack.addr[0];
  std::string gapText = callStackText(gap);
  EXPECT_EQ(gapText.find("call stack - 1 "), std::string::npos);
  EXPECT_NE(gapText.find("call stack - 2 : "), std::string::npos) << gapText;
}

TEST(CallStack, ACapturedTextEndsWithItsLineBreaks) {
  resetErrorLog();
  captureStackNow();
  std::string text = pendingStackText();
  size_t firstBreak = text.find(crlf + crlf);
  ASSERT_NE(firstBreak, std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 2), crlf);
  resetErrorLog();
}

}  // namespace
