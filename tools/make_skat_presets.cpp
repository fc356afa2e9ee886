// Writes the presets of Skat's options dialog that its two "Zurücksetzen" buttons load:
// "_def.dco" the international rules, "_def2.dco" a club setting. The dialogs are built by
// the program's own dialog build and saved by the engine's state writer, so the files follow
// the element and dialog numbers of the program that loads them.
//   make_skat_presets <settings folder> <stamp file>   (the build passes build/app/data/settings)
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/dialog_state_files.h"
#include "engine/elements.h"
#include "engine/engine_dialogs.h"
#include "engine/engine_form.h"
#include "engine/message_box.h"
#include "engine/texts.h"
#include "games/skat/skat_options_io.h"
#include "platform/paths.h"
#include "shell/game_dialogs.h"
#include "shell/main_window.h"
#include "shell/options_frame.h"

namespace fs = std::filesystem;

namespace {

// Our club's rules: Kontra and Re announced after the game is declared, Bock and Ramsch
// rounds, tournament scoring; Rum, Spitze and Grand 20 stay off.
TSkatOptions clubOptions() {
  TSkatOptions o = skatDefaultOptions;
  o.internationalRules = 0;
  o.scoring = 2;
  o.kontra = 1;
  o.kontraLevels = {{0, 1, 0}};
  o.bockRamsch = 1;
  o.ramschIfNoBid = 1;
  return o;
}

void writePreset(const fs::path& folder, const TSkatOptions& o, const char* suffix) {
  const int32_t d = dlgGameOptions[gidSkat];
  skatWriteOptionElements(o);
  const std::string name = "di_" + std::to_string(d) + suffix;
  saveDialogState(d, (folder / name).string());
  std::printf("make_skat_presets: %s\n", name.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_skat_presets <settings folder> <stamp file>\n");
    return 2;
  }
  // Saving a state also lists it in the program folder's indexes.txt: that goes to a scratch
  // folder, not into the installation.
  std::string scratch = (fs::temp_directory_path() / "skat-presets-XXXXXX").string();
  if (!::mkdtemp(scratch.data())) {
    std::perror("make_skat_presets: scratch folder");
    return 1;
  }
  int rc = 0;
  try {
    fs::create_directories(fs::path(scratch) / "data" / "settings");
    const fs::path out = fs::absolute(argv[1]);
    fs::create_directories(out);
    setProgramFolder(scratch);
    setLanguage("deutsch", 1);
    createMessageDialogs();
    createEngineDialogs();
    Tglapp::diagcreate();
    writePreset(out, skatDefaultOptions, "_def.dco");
    writePreset(out, clubOptions(), "_def2.dco");
    std::ofstream(argv[2]) << "presets written\n";
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_skat_presets: %s\n", e.what());
    rc = 1;
  }
  std::error_code ec;
  fs::remove_all(scratch, ec);
  return rc;
}
