// Doppelkopf's area in the saved game, field by field, and the shared trick lists around
// saving and loading. The trump list is saved as it lies; the resume rebuilds it with the
// card values, which the image does not hold.
//
// [SECTION] fields of the area
// [SECTION] the area in the image
// [SECTION] the module lists
#include "games/skat/doppelkopf_area_image.h"

#include "core/cg.h"
#include "core/record_io.h"
#include "games/skat/doppelkopf_state.h"
#include "games/skat/party_knowledge.h"
#include "games/skat/skat_family_ai.h"
#include "games/skat/skat_state.h"

// [SECTION] fields of the area

namespace {

void optionsIo(TRecordIo& io, TDoppelkopfOptions& o) {
  io.align(4);
  io.i32(o.gameLimit);
  io.i32(o.pointLimit);
  io.i32(o.dealerChoice);
  io.u8(o.fuchsFangen);
  io.u8(o.doppelkopf);
  io.u8(o.karlchen);
  io.align(4);
  io.i32(o.soloLead);
  io.u8(o.bubenDamenSolo);
  io.u8(o.secondDulle);
  arrayIo(io, o.announcements, u8Io);
  io.align(4);
}

void seatIo(TRecordIo& io, TDoppelkopfSeat& s) {
  io.align(4);
  io.u8(s.doppelkopf);
  io.align(4);
  io.i32(s.doppelkopfCount);
  io.u8(s.karlchen);
  arrayIo(io, s.fuchs, u8Io);
  io.align(4);
  arrayIo(io, s.fuchsVictim, i32Io);
  io.i32(s.kreuzDamenPlayed);
  for (uint8_t* f : {&s.vorbehalt, &s.soloWish, &s.hochzeitWish, &s.hochzeitPartnerFound}) io.u8(*f);
  io.i32(s.partnerHandSize);
  io.u8(s.bothKreuzDamen);
  io.align(4);
  io.i32(s.doppelkopfReLevel);
  io.i32(s.doppelkopfKontraLevel);
}

void aiSeatIo(TRecordIo& io, TDoppelkopfAISeat& s) {
  io.i32(s.announceLimit);
  arrayIo(io, s.soloRating, u8Io);
  arrayIo(io, s.soloAnnounceLimit, u8Io);
  for (int32_t* f : {&s.aiSoloType, &s.queenScore, &s.aceScore, &s.voidScore, &s.suitScore, &s.trumpScore, &s.total,
                     &s.trumpTotal, &s.sideTotal, &s.weaknessCount})
    io.i32(*f);
}

void areaIo(TRecordIo& io, TDoppelkopfArea& a) {
  optionsIo(io, a.options);
  for (int32_t* f : {&a.doppelkopfSoloType, &a.doppelkopfSoloist, &a.hochzeitSeat, &a.hochzeitPartner}) io.i32(*f);
  arrayIo(io, a.seats, seatIo);
  arrayIo(io, a.views, partyViewIo);
  handIo(io, a.trumps);
  handIo(io, a.legalCards);
  io.i32(a.trickPosition);
  arrayIo(io, a.partyGuessStats, i32Io);
  handIo(io, a.savedTrickBySeat);
  handIo(io, a.savedTrickCards);
  arrayIo(io, a.doppelkopfAISeats, aiSeatIo);
  arrayIo(io, a.savedSeatKnowledge, seatKnowledgeIo);
  io.align(4);
}

}  // namespace

// [SECTION] the area in the image

void doppelkopfAreaImageIo(TRecordIo& io, TGameState& gs) { areaIo(io, gameArea<TDoppelkopfArea>(gs.doppelkopf)); }

// [SECTION] the module lists

void doppelkopfListsToArea() {
  TDoppelkopfArea& a = doppelkopfGameArea();
  a.savedTrickBySeat = trickBySeat;
  a.savedTrickCards = trickCards;
}

void doppelkopfListsFromArea() {
  const TDoppelkopfArea& a = doppelkopfGameArea();
  trickBySeat = a.savedTrickBySeat;
  trickCards = a.savedTrickCards;
  doppelkopfAttachArea(doppelkopfGameArea());
}
