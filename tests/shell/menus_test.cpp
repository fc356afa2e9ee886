// The menus outside the card table: the element tables of isinga and getga, endis, the
// menus' build with the featured game Skat, and the reactions that arrive through the event
// channel (the menu button by screenMode, "Spielmenü", "Einzelspiel", "Anzeige", the credits).
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/seat_markers.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_dialogs.h"
#include "engine/engine_services.h"
#include "engine/message_box.h"
#include "engine/texts.h"
#include "shell/dialog_build.h"
#include "shell/display_settings.h"
#include "shell/env_param.h"
#include "shell/menus.h"
#include "shell/options_frame.h"
#include "shell/shell_state.h"
#include "shell/table_textures.h"
#include "tests/shell/channel_fixture.h"

namespace {

class MenusTest : public ChannelTest {
 protected:
  void SetUp() override {
    ChannelTest::SetUp();
    // Built again over the engine's own dialogs, so that the menu bar is there.
    resetEngineModel();
    createMessageDialogs();
    createEngineDialogs();
    Tglapp::diagcreate();
    vtl.formClosing = false;
    vtl.onCloseQuery = nullptr;
    showSeatNames = 0;
  }
  void TearDown() override {
    vtl.formClosing = false;
    showSeatNames = 0;
    ChannelTest::TearDown();
  }
  static bool open(int32_t d) { return dialogOf(d).open != 0; }
  static bool enabled(int32_t d, int32_t e) { return getElementEnabled(d, e) != 0; }
  static bool shown(int32_t d, int32_t e) { return isElementVisible(d, e); }
};

// [SECTION] isinga, getga

TEST(MenuTables, GetgaFindsTheGameOfANumberAndPokersVariants) {
  TGameElements table{};
  for (TGameId g = 0; g <= gidNone; g++) table[g] = 10 * (g + 1);  // poker: 90
  table[gidJass] = 92;  // an exact entry on poker's second variant number
  struct TCase {
    int32_t number;
    TGameId expected;
  };
  const TCase cases[] = {{10, gidMauMau}, {20, gidSkat},       {90, gidPoker}, {91, gidPoker},
                         {92, gidJass},   {93, gidNone},       {0, gidNone},   {11, gidNone},
                         {190, gidNone},  {180, gidOldMaid}};
  for (const TCase& c : cases)
    EXPECT_EQ(int(Tglapp::getga(c.number, table)), int(c.expected)) << "number " << c.number;

  TGameElements noPoker{};
  noPoker[gidSkat] = 5;
  EXPECT_EQ(Tglapp::getga(1, noPoker), gidNone) << "a missing poker entry has no variants";
  EXPECT_EQ(Tglapp::getga(5, noPoker), gidSkat);
}

TEST(MenuTables, IsingaHoldsForTheExactEntriesOnly) {
  TGameElements table{};
  table[gidSkat] = 4;
  table[gidPoker] = 9;
  struct TCase {
    int32_t number;
    bool expected;
  };
  for (const TCase& c : {TCase{4, true}, TCase{9, true}, TCase{10, false}, TCase{11, false}, TCase{5, false}})
    EXPECT_EQ(Tglapp::isinga(c.number, table), c.expected) << "number " << c.number;
}

// [SECTION] endis

class EndisTest : public MenusTest {
 protected:
  // A dialog of: title, "Zurück", a check box, a 777-wide label, a button, the tail marker
  // made by `marker`, a last button; everything but the title disabled.
  int32_t makeDialog(const std::function<int32_t()>& marker) {
    const int32_t d = createStandardDialog(1, "Test");
    addElement(ekButton, 10, 10, "Zurück", 100, 30, 0.0f, 1.0f);            // 2
    addSimpleElement(ekCheckBox, 10, 50, "Eins");                            // 3
    elementOf(d, addSimpleElement(ekLabel, 10, 90, "breit")).width = 777;    // 4
    addElement(ekButton, 10, 130, "Knopf", 100, 30, 0.0f, 1.0f);             // 5
    markerAt = marker ? marker() : 0;                                        // 6 (and parts)
    last = addElement(ekButton, 10, 210, "Letzter", 100, 30, 0.0f, 1.0f);
    for (int e = 1; e <= dialogOf(d).count; e++) setElementEnabled(d, e, 0);
    return d;
  }
  int32_t markerAt = 0, last = 0;
};

TEST_F(EndisTest, EnablesAllButZurueckAndHidesWidth777InBothModes) {
  for (bool mode : {false, true}) {
    const int32_t d = makeDialog(nullptr);
    Tglapp::endis(d, mode);
    SCOPED_TRACE(mode);
    EXPECT_TRUE(enabled(d, 1));
    EXPECT_FALSE(enabled(d, 2)) << "Zurück is left as it is";
    EXPECT_TRUE(enabled(d, 3));
    EXPECT_FALSE(shown(d, 4));
    EXPECT_TRUE(enabled(d, 5));
    EXPECT_TRUE(enabled(d, last));
  }
}

TEST_F(EndisTest, TheRommeAndPokerDialogsKeepTheirTails) {
  struct TCase {
    TGameId game;
    std::function<int32_t()> marker;
  };
  const TCase cases[] = {
      {gidRomme,
       [] {
         const int32_t e = addElement(ekSelector, 10, 170, "", 100, 20, 0.0f, 1.0f);
         addItem(e, "Kartenfarbe", 0);
         addItem(e, "Kartenwert", 0);
         return e;
       }},
      {gidPoker, [] { return addSimpleElement(ekCheckBox, 10, 170, "Offizielle Pokerbegriffe verwenden (Englisch)"); }},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(int(c.game));
    const int32_t d = makeDialog(c.marker);
    const int32_t saved = dlgGameOptions[c.game];
    dlgGameOptions[c.game] = d;
    Tglapp::endis(d, false);
    EXPECT_TRUE(enabled(d, 3));
    EXPECT_FALSE(enabled(d, markerAt - 1)) << "the element just before the marker starts the tail";
    EXPECT_FALSE(enabled(d, markerAt));
    EXPECT_FALSE(enabled(d, last));
    EXPECT_FALSE(shown(d, 4));
    dlgGameOptions[c.game] = saved;
    // The same elements in any other dialog are all enabled.
    const int32_t other = makeDialog(c.marker);
    Tglapp::endis(other, false);
    EXPECT_TRUE(enabled(other, markerAt));
    EXPECT_TRUE(enabled(other, last));
  }
}

// [SECTION] the build

struct TButtonRow {
  const int32_t* element;
  std::string caption;
  int32_t row;
};

TEST_F(MenusTest, MenuButtonsStandInTheMenuColumnWithTheirCaptions) {
  struct TMenu {
    const int32_t* dialog;
    std::string title;
    std::vector<TButtonRow> buttons;
  };
  const TMenu menus[] = {
      {&dlgMainMenu,
       "Game Menü",
       {{&elMainMenuBack, lookupText("f_menu_quitgame"), 6},
        {&elMainMenuNewGame, "Neues Spiel", 0},
        {&elMainMenuLoad, "Spiel laden", 1},
        {&elMainMenuOptions, "Optionen", 2},
        {&elMainMenuExtras, "Extras", 3}}},
      {&dlgNewGame,
       "Neues Spiel",
       {{&elNewGameBack, "Zurück", 6},
        {&elNewGameSingle, "Einzelspiel", 0},
        {&elNewGameTournament, "Turnier", 1},
        {&elNewGameNetwork, "Netzwerkspiel", 1},
        {&elNewGameInternet, "Internetspiel", 2}}},
      {&dlgGameMenu,
       "Spielmenü",
       {{&elGameMenuBack, lookupText("f_Zurück2"), 6},
        {&elGameMenuEnd, lookupText("f_spielbeenden"), 0},
        {&elGameMenuSave, "Speichern", 1},
        {&elGameMenuSettings, "Einstellungen", 2},
        {&elGameMenuGameList, "Spielliste", 3},
        {&elGameMenuHelp, "Hilfe", 4}}},
      {&dlgExtras,
       "Extras",
       {{&elExtrasBack, "Zurück", 6},
        {&elExtrasTutorial, lookupText("f_tutorialtitel"), 0},
        {&elExtrasHelp, "Hilfe", 1},
        {&elExtrasHighscore, "Bestenliste", 2},
        {&elExtrasCredits, "Mitwirkende", 3}}},
      {&dlgOptions,
       "Optionen",
       {{&elOptionsBack, "Zurück", 6},
        {&elOptionsGraphics, "Grafik", 1},
        {&elOptionsSound, "Sound", 2},
        {&elOptionsDisplay, "Anzeige", 0}}},
  };
  for (const TMenu& m : menus) {
    SCOPED_TRACE(m.title);
    const int32_t d = *m.dialog;
    // The game choice retitles "Game Menü" with the game's name.
    if (d != dlgMainMenu) {
      EXPECT_EQ(getElementText(d, 1), m.title);
    }
    for (const TButtonRow& b : m.buttons) {
      const TVTLElement& el = elementOf(d, *b.element);
      EXPECT_EQ(getElementText(d, *b.element), b.caption);
      EXPECT_EQ(el.x, 30) << b.caption;
      EXPECT_EQ(el.width, 236) << b.caption;
      EXPECT_EQ(el.height, 43) << b.caption;
      EXPECT_EQ(el.y - finalShift(d), 60 + 50 * b.row) << b.caption;
    }
    EXPECT_EQ(*m.buttons[0].element, 2) << "the back button is element 2";
  }
  EXPECT_FALSE(shown(dlgNewGame, elNewGameTournament));
  EXPECT_TRUE(shown(dlgNewGame, elNewGameNetwork));
}

TEST_F(MenusTest, TheFeaturedGameHasNoGameButtonsAndTheStartScreenStaysClosed) {
  for (TGameId g = 0; g <= gidNone; g++) EXPECT_EQ(elGameButtons[g], 0) << int(g);
  EXPECT_FALSE(open(dlgStartScreen));
  EXPECT_EQ(getElementText(dlgStartScreen, elStartScreenEnd), "Ende");
  EXPECT_EQ(elementOf(dlgStartScreen, elStartScreenEnd).x, 158);
  EXPECT_EQ(elementOf(dlgStartScreen, elStartScreenEnd).y - finalShift(dlgStartScreen), 395);
  EXPECT_FALSE(shown(dlgStartScreen, elStartScreenTitle));
  EXPECT_EQ(vtl.applicationTitle, gameNames[gidSkat] + " Velmora");
  EXPECT_EQ(getElementText(dlgMainMenu, elMainMenuHeadline1), "");
  EXPECT_EQ(elementOf(dlgMainMenu, elMainMenuHeadline1).y - finalShift(dlgMainMenu), -34);
  EXPECT_EQ(elementOf(dlgGameMenu, elGameMenuHeadline2).y - finalShift(dlgGameMenu), 41);
}

TEST_F(MenusTest, WithEveryGameOfferedTheStartScreenOpensWithItsGrid) {
  editionGame = gidNone;
  editionAllGames = 1;
  buildStartScreen();
  editionGame = gidSkat;
  editionAllGames = 0;
  struct TCell {
    TGameId game;
    int16_t x, y;
  };
  const TCell cells[] = {{gidHearts, 58, 85},   {gidOldMaid, 58, 285}, {gidWar, 258, 85},
                         {gidSkat, 258, 185},   {gidMauMau, 258, 235}, {gidBlackjack, 258, 285}};
  for (const TCell& c : cells) {
    SCOPED_TRACE(int(c.game));
    const TVTLElement& el = elementOf(dlgStartScreen, elGameButtons[c.game]);
    EXPECT_EQ(el.x, c.x);
    EXPECT_EQ(el.y, c.y) << "built after the dialog build's last shift";
    EXPECT_EQ(el.width, 180);
    EXPECT_EQ(getElementText(dlgStartScreen, elGameButtons[c.game]), gameNames[c.game]);
    EXPECT_TRUE(enabled(dlgStartScreen, elGameButtons[c.game]));
  }
  for (TGameId g : {gidSchwimmen, gidDoppelkopf, gidSchafkopf, gidPoker, gidJass}) EXPECT_EQ(elGameButtons[g], 0);
  EXPECT_EQ(elGameButtons[gidMauMau], 2) << "the buttons follow the game ids";
  EXPECT_LT(elGameButtons[gidSkat], elGameButtons[gidRomme]);
  EXPECT_TRUE(open(dlgStartScreen));
  send(dlgStartScreen, elStartScreenBlank);
  EXPECT_FALSE(vtl.formClosing);
  send(dlgStartScreen, elStartScreenEnd);
  EXPECT_TRUE(vtl.formClosing);
}

TEST_F(MenusTest, TheCreditsAreOursInTheirShape) {
  const int32_t box = elCreditsText;
  ASSERT_EQ(box, 3);
  EXPECT_EQ(elCreditsBack, 2);
  EXPECT_EQ(getItem(dlgCredits, box, 1), "CREDITS");
  const int32_t lines = elementOf(dlgCredits, box).Stringscount;
  for (int k = 0; k < 28; k++) EXPECT_EQ(getItem(dlgCredits, box, lines - k), "") << "trailing line " << k;
  const std::string address = getItem(dlgCredits, box, lines - 28);
  const std::string year = getItem(dlgCredits, box, lines - 29);
  EXPECT_FALSE(address.empty());
  EXPECT_NE(year.find("Skat"), std::string::npos);
  // Ten role groups of heading and names, each closed by an empty line.
  for (int g = 0; g < 10; g++) {
    EXPECT_FALSE(getItem(dlgCredits, box, 4 + 3 * g).empty()) << "role " << g;
    EXPECT_FALSE(getItem(dlgCredits, box, 5 + 3 * g).empty()) << "names " << g;
    EXPECT_EQ(getItem(dlgCredits, box, 6 + 3 * g), "") << "after group " << g;
  }
}

// [SECTION] "Anzeige"

TEST_F(MenusTest, AnzeigeHasItsSelectorsAtTheirPlaces) {
  struct TSelector {
    const int32_t* element;
    int16_t x, y;
    int32_t width, height;
    std::vector<std::string> items;
    int16_t picture;
    int32_t pictureHeight;
  };
  const TSelector cases[] = {
      {&elDisplayTableList, 385, 273, 180, 20, {"Tisch 1", "Tisch 5"}, int16_t(texTablePreview), 90},
      {&elDisplayBackList, 385, 140, 180, 20, {"Rückseite 1", "Rückseite 5"}, int16_t(texCardBackPreview), 80},
      {&elDisplayStyleList, 161, 191, 160, 20, {"Französisch", "Deutsch"}, 0, 0},
      {&elDisplayFadeList, 120, 320, 150, 20, {"Nicht", "Dunkel&Transp."}, 0, 0},
      {&elDisplaySizeList, 150, 324, 171, 20, {"Mini", "Normal"}, 0, 0},
      {&elDisplayViewList, 150, 363, 171, 20, {"Von oben", "Seitlich"}, 0, 0},
      {&elDisplaySpeedList, 178, 82, 143, 25, {"Sehr langsam", "Blitzschnell"}, 0, 16},
      {&elDisplayTimeList, 161, 116, 160, 20, {"Sehr lange", "Minimal"}, 0, 0},
      {&elDisplayDealList, 161, 154, 160, 20, {"Alle auf einmal", "Einzeln"}, 0, 0},
      {&elSeatOrderList, 130, 275, 150, 20, {"Uhrzeigersinn", "Gegen Uhrzeigersinn"}, 0, 0},
      {&elDisplayVoiceList, 150, 400, 171, 20, {"Ausgeschaltet", "Eingeschaltet"}, 0, 0},
      {&elDisplayRoomList, 385, 405, 180, 20, {"Raum 1", "Raum 5"}, int16_t(texRoomPreview), 90},
  };
  for (const TSelector& c : cases) {
    const TVTLElement& el = elementOf(dlgDisplay, *c.element);
    SCOPED_TRACE(c.items[0]);
    EXPECT_EQ(el.kind, ekSelector);
    EXPECT_EQ(el.x, c.x);
    EXPECT_EQ(el.y - finalShift(dlgDisplay), c.y);
    EXPECT_EQ(el.width, c.width);
    EXPECT_EQ(el.height, c.height);
    EXPECT_EQ(getItem(dlgDisplay, *c.element, 1), c.items[0]);
    EXPECT_EQ(getItem(dlgDisplay, *c.element, el.Stringscount), c.items[1]);
    EXPECT_EQ(el.picture, c.picture);
    EXPECT_EQ(el.extent, c.pictureHeight);
    const bool twoArrows = c.x == 385;
    EXPECT_EQ(el.childCount, twoArrows ? 3 : 4);
  }
  EXPECT_EQ(elDisplayBack, 2);
  EXPECT_EQ(elementOf(dlgDisplay, elDisplayBack).x, 202);
  EXPECT_EQ(elementOf(dlgDisplay, elDisplayBack).width, 236);
  EXPECT_EQ(getElementText(dlgDisplay, elDisplayHelpCheck), "Hilfshinweise automatisch zeigen");
  EXPECT_EQ(elementOf(dlgDisplay, elDisplayHelpCheck).kind, ekCheckBox);
  EXPECT_EQ(dialogOf(dlgDisplay).count, elDisplayRoomList + 3) << "the room selector and its parts come last";
  EXPECT_FALSE(shown(dlgDisplay, elSeatOrderList));
}

TEST_F(MenusTest, TheStartUpShowsTheCardFaceRowUsableAndHidesFadingAndDirection) {
  setElementEnabled(dlgDisplay, elDisplayStyleList, 0);
  displayStartState();
  struct TRow {
    int32_t label, selector;
    bool visible;
  };
  for (const TRow& r : {TRow{elDisplayStyleLabel, elDisplayStyleList, true},
                        TRow{elDisplayFadeLabel, elDisplayFadeList, false},
                        TRow{elDisplayOrderLabel, elSeatOrderList, false}}) {
    SCOPED_TRACE(getElementText(dlgDisplay, r.label));
    EXPECT_EQ(shown(dlgDisplay, r.label), r.visible);
    EXPECT_EQ(shown(dlgDisplay, r.selector), r.visible);
    const TVTLElement& el = elementOf(dlgDisplay, r.selector);
    for (int k = 1; k <= el.childCount; k++) EXPECT_EQ(shown(dlgDisplay, el.children[k]), r.visible) << "part " << k;
  }
  EXPECT_TRUE(enabled(dlgDisplay, elDisplayStyleList));
  const TVTLElement& face = elementOf(dlgDisplay, elDisplayStyleList);
  for (int k = 1; k <= face.childCount; k++) EXPECT_TRUE(enabled(dlgDisplay, face.children[k])) << "part " << k;
}

TEST_F(MenusTest, AnzeigesBackTakesTheChoicesAndCloses) {
  cg.gameId = gidSkat;
  openDialog(dlgDisplay);
  setTopIndex(dlgDisplay, elDisplayTimeList, 1);   // "Sehr lange"
  setTopIndex(dlgDisplay, elDisplayFadeList, 2);   // "Dunkel": replaced by Skat's own
  setTopIndex(dlgDisplay, elDisplayStyleList, 0);  // a saved 0 reads as "Französisch"
  send(dlgDisplay, elDisplayBack);
  EXPECT_FALSE(open(dlgDisplay));
  EXPECT_EQ(envParam.displayTime, 1);
  EXPECT_EQ(envParam.aiDelay, 1620) << "900 ms by 1.8";
  EXPECT_EQ(envParam.shadeMode, 4);
  EXPECT_EQ(envParam.cardStyle, 1);
}

TEST_F(MenusTest, AnotherAnzeigeElementAppliesTheCardSizeAtOnce) {
  cg.gameId = gidSkat;
  openDialog(dlgDisplay);
  setTopIndex(dlgDisplay, elDisplaySizeList, 3);  // "Normal"
  send(dlgDisplay, elDisplaySizeList);
  const float normal = cg.gs.tableScale;
  setTopIndex(dlgDisplay, elDisplaySizeList, 1);  // "Mini"
  send(dlgDisplay, elDisplaySizeList + 2);        // its right arrow
  EXPECT_TRUE(open(dlgDisplay));
  EXPECT_EQ(envParam.cardSize, 1);
  EXPECT_FLOAT_EQ(cg.gs.tableScale, normal * 0.7f);
  setTopIndex(dlgDisplay, elDisplaySizeList, 3);
  send(dlgDisplay, elDisplaySizeList + 4);  // past its parts: the size is not read again
  EXPECT_EQ(envParam.cardSize, 1);
}

// [SECTION] reactions

TEST_F(MenusTest, TheMenuButtonEndsTheProgramOnlyWithoutAGame) {
  screenMode = 0;
  send(dlgMenuBar, elMenuButton);
  EXPECT_TRUE(vtl.formClosing);
  EXPECT_FALSE(open(dlgGameMenu));

  vtl.formClosing = false;
  vtl.engineState = esNotStarted;
  cg.gameId = gidSkat;
  cg.setMenuButtonCaption(1);
  send(dlgMenuBar, elMenuButton);
  EXPECT_FALSE(vtl.formClosing);
  EXPECT_TRUE(open(dlgGameMenu));
  EXPECT_EQ(screenMode, 2);
  EXPECT_EQ(getElementText(dlgGameMenu, 1), gameNames[gidSkat]);
  EXPECT_EQ(getElementText(dlgGameMenu, elGameMenuHeadline1), "");

  send(dlgGameMenu, elGameMenuBack);
  EXPECT_FALSE(open(dlgGameMenu));
  EXPECT_EQ(screenMode, 1);
}

TEST_F(MenusTest, TheGameMenuShowsItsListAndHeadlineOutsideTheTutorialOnly) {
  cg.gameId = gidSkat;
  struct TCase {
    uint8_t tutorial;
    int32_t gamesPlayed;
    bool listShown, listEnabled;
  };
  const TCase cases[] = {{0, 0, true, false}, {0, 3, true, true}, {1, 3, false, true}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "tutorial " << int(c.tutorial) << ", games " << c.gamesPlayed);
    keepDialogOpen(dlgGameMenu, false);
    cg.gs.tutorialMode = c.tutorial;
    cg.gs.gamesPlayed = c.gamesPlayed;
    cg.setMenuButtonCaption(1);
    send(dlgMenuBar, elMenuButton);
    EXPECT_EQ(shown(dlgGameMenu, elGameMenuGameList), c.listShown);
    EXPECT_EQ(shown(dlgGameMenu, elGameMenuHeadline2), c.listShown);
    EXPECT_EQ(enabled(dlgGameMenu, elGameMenuGameList), c.listEnabled);
  }
  cg.gs.tutorialMode = 0;
}

TEST_F(MenusTest, PokerIsKnownByItsDisplayName) {
  cg.gameId = gidPoker;
  gameNames[gidPoker] = "Texas Hold`em Poker";
  cg.setMenuButtonCaption(1);
  send(dlgMenuBar, elMenuButton);
  EXPECT_EQ(getElementText(dlgGameMenu, 1), "Poker");
  EXPECT_EQ(getElementText(dlgGameMenu, elGameMenuHeadline1), "Texas Hold`em");
  EXPECT_EQ(getElementText(dlgGameMenu, elGameMenuHeadline2), "");
  EXPECT_TRUE(enabled(dlgGameMenu, elGameMenuGameList)) << "poker always offers its list";
}

TEST_F(MenusTest, SpeichernIsOfferedOnlyOutsideDealingAndWithChipsInPoker) {
  struct TCase {
    TGameId game;
    int32_t chips, phase;
    bool allowed;
  };
  const TCase cases[] = {{gidSkat, 0, 0, true},  {gidSkat, 0, 1, false}, {gidSkat, 0, 5, true},
                         {gidPoker, 0, 0, false}, {gidPoker, -3, 2, false}, {gidPoker, 40, 2, true},
                         {gidPoker, 40, 1, false}};
  for (const TCase& c : cases)
    EXPECT_EQ(gameMenuSaveAllowed(c.game, c.chips, c.phase), c.allowed)
        << "game " << int(c.game) << ", chips " << c.chips << ", phase " << c.phase;
  // The save screen is not there yet, so the menu keeps the button disabled.
  cg.gameId = gidSkat;
  cg.gs.phase = 2;
  cg.setMenuButtonCaption(1);
  send(dlgMenuBar, elMenuButton);
  EXPECT_FALSE(enabled(dlgGameMenu, elGameMenuSave));
}

TEST_F(MenusTest, GameMenuClicksWaitWhileAGameIsOn) {
  cg.setMenuButtonCaption(1);
  send(dlgMainMenu, elMainMenuNewGame);
  send(dlgMainMenu, elMainMenuBack);
  EXPECT_FALSE(open(dlgNewGame));
  EXPECT_FALSE(vtl.formClosing);
  cg.setMenuButtonCaption(0);
  send(dlgMainMenu, elMainMenuNewGame);
  EXPECT_TRUE(open(dlgNewGame));
  send(dlgMainMenu, elMainMenuBack);
  EXPECT_TRUE(vtl.formClosing) << "the featured game's back button ends the program";
}

TEST_F(MenusTest, EinzelspielOpensTheSelectedGamesOptionsOnItsFirstPage) {
  cg.gs.optionsGameId = gidSkat;
  cg.internetMode = 1;
  cg.lobbyGame = 1;
  const int32_t d = dlgGameOptions[gidSkat];
  selectPage(d, elTabGroup[gidSkat], 2);
  send(dlgNewGame, elNewGameSingle);
  EXPECT_TRUE(open(d));
  EXPECT_EQ(elementOf(d, elTabGroup[gidSkat]).page, 1);
  EXPECT_EQ(cg.internetMode, 0);
  EXPECT_EQ(cg.lobbyGame, 0);
}

TEST_F(MenusTest, StartNeuesspielStartsKindsOneAndThreeOnlyWhenAllowed) {
  struct TCase {
    uint8_t mode;
    int32_t kind;
    bool force, starts;
  };
  const TCase cases[] = {{0, 1, false, true}, {0, 3, false, true}, {0, 2, false, false}, {0, 2, true, false},
                         {0, 4, false, false}, {1, 1, false, false}, {2, 3, false, false}, {1, 3, true, true}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "mode " << int(c.mode) << ", kind " << c.kind << ", force " << c.force);
    cg.gameId = gidWar;
    cg.seatCount = 0;
    playerCount = 2;
    cg.setMenuButtonCaption(c.mode);
    cg.gs.optionsGameId = gidWar;
    openDialog(dlgGameOptions[gidWar]);
    Tglapp::start_neuesspiel(c.kind, c.force);
    EXPECT_EQ(cg.seatCount > 0, c.starts);
    EXPECT_EQ(screenMode, c.starts ? 1 : c.mode);
    EXPECT_EQ(open(dlgGameOptions[gidWar]), !c.starts);
    freeCardAIs();
  }
}

TEST_F(MenusTest, SpiellisteShowsTheListWithZurueckUnlessTheGameIsOver) {
  cg.gameId = gidSkat;
  cg.setMenuButtonCaption(1);
  send(dlgMenuBar, elMenuButton);
  cg.gs.phase = 2;
  send(dlgGameMenu, elGameMenuGameList);
  EXPECT_TRUE(open(dlgGameList));
  EXPECT_EQ(getElementText(dlgGameList, elGameListContinue), "*Zurück");

  keepDialogOpen(dlgGameList, false);
  setElementText(dlgGameList, elGameListContinue, "Weiter", 0);
  cg.gs.phase = 5;
  send(dlgGameMenu, elGameMenuGameList);
  EXPECT_FALSE(open(dlgGameList));
  EXPECT_FALSE(open(dlgGameMenu));
  EXPECT_EQ(getElementText(dlgGameList, elGameListContinue), "Weiter");
}

TEST_F(MenusTest, EndingTheGameReturnsToTheMainMenuOverTheStartScreen) {
  cg.gameId = gidSkat;
  cg.setMenuButtonCaption(1);
  setElementShown(dlgMenuBar, elHelpButton, 1);
  send(dlgMenuBar, elMenuButton);
  send(dlgGameMenu, elGameMenuEnd);
  EXPECT_EQ(screenMode, 0);
  EXPECT_FALSE(open(dlgGameMenu));
  EXPECT_TRUE(open(dlgStartScreen));
  EXPECT_TRUE(open(dlgMainMenu));
  EXPECT_EQ(vtl.topDialog, dlgMainMenu);
  EXPECT_FALSE(shown(dlgMenuBar, elHelpButton));
}

TEST_F(MenusTest, SmallerMenusOpenAndCloseTheirDialogs) {
  struct TStep {
    int32_t dialog, element, expectOpen;
    bool open;
  };
  const TStep steps[] = {
      {dlgGameMenu, elGameMenuSettings, dlgOptions, true},  {dlgOptions, elOptionsDisplay, dlgDisplay, true},
      {dlgOptions, elOptionsBack, dlgOptions, false},       {dlgNewGame, elNewGameBack, dlgNewGame, false},
      {dlgExtras, elExtrasCredits, dlgCredits, true},       {dlgCredits, elCreditsBack, dlgCredits, false},
      {dlgExtras, elExtrasBack, dlgExtras, false},
  };
  openDialog(dlgNewGame);
  openDialog(dlgExtras);
  for (const TStep& s : steps) {
    send(s.dialog, s.element);
    EXPECT_EQ(open(s.expectOpen), s.open) << getElementText(s.dialog, s.element);
  }
  EXPECT_FLOAT_EQ(elementOf(dlgCredits, elCreditsText).scrollOffset, -100.0f);
}

TEST_F(MenusTest, ScreensNotBuiltYetSaySoAndOpenNothing) {
  struct TCase {
    const int32_t* dialog;
    const int32_t* element;
    std::string trace;
  };
  const TCase cases[] = {{&dlgGameMenu, &elGameMenuSave, "Tglapp.showspeichern: not available"},
                         {&dlgGameMenu, &elGameMenuHelp, "Tglapp.buildhelp: not available"},
                         {&dlgExtras, &elExtrasHelp, "Tglapp.buildhelp: not available"},
                         {&dlgExtras, &elExtrasHighscore, "Tglapp.buildhighscore: not available"},
                         {&dlgExtras, &elExtrasTutorial, "tutLoadScript: not available"},
                         {&dlgNewGame, &elNewGameNetwork, "the network dialogs: not available"},
                         {&dlgNewGame, &elNewGameInternet, "the internet lobby: not available"},
                         {&dlgMainMenu, &elMainMenuLoad, "Tglapp.showladen: not available"}};
  std::vector<std::string> traces;
  setTraceListener([&traces](std::string_view t) { traces.emplace_back(t); });
  for (const TCase& c : cases) {
    traces.clear();
    const int32_t top = vtl.topDialog;
    send(*c.dialog, *c.element);
    EXPECT_EQ(traces, std::vector<std::string>{c.trace}) << getElementText(*c.dialog, *c.element);
    EXPECT_EQ(vtl.topDialog, top);
  }
  setTraceListener({});
}

TEST_F(MenusTest, TheNameButtonTogglesTheSeatLabels) {
  for (int32_t expected : {1, 0, 1}) {
    send(dlgMenuBar, elNameButton);
    EXPECT_EQ(showSeatNames, expected);
  }
}

}  // namespace
