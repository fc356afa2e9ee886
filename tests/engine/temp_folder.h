// A temporary program folder for tests that read and write the program's files: made empty,
// set as the program folder for the test's lifetime, removed afterwards.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/paths.h"

class TempProgramFolder {
 public:
  TempProgramFolder() : saved_(programFolder()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "skat-test-XXXXXX").string();
    root_ = ::mkdtemp(pattern.data()) ? pattern : std::string();
    std::filesystem::create_directories(root_ + "/data/local");
    setProgramFolder(root_);
  }
  ~TempProgramFolder() {
    setProgramFolder(saved_);
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
  }
  TempProgramFolder(const TempProgramFolder&) = delete;
  TempProgramFolder& operator=(const TempProgramFolder&) = delete;

  const std::string& root() const { return root_; }

  // Writes bytes to a system path such as "\data\local\messages.txt".
  void write(const std::string& systemPath, const std::string& bytes) const {
    std::ofstream out(programPath(systemPath), std::ios::binary | std::ios::trunc);
    out << bytes;
  }

  // The bytes of a file; empty when it does not exist.
  std::string read(const std::string& systemPath) const {
    std::ifstream in(programPath(systemPath), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  bool exists(const std::string& systemPath) const {
    return std::filesystem::exists(programPath(systemPath));
  }

 private:
  std::string saved_;
  std::string root_;
};
