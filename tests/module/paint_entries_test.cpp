#include "module/paint_entries.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <set>
#include <utility>
#include <vector>

#include "afds/afds_globals.h"
#include "cdu/cdu_globals.h"
#include "displays/displays_globals.h"
#include "module/module_fixture.h"
#include "sim/tick_globals.h"
#include "sim/tick_span.h"
#include "nd/nd_globals.h"
#include "platform/gfx/gfx_test_surface.h"
#include "support/digest.h"
#include "state/state_globals.h"

namespace {

using gfx_test::TestSurface;

constexpr uint32_t kTransparent = 0u;

// A rate outside 1..17 paints every slot; a slot outside the cycle matches no rated slot.
TEST(RedrawTick, RatePaintsOnExactlyItsSlots) {
  ResetModuleState();
  const std::pair<int32_t, std::set<int>> kRates[] = {
      {1, {0}},
      {4, {0, 6, 11, 13}},
      {10, {0, 2, 4, 6, 8, 9, 11, 13, 15, 17}},
      {11, {0, 2, 4, 6, 7, 9, 10, 12, 13, 15, 17}},
      {17, {0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14, 15, 16, 17}}};
  for (const auto& [rate, slots] : kRates) {
    std::set<int> painted;
    for (redraw_tick = 0; redraw_tick < 18; ++redraw_tick) {
      if (IsRedrawTick(rate)) painted.insert(redraw_tick);
    }
    EXPECT_EQ(painted, slots) << rate;
  }
  for (int32_t rate : {0, -5, 18, INT_MIN, INT_MAX}) {
    for (redraw_tick = 0; redraw_tick < 18; ++redraw_tick) EXPECT_TRUE(IsRedrawTick(rate)) << rate;
  }
  for (int32_t slot : {-1, 18, INT_MAX}) {
    redraw_tick = slot;
    EXPECT_FALSE(IsRedrawTick(17)) << slot;
    EXPECT_TRUE(IsRedrawTick(18)) << slot;
  }
}

// The paint entries, driven directly on a test surface that paints and records.
class PaintEntryTest : public FrameTest {
 protected:
  // Pixels start opaque white, so that a clear is seen.
  static void Fill(TestSurface& s, int w, int h) {
    for (int i = 0; i < w * h; ++i) s.dc()->pixels[i] = 0xFFFFFFFFu;
  }
  static std::vector<gfx::OpKind> Kinds(const TestSurface& s) {
    std::vector<gfx::OpKind> k;
    for (const gfx::Op& op : s.recording().ops()) k.push_back(op.kind);
    return k;
  }
};

struct EntryCase {
  const char* name;
  PaintEntry paint;
  DisplaySurface* surface;
  int32_t* rate;  // null: no refresh rate
  int width, height;
  uint32_t clear;
  uint64_t drawn[3];  // digests of what the three flights below draw
};

void PrintTo(const EntryCase& c, std::ostream* os) { *os << c.name; }

const EntryCase kEntries[] = {
    {"Eadi", PaintEadi, &eadi_surface, &EadiRefreshRate, 217, 173, 0u,
     {15060028792478921113u, 3560369820703397238u, 3560369820703397238u}},
    {"Cdu", PaintCdu, &cdu_surface, &FmsRefreshRate, 399, 320, 0u,
     {5112882679143181010u, 5112882679143181010u, 5112882679143181010u}},
    {"FpEhsi", PaintFpEhsi, &fp_ehsi_surface, nullptr, 358, 440, 0u,
     {4937085962451708391u, 11406603965934980356u, 14368605150281573757u}},
    {"FpNd", PaintFpNd, &fp_nd_surface, &RetroNdRefreshRate, 358, 440, 0u,
     {6572228574737941136u, 9484505408708586222u, 12611562916554011571u}},
    {"FpPfd", PaintFpPfd, &fp_pfd_surface, &RetroPfdRefreshRate, 318, 232, 0x0072BD61u,
     {5963861461442362638u, 394854818063032917u, 394854818063032917u}},
    {"LowerEicas", PaintLowerEicas, &lower_eicas_surface, &LowerEicasRefreshRate, 250, 213, 0u,
     {8747859137204618682u, 8747859137204618682u, 8747859137204618682u}},
    {"Nd", PaintNd, &nd_surface, &NdRefreshRate, 358, 440, 0u,
     {17062002888314579926u, 5762400242654790188u, 4535582243732587113u}},
    {"StbyPfd", PaintStbyPfd, &stby_pfd_surface, &StdbyPfdRefreshRate, 101, 90, 0x0072BD61u,
     {7339530772609700854u, 6322113197890919887u, 6322113197890919887u}},
    {"UpperEicas", PaintUpperEicas, &upper_eicas_surface, &UpperEicasRefreshRate, 250, 213, 0u,
     {11634460523225301187u, 16205605993421172735u, 16205605993421172735u}},
};

class EveryEntryTest : public PaintEntryTest, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(EveryEntryTest, WithoutPowerThePaintOnlyClears) {
  const EntryCase& c = GetParam();
  const gauge::PixelSize size{c.width, c.height};
  ac_power = 0;
  TestSurface s(c.width, c.height);
  Fill(s, c.width, c.height);
  c.paint(c.surface, s.dc(), &size, kPaintNormal);
  EXPECT_EQ(c.surface->width, static_cast<uint32_t>(c.width));
  ASSERT_FALSE(s.recording().ops().empty());
  for (const gfx::Op& op : s.recording().ops()) {
    EXPECT_EQ(op.kind, gfx::OpKind::Clear);
    EXPECT_EQ(op.color, c.clear);
  }
  EXPECT_FALSE(s.AnyInk().any);  // both clear colours have alpha 0
}

TEST_P(EveryEntryTest, NullDeviceContextOrSizeLeavesTheSurfaceAlone) {
  const EntryCase& c = GetParam();
  const gauge::PixelSize size{c.width, c.height};
  TestSurface s(c.width, c.height);
  c.paint(c.surface, nullptr, &size, kPaintNormal);
  c.paint(c.surface, s.dc(), nullptr, kPaintNormal);
  EXPECT_EQ(c.surface->width, 0u);
  EXPECT_TRUE(s.recording().ops().empty());
}

// Every rate shares slot 0; in slot 5 only the rates that contain it paint, and the flat-panel EHSI
// paints on every call.
TEST_P(EveryEntryTest, RateSkipsSlotsOutsideItsSet) {
  const EntryCase& c = GetParam();
  if (c.rate != nullptr) *c.rate = 4;  // slots 0, 6, 11, 13
  redraw_tick = 5;
  TestSurface s(c.width, c.height);
  const gauge::PixelSize size{c.width, c.height};
  c.paint(c.surface, s.dc(), &size, kPaintNormal);
  EXPECT_EQ(s.recording().ops().empty(), c.rate != nullptr);
  redraw_tick = 6;
  c.paint(c.surface, s.dc(), &size, kPaintNormal);
  EXPECT_FALSE(s.recording().ops().empty());
}

// What a paint drew: kinds, shapes, colours, pens, points and texts, positions to 1/16 px (so that
// the last bits of a sine do not count).
uint64_t DigestOf(const gfx::Recording& rec) {
  testing_support::Digest d;
  auto q = [](double v) { return std::lround(v * 16.0); };
  for (const gfx::Op& op : rec.ops()) {
    d.Add(op.kind).Add(op.shape).Add(op.color).Add(op.dash).Add(q(op.pen_width)).Add(op.fill_mode);
    for (const gfx::PathPoint& p : rec.PointsOf(op)) d.Add(q(p.x)).Add(q(p.y)).Add(p.type);
    if (const gfx::RecordedText* t = rec.TextOf(op)) {
      d.Add(t->text).Add(q(t->position.X)).Add(q(t->position.Y)).Add(q(t->em_size)).Add(t->style);
    }
  }
  return d.value();
}

// Every display in three flights: a climb on the maps, an ILS approach on the full roses and the
// plan, and the same approach on the expanded roses.
// A reviewed change of a display's drawing updates its digests (the message prints the new ones).
TEST_P(EveryEntryTest, PaintsWhatItDrewBefore) {
  const EntryCase& c = GetParam();
  const gauge::PixelSize size{c.width, c.height};
  uint64_t drawn[3] = {};
  for (int flight = 0; flight < 3; ++flight) {
    ResetModuleState();
    ac_power = 5;
    host().SetToken(364, 1.0);
    irs_l_anun_mode = irs_c_anun_mode = irs_r_anun_mode = 3;
    plane_hdg_mag = 123.4, plane_trk_mag = 126.0, plane_hdg_true = 140.0, plane_lat = 47.45, plane_lon = -122.31;
    plane_alt = flight == 0 ? 12345.0 : 2345.0;
    plane_pitch = flight == 0 ? 4.5 : -2.5, plane_bank = flight == 0 ? -12.0 : 3.0;
    ias = true_airspeed = flight == 0 ? 287.0 : 148.0, ground_speed = 301.0, vert_speed = flight == 0 ? 1800 : -700;
    alt_sel_num = 15000, hdg_sel_dir = 140.0, radio_height = flight == 0 ? 9000.0 : 1234.0;
    wind_dir = 250.0, wind_speed = 35.0, dme_dist = 12.3, cdi_needle = 40.0, gsi_needle = -30.0;
    nd_mode = fp_ehsi_mode = flight == 0 ? 3 : flight, fpnd_mode = flight == 0 ? 3 : flight == 1 ? 4 : 2;
    nd_rng_nm = fpnd_rng_nm = fp_ehsi_rng_nm = 40.0;
    host().SetToken(49, 1.0), host().SetToken(46, flight == 0 ? 0x00 : 0xC0), host().SetToken(852, 1.0);
    host().SetToken(61, ias), host().SetToken(627, 88.0), host().SetToken(646, 87.0), host().SetToken(566, 1.0);
    host().SetToken(576, 1.0);
    redraw_tick = 0;
    TestSurface s(c.width, c.height);
    c.paint(c.surface, s.dc(), &size, kPaintNormal);
    drawn[flight] = DigestOf(s.recording());
  }
  for (int flight = 0; flight < 3; ++flight) {
    EXPECT_EQ(drawn[flight], c.drawn[flight])
        << c.name << " " << drawn[0] << "u, " << drawn[1] << "u, " << drawn[2] << "u";
  }
}

INSTANTIATE_TEST_SUITE_P(Entries, EveryEntryTest, ::testing::ValuesIn(kEntries),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PaintEntryTest, EadiWithStandbyPowerIsClearedAndTheStandbyStillPaints) {
  ac_power = 1;
  TestSurface eadi(217, 173);
  Fill(eadi, 217, 173);
  const gauge::PixelSize eadi_size{217, 173};
  PaintEadi(&eadi_surface, eadi.dc(), &eadi_size, kPaintNormal);
  EXPECT_EQ(Kinds(eadi), std::vector<gfx::OpKind>{gfx::OpKind::Clear});
  EXPECT_EQ(eadi.At(108, 86), kTransparent);
  TestSurface stby(101, 90);
  const gauge::PixelSize stby_size{101, 90};
  PaintStbyPfd(&stby_pfd_surface, stby.dc(), &stby_size, kPaintBackgroundOnly);  // the mode is ignored
  EXPECT_TRUE(stby.recording().HasText("M"));
  // Without any power the standby runs on its own bus, token 364.
  ac_power = 0;
  TestSurface dark(101, 90);
  PaintStbyPfd(&stby_pfd_surface, dark.dc(), &stby_size, kPaintNormal);
  EXPECT_FALSE(dark.recording().HasText("M"));
  host().SetToken(364, 1.0);
  PaintStbyPfd(&stby_pfd_surface, dark.dc(), &stby_size, kPaintNormal);
  EXPECT_TRUE(dark.recording().HasText("M"));
}

// The page routine consumes the key and the flags are reset after it (also on a page without a
// routine); a paint that only clears (background only, standby power) leaves the key for the next.
TEST_F(PaintEntryTest, CduKeyFlagsAreResetOnlyByAPoweredNormalPaint) {
  const struct {
    int32_t power, mode, page;
    bool clears;
  } kCases[] = {{2, kPaintNormal, 2, true},
                {2, kPaintBackgroundOnly, 2, false},
                {1, kPaintNormal, 2, false},
                {2, kPaintNormal, 34, true}};
  for (const auto& c : kCases) {
    ac_power = c.power;
    fms_page = c.page;
    cdu_lsk = 1;
    cdu_next_page = 1;
    TestSurface s(399, 320);
    const gauge::PixelSize size{399, 320};
    PaintCdu(&cdu_surface, s.dc(), &size, c.mode);
    EXPECT_EQ(cdu_lsk, c.clears ? 0 : 1) << c.power << " " << c.mode << " " << c.page;
    EXPECT_EQ(cdu_next_page, c.clears ? 0 : 1) << c.power << " " << c.mode << " " << c.page;
    EXPECT_EQ(Kinds(s), std::vector<gfx::OpKind>{gfx::OpKind::Clear});
  }
}

// A request of 1 is spent only by a powered normal paint; other values are kept.
TEST_F(PaintEntryTest, UpperEicasRequestsAreSpentOnlyByAPoweredPaint) {
  const struct {
    int32_t power, mode, before, after;
  } kCases[] = {{2, kPaintNormal, 1, 0},
                {2, kPaintNormal, 2, 2},
                {1, kPaintNormal, 1, 1},
                {5, kPaintBackgroundOnly, 1, 1}};
  int32_t* const requests[] = {&to_temp_decr_req, &to_temp_incr_req, &thr_ref_to_req,
                               &thr_ref_crz_req,  &eicas_cancel_req, &eicas_recall_req};
  for (const auto& c : kCases) {
    ac_power = c.power;
    for (int32_t* r : requests) *r = c.before;
    TestSurface s(250, 213);
    const gauge::PixelSize size{250, 213};
    PaintUpperEicas(&upper_eicas_surface, s.dc(), &size, c.mode);
    for (int32_t* r : requests) EXPECT_EQ(*r, c.after) << c.power << " " << c.mode << " " << c.before;
  }
}

// With its pop-up open the panel's instance paints only its background, here before the pop-up's
// that draws: the tick's step of the command bars belongs to the drawing paint, once a tick.
TEST_F(PaintEntryTest, OnlyAPaintThatDrawsTakesTheTicksStep) {
  ac_power = irs_l_anun_mode = irs_c_anun_mode = irs_r_anun_mode = 3;
  fd_bank_cmd = 20.0, host().SetToken(792, 1.0);
  TestSurface s(217, 173);
  const gauge::PixelSize size{217, 173};
  RecordRun(1);
  for (int32_t mode : {kPaintBackgroundOnly, kPaintNormal, kPaintNormal}) PaintEadi(&eadi_surface, s.dc(), &size, mode);
  EXPECT_DOUBLE_EQ(fd_roll_bar, -0.33);  // one step of the bars towards the command
}

TEST_F(PaintEntryTest, NegativeSizeIsTakenAsEmpty) {
  TestSurface s(217, 173);
  const gauge::PixelSize negative{-5, 20};
  PaintEadi(&eadi_surface, s.dc(), &negative, kPaintNormal);
  EXPECT_EQ(eadi_surface.width, 0u);
  EXPECT_EQ(eadi_surface.height, 20u);
}

}  // namespace
