#include <gtest/gtest.h>

#include <string>

#include "gfx_test_surface.h"
#include "platform/gfx/gfx.h"

namespace {

using gfx_test::TestSurface;

constexpr uint32_t kGreen = 0xFF00FA00;
constexpr uint32_t kWhite = 0xFFFFFFFF;

std::string Reordered(const std::string& logical) {
  std::string visual;
  gfx::ReorderRightToLeft(logical, &visual);
  return visual;
}

TEST(GfxText, StringIsAnchoredAtItsTopLeftCorner) {
  TestSurface s(200, 200);
  gfx::Graphics g(s.dc());
  g.SetTextRenderingHint(gfx::TextRenderingHintSingleBitPerPixel);
  g.ScaleTransform(2.0f, 2.0f);
  gfx::Font font("Arial", 40.0f, gfx::FontStyleBold, gfx::UnitPixel);  // 80 px on the device
  gfx::SolidBrush white{gfx::Color(kWhite)};
  ASSERT_EQ(g.DrawString("H", -1, &font, gfx::PointF(10.0f, 20.0f), &white), gfx::Ok);

  const gfx::RecordedText* t = s.recording().TextOf(*s.recording().FindText("H"));
  ASSERT_NE(t, nullptr);
  EXPECT_FLOAT_EQ(t->position.X, 20.0f);
  EXPECT_FLOAT_EQ(t->position.Y, 40.0f);
  EXPECT_FLOAT_EQ(t->device_em_size, 80.0f);

  // Ink starts after the 1/6 em leading pad, below the point by the gap between ascent and cap
  // height, and ends on the baseline (ascent 0.905 em).
  const gfx_test::Ink ink = s.InkOf(kWhite);
  ASSERT_TRUE(ink.any);
  EXPECT_GE(ink.x0, 20 + 80 / 6);
  EXPECT_LE(ink.x0, 20 + 80 / 6 + 10);
  EXPECT_GE(ink.y0, 40 + 8);
  EXPECT_LE(ink.y0, 40 + 20);
  EXPECT_NEAR(ink.y1, 40 + 0.905 * 80, 2.0);
}

TEST(GfxText, MissingFamilyFallsBackAndStillDraws) {
  TestSurface s(120, 40);
  gfx::Graphics g(s.dc());
  gfx::FontFamily family("NoSuchFamily757");
  gfx::Font font(&family, 20.0f, gfx::FontStyleRegular, gfx::UnitPixel);
  ASSERT_TRUE(font.IsAvailable());
  gfx::SolidBrush green{gfx::Color(kGreen)};
  ASSERT_EQ(g.DrawString("ABC", -1, &font, gfx::PointF(2.0f, 2.0f), &green), gfx::Ok);
  EXPECT_TRUE(s.AnyInk().any);
  const gfx::RecordedText* t = s.recording().TextOf(*s.recording().FindText("ABC"));
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->family, "NoSuchFamily757");
  EXPECT_FALSE(t->resolved_family.empty());
}

TEST(GfxText, WindowsFamiliesResolveToTheirMetricTwins) {
  EXPECT_EQ(gfx::LookupFontFace("Arial", gfx::FontStyleBold)->resolved_family, "Liberation Sans");
  EXPECT_EQ(gfx::LookupFontFace("Courier New", gfx::FontStyleRegular)->resolved_family,
            "Liberation Mono");
  const gfx::FontFace* cdu = gfx::LookupFontFace("Orvantel757CDU", gfx::FontStyleBold);
  EXPECT_EQ(cdu->resolved_family, "Liberation Mono");
  EXPECT_LT(cdu->x_scale, 1.0);
  EXPECT_FLOAT_EQ(cdu->advance[uint8_t{'W'}], cdu->advance[uint8_t{'i'}]);  // monospace
  // Faces are cached: the painters make their fonts on every paint.
  EXPECT_EQ(gfx::LookupFontFace("arial", gfx::FontStyleBold),
            gfx::LookupFontFace("Arial", gfx::FontStyleBold));
}

TEST(GfxText, DegreeByteIsTheDegreeSign) {
  EXPECT_EQ(gfx::Cp1252ToUnicode(0xB0), 0x00B0u);
  EXPECT_EQ(gfx::Cp1252ToUnicode(0x80), 0x20ACu);
  EXPECT_EQ(gfx::Cp1252ToUnicode(0x99), 0x2122u);
  EXPECT_EQ(gfx::Cp1252ToUtf8("280\xB0"), "280\xC2\xB0");

  TestSurface s(120, 120);
  gfx::Graphics g(s.dc());
  gfx::Font font("Arial", 60.0f, gfx::FontStyleRegular, gfx::UnitPixel);
  gfx::SolidBrush white{gfx::Color(kWhite)};
  g.DrawString("\xB0", -1, &font, gfx::PointF(0.0f, 0.0f), &white);
  EXPECT_EQ(s.recording().TextOf(s.recording().ops().back())->utf8, "\xC2\xB0");
  // A real degree sign is a small ring high in the line, not a missing-glyph box.
  const gfx_test::Ink ink = s.AnyInk();
  ASSERT_TRUE(ink.any);
  EXPECT_LT(ink.y1, 0.905 * 60 * 0.6);
  EXPECT_LT(ink.x1 - ink.x0, 30);
}

TEST(GfxText, CentreAndFarAlignPlaceTheTextInItsRectangle) {
  TestSurface s(200, 60, false, true);
  gfx::Graphics g(s.dc());
  gfx::Font font("Arial", 12.0f, gfx::FontStyleRegular, gfx::UnitPixel);
  gfx::StringFormat format;
  gfx::RectF box;
  ASSERT_EQ(g.MeasureString("ABCD", -1, &font, gfx::PointF(0, 0), &format, &box), gfx::Ok);
  const float w = box.Width;
  EXPECT_GT(w, 2.0f * 12.0f / 6.0f);

  format.SetAlignment(gfx::StringAlignmentCenter);
  g.MeasureString("ABCD", -1, &font, gfx::RectF(0, 0, 100, 20), &format, &box);
  EXPECT_NEAR(box.X, (100.0f - w) / 2.0f, 1e-3);
  format.SetAlignment(gfx::StringAlignmentFar);
  format.SetLineAlignment(gfx::StringAlignmentFar);
  g.MeasureString("ABCD", -1, &font, gfx::RectF(0, 0, 100, 40), &format, &box);
  EXPECT_NEAR(box.GetRight(), 100.0f, 1e-3);
  EXPECT_NEAR(box.GetBottom(), 40.0f, 1e-3);
  // About a point, far alignment ends the text at the point.
  g.MeasureString("ABCD", -1, &font, gfx::PointF(150, 0), &format, &box);
  EXPECT_NEAR(box.GetRight(), 150.0f, 1e-3);
}

// Right to left, a leading prompt is mirrored to the end; numbers and degree texts keep their order.
TEST(GfxText, RightToLeftFormatRightAlignsAndMirrorsLeadingPrompt) {
  TestSurface s(400, 40, false, true);
  gfx::Graphics g(s.dc());
  gfx::Font font("Orvantel757CDU", 22.0f, gfx::FontStyleBold, gfx::UnitPixel);
  gfx::StringFormat rtl(gfx::StringFormatFlagsDirectionRightToLeft);
  gfx::SolidBrush green{gfx::Color(kGreen)};
  const gfx::RectF field(400.0f - 14.0f * 9, 0.0f, 14.0f * 9, 30.0f);
  g.DrawString("<POS INIT", -1, &font, field, &rtl, &green);
  const gfx::Op* op = s.recording().FindText("<POS INIT");
  ASSERT_NE(op, nullptr);
  const gfx::RecordedText* t = s.recording().TextOf(*op);
  EXPECT_EQ(t->display_utf8, "POS INIT>");
  EXPECT_TRUE(t->right_to_left);
  EXPECT_NEAR(op->bounds.GetRight(), 400.0f, 1e-3);
  EXPECT_EQ(Reordered("N47\xB0""12.3"), "N47\xB0""12.3");
  EXPECT_EQ(Reordered("1 / 2"), "2 / 1");
  EXPECT_EQ(Reordered("ABC "), " ABC");
  // A number's digits run to 9; the multiplication sign is neutral, not a letter.
  EXPECT_EQ(Reordered("19 / 9"), "9 / 19");
  EXPECT_EQ(Reordered("2\xD7""3"), "3\xD7""2");
  EXPECT_EQ(Reordered(""), "");
}

TEST(GfxText, EmptyStringDrawsNothingAndBadFontFails) {
  TestSurface s(50, 50);
  gfx::Graphics g(s.dc());
  gfx::SolidBrush green{gfx::Color(kGreen)};
  gfx::Font font("Arial", 12.0f, gfx::FontStyleRegular, gfx::UnitPixel);
  EXPECT_EQ(g.DrawString("", -1, &font, gfx::PointF(0, 0), &green), gfx::Ok);
  EXPECT_TRUE(s.recording().ops().empty());
  gfx::Font zero("Arial", 0.0f, gfx::FontStyleRegular, gfx::UnitPixel);
  EXPECT_FALSE(zero.IsAvailable());
  EXPECT_EQ(g.DrawString("X", -1, &zero, gfx::PointF(0, 0), &green), gfx::InvalidParameter);
  EXPECT_EQ(g.DrawString(nullptr, -1, &font, gfx::PointF(0, 0), &green), gfx::InvalidParameter);
  EXPECT_EQ(g.DrawString("X", -1, &font, gfx::PointF(0, 0), nullptr), gfx::InvalidParameter);
  gfx::RectF box(1, 2, 3, 4);
  EXPECT_EQ(g.MeasureString("X", -1, &zero, gfx::RectF(), nullptr, &box, nullptr, nullptr), gfx::InvalidParameter);
  EXPECT_EQ(g.MeasureString("X", -1, &font, gfx::RectF(), nullptr, nullptr, nullptr, nullptr), gfx::InvalidParameter);
  EXPECT_EQ(box.X, 1.0f);  // a refused measure leaves the box
  EXPECT_EQ(g.MeasureString("XX", -1, &font, gfx::RectF(), nullptr, &box, nullptr, nullptr), gfx::Ok);
  EXPECT_GT(box.Width, 6.0f);
  EXPECT_EQ(g.DrawString("XYZ", 1, &font, gfx::PointF(0, 0), &green), gfx::Ok);
  gfx::StringFormat format;
  EXPECT_EQ(format.SetAlignment(static_cast<gfx::StringAlignment>(3)), gfx::InvalidParameter);
  EXPECT_TRUE(s.recording().HasText("X"));
}

}  // namespace
