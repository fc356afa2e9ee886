// Owner of the stack arrays.
#include "table/stacks.h"

LArray<TSpieler, 1, stackCount> sp;
LArray<TSpieler, 1, stackCount> spLayout;
int32_t pileCount = 6;
