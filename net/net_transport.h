// The table transport: one machine hosts a table on a listening TCP socket, the others join
// as clients; all exchange TNetMessage records. The host is the hub and relays what the
// others must see. netTransport is the program's one; tests run several in one process, each
// with its own settings and hooks.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/cards.h"
#include "net/net_message.h"
#include "net/net_rules_record.h"
#include "platform/net.h"
#include "platform/records.h"

// One received move for the core: the wire action code, the values and the selected cards.
struct TNetMove {
  int32_t wireAction;
  int32_t a;
  int32_t b;
  std::string cardText;
};

// TNetzSpecialChecker: holds back received moves while on; nothing switches it on.
struct TNetzSpecialChecker {
  bool isWaiting() const { return false; }
  bool isErrorTimeout() const { return false; }
};

inline constexpr int kQueueCapacity = 40;
inline constexpr int kReceiveBufferSize = 400;

// One TCP connection of the transport with its own receive buffer; at the host also the
// seat it holds and the moves it sent that wait for their seat's turn.
struct TNetLink {
  NetConnectionPtr conn;
  uint8_t buffer[kReceiveBufferSize] = {};
  int32_t fill = 0;           // bytes of an incomplete record held
  int32_t seat = 0;           // host: the seat granted to this connection, 0 none
  uint32_t lastHeard = 0;     // tick of the last bytes received on it
  uint32_t lastSent = 0;      // tick of the last record queued on it
  std::deque<TNetMessage> moves;  // host: CGINPUT of this seat, taken at its turn only
};
using TNetLinkPtr = std::shared_ptr<TNetLink>;

// TNetMessageQueue: first in, first out, 40 records with the connection each belongs to.
struct TNetMessageQueue {
  std::deque<std::pair<TNetMessage, TNetLinkPtr>> items;
};

struct TNetSeat {
  uint8_t state = 5;               // 0 computer, 1 client, 2 host's, 3 open, 4 lost, 5 not at the table
  ShortString<20> name{};          // the player's name
  ShortString<20> address{};       // dotted IPv4 of the seat's machine, as it reported it
  LArray<ShortString<64>, 1, 6> messageLines{};  // chat lines at the seat in a game, 1 newest
  LArray<int32_t, 1, 6> messageLife{};
  int32_t messageCount = 0;        // 0..5
  int32_t strength = 2;            // computer strength 1..3
  uint8_t ready = 0;               // from _PLAYERINFO
  uint8_t substitute = 0;          // 1: this seat's machine hosts when the host is lost
  int32_t syncValue = 0;
  int32_t canastaValue = 0;        // left 0; copied by the computer takeover
  uint8_t allSynced = 0;
  TNetLinkPtr socket;              // host: the connection of a client seat
  ShortString<32> checksum{};
  uint32_t lastTick = 0;           // host: last bytes received; client's own seat: last send
};

// What the transport asks of later parts and of the program. Defaults are loud stand-ins,
// except the seat-state steps of replaceSeatByComputer and markRemoteSeatsLost.
struct TNetHooks {
  std::function<void(int code, const std::string& text)> event;  // handleNetEvent
  std::function<void(int code)> showNetError;        // the error's box or notice
  std::function<void(int netSeat)> replaceSeatByComputer;
  std::function<void()> markRemoteSeatsLost;
  std::function<std::string()> gameTag;               // five letters, "skata"
  std::function<std::string()> buildRulesString;
  std::function<void(const std::string& rules, int senderSeat)> applyRulesString;
  std::function<void(const std::string& line)> addChatLine;
  std::function<int32_t()> seatToAct;                 // network seat of the seat to act, 0 none
  std::function<void(const TNetMessage&)> applyReceivedSync;
  std::function<void(const std::string& text)> showNotice;  // a server's notice, never modal
  std::function<void(const std::string& line)> protocol;    // the protocol trace
  std::function<int32_t()> turnClockSetting;  // the table's netTimeLimit; below 2 no clock
  std::function<int32_t()> seatToActLocal;    // akspieler; 1 is this machine's seat
  std::function<int32_t()> gamePhase;         // the game's phase; 5 once it has ended
  std::function<bool()> isPrivateLobby;       // the private-table box checked with a password
  std::function<bool()> isRelayMode;          // an internet game through a relay server
  std::function<bool()> gameOnScreen;         // screenMode: a game has been started on the screen
  std::function<bool()> continuePressed;      // netContinuePressed of the game list
  std::function<int32_t()> countTakenSeats;
  std::function<bool(int32_t)> isForcedOptionValue;  // option 1's player count equals n
  std::function<void()> pressWaitingRoomAbort;       // the waiting room's "Abbruch"
  std::function<void()> startNetworkGame;
  std::function<void(int32_t seconds)> showStartCountdown;
  std::function<void()> drawWaitingRoom;
  std::function<void()> resetSeatSyncFlags;
  std::function<void(const std::string& text)> setFpsSuffix;
};

class TNetDiscovery;

class TNetz {
 public:
  explicit TNetz(const NetSettings& settings = NetSettings());
  ~TNetz();
  TNetz(const TNetz&) = delete;
  TNetz& operator=(const TNetz&) = delete;

  NetSettings settings;
  TNetHooks hooks;
  std::unique_ptr<TNetDiscovery> discovery;  // this machine's LAN discovery

  // [SECTION] state read and written by the program
  ShortString<32> tableName{};
  tUniRegelStruktur rules;         // the table's current rules
  ShortString<32> ownName{};
  int32_t phase = 0;               // 0 no table, 1 waiting room, 2 game running
  bool connectedOnce = false;
  bool closingByUser = false;      // set by the main window before it closes the connection
  int32_t syncDone = 0;
  int32_t ownSyncValue = 0;        // 3 once the core ended a game, 4 from the message panel
  std::string ownChecksum;         // up to 184 characters
  bool clockRunning = false;       // the turn clock runs; cleared by every submitted action
  bool resultShown = false;        // the list of a network game is over
  bool ownSeatOut = false;         // own seat lost or the game ended: results pass unseen
  bool gameEnded = false;          // the network game ended; nothing is sent any more
  bool inTransfer = false;
  bool pileTaken = false;          // the barrier's deal has its stock
  int32_t pileSeat = 0;            // the dealer's seat a received stock names, 0 an older peer
  bool isHost = false;
  bool isClient = false;
  bool ownReady = false;
  bool kickFlag = false;
  int32_t seatCount = 0;
  int32_t clientSeatCount = 0;
  int32_t ownSeat = 0;             // this machine's network seat, 0 none
  int32_t gameCounter = 3;         // kept by the game logic; the transport never touches it
  int32_t reconnectKind = 0;       // the pending reconnect wait, 0 none
  bool reconnectPending = false;
  uint32_t reconnectStart = 0;
  int32_t reconnectTimeout = 0;    // ms
  bool countdownRunning = false;
  int32_t countdownKind = 0;       // kept, not used
  uint32_t countdownStart = 0;
  int32_t countdownDuration = 0;   // ms
  std::string statusText;
  std::string panelText;           // the protocol panel
  TNetzSpecialChecker checker;
  LArray<TNetSeat, 1, 8> seats{};
  LArray<uint8_t, 0, 10> messageShowState{};  // by network seat: 0 new, 2 showing, 3 shown; the table draws
  TNetMessageQueue moveQueue;
  TNetMessageQueue resendCache;

  // [SECTION] roles
  bool createHost(int32_t seat, bool keepCache);
  bool connectAsClient(uint16_t port, const std::string& host, bool keepCache);
  void closeHost();
  void closeClient();
  void openAllSeats();
  void resetTimers();
  // Every third frame of a network game: countdown, clock warnings, reconnect wait, status
  // line and the watchdogs (REFRESH, silent peers, stalled writes).
  void tick();

  // [SECTION] sending
  void initNetMessage(TNetMessage& record) const;
  bool send(TNetMessage& record, const TNetLinkPtr& link);
  bool sendJoinRequest(int32_t wantedSeat, bool rejoin);
  bool sendSync(bool allSynchronised);
  bool sendTimeLeft(int32_t netSeat, int32_t tenths);
  bool sendDisconnect(int32_t netSeat);
  // Kind 1 carries cards, the core's selection when none are given.
  bool sendMove(int kind, int32_t a, int32_t b, const THand* cards = nullptr);
  bool sendKick(int32_t netSeat);
  bool sendRefreshRequest();
  bool sendBlock();
  bool sendGameStart(int32_t value);
  bool sendPile(int32_t stack);
  bool sendChat(const std::string& text);
  bool sendRulesTo(const TNetLinkPtr& link);
  bool sendGameInfo();
  bool sendPlayerInfo(bool toNewcomer, int32_t newcomerSeat);

  // [SECTION] receiving
  int receive(TNetMessage& record, TNetLink& link);
  void dispatchMessage(TNetMessage& record, const TNetLinkPtr& link);

  // [SECTION] queues
  void queuePush(TNetMessageQueue& q, const TNetMessage& record, const TNetLinkPtr& link);
  bool queuePop(TNetMessageQueue& q, TNetMessage& record);
  bool queueHasItems(const TNetMessageQueue& q) const { return !q.items.empty(); }
  void queueClear(TNetMessageQueue& q) { q.items.clear(); }
  // Moves for the core: at the host only those of the seat to act, relayed when taken.
  bool hasInput() const;
  bool popInput(TNetMove& move);
  bool popInputRecord(TNetMessage& record);
  void clearInputQueue();
  void resendCached(TNetMessageQueue& q);
  void clearEvents() { clockQueue.clear(); }
  void pushEvent(int32_t localSeat, int32_t tenths);
  bool hasEvents() const { return !clockQueue.empty(); }
  bool popEvent(int32_t& localSeat, int32_t& tenths);

  // [SECTION] seats
  int32_t assignSeat(int32_t wanted, bool rejoin);
  bool checkSeatOrder();
  void getSubstituteInfo(bool asNumber, std::string& text) const;
  int32_t getHostSeat() const;
  bool isSeatLost(int32_t seat, bool notSeat1, bool silent) const;
  bool allSeatsReady() const;
  bool isReconnecting() const { return (reconnectKind != 0 || retrying_) && (isHost || isClient || retrying_) && !gameEnded; }
  int32_t getReconnectKind() const { return reconnectKind; }
  // [SECTION] host migration
  bool startReconnectWait(int32_t kind, int32_t timeoutMs);
  bool finishReconnect(int32_t kind);
  bool allSeatsBack() const;
  void markSeatsLost();
  bool startStartCountdown(int32_t kind, int32_t durationMs);
  void setStatusText(const std::string& text);
  void buildDebugStatus();
  bool isRelayMode() const { return hooks.isRelayMode(); }
  // [SECTION] seat message lines
  uint32_t messageAgeMark;         // tick the lines were last aged by time
  void addSeatMessage(const std::string& text, int32_t netSeat);
  // Ages every shown line: by the time passed and by moves (x 1.5); a move removes a line
  // whose life falls below 0.
  void ageSeatMessages(int32_t moves);
  // The shown lines, newest first, joined by CR, character 5, CR.
  void getSeatMessages(int32_t netSeat, std::string& text) const;

  // [SECTION] turn clock
  bool clockAuto = false;          // the length came from the table's setting
  int32_t clockStage = 0;          // the warning stage; starts at 1, 0 or -1 by the setting
  uint32_t clockStart = 0;         // tick of the start; Canasta restarts it
  int32_t clockDuration = 0;       // ms
  // Starts the clock of the seat to act; 0 or -1: the length from the setting.
  void startTurnClock(int32_t duration);
  // The warning number: -1 none, 100 the time is up; advance moves the stages on.
  int32_t nextTurnClockWarning(bool advance);
  // Milliseconds left (negative once overrun).
  int64_t clockRemainingMs() const;
  // 0 while time is left, else the overrun in whole seconds as a negative number.
  int32_t clockOverrunSeconds() const;

  // A player's name without the private-table tag it may carry (only at a private table).
  std::string stripNameTag(const std::string& name) const;
  // This machine's name as table records carry it: at a private table without the key's tag
  // (the tag may have been cut short, so everything from its "<" goes).
  std::string untaggedOwnName() const;

  void showNetError(int code);
  void log(const std::string& text);
  // The connections the host serves (tests look at them).
  const std::vector<TNetLinkPtr>& hostLinks() const { return links_; }
  const TNetLinkPtr& hostLink() const { return client_; }

 private:
  void event(int code, const std::string& text = "") { hooks.event(code, text); }
  void onHostClientConnect(const NetConnectionPtr& conn);
  void onHostRead(const TNetLinkPtr& link);
  void onHostClientDisconnect(const TNetLinkPtr& link);
  void onClientConnect();
  void onClientRead();
  void onClientError(int code);
  void onClientDisconnect();
  // A taken record that must not be handled: false with a trace line.
  bool acceptAtHost(const TNetMessage& record, const TNetLink& link);
  bool acceptReceived(const TNetMessage& record);
  void dropLink(const TNetLinkPtr& link);
  void relayAtHost(TNetMessage& record, const TNetLinkPtr& link);
  void grantSeat(const TNetMessage& request, const TNetLinkPtr& link);
  void joinAnswered(const TNetMessage& answer);
  void handleCommon(TNetMessage& record, const TNetLinkPtr& link);
  void handleAtClient(const TNetMessage& record);
  bool writeTo(const TNetLinkPtr& link, const TNetMessage& record);
  void tickCountdown();
  void tickReconnect();
  void tickWatchdogs();
  void takeOverTable();
  void reconnectToSubstitute();
  void leaveTable();
  TNetLinkPtr linkOfSeat(int32_t seat) const;

  std::unique_ptr<NetListener> listener_;
  std::vector<TNetLinkPtr> links_;   // host: every accepted connection
  TNetLinkPtr client_;               // client: the connection to the host
  bool joinPending_ = false;         // client: records wait for the grant, in order
  uint32_t tickNumber_ = 0;          // calls of tick: every third frame
  // client: connecting to the substitute is retried until substituteWaitMs have passed
  bool retrying_ = false;
  uint32_t retryFirst_ = 0;
  uint32_t retryLast_ = 0;
  std::string retryAddress_;
  std::deque<std::pair<int32_t, int32_t>> clockQueue;  // (local seat, tenths) from _TL
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);  // socket handlers outlive nothing
};

extern TNetz netTransport;

// This machine leads the table: the host; in relay mode the client whose seat is the lowest
// client seat.
bool isGameMaster(const TNetz& transport);
// Positions 9..32 of the rules string: per seat its kind, strength and substitute digits.
std::string buildSeatDigits(const TNetz& transport);
// Takes the seat digits of a received rules string (positions 9..32); false when the text
// is too short or not digits, and then nothing changes.
bool applySeatDigits(TNetz& transport, const std::string& rules);
// A rules string as senders make it: 32 digits at least, seat kinds 1..6.
bool isRulesString(const std::string& text);
// Action kinds 0..6 travel as wire codes 1..7, kind 7 as 0.
int toWireAction(int kind);
int fromWireAction(int32_t wire);
// A card list as text in a move record: the count in three digits, then per card the
// character suit * 15 + rank and the low byte of its slot number.
std::string encodeHandText(const THand& hand);
// The cards of a card text into hand (count and cards 1..count; the rest of the list
// stays). A malformed text (not three digits, a count above 166, too short for its count,
// a card code outside the suits and ranks) changes nothing and answers false.
bool decodeHandText(const std::string& text, THand& hand);
// In a network game rebuilds the hand copy of the seat to act from its slots and sorts it.
void refreshCurrentHand(bool keepSlots);
// A valid seat 1..playerCount whose network player is not lost.
bool isSeatPlayable(int32_t seat);
bool isSeatLostInGame(int32_t seat);
// Every machine plays its own network seat as local seat 1; outside an active network game
// both give the seat itself.
int32_t netSeatToLocal(int32_t seat);
int32_t localSeatToNet(int32_t seat);
bool hasHumanNetSeat();
// isNetGame, or the transport's game-ended flag still set.
bool isNetActive();
void openChatInput();
