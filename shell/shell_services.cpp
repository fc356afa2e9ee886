// The shell's routines the core calls, as far as the core needs them now.
#include "shell/shell_services.h"

#include "engine/engine_services.h"

namespace {
std::string helpName;
std::function<bool()> tutTickStandIn;
}

void setksize() {
  // The card scale by card size and game comes with the display settings; until then the
  // table keeps the scale the game start set.
}

void loadenv(bool full) {
  (void)full;  // the table design and card pictures come with the display settings
}

void refreshPerspective() {
  logNotAvailable("refreshPerspective");
}

bool tutTick() { return tutTickStandIn ? tutTickStandIn() : true; }

void setTutTickStandIn(std::function<bool()> standIn) { tutTickStandIn = std::move(standIn); }

void tutSeatNames() {}

void tutApplyGamePresets() {}

void showSituationHelp() {}

void loadIngameHelp(const std::string& name) { helpName = name; }

const std::string& ingameHelpName() { return helpName; }
