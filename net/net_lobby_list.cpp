// The lobby's reply text: records ended by "#", fields split by "|", read into fixed lists.
#include <cerrno>
#include <cstdlib>

#include "net/net_lobby.h"
#include "platform/tick.h"

std::string cleanServerText(const std::string& text, size_t max) {
  std::string out;
  for (unsigned char ch : text) {
    if (out.size() >= max) break;
    if (ch < 32 || ch == 127) continue;
    out += char(ch);
  }
  return out;
}

std::string nextListField(const std::string& reply, size_t& pos, bool& recordEnded) {
  const size_t end = reply.find_first_of("|#", pos);
  std::string field = reply.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
  recordEnded = end == std::string::npos || reply[end] == '#';
  pos = end == std::string::npos ? reply.size() : end + 1;
  return field;
}

namespace {

// An int32 in decimal with an optional sign; an empty field reads 0.
bool toNumber(const std::string& field, int32_t& value) {
  if (field.empty()) {
    value = 0;
    return true;
  }
  const char* p = field.c_str();
  if (*p == '-' || *p == '+') ++p;
  if (*p == 0) return false;
  for (const char* q = p; *q != 0; ++q)
    if (*q < '0' || *q > '9') return false;
  errno = 0;
  char* end = nullptr;
  const long long v = std::strtoll(field.c_str(), &end, 10);
  if (errno != 0 || v < INT32_MIN || v > INT32_MAX) return false;
  value = int32_t(v);
  return true;
}

}  // namespace

bool parseLobbyList(TLobbyList& list, const std::string& reply) {
  list.count = 0;
  list.loaded = false;
  size_t pos = 0;
  while (pos < reply.size()) {
    if (list.count == kLobbyListCapacity) {
      list.count = 0;
      return false;
    }
    TLobbyListEntry e;
    bool ended = false;
    std::string fields[6];
    int n = 0;
    while (!ended) {
      std::string f = nextListField(reply, pos, ended);
      if (n < 6) fields[n] = std::move(f);
      ++n;  // fields beyond the sixth are skipped
    }
    if (!toNumber(fields[1], e.a) || !toNumber(fields[2], e.b) || !toNumber(fields[3], e.c)) {
      list.count = 0;
      return false;
    }
    e.d = e.c;
    e.address = cleanServerText(fields[0], 64);
    e.text = cleanServerText(fields[4], 128);
    e.name = cleanServerText(fields[5], 18);
    list.entries[++list.count] = e;
  }
  list.loaded = true;
  list.loadTime = getTickCount();
  return true;
}

bool isOwnIpAnswer(const std::string& reply) {
  if (reply.size() < 4 || reply.size() > 32) return false;
  int dots = 0, digits = 0;
  for (unsigned char ch : reply) {
    if (ch == '.') ++dots;
    if (ch >= '0' && ch <= '9') ++digits;
    const bool letter = (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || ch == 154 || ch == 156 ||
                        ch == 158 || (ch >= 224 && ch <= 254);
    if (letter) return false;
  }
  return dots >= 3 && dots <= 16 && digits >= 3 && digits <= 20;
}

std::string padLobbyKey(const std::string& key) {
  std::string k = key;
  while (k.size() < 10) k += ' ';
  return k;
}
