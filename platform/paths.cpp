// Program folder and path joining.
#include "platform/paths.h"

#include <cerrno>
#include <filesystem>

namespace {
std::string folder;
bool folderSet = false;
}

const std::string& programFolder() {
  if (!folderSet) {
    std::error_code ec;
    std::filesystem::path cwd = std::filesystem::current_path(ec);
    folder = ec ? std::filesystem::path(".").string() : cwd.string();
    folderSet = true;
  }
  return folder;
}

void setProgramFolder(const std::string& f) {
  folder = f;
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  folderSet = true;
}

std::string toLocalPath(std::string_view systemPath) {
  std::string out(systemPath);
  for (char& c : out)
    if (c == '\\') c = '/';
  return out;
}

std::string programPath(std::string_view systemPath) {
  std::string rel = toLocalPath(systemPath);
  const std::string& base = programFolder();
  if (rel.empty()) return base;
  if (rel.front() != '/') rel.insert(rel.begin(), '/');
  return base == "/" ? rel : base + rel;
}

std::string programFileName() {
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec && exe.has_filename()) return exe.filename().string();
  return program_invocation_short_name;
}
