// Computer players as objects (Hearts, Go Fish, Old Maid): the base class of a game's
// card-AI object, the base of its per-seat strategies, the registry that owns the objects
// and the routines that create and release them. The subclasses belong to the games.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/cards.h"
#include "core/game_id.h"

class TAbstractCardAIImpl {
 public:
  TAbstractCardAIImpl(std::string name, TGameId gameId) : Name(std::move(name)), GameId(gameId) {}
  virtual ~TAbstractCardAIImpl() = default;

  // Releases the per-seat players; freeCardAIs calls it before the object is freed.
  virtual void cleanup() = 0;
  // A card move ended between two different stacks (absolute numbers). Go Fish also sends
  // its own notifications (-1, -1 at every new game).
  virtual void karte_bewegt(int32_t fromStack, int32_t toStack, TCard card);
  // The ".x" file of a saved game; false stops the save (load: the load's answer).
  virtual bool saveState(const std::string& fileName);
  virtual bool loadState(const std::string& fileName);
  // Moves for the seat to act through TCG::submitAction; the base makes a random legal move.
  virtual void play();

  const std::string& getName() const { return Name; }
  // Name + ": " + message to the engine's trace, which keeps nothing.
  void log(const std::string& message) const;
  bool isGame(TGameId id) const { return id == GameId; }

  std::string Name;  // display name for logging
  TGameId GameId;    // the game the object serves
};

// One seat's strategy inside a card-AI object. Create with createAIPlayer<T>(seat), which
// logs the subclass's type name once the object exists.
class TAIPlayer {
 public:
  explicit TAIPlayer(int32_t seat) : Seat(seat) {}
  virtual ~TAIPlayer() = default;
  virtual std::string getTypeName() const { return "TAIPlayer"; }
  // The seat's display name, "(", the seat number and ")".
  std::string getDescription() const;
  void log(const std::string& message) const;

  int32_t Seat;
};

template <class T>
std::unique_ptr<T> createAIPlayer(int32_t seat) {
  auto p = std::make_unique<T>(seat);
  p->log(p->getTypeName() + " created");
  return p;
}

// The card-AI objects, owned: removing an entry frees its object. Created empty by the
// shell at start-up; one object per game id, created at the first new game of its game.
extern std::vector<std::unique_ptr<TAbstractCardAIImpl>> aiRegistry;

// For Hearts, Go Fish and Old Maid: adds the current game's object unless the registry
// holds one for that game already. playerCount is 4 (Hearts) or 6 while it is created.
void createCardAIs();
// cleanup on every object in list order, then the list is emptied.
void freeCardAIs();

// The games' factories (createHeartsAI, createGoFishAI, createOldMaidAI). A game that is
// built sets its entry; an empty entry creates nothing.
using TCardAIFactory = std::unique_ptr<TAbstractCardAIImpl> (*)();
struct TCardAIFactories {
  TCardAIFactory hearts = nullptr;
  TCardAIFactory goFish = nullptr;
  TCardAIFactory oldMaid = nullptr;
};
extern TCardAIFactories cardAIFactories;
