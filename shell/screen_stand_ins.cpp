// Stand-ins for the screens and the network services the event channel and the frame
// handler reach before they are built: each says once in proto3.txt that it is not available and does nothing.
#include "shell/screen_stand_ins.h"

#include "engine/engine_services.h"
#include "net/net_lobby.h"
#include "net/net_transport.h"
#include "shell/main_window.h"

namespace {
void notAvailable(const char* what) { logNotAvailable(what); }
}  // namespace

void Tglapp::showinnerhelp() { notAvailable("Tglapp.showinnerhelp"); }

void Tglapp::dotestsave(bool) { notAvailable("Tglapp.dotestsave"); }

void Tglapp::slrefresh() { notAvailable("Tglapp.slrefresh"); }

void tutShowEndDialog() { notAvailable("tutShowEndDialog"); }

// [SECTION] network play

void netSendChat(const std::string&) { notAvailable("TNetz.sendChat"); }

void sendChatLine() { notAvailable("sendChatLine"); }

void closeChatWindow() { notAvailable("closeChatWindow"); }

int32_t netGamePhase() {
  notAvailable("TNetz phase");
  return 0;
}

void netTick() { netTransport.tick(); }

void netCloseConnection() { notAvailable("TNetz.closeHost/closeClient"); }

// The lobby client is created by the network screens; without it the lobby is offline.
bool lobbyIsOnline() { return lobbyClient != nullptr && lobbyClient->isOnline(); }

void lobbyTick() {
  if (lobbyClient) lobbyClient->tick();
}

void lobbyJoinSelectedTable() {
  if (lobbyClient) lobbyClient->handleButton(1);
}
