// The engine and sound services Skat uses: texts, the error dialog and logs, speech.
#include "games/skat/skat_services.h"

#include "engine/engine_services.h"
#include "engine/error_log.h"
#include "engine/texts.h"
#include "platform/alert.h"
#include "platform/errors.h"
#include "sound/sound_events.h"
#include "sound/speech.h"
#include "sound/voice_catalogue.h"

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

namespace {

// A remark of the catalogue as it is shown: its picked text with the caller's text at "%".
std::string pickedRemark(const std::string& text, int32_t seat, int32_t kind) {
  std::string pick;
  scReader.pickSample(kind, seatVoiceOf(seat), pick);
  const size_t mark = pick.find('%');
  if (mark == std::string::npos) return pick;
  if (pick == "%?") return text + "?";
  return pick.substr(0, mark) + text + pick.substr(mark + 1);
}

}  // namespace

void skatSay(const std::string& text, int32_t seat, int32_t kind) {
  if (seat >= 0 && seat <= 3) said[seat] = text;
  // Without a device no voice plays (its queue is dropped when one is opened): the text is
  // shown as it would be, without looking for sample files on disk at every bid.
  if (soundContainer.noDevice && kind >= 1 && seat >= 1 && seat <= 3) {
    const bool remark = kind >= firstSoundCode && kind <= lastSoundCode;
    say(remark ? pickedRemark(text, seat, kind) : text, seat, 0, false);
    return;
  }
  say(text, seat, kind, false);
}

const std::string& skatLastSaid(int32_t seat) {
  static const std::string none;
  return seat >= 0 && seat <= 3 ? said[seat] : none;
}

void skatClearSaid() {
  for (std::string& s : said) s.clear();
}
