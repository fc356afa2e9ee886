// A program started from a temporary copy of its folder, for the tests that run the real
// program or the engine alone under Xvfb: nothing of the build is written, and the copy and the
// process go when the test ends.
#pragma once

#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace program_copy {
namespace fs = std::filesystem;

inline std::string readAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Polls done until it holds or the seconds are over; its last answer.
template <typename Done>
bool waitFor(Done done, double seconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (std::chrono::steady_clock::now() < end) {
    if (done()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(40));
  }
  return done();
}

// The copy's options dialog file (vtlopt.dco) carries the run marker "second": the hardware
// test of a first run stays out of the tests. True when the marker was found once and replaced.
inline bool markNotFirstRun(const fs::path& optionsFile) {
  std::string state = readAll(optionsFile);
  const size_t at = state.find("|first|");
  if (at == std::string::npos || state.find("|first|", at + 1) != std::string::npos) return false;
  state.replace(at, 7, "|second|");
  std::ofstream(optionsFile, std::ios::binary | std::ios::trunc) << state;
  return readAll(optionsFile) == state;
}

// A temporary folder (root) whose "app" folder the program runs in, and the running process.
class ProgramCopy {
 public:
  explicit ProgramCopy(const char* prefix) {
    std::string pattern = (fs::temp_directory_path() / (std::string(prefix) + "-XXXXXX")).string();
    root = ::mkdtemp(pattern.data()) ? pattern : std::string();
  }
  ProgramCopy(const ProgramCopy&) = delete;
  ProgramCopy& operator=(const ProgramCopy&) = delete;
  ~ProgramCopy() {
    if (pid > 0 && ::waitpid(pid, nullptr, WNOHANG) == 0) {
      ::kill(pid, SIGKILL);
      ::waitpid(pid, nullptr, 0);
    }
    // SKAT_KEEP_TEST_COPY keeps the folder (report, pictures, logs) for a look after a failure.
    if (std::getenv("SKAT_KEEP_TEST_COPY") != nullptr) return;
    std::error_code ec;
    fs::remove_all(root, ec);
  }
  // Starts program in root/app with the environment additions; the lock folder is root, so no
  // other running copy counts.
  void start(const char* program, const std::vector<std::pair<const char*, std::string>>& env = {}) {
    pid = ::fork();
    if (pid != 0) return;
    if (::chdir((root / "app").c_str()) != 0) _exit(126);
    ::setenv("XDG_RUNTIME_DIR", root.c_str(), 1);
    for (const auto& [name, value] : env) ::setenv(name, value.c_str(), 1);
    ::execl(program, program, static_cast<char*>(nullptr));
    _exit(127);
  }
  // The exit status, or -1 when the program did not end in time.
  int waitForExit(double seconds) {
    int status = 0;
    if (!waitFor([&] { return ::waitpid(pid, &status, WNOHANG) == pid; }, seconds)) return -1;
    pid = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }

  fs::path root;
  pid_t pid = -1;
};
}  // namespace program_copy
