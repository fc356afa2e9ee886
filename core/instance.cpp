// The single-instance check over the platform's instance lock.
#include "core/instance.h"

#include "platform/instance.h"

// The running copy raises its own window when asked (through the raise handler the window
// layer installs), so nothing here looks for another process's window.
bool activateOtherInstance() { return instanceClaimOrAskRaise(); }
