// The start code: install switch, write test, single instance, main window, message loop.
#include "shell/program_main.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>

#include "core/instance.h"
#include "engine/engine_form.h"
#include "engine/engine_lifecycle.h"
#include "engine/error_log.h"
#include "engine/message_box.h"
#include "platform/instance.h"
#include "platform/paths.h"
#include "platform/random.h"
#include "platform/window.h"
#include "shell/core_message_routes.h"
#include "shell/main_window.h"

namespace {
constexpr const char* kApplicationTitle = "Skat";

// The markers of "/install": registry value, marker file.
struct CodecMarker {
  const char* keyPath;
  const char* valueName;
  const char* marker;
};
constexpr CodecMarker kCodecMarkers[] = {
    {"\\SOFTWARE\\Classes\\CLSID\\{1F6315AD-8396-4D41-94B8-A0FE653B0146}\\InprocServer32", "ThreadingModel",
     "data\\splitter.nui"},
    {"\\SOFTWARE\\Classes\\CLSID\\{21336D1A-35E8-4169-A2EF-5D0AC2A37A97}\\InprocServer32", "ThreadingModel",
     "data\\decoder.nui"},
    {"\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\MCI Extensions", "ogg", "data\\oggmci.nui"},
};

// Opening "errors.txt" for appending (creating it when missing) shows that the folder can
// be written to.
bool programFolderWritable() {
  std::ofstream log(programPath("\\errors.txt"), std::ios::binary | std::ios::app);
  return log.is_open();
}

std::string startTitle() {
  std::string name = programFileName();
  const size_t dot = name.rfind('.');
  return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

// A window that cannot be made ends the program with its reason.
int failedStart(const std::exception& e) {
  std::string screenText;
  logErrorReport(e, screenText);
  winMessageBox(startTitle(), screenText);
  return 1;
}

// A window test repeats its deals: SKAT_SEED=<n> fixes the seeds of every later randomize().
void fixSeedForTests() {
  const char* seed = std::getenv("SKAT_SEED");
  if (seed && *seed) randomFixSeed(std::strtoull(seed, nullptr, 10));
}
}  // namespace

std::string readHklmString(const std::string&, const std::string&) { return {}; }

void recordPreinstalledCodecs() {
  for (const CodecMarker& m : kCodecMarkers) {
    try {
      if (readHklmString(m.keyPath, m.valueName).empty()) continue;
      std::ofstream marker(programPath(std::string("\\") + m.marker), std::ios::binary | std::ios::trunc);
    } catch (...) {
      // Each check stands alone; a failed one only leaves its marker out.
    }
  }
}

int programMain(const std::vector<std::string>& params) {
  if (!params.empty() && params[0] == "/install") {
    try {
      recordPreinstalledCodecs();
    } catch (...) {
    }
    return 0;
  }
  if (!programFolderWritable()) {
    winMessageBox(startTitle(), kAccessDeniedText);
    return 1;
  }
  if (activateOtherInstance()) return 0;
  initErrorLog();
  fixSeedForTests();
  installMessageBoxAlertSink();
  installCoreMessageRoutes();
  vtl.params = params;
  vtl.applicationTitle = startTitle();
  try {
    createMainWindow();
  } catch (const std::exception& e) {
    removeCoreMessageRoutes();
    instanceRelease();
    return failedStart(e);
  }
  vtl.applicationTitle = kApplicationTitle;
  setInstanceRaiseHandler(winRaise);
  runApplication();
  engineDestroy();
  removeCoreMessageRoutes();
  setInstanceRaiseHandler(nullptr);
  instanceRelease();
  return 0;
}
