// Services of screens and of network play that the event channel and the frame handler call
// but that are not built yet. Each answers "not available" and writes one line to proto3.txt; none
// reports an effect it did not have.
#pragma once

#include <cstdint>
#include <string>

// tutShowEndDialog: the tutorial's end dialog when a restart cuts the tutorial short.
void tutShowEndDialog();

// [SECTION] network play (the transport, the chat and the lobby client)

// TNetz.sendChat: sends one chat line to the table.
void netSendChat(const std::string& text);
// sendChatLine: sends the line typed into #chatpanel.
void sendChatLine();
// closeChatWindow: closes #chatpanel and ends its typing.
void closeChatWindow();
// The transport's phase: 0 none, 1 waiting room, 2 game started.
int32_t netGamePhase();
// TNetz.tick: the transport's periodic step.
void netTick();
// TNetz.closeHost / TNetz.closeClient: stop hosting or disconnect as the user's own wish.
void netCloseConnection();
// THTTPServer.isOnline, THTTPServer.tick and THTTPServer.handleButton(1) on the lobby client,
// once the network screens have created it.
bool lobbyIsOnline();
void lobbyTick();
void lobbyJoinSelectedTable();
