// Fonts and string formats. A family name resolves through fontconfig to an installed face:
// "Arial" to Liberation Sans, "Courier New" to Liberation Mono, the CDU's "Orvantel757CDU" to a
// horizontally condensed Liberation Mono, an installed family to itself, and any other name to
// Liberation Sans, so that no text is ever dropped for a missing family.
//
// Resolved faces live in a process-wide cache with their metrics (per em, unhinted) and the glyph
// of each Windows-1252 byte: the painters create their fonts on every paint, and making a font then
// costs one cache look-up. Sizes are em sizes; a pixel-unit font of size n is n world units high.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/gfx/gfx_types.h"

typedef struct _cairo_font_face cairo_font_face_t;

namespace gfx {

// One resolved face: what the layout and both back ends need to place and draw a byte's glyph.
struct FontFace {
  std::string requested_family;  // as asked, lower case (the cache key with the style)
  std::string resolved_family;   // the installed family used
  int32_t style = FontStyleRegular;
  double x_scale = 1.0;          // < 1 for the condensed face
  double ascent = 0.905;         // per em
  double descent = 0.212;        // per em
  double line_spacing = 1.149;   // per em
  float advance[256] = {};       // per em, x_scale included; 0 for bytes that draw nothing
  uint32_t glyph[256] = {};      // glyph index of each Windows-1252 byte
  cairo_font_face_t* cairo_face = nullptr;  // null when no font is installed at all
};

// The face for a family name and style (bold, italic bits); never null.
const FontFace* LookupFontFace(std::string_view family, int32_t style);

// Drops every cached face (the graphics layer shuts down).
void ReleaseFontFaces();

class FontFamily {
 public:
  FontFamily() = default;
  explicit FontFamily(const char* name);
  // A family always resolves (see above); the name is kept as given.
  Status GetFamilyName(std::string* name) const;
  const std::string& name() const { return name_; }
  bool IsAvailable() const { return !name_.empty(); }
  Status GetLastStatus() {
    Status s = last_status_;
    last_status_ = Ok;
    return s;
  }

 private:
  std::string name_;
  Status last_status_ = Ok;
};

class Font {
 public:
  Font(const FontFamily* family, REAL em_size, INT style = FontStyleRegular,
       Unit unit = UnitPoint);
  Font(const char* family_name, REAL em_size, INT style = FontStyleRegular, Unit unit = UnitPoint);

  bool IsAvailable() const { return face_ != nullptr; }
  // Em size in the font's own unit, and in world units (pixels before the world transform).
  REAL GetSize() const { return em_size_; }
  double GetPixelSize() const { return pixel_size_; }
  INT GetStyle() const { return style_; }
  Unit GetUnit() const { return unit_; }
  // Line spacing in world units.
  REAL GetHeight() const;
  const std::string& family_name() const { return family_name_; }
  const FontFace* face() const { return face_; }
  Status GetLastStatus() {
    Status s = last_status_;
    last_status_ = Ok;
    return s;
  }

 private:
  std::string family_name_;
  REAL em_size_ = 0.0f;
  double pixel_size_ = 0.0;
  INT style_ = FontStyleRegular;
  Unit unit_ = UnitPoint;
  const FontFace* face_ = nullptr;
  Status last_status_ = Ok;

  void Init(const char* family_name, REAL em_size, INT style, Unit unit);
};

class StringFormat {
 public:
  explicit StringFormat(INT format_flags = 0, uint16_t language = 0);

  // GDI+'s two stock formats: the default one pads each line by 1/6 em at both ends, the
  // typographic one does not.
  static const StringFormat* GenericDefault();
  static const StringFormat* GenericTypographic();

  Status SetFormatFlags(INT flags);
  INT GetFormatFlags() const { return flags_; }
  Status SetAlignment(StringAlignment align);
  StringAlignment GetAlignment() const { return align_; }
  Status SetLineAlignment(StringAlignment align);
  StringAlignment GetLineAlignment() const { return line_align_; }
  bool typographic() const { return typographic_; }
  Status GetLastStatus() {
    Status s = last_status_;
    last_status_ = Ok;
    return s;
  }

 private:
  INT flags_ = 0;
  StringAlignment align_ = StringAlignmentNear;
  StringAlignment line_align_ = StringAlignmentNear;
  bool typographic_ = false;
  Status last_status_ = Ok;
};

// GDI+ start-up and shut-down, once per module. Drawing works without them; the shut-down releases
// the cached faces and the font libraries' static data (no font object may outlive it).
struct GdiplusStartupInput {
  uint32_t GdiplusVersion = 1;
};
Status GdiplusStartup(uintptr_t* token, const GdiplusStartupInput* input, void* output);
void GdiplusShutdown(uintptr_t token);

}  // namespace gfx
