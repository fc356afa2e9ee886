// Go Fish's computer players: one card-AI object keeps a memory of how many cards of each rank
// each seat is known to hold, and one strategy object per seat chooses whom to ask for what.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/card_ai.h"
#include "platform/records.h"

// memory[seat][rank]: cards of the rank the seat is known to hold; -100000 added when the seat
// will never get the rank again.
using TFishMemory = LArray<LArray<int32_t, 1, 13>, 1, 7>;
constexpr int32_t fishNever = -100000;
constexpr size_t fishStateBytes = 364;

class TFishPlayer : public TAIPlayer {
 public:
  TFishPlayer(int32_t seat, uint8_t level) : TAIPlayer(seat), level(level) {}
  std::string getTypeName() const override;
  virtual void play(const TFishMemory& memory);

  uint8_t level;  // 0 beginner, 1 normal

 protected:
  // The first hand position holding the rank (1 when none).
  int32_t rankPosition(int32_t rank) const;
  void choose(const TFishMemory& memory, int32_t& seat, int32_t& rank) const;
  void answer(const TFishMemory& memory);
};

class TFishProPlayer : public TFishPlayer {
 public:
  explicit TFishProPlayer(int32_t seat) : TFishPlayer(seat, 0) {}
  std::string getTypeName() const override { return "TFishProPlayer"; }
  void play(const TFishMemory& memory) override;

  int32_t turnCount = 0;

 private:
  // What every hand holds: 1 for a rank held, fishNever otherwise.
  static void loadMemory(TFishMemory& memory);
};

class TGoFishAI : public TAbstractCardAIImpl {
 public:
  TGoFishAI();
  void cleanup() override;
  void karte_bewegt(int32_t fromStack, int32_t toStack, TCard card) override;
  bool saveState(const std::string& fileName) override;
  bool loadState(const std::string& fileName) override;
  void play() override;

  // The players anew by the seats' strengths in the seat profiles; the memory stays.
  void createPlayers();
  void resetMemory();

  std::vector<std::unique_ptr<TFishPlayer>> players;
  TFishMemory memory{};

 private:
  void addKnownCards(int32_t seat, const TCard& card, int32_t delta);
};

std::unique_ptr<TAbstractCardAIImpl> createGoFishAI();
