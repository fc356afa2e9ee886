// Skat's callbacks for the core and the card table, the check of every accepted action,
// the trick-end checks, the game name and the table panel's marks.
//
// [SECTION] new game and resume
// [SECTION] list, result and highscore
// [SECTION] the check of accepted actions
// [SECTION] the table's questions
// [SECTION] trick-end checks and the game name
// [SECTION] the table panel
// [SECTION] remarks
#include "games/skat/skat_callbacks.h"

#include <algorithm>
#include <cmath>

#include "core/card_order.h"
#include "core/cg.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "games/skat/skat_ai.h"
#include "games/skat/skat_ai_resume.h"
#include "games/skat/skat_bid_values.h"
#include "games/skat/skat_bock_ramsch.h"
#include "games/skat/skat_deck.h"
#include "games/skat/skat_game_step.h"
#include "games/skat/skat_options_io.h"
#include "games/skat/skat_rules.h"
#include "games/skat/skat_services.h"
#include "games/skat/skat_settlement.h"
#include "games/skat/skat_step_internal.h"
#include "net/net_sync.h"
#include "platform/random.h"
#include "shell/game_dialogs.h"
#include "shell/shell_globals.h"
#include "shell/shell_state.h"
#include "shell/table_textures.h"
#include "sound/sound_events.h"
#include "table/deal_moves.h"
#include "table/stack_ops.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

// [SECTION] new game and resume

namespace {

const TSkatOptions& options() { return skatArea->options; }

// The game record's per-game fields start afresh; the overbid type keeps the previous game's.
void resetGameRecord() {
  TSkatGameRecord& g = *skatGame;
  g.overbidGameType = g.gameType;
  g.gameType = skatTypeNone;
  g.level = skatLevelNormal;
  g.handGame = 0;
  g.won = 0;
  g.bockGame = 0;
  g.ramschGame = 0;
  g.schiebenRound = 0;
  g.rumGame = 0;
  g.multiplier = 0;
  g.gameValue = 0;
  g.declarerPoints = g.defenderPoints = 0;
  g.pushCount = g.jungfrauLoser = g.kontraLevel = 0;
  g.spitzeWrong = 0;
  g.spitzeAnnounced = 0;
  nullTrickTaken = 0;
}

void emptyAllStacks() {
  for (int32_t i = 1; i <= stackCount; i++) {
    clearHand(sp[i].hand);
    syncSlotsFromHand(sp[i]);
  }
}

int32_t firstDealer() {
  int32_t d = options().firstDealer;
  if (d >= 1 && d <= 3) return d;
  return std::clamp(static_cast<int32_t>(std::nearbyint(randomReal() * 3 + 0.5)), 1, 3);
}

}  // namespace

void skatNewGame(bool newList) {
  skatAttachArea(skatGameArea());
  resetGameRecord();
  emptyAllStacks();
  skatTakeSpecialGameMarker();
  cg.seatCount = 3;
  playerCount = 3;
  if (newList && !isNetGame()) skatReadOptions();
  cg.prepareNewGame();
  skatInitSortKeys();
  skatBuildBidValues(options().grandBase);
  netSyncNewRound(newList);
  TSkatArea& a = *skatArea;
  if (newList) {
    pendingSpecialGames = "";
    a.specialGameMarker = "";
    skatBuildBidValues(options().grand20 ? 20 : 24);
    a.skatDealerSeat = firstDealer();
  } else {
    a.skatDealerSeat = skatNextPlayer(a.skatDealerSeat >= 1 && a.skatDealerSeat <= 3 ? a.skatDealerSeat : 3);
  }
  for (int32_t s = 1; s <= 3; s++) {
    skatGame->jungfrauAnnounced[s] = 0;
    skatGame->noTrickYet[s] = 1;
    clearHand(wonCards[s]);
    clearHand(sp[s].hand);
  }
  skatClearSaid();
}

namespace {

// The trick's cards lie where each seat put them.
void replaceTrickCards() {
  TSpieler& trick = sp[skatTrickStack];
  for (int32_t k = 1; k <= std::min(3, stackUsed(trick)); k++)
    for (int32_t s = 1; s <= 3; s++)
      if (!isNoCard(trickBySeat.k[s]) && cardsEqual(trick.slots[k].card, trickBySeat.k[s])) {
        setPlacement(trick.slots[k], scatterTrickCard(s, s));
        trick.slots[k].pose.z = 0.5f * k - 97.5f;
      }
}

}  // namespace

void skatResume() {
  skatAttachArea(skatGameArea());
  cg.prepareResume();
  cg.seatCount = 3;
  playerCount = 3;
  for (int32_t i = 1; i <= stackCount; i++) syncHandFromSlots(sp[i]);
  skatInitTables();
  skatInitSortKeys();
  skatRestoreAIState();
  skatSetRankOrder(skatBid->gameType);
  skatShowGameTypeMark();
  skatUpdatePlayerLabels();
  skatMarkPlayers();
  replaceTrickCards();
}

// [SECTION] list, result and highscore

bool skatIsListOver() { return cg.gs.gamesPlayed >= options().listLength; }

void skatListText(std::string& out) {
  int32_t played = cg.gs.gamesPlayed;
  std::string length = std::to_string(options().listLength);
  out = std::to_string(played) + skatLookupText(played == 1 ? "f_skat_spielgespielt" : "f_skat_spielegespielt", length);
  if (!options().bockRamsch) return;
  std::string pending = pendingSpecialGames.str();
  if (pending.size() >= 23) pending = pending.substr(0, 21) + "..";
  out += " " + skatLookupText("f_skat_sonderspiele") + ": " + (pending.empty() ? skatLookupText("f_skat_keine") : pending);
}

void skatResultText(const TGameResult& result, std::string& out) {
  out = result.kind == resultFinished ? result.longText : std::string();
}

void skatEnterHighscore(std::string& out) {
  int table = cg.gs.gamesPlayed >= 13 ? 3 : options().internationalRules ? 1 : 2;
  std::string name = cg.seatNameFit(1, false);
  if (name.size() > 100) name.resize(100);
  out = cg.enterHighscoreValue(gidSkat, table, cg.gs.listTotals[1], name, false);
}

// [SECTION] the check of accepted actions

namespace {

bool isOffered(int32_t value) {
  const TDecisionBlock& bl = cg.gs.bl;
  if (!bl.showOptions) return false;
  for (int32_t i = 1; i <= std::min(bl.optionCount, decisionOptionCapacity); i++)
    if (bl.optionValues[i] == value) return true;
  return false;
}

// A bid needs a value left in the bid list.
bool bidPossible(int32_t value) {
  if (cg.gs.bl.decisionKind != 48 || value != 41) return true;
  const TSkatArea& a = *skatArea;
  return a.skatBidIndex >= 1 && a.skatBidIndex <= a.skatBidCount && a.skatBidList[a.skatBidIndex] > a.currentBid;
}

bool isPressing() { return cg.gs.bl.decisionKind == 53 || cg.gs.bl.decisionKind == 54; }

std::string cardRefusal(int32_t slot) {
  int32_t seat = cg.gs.akspieler;
  if (seat < 1 || seat > 3) return "kein Spieler am Zug";
  if (slot < 1 || slot > stackUsed(sp[seat])) return "keine Karte an Stelle " + std::to_string(slot);
  int32_t kind = cg.gs.bl.decisionKind;
  if (kind != 58 && !isPressing()) return "die Entscheidung " + std::to_string(kind) + " nimmt keine Karte";
  syncHandFromSlots(sp[seat]);
  if (!skatIsLegalCard(sp[seat].slots[slot].card)) return "die Karte darf jetzt nicht gegeben werden";
  return {};
}

std::string actionRefusal(int kind, int32_t b) {
  switch (kind) {
    case skatActionCard: return cardRefusal(b);
    case skatActionOption:
      if (!isOffered(b)) return "die Antwort " + std::to_string(b) + " steht nicht zur Wahl";
      if (!bidPossible(b)) return "es gibt keinen höheren Reizwert";
      return {};
    case skatActionPile:
      if (!isPressing()) return "die Entscheidung nimmt keinen Stapel";
      if (stackUsed(sp[skatStockStack]) == 0) return "der Skat ist leer";
      return {};
    default: return "Aktion " + std::to_string(kind) + " gehört nicht zu Skat";
  }
}

}  // namespace

bool skatCheckAction(int kind, int32_t a, int32_t b) {
  std::string why = actionRefusal(kind, b);
  if (why.empty()) return true;
  skatTrace("Skat: abgelehnt (Spieler " + std::to_string(cg.gs.akspieler) + ", Entscheidung " +
            std::to_string(cg.gs.bl.decisionKind) + ", Art " + std::to_string(kind) + ", " + std::to_string(a) +
            ", " + std::to_string(b) + "): " + why);
  cg.gs.getBlender.kind = skatActionUsed;
  cg.gs.awaitingAction = 2;
  cg.showDecisionDialog(false, false);
  return false;
}

// [SECTION] the table's questions

namespace {

bool skatOnTable() { return cg.gameId == gidSkat; }

int32_t seatHolding(const TCard& card) {
  for (int32_t s = 1; s <= 3; s++)
    if (hasCard(sp[s].hand, card)) return s;
  return 1;
}

}  // namespace

bool skatIsSeatHandOpen(int32_t seat, bool flag) {
  if (!skatOnTable()) return false;
  uint8_t phase = cg.gs.phase;
  if (phase != skatPhaseTricks && phase != skatPhaseKontra) return false;
  if (seat == 1 && !flag) return false;
  return seat == skatGame->declarer && skatGame->level == skatLevelOffen;
}

bool skatIsLegalCard(const TCard& card) {
  uint8_t phase = cg.gs.phase;
  if (phase == skatPhaseDeal || phase == skatPhaseBidding || phase == skatPhaseDeclaring) return true;
  if (phase == skatPhaseSchieben && card.t == rankJack && !options().jacksMayBePushed) return false;
  // The card follows the led suit (or trumps), or its seat holds none of them: the answer
  // of the trick's legal cards, without building that list for every card pressed.
  const THand& hand = sp[seatHolding(card)].hand;
  if (!hasCard(hand, card)) return false;
  if (handUsed(trickCards) == 0) return true;
  const TCard& led = trickCards.k[1];
  const int wanted = isTrump(led) ? suitTrumps : led.f;
  auto follows = [wanted](const TCard& c) {
    const bool trump = isTrump(c);
    return wanted == suitTrumps ? trump : c.f == wanted && !trump;
  };
  if (follows(card)) return true;
  for (int i = 1; i <= handUsed(hand); i++)
    if (follows(hand.k[i])) return false;
  return true;
}

bool skatIsLegalFollow() { return true; }

bool skatAllCardsSelectable() {
  uint8_t phase = cg.gs.phase;
  return phase == skatPhaseBidding || phase == skatPhaseDeclaring || cg.gs.tutorialMode;
}

// [SECTION] trick-end checks and the game name

namespace {

enum : int32_t { endNone, endAllPlayed, endSchwarzBroken, endNullTrick, endJungfrau, endSpitze };

void checkSpitze(int32_t winner) {
  TSkatGameRecord& g = *skatGame;
  int32_t type = g.gameType;
  if (!g.spitzeAnnounced || type < skatTypeClubs || type > skatTypeDiamonds) return;
  if (!hasCard(lastTrick, makeCard(rank7, type))) return;
  if (stackUsed(sp[1]) > 0 || winner != g.declarer) g.spitzeWrong = 1;
}

}  // namespace

bool skatTrickEndChecks(int32_t winner) {
  TSkatGameRecord& g = *skatGame;
  if (winner < 1 || winner > 3) return false;
  checkSpitze(winner);
  g.noTrickYet[winner] = 0;
  bool jungfrau = g.jungfrauAnnounced[winner] != 0;
  if (jungfrau) g.jungfrauLoser = winner;
  skatBid->leadSeat = winner;
  bool declarer = winner == g.declarer;
  int32_t reason = endNone;
  if (stackUsed(sp[winner]) == 0) reason = endAllPlayed;
  bool announcedSchwarz = g.level == skatLevelSchwarzAnnounced || g.level == skatLevelOffen;
  if (!declarer && announcedSchwarz && g.gameType != skatTypeNull) reason = endSchwarzBroken;
  if (declarer && g.gameType == skatTypeNull) reason = endNullTrick;
  if (jungfrau && g.gameType == skatTypeRamsch) reason = endJungfrau;
  if (g.spitzeWrong) reason = endSpitze;
  if (reason == endNone) return false;
  nullTrickTaken = reason > endAllPlayed ? 1 : 0;
  return true;
}

void skatGameName(std::string& out) {
  const TSkatGameRecord& g = *skatGame;
  out = skatTypeName(g.gameType);
  if (g.handGame) out += " Hand";
  const char* level = g.level == skatLevelOffen              ? "f_skat_offen"
                      : g.level == skatLevelSchwarzAnnounced ? "f_skat_schwarz"
                      : g.level == skatLevelSchneiderAnnounced ? "f_skat_schneider"
                                                               : nullptr;
  if (level) out += " " + skatLookupText(level);
  if (g.spitzeAnnounced) out += " " + skatLookupText("f_skat_spitze");
}

// [SECTION] the table panel

namespace {

bool panelExists() { return dlgIPanel != 0; }

// The game type's mark: suits 1..4 on the suit icons, Null, Grand and Ramsch on the
// contract icons.
int32_t markElement(int32_t type) {
  if (type >= skatTypeClubs && type <= skatTypeDiamonds) return elSuitIcons[type];
  if (type >= skatTypeNull && type <= skatTypeRamsch) return elContractIcons[type - skatTypeNull + 1];
  return 0;
}

bool gameTypeKnown() {
  uint8_t phase = cg.gs.phase;
  if (phase == skatPhaseDeal || phase == skatPhaseBidding) return false;
  return phase != skatPhaseDeclaring || cg.gs.step == 11;
}

}  // namespace

void skatShowGameTypeMark() {
  if (screenMode == 0 || !panelExists()) return;
  setDialogOpen(dlgIPanel, 1);
  for (int32_t e = 1; e <= 8; e++) setElementShown(dlgIPanel, e, 0);
  for (int32_t i = 1; i <= 4; i++) setElementShown(dlgIPanel, elSuitIcons[i], 0);
  for (int32_t i = 1; i <= 3; i++) setElementShown(dlgIPanel, elContractIcons[i], 0);
  int32_t e = markElement(skatBid->gameType);
  if (e != 0 && gameTypeKnown()) setElementShown(dlgIPanel, e, 1);
}

void skatUpdatePlayerLabels() {
  if (!panelExists()) return;
  uint8_t phase = cg.gs.phase;
  bool asking = phase == skatPhaseBidding || phase == skatPhaseDeclaring;
  const int32_t type = skatGame->gameType;
  const bool typeMark = (type >= skatTypeClubs && type <= skatTypeDiamonds) || (type >= skatTypeNull && type <= skatTypeRamsch);
  for (int32_t s = 1; s <= 3; s++) {
    bool visible = asking && s == cg.gs.akspieler;
    if (visible) setElementPicture(dlgIPanel, elTurnMarker[s], texTurnMarker);
    if (phase == skatPhaseTricks && s == skatGame->declarer && !skatGame->ramschGame) {
      visible = true;
      if (typeMark) setElementPicture(dlgIPanel, elTurnMarker[s], texSuitIcons[type]);
    }
    setElementVisible(dlgIPanel, elTurnMarker[s], visible ? 1 : 0);
  }
}

void skatMarkPlayers() {
  syncHandFromSlots(sp[1]);
  if (!panelExists()) return;
  bool all = skatAllCardsSelectable();
  for (int32_t n = 1; n <= std::min(54, handUsed(sp[1].hand)); n++)
    setElementEnabled(dlgIPanel, elActionButtons[n], all || skatIsLegalCard(sp[1].hand.k[n]) ? 1 : 0);
}

void skatEnableHandCardButtons() {
  if (!panelExists()) return;
  for (int32_t n = 1; n <= 54; n++) setElementEnabled(dlgIPanel, elActionButtons[n], 1);
}

// [SECTION] remarks

namespace {

// The chance value of a remark on a trick worth `points`, and its level; 0 for no remark.
int32_t trickChance(int32_t points, int32_t& level) {
  constexpr struct {
    int32_t points, chance, level;
  } steps[] = {{30, 82, 3}, {24, 70, 2}, {20, 58, 1}};
  for (const auto& s : steps)
    if (points >= s.points) {
      level = s.level;
      return s.chance;
    }
  return 0;
}

constexpr int32_t kontraChances[] = {0, 70, 85, 92, 96};

}  // namespace

void skatSound(int32_t type, int32_t seat, int32_t value) {
  if (isNetGame() && cg.seatRecords[seat].kind == 2) return;
  if (type == 3) {
    int32_t level = skatGame->kontraLevel;
    if (cg.gs.akspieler != 1 && level >= 1 && level <= 4) soundContainer.sayComment(seat, 2, 0, 0, kontraChances[level]);
    return;
  }
  if (skatIsNullOrRamsch() || skatGame->gameType == skatTypeRamsch) return;
  int32_t level = 0;
  int32_t chance = trickChance(value, level);
  if (chance == 0) return;
  soundContainer.sayComment(seat, 0, 0, type == 2 ? -level : level, chance);
}
