// Main of every test program: a fixed random seed and a fake clock unless a test says
// otherwise, any unexpected alert fails the test, and every test starts with the games'
// tables of calls registered as the program registers them.
#include <gtest/gtest.h>

#include "games/casino/poker_registration.h"
#include "games/casino/blackjack_registration.h"
#include "games/family/gofish_registration.h"
#include "games/family/hearts_registration.h"
#include "games/family/jass_registration.h"
#include "games/family/maumau_registration.h"
#include "games/family/oldmaid_registration.h"
#include "games/family/schnapsen_registration.h"
#include "games/family/schwimmen_registration.h"
#include "games/family/war_registration.h"
#include "games/rummy/canasta_registration.h"
#include "games/rummy/romme_registration.h"
#include "games/skat/doppelkopf_registration.h"
#include "games/skat/schafkopf_registration.h"
#include "games/skat/skat_registration.h"
#include "platform/random.h"
#include "platform/tick.h"
#include "tests/support/alerts.h"

namespace {
class BaseEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    installFailingAlertSink();
    randomSeed(12345);
    useFakeTick(1000);
  }
};

// A test may register tables of its own; the next one starts from the program's again.
class StartUpRegistrations : public ::testing::EmptyTestEventListener {
 public:
  void OnTestStart(const ::testing::TestInfo&) override {
    registerSkatGame();
    registerHeartsGame();
    registerDoppelkopfGame();
    registerSchafkopfGame();
    registerMaumauGame();
    registerCanastaGame();
    registerRommeGame();
    registerWarGame();
    registerPokerGame();
    registerBlackjackGame();
    registerSchnapsenGame();
    registerOldMaidGame();
    registerGoFishGame();
    registerJassGame();
    registerSchwimmenGame();
  }
};
}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::AddGlobalTestEnvironment(new BaseEnvironment);
  ::testing::UnitTest::GetInstance()->listeners().Append(new StartUpRegistrations);
  return RUN_ALL_TESTS();
}
