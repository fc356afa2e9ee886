// Real input for the window tests: runs Debian's xdotool with the arguments and returns what
// it printed.
#pragma once

#include <cstdio>
#include <string>

inline std::string xdotool(const std::string& args) {
  std::string out;
  FILE* p = ::popen(("xdotool " + args + " 2>/dev/null").c_str(), "r");
  if (!p) return out;
  char buf[256];
  while (std::fgets(buf, sizeof buf, p)) out += buf;
  ::pclose(p);
  return out;
}
