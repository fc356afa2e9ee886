// The network state summary: FNV-1a over the game's state in network seat numbers.
#include "net/net_digest.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "core/cg.h"
#include "core/word_digest.h"
#include "games/rummy/canasta_state.h"
#include "games/skat/skat_state.h"
#include "net/net_transport.h"
#include "shell/shell_globals.h"
#include "table/stacks.h"

namespace {
struct TDigest : TWordDigest {
  void addCards(std::vector<int> codes, bool asSet) {
    if (asSet) std::sort(codes.begin(), codes.end());
    add(int64_t(codes.size()));
    for (int c : codes) add(c);
  }
};

int code(const TCard& c) { return c.f * 16 + c.t; }

std::vector<int> stackCodes(int32_t stack) {
  std::vector<int> v;
  const TSpieler& s = sp[stack];
  for (int i = 1; i <= stackUsed(s); i++) v.push_back(code(s.slots[i].card));
  return v;
}

std::vector<int> handCodes(const THand& h) {
  std::vector<int> v;
  for (int i = 1; i <= handUsed(h); i++) v.push_back(code(h.k[i]));
  return v;
}

// A local seat as a network seat; 0 stays 0.
int32_t net(int32_t local) { return local >= 1 && local <= playerCount ? localSeatToNet(local) : 0; }

void addSkat(TDigest& d) {
  if (!skatArea) return;
  const TSkatGameRecord& g = skatGameArea().game;
  for (int32_t v : {net(g.declarer), g.bidReached, g.gameType, int32_t(g.level), int32_t(g.handGame), g.gameValue,
                    int32_t(g.won), g.declarerPoints, g.defenderPoints, g.kontraLevel, int32_t(g.ramschGame),
                    int32_t(g.bockGame), net(skatArea->skatDealerSeat)})
    d.add(v);
  for (int n = 1; n <= 3; n++) d.addCards(handCodes(wonCards[netSeatToLocal(n)]), true);
  d.addCards(handCodes(pressedSkat), true);
  d.addCards(handCodes(playedCards), false);
}

void addCanasta(TDigest& d) {
  const TCanastaArea& a = canastaArea();
  d.add(net(a.wentOutSeat));
  d.add(a.wentOutConcealed);
  d.add(a.pileFrozen);
  for (int n = 1; n <= playerCount && n <= 6; n++) {
    const int32_t l = netSeatToLocal(n);
    d.add(a.firstMeldMade[l]);
    d.add(a.teamCanasta[l]);
  }
}
}  // namespace

uint64_t netStateDigest() {
  TDigest d;
  d.add(cg.gameId);
  d.add(cg.gs.gamesPlayed);
  d.add(net(cg.gs.akspieler));
  const int32_t seats = std::clamp<int32_t>(playerCount, 0, 6);
  for (int n = 1; n <= seats; n++) {
    d.addCards(stackCodes(netSeatToLocal(n)), true);
    d.add(cg.gs.listTotals[netSeatToLocal(n)]);
  }
  // Skat keeps each seat's tricks in stack 6 + seat: those go by network seat too.
  const bool trickStacks = cg.gameId == gidSkat;
  for (int n = 1; trickStacks && n <= seats; n++) d.addCards(stackCodes(6 + netSeatToLocal(n)), true);
  for (int s = trickStacks ? 7 + seats : 7; s <= stackCount; s++) d.addCards(stackCodes(s), false);
  if (cg.gameId == gidSkat) addSkat(d);
  else if (cg.gameId == gidCanasta) addCanasta(d);
  return d.value;
}

std::string netDigestText(uint64_t digest) {
  char text[20];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(digest));
  return text;
}
