// What the game does with the table transport's events, and the start of play on every
// machine. The waiting room's and the chat's reactions belong to their dialogs.
#pragma once

#include <cstdint>
#include <string>

class TNetz;

void handleNetEvent(int32_t code, const std::string& text);
// Starts play on this machine when the start countdown has run out.
bool startNetworkGame();
// Seats and options of the game from the table: seat kinds, computer names and strengths.
void fillEmptySeatsWithComputers();
// The continue reactions between games of a list: the result panel's "Weiter" (ready state
// 4, sent) and the game list's continue button (state summary stored, ready state 1).
void netResultContinue();
void netGameListContinue();
// The game's hooks on the program's transport.
void installNetGameHooks(TNetz& transport);
