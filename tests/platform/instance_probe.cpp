// Probe for the single-instance tests: runs the start code's check under the given lock
// folder and executable path, then ends at once, as a second start of the program does.
#include <cstdio>

#include "core/instance.h"
#include "platform/instance.h"
#include "tests/platform/instance_probe.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: instance_probe <lock folder> <executable path>\n");
    return kProbeUsage;
  }
  setInstanceFolder(argv[1]);
  setInstanceExecutable(argv[2]);
  return activateOtherInstance() ? kProbeOtherRuns : kProbeAlone;
}
