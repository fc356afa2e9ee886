// The probe program of the single-instance tests: a second start of the program, run as a
// separate process, that tells by its exit code what the check found.
#pragma once

#include <spawn.h>
#include <sys/types.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>

// Exit codes of the probe.
constexpr int kProbeAlone = 0;      // no other copy: the probe was the only one
constexpr int kProbeOtherRuns = 1;  // another copy runs and was asked to raise its window
constexpr int kProbeUsage = 2;      // wrong arguments

// A fresh private folder for the lock and the socket, removed with its contents at the end.
struct InstanceTestFolder {
  std::string path;
  InstanceTestFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "instanceXXXXXX").string();
    if (mkdtemp(pattern.data())) path = pattern;
  }
  ~InstanceTestFolder() {
    std::error_code ec;
    if (!path.empty()) std::filesystem::remove_all(path, ec);
  }
};

#ifdef INSTANCE_PROBE_PATH
// Starts the probe with the lock folder and the executable path it pretends to have, waits
// for it and returns its exit code; -1 when it could not run or did not exit normally.
inline int runInstanceProbe(const std::string& folder, const std::string& executable) {
  extern char** environ;
  std::string path = INSTANCE_PROBE_PATH;
  char* argv[] = {path.data(), const_cast<char*>(folder.c_str()),
                  const_cast<char*>(executable.c_str()), nullptr};
  pid_t pid;
  if (posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, environ) != 0) return -1;
  int status = 0;
  while (waitpid(pid, &status, 0) < 0)
    if (errno != EINTR) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
#endif
