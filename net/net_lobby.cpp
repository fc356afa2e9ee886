// The lobby client's requests, its connection to a lobby server and its states.
// [SECTION] requests
// [SECTION] connecting
// [SECTION] rooms and tables
// [SECTION] views
// [SECTION] keep-alive
#include "net/net_lobby.h"

#include <algorithm>

#include "engine/engine_form.h"
#include "engine/engine_services.h"
#include "engine/error_log.h"
#include "engine/fonts.h"
#include "engine/frame_loop.h"
#include "engine/message_box.h"
#include "engine/texts.h"
#include "net/net_discovery.h"
#include "net/net_glue.h"
#include "net/net_relay.h"
#include "net/net_rules.h"
#include "net/net_transport.h"
#include "platform/http.h"
#include "platform/tick.h"

#ifndef LOBBY_SERVERLIST_ADDRESS
#define LOBBY_SERVERLIST_ADDRESS "https://lobby.invalid/serverlist"
#endif

std::unique_ptr<THTTPServer> lobbyClient;

// The outcome of one transfer, written by its worker and published by finished.
struct THTTPServer::Transfer {
  std::atomic<bool> finished{false};
  std::atomic<bool> cancel{false};
  std::string reply;
  bool done = false;
};

struct THTTPServer::Worker {
  int32_t slot = 1;
  std::shared_ptr<Transfer> transfer;
  std::thread thread;
};

namespace {

uint32_t since(uint32_t tick) { return getTickCount() - tick; }

std::string textOf(const char* key) { return lookupText(key); }

const char* const kStateNames[] = {"isNotConnected", "",          "isConnecting",        "isWelcome", "isConnected",
                                   "isInRoom",       "isInGame", "isDirectConnecting", "isListing", "isError"};

TLobbyHooks defaultHooks() {
  TLobbyHooks h;
  h.frame = [] { frameStep(true); };
  h.messageBox = [](int32_t id) { return showMessageById(id); };
  h.showText = [](const std::string& text, const std::string& caption, int32_t buttons) {
    return showMessage(text, caption, buttons);
  };
  h.openLoginDialog = [] { logNotAvailable("internet login dialog"); };
  h.pressCreateTable = [] { logNotAvailable("network choice Einleiten"); };
  h.pressJoin = [](const std::string&) { logNotAvailable("join dialog Verbinden"); };
  h.closeWaitingRoom = [] { logNotAvailable("close waiting room"); };
  h.showHelpEula = [] { logNotAvailable("help book eula"); };
  h.probeTables = [](const std::vector<std::string>& addresses, uint32_t totalMs, std::vector<std::string>& answers) {
    answers.assign(addresses.size(), "");
    if (!netTransport.discovery) return;
    std::vector<std::string> descriptions, answered;
    netTransport.discovery->scanLanGames(descriptions, answered, addresses, totalMs);
    for (size_t i = 0; i < answered.size(); ++i)
      for (size_t k = 0; k < addresses.size(); ++k)
        if (addresses[k] == answered[i]) answers[k] = descriptions[i];
  };
  return h;
}

std::string beforeSlash(const std::string& text) { return text.substr(0, text.find('/')); }

std::string afterSlash(const std::string& text) {
  const size_t at = text.find('/');
  return at == std::string::npos ? "" : text.substr(at + 1);
}

}  // namespace

THTTPServer::THTTPServer(bool oneSlotOnly, const std::string& commandLine)
    : hooks(defaultHooks()), serverListAddress(LOBBY_SERVERLIST_ADDRESS), oneSlot(oneSlotOnly) {
  const size_t list = commandLine.find("serverlist:");
  const size_t single = commandLine.find("server:");
  if (list != std::string::npos) {
    serverListAddress = commandLine.substr(list + 11);
  } else if (single != std::string::npos) {
    serverListAddress = commandLine.substr(single + 7);
    singleServer = true;
  }
}

THTTPServer::~THTTPServer() { reapWorkers(true); }

// [SECTION] requests

void THTTPServer::reapWorkers(bool wait) {
  for (auto it = workers_.begin(); it != workers_.end();) {
    Worker& w = **it;
    if (wait) w.transfer->cancel.store(true, std::memory_order_release);
    if (wait || w.transfer->finished.load(std::memory_order_acquire)) {
      if (w.thread.joinable()) w.thread.join();
      it = workers_.erase(it);
    } else {
      ++it;
    }
  }
}

bool THTTPServer::slotBusy(int32_t slot) {
  reapWorkers(false);
  return std::any_of(workers_.begin(), workers_.end(), [slot](const auto& w) { return w->slot == slot; });
}

bool THTTPServer::isIdle() const {
  const bool slot2Busy = std::any_of(workers_.begin(), workers_.end(), [](const auto& w) {
    return w->slot == 2 && !w->transfer->finished.load(std::memory_order_acquire);
  });
  return !slot2Busy && waitingCount == 0 && runningCount == 0 && activeCount == 0;
}

std::string THTTPServer::commonKeys() const {
  std::string tag;
  getGameIdText(tag);
  return "&LOCAL=" + std::to_string(textTables.textColumn == 2 ? 2 : 1) + "&IDF=" + tag;
}

std::string THTTPServer::privateKeyPart() const { return isPrivateLobby() ? "!" + padLobbyKey(login.key) : ""; }

bool THTTPServer::request(const std::string& address, int32_t id, std::string& reply, int32_t slot,
                          const std::string& progressText) {
  if (slot < 1 || slot > 3) slot = 1;
  const int32_t useSlot = oneSlot ? 1 : slot;
  ++activeCount;
  netTransport.setStatusText("x");
  reply.clear();
  const bool relay = isRelayServer();
  const uint32_t limit = relay ? relayLimitMs : httpLimitMs;
  auto transfer = std::make_shared<Transfer>();
  ++waitingCount;

  // Two transfers never share a slot: wait for the slot's earlier worker, except on slot 3.
  bool givenUp = false;
  const uint32_t reserveStart = getTickCount();
  if (slot != 3) {
    while (slotBusy(useSlot)) {
      if (since(reserveStart) >= slotWaitMs) {
        givenUp = true;
        break;
      }
      hooks.frame();
      if (state == isDisconnecting) {
        givenUp = true;
        break;
      }
    }
  }
  if (!givenUp) {
    auto w = std::make_unique<Worker>();
    w->slot = useSlot;
    w->transfer = transfer;
    std::string tag;
    getGameIdText(tag);
    const std::string name(netTransport.ownName.view());
    const std::string bind = netTransport.settings.localAddress;
    const int32_t pseudoPort = relayPort + 1;
    w->thread = std::thread([transfer, address, relay, limit, tag, name, bind, pseudoPort] {
      if (relay) {
        TPseudoNMHttp pseudo;
        pseudo.port = pseudoPort;
        pseudo.bindAddress = bind;
        pseudo.timeoutMs = std::min(pseudo.timeoutMs, limit);
        pseudo.get(address, name, tag);
        transfer->done = pseudo.done() && pseudo.reply().size() <= kMaxReply;
        if (transfer->done) transfer->reply = pseudo.reply();
      } else {
        HttpResult r = httpGet(address, limit, kMaxReply, &transfer->cancel);
        transfer->done = r.ok;
        transfer->reply = std::move(r.body);
      }
      transfer->finished.store(true, std::memory_order_release);
    });
    workers_.push_back(std::move(w));
  }
  --waitingCount;
  ++runningCount;
  if (!progressText.empty()) showLobbyProgress(progressText);

  bool done = false, error = givenUp;
  const uint32_t pollStart = getTickCount();
  while (!givenUp) {
    hooks.frame();
    if (slot != 3 && state == isDisconnecting) error = true;
    if (transfer->finished.load(std::memory_order_acquire)) {
      done = transfer->done;
      if (!done) error = true;
    }
    const uint32_t e = since(pollStart);
    if ((e >= 50 && (done || error)) || e >= limit) break;
  }
  if (error) done = false;
  if (!done) transfer->cancel.store(true, std::memory_order_release);  // a given-up request ends its transfer
  if (!progressText.empty()) hideLobbyProgress();
  if (done) reply = transfer->reply;

  if (done && id != 0) {
    if (serverType == 0 && reply.size() > 20 && reply.back() != '#' && reply[1] != '|') {
      std::replace(reply.begin(), reply.end(), '\n', '#');
      reply = "1|" + reply + "#";
    }
    const size_t bar = reply.find('|');
    const std::string prefix = bar == std::string::npos ? "" : reply.substr(0, bar);
    if (bar != std::string::npos && bar <= 9 && prefix == std::to_string(id)) {
      reply.erase(0, bar + 1);
    } else {
      // A late answer to an earlier request, or none at all: never taken for this one.
      done = false;
      // Only a number is logged of what came: the server's text may be anything.
      std::string received = reply.substr(0, std::min<size_t>(bar, 9));
      if (received.empty() || !std::all_of(received.begin(), received.end(), [](char ch) { return ch >= '0' && ch <= '9'; }))
        received = "?";
      logErrorLine("Lobby reply refused: wanted=" + std::to_string(id) + ", received=" + received);
    }
  }
  if (!done) reply.clear();
  --activeCount;
  --runningCount;
  return done;
}

// [SECTION] connecting

void THTTPServer::showLobbyProgress(const std::string& text) {
  std::string title;
  getNetGameTitle(title);
  view.progressTitle = fontEscape(0) + title;
  view.progressText = text;
  view.progressOpen = true;
}

void THTTPServer::hideLobbyProgress() { view.progressOpen = false; }

bool THTTPServer::queryLoginState(const std::string& address, int32_t type) {
  serverType = type;
  std::string reply;
  request(address + "?ACTION=GET_STATE", 5, reply, 1, "");
  bool yes = reply == "OK";
  if (reply == "BANNED") netTransport.kickFlag = true;
  queryLoginState2(address, welcomeText);
  if (!welcomeText.empty() && welcomeText[0] == '*') {
    welcomeText.erase(0, 1);
    yes = false;
  }
  return yes;
}

void THTTPServer::queryLoginState2(const std::string& address, std::string& text) {
  std::string reply;
  request(address + "?ACTION=GET_STATE2" + commonKeys(), 12, reply, 1, "");
  text = cleanServerText(reply, 255);
}

void THTTPServer::takeEntry(const TLobbyListEntry& e) {
  serverAddress = std::string(e.address.view());
  serverName = beforeSlash(std::string(e.text.view()));
  optionLetters = afterSlash(std::string(e.text.view()));
  lobbyOptionLetters = optionLetters;
  variantDigit = e.d % 10;
  relayPort = e.c;
  lastKeepAlive = getTickCount();
  state = isConnected;
}

void THTTPServer::connectServer() {
  netTransport.kickFlag = false;
  netTransport.ownName = "";
  ownTableAnnounced = false;
  state = isConnecting;
  serverType = 0;
  welcomeText.clear();

  if (singleServer) {
    parseLobbyList(serverList, serverListAddress + "|3|9|60|" + serverListAddress + "|");
  } else {
    std::string reply;
    request(serverListAddress + "?ACTION=GET_SERVERLIST", 1, reply, 1, textOf("f_verbindenhaupt"));
    parseLobbyList(serverList, reply);
  }
  for (int32_t i = 1; i <= serverList.count; ++i) {
    TLobbyListEntry& e = serverList.entries[i];
    const std::string a(e.address.view());
    const size_t colon = a.find(':');
    if (a.compare(0, 4, "http") == 0 || colon == std::string::npos) continue;
    e.address = a.substr(0, colon);
    const std::string port = a.substr(colon + 1);
    const bool digits = !port.empty() && port.size() <= 5 &&
                        std::all_of(port.begin(), port.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
    const int32_t n = digits ? std::stoi(port) : 0;
    if (n >= 1 && n <= 65535) {
      e.c = n;
    } else {
      e.c = 0;
      logErrorLine("Lobby server list: port refused");
    }
  }

  int32_t taken = 0, last = 0;
  for (int32_t i = 1; i <= serverList.count && taken == 0; ++i) {
    const TLobbyListEntry& e = serverList.entries[i];
    last = i;
    serverType = e.a;
    keepAlivePeriod = e.b;
    const bool lobby = e.a >= 0 && e.a <= 3;
    if (lobby) {
      showLobbyProgress(textOf("f_verbindenmit") + beforeSlash(std::string(e.text.view())) + "..");
      relayPort = e.c;
    }
    if ((e.a == 10 || e.a == 20) && e.b > 10) {
      taken = i;
    } else if (!lobby) {
      continue;
    } else if (e.a == 3 && (e.c < 1 || e.c > 65534)) {
      continue;  // its request port (one above) would not exist
    } else if (queryLoginState(std::string(e.address.view()), e.a)) {
      taken = i;
    }
  }
  if (taken != 0) takeEntry(serverList.entries[taken]);
  const int32_t lastType = last != 0 ? serverList.entries[last].a : 0;
  if (lastType >= 0 && lastType <= 3) hideLobbyProgress();

  const std::string title = textOf("f_internetspiel");
  if (taken != 0 && serverType == 10) {
    state = isNotConnected;
    hooks.showText(serverName, title, kBoxOk);
  } else if (taken != 0 && serverType == 20) {
    // An update notice: the address is shown as text, nothing a server names is opened.
    state = isNotConnected;
    hooks.showText(serverName + "\r\r" + serverAddress, title, kBoxOk);
  } else if (taken != 0) {
    savedState = isConnected;
    state = isWelcome;
    login.title = title;
    const std::string head = textOf("f_willkommen") + serverName + "\". ";
    login.welcome = welcomeText.empty() ? textOf("f_willkommen") + serverName + "\".\r" + textOf("f_spielernamen")
                                        : head + "\r" + welcomeText + "\r" + textOf("f_spielernamen");
    login.label = "Name:";
    login.name = waitingRoom.name.substr(0, 20);
    login.privateAreaShown = true;
    login.open = true;
    hooks.openLoginDialog();
    netTransport.kickFlag = false;
  } else {
    hideLobbyProgress();
    if (netTransport.kickFlag) {
      if (hooks.messageBox(39) == kBoxAnswerYes) hooks.showHelpEula();
    } else if (!welcomeText.empty() && welcomeText[0] == '!') {
      hooks.showText(welcomeText.substr(1), title, kBoxOk);
    } else {
      hooks.messageBox(28);
    }
    state = isNotConnected;
  }
}

void THTTPServer::loginConfirmed() {
  login.open = false;
  restoreSavedState();
  waitingRoom.name = login.name.substr(0, 20);
  std::string own = waitingRoom.name;
  if (isPrivateLobby()) own += "<" + padLobbyKey(login.key) + ">";
  netTransport.ownName = own;
  loadRoomList(false);
  if (isPrivateLobby()) {
    enterRoom(1);
  } else {
    showRoomList(true);
  }
}

void THTTPServer::restoreSavedState() {
  if (savedState < isConnecting || savedState > isListing) return;
  state = savedState;
  showRoomList(false);
}

void THTTPServer::disconnect(bool keepDialog, const std::string& progressText) {
  savedState = state = isDisconnecting;
  std::string reply;
  request(serverAddress + "?ACTION=CLOSE", 7, reply, 3, progressText.empty() ? textOf("f_trennen") : progressText);
  savedState = state = isNotConnected;
  lobbyOptionLetters.clear();
  (void)keepDialog;  // hidden or closed: either way the dialog is not shown
  view.open = false;
}

void THTTPServer::getOwnIp(const std::string& progressText, std::string& address) {
  std::string reply;
  request(serverListAddress + "?ACTION=GET_IP", 4, reply, 1, progressText);
  address = isOwnIpAnswer(reply) ? reply : "";
}

// [SECTION] rooms and tables

void THTTPServer::loadRoomList(bool background) {
  if (background) view.title = textOf("f_raumakt");
  std::string reply;
  request(serverAddress + "?ACTION=GET_ROOMLIST" + commonKeys(), 2, reply, background ? 2 : 1,
          background ? "" : textOf("f_raumlesen"));
  parseLobbyList(roomList, reply);
}

void THTTPServer::loadGameList(bool background) {
  if (background) view.title = textOf("f_spieleakt");
  std::string reply;
  request(serverAddress + "?ACTION=GET_GAMELIST&PARAM1=" + std::to_string(roomNumber) + privateKeyPart() + commonKeys(),
          3, reply, background ? 2 : 1, background ? "" : textOf("f_spiellist"));
  parseLobbyList(gameList, reply);
}

void THTTPServer::enterRoom(int32_t row) {
  if (row < 1 || row > roomList.count) return;
  roomNumber = roomList.entries[row].a;
  roomName = std::string(roomList.entries[row].address.view());
  loadGameList(false);
  state = isInRoom;
  showGameList(true);
}

void THTTPServer::createLobbyGame() {
  std::string reply;
  request(serverAddress + "?ACTION=CREATE&PARAM1=" + std::to_string(roomNumber), 6, reply, 1, textOf("f_einl3"));
  state = isInGame;
  ownTableAnnounced = true;
  hooks.pressCreateTable();
}

void THTTPServer::sendCreateGame(bool background) {
  std::string reply;
  request(serverAddress + "?ACTION=CREATE&PARAM1=" + std::to_string(roomNumber), 6, reply, background ? 2 : 1, "");
}

void THTTPServer::sendIpRefresh(bool background) {
  lastKeepAlive = getTickCount();
  if (state == isInGame && ownTableAnnounced) {
    sendCreateGame(background);
    return;
  }
  std::string reply;
  request(serverAddress + "?ACTION=IPREFRESH", 0, reply, background ? 2 : 1, "");
}

void THTTPServer::joinListedGame(const std::string& address) {
  netTransport.tableName = "";
  savedState = state;
  state = isDirectConnecting;
  if (isRelayServer()) {
    std::string text;
    for (int32_t i = 1; i <= gameList.count; ++i)
      if (gameList.entries[i].address.view() == address) text = std::string(gameList.entries[i].text.view());
    const size_t tilde = text.find('~', 3);
    netTransport.tableName = text.substr(0, std::min<size_t>(tilde, 32));
    const std::string progress = textOf("f_teilnehmenan") + std::string(netTransport.tableName.view()) + "..";
    disconnect(true, progress);
    showLobbyProgress(progress);
  } else {
    showLobbyProgress(textOf("f_verbindenmit") + address + "..");
  }
  hooks.pressJoin(" " + address);
}

void THTTPServer::stepBack() {
  switch (state) {
    case isInGame:
    case isDirectConnecting:
      if (ownTableAnnounced) {
        std::string reply;
        request(serverAddress + "?ACTION=CLOSE&PARAM1=1", 7, reply, 1, textOf("f_verlassen"));
        ownTableAnnounced = false;
      }
      state = isInRoom;
      showGameList(false);
      break;
    case isInRoom:
      if (isPrivateLobby()) {
        state = isNotConnected;
        disconnect(false, "");
      } else {
        state = isConnected;
        showRoomList(false);
      }
      break;
    case isNotConnected:
      state = isInRoom;
      hooks.closeWaitingRoom();
      loadGameList(false);
      showGameList(false);
      break;
    default: disconnect(false, ""); break;
  }
}

void THTTPServer::handleButton(int32_t button) {
  if (state == isConnected) {
    if (button == 1) enterRoom(view.selected);
    if (button == 3) {
      loadRoomList(false);
      showRoomList(false);
    }
  } else if (state == isInRoom) {
    if (button == 1) {
      if (view.selected < 1 || view.selected > gameList.count || size_t(view.selected) > view.rows.size()) return;
      if (optionLetters.find('Z') != std::string::npos) {
        for (int32_t n = 1; n <= 8; ++n) {
          const int32_t v = getLobbyForcedOption(n);
          if (v <= 0) continue;
          std::string valueText;
          getNetOptionText(n, v, valueText);
          if (view.rows[size_t(view.selected) - 1].find(valueText) == std::string::npos) {
            netTransport.showNetError(11);
            return;
          }
          break;
        }
      }
      joinListedGame(std::string(gameList.entries[view.selected].address.view()));
    } else if (button == 2) {
      view.button2Visible = false;
      createLobbyGame();
    } else if (button == 3) {
      loadGameList(true);
      showGameList(false);
    }
  }
}

// [SECTION] views

void THTTPServer::showRoomList(bool selectFirst) {
  if (state <= isDisconnecting) return;
  view.open = true;
  if (roomList.loaded) {
    view.listEnabled = true;
    view.rows.clear();
    for (int32_t i = 1; i <= roomList.count; ++i) {
      const TLobbyListEntry& e = roomList.entries[i];
      const std::string address(e.address.view()), name(e.name.view()), text(e.text.view());
      view.rows.push_back(name.empty() ? address + "|" + text + "||" : address + "|" + name + "|" + text + "|");
    }
    view.selected = selectFirst && !view.rows.empty() ? 1 : std::min<int32_t>(view.selected, int32_t(view.rows.size()));
  }
  view.title = textOf("f_raeume") + serverName + ":";
  view.buttonText[1] = textOf("f_raumbetreten");
  view.button2Visible = false;
  view.buttonText[3] = textOf("f_aktualisieren");
}

void THTTPServer::showGameList(bool selectFirst) {
  if (state <= isDisconnecting) return;
  view.open = true;
  if (gameList.loaded) {
    view.rows.clear();
    if (!isRelayServer()) {
      probeAddresses.clear();
      for (int32_t i = 1; i <= gameList.count; ++i) probeAddresses.emplace_back(gameList.entries[i].address.view());
      const size_t n = probeAddresses.size();
      const uint32_t total = n <= 3 ? 1800 : n <= 6 ? 1600 : n <= 10 ? 1400 : n <= 15 ? 1200 : 1000;
      const uint8_t before = state;
      state = isListing;
      showLobbyProgress(textOf("f_spiellist"));
      hooks.probeTables(probeAddresses, total, probeAnswers);
      probeAnswers.resize(n);
      hideLobbyProgress();
      state = before;
      probeAnswered.clear();
      for (size_t i = 0; i < n; ++i) {
        const std::string answer = cleanServerText(probeAnswers[i], 255);
        if (!answer.empty()) probeAnswered.push_back(probeAddresses[i]);
        view.rows.push_back(probeAddresses[i] + "|" + answer + (answer.empty() ? "|" : ""));
      }
    } else {
      for (int32_t i = 1; i <= gameList.count; ++i) {
        std::string row(gameList.entries[i].text.view());
        std::replace(row.begin(), row.end(), '~', '|');
        view.rows.push_back(row);
      }
    }
    view.listEnabled = true;
    view.selected = selectFirst && !view.rows.empty() ? 1 : std::min<int32_t>(view.selected, int32_t(view.rows.size()));
  }
  view.title = isPrivateLobby() ? textOf("f_spieleprivat") + login.key + ":" : textOf("f_spielevon") + roomName + ":";
  view.buttonText[1] = textOf("f_teilnehmen");
  view.button1Enabled = !view.rows.empty();
  view.buttonText[2] = textOf("f_open");
  view.button2Visible = true;
  view.buttonText[3] = textOf("f_aktualisieren");
}

// [SECTION] keep-alive

void THTTPServer::tick() {
  login.privateAreaEnabled = login.privateArea;
  if (!isIdle()) return;
  netTransport.buildDebugStatus();
  if (state != isConnected && state != isInRoom && state != isInGame) return;
  vtl.skipPresentOnce = true;
  // A period below 5 s counts as 5 s; a negative one asks at every tick.
  const int64_t periodMs = keepAlivePeriod < 0 ? -1 : int64_t(std::max(keepAlivePeriod, 5)) * 1000;
  if (periodMs >= 0 && int64_t(since(lastKeepAlive)) <= periodMs) return;
  lastKeepAlive = getTickCount();
  if (state == isConnected) {
    loadRoomList(true);
    showRoomList(false);
  } else if (state == isInRoom && isRelayServer()) {
    loadGameList(true);
  } else {
    sendIpRefresh(true);
  }
}

void getLobbyStateName(std::string& text) {
  const uint8_t s = lobbyClient ? lobbyClient->state : 0;
  text = s <= 9 ? kStateNames[s] : "";
}

void showLobbyScreen() {
  if (!lobbyClient || !lobbyClient->isOnline() || lobbyClient->state != isDirectConnecting) return;
  lobbyClient->hooks.messageBox(27);
  lobbyClient->state = lobbyClient->savedState;
  lobbyClient->view.progressOpen = false;
}
