// The engine form's program-wide state.
#include "engine/engine_form.h"

#include "engine/engine_options.h"

TVTLApplication vtl;

void resetEngineModel() {
  vtl = TVTLApplication();
  resetEngineOptions();
}
