#include "games/rummy/romme_area_image.h"

#include "core/game_state.h"
#include "core/record_io.h"
#include "games/rummy/romme_state.h"

namespace {

void i32(TRecordIo& io, int32_t& v) {
  io.align(4);
  io.i32(v);
}

void i16Io(TRecordIo& io, int16_t& v) { io.i16(v); }

void optionsIo(TRecordIo& io, TRommeOptions& o) {
  i32(io, o.firstDealer);
  i32(io, o.nextDealer);
  io.u8(o.positiveScoring);
  for (int32_t* f : {&o.listLength, &o.pointLimit, &o.firstMeldMinimum, &o.packs, &o.jokerValue}) i32(io, *f);
  for (uint8_t* b : {&o.aroundTheCorner, &o.duplicateCards, &o.layOffOnOthers, &o.sortByValue}) io.u8(*b);
  i32(io, o.cardsDealt);
  for (uint8_t* b : {&o.oklahomaGin, &o.layOffOnKnockerHand, &o.layOffOnGinHand}) io.u8(*b);
}

}  // namespace

void rommeAreaImageIo(TRecordIo& io, TGameState& gs) {
  TRommeArea& a = gameArea<TRommeArea>(gs.romme);
  optionsIo(io, a.options);
  io.u8(a.ginRummy);
  cardIo(io, a.takenDiscard);
  for (uint8_t* b : {&a.knocked, &a.layOffStage, &a.knockerDone}) io.u8(*b);
  i32(io, a.knockLimit);
  handIo(io, a.afterDiscard);
  arrayIo(io, a.discardDeadwood, i16Io);
  io.i16(a.discardDeadwoodCount);
  handIo(io, a.userMeld);
  for (int32_t* f : {&a.meldTicks, &a.knocker, &a.upCardOffers}) i32(io, *f);
  io.u8(a.ginNoGame);
  handIo(io, a.knockerLayOffs);
  for (int32_t* f : {&a.turnCounter, &a.turnStartCount, &a.lastMover, &a.stepCalls}) i32(io, *f);
  for (int32_t s = 1; s <= 6; s++) arrayIo(io, a.holdMarks[s], i16Io);
  io.u8(a.deadwoodHandValid);
  handIo(io, a.deadwoodHand);
  if (!io.writing() && (a.discardDeadwoodCount < 0 || a.discardDeadwoodCount > 166)) io.markDamaged();
}
