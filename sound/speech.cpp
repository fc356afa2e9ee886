// say, the voice queue and the computer seats' comments.
//
// [SECTION] the bubble
// [SECTION] voices of a text: words, game names, catalogue picks
// [SECTION] say
// [SECTION] the voice queue
// [SECTION] comments
#include "sound/speech.h"

#include <cmath>
#include <utility>
#include <vector>

#include "core/cg.h"
#include "core/engine_switches.h"
#include "engine/elements.h"
#include "engine/engine_services.h"
#include "games/casino/chips.h"
#include "net/net_transport.h"
#include "platform/tick.h"
#include "shell/env_param.h"
#include "shell/game_dialogs.h"
#include "shell/shell_globals.h"
#include "sound/sound_events.h"
#include "sound/voice_catalogue.h"

namespace {

constexpr int32_t kVoiceTailBytes = 10000;  // a voice with less left counts as finished

TVoiceStartListener& voiceListener() {
  static TVoiceStartListener l;
  return l;
}

// [SECTION] the bubble

int32_t bubbleElement(int32_t seat) {
  return dlgIPanel != 0 && seat >= 1 && seat <= tableSeatSlots ? elSpeechBubble[seat] : 0;
}

void showBubbleText(int32_t element, const std::string& text) {
  if (element < 1) return;
  setElementText(dlgIPanel, element, text, 0);
  setElementVisible(dlgIPanel, element, 1);
}

void showBubble(const std::string& bubble, int32_t seat, bool keep) {
  TGameState& gs = cg.gs;
  const int32_t element = bubbleElement(seat);
  showBubbleText(element, bubble);
  gs.commentCount++;
  TBubbleEntry& timing = gs.bubbles[seat];
  if (gs.bubbleState[seat] != 0 && timing.dialog >= 1) {
    // The old bubble goes first, so the new text fades in afresh.
    if (timing.element >= 1) setElementVisible(timing.dialog, timing.element, 0);
    showBubbleText(element, bubble);
  }
  gs.bubbleState[seat] = 3;
  timing.startTick = getTickCount();
  timing.duration = humanEliminated() ? int32_t(std::lround(envParam.bubbleTime / pokerSpeedFactor())) : envParam.bubbleTime;
  timing.dialog = int16_t(dlgIPanel);
  timing.element = int16_t(keep ? 0 : element);
  if (cg.gameId == gidBlackjack) logNotAvailable("Blackjack seat speech");
}

// [SECTION] voices of a text: words, game names, catalogue picks

// The question variant of a sample: "_" before the extension.
std::string questionVariant(const std::string& path) {
  return path.size() < 4 ? path : path.substr(0, path.size() - 4) + "_" + path.substr(path.size() - 4);
}

std::string samplePathOf(const std::string& text, int32_t seat) {
  std::string name;
  return speechSamplePath(name, text, seat);
}

std::vector<std::string> splitAt(const std::string& text, char mark) {
  std::vector<std::string> parts;
  size_t from = 0;
  while (true) {
    const size_t at = text.find(mark, from);
    parts.push_back(text.substr(from, at == std::string::npos ? std::string::npos : at - from));
    if (at == std::string::npos) return parts;
    from = at + 1;
  }
}

void sayWords(const std::string& text, int32_t seat, std::string& subtitle) {
  for (const std::string& word : splitAt(text, ' ')) soundContainer.queueVoice(samplePathOf(word, seat), subtitle, seat, 0);
}

void sayGameName(const std::string& text, int32_t seat, std::string& subtitle) {
  const std::vector<std::string> parts = splitAt(text, '-');
  for (size_t i = 0; i < parts.size(); i++) {
    std::string part = parts[i];
    if (part == "Solo" || part == "Wenz" || part == "Geier") part = "_" + part;
    if (i == 0 && parts.size() > 1) part += "_";
    soundContainer.queueVoice(samplePathOf(part, seat), subtitle, seat, 0);
  }
}

// Kind 100: a "...solo" game without its own sample speaks its first word and "_solo".
void saySoloName(const std::string& text, const std::string& ownPath, int32_t seat, std::string& subtitle) {
  bool found = false;
  findSoundFile(ownPath, found);
  const std::string solo = "solo";
  if (found || text.size() <= solo.size() || text.compare(text.size() - solo.size(), solo.size(), solo) != 0) {
    soundContainer.queueVoice(ownPath, subtitle, seat, 0);
    return;
  }
  soundContainer.queueVoice(samplePathOf(text.substr(0, text.size() - solo.size()) + "_", seat), subtitle, seat, 0);
  soundContainer.queueVoice(samplePathOf("_solo", seat), subtitle, seat, 0);
}

// Kinds 10..43: a text of the seat's voice, composed with the caller's text around "%".
// Answers the composed text; noBubble for War's silent marks.
std::string sayCatalogue(const std::string& text, int32_t seat, int32_t code, std::string ownPath, bool heldBack,
                         std::string& subtitle, bool& noBubble) {
  std::string pick;
  scReader.pickSample(code, seatVoiceOf(seat), pick);
  if (cg.gameId == gidWar && !pick.empty() && pick[0] == 'X' && pick.size() <= 4) {
    noBubble = true;
    pick.clear();
  }
  const std::string pickPath = samplePathOf(pick, seat);
  if (code == 23 && pick.size() >= 2 && pick.ends_with("%?")) ownPath = questionVariant(ownPath);
  const size_t mark = pick.find('%');
  std::string composed;
  if (mark == std::string::npos) composed = pick;
  else if (pick == "%?") composed = text + "?";
  else composed = pick.substr(0, mark) + text + pick.substr(mark + 1);
  if (heldBack) subtitle = composed;
  if (mark == std::string::npos) {
    soundContainer.queueVoice(pickPath, subtitle, seat, code);
  } else if (pick == "%?") {
    soundContainer.queueVoice(questionVariant(ownPath), subtitle, seat, 0);
  } else if (mark == 0) {
    soundContainer.queueVoice(ownPath, subtitle, seat, code);
    soundContainer.queueVoice(pickPath, subtitle, seat, 0);
  } else {
    soundContainer.queueVoice(pickPath, subtitle, seat, 0);
    soundContainer.queueVoice(ownPath, subtitle, seat, code);
  }
  return composed;
}

}  // namespace

// [SECTION] say

void say(const std::string& text, int32_t seat, int32_t kind, bool keep) {
  if (seat < 0 || seat > bubbleSeats) {
    trace("say: no seat " + std::to_string(seat));
    return;
  }
  bool heldBack = false, noBubble = false;
  std::string shown = text;
  // Only seats 1..8 have a voice; seat 0 is a pause.
  if (kind >= 1 && seat >= 1 && seat <= 8) {
    std::string subtitle;
    // A voice still speaking holds the bubble back until its own sample starts.
    if (soundContainer.processVoiceQueue(0) != 0) {
      heldBack = true;
      subtitle = text;
    }
    const std::string ownPath = samplePathOf(text, seat);
    if (kind == 1) soundContainer.queueVoice(ownPath, subtitle, seat, 0);
    else if (kind == 4) sayWords(text, seat, subtitle);
    else if (kind == 101) sayGameName(text, seat, subtitle);
    else if (kind == 100) saySoloName(text, ownPath, seat, subtitle);
    else if (kind >= firstSoundCode && kind <= lastSoundCode)
      shown = sayCatalogue(text, seat, kind, ownPath, heldBack, subtitle, noBubble);
    // A held-back text none of whose samples was queued would never show: show it now.
    if (heldBack && !subtitle.empty()) heldBack = false;
  }
  if (heldBack || noBubble || engineFastMode()) return;
  showBubble("?" + shown, seat, keep);
}

// [SECTION] the voice queue

void TSoundContainer::queueVoice(const std::string& path, std::string& subtitle, int32_t seat, int32_t code) {
  if (queueCount >= queueCapacity) return;
  if (envParam.voiceMode < 2) return;
  if (envParam.voiceMode == 2) {
    // "Nur Kommentare": the remarks only.
    const bool comment = cg.gameId == gidBlackjack ? (code >= 27 && code <= 33) || code == 39 : code >= 27 && code <= 41;
    if (!comment) return;
  }
  queueCount++;
  queuedPaths[queueCount] = path;
  queuedSubtitles[queueCount] = std::exchange(subtitle, std::string());
  queuedSeats[queueCount] = seat;
  // The loader reads the sample meanwhile, so it is ready when its turn comes.
  bool found = false;
  const std::string file = baseSoundFile(path, found);
  if (found && !noDevice && device && voiceVolume > 0 && !engineFastMode()) sampleCache.prefetch(file);
}

uint8_t TSoundContainer::processVoiceQueue(int32_t seat) {
  if (noDevice) return 0;
  servePendingPlays();
  uint8_t result = 0;
  for (int32_t slot = 1; slot <= soundSlotCount && result == 0; slot++) {
    const TPendingPlay& waiting = pendingPlays[slot];
    if (waiting.isVoice && !waiting.path.empty() && (seat == 0 || waiting.seat == seat)) result = 3;
    if (slotKinds[slot] != 1 || !samples[slot] || (seat != 0 && slotSeats[slot] != seat)) continue;
    TDSWSoundFileSample& s = *samples[slot];
    if (s.isPlaying() && s.bufferSize() - s.getCursorPos() > kVoiceTailBytes) result = 3;
  }
  // The first entry waiting for its sample speaks already, for its seat's bubble too.
  if (seat != 0 && result == 0 && headWaiting_ && queueCount > 0 && queuedSeats[1] == seat) result = 3;
  if (seat != 0 || result != 0 || queueCount == 0) return result;
  const std::string path = queuedPaths[1], subtitle = queuedSubtitles[1];
  const int32_t speaker = queuedSeats[1];
  // Voices "Aus" play nothing: the entry leaves the queue as if its sample had ended.
  int32_t volume = 0, pan = 0;
  const bool audible = seatVoiceLevel(speaker, volume, pan);
  if (audible && !headResolved_) {
    headFile_ = findSoundFile(path, headFound_);
    headResolved_ = true;
  }
  // The entry waits, and counts as speaking, until the loader has its sample: it starts
  // with its bubble, never before its sound.
  if (audible && headFound_ && device && !isTerminating() && !sampleCache.ready(*device, headFile_)) {
    sampleCache.prefetch(headFile_);
    headWaiting_ = true;
    return 3;
  }
  headWaiting_ = false;
  for (int32_t i = 1; i < queueCount; i++) {
    queuedPaths[i] = queuedPaths[i + 1];
    queuedSubtitles[i] = queuedSubtitles[i + 1];
    queuedSeats[i] = queuedSeats[i + 1];
  }
  queueCount--;
  if (audible) playFile(headFile_, headFound_, speaker, volume, pan, true);
  headResolved_ = false;
  if (voiceListener()) voiceListener()(path, speaker);
  if (!subtitle.empty()) say(subtitle, speaker, 0, false);
  return 3;
}

TVoiceStartListener setVoiceStartListener(TVoiceStartListener l) { return std::exchange(voiceListener(), std::move(l)); }

// [SECTION] comments

namespace {

// The draw must exceed this for a comment of the chance to be made.
double commentThreshold(int32_t chance) {
  if (chance >= 100) return 0.1;
  if (chance >= 95) return 0.3;
  if (chance >= 90) return 0.45;
  if (chance >= 80) return 0.65;
  if (chance >= 60) return 0.75;
  return 0.8;
}

bool oneCommentPerMove(TGameId id) { return id == gidMauMau || id == gidRomme || id == gidCanasta || id == gidDoppelkopf; }

}  // namespace

bool TSoundContainer::sayComment(int32_t seat, int32_t kind, int32_t firstCode, int32_t secondCode, int32_t chance) {
  if (secondCode != 0 && secondCode < firstCode) std::swap(firstCode, secondCode);
  // (0, n) is how the games pass a single code n.
  if (firstCode == 0 && secondCode != 0) std::swap(firstCode, secondCode);
  bool allowed = envParam.commentLevel != 1 && cg.gs.tutorialMode == 0 && soundRandomUnit() > commentThreshold(chance);
  if (seat <= 1 || seat > 8 || (isNetGame() && isSeatLostInGame(seat))) allowed = false;
  const int32_t toAct = cg.gs.akspieler;
  if (oneCommentPerMove(cg.gameId)) {
    if (toAct < 1 || toAct > 6) {
      allowed = false;  // no record for such a seat
    } else {
      if (lastCommentedMove[toAct] == cg.moveCounter) allowed = false;
      lastCommentedMove[toAct] = cg.moveCounter;
    }
  }
  if (!allowed) return false;
  if (engineFastMode()) return true;
  switch (kind) {
    case 0: {
      if (firstCode == 0) break;
      const int32_t spread = secondCode != 0 && secondCode != firstCode ? secondCode - firstCode + 1 : 0;
      int32_t x = firstCode + soundRandomBelow(spread);
      if (x == 0) x = firstCode;
      say("Emotion", seat, 30 + x, false);
      break;
    }
    case 1: say("Canasta", seat, 1, false); break;
    case 2:
      if (firstCode == 0 || firstCode == 1) say("KontraReDu", seat, 34, false);
      else if (firstCode == 2) say("KontraReIhr", seat, 35, false);
      break;
    case 3: say("IchGewinn", seat, firstCode, false); break;
    case 4:
    case 5: say("Comment", seat, firstCode, false); break;
    default: break;
  }
  return true;
}
