// The internet lobby client: lobby servers named by a server list, their rooms and the open
// tables of a room, over HTTP GETs (or the same requests through a relay host). Each request
// runs on a worker thread while the main thread runs nested frames and polls for the answer.
// The dialogs bind to the views below; what they would press, tests call.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/records.h"

// [SECTION] lists

struct TLobbyListEntry {
  int32_t a = 0;
  int32_t b = 0;
  int32_t c = 0;
  int32_t d = 0;  // c as received
  ShortString<64> address{};
  ShortString<128> text{};
  ShortString<18> name{};
};

inline constexpr int32_t kLobbyListCapacity = 201;

struct TLobbyList {
  int32_t count = 0;
  LArray<TLobbyListEntry, 1, kLobbyListCapacity> entries{};
  bool loaded = false;
  uint32_t loadTime = 0;
};

// The next field of a reply from pos: the text up to "|", "#" or the end. recordEnded is set
// when a "#" or the end closed it.
std::string nextListField(const std::string& reply, size_t& pos, bool& recordEnded);
// A reply's records into list; false (list empty, not loaded) for a number that does not
// convert or a 202nd record. Server texts lose their control characters and are cut.
bool parseLobbyList(TLobbyList& list, const std::string& reply);
// An own-address answer as getOwnIp accepts it.
bool isOwnIpAnswer(const std::string& reply);
// A server's text made safe to show: control characters dropped, cut to max bytes.
std::string cleanServerText(const std::string& text, size_t max);

// [SECTION] states and views

enum TLobbyState : uint8_t {
  isNotConnected = 0,
  isDisconnecting = 1,
  isConnecting = 2,
  isWelcome = 3,
  isConnected = 4,
  isInRoom = 5,
  isInGame = 6,
  isDirectConnecting = 7,
  isListing = 8,
  isError = 9,
};

// The internet dialog ("InternetTEXT", "InternetLB", "Button1".."Button3") and the progress
// window as the client fills them; the dialogs show this.
struct TLobbyView {
  bool open = false;
  std::string title;
  bool listEnabled = false;
  std::vector<std::string> rows;  // columns joined by "|"
  int32_t selected = 0;           // 1-based row, 0 none
  LArray<std::string, 1, 3> buttonText{};
  bool button1Enabled = true;
  bool button2Visible = true;
  bool progressOpen = false;
  std::string progressTitle;
  std::string progressText;
};

// The login dialog (the create dialog in its internet form): what the client fills in and
// what the user chose there.
struct TLobbyLogin {
  bool open = false;
  std::string title;
  std::string welcome;
  std::string label;
  std::string name;           // the name field, at most 20 characters
  bool privateAreaShown = false;
  bool privateArea = false;   // "Privater Bereich" checked
  bool privateAreaEnabled = false;
  std::string key;            // the private key field
};

// What the client asks of the program; the defaults are the program's, or loud stand-ins
// for dialogs not built yet.
struct TLobbyHooks {
  std::function<void()> frame;                         // one nested engine frame
  std::function<int32_t(int32_t id)> messageBox;       // a box of the message table
  std::function<int32_t(const std::string& text, const std::string& caption, int32_t buttons)> showText;
  std::function<void()> openLoginDialog;
  std::function<void()> pressCreateTable;              // the network choice's "Einleiten"
  std::function<void(const std::string& hostField)> pressJoin;  // join dialog: host field, "Verbinden"
  std::function<void()> closeWaitingRoom;
  std::function<void()> showHelpEula;
  // The listed tables' descriptions by the LAN probe; answers align with addresses.
  std::function<void(const std::vector<std::string>& addresses, uint32_t totalMs, std::vector<std::string>& answers)>
      probeTables;
};

// [SECTION] the client

class THTTPServer {
 public:
  // commandLine: the program's first parameter ("serverlist:…" or "server:…").
  explicit THTTPServer(bool oneSlot, const std::string& commandLine = "");
  ~THTTPServer();
  THTTPServer(const THTTPServer&) = delete;
  THTTPServer& operator=(const THTTPServer&) = delete;

  TLobbyHooks hooks;
  TLobbyView view;
  TLobbyLogin login;

  // Limits: a request's wait for its answer (HTTP and relay) and for its slot.
  uint32_t httpLimitMs = 60000;
  uint32_t relayLimitMs = 10050;
  uint32_t slotWaitMs = 30000;
  static constexpr size_t kMaxReply = 256 * 1024;

  std::string serverListAddress;
  bool singleServer = false;
  // the current server
  std::string serverAddress;
  std::string serverName;
  std::string optionLetters;
  int32_t relayPort = 0;
  int32_t keepAlivePeriod = 0;  // seconds
  int32_t variantDigit = 0;
  int32_t serverType = 0;
  std::string welcomeText;
  std::string roomName;
  bool oneSlot = false;
  int32_t roomNumber = 0;

  TLobbyList serverList;
  TLobbyList roomList;
  TLobbyList gameList;
  std::vector<std::string> probeAddresses;
  std::vector<std::string> probeAnswered;
  std::vector<std::string> probeAnswers;

  uint8_t state = isNotConnected;
  uint8_t savedState = isNotConnected;
  bool ownTableAnnounced = false;
  uint32_t lastKeepAlive = 0;
  int32_t waitingCount = 0;
  int32_t runningCount = 0;
  int32_t activeCount = 0;

  // One request; false with an empty reply when it failed, timed out or was given up.
  bool request(const std::string& address, int32_t id, std::string& reply, int32_t slot,
               const std::string& progressText);
  void connect() { connectServer(); }
  void connectServer();
  bool queryLoginState(const std::string& address, int32_t type);
  void queryLoginState2(const std::string& address, std::string& text);
  void loadRoomList(bool background);
  void loadGameList(bool background);
  void enterRoom(int32_t row);
  void createLobbyGame();
  void sendCreateGame(bool background);
  void sendIpRefresh(bool background);
  void joinListedGame(const std::string& address);
  void stepBack();
  void disconnect(bool keepDialog, const std::string& progressText);
  void getOwnIp(const std::string& progressText, std::string& address);
  void showRoomList(bool selectFirst);
  void showGameList(bool selectFirst);
  void handleButton(int32_t button);
  void tick();
  bool isOnline() const { return state != isNotConnected && state != isError; }
  bool isIdle() const;
  bool isPrivateLobby() const { return login.privateArea && !login.key.empty(); }
  bool isRelayServer() const { return serverType == 3; }
  // The login dialog's "OK" in state 3: the lobby state back, the own name stored (with the
  // private key's tag for a private lobby), then the rooms.
  void loginConfirmed();
  // Event 8: the saved state back, and the room list again when it was one of 2 to 8.
  void restoreSavedState();

 private:
  struct Transfer;
  struct Worker;
  std::string commonKeys() const;
  std::string privateKeyPart() const;
  bool slotBusy(int32_t slot);
  void reapWorkers(bool wait);
  void takeEntry(const TLobbyListEntry& e);
  void showLobbyProgress(const std::string& text);
  void hideLobbyProgress();
  std::vector<std::unique_ptr<Worker>> workers_;
};

extern std::unique_ptr<THTTPServer> lobbyClient;

void getLobbyStateName(std::string& text);
// When online and joining (state 7): box 27, the saved state back, the progress closed.
void showLobbyScreen();
// The text keys, values and the private key padded to ten characters.
std::string padLobbyKey(const std::string& key);
