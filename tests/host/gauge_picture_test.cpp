// The stand-in's pictures of the bitmap gauges: the readouts the module formats, drawn as the string
// elements ask, and the pictures it shows as labelled outlines.
#include "host/gauge_picture.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "afds/afds_globals.h"
#include "module/module_fixture.h"
#include "module/panel_gauge_globals.h"

namespace {

constexpr uint32_t kRadio1Green = 0xFF00FA00u;

class GaugePictureTest : public FrameTest {
 protected:
  // The picture a snapshot takes: the strings asked for their texts, then everything drawn.
  const gfx::Recording& Draw(simhost::GaugeInstance* g) {
    host().UpdateStrings(g);
    EXPECT_TRUE(picture_.Paint(*g, true));
    return picture_.recording();
  }
  static gfx::RectF Box(simhost::GaugeInstance* g, int n) {
    const gauge::ElementHeader* e = g->Element(n);
    return gfx::RectF(static_cast<float>(e->x), static_cast<float>(e->y), static_cast<float>(e->dim->width),
                      static_cast<float>(e->dim->height));
  }
  // The texts drawn in element n's box.
  std::vector<std::string> Texts(simhost::GaugeInstance* g, int n) const {
    std::vector<std::string> out;
    for (const gfx::RecordedText* t : picture_.recording().TextsInside(Box(g, n))) out.push_back(t->text);
    return out;
  }
  const gfx::RecordedText* Text(const std::string& text) const {
    return picture_.recording().TextOf(*picture_.recording().FindText(text));
  }
  size_t PixelsOf(uint32_t argb, const gfx::RectF& box) const {
    const gauge::DeviceContext& dc = picture_.dc();
    size_t n = 0;
    for (int y = static_cast<int>(box.Y); y < static_cast<int>(box.Y + box.Height); ++y) {
      for (int x = static_cast<int>(box.X); x < static_cast<int>(box.X + box.Width); ++x) {
        n += dc.pixels[static_cast<size_t>(y) * static_cast<size_t>(dc.width) + x] == argb ? 1 : 0;
      }
    }
    return n;
  }

  simhost::GaugePicture picture_;
};

// The COM and NAV readouts in their own colours from the packed tokens; all nine blank only with
// token 364 at 0.0 and no electrical power, their black boxes drawn all the same.
TEST_F(GaugePictureTest, RadioReadoutsShowTheirTokensAndBlankWithoutPower) {
  simhost::GaugeInstance* radio = Create("RADIO_STACK");
  host().SetToken(23, 0x1800);
  host().SetToken(617, 0x2190);
  host().SetToken(870, 0x1680);
  host().SetToken(871, 0x1030);
  host().SetToken(364, 0.0);
  ac_power = 1;
  Draw(radio);
  EXPECT_EQ(picture_.dc().width, 579);
  EXPECT_EQ(picture_.dc().height, 1385);
  EXPECT_EQ(Texts(radio, 1), std::vector<std::string>{"118.00"});
  EXPECT_EQ(Texts(radio, 2), std::vector<std::string>{"121.90"});
  EXPECT_EQ(Texts(radio, 3), std::vector<std::string>{"116.80"});
  EXPECT_EQ(Texts(radio, 4), std::vector<std::string>{"110.30"});
  const gfx::RecordedText* com1 = Text("118.00");
  EXPECT_EQ(com1->family, "Quartz");
  EXPECT_EQ(com1->style & gfx::FontStyleBold, gfx::FontStyleBold);
  EXPECT_EQ(std::tuple(com1->alignment, com1->line_alignment),
            std::tuple(gfx::StringAlignmentCenter, gfx::StringAlignmentCenter));
  EXPECT_EQ(picture_.recording().FindText("118.00")->color, kRadio1Green);
  EXPECT_EQ(picture_.recording().FindText("121.90")->color, 0xFFF6AE86u);
  // "Quartz" is not installed: a fallback face draws it, in the readout's green on black.
  EXPECT_GT(PixelsOf(kRadio1Green, Box(radio, 1)), 100u);
  EXPECT_GT(PixelsOf(0xFF000000u, Box(radio, 1)), 100u);

  ac_power = 0;
  Draw(radio);
  for (int n = 1; n <= 9; ++n) EXPECT_EQ(Texts(radio, n), std::vector<std::string>{}) << n;
  EXPECT_EQ(PixelsOf(kRadio1Green, Box(radio, 1)), 0u);
  EXPECT_EQ(PixelsOf(0xFF000000u, Box(radio, 1)), 165u * 44u);
  host().SetToken(364, 1.0);  // power available by token 364 alone
  Draw(radio);
  EXPECT_EQ(Texts(radio, 1), std::vector<std::string>{"118.00"});
}

// Both panels' decision-height readouts print token 615 in amber Arial at each drawing.
TEST_F(GaugePictureTest, DecisionHeightReadoutsFollowToken615) {
  simhost::GaugeInstance* classic = Create("EFIS_CTRL");
  simhost::GaugeInstance* retro = Create("RETRO_EFIS_CTRL");
  const struct {
    double feet;
    const char* text;
  } kCases[] = {{200.0, "200"}, {1250.0, "1250"}, {50.0, "050"}};
  for (const auto& c : kCases) {
    host().SetToken(615, c.feet);
    Draw(classic);
    EXPECT_EQ(Texts(classic, 15), std::vector<std::string>{c.text}) << c.feet;
    const gfx::RecordedText* t = Text(c.text);
    EXPECT_EQ(std::tuple(t->family, t->style), std::tuple(std::string("Arial"), 0)) << c.feet;
    EXPECT_EQ(picture_.recording().FindText(c.text)->color, 0xFFC5A33Au) << c.feet;
    Draw(retro);
    EXPECT_EQ(Texts(retro, 20), std::vector<std::string>{c.text}) << c.feet;
  }
}

// Shown pictures are outlined and labelled with their bitmap ids, hidden ones are not drawn.
TEST_F(GaugePictureTest, ShownPicturesAreLabelledOutlines) {
  simhost::GaugeInstance* radio = Create("RADIO_STACK");
  xpdr_mode = 1;
  Send(radio, gauge::kPreDraw);
  const gfx::Recording& rec = Draw(radio);
  ASSERT_FALSE(rec.ops().empty());
  EXPECT_EQ(rec.ops().front().kind, gfx::OpKind::Clear);
  EXPECT_EQ(Texts(radio, 22), (std::vector<std::string>{"560"}));  // knob at position 1
  EXPECT_EQ(Texts(radio, 18), (std::vector<std::string>{"552"}));  // transponder on
  EXPECT_FALSE(rec.HasText("558"));
  EXPECT_FALSE(rec.HasText("562"));
  EXPECT_FALSE(rec.HasText("550"));  // every lamp off
  EXPECT_EQ(rec.Count(gfx::OpKind::Stroke), 2u);  // the outlines of those two
}

// A gauge without a background bitmap has nothing to show.
TEST_F(GaugePictureTest, NoBackgroundNoPicture) {
  simhost::GaugeInstance* server = Create("SERVER");
  EXPECT_FALSE(simhost::GaugePicture::HasBackground(*server));
  EXPECT_FALSE(picture_.Paint(*server, true));
}

}  // namespace
