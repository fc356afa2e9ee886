// The table's rules string, its option texts, the lobby's option letters, and the rules
// applied to the game at the start of play.
// [SECTION] option texts
// [SECTION] rules string
// [SECTION] lobby letters and option rows
// [SECTION] rules to game options
#include "net/net_rules.h"

#include <algorithm>
#include <vector>

#include "core/cg.h"
#include "engine/engine_services.h"
#include "engine/texts.h"
#include "games/rummy/canasta_state.h"
#include "games/skat/skat_options.h"
#include "games/skat/skat_state.h"
#include "net/net_transport.h"
#include "shell/shell_state.h"

TWaitingRoomChoices waitingRoom = [] {
  TWaitingRoomChoices w;
  for (int i = 1; i <= 8; i++) {
    w.seatKind[i] = 1;
    w.seatStrength[i] = 2;
  }
  return w;
}();

std::string lobbyOptionLetters;

// [SECTION] option texts

namespace {
struct TOptionTexts {
  const char* caption;
  std::vector<const char*> values;
};

const std::vector<const char*> kTimeLimits = {"Kein Zeitlimit",  "5 Sek. pro Zug",  "10 Sek. pro Zug", "15 Sek. pro Zug",
                                              "20 Sek. pro Zug", "30 Sek. pro Zug", "60 Sek. pro Zug"};
const std::vector<const char*> kRoundTriggers = {"Nach 60:60", "Nach verlor. Kontra", "Nach Grand Hand",
                                                 "Nach Spiel über 100"};

std::vector<const char*> withFirst(const char* first, const std::vector<const char*>& rest) {
  std::vector<const char*> v{first};
  v.insert(v.end(), rest.begin(), rest.end());
  return v;
}

const TOptionTexts kSkat[8] = {
    {"Spielerzahl", {"3 Spieler"}},
    {"Zeitbegrenzung", kTimeLimits},
    {"Anzahl Spiele", {"1 Spiel", "3 Spiele", "6 Spiele", "12 Spiele", "18 Spiele", "24 Spiele", "30 Spiele", "48 Spiele", "60 Spiele"}},
    {"Kontra erlauben", {"Ohne Kontra", "Mit Kontra", "Mit Kontra und Re", "Kont.,Re,Sup,Hirsch"}},
    {"Niemand reizt", {"Einpassen", "Ramsch"}},
    {"Bockrunde", withFirst("Keine Bockrunden", kRoundTriggers)},
    {"Ramschrunde", withFirst("Keine Ramschrunden", kRoundTriggers)},
    {"Sonderregeln", {"Keine Sonderregel", "Mit Rum", "Mit Spitze", "Grand zählt nur 20"}},
};

const TOptionTexts kCanasta[8] = {
    {"Spielerzahl", {"2 Spieler", "3 Spieler", "4 Spieler", "5 Spieler", "6 Spieler"}},
    {"Zeitbegrenzung", kTimeLimits},
    {"Spielen bis", {"2500 Punkte", "4000 Punkte", "5000 Punkte", "6000 Punkte", "7500 Punkte", "10000 Punkte", "15000 Punkte"}},
    {"Teammodus", {"Ohne Teams", "2er Teams"}},
    {"Sonderregeln", {"Ohne Sonderregel", "Wilde Canastas erlaubt", "Rote 3 immer positiv", "Neg. Wertung ohne Can.", "Ablagest. immer eingefr."}},
    {"Kartensätze", {"2 Sätze (104+4)", "3 Sätze (156+6)"}},
    {"Nächster Geber", {"Letzter Spieler", "Gewinner", "Verlierer", "Uhrzeigersinn", "Gegen Uhrzeigersinn", "wie 1. Geber"}},
    {"", {}},
};

const TOptionTexts* optionTexts(int32_t option) {
  if (option < 1 || option > 8) return nullptr;
  if (cg.gameId == gidSkat) return &kSkat[option - 1];
  if (cg.gameId == gidCanasta) return &kCanasta[option - 1];
  return nullptr;
}

std::string optionValueText(int32_t option, int32_t index) {
  std::string t;
  getNetOptionText(option, index, t);
  return t;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

void getNetOptionText(int32_t option, int32_t index, std::string& text) {
  text.clear();
  const TOptionTexts* o = optionTexts(option);
  const int32_t count = o ? int32_t(o->values.size()) : 0;
  if (index == 0) text = o ? o->caption : "";
  else if (index == -1) text = std::to_string(count);
  else if (index >= 1 && index <= count) text = o->values[size_t(index - 1)];
}

int32_t getNetOptionCount(int32_t option) { return parseLeadingNumber(optionValueText(option, -1)); }

int32_t parseLeadingNumber(const std::string& text) {
  auto number = [](const std::string& s, int32_t& out) {
    if (s.empty() || s.size() > 9 || !std::all_of(s.begin(), s.end(), isDigit)) return false;
    out = std::stoi(s);
    return true;
  };
  const size_t blank = text.find(' ');
  int32_t n = 0;
  if (number(text.substr(0, blank), n)) return n;
  if (blank != std::string::npos && number(text.substr(blank + 1), n)) return n;
  return 0;
}

bool isForcedOptionValue(int32_t n) {
  const int32_t v = waitingRoom.option[1] > 0 ? waitingRoom.option[1] : 1;
  return parseLeadingNumber(optionValueText(1, v)) == n;
}

// [SECTION] rules string

namespace {
constexpr size_t kSeatsEnd = 32;
constexpr char kKindOfState[] = {'1', '2', '3', '4', '6', '5'};
constexpr uint8_t kStateOfKind[] = {0, 0, 1, 2, 3, 5, 4};

int32_t digitAt(const std::string& text, size_t pos) { return text[pos] - '0'; }
}  // namespace

std::string rulesStringFault(const std::string& text) {
  if (text.size() < kSeatsEnd) return "zu kurz";
  for (size_t i = 0; i < kSeatsEnd; i++)
    if (!isDigit(text[i])) return "keine Ziffer an Stelle " + std::to_string(i + 1);
  for (int s = 1; s <= 8; s++) {
    const int32_t kind = digitAt(text, size_t(3 * s + 5));
    if (kind < 1 || kind > 6) return "Platzart " + std::to_string(kind);
  }
  for (int o = 1; o <= 8; o++) {
    const int32_t v = digitAt(text, size_t(o - 1)), count = getNetOptionCount(o);
    if (count == 0 ? v > 1 : (v < 1 || v > count)) return "Option " + std::to_string(o) + " Wert " + std::to_string(v);
  }
  if (cg.gameId == gidCanasta && digitAt(text, 3) == 2) {
    const int32_t players = parseLeadingNumber(optionValueText(1, digitAt(text, 0)));
    if (players % 2 != 0) return "Teams bei " + std::to_string(players) + " Spielern";
  }
  return "";
}

bool parseRulesString(const std::string& text, tUniRegelStruktur& r) {
  if (!rulesStringFault(text).empty()) return false;
  tUniRegelStruktur p = r;
  for (int o = 1; o <= 8; o++) p.options[o] = digitAt(text, size_t(o - 1));
  p.timeLimit = p.options[2];
  p.players = parseLeadingNumber(optionValueText(1, p.options[1]));
  p.target = parseLeadingNumber(optionValueText(3, p.options[3]));
  p.computerSeats = p.humanSeats = p.openSeats = 0;
  for (int s = 1; s <= 8; s++) {
    const int32_t kind = digitAt(text, size_t(3 * s + 5));
    if (kind == 1) p.computerSeats++;
    if (kind == 2 || kind == 3) p.humanSeats++;
    if (kind == 4) p.openSeats++;
  }
  p.tableName = text.substr(kSeatsEnd, 32);
  r = p;
  netTransport.rules = p;
  return true;
}

void buildRulesString(std::string& text) {
  if (waitingRoom.option[1] == 0) waitingRoom.option[1] = 1;
  text.clear();
  for (int o = 1; o <= 8; o++) text += char('0' + std::clamp(waitingRoom.option[o], 0, 9));
  for (int s = 1; s <= 8; s++) {
    const TNetSeat& seat = netTransport.seats[s];
    text += seat.state <= 5 ? kKindOfState[seat.state] : '5';
    text += char('0' + std::clamp(waitingRoom.seatStrength[s], 0, 3));
    text += seat.substitute ? '1' : '0';
  }
  text += std::string(netTransport.tableName.view()).substr(0, 32);
  tUniRegelStruktur r;
  parseRulesString(text, r);
}

int32_t applyRulesString(const std::string& text, int32_t senderSeat) {
  TNetz& t = netTransport;
  const std::string fault = rulesStringFault(text);
  if (!fault.empty()) {
    t.log("Regeln verworfen (" + fault + ")");
    return 1;
  }
  const bool takesAll = !isGameMaster(t) || t.isHost;
  // Once play has started only seats may change, and only between a human and a lost seat.
  const bool playing = t.phase == 2;
  if (takesAll && !playing)
    for (int o = 1; o <= 8; o++) waitingRoom.option[o] = digitAt(text, size_t(o - 1));
  for (int s = 1; s <= 8; s++) {
    const size_t p = size_t(3 * s + 5);
    TNetSeat& seat = t.seats[s];
    const uint8_t state = kStateOfKind[digitAt(text, p)];
    auto humanOrLost = [](uint8_t st) { return st == 1 || st == 2 || st == 4; };
    if (playing && state != seat.state && !(humanOrLost(seat.state) && humanOrLost(state))) {
      t.log("Platzwechsel im Spiel verworfen: Platz " + std::to_string(s));
      continue;
    }
    if (seat.state == 1 || state == 1 || takesAll) seat.state = state;
    if (takesAll && !playing) {
      waitingRoom.seatStrength[s] = digitAt(text, p + 1);
      seat.strength = digitAt(text, p + 1);
    }
    seat.substitute = digitAt(text, p + 2) == 1 ? 1 : 0;
  }
  t.seatCount = 8;
  t.hooks.drawWaitingRoom();
  if (takesAll || (t.ownSeat != senderSeat && t.tableName.view().empty())) t.tableName = text.substr(kSeatsEnd, 32);
  parseRulesString(text, t.rules);
  return 1;
}

void formatRulesDescription(const std::string& text, std::string& line) {
  line.clear();
  tUniRegelStruktur r;
  if (!parseRulesString(text, r)) return;
  line = r.tableName.size() > 20 ? r.tableName.substr(0, 18) + ".. (" : r.tableName + " (";
  line += std::to_string(r.humanSeats + r.computerSeats) + "/" + std::to_string(r.players) + lookupText("f_spielers") + ", " +
          optionValueText(2, r.options[2]) + ", " + optionValueText(3, r.options[3]) + ")";
}

void refreshWaitingRoomSeat() {
  if (cg.gameId != gidCanasta || !isGameMaster(netTransport)) return;
  const int32_t players = parseLeadingNumber(optionValueText(1, std::max(waitingRoom.option[1], 1)));
  if (players > 2 && players % 2 == 1) waitingRoom.option[4] = 1;
}

void getGameIdText(std::string& text) {
  const int32_t g = cg.gs.optionsGameId;
  text = g >= 0 && g <= gidNone - 1 ? gameKeys[g].substr(0, 5) : "";
  while (text.size() < 5) text += 'a';
}

uint16_t getUdpPort(bool sending) {
  const bool hosting = netTransport.isHost;
  return sending ? (hosting ? 1235 : 1234) : (hosting ? 1234 : 1235);
}

// [SECTION] lobby letters and option rows

namespace {
// The digit one character after the key, -1 when the key is missing or no digit follows.
int32_t letterValue(const std::string& key) {
  const size_t at = lobbyOptionLetters.find(key);
  if (at == std::string::npos) return -1;
  const size_t v = at + key.size() + 1;
  if (v >= lobbyOptionLetters.size() || !isDigit(lobbyOptionLetters[v])) return -1;
  return lobbyOptionLetters[v] - '0';
}
}  // namespace

int32_t getLobbyFlagS() {
  const size_t at = lobbyOptionLetters.find('s');
  if (at == std::string::npos || at + 2 >= lobbyOptionLetters.size() || !isDigit(lobbyOptionLetters[at + 2])) return 0;
  return lobbyOptionLetters[at + 2] - '0';
}
bool lobbyHasFlagB(int32_t n) { return lobbyOptionLetters.find("b" + std::to_string(n)) != std::string::npos; }
bool lobbyHasFlagD(int32_t n) { return lobbyOptionLetters.find("d" + std::to_string(n)) != std::string::npos; }
int32_t getLobbyFlagI(int32_t n) { return letterValue("i" + std::to_string(n)); }
int32_t getLobbyFlagF(int32_t n) { return letterValue("f" + std::to_string(n)); }
int32_t getLobbyForcedOption(int32_t n) { return letterValue("x" + std::to_string(n)); }

int32_t countLobbyFlagB(int32_t n) {
  int32_t c = cg.gameId == gidSkat ? 1 : 0;
  for (int i = 1; i < n; i++)
    if (lobbyHasFlagB(i)) c++;
  return c;
}

TOptionRow optionRowLayout(int32_t option, bool settingUp) {
  TOptionRow row{};
  const int32_t count = getNetOptionCount(option);
  row.visible = count >= 2 && !lobbyHasFlagB(option);
  row.locked = !(count >= 2 && !lobbyHasFlagD(option));
  const int32_t r = option - countLobbyFlagB(option);
  row.labelY = 70 + 33 * r;
  row.controlY = 74 + 33 * r;
  row.value = waitingRoom.option[option];
  if (settingUp && getLobbyFlagI(option) >= 0) row.value = getLobbyFlagI(option);
  else if (getLobbyFlagF(option) >= 0) row.value = getLobbyFlagF(option);
  else if (settingUp) row.value = cg.gameId == gidSkat && option == 3 ? 4 : 1;
  return row;
}

void drawOptionRows(bool settingUp) {
  for (int o = 1; o <= 8; o++) waitingRoom.option[o] = optionRowLayout(o, settingUp).value;
  refreshWaitingRoomSeat();
}

// [SECTION] rules to game options

namespace {
constexpr int32_t kCanastaTargets[] = {0, 2500, 4000, 5000, 6000, 7500, 10000, 15000};

void applySkatRules(const tUniRegelStruktur& r) {
  TSkatOptions o = skatDefaultOptions;
  auto opt = [&](int i) { return r.options[i]; };
  o.internationalRules = 0;
  o.scoring = 1;
  o.ownLength = 0;
  o.listLength = r.target;
  o.firstDealer = netSeatToLocal(1);
  o.rum = opt(8) == 2;
  o.spitze = opt(8) == 3;
  o.grand20 = opt(8) == 4;
  o.grandBase = o.grand20 ? 20 : 24;
  o.kontra = opt(4) >= 2;
  for (int i = 1; i <= 3; i++) o.kontraLevels[i] = opt(4) == i + 1;
  o.kontraAfterAnnouncement = 1;
  o.bockRamsch = opt(6) > 1 || opt(7) > 1;
  o.bockRounds = opt(6) > 1 ? skatRoundsOneRound : skatRoundsNone;
  o.ramschRounds = opt(7) > 1 ? skatRoundsOneRound : skatRoundsNone;
  auto chosen = [&](int v) { return uint8_t(opt(6) == v || opt(7) == v); };
  o.bockAllPassed = 0;
  o.bockSixtyAll = chosen(2);
  o.bockKontraLost = chosen(3);
  o.bockGrandHandWon = o.bockGrandHandLost = chosen(4);
  o.bockOver100 = chosen(5);
  o.bockSchneider = o.bockListEnd = 0;
  o.ramschIfNoBid = opt(5) == 2;
  o.jacksMayBePushed = o.jungfrau = o.grandHand = o.durchmarsch = 0;
  o.skatToLoser = 0;
  o.money = 0;
  o.moneyRate = 1;
  // The start of play comes before the first deal attaches the area: write it in place.
  skatGameArea().options = o;
}

void applyCanastaRules(const tUniRegelStruktur& r) {
  TCanastaOptions& o = canastaArea().options;
  o = TCanastaOptions{};
  o.firstDealer = netSeatToLocal(1) + 1;  // every machine names the same first dealer
  o.nextDealer = r.options[7] + 1;
  o.listLength = 99999;
  o.pointLimit = kCanastaTargets[std::clamp(r.options[3], 1, 7)];
  o.packs = r.options[6] == 2 ? 3 : 2;
  o.teams = r.options[4] == 2 && (r.players == 4 || r.players == 6);
  o.wildCanastas = r.options[5] == 2;
  o.redThreesAlwaysPositive = r.options[5] == 3;
  o.negativeWithoutCanasta = r.options[5] == 4;
  o.pileAlwaysFrozen = r.options[5] == 5;
  o.cardsPerHand = 11;
  o.goingOutBonus = 100;
  o.concealedBonus = 200;
  o.mixedCanastaBonus = 300;
  o.naturalCanastaBonus = 500;
  o.wildCanastaBonus = 1000;
  o.redThreeBonus = 100;
  o.fourRedThreesBonus = 800;
  o.jokerValue = 50;
  o.drawCount = 1;
  o.cardsDealt = 0;
}
}  // namespace

void applyTableRulesToGame() {
  const tUniRegelStruktur& r = netTransport.rules;
  cg.netTimeLimit = waitingRoom.option[2];
  if (cg.gameId == gidSkat) applySkatRules(r);
  else if (cg.gameId == gidCanasta) applyCanastaRules(r);
}

bool netSpecialRoundAgreed(int32_t kind, int32_t code) {
  if (kind != 6 && kind != 7) return false;
  const int32_t v = netTransport.rules.options[kind];
  return v >= 2 && v == code;
}
