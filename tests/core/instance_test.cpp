// The start code's single-instance check between two processes.
#include <gtest/gtest.h>

#include "core/instance.h"
#include "tests/platform/instance_fixture.h"

namespace {
using ActivateOtherInstance = InstanceFixture;
}  // namespace

TEST_F(ActivateOtherInstance, NoOtherCopyGivesFalseAndRaisesNothing) {
  EXPECT_FALSE(activateOtherInstance());
  instancePoll();
  EXPECT_EQ(raises, 0);
}

TEST_F(ActivateOtherInstance, SecondStartEndsAfterAskingTheFirstToRaiseAndTheFirstGoesOn) {
  ASSERT_FALSE(activateOtherInstance()) << "the first copy found another one";
  // The probe is the second start: it runs the check and ends with what it found.
  EXPECT_EQ(runInstanceProbe(folder.path, "/home/anna/Spiele/skat_"), kProbeOtherRuns);
  for (int frame = 0; frame < 3; frame++) instancePoll();
  EXPECT_EQ(raises, 1) << "expected exactly one raise request";
  // Still the running copy: a third start is sent to it as well.
  EXPECT_EQ(runInstanceProbe(folder.path, kOwnExecutable), kProbeOtherRuns);
  instancePoll();
  EXPECT_EQ(raises, 2);
}
