// A test process as the running copy of the program: a lock folder of its own, a fixed
// executable name, and a count of the raise requests it has acted on.
#pragma once

#include <gtest/gtest.h>

#include "platform/instance.h"
#include "tests/platform/instance_probe.h"

constexpr char kOwnExecutable[] = "/opt/skat/skat";  // the name this test process runs under

class InstanceFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(folder.path.empty()) << "no temporary folder";
    setInstanceFolder(folder.path);
    setInstanceExecutable(kOwnExecutable);
    setInstanceRaiseHandler([this] { raises++; });
  }
  void TearDown() override {
    instanceRelease();
    setInstanceRaiseHandler({});
    setInstanceExecutable("");
    setInstanceFolder("");
  }
  InstanceTestFolder folder;
  int raises = 0;  // raise requests this process, the first copy, has acted on
};
