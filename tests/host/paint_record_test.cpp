#include "host/paint_record.h"

#include <gtest/gtest.h>

#include "platform/gfx/gfx.h"
#include "platform/gfx/gfx_test_surface.h"

namespace {

// The golden files keep this text, so it must not move with the build or the font: two decimals
// without trailing zeros (never "-0"), a command letter only where the kind changes, and texts at
// the point or rectangle asked for, whatever width the face gives them.
TEST(PaintRecord, OperationListIsCompactAndIndependentOfTheFace) {
  gfx_test::TestSurface s(100, 50, false);
  {
    gfx::Graphics g(s.dc());
    g.Clear(gfx::Color(0x00112233u));
    const gfx::Pen pen(gfx::Color(0xFF00FA00u), 1.5f);
    g.DrawLine(&pen, 10.0f, -0.001f, 20.126f, 30.0f);
    const gfx::PointF poly[] = {{1.0f, 2.0f}, {3.0f, 4.0f}, {5.0f, 2.0f}};
    const gfx::SolidBrush brush(gfx::Color(0xFF000000u));
    g.FillPolygon(&brush, poly, 3);
    g.SetClip(gfx::RectF(0.0f, 0.0f, 50.0f, 25.0f));
    g.TranslateTransform(10.0f, 5.0f);
    const gfx::Font font("Arial", 12.0f, gfx::FontStyleBold, gfx::UnitPixel);
    gfx::StringFormat centred;
    centred.SetAlignment(gfx::StringAlignmentCenter);
    g.DrawString("\"1\"", -1, &font, gfx::PointF(40.0f, 10.0f), &centred, &brush);
    g.DrawString("WIDE TEXT", -1, &font, gfx::PointF(40.0f, 10.0f), &centred, &brush);
    g.ResetClip();
  }
  EXPECT_EQ(simhost::FormatOpList(s.recording(), "t.png (T)", 100, 50),
            "# t.png (T): 100x50, 7 operations\n"
            "clear #00112233\n"
            "stroke line #FF00FA00 w1.5 M 10,0 L 20.13,30\n"
            "fill polygon #FF000000 M 1,2 L 3,4 5,2 Z\n"
            "clip replace M 0,0 L 50,0 50,25 0,25 Z\n"
            "text \"\\\"1\\\"\" \"Arial\" 12 bold center/near #FF000000 at 50,15\n"
            "text \"WIDE TEXT\" \"Arial\" 12 bold center/near #FF000000 at 50,15\n"
            "clip reset\n");
}

}  // namespace
