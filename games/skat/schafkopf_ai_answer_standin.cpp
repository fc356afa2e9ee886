// Until the bidding's computer answers are built, a computer seat takes the first option
// offered, and the trace says that the answer is not available.
#include "core/cg.h"
#include "engine/engine_services.h"
#include "games/skat/schafkopf_ai_contract.h"

int32_t schafkopfAIAnswer(int32_t) {
  logNotAvailable("schafkopfAIAnswer");
  return cg.gs.bl.optionValues[1];
}
