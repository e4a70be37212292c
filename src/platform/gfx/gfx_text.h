// Text of the drawing layer: the right-to-left reordering the CDU's right-aligned fields rely on,
// and the layout of a string in its layout rectangle (bytes map to characters by gfx_codepage.h).
//
// Layout follows GDI+: the layout box starts at the given point (or rectangle); the default format
// pads each line by 1/6 em at both ends; lines break at "\n" and are not wrapped; alignment places
// each line (near, centre, far) in the rectangle's width, or about the point when the width is 0,
// and the block of lines likewise in the height. The glyph origin of a line is its top plus the
// face's ascent, so a text drawn at a point has its top-left corner there.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/gfx_codepage.h"
#include "platform/gfx/gfx_font.h"
#include "platform/gfx/gfx_types.h"

namespace gfx {

// Display order of one line in a right-to-left paragraph (the Unicode bidirectional algorithm,
// reduced to what Windows-1252 holds: no right-to-left letters). Runs of letters and numbers keep
// their order, neutrals at the ends move to the other side and brackets mirror: "<POS INIT" shows
// as "POS INIT>".
void ReorderRightToLeft(std::string_view logical, std::string* visual);

struct TextLine {
  uint32_t offset = 0;  // into TextLayout::visual
  uint32_t length = 0;
  double x = 0.0;       // world x of the first glyph's origin
  double baseline = 0.0;
  double width = 0.0;   // advance width of the glyphs
};

struct TextLayout {
  std::string visual;          // display-order bytes of all lines
  std::vector<TextLine> lines;
  RectF box;                   // world box of the text, padding included
  void Clear() {
    visual.clear();
    lines.clear();
    box = RectF();
  }
};

// `layout` is the layout rectangle (width or height 0: unbounded, aligned about the point).
void LayoutText(std::string_view text, const Font& font, const RectF& layout,
                const StringFormat& format, TextLayout* out);

}  // namespace gfx
