// Building and presenting decisions: the option list of the decision block, its editing
// helpers, the per-kind builder and the row layout of the decision panel.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/game_id.h"

struct TDecisionOption {
  std::string caption;  // "!" + text for a finished text; empty ends the list
  int32_t value;        // the action value b of kind 2; must fit 16 bits
};

// Captions 1..8 with their values (missing ones empty): optionCount := the captions before
// the first empty one among 2..8 (caption 1 always counts); captions are cut at 80
// characters; questionText := ""; showOptions := 1. A value outside 16 bits is refused
// with an alert and stored as 0.
void setDialogOptions(const std::vector<TDecisionOption>& options);
// Removes option n; the later options move up and optionCount decreases.
void removeDialogOption(int32_t n);
// Go Fish: whom to ask (up to six seats that still hold cards).
void goFishQuestionOptions();
// Collects one Go Fish question (up to 16); goFishQuestionOptions starts and ends the list.
void addQuestionOption(const std::string& caption, int32_t value);

// The kind's branch of TCG::buildDecisionDialog (core/decision_kinds.cpp): permissions,
// options, question text and the recorded kind.
void buildDecisionKind(int32_t kind);

// The row layout of n buttons: each button's 4:3 position and width.
struct TRowButton {
  int32_t savedX;
  int32_t savedWidth;
};
// The game's offset of the row centre (43 for most games).
int32_t decisionRowOffset(TGameId game);
std::vector<TRowButton> decisionRowLayout(int32_t n, int32_t offset, bool oldMaid);
