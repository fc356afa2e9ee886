// Stand-in for the registry values the program reads: the user's and the machine's name.
#pragma once

#include <string>

// The raw value (Windows-1252) for "Username" (from the environment: USER, else LOGNAME)
// or "Computername" (the first line of /etc/hostname); empty for any other name or when
// nothing is found. Cleaning the value is up to the caller.
std::string readRegistryValue(const std::string& valueName);

// The file the machine name is read from; tests point it elsewhere.
void setHostnameFile(const std::string& path);
