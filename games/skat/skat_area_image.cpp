// Skat's area in the saved game: the fields of the area and of its saved lists in the
// image, and the module-level lists copied into the game state before saving and back after
// loading.
//
// [SECTION] fields of the area
// [SECTION] the area in the image
// [SECTION] the module lists
#include "games/skat/skat_area_image.h"

#include "core/cg.h"
#include "core/record_io.h"
#include "games/skat/skat_state.h"

// [SECTION] fields of the area

namespace {

void skatGameRecordIo(TRecordIo& io, TSkatGameRecord& g) {
  io.align(4);
  arrayIo(io, g.seatBid, i32Io);
  for (int32_t* f : {&g.bidReached, &g.declarer, &g.multiplier, &g.gameType, &g.overbidGameType,
                     &g.spitzeAnnounced})
    io.i32(*f);
  io.u8(g.level);
  io.u8(g.handGame);
  io.i32(g.gameValue);
  io.u8(g.won);
  io.i32(g.declarerPoints);
  io.i32(g.defenderPoints);
  io.u8(g.ramschGame);
  io.u8(g.schiebenRound);
  io.u8(g.bockGame);
  arrayIo(io, g.noTrickYet, u8Io);
  arrayIo(io, g.jungfrauAnnounced, u8Io);
  io.i32(g.pushCount);
  io.i32(g.jungfrauLoser);
  io.i32(g.kontraLevel);
  io.u8(g.spitzeWrong);
  io.u8(g.rumGame);
  io.align(4);
}

void skatBidRecordIo(TRecordIo& io, TSkatBidRecord& b) {
  for (int32_t* f : {&b.declarer, &b.unused1, &b.unused2, &b.gameType, &b.leadSeat, &b.cardsToPlay})
    io.i32(*f);
}

void skatOptionsIo(TRecordIo& io, TSkatOptions& o) {
  io.align(4);
  io.u8(o.internationalRules);
  io.i32(o.scoring);
  io.u8(o.ownLength);
  io.i32(o.listLength);
  io.i32(o.firstDealer);
  io.u8(o.rum);
  io.u8(o.spitze);
  io.u8(o.grand20);
  io.i32(o.grandBase);
  io.u8(o.kontra);
  arrayIo(io, o.kontraLevels, u8Io);
  io.u8(o.kontraAfterAnnouncement);
  io.u8(o.bockRamsch);
  io.i32(o.bockRounds);
  io.i32(o.ramschRounds);
  for (uint8_t* f : {&o.bockAllPassed, &o.bockKontraLost, &o.bockGrandHandWon, &o.bockGrandHandLost,
                     &o.ramschIfNoBid, &o.bockSixtyAll, &o.bockOver100, &o.bockSchneider,
                     &o.bockListEnd, &o.jacksMayBePushed, &o.jungfrau, &o.grandHand,
                     &o.durchmarsch, &o.skatToLoser, &o.money})
    io.u8(*f);
  io.i32(o.moneyRate);
  io.align(4);
}

void skatAreaIo(TRecordIo& io, TSkatArea& a) {
  io.align(4);
  io.i32(a.skatDealerSeat);
  io.i32(a.trickLeader);
  skatGameRecordIo(io, a.game);
  for (int32_t* f : {&a.rearhand, &a.bidListener, &a.bidSayer, &a.unusedBid1, &a.unusedBid2,
                     &a.currentBid})
    io.i32(*f);
  io.u8(a.sayerTurn);
  arrayIo(io, a.skatBidList, i32Io);
  io.i32(a.skatBidCount);
  io.i32(a.skatBidIndex);
  skatBidRecordIo(io, a.bid);
  skatOptionsIo(io, a.options);
  io.i32(a.kontraDefender);
  io.u8(a.kontraSecondAsked);
  io.str(a.specialGameMarker);
  io.align(4);
}

void skatSavedListsIo(TRecordIo& io, TSkatSavedLists& l) {
  for (THand* h : {&l.trickBySeat, &l.trickCards, &l.lastTrick, &l.playedCards, &l.declarerTricks,
                   &l.defenderTricks})
    handIo(io, *h);
  arrayIo(io, l.wonCards, handIo);
  handIo(io, l.pressedSkat);
  arrayIo(io, l.dealtHands, handIo);
  handIo(io, l.dealtSkat);
  io.u8(l.nullTrickTaken);
  io.str(l.pendingSpecialGames);
  io.align(4);
}

}  // namespace

// [SECTION] the area in the image

void skatAreaImageIo(TRecordIo& io, TGameState& gs) {
  skatAreaIo(io, gameArea<TSkatArea>(gs.skat));
  skatSavedListsIo(io, gameArea<TSkatSavedLists>(gs.skatLists));
}

// [SECTION] the module lists

void skatListsToArea() {
  TSkatSavedLists& l = skatGameLists();
  l.trickBySeat = trickBySeat, l.trickCards = trickCards, l.lastTrick = lastTrick, l.playedCards = playedCards;
  l.declarerTricks = declarerTricks, l.defenderTricks = defenderTricks, l.wonCards = wonCards;
  l.pressedSkat = pressedSkat, l.dealtHands = dealtHands, l.dealtSkat = dealtSkat;
  l.nullTrickTaken = nullTrickTaken;
  l.pendingSpecialGames = pendingSpecialGames;
}

void skatListsFromArea() {
  const TSkatSavedLists& l = skatGameLists();
  trickBySeat = l.trickBySeat, trickCards = l.trickCards, lastTrick = l.lastTrick, playedCards = l.playedCards;
  declarerTricks = l.declarerTricks, defenderTricks = l.defenderTricks, wonCards = l.wonCards;
  pressedSkat = l.pressedSkat, dealtHands = l.dealtHands, dealtSkat = l.dealtSkat;
  nullTrickTaken = l.nullTrickTaken;
  pendingSpecialGames = l.pendingSpecialGames;
  skatAttachArea(skatGameArea());
}
