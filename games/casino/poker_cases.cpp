// The case memory: distance, nearest case, learning and forgetting, and its file.
#include "games/casino/poker_cases.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/cg.h"
#include "core/record_io.h"
#include "engine/engine_services.h"
#include "engine/error_log.h"
#include "games/casino/poker_ai.h"
#include "games/casino/poker_state.h"
#include "platform/paths.h"
#include "platform/random.h"
#include "shell/shell_globals.h"

namespace {

// Poker's own record fills the front of its area; the memory's part lies behind it.
constexpr size_t caseAreaOffset = 12288;
static_assert(sizeof(TPokerArea) <= caseAreaOffset, "poker's record reaches the case memory's part");
static_assert(caseAreaOffset + sizeof(TPokerCaseArea) <= sizeof(TGameState::poker), "the case memory's part outgrew the area");

void put16(uint8_t* p, int16_t v) {
  p[0] = uint8_t(v & 0xFF);
  p[1] = uint8_t((uint16_t(v) >> 8) & 0xFF);
}
int16_t get16(const uint8_t* p) { return int16_t(uint16_t(p[0] | (p[1] << 8))); }

void encode(const TPokerCase& c, uint8_t* p) {
  p[0] = c.winChance, p[1] = c.winChanceInHand, p[2] = c.winChanceTable, p[3] = c.unused3;
  put16(p + 4, c.potInBlinds), put16(p + 6, c.stakeInBlinds), put16(p + 8, c.toCallInBlinds);
  p[10] = c.streetCode, p[11] = c.calm;
  put16(p + 12, c.callValue), put16(p + 14, c.betValue);
  p[16] = c.seat, p[17] = c.unused17;
  put16(p + 18, c.decision);
}

TPokerCase decode(const uint8_t* p) {
  TPokerCase c{};
  c.winChance = p[0], c.winChanceInHand = p[1], c.winChanceTable = p[2], c.unused3 = p[3];
  c.potInBlinds = get16(p + 4), c.stakeInBlinds = get16(p + 6), c.toCallInBlinds = get16(p + 8);
  c.streetCode = p[10], c.calm = p[11];
  c.callValue = get16(p + 12), c.betValue = get16(p + 14);
  c.seat = p[16], c.unused17 = p[17];
  c.decision = get16(p + 18);
  return c;
}

void caseIo(TRecordIo& io, TPokerCase& c) {
  for (uint8_t* v : {&c.winChance, &c.winChanceInHand, &c.winChanceTable, &c.unused3}) io.u8(*v);
  for (int16_t* v : {&c.potInBlinds, &c.stakeInBlinds, &c.toCallInBlinds}) io.i16(*v);
  io.u8(c.streetCode);
  io.u8(c.calm);
  io.i16(c.callValue);
  io.i16(c.betValue);
  io.u8(c.seat);
  io.u8(c.unused17);
  io.i16(c.decision);
}

double clampTo(double v, double lo, double hi) { return std::clamp(v, lo, hi); }

int32_t strengthOfSeatToAct() {
  const int32_t seat = cg.gs.akspieler;
  return seat >= 1 && seat <= 6 ? cg.gs.seatProfiles[seat].strength : 2;
}

}  // namespace

TPokerCaseArea& pokerCaseArea(TGameState& gs) {
  return *std::launder(reinterpret_cast<TPokerCaseArea*>(gs.poker.bytes + caseAreaOffset));
}
TPokerCaseArea& pokerCaseArea() { return pokerCaseArea(cg.gs); }

void pokerCasesImageIo(TRecordIo& io, TGameState& gs) {
  TPokerCaseArea& a = pokerCaseArea(gs);
  io.align(4);
  io.i32(a.sampleCount);
  for (TPokerCase& c : a.samples) caseIo(io, c);
  io.i32(a.usedCount);
  for (int32_t& v : a.usedCase) io.i32(v);
  for (int32_t& v : a.usedSeat) io.i32(v);
  caseIo(io, a.situation);
  io.u8(a.learned);
  io.align(4);
  // A damaged image must not send the buffers past their ends.
  a.sampleCount = std::clamp(a.sampleCount, 0, pokerSampleCapacity);
  a.usedCount = std::clamp(a.usedCount, 0, pokerUsedCapacity);
}

double featureDistance(double range, double a, double b) {
  const double d = 2 * (b - a) / range;
  return d * d + 1;
}

tClusterer::tClusterer(const std::string& file, bool load) : path(file) {
  if (load) loadFromFile(file);
}

bool tClusterer::loadFromFile(const std::string& file) {
  std::error_code ec;
  if (!std::filesystem::exists(file, ec)) return false;
  std::ifstream f(file, std::ios::binary);
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  int32_t count = -1;
  if (bytes.size() == size_t(pokerBrainFileSize)) {
    const uint8_t* p = bytes.data() + pokerCaseCapacity * 20;
    count = int32_t(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
  }
  if (count < 0 || count > pokerCaseCapacity) {
    logErrorLine("poker: the case memory " + file + " is not " + std::to_string(pokerBrainFileSize) +
                 " bytes with a case count of 0 to " + std::to_string(pokerCaseCapacity) + "; memory left empty");
    caseCount = 0;
    return false;
  }
  for (int i = 0; i < pokerCaseCapacity; i++) cases[i] = decode(bytes.data() + 20 * i);
  caseCount = count;
  return true;
}

bool tClusterer::saveToFile(const std::string& file) const {
  std::vector<uint8_t> bytes(pokerBrainFileSize);
  for (int i = 0; i < pokerCaseCapacity; i++) encode(cases[i], bytes.data() + 20 * i);
  for (int b = 0; b < 4; b++) bytes[pokerCaseCapacity * 20 + b] = uint8_t(uint32_t(caseCount) >> (8 * b));
  // The old file stays until the new one is complete.
  const std::string temp = file + ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out) {
      logErrorLine("poker: the case memory could not be written to " + temp);
      return false;
    }
  }
  std::error_code ec;
  std::filesystem::rename(temp, file, ec);
  if (ec) {
    logErrorLine("poker: the case memory could not replace " + file + ": " + ec.message());
    return false;
  }
  return true;
}

void tClusterer::clearSamples() {
  TPokerCaseArea& a = pokerCaseArea();
  a.sampleCount = 0;
  a.usedCount = 0;
}

void tClusterer::addSample(const TPokerCase& sample) {
  TPokerCaseArea& a = pokerCaseArea();
  if (!learning || !(sample.seat == 1 || mode == 1) || a.sampleCount >= pokerSampleCapacity) return;
  a.samples[a.sampleCount++] = sample;
}

int32_t tClusterer::caseDistance(const TPokerCase& x, const TPokerCase& y) const {
  const double p = 3 * featureDistance(255, x.winChance, y.winChance) +
                   featureDistance(255, x.winChanceInHand, y.winChanceInHand) +
                   featureDistance(255, x.winChanceTable, y.winChanceTable);
  auto blinds = [](int16_t v) { return clampTo(v, 0, 200); };
  auto value = [](int16_t v) { return clampTo(v, -200, 200); };
  const double q = featureDistance(200, blinds(x.potInBlinds), blinds(y.potInBlinds)) +
                   featureDistance(200, blinds(x.stakeInBlinds), blinds(y.stakeInBlinds)) +
                   featureDistance(500, blinds(x.toCallInBlinds), blinds(y.toCallInBlinds));
  const double s = featureDistance(15, x.streetCode, y.streetCode);
  const double c = featureDistance(255, x.calm, y.calm);
  const double v = featureDistance(100, value(x.betValue), value(y.betValue)) / 2 +
                   featureDistance(100, value(x.callValue), value(y.callValue));
  int32_t d = int32_t(std::nearbyint(1000 * p * q * s * c - 15000)) + int32_t(std::nearbyint(2000 * v - 4000)) +
              int32_t(std::nearbyint(2000 * s - 2000));
  switch (strengthOfSeatToAct()) {
    case 1: {
      // A beginner misjudges: each independent slip adds to the distance.
      static const struct { double chance; int32_t add; } slips[] = {
          {0.25, 15}, {0.25, 40}, {0.21, 100}, {0.21, 140}, {0.16, 300}, {0.16, 800}};
      for (const auto& slip : slips)
        if (randomReal() < slip.chance) d += slip.add;
      break;
    }
    case 3: d = int32_t(std::nearbyint(d * (0.8 + 0.6 * randomReal()))); break;
    default: break;
  }
  return d;
}

int16_t tClusterer::nearestDecision(const TPokerCase& situation) {
  if (caseCount <= 0) return pokerUseRules;
  const int32_t count = std::min(caseCount, pokerCaseCapacity);
  int32_t best = 0;
  int64_t minimum = 99999999;
  for (int32_t i = 0; i < count; i++) {
    const int64_t d = caseDistance(situation, cases[i]);
    const int64_t weight = cases[i].decision == -2 ? 1 : cases[i].decision == -1 ? 3 : 2;
    if (d * weight < minimum) {
      minimum = d * weight;
      best = i;
    }
  }
  TPokerCaseArea& a = pokerCaseArea();
  if (mode == 4 && best > 0 && cases[best].decision != -2 && a.usedCount < pokerUsedCapacity) {
    a.usedCase[a.usedCount] = best;
    a.usedSeat[a.usedCount] = cg.gs.akspieler;
    a.usedCount++;
  }
  return cases[best].decision;
}

void tClusterer::storeSamples(int32_t seat, bool endOfHand) {
  TPokerCaseArea& a = pokerCaseArea();
  if (!learning || caseCount + a.sampleCount > pokerCaseLimit) return;
  for (int32_t i = 0; i < a.sampleCount; i++) {
    const TPokerCase& s = a.samples[i];
    const bool qualifies = (mode == 1 && s.seat == seat) || (mode == 2 && s.seat == 1 && seat == 0) ||
                           (mode == 3 && s.seat == 1 && seat == 1);
    if (qualifies && caseCount < pokerCaseCapacity) cases[caseCount++] = s;
  }
  if (endOfHand) a.sampleCount = 0;
}

void tClusterer::replaceSeatCases(const bool losing[7]) {
  if (!learning || mode != 4) return;
  const TPokerCaseArea& a = pokerCaseArea();
  std::vector<int32_t> due;
  for (int32_t i = 0; i < a.usedCount; i++) {
    const int32_t c = a.usedCase[i], seat = a.usedSeat[i];
    if (seat < 1 || seat > 6 || !losing[seat] || c < 0 || c >= caseCount || cases[c].decision == -2) continue;
    due.push_back(c);
  }
  std::sort(due.begin(), due.end(), std::greater<>());
  due.erase(std::unique(due.begin(), due.end()), due.end());
  for (int32_t c : due) {
    cases[c] = cases[caseCount - 1];
    caseCount--;
  }
}

void tClusterer::nextMode() {
  learning = true;
  // 0 -> 2 -> 3 -> 4 -> 1 -> 2: every mode is reached in turn.
  mode = mode == 0 ? 2 : mode % 4 + 1;
}

void tClusterer::learningOff() {
  learning = false;
  mode = 0;
}

tClusterer& clusterer() {
  static tClusterer memory(programPath("\\data\\brain.txt"), true);
  return memory;
}

bool pokerSaveCaseMemory() { return clusterer().save(); }

void pokerNewHandCases() {
  clusterer().clearSamples();
  TPokerCaseArea& a = pokerCaseArea();
  a.situation.seat = 0;
  a.learned = 0;
}

void pokerLearnFromAnswer(int16_t decision) {
  TPokerCaseArea& a = pokerCaseArea();
  a.situation.decision = std::min<int16_t>(decision, 100);
  clusterer().addSample(a.situation);
  a.situation.seat = 0;
}

bool pokerSituationWanted() {
  const tClusterer& memory = clusterer();
  return memory.learning && memory.mode >= 1 && memory.mode <= 3 && pokerCaseArea().situation.seat == 0;
}

void pokerNoteSituation() {
  if (!pokerSituationWanted()) return;
  TPokerCaseArea& a = pokerCaseArea();
  TPokerCase r{};
  pokerSituationFeatures(cg.gs.akspieler, r);
  const int16_t decision = a.situation.decision;
  std::memcpy(&a.situation, &r, 18);
  a.situation.decision = decision;
}

void pokerLearnAtShowdown() {
  TPokerCaseArea& a = pokerCaseArea();
  if (a.learned) return;
  a.learned = 1;
  tClusterer& memory = clusterer();
  bool losing[7] = {};
  for (int32_t s = 1; s <= std::min(playerCount, 6); s++) {
    if (pokerArea().seats[s].winner) memory.storeSamples(s, false);
    else losing[s] = memory.replacing;
  }
  memory.replaceSeatCases(losing);
  memory.storeSamples(0, true);
}
