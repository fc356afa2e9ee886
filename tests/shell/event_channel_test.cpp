// The engine's event channel: the double-click rule, table clicks into core actions, the
// typed developer words, Escape and the relayout after an aspect change.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/text_width.h"
#include "engine/window_shape.h"
#include "platform/window_keys.h"
#include "tests/shell/channel_fixture.h"

namespace {

class EventChannelTest : public ChannelTest {
 protected:
  // "Spiele im Netzwerk" with its list and "Teilnehmen"; activations are recorded.
  void buildNetworkList() {
    dlgNetworkGames = createStandardDialog(1, "Spiele im Netzwerk");
    elGameLB = addElement(ekListBox, 20, 60, "", 300, 200, 0.0f, 1.0f);
    elNetworkGamesJoin = addElement(ekButton, 20, 300, "Teilnehmen", 150, 35, 0.0f, 1.0f);
    vtl.onElementClick = [this](int32_t d, int32_t e) { activated.push_back({d, e}); };
  }
  bool joinActivated() const {
    for (auto [d, e] : activated)
      if (d == dlgNetworkGames && e == elNetworkGamesJoin) return true;
    return false;
  }
  void type(const std::string& keys) {
    for (char c : keys) send(evKey, c);
  }

  std::vector<std::pair<int32_t, int32_t>> activated;
};

// [SECTION] double-click rule

TEST_F(EventChannelTest, TheSecondClickOnTheListWithin300MsJoins) {
  struct Case {
    const char* name;
    bool otherDialogFirst;  // the first click is on another dialog
    uint32_t gap;
    bool joins;
  };
  const Case cases[] = {
      {"250 ms", false, 250, true},
      {"exactly 300 ms", false, 300, true},
      {"350 ms", false, 350, false},
      {"another dialog 200 ms before", true, 200, true},
  };
  buildNetworkList();
  for (const Case& c : cases) {
    activated.clear();
    advanceFakeTick(1000);
    if (c.otherDialogFirst)
      send(dlgGameMenu, 1);
    else
      send(dlgNetworkGames, elGameLB);
    advanceFakeTick(c.gap);
    send(dlgNetworkGames, elGameLB);
    EXPECT_EQ(joinActivated(), c.joins) << c.name;
    EXPECT_EQ(lastClickTick, getTickCount()) << c.name << ": every element click notes its tick";
  }
}

TEST_F(EventChannelTest, EnterOnTheNetworkListActsAsADoubleClick) {
  buildNetworkList();
  openDialog(dlgNetworkGames);
  lastClickTick = getTickCount() - 5000;
  Tglapp::specialKey13(dlgNetworkGames, 1);  // the list is taken whatever element had Enter
  EXPECT_TRUE(joinActivated());
}

// [SECTION] table clicks

TEST_F(EventChannelTest, ATableClickSubmitsThePileThenTheCardWhileTheTableWaits) {
  struct Case {
    const char* name;
    uint8_t state;
    int32_t pile, pileIndex, card;
    std::vector<TActionSeen> expected;
    uint8_t stateAfter;
  };
  const Case cases[] = {
      {"pile and card", 1, 11, 3, 5, {{3, 11, 3}, {0, 0, 5}}, 2},
      {"card only", 1, 0, 0, 4, {{0, 0, 4}}, 2},
      {"pile index 0 is no pile", 1, 13, 0, 0, {}, 1},
      {"card with the pile it is taken from", 1, 2, 0, 6, {{0, 2, 6}}, 2},
      {"an action under way", 2, 11, 3, 5, {}, 2},
  };
  cg.gs.bl.pilesSelectable = 1;
  cg.gs.bl.cardsSelectable = 1;
  for (const Case& c : cases) {
    actions().clear();
    inputState = c.state;
    pickedPile = c.pile;
    pickedPileIndex = c.pileIndex;
    hoveredCard = c.card;
    send(evTableClick, evTableClick);
    EXPECT_EQ(actions(), c.expected) << c.name;
    EXPECT_EQ(inputState, c.stateAfter) << c.name;
  }
}

TEST_F(EventChannelTest, APressInKeyboardFocusModePlaysNoCardButIPanelClicksDo) {
  cg.gs.bl.cardsSelectable = 1;
  inputState = 1;
  hoveredCard = 3;
  vtl.focusShown = true;
  send(evTableClick, evTableClick);
  EXPECT_TRUE(actions().empty()) << "the focus mode still holds during the press";
  send(dlgIPanel, elActionButtons[3]);
  EXPECT_EQ(actions(), (std::vector<TActionSeen>{{0, 0, 3}}));
  vtl.focusShown = false;
  inputState = 1;
  actions().clear();
  send(dlgIPanel, elActionButtons[3]);
  EXPECT_TRUE(actions().empty()) << "outside focus mode #ipanel's clicks do nothing";
}

TEST_F(EventChannelTest, MultiSelectionRaisesAndLowersTheCardInsteadOfPlayingIt) {
  cg.gs.bl.cardsSelectable = 1;
  cg.gs.bl.meldingMode = 1;
  deal(1, 4);
  inputState = 1;
  hoveredCard = 2;
  setElementEnabled(dlgInGame, elDecisionRow2[1], 0);
  send(evTableClick, evTableClick);
  const TCardSlot& slot = sp[1].slots[2];
  EXPECT_EQ(slot.moving, 1);
  EXPECT_EQ(slot.liftState, 0) << "raised";
  EXPECT_EQ(getElementEnabled(dlgInGame, elDecisionRow2[1]), 1);
  send(evTableClick, evTableClick);
  EXPECT_EQ(slot.liftState, 1) << "lowered";
  EXPECT_EQ(sounds, (std::vector<TSoundSeen>{{soundCardRaised, 1, 2}, {soundCardRaised, 1, 2}}));
  EXPECT_TRUE(actions().empty());
  EXPECT_EQ(inputState, 1);
}

// [SECTION] keys

TEST_F(EventChannelTest, TypedWordsSwitchTheDeveloperModeAndTheInterface) {
  struct Case {
    const char* typed;
    bool devBefore;
    bool devAfter;
    bool overlayToggled;
  };
  const Case cases[] = {
      {"KLOMP", false, true, false},
      {"HKLOMPX", false, true, false},  // inside a longer word
      {"KLOMPKLOMP", false, false, false},
      {"WEMP", false, false, false},  // only in developer mode
      {"WEMP", true, true, true},
  };
  for (const Case& c : cases) {
    resetChannelMemory();
    vtl.developerMode = c.devBefore;
    vtl.uiOverlayOn = true;
    type(c.typed);
    EXPECT_EQ(vtl.developerMode, c.devAfter) << c.typed;
    EXPECT_EQ(vtl.uiOverlayOn, !c.overlayToggled) << c.typed;
  }
}

TEST_F(EventChannelTest, DrivaHandsSeatOneToTheComputerAndLeavesDeveloperModeOnlyWhenItWasOn) {
  vtl.autoPlay = false;
  type("DRIVA");
  EXPECT_TRUE(vtl.developerMode);
  EXPECT_TRUE(vtl.autoPlay);
  type("DRIVA");
  EXPECT_FALSE(vtl.developerMode);
  EXPECT_FALSE(vtl.autoPlay);
}

TEST_F(EventChannelTest, TheKeyBufferKeepsTheLast33KeysAndEveryKeyForcesANewPick) {
  cg.lastPointerCode = 77;
  type(std::string(40, 'A') + "BC");
  EXPECT_EQ(keyBuffer, std::string(31, 'A') + "BC");
  EXPECT_EQ(cg.lastPointerCode, 0);
}

TEST_F(EventChannelTest, EscapeClosesTheProgramOnTheStartScreenAndOpensTheMenuInAGame) {
  // The menu bar is the engine's own first panel, which a headless build has not made.
  dlgMenuBar = createDialog(740, 0, 60, 600, false, "#firstpanel", false, 0, 2.0f);
  addElement(ekPicture, 33, 3, "", 34, 34, 0.0f, 1.0f);
  screenMode = 1;
  send(evKey, kVkEscape);
  EXPECT_EQ(lastClickTick, getTickCount()) << "the menu button's click went through the channel";
  EXPECT_NE(vtl.engineState, esTerminating);

  screenMode = 0;
  dlgStartScreen = createStandardDialog(1, "Start");
  openDialog(dlgStartScreen);
  vtl.onCloseQuery = [] { return true; };
  send(evKey, kVkEscape);
  EXPECT_EQ(vtl.engineState, esTerminating);
}

// [SECTION] relayout

TEST_F(EventChannelTest, TheTableIsLaidOutAgainOncePerAspectChangeAboveFivePercent) {
  cg.gameId = gidSkat;
  playerCount = 3;
  struct Case {
    const char* name;
    double aspect;
    int32_t pending;
    bool laidOut;
  };
  const Case cases[] = {
      {"4:3 as at start", 4.0 / 3.0, 0, false},
      {"16:10", 1.6, 0, true},
      {"within 0.05 of the last", 1.64, 0, false},
      {"16:9 while a card moves", 16.0 / 9.0, 1, false},
      {"16:9", 16.0 / 9.0, 0, true},
  };
  for (const Case& c : cases) {
    screenAspect = c.aspect;
    pendingMoveCount = c.pending;
    sp[1].restPose.x = -9999;
    send(evRelayout, 0);
    EXPECT_EQ(sp[1].restPose.x != -9999, c.laidOut) << c.name;
  }
  pendingMoveCount = 0;
}

TEST_F(EventChannelTest, TheSortMenusPictureButtonsKeepTheirDistanceFromTheRightEdge) {
  dlgSkatSortMenu = createDialog(0, 0, 0, 0, false, "#farbsortiermenü_skat", false, 0, 2.0f);
  const int32_t button = addTextElement(ekPicture, 700, 10, 30, 30, 12, "");
  const int32_t other = addTextElement(ekPicture, 700, 50, 30, 30, 0, "");
  screenAspect = 1.6;
  send(evRelayout, 0);
  EXPECT_EQ(elementOf(dlgSkatSortMenu, button).x, int16_t(std::lround(807 - 34 / aspectFactor())));
  EXPECT_EQ(elementOf(dlgSkatSortMenu, button).x, 779);
  EXPECT_EQ(elementOf(dlgSkatSortMenu, other).x, 700);
}

}  // namespace
