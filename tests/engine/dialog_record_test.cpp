// The stored dialog record: sizes, field offsets, round trips and refused blocks.
#include <gtest/gtest.h>

#include <bit>
#include <cstring>

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

}  // namespace
