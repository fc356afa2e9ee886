// The core's boxes routed to the engine's message box, whose answers (1 OK, 6 yes, 7 no) are
// the core's answers.
#include "shell/core_message_routes.h"

#include "core/core_messages.h"
#include "engine/message_box.h"

static_assert(int(mbAnswerOk) == int(kBoxAnswerOk) && int(mbAnswerYes) == int(kBoxAnswerYes) &&
                  int(mbAnswerNo) == int(kBoxAnswerNo),
              "the core reads the engine's answers as they are");

void installCoreMessageRoutes() {
  TCoreMessageRoutes routes;
  routes.showMessage = [](const std::string& text, const std::string& caption, int buttons,
                          const std::string& okCaption, int layout, bool keepStack) {
    return static_cast<int>(showMessage(text, caption, buttons, okCaption, layout, keepStack));
  };
  routes.showMessageById = [](int id, std::string_view p1, std::string_view p2, std::string_view p3,
                              std::string_view p4) {
    return static_cast<int>(showMessageById(id, p1, p2, p3, p4));
  };
  setCoreMessageRoutes(std::move(routes));
}

void removeCoreMessageRoutes() { setCoreMessageRoutes({}); }
