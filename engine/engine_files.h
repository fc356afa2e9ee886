// Whole-file reading and safe replacing of the engine's files.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The whole file; false when it cannot be opened or read.
bool readFileBytes(const std::string& fileName, std::vector<uint8_t>& out);

// Creates the folders a file is to be written into (a fresh installation has no settings folder).
void ensureParentFolder(const std::string& fileName);

// Writes the bytes to fileName + ".tmp" and renames it over fileName, so that a failed write
// leaves the previous file as it was. Failure is EInOutError naming the file.
void replaceFile(const std::string& fileName, std::string_view bytes);
