// Owner of the screen mode, the gender flag and the game name tables.
#include "shell/shell_state.h"

#include "core/cg.h"
#include "core/core_messages.h"
#include "core/game_areas.h"

uint8_t screenMode = 0;
uint8_t femaleFlag = 0;
TGameId editionGame = gidSkat;
uint8_t editionAllGames = 0;
namespace {

// name: a text key ("f_...") or the literal name.
struct TGameNameRow {
  const char* name;
  const char* key;
  const char* code;
};

constexpr TGameNameRow gameNameRows[gidNone] = {
    {"f_maumau_name", "crazyeights", "crz"},   {"f_skat_name", "skat", "ska"},
    {"Schwimmen", "schwimmen", "swi"},         {"f_romme_name", "rummy", "rum"},
    {"f_canasta_name", "canasta", "can"},      {"Doppelkopf", "doppelkopf", "dok"},
    {"Schafkopf", "schafkopf", "shk"},         {"Schnapsen", "schnapsen", "snp"},
    {"Texas Hold`em Poker", "poker", "pok"},   {"f_blackjack_name", "blackjack", "bjk"},
    {"Sechsundsechzig", "66", "66_"},          {"17 und 4", "17und4", "174"},
    {"Jass", "jass", "jas"},                   {"f_hearts_name", "hearts", "hts"},
    {"f_ginrummy_name", "ginrummy", "gin"},    {"f_war_name", "war", "war"},
    {"f_gofish_name", "gofish", "gof"},        {"f_oldmaid_name", "oldmaid", "oma"},
};

// Keys and codes are there from the start (saved games and help files need them before the
// text table is read); the names follow with fillGameNames.
LArray<std::string, 0, gidNone - 1> initialColumn(const char* TGameNameRow::*column) {
  LArray<std::string, 0, gidNone - 1> a{};
  for (int g = 0; g < gidNone; g++) a[g] = gameNameRows[g].*column;
  return a;
}

}  // namespace

LArray<std::string, 0, gidNone - 1> gameNames{};
LArray<std::string, 0, gidNone - 1> gameKeys = initialColumn(&TGameNameRow::key);
LArray<std::string, 0, gidNone - 1> gameCodes = initialColumn(&TGameNameRow::code);

namespace {

void fillRow(int g) {
  const TGameNameRow& r = gameNameRows[g];
  std::string name = r.name;
  gameNames[g] = (name.rfind("f_", 0) == 0 ? coreLookupText(name) : name).substr(0, gameNameMax);
  gameKeys[g] = r.key;
  gameCodes[g] = r.code;
}

}  // namespace

void fillGameNames() {
  for (int g = 0; g < gidNone; g++) fillRow(g);
}

void resetGameNames() {
  for (int g : {gidSchnapsen, gidBlackjack, gidRomme}) fillRow(g);
  // A variant is played under its base id; the menus and highscores know it by its own.
  struct TVariant {
    TGameId base, variant;
  };
  for (TVariant v : {TVariant{gidRomme, gidGinRummy}, TVariant{gidBlackjack, gidSiebzehnUndVier},
                     TVariant{gidSchnapsen, gidSechsundsechzig}})
    if (cg.gameId == v.base && gameAreas.variantFlag && gameAreas.variantFlag(v.variant)) {
      cg.gameId = v.variant;
      cg.gs.optionsGameId = v.variant;
      return;
    }
}
