// The deal barrier: sync records, the state summary, the stock the leading machine sends.
// [SECTION] deck and stock
// [SECTION] state summary
// [SECTION] barrier
// [SECTION] new deal
#include "net/net_sync.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "core/cg.h"
#include "core/engine_switches.h"
#include "engine/engine_services.h"
#include "engine/frame_loop.h"
#include "engine/message_box.h"
#include "games/rummy/canasta_new_game.h"
#include "games/rummy/canasta_state.h"
#include "games/skat/skat_deck.h"
#include "games/skat/skat_state.h"
#include "net/net_glue.h"
#include "net/net_transport.h"
#include "platform/tick.h"
#include "shell/shell_globals.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

// [SECTION] deck and stock

namespace {
constexpr int32_t kStock = 11;

// The cards of the current game's deck, counted by suit and rank.
std::map<int, int> deckContents() {
  std::map<int, int> m;
  if (cg.gameId == gidSkat) {
    for (int r = rank7; r <= rankAce; r++)
      for (int s = suitClubs; s <= suitDiamonds; s++) m[s * 15 + r]++;
  } else if (cg.gameId == gidCanasta) {
    const int32_t packs = std::clamp(canastaArea().options.packs, 1, 3);
    for (int32_t p = 1; p <= packs; p++)
      for (int r = 1; r <= rankJoker; r++)
        for (int s = 1; s <= 4; s++)
          if (r != rankJoker || s < 3) m[s * 15 + r]++;
  }
  return m;
}
}  // namespace

void buildRoundDeck() {
  if (cg.gameId == gidSkat) skatBuildDeck();
  else if (cg.gameId == gidCanasta) canastaBuildDeck();
  else logNotAvailable("buildRoundDeck for this game");
}

void encodeSeatPile(int32_t stack, std::string& text) {
  text.clear();
  if (stack < 1 || stack > stackCount) return;
  const TSpieler& s = sp[stack];
  char count[8];
  std::snprintf(count, sizeof count, "%03d", stackUsed(s));
  text = count;
  for (int i = 1; i <= stackUsed(s); i++) text += char(s.slots[i].card.f * 15 + s.slots[i].card.t);
}

int32_t decodeSeatPile(int32_t stack, const std::string& text) {
  if (stack < 1 || stack > stackCount || text.size() < 3) return 1;
  const int n = std::clamp(std::atoi(text.substr(0, 3).c_str()), 0, std::min<int>(slotCapacity, int(text.size()) - 3));
  TSpieler& s = sp[stack];
  for (int i = 1; i <= n; i++) {
    const int code = static_cast<uint8_t>(text[i + 2]);
    s.slots[i].card = TCard{int8_t(code % 15), int8_t(code / 15), 0};
  }
  s.count = n;
  syncHandFromSlots(s);
  return 1;
}

int32_t leadingSeat() {
  const TNetz& t = netTransport;
  if (!t.isRelayMode()) return t.getHostSeat();
  for (int s = 1; s <= 8; ++s)
    if (t.seats[s].state == 1) return s;
  return 0;
}

bool takeReceivedStock(int32_t senderSeat, const std::string& text) {
  TNetz& t = netTransport;
  std::string why;
  if (senderSeat != leadingSeat()) why = "nicht vom Geber des Tisches";
  else if (!t.inTransfer || t.pileTaken) why = "außerhalb der Verteilung";
  if (why.empty()) {
    std::map<int, int> got;
    const bool digits = text.size() >= 3 && std::all_of(text.begin(), text.begin() + 3, [](char c) { return c >= '0' && c <= '9'; });
    const int n = digits ? std::atoi(text.substr(0, 3).c_str()) : -1;
    if (n < 0 || text.size() != size_t(3 + n)) why = "Länge";
    for (size_t i = 3; why.empty() && i < text.size(); i++) got[static_cast<uint8_t>(text[i])]++;
    if (why.empty() && got != deckContents()) why = "nicht das Blatt des Spiels";
  }
  if (!why.empty()) {
    t.log("Stapel verworfen (" + why + ") von Platz " + std::to_string(senderSeat));
    // The leader's stock is the deal; without it this machine cannot play on with the others.
    if (senderSeat == leadingSeat() && t.inTransfer && !t.pileTaken) {
      t.gameEnded = true;
      showMessage("Der Stapel des Gebers war fehlerhaft; das Netzwerkspiel ist hier beendet.", "");
    }
    return false;
  }
  decodeSeatPile(kStock, text);
  t.pileTaken = true;
  return true;
}

// [SECTION] state summary

void buildStateChecksum(std::string& text) {
  text = std::to_string(cg.gs.gamesPlayed) + "_" + std::to_string(localSeatToNet(cg.gs.akspieler));
  if (cg.gameId == gidSkat && skatArea) text += std::to_string(localSeatToNet(skatArea->skatDealerSeat));
  text += "_";
  for (int s = 1; s <= playerCount && s <= 6; s++) text += std::to_string(cg.gs.listTotals[netSeatToLocal(s)]);
}

void checkStateChecksums() {
  TNetz& t = netTransport;
  if (cg.gs.gamesPlayed < 1 || !t.seats.inRange(t.ownSeat) || t.seats[t.ownSeat].state != 2) return;
  const std::string own(t.seats[t.ownSeat].checksum.view());
  std::string report = "Eigene: " + own + "\r";
  int differing = 0;
  for (int s = 1; s <= playerCount && s <= 8; s++) {
    if (s == t.ownSeat || t.seats[s].state != 1) continue;
    const std::string other(t.seats[s].checksum.view());
    report += std::string(t.seats[s].name.view()) + ": " + other + "\r";
    if (other != own) ++differing;
  }
  if (!isNetGame() || isTerminating() || differing == 0) return;
  t.log("CHECKSUM-ERROR!!!");
  t.sendBlock();
  showMessageById(30, std::to_string(differing), report);
}

// [SECTION] barrier

void resetSeatSyncFlags() {
  for (int s = 1; s <= 8; s++) netTransport.seats[s].syncValue = -1;
}

void applyReceivedSync(const TNetMessage& r) {
  TNetz& t = netTransport;
  const int32_t s = r.valueA;
  if (s < 1 || s > 8) {
    t.log("Sync verworfen: Platz " + std::to_string(s));
    return;
  }
  t.seats[s].syncValue = r.seatBytes[s];
  t.seats[s].allSynced = r.seatFlags[s];
  t.seats[s].checksum = r.text.view().substr(0, 32);
  if (isGameMaster(t)) updateSeatSyncStatus();
  else if (s == t.getHostSeat() && t.ownSyncValue == 1 && r.seatBytes[s] == 1 && r.seatFlags[s] != 0) t.syncDone = 1;
}

namespace {
// The games-played part of a summary: up to and including its first "_".
std::string listPrefix(const std::string& sum, const std::string& own) {
  const size_t n = own.size() >= 2 && own[1] == '_' ? 2 : 3;
  return sum.substr(0, n);
}
}  // namespace

void updateSeatSyncStatus() {
  TNetz& t = netTransport;
  bool all = true;
  const std::string own = t.seats.inRange(t.ownSeat) ? std::string(t.seats[t.ownSeat].checksum.view()) : "";
  for (int s = 1; s <= 8; s++) {
    TNetSeat& seat = t.seats[s];
    if (seat.state != 1 && seat.state != 2) continue;
    const bool samePrefix = listPrefix(std::string(seat.checksum.view()), own) == listPrefix(own, own);
    const int32_t local = netSeatToLocal(s);
    if (s == t.ownSeat) {
      seat.syncValue = t.ownSyncValue;
      if (t.ownSyncValue != 1) all = false;
    } else if (!isSeatPlayable(local) || isSeatLostInGame(local)) {
      if (seat.syncValue != 1) all = false;
      else if (!samePrefix) {
        all = false;
        t.log("Überschneidung zweiter Art verhindert.");
      }
    } else if (seat.syncValue != 1 || !samePrefix) {
      all = false;
      if (seat.syncValue == 1) t.log("Überschneidung erster Art verhindert.");
    }
  }
  if (isGameMaster(t) && all && !t.isReconnecting()) t.syncDone = 1;
}

void runTransferSync(int32_t mode) {
  if (mode != 1) return;
  TNetz& t = netTransport;
  t.log(">in - TRANSFER.");
  t.syncDone = 0;
  resetSeatSyncFlags();
  t.inTransfer = true;
  t.pileTaken = false;
  const uint32_t passMs = cg.lobbyGame ? 450 : 280;
  for (int pass = 1;; pass++) {
    if (isSeatLostInGame(1) || !isSeatPlayable(1)) t.ownSyncValue = 1;
    if (pass == 1 || pass % 5 == 0) t.sendSync(false);
    updateSeatSyncStatus();
    const uint32_t start = getTickCount();
    while (tickDiff(getTickCount(), start) < passMs && t.syncDone != 1 && !isTerminating() && !t.gameEnded)
      frameStep(true);
    if ((t.syncDone == 1 && !t.isReconnecting()) || isTerminating() || t.gameEnded) break;
  }
  t.inTransfer = false;
  auto tf = [](bool b) { return std::string(b ? "T" : "F"); };
  std::string syncs, lives, out;
  for (int s = 1; s <= 8; s++) {
    syncs += std::to_string(t.seats[s].syncValue) + ".";
    lives += std::string(s > 1 ? "," : "") + (isSeatPlayable(s) ? "1" : "0");
    out += std::string(s > 1 ? "," : "") + (isSeatLostInGame(s) ? "1" : "0");
  }
  t.log(">out - TRANSFER syncs:" + std::to_string(t.syncDone) + ".,recon:" + tf(t.isReconnecting()) + ".,clos:" +
        tf(isTerminating()) + ".,pknet:" + tf(isNetGame()) + ".,syncs:" + syncs);
  t.log(".pplives: " + lives);
  t.log(".spielerraus: " + out);
  if (!isNetGame() || t.gameEnded) return;
  if (isGameMaster(t)) {
    buildRoundDeck();
    t.sendPile(kStock);
    t.sendSync(true);
    t.ownSyncValue = 0;
    t.syncDone = 0;
  } else {
    t.ownSyncValue = 0;
    t.syncDone = 0;
    t.sendSync(false);
  }
}

// [SECTION] new deal

bool netSyncNewRound(bool newList) {
  if (!isNetGame()) {
    buildRoundDeck();
    return false;
  }
  TNetz& t = netTransport;
  if (newList || isSeatLostInGame(1)) t.ownSyncValue = 1;
  if (isNetActive()) {
    t.log("----------------to>" + std::to_string(cg.gs.step) + "> akspi:" + std::to_string(cg.gs.akspieler) +
          ", d,sb,bb:" + std::to_string(cg.gs.dealer) + ",0,0");
    buildStateChecksum(t.ownChecksum);
    t.log(std::to_string(cg.gs.gamesPlayed) + ". CHECKSUM:" + t.ownChecksum);
    if (t.seats.inRange(t.ownSeat)) t.seats[t.ownSeat].checksum = t.ownChecksum.substr(0, 32);
  }
  runTransferSync(1);
  engineSkipPresentOnce();
  t.ownSyncValue = 0;
  checkStateChecksums();
  if (!t.gameEnded && isNetGame()) {
    const uint8_t meld = cg.gs.meldTableInUse;
    cg.prepareNewGame();
    cg.gs.meldTableInUse = meld;
  }
  return false;
}
