// The table camera and the small matrix helpers of the table drawing. The camera is computed
// as a matrix (OpenGL column order) so it can be checked without a GL context; the GL calls
// load it into the current matrix.
#pragma once

#include <array>
#include <cstdint>

using TMatrix16 = std::array<double, 16>;  // 4 x 4, OpenGL column order

// The model-view matrix captured at a seat's plate, and the scratch copy the mirror and the
// shadow volume write; the shadow drawing projects through it.
extern TMatrix16 tableMatrix;

// [SECTION] matrices as OpenGL builds them (each multiplies on the right, as glTranslate)
TMatrix16 identityMatrix();
void matTranslate(TMatrix16& m, double x, double y, double z);
void matRotate(TMatrix16& m, double degrees, double x, double y, double z);

// [SECTION] the camera
// The table camera: the developer camera's step back, the view's tilt while a game is on the
// table and no dialog projection is active.
TMatrix16 tableCameraMatrix();
// The table camera moved to a seat's place (for the seat's label).
TMatrix16 seatCameraMatrix(int32_t seat);
// Load them into the current GL matrix (normally the model-view matrix).
void setupTableCamera();
void setSeatCamera(int32_t seat);
// Stores the current model-view matrix into tableMatrix.
void captureTableMatrix();

// [SECTION] helpers of the shadow drawing
// out := the upper-left 3 x 3 part of m applied to (x, y, z).
void transformVector(const double* m, double* out, double x, double y, double z);
// The inverse of m's upper-left 3 x 3 part into the same places of out, through the
// determinant in single precision. Returns false (out left alone) for a singular matrix, whose
// inverse would be infinite.
bool invertMatrix3(const double* m, double* out);
