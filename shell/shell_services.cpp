// The shell's routines the core calls, as far as the core needs them now.
#include "shell/shell_services.h"

#include "engine/engine_services.h"

namespace {
std::string helpName;
std::function<bool()> tutTickStandIn;
}

bool tutTick() { return tutTickStandIn ? tutTickStandIn() : true; }

void setTutTickStandIn(std::function<bool()> standIn) { tutTickStandIn = std::move(standIn); }

void tutSeatNames() {}

void tutApplyGamePresets() {}

void showSituationHelp() {}

void loadIngameHelp(const std::string& name) { helpName = name; }

const std::string& ingameHelpName() { return helpName; }
