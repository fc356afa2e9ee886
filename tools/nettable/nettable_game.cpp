// nettable's real games: the core without a screen, the transport's events handled between
// frames as the main window handles them, the continue reactions, and one line per game.
#include "tools/nettable/nettable_game.h"

#include <deque>
#include <utility>

#include "core/cg.h"
#include "core/game_callbacks.h"
#include "engine/engine_events.h"
#include "games/rummy/canasta_registration.h"
#include "games/skat/skat_registration.h"
#include "net/net_digest.h"
#include "net/net_events.h"
#include "net/net_rules.h"
#include "net/net_sync.h"
#include "net/net_transport.h"
#include "platform/random.h"
#include "shell/channel_parts.h"
#include "shell/shell_globals.h"
#include "tests/support/headless_skat.h"

namespace {
TableGameSettings settings;
std::function<void(const std::string&)> say;
std::deque<std::pair<int, std::string>> events;
uint32_t frames = 0;
int32_t lastReported = 0;   // games of the list already printed
int32_t lastContinued = -1; // games played when the continue reactions were last pressed
bool started = false;

TGameCallbacks wrapped;
std::string (*originalListText)(const TGameResult&) = nullptr;

std::string valuesLine() {
  std::string line = "values";
  for (int n = 1; n <= playerCount; n++) line += " " + std::to_string(cg.gs.listTotals[netSeatToLocal(n)]);
  return line;
}

// The end of every game asks for its list line: the state is whole there.
std::string reportingListText(const TGameResult& r) {
  if (cg.gs.gamesPlayed > lastReported) {
    lastReported = cg.gs.gamesPlayed;
    say("digest " + std::to_string(cg.gs.gamesPlayed) + " " + netDigestText(netStateDigest()));
    say(valuesLine());
  }
  return originalListText ? originalListText(r) : std::string();
}

void handleEvents(bool nested) {
  if (nested) return;
  while (!events.empty()) {
    auto [code, text] = events.front();
    events.pop_front();
    handleNetEvent(code, text);
  }
}

void pressContinueBetweenGames() {
  TNetz& t = netTransport;
  if (!t.inTransfer || cg.gs.gamesPlayed < 1 || lastContinued == cg.gs.gamesPlayed) return;
  lastContinued = cg.gs.gamesPlayed;
  netResultContinue();
  netGameListContinue();
}

void frameEvent(uint8_t, int32_t x, int32_t y) {
  if (x != evFrame) return;
  const bool nested = y == 0;
  if (++frames % 3 == 0 && isNetGame()) netTransport.tick();
  handleEvents(nested);
  if (isNetGame() && screenMode != 0) cg.seatRecords[1].kind = seatKindComputer;
  pressContinueBetweenGames();
  if (!nested && screenMode != 0) {
    handOverFinishedMoves([](const TFinishedMove& m) { cg.cardDone(m.srcStack, m.dstStack, m.srcIndex, m.dstIndex); });
    cg.gameTick();
  }
  animationStep();
}

TGameId gameOf(const std::string& name) { return name == "canasta" ? gidCanasta : gidSkat; }
}  // namespace

void setUpTableGame(const TableGameSettings& s, std::function<void(const std::string&)> sayLine) {
  settings = s;
  say = std::move(sayLine);
  registerSkatGame();
  registerCanastaGame();
  resetHeadlessSkat(1, skatDefaultOptions);
  tableLandsAtOnce = true;
  screenMode = 0;  // nothing on the table until play starts
  randomFixSeed(s.seed);
  randomSeed(s.seed);
  const TGameId id = gameOf(s.game);
  cg.gameId = id;
  cg.gs.optionsGameId = id;
  vtl.autoPlay = true;
  wrapped = *registeredGameCallbacks(id);
  originalListText = wrapped.listText;
  wrapped.listText = &reportingListText;
  registerGameCallbacks(id, &wrapped);
  TNetz& t = netTransport;
  t.hooks.event = [](int code, const std::string& text) {
    if (code != 25 && code != 26 && code != 27) say("event " + std::to_string(code) + (text.empty() ? "" : " " + text.substr(0, 40)));
    // Play starts from the main loop, not from inside the socket's read; the rest at once,
    // as the program's transport hands them over.
    if (code == 4) events.emplace_back(code, text);
    else handleNetEvent(code, text);
  };
  setEngineEventHandler(frameEvent);
}

bool tableGameReady() {
  const TNetz& t = netTransport;
  if (!t.isHost || started) return false;
  int32_t humans = 0;
  for (int s = 1; s <= 8; s++) humans += t.seats[s].state == 1 || t.seats[s].state == 2;
  return humans >= settings.machines;
}

void startTableGame() {
  TNetz& t = netTransport;
  started = true;
  drawOptionRows(true);
  for (size_t o = 0; o < settings.options.size() && o < 8; o++) waitingRoom.option[int(o + 1)] = settings.options[o] - '0';
  t.rules.players = 0;
  std::string rules;
  buildRulesString(rules);
  const int32_t players = t.rules.players;
  for (int s = 1; s <= 8; s++) {
    if (s > players) t.seats[s].state = 5;
    else if (t.seats[s].state == 3) t.seats[s].state = 0;
  }
  t.sendGameInfo();
  say("start " + std::to_string(players) + " players");
  startNetworkGame();
}

bool tableGameOver() {
  const TNetz& t = netTransport;
  return (lastReported >= 1 && cg.gs.listOver != 0) || t.gameEnded;
}
