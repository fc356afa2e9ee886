// The table's questions to the games, with the safe overrides, and its own questions.
#include "table/table_questions.h"

#include "core/cg.h"
#include "shell/env_param.h"
#include "table/move_internal.h"
#include "table/stack_ops.h"
#include "table/table_game_hooks.h"
#include "table/table_globals.h"
#include "table/table_layout.h"

namespace {

bool expectsCard() { return cg.gs.bl.cardsSelectable != 0; }

}  // namespace

bool isSeatHandOpen(int32_t seat) {
  if (drawPass == 2) return false;  // the shadow volumes are those of a closed hand
  return gameIsSeatHandOpen(seat);
}

bool isLegalCard(const TCard& card) { return expectsCard() && gameIsLegalCard(card); }

bool isLegalFollow(const TCard& card, const TCard& ledCard) {
  return expectsCard() && gameIsLegalFollow(card, ledCard);
}

bool allCardsSelectable() { return !expectsCard() || gameAllCardsSelectable(); }

bool shadesUnplayableCards(int32_t stack) {
  bool shade = envParam.shadeMode > 1;
  if (gameIs(gidRomme)) {
    if (gameMayLayOffOnOthers()) shade = false;
    if (cg.gs.step == 6 && stack == 1) shade = true;
    if (gameDeadwoodLimit()) shade = true;
  }
  return shade;
}

namespace {

TCardPose skatOpenHand(TCardPose p, int32_t seat) {
  if (seat == 2) {
    p.x -= 160;
    p.z += 100;
  } else if (!isViewFromAbove()) {
    p.x -= 100;
    if (seat == 3) p.z -= 100;
    p.rotY -= 180;
  }
  return p;
}

TCardPose laidOpenHand(int32_t seat) {
  static TSpieler copy;
  copy = sp[seat];
  placeSeat(copy, true, float(copy.count));
  TCardPose p = copy.restPose;
  p.x -= 120;
  p.rotY = (p.rotY - 180) * 0.5f;
  if (!isViewFromAbove()) return p;
  p.rotX -= 10;
  switch (seatSlot(seat)) {
    case 2:
      p.x += 180, p.rotY -= 25, p.rotX -= 10;
      if (isWideScreen()) p.x -= 110;
      break;
    case 6:
      p.x -= 180, p.rotY += 30, p.rotX -= 10;
      if (isWideScreen()) p.x += 110;
      break;
    case 3: p.x -= 100, p.z -= 100; break;
    case 5: p.x += 100, p.z -= 100; break;
    default: break;
  }
  return p;
}

}  // namespace

TCardPose getOpenHandPos(const TCardPose& restPose, int32_t seat) {
  if (seat < 1 || seat > stackCount) return restPose;
  if (gameIs(gidSkat)) return skatOpenHand(restPose, seat);
  TCardPose p = laidOpenHand(seat);
  if (gameIs(gidCanasta)) {
    p.x += 80;
    if (cg.gs.tutorialMode) p.z += 550;
  }
  return p;
}

bool isTopVisibleCard(int32_t stack, int32_t index) {
  if (stack < 1 || stack > stackCount) return false;
  const TSpieler& s = sp[stack];
  if (stackUsed(s) < index) return false;
  if (index == 1) return true;
  int32_t i = stackUsed(s);
  while (i > 1 && s.slots[i].moving) i--;
  return i == index;
}

bool isStockOrTrickPile(int32_t stack) {
  if (stack == 11) return true;
  bool wonPiles = gameIs(gidDoppelkopf) || gameIs(gidSchafkopf) || gameIs(gidJass) ||
                  gameIs(gidHearts);
  return wonPiles && stack >= 7 && stack <= 10;
}

int32_t topCardSuit() {
  const TCard& top = sp[14].slots[1].card;
  int32_t wished = gameWishedSuit();
  if (gameCardRole(top.t) == 33 && wished != 0) return wished;
  return top.f;
}

bool isCanastaSideView() { return gameIs(gidCanasta) && isViewFromSide(); }
