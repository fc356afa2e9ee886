// Main of every test program: a fixed random seed and a fake clock unless a test says
// otherwise, and any unexpected alert fails the test.
#include <gtest/gtest.h>

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
}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::AddGlobalTestEnvironment(new BaseEnvironment);
  return RUN_ALL_TESTS();
}
