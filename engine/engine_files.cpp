// Whole-file reading and safe replacing.
#include "engine/engine_files.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/errors.h"

bool readFileBytes(const std::string& fileName, std::vector<uint8_t>& out) {
  std::ifstream in(fileName, std::ios::binary);
  if (!in) return false;
  out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

void ensureParentFolder(const std::string& fileName) {
  const std::filesystem::path parent = std::filesystem::path(fileName).parent_path();
  std::error_code ec;
  if (!parent.empty()) std::filesystem::create_directories(parent, ec);  // a failure shows at the write
}

void replaceFile(const std::string& fileName, std::string_view bytes) {
  const std::string temp = fileName + ".tmp";
  ensureParentFolder(fileName);
  bool ok = false;
  if (std::FILE* f = std::fopen(temp.c_str(), "wb")) {
    ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fclose(f) == 0 && ok;
  }
  std::error_code ec;
  if (ok) std::filesystem::rename(temp, fileName, ec);
  if (!ok || ec) {
    std::filesystem::remove(temp, ec);
    throw EInOutError("cannot write " + fileName);
  }
}
