#include <cmath>

#include "platform/gfx/gfx_types.h"

namespace gfx {

namespace {

// Row-vector product a * b: a point transformed by the result goes through a first, then b.
void Product(const double* a, const double* b, double* out) {
  const double r[6] = {
      a[0] * b[0] + a[1] * b[2],        a[0] * b[1] + a[1] * b[3],
      a[2] * b[0] + a[3] * b[2],        a[2] * b[1] + a[3] * b[3],
      a[4] * b[0] + a[5] * b[2] + b[4], a[4] * b[1] + a[5] * b[3] + b[5],
  };
  for (int i = 0; i < 6; ++i) out[i] = r[i];
}

// Exact values at the quarter turns, so that a rotation by 90 degrees leaves no 1e-17 residue that
// would smear an axis-aligned line over two pixel rows.
void SinCosDeg(double deg, double* s, double* c) {
  const double turns = deg / 90.0;
  if (turns == std::floor(turns) && std::fabs(turns) < 1e9) {
    static constexpr double kSin[4] = {0.0, 1.0, 0.0, -1.0};
    static constexpr double kCos[4] = {1.0, 0.0, -1.0, 0.0};
    const int q = static_cast<int>(static_cast<int64_t>(turns) % 4 + 4) % 4;
    *s = kSin[q];
    *c = kCos[q];
    return;
  }
  const double rad = deg * (M_PI / 180.0);
  *s = std::sin(rad);
  *c = std::cos(rad);
}

}  // namespace

void Matrix::Combine(const double* op, MatrixOrder order) {
  if (order == MatrixOrderAppend) {
    Product(m_, op, m_);
  } else {
    Product(op, m_, m_);
  }
}

Status Matrix::Reset() {
  *this = Matrix();
  return Ok;
}

Status Matrix::Translate(REAL dx, REAL dy, MatrixOrder order) {
  const double op[6] = {1.0, 0.0, 0.0, 1.0, dx, dy};
  Combine(op, order);
  return Ok;
}

Status Matrix::Scale(REAL sx, REAL sy, MatrixOrder order) {
  const double op[6] = {sx, 0.0, 0.0, sy, 0.0, 0.0};
  Combine(op, order);
  return Ok;
}

Status Matrix::Rotate(REAL angle_deg, MatrixOrder order) {
  double s = 0.0;
  double c = 1.0;
  SinCosDeg(angle_deg, &s, &c);
  const double op[6] = {c, s, -s, c, 0.0, 0.0};
  Combine(op, order);
  return Ok;
}

Status Matrix::Multiply(const Matrix* other, MatrixOrder order) {
  if (other == nullptr) return InvalidParameter;
  Combine(other->m_, order);
  return Ok;
}

bool Matrix::IsInvertible() const {
  const double det = Determinant();
  return std::isfinite(det) && det != 0.0;
}

Status Matrix::Invert() {
  if (!IsInvertible()) return InvalidParameter;
  const double det = Determinant();
  const double* m = m_;
  const double inv[6] = {
      m[3] / det,  -m[1] / det, -m[2] / det, m[0] / det, (m[2] * m[5] - m[3] * m[4]) / det,
      (m[1] * m[4] - m[0] * m[5]) / det,
  };
  for (int i = 0; i < 6; ++i) m_[i] = inv[i];
  return Ok;
}

Status Matrix::SetElements(REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy) {
  *this = Matrix(m11, m12, m21, m22, dx, dy);
  return Ok;
}

Status Matrix::GetElements(REAL* m) const {
  if (m == nullptr) return InvalidParameter;
  for (int i = 0; i < 6; ++i) m[i] = static_cast<REAL>(m_[i]);
  return Ok;
}

Status Matrix::TransformPoints(PointF* pts, INT count) const {
  if (pts == nullptr || count < 0) return InvalidParameter;
  for (INT i = 0; i < count; ++i) {
    double x = 0.0;
    double y = 0.0;
    Apply(pts[i].X, pts[i].Y, &x, &y);
    pts[i] = PointF(static_cast<REAL>(x), static_cast<REAL>(y));
  }
  return Ok;
}

bool Matrix::IsIdentity() const {
  return m_[0] == 1.0 && m_[1] == 0.0 && m_[2] == 0.0 && m_[3] == 1.0 && m_[4] == 0.0 &&
         m_[5] == 0.0;
}

bool Matrix::Equals(const Matrix* other) const {
  if (other == nullptr) return false;
  for (int i = 0; i < 6; ++i) {
    if (m_[i] != other->m_[i]) return false;
  }
  return true;
}

}  // namespace gfx
