// The stored dialog record: sizes, field offsets, round trips and refused blocks.
#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <memory>

#include "engine/dialog_record_io.h"
#include "engine/dialogs.h"
#include "engine/elements.h"
#include "tests/engine/engine_fixture.h"

namespace {

class DialogRecordTest : public EngineTest {};

int16_t i16At(const std::vector<uint8_t>& b, size_t off) { return int16_t(b[off] | (b[off + 1] << 8)); }
int32_t i32At(const std::vector<uint8_t>& b, size_t off) {
  return int32_t(uint32_t(b[off]) | uint32_t(b[off + 1]) << 8 | uint32_t(b[off + 2]) << 16 | uint32_t(b[off + 3]) << 24);
}
float f32At(const std::vector<uint8_t>& b, size_t off) { return std::bit_cast<float>(i32At(b, off)); }

size_t elementOffset(int n) { return 32 + size_t(n - 1) * kElementRecordSize; }

// A dialog with a title, a button, a list with its children and a selector.
int32_t sampleDialog() {
  int32_t d = createDialog(-5, 7, 300, 200, true, "Titel", true, 3, 1.0f);
  addElement(ekButton, 11, 12, "Knopf", 90, 30, 0.0f, 1.25f);
  addElement(ekListBox, 20, 40, "", 150, 96, 0.0f, 1.0f);
  addSimpleElement(ekSelector, 30, 160, "HorList2");
  dialogOf(d).stayOpen = 1;
  dialogOf(d).savedX = 123;
  return d;
}

TEST_F(DialogRecordTest, SizesAndOffsets) {
  int32_t d = sampleDialog();
  std::vector<uint8_t> b = encodeDialogRecord(dialogOf(d));
  ASSERT_EQ(b.size(), size_t(kDialogRecordSize));
  EXPECT_EQ(kDialogRecordSize, 39928);
  EXPECT_EQ(kElementRecordSize, 288);

  EXPECT_EQ(b[0], 1) << "inUse";
  EXPECT_EQ(i16At(b, 2), -5) << "x";
  EXPECT_EQ(i16At(b, 6), 300) << "width";
  EXPECT_EQ(i16At(b, 39776), dialogOf(d).count) << "count";
  EXPECT_EQ(b[39785], 1) << "popup";
  EXPECT_EQ(i16At(b, 39786), -1) << "below";
  EXPECT_EQ(b[39788], 5) << "title length";
  EXPECT_EQ(std::memcmp(&b[39789], "Titel", 5), 0);
  EXPECT_EQ(b[39892], 1) << "glowFrame";
  EXPECT_EQ(b[39893], 1) << "stayOpen";
  EXPECT_EQ(i16At(b, 39894), 3) << "panelLevel";
  EXPECT_EQ(i32At(b, 39916), 123) << "savedX";

  const size_t e2 = elementOffset(2);
  EXPECT_EQ(b[e2 + 0], ekButton);
  EXPECT_EQ(i16At(b, e2 + 2), 11);
  EXPECT_EQ(i16At(b, e2 + 4), 12);
  EXPECT_EQ(b[e2 + 8], 5) << "caption length";
  EXPECT_EQ(std::memcmp(&b[e2 + 9], "Knopf", 5), 0);
  EXPECT_EQ(i32At(b, e2 + 96), 90) << "width";
  EXPECT_EQ(i32At(b, e2 + 100), 30) << "height";
  EXPECT_FLOAT_EQ(f32At(b, e2 + 108), 0.05f) << "pressDepth";
  EXPECT_FLOAT_EQ(f32At(b, e2 + 132), -100.0f) << "scrollOffset";
  EXPECT_FLOAT_EQ(f32At(b, e2 + 136), 1.25f) << "textScale";
  EXPECT_EQ(i16At(b, e2 + 228), 1) << "itemSlots";
  EXPECT_FLOAT_EQ(f32At(b, e2 + 256 + 16), 1.0f) << "showAnim.progress";

  const size_t e3 = elementOffset(3);
  EXPECT_EQ(b[e3 + 222], 3) << "childCount";
  EXPECT_EQ(int8_t(b[e3 + 142]), 4) << "children[1]";
  EXPECT_EQ(i16At(b, elementOffset(4) + 140), 3) << "controller of the Up arrow";
}

TEST_F(DialogRecordTest, NoHandleOrPointerIsStored) {
  int32_t d = sampleDialog();
  elementOf(d, 2).drawMethod.object = &vtl;
  std::vector<uint8_t> b = encodeDialogRecord(dialogOf(d));
  ASSERT_GT(elementOf(d, 3).handleBase, 0);
  for (int n = 1; n <= kMaxElements; ++n) {
    EXPECT_EQ(i32At(b, elementOffset(n) + 224), 0) << "handleBase of element " << n;
    for (int i = 0; i < 8; ++i) EXPECT_EQ(b[elementOffset(n) + 248 + i], 0) << "drawMethod of element " << n;
  }
}

TEST_F(DialogRecordTest, RoundTrip) {
  int32_t d = sampleDialog();
  dialogOf(d).open = 1;
  elementOf(d, 3).SelIndex = 2;
  elementOf(d, 2).helpText.assign("Hilfe");
  std::vector<uint8_t> b = encodeDialogRecord(dialogOf(d));
  auto back = std::make_unique<TVTLDialog>();
  std::string error;
  ASSERT_TRUE(decodeDialogRecord(b, *back, error)) << error;
  EXPECT_EQ(encodeDialogRecord(*back), b) << "decoding and encoding again gives the same bytes";
  EXPECT_EQ(back->elements[3].SelIndex, 2);
  EXPECT_EQ(back->elements[2].helpText.str(), "Hilfe");
  EXPECT_EQ(back->title.str(), "Titel");
}

TEST_F(DialogRecordTest, DamagedBlocksAreRefused) {
  int32_t d = sampleDialog();
  const std::vector<uint8_t> good = encodeDialogRecord(dialogOf(d));
  struct Case {
    const char* what;
    size_t offset;
    uint8_t value;
  } cases[] = {
      {"element count 139", 39776, 139},
      {"negative element count", 39777, 0xFF},
      {"caption length 27", elementOffset(2) + 8, 27},
      {"title length 101", 39788, 101},
      {"child count 81", elementOffset(3) + 222, 81},
      {"child number 0", elementOffset(3) + 142, 0},
      {"controller 139", elementOffset(4) + 140, 139},
      {"string count above item slots", elementOffset(2) + 232, 2},
      {"stored handle outside the container", elementOffset(2) + 227, 0x7F},
      {"unknown kind", elementOffset(2), 42},
      {"marked item 200", 39782, 200},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> bad = good;
    bad[c.offset] = c.value;
    auto out = std::make_unique<TVTLDialog>();
    out->count = 77;
    std::string error;
    EXPECT_FALSE(decodeDialogRecord(bad, *out, error)) << c.what;
    EXPECT_FALSE(error.empty()) << c.what;
    EXPECT_EQ(out->count, 77) << c.what << ": a refused block changes nothing";
  }
  std::vector<uint8_t> shortBlock(good.begin(), good.end() - 1);
  auto out = std::make_unique<TVTLDialog>();
  std::string error;
  EXPECT_FALSE(decodeDialogRecord(shortBlock, *out, error));
  EXPECT_NE(error.find("39927"), std::string::npos) << error;
}

// Every stored field at its offset: each field gets a value of its own and the block is read
// back at the offsets the record layout names.
TEST_F(DialogRecordTest, EveryFieldAtItsOffset) {
  auto dlg = std::make_unique<TVTLDialog>();
  TVTLDialog& d = *dlg;
  TVTLElement& e = d.elements[2];
  e.kind = 19, e.x = 1002, e.y = 1004, e.enabled = 6, e.visible = 7, e.look = 1090, e.page = 1092;
  e.rowHeight = 1094, e.width = 100096, e.height = 100100, e.extent = 100104, e.checked = 116, e.focused = 117;
  e.SelIndex = 1118, e.TopIndex = 1120, e.rows = 1122, e.dragMark = 1124, e.shownLength = 1126;
  e.hoverOffset = 1128, e.columns = 1130, e.controller = 1140, e.children[1] = 42, e.children[80] = 43;
  e.childCount = 80, e.itemSlots = 1228, e.highlight = 230, e.Stringscount = 1232, e.itemCount = 1240;
  e.picture = 1242, e.subKind = 244, e.savedX = 100276, e.savedWidth = 100280;
  e.pressDepth = 108.0f, e.scrollOffset = 132.0f, e.textScale = 136.0f;
  e.showAnim = TVTLAnimation{56, 57, 100260, 100264, 100268, 272.0f};
  e.caption.assign("c"), e.helpText.assign("h"), e.text3.assign("t");
  d.inUse = 1, d.open = 2, d.x = 1002, d.y = 1004, d.width = 1006, d.height = 1008;
  d.colour[0] = 12.0f, d.colour[3] = 24.0f;
  d.count = 1776, d.captureElement = 1778, d.typingElement = 1780, d.markedItem = 1782, d.popup = 85;
  d.below = 1786, d.backPicture = 1890, d.glowFrame = 92, d.stayOpen = 93, d.panelLevel = 1894;
  d.showAnim = TVTLAnimation{96, 97, 139900, 139904, 139908, 912.0f};
  d.savedX = 139916, d.savedWidth = 139920;
  d.title.assign("T");
  const std::vector<uint8_t> b = encodeDialogRecord(d);
  ASSERT_EQ(b.size(), size_t(kDialogRecordSize));

  const size_t el = elementOffset(2);
  struct Field {
    const char* name;
    size_t offset;
    int bytes;  // 1, 2 or 4 (integers); 0 a Single
    double value;
  } fields[] = {
      {"kind", el + 0, 1, 19},          {"x", el + 2, 2, 1002},          {"y", el + 4, 2, 1004},
      {"enabled", el + 6, 1, 6},        {"visible", el + 7, 1, 7},       {"caption", el + 8, 1, 1},
      {"helpText", el + 35, 1, 1},      {"text3", el + 62, 1, 1},        {"look", el + 90, 2, 1090},
      {"page", el + 92, 2, 1092},       {"rowHeight", el + 94, 2, 1094}, {"width", el + 96, 4, 100096},
      {"height", el + 100, 4, 100100},  {"extent", el + 104, 4, 100104}, {"pressDepth", el + 108, 0, 108},
      {"checked", el + 116, 1, 116},    {"focused", el + 117, 1, 117},   {"SelIndex", el + 118, 2, 1118},
      {"TopIndex", el + 120, 2, 1120},  {"rows", el + 122, 2, 1122},     {"dragMark", el + 124, 2, 1124},
      {"shownLength", el + 126, 2, 1126}, {"hoverOffset", el + 128, 2, 1128}, {"columns", el + 130, 2, 1130},
      {"scrollOffset", el + 132, 0, 132}, {"textScale", el + 136, 0, 136}, {"controller", el + 140, 2, 1140},
      {"children[1]", el + 142, 1, 42}, {"children[80]", el + 221, 1, 43}, {"childCount", el + 222, 1, 80},
      {"itemSlots", el + 228, 2, 1228}, {"highlight", el + 230, 1, 230}, {"Stringscount", el + 232, 2, 1232},
      {"itemCount", el + 240, 2, 1240}, {"picture", el + 242, 2, 1242}, {"subKind", el + 244, 1, 244},
      {"showAnim.shown", el + 256, 1, 56}, {"showAnim.target", el + 257, 1, 57},
      {"showAnim.duration", el + 260, 4, 100260}, {"showAnim.start", el + 264, 4, 100264},
      {"showAnim.state", el + 268, 4, 100268}, {"showAnim.progress", el + 272, 0, 272},
      {"savedX", el + 276, 4, 100276}, {"savedWidth", el + 280, 4, 100280},
      {"dialog inUse", 0, 1, 1},        {"dialog open", 1, 1, 2},        {"dialog x", 2, 2, 1002},
      {"dialog y", 4, 2, 1004},         {"dialog width", 6, 2, 1006},    {"dialog height", 8, 2, 1008},
      {"colour red", 12, 0, 12},        {"colour alpha", 24, 0, 24},     {"count", 39776, 2, 1776},
      {"captureElement", 39778, 2, 1778}, {"typingElement", 39780, 2, 1780}, {"markedItem", 39782, 2, 1782},
      {"popup", 39785, 1, 85},          {"below", 39786, 2, 1786},       {"title", 39788, 1, 1},
      {"backPicture", 39890, 2, 1890},  {"glowFrame", 39892, 1, 92},     {"stayOpen", 39893, 1, 93},
      {"panelLevel", 39894, 2, 1894},   {"dialog showAnim.shown", 39896, 1, 96},
      {"dialog showAnim.target", 39897, 1, 97}, {"dialog showAnim.duration", 39900, 4, 139900},
      {"dialog showAnim.start", 39904, 4, 139904}, {"dialog showAnim.state", 39908, 4, 139908},
      {"dialog showAnim.progress", 39912, 0, 912}, {"dialog savedX", 39916, 4, 139916},
      {"dialog savedWidth", 39920, 4, 139920},
  };
  for (const Field& f : fields) {
    double got = f.bytes == 1 ? b[f.offset] : f.bytes == 2 ? i16At(b, f.offset) : f.bytes == 4 ? i32At(b, f.offset)
                                                                                                 : f32At(b, f.offset);
    EXPECT_EQ(got, f.value) << f.name << " at offset " << f.offset << ": expected " << f.value << ", got " << got;
  }
  EXPECT_EQ(b[el + 9], 'c');
  EXPECT_EQ(b[el + 36], 'h');
  EXPECT_EQ(b[el + 63], 't');
  EXPECT_EQ(b[39789], 'T');
}

}  // namespace
