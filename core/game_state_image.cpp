// Field lists of the game state object's byte images.
//
// [SECTION] records
// [SECTION] game-state block
// [SECTION] head of TCG
// [SECTION] images
#include "core/game_state_image.h"

#include "core/game_callbacks.h"

// [SECTION] records

void seatRecordIo(TRecordIo& io, TSeatRecord& r) {
  io.align(4);
  arrayIo(io, r.cards, cardIo);
  io.i32(r.count);
  io.i32(r.number);
  io.u8(r.kind);
  io.align(4);
}

void decisionBlockIo(TRecordIo& io, TDecisionBlock& b) {
  io.align(4);
  io.u8(b.pilesSelectable);
  io.u8(b.cardsSelectable);
  io.u8(b.tableSelectable);
  io.u8(b.showOptions);
  io.i32(b.pileA);
  io.i32(b.pileB);
  io.i32(b.meldingMode);
  io.i32(b.optionCount);
  handIo(io, b.selhand);
  io.str(b.questionText);
  arrayIo(io, b.optionTexts, [](TRecordIo& o, auto& s) { o.str(s); });
  arrayIo(io, b.optionValues, [](TRecordIo& o, int16_t& v) { o.i16(v); });
  io.i32(b.decisionKind);
  io.align(4);
}

namespace {

void bubbleIo(TRecordIo& io, TBubbleEntry& b) {
  io.u32(b.startTick);
  io.i32(b.duration);
  io.i16(b.dialog);
  io.i16(b.element);
  io.align(4);
}

void getBlenderIo(TRecordIo& io, TGetBlender& g) {
  io.i16(g.res_i);
  io.i16(g.res_ii);
  io.u8(g.kind);
  io.align(2);
}

void meldTableImageIo(TRecordIo& io, TMeldTableImage& m) {
  io.align(4);
  arrayIo(io, m.melds, hand64Io);
  arrayIo(io, m.counts, i32Io);
  arrayIo(io, m.flags, u8Io);
  arrayIo(io, m.selection, i32Io);
  arrayIo(io, m.lists, handIo);
  io.align(4);
}

void seatProfileIo(TRecordIo& io, TSeatProfile& p) {
  for (int32_t* f : {&p.strength, &p.unused1, &p.unused2, &p.reizen, &p.reizenr, &p.wahrs,
                     &p.wahr0, &p.kont, &p.wafe, &p.krafe})
    io.i32(*f);
}

void playerRecordIo(TRecordIo& io, TPlayerRecord& p) {
  io.str(p.name);
  io.u8(p.female);
  io.u8(p.voice);
}

// [SECTION] game-state block

void gameListIo(TRecordIo& io, TGameState& gs) {
  io.u8(gs.listOver);
  io.f32(gs.tableScale);
  io.u8(gs.meldTableInUse);
  io.i32(gs.gamesPlayed);
  io.i32(gs.gameListSpare);
  arrayIo(io, gs.gameListValues, [](TRecordIo& o, auto& column) { arrayIo(o, column, i32Io); });
  arrayIo(io, gs.gameListTexts, [](TRecordIo& o, auto& s) { o.str(s); });
  arrayIo(io, gs.listTotals, i32Io);
  arrayIo(io, gs.matchScore, i32Io);
}

void stepStateIo(TRecordIo& io, TGameState& gs) {
  io.u8(gs.phase);
  io.i32(gs.step);
  io.i32(gs.gameCounter);
  io.i32(gs.subStep);
  io.i32(gs.lastComment);
  io.i32(gs.gameValue);
  io.u8(gs.subState);
  io.u32(gs.lastStepTick);
  io.i32(gs.msSinceStep);
  io.i32(gs.akspieler);
  io.i32(gs.dealer);
  io.i32(gs.tutorialStep);
  arrayIo(io, gs.tutorialCardMarks, i32Io);
  io.u8(gs.tutorialMode);
  io.u8(gs.awaitingAction);
  getBlenderIo(io, gs.getBlender);
}

void bubblesAndDecisionIo(TRecordIo& io, TGameState& gs) {
  io.u8(gs.anyBubble);
  arrayIo(io, gs.bubbleState, u8Io);
  arrayIo(io, gs.bubbles, bubbleIo);
  io.i32(gs.commentCount);
  io.u8(gs.pendingMove);
  io.u8(gs.voicePlaying);
  io.i16(gs.pendingStack);
  io.i16(gs.pendingSlot);
  decisionBlockIo(io, gs.bl);
  decisionBlockIo(io, gs.savedBl);
  arrayIo(io, gs.netSeatName, [](TRecordIo& o, auto& s) { o.str(s); });
}

void tailIo(TRecordIo& io, TGameState& gs) {
  meldTableImageIo(io, gs.meldTableImage);
  io.i32(gs.savedBlSeat);
  io.u8(gs.optionsGameId);
  arrayIo(io, gs.seatProfiles, seatProfileIo);
  arrayIo(io, gs.seatKnownCards, handIo);
  arrayIo(io, gs.seatDiscards, handIo);
  arrayIo(io, gs.seatDrawnCards, handIo);
  io.i16(gs.dealStyle);
  io.i16(gs.seatOrder);
  io.i16(gs.warCollectDelay);
  arrayIo(io, gs.playerRecords, playerRecordIo);
}

}  // namespace

void gameStateImageIo(TRecordIo& io, TGameState& gs) {
  gameListIo(io, gs);
  stepStateIo(io, gs);
  bubblesAndDecisionIo(io, gs);
  gameAreasImageIo(io, gs);
  tailIo(io, gs);
  io.align(4);
}

// [SECTION] head of TCG

void cgHeadImageIo(TRecordIo& io, TCG& c) {
  io.u8(c.gameId);
  arrayIo(io, c.seatRecords, seatRecordIo);
  arrayIo(io, c.headReserved, u8Io);
  io.i32(c.seatCount);
  io.i32(c.frameCount);
  io.i32(c.pointerCode);
  io.i32(c.lastPointerCode);
}

// [SECTION] images
// Writing walks the same field lists as reading; the records are only read while writing.

std::vector<uint8_t> cgHeadImage(const TCG& c) {
  ByteWriter w;
  TRecordIo io(w);
  cgHeadImageIo(io, const_cast<TCG&>(c));
  return w.bytes();
}

std::vector<uint8_t> gameStateImage(const TGameState& gs) {
  ByteWriter w;
  TRecordIo io(w);
  gameStateImageIo(io, const_cast<TGameState&>(gs));
  return w.bytes();
}

bool cgHeadFromImage(ByteReader& r, TCG& c) {
  TRecordIo io(r);
  cgHeadImageIo(io, c);
  return !io.failed() && !io.damaged();
}

bool gameStateFromImage(ByteReader& r, TGameState& gs) {
  TRecordIo io(r);
  gameStateImageIo(io, gs);
  return !io.failed() && !io.damaged();
}
