// The computer seats' profiles: the strength chosen in the options dialog and the seven
// numbers of the Skat computer player read for it from "\data\oldsk\ch.txt".
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/records.h"

// The seven numbers of one ch.txt record, in file order; a seat's profile carries them after
// its strength. Read by the Skat computer player.
struct TSkatProfileFields {
  int32_t reizen;    // scales the bidding strength, percent around 50 (0: no scaling)
  int32_t reizenr;   // the same while "Ramsch, wenn keiner reizt" is in force
  int32_t wahrs;     // chance in percent that the card play looks at the real hands
  int32_t wahr0;     // kept, takes no part in decisions
  int32_t kont;      // scales the Kontra and Re thresholds, percent around 50 (0: none)
  int32_t wafe;      // random spread of the bidding strength; chance to ignore shown voids
  int32_t krafe;     // chance in percent that the second seat plays its strongest card
};

// Profiles of seats 1..6 (Skat uses 1..3): the strength and the seven numbers.
struct TSkatSeatProfileStore {
  int32_t strength;
  TSkatProfileFields fields;
};
extern LArray<TSkatSeatProfileStore, 1, 6> seatProfile;

constexpr const char* skatProfileFile = "\\data\\oldsk\\ch.txt";
constexpr int skatProfileFieldCount = 7;

// The profiles used when ch.txt cannot be read, by strength 1..3 (the values of the file
// shipped with the program).
extern const LArray<TSkatProfileFields, 1, 3> skatBuiltInProfiles;

// The text of field n (1..7) of record r (1..) of a profile file: after the (r - 1)-th ";",
// after the n-th "," up to the next ",". Empty result when the file cannot be read or the
// field does not lie closed by a "," inside its record.
std::optional<std::string> skatReadProfileField(const std::string& path, int32_t record, int32_t field);

// Reads the seven numbers of record r into the profile; false (profile untouched) when a
// field is missing or not a decimal integer.
bool skatReadProfile(const std::string& path, int32_t record, TSkatProfileFields& profile);

// Sets the seat's strength and its seven numbers from record `strength` of ch.txt. A file
// that is missing or malformed gives the built-in profile of that strength ("Normal" for a
// strength outside 1..3) and one line in the error log; the game goes on.
void skatLoadSeatProfile(int32_t seat, int32_t strength);
