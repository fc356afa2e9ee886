// Hearts' computer players. All strengths pass alike (the high spades, then a lone club,
// diamond or heart, then the highest key). The beginner plays its first legal card, the
// normal player keeps the queen of spades and penalty cards away from itself, and the
// strongest leads with at most seven cards by simulating the rest of the deal.
//
// [SECTION] card measures and orders
// [SECTION] the strategy base: passing, lists, beginner play
// [SECTION] normal play
// [SECTION] strongest play and the simulation
// [SECTION] the card-AI object
#include "games/family/hearts_ai.h"

#include <algorithm>

#include "core/card_names.h"
#include "core/card_order.h"
#include "core/cg.h"
#include "engine/engine_services.h"
#include "games/family/hearts_rules.h"
#include "games/skat/skat_services.h"
#include "shell/shell_globals.h"
#include "sound/sound_events.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

// [SECTION] card measures and orders

int32_t heartsFaceValue(const TCard& c) {
  static constexpr int32_t values[15] = {0, 7, 8, 9, 11, 12, 13, 10, 14, 2, 3, 4, 5, 6, 0};
  return c.t >= 1 && c.t <= 14 ? values[c.t] : 0;
}

int32_t heartsCardPenalty(const TCard& c) {
  if (c.f == suitHearts) return 1;
  return isQueenOfSpades(c) ? 13 : 0;
}

int32_t heartsSortKey(const TCard& c) {
  static constexpr int32_t weights[5] = {0, 0, 3, 2, 1};  // clubs, spades, hearts, diamonds
  return heartsFaceValue(c) + 10 * (c.f >= 1 && c.f <= 4 ? weights[c.f] : 0);
}

namespace {

bool keyDescending(const TCard& a, const TCard& b) { return heartsSortKey(a) > heartsSortKey(b); }
bool keyAscending(const TCard& a, const TCard& b) { return heartsSortKey(a) < heartsSortKey(b); }

// Spades first, the low ones before the queen, king and ace; highest key first in a group.
bool lowSpadesFirst(const TCard& a, const TCard& b) {
  auto group = [](const TCard& c) { return c.f != suitSpades ? 2 : heartsFaceValue(c) < 12 ? 0 : 1; };
  if (group(a) != group(b)) return group(a) < group(b);
  return keyDescending(a, b);
}

// Queen of spades, ace of spades, king of spades, hearts, then the highest key.
bool penaltyDumpOrder(const TCard& a, const TCard& b) {
  auto rank = [](const TCard& c) {
    if (isQueenOfSpades(c)) return 0;
    if (c.f == suitSpades && c.t == rankAce) return 1;
    if (c.f == suitSpades && c.t == rankKing) return 2;
    return c.f == suitHearts ? 3 : 4;
  };
  if (rank(a) != rank(b)) return rank(a) < rank(b);
  return keyDescending(a, b);
}

void sortBy(THeartsCards& list, bool (*order)(const TCard&, const TCard&)) {
  std::stable_sort(list.begin(), list.end(), order);
}

bool listHasSuit(const THeartsCards& list, int suit) {
  return std::any_of(list.begin(), list.end(), [&](const TCard& c) { return c.f == suit; });
}

bool listHasCard(const THeartsCards& list, int suit, int rank) {
  return std::any_of(list.begin(), list.end(), [&](const TCard& c) { return c.f == suit && c.t == rank; });
}

const THand& heartsTrick() { return heartsArea().trick; }
int32_t trickCardCount() { return handUsed(heartsTrick()); }
int32_t trickPenaltyPoints() {
  int32_t p = 0;
  for (int i = 1; i <= trickCardCount(); i++) p += heartsCardPenalty(heartsTrick().k[i]);
  return p;
}
bool trickHasHighSpade() {
  return hasCard(heartsTrick(), makeCard(rankKing, suitSpades)) || hasCard(heartsTrick(), makeCard(rankAce, suitSpades));
}
TCard trickHighestOfSuit(int suit) {
  TCard best = noCard();
  for (int i = 1; i <= trickCardCount(); i++) {
    const TCard& c = heartsTrick().k[i];
    if (c.f == suit && (isNoCard(best) || heartsFaceValue(c) > heartsFaceValue(best))) best = c;
  }
  return best;
}

const char* suitEnglishName(int suit) {
  switch (suit) {
    case suitClubs: return "Clubs";
    case suitSpades: return "Spades";
    case suitHearts: return "Hearts";
    case suitDiamonds: return "Diamonds";
    default: return "Unbekannte Farbe!";
  }
}

THeartsCards handCards(const THand& h) {
  THeartsCards out;
  for (int i = 1; i <= handUsed(h); i++) out.push_back(h.k[i]);
  return out;
}

}  // namespace

// [SECTION] the strategy base: passing, lists, beginner play

THeartsCards THeartsAIPlayer::cards() const {
  TSpieler& s = sp[Seat];
  syncHandFromSlots(s);
  return handCards(s.hand);
}

THeartsCards THeartsAIPlayer::legalCards(bool all) const {
  if (all) return cards();
  THand legal;
  heartsLegalCards(Seat, 0, legal);
  THeartsCards out = handCards(legal);
  for (const TCard& c : out) log("could play card: " + cardName(c));
  return out;
}

int32_t THeartsAIPlayer::findCard(int suit, int rank) const {
  THeartsCards list = cards();
  for (size_t i = 0; i < list.size(); i++)
    if (list[i].f == suit && list[i].t == rank) return int32_t(i);
  log("snh: karte by descriptor not found: farbe: " + std::to_string(suit) + " karte:" + std::to_string(rank));
  return -1;
}

int32_t THeartsAIPlayer::findCardByRecord(const TCard& card) const {
  THeartsCards list = cards();
  for (size_t i = 0; i < list.size(); i++)
    if (cardsIdentical(list[i], card)) return int32_t(i);
  log("snh: karte by struct not found: " + cardName(card));
  return -1;
}

void THeartsAIPlayer::passCards() {
  THeartsCards chosen, rest;
  for (const TCard& c : cards()) {
    bool highSpade = c.f == suitSpades && (c.t == rankQueen || c.t == rankKing || c.t == rankAce);
    (highSpade ? chosen : rest).push_back(c);
  }
  static const struct {
    int suit;
    const char* note;
  } loners[] = {{suitClubs, "found only one club and tries to get rid of it"},
                {suitDiamonds, "found only one diamond and tries to get rid of it"},
                {suitHearts, "found only one heart and tries to get rid of it"}};
  while (chosen.size() < 3 && !rest.empty()) {
    auto pick = rest.end();
    for (const auto& l : loners) {
      if (std::count_if(rest.begin(), rest.end(), [&](const TCard& c) { return c.f == l.suit; }) != 1) continue;
      pick = std::find_if(rest.begin(), rest.end(), [&](const TCard& c) { return c.f == l.suit; });
      log(l.note);
      break;
    }
    if (pick == rest.end()) {
      sortBy(rest, keyAscending);
      pick = rest.end() - 1;
    }
    chosen.push_back(*pick);
    rest.erase(pick);
  }
  for (const TCard& c : chosen) {
    log("schiebt " + cardName(c));
    handaddk(heartsArea().passSelection, c);
  }
}

int32_t THeartsAIPlayer::playCard() {
  THeartsCards legal = legalCards(false);
  return legal.empty() ? 0 : legal.front().hi;
}

// [SECTION] normal play

namespace {

TCard firstNotQueenOfSpades(const THeartsCards& list, const THeartsAIPlayer& p) {
  if (list.size() >= 2 && isQueenOfSpades(list[0])) {
    p.log("play high on spades");
    return list[1];
  }
  return list.front();
}

TCard followWithoutPoints(THeartsCards& list, int lead, const THeartsAIPlayer& p) {
  int32_t seat = p.Seat;
  if (!listHasSuit(list, lead)) {
    p.log("hat die Farbe nicht und will ein Herz loswerden!");
    sortBy(list, penaltyDumpOrder);
    if (isQueenOfSpades(list.front()))
      soundContainer.sayComment(seat, 0, 3, 3, 90);
    else
      soundContainer.sayComment(seat, 0, 1, 2, 70);
    return list.front();
  }
  sortBy(list, keyDescending);
  if (lead != suitSpades) {
    p.log("versucht eine hohe Karte loszuwerden!");
    return list.front();
  }
  if (listHasCard(list, suitSpades, rankQueen) && trickHasHighSpade()) {
    p.log("sieht das die Pik Dame abgeworfen werden kann.");
    return makeCard(rankQueen, suitSpades);
  }
  if (trickCardCount() == 3) {
    if (isQueenOfSpades(list.front()) && list.size() >= 2) return list[1];
    if (isQueenOfSpades(list.front())) soundContainer.sayComment(seat, 0, -3, -2, 70);
    return list.front();
  }
  p.log("hat Angst die Dame zu spielen, weil noch jemand Pik spielen muss und bedient deshalb mit niedrigem Pik.");
  sortBy(list, lowSpadesFirst);
  return list.front();
}

TCard followWithPoints(THeartsCards& list, int lead, const THeartsAIPlayer& p) {
  if (!listHasSuit(list, lead)) {
    p.log("hat die angespielte Farbe nicht und versucht eine Strafkarte loszuwerden!");
    sortBy(list, penaltyDumpOrder);
    return list.front();
  }
  TCard best = trickHighestOfSuit(lead);
  sortBy(list, keyDescending);
  TCard choice = list.front();
  for (size_t i = 0; i < list.size(); i++) {
    if (list[i].f != best.f || heartsFaceValue(list[i]) < heartsFaceValue(best)) {
      p.log("spielt eine hohe Karte die den Stich nicht holt!");
      return list[i];
    }
    if (trickCardCount() == 3) {
      p.log("muss den Stich nehmen und tut dies mit der höchsten Stichkarte aber versucht die Pik Dame zu meiden!");
      soundContainer.sayComment(p.Seat, 0, -1, -1, 70);
      return firstNotQueenOfSpades(list, p);
    }
    p.log("spielt eine niedrige Karte und hofft noch geschlagen zu werden!");
    sortBy(list, keyAscending);
    choice = list.front();
  }
  return choice;
}

}  // namespace

int32_t THeartsProAIPlayer::playCard() {
  THeartsCards list = legalCards(false);
  if (list.empty()) return 0;
  TCard card;
  if (trickCardCount() == 0) {
    log("spielt an mit der niedrigsten gültigen Karte die nicht Pik Dame ist");
    sortBy(list, keyAscending);
    card = firstNotQueenOfSpades(list, *this);
  } else {
    int lead = heartsTrick().k[1].f;
    if (trickPenaltyPoints() == 0) {
      log(std::string("bedient werden muss: ") + suitEnglishName(lead));
      card = followWithoutPoints(list, lead, *this);
    } else {
      card = followWithPoints(list, lead, *this);
    }
  }
  log("spielt Karte: " + cardName(card));
  int32_t at = findCard(card.f, card.t);
  return at < 0 ? 0 : at + 1;
}

// [SECTION] strongest play and the simulation

namespace {

THeartsCards seatCardsInHandOrder(int32_t seat) {
  syncHandFromSlots(sp[seat]);
  THand h = sp[seat].hand;
  sortHandByValueN0(h, 1, 0, false);
  return handCards(h);
}

}  // namespace

void simulateTricks(std::array<THeartsCards, 4> hands, int32_t leader, int32_t leadIndex, int32_t& moves,
                    std::array<int32_t, 4>& scores) {
  int32_t first = leader - 1;
  if (first < 0 || first > 3 || hands[first].empty() || leadIndex < 0 || leadIndex >= int32_t(hands[first].size()))
    return;
  int lead = hands[first][leadIndex].f;
  std::array<TCard, 4> trick{};
  for (int32_t k = 0; k < 4; k++) {
    THeartsCards& h = hands[(first + k) % 4];
    if (h.empty()) return;
    auto it = std::find_if(h.begin(), h.end(), [&](const TCard& c) { return c.f == lead; });
    if (it == h.end()) it = h.begin();
    trick[k] = *it;
    h.erase(it);
  }
  moves += 1;
  int32_t winPos = 0, penalty = 0;
  for (int32_t k = 0; k < 4; k++) {
    penalty += heartsCardPenalty(trick[k]);
    const TCard& c = trick[k];
    const TCard& w = trick[winPos];
    if (c.f == lead && cardValues[c.f][c.t] > cardValues[w.f][w.t]) winPos = k;
  }
  int32_t winner = (winPos + first) % 4;
  scores[winner] += penalty;
  for (int32_t i = 0; i < int32_t(hands[winner].size()); i++) simulateTricks(hands, winner + 1, i, moves, scores);
}

int32_t THeartsUltraProAIPlayer::playCard() {
  THeartsCards own = cards();
  if (trickCardCount() != 0 || own.size() >= 8) return THeartsProAIPlayer::playCard();
  THeartsCards legal = legalCards(false);
  std::array<THeartsCards, 4> hands;
  for (int32_t s = 1; s <= 4; s++) hands[s - 1] = seatCardsInHandOrder(s);
  const THeartsCards& mine = hands[Seat - 1];
  int32_t best = -1, bestScore = 0;
  for (size_t i = 0; i < mine.size(); i++) {
    if (!listHasCard(legal, mine[i].f, mine[i].t)) continue;
    int32_t moves = 0;
    std::array<int32_t, 4> scores{};
    simulateTricks(hands, Seat, int32_t(i), moves, scores);
    traceStep("simulating done for card: " + cardName(mine[i]) + " score: " + std::to_string(scores[Seat - 1]) +
              " züge: " + std::to_string(moves));
    if (best < 0 || scores[Seat - 1] < bestScore) best = int32_t(i), bestScore = scores[Seat - 1];
  }
  if (best < 0) return THeartsProAIPlayer::playCard();
  log("should play card at index: " + std::to_string(best));
  int32_t at = findCard(mine[best].f, mine[best].t);
  return at < 0 ? 0 : at + 1;
}

// [SECTION] the card-AI object

namespace {

std::unique_ptr<THeartsAIPlayer> makePlayer(int32_t seat, int32_t strength) {
  if (strength == 1) return createAIPlayer<THeartsAIPlayer>(seat);
  if (strength == 2) return createAIPlayer<THeartsProAIPlayer>(seat);
  return createAIPlayer<THeartsUltraProAIPlayer>(seat);
}

int32_t profileStrength(int32_t seat) {
  int32_t s = seat >= 1 && seat <= 6 ? cg.gs.seatProfiles[seat].strength : 3;
  return s == 1 || s == 2 ? s : 3;
}

bool isPassDecision() {
  const TDecisionBlock& bl = cg.gs.bl;
  return bl.showOptions != 0 && bl.decisionKind >= 114 && bl.decisionKind <= 116;
}

bool isPlayDecision() {
  const TDecisionBlock& bl = cg.gs.bl;
  return bl.cardsSelectable != 0 && (bl.decisionKind == 117 || bl.decisionKind == 118);
}

}  // namespace

THeartsAIImpl::THeartsAIImpl() : TAbstractCardAIImpl("Hearts KI", gidHearts) {
  log("creating");
  for (int32_t seat = 0; seat <= std::max<int32_t>(playerCount, heartsSeats); seat++)
    players.push_back(makePlayer(seat, profileStrength(seat)));
  log("creation done");
}

void THeartsAIImpl::cleanup() {
  log("Cleaning up ...");
  players.clear();
  log("Cleaning up done!");
}

void THeartsAIImpl::followProfiles() {
  for (int32_t seat = 1; seat < int32_t(players.size()); seat++)
    if (!players[seat] || players[seat]->strength() != profileStrength(seat)) players[seat] = makePlayer(seat, profileStrength(seat));
}

const THeartsAIPlayer* THeartsAIImpl::player(int32_t seat) const {
  return seat >= 0 && seat < int32_t(players.size()) ? players[seat].get() : nullptr;
}

void THeartsAIImpl::play() {
  log("--------------------- Nächster Spieler ---------------------");
  int32_t seat = cg.gs.akspieler;
  if (seat < 1 || seat > heartsSeats || cg.gs.subState != 3) return;
  if (players.size() <= size_t(heartsSeats)) players.resize(heartsSeats + 1);
  followProfiles();
  THeartsAIPlayer& p = *players[seat];
  if (isPassDecision()) {
    THeartsState& a = heartsArea();
    clearHand(a.passSelection);
    syncHandFromSlots(sp[seat]);
    p.passCards();
    THand cards = a.passSelection;
    cg.submitAction(1, 0, 0, &cards);
    cg.submitAction(2, 0, 116);
  } else if (isPlayDecision()) {
    int32_t slot = p.playCard();
    THand legal;
    heartsLegalCards(seat, 0, legal);
    bool fits = slot >= 1 && slot <= stackUsed(sp[seat]) && hasCard(legal, sp[seat].slots[slot].card);
    if (!fits && handUsed(legal) > 0) {
      trace("Hearts KI: Karte " + std::to_string(slot) + " von Spieler " + std::to_string(seat) +
            " ist nicht erlaubt, gespielt wird " + cardName(legal.k[1]));
      slot = legal.k[1].hi;
    }
    cg.submitAction(0, 0, slot);
  }
}

std::unique_ptr<TAbstractCardAIImpl> createHeartsAI() { return std::make_unique<THeartsAIImpl>(); }
