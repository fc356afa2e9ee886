// A whole Skat game played through the real window: the program started from a copy of its
// folder with a fixed seed, driven with real clicks (xdotool) from the main menu through the
// options dialog, the bidding, the Skat, the declaration and ten tricks to the game list, with
// screenshots checked at chosen pixels on the way. And the settings of "Anzeige" and Skat's
// options surviving a restart. Menu places come from the shell's own build without a window;
// the places of the decision panel's buttons and of the hand cards from the program's test
// report (SKAT_TEST_REPORT).
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "core/game_id.h"
#include "engine/dialog_state_files.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "shell/display_settings.h"
#include "shell/game_dialogs.h"
#include "shell/menus.h"
#include "shell/skat_options_dialog.h"
#include "tests/shell/shell_gl_fixture.h"
#include "tests/support/ppm_picture.h"
#include "tests/support/program_copy.h"
#include "tests/support/xdotool.h"

namespace {
using program_copy::readAll;
using program_copy::waitFor;

constexpr int kWindowWidth = 640, kWindowHeight = 480;
constexpr int kBidKinds[] = {48, 49};
constexpr int kGameTypeChoice = 55;
constexpr int kPhaseBidding = 6;  // Skat's bidding phase
constexpr const char* kResultTitle = "Spielergebnis";
constexpr int kPressingDone = 53;
constexpr int kCardKinds[] = {54, 58};
constexpr int kFastestSpeed = 6;  // "Blitzschnell"
constexpr int kShortTime = 5;     // "Sehr kurz": bubbles still stay long enough for a screenshot

struct Point {
  int x = -1, y = -1;
};

// The program's report read back: the last block of each subject.
struct Report {
  int screenMode = 0, topDialog = 0, phase = 0, box = 0;
  std::string boxTitle, boxText;  // of the engine's box while it shows
  std::vector<Point> boxButtons;
  int decisionKind = 0, optionCount = 0, waitsForCard = 0;
  struct Option {
    int i, value;
    Point at;
    std::string caption;
  };
  std::vector<Option> options;
  int handCount = -1;
  std::vector<Point> cards;
  std::map<int, Point> bubbles, marks;  // by seat, what shows now
  bool gameList = false;
  int decisions = 0, hands = 0;  // blocks seen so far

  explicit Report(const std::string& text) {
    std::istringstream lines(text);
    int seatOfBlock = 0;
    for (std::string line; std::getline(lines, line);) {
      std::istringstream in(line);
      std::string word;
      in >> word;
      if (word == "SCREEN") {
        in >> screenMode >> topDialog >> phase >> box;
        boxTitle.clear();
        boxText.clear();
        boxButtons.clear();
      } else if (word == "BOX") {
        std::string rest;
        std::getline(in, rest);
        rest.erase(0, 1);
        boxTitle = rest.substr(0, rest.find('|'));
        boxText = rest.substr(rest.find('|') + 1);
      } else if (word == "BOXBUTTON") {
        Point p;
        in >> p.x >> p.y;
        boxButtons.push_back(p);
      } else if (word == "DECISION") {
        in >> decisionKind >> optionCount >> waitsForCard;
        options.clear();
        decisions++;
      } else if (word == "OPTION") {
        Option o{};
        in >> o.i >> o.value >> o.at.x >> o.at.y;
        std::getline(in, o.caption);
        options.push_back(o);
      } else if (word == "HAND") {
        in >> handCount;
        cards.clear();
        hands++;
      } else if (word == "CARD") {
        int slot = 0, rank = 0, suit = 0;
        Point p;
        in >> slot >> rank >> suit >> p.x >> p.y;
        cards.push_back(p);
      } else if (word == "SEAT") {
        in >> seatOfBlock;
        bubbles.erase(seatOfBlock);
        marks.erase(seatOfBlock);
      } else if (word == "BUBBLE" || word == "MARK") {
        int seat = 0, picture = 0;
        Point p;
        in >> seat;
        if (word == "MARK") in >> picture;
        in >> p.x >> p.y;
        (word == "BUBBLE" ? bubbles : marks)[seat] = p;
      } else if (word == "GAMELIST") {
        int open = 0;
        in >> open;
        gameList = open != 0;
      }
    }
  }
};

template <size_t N>
bool contains(const int (&set)[N], int v) {
  return std::find(set, set + N, v) != set + N;
}

// The number of pixels in the box of half size r around p that differ clearly between a and b.
int changedPixels(const PpmPicture& a, const PpmPicture& b, Point p, int r) {
  int n = 0;
  for (int y = std::max(0, p.y - r); y < std::min(a.height, p.y + r); y++)
    for (int x = std::max(0, p.x - r); x < std::min(a.width, p.x + r); x++)
      if (a.difference(b, x, y) > 60) n++;
  return n;
}

class SkatWindowGL : public ShellGL {
 protected:
  // The window point of an element's centre, as the pointer's hit test counts (807 x 607
  // layout units across the window).
  static Point centre(int32_t d, int32_t e) {
    const TVTLDialog& dlg = dialogOf(d);
    const TVTLElement& el = elementOf(d, e);
    return {int((dlg.x + el.x + el.width / 2.0) * kWindowWidth / 807.0),
            int((dlg.y + el.y + el.height / 2.0) * kWindowHeight / 607.0)};
  }
  // The selector's arrow that shows the next entry: its rightmost child.
  static int32_t nextArrow(int32_t d, int32_t selector) {
    int32_t best = 0;
    for (int32_t e = 1; e <= dialogOf(d).count; e++)
      if (elementOf(d, e).controller == selector && (best == 0 || elementOf(d, e).x > elementOf(d, best).x)) best = e;
    return best;
  }

  void launch(ShellRun& program) {
    report = program.root / "report.txt";
    dump = program.root / "frame.ppm";
    // A second start begins with a report and pictures of its own.
    fs::remove(report);
    for (int n = 0; n <= shots; n++) fs::remove(n == 0 ? dump : fs::path(dump.string() + "." + std::to_string(n)));
    shots = 0;
    program.start("./skat",
                  {{"SKAT_SEED", "11"}, {"SKAT_FRAME_DUMP", dump.string()}, {"SKAT_TEST_REPORT", report.string()}});
    ASSERT_TRUE(waitFor([&] { return fs::exists(dump); }, 60)) << "no first frame";
    ASSERT_TRUE(waitFor([&] { return Report(readAll(report)).topDialog == dlgMainMenu; }, 30))
        << "the main menu did not come up:\n"
        << readAll(report);
    const std::string ids = xdotool("search --name '^Skat'");
    window = ids.substr(0, ids.find('\n'));
    ASSERT_FALSE(window.empty());
    pid = program.pid;
    ::usleep(500000);
  }
  void click(Point p) {
    xdotool("mousemove --window " + window + " " + std::to_string(p.x) + " " + std::to_string(p.y));
    xdotool("mousemove_relative -- 1 0");
    ::usleep(120000);
    xdotool("mousedown 1");
    ::usleep(100000);
    xdotool("mouseup 1");
  }
  void clickElement(int32_t d, int32_t e) {
    ASSERT_NE(e, 0);
    click(centre(d, e));
  }
  Report now() const { return Report(readAll(report)); }
  // The report's last lines, for a failure's message.
  std::string tail() const {
    const std::string text = readAll(report);
    std::string lines;
    for (const std::string& line : {text.substr(text.size() > 1500 ? text.size() - 1500 : 0)}) lines = line;
    return "\nthe report ends:\n" + lines;
  }
  bool waitForTop(int32_t d) {
    return waitFor([&] { return now().topDialog == d; }, 15);
  }
  // The next frame the program presents.
  PpmPicture shot() {
    PpmPicture p;
    const fs::path next = dump.string() + "." + std::to_string(++shots);
    ::kill(pid, SIGUSR1);
    waitFor([&] { return p.read(next); }, 10);
    return p;
  }

  fs::path report, dump;
  std::string window;
  pid_t pid = -1;
  int shots = 0;
};

// "Anzeige" at its fastest, written as the program's state file before it starts.
void writeFastDisplay(ShellRun& program) {
  const std::string file = program.settings(dlgDisplay).string();
  loadDialogState(dlgDisplay, file, 0);
  setTopIndex(dlgDisplay, elDisplaySpeedList, kFastestSpeed);
  setTopIndex(dlgDisplay, elDisplayTimeList, kShortTime);
  saveDialogState(dlgDisplay, file);
}

// The option a player who wants to declare picks: always bid, a suit game (its mark is a
// suit picture), done after pressing, else the first.
const Report::Option& chosenOption(const Report& r) {
  if (r.decisionKind == kGameTypeChoice && r.options.size() >= 2) return r.options[1];
  return r.options.front();
}

}  // namespace

TEST_F(SkatWindowGL, AWholeGameRunsThroughTheWindowFromTheMenuToTheGameList) {
  ShellRun program(false);
  ASSERT_TRUE(program.markedSecond);
  writeFastDisplay(program);
  launch(program);
  if (HasFatalFailure()) return;

  // The main menu: its buttons stand out from the empty screen beside it.
  const PpmPicture menu = shot();
  ASSERT_EQ(menu.width, kWindowWidth);
  const Point newGame = centre(dlgMainMenu, elMainMenuNewGame);
  EXPECT_GT(menu.at(newGame.x, newGame.y).b - menu.at(5, kWindowHeight / 2).b, 60)
      << "\"Neues Spiel\" is drawn at " << newGame.x << "," << newGame.y;

  clickElement(dlgMainMenu, elMainMenuNewGame);
  ASSERT_TRUE(waitForTop(dlgNewGame)) << readAll(report);
  clickElement(dlgNewGame, elNewGameSingle);
  const int32_t options = dlgGameOptions[gidSkat];
  ASSERT_TRUE(waitForTop(options)) << "\"Einzelspiel\" did not open Skat's options:\n" << readAll(report);
  ::usleep(400000);
  const PpmPicture optionsShot = shot();
  const Point start = centre(options, 2);
  EXPECT_GT(changedPixels(menu, optionsShot, start, 10), 40) << "\"Starten\" is drawn at " << start.x << "," << start.y;
  clickElement(options, 2);

  // The game: answer every decision, press and play by clicking hand cards.
  std::string resultText;
  PpmPicture decisionShot, rowGone, bubbleShot, bubbleGone, markShot, beforeMark;
  std::vector<Report::Option> bidOptions;
  Point bubbleAt, markAt;
  int bubbleSeat = 0, lastDecisions = -1, tried = 0, lastHands = -1, cardClicks = 0;
  bool declared = false;
  const bool finished = waitFor(
      [&] {
        const Report r = now();
        if (r.gameList) return true;
        if (r.box) {
          // The game's result shows in the box; anything else there is an alert.
          if (r.boxTitle != kResultTitle || r.boxButtons.empty()) return true;
          if (resultText.empty()) resultText = r.boxText;
          click(r.boxButtons.front());
          waitFor([&] { return now().box == 0; }, 2);
          return false;
        }
        if (decisionShot.width == 0 && contains(kBidKinds, r.decisionKind) && !r.options.empty()) {
          ::usleep(300000);
          decisionShot = shot();
          bidOptions = r.options;
        }
        // A computer seat's bubble during the bidding, and the same place once it is gone.
        for (const auto& [seat, at] : r.bubbles)
          if (seat != 1 && bubbleShot.width == 0 && r.phase == kPhaseBidding) {
            bubbleSeat = seat;
            bubbleAt = at;
            ::usleep(120000);  // past its fade-in
            bubbleShot = shot();
          }
        if (bubbleShot.width > 0 && bubbleGone.width == 0 && r.bubbles.count(bubbleSeat) == 0 &&
            r.phase == kPhaseBidding)
          bubbleGone = shot();
        if (declared && markShot.width == 0 && !r.marks.empty() && r.marks.count(1) != 0) {
          markAt = r.marks.at(1);
          ::usleep(300000);
          markShot = shot();
        }
        if (!r.options.empty() && r.decisions != lastDecisions && !contains(kCardKinds, r.decisionKind)) {
          lastDecisions = r.decisions;
          if (r.decisionKind == kGameTypeChoice) {
            beforeMark = shot();
            declared = true;
          }
          ::usleep(150000);
          click(chosenOption(r).at);
          if (rowGone.width == 0 && !bidOptions.empty()) {
            ::usleep(300000);
            rowGone = shot();
          }
          return false;
        }
        if (r.waitsForCard && contains(kCardKinds, r.decisionKind) && r.handCount > 0 &&
            int(r.cards.size()) == r.handCount) {
          if (r.hands != lastHands) {
            lastHands = r.hands;
            tried = 0;
          } else if (++tried > 12) {
            tried = 0;  // every card was tried; the next round starts over
          }
          // The decision waits for a card: an illegal one does nothing, so the next is tried.
          const Point p = r.cards[size_t(tried % r.handCount)];
          click(p);
          cardClicks++;
          // A card taken ends the wait for the user at once.
          if (waitFor([&] { return now().waitsForCard == 0; }, 0.4)) waitFor([&] { return now().hands != r.hands; }, 3);
        }
        return false;
      },
      300);  // a loaded two-core machine plays the game in about a minute
  const Report last = now();
  const std::string text = readAll(report);
  ASSERT_TRUE(finished) << "the game list never came up; the report ends:\n"
                        << text.substr(text.size() > 3000 ? text.size() - 3000 : 0);
  EXPECT_EQ(last.box, 0) << "an alert opened: " << last.boxTitle << "|" << last.boxText;
  EXPECT_FALSE(resultText.empty()) << "the game's result was never shown";
  EXPECT_TRUE(last.gameList);
  EXPECT_GE(cardClicks, 10);

  ASSERT_GT(decisionShot.width, 0) << "no bidding row was shown";
  for (const Report::Option& o : bidOptions)
    EXPECT_GT(changedPixels(decisionShot, rowGone, o.at, 8), 30)
        << "option " << o.i << " is drawn at " << o.at.x << "," << o.at.y;
  ASSERT_GT(bubbleShot.width, 0) << "no seat spoke during the bidding";
  ASSERT_GT(bubbleGone.width, 0) << "seat " << bubbleSeat << "'s bubble never went";
  EXPECT_GT(changedPixels(bubbleGone, bubbleShot, bubbleAt, 25), 30)
      << "seat " << bubbleSeat << "'s bubble at " << bubbleAt.x << "," << bubbleAt.y;
  ASSERT_GT(markShot.width, 0) << "the declarer's game mark never showed";
  // The user's mark rises from the seat plate (reported, below the window) into the corner
  // left of the hand.
  const Point corner{kWindowWidth / 16, kWindowHeight * 5 / 6};
  EXPECT_GT(changedPixels(beforeMark, markShot, corner, kWindowWidth / 16), 200)
      << "the mark near " << corner.x << "," << corner.y << "; its plate at " << markAt.x << "," << markAt.y;

  ::usleep(500000);
  const PpmPicture listShot = shot();
  const Point cont = centre(dlgGameList, elGameListContinue);
  EXPECT_GT(changedPixels(markShot, listShot, cont, 10), 40) << "the game list's button at " << cont.x << "," << cont.y;

  EXPECT_EQ(program.close(), 0);
  const std::string errors = readAll(program.root / "app/errors.txt");
  EXPECT_EQ(errors, "");
}

namespace {

// The pixels of the element's rectangle that differ clearly between a and b.
int changedInElement(const PpmPicture& a, const PpmPicture& b, int32_t d, int32_t e) {
  const TVTLDialog& dlg = dialogOf(d);
  const TVTLElement& el = elementOf(d, e);
  const int x0 = int((dlg.x + el.x) * kWindowWidth / 807.0), y0 = int((dlg.y + el.y) * kWindowHeight / 607.0);
  const int x1 = int((dlg.x + el.x + el.width) * kWindowWidth / 807.0);
  const int y1 = int((dlg.y + el.y + el.height) * kWindowHeight / 607.0);
  int n = 0;
  for (int y = std::max(0, y0); y < std::min(a.height, y1); y++)
    for (int x = std::max(0, x0); x < std::min(a.width, x1); x++)
      if (a.difference(b, x, y) > 60) n++;
  return n;
}

// The green pixels of a check box's tick: the square at the element's left.
int tickPixels(const PpmPicture& p, int32_t d, int32_t e) {
  const TVTLDialog& dlg = dialogOf(d);
  const TVTLElement& el = elementOf(d, e);
  const int x0 = int((dlg.x + el.x) * kWindowWidth / 807.0), y0 = int((dlg.y + el.y) * kWindowHeight / 607.0);
  const int y1 = int((dlg.y + el.y + el.height) * kWindowHeight / 607.0);
  int n = 0;
  for (int y = std::max(0, y0); y < std::min(p.height, y1); y++)
    for (int x = std::max(0, x0); x < std::min(p.width, x0 + (y1 - y0) + 4); x++) {
      const TVTLPlainColour c = p.at(x, y);
      if (c.g > c.r + 50 && c.g > c.b + 50) n++;
    }
  return n;
}

constexpr Point kCloth{kWindowWidth / 2, kWindowHeight * 9 / 20};  // the middle of the table top

}  // namespace

class SkatSettingsGL : public SkatWindowGL {
 protected:
  // The next frame with the pointer away from every element, so no hover look is in it.
  PpmPicture parkedShot() {
    xdotool("mousemove --window " + window + " 2 " + std::to_string(kWindowHeight - 3));
    ::usleep(500000);
    return shot();
  }
  // From the main menu through "Einzelspiel" to Skat's options on their rules page.
  void openSkatRules() {
    clickElement(dlgMainMenu, elMainMenuNewGame);
    ASSERT_TRUE(waitForTop(dlgNewGame)) << tail();
    clickElement(dlgNewGame, elNewGameSingle);
    ASSERT_TRUE(waitForTop(dlgGameOptions[gidSkat])) << tail();
    clickElement(dlgGameOptions[gidSkat], elTabRulesButton[gidSkat]);
    ::usleep(600000);
  }
  void openDisplay() {
    clickElement(dlgMainMenu, elMainMenuOptions);
    ASSERT_TRUE(waitForTop(dlgOptions));
    clickElement(dlgOptions, elOptionsDisplay);
    ASSERT_TRUE(waitForTop(dlgDisplay));
    ::usleep(600000);
  }
  // "Starten" in Skat's options; the table once the bidding asks the user.
  PpmPicture startedTable() {
    clickElement(dlgGameOptions[gidSkat], 2);
    if (!waitFor([&] { return now().decisionKind != 0 && !now().options.empty(); }, 40)) return {};
    ::usleep(300000);
    return shot();
  }
};

TEST_F(SkatSettingsGL, SpitzeAndTableThreeSurviveARestartAndTheTableIsDrawnInDesignThree) {
  ShellRun program(false);
  ASSERT_TRUE(program.markedSecond);
  writeFastDisplay(program);
  const int32_t skat = dlgGameOptions[gidSkat];

  // First run: a list on the first table, ended from the game menu; then the two choices.
  launch(program);
  if (HasFatalFailure()) return;
  openSkatRules();
  if (HasFatalFailure()) return;
  const PpmPicture withoutSpitze = parkedShot();
  const PpmPicture tableOne = startedTable();
  ASSERT_GT(tableOne.width, 0) << "the list did not start:\n" << readAll(report);
  clickElement(dlgMenuBar, elMenuButton);
  ASSERT_TRUE(waitForTop(dlgGameMenu)) << "the menu button did not open the game menu";
  clickElement(dlgGameMenu, elGameMenuEnd);
  ASSERT_TRUE(waitForTop(dlgMainMenu)) << "ending the game did not lead back to the main menu";
  ::usleep(300000);
  ASSERT_EQ(now().topDialog, dlgMainMenu) << "the main menu stays on top for its clicks" << tail();
  openSkatRules();
  if (HasFatalFailure()) return;
  clickElement(skat, elSkatSpitzeCheck);
  // A loaded machine may draw the tick a few frames late.
  PpmPicture withSpitze = parkedShot();
  for (int tries = 0; tries < 10 && tickPixels(withSpitze, skat, elSkatSpitzeCheck) <= 5; tries++) withSpitze = shot();
  EXPECT_EQ(tickPixels(withoutSpitze, skat, elSkatSpitzeCheck), 0);
  EXPECT_GT(tickPixels(withSpitze, skat, elSkatSpitzeCheck), 5) << "the tick shows";
  clickElement(skat, elBackButton[gidSkat]);
  ASSERT_TRUE(waitForTop(dlgNewGame));
  clickElement(dlgNewGame, elNewGameBack);
  ASSERT_TRUE(waitForTop(dlgMainMenu));
  openDisplay();
  if (HasFatalFailure()) return;
  const PpmPicture tableOneChosen = parkedShot();
  for (int i = 0; i < 2; i++) {
    clickElement(dlgDisplay, nextArrow(dlgDisplay, elDisplayTableList));
    ::usleep(300000);
  }
  ::usleep(300000);
  const PpmPicture tableThreeChosen = parkedShot();
  EXPECT_GT(changedInElement(tableOneChosen, tableThreeChosen, dlgDisplay, elDisplayTableList), 10);
  clickElement(dlgDisplay, elDisplayBack);
  ASSERT_TRUE(waitForTop(dlgOptions));
  ASSERT_EQ(program.close(), 0);

  // What was written: the check and the third table.
  ASSERT_TRUE(loadDialogState(skat, program.settings(skat).string(), 0));
  EXPECT_EQ(elementOf(skat, elSkatSpitzeCheck).checked, 1);
  ASSERT_TRUE(loadDialogState(dlgDisplay, program.settings(dlgDisplay).string(), 0));
  EXPECT_EQ(getTopIndex(dlgDisplay, elDisplayTableList), 3);

  // Second run: both dialogs show the choices, and the table has the third design.
  launch(program);
  if (HasFatalFailure()) return;
  openDisplay();
  if (HasFatalFailure()) return;
  const PpmPicture displayAgain = parkedShot();
  EXPECT_LT(changedInElement(tableThreeChosen, displayAgain, dlgDisplay, elDisplayTableList), 5)
      << "\"Anzeige\" shows \"Tisch 3\" again";
  EXPECT_GT(changedInElement(tableOneChosen, displayAgain, dlgDisplay, elDisplayTableList), 10);
  clickElement(dlgDisplay, elDisplayBack);
  ASSERT_TRUE(waitForTop(dlgOptions));
  clickElement(dlgOptions, elOptionsBack);
  ASSERT_TRUE(waitForTop(dlgMainMenu));
  openSkatRules();
  if (HasFatalFailure()) return;
  const PpmPicture rulesAgain = parkedShot();
  EXPECT_GT(tickPixels(rulesAgain, skat, elSkatSpitzeCheck), 5) << "\"Mit Spitze\" is checked again";
  const PpmPicture tableThree = startedTable();
  ASSERT_GT(tableThree.width, 0) << "the list did not start:\n" << readAll(report);
  EXPECT_GT(tableOne.difference(tableThree, kCloth.x, kCloth.y), 40)
      << "the cloth at " << kCloth.x << "," << kCloth.y << " is the first design's";
  EXPECT_EQ(program.close(), 0);
  EXPECT_EQ(readAll(program.root / "app/errors.txt"), "");
}
