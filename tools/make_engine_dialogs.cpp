// Writes the engine's option files of a fresh installation: builds the engine dialogs with the
// engine's own code and saves their states, the options dialog carrying the run marker "first"
// that starts the hardware test at the first run.
//   make_engine_dialogs <output folder>     (the build passes build/app/data/vitrel)
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>

#include "engine/engine_dialogs.h"
#include "platform/paths.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_engine_dialogs <output folder>\n");
    return 2;
  }
  // Saving a dialog state also lists the file in the program folder's indexes.txt: that list
  // goes to a scratch folder, not into the installation.
  std::string scratch = (fs::temp_directory_path() / "skat-engine-dialogs-XXXXXX").string();
  if (!::mkdtemp(scratch.data())) {
    std::perror("make_engine_dialogs: scratch folder");
    return 1;
  }
  int rc = 0;
  try {
    fs::create_directories(fs::path(scratch) / "data" / "settings");
    fs::create_directories(argv[1]);
    setProgramFolder(scratch);
    writeInstallationOptionFiles(fs::absolute(argv[1]).string());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_engine_dialogs: %s\n", e.what());
    rc = 1;
  }
  std::error_code ec;
  fs::remove_all(scratch, ec);
  return rc;
}
