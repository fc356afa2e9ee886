// The table overlay panels' reactions to clicks (#ipanel, #helppanel, #chatpanel,
// #pokerpanel, #textpanel, #buttonpanel and the developer panels).
#pragma once

#include <cstdint>

// A click on an element of one of the overlay panels; true when the panel took it (the event
// channel's element-click chain then ends).
bool panelClick(int32_t dialog, int32_t element);
