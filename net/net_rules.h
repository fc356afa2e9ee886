// The rules of a network table: eight options and the kind of each seat, travelling as one
// digit string. Also the game tag, the UDP ports, the lobby's option letters, the option
// rows of the waiting room, and how the rules become the Skat or Canasta options.
#pragma once

#include <cstdint>
#include <string>

#include "platform/records.h"

// What the waiting room's controls show; the waiting room's dialog binds to it.
struct TWaitingRoomChoices {
  LArray<int32_t, 1, 8> option{};        // value index of each option selector, 0 none shown
  LArray<int32_t, 1, 8> seatKind{};      // 1 "Frei", 2 "Computer"
  LArray<int32_t, 1, 8> seatStrength{};  // 1 "Anfänger", 2 "Normal", 3 "Profi", 0 none
  bool ready = false;
  std::string name;
  int32_t voiceGroup = 1;                // 1 the first voice group
};
extern TWaitingRoomChoices waitingRoom;

// The option letters of the lobby server entry in use; empty outside internet play.
extern std::string lobbyOptionLetters;

// Option 1..8 of the current game: index 0 the caption, -1 the value count as text,
// 1..count a value text; anything else "".
void getNetOptionText(int32_t option, int32_t index, std::string& text);
int32_t getNetOptionCount(int32_t option);
int32_t parseLeadingNumber(const std::string& text);
// The player count chosen in option 1 equals n.
bool isForcedOptionValue(int32_t n);

// Why a received rules string is refused, "" when it may be applied.
std::string rulesStringFault(const std::string& text);
void buildRulesString(std::string& text);
// False (record unchanged) for a malformed string.
bool parseRulesString(const std::string& text, struct tUniRegelStruktur& record);
int32_t applyRulesString(const std::string& text, int32_t senderSeat);
void formatRulesDescription(const std::string& text, std::string& line);
void refreshWaitingRoomSeat();
void getGameIdText(std::string& text);
uint16_t getUdpPort(bool sending);

int32_t getLobbyFlagS();
bool lobbyHasFlagB(int32_t n);
bool lobbyHasFlagD(int32_t n);
int32_t getLobbyFlagI(int32_t n);
int32_t getLobbyFlagF(int32_t n);
int32_t getLobbyForcedOption(int32_t n);
int32_t countLobbyFlagB(int32_t n);

// One option row of the waiting room as numbers.
struct TOptionRow {
  bool visible;
  bool locked;      // shown but not to be changed
  int32_t labelY;   // dialog units
  int32_t controlY;
  int32_t value;    // the selector's value index after drawing
};
TOptionRow optionRowLayout(int32_t option, bool settingUp);
// Redraws the option rows into waitingRoom.option.
void drawOptionRows(bool settingUp);

// At the start of play: the time limit and the table's rules become cg's turn clock and
// the Skat or Canasta options.
void applyTableRulesToGame();
// Whether a table's Bock (6) or Ramsch (7) option agrees with a trigger code.
bool netSpecialRoundAgreed(int32_t kind, int32_t code);
