// The game side of the transport: card positions moves name, the seat questions, lost
// seats, and the barrier's summary, stock and sync evaluation.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/cg.h"
#include "games/rummy/canasta_rules.h"
#include "games/skat/skat_state.h"
#include "net/net_glue.h"
#include "net/net_sync.h"
#include "net/net_transport.h"
#include "shell/shell_globals.h"
#include "table/stack_sync.h"
#include "table/stacks.h"

namespace {
struct GlueFixture : ::testing::Test {
  TGameId savedGame = cg.gameId;
  int32_t savedPlayers = playerCount;
  std::vector<std::string> protocol;
  void SetUp() override {
    skatAttachArea(skatGameArea());
    netTransport.hooks.protocol = [this](const std::string& line) { protocol.push_back(line); };
  }
  void TearDown() override {
    cg.gameId = savedGame;
    playerCount = savedPlayers;
    cg.gs.gamesPlayed = 0;
    cg.gs.akspieler = 0;
    netTransport.hooks.protocol = [](const std::string&) {};
    netTransport.isHost = netTransport.isClient = false;
    netTransport.ownSeat = 0;
    netTransport.inTransfer = netTransport.pileTaken = netTransport.gameEnded = false;
    netTransport.ownSyncValue = netTransport.syncDone = 0;
    for (int s = 1; s <= 8; s++) netTransport.seats[s] = TNetSeat{};
    for (int s = 1; s <= 20; s++) sp[s].count = 0;
  }
  void setStates(const char* states) {
    netTransport.seatCount = 8;
    for (int s = 1; s <= 8; ++s) netTransport.seats[s].state = uint8_t(states[s - 1] - '0');
  }
  bool logged(const std::string& text) const {
    return std::any_of(protocol.begin(), protocol.end(), [&](const std::string& l) { return l.find(text) != std::string::npos; });
  }
};

// Stack `stack` holds the cards in the given order.
void fillStack(int stack, const std::vector<TCard>& cards) {
  TSpieler& s = sp[stack];
  for (size_t i = 0; i < cards.size(); i++) s.slots[int(i + 1)].card = cards[i];
  s.count = int32_t(cards.size());
  syncHandFromSlots(s);
}

std::vector<TCard> someCards() {
  std::vector<TCard> v;
  for (int r : {rankAce, rank7, rankJack, rankTen})
    for (int f : {suitHearts, suitClubs}) v.push_back(makeCard(r, f));
  v.push_back(makeCard(rankAce, suitHearts));  // a second identical card, as two packs have
  return v;
}
}  // namespace

using NetGlue = GlueFixture;

TEST_F(NetGlue, NinetyCardsTravelAndNinetyOneDoNot) {
  THand h{};
  for (int i = 1; i <= 91; i++) handaddk(h, TCard{int8_t(i % 14 + 1), int8_t(i % 4 + 1), int16_t(i)});
  h.anz = 90;
  const std::string text = encodeHandText(h);
  EXPECT_EQ(text.size(), 183u);
  THand back{};
  ASSERT_TRUE(decodeHandText(text, back));
  EXPECT_EQ(encodeHandText(back), text);
  h.anz = 91;
  EXPECT_GT(encodeHandText(h).size(), size_t(kTextCapacity));
}

TEST_F(NetGlue, MovesNameCardsTheSameWhateverTheSlotOrder) {
  cg.gameId = gidCanasta;
  canastaInitSortKeys();
  netTransport.isClient = true;
  netTransport.ownSeat = 1;
  playerCount = 2;
  cg.gs.akspieler = 2;
  std::mt19937 rng(7);
  std::vector<TCard> cards = someCards();
  for (int round = 0; round < 5; round++) {
    // The sender's slots in one order: it picks the jack of clubs and selects two cards.
    std::shuffle(cards.begin(), cards.end(), rng);
    fillStack(2, cards);
    const auto at = [&](int r, int f) {
      for (int i = 1; i <= sp[2].count; i++)
        if (sp[2].slots[i].card.t == r && sp[2].slots[i].card.f == f) return i;
      return 0;
    };
    int32_t b = at(rankJack, suitClubs);
    ASSERT_TRUE(moveToWirePositions(0, 0, b, sp[2].hand));
    THand sel{};
    handaddk(sel, TCard{rankTen, suitHearts, int16_t(at(rankTen, suitHearts))});
    handaddk(sel, TCard{rankAce, suitHearts, int16_t(at(rankAce, suitHearts))});
    int32_t unused = 0;
    ASSERT_TRUE(moveToWirePositions(1, 0, unused, sel));
    // The receiver's slots in another order.
    std::vector<TCard> other = cards;
    std::shuffle(other.begin(), other.end(), rng);
    fillStack(2, other);
    refreshCurrentHand(false);
    EXPECT_EQ(sp[2].slots[b].card.t, rankJack);
    EXPECT_EQ(sp[2].slots[b].card.f, suitClubs);
    THand received{};
    ASSERT_TRUE(decodeHandText(encodeHandText(sel), received));
    EXPECT_TRUE(selectionHeldBySeat(received, 2));
  }
}

TEST_F(NetGlue, SelectionsOfCardsNotHeldAreRefused) {
  fillStack(3, someCards());
  const struct {
    TCard card;
    const char* why;
  } cases[] = {
      {TCard{rankAce, suitHearts, 1}, "held at its slot"},
      {TCard{rankAce, suitClubs, 1}, "another card at that slot"},
      {TCard{rankAce, suitHearts, 0}, "slot 0"},
      {TCard{rankAce, suitHearts, 10}, "beyond the stack"},
  };
  for (const auto& c : cases) {
    THand sel{};
    handaddk(sel, c.card);
    EXPECT_EQ(selectionHeldBySeat(sel, 3), c.card.hi == 1 && c.card.f == suitHearts) << c.why;
  }
  THand empty{};
  EXPECT_TRUE(selectionHeldBySeat(empty, 3));
  EXPECT_FALSE(selectionHeldBySeat(empty, 0));
}

TEST_F(NetGlue, SeatMappingForEveryOwnSeat) {
  netTransport.isClient = true;
  for (int n = 2; n <= 6; n++)
    for (int own = 1; own <= n; own++) {
      playerCount = n;
      netTransport.ownSeat = own;
      EXPECT_EQ(netSeatToLocal(own), 1);
      for (int net = 1; net <= n; net++) {
        const int32_t local = netSeatToLocal(net);
        EXPECT_EQ(local, (net - own + n) % n + 1) << n << " seats, own " << own << ", net " << net;
        EXPECT_EQ(localSeatToNet(local), net);
      }
    }
}

TEST_F(NetGlue, LostSeats) {
  netTransport.isClient = true;
  netTransport.ownSeat = 2;
  playerCount = 3;
  setStates("21155555");
  netTransport.seats[3].substitute = 1;
  netTransport.seats[3].name = "Eva";
  replaceSeatByComputer(2);
  EXPECT_EQ(netTransport.seats[2].state, 1) << "the own seat stays";
  replaceSeatByComputer(3);
  EXPECT_EQ(netTransport.seats[3].state, 4);
  EXPECT_EQ(netTransport.seats[3].substitute, 0);
  EXPECT_TRUE(logged("DISCONNECTED: Eva(3)"));
  // Local seat 2 is network seat 3: lost, but not reported before the first game.
  EXPECT_FALSE(isSeatPlayable(2));
  EXPECT_FALSE(isSeatLostInGame(2));
  cg.gs.gamesPlayed = 1;
  EXPECT_TRUE(isSeatLostInGame(2));
  EXPECT_EQ(countPlayableSeats(true), 2);
  EXPECT_EQ(countTakenSeats(), 2);
  markRemoteSeatsLost();
  EXPECT_EQ(netTransport.seats[1].state, 4);
  EXPECT_EQ(netTransport.seats[2].state, 1);
}

TEST_F(NetGlue, StateChecksum) {
  cg.gameId = gidSkat;
  netTransport.isClient = true;
  netTransport.ownSeat = 2;
  playerCount = 3;
  cg.gs.gamesPlayed = 2;
  cg.gs.akspieler = 1;
  skatArea->skatDealerSeat = 2;  // network seat 3
  cg.gs.listTotals[3] = 18;      // network seat 1
  cg.gs.listTotals[1] = -23;     // network seat 2
  cg.gs.listTotals[2] = 0;
  std::string sum;
  buildStateChecksum(sum);
  EXPECT_EQ(sum, "2_23_18-230");
  for (int s = 1; s <= 3; s++) cg.gs.listTotals[s] = 0;
}

TEST_F(NetGlue, BarrierRefusesSeatsOfAnotherList) {
  netTransport.isHost = true;
  netTransport.ownSeat = 1;
  playerCount = 2;
  cg.gs.gamesPlayed = 1;
  // Network seat 4 maps onto local seat 2, whose network seat 2 is lost.
  setStates("24515555");
  netTransport.ownSyncValue = 1;
  netTransport.seats[1].checksum = "2_1_00";
  netTransport.seats[4].syncValue = 1;
  netTransport.seats[4].checksum = "1_1_00";
  updateSeatSyncStatus();
  EXPECT_TRUE(logged("Überschneidung zweiter Art verhindert."));
  EXPECT_EQ(netTransport.syncDone, 0);
  setStates("21555555");
  netTransport.seats[2].syncValue = 1;
  netTransport.seats[2].checksum = "1_1_00";
  updateSeatSyncStatus();
  EXPECT_TRUE(logged("Überschneidung erster Art verhindert."));
  EXPECT_EQ(netTransport.syncDone, 0);
  netTransport.seats[2].checksum = "2_2_00";
  updateSeatSyncStatus();
  EXPECT_EQ(netTransport.syncDone, 1);
}

TEST_F(NetGlue, StockOnlyFromTheLeaderInTheBarrier) {
  cg.gameId = gidSkat;
  netTransport.isClient = true;
  netTransport.ownSeat = 2;
  setStates("21055555");
  std::string deck = "032";
  for (int r = rank7; r <= rankAce; r++)
    for (int f = 1; f <= 4; f++) deck += char(f * 15 + r);
  std::string doubled = deck;
  doubled[4] = doubled[3];
  const struct {
    int32_t sender;
    bool inTransfer;
    std::string text;
    bool taken;
    const char* why;
  } cases[] = {
      {3, true, deck, false, "not the leader"},
      {1, false, deck, false, "outside the barrier"},
      {1, true, deck.substr(0, 30), false, "short"},
      {1, true, doubled, false, "a card twice"},
      {1, true, deck, true, "the deal"},
  };
  for (const auto& c : cases) {
    netTransport.inTransfer = c.inTransfer;
    netTransport.pileTaken = false;
    netTransport.gameEnded = false;
    protocol.clear();
    EXPECT_EQ(takeReceivedStock(c.sender, c.text), c.taken) << c.why;
    EXPECT_EQ(protocol.size(), c.taken ? 0u : 1u) << c.why;
    EXPECT_EQ(netTransport.gameEnded, !c.taken && c.sender == 1 && c.inTransfer) << c.why;
  }
  EXPECT_EQ(sp[11].count, 32);
  EXPECT_FALSE(takeReceivedStock(1, deck)) << "a second stock for the same deal";
  std::string pile;
  sp[5].count = 0;
  fillStack(5, std::vector<TCard>(20, makeCard(rank9, suitSpades)));
  encodeSeatPile(5, pile);
  EXPECT_EQ(pile, "020" + std::string(20, char(2 * 15 + rank9)));
}

// The host hands a client's move to the game only at that client's turn: the program's
// transport names the seat to act in network seats.
TEST_F(NetGlue, SeatToActInNetworkSeats) {
  netTransport.isClient = true;
  netTransport.ownSeat = 2;
  playerCount = 3;
  const int32_t expected[] = {0, 2, 3, 1};
  for (int32_t local = 0; local <= 3; local++) {
    cg.gs.akspieler = local;
    EXPECT_EQ(netTransport.hooks.seatToAct(), expected[local]) << "local seat " << local;
  }
}
