// The parts of the event channel and the frame handler that live in their own files, and
// the small dialog helpers they share. Tests call the parts directly.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "table/move_queue.h"

// [SECTION] dialog helpers (event_channel.cpp)

// Opens or closes the dialog so that it is open exactly when `open` holds; an open dialog
// is left where it is in the stack. Dialog 0 (not built) is left alone.
void keepDialogOpen(int32_t dialog, bool open);
// The dialog is built and open.
bool isDialogOpen(int32_t dialog);
// The pointer (or the keyboard focus) rests on the element: the engine's focus follows the
// pointer while keyboard navigation is on.
bool pointerRestsOn(int32_t dialog, int32_t element);

// [SECTION] the channel's parts

// A click on the table (table_click.cpp).
void tableClick();
// A key went down (-8, keys.cpp).
void channelKey(int32_t key);
// The dialogs were re-laid out for the window's aspect (-22, event_channel.cpp).
void channelRelayout();

// [SECTION] the frame handler's parts

// Step 9: the finished moves, newest first, while no move is pending (frame_handler.cpp).
void handOverFinishedMoves(const std::function<void(const TFinishedMove&)>& take);
// The hover pick's divisor by the frame rate (hover_pick.cpp).
int32_t pickDivisor(float fps);
// Step 18, the hover pick (hover_pick.cpp).
void hoverPick();
// Step 19, the developer panels' texts (developer_panels.cpp).
void fillDeveloperPanels();
// The "Info: " line of the developer panel.
extern std::string debugInfoText;

// Forgets what the channel and the frame handler remember between calls (the last laid-out
// aspect, the last picked pointer cell, the key buffer); for tests.
void resetChannelMemory();
// hover_pick.cpp's part of it.
void resetPickMemory();
