// Hearts' computer players: the card-AI object THeartsAIImpl with one strategy per seat by
// its strength (1 THeartsAIPlayer, 2 THeartsProAIPlayer, 3 and others
// THeartsUltraProAIPlayer), and the trick simulation of the strongest.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/card_ai.h"
#include "core/cards.h"

// Cards of a candidate list carry their slot number in hi (the seat's sorted hand).
using THeartsCards = std::vector<TCard>;

int32_t heartsFaceValue(const TCard& c);    // 2..10, jack 11, queen 12, king 13, ace 14
int32_t heartsCardPenalty(const TCard& c);  // heart 1, queen of spades 13, else 0
int32_t heartsSortKey(const TCard& c);      // face value + 10 x (clubs 0, diamonds 1, hearts 2, spades 3)

class THeartsAIPlayer : public TAIPlayer {
 public:
  using TAIPlayer::TAIPlayer;
  std::string getTypeName() const override { return "THeartsAIPlayer (rookie)"; }
  virtual int32_t strength() const { return 1; }
  // The slot (1-based) of the card to play.
  virtual int32_t playCard();
  // Appends three cards to the pass selection.
  void passCards();

 protected:
  THeartsCards cards() const;            // the seat's hand in hand order
  THeartsCards legalCards(bool all) const;
  int32_t findCard(int suit, int rank) const;        // position in the hand, -1 none
  int32_t findCardByRecord(const TCard& card) const;
};

class THeartsProAIPlayer : public THeartsAIPlayer {
 public:
  using THeartsAIPlayer::THeartsAIPlayer;
  std::string getTypeName() const override { return "THeartsProAIPlayer (normal)"; }
  int32_t strength() const override { return 2; }
  int32_t playCard() override;
};

class THeartsUltraProAIPlayer : public THeartsProAIPlayer {
 public:
  using THeartsProAIPlayer::THeartsProAIPlayer;
  std::string getTypeName() const override { return "THeartsUltraProAIPlayer (pro)"; }
  int32_t strength() const override { return 3; }
  int32_t playCard() override;
};

class THeartsAIImpl : public TAbstractCardAIImpl {
 public:
  THeartsAIImpl();
  void cleanup() override;
  void karte_bewegt(int32_t, int32_t, TCard) override {}
  void play() override;
  // Each seat's strategy follows its profile's strength; a changed strength replaces it.
  void followProfiles();
  const THeartsAIPlayer* player(int32_t seat) const;

 private:
  std::vector<std::unique_ptr<THeartsAIPlayer>> players;  // by seat 0..seat count; 0 never asked
};

std::unique_ptr<TAbstractCardAIImpl> createHeartsAI();

// The strongest player's look-ahead: every seat plays the first card of the lead suit it
// holds (else its first card); only the leader of each trick branches over its cards.
// Hands and scores are indexed by seat - 1; leader is a seat 1..4.
void simulateTricks(std::array<THeartsCards, 4> hands, int32_t leader, int32_t leadIndex, int32_t& moves,
                    std::array<int32_t, 4>& scores);
