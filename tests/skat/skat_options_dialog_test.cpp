// Skat's options read from and written to the options dialog and its sub-dialogs: element
// states to the option record and back, the typed list length, the ISkO box, the "Optionen"
// buttons and "Standardregeln".
#include <gtest/gtest.h>

#include <string>

#include "engine/dialogs.h"
#include "engine/element_activation.h"
#include "engine/elements.h"
#include "engine/engine_dialogs.h"
#include "engine/engine_events.h"
#include "engine/engine_form.h"
#include "engine/message_box.h"
#include "games/skat/skat_options_io.h"
#include "shell/game_dialogs.h"
#include "shell/main_window.h"
#include "shell/shell_state.h"
#include "shell/skat_options_dialog.h"
#include "tests/skat/skat_fixture.h"

namespace {

class SkatOptionsDialogTest : public SkatFixture {
 protected:
  void SetUp() override {
    SkatFixture::SetUp();
    resetEngineModel();
    createMessageDialogs();
    createEngineDialogs();
    Tglapp::diagcreate();
    vtl.mainWindowEvent = Tglapp::FormMouseWheelDown;  // activations reach the event channel
    d = dlgGameOptions[gidSkat];
    screenMode = 0;
    skatWriteOptionElements(skatDefaultOptions);
  }
  void TearDown() override {
    clearGameDialogNumbers();
    resetEngineModel();
    SkatFixture::TearDown();
  }
  TSkatOptions& options() { return skatArea->options; }
  bool on(int32_t dialog, int32_t e) { return getElementChecked(dialog, e) != 0; }
  int32_t d = 0;
};

TEST_F(SkatOptionsDialogTest, TheTypedLengthIsANumberOfAtMostTwoHundred) {
  struct Case {
    const char* typed;
    int32_t games;
    const char* shown;
  } cases[] = {{"500", 200, "200"}, {"", 0, ""}, {"abc", 0, "abc"}, {"12", 12, "12"}, {"200", 200, "200"}, {"7x", 0, "7x"}};
  activateElement(d, elSkatLengthChoices[4]);  // "Eigene:"
  for (const Case& c : cases) {
    setElementText(d, elSkatOwnLengthEdit, c.typed, 0);
    skatReadOptions();
    EXPECT_EQ(options().ownLength, 1);
    EXPECT_EQ(options().listLength, c.games) << "typed \"" << c.typed << "\"";
    EXPECT_EQ(getElementText(d, elSkatOwnLengthEdit), c.shown);
  }
}

TEST_F(SkatOptionsDialogTest, LengthChoicesAreOneRadioGroupAndWinOverTheTypedNumber) {
  setElementText(d, elSkatOwnLengthEdit, "50", 0);
  struct Case {
    int k;
    int32_t games;
  } cases[] = {{1, 3}, {2, 36}, {3, 72}, {4, 50}};
  for (const Case& c : cases) {
    activateElement(d, elSkatLengthChoices[c.k]);
    for (int k = 1; k <= 4; k++) EXPECT_EQ(on(d, elSkatLengthChoices[k]), k == c.k) << "choice " << c.k;
    skatReadOptions();
    EXPECT_EQ(options().listLength, c.games) << "choice " << c.k;
  }
  // "1 Runde (3 Spiele)" written back checks that choice again.
  activateElement(d, elSkatLengthChoices[1]);
  skatReadOptions();
  activateElement(d, elSkatLengthChoices[3]);
  skatWriteOptions();
  EXPECT_EQ(options().listLength, 72);
  options().listLength = 3;
  options().ownLength = 0;
  skatWriteOptionElements(options());
  EXPECT_TRUE(on(d, elSkatLengthChoices[1]));
  EXPECT_FALSE(on(d, elSkatLengthChoices[3]));
}

TEST_F(SkatOptionsDialogTest, EveryFieldGoesToItsElementAndComesBack) {
  TSkatOptions o = skatDefaultOptions;
  o.internationalRules = 0;
  o.scoring = 3;
  o.ownLength = 1;
  o.listLength = 45;
  o.firstDealer = 2;
  o.rum = o.spitze = o.grand20 = o.kontra = o.bockRamsch = 1;
  o.kontraLevels = {{0, 0, 1}};
  o.kontraAfterAnnouncement = 0;
  o.bockRounds = skatRoundsTwoRounds;
  o.ramschRounds = skatRoundsOneGame;
  o.bockAllPassed = 0;
  o.bockSchneider = 1;
  o.ramschIfNoBid = 1;
  o.jacksMayBePushed = 1;
  o.jungfrau = 0;
  o.skatToLoser = 0;
  o.money = 1;
  o.moneyRate = 4;
  skatWriteOptionElements(o);
  EXPECT_TRUE(on(d, elSkatScoringChoices[3]));
  EXPECT_TRUE(on(dlgKontra, elKontraLevels[3]));
  EXPECT_TRUE(on(dlgKontra, elKontraTimeChoices[2]));
  EXPECT_TRUE(on(dlgBockRamsch, elSkatToLastTrick));
  EXPECT_TRUE(on(dlgMoney, elMoneyRates[4]));
  EXPECT_EQ(getElementText(d, elSkatOwnLengthEdit), "45");
  options() = skatDefaultOptions;
  skatReadOptions();
  const TSkatOptions& r = options();
  EXPECT_EQ(r.scoring, 3);
  EXPECT_EQ(r.ownLength, 1);
  EXPECT_EQ(r.listLength, 45);
  EXPECT_EQ(r.firstDealer, 2);
  EXPECT_EQ(r.rum + r.spitze + r.grand20 + r.kontra + r.bockRamsch, 5);
  EXPECT_EQ(r.grandBase, 20);
  EXPECT_EQ(r.kontraLevels[3], 1);
  EXPECT_EQ(r.kontraLevels[1], 0);
  EXPECT_EQ(r.kontraAfterAnnouncement, 0);
  EXPECT_EQ(r.bockRounds, skatRoundsTwoRounds);
  EXPECT_EQ(r.ramschRounds, skatRoundsOneGame);
  EXPECT_EQ(r.bockAllPassed, 0);
  EXPECT_EQ(r.bockSchneider, 1);
  EXPECT_EQ(r.ramschIfNoBid, 1);
  EXPECT_EQ(r.jacksMayBePushed, 1);
  EXPECT_EQ(r.jungfrau, 0);
  EXPECT_EQ(r.skatToLoser, 0);
  EXPECT_EQ(r.money, 1);
  EXPECT_EQ(r.moneyRate, 4);
}

TEST_F(SkatOptionsDialogTest, TheIskoBoxFollowsTheRulesAndTheOptionButtonsTheirSwitches) {
  skatOptionsChanged();
  EXPECT_TRUE(on(d, elSkatIskoCheck)) << "standard rules";
  EXPECT_TRUE(on(d, elSkatInternationalCheck));
  struct Case {
    int32_t element;
    int32_t button;  // the "Optionen" button it enables, 0 none
  } cases[] = {{elSkatSpitzeCheck, 0}, {elSkatRumCheck, 0}, {elSkatGrand20Check, 0},
               {elSkatKontraCheck, elSkatKontraOptions}, {elSkatBockRamschCheck, elSkatBockRamschOptions}};
  for (const Case& c : cases) {
    skatWriteOptionElements(skatDefaultOptions);
    activateElement(d, c.element);  // checked, then the channel's refresh
    EXPECT_FALSE(on(d, elSkatIskoCheck)) << "element " << c.element;
    EXPECT_TRUE(on(d, elSkatOwnRulesCheck));
    EXPECT_EQ(options().internationalRules, 0);
    if (c.button != 0) {
      EXPECT_EQ(getElementEnabled(d, c.button), 1) << "element " << c.element;
    }
  }
  // "Um Geld" is no rule: the ISkO box stays, its button follows it.
  skatWriteOptionElements(skatDefaultOptions);
  EXPECT_EQ(getElementEnabled(d, elSkatMoneyOptions), 0);
  setElementChecked(d, elSkatMoneyCheck, 1);
  skatOptionsChanged();
  EXPECT_TRUE(on(d, elSkatIskoCheck));
  EXPECT_EQ(getElementEnabled(d, elSkatMoneyOptions), 1);
}

TEST_F(SkatOptionsDialogTest, TheTypedLengthIsOpenOnlyForEigeneOutsideAGame) {
  struct Case {
    int k;
    uint8_t mode, enabled;
  } cases[] = {{4, 0, 1}, {4, 1, 0}, {4, 2, 0}, {2, 0, 0}};
  for (const Case& c : cases) {
    screenMode = c.mode;
    activateElement(d, elSkatLengthChoices[c.k]);
    skatOptionsChanged();
    EXPECT_EQ(getElementEnabled(d, elSkatOwnLengthEdit), c.enabled) << "choice " << c.k << ", mode " << int(c.mode);
    EXPECT_EQ(getElementEnabled(d, elSkatOwnLengthLabel), c.enabled);
  }
  screenMode = 0;
}

TEST_F(SkatOptionsDialogTest, IskoAppliesTheStandardRulesAndKeepsTheRest) {
  TSkatOptions o = skatDefaultOptions;
  o.rum = o.spitze = o.grand20 = o.kontra = o.bockRamsch = 1;
  o.scoring = 4;
  o.listLength = 72;
  o.firstDealer = 3;
  o.money = 1;
  o.moneyRate = 2;
  o.kontraLevels = {{0, 1, 0}};
  o.bockRounds = skatRoundsThreeRounds;
  skatWriteOptionElements(o);
  activateElement(d, elSkatIskoCheck);
  const TSkatOptions& r = options();
  EXPECT_EQ(r.rum + r.spitze + r.grand20 + r.kontra + r.bockRamsch, 0);
  EXPECT_EQ(r.scoring, 1);
  EXPECT_TRUE(on(d, elSkatScoringChoices[1]));
  EXPECT_FALSE(on(d, elSkatSpitzeCheck));
  EXPECT_TRUE(on(d, elSkatIskoCheck));
  EXPECT_EQ(r.listLength, 72);
  EXPECT_TRUE(on(d, elSkatLengthChoices[3]));
  EXPECT_EQ(r.firstDealer, 3);
  EXPECT_EQ(r.money, 1);
  EXPECT_EQ(r.moneyRate, 2);
  EXPECT_TRUE(on(dlgKontra, elKontraLevels[2]));
  EXPECT_EQ(getTopIndex(dlgBockRamsch, elBockRounds), skatRoundsThreeRounds);
}

TEST_F(SkatOptionsDialogTest, SeatStrengthsComeFromSchwierigkeit) {
  setTopIndex(d, elDifficultyList[gidSkat], 3);
  skatReadOptions();
  for (int s = 1; s <= 3; s++) EXPECT_EQ(cg.gs.seatProfiles[s].strength, 3) << "seat " << s;
  EXPECT_EQ(cg.gs.seatProfiles[2].reizen, 60);  // "Profi" of the shipped ch.txt
}

}  // namespace
