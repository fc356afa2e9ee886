// The lobby client against our fake lobby server (and the fake relay) on loopback.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <thread>

#include "core/cg.h"
#include "engine/error_log.h"
#include "net/net_lobby.h"
#include "net/net_rules.h"
#include "net/net_transport.h"
#include "platform/tick.h"
#include "tests/net/fake_lobby.h"
#include "tests/net/net_machine.h"
#include "tools/nettable/fake_relay.h"

namespace {

constexpr int kPort = 47311;

class Lobby : public ::testing::Test {
 protected:
  void SetUp() override {
    useRealTick();
    keptGame = cg.gameId;
    keptOptionsGame = cg.gs.optionsGameId;
    cg.gameId = gidSkat;
    cg.gs.optionsGameId = gidSkat;
    netTransport.ownName = "";
    netTransport.kickFlag = false;
    waitingRoom.name = "Bert";
    lobbyOptionLetters.clear();
    errorsPath = (std::filesystem::temp_directory_path() /
                  ("lobby_errors_" + std::to_string(::getpid()) + ".txt")).string();
    std::filesystem::remove(errorsPath);
    setErrorLogFile(errorsPath);
  }
  void TearDown() override {
    lobbyClient.reset();
    setErrorLogFile("");
    std::filesystem::remove(errorsPath);
    useFakeTick(1000);
    cg.gameId = keptGame;
    cg.gs.optionsGameId = keptOptionsGame;
    lobbyOptionLetters.clear();
    netTransport.ownName = "";
  }
  void makeClient(const std::string& commandLine) {
    lobbyClient = std::make_unique<THTTPServer>(false, commandLine);
    client = lobbyClient.get();
    TLobbyHooks& h = client->hooks;
    h.frame = [this] {
      ++frames;
      netPoll();
      if (relay) relay->pump();
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    };
    h.messageBox = [this](int32_t id) {
      boxes.push_back(id);
      return boxAnswer;
    };
    h.showText = [this](const std::string& text, const std::string&, int32_t) {
      texts.push_back(text);
      return 1;
    };
    h.openLoginDialog = [this] { ++loginOpened; };
    h.pressCreateTable = [this] { ++created; };
    h.pressJoin = [this](const std::string& host) { joins.push_back(host); };
    h.closeWaitingRoom = [] {};
    h.showHelpEula = [this] { ++eula; };
    h.probeTables = [this](const std::vector<std::string>& addresses, uint32_t, std::vector<std::string>& answers) {
      answers.clear();
      for (auto& a : addresses) answers.push_back(probeAnswers.count(a) ? probeAnswers[a] : "");
    };
  }
  // A lobby at /lobby listed by /list, with rooms, tables and plain answers.
  void standardLobby(FakeLobby& fake, const std::string& letters = "") {
    fake.reply("/list", "GET_SERVERLIST", "1|" + fake.url("/lobby") + "|1|60|0|Testlobby" + letters + "#");
    fake.reply("/list", "GET_IP", "4|10.1.2.3");
    fake.reply("/lobby", "GET_STATE", "5|OK");
    fake.reply("/lobby", "GET_STATE2", "12|Hallo");
    fake.reply("/lobby", "GET_ROOMLIST", "2|Lounge|1|0|0|Plaudern|#Turnier|2|0|0|Ernst|Profis#");
    fake.reply("/lobby", "GET_GAMELIST", "3|127.0.0.70|0|0|0|Tisch#127.0.0.71#");
    fake.reply("/lobby", "CREATE", "6|OK");
    fake.reply("/lobby", "CLOSE", "7|OK");
    fake.reply("/lobby", "IPREFRESH", "0|OK");
  }
  std::string errorLog() const {
    std::ifstream in(errorsPath);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  THTTPServer* client = nullptr;
  std::unique_ptr<FakeRelay> relay;
  std::string errorsPath;
  decltype(cg.gameId) keptGame{};
  decltype(cg.gs.optionsGameId) keptOptionsGame{};
  int frames = 0, loginOpened = 0, created = 0, eula = 0;
  int32_t boxAnswer = 7;
  std::vector<int32_t> boxes;
  std::vector<std::string> texts, joins;
  std::map<std::string, std::string> probeAnswers;
};

}  // namespace

TEST(LobbyList, ParsesRecordsAndRefusesDamage) {
  const std::string longText(200, 't');
  std::string many, tooMany;
  for (int i = 0; i < 201; ++i) many += "r|1#";
  tooMany = many + "r|1#";
  struct Case {
    std::string reply;
    bool ok;
    int32_t count;
    int32_t a, b, c, d;
    std::string address, text, name;
  } cases[] = {
      {"h|3|9|60|Server/Zx1_2|x#", true, 1, 3, 9, 60, 60, "h", "Server/Zx1_2", "x"},
      {"h|1|2#", true, 1, 1, 2, 0, 0, "h", "", ""},  // three fields
      {"h||-5|7|t|n|extra|more#second|1", true, 2, 0, -5, 7, 7, "h", "t", "n"},
      {"h|1|2|3|" + longText + "|" + longText + "#", true, 1, 1, 2, 3, 3, "h", std::string(128, 't'), std::string(18, 't')},
      {"h\x01\x1f|1|2|3|a\tb|c#", true, 1, 1, 2, 3, 3, "h", "ab", "c"},
      {"", true, 0, 0, 0, 0, 0, "", "", ""},
      {many, true, 201, 1, 0, 0, 0, "r", "", ""},
      {tooMany, false, 0, 0, 0, 0, 0, "", "", ""},
      {"h|x|2#", false, 0, 0, 0, 0, 0, "", "", ""},
      {"h|1|2|3.5#", false, 0, 0, 0, 0, 0, "", "", ""},
      {"h|1|99999999999#", false, 0, 0, 0, 0, 0, "", "", ""},
  };
  for (const Case& c : cases) {
    TLobbyList list;
    list.count = 5;
    list.loaded = !c.ok;
    EXPECT_EQ(parseLobbyList(list, c.reply), c.ok) << c.reply.substr(0, 40);
    EXPECT_EQ(list.loaded, c.ok);
    EXPECT_EQ(list.count, c.count) << c.reply.substr(0, 40);
    if (c.count == 0) continue;
    const TLobbyListEntry& e = list.entries[1];
    EXPECT_EQ(std::vector<int32_t>({e.a, e.b, e.c, e.d}), std::vector<int32_t>({c.a, c.b, c.c, c.d})) << c.reply;
    EXPECT_EQ(e.address.str(), c.address);
    EXPECT_EQ(e.text.str(), c.text);
    EXPECT_EQ(e.name.str(), c.name);
  }
}

TEST(LobbyList, OwnAddressAnswers) {
  const std::pair<const char*, bool> cases[] = {
      {"10.1.2.3", true},          {"192.168.100.200", true}, {"1.2.3", false},       {"lobby.example.org", false},
      {"1.2.3.4a", false},         {"1..2.3", true},          {"12.34.56.78 ", true}, {"1.2.3.4.5.6.7.8.9.1.2.3.4.5.6.7.8", false},
      {"\xe4.1.2.3", false},       {"", false},               {"1.2.3.4:80", true},   {"123456789012345678901.1.1", false},
  };
  for (auto& [text, ok] : cases) EXPECT_EQ(isOwnIpAnswer(text), ok) << text;
}

TEST_F(Lobby, EachActionSendsItsRequest) {
  FakeLobby fake("127.0.0.61", kPort);
  standardLobby(fake);
  makeClient("serverlist:" + fake.url("/list"));
  client->connectServer();
  ASSERT_EQ(client->state, isWelcome);
  client->login.name = "Bert";
  client->login.privateArea = true;
  client->login.key = "geheim";
  client->loginConfirmed();
  EXPECT_EQ(client->state, isInRoom);
  EXPECT_EQ(netTransport.ownName.str(), "Bert<geheim    >");
  client->createLobbyGame();
  client->keepAlivePeriod = -1;
  client->tick();  // the own table is announced again
  client->stepBack();
  client->stepBack();  // private lobby: closes the connection
  EXPECT_EQ(client->state, isNotConnected);
  std::string ip;
  client->getOwnIp("", ip);
  EXPECT_EQ(ip, "10.1.2.3");
  const std::vector<std::string> expected = {
      "/list?ACTION=GET_SERVERLIST",
      "/lobby?ACTION=GET_STATE",
      "/lobby?ACTION=GET_STATE2&LOCAL=1&IDF=skata",
      "/lobby?ACTION=GET_ROOMLIST&LOCAL=1&IDF=skata",
      "/lobby?ACTION=GET_GAMELIST&PARAM1=1!geheim    &LOCAL=1&IDF=skata",
      "/lobby?ACTION=CREATE&PARAM1=1",
      "/lobby?ACTION=CREATE&PARAM1=1",
      "/lobby?ACTION=CLOSE&PARAM1=1",
      "/lobby?ACTION=CLOSE",
      "/list?ACTION=GET_IP",
  };
  EXPECT_EQ(fake.targets(), expected);
}

TEST_F(Lobby, StatesOfRoomsTablesAndKeepAlive) {
  FakeLobby fake("127.0.0.62", kPort);
  standardLobby(fake);
  makeClient("serverlist:" + fake.url("/list"));
  client->connectServer();
  ASSERT_EQ(client->state, isWelcome);
  EXPECT_EQ(client->savedState, isConnected);
  EXPECT_EQ(loginOpened, 1);
  EXPECT_EQ(client->login.name, "Bert");
  EXPECT_NE(client->login.welcome.find("Hallo"), std::string::npos);
  EXPECT_EQ(client->serverName, "Testlobby");

  client->loginConfirmed();
  ASSERT_EQ(client->state, isConnected);
  EXPECT_EQ(client->view.rows, (std::vector<std::string>{"Lounge|Plaudern||", "Turnier|Profis|Ernst|"}));
  EXPECT_EQ(client->view.selected, 1);
  EXPECT_FALSE(client->view.button2Visible);

  probeAnswers["127.0.0.70"] = "Skat 2/3";
  client->handleButton(1);
  ASSERT_EQ(client->state, isInRoom);
  EXPECT_EQ(client->roomNumber, 1);
  EXPECT_EQ(client->view.rows, (std::vector<std::string>{"127.0.0.70|Skat 2/3", "127.0.0.71||"}));
  EXPECT_TRUE(client->view.button1Enabled);
  EXPECT_TRUE(client->view.button2Visible);

  client->handleButton(2);
  EXPECT_EQ(client->state, isInGame);
  EXPECT_EQ(created, 1);
  EXPECT_TRUE(client->ownTableAnnounced);
  client->stepBack();
  EXPECT_EQ(client->state, isInRoom);
  EXPECT_FALSE(client->ownTableAnnounced);

  // A server that forces an option value ("Z", "x"): a table not showing it cannot be joined.
  client->optionLetters = lobbyOptionLetters = "Zx3_2";
  std::string forced;
  getNetOptionText(3, 2, forced);
  ASSERT_FALSE(forced.empty());
  std::vector<int> netErrors;
  const auto keep = netTransport.hooks.showNetError;
  netTransport.hooks.showNetError = [&](int code) { netErrors.push_back(code); };
  client->view.selected = 2;
  client->handleButton(1);
  EXPECT_EQ(netErrors, std::vector<int>{11});
  EXPECT_EQ(client->state, isInRoom);
  probeAnswers["127.0.0.71"] = "Skat " + forced;
  client->showGameList(false);
  client->handleButton(1);
  netTransport.hooks.showNetError = keep;
  EXPECT_EQ(netErrors.size(), 1u);
  EXPECT_EQ(client->state, isDirectConnecting);
  EXPECT_EQ(joins, (std::vector<std::string>{" 127.0.0.71"}));
  showLobbyScreen();  // the join did not get through
  EXPECT_EQ(boxes, (std::vector<int32_t>{27}));
  EXPECT_EQ(client->state, isInRoom);

  // Keep-alive: a negative period asks at every tick, one below 5 s waits 5 s.
  fake.clearTargets();
  client->keepAlivePeriod = -3;
  client->tick();
  client->tick();
  client->keepAlivePeriod = 0;
  client->tick();
  EXPECT_EQ(fake.targets(), (std::vector<std::string>{"/lobby?ACTION=IPREFRESH", "/lobby?ACTION=IPREFRESH"}));

  client->stepBack();
  EXPECT_EQ(client->state, isConnected);
  fake.clearTargets();
  client->keepAlivePeriod = -1;
  client->tick();
  EXPECT_EQ(fake.targets(), (std::vector<std::string>{"/lobby?ACTION=GET_ROOMLIST&LOCAL=1&IDF=skata"}));
  client->stepBack();
  EXPECT_EQ(client->state, isNotConnected);
  EXPECT_FALSE(client->isOnline());
  std::string name;
  getLobbyStateName(name);
}

TEST_F(Lobby, ConnectOutcomes) {
  FakeLobby fake("127.0.0.63", kPort);
  const std::string a = fake.url("/a"), b = fake.url("/b");
  struct Case {
    const char* what;
    std::string list;
    std::vector<std::array<std::string, 3>> replies;
    int32_t boxAnswer;
    uint8_t state;
    std::vector<int32_t> boxes;
    std::vector<std::string> texts;
    std::string server;
  } cases[] = {
      {"first accepting", "1|" + a + "|1|60|0|A#" + b + "|1|60|0|B#", {{"/a", "GET_STATE", "5|NO"}, {"/b", "GET_STATE", "5|OK"}}, 7,
       isWelcome, {}, {}, b},
      {"plain lines", a + "|1|60|0|A\n" + b + "|1|60|0|B\n", {{"/b", "GET_STATE", "5|OK"}}, 7, isWelcome, {}, {}, b},
      {"message entry", "1|x|10|20|0|Wartung heute/abc#" + a + "|1#", {{"/a", "GET_STATE", "5|OK"}}, 7, isNotConnected, {},
       {"Wartung heute"}, "x"},
      {"short message passed over", "1|x|10|9|0|Wartung#" + a + "|1#", {{"/a", "GET_STATE", "5|OK"}}, 7, isWelcome, {}, {}, a},
      {"update entry", "1|http://update.invalid/neu|20|20|0|Neue Version#", {}, 7, isNotConnected, {},
       {"Neue Version\r\rhttp://update.invalid/neu"}, "http://update.invalid/neu"},
      {"banned", "1|" + a + "|1#", {{"/a", "GET_STATE", "5|BANNED"}}, 6, isNotConnected, {39}, {}, ""},
      {"star welcome", "1|" + a + "|1#", {{"/a", "GET_STATE", "5|OK"}, {"/a", "GET_STATE2", "12|*Voll"}}, 7, isNotConnected,
       {28}, {}, ""},
      {"bang welcome", "1|" + a + "|1#", {{"/a", "GET_STATE2", "12|!Heute zu"}}, 7, isNotConnected, {}, {"Heute zu"}, ""},
      {"nobody", "1|", {}, 7, isNotConnected, {28}, {}, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeLobby* f = &fake;
    f->reply("/list", "GET_SERVERLIST", c.list);
    for (auto p : {"/a", "/b"})
      for (auto act : {"GET_STATE", "GET_STATE2"}) f->reply(p, act, "");
    for (auto& r : c.replies) f->reply(r[0], r[1], r[2]);
    makeClient("serverlist:" + fake.url("/list"));
    boxes.clear();
    texts.clear();
    eula = 0;
    boxAnswer = c.boxAnswer;
    client->connectServer();
    EXPECT_EQ(client->state, c.state);
    EXPECT_EQ(boxes, c.boxes);
    EXPECT_EQ(texts, c.texts);
    EXPECT_EQ(client->serverAddress, c.server);
    EXPECT_EQ(eula, c.boxAnswer == 6 ? 1 : 0);
    EXPECT_FALSE(client->view.progressOpen);
  }
}

TEST_F(Lobby, DamagedReplies) {
  FakeLobby fake("127.0.0.64", kPort);
  standardLobby(fake);
  makeClient("serverlist:" + fake.url("/list"));
  // A reply whose id is not the request's is refused in every state, with an error-log line.
  fake.reply("/lobby", "GET_ROOMLIST", "3|Lounge|1#");
  for (uint8_t s = isNotConnected; s <= isError; ++s) {
    client->state = s;
    std::string reply = "old";
    EXPECT_FALSE(client->request(fake.url("/lobby") + "?ACTION=GET_ROOMLIST", 2, reply, 3, "")) << int(s);
    EXPECT_EQ(reply, "");
  }
  size_t lines = 0;
  for (size_t at = 0; (at = errorLog().find("Lobby reply refused: wanted=2, received=3", at)) != std::string::npos; ++at) ++lines;
  EXPECT_EQ(lines, 10u);

  client->state = isConnected;
  client->serverAddress = fake.url("/lobby");
  struct Case {
    const char* what;
    std::string body;
    bool loaded;
    int32_t count;
  } cases[] = {
      {"whole", "2|Lounge|1#", true, 1},
      {"no prefix: an empty list", "Lounge|1#", true, 0},
      {"non-number", "2|Lounge|x#", false, 0},
      {"oversize: an empty list", "2|" + std::string(300 * 1024, 'a') + "|1#", true, 0},
      {"just under the cap", "2|" + std::string(200 * 1024, 'a') + "|1#", true, 1},
  };
  for (const Case& c : cases) {
    fake.reply("/lobby", "GET_ROOMLIST", c.body);
    client->loadRoomList(false);
    EXPECT_EQ(client->roomList.loaded, c.loaded) << c.what;
    EXPECT_EQ(client->roomList.count, c.count) << c.what;
  }

  // A truncated answer: the connection closes before its length is reached.
  {
    CannedServer canned("127.0.0.64", kPort + 1, "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n2|Lounge|1#");
    std::string reply;
    EXPECT_FALSE(client->request("http://127.0.0.64:" + std::to_string(kPort + 1) + "/?ACTION=GET_ROOMLIST", 2, reply, 1, ""));
    EXPECT_EQ(reply, "");
  }

  // Server-list addresses with ports: the relay port, or 0 when the port is refused.
  fake.reply("/list", "GET_SERVERLIST", "1|127.0.0.5:4711|10|0|7|M#127.0.0.6:99999|10|0|7|M#127.0.0.7:x|10|0|7|M#");
  client->connectServer();
  const std::vector<std::pair<std::string, int32_t>> split = {{"127.0.0.5", 4711}, {"127.0.0.6", 0}, {"127.0.0.7", 0}};
  ASSERT_EQ(client->serverList.count, 3);
  for (int i = 1; i <= 3; ++i) {
    EXPECT_EQ(client->serverList.entries[i].address.str(), split[size_t(i - 1)].first);
    EXPECT_EQ(client->serverList.entries[i].c, split[size_t(i - 1)].second);
    EXPECT_EQ(client->serverList.entries[i].d, 7);
  }
}

TEST_F(Lobby, ServerThatNeverAnswers) {
  CannedServer silent("127.0.0.65", kPort, "", false);
  makeClient("");
  client->httpLimitMs = 400;
  std::string reply;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(client->request("http://127.0.0.65:" + std::to_string(kPort) + "/?ACTION=GET_STATE", 5, reply, 1, "x"));
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
  EXPECT_GE(ms, 350);
  EXPECT_LT(ms, 3000);
  EXPECT_GT(frames, 20);  // the frames went on meanwhile
  EXPECT_FALSE(client->view.progressOpen);
  EXPECT_TRUE(client->isIdle());
}

TEST_F(Lobby, RelayEntry) {
  FakeLobby fake("127.0.0.66", kPort);
  FakeRelayReply answer;
  answer.entries = {"OK"};
  answer.resultCode = 5;
  relay = std::make_unique<FakeRelay>("127.0.0.66", 47318, answer);
  ASSERT_TRUE(relay->listening());
  fake.reply("/list", "GET_SERVERLIST", "1|127.0.0.66|3|9|47317|Relais/ab#");
  makeClient("serverlist:" + fake.url("/list"));
  client->connectServer();
  EXPECT_EQ(client->state, isWelcome);
  EXPECT_TRUE(client->isRelayServer());
  EXPECT_EQ(client->variantDigit, 7);
  EXPECT_EQ(client->optionLetters, "ab");
  ASSERT_EQ(relay->requests.size(), 2u);
  EXPECT_EQ(relay->requests[0].subKind, 5);  // GET_STATE
  EXPECT_EQ(relay->requests[1].subKind, 12);  // GET_STATE2
  EXPECT_EQ(relay->requests[1].text.str(), "skata");
  client->login.name = "Bert";
  client->login.privateArea = true;
  client->login.key = "geheim";
  client->loginConfirmed();  // the relay's answers carry id 5: no room list
  ASSERT_EQ(relay->requests.size(), 3u);
  EXPECT_EQ(relay->requests[2].sender.str(), "Bert<geheim    >");  // only lobby servers see the key
  EXPECT_EQ(client->roomList.count, 0);
}

TEST_F(Lobby, PrivateKeyNeverReachesOutput) {
  FakeLobby fake("127.0.0.67", kPort);
  standardLobby(fake);
  fake.reply("/list", "GET_IP", "geheim|10.1.2.3");  // a wrong id that echoes the key
  TraceLines traces;
  makeClient("serverlist:" + fake.url("/list"));
  client->connectServer();
  client->login.name = "Bert";
  client->login.privateArea = true;
  client->login.key = "geheim";
  client->loginConfirmed();
  client->keepAlivePeriod = -1;
  client->tick();
  std::string ip;
  client->getOwnIp("", ip);
  client->disconnect(false, "");
  for (auto& l : traces.lines) EXPECT_EQ(l.find("geheim"), std::string::npos) << l;
  EXPECT_NE(errorLog().find("Lobby reply refused"), std::string::npos);
  EXPECT_EQ(errorLog().find("geheim"), std::string::npos);
  EXPECT_EQ(netTransport.statusText.find("geheim"), std::string::npos);
  EXPECT_EQ(netTransport.panelText.find("geheim"), std::string::npos);
}

TEST_F(Lobby, CommandLine) {
  struct Case {
    const char* line;
    bool single;
    const char* address;
  } cases[] = {{"-serverlist:http://h/l", false, "http://h/l"}, {"server:relay.example", true, "relay.example"}, {"", false, nullptr}};
  for (const Case& c : cases) {
    THTTPServer s(true, c.line);
    EXPECT_EQ(s.singleServer, c.single);
    if (c.address) {
      EXPECT_EQ(s.serverListAddress, c.address);
    }
    EXPECT_FALSE(s.serverListAddress.empty());
  }
  // One server given: no server-list request, a relay entry with keep-alive 9 and port 60.
  makeClient("server:127.0.0.68");
  client->relayLimitMs = 300;
  client->connectServer();
  ASSERT_EQ(client->serverList.count, 1);
  const TLobbyListEntry& e = client->serverList.entries[1];
  EXPECT_EQ(std::vector<int32_t>({e.a, e.b, e.c}), std::vector<int32_t>({3, 9, 60}));
  EXPECT_EQ(client->state, isNotConnected);
  EXPECT_EQ(boxes, (std::vector<int32_t>{28}));
}
