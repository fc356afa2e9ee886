// Rommé's table of calls, shared by Gin Rummy: what the core and the card table ask of the
// two games, answered from the area.
#include "games/rummy/romme_registration.h"

#include <functional>

#include "core/cg.h"
#include "core/game_areas.h"
#include "core/game_callbacks.h"
#include "games/rummy/meld_sides.h"
#include "games/rummy/romme_ai.h"
#include "games/rummy/romme_area_image.h"
#include "games/rummy/romme_controls.h"
#include "games/rummy/romme_new_game.h"
#include "games/rummy/romme_rules.h"
#include "games/rummy/romme_scoring.h"
#include "games/rummy/romme_step.h"
#include "shell/options_frame.h"

namespace {

void areaAnswers(TGameAreaQueries& q) {
  q.ginUpCardPhase = [] { return cg.gameId == gidRomme && ginUpCardPhase(); };
  q.ginSecondFlag = [] { return false; };
  q.rommeSelection = []() -> THand& { return rommeArea().userMeld; };
  q.ginBonusPoints = ginBonusPoints;
  q.ginBonusText = ginBonusText;
  // The Gin Rummy variant flag is the area's byte; the other variants stay where they were.
  auto set = q.setVariantFlag;
  auto get = q.variantFlag;
  q.setVariantFlag = [set](uint8_t id, bool on) {
    if (id == gidGinRummy) rommeArea().ginRummy = on ? 1 : 0;
    else if (set) set(id, on);
  };
  q.variantFlag = [get](uint8_t id) { return id == gidGinRummy ? rommeArea().ginRummy != 0 : get && get(id); };
}

bool listOver(const TGameResult&) { return rommeIsListOver(); }
std::string listText(const TGameResult&) { return rommeListText(); }
bool legalFollow(const TCard& card, const TCard&) { return rommeIsLegalCard(card); }
bool highscoreFlag() { return rommeArea().options.positiveScoring != 0; }
bool isValidMeld(const THand& meld) { return rommeIsValidMeld(meld, 0, true, false); }
bool deadwoodLimit() { return rommeIsGin() && rommeArea().knocked && !rommeArea().layOffStage; }

// The card taken from the discard pile is known by its slot: it follows its card through the
// hand and is forgotten once that card leaves.
void takenCardLeaves(const TCard& card, int32_t pos) {
  TCard& taken = rommeArea().takenDiscard;
  if (taken.t != 0 && cardsEqual(taken, card) && taken.hi == pos) taken = noCard();
}
void takenCardFollows(int32_t from, int32_t to) {
  TCard& taken = rommeArea().takenDiscard;
  if (taken.t != 0 && taken.hi == from) taken.hi = static_cast<int16_t>(to);
}

const TGameCallbacks rommeGameCallbacks = {
    .newGame = rommeNewGame,
    .gameStep = rommeGameStep,
    .resume = rommeResume,
    .enterHighscore = rommeEnterHighscore,
    .isListOver = listOver,
    .listText = listText,
    .resultText = rommeResultText,
    .aiMove = rommeAIMove,
    .checkAction = rommeCheckAction,
    .aiObserve = rommeAIObserve,
    .isSeatHandOpen = rommeIsSeatHandOpen,
    .isLegalCard = rommeIsLegalCard,
    .isLegalFollow = legalFollow,
    .areaAnswers = areaAnswers,
    .areaImageIo = rommeAreaImageIo,
    .highscoreFlag = highscoreFlag,
    .isValidMeld = isValidMeld,
    .mayLayOffOnOthers = rommeMayLayOffOnOthers,
    .deadwoodLimit = deadwoodLimit,
    .formLayOff = rommeFormLayOff,
    .markedCardLeaves = takenCardLeaves,
    .markedCardFollows = takenCardFollows,
};

}  // namespace

void registerRommeGame() {
  registerGameCallbacks(gidRomme, &rommeGameCallbacks);
  setOptionsRefresh(gidRomme, rommeOptionsChanged);
}
