#include "platform/gfx/gfx_text.h"

#include <algorithm>
#include <array>

namespace gfx {

namespace {

// Bidirectional classes of the bytes (Unicode's classes of the characters they map to).
enum BidiClass : uint8_t { L, R, EN, ES, ET, CS, WS, S, B, ON, BN };

constexpr std::array<uint8_t, 256> MakeBidiClasses() {
  std::array<uint8_t, 256> c{};
  for (int i = 0; i < 256; ++i) c[i] = ON;
  for (int i = 0x00; i < 0x20; ++i) c[i] = BN;
  c[0x09] = S;
  c[0x0B] = S;
  c[0x1F] = S;
  c[0x0A] = B;
  c[0x0D] = B;
  c[0x1C] = B;
  c[0x1D] = B;
  c[0x1E] = B;
  c[0x0C] = WS;
  c[' '] = WS;
  c[0x7F] = BN;
  for (int i = '0'; i <= '9'; ++i) c[i] = EN;
  c[0xB2] = EN;
  c[0xB3] = EN;
  c[0xB9] = EN;
  c['+'] = ES;
  c['-'] = ES;
  for (int b : {int{'#'}, int{'$'}, int{'%'}, 0xA2, 0xA3, 0xA4, 0xA5, 0xB0, 0xB1, 0x80, 0x89}) c[b] = ET;
  for (int b : {int{','}, int{'.'}, int{'/'}, int{':'}, 0xA0}) c[b] = CS;
  for (int i = 'A'; i <= 'Z'; ++i) c[i] = L;
  for (int i = 'a'; i <= 'z'; ++i) c[i] = L;
  for (int i = 0xC0; i <= 0xFF; ++i) c[i] = L;
  c[0xD7] = ON;  // multiplication sign
  c[0xF7] = ON;  // division sign
  for (int b : {0xAA, 0xB5, 0xBA, 0x83, 0x8A, 0x8C, 0x8E, 0x9A, 0x9C, 0x9E, 0x9F}) c[b] = L;
  for (int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D, 0xAD}) c[b] = BN;
  return c;
}

constexpr std::array<uint8_t, 256> kBidiClass = MakeBidiClasses();

uint8_t Mirror(uint8_t b) {
  switch (b) {
    case '(': return ')';
    case ')': return '(';
    case '<': return '>';
    case '>': return '<';
    case '[': return ']';
    case ']': return '[';
    case '{': return '}';
    case '}': return '{';
    case 0xAB: return 0xBB;  // guillemets
    case 0xBB: return 0xAB;
    case 0x8B: return 0x9B;  // single guillemets
    case 0x9B: return 0x8B;
    default: return b;
  }
}

bool IsNeutral(uint8_t c) { return c == WS || c == S || c == B || c == ON || c == BN; }

}  // namespace

void ReorderRightToLeft(std::string_view logical, std::string* visual) {
  const size_t n = logical.size();
  visual->assign(logical);
  if (n == 0) return;
  // Scratch kept between calls: no allocation per string once it has grown.
  static thread_local std::vector<uint8_t> cls;
  static thread_local std::vector<uint8_t> level;
  cls.resize(n);
  level.resize(n);
  for (size_t i = 0; i < n; ++i) cls[i] = kBidiClass[static_cast<uint8_t>(logical[i])];

  // W4: a single separator between two numbers joins them.
  for (size_t i = 1; i + 1 < n; ++i) {
    if ((cls[i] == ES || cls[i] == CS) && cls[i - 1] == EN && cls[i + 1] == EN) cls[i] = EN;
  }
  // W5: terminators next to a number belong to it.
  for (size_t i = 0; i < n; ++i) {
    if (cls[i] != ET) continue;
    size_t j = i;
    while (j < n && cls[j] == ET) ++j;
    const bool touches = (i > 0 && cls[i - 1] == EN) || (j < n && cls[j] == EN);
    if (touches) std::fill(cls.begin() + i, cls.begin() + j, EN);
    i = j - 1;
  }
  // W6: the remaining separators and terminators are neutral.
  for (size_t i = 0; i < n; ++i) {
    if (cls[i] == ES || cls[i] == ET || cls[i] == CS) cls[i] = ON;
  }
  // W7: a number after left-to-right text is left-to-right (the paragraph start counts as R).
  uint8_t last_strong = R;
  for (size_t i = 0; i < n; ++i) {
    if (cls[i] == L) last_strong = L;
    if (cls[i] == EN && last_strong == L) cls[i] = L;
  }
  // N1, N2: neutrals take the direction around them when both sides agree (numbers count as R),
  // else the paragraph's (R).
  for (size_t i = 0; i < n; ++i) {
    if (!IsNeutral(cls[i])) continue;
    size_t j = i;
    while (j < n && IsNeutral(cls[j])) ++j;
    const uint8_t before = (i == 0 || cls[i - 1] != L) ? uint8_t{R} : uint8_t{L};
    const uint8_t after = (j == n || cls[j] != L) ? uint8_t{R} : uint8_t{L};
    std::fill(cls.begin() + i, cls.begin() + j, (before == after) ? before : uint8_t{R});
    i = j - 1;
  }
  // I2 at the odd paragraph level: left-to-right text and numbers go up one level.
  for (size_t i = 0; i < n; ++i) level[i] = (cls[i] == R) ? 1 : 2;
  // L1: trailing white space returns to the paragraph level.
  for (size_t i = n; i > 0; --i) {
    const uint8_t c = kBidiClass[static_cast<uint8_t>(logical[i - 1])];
    if (c != WS && c != S && c != BN) break;
    level[i - 1] = 1;
  }
  // L2: reverse the level-2 runs, then the whole line; L4: mirror what ends at the odd level.
  for (size_t i = 0; i < n; ++i) {
    if (level[i] != 2) continue;
    size_t j = i;
    while (j < n && level[j] == 2) ++j;
    std::reverse(visual->begin() + i, visual->begin() + j);
    i = j - 1;
  }
  for (size_t i = 0; i < n; ++i) {
    if (level[i] == 1) (*visual)[i] = static_cast<char>(Mirror(static_cast<uint8_t>((*visual)[i])));
  }
  std::reverse(visual->begin(), visual->end());
}

void LayoutText(std::string_view text, const Font& font, const RectF& layout,
                const StringFormat& format, TextLayout* out) {
  out->Clear();
  const FontFace* face = font.face();
  if (face == nullptr) return;
  const double em = font.GetPixelSize();
  const double pad = format.typographic() ? 0.0 : em / 6.0;
  const double line_height = face->line_spacing * em;
  const bool rtl = (format.GetFormatFlags() & StringFormatFlagsDirectionRightToLeft) != 0;

  // Right to left swaps the ends that near and far name.
  StringAlignment align = format.GetAlignment();
  if (rtl && align != StringAlignmentCenter) {
    align = (align == StringAlignmentNear) ? StringAlignmentFar : StringAlignmentNear;
  }

  static thread_local std::string line_visual;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    TextLine tl;
    tl.offset = static_cast<uint32_t>(out->visual.size());
    tl.length = static_cast<uint32_t>(line.size());
    if (rtl) {
      ReorderRightToLeft(line, &line_visual);
      out->visual += line_visual;
    } else {
      out->visual.append(line);
    }
    double w = 0.0;
    for (size_t i = 0; i < line.size(); ++i) w += face->advance[static_cast<uint8_t>(line[i])];
    tl.width = w * em;
    out->lines.push_back(tl);
    if (end == text.size()) break;
    start = end + 1;
  }

  const double block_h = line_height * static_cast<double>(out->lines.size());
  double top = layout.Y;
  if (format.GetLineAlignment() == StringAlignmentCenter) top += (layout.Height - block_h) / 2.0;
  if (format.GetLineAlignment() == StringAlignmentFar) top += layout.Height - block_h;

  double left_min = 0.0;
  double right_max = 0.0;
  for (size_t i = 0; i < out->lines.size(); ++i) {
    TextLine& tl = out->lines[i];
    const double box_w = tl.width + 2.0 * pad;
    double left = layout.X;
    if (align == StringAlignmentCenter) left += (layout.Width - box_w) / 2.0;
    if (align == StringAlignmentFar) left += layout.Width - box_w;
    tl.x = left + pad;
    tl.baseline = top + line_height * static_cast<double>(i) + face->ascent * em;
    if (i == 0 || left < left_min) left_min = left;
    if (i == 0 || left + box_w > right_max) right_max = left + box_w;
  }
  out->box = RectF(static_cast<REAL>(left_min), static_cast<REAL>(top),
                   static_cast<REAL>(right_max - left_min), static_cast<REAL>(block_h));
}

}  // namespace gfx
