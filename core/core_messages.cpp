// Routes of the core's texts and message boxes. Without a route of its own the core uses the
// engine's text table and text measure; boxes are answered with OK until the engine's
// message box exists.
#include "core/core_messages.h"

#include "engine/text_width.h"
#include "engine/texts.h"

namespace {
TCoreMessageRoutes routes;
}

TCoreMessageRoutes setCoreMessageRoutes(TCoreMessageRoutes next) {
  TCoreMessageRoutes previous = routes;
  routes = std::move(next);
  return previous;
}

std::string coreLookupText(std::string_view key, std::string_view p1, std::string_view p2,
                           std::string_view p3, std::string_view p4) {
  return routes.lookupText ? routes.lookupText(key, p1, p2, p3, p4) : lookupText(key, p1, p2, p3, p4);
}

int coreShowMessage(const std::string& text, const std::string& caption, int buttons,
                    const std::string& okCaption, int layout, bool keepStack) {
  if (!routes.showMessage) return mbAnswerOk;
  return routes.showMessage(text, caption, buttons, okCaption, layout, keepStack);
}

int coreShowMessageById(int id, std::string_view p1, std::string_view p2, std::string_view p3,
                        std::string_view p4) {
  return routes.showMessageById ? routes.showMessageById(id, p1, p2, p3, p4) : mbAnswerOk;
}

float coreTextWidth(std::string_view text) {
  return routes.textWidth ? routes.textWidth(text) : textWidth(text, false);
}
