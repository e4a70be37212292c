#include "draw/draw_helpers.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "platform/gfx/gfx_test_surface.h"

namespace {

// The texts a paint drew, in order.
std::vector<std::string> TextsOf(const gfx::Recording& rec) {
  std::vector<std::string> out;
  for (const gfx::Op& op : rec.ops()) {
    if (const gfx::RecordedText* t = rec.TextOf(op)) out.push_back(t->text);
  }
  return out;
}

// A cut text keeps at most its first characters and draws nothing for no text or no room; a
// formatted text longer than its buffer is cut to 63 bytes, and each reports what it drew.
TEST(DrawText, CutsAndCountsWhatIsDrawn) {
  gfx_test::TestSurface s(64, 32);
  gfx::Graphics g(s.dc());
  const gfx::Font font("Arial", 10.0f, gfx::FontStyleRegular, gfx::UnitPixel);
  const gfx::SolidBrush white{gfx::Color(0xFFDEE6E9u)};
  for (const auto& [text, max_chars] :
       {std::tuple{"ABC", 2}, {"ABC", 0}, {"ABC", -1}, {static_cast<const char*>(nullptr), 3}, {"A", 5}}) {
    DrawTextCut(&g, &font, &white, 1.0, 1.0, text, max_chars);
  }
  EXPECT_EQ(TextsOf(s.recording()), (std::vector<std::string>{"AB", "A"}));
  const std::string long_text(80, 'X');
  EXPECT_EQ(DrawTextAt(&g, &font, &white, 1.0, 1.0, "%s", long_text.c_str()), 63);
  EXPECT_EQ(DrawTextAt(&g, &font, &white, 1.0, 1.0, "%03d", 7), 3);
  EXPECT_EQ(DrawTextAt(&g, &font, &white, 1.0, 1.0, "%s", ""), 0);
  const wchar_t unprintable[] = {0xD800, 0};  // no multibyte form in the C locale: the format fails
  EXPECT_EQ(DrawTextAt(&g, &font, &white, 1.0, 1.0, "%ls", unprintable), 0);
  EXPECT_EQ(TextsOf(s.recording()), (std::vector<std::string>{"AB", "A", std::string(63, 'X'), "007"}));
}

// The attitude and map displays' short form stops where it would print ".1000".
TEST(MachText, ThreeDigitsEitherSideOfOne) {
  char text[32];
  for (const auto& [mach, expected] :
       {std::pair{0.785, ".785"}, {0.9994, ".999"}, {0.9996, "1.000"}}) {
    FormatMachText(mach, text, sizeof text);
    EXPECT_STREQ(text, expected) << mach;
  }
}

// The culling box of a cut text: an em of spill around the text's corner, an em and a quarter a
// character kept, and a line and a half high.
TEST(TextCutInkBounds, SpillsAnEmAroundTheCharactersKept) {
  const gfx::Font font("Arial", 10.0f, gfx::FontStyleRegular, gfx::UnitPixel);
  for (const auto& [text, max_chars, width] :
       {std::tuple{"ABC", 2, 55.0f}, {"ABC", 1, 42.5f}, {"A", 5, 42.5f}, {"ABC", 0, 30.0f}}) {
    const gfx::RectF box = TextCutInkBounds(&font, 100.0, 50.0, text, max_chars);
    EXPECT_EQ(box.X, 90.0f) << text << max_chars;
    EXPECT_EQ(box.Y, 40.0f);
    EXPECT_EQ(box.Width, width) << text << max_chars;
    EXPECT_EQ(box.Height, 35.0f);
  }
}

}  // namespace
