// The engine and sound services Skat uses: texts, the error dialog and logs, speech.
#include "games/skat/skat_services.h"

#include "engine/engine_services.h"
#include "engine/error_log.h"
#include "engine/texts.h"
#include "platform/alert.h"
#include "platform/errors.h"
#include "sound/speech.h"

std::string skatLookupText(std::string_view key, std::string_view p1, std::string_view p2) {
  return lookupText(key, p1, p2);
}

void skatShowError(const std::string& text) { showAlert(text); }

void skatLogError(const std::string& text) {
  std::string screenText;
  logErrorReport(EInOutError(text), screenText);
}

void skatTrace(const std::string& text) { logProtocol(text); }

namespace {
std::string said[4];
}

void skatSay(const std::string& text, int32_t seat, int32_t kind) {
  if (seat >= 0 && seat <= 3) said[seat] = text;
  say(text, seat, kind, false);
}

const std::string& skatLastSaid(int32_t seat) {
  static const std::string none;
  return seat >= 0 && seat <= 3 ? said[seat] : none;
}

void skatClearSaid() {
  for (std::string& s : said) s.clear();
}
