#include "games/family/stock_deal.h"

#include "core/cg.h"
#include "shell/env_param.h"
#include "table/deal_moves.h"
#include "table/move_queue.h"
#include "table/stacks.h"

void stockDealStep(int32_t seats, int32_t (*count)(int32_t seat), int32_t nextSeat) {
  TGameState& gs = cg.gs;
  const int32_t stock = stackUsed(sp[11]);
  if (gs.dealStyle == 1) {
    int32_t dealt = 0;
    for (int32_t i = 1; i <= seats; i++) {
      const int32_t seat = envParam.playDirection == 2 ? seats + 1 - i : i;
      gethand(seat, count(seat), dealt, float(i - 1) * 0.25f, 11, 0);
      dealt += count(seat);
    }
    noteCoreMove(11, stock - dealt + 1);
    gs.step = seats;
  } else {
    gs.akspieler = nextSeat;
    gs.step += 1;
    const int32_t n = count(nextSeat);
    gethand(nextSeat, n, 0, 0, 11, 0);
    noteCoreMove(11, stock - n + 1);
  }
}
