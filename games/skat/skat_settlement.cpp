// Skat's settlement: Ramsch, all passed, overbid and declared games, the doublings, the
// scoring modes and the result texts. The values follow the International Skat Order:
// Schneider and Schwarz are settled before the overbid test, which compares the bid with the
// game's final value.
//
// [SECTION] helpers
// [SECTION] Ramsch
// [SECTION] declared games
// [SECTION] scoring modes and the end of the settlement
#include "games/skat/skat_settlement.h"

#include <cstdlib>

#include "core/card_names.h"
#include "core/cg.h"
#include "games/skat/skat_rules.h"
#include "games/skat/skat_services.h"
#include "games/skat/skat_bock_ramsch.h"
#include "games/skat/skat_state.h"
#include "shell/env_param.h"

// [SECTION] helpers

namespace {

std::string num(int64_t v) { return std::to_string(v); }
std::string name(int32_t seat) { return cg.seatName(seat); }

const TSkatOptions& options() { return skatArea->options; }

constexpr int32_t noMinimumValue = 9999;
constexpr int32_t schneiderPoints = 90;  // a party with this many has the other Schneider

// Multiplier steps of the game levels 0..5 (the same as skatGameMultiplier's).
constexpr int32_t levelSteps[] = {0, 1, 2, 2, 4, 5};

// The two defenders of the declarer.
int32_t defender1(int32_t declarer) { return skatNextPlayer(declarer); }
int32_t defender2(int32_t declarer) { return skatPrevPlayer(declarer); }

bool validSeat(int32_t s) { return s >= 1 && s <= 3; }

}  // namespace

std::string skatTypeName(int32_t type) {
  int style = envParam.cardStyle >= 1 && envParam.cardStyle <= 3 ? envParam.cardStyle : 1;
  if (type < 0 || type > 30) return {};
  std::string n = suitNameTable[style][type];
  if (n.empty() && type >= skatTypeNull) n = suitNameTable[1][type];
  return n;
}

int32_t skatMinGameValueAtLeast(int32_t bid) {
  int32_t type = skatGame->overbidGameType;
  int32_t base = type >= 1 && type <= 20 ? skatBaseValue[type] : 0;
  if (base <= 0) return noMinimumValue;
  // The bid list reaches 264: a cap at 18 times the base would book a nonsense loss.
  const int32_t multiple = bid <= base ? 1 : (bid + base - 1) / base;
  return base * multiple;
}

// [SECTION] Ramsch

namespace {

// The loser: the first seat with the most points, or the seat whose Jungfrau broke.
int32_t ramschLoser() {
  TSkatGameRecord& g = *skatGame;
  int32_t loser = 1;
  g.gameValue = 0;
  for (int32_t s = 1; s <= 3; s++) {
    int32_t p = skatPartyPoints(s);
    if (p > g.gameValue) {
      loser = s;
      g.gameValue = p;
    }
  }
  if (validSeat(g.jungfrauLoser)) loser = g.jungfrauLoser;
  skatBid->declarer = loser;
  g.declarer = loser;
  if (options().skatToLoser) g.gameValue = skatPoints(wonCards[loser]) + skatPoints(pressedSkat);
  return loser;
}

// A Durchmarsch: one seat took every trick, so the two others took none.
bool tookEveryTrick(int32_t seat) {
  for (int32_t s = 1; s <= 3; s++)
    if (s != seat && !skatGame->noTrickYet[s]) return false;
  return true;
}

// The Jungfrau doublings of a lost Ramsch; T gets a line for each.
void ramschJungfrauDoublings(int32_t loser, std::string& T) {
  TSkatGameRecord& g = *skatGame;
  if (validSeat(g.jungfrauLoser)) {
    g.gameValue *= 2;
    T += " - " + name(loser) + " " + skatLookupText("f_skat_hat_jungfrau_angesagt") + " " + num(g.gameValue);
    return;
  }
  for (int32_t s = 1; s <= 3; s++) {
    if (!g.noTrickYet[s]) continue;
    g.gameValue *= 2;
    T += " - " + name(s) + skatLookupText("f_skat_istjungfrau") + " " + num(g.gameValue);
    if (g.jungfrauAnnounced[s]) {
      g.gameValue *= 2;
      T += " - " + skatLookupText("f_skat_jungfrau_angesagt") + " " + num(g.gameValue);
    }
  }
}

void settleRamsch(TGameResult& r) {
  TSkatGameRecord& g = *skatGame;
  int32_t loser = ramschLoser();
  bool jungfrauBroke = validSeat(g.jungfrauLoser);
  std::string L = name(loser) + " " + skatLookupText("f_skat_verliertramsch") + num(g.gameValue) + skatLookupText("f_skat_augen");
  if (jungfrauBroke) {
    L += ". " + name(loser) + " " + skatLookupText("f_skat_verliertjungfrau");
    g.gameValue = 120;
  }
  std::string T = skatLookupText(g.schiebenRound ? "f_skat_schieberamsch" : "f_skat_ramsch") + " " + num(g.gameValue);
  g.won = 0;
  if (options().durchmarsch && g.gameValue == 120 && !jungfrauBroke && tookEveryTrick(loser)) {
    g.won = 1;
    L += ". " + name(loser) + " " + skatLookupText("f_skat_gewinntdurchmarsch");
    T = skatLookupText("f_skat_durchmarsch") + " " + num(g.gameValue);
  }
  if (g.pushCount >= 1) {
    for (int32_t i = 0; i < g.pushCount && i < 30; i++) g.gameValue *= 2;
    T += " - " + num(g.pushCount) + skatLookupText("f_skat_geschoben") + " " + num(g.gameValue);
  }
  if (!g.won) {
    ramschJungfrauDoublings(loser, T);
    g.gameValue = -g.gameValue;
  }
  L += std::string(".") + "\r" + "(";
  for (int32_t s = 1; s <= 3; s++) L += name(s) + ": " + num(skatPoints(wonCards[s])) + ", ";
  L += skatLookupText("f_skat_skat") + " " + num(skatPoints(pressedSkat)) + ")";

  r.mainSeat = loser;
  r.won = 0;
  r.kind = resultFinished;
  r.values = {};
  r.values[loser] = g.gameValue;
  r.text = T + ". ";
  r.longText = L + "\r\r" + T + ". ";
}

}  // namespace

// [SECTION] declared games

namespace {

// What the play decided, before the value: won, the level reached, and a Schwarz that an
// announced Schneider adds on top of its own steps.
struct TPlayOutcome {
  bool won = false;
  bool extraSchwarz = false;  // Schneider announced and one party took no trick
  std::string text;           // the long text's outcome part
};

bool partySchwarz() {
  const TSkatGameRecord& g = *skatGame;
  if (nullTrickTaken || !validSeat(g.declarer)) return false;
  bool declarerNone = g.noTrickYet[g.declarer];
  bool defendersNone = g.noTrickYet[defender1(g.declarer)] && g.noTrickYet[defender2(g.declarer)];
  return declarerNone || defendersNone;
}

TPlayOutcome trumpGameOutcome() {
  TSkatGameRecord& g = *skatGame;
  TPlayOutcome o;
  o.won = g.declarerPoints > g.defenderPoints;
  if (g.level == skatLevelSchneiderAnnounced && g.declarerPoints < schneiderPoints) o.won = false;
  bool announcedSchwarz = g.level == skatLevelSchwarzAnnounced || g.level == skatLevelOffen;
  if (announcedSchwarz && (handUsed(defenderTricks) > 0 || nullTrickTaken)) o.won = false;
  bool schneider = g.declarerPoints >= schneiderPoints || g.defenderPoints >= schneiderPoints;
  if (schneider && g.level == skatLevelNormal) g.level = skatLevelSchneider;
  if (partySchwarz() && !announcedSchwarz) {
    if (g.level == skatLevelSchneiderAnnounced)
      o.extraSchwarz = true;
    else
      g.level = skatLevelSchwarz;
  }
  o.text = skatLookupText(o.won ? "f_dialog_gewinntmit" : "f_dialog_verliertmit") + num(g.declarerPoints) + skatLookupText("f_skat_augen");
  if (g.spitzeWrong) {
    o.text += ". " + name(g.declarer) + " " + skatLookupText("f_skat_spitzefalsch");
    g.level = skatLevelNormal;
    o.extraSchwarz = false;
    o.won = false;
  }
  return o;
}

TPlayOutcome nullOutcome() {
  TPlayOutcome o;
  o.won = !nullTrickTaken;
  o.text = skatLookupText(o.won ? "f_skat_gewinntnullspiel" : "f_skat_verliertnullspiel");
  return o;
}

// Null's fixed values and titles: plain, Hand, ouvert, ouvert Hand.
void nullValue(std::string& T) {
  TSkatGameRecord& g = *skatGame;
  bool ouvert = g.level == skatLevelOffen;
  if (g.handGame && ouvert) {
    T = skatLookupText("f_skat_nullhandoffen");
    g.gameValue = 59;
  } else if (g.handGame) {
    T = skatLookupText("f_skat_nullhand");
    g.gameValue = 35;
  } else if (ouvert) {
    T = skatLookupText("f_skat_nulloffen");
    g.gameValue = 46;
  } else {
    T = skatLookupText("f_skat_null");
    g.gameValue = 23;
  }
}

// A suit game or Grand: Spitzen, game, Hand, levels, Spitze and Rum, times the base value.
void trumpGameValue(bool extraSchwarz, std::string& T) {
  TSkatGameRecord& g = *skatGame;
  int32_t declarer = validSeat(g.declarer) ? g.declarer : 1;
  int32_t mit = 0;
  int32_t n = skatCountSpitzen(concatHands(dealtHands[declarer], dealtSkat), g.gameType, mit);
  int32_t m = n + 1;
  T = skatLookupText(mit ? "f_skat_mit" : "f_skat_ohne") + num(n) + " " + skatLookupText("f_skat_spiel") + num(m) + " ";
  if (g.handGame) {
    m += 1;
    T += skatLookupText("f_skat_hand") + num(m) + " ";
  }
  if (g.level != skatLevelNormal && g.level <= skatLevelOffen) {
    m += levelSteps[g.level];
    T += "- " + skatLevelNames[g.level] + " " + num(m) + " ";
  }
  if (extraSchwarz) {
    m += 1;
    T += "- " + skatLevelNames[skatLevelSchwarz] + " " + num(m) + " ";
  }
  if (g.spitzeAnnounced) {
    m += 1;
    T += skatLookupText("f_skat_spitze") + " " + num(m) + " ";
  }
  if (g.rumGame) {
    m += 1;
    T += skatLookupText("f_skat_rumliste") + " " + num(m) + " ";
  }
  g.multiplier = m;
  g.gameValue = skatBaseValue[g.gameType] * m;
  T += skatLookupText("f_skat_mal") + skatTypeName(g.gameType) + " " + skatLookupText("f_skat_ergibt") + num(g.gameValue);
}

// Bock, then each Kontra level, double the value; a lost game counts twice, negative.
void doublings(std::string& T, bool withBockAndKontra) {
  TSkatGameRecord& g = *skatGame;
  if (withBockAndKontra) {
    if (options().bockRamsch && skatArea->specialGameMarker.str() == "B") {
      g.gameValue *= 2;
      T += skatLookupText("f_skat_bbock") + num(g.gameValue);
      g.bockGame = 1;
    }
    if (options().kontra)
      for (int32_t i = 1; i <= g.kontraLevel && i <= 4; i++) {
        g.gameValue *= 2;
        T += " - " + kontraNames[i] + " " + num(g.gameValue);
      }
  }
  if (!g.won) {
    g.gameValue = -2 * g.gameValue;
    T += " " + skatLookupText("f_skat_verloren") + num(std::llabs(g.gameValue));
  }
}

// No game: overbid, or "Kein Spiel". Lost at the lowest multiple of the declared game's base
// value that reaches the bid (an overbid game) or at the bid ("Kein Spiel"), counted twice.
void noGameValue(bool overbid, std::string& L, std::string& T) {
  TSkatGameRecord& g = *skatGame;
  L += skatLookupText("f_skat_hatüberreizt");
  g.won = 0;
  if (validSeat(g.declarer)) g.bidReached = g.seatBid[g.declarer];
  T = skatLookupText("f_skat_gereizt") + num(g.bidReached);
  g.gameValue = overbid ? skatMinGameValueAtLeast(g.bidReached) : g.bidReached;
  doublings(T, false);
}

void settleAllPassed(TGameResult& r) {
  TSkatGameRecord& g = *skatGame;
  g.gameValue = 0;
  g.declarer = 1;
  skatBid->declarer = 1;
  skatBid->gameType = skatTypeAllPassed;
  r.mainSeat = 1;
  r.values = {};
  r.longText = skatLookupText("f_skat_spieleingepasst") + ".";
  r.text = skatLookupText("f_skat_eingepasst") + ".";
}

void settleDeclaredGame(TGameResult& r) {
  TSkatGameRecord& g = *skatGame;
  std::string L = name(skatBid->declarer) + " ";
  g.declarerPoints = skatPoints(declarerTricks);
  g.defenderPoints = skatPoints(defenderTricks);
  if (g.gameType == skatTypeAllPassed) return settleAllPassed(r);

  std::string T;
  bool overbid = false;
  if (g.gameType != skatTypeNone) {
    if (validSeat(g.declarer)) g.bidReached = g.seatBid[g.declarer];
    bool null = g.gameType == skatTypeNull;
    TPlayOutcome o = null ? nullOutcome() : trumpGameOutcome();
    if (null)
      nullValue(T);
    else
      trumpGameValue(o.extraSchwarz, T);
    if (g.gameValue < g.bidReached) {
      overbid = true;
      g.overbidGameType = g.gameType;
      g.gameType = skatTypeNone;
    } else {
      g.won = o.won ? 1 : 0;
      L += o.text;
      doublings(T, true);
    }
  }
  if (g.gameType == skatTypeNone) noGameValue(overbid, L, T);

  r.longText = L + "." + "\r\r" + T;
  r.text = T;
  r.won = g.won;
  skatSeatValues(options().scoring, g.declarer, g.gameValue, r.values);
}

}  // namespace

// [SECTION] scoring modes and the end of the settlement

void skatSeatValues(int32_t scoring, int32_t declarer, int32_t value, LArray<int32_t, 1, 6>& values) {
  values = {};
  if (!validSeat(declarer)) return;
  int32_t d1 = defender1(declarer);
  int32_t d2 = defender2(declarer);
  switch (scoring) {
    case skatScoringTournament:
      if (value > 0) {
        values[declarer] = value + 50;
      } else {
        values[declarer] = value - 50;
        values[d1] = values[d2] = 40;
      }
      break;
    case skatScoringMinusOnly:
      if (value < 0)
        values[declarer] = value;
      else
        values[d1] = values[d2] = -value;
      break;
    case skatScoringPlusOnly:
      if (value > 0)
        values[declarer] = value;
      else
        values[d1] = values[d2] = -value;
      break;
    default:
      values[declarer] = value;
  }
}

namespace {

void trimResultText(std::string& t) {
  if (!t.empty() && t.back() == ' ') t.pop_back();
  if (!t.empty() && t.back() == '.') t.pop_back();
  if (!t.empty() && t.front() == ' ') t.erase(0, 1);
}

void finishTexts(TGameResult& r) {
  std::string& L = r.longText;
  size_t n = L.size();
  bool periodAtEnd = (n >= 1 && L[n - 1] == '.') || (n >= 2 && L[n - 2] == '.');
  if (!periodAtEnd) L += ".";
  std::string triggers;
  skatSpecialRoundTriggers(triggers);
  if (!triggers.empty()) L += "\r" + triggers;
  trimResultText(r.text);
}

}  // namespace

void skatSettlementText(TGameResult& result) {
  skatBaseValue[skatTypeGrand] = options().grand20 ? 20 : 24;
  if (skatGame->gameType == skatTypeRamsch)
    settleRamsch(result);
  else
    settleDeclaredGame(result);
  finishTexts(result);
}

void skatSettle() {
  TGameResult result;
  result.kind = resultFinished;
  if (skatGame->gameType != skatTypeRamsch) {
    appendHand(declarerTricks, pressedSkat);
    result.mainSeat = skatGame->declarer;
    result.cardPoints = skatPoints(declarerTricks);
    result.won = result.cardPoints > 60;
  }
  skatSettlementText(result);
  cg.endRound(result);
}
