// The start of play and the deal barrier of a network table: every machine meets before
// each deal, the leading machine deals and sends the stock, the others deal from it, and
// each compares a short summary of its game state with the others.
#pragma once

#include <cstdint>
#include <string>

#include "net/net_message.h"

// Before every deal of Skat and Canasta: outside a network game only the deck is built.
bool netSyncNewRound(bool newList);
// The deck of a new deal, shuffled, in the stock (stack 11).
void buildRoundDeck();
// The barrier; only mode 1 waits.
void runTransferSync(int32_t mode);
// Games played "_" seat to act (Skat: and dealer) "_" every seat's list total, all in
// network seats.
void buildStateChecksum(std::string& text);
void checkStateChecksums();
void resetSeatSyncFlags();
void applyReceivedSync(const TNetMessage& record);
void updateSeatSyncStatus();
// A stack as three count digits and one character per card (suit * 15 + rank).
void encodeSeatPile(int32_t stack, std::string& text);
int32_t decodeSeatPile(int32_t stack, const std::string& text);
// A received stock: taken only from the deal's leader while this machine waits in the
// barrier, and only as the game's whole deck in some order. False when refused.
bool takeReceivedStock(int32_t senderSeat, const std::string& text);
// The network seat that leads the table: the host's; in relay mode the lowest client seat.
int32_t leadingSeat();
