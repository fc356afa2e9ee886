// The real program under Xvfb, run from a copy of its program folder so that nothing of the
// build is written: it starts, its first frame is the loading screen (read back through the
// engine's first-frame hook), a close request (SIGTERM, which the window layer turns into the
// window's close) is answered, and the close runs to its end.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "engine/loading_screen.h"
#include "tests/support/ppm_picture.h"
#include "tests/support/program_copy.h"

namespace fs = std::filesystem;

namespace {
using program_copy::readAll;
using program_copy::waitFor;

std::string text(TVTLPlainColour c) {
  return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
}

bool near(TVTLPlainColour a, TVTLPlainColour b) {
  return std::abs(a.r - b.r) <= 2 && std::abs(a.g - b.g) <= 2 && std::abs(a.b - b.b) <= 2;
}

// Layout units of the 800 x 600 space to pixels of a 4:3 window (808 x 606 units visible).
int px(double layoutX, int width) { return int(layoutX / 808.0 * width); }
int py(double layoutY, int height) { return int((layoutY + 3.0) / 606.0 * height); }

size_t occurrences(const std::string& s, const std::string& what) {
  size_t n = 0;
  for (size_t at = s.find(what); at != std::string::npos; at = s.find(what, at + 1)) n++;
  return n;
}

class ProgramRun : public program_copy::ProgramCopy {
 public:
  ProgramRun() : ProgramCopy("skat-program") {
    fs::copy(SKAT_APP_DIR, root / "app", fs::copy_options::recursive);
    dump = root / "first.ppm";
    notFirstRun = program_copy::markNotFirstRun(root / "app/data/vitrel/vtlopt.dco");
  }
  void start() { ProgramCopy::start("./skat", {{"SKAT_FRAME_DUMP", dump.string()}}); }

  fs::path dump;
  bool notFirstRun = false;  // the run marker of the copy says "second"
};
}  // namespace

TEST(ProgramGL, StartsShowsTheLoadingScreenFirstAndClosesOnRequest) {
  ProgramRun run;
  ASSERT_TRUE(run.notFirstRun) << "the copy's vtlopt.dco carries the run marker \"first\" once";
  run.start();
  ASSERT_GT(run.pid, 0);
  PpmPicture first;
  ASSERT_TRUE(waitFor([&] { return first.read(run.dump); }, 30)) << "no first frame was presented";
  EXPECT_EQ(first.width, 640);
  EXPECT_EQ(first.height, 480);

  struct Probe {
    const char* what;
    double x, y;  // layout units
    TVTLPlainColour colour;
  } const probes[] = {
      {"background, top left", 2, 2, kLoadingBackColour},
      {"background, bottom right", 805, 598, kLoadingBackColour},
      {"title picture", 400, 275, kLoadingTitleColour},
      {"empty bar at 20 %", 240, 565, kLoadingFrameColour},
      {"bar frame", 500, 565, kLoadingFrameColour},
  };
  for (const Probe& p : probes) {
    const TVTLPlainColour got = first.at(px(p.x, first.width), py(p.y, first.height));
    EXPECT_TRUE(near(got, p.colour)) << p.what << ": expected " << text(p.colour) << ", got " << text(got);
  }

  ASSERT_EQ(::kill(run.pid, SIGTERM), 0);
  EXPECT_EQ(run.waitForExit(30), 0) << "the close request was not answered with an orderly end";
  const fs::path app = run.root / "app";
  EXPECT_TRUE(fs::exists(app / "data/settings/hs.dat")) << "the close event saves the highscores";
  EXPECT_TRUE(fs::exists(app / "proto3.txt"));
  const std::string log = readAll(app / "errors.txt");
  EXPECT_EQ(occurrences(log, "ERROR IN"), 0u) << "no failure was reported:\n" << log;
  EXPECT_EQ(occurrences(log, "Loading picture not loaded, drawn plain: "), 0u)
      << "the generated loading pictures are read; only the frames before that are plain:\n"
      << log;
}
