// Value types of the drawing layer: status codes, enumerations, colours, points, rectangles and the
// 2-D affine matrix. Names and numbers follow the GDI+ conventions the painters are written against
// (status 0 is Ok, smoothing mode 2 is high quality, font style 1 is bold, unit 2 is pixels, ...).
#pragma once

#include <cstdint>

namespace gfx {

using ARGB = uint32_t;
using REAL = float;
using INT = int32_t;

enum Status : int32_t {
  Ok = 0,
  GenericError = 1,
  InvalidParameter = 2,
  OutOfMemory = 3,
  ObjectBusy = 4,
  InsufficientBuffer = 5,
  NotImplemented = 6,
  Win32Error = 7,
  WrongState = 8,
  Aborted = 9,
  FileNotFound = 10,
  ValueOverflow = 11,
  AccessDenied = 12,
  UnknownImageFormat = 13,
  FontFamilyNotFound = 14,
  FontStyleNotFound = 15,
  NotTrueTypeFont = 16,
  UnsupportedGdiplusVersion = 17,
  GdiplusNotInitialized = 18,
};

enum MatrixOrder : int32_t { MatrixOrderPrepend = 0, MatrixOrderAppend = 1 };

enum SmoothingMode : int32_t {
  SmoothingModeInvalid = -1,
  SmoothingModeDefault = 0,
  SmoothingModeHighSpeed = 1,
  SmoothingModeHighQuality = 2,
  SmoothingModeNone = 3,
  SmoothingModeAntiAlias = 4,
  SmoothingModeAntiAlias8x8 = 5,
};

enum CompositingQuality : int32_t {
  CompositingQualityInvalid = -1,
  CompositingQualityDefault = 0,
  CompositingQualityHighSpeed = 1,
  CompositingQualityHighQuality = 2,
  CompositingQualityGammaCorrected = 3,
  CompositingQualityAssumeLinear = 4,
};

enum TextRenderingHint : int32_t {
  TextRenderingHintSystemDefault = 0,
  TextRenderingHintSingleBitPerPixelGridFit = 1,
  TextRenderingHintSingleBitPerPixel = 2,
  TextRenderingHintAntiAliasGridFit = 3,
  TextRenderingHintAntiAlias = 4,
  TextRenderingHintClearTypeGridFit = 5,
};

enum CombineMode : int32_t {
  CombineModeReplace = 0,
  CombineModeIntersect = 1,
  CombineModeUnion = 2,
  CombineModeXor = 3,
  CombineModeExclude = 4,
  CombineModeComplement = 5,
};

enum FillMode : int32_t { FillModeAlternate = 0, FillModeWinding = 1 };

enum DashStyle : int32_t {
  DashStyleSolid = 0,
  DashStyleDash = 1,
  DashStyleDot = 2,
  DashStyleDashDot = 3,
  DashStyleDashDotDot = 4,
  DashStyleCustom = 5,
};

enum FontStyle : int32_t {
  FontStyleRegular = 0,
  FontStyleBold = 1,
  FontStyleItalic = 2,
  FontStyleBoldItalic = 3,
  FontStyleUnderline = 4,
  FontStyleStrikeout = 8,
};

enum Unit : int32_t {
  UnitWorld = 0,
  UnitDisplay = 1,
  UnitPixel = 2,
  UnitPoint = 3,
  UnitInch = 4,
  UnitDocument = 5,
  UnitMillimeter = 6,
};

enum StringAlignment : int32_t {
  StringAlignmentNear = 0,
  StringAlignmentCenter = 1,
  StringAlignmentFar = 2,
};

enum StringFormatFlags : int32_t {
  StringFormatFlagsDirectionRightToLeft = 0x0001,
  StringFormatFlagsDirectionVertical = 0x0002,
  StringFormatFlagsNoFitBlackBox = 0x0004,
  StringFormatFlagsNoWrap = 0x1000,
  StringFormatFlagsLineLimit = 0x2000,
  StringFormatFlagsNoClip = 0x4000,
};

struct Color {
  ARGB argb = 0xFF000000u;

  Color() = default;
  constexpr explicit Color(ARGB value) : argb(value) {}
  constexpr Color(uint8_t r, uint8_t g, uint8_t b) : argb(MakeARGB(255, r, g, b)) {}
  constexpr Color(uint8_t a, uint8_t r, uint8_t g, uint8_t b) : argb(MakeARGB(a, r, g, b)) {}

  static constexpr ARGB MakeARGB(uint8_t a, uint8_t r, uint8_t g, uint8_t b) {
    return (ARGB{a} << 24) | (ARGB{r} << 16) | (ARGB{g} << 8) | ARGB{b};
  }
  constexpr ARGB GetValue() const { return argb; }
  constexpr uint8_t GetA() const { return static_cast<uint8_t>(argb >> 24); }
  constexpr uint8_t GetR() const { return static_cast<uint8_t>(argb >> 16); }
  constexpr uint8_t GetG() const { return static_cast<uint8_t>(argb >> 8); }
  constexpr uint8_t GetB() const { return static_cast<uint8_t>(argb); }
};

struct Point {
  INT X = 0;
  INT Y = 0;
  Point() = default;
  constexpr Point(INT x, INT y) : X(x), Y(y) {}
};

struct PointF {
  REAL X = 0.0f;
  REAL Y = 0.0f;
  PointF() = default;
  constexpr PointF(REAL x, REAL y) : X(x), Y(y) {}
  constexpr PointF(const Point& p) : X(static_cast<REAL>(p.X)), Y(static_cast<REAL>(p.Y)) {}
};

struct SizeF {
  REAL Width = 0.0f;
  REAL Height = 0.0f;
};

struct Rect {
  INT X = 0;
  INT Y = 0;
  INT Width = 0;
  INT Height = 0;
  Rect() = default;
  constexpr Rect(INT x, INT y, INT w, INT h) : X(x), Y(y), Width(w), Height(h) {}
};

struct RectF {
  REAL X = 0.0f;
  REAL Y = 0.0f;
  REAL Width = 0.0f;
  REAL Height = 0.0f;
  RectF() = default;
  constexpr RectF(REAL x, REAL y, REAL w, REAL h) : X(x), Y(y), Width(w), Height(h) {}
  constexpr RectF(const Rect& r)
      : X(static_cast<REAL>(r.X)), Y(static_cast<REAL>(r.Y)), Width(static_cast<REAL>(r.Width)),
        Height(static_cast<REAL>(r.Height)) {}
  constexpr REAL GetRight() const { return X + Width; }
  constexpr REAL GetBottom() const { return Y + Height; }
  constexpr bool Contains(REAL x, REAL y) const {
    return x >= X && x < X + Width && y >= Y && y < Y + Height;
  }
};

// Affine world transform, row-vector form as GDI+ has it: x' = x m11 + y m21 + dx,
// y' = x m12 + y m22 + dy. Operations prepend by default, so the last call made acts first on a point.
class Matrix {
 public:
  Matrix() = default;
  Matrix(REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy)
      : m_{m11, m12, m21, m22, dx, dy} {}

  Status Reset();
  Status Translate(REAL dx, REAL dy, MatrixOrder order = MatrixOrderPrepend);
  Status Scale(REAL sx, REAL sy, MatrixOrder order = MatrixOrderPrepend);
  // Degrees, clockwise on a y-down screen.
  Status Rotate(REAL angle_deg, MatrixOrder order = MatrixOrderPrepend);
  Status Multiply(const Matrix* other, MatrixOrder order = MatrixOrderPrepend);
  // Fails with InvalidParameter (and stays unchanged) when the matrix is singular.
  Status Invert();
  Status SetElements(REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy);
  Status GetElements(REAL* m) const;  // six values: m11, m12, m21, m22, dx, dy
  Status TransformPoints(PointF* pts, INT count = 1) const;
  bool IsIdentity() const;
  bool IsInvertible() const;
  bool Equals(const Matrix* other) const;
  Status GetLastStatus() const { return Ok; }

  // Double-precision access for the back ends.
  double M11() const { return m_[0]; }
  double M12() const { return m_[1]; }
  double M21() const { return m_[2]; }
  double M22() const { return m_[3]; }
  double DX() const { return m_[4]; }
  double DY() const { return m_[5]; }
  double Determinant() const { return m_[0] * m_[3] - m_[1] * m_[2]; }
  void Apply(double x, double y, double* ox, double* oy) const {
    *ox = x * m_[0] + y * m_[2] + m_[4];
    *oy = x * m_[1] + y * m_[3] + m_[5];
  }

 private:
  // Stored in double so that long chains of prepends (fine frames of the attitude painters) keep
  // their sub-pixel precision.
  double m_[6] = {1.0, 0.0, 0.0, 1.0, 0.0, 0.0};

  void Combine(const double* op, MatrixOrder order);
};

}  // namespace gfx
