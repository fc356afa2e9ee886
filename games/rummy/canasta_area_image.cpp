#include "games/rummy/canasta_area_image.h"

#include "core/game_state.h"
#include "core/record_io.h"
#include "games/rummy/canasta_state.h"

namespace {

void i32(TRecordIo& io, int32_t& v) {
  io.align(4);
  io.i32(v);
}

void optionsIo(TRecordIo& io, TCanastaOptions& o) {
  for (int32_t* f : {&o.firstDealer, &o.nextDealer, &o.listLength, &o.pointLimit, &o.packs}) i32(io, *f);
  io.u8(o.teams);
  io.u8(o.negativeWithoutCanasta);
  io.u8(o.wildCanastas);
  i32(io, o.cardsPerHand);
  io.u8(o.redThreesAlwaysPositive);
  for (int32_t* f : {&o.goingOutBonus, &o.concealedBonus, &o.mixedCanastaBonus, &o.naturalCanastaBonus,
                     &o.wildCanastaBonus, &o.redThreeBonus, &o.fourRedThreesBonus, &o.jokerValue, &o.drawCount,
                     &o.cardsDealt})
    i32(io, *f);
  io.u8(o.pileAlwaysFrozen);
}

void moveListIo(TRecordIo& io, TCanastaMoveList& list) {
  i32(io, list.count);
  for (int32_t e = 1; e <= moveListCapacity; e++) {
    TCanastaMoveEntry& entry = list.entries[e];
    hand64Io(io, entry.cards);
    for (int16_t* f : {&entry.target, &entry.points, &entry.bonus}) io.i16(*f);
  }
  i32(io, list.totalPoints);
  if (!io.writing() && (list.count < 0 || list.count > moveListCapacity)) io.markDamaged();
}

}  // namespace

void canastaAreaImageIo(TRecordIo& io, TGameState& gs) {
  TCanastaArea& a = gameArea<TCanastaArea>(gs.can);
  optionsIo(io, a.options);
  io.align(4);
  arrayIo(io, a.team, i32Io);
  for (auto* bytes : {&a.teamCanasta, &a.firstMeldMade, &a.meldedThisTurn, &a.hasLaidDown}) arrayIo(io, *bytes, u8Io);
  i32(io, a.wentOutSeat);
  io.u8(a.wentOutConcealed);
  io.u8(a.pileFrozen);
  i32(io, a.pileTakeKind);
  cardIo(io, a.pileTopCard);
  for (int32_t* f : {&a.meldMinimum, &a.bestPoints, &a.bestPointsWithPile}) i32(io, *f);
  handIo(io, a.selhand);
  arrayIo(io, a.history, cardIo);
  i32(io, a.hcount);
  for (TCard* c : {&a.kartenzwang, &a.kartenzwangSaved, &a.spielmit2zwang}) cardIo(io, *c);
  io.u8(a.autolegen);
  io.u8(a.pileTaken);
  i32(io, a.turnPoints);
  io.u8(a.holdsTopPair);
  io.u8(a.redThreesPending);
  i32(io, a.redThreesCount);
  i32(io, a.drawnFrom);
  io.u8(a.aiPlannedThisTurn);
  i32(io, a.turnCounter);
  for (int32_t* f : {&a.lastMover, &a.turnStartCount, &a.stepCalls, &a.handStepCalls, &a.partnerAnnounced}) i32(io, *f);
  io.u8(a.autoLaidDown);
  moveListIo(io, a.hintMove);
  moveListIo(io, a.multizugPlan);
  for (int32_t* f : {&a.multizugPart, &a.multizugKind, &a.aiTakeBackTurn, &a.aiTakeBackCount}) i32(io, *f);
  if (!io.writing() && (a.hcount < 0 || a.hcount > 166)) io.markDamaged();
}
