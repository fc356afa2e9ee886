// Routes of the core's texts and message boxes. Without a route of its own the core uses the
// engine's text table and text measure; a box without a route is not shown: it answers 0 (no
// button pressed) and writes one trace line. The program routes the boxes to the engine's.
#include "core/core_messages.h"

#include "engine/engine_services.h"
#include "engine/text_width.h"
#include "engine/texts.h"

namespace {
TCoreMessageRoutes routes;

int boxNotAvailable(std::string_view what) {
  logProtocol("core message box not available: " + std::string(what));
  return 0;
}
}  // namespace

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
  if (!routes.showMessage) return boxNotAvailable(caption.empty() ? text : caption);
  return routes.showMessage(text, caption, buttons, okCaption, layout, keepStack);
}

int coreShowMessageById(int id, std::string_view p1, std::string_view p2, std::string_view p3,
                        std::string_view p4) {
  if (!routes.showMessageById) return boxNotAvailable("message " + std::to_string(id));
  return routes.showMessageById(id, p1, p2, p3, p4);
}

float coreTextWidth(std::string_view text) {
  return routes.textWidth ? routes.textWidth(text) : textWidth(text, false);
}
