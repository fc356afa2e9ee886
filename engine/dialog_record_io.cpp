// Encoding and decoding of a stored dialog record.
// [SECTION] writing
// [SECTION] reading and validation
#include "engine/dialog_record_io.h"

#include <memory>

#include "engine/engine_form.h"
#include "platform/byte_io.h"

namespace {
constexpr int kMaxItemSlots = 2000;  // the largest block an element reserves
constexpr uint8_t kHighestKind = ekPageGroup;

// [SECTION] writing

void writeAnimation(ByteWriter& w, const TVTLAnimation& a) {
  w.u8(a.shown);
  w.u8(a.target);
  w.zeros(2);
  w.i32(a.duration);
  w.i32(a.start);
  w.i32(a.state);
  w.f32(a.progress);
}

void writeElement(ByteWriter& w, const TVTLElement& e) {
  w.u8(e.kind);
  w.zeros(1);
  w.i16(e.x);
  w.i16(e.y);
  w.u8(e.enabled);
  w.u8(e.visible);
  w.shortString(e.caption.view(), 26);
  w.shortString(e.helpText.view(), 26);
  w.shortString(e.text3.view(), 26);
  w.zeros(1);
  w.i16(e.look);
  w.i16(e.page);
  w.i16(e.rowHeight);
  w.i32(e.width);
  w.i32(e.height);
  w.i32(e.extent);
  w.f32(e.pressDepth);
  w.zeros(4);
  w.u8(e.checked);
  w.u8(e.focused);
  for (int16_t v : {e.SelIndex, e.TopIndex, e.rows, e.dragMark, e.shownLength, e.hoverOffset, e.columns}) w.i16(v);
  w.f32(e.scrollOffset);
  w.f32(e.textScale);
  w.i16(e.controller);
  for (int8_t c : e.children) w.i8(c);
  w.i8(e.childCount);
  w.zeros(1);
  w.i32(0);  // handleBase: a handle of this run, meaningless in a file
  w.i16(e.itemSlots);
  w.u8(e.highlight);
  w.zeros(1);
  w.i16(e.Stringscount);
  w.zeros(6);
  w.i16(e.itemCount);
  w.i16(e.picture);
  w.u8(e.subKind);
  w.zeros(3);
  w.zeros(8);  // drawMethod: a pointer, never stored
  writeAnimation(w, e.showAnim);
  w.i32(e.savedX);
  w.i32(e.savedWidth);
  w.zeros(4);
}
}  // namespace

std::vector<uint8_t> encodeDialogRecord(const TVTLDialog& d) {
  ByteWriter w;
  w.u8(d.inUse);
  w.u8(d.open);
  w.i16(d.x);
  w.i16(d.y);
  w.i16(d.width);
  w.i16(d.height);
  w.zeros(2);
  for (float c : d.colour) w.f32(c);
  w.zeros(4);
  for (const TVTLElement& e : d.elements) writeElement(w, e);
  w.i16(d.count);
  w.i16(d.captureElement);
  w.i16(d.typingElement);
  w.i16(d.markedItem);
  w.zeros(1);
  w.u8(d.popup);
  w.i16(d.below);
  w.shortString(d.title.view(), 100);
  w.zeros(1);
  w.i16(d.backPicture);
  w.u8(d.glowFrame);
  w.u8(d.stayOpen);
  w.i16(d.panelLevel);
  writeAnimation(w, d.showAnim);
  w.i32(d.savedX);
  w.i32(d.savedWidth);
  w.zeros(4);
  return w.bytes();
}

// [SECTION] reading and validation

namespace {
template <int N>
bool readString(ByteReader& r, ShortString<N>& s) {
  uint8_t len = 0;
  r.shortString(s.s, len, N);
  s.len = len;
  return len <= N;
}

void readAnimation(ByteReader& r, TVTLAnimation& a) {
  a.shown = r.u8();
  a.target = r.u8();
  r.skip(2);
  a.duration = r.i32();
  a.start = r.i32();
  a.state = r.i32();
  a.progress = r.f32();
}

bool isElementNumber(int v) { return v >= 1 && v <= kMaxElements; }

// Reads one element; returns an empty text when it is sound, else what is wrong.
std::string readElement(ByteReader& r, TVTLElement& e) {
  e.kind = r.u8();
  r.skip(1);
  e.x = r.i16();
  e.y = r.i16();
  e.enabled = r.u8();
  e.visible = r.u8();
  bool texts = readString(r, e.caption);
  texts = readString(r, e.helpText) && texts;
  texts = readString(r, e.text3) && texts;
  r.skip(1);
  e.look = r.i16();
  e.page = r.i16();
  e.rowHeight = r.i16();
  e.width = r.i32();
  e.height = r.i32();
  e.extent = r.i32();
  e.pressDepth = r.f32();
  r.skip(4);
  e.checked = r.u8();
  e.focused = r.u8();
  for (int16_t* v : {&e.SelIndex, &e.TopIndex, &e.rows, &e.dragMark, &e.shownLength, &e.hoverOffset, &e.columns})
    *v = r.i16();
  e.scrollOffset = r.f32();
  e.textScale = r.f32();
  e.controller = r.i16();
  for (int8_t& c : e.children) c = r.i8();
  e.childCount = r.i8();
  r.skip(1);
  e.handleBase = r.i32();
  e.itemSlots = r.i16();
  e.highlight = r.u8();
  r.skip(1);
  e.Stringscount = r.i16();
  r.skip(6);
  e.itemCount = r.i16();
  e.picture = r.i16();
  e.subKind = r.u8();
  r.skip(3);
  r.skip(8);  // drawMethod bytes are never taken from a file
  e.drawMethod = TVTLDrawMethod{};
  readAnimation(r, e.showAnim);
  e.savedX = r.i32();
  e.savedWidth = r.i32();
  r.skip(4);

  if (!texts) return "a text is longer than its field";
  if (e.kind > kHighestKind) return "unknown kind " + std::to_string(e.kind);
  if (e.childCount < 0 || e.childCount > kMaxChildren) return "child count " + std::to_string(e.childCount);
  for (int i = 1; i <= e.childCount; ++i)
    if (!isElementNumber(e.children[i])) return "child number " + std::to_string(e.children[i]);
  if (e.controller < 0 || e.controller > kMaxElements) return "controller " + std::to_string(e.controller);
  if (e.itemSlots < 0 || e.itemSlots > kMaxItemSlots) return "item slots " + std::to_string(e.itemSlots);
  if (e.Stringscount < 0 || e.Stringscount > e.itemSlots) return "string count " + std::to_string(e.Stringscount);
  if (e.handleBase != 0 && (e.handleBase < 0 || e.handleBase >= vtl.strings.handleCount))
    return "string handle " + std::to_string(e.handleBase);
  return std::string();
}

bool isElementOrNone(int v) { return v >= 0 && v <= kMaxElements; }

std::string checkDialog(const TVTLDialog& d) {
  if (d.count < 0 || d.count > kMaxElements) return "element count " + std::to_string(d.count);
  if (!isElementOrNone(d.captureElement) || !isElementOrNone(d.typingElement) || !isElementOrNone(d.markedItem))
    return "element number out of range";
  if (d.below < -1 || d.below > vtl.diags.count()) return "dialog below " + std::to_string(d.below);
  return std::string();
}
}  // namespace

bool decodeDialogRecord(const std::vector<uint8_t>& bytes, TVTLDialog& out, std::string& error) {
  if (bytes.size() != size_t(kDialogRecordSize)) {
    error = "dialog record is " + std::to_string(bytes.size()) + " bytes, expected " + std::to_string(kDialogRecordSize);
    return false;
  }
  auto d = std::make_unique<TVTLDialog>();
  ByteReader r(bytes);
  d->inUse = r.u8();
  d->open = r.u8();
  d->x = r.i16();
  d->y = r.i16();
  d->width = r.i16();
  d->height = r.i16();
  r.skip(2);
  for (float& c : d->colour) c = r.f32();
  r.skip(4);
  for (int n = 1; n <= kMaxElements; ++n) {
    std::string fault = readElement(r, d->elements[n]);
    if (!fault.empty()) {
      error = "dialog record: element " + std::to_string(n) + ": " + fault;
      return false;
    }
  }
  d->count = r.i16();
  d->captureElement = r.i16();
  d->typingElement = r.i16();
  d->markedItem = r.i16();
  r.skip(1);
  d->popup = r.u8();
  d->below = r.i16();
  bool titleOk = readString(r, d->title);
  r.skip(1);
  d->backPicture = r.i16();
  d->glowFrame = r.u8();
  d->stayOpen = r.u8();
  d->panelLevel = r.i16();
  readAnimation(r, d->showAnim);
  d->savedX = r.i32();
  d->savedWidth = r.i32();
  r.skip(4);
  std::string fault = titleOk ? checkDialog(*d) : "the title is longer than 100 characters";
  if (r.failed()) fault = "record cut short";
  if (!fault.empty()) {
    error = "dialog record: " + fault;
    return false;
  }
  out = *d;
  return true;
}
