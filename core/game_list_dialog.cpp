// The game-list dialog "Spielliste": layouts, the standard tables, the ranking table, the
// Gin Rummy bonus rows, the summary line, the winner sentence and the standings view.
//
// [SECTION] layouts and list helpers
// [SECTION] standard tables
// [SECTION] ranking table
// [SECTION] summary, caption and winner sentence
// [SECTION] standings view and menu button
#include "core/game_list_dialog.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "core/cg.h"
#include "core/core_messages.h"
#include "core/game_areas.h"
#include "core/game_callbacks.h"
#include "core/game_list.h"
#include "engine/dialogs.h"
#include "engine/element_activation.h"
#include "engine/elements.h"
#include "engine/relayout.h"
#include "engine/skins.h"
#include "engine/text_width.h"
#include "games/casino/chips.h"
#include "net/net_transport.h"
#include "shell/game_dialogs.h"
#include "shell/shell_globals.h"
#include "shell/shell_state.h"

namespace {

// [SECTION] layouts and list helpers

int seats() { return std::clamp(int(playerCount), 0, 6); }

// Appends a row to a list of the game-list dialog (the dialog is the current one).
void addRow(int32_t list, const std::vector<std::string>& cells) {
  for (const std::string& cell : cells) addItem(list, cell, 0);
}

std::vector<std::string> emptyRow(int n) { return std::vector<std::string>(size_t(std::max(n, 0))); }

std::string name(int seat) { return cg.seatNameFit(seat, true); }

struct TGameListLayout {
  int32_t x, y, width, height;
  int32_t list1Width, list1Height, list1Columns, list1Picture;
  int32_t captionY, continueX, continueY;
  bool list2Shown;
};
constexpr TGameListLayout resultLayout = {80, 50, 640, 500, 580, 180, -1, 0, 401, 205, 440, true};
constexpr TGameListLayout rankingLayout = {170, 95, 460, 420, 395, 190, 4, -7, 320, 160, 390, false};

void applyLayout(const TGameListLayout& l) {
  if (dlgGameList == 0) return;
  TVTLDialog& d = dialogOf(dlgGameList);
  d.x = int16_t(l.x), d.y = int16_t(l.y), d.width = int16_t(l.width), d.height = int16_t(l.height);
  d.savedX = l.x, d.savedWidth = l.width;
  TVTLElement& list1 = elementOf(dlgGameList, elGameList1);
  list1.width = list1.savedWidth = l.list1Width;
  list1.height = l.list1Height;
  if (l.list1Columns > 0) list1.columns = int16_t(l.list1Columns);
  list1.picture = int16_t(l.list1Picture);
  elementOf(dlgGameList, elGameListCaption).y = int16_t(l.captionY);
  TVTLElement& cont = elementOf(dlgGameList, elGameListContinue);
  cont.x = int16_t(l.continueX), cont.y = int16_t(l.continueY), cont.savedX = l.continueX;
  setElementVisible(dlgGameList, elGameList2, l.list2Shown ? 1 : 0);
  adjustGameListDialog();
  relayoutAllDialogs();
}

}  // namespace

void layoutResultDialog() { applyLayout(resultLayout); }
void layoutRankingDialog() { applyLayout(rankingLayout); }

bool prepareGameListDialog() {
  if (dlgGameList == 0) return false;
  clearItems(dlgGameList, elGameList1, true);
  clearItems(dlgGameList, elGameList2, true);
  elementOf(dlgGameList, elGameList1).columns = int16_t(playerCount + 2);
  elementOf(dlgGameList, elGameList2).columns = int16_t(playerCount + 3);
  setCurrentDialog(dlgGameList);
  return true;
}

std::string euroText(double amount) {
  // Whole cents first: a small negative standing must not show as "-0,00".
  double cents = std::nearbyint(amount * 100);
  if (cents == 0) cents = 0;  // turns -0.0 into 0.0
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.2f", cents / 100);
  std::string t = buf;
  std::replace(t.begin(), t.end(), '.', ',');
  return t + " €";
}

// [SECTION] standard tables

namespace {

std::vector<std::string> headerRow(int extraAfter) {
  std::vector<std::string> row{"!"};
  for (int i = 1; i <= seats(); i++) row.push_back((i % 2 ? "!" : "!^") + name(i));
  for (int k = 0; k < extraAfter; k++) row.push_back("!");
  return row;
}

void fillList1() {
  addRow(elGameList1, headerRow(1));
  int32_t n = cg.gs.gamesPlayed;
  for (int32_t g = std::max(1, n - n % gameListRows); g <= n; g++) {
    std::vector<std::string> row{"!" + std::to_string(g) + "."};
    for (int i = 1; i <= seats(); i++) row.push_back("!" + cg.pointsText(gameListValue(g, i), false));
    row.push_back(gameListRowText(g));
    addRow(elGameList1, row);
  }
  if (cg.gameId == gidRomme && rommeIsGinVariant()) cg.addGinBonusRows();
  addRow(elGameList1, emptyRow(seats() + 2));
}

// The label and its place: below six seats in the last column, with six in the last but one.
void addLabelledRow(std::vector<std::string> row, const std::string& label) {
  if (seats() < 6) row.push_back("!");
  row.push_back(label);
  if (seats() == 6) row.push_back("!");
  addRow(elGameList2, row);
}

bool hasMoneyRow() {
  switch (cg.gameId) {
    case gidMauMau: case gidCanasta: case gidPoker: case gidBlackjack: case gidHearts: case gidWar:
    case gidGoFish: case gidOldMaid:
      return false;
    case gidSchafkopf: return gameAreas.schafkopfTariff() != 0;
    default: return true;
  }
}

const char* skatTariffText(int32_t rate) {
  switch (rate) {
    case 1: return "[1/10 ct pro Punkt]";
    case 2: return "[1/4 ct pro Punkt]";
    case 3: return "[1/2 ct pro Punkt]";
    default: return "[1 ct pro Punkt]";
  }
}

void addMoneyRow(bool atGameEnd) {
  std::vector<std::string> row{""};
  std::string label = coreLookupText("f_dialog_gewinnverlust");
  if (cg.gameId == gidSchafkopf) {
    int32_t tariff = gameAreas.schafkopfTariff();
    for (int i = 1; i <= seats(); i++) {
      cg.gs.matchScore[i] = cg.gs.listTotals[i];
      row.push_back("!" + euroText(std::nearbyint(double(cg.gs.matchScore[i]) * tariff) / 100));
    }
    label = coreLookupText("f_dialog_gewinn") + " [" + std::to_string(tariff) + " ct/Pkt]";
  } else if (cg.gameId == gidSkat && gameAreas.skatPlaysForMoney()) {
    static constexpr double divisors[5] = {10, 10, 4, 2, 1};
    int32_t rate = gameAreas.skatMoneyRate();
    double d = divisors[std::clamp(rate, 1, 4)];
    static const char* prefixes[3] = {"!", "! ", "!  "};
    for (int i = 1; i <= seats(); i++)
      row.push_back((atGameEnd ? prefixes[std::min(i, 3) - 1] : "!") + euroText(std::nearbyint(cg.gs.matchScore[i] / d) / 100));
    label = coreLookupText("f_dialog_gewinn") + " " + skatTariffText(rate);
  } else {
    for (int i = 1; i <= seats(); i++) row.push_back("!" + cg.pointsText(cg.gs.matchScore[i], true));
    if (cg.gameId == gidRomme && rommeIsGinVariant()) label += gameAreas.ginBonusText(0);
  }
  addLabelledRow(row, label);
}

void fillList2(bool atGameEnd) {
  addRow(elGameList2, headerRow(2));
  std::vector<std::string> totals{""};
  for (int i = 1; i <= seats(); i++) totals.push_back("!" + cg.pointsText(cg.gs.listTotals[i], true));
  bool chips = cg.gameId == gidPoker || cg.gameId == gidBlackjack;
  addLabelledRow(totals, chips ? "Cash" : coreLookupText("f_dialog_summe"));
  if (hasMoneyRow()) addMoneyRow(atGameEnd);
  addRow(elGameList2, emptyRow(seats() + 3));
}

}  // namespace

void fillStandardTables(bool atGameEnd) {
  if (dlgGameList == 0) return;
  setCurrentDialog(dlgGameList);
  fillList1();
  fillList2(atGameEnd);
}

void TCG::addGinBonusRows() {
  for (int i = 1; i <= 6; i++) gs.matchScore[i] = gs.listTotals[i];
  if (!gs.listOver || dlgGameList == 0) return;
  for (int j = 1; j <= 3; j++) {
    if (gameAreas.ginBonusPoints(1, j) <= 0 && gameAreas.ginBonusPoints(2, j) <= 0) continue;
    std::vector<std::string> row{""};
    for (int i = 1; i <= seats(); i++) {
      int32_t bonus = gameAreas.ginBonusPoints(i, j);
      row.push_back(bonus == 0 ? "" : "!" + pointsText(bonus, false, true));
      gs.matchScore[i] += bonus;
    }
    row.push_back("+ " + gameAreas.ginBonusText(j));
    addRow(elGameList1, row);
  }
}

// [SECTION] ranking table

namespace {

int32_t& moneyOf(int seat) { return chipGames.seats[seat].money; }
bool poker() { return cg.gameId == gidPoker; }
int32_t placeOf(int seat) { return poker() ? gameAreas.pokerSeatPlace(seat) : chipGames.seats[seat].place; }
int32_t dropOutsOf(int seat) { return poker() ? gameAreas.pokerSeatOutAfter(seat) : chipGames.seats[seat].dropOuts; }
int32_t bigBlind() { return poker() ? gameAreas.pokerBigBlind() : chipGames.bigBlind; }
int32_t blindInterval() { return poker() ? gameAreas.pokerBlindEvery() : chipGames.blindInterval; }

bool rankedBefore(int b, int a) {
  bool pa = isSeatPlayable(a), pb = isSeatPlayable(b);
  if (pb && !pa) return true;
  if (pa && pb) return moneyOf(a) < moneyOf(b);
  if (!pa && !pb) return placeOf(b) < placeOf(a);
  return false;
}

std::vector<int> rankingOrder() {
  std::vector<int> order;
  for (int i = 1; i <= seats(); i++) {
    moneyOf(i) = i == chipGames.houseSeat ? -1 : chipStackValue(i);
    order.push_back(i);
  }
  for (int pass = 1; pass < seats(); pass++)
    for (size_t k = 0; k + 1 < order.size(); k++)
      if (rankedBefore(order[k + 1], order[k])) std::swap(order[k], order[k + 1]);
  return order;
}

bool stillInMoney(int seat) {
  if (cg.gameId == gidPoker) return isSeatPlayable(seat) && moneyOf(seat) >= bigBlind();
  return blackjackIsSeatInGame(seat) && moneyOf(seat) >= chipGames.minBet;
}

std::string rankingSummary() {
  int32_t played = cg.gs.gamesPlayed, length = chipGames.listLength;
  std::string s;
  if (length <= 200)
    s = coreLookupText(length == 1 ? "f_dialog_spiellisterunde1" : "f_dialog_spiellisterunden1", std::to_string(played),
                       std::to_string(length)) + "\r";
  else
    s = std::to_string(played) + coreLookupText(played == 1 ? "f_dialog_spielgespielt" : "f_dialog_spielegespielt") + "\r";
  if (blackjackPlayerReachedLimit()) {
    s.pop_back();
    s += " " + coreLookupText("f_dealerpleite") + "\r";
  }
  if (poker() && played >= 1 && blindInterval() > 0 && played % blindInterval() == 0)
    s += "Blinds wurden erhöht auf " + gameFormatMoney(bigBlind()) + " (B), " + gameFormatMoney(bigBlind() / 2) + " (S).";
  return s;
}

}  // namespace

void fillRankingTable(const TGameResult* result) {
  if (dlgGameList == 0) return;
  layoutRankingDialog();
  setCurrentDialog(dlgGameList);
  std::vector<int> order = rankingOrder();
  addRow(elGameList1, {"!" + coreLookupText("f_dialog_platz"), coreLookupText("*Name"), "!" + coreLookupText("f_spiel"),
                       "!" + coreLookupText("f_cash")});
  addRow(elGameList1, emptyRow(4));
  int rank = 1, firstOut = 9, userPosition = 1;
  chipGames.userFinalRank = order.empty() ? 0 : order[0];
  for (size_t k = 0; k < order.size(); k++) {
    int s = order[k], p = order[k == 0 ? 0 : k - 1];
    if (s == chipGames.houseSeat) continue;
    if (moneyOf(s) < moneyOf(p)) rank = int(k) + 1;
    if (dropOutsOf(s) > 0 && placeOf(s) > rank) rank = placeOf(s);
    if (s == 1) chipGames.userFinalRank = rank, userPosition = int(k) + 1;
    int32_t third = result ? result->values[s] : chipGames.seats[s].handAmount;
    std::string money = "!" + gameFormatMoney(moneyOf(s));
    if (!stillInMoney(s)) {
      money = "!" + coreLookupText("f_ausgeschieden");
      if (firstOut == 9) firstOut = int(k) + 2;
    }
    addRow(elGameList1, {"!" + std::to_string(rank) + ".", name(s), "!" + cg.pointsText(third, false), money});
  }
  addRow(elGameList1, emptyRow(4));
  setElementText3(dlgGameList, elGameList1, std::to_string(userPosition + 1) + std::to_string(firstOut));
  setGameListSummary(rankingSummary());
}

// [SECTION] summary, caption and winner sentence

void scrollGameListToEnd() {
  if (dlgGameList == 0) return;
  TVTLElement& list = elementOf(dlgGameList, elGameList1);
  setTopIndex(dlgGameList, elGameList1, std::max(0, list.itemCount - list.rows));
  // Up then Down, one step each, leave the list where it is and bring its scroll thumb to it.
  activateElement(dlgGameList, list.children[1]);
  activateElement(dlgGameList, list.children[2]);
}

void setGameListContinueCaption(bool listOver) {
  if (dlgGameList == 0) return;
  std::string caption = coreLookupText(listOver ? "f_dialog_ende" : "f_dialog_weiter").substr(0, 26);
  setElementText(dlgGameList, elGameListContinue, caption, 0);
  if (listOver && isNetGame()) netTransport.resultShown = true;
}

void setGameListSummary(const std::string& text) {
  if (dlgGameList == 0) return;
  float f = aspectFactor();
  TVTLElement& caption = elementOf(dlgGameList, elGameListCaption);
  caption.savedX = int32_t(std::nearbyint(f * dialogOf(dlgGameList).width / 2 - 40));
  caption.x = int16_t(std::nearbyint(caption.savedX / f));
  setElementText(dlgGameList, elGameListCaption, "!" + text, 0);
}

std::string formatWinnerSentence(const std::string& a, const std::string& b, const std::string& c,
                                 const std::string& d) {
  std::string u = coreLookupText("f_resultmessage_und");
  std::string g2 = coreLookupText("f_resultmessage_gewinnen");
  if (b.empty()) return a + " " + coreLookupText("f_resultmessage_gewinnt");
  if (c.empty()) return a + " " + u + " " + b + " " + g2;
  if (d.empty()) return a + ", " + b + " " + u + " " + c + " " + g2;
  return a + ", " + b + ", " + c + " " + u + " " + d + " " + g2;
}

std::string TCG::winnerSentence(const TGameResult& result) const {
  std::vector<std::string> names{seatName(result.mainSeat)};
  int main = std::clamp(result.mainSeat, 1, 6);
  for (int j = 1; j <= seats() && names.size() < 4; j++)
    if (j != result.mainSeat && result.values[j] == result.values[main]) names.push_back(seatName(j));
  names.resize(4);
  return formatWinnerSentence(names[0], names[1], names[2], names[3]);
}

// [SECTION] standings view and menu button

void TCG::showStandings() {
  if (!prepareGameListDialog()) return;
  elementOf(dlgGameList, elGameList1).picture = 0;
  switch (gameId) {
    case gidSchnapsen:
      layoutResultDialog();  // Schnapsen's own score sheet fills the lists once it exists
      break;
    case gidJass:
      setElementText(dlgGameList, elGameListCaption, "", 0);
      layoutResultDialog();
      if (const TGameCallbacks* t = registeredGameCallbacks(gameId); t && t->scoreSheet) t->scoreSheet(false);
      break;
    case gidPoker:
    case gidBlackjack:
      fillRankingTable(nullptr);
      break;
    default:
      layoutResultDialog();
      fillStandardTables(false);
  }
  scrollGameListToEnd();
  if (gameId != gidSkat && gameId != gidPoker && gameId != gidBlackjack) setGameListSummary("");
}

void TCG::setMenuButtonCaption(uint8_t mode) {
  screenMode = mode;
  if (dlgMenuBar == 0 || mode > 2) return;
  setElementHelpText(dlgMenuBar, elMenuButton, coreLookupText(mode == 0 ? "f_label_exitbtn" : "f_label_menubtn"));
}
