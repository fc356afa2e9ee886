// The network look-ups that need no socket: the default route's address and the interfaces'
// broadcast addresses, read from the kernel.
#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netdb.h>

#include <fstream>
#include <sstream>

#include "platform/net.h"

namespace {

// The interface of the default route (destination 0) in /proc/net/route; empty when none.
std::string defaultRouteInterface() {
  std::ifstream in("/proc/net/route");
  std::string line;
  std::getline(in, line);  // the heading
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string iface, destination;
    if (fields >> iface >> destination && destination == "00000000") return iface;
  }
  return "";
}

std::string dottedOf(const sockaddr* a) {
  char text[INET_ADDRSTRLEN] = {};
  inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(a)->sin_addr, text, sizeof text);
  return text;
}

// Calls f for each up IPv4 interface.
template <class F>
void forEachInterface(F f) {
  ifaddrs* list = nullptr;
  if (getifaddrs(&list) != 0) return;
  for (ifaddrs* i = list; i; i = i->ifa_next)
    if (i->ifa_addr && i->ifa_addr->sa_family == AF_INET && (i->ifa_flags & IFF_UP)) f(*i);
  freeifaddrs(list);
}

}  // namespace

std::string localIP() {
  const std::string iface = defaultRouteInterface();
  std::string found;
  forEachInterface([&](const ifaddrs& i) {
    if (found.empty() && !iface.empty() && iface == i.ifa_name) found = dottedOf(i.ifa_addr);
  });
  return found.empty() ? "127.0.0.1" : found;
}

std::vector<std::string> broadcastAddresses() {
  std::vector<std::string> out;
  forEachInterface([&](const ifaddrs& i) {
    if ((i.ifa_flags & IFF_LOOPBACK) || !(i.ifa_flags & IFF_BROADCAST) || !i.ifa_broadaddr) return;
    out.push_back(dottedOf(i.ifa_broadaddr));
  });
  return out;
}

std::vector<std::string> enumerateNeighbourhood() { return {}; }

std::string ipToHostName(const std::string& address) {
  sockaddr_in a{};
  a.sin_family = AF_INET;
  if (inet_pton(AF_INET, address.c_str(), &a.sin_addr) != 1) return "";
  char name[NI_MAXHOST] = {};
  if (getnameinfo(reinterpret_cast<sockaddr*>(&a), sizeof a, name, sizeof name, nullptr, 0, NI_NAMEREQD) != 0) return "";
  return name;
}
