// Single-instance lock: program identity, the raise request between two processes, stale
// files of a dead copy and a running copy that never answers.
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/instance.h"
#include "tests/platform/instance_fixture.h"

namespace {
namespace fs = std::filesystem;

// Each test is the running copy in a folder of its own, counting the raise requests it sees.
class Instance : public InstanceFixture {
 protected:
  // The raise requests that arrived since the last call.
  int pollRaises() {
    int before = raises;
    for (int i = 0; i < 3; i++) instancePoll();
    return raises - before;
  }
  std::string file(const char* name) const { return folder.path + "/" + name; }
};

// Whether some process holds the lock file: a lock of our own on a fresh descriptor fails
// then, even while it is this process that holds it.
bool lockIsHeld(const std::string& lockFile) {
  int fd = open(lockFile.c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0) return false;
  bool held = flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
  close(fd);
  return held;
}
}  // namespace

TEST(InstanceKey, FileNameWithoutFolderInUpperCaseWithTheUnderscoreRule) {
  struct Case {
    const char* path;
    const char* expected;
  } cases[] = {
      {"/opt/skat/skat", "SKAT"},
      {"/home/anna/Spiele/Skat_", "SKAT"},       // underscore at the end of a bare name
      {"skat_.bin", "SKAT.BIN"},                 // underscore right before the extension
      {"/a/Skat.Bin", "SKAT.BIN"},
      {"/a/skat__", "SKAT_"},                    // only the one right before goes
      {"/a/ska_t", "SKA_T"},
      {"/a/skat_.tar.gz", "SKAT_.TAR.GZ"},       // the extension is after the last dot
      {"/spiele_/skat", "SKAT"},                 // the folder does not count
      {"skat", "SKAT"},
      {"/a/skat2", "SKAT2"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(instanceProgramKey(c.path), c.expected) << "for " << c.path;
}

TEST(InstanceKey, OwnExecutableIsThisProgramUnlessSet) {
  setInstanceExecutable("");
  EXPECT_EQ(instanceProgramKey(instanceExecutable()), "TEST_PLATFORM");
}

TEST(InstanceKey, RuntimeFolderPerUser) {
  setInstanceFolder("");
  const char* old = std::getenv("XDG_RUNTIME_DIR");
  std::string saved = old ? old : "";
  setenv("XDG_RUNTIME_DIR", "/run/user/4711", 1);
  EXPECT_EQ(instanceFolder(), "/run/user/4711");
  unsetenv("XDG_RUNTIME_DIR");
  EXPECT_EQ(instanceFolder(), "/tmp/skat-" + std::to_string(getuid()));
  if (old) setenv("XDG_RUNTIME_DIR", saved.c_str(), 1);
}

TEST_F(Instance, NoOtherCopyMakesThisTheRunningOne) {
  EXPECT_FALSE(instanceClaimOrAskRaise()) << "expected no other copy";
  EXPECT_TRUE(lockIsHeld(file("SKAT.instance.lock")));
  EXPECT_TRUE(fs::exists(file("SKAT.instance.sock")));
  EXPECT_FALSE(instanceClaimOrAskRaise()) << "asking again while holding the lock";
  EXPECT_EQ(pollRaises(), 0);
}

// Second starts under various names while this process runs as /opt/skat/skat.
TEST_F(Instance, SecondStartOfTheSameProgramAsksTheFirstToRaise) {
  ASSERT_FALSE(instanceClaimOrAskRaise());
  struct Case {
    const char* executable;
    bool sameProgram;
  } cases[] = {
      {"/opt/skat/skat", true},
      {"/home/anna/anderswo/skat", true},  // another folder
      {"/home/anna/Skat_", true},          // underscore rule, upper and lower case
      {"/tmp/SKAT", true},
      {"/opt/skat/skat2", false},
      {"/opt/skat/poker", false},
  };
  for (const Case& c : cases) {
    int expectedCode = c.sameProgram ? kProbeOtherRuns : kProbeAlone;
    EXPECT_EQ(runInstanceProbe(folder.path, c.executable), expectedCode) << "for " << c.executable;
    EXPECT_EQ(pollRaises(), c.sameProgram ? 1 : 0) << "raise requests for " << c.executable;
    EXPECT_TRUE(lockIsHeld(file("SKAT.instance.lock"))) << "first copy lost its lock";
  }
}

TEST_F(Instance, RequestBeforeTheWindowExistsIsTakenAndDoesNothing) {
  setInstanceRaiseHandler({});
  ASSERT_FALSE(instanceClaimOrAskRaise());
  ASSERT_EQ(runInstanceProbe(folder.path, kOwnExecutable), kProbeOtherRuns);
  instancePoll();
  setInstanceRaiseHandler([this] { raises++; });
  EXPECT_EQ(pollRaises(), 0) << "an old request must not raise the window later";
}

TEST_F(Instance, FilesOfADeadCopyDoNotBlockANewStart) {
  // The probe finds itself alone and ends without cleaning up, as a crashed copy does.
  ASSERT_EQ(runInstanceProbe(folder.path, kOwnExecutable), kProbeAlone);
  ASSERT_TRUE(fs::exists(file("SKAT.instance.lock")));
  ASSERT_TRUE(fs::is_socket(file("SKAT.instance.sock"))) << "expected a stale socket file";
  EXPECT_FALSE(instanceClaimOrAskRaise()) << "a dead copy counted as running";
  EXPECT_EQ(runInstanceProbe(folder.path, kOwnExecutable), kProbeOtherRuns);
  EXPECT_EQ(pollRaises(), 1) << "the replaced socket must take requests";
}

TEST_F(Instance, SecondCopyReportsTheFirstEvenWhenItNeverAnswers) {
  ASSERT_FALSE(instanceClaimOrAskRaise());
  // Never polled: the requests only queue up.
  for (int i = 0; i < 3; i++)
    EXPECT_EQ(runInstanceProbe(folder.path, kOwnExecutable), kProbeOtherRuns) << "start " << i;
  // Its socket gone: the request fails, the answer stays.
  fs::remove(file("SKAT.instance.sock"));
  EXPECT_EQ(runInstanceProbe(folder.path, kOwnExecutable), kProbeOtherRuns);
  EXPECT_TRUE(lockIsHeld(file("SKAT.instance.lock")));
}

TEST_F(Instance, FullRequestQueueDoesNotHoldUpASecondStart) {
  ASSERT_FALSE(instanceClaimOrAskRaise());
  // More starts than the kernel queues datagrams for (10 by default): the later requests are
  // dropped, and the starts neither wait nor change their answer.
  const int starts = 14;
  for (int i = 0; i < starts; i++)
    ASSERT_EQ(runInstanceProbe(folder.path, kOwnExecutable), kProbeOtherRuns) << "start " << i;
  int seen = pollRaises();
  EXPECT_GE(seen, 1);
  EXPECT_LE(seen, starts);
  EXPECT_EQ(pollRaises(), 0) << "requests seen twice";
}

TEST_F(Instance, LongProgramNameStillFindsTheRunningCopy) {
  std::string longName = "/opt/" + std::string(150, 'k');
  setInstanceExecutable(longName);
  ASSERT_FALSE(instanceClaimOrAskRaise());
  EXPECT_EQ(runInstanceProbe(folder.path, longName), kProbeOtherRuns);
  EXPECT_EQ(pollRaises(), 1);
}

TEST_F(Instance, FolderOthersCanWriteToIsNotUsed) {
  chmod(folder.path.c_str(), 0777);
  EXPECT_FALSE(instanceClaimOrAskRaise());
  EXPECT_FALSE(fs::exists(file("SKAT.instance.lock"))) << "lock made in an unsafe folder";
  instancePoll();
  EXPECT_EQ(raises, 0);
}

TEST_F(Instance, ReleaseLetsTheNextCopyRun) {
  ASSERT_FALSE(instanceClaimOrAskRaise());
  instanceRelease();
  EXPECT_FALSE(fs::exists(file("SKAT.instance.sock")));
  EXPECT_EQ(runInstanceProbe(folder.path, kOwnExecutable), kProbeAlone);
}
