// The table camera's matrices and the 3 x 3 helpers of the shadow volume, without GL.
#include <cmath>
#include <limits>

#include "engine/compositor.h"
#include "engine/engine_form.h"
#include "shell/shell_state.h"
#include "table/camera.h"
#include "table/shadows.h"
#include "tests/table/table_fixture.h"

namespace {

class CameraTest : public TableTest {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    screenMode = 1;
  }
  void TearDown() override {
    screenMode = 0;
    scenePickFlag = false;
    vtl.cameraMode = 0;
    TableTest::TearDown();
  }
};

void expectMatrix(const TMatrix16& m, const double (&want)[16]) {
  for (int i = 0; i < 16; i++) EXPECT_NEAR(m[i], want[i], 1e-6) << "element " << i;
}

TEST_F(CameraTest, TableCameraByViewAndMode) {
  const double c8 = std::cos(-8 * M_PI / 180), s8 = std::sin(-8 * M_PI / 180);
  const double c20 = std::cos(20 * M_PI / 180), s20 = std::sin(20 * M_PI / 180);
  struct Case {
    int perspective, cameraMode, screen;
    bool dialogProjection;
    double want[16];
  } cases[] = {
      {0, 0, 1, false, {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}},
      {0, 2, 1, false, {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, -3, 1}},
      // Side view: rotate -8 about x, then (0, 0.7, 0) in the turned frame.
      {2, 0, 1, false, {1, 0, 0, 0, 0, c8, s8, 0, 0, -s8, c8, 0, 0, 0.7 * c8, 0.7 * s8, 1}},
      {1, 0, 1, false, {1, 0, 0, 0, 0, c20, s20, 0, 0, -s20, c20, 0, 0, -1.1 * c20, -1.1 * s20, 1}},
      // No tilt under the dialogs' projection, nor on the start screen.
      {2, 0, 1, true, {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}},
      {1, 0, 0, false, {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "perspective " << c.perspective << " camera " << c.cameraMode);
    envParam.perspective = c.perspective;
    vtl.cameraMode = c.cameraMode;
    screenMode = uint8_t(c.screen);
    scenePickFlag = c.dialogProjection;
    expectMatrix(tableCameraMatrix(), c.want);
  }
}

TEST_F(CameraTest, SeatCameraOfAClosedSkatHand) {
  setGame(gidSkat, 3);
  sp[2].restPose = {1100, 180, 0, 0, 0, 0};  // x at 1100: no extra shift of a closed hand
  TMatrix16 want = tableCameraMatrix();
  matTranslate(want, -1.196, -0.405, -2.6);
  matTranslate(want, 0, 0.12, 0);
  matRotate(want, 35, 1, 0, 0);
  matTranslate(want, 1100 / 502.0, 0, 0);  // y - 180 = 0
  matRotate(want, -90, 1, 0, 0);
  matTranslate(want, 0, 0, 0);
  matTranslate(want, -0.318725, -0.358566, -0.179283);
  const TMatrix16 got = seatCameraMatrix(2);
  for (int i = 0; i < 16; i++) EXPECT_NEAR(got[i], want[i], 1e-9) << "element " << i;
}

TEST(MatrixHelpers, TransformVectorUsesTheUpperLeftPartInColumnOrder) {
  const double m[16] = {1, 2, 3, 99, 4, 5, 6, 99, 7, 8, 9, 99, 50, 60, 70, 1};
  double out[3];
  transformVector(m, out, 1, 0, 0);
  EXPECT_EQ(out[0], 1);
  EXPECT_EQ(out[1], 2);
  EXPECT_EQ(out[2], 3);
  transformVector(m, out, 0, 1, 1);  // the translation is left out
  EXPECT_EQ(out[0], 11);
  EXPECT_EQ(out[1], 13);
  EXPECT_EQ(out[2], 15);
}

TEST(MatrixHelpers, InvertMatrix3) {
  TMatrix16 turned = identityMatrix();
  matRotate(turned, 35, 1, 0, 0);
  matRotate(turned, -20, 0, 1, 0);
  matTranslate(turned, 5, 6, 7);
  const double scaled[16] = {2, 0, 0, 0, 0, 4, 0, 0, 0, 0, 5, 0, 0, 0, 0, 1};
  for (const double* m : {static_cast<const double*>(scaled), static_cast<const double*>(turned.data())}) {
    double inv[16] = {};
    ASSERT_TRUE(invertMatrix3(m, inv));
    // m times its inverse is the identity (single precision).
    for (int c = 0; c < 3; c++)
      for (int r = 0; r < 3; r++) {
        double sum = 0;
        for (int k = 0; k < 3; k++) sum += m[k * 4 + r] * inv[c * 4 + k];
        EXPECT_NEAR(sum, r == c ? 1 : 0, 1e-6) << "row " << r << " column " << c;
      }
  }
  EXPECT_NEAR(([&] { double inv[16] = {}; invertMatrix3(scaled, inv); return inv[5]; })(), 0.25, 1e-7);
}

TEST(MatrixHelpers, ASingularMatrixHasNoInverseAndCastsNoShadow) {
  const double flat[16] = {1, 2, 3, 0, 2, 4, 6, 0, 0, 0, 1, 0, 0, 0, 0, 1};  // two equal directions
  const double zero[16] = {};
  for (const double* m : {flat, zero}) {
    double out[16];
    for (double& v : out) v = 42;
    EXPECT_FALSE(invertMatrix3(m, out));
    for (double v : out) EXPECT_EQ(v, 42) << "the output is left alone";
    double dir[3];
    EXPECT_FALSE(shadowLightDirection(m, dir));
  }
  const double id[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 1, 2, 3, 1};
  double dir[3];
  ASSERT_TRUE(shadowLightDirection(id, dir));
  EXPECT_NEAR(dir[0], -190, 1e-4);
  EXPECT_NEAR(dir[1], -180, 1e-4);
  EXPECT_NEAR(dir[2], -370, 1e-4);
  for (double v : dir) EXPECT_TRUE(std::isfinite(v));
}

}  // namespace
