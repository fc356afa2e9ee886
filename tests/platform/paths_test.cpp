// Program folder and backslash paths.
#include <gtest/gtest.h>

#include "platform/paths.h"

TEST(Paths, JoinsBackslashPathsToTheProgramFolder) {
  std::string saved = programFolder();
  struct Case {
    const char* folder;
    const char* path;
    const char* expected;
  } cases[] = {
      {"/opt/skat", "\\data\\local\\messages.txt", "/opt/skat/data/local/messages.txt"},
      {"/opt/skat/", "\\errors.txt", "/opt/skat/errors.txt"},
      {"/opt/skat", "save\\x.sk", "/opt/skat/save/x.sk"},
      {"/opt/skat", "", "/opt/skat"},
      {"/", "\\proto3.txt", "/proto3.txt"},
  };
  for (const Case& c : cases) {
    setProgramFolder(c.folder);
    EXPECT_EQ(programPath(c.path), c.expected) << c.folder << " + " << c.path;
  }
  setProgramFolder(saved);
}
