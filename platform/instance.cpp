// Single-instance lock over an flock-ed lock file and a Unix datagram socket.
#include "platform/instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

// [SECTION] state
namespace {
std::string executableOverride;      // set by tests; empty: /proc/self/exe
std::string folderOverride;          // set by tests; empty: the per-user runtime folder
int lockFd = -1;                     // the flock-ed lock file while this copy runs, else -1
int socketFd = -1;                   // the running copy's bound datagram socket, else -1
std::string socketPath;              // where socketFd is bound; removed on release
std::function<void()> raiseHandler;  // installed by the window layer; empty until then

constexpr char kRaiseRequest[] = "RAISE";  // the one message a later start sends
constexpr size_t kRaiseRequestLen = sizeof(kRaiseRequest) - 1;
constexpr int kMaxRequestsPerPoll = 16;  // a flood of requests cannot stall a frame
constexpr char kLockSuffix[] = ".instance.lock";
constexpr char kSocketSuffix[] = ".instance.sock";
constexpr size_t kSocketPathMax = sizeof(sockaddr_un{}.sun_path) - 1;

// [SECTION] files
// The folder must be a real folder of this user that nobody else can write to: anyone who
// could would be able to put their own files in place of the lock or the socket.
bool prepareFolder(const std::string& folder) {
  if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return false;
  struct stat st;
  if (lstat(folder.c_str(), &st) != 0) return false;
  return S_ISDIR(st.st_mode) && st.st_uid == geteuid() && (st.st_mode & 022) == 0;
}

// The lock and socket files are named by the program; a name too long for a socket address
// is replaced by its hash, the same in every copy.
std::string fileStem(const std::string& folder, const std::string& key) {
  if (folder.size() + 1 + key.size() + std::strlen(kSocketSuffix) <= kSocketPathMax)
    return key;
  uint64_t h = 14695981039346656037ull;  // FNV-1a
  for (unsigned char c : key) h = (h ^ c) * 1099511628211ull;
  char hex[17];
  std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(h));
  return hex;
}

bool socketAddress(const std::string& path, sockaddr_un& addr) {
  if (path.size() > kSocketPathMax) return false;
  std::memset(&addr, 0, sizeof addr);
  addr.sun_family = AF_UNIX;
  std::memcpy(addr.sun_path, path.data(), path.size());
  return true;
}

// [SECTION] socket
// Only called while holding the lock: whatever lies at the path was left by a copy that
// died (its lock went with it), so it is replaced.
void listenForRaise(const std::string& path) {
  sockaddr_un addr;
  if (!socketAddress(path, addr)) return;
  int fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd < 0) return;
  unlink(path.c_str());
  if (bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
    close(fd);
    return;
  }
  socketFd = fd;
  socketPath = path;
}

// Every failure here is ignored: a copy that is hung, has no socket or a full queue still
// runs, and the caller ends all the same. Non-blocking, so a hung copy cannot hold us up.
void sendRaiseRequest(const std::string& path) {
  sockaddr_un addr;
  if (!socketAddress(path, addr)) return;
  int fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd < 0) return;
  if (connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0)
    (void)send(fd, kRaiseRequest, kRaiseRequestLen, MSG_NOSIGNAL);
  close(fd);
}
}  // namespace

// [SECTION] identity
std::string instanceProgramKey(std::string_view executablePath) {
  size_t slash = executablePath.find_last_of('/');
  std::string name(slash == std::string_view::npos ? executablePath
                                                   : executablePath.substr(slash + 1));
  for (char& c : name)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  size_t dot = name.find_last_of('.');
  size_t end = dot == std::string::npos ? name.size() : dot;
  if (end > 0 && name[end - 1] == '_') name.erase(end - 1, 1);
  return name;
}

std::string instanceExecutable() {
  if (!executableOverride.empty()) return executableOverride;
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string(program_invocation_name) : exe.string();
}

void setInstanceExecutable(const std::string& path) { executableOverride = path; }

// [SECTION] where the lock lives
std::string instanceFolder() {
  if (!folderOverride.empty()) return folderOverride;
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime && runtime[0] == '/') return runtime;
  return "/tmp/skat-" + std::to_string(getuid());
}

void setInstanceFolder(const std::string& folder) { folderOverride = folder; }

// [SECTION] lock and raise request
bool instanceClaimOrAskRaise() {
  if (lockFd >= 0) return false;
  std::string folder = instanceFolder();
  if (!prepareFolder(folder)) return false;
  std::string stem = folder + "/" + fileStem(folder, instanceProgramKey(instanceExecutable()));
  // Close-on-exec: a child started later must not keep the lock alive after we end.
  int fd = open((stem + kLockSuffix).c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) return false;
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    bool heldByOther = errno == EWOULDBLOCK;
    close(fd);
    if (heldByOther) sendRaiseRequest(stem + kSocketSuffix);
    return heldByOther;
  }
  lockFd = fd;
  listenForRaise(stem + kSocketSuffix);
  return false;
}

void instancePoll() {
  for (int i = 0; i < kMaxRequestsPerPoll && socketFd >= 0; i++) {
    char buf[16];
    ssize_t n = recv(socketFd, buf, sizeof buf, MSG_TRUNC);  // n: the datagram's full length
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return;
    bool raise = static_cast<size_t>(n) == kRaiseRequestLen &&
                 std::memcmp(buf, kRaiseRequest, kRaiseRequestLen) == 0;
    if (raise && raiseHandler) raiseHandler();
  }
}

void setInstanceRaiseHandler(std::function<void()> handler) { raiseHandler = std::move(handler); }

void instanceRelease() {
  // The socket goes while the lock is still held, so a copy that takes the lock next
  // never loses its own socket to us.
  if (socketFd >= 0) {
    close(socketFd);
    unlink(socketPath.c_str());
    socketFd = -1;
    socketPath.clear();
  }
  if (lockFd >= 0) {
    close(lockFd);
    lockFd = -1;
  }
}
