// Saved games in "\save\": the main image (name + "." + code), the raw record of the table
// overlay panel (name + "._" + code) and, for games with a card-AI object, that object's own
// state (name + ".x" + code). Saving writes all three under temporary names and renames them
// only when every one was written, so a failed save leaves the previous save whole. Loading
// checks the whole image before anything of it is used.
//
// [SECTION] the main image
// [SECTION] files
// [SECTION] saveGame
// [SECTION] loadGame
// [SECTION] resumeGame
#include "core/saved_game.h"

#include <filesystem>
#include <fstream>
#include <memory>

#include "core/cg.h"
#include "core/core_messages.h"
#include "core/game_callbacks.h"
#include "core/game_list_dialog.h"
#include "core/game_start.h"
#include "core/game_state_image.h"
#include "engine/dialog_state_files.h"
#include "engine/dialogs.h"
#include "games/casino/chips.h"
#include "platform/errors.h"
#include "shell/card_ai_lookup.h"
#include "shell/env_param.h"
#include "shell/game_dialogs.h"
#include "shell/shell_globals.h"
#include "shell/shell_services.h"
#include "shell/shell_state.h"
#include "table/stacks.h"
#include "table/table_game_hooks.h"
#include "table/table_globals.h"

namespace fs = std::filesystem;

// [SECTION] the main image

namespace {

void chipSnapshotIo(TRecordIo& io, TChipSnapshot& s) {
  for (TChipSnapshotEntry& e : s.stacks) {
    for (int16_t& n : e.chips) io.i16(n);
    io.i8(e.marker0);
    io.i8(e.marker1);
  }
}

// Measured at each call: the image holds the areas of the games registered now, and tests
// register other sets of games in one process.
size_t gameStateImageSize() { return gameStateImage(*std::make_unique<TGameState>()).size(); }

}  // namespace

size_t gameImageChipOffset() { return cgHeadImageSize + gameStateImageSize(); }
size_t gameImageSize() { return gameImageChipOffset() + chipSnapshotSize; }

std::vector<uint8_t> buildGameImage() {
  for (int i = 1; i <= stackCount; i++) seatRecordToTCG(cg.seatRecords[i], sp[i]);
  cg.headReserved[cgReservedInputState] = inputState;
  std::vector<uint8_t> image = cgHeadImage(cg);
  std::vector<uint8_t> block = gameStateImage(cg.gs);
  image.insert(image.end(), block.begin(), block.end());
  TChipSnapshot chips;
  countChipStacks(chips);
  ByteWriter w;
  TRecordIo io(w);
  chipSnapshotIo(io, chips);
  image.insert(image.end(), w.bytes().begin(), w.bytes().end());
  return image;
}

namespace {

// The three records of an image, read into storage of their own.
struct TLoadedImage {
  std::unique_ptr<TCG> head = std::make_unique<TCG>();
  std::unique_ptr<TGameState> gs = std::make_unique<TGameState>();
  TChipSnapshot chips{};
};

bool decodeImage(const std::vector<uint8_t>& image, TLoadedImage& out) {
  if (image.size() != gameImageSize()) return false;
  ByteReader r(image);
  if (!cgHeadFromImage(r, *out.head) || !gameStateFromImage(r, *out.gs)) return false;
  TRecordIo io(r);
  chipSnapshotIo(io, out.chips);
  return !io.failed() && r.remaining() == 0;
}

bool inRange(int32_t v, int32_t lo, int32_t hi) { return v >= lo && v <= hi; }

std::string checkHead(const TCG& h) {
  if (h.gameId != cg.gameId || h.gameId >= gidNone) return "Spiel " + std::to_string(h.gameId);
  for (int i = 0; i <= seatRecordCount; i++) {
    const TSeatRecord& r = h.seatRecords[i];
    if (!inRange(r.count, 0, slotCapacity) || r.kind > seatKindNetwork || !inRange(r.number, 0, stackCount))
      return "Stapel " + std::to_string(i);
  }
  if (!inRange(h.seatCount, 0, 8)) return "Spielerzahl";
  return {};
}

std::string checkDecision(const TDecisionBlock& b) {
  return inRange(b.optionCount, 0, decisionOptionCapacity) ? std::string() : "Entscheidung";
}

std::string checkState(const TGameState& gs) {
  if (!inRange(gs.akspieler, 0, stackCount) || !inRange(gs.dealer, 0, stackCount)) return "Spieler am Zug";
  if (gs.awaitingAction != 0 && gs.awaitingAction != 2) return "Wartezustand";
  if ((gs.pendingMove != 0 && gs.pendingMove != 3) || !inRange(gs.pendingStack, 0, stackCount)) return "Kartenzug";
  for (uint8_t b : gs.bubbleState)
    if (b != 0 && b != 3) return "Sprechblasen";
  if (gs.gamesPlayed < 0 || gs.optionsGameId > gidNone) return "Spielliste";
  std::string bad = checkDecision(gs.bl);
  return bad.empty() ? checkDecision(gs.savedBl) : bad;
}

}  // namespace

std::string checkGameImage(const std::vector<uint8_t>& image) {
  if (image.size() != gameImageSize())
    return "Größe " + std::to_string(image.size()) + " statt " + std::to_string(gameImageSize());
  TLoadedImage loaded;
  if (!decodeImage(image, loaded)) return "Texte oder Kartenlisten";
  std::string bad = checkHead(*loaded.head);
  return bad.empty() ? checkState(*loaded.gs) : bad;
}

// [SECTION] files

namespace {

struct TSaveNames {
  std::string main, panel, ai;
};

TSaveNames saveNames(const std::string& base) {
  std::string code = cg.gameId < gidNone ? gameCodes[cg.gameId].substr(0, 3) : std::string();
  return {base + "." + code, base + "._" + code, base + ".x" + code};
}

std::string temporary(const std::string& name) { return name + ".tmp"; }

void writeFile(const std::string& name, const std::vector<uint8_t>& bytes) {
  std::ofstream f(name, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  f.close();
  if (!f) throw EInOutError("Datei kann nicht geschrieben werden: " + name);
}

// The file's bytes; false when it cannot be opened or read.
bool readFile(const std::string& name, std::vector<uint8_t>& bytes) {
  std::ifstream f(name, std::ios::binary);
  if (!f) return false;
  bytes.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
  return !f.bad();
}

void removeQuietly(const std::string& name) {
  std::error_code ec;
  fs::remove(name, ec);
}

}  // namespace

// [SECTION] saveGame

namespace {

// Writes the three files under temporary names; false when the card-AI object refused.
bool writeTemporaries(const TSaveNames& n, bool& aiWritten) {
  writeFile(temporary(n.main), buildGameImage());
  if (dlgIPanel != 0) saveDialogRecord(dlgIPanel, temporary(n.panel));
  aiWritten = false;
  if (TAbstractCardAIImpl* ai = getCardAIByType(cg.gameId)) {
    if (!ai->saveState(temporary(n.ai))) return false;
    aiWritten = fs::exists(temporary(n.ai));
  }
  return true;
}

void commitTemporaries(const TSaveNames& n, bool aiWritten) {
  fs::rename(temporary(n.main), n.main);
  if (dlgIPanel != 0) fs::rename(temporary(n.panel), n.panel);
  if (aiWritten) fs::rename(temporary(n.ai), n.ai);
}

void dropTemporaries(const TSaveNames& n) {
  for (const std::string* name : {&n.main, &n.panel, &n.ai}) removeQuietly(temporary(*name));
}

}  // namespace

bool TCG::saveGame(const std::string& base, const std::string& displayName, bool quiet) {
  meldTableSaveImage(gs.meldTableImage);
  gameListsToArea();
  TSaveNames names = saveNames(base);
  // A name the file system refuses (too long, say) is a failed save, never a fatal error.
  std::error_code ec;
  bool exists = fs::exists(names.main, ec);
  if (ec) return true;
  if (exists && !quiet && coreShowMessageById(7, displayName) != mbAnswerYes) return false;
  bool failed = false;
  try {
    fs::create_directories(fs::path(names.main).parent_path());
    bool aiWritten = false;
    failed = !writeTemporaries(names, aiWritten);
    if (!failed) commitTemporaries(names, aiWritten);
  } catch (const std::exception&) {
    failed = true;
  }
  if (failed) {
    dropTemporaries(names);
    return true;
  }
  if (!quiet) coreShowMessageById(8, displayName);
  return false;
}

// [SECTION] loadGame

namespace {

void applyImage(const TLoadedImage& loaded) {
  const TCG& h = *loaded.head;
  cg.gameId = h.gameId;
  cg.seatRecords = h.seatRecords;
  cg.headReserved = h.headReserved;
  cg.seatCount = h.seatCount;
  cg.frameCount = h.frameCount;
  cg.pointerCode = h.pointerCode;
  cg.lastPointerCode = h.lastPointerCode;
  cg.gs = *loaded.gs;
  chipSnapshot = loaded.chips;
}

// A game that had ended when it was saved: its result dialog is rebuilt and the next game
// of its list starts.
void replayEndedGame() {
  cg.gs.bl.showOptions = 0;
  for (int32_t d : {dlgFarbPanel, dlgButtonPanel, dlgInGame})
    if (d != 0) setDialogOpen(d, 0);
  TGameResult replay;
  replay.kind = resultReplayed;
  cg.endRound(replay);
}

}  // namespace

bool TCG::loadGame(const std::string& base) {
  TSaveNames names = saveNames(base);
  std::vector<uint8_t> image;
  if (!readFile(names.main, image)) return false;
  TLoadedImage loaded;
  std::string damage = checkGameImage(image);
  if (!damage.empty() || !decodeImage(image, loaded)) {
    coreShowMessage("Der Spielstand ist beschädigt und wurde nicht geladen (" + damage + ").", "Spiel laden");
    return false;
  }
  try {
    uint8_t tutorial = gs.tutorialMode;
    applyImage(loaded);
    gs.tutorialMode = tutorial;
    for (int i = 1; i <= stackCount; i++) {
      seatRecordFromTCG(seatRecords[i], sp[i]);
      seatRecordFromTCG(seatRecords[i], spLayout[i]);
    }
    if (!gs.tutorialMode && dlgIPanel != 0) loadDialogRecord(dlgIPanel, names.panel);
    meldTableLoadImage(gs.meldTableImage);
    if (gs.meldTableInUse) meldTableWriteSlotLocations();
    pokerAfterLoad();
    gameListsFromArea();
    inputState = headReserved[cgReservedInputState];
    showDecisionDialog(false, false);
    gs = *loaded.gs;  // nothing the redisplay did survives; the file's tutorial mode is back
    playerCount = seatCount;
    if (gs.phase == 5) replayEndedGame();
    TAbstractCardAIImpl* ai = getCardAIByType(gameId);
    return ai && fs::exists(names.ai) ? ai->loadState(names.ai) : true;
  } catch (const std::exception&) {
    return false;
  }
}

// [SECTION] resumeGame

void TCG::resumeGame() {
  layoutSeats();
  gameResume(0);
  for (int i = 1; i <= std::min<int>(playerCount, 6); i++) {
    seatNames[i] = gs.playerRecords[i].name.view().substr(0, 100);
    seatVoice[i] = gs.playerRecords[i].voice;
    tutSeatNames();
    if (seatVoice[i] < 1 || seatVoice[i] > 6) seatVoice[i] = 4;
  }
  showStandings();
  envParam.playDirection = gs.seatOrder;
  gameResume(1);
}
