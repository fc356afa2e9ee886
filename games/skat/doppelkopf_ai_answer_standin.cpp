// Until the Vorbehalt and announcement answers are built, a computer seat takes the first
// option offered (at 47 it announces nothing), and the trace says that the answer is not
// available.
#include "core/cg.h"
#include "engine/engine_services.h"
#include "games/skat/doppelkopf_ai_solo.h"

int32_t doppelkopfAIAnswer(int32_t kind) {
  logNotAvailable("doppelkopfAIAnswer");
  return kind == 47 ? -1 : cg.gs.bl.optionValues[1];
}
