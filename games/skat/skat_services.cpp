// The engine services Skat's rules use: text lookup, the error dialog, the error log.
#include "games/skat/skat_services.h"

#include "engine/error_log.h"
#include "engine/texts.h"
#include "platform/alert.h"
#include "platform/errors.h"

std::string skatLookupText(std::string_view key) { return lookupText(key); }

void skatShowError(const std::string& text) { showAlert(text); }

void skatLogError(const std::string& text) {
  std::string screenText;
  logErrorReport(EInOutError(text), screenText);
}
