// Every decision kind's permissions, options, values and recorded kind, as a table; the
// option helpers; the panel's row layout; the panel for the user and for other seats.
#include <gtest/gtest.h>

#include <functional>

#include "core/card_names.h"
#include "core/decision_panel.h"
#include "core/game_callbacks.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "games/skat/skat_state.h"
#include "table/stack_sync.h"
#include "tests/core/driver_fixture.h"
#include "tests/support/alerts.h"
#include "tests/support/cards.h"

namespace {

class DecisionTest : public DriverTest {
 protected:
  void SetUp() override {
    DriverTest::SetUp();
    const char* suits[5] = {"", "Kreuz", "Pik", "Herz", "Karo"};
    for (int s = 1; s <= 4; s++) suitNameTable[1][s] = suits[s];
    envParam.cardStyle = 1;
    playerCount = 3;
    cg.seatCount = 3;
    cg.gs.akspieler = 2;
  }
  void TearDown() override {
    for (int s = 1; s <= 4; s++) suitNameTable[1][s].clear();
    rankNameTable[4][rankQueen].clear();
    DriverTest::TearDown();
  }
};

std::string optionsText(const TDecisionBlock& b) {
  std::string t;
  for (int n = 1; n <= b.optionCount && n <= 8; n++)
    t += (n > 1 ? "|" : "") + b.optionTexts[n].str() + "=" + std::to_string(b.optionValues[n]);
  return t;
}

std::string permsText(const TDecisionBlock& b) {
  return "P" + std::to_string(b.pilesSelectable) + " C" + std::to_string(b.cardsSelectable) + " O" +
         std::to_string(b.showOptions);
}

void giveSeat(int seat, const char* cards) {
  THand h = handOf(cards);
  sp[seat].count = h.anz;
  for (int i = 1; i <= h.anz; i++) sp[seat].slots[i].card = h.k[i];
  syncHandFromSlots(sp[seat]);
}

// Schafkopf's trumps while nothing is declared: every Ober and Unter, and Herz. A Sie hand
// holds no plain card, so it has no suit to call.
const TGameCallbacks schafkopfBiddingTrumps = {
    .isTrump = [](const TCard& c) { return c.t == rankQueen || c.t == rankJack || c.f == suitHearts; }};

struct TKindCase {
  const char* what;
  TGameId game;
  int32_t kind;
  std::function<void()> setup;
  const char* perms;    // "P0 C0 O1"
  const char* options;  // "" when the kind shows none (checked only while O is 1)
  int32_t recorded;
};

TEST_F(DecisionTest, EveryKindTable) {
  const TKindCase cases[] = {
      {"Kontra", gidSkat, 44, {}, "P0 C0 O1", "! {f_skat_kontra}=1|! {f_skat_keinkontra}=-1", 44},
      {"Re", gidSkat, 63, {}, "P0 C0 O1", "! {f_skat_re}=2|! {f_skat_keinre}=-1", 63},
      {"Sup", gidSkat, 64, {}, "P0 C0 O1", "! {f_skat_sup}=3|! {f_skat_keinsup}=-1", 64},
      {"Hirsch", gidSkat, 65, {}, "P0 C0 O1", "! {f_skat_hirsch}=4|! {f_skat_keinhirsch}=-1", 65},
      {"bid", gidSkat, 48,
       [] { skatGameArea().skatBidIndex = 2, skatGameArea().skatBidList[2] = 20; },
       "P0 C0 O1", "! {f_skat_bid}20{f_skat_reizen}=41|! {f_skat_passen}=43", 48},
      {"answer a bid", gidSkat, 49, [] { skatGameArea().currentBid = 18; }, "P0 C0 O1",
       "! {f_skat_call}18{f_skat_halten}=42|! {f_skat_passen}=43", 49},
      {"take the skat", gidSkat, 50, {}, "P0 C0 O1", "! {f_skat_skatnehmen}=51|! {f_skat_handspiel}=45", 50},
      {"push the skat", gidSkat, 67, {}, "P0 C0 O1", "! {f_skat_skatnehmen}=51|! {f_skat_skatschieben}=45", 67},
      {"Rum", gidSkat, 60, {}, "P0 C0 O1", "!{f_skat_ohnerum}=51|! {f_skat_rum}=46|! {f_skat_handspiel}=45", 60},
      {"skat laid down", gidSkat, 53, {}, "P1 C0 O1", "! {f_dialog_fertig}=53", 53},
      {"cards to lay down", gidSkat, 54, {}, "P1 C1 O0", "", 54},
      {"game choice", gidSkat, 55, {}, "P0 C0 O1",
       "!{f_dialog_spielkein}=14|! Kreuz=1|! Pik=2|! Herz=3|! Karo=4|! Grand=11|! Null=10", 55},
      {"announcement", gidSkat, 56, {}, "P0 C0 O1",
       "!{f_skat_nichtssagen}=1|! {f_skat_schneider}=2|! {f_skat_schwarz}=3|! {f_skat_ouvert}=4", 56},
      {"Null ouvert", gidSkat, 57, {}, "P0 C0 O1", "!{f_skat_null}=1|!{f_skat_nullouv}=4", 57},
      {"play a card", gidSkat, 58, {}, "P0 C1 O0", "", 58},
      {"Spitze", gidSkat, 59, {}, "P0 C0 O1", "!Spitze ansagen=61|! Keine Spitze=62", 59},
      {"Gesund in Skat", gidSkat, 66, {}, "P0 C0 O1", "!{f_skat_gesund}=66|!{f_skat_grandhand}=84", 66},
      {"Gesund elsewhere", gidDoppelkopf, 66, {}, "P0 C0 O1", "!{f_skat_gesund}=66|!{f_skat_vorbehalt}=84", 66},
      {"Jungfrau", gidSkat, 68, {}, "P0 C0 O1", "!{f_skat_jungfrausagen}=68|!{f_skat_nichtssagen}=0", 68},
      {"Doppelkopf card with announcement", gidDoppelkopf, 47,
       [] {
         gameAreas.doppelkopfNextAnnouncementNow = [](int32_t) { return int32_t(1); };
         gameAreas.doppelkopfNextAnnouncementFor = [](int32_t) { return int32_t(1); };
         gameAreas.doppelkopfIsKontraSide = [](int32_t) { return false; };
       },
       "P0 C1 O1", "!Re=0", 47},
      {"Doppelkopf card", gidDoppelkopf, 47, {}, "P0 C1 O0", "", 47},
      {"Jass card", gidJass, 47, {}, "P0 C1 O0", "", 47},
      {"Doppelkopf announcement", gidDoppelkopf, 89,
       [] {
         gameAreas.doppelkopfIsKontraSide = [](int32_t) { return true; };
         gameAreas.doppelkopfNextAnnouncementFor = [](int32_t) { return int32_t(2); };
       },
       "P0 C0 O1", "!Keine 90=89|!Keine Ansage=0", 89},
      {"reservation", gidDoppelkopf, 84, {}, "P0 C0 O1", "!Solo=86", 84},
      {"reservation with Hochzeit", gidDoppelkopf, 84, [] { gameAreas.doppelkopfHochzeitOption = [] { return true; }; },
       "P0 C0 O1", "!Solo=86|!Hochzeit=87", 84},
      {"solo type", gidDoppelkopf, 88,
       [] { gameAreas.doppelkopfSoloPrefix = [](int32_t r, bool) { return "S" + std::to_string(r); }; },
       "P0 C0 O1", "!S6=6|!S5=5|!Kreuz=1|!Pik=2|!Herz=3|!Karo=4|!Fleischlos=7", 88},
      {"Schafkopf play or pass", gidSchafkopf, 97, {}, "P0 C0 O1", "!{f_skat_spielansagen}=96|!{f_skat_passen}=43", 97},
      {"Schafkopf also play, nobody", gidSchafkopf, 93, {}, "P0 C0 O1", "!Spielen=93|!{f_dialog_weiter}=37", 93},
      {"Tout", gidSchafkopf, 94, {}, "P0 C0 O1", "!Tout=94|!Normal=95", 94},
      {"contract without special rules", gidSchafkopf, 92, [] { giveSeat(2, "c7 s7 d7 h7"); }, "P0 C0 O1",
       "!Farbsolo=2|!Wenz=3|!Geier=4|!Rufspiel=8", 92},
      {"contract with the pass rule", gidSchafkopf, 92,
       [] { gameAreas.schafkopfRules = [] { TSchafkopfRules r{}; r.passOption = true; return r; }; },
       "P0 C0 O1", "!Passen=43|!Farbsolo=2|!Wenz=3|!Geier=4", 92},
      {"contract above a plain Wenz, Tout on", gidSchafkopf, 92,
       [] {
         gameAreas.schafkopfRules = [] { return TSchafkopfRules{false, true, true, true, true, true, false}; };
         gameAreas.schafkopfSeatsWanting = [] { return int32_t(2); };
         gameAreas.schafkopfHighestContract = [] { return TContractRecord{3, 0, 0}; };
       },
       "P0 C0 O1", "!Farbsolo=2|!Wenz-Tout=3|!Geier-Tout=4|!Farbwenz-Tout=5|!Farbgeier-Tout=6", 92},
      {"contract above a plain Wenz, Tout off", gidSchafkopf, 92,
       [] {
         gameAreas.schafkopfRules = [] { return TSchafkopfRules{false, true, true, true, true, false, false}; };
         gameAreas.schafkopfSeatsWanting = [] { return int32_t(2); };
         gameAreas.schafkopfHighestContract = [] { return TContractRecord{3, 0, 0}; };
       },
       "P0 C0 O1", "!Farbsolo=2", 92},
      {"Sie with a Sie hand", gidSchafkopf, 92,
       [] {
         registerGameCallbacks(gidSchafkopf, &schafkopfBiddingTrumps);
         gameAreas.schafkopfRules = [] { TSchafkopfRules r{}; r.sie = true; return r; };
         giveSeat(2, "cQ sQ hQ dQ cJ sJ hJ dJ");
       },
       "P0 C0 O1", "!Sie=1|!Farbsolo=2|!Wenz=3|!Geier=4", 92},
      {"Rufspiel kept with a plain card of a suit whose Ace is out", gidSchafkopf, 92,
       [] { giveSeat(2, "cA sA d7 cQ"); }, "P0 C0 O1", "!Farbsolo=2|!Wenz=3|!Geier=4|!Rufspiel=8", 92},
      {"Rufspiel gone with three aces", gidSchafkopf, 92, [] { giveSeat(2, "cA sA dA h7"); }, "P0 C0 O1",
       "!Farbsolo=2|!Wenz=3|!Geier=4", 92},
      {"Rommé draw", gidRomme, 78, {}, "P1 C0 O0", "", 78},
      {"Gin Rummy up-card", gidRomme, 78, [] { gameAreas.ginUpCardPhase = [] { return true; }; }, "P1 C0 O1",
       "!{f_ginrummy_drawupcard}=78|!{f_ginrummy_pass}=43", 77},
      {"Rommé meld", gidRomme, 79, {}, "P1 C1 O1", "!{f_romme_auslegen}=79|!{f_romme_fertig}=0", 79},
      {"Rommé meld again", gidRomme, 125, {}, "P1 C1 O1",
       "!{f_canasta_neubeginnen}=83|!{f_romme_auslegen}=79|!{f_romme_fertig}=0", 125},
      {"Gin knock", gidRomme, 71, {}, "P0 C1 O1", "!{f_ginrummy_klopfen}=71", 71},
      {"Gin knock before the up-card turns", gidRomme, 71, [] { gameAreas.ginUpCardPhase = [] { return true; }; },
       "P0 C1 O0", "", 70},
      {"discard", gidCanasta, 80, {}, "P0 C1 O0", "", 80},
      {"Canasta draw", gidCanasta, 81, {}, "P1 C0 O0", "", 81},
      {"Canasta meld", gidCanasta, 82,
       [] { gameAreas.canastaMeldView = [] { return TCanastaMeldView{true, 1, 0, false, false, 0, 50, 90}; }; },
       "P1 C1 O1", "!{f_canasta_melden}=82|!{f_canasta_neubeginnen}=83|!{f_canasta_fertig}=37", 82},
      {"Canasta meld, cards to lay", gidCanasta, 82,
       [] { gameAreas.canastaMeldView = [] { return TCanastaMeldView{true, 1, 2, false, true, 0, 50, 90}; }; },
       "P1 C1 O1", "!{f_canasta_melden}=82|!{f_canasta_neubeginnen}=83", 82},
      {"Schwimmen take", gidSchwimmen, 75, {}, "P1 C0 O0", "", 75},
      {"Schwimmen push or knock", gidSchwimmen, 70, {}, "P0 C1 O1", "!Schieben=72|!Klopfen=71", 70},
      {"Schwimmen swap all", gidSchwimmen, 76, {}, "P0 C1 O1", "!Schieben=72|!Klopfen=71|!Alle tauschen=77", 70},
      {"Schwimmen new cards", gidSchwimmen, 69, {}, "P0 C0 O1", "!Neue Karten=69|!Behalten=0", 69},
      {"poker, nothing to call", gidPoker, 98,
       [] { gameAreas.pokerActionText = [](int32_t c) { return "A" + std::to_string(c); }; }, "P0 C0 O1",
       "!A3=43|!A2=42|!A0 0 €=100|!A4=101", 98},
      {"poker, something to call", gidPoker, 98,
       [] {
         gameAreas.pokerActionText = [](int32_t c) { return "A" + std::to_string(c); };
         gameAreas.pokerAmountToCall = [](int32_t) { return int32_t(40); };
         gameAreas.pokerCurrentBet = [] { return int32_t(80); };
       },
       "P0 C0 O1", "!A3=43|!A2 1000 €=99|!A0 2000 €=100|!A4=101", 98},
      {"poker hand over", gidPoker, 102, {}, "P0 C0 O1", "!{f_dialog_weiter}=37", 102},
      {"Blackjack bet", gidBlackjack, 106, [] { gameAreas.blackjackBet = [] { return int32_t(10); }; }, "P0 C0 O1",
       "!{f_dialog_bet}250 €{f_dialog_setzen}=0", 106},
      {"Blackjack play", gidBlackjack, 107, {}, "P0 C0 O1", "!{f_dialog_karteziehen}=75|!{f_dialog_keinekarte}=37", 107},
      {"Blackjack play, doubling", gidBlackjack, 107, [] { gameAreas.blackjackCanDouble = [] { return true; }; },
       "P0 C0 O1", "!{f_dialog_verdoppeln}=109|!{f_dialog_karteziehen}=75|!{f_dialog_keinekarte}=37", 109},
      {"Schnapsen, talon closed", gidSchnapsen, 103, [] { gameAreas.schnapsenTalonClosed = [] { return true; }; },
       "P0 C1 O0", "", 103},
      {"Schnapsen, close and exchange", gidSchnapsen, 103,
       [] {
         gameAreas.schnapsenMayClose = [] { return true; };
         gameAreas.schnapsenMayExchange = [] { return true; };
         gameAreas.schnapsenTrumpExchangeCard = [](int32_t) { return int32_t(3); };
       },
       "P0 C1 O1", "! Talon sperren=104|! Trumpf tauschen=105", 108},
      {"Schnapsen, close only", gidSchnapsen, 103, [] { gameAreas.schnapsenMayClose = [] { return true; }; },
       "P0 C1 O1", "! Talon sperren=104", 107},
      {"Jass trump", gidJass, 110, {}, "P0 C0 O1", "! Kreuz=1|! Pik=2|! Herz=3|! Karo=4|! Schieben=72", 110},
      {"Jass trump with Obenabe", gidJass, 110, [] { gameAreas.jassObenabe = [] { return true; }; }, "P0 C0 O1",
       "! Kreuz=1|! Pik=2|! Herz=3|! Karo=4|! Obenabe=15|! Schieben=72", 110},
      {"Jass trump pushed", gidJass, 111, {}, "P0 C0 O1", "! Kreuz=1|! Pik=2|! Herz=3|! Karo=4", 110},
      {"Slalom direction", gidJass, 112, {}, "P0 C0 O1", "!Slalom Obenabe=18|!Slalom Undenufe=19", 112},
      {"Weis, none", gidJass, 113, {}, "P0 C1 O0", "", 115},
      {"further Weis", gidJass, 114,
       [] {
         gameAreas.jassWeis = [] {
           TJassWeis w{};
           w.count = 1, w.captions[1] = "!Dreiblatt", w.values[1] = 20;
           return w;
         };
       },
       "P0 C1 O1", "!Dreiblatt=20|!Kein Weis mehr=0", 114},
      {"Mau-Mau, nothing to play, no stock", gidMauMau, 37, {}, "P0 C1 O1", "!{f_ginrummy_pass}=43", 43},
      {"Mau-Mau, stock left", gidMauMau, 37, [] { giveSeat(11, "c7"); }, "P1 C1 O0", "", 37},
      {"War continue", gidWar, 37, {}, "P0 C0 O1", "!{f_dialog_weiter}=37", 37},
      {"continue elsewhere", gidSkat, 37, {}, "P0 C1 O1", "!{f_dialog_weiter}=37", 37},
      {"Mau-Mau wish", gidMauMau, 33, {}, "P0 C0 O1", "! Kreuz=1|! Pik=2|! Herz=3|! Karo=4", 33},
      {"Mau-Mau skip", gidMauMau, 32, {}, "P0 C1 O1", "!{f_dialog_aussetzen}=32", 32},
      {"Mau-Mau penalty", gidMauMau, 31,
       [] {
         gameAreas.maumauPenaltyCounter() = 1;
         gameAreas.maumauStackDraw = [] { return true; };
       },
       "P0 C1 O1", "!{f_dialog_draw}4{f_dialog_ziehen}=31", 31},
      {"War turn", gidWar, 124, {}, "P1 C1 O1", "!{f_gofish_drawcard}=124", 124},
      {"Hearts pass, seat 2", gidHearts, 116, [] { gameAreas.heartsPassDirection = [] { return int32_t(2); }; },
       "P0 C1 O1", "! {f_hearts_rechts}=116", 116},
      {"Hearts pass, user", gidHearts, 116, [] { cg.gs.akspieler = 1; }, "P0 C1 O1", "! {f_hearts_links}=116", 114},
      {"Hearts card", gidHearts, 117, {}, "P0 C1 O0", "", 117},
      {"Hearts first card of the user", gidHearts, 117,
       [] {
         cg.gs.akspieler = 1;
         giveSeat(1, "c2 c3 c4 c5 c6 c7 c8 c9 c10 cJ cQ cK cA");
       },
       "P0 C1 O0", "", 118},
      {"Go Fish tell", gidGoFish, 119, {}, "P0 C0 O1", "!{f_say_gofish}=119", 119},
      {"Go Fish give", gidGoFish, 120, {}, "P0 C0 O1", "!{f_gofish_givecards}=120", 120},
      {"Go Fish give several, user", gidGoFish, 120,
       [] {
         cg.gs.akspieler = 1;
         giveSeat(1, "c7 s7 h9");
         gameAreas.goFishAskedRank = [] { return int32_t(rank7); };
       },
       "P0 C0 O1", "!{f_gofish_givecards}=120", 123},
      {"Go Fish draw, empty stock, user", gidGoFish, 121, [] { cg.gs.akspieler = 1; }, "P1 C0 O1",
       "!{f_dialog_weiter}=121", 124},
      {"Old Maid draw", gidOldMaid, 122, [] { gameAreas.oldMaidFirstCount = [] { return int32_t(2); }; }, "P0 C1 O0",
       "", 121},
      {"Old Maid pairs", gidOldMaid, 123,
       [] {
         rankNameTable[4][rankQueen] = "Damen";
         gameAreas.oldMaidRank = [] { return int32_t(rankQueen); };
       },
       "P0 C0 O1", "!{f_oldmaid_ablegen:{f_gofish_paircomplete:Damen}}=123", 123},
  };
  for (const TKindCase& c : cases) {
    resetGameAreaQueries();
    cg.gameId = c.game;
    cg.gs.akspieler = 2;
    skatGameArea() = TSkatArea{};
    for (int s = 1; s <= 12; s++) sp[s].count = 0;
    cg.gs.bl = TDecisionBlock{};
    if (c.setup) c.setup();
    cg.buildDecisionDialog(c.kind);
    const TDecisionBlock& b = cg.gs.bl;
    EXPECT_EQ(permsText(b), c.perms) << c.what << " (kind " << c.kind << ")";
    if (b.showOptions) { EXPECT_EQ(optionsText(b), c.options) << c.what << " (kind " << c.kind << ")"; }
    EXPECT_EQ(b.decisionKind, c.recorded) << c.what << " (kind " << c.kind << ")";
    EXPECT_EQ(b.tableSelectable, 0) << c.what;
  }
}

TEST_F(DecisionTest, PilesOfTheKinds) {
  struct Case { TGameId game; int32_t kind; std::function<void()> setup; int32_t pileA, pileB, melding; };
  const Case cases[] = {
      {gidRomme, 78, {}, 11, 13, 0},
      {gidRomme, 79, {}, 12, 0, 1},
      {gidRomme, 71, {}, 13, 0, 0},
      {gidCanasta, 81, [] { gameAreas.canastaCanTakePile = [] { return true; }; }, 11, 13, 0},
      {gidCanasta, 81, {}, 11, 0, 0},
      {gidSchwimmen, 75, {}, 12, 0, 0},
      {gidWar, 124, [] { cg.gs.akspieler = 3; }, 3, 0, 0},
      {gidHearts, 116, [] { gameAreas.heartsPassPile = [] { return int32_t(5); }; }, 5, 0, 1},
      {gidGoFish, 118, {}, 11, 0, 1},
      {gidGoFish, 118, [] { gameAreas.goFishFlag = [] { return true; }; }, 11, 0, 0},
  };
  for (const Case& c : cases) {
    resetGameAreaQueries();
    cg.gameId = c.game;
    cg.gs.akspieler = 2;
    if (c.setup) c.setup();
    cg.buildDecisionDialog(c.kind);
    EXPECT_EQ(cg.gs.bl.pileA, c.pileA) << "kind " << c.kind;
    EXPECT_EQ(cg.gs.bl.pileB, c.pileB) << "kind " << c.kind;
    EXPECT_EQ(cg.gs.bl.meldingMode, c.melding) << "kind " << c.kind;
  }
}

TEST_F(DecisionTest, AKindWithoutBranchKeepsTheOptionsAndClearsMauMauCounters) {
  cg.gameId = gidMauMau;
  cg.buildDecisionDialog(44);
  gameAreas.maumauPenaltyCounter() = 3;
  gameAreas.maumauLastDecision() = 31;
  cg.buildDecisionDialog(999);
  EXPECT_EQ(cg.gs.bl.optionCount, 2);
  EXPECT_EQ(cg.gs.bl.optionValues[2], -1);
  EXPECT_EQ(gameAreas.maumauPenaltyCounter(), 0);
  EXPECT_EQ(gameAreas.maumauLastDecision(), 0);
}

TEST_F(DecisionTest, GoFishAsksTheSeatsThatHoldCards) {
  cg.gameId = gidGoFish;
  playerCount = 4;
  cg.seatNames[2] = "Bea";
  cg.seatNames[4] = "Dora";
  cg.gs.akspieler = 1;
  giveSeat(2, "c7");
  giveSeat(4, "s8");
  cg.buildDecisionDialog(118);
  EXPECT_EQ(optionsText(cg.gs.bl), "!{f_gofish_frage} Bea=2|!{f_gofish_frage} Dora=4");
}

TEST_F(DecisionTest, OptionListHelpers) {
  setDialogOptions({{"!a", 1}, {"!b", 2}, {"", 3}, {"!d", 4}, {"!e", 5}});
  EXPECT_EQ(cg.gs.bl.optionCount, 2) << "captions after the first empty one do not count";
  setDialogOptions({{"!a", 1}, {"!b", 2}, {"!c", 3}, {"!d", 4}});
  removeDialogOption(2);
  EXPECT_EQ(optionsText(cg.gs.bl), "!a=1|!c=3|!d=4");
  setDialogOptions({{std::string(100, 'x'), 1}});
  EXPECT_EQ(cg.gs.bl.optionTexts[1].str().size(), 80u) << "captions are cut at 80 characters";
  AlertCollector alerts;
  setDialogOptions({{"!a", 70000}});
  EXPECT_EQ(alerts.count(), 1u);
  EXPECT_EQ(cg.gs.bl.optionValues[1], 0);
}

TEST_F(DecisionTest, RowLayoutCases) {
  struct Case { int n, offset; bool oldMaid; std::vector<int32_t> savedX; int32_t width; };
  const Case cases[] = {
      {2, 43, false, {-136, 40}, 170},
      {6, 43, false, {-303, -189, -74, 40, 154, 269}, 108},
      {1, -3, true, {-102}, 185},
      {1, 43, false, {-63}, 200},
      {7, -23, false, {-450, -328, -208, -86, 34, 156, 276}, 115},
  };
  for (const Case& c : cases) {
    std::vector<TRowButton> row = decisionRowLayout(c.n, c.offset, c.oldMaid);
    ASSERT_EQ(row.size(), size_t(c.n));
    for (int k = 0; k < c.n; k++) EXPECT_EQ(row[size_t(k)].savedX, c.savedX[size_t(k)]) << c.n << " buttons, button " << k;
    EXPECT_EQ(row[0].savedWidth, c.width) << c.n << " buttons";
  }
  EXPECT_LT(decisionRowLayout(7, 43, false)[0].savedWidth, 115) << "seven buttons shrink outside Blackjack";
}

TEST_F(DecisionTest, AComputerSeatGetsACopyAndNoPanel) {
  cg.gameId = gidSkat;
  cg.seatRecords[2].kind = seatKindComputer;
  cg.gs.akspieler = 2;
  cg.gs.getBlender.res_ii = 5;
  cg.openDecisionDialog(44);
  EXPECT_EQ(cg.gs.awaitingAction, 2);
  EXPECT_EQ(cg.gs.subState, 3);
  EXPECT_EQ(cg.gs.savedBlSeat, 2);
  EXPECT_EQ(cg.gs.savedBl.decisionKind, 44);
  EXPECT_EQ(cg.gs.getBlender.res_ii, 0);
  EXPECT_FALSE(dialogOf(dlgInGame).open) << "nothing is shown for another seat";

  clearGameDialogNumbers();  // no screen at all, as in a headless run
  cg.seatRecords[3].kind = seatKindComputer;
  cg.gs.akspieler = 3;
  cg.gs.getBlender.res_ii = 5;
  cg.openDecisionDialog(45);
  EXPECT_EQ(cg.gs.savedBlSeat, 3) << "the copy does not depend on the panel";
  EXPECT_EQ(cg.gs.savedBl.decisionKind, cg.gs.bl.decisionKind);
  EXPECT_EQ(cg.gs.getBlender.res_ii, 0);
}

TEST_F(DecisionTest, TheUserSeesTheRowOfTheOptionCount) {
  cg.gameId = gidSkat;
  cg.seatRecords[1].kind = seatKindUser;
  cg.gs.akspieler = 1;
  cg.openDecisionDialog(44);
  EXPECT_TRUE(dialogOf(dlgInGame).open);
  EXPECT_EQ(inputState, 1);
  EXPECT_EQ(getElementText(dlgInGame, elDecisionRow2[1]), "! {f_skat_kontra}");
  EXPECT_EQ(getElementText(dlgInGame, elDecisionRow2[2]), "! {f_skat_keinkontra}");
  EXPECT_TRUE(isElementVisible(dlgInGame, elDecisionRow2[1]));
  EXPECT_FALSE(isElementVisible(dlgInGame, elDecisionContinue));
  EXPECT_EQ(elementOf(dlgInGame, elDecisionRow2[1]).savedX, -136);
  EXPECT_EQ(elementOf(dlgInGame, elDecisionRow2[2]).savedWidth, 170);
  cg.submitAction(2, 0, 1);
  EXPECT_FALSE(dialogOf(dlgInGame).open) << "an accepted action hides the panel";

  cg.buildDecisionDialog(55);  // seven options
  cg.showDecisionDialog(false, false);
  EXPECT_TRUE(isElementVisible(dlgInGame, elDecisionRow7[7]));
  EXPECT_EQ(getElementText(dlgInGame, elDecisionRow7[6]), "! Grand");
  setDialogOptions({{"!1", 1}, {"!2", 2}, {"!3", 3}, {"!4", 4}, {"!5", 5}, {"!6", 6}, {"!7", 7}, {"!8", 8}});
  cg.showDecisionDialog(false, false);
  EXPECT_EQ(getElementText(dlgInGame, elDecisionOption8), "!8") << "the option-8 button stands first";
  EXPECT_EQ(getElementText(dlgInGame, elDecisionRow7[1]), "!1");
}

TEST_F(DecisionTest, ADecisionWithoutOptionsShowsNoButtonsOfTheOneBefore) {
  cg.gameId = gidSkat;
  cg.seatRecords[1].kind = seatKindUser;
  cg.gs.akspieler = 1;
  cg.openDecisionDialog(44);  // Kontra: two options
  ASSERT_TRUE(isElementVisible(dlgInGame, elDecisionRow2[1]));
  cg.openDecisionDialog(58);  // play a card: no options
  for (int32_t e : {elDecisionRow2[1], elDecisionRow2[2], elDecisionContinue})
    EXPECT_FALSE(isElementVisible(dlgInGame, e)) << "element " << e << " still offers an old answer";
}

TEST_F(DecisionTest, HandHotspotsFollowTheLegalCards) {
  cg.gameId = gidSkat;
  cg.gs.akspieler = 1;
  giveSeat(1, "c7 s8 h9");
  cg.buildDecisionDialog(58);
  cg.updateDialogButtons();
  for (int i = 1; i <= 3; i++) EXPECT_TRUE(elementOf(dlgIPanel, elActionButtons[i]).visible) << i;
  EXPECT_FALSE(elementOf(dlgIPanel, elActionButtons[4]).visible);
  EXPECT_FALSE(elementOf(dlgIPanel, elActionButtons[49]).visible) << "no pile offered";
}

}  // namespace
