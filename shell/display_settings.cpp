// The display settings: "Anzeige" into envParam, the timing values, the card scale, the view,
// the reload of the table design and card pictures, the seats' names and voices.
#include "shell/display_settings.h"

#include <cmath>
#include <string>

#include "core/card_names.h"
#include "core/cg.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "engine/engine_form.h"
#include "engine/engine_options.h"
#include "engine/engine_services.h"
#include "engine/loading_screen.h"
#include "engine/texts.h"
#include "games/rummy/meld_table.h"
#include "platform/random.h"
#include "shell/env_param.h"
#include "shell/game_dialogs.h"
#include "shell/shell_globals.h"
#include "shell/shell_services.h"
#include "table/move_queue.h"
#include "table/stacks.h"
#include "table/table_layout.h"
#include "table/table_params.h"
#include "table/table_pictures.h"

int32_t elDisplayTableList = 0;
int32_t elDisplayBackList = 0;
int32_t elDisplayStyleList = 0;
int32_t elDisplayFadeList = 0;
int32_t elDisplaySizeList = 0;
int32_t elDisplayViewList = 0;
int32_t elDisplaySpeedList = 0;
int32_t elDisplayTimeList = 0;
int32_t elDisplayDealList = 0;
int32_t elDisplayVoiceList = 0;
int32_t elDisplayHelpCheck = 0;
int32_t elDisplayRoomList = 0;

void clearDisplayElements() {
  for (int32_t* n : {&elDisplayTableList, &elDisplayBackList, &elDisplayStyleList, &elDisplayFadeList,
                     &elDisplaySizeList, &elDisplayViewList, &elDisplaySpeedList, &elDisplayTimeList,
                     &elDisplayDealList, &elDisplayVoiceList, &elDisplayHelpCheck, &elDisplayRoomList})
    *n = 0;
}

namespace {

// The dialog's defaults where a choice is missing.
constexpr int32_t defaultSpeed = 3;        // "Normal"
constexpr int32_t defaultDisplayTime = 3;  // "Normal"
constexpr int32_t defaultDealMode = 1;     // "Alle auf einmal"
constexpr int32_t defaultVoiceMode = 3;    // "Eingeschaltet"
constexpr int32_t defaultCardSize = 3;     // "Normal"

// Steps 8 and 9 of the timing round every product at once, halves to the even neighbour.
int32_t scaled(int32_t value, double factor) {
  return static_cast<int32_t>(std::nearbyint(static_cast<double>(value) * factor));
}

int32_t shadeModeForGame() { return cg.gameId == gidSkat ? 4 : 1; }

// "\" + texture level + "\env" + n.
std::string designDir(int32_t n) {
  const int32_t level = appopt.textAccuracy >= 1 && appopt.textAccuracy <= 3 ? appopt.textAccuracy : 1;
  return "\\" + std::to_string(level) + "\\env" + std::to_string(n);
}

void takeSeatRecords() {
  for (int s = 1; s <= 6; s++) {
    cg.seatNames[s] = cg.gs.playerRecords[s].name.view().substr(0, 100);
    cg.seatVoice[s] = cg.gs.playerRecords[s].voice;
  }
  tutSeatNames();
}

// Step 14: opponents' names, and at the first game of a list every seat's voice.
void drawSeatNamesAndVoices() {
  const bool net = isNetGame();
  const bool firstGame = cg.gs.gamesPlayed == 0;
  bool female = false;
  for (int s = 1; s <= 6; s++) {
    if (net) {
      female = s % 2 == 0;
    } else if (s == 1) {
      const uint8_t voice = cg.gs.playerRecords[1].voice;
      female = voice >= 1 && voice <= 3;
    } else if (cg.gs.tutorialMode == 0) {
      TPlayerRecord rec{};
      randomOpponent(rec);
      cg.seatNames[s] = rec.name.view().substr(0, 100);
      female = rec.female != 0;
    }  // a tutorial seat keeps the gender found for the seat before it
    if (firstGame) cg.seatVoice[s] = (female ? 1 : 4) + randomBelow(3);
  }
  tutSeatNames();
}

void takeUserName() {
  if (isNetGame()) {
    setPlayerName(dlgNetwork, elNetworkNameEdit);
    return;
  }
  const int32_t game = cg.gs.optionsGameId;
  if (game > gidNone) return;
  setPlayerName(dlgGameOptions[game], elPlayerNameEdit[game]);
}

}  // namespace

int32_t displayChoice(int32_t element, int32_t count, int32_t fallback) {
  if (dlgDisplay == 0 || element == 0) return fallback;
  const int32_t entry = getTopIndex(dlgDisplay, element);
  return entry >= 1 && entry <= count ? entry : fallback;
}

void deriveTiming(TGameId game, bool developer) {
  static const int32_t animBySpeed[7] = {0, 4, 9, 16, 22, 30, 50};
  static const int32_t delayByTime[7] = {0, 900, 600, 420, 180, 90, 20};
  static const int32_t bubbleByTime[7] = {0, 2800, 1700, 950, 620, 400, 50};
  const int32_t speed = envParam.gameSpeed >= 1 && envParam.gameSpeed <= 6 ? envParam.gameSpeed : defaultSpeed;
  const int32_t time =
      envParam.displayTime >= 1 && envParam.displayTime <= 6 ? envParam.displayTime : defaultDisplayTime;
  int32_t anim = animBySpeed[speed];
  if (developer && speed == 1) anim = 2;
  if (developer && speed == 5) anim = 50;
  if (developer && speed == 6) anim = 10000000;
  int32_t delay = delayByTime[time];
  int32_t bubble = bubbleByTime[time];
  if (developer && time == 6) delay = bubble = 0;
  switch (game) {
    case gidJass:
    case gidGoFish:
      delay = scaled(delay, 1.5);
      bubble = scaled(bubble, 2.0);
      break;
    case gidBlackjack:
      delay = scaled(delay, 1.5);
      bubble = scaled(bubble, 1.5);
      break;
    case gidPoker:
      if (envParam.displayTime == 4) {
        delay = scaled(delay, 1.65);
        bubble = scaled(bubble, 1.65);
      }
      delay = scaled(delay, 1.45);
      bubble = scaled(bubble, 1.45);
      break;
    case gidSchwimmen: bubble = scaled(bubble, 0.5); break;
    default: break;
  }
  envParam.animSpeed = scaled(anim, 1.0 / 1.55);
  envParam.aiDelay = scaled(delay, 1.8);
  envParam.bubbleTime = scaled(bubble, 1.8);
}

double cardScaleFor(int32_t cardSize, TGameId game) {
  double scale = cardSize == 1 ? 0.7 : cardSize == 2 ? 0.85 : 1.0;
  switch (game) {
    case gidPoker: return scale * 0.95;
    case gidCanasta: return scale * 0.7;
    case gidRomme: return scale * 0.8;
    case gidDoppelkopf: return scale * 0.9 * 0.95;
    case gidSchafkopf:
    case gidJass: return scale * 0.92 * 0.95;
    case gidMauMau: return scale * 0.98 * 0.9;
    case gidSkat: return scale * 0.96;
    case gidSchwimmen: return scale * 0.99;
    case gidGoFish: return scale * 0.92;
    case gidOldMaid: return scale * 0.9;
    case gidWar: return scale * 1.06;
    case gidHearts: return scale * 0.95;
    case gidBlackjack: return scale * 0.93;
    default: return scale;
  }
}

int32_t canastaCardSize(int32_t cardSize, int32_t meldCards, int32_t ownMelds, int32_t otherMelds,
                        bool fromAbove, bool fromSide) {
  if (otherMelds < 28 && ownMelds < 10) return cardSize;
  if (fromAbove) {
    if (meldCards > 135 && cardSize > 1) return 1;
    if (meldCards > 100 && cardSize == 3) return 2;
  } else if (fromSide && meldCards > 105 && cardSize == 3) {
    return 2;
  }
  return cardSize;
}

void setksize() {
  envParam.cardSize = displayChoice(elDisplaySizeList, 3, defaultCardSize);
  if (cg.gameId == gidCanasta && cg.gs.meldTableInUse != 0) {
    envParam.cardSize = canastaCardSize(envParam.cardSize, sp[12].count, k12.ownMeldCount,
                                        k12.otherMeldCount, isViewFromAbove(), isViewFromSide());
  }
  double scale = cardScaleFor(envParam.cardSize, cg.gameId);
  envParam.chipScale = static_cast<float>((scale * 0.46 + 0.46) * 1.0);
  if (largeLayoutEnabled()) scale *= 1.18;
  if (cg.gameId == gidSkat && isViewFromAbove()) scale *= 1.08;
  cg.gs.tableScale = static_cast<float>(scale);
}

void refreshPerspective() {
  if (cg.gs.pendingMove != 0 || pendingMoveCount > 0) return;
  if (dlgDisplay == 0 || elDisplayViewList == 0) return;
  if (cg.gs.tutorialMode != 0) {
    setElementEnabled(dlgDisplay, elDisplayViewList, 0);
    setTopIndex(dlgDisplay, elDisplayViewList, 2);
  } else {
    setElementEnabled(dlgDisplay, elDisplayViewList, 1);
  }
  // Entry 0 (no saved state yet) takes the side view: the normal view, which the selector does
  // not offer, leaves the user's own hand below the window's bottom edge.
  const int32_t view = displayChoice(elDisplayViewList, 2, 2);
  if (view == envParam.perspective) return;
  envParam.perspective = view;
  buildTableLayout(false);
}

void loadenv(bool full) {
  if (!isNetGame()) takeSeatRecords();
  const int32_t oldTable = envParam.tableDesign;
  const int32_t oldRoom = envParam.roomNo;
  const int32_t oldStyle = envParam.cardStyle;
  envParam.commentLevel = 3;
  setksize();

  // "Anzeige"; a back outside 1..9 or a table or room above 5 counts as 1.
  envParam.tableDesign = displayChoice(elDisplayTableList, 5, 1);
  envParam.roomNo = displayChoice(elDisplayRoomList, 5, 1);
  envParam.cardBack = displayChoice(elDisplayBackList, 9, 1);
  envParam.cardStyle = displayChoice(elDisplayStyleList, 2, 1);
  envParam.shadeMode = shadeModeForGame();
  envParam.gameSpeed = displayChoice(elDisplaySpeedList, 6, defaultSpeed);
  envParam.displayTime = displayChoice(elDisplayTimeList, 6, defaultDisplayTime);
  envParam.dealMode = displayChoice(elDisplayDealList, 2, defaultDealMode);
  envParam.voiceMode = displayChoice(elDisplayVoiceList, 3, defaultVoiceMode);
  envParam.autoHelp =
      dlgDisplay != 0 && elDisplayHelpCheck != 0 ? getElementChecked(dlgDisplay, elDisplayHelpCheck) : 0;
  refreshPerspective();

  deriveTiming(cg.gameId, vtl.developerMode);
  cardBackTexture = cardBackTextures[envParam.cardBack];

  if (full || envParam.cardStyle != oldStyle) loadCardPictures(full);
  if (full || envParam.tableDesign != oldTable || envParam.roomNo != oldRoom) {
    showLoadingProgress(70, 0);
    envParam.tableDir = designDir(envParam.tableDesign);
    envParam.roomDir = designDir(envParam.roomNo);
    loadTableParams();
    loadTablePictures(full);
  }

  drawSeatNamesAndVoices();
  takeUserName();
  qjladen();
}

void anzactualize(int32_t element) {
  if (elDisplaySizeList != 0 && element >= elDisplaySizeList && element <= elDisplaySizeList + 3) setksize();
  envParam.cardBack = displayChoice(elDisplayBackList, 9, 1);
  cardBackTexture = cardBackTextures[envParam.cardBack];
  envParam.shadeMode = displayChoice(elDisplayFadeList, 4, shadeModeForGame());
  refreshPerspective();
}

void setPlayerName(int32_t dialog, int32_t element) {
  if (dialog == 0 || element == 0) return;
  std::string name = getElementText(dialog, element).substr(0, 100);
  if (name.empty() || name == " ") {
    name = lookupText("f_spieler") + " 1";
    setElementText(dialog, element, name, 0);
  } else if (name[0] == ' ') {
    name.erase(0, 1);
    setElementText(dialog, element, name, 0);
  }
  cg.seatNames[1] = name;
  TVTLElement& field = elementOf(dialog, element);
  field.SelIndex = static_cast<int16_t>(name.size());
  field.TopIndex = 0;
}

void qjladen() {}
