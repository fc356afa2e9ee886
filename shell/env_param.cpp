// Owner of the settings record.
#include "shell/env_param.h"

TEnvParam envParam;
