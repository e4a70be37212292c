#include "platform/gfx/gfx_font.h"

#include <cairo-ft.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <cctype>
#include <cmath>
#include <memory>
#include <vector>

#include "platform/gfx/gfx_codepage.h"
#include "platform/gfx/gfx_fpu.h"

namespace gfx {

namespace {

struct FamilyAlias {
  const char* name;  // lower case
  const char* family;
  double x_scale;
};

// The Windows families the module names, and their metric twins.
constexpr FamilyAlias kAliases[] = {
    {"arial", "Liberation Sans", 1.0},
    {"courier new", "Liberation Mono", 1.0},
    {"orvantel757cdu", "Liberation Mono", 0.85},
};
constexpr const char* kFallbackFamily = "Liberation Sans";
// Metrics are taken at this size so that FreeType's 1/64-pixel rounding is negligible per em.
constexpr double kMetricSize = 1000.0;

std::vector<std::unique_ptr<FontFace>>& FaceCache() {
  static std::vector<std::unique_ptr<FontFace>> cache;
  return cache;
}

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// The best installed match for a family; `*exact` tells whether it is that family.
FcPattern* MatchFamily(const std::string& family, int32_t style, bool* exact) {
  *exact = false;
  FcPattern* pattern = FcPatternCreate();
  if (pattern == nullptr) return nullptr;
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT,
                      (style & FontStyleBold) != 0 ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT,
                      (style & FontStyleItalic) != 0 ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  if (match == nullptr) return nullptr;
  FcChar8* got = nullptr;
  if (FcPatternGetString(match, FC_FAMILY, 0, &got) == FcResultMatch && got != nullptr) {
    *exact = Lower(reinterpret_cast<const char*>(got)) == Lower(family);
  }
  // Rendering options come from each graphics object (smoothing, text hint), not from the
  // system's font configuration.
  FcPatternDel(match, FC_ANTIALIAS);
  FcPatternDel(match, FC_HINTING);
  FcPatternDel(match, FC_HINT_STYLE);
  FcPatternDel(match, FC_AUTOHINT);
  FcPatternDel(match, FC_RGBA);
  FcPatternDel(match, FC_LCD_FILTER);
  return match;
}

void MeasureFace(FontFace* face) {
  // Without any installed font the layout still works with typical sans-serif proportions.
  for (int b = 0x20; b < 0x100; ++b) face->advance[b] = 0.55f;
  if (face->cairo_face == nullptr) return;

  cairo_matrix_t font_matrix;
  cairo_matrix_init_scale(&font_matrix, kMetricSize * face->x_scale, kMetricSize);
  cairo_matrix_t ctm;
  cairo_matrix_init_identity(&ctm);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_scaled_font_t* sf = cairo_scaled_font_create(face->cairo_face, &font_matrix, &ctm, options);
  cairo_font_options_destroy(options);
  if (cairo_scaled_font_status(sf) == CAIRO_STATUS_SUCCESS) {
    cairo_font_extents_t fe;
    cairo_scaled_font_extents(sf, &fe);
    if (fe.height > 0.0) {
      face->ascent = fe.ascent / kMetricSize;
      face->descent = fe.descent / kMetricSize;
      face->line_spacing = fe.height / kMetricSize;
    }
    for (int b = 0; b < 0x100; ++b) {
      const uint32_t u = Cp1252ToUnicode(static_cast<uint8_t>(b));
      if (b < 0x20 || b == 0x7F || (u >= 0x80 && u < 0xA0)) {
        face->advance[b] = 0.0f;  // controls draw nothing
        continue;
      }
      const char byte = static_cast<char>(b);
      const std::string utf8 = Cp1252ToUtf8(std::string_view(&byte, 1));
      cairo_glyph_t* glyphs = nullptr;
      int count = 0;
      if (cairo_scaled_font_text_to_glyphs(sf, 0.0, 0.0, utf8.data(), static_cast<int>(utf8.size()),
                                           &glyphs, &count, nullptr, nullptr,
                                           nullptr) == CAIRO_STATUS_SUCCESS &&
          count == 1) {
        cairo_text_extents_t te;
        cairo_scaled_font_glyph_extents(sf, glyphs, 1, &te);
        face->glyph[b] = static_cast<uint32_t>(glyphs[0].index);
        face->advance[b] = static_cast<float>(te.x_advance / kMetricSize);
      }
      cairo_glyph_free(glyphs);
    }
  }
  cairo_scaled_font_destroy(sf);
}

std::unique_ptr<FontFace> ResolveFace(const std::string& key_family, int32_t style) {
  LibraryFpuGuard fpu;
  auto face = std::make_unique<FontFace>();
  face->requested_family = key_family;
  face->style = style;
  std::string family = key_family;
  for (const FamilyAlias& a : kAliases) {
    if (key_family == a.name) {
      family = a.family;
      face->x_scale = a.x_scale;
      break;
    }
  }
  bool exact = false;
  FcPattern* match = MatchFamily(family, style, &exact);
  if (match != nullptr && !exact) {
    FcPatternDestroy(match);
    match = MatchFamily(kFallbackFamily, style, &exact);
  }
  if (match != nullptr) {
    FcChar8* got = nullptr;
    if (FcPatternGetString(match, FC_FAMILY, 0, &got) == FcResultMatch && got != nullptr) {
      face->resolved_family = reinterpret_cast<const char*>(got);
    }
    face->cairo_face = cairo_ft_font_face_create_for_pattern(match);
    FcPatternDestroy(match);
    if (cairo_font_face_status(face->cairo_face) != CAIRO_STATUS_SUCCESS) {
      cairo_font_face_destroy(face->cairo_face);
      face->cairo_face = nullptr;
    }
  }
  MeasureFace(face.get());
  return face;
}

}  // namespace

const FontFace* LookupFontFace(std::string_view family, int32_t style) {
  style &= FontStyleBoldItalic;
  const std::string key = Lower(family);
  auto& cache = FaceCache();
  for (const auto& f : cache) {
    if (f->style == style && f->requested_family == key) return f.get();
  }
  cache.push_back(ResolveFace(key, style));
  return cache.back().get();
}

void ReleaseFontFaces() {
  LibraryFpuGuard fpu;
  for (auto& f : FaceCache()) {
    if (f->cairo_face != nullptr) cairo_font_face_destroy(f->cairo_face);
  }
  FaceCache().clear();
}

// FontFamily.

FontFamily::FontFamily(const char* name) {
  if (name == nullptr) {
    last_status_ = InvalidParameter;
    return;
  }
  name_ = name;
}

Status FontFamily::GetFamilyName(std::string* name) const {
  if (name == nullptr) return InvalidParameter;
  *name = name_;
  return Ok;
}

// Font.

Font::Font(const FontFamily* family, REAL em_size, INT style, Unit unit) {
  if (family == nullptr || !family->IsAvailable()) {
    last_status_ = InvalidParameter;
    return;
  }
  Init(family->name().c_str(), em_size, style, unit);
}

Font::Font(const char* family_name, REAL em_size, INT style, Unit unit) {
  if (family_name == nullptr) {
    last_status_ = InvalidParameter;
    return;
  }
  Init(family_name, em_size, style, unit);
}

void Font::Init(const char* family_name, REAL em_size, INT style, Unit unit) {
  family_name_ = family_name;
  em_size_ = em_size;
  style_ = style;
  unit_ = unit;
  // A 96-dpi surface, as the simulator's panels are.
  double per_unit = 1.0;
  switch (unit) {
    case UnitWorld:
    case UnitPixel: per_unit = 1.0; break;
    case UnitPoint: per_unit = 96.0 / 72.0; break;
    case UnitInch: per_unit = 96.0; break;
    case UnitDocument: per_unit = 96.0 / 300.0; break;
    case UnitMillimeter: per_unit = 96.0 / 25.4; break;
    default:
      last_status_ = InvalidParameter;
      return;
  }
  if (!(em_size > 0.0f) || !std::isfinite(em_size)) {
    last_status_ = InvalidParameter;
    return;
  }
  pixel_size_ = em_size * per_unit;
  face_ = LookupFontFace(family_name_, style);
}

REAL Font::GetHeight() const {
  if (face_ == nullptr) return 0.0f;
  return static_cast<REAL>(face_->line_spacing * pixel_size_);
}

// StringFormat.

StringFormat::StringFormat(INT format_flags, uint16_t /*language*/) : flags_(format_flags) {}

const StringFormat* StringFormat::GenericDefault() {
  static const StringFormat format;
  return &format;
}

const StringFormat* StringFormat::GenericTypographic() {
  static const StringFormat format = [] {
    StringFormat f(StringFormatFlagsNoClip);
    f.typographic_ = true;
    return f;
  }();
  return &format;
}

Status StringFormat::SetFormatFlags(INT flags) {
  flags_ = flags;
  return Ok;
}

Status StringFormat::SetAlignment(StringAlignment align) {
  if (align < StringAlignmentNear || align > StringAlignmentFar) {
    last_status_ = InvalidParameter;
    return InvalidParameter;
  }
  align_ = align;
  return Ok;
}

Status StringFormat::SetLineAlignment(StringAlignment align) {
  if (align < StringAlignmentNear || align > StringAlignmentFar) {
    last_status_ = InvalidParameter;
    return InvalidParameter;
  }
  line_align_ = align;
  return Ok;
}

// Start-up.

Status GdiplusStartup(uintptr_t* token, const GdiplusStartupInput* /*input*/, void* /*output*/) {
  if (token == nullptr) return InvalidParameter;
  *token = 1;
  return Ok;
}

void GdiplusShutdown(uintptr_t /*token*/) {
  ReleaseFontFaces();
  // Cairo's font maps and fontconfig's configuration are released too, so that a module unloaded
  // after its shut-down leaves nothing behind (fontconfig loads its configuration again on the
  // next use).
  LibraryFpuGuard fpu;
  cairo_debug_reset_static_data();
  FcFini();
}

}  // namespace gfx
