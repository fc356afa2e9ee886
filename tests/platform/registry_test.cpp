// The registry stand-in: user and machine name.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "platform/registry.h"

TEST(Registry, UsernameFromTheEnvironmentInWindows1252) {
  const char* old = std::getenv("USER");
  std::string saved = old ? old : "";
  setenv("USER", "J\xC3\xBCrgen", 1);  // UTF-8 "Jürgen"
  EXPECT_EQ(readRegistryValue("Username"), "Jürgen");
  if (old)
    setenv("USER", saved.c_str(), 1);
  else
    unsetenv("USER");
}

TEST(Registry, ComputernameIsTheFirstLineOfTheHostnameFile) {
  std::string path = ::testing::TempDir() + "hostname_test";
  std::ofstream(path) << "tisch-3\nrest\n";
  setHostnameFile(path);
  EXPECT_EQ(readRegistryValue("Computername"), "tisch-3");
  setHostnameFile(::testing::TempDir() + "no_such_file");
  EXPECT_EQ(readRegistryValue("Computername"), "");
  EXPECT_EQ(readRegistryValue("Sonstwas"), "");
  setHostnameFile("/etc/hostname");
}
