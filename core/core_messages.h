// The core's one way to the engine's text lookup, message boxes and text measure. Every text,
// notice and question of the core goes through these calls, so pointing them at the engine
// (or at a test's table) is a single assignment of routes.
#pragma once

#include <functional>
#include <string>
#include <string_view>

// Answers of a message box: 1 OK, 6 yes, 7 no.
enum : int { mbAnswerOk = 1, mbAnswerYes = 6, mbAnswerNo = 7 };

struct TCoreMessageRoutes {
  // The text of a key with up to four values put into its "%" marks; "" for an unknown key.
  std::function<std::string(std::string_view key, std::string_view p1, std::string_view p2,
                            std::string_view p3, std::string_view p4)>
      lookupText;
  // The modal box: text, caption, buttons (0 or 1 OK, 4 yes and no), OK caption, layout,
  // keepStack; returns the answer.
  std::function<int(const std::string& text, const std::string& caption, int buttons,
                    const std::string& okCaption, int layout, bool keepStack)>
      showMessage;
  // A box of the message table by number with up to four values; returns the answer.
  std::function<int(int id, std::string_view p1, std::string_view p2, std::string_view p3,
                    std::string_view p4)>
      showMessageById;
  // Width of a text in the current font, in the engine's text units.
  std::function<float(std::string_view text)> textWidth;
};

// Installs routes and returns the previous ones. An empty route falls back to the engine's
// lookupText and textWidth (without the aspect correction); a box without a route is not
// shown and answers 0 (no button), with one trace line. The program installs the engine's boxes.
TCoreMessageRoutes setCoreMessageRoutes(TCoreMessageRoutes routes);

std::string coreLookupText(std::string_view key, std::string_view p1 = {}, std::string_view p2 = {},
                           std::string_view p3 = {}, std::string_view p4 = {});
int coreShowMessage(const std::string& text, const std::string& caption, int buttons = 0,
                    const std::string& okCaption = {}, int layout = 0, bool keepStack = false);
int coreShowMessageById(int id, std::string_view p1 = {}, std::string_view p2 = {},
                        std::string_view p3 = {}, std::string_view p4 = {});
float coreTextWidth(std::string_view text);
