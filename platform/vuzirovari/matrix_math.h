// 4 x 4 transforms (rows first, acting on column vectors) and their parts.
#pragma once

#include "skin_mesh_data.h"
#include "vuzirovari.h"

namespace vuz {

Matrix4 identityMatrix();
Matrix4 operator*(const Matrix4& a, const Matrix4& b);
// Translation, then rotation, then scale applied first: T R S.
Matrix4 composeMatrix(iVector3 translation, const iQuaternion& rotation, iVector3 scale);
void decomposeMatrix(const Matrix4& m, iVector3* translation, iQuaternion* rotation, iVector3* scale);
iVector3 transformPoint(const Matrix4& m, iVector3 p);
iVector3 transformDirection(const Matrix4& m, iVector3 d);
iQuaternion rotationFromMatrix(const float r[9]);  // rows first, pure rotation
iQuaternion conjugate(const iQuaternion& q);

}  // namespace vuz
