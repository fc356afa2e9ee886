// The computer players' first names, the test whether a first name is female, and the user's
// name as the system gives it (the registry value, cleaned).
#pragma once

#include <string>

// The product's registry value, cleaned: cut at the first blank, then to 22 characters; one
// character outside "-", "0".."9", "A".."Z", "_", "a".."z" and the umlauts and "ß"
// (Windows-1252) empties it. Empty when the value is missing.
std::string readProductRegValue(const std::string& valueName);
// The cleaning alone, for a value already read.
std::string cleanRegistryName(const std::string& raw);

// The name part of the hardware test's progress event: femaleFlag is cleared; the
// "Username" value, else "Computername", becomes playerName and femaleFlag tells whether it
// is a female first name. A name list that cannot be read leaves femaleFlag false.
void takeRegisteredName();
