// Doppelkopf's scoring: the parties' card points, the targets the announcements set, the
// winners and their level, the game value with its surcharges and the trick specials, and
// the value per seat. Schwarz, reached or announced, means that the other party took no
// trick, whatever its points; "nobody wins" pays the party taking the winners' place from
// the other, so every game's values sum to zero.
//
// [SECTION] parties and targets
// [SECTION] the game value
// [SECTION] the list
#include "games/skat/doppelkopf_scoring.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/cg.h"
#include "engine/engine_services.h"
#include "games/skat/doppelkopf_announce.h"
#include "games/skat/doppelkopf_party.h"
#include "games/skat/doppelkopf_rules.h"
#include "games/skat/doppelkopf_state.h"
#include "table/stacks.h"

// [SECTION] parties and targets

namespace {

enum Side { sideRe = 0, sideKontra = 1, sideNobody = -1 };

constexpr int32_t schwarzTarget = 240;
constexpr LArray<int32_t, 0, 5> reTargets{{121, 121, 151, 181, 211, schwarzTarget}};
constexpr LArray<int32_t, 0, 5> kontraTargets{{120, 121, 151, 181, 211, schwarzTarget}};

bool isKontraParty(int32_t party) { return party == partyOwn || party == partyKontra; }
Side sideOf(int32_t seat) { return isKontraParty(doppelkopfPartyOf(seat, 0)) ? sideKontra : sideRe; }

struct TTally {
  int32_t points[2] = {0, 0};  // card points of the Re and the Kontra pile
  int32_t cards[2] = {0, 0};   // cards won
};

TTally tally() {
  TTally t;
  for (int32_t seat = 1; seat <= 4; seat++) {
    const TSpieler& pile = sp[6 + seat];
    const int side = sideOf(seat);
    for (int i = 1; i <= std::clamp(pile.count, 0, slotCapacity); i++)
      t.points[side] += doppelkopfCardPoints(pile.slots[i].card);
    t.cards[side] += std::clamp(pile.count, 0, slotCapacity);
  }
  return t;
}

int32_t levelOf(Side side) { return doppelkopfAnnouncementLevel(side == sideKontra); }

// A target of 240 (Schwarz) asks that the other side took no trick; its counterpart of 1,
// that the own side took one.
bool reaches(const TTally& t, Side side, int32_t target) {
  const Side other = side == sideRe ? sideKontra : sideRe;
  if (target >= schwarzTarget) return t.cards[other] == 0;
  if (target <= 1) return t.cards[side] > 0;
  return t.points[side] >= target;
}

Side outcome(const TTally& t) {
  const int32_t re = std::clamp(levelOf(sideRe), 0, 5), kontra = std::clamp(levelOf(sideKontra), 0, 5);
  int32_t tR = reTargets[re], tK = kontraTargets[kontra];
  if (kontra == 0 && re > 0) tK = 241 - tR;
  if (re == 0 && kontra > 0) tR = 241 - tK;
  if (reaches(t, sideRe, tR)) return sideRe;
  if (reaches(t, sideKontra, tK)) return sideKontra;
  return sideNobody;
}

// The seats of a side as winners: Re are the seats shown as Re and the soloist who plays
// alone without declaring; Kontra the seats shown as Kontra.
bool memberOf(int32_t seat, Side side) {
  const int32_t p = doppelkopfPartyOf(seat, 0);
  if (side == sideKontra) return isKontraParty(p);
  return p == partyRe || (doppelkopfArea->doppelkopfSoloType == doppelkopfKaroSolo && seat == doppelkopfArea->doppelkopfSoloist);
}

bool hasSpecial(int32_t seat) {
  const TDoppelkopfSeat& s = doppelkopfArea->seats[seat];
  return doppelkopfFuchsCounts(seat, 1) || doppelkopfFuchsCounts(seat, 2) || s.karlchen || s.doppelkopf;
}

// Nobody reached the target: the party whose seats carry more specials takes the winners'
// place, Re on equal counts.
Side placeTaker() {
  int count[2] = {0, 0};
  for (int32_t seat = 1; seat <= 4; seat++)
    if (hasSpecial(seat)) count[memberOf(seat, sideKontra) ? sideKontra : sideRe]++;
  return count[sideKontra] > count[sideRe] ? sideKontra : sideRe;
}

// [SECTION] the game value

struct TScore {
  int32_t value = 0;
  std::string line;      // the short line
  std::string sentence;
  LArray<bool, 1, 4> winner{};
};

void add(TScore& s, int32_t delta, const std::string& what) {
  s.value += delta;
  s.line += " - " + what + " " + std::to_string(s.value);
}

std::string winnersSentence(const TScore& s, int32_t points) {
  std::vector<std::string> names;
  for (int32_t seat = 1; seat <= 4; seat++)
    if (s.winner[seat]) names.push_back(cg.seatNameFit(seat, false));
  std::string who;
  for (size_t i = 0; i < names.size(); i++)
    who += (i == 0 ? "" : i + 1 == names.size() ? " und " : ", ") + names[i];
  return who + (names.size() == 1 ? " gewinnt mit " : " gewinnen mit ") + std::to_string(points) + " Augen.";
}

int32_t reachedLevel(const TTally& t, Side winners) {
  const Side losers = winners == sideRe ? sideKontra : sideRe;
  const int32_t p = t.points[winners];
  if (t.cards[losers] == 0) return 4;
  return p > 210 ? 3 : p > 180 ? 2 : p > 150 ? 1 : 0;
}

void announcementSurcharge(TScore& s, Side side) {
  const bool kontra = side == sideKontra;
  const int32_t level = levelOf(side);
  if (level > 0) add(s, 2, doppelkopfAnnouncementName(kontra, 1) + " gesagt");
  if (level > 1) add(s, level - 1, doppelkopfAnnouncementName(kontra, level) + " gesagt");
}

void winnersValue(TScore& s, const TTally& t, Side winners) {
  const bool solo = doppelkopfArea->doppelkopfSoloType >= 1;
  if (solo) {
    s.value = 1;
    s.line = doppelkopfSoloName(doppelkopfArea->doppelkopfSoloType) + " " + (winners == sideKontra ? "verloren" : "gewonnen");
  } else {
    s.value = 1;
    s.line = "Gewonnen 1";
    if (winners == sideKontra) add(s, 1, "Gegen die Alten");
  }
  const int32_t level = reachedLevel(t, winners);
  if (level > 0) add(s, level, doppelkopfAnnouncementName(winners == sideKontra, level + 1) + " gespielt");
  announcementSurcharge(s, winners);
  announcementSurcharge(s, winners == sideRe ? sideKontra : sideRe);
}

void specials(TScore& s) {
  for (int32_t seat = 1; seat <= 4; seat++) {
    const TDoppelkopfSeat& d = doppelkopfArea->seats[seat];
    const int32_t sign = s.winner[seat] ? 1 : -1;
    const std::string mark = s.winner[seat] ? "" : " (-)";
    for (int r = 1; r <= 2; r++)
      if (doppelkopfFuchsCounts(seat, r)) add(s, sign, "Fuchs" + mark);
    if (d.doppelkopf) {
      const int32_t c = d.doppelkopfCount;
      add(s, sign * c, c == 1 ? "Doppelkopf" + mark : "Doppelkopf " + std::to_string(c) + "x" + mark);
    }
    if (d.karlchen) add(s, sign, "Karlchen" + mark);
  }
}

// Debug counters of the solos: won by the soloist in stat0 (suit), stat1 (other), stat3
// (Fleischlos); lost in stat2, stat4 and stat5.
void countSolo(const TScore& s) {
  const TDoppelkopfArea& a = *doppelkopfArea;
  const int32_t type = a.doppelkopfSoloType;
  if (type < 1) return;
  const bool suit = type <= 4, fleischlos = type == doppelkopfFleischlos;
  const bool won = a.doppelkopfSoloist >= 1 && a.doppelkopfSoloist <= 4 && s.winner[a.doppelkopfSoloist];
  if (won) (suit ? stat0 : fleischlos ? stat3 : stat1)++;
  else (suit ? stat2 : fleischlos ? stat5 : stat4)++;
}

}  // namespace

void doppelkopfScoreResult(TGameResult& result) {
  const TDoppelkopfArea& a = *doppelkopfArea;
  const TTally t = tally();
  const Side winners = outcome(t);
  const Side place = winners == sideNobody ? placeTaker() : winners;
  TScore s;
  for (int32_t seat = 1; seat <= 4; seat++) s.winner[seat] = memberOf(seat, place);
  if (winners == sideNobody) {
    s.sentence = "Keiner gewinnt das Spiel, weil beide Absagen nicht erreicht wurden. \rDie Re - Partei hat " +
                 std::to_string(t.points[sideRe]) + " Augen.\rDie Kontra - Partei hat " +
                 std::to_string(t.points[sideKontra]) + " Augen.";
    s.value = 0;
    s.line = "Unentschieden 0";
  } else {
    s.sentence = winnersSentence(s, t.points[winners]);
    winnersValue(s, t, winners);
  }
  specials(s);
  countSolo(s);

  result = TGameResult{};
  result.kind = resultFinished;
  const bool solo = a.doppelkopfSoloType >= 1;
  for (int32_t seat = 1; seat <= 4; seat++) {
    const int32_t times = solo && seat == a.doppelkopfSoloist ? 3 : 1;
    result.values[seat] = (s.winner[seat] ? s.value : -s.value) * times;
    if (result.mainSeat == 0 && s.winner[seat]) result.mainSeat = seat;
  }
  if (solo) result.mainSeat = a.doppelkopfSoloist;
  result.text = s.line;
  result.longText = s.sentence + "\r\r" + s.line;
}

void doppelkopfScoreRound() {
  TGameResult result;
  doppelkopfScoreResult(result);
  cg.endRound(result);
}

// [SECTION] the list

bool doppelkopfIsListOver() {
  const TDoppelkopfOptions& o = doppelkopfArea->options;
  if (cg.gs.gamesPlayed >= o.gameLimit) return true;
  if (o.pointLimit <= 0) return false;
  for (int32_t seat = 1; seat <= 4; seat++)
    if (cg.gs.listTotals[seat] >= o.pointLimit) return true;
  return false;
}

void doppelkopfListText(std::string& out) {
  const TDoppelkopfOptions& o = doppelkopfArea->options;
  int32_t best = cg.gs.listTotals[1];
  for (int32_t seat = 2; seat <= 4; seat++) best = std::max(best, cg.gs.listTotals[seat]);
  out = std::to_string(cg.gs.gamesPlayed) + " von " +
        (o.gameLimit == doppelkopfNoGameLimit ? "unbegrenzt" : std::to_string(o.gameLimit)) + " Runden gespielt, " +
        std::to_string(best) + " von " + (o.pointLimit == 0 ? "unbegrenzt" : std::to_string(o.pointLimit)) +
        " max. Punkten erreicht";
}

void doppelkopfResultText(const TGameResult& result, std::string& out) { out = result.longText; }

void doppelkopfEnterHighscore(std::string& out) {
  const int32_t games = cg.gs.gamesPlayed;
  const int table = games <= 10 ? 1 : games <= 25 ? 2 : 3;
  std::string name = cg.seatNameFit(1, false);
  if (name.size() > 100) name.resize(100);
  out = cg.enterHighscoreValue(gidDoppelkopf, table, cg.gs.listTotals[1], name, false);
}

void formatPercent(int32_t part, int32_t whole, int32_t decimals, std::string& out) {
  const int64_t c = int64_t{part} * 100;
  int64_t w = 0, r = c, f = 0;
  int64_t scale = 1;
  for (int32_t i = 0; i < decimals && i < 9; i++) scale *= 10;
  if (whole > 0) {
    w = c / whole;
    r = c - int64_t{whole} * w;
    f = r * scale / whole;
  }
  std::string fraction = std::to_string(f);
  if (static_cast<int32_t>(fraction.size()) < decimals) fraction.insert(0, decimals - fraction.size(), '0');
  out = std::to_string(w) + "." + fraction + "%";
}
