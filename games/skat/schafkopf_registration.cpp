// Schafkopf's table of calls: every call the core and the card table make into Schafkopf,
// its answers to the decision builder's questions, and its area in the saved game.
//
// [SECTION] calls by role
// [SECTION] the area in the image
// [SECTION] the table
#include "games/skat/schafkopf_registration.h"

#include "core/cg.h"
#include "core/game_callbacks.h"
#include "core/record_io.h"
#include "engine/engine_services.h"
#include "games/skat/party_knowledge.h"
#include "games/skat/schafkopf_ai.h"
#include "games/skat/schafkopf_bidding.h"
#include "games/skat/schafkopf_game_step.h"
#include "games/skat/schafkopf_rules.h"
#include "games/skat/schafkopf_scoring.h"
#include "games/skat/schafkopf_table.h"
#include "games/skat/skat_family_ai.h"
#include "games/skat/skat_state.h"

namespace {

// [SECTION] calls by role

void resume(int phase) {
  if (phase == 0) schafkopfResume();
}

bool listOver(const TGameResult&) { return schafkopfIsListOver(); }

std::string listText(const TGameResult&) {
  std::string out;
  schafkopfListText(out);
  return out;
}

std::string resultText(const TGameResult& r) {
  std::string out;
  schafkopfResultText(r, out);
  return out;
}

std::string enterHighscore() {
  std::string out;
  schafkopfEnterHighscore(out);
  return out;
}

bool checkAction(int kind, int32_t a, int32_t b) {
  schafkopfCheckAction(kind, a, b);
  return cg.gs.getBlender.kind != 7;  // a refusal marks the action used
}

bool handOpen(int32_t) { return false; }

// [SECTION] the area in the image

void contractIo(TRecordIo& io, TContractRecord& c) {
  io.u8(c.type);
  io.u8(c.suit);
  io.u8(c.tout);
}

void optionsIo(TRecordIo& io, TSchafkopfOptions& o) {
  for (int32_t* f : {&o.gameLimit, &o.pointLimit, &o.dealerChoice, &o.moneyTariff, &o.tariffItem}) io.i32(*f);
  for (uint8_t* f : {&o.tout, &o.farbgeier, &o.farbwenz, &o.bettel, &o.sie, &o.kontra, &o.re, &o.ramsch, &o.laufende,
                     &o.ownAce})
    io.u8(*f);
  io.i32(o.soloValue);
}

void seatIo(TRecordIo& io, TSchafkopfSeat& s) {
  contractIo(io, s.seatContract);
  io.str(s.contractCaption);
  io.u8(s.answered);
  io.i32(s.laufende);
  auto ratingRow = [](TRecordIo& rio, LArray<uint8_t, 0, 4>& row) { arrayIo(rio, row, u8Io); };
  arrayIo(io, s.reRating, ratingRow);
  arrayIo(io, s.contractRating, ratingRow);
  contractIo(io, s.aiContract);
  io.align(4);
}

void areaIo(TRecordIo& io, TSchafkopfArea& a) {
  io.align(4);
  optionsIo(io, a.options);
  arrayIo(io, a.seats, seatIo);
  contractIo(io, a.highestOffer);
  for (int32_t* f : {&a.highestBidder, &a.firstPlayWish, &a.secondPlayWish, &a.playWishCount, &a.declarationsMade,
                     &a.kontraLevel})
    io.i32(*f);
  contractIo(io, a.contract);
  io.i32(a.declarerSeat);
  io.i32(a.soloistSeat);
  io.u8(a.silentSoloShown);
  io.u8(a.calledAcePlayed);
  io.i32(a.trickPosition);
  handIo(io, a.legalCards);
  arrayIo(io, a.partyViews, partyViewIo);
  arrayIo(io, a.savedSeatKnowledge, seatKnowledgeIo);
  io.align(4);
}

void listsIo(TRecordIo& io, TSchafkopfSavedLists& l) {
  handIo(io, l.trickBySeat);
  handIo(io, l.trickCards);
  io.align(4);
}

}  // namespace

void schafkopfAreaImageIo(TRecordIo& io, TGameState& gs) {
  areaIo(io, gameArea<TSchafkopfArea>(gs.schafkopf));
  listsIo(io, gameArea<TSchafkopfSavedLists>(gs.schafkopfLists));
}

void schafkopfListsToArea() {
  schafkopfGameLists().trickBySeat = trickBySeat;
  schafkopfGameLists().trickCards = trickCards;
}

void schafkopfListsFromArea() {
  trickBySeat = schafkopfGameLists().trickBySeat;
  trickCards = schafkopfGameLists().trickCards;
  schafkopfAttachArea(schafkopfGameArea());
}

// [SECTION] the table

namespace {

bool legalFollow(const TCard& card, const TCard& led) { return schafkopfIsLegalFollow(card, led); }
bool legalCard(const TCard& card) { return schafkopfIsLegalCard(card); }

const TGameCallbacks schafkopfGameCallbacks = {
    .newGame = schafkopfNewGame,
    .gameStep = schafkopfGameStep,
    .resume = resume,
    .enterHighscore = enterHighscore,
    .isListOver = listOver,
    .listText = listText,
    .resultText = resultText,
    .aiMove = schafkopfAIMove,
    .checkAction = checkAction,
    .aiObserve = schafkopfAIObserve,
    .isTrump = schafkopfIsTrump,
    .isSeatHandOpen = handOpen,
    .isLegalCard = legalCard,
    .isLegalFollow = legalFollow,
    .allCardsSelectable = nullptr,
    .ledTrickCard = schafkopfLedCard,
    .refreshSeatMarks = schafkopfRefreshPlayers,
    .areaAnswers = schafkopfFillAreaQueries,
    .listsToArea = schafkopfListsToArea,
    .listsFromArea = schafkopfListsFromArea,
    .areaImageIo = schafkopfAreaImageIo,
};

}  // namespace

void registerSchafkopfGame() { registerGameCallbacks(gidSchafkopf, &schafkopfGameCallbacks); }
