// Stand-ins for the engine services Skat's rules use.
#include "games/skat/skat_services.h"

#include <cstdio>

#include "platform/alert.h"
#include "platform/paths.h"

std::string skatLookupText(std::string_view key) { return std::string(key); }

void skatShowError(const std::string& text) { showAlert(text); }

void skatLogError(const std::string& text) {
  std::FILE* f = std::fopen(programPath("\\errors.txt").c_str(), "ab");
  if (!f) return;
  std::string line = text + "\r\n";
  std::fwrite(line.data(), 1, line.size(), f);
  std::fclose(f);
}
