// A nettable process for the process tests: its stdin, its output lines collected as they
// come, and bounded waits.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#ifndef NETTABLE_PATH
#error "NETTABLE_PATH names the nettable program"
#endif

extern char** environ;

inline namespace nettable_process {

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

}  // namespace nettable_process
