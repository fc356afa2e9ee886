// Registry stand-in over the environment and /etc/hostname.
#include "platform/registry.h"

#include <cstdlib>
#include <fstream>

namespace {
std::string hostnameFile = "/etc/hostname";

// The environment speaks UTF-8; the program's texts are Windows-1252. Latin-1 characters
// convert, anything else becomes "?" (which the name check then refuses).
std::string utf8ToCp1252(const std::string& in) {
  std::string out;
  for (size_t i = 0; i < in.size();) {
    unsigned char c = static_cast<unsigned char>(in[i]);
    if (c < 0x80) {
      out += static_cast<char>(c);
      i += 1;
    } else if ((c & 0xE0) == 0xC0 && i + 1 < in.size()) {
      unsigned cp = ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(in[i + 1]) & 0x3Fu);
      out += cp >= 0xA0 && cp <= 0xFF ? static_cast<char>(cp) : '?';
      i += 2;
    } else {
      out += '?';
      i += 1;
      while (i < in.size() && (static_cast<unsigned char>(in[i]) & 0xC0) == 0x80) i++;
    }
  }
  return out;
}
}  // namespace

void setHostnameFile(const std::string& path) { hostnameFile = path; }

std::string readRegistryValue(const std::string& valueName) {
  if (valueName == "Username") {
    const char* v = std::getenv("USER");
    if (!v || !*v) v = std::getenv("LOGNAME");
    return v ? utf8ToCp1252(v) : std::string();
  }
  if (valueName == "Computername") {
    std::ifstream f(hostnameFile);
    std::string line;
    if (!f || !std::getline(f, line)) return {};
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
    return utf8ToCp1252(line);
  }
  return {};
}
