// Owner of the main window's program-wide values.
#include "shell/shell_globals.h"

#include "net/net_transport.h"

int32_t dlgMessage = 0;
int32_t playerCount = 0;

bool isNetGame() { return netTransport.isHost || netTransport.isClient; }
