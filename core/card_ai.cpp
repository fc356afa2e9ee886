// Card-AI objects: the base behaviour, the registry and its creation and release.
#include "core/card_ai.h"

#include "core/auto_decide.h"
#include "core/cg.h"
#include "engine/engine_services.h"
#include "shell/card_ai_lookup.h"
#include "shell/shell_globals.h"

std::vector<std::unique_ptr<TAbstractCardAIImpl>> aiRegistry;
TCardAIFactories cardAIFactories;

void TAbstractCardAIImpl::karte_bewegt(int32_t, int32_t, TCard) {}

bool TAbstractCardAIImpl::saveState(const std::string&) { return true; }

bool TAbstractCardAIImpl::loadState(const std::string&) { return true; }

void TAbstractCardAIImpl::play() {
  log("plays random KI");
  autoDecide(false);
}

void TAbstractCardAIImpl::log(const std::string& message) const { trace(Name + ": " + message); }

std::string TAIPlayer::getDescription() const {
  return cg.seatNameFit(Seat, true) + "(" + std::to_string(Seat) + ")";
}

void TAIPlayer::log(const std::string& message) const { trace(getDescription() + ": " + message); }

namespace {

struct TCardAIGame {
  TGameId id;
  int32_t seats;       // playerCount while the object is made
  const char* trace;   // the start-up trace line
  TCardAIFactory TCardAIFactories::*factory;
};

constexpr TCardAIGame cardAIGames[] = {
    {gidHearts, 4, "Create Hearts AI..", &TCardAIFactories::hearts},
    {gidGoFish, 6, "Create Go Fish AI..", &TCardAIFactories::goFish},
    {gidOldMaid, 6, "Create Old Maid AI..", &TCardAIFactories::oldMaid},
};

}  // namespace

void createCardAIs() {
  for (const TCardAIGame& g : cardAIGames) {
    if (g.id != cg.gameId) continue;
    if (getCardAIByType(cg.gameId)) return;  // it serves every later game of its id
    TCardAIFactory make = cardAIFactories.*g.factory;
    if (!make) return;
    int32_t kept = playerCount;
    playerCount = g.seats;
    traceStep(g.trace);
    std::unique_ptr<TAbstractCardAIImpl> object = make();
    playerCount = kept;
    if (object) aiRegistry.push_back(std::move(object));
    return;
  }
}

void freeCardAIs() {
  for (auto& object : aiRegistry) object->cleanup();
  aiRegistry.clear();
}
