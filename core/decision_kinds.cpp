// Every decision kind the games ask for: its permissions (piles P, cards C, option buttons
// O), the piles the user may click, the options in button order, the question text and the
// kind it records. Captions are ready for the engine: "!" + the text of a key, "! " + the
// text for the keys marked with a blank, or the literal caption.
//
// [SECTION] captions and permissions
// [SECTION] Skat
// [SECTION] Doppelkopf and Schafkopf
// [SECTION] rummy games and Schwimmen
// [SECTION] poker, Blackjack, Schnapsen, Jass
// [SECTION] Mau-Mau, War, Hearts, Go Fish, Old Maid
// [SECTION] dispatch
#include <algorithm>

#include "core/card_names.h"
#include "core/cg.h"
#include "core/core_messages.h"
#include "core/decision_panel.h"
#include "core/engine_switches.h"
#include "core/game_areas.h"
#include "core/game_callbacks.h"
#include "net/net_transport.h"
#include "shell/env_param.h"
#include "shell/shell_globals.h"
#include "table/stacks.h"

namespace {

// [SECTION] captions and permissions

using Opts = std::vector<TDecisionOption>;

TDecisionBlock& bl() { return cg.gs.bl; }
int32_t seatToAct() { return cg.gs.akspieler; }

std::string key(const char* k) { return "!" + coreLookupText(k); }
std::string spaced(const char* k) { return "! " + coreLookupText(k); }

// The suit names of the current card style, "!" or "! " before each, values 1..4.
Opts suitOptions(bool spacedNames) {
  int style = std::clamp(envParam.cardStyle, 1, 3);
  Opts o;
  for (int s = 1; s <= 4; s++) o.push_back({(spacedNames ? "! " : "!") + suitNameTable[style][s], s});
  return o;
}

Opts join(Opts a, const Opts& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// -1 keeps the default of the build.
void perms(int p, int c, int o) {
  if (p >= 0) bl().pilesSelectable = uint8_t(p);
  if (c >= 0) bl().cardsSelectable = uint8_t(c);
  if (o >= 0) bl().showOptions = uint8_t(o);
}

void offer(const Opts& options) { setDialogOptions(options); }

void record(int32_t kind) { bl().decisionKind = kind; }

void question(const std::string& text) { bl().questionText = text; }

int cardsOf(int32_t seat) { return seat >= 1 && seat <= stackCount ? stackUsed(sp[seat]) : 0; }

// The seat's cards as its slots hold them.
THand seatHand(int32_t seat) {
  THand h{};
  for (int i = 1; i <= cardsOf(seat); i++) handaddk(h, sp[seat].slots[i].card);
  return h;
}

bool seat1WithoutAutoPlay() { return seatToAct() == 1 && !engineAutoPlay(); }

void removeValue(int32_t value) {
  for (int n = bl().optionCount; n >= 1; n--)
    if (bl().optionValues[n] == value) removeDialogOption(n);
}

// [SECTION] Skat

// Fixed two-to-four option questions: kind, options.
struct TFixedKind {
  int32_t kind;
  Opts (*options)();
};

const TFixedKind fixedKinds[] = {
    {44, [] { return Opts{{spaced("f_skat_kontra"), 1}, {spaced("f_skat_keinkontra"), -1}}; }},
    {63, [] { return Opts{{spaced("f_skat_re"), 2}, {spaced("f_skat_keinre"), -1}}; }},
    {64, [] { return Opts{{spaced("f_skat_sup"), 3}, {spaced("f_skat_keinsup"), -1}}; }},
    {65, [] { return Opts{{spaced("f_skat_hirsch"), 4}, {spaced("f_skat_keinhirsch"), -1}}; }},
    {50, [] { return Opts{{spaced("f_skat_skatnehmen"), 51}, {spaced("f_skat_handspiel"), 45}}; }},
    {67, [] { return Opts{{spaced("f_skat_skatnehmen"), 51}, {spaced("f_skat_skatschieben"), 45}}; }},
    {60, [] { return Opts{{key("f_skat_ohnerum"), 51}, {spaced("f_skat_rum"), 46}, {spaced("f_skat_handspiel"), 45}}; }},
    {56, [] {
       return Opts{{key("f_skat_nichtssagen"), 1}, {spaced("f_skat_schneider"), 2}, {spaced("f_skat_schwarz"), 3},
                   {spaced("f_skat_ouvert"), 4}};
     }},
    {57, [] { return Opts{{key("f_skat_null"), 1}, {key("f_skat_nullouv"), 4}}; }},
    {59, [] { return Opts{{"!Spitze ansagen", 61}, {"! Keine Spitze", 62}}; }},
    {68, [] { return Opts{{key("f_skat_jungfrausagen"), 68}, {key("f_skat_nichtssagen"), 0}}; }},
    {97, [] { return Opts{{key("f_skat_spielansagen"), 96}, {key("f_skat_passen"), 43}}; }},
    {94, [] { return Opts{{"!Tout", 94}, {"!Normal", 95}}; }},
    {112, [] { return Opts{{"!Slalom Obenabe", 18}, {"!Slalom Undenufe", 19}}; }},
    {69, [] { return Opts{{"!Neue Karten", 69}, {"!Behalten", 0}}; }},
    {119, [] { return Opts{{key("f_say_gofish"), 119}}; }},
};

bool buildFixedKind(int32_t kind) {
  for (const TFixedKind& f : fixedKinds)
    if (f.kind == kind) {
      perms(0, 0, 1);
      offer(f.options());
      record(kind);
      return true;
    }
  return false;
}

void buildSkatBid(int32_t kind) {
  perms(0, 0, 1);
  std::string first = kind == 48 ? "! " + coreLookupText("f_skat_bid") + std::to_string(gameAreas.skatNextBidValue()) +
                                       coreLookupText("f_skat_reizen")
                                 : "! " + coreLookupText("f_skat_call") + std::to_string(gameAreas.skatCurrentBid()) +
                                       coreLookupText("f_skat_halten");
  offer({{first, kind == 48 ? 41 : 42}, {spaced("f_skat_passen"), 43}});
  record(kind);
}

// In a network Skat game the skat may not be taken once the step counter passed 5.
int skatPilePermission() { return isNetGame() && netTransport.gameCounter > 5 ? 0 : 1; }

void buildSkatPress(int32_t kind) {
  if (kind == 53) {
    perms(skatPilePermission(), 0, 1);
    offer({{spaced("f_dialog_fertig"), 53}});
  } else {
    perms(skatPilePermission(), 1, 0);
  }
  record(kind);
}

void buildSkatGameChoice() {
  perms(0, 0, 1);
  offer(join(join({{key("f_dialog_spielkein"), 14}}, suitOptions(true)), {{"! Grand", 11}, {"! Null", 10}}));
  record(55);
}

void buildGesund() {
  perms(0, 0, 1);
  offer({{key("f_skat_gesund"), 66}, {key(cg.gameId == gidSkat ? "f_skat_grandhand" : "f_skat_vorbehalt"), 84}});
  record(66);
}

// [SECTION] Doppelkopf and Schafkopf

std::string doppelkopfAnnouncement(int32_t seat) {
  return "!" + gameAreas.doppelkopfAnnouncementName(gameAreas.doppelkopfIsKontraSide(seat),
                                                    gameAreas.doppelkopfNextAnnouncementFor(seat));
}

void buildPlayCard47() {
  perms(0, 1, -1);
  bool announce = cg.gameId == gidDoppelkopf && gameAreas.doppelkopfNextAnnouncementNow(seatToAct()) != 0;
  if (announce) offer({{doppelkopfAnnouncement(seatToAct()), 0}});
  bl().showOptions = announce ? 1 : 0;
  record(47);
}

void buildDoppelkopfAnnouncement() {
  perms(0, 0, 1);
  offer({{doppelkopfAnnouncement(seatToAct()), 89}, {"!Keine Ansage", 0}});
  record(89);
}

void buildReservation() {
  perms(0, 0, 1);
  Opts o{{"!Solo", 86}};
  if (gameAreas.doppelkopfHochzeitOption()) o.push_back({"!Hochzeit", 87});
  offer(o);
  record(84);
}

void buildSoloType() {
  perms(0, 0, 1);
  auto word = [](int32_t rank, bool longForm) { return "!" + gameAreas.doppelkopfSoloPrefix(rank, longForm); };
  Opts o;
  if (gameAreas.doppelkopfExtraSoloOption()) o.push_back({word(8, true), 8});
  o.push_back({word(6, false), 6});
  o.push_back({word(5, false), 5});
  offer(join(join(o, suitOptions(false)), {{"!Fleischlos", 7}}));
  record(88);
}

void buildAlsoPlay() {
  perms(0, 0, 1);
  int32_t wanting = gameAreas.schafkopfSeatsWanting();
  offer({{wanting >= 1 ? "!Auch spielen" : "!Spielen", 93}, {key("f_dialog_weiter"), 37}});
  int32_t highest = gameAreas.schafkopfHighestSeat();
  if (wanting == 1) question("!" + cg.seatNameFit(highest, true) + " will spielen");
  if (wanting > 1)
    question("!" + cg.seatNameFit(highest, true) + ": " +
             gameAreas.schafkopfContractName(gameAreas.schafkopfHighestContract()));
  record(93);
}

// A Rufspiel may call the suit: never Herz (3), only with a plain card of it, and the Ace
// of a held suit only when calling one's own Ace is allowed.
bool callableSuit(const THand& hand, int suit, bool heldAceAllowed) {
  return suit != 3 && countSuitNoTrump(hand, suit) > 0 && (heldAceAllowed || !hasCard(hand, makeCard(rankAce, suit)));
}

// Options whose contract does not rank above the highest so far: with the Tout rule a
// higher Tout form stays with "-Tout"; the others are dropped from the end.
void keepHigherContracts(const TSchafkopfRules& rules) {
  int32_t highest = gameAreas.schafkopfContractRank(gameAreas.schafkopfHighestContract());
  for (int n = bl().optionCount; n >= 2; n--) {
    TContractRecord c{uint8_t(bl().optionValues[n]), 0, 0};
    if (gameAreas.schafkopfContractRank(c) > highest) break;
    c.tout = 1;
    if (rules.tout && gameAreas.schafkopfContractRank(c) > highest) {
      bl().optionTexts[n] = bl().optionTexts[n].str() + "-Tout";
    } else {
      removeDialogOption(n);
    }
  }
}

void buildSchafkopfContract() {
  perms(0, 0, 1);
  TSchafkopfRules rules = gameAreas.schafkopfRules();
  Opts o{{"!Sie", 1}, {"!Farbsolo", 2}, {"!Wenz", 3}, {"!Geier", 4}, {"!Farbwenz", 5}, {"!Farbgeier", 6}, {"!Bettel", 7}};
  if (rules.passOption) o.insert(o.begin(), {"!Passen", 43});
  else o.push_back({"!Rufspiel", 8});
  offer(o);
  if (!rules.farbgeier) removeValue(6);
  if (!rules.farbwenz) removeValue(5);
  if (!rules.bettel) removeValue(7);
  THand hand = seatHand(seatToAct());
  if (!(rules.sie && gameAreas.schafkopfHasSieHand(hand))) removeValue(1);
  // A Rufspiel is offered only when the suit question that follows keeps a suit.
  bool anySuit = false;
  for (int suit = 1; suit <= 4; suit++) anySuit = anySuit || callableSuit(hand, suit, rules.callHeldAce);
  if (!anySuit) removeValue(8);
  if (gameAreas.schafkopfSeatsWanting() > 1) keepHigherContracts(rules);
  record(92);
}

void buildCalledSuit() {
  perms(0, 0, 1);
  offer(suitOptions(false));
  int32_t seat = seatToAct();
  if (gameAreas.schafkopfChosenContract(seat).type == 8) {
    THand hand = seatHand(seat);
    bool heldAceAllowed = gameAreas.schafkopfRules().callHeldAce;
    for (int n = bl().optionCount; n >= 1; n--)
      if (!callableSuit(hand, bl().optionValues[n], heldAceAllowed)) removeDialogOption(n);
  }
  record(91);
}

// [SECTION] rummy games and Schwimmen

void buildRommeDraw() {
  perms(1, 0, -1);
  if (gameAreas.ginUpCardPhase()) {
    offer({{key("f_ginrummy_drawupcard"), 78}, {key("f_ginrummy_pass"), 43}});
    bl().pileA = 13;
    record(77);
  } else {
    bl().showOptions = 0;
    bl().pileA = 11;
    bl().pileB = 13;
    record(78);
  }
}

void buildRommeMeld(int32_t kind) {
  perms(1, 1, 1);
  Opts o{{key("f_romme_auslegen"), 79}, {key("f_romme_fertig"), 0}};
  if (kind == 125) o.insert(o.begin(), {key("f_canasta_neubeginnen"), 83});
  offer(o);
  bl().pileA = 12;
  bl().meldingMode = 1;
  record(kind);
}

void buildGinKnock() {
  perms(0, 1, -1);
  bl().pileA = 13;
  bl().meldingMode = 0;
  if (!gameAreas.ginUpCardPhase()) {
    offer({{key("f_ginrummy_klopfen"), 71}});
    record(71);
  } else {
    bl().showOptions = 0;
    record(70);
  }
}

// The number as a German word for the "still to lay" note.
std::string numberWord(int32_t n) {
  static const char* words[] = {"null", "eine", "zwei", "drei", "vier", "fünf", "sechs", "sieben", "acht", "neun", "zehn"};
  return n >= 0 && n <= 10 ? words[n] : std::to_string(n);
}

void buildCanastaMeld() {
  perms(1, 1, 1);
  TCanastaMeldView v = gameAreas.canastaMeldView();
  bool mayFinish = (v.teamHasCanasta || v.meldsCounted > 1) && v.cardsToLay == 0 &&
                   (!v.firstMeldHolds || (!v.noteShown && v.meldsCounted <= 1 && v.goingOutState != 13));
  Opts o{{key("f_canasta_melden"), 82}, {key("f_canasta_neubeginnen"), 83}};
  if (mayFinish) o.push_back({key("f_canasta_fertig"), 37});
  offer(o);
  std::string text;
  if (!v.noteShown)
    text = std::to_string(v.meldPoints) + coreLookupText("f_dialog_von") + std::to_string(v.firstMeldMinimum) +
           coreLookupText("f_canasta_mindestpunkt");
  if (v.cardsToLay > 0) {
    if (!text.empty()) text += ", ";
    text += coreLookupText("f_canasta_bitte_legen", numberWord(v.cardsToLay));
  }
  question("!" + text);
  bl().pileA = 12;
  bl().meldingMode = 1;
  record(82);
}

void buildSchwimmen(int32_t kind) {
  perms(0, 1, 1);
  Opts o{{"!Schieben", 72}, {"!Klopfen", 71}};
  if (kind == 76) o.push_back({"!Alle tauschen", 77});
  offer(o);
  record(70);
}

// [SECTION] poker, Blackjack, Schnapsen, Jass

std::string pokerCaption(int32_t code, int32_t amount, bool withAmount) {
  std::string t = "!" + gameAreas.pokerActionText(code);
  return withAmount ? t + " " + gameFormatMoney(amount) : t;
}

void buildPokerAct() {
  perms(0, 0, 1);
  int32_t toCall = gameAreas.pokerAmountToCall(seatToAct());
  offer({{pokerCaption(3, 0, false), 43},
         toCall > 0 ? TDecisionOption{pokerCaption(2, toCall, true), 99} : TDecisionOption{pokerCaption(2, 0, false), 42},
         {pokerCaption(0, gameAreas.pokerCurrentBet(), true), 100},
         {pokerCaption(4, 0, false), 101}});
  record(98);
}

void buildPokerHandOver() {
  perms(0, 0, 1);
  offer({{key("f_dialog_weiter"), 37}});
  question("!" + gameAreas.pokerPotWinnersText());
  record(102);
}

void buildBlackjackBet() {
  perms(0, 0, 1);
  offer({{"!" + coreLookupText("f_dialog_bet") + gameFormatMoney(gameAreas.blackjackBet()) +
              coreLookupText("f_dialog_setzen"),
          0}});
  record(106);
}

void buildBlackjackPlay() {
  perms(0, 0, 1);
  Opts o{{key("f_dialog_karteziehen"), 75}, {key("f_dialog_keinekarte"), 37}};
  bool canDouble = gameAreas.blackjackCanDouble();
  if (canDouble) o.insert(o.begin(), {key("f_dialog_verdoppeln"), 109});
  offer(o);
  record(canDouble ? 109 : 107);
}

void buildSchnapsen() {
  perms(0, 1, -1);
  bool open = !gameAreas.schnapsenTalonClosed() && cardsOf(12) == 0;
  bool close = open && gameAreas.schnapsenMayClose();
  bool exchange = open && gameAreas.schnapsenTrumpExchangeCard(seatToAct()) > 0 && gameAreas.schnapsenMayExchange();
  Opts o;
  if (close) o.push_back({"! Talon sperren", 104});
  if (exchange) o.push_back({"! Trumpf tauschen", 105});
  if (!o.empty()) offer(o);
  bl().showOptions = o.empty() ? 0 : 1;
  record(close && exchange ? 108 : close ? 107 : exchange ? 106 : 103);
}

void buildJassTrump(int32_t kind) {
  perms(0, 0, 1);
  Opts o = join(suitOptions(true), {{"! Obenabe", 15}, {"! Undenufe", 16}, {"! Slalom", 17}});
  if (kind == 110) o.push_back({"! Schieben", 72});
  offer(o);
  if (!gameAreas.jassObenabe()) removeValue(15);
  if (!gameAreas.jassUndenufe()) removeValue(16);
  if (!gameAreas.jassSlalom()) removeValue(17);
  record(110);
}

void buildJassWeis(int32_t kind) {
  perms(0, 1, -1);
  TJassWeis weis = gameAreas.jassWeis();
  int count = std::clamp<int>(weis.count, 0, 5);
  if (count == 0) {
    bl().showOptions = 0;
    record(115);
    return;
  }
  Opts o;
  for (int i = 1; i <= count; i++) o.push_back({weis.captions[i], weis.values[i]});
  if (kind == 114) o.push_back({"!Kein Weis mehr", 0});
  offer(o);
  record(kind);
}

// [SECTION] Mau-Mau, War, Hearts, Go Fish, Old Maid

bool maumauMaySayLast(THand& playable) {
  int32_t seat = seatToAct();
  return gameAreas.maumauPlayableCards(playable) > 0 && cardsOf(seat) == 2 && !gameAreas.maumauSaidMau(seat);
}

// The penalty counter of kinds 31 and 32.
void maumauCount(int32_t kind) {
  THand playable;
  int32_t seat = seatToAct();
  bool saidAndCanPlay = gameAreas.maumauSaidMau(seat) && cardsOf(seat) == 2 && gameAreas.maumauPlayableCards(playable) > 0;
  int32_t& counter = gameAreas.maumauPenaltyCounter();
  if (!saidAndCanPlay) {
    bool stacking = kind == 31 ? gameAreas.maumauStackDraw() : gameAreas.maumauStackSkip();
    if (stacking || counter == 0) counter++;
  }
  gameAreas.maumauLastDecision() = kind;
}

void buildMaumauPlay() {
  perms(cardsOf(11) > 0 ? 1 : 0, 1, 1);
  THand playable;
  if (gameAreas.maumauPlayableCards(playable) == 0 && cardsOf(11) == 0) {
    offer({{key("f_ginrummy_pass"), 43}});
    record(43);
    return;
  }
  if (maumauMaySayLast(playable)) offer({{key("f_saylastcard"), 56}});
  else bl().showOptions = 0;
  record(37);
}

void buildContinue() {
  if (cg.gameId == gidWar) perms(0, 0, 1);
  else perms(0, -1, 1);
  offer({{key("f_dialog_weiter"), 37}});
  record(37);
}

void buildMaumauSkip(int32_t kind) {
  perms(0, -1, 1);
  if (kind == 31) maumauCount(kind);
  std::string first = kind == 31 ? "!" + coreLookupText("f_dialog_draw") +
                                       std::to_string(2 * gameAreas.maumauPenaltyCounter()) +
                                       coreLookupText("f_dialog_ziehen")
                                 : key("f_dialog_aussetzen");
  Opts o{{first, kind}};
  THand playable;
  if (maumauMaySayLast(playable)) o.push_back({key("f_saylastcard"), 56});
  offer(o);
  if (kind == 32) maumauCount(kind);
  record(kind);
}

void buildHeartsPass() {
  perms(0, 1, 1);
  static const char* directions[3] = {"f_hearts_links", "f_hearts_rechts", "f_hearts_gegenueber"};
  int32_t dir = std::clamp<int32_t>(gameAreas.heartsPassDirection(), 1, 3);
  offer({{spaced(directions[dir - 1]), 116}});
  bl().meldingMode = 1;
  bl().pileA = gameAreas.heartsPassPile();
  record(seatToAct() != 1 || engineAutoPlay() ? 116 : 113 + dir);
  gameAreas.heartsShowPassPrompt();
}

void buildGoFishGive() {
  perms(0, 0, 1);
  int32_t seat = seatToAct();
  int have = countRank(seatHand(seat), gameAreas.goFishAskedRank());
  offer({{key(have == 1 ? "f_gofish_givecard" : "f_gofish_givecards"), 120}});
  record(have > 1 && seat1WithoutAutoPlay() ? 123 : 120);
}

void buildGoFishDraw() {
  perms(1, 0, 1);
  bool stock = cardsOf(11) > 0;
  offer({{key(stock ? "f_gofish_drawcard" : "f_dialog_weiter"), 121}});
  record(!stock && seat1WithoutAutoPlay() ? 124 : 121);
}

void buildOldMaidPairs() {
  perms(0, 0, 1);
  int32_t rank = std::clamp<int32_t>(gameAreas.oldMaidRank(), 0, 20);
  std::string pair = coreLookupText("f_gofish_paircomplete", rankNameTable[4][rank]);
  offer({{"!" + coreLookupText("f_oldmaid_ablegen", pair), 123}});
  record(123);
}

// Kinds that only set permissions: kind, P, C, O, recorded.
struct TPlainKind {
  int32_t kind;
  int p, c, o;
};
constexpr TPlainKind plainKinds[] = {
    {58, 0, 1, 0}, {80, 0, 1, 0}, {75, 1, 0, 0}, {117, 0, 1, 0}, {122, 0, 1, 0},
};

bool buildPlainKind(int32_t kind) {
  for (const TPlainKind& k : plainKinds)
    if (k.kind == kind) {
      perms(k.p, k.c, k.o);
      if (kind == 75) bl().pileA = 12;
      record(kind);
      if (kind == 117 && seat1WithoutAutoPlay() && cardsOf(1) == 13) record(118);
      if (kind == 122 && gameAreas.oldMaidFirstCount() != 0) record(121);
      return true;
    }
  return false;
}

// [SECTION] dispatch

bool buildSpecialKind(int32_t kind) {
  switch (kind) {
    case 48: case 49: buildSkatBid(kind); return true;
    case 53: case 54: buildSkatPress(kind); return true;
    case 55: buildSkatGameChoice(); return true;
    case 66: buildGesund(); return true;
    case 47: buildPlayCard47(); return true;
    case 89: buildDoppelkopfAnnouncement(); return true;
    case 84: buildReservation(); return true;
    case 88: buildSoloType(); return true;
    case 93: buildAlsoPlay(); return true;
    case 92: buildSchafkopfContract(); return true;
    case 91: buildCalledSuit(); return true;
    case 78: buildRommeDraw(); return true;
    case 79: case 125: buildRommeMeld(kind); return true;
    case 71: buildGinKnock(); return true;
    case 81:
      perms(1, 0, 0);
      bl().pileA = 11;
      bl().pileB = gameAreas.canastaCanTakePile() ? 13 : 0;
      record(81);
      return true;
    case 82: buildCanastaMeld(); return true;
    case 70: case 76: buildSchwimmen(kind); return true;
    case 98: buildPokerAct(); return true;
    case 102: buildPokerHandOver(); return true;
    case 106: buildBlackjackBet(); return true;
    case 107: buildBlackjackPlay(); return true;
    case 103: buildSchnapsen(); return true;
    case 110: case 111: buildJassTrump(kind); return true;
    case 113: case 114: buildJassWeis(kind); return true;
    default: return false;
  }
}

bool buildFamilyKind(int32_t kind) {
  switch (kind) {
    case 37:
      if (cg.gameId == gidMauMau) buildMaumauPlay();
      else buildContinue();
      return true;
    case 35:
      perms(cg.gs.savedBl.pilesSelectable, -1, 1);
      offer({{key("f_dialog_weiter"), 37}});
      record(37);
      return true;
    case 33:
      perms(0, 0, 1);
      offer(suitOptions(true));
      record(33);
      return true;
    case 31: case 32: buildMaumauSkip(kind); return true;
    case 124:
      perms(1, -1, 1);
      bl().pileA = seatToAct();
      offer({{key("f_gofish_drawcard"), 124}});
      record(124);
      return true;
    case 116: buildHeartsPass(); return true;
    case 118:
      perms(0, 1, 1);
      goFishQuestionOptions();
      bl().meldingMode = gameAreas.goFishFlag() ? 0 : 1;
      record(118);
      return true;
    case 120: buildGoFishGive(); return true;
    case 121: buildGoFishDraw(); return true;
    case 123: buildOldMaidPairs(); return true;
    default: return false;
  }
}

}  // namespace

void buildDecisionKind(int32_t kind) {
  if (buildFixedKind(kind) || buildPlainKind(kind) || buildSpecialKind(kind) || buildFamilyKind(kind)) return;
  // A kind without a branch leaves the options as they were.
  gameAreas.maumauPenaltyCounter() = 0;
  gameAreas.maumauLastDecision() = 0;
}
