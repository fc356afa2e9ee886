// Whole machines as processes: nettable hosts and joins a count game, and the host's machine
// is killed or stopped under it. Each process on its own 127.0.0.x; the Part's times unless
// a case shortens the silence.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#ifndef NETTABLE_PATH
#error "NETTABLE_PATH names the nettable program"
#endif

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// One nettable process with its stdin and its collected output lines.
class Proc {
 public:
  explicit Proc(std::vector<std::string> args) {
    int in[2], out[2];
    if (pipe(in) != 0 || pipe(out) != 0) return;
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_adddup2(&fa, in[0], 0);
    posix_spawn_file_actions_adddup2(&fa, out[1], 1);
    posix_spawn_file_actions_addclose(&fa, in[1]);
    posix_spawn_file_actions_addclose(&fa, out[0]);
    args.insert(args.begin(), NETTABLE_PATH);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn(&pid_, NETTABLE_PATH, &fa, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&fa);
    close(in[0]);
    close(out[1]);
    in_ = in[1];
    out_ = out[0];
    fcntl(out_, F_SETFL, O_NONBLOCK);
  }
  ~Proc() {
    if (pid_ > 0 && !ended_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    close(in_);
    close(out_);
  }
  void send(const std::string& line) {
    const std::string l = line + "\n";
    (void)!write(in_, l.data(), l.size());
  }
  void signal(int sig) { kill(pid_, sig); }
  // Reads what is there; true once a line begins with start.
  bool saw(const std::string& start) {
    read();
    for (auto& l : lines)
      if (l.rfind(start, 0) == 0) return true;
    return false;
  }
  bool ended() {
    if (!ended_ && waitpid(pid_, nullptr, WNOHANG) == pid_) ended_ = true;
    return ended_;
  }
  // The numbers of the count game in the order this machine saw them.
  std::vector<int> counts() {
    read();
    std::vector<int> out;
    for (auto& l : lines)
      if (l.rfind("count ", 0) == 0 && l != "count done") out.push_back(l.rfind("count wrong", 0) == 0 ? -1 : std::stoi(l.substr(6)));
    return out;
  }
  std::vector<std::string> lines;

 private:
  void read() {
    char buf[4096];
    ssize_t n;
    while ((n = ::read(out_, buf, sizeof buf)) > 0) partial_.append(buf, size_t(n));
    size_t nl;
    while ((nl = partial_.find('\n')) != std::string::npos) {
      lines.push_back(partial_.substr(0, nl));
      partial_.erase(0, nl + 1);
    }
  }
  pid_t pid_ = -1;
  int in_ = -1, out_ = -1;
  bool ended_ = false;
  std::string partial_;
};

template <class F>
bool waitFor(F done, int ms) {
  const auto end = Clock::now() + std::chrono::milliseconds(ms);
  while (Clock::now() < end) {
    if (done()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return done();
}

std::vector<int> oneToN(int n) {
  std::vector<int> v;
  for (int i = 1; i <= n; ++i) v.push_back(i);
  return v;
}

// A host on .1 and three clients on .2 .. .4 of a base, in a count game of 4 seats.
struct CountTable {
  CountTable(const std::string& base, uint16_t port, int count, std::vector<std::string> extra = {}) {
    auto args = [&](const char* cmd, int host) {
      std::vector<std::string> a = {cmd, "--addr", base + std::to_string(host), "--port", std::to_string(port),
                                    "--host", base + "1", "--count", std::to_string(count), "--seats", "4",
                                    "--pace-ms", "40", "--exit-after", "60"};
      a.insert(a.end(), extra.begin(), extra.end());
      return a;
    };
    host = std::make_unique<Proc>(args("host", 1));
    EXPECT_TRUE(waitFor([&] { return host->saw("ready"); }, 5000));
    for (int i = 0; i < 3; ++i) {
      clients.push_back(std::make_unique<Proc>(args("join", 2 + i)));
      EXPECT_TRUE(waitFor([&] { return clients.back()->saw("event 1"); }, 5000)) << "client " << i;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(200));  // names and addresses reach everyone
    host->send("start");
  }
  std::unique_ptr<Proc> host;
  std::vector<std::unique_ptr<Proc>> clients;
};

}  // namespace

TEST(NetProcesses, HostKilledSubstituteHostsAndTheCountGoesOn) {
  struct Case {
    const char* what;
    const char* base;
    uint16_t port;
    bool killClientToo;
  } cases[] = {
      {"every client rejoins", "127.0.1.", 42675, false},
      {"a client killed too is played by the computer", "127.0.2.", 42676, true},
  };
  for (const Case& c : cases) {
    const int count = 60;
    CountTable t(c.base, c.port, count);
    ASSERT_TRUE(waitFor([&] { return t.clients[0]->saw("count 12 "); }, 10000)) << c.what;
    t.host->signal(SIGKILL);
    if (c.killClientToo) t.clients[2]->signal(SIGKILL);
    const auto killed = Clock::now();
    const size_t alive = c.killClientToo ? 2 : 3;
    ASSERT_TRUE(waitFor([&] {
      for (size_t i = 0; i < alive; ++i)
        if (!t.clients[i]->saw("count done")) return false;
      return true;
    }, 30000)) << c.what;
    EXPECT_TRUE(t.clients[0]->saw("proto create ERSATZHOST erfolgreich")) << c.what;
    for (size_t i = 0; i < alive; ++i) EXPECT_EQ(t.clients[i]->counts(), oneToN(count)) << c.what << " client " << i;
    // The substitute waits 12 s for a client that does not come back, else only until all are.
    if (c.killClientToo) EXPECT_GE(Clock::now() - killed, std::chrono::seconds(12)) << c.what;
    else EXPECT_LT(Clock::now() - killed, std::chrono::seconds(10)) << c.what;
  }
}

TEST(NetProcesses, StoppedHostIsCountedLostAfterTheSilence) {
  const int count = 40;
  CountTable t("127.0.3.", 42677, count, {"--silence-ms", "1500", "--refresh-ms", "300"});
  ASSERT_TRUE(waitFor([&] { return t.clients[0]->saw("count 8 "); }, 10000));
  t.host->signal(SIGSTOP);
  const auto stopped = Clock::now();
  ASSERT_TRUE(waitFor([&] { return t.clients[0]->saw("proto create ERSATZHOST erfolgreich"); }, 10000));
  EXPECT_GE(Clock::now() - stopped, std::chrono::milliseconds(1400));
  ASSERT_TRUE(waitFor([&] { return t.clients[0]->saw("count done") && t.clients[1]->saw("count done") && t.clients[2]->saw("count done"); }, 20000));
  for (auto& p : t.clients) EXPECT_EQ(p->counts(), oneToN(count));
  t.host->signal(SIGKILL);
}
