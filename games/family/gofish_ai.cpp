// Go Fish's computer players (see gofish_ai.h).
//
// [SECTION] choosing a question
// [SECTION] the object: events, state file, play
#include "games/family/gofish_ai.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "core/auto_decide.h"
#include "core/card_names.h"
#include "core/cg.h"
#include "engine/engine_services.h"
#include "games/family/gofish_rules.h"
#include "platform/byte_io.h"
#include "platform/random.h"
#include "shell/shell_globals.h"
#include "sound/sound_events.h"

namespace {

int32_t seats() { return goFishSeats(); }
int32_t cardsOf(int32_t seat) { return goFishCardCount(seat); }
std::string rankName(int32_t rank) { return rankNameTable[1][std::clamp(rank, 0, 20)]; }
bool validRank(int32_t r) { return r >= 1 && r <= 13; }

// The ranks held most often, one of them at random.
int32_t pickMostHeldRank(const LArray<int32_t, 1, 13>& counts) {
  int32_t most = *std::max_element(counts.begin(), counts.end());
  std::vector<int32_t> ranks;
  for (int32_t r = 1; r <= 13; r++)
    if (counts[r] == most) ranks.push_back(r);
  return ranks[size_t(randomBelow(int32_t(ranks.size())))];
}

// Any other seat holding cards that is known to hold more of the rank replaces the seat.
void bestSeatForRank(const TFishMemory& memory, int32_t self, int32_t rank, int32_t& seat) {
  for (int32_t s = 1; s <= seats(); s++)
    if (s != self && cardsOf(s) > 0 && memory[s][rank] > memory[seat][rank]) {
      seat = s;
      trace("Go Fish KI: asks now " + std::to_string(s));
    }
}

}  // namespace

// [SECTION] choosing a question

std::string TFishPlayer::getTypeName() const {
  return level == 0 ? "TFishPlayer (beginner)" : "TFishPlayer (normal)";
}

int32_t TFishPlayer::rankPosition(int32_t rank) const {
  for (int32_t i = 1; i <= cardsOf(Seat); i++)
    if (sp[Seat].slots[i].card.t == rank) return i;
  log("snh: card of type not found!");
  return 1;
}

void TFishPlayer::choose(const TFishMemory& memory, int32_t& bestSeat, int32_t& bestRank) const {
  const int32_t n = seats(), s = Seat;
  bestSeat = 0;
  for (int32_t t = 1; t <= n; t++)
    if (t != s && cardsOf(t) > 0 && (bestSeat == 0 || cardsOf(t) > cardsOf(bestSeat))) bestSeat = t;
  bestRank = 0;
  int32_t best = 0;
  std::vector<int32_t> p(size_t(n) + 1);
  for (int32_t i = 1; i <= n; i++) p[size_t(i)] = i;
  for (int32_t i = 1; i <= n; i++) std::swap(p[size_t(i)], p[size_t(randomBelow(n) + 1)]);
  LArray<int32_t, 1, 13> counts{};
  for (int32_t i = 1; i <= cardsOf(s); i++) {
    int32_t r = sp[s].slots[i].card.t;
    if (validRank(r)) counts[r] += 1;
  }
  for (int32_t k = 1; k <= n; k++) {
    int32_t target = (s + p[size_t(k)] - 1) % n + 1;
    if (target == s || cardsOf(target) == 0) continue;
    int32_t tries = level == 0 ? 1 : cardsOf(target);
    for (int32_t tr = 0; tr < tries; tr++) {
      int32_t rank = pickMostHeldRank(counts);
      int32_t seat = target;
      bestSeatForRank(memory, s, rank, seat);
      if (counts[rank] <= 0) continue;
      int32_t v = memory[seat][rank] + counts[rank];
      if ((v > best || best == 0) && cardsOf(seat) > 0) {
        best = v;
        bestSeat = seat;
        bestRank = rank;
      }
      counts[rank] -= 1;
    }
  }
}

void TFishPlayer::answer(const TFishMemory& memory) {
  const TDecisionBlock& bl = cg.gs.bl;
  if (bl.decisionKind != 118) {
    cg.submitAction(2, 0, bl.optionValues[1]);
    return;
  }
  int32_t seat = 0, rank = 0;
  choose(memory, seat, rank);
  // The consistency checks go to the trace: an answer the check refuses is never sent.
  if (cardsOf(seat) == 0) trace("Attention: Player " + std::to_string(seat) + " has no cards");
  if (seat == Seat) trace("Attention: Player asks himself");
  if (goFishArea().askedSeat == 0) {
    cg.submitAction(2, 0, seat);
    return;
  }
  log("fragt Spieler " + cg.seatName(seat) + ":" + std::to_string(seat) + " nach Karte " + rankName(rank));
  cg.submitAction(0, 0, rankPosition(rank));
}

void TFishPlayer::play(const TFishMemory& memory) { answer(memory); }

void TFishProPlayer::loadMemory(TFishMemory& memory) {
  for (int32_t s = 1; s <= seats(); s++)
    for (int32_t r = 1; r <= 13; r++) {
      bool holds = false;
      for (int32_t i = 1; i <= cardsOf(s); i++) holds = holds || sp[s].slots[i].card.t == r;
      memory[s][r] = holds ? 1 : fishNever;
    }
}

void TFishProPlayer::play(const TFishMemory& memory) {
  turnCount += 1;
  if (turnCount % 10 != 0) {
    answer(memory);
    return;
  }
  TFishMemory full = memory;
  loadMemory(full);
  answer(full);
}

// [SECTION] the object: events, state file, play

TGoFishAI::TGoFishAI() : TAbstractCardAIImpl("Go Fish KI", gidGoFish) {
  log("creating");
  createPlayers();
  resetMemory();
  log("creation done");
}

void TGoFishAI::createPlayers() {
  players.clear();
  for (int32_t s = 1; s <= seats(); s++) {
    int32_t strength = cg.gs.seatProfiles[s].strength;
    if (s != 1 && strength >= 3) players.push_back(std::make_unique<TFishProPlayer>(s));
    else if (s == 1 || strength == 2) players.push_back(std::make_unique<TFishPlayer>(s, 1));
    else players.push_back(std::make_unique<TFishPlayer>(s, 0));
    players.back()->log(players.back()->getTypeName() + " created");
  }
}

void TGoFishAI::resetMemory() {
  for (int32_t s = 1; s <= std::min(seats(), 7); s++) std::fill(memory[s].begin(), memory[s].end(), 0);
}

void TGoFishAI::cleanup() {
  log("Cleaning up ...");
  players.clear();
  log("Cleaning up done!");
}

void TGoFishAI::addKnownCards(int32_t seat, const TCard& card, int32_t delta) {
  if (seat >= 1 && seat <= 7 && validRank(card.t)) memory[seat][card.t] += delta;
}

void TGoFishAI::karte_bewegt(int32_t from, int32_t to, TCard card) {
  const bool fromSeat = from >= 1 && from <= seats(), toSeat = to >= 1 && to <= seats();
  const int32_t asker = goFishArea().asker, asked = goFishArea().askedSeat;
  if (from > 100) {
    log("Spieler " + std::to_string(from - 100) + " fragt Spieler " + std::to_string(to) +
        " nach Karte vom Rang " + rankName(card.t));
  } else if (from == -1 && to == -1) {
    // A new game: the players follow the strengths chosen for it.
    createPlayers();
    resetMemory();
    log("Neustart");
  } else if (fromSeat && to == 12) {
    addKnownCards(from, card, -1);
    soundContainer.sayComment(from, 0, -2, -1, 60);
    log("Spieler" + std::to_string(from) + " gibt Karte an Spieler" + std::to_string(asker));
  } else if (toSeat && from == 12) {
    addKnownCards(to, card, 1);
    soundContainer.sayComment(to, 0, 1, 2, 60);
    log("Spieler" + std::to_string(to) + " erhält Karte von " + std::to_string(asked));
  } else if (fromSeat && to == from + 14) {
    log("Spieler" + std::to_string(from) + " legt Karte aus.");
    soundContainer.sayComment(from, 0, 3, 0, 50);
  } else if (fromSeat && static_cast<uint8_t>(card.f) == 255) {
    if (validRank(card.t)) memory[from][card.t] = 0;
    std::string text = "Spieler" + std::to_string(from) + " hat keine Karte vom Typ " + rankName(card.t);
    if (stackUsed(sp[11]) == 0) {
      text += " und will auch nie wieder gefragt werden!";
      addKnownCards(from, card, fishNever);
    }
    log(text);
  }
  if (from == 11) log("Spieler" + std::to_string(to) + " zieht Karte vom Talon");
}

bool TGoFishAI::saveState(const std::string& fileName) {
  ByteWriter w;
  for (int32_t s = 1; s <= 7; s++)
    for (int32_t r = 1; r <= 13; r++) w.i32(memory[s][r]);
  std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(w.bytes().data()), std::streamsize(w.size()));
  if (!out) log("state not written: " + fileName);
  return true;
}

bool TGoFishAI::loadState(const std::string& fileName) {
  std::ifstream in(fileName, std::ios::binary);
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  // A missing or short file leaves the memory as it was.
  if (bytes.size() < fishStateBytes) return true;
  ByteReader r(bytes);
  for (int32_t s = 1; s <= 7; s++)
    for (int32_t k = 1; k <= 13; k++) memory[s][k] = r.i32();
  return true;
}

void TGoFishAI::play() {
  const int32_t seat = cg.gs.akspieler;
  log("cg.gs.akspieler = " + std::to_string(seat) + "count: " + std::to_string(players.size()));
  if (seat < 1 || size_t(seat) > players.size()) {
    autoDecide(false);
    return;
  }
  players[size_t(seat - 1)]->play(memory);
}

std::unique_ptr<TAbstractCardAIImpl> createGoFishAI() { return std::make_unique<TGoFishAI>(); }
