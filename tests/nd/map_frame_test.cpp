#include "nd/map_frame.h"

#include <gtest/gtest.h>

#include "cdu/cdu_globals.h"
#include "fmc/fmc_globals.h"
#include "frame/tcas_link.h"
#include "nd/map_fixture.h"
#include "platform/tcas_module.h"
#include "state/config_globals.h"

namespace {

using gfx::OpKind;

// --- compass arc ---

struct ArcCase {
  double heading;
  int ticks;
  std::vector<std::string> labels;
};

class CompassArcTicks : public MapTest, public ::testing::WithParamInterface<ArcCase> {};

// The arc shows every 5-degree bearing within 55 degrees of the heading either side: 21 ticks on a
// heading that is a multiple of 5, across the 0/360 seam as well.
TEST_P(CompassArcTicks, TicksAndLabelsWithin55DegreesOfTheHeading) {
  const ArcCase& c = GetParam();
  plane_hdg_mag = plane_trk_mag = c.heading;
  Record(kFpEhsiCanvas, DrawEhsiMap);
  std::vector<std::string> labels;
  int ticks = 0;
  for (const gfx::Op& op : rec().ops()) {
    // The compass ticks are the short radial lines ending on the 134 arc.
    if (op.kind == OpKind::Stroke && op.shape == gfx::Shape::Line && op.color == kWhiteInk && op.pen_width == 2.0f) {
      const auto pts = rec().PointsOf(op);
      const double r = std::hypot(pts[1].x - 159.0, pts[1].y - 170.0);
      if (std::fabs(r - 134.0) < 0.01) ++ticks;
    }
  }
  for (const gfx::Op* op : rec().TextOps()) {
    const gfx::RecordedText* t = rec().TextOf(*op);
    // Not the half-range label or the vertical-speed scale's figures.
    if (t->text != "5" && t->em_size == 12.0f) labels.push_back(t->text);
  }
  EXPECT_EQ(ticks, c.ticks);
  EXPECT_EQ(labels, c.labels);
}

INSTANTIATE_TEST_SUITE_P(Headings, CompassArcTicks,
                         ::testing::Values(ArcCase{350.0, 21, {"0", "3", "30", "33"}},
                                           ArcCase{0.0, 21, {"0", "3", "33"}},
                                           ArcCase{180.0, 21, {"15", "18", "21"}},
                                           ArcCase{2.5, 22, {"0", "3", "33"}},
                                           ArcCase{100.0, 21, {"6", "9", "12", "15"}}));

TEST_F(MapTest, CompassTickWindowIsOpenAt55Degrees) {
  EXPECT_TRUE(CompassTickVisible(300.0, 350.0));
  EXPECT_TRUE(CompassTickVisible(40.0, 350.0));
  EXPECT_FALSE(CompassTickVisible(45.0, 350.0));   // d = -305
  EXPECT_FALSE(CompassTickVisible(295.0, 350.0));  // d = -55
  EXPECT_TRUE(CompassTickVisible(0.0, 0.0));
  EXPECT_TRUE(CompassTickVisible(355.0, 5.0));     // d = 350
}

// Track up with 10 degrees of drift: the arc turns with the track, the ticks shown still follow the
// heading.
TEST_F(MapTest, TrackUpTurnsTheArcButNotItsWindow) {
  plane_hdg_mag = 100.0;
  plane_trk_mag = 90.0;
  Record(kFpNdCanvas, DrawFpNdMap);
  const gfx::RecordedText* nine = Text("9");
  ASSERT_NE(nine, nullptr);
  // Bearing 90 is the track: unrotated at the top of the 236 arc.
  EXPECT_NEAR(nine->position.X, 159.0 - 6.0, 0.01);
  EXPECT_NEAR(nine->position.Y, 272.0 - 224.0, 0.01);
  EXPECT_NE(Text("15"), nullptr);  // 50 degrees right of the heading
  EXPECT_EQ(Text("3"), nullptr);   // 70 degrees left of it

  MapModeDispHdgAlways = 1;
  Record(kFpNdCanvas, DrawFpNdMap);
  nine = Text("9");
  ASSERT_NE(nine, nullptr);
  // Heading up: bearing 90 sits 10 degrees left of the top (the label's corner turned with it).
  const double a = -10.0 * kDegToRad;
  EXPECT_NEAR(nine->position.X, 159.0 + (-6.0 * std::cos(a) + 224.0 * std::sin(a)), 1e-3);
  EXPECT_NEAR(nine->position.Y, 272.0 + (-6.0 * std::sin(a) - 224.0 * std::cos(a)), 1e-3);
}

// --- frames ---

TEST_F(MapTest, FpNdDrawsNothingWithoutAlignedIrs) {
  irs_c_anun_mode = 2;
  nd_sta_on = 1;
  LoadExampleDatabase();
  Record(kFpNdCanvas, DrawFpNdMap);
  EXPECT_TRUE(rec().ops().empty());
}

TEST_F(MapTest, NdWithoutAlignedIrsKeepsAircraftTrackLineAndRangeLabel) {
  irs_r_anun_mode = 0;
  nd_mode = 3;
  ctr_mode = 0;
  nd_rng_nm = 40.0;
  Record(kNdCanvas, DrawNdMap);
  EXPECT_EQ(Texts(), std::vector<std::string>{"20"});
  EXPECT_EQ(rec().Count(OpKind::SetClip), 0u);
  EXPECT_EQ(rec().Count(OpKind::Stroke), 2u);  // triangle and track line
  const gfx::RecordedText* label = Text("20");
  EXPECT_NEAR(label->position.X, 107.0 - 1.0 - 16.0, 0.01);
  EXPECT_NEAR(label->position.Y, 209.0 - 107.0, 0.01);

  ctr_mode = 1;  // centred: the clip, symbol, track line, range mark and label
  Record(kNdCanvas, DrawNdMap);
  EXPECT_EQ(Texts(), std::vector<std::string>{"20"});
  EXPECT_EQ(rec().Count(OpKind::Stroke), 3u);
  EXPECT_NEAR(Text("20")->position.X, 107.0 - 6.0 - 16.0, 0.01);
}

// A two-row route from the aircraft's position to a waypoint 3 NM ahead, active on its second row.
void SetShortRoute() {
  fms_fpln_act[0].ident = "KSEA";
  fms_fpln_act[0].lat = plane_lat;
  fms_fpln_act[0].lon = plane_lon;
  fms_fpln_act[1].ident = "AHEAD";
  fms_fpln_act[1].lat = plane_lat + 0.05;
  fms_fpln_act[1].lon = plane_lon;
  fp_cnt = 1;
  stpos = 1;
}

TEST_F(MapTest, EhsiMapDrawsWhateverTheIrs) {
  irs_l_anun_mode = 0;
  SetShortRoute();
  Record(kFpEhsiCanvas, DrawEhsiMap);
  EXPECT_NE(Text("5"), nullptr);
  EXPECT_NE(Text("AHEAD"), nullptr);  // the route layer ran
}

// The range rings of each frame, as the device boxes of their arcs.
std::vector<double> ArcWidths(const gfx::Recording& rec, gfx::ARGB colour) {
  std::vector<double> w;
  for (const gfx::Op& op : rec.ops()) {
    if (op.kind == OpKind::Stroke && op.shape == gfx::Shape::Arc && op.color == colour) {
      w.push_back(std::round(op.bounds.Width));
    }
  }
  return w;
}

TEST_F(MapTest, RangeRingsFollowTheirOptionAndMode) {
  Record(kFpNdCanvas, DrawFpNdMap);
  EXPECT_EQ(ArcWidths(rec(), kWhiteInk), std::vector<double>{472});
  nd_range_rings_on = 1;
  Record(kFpNdCanvas, DrawFpNdMap);
  EXPECT_EQ(ArcWidths(rec(), kWhiteInk), (std::vector<double>{472, 354, 236, 118}));

  nd_mode = 3;
  Record(kNdCanvas, DrawNdMap);
  EXPECT_EQ(ArcWidths(rec(), kWhiteInk), (std::vector<double>{378, 282, 188, 94}));
  nd_mode = 4;  // PLAN: the arc alone
  Record(kNdCanvas, DrawNdMap);
  EXPECT_EQ(ArcWidths(rec(), kWhiteInk), std::vector<double>{378});

  ehsi_range_rings_on = 1;
  Record(kFpEhsiCanvas, DrawEhsiMap);
  // The 134 arc of 88 degrees, then the rings; the vertical-speed scale's arc last.
  const std::vector<double> w = ArcWidths(rec(), kWhiteInk);
  ASSERT_EQ(w.size(), 5u);
  EXPECT_EQ(std::vector<double>(w.begin() + 1, w.begin() + 4), (std::vector<double>{200, 134, 66}));
}

TEST_F(MapTest, FpNdPlanIsTwoFullCirclesWithCardinalLetters) {
  fpnd_mode = 4;
  fp_nd_centre_y = 170;
  fpnd_rng_nm = 80.0;
  Record(kFpNdCanvas, DrawFpNdMap);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"40", "N", "S", "E", "W"}));
  EXPECT_EQ(rec().Count(OpKind::SetClip), 0u);
  EXPECT_NEAR(Text("40")->position.X, 159.0 - 75.0, 0.01);
  EXPECT_NEAR(Text("N")->position.Y, 170.0 - 145.0, 0.01);
  EXPECT_EQ(Text("N")->em_size, 15.0f);
  EXPECT_EQ(Count(OpKind::Stroke, 0xFF00FA00u), 0u);  // no bearing pointers in PLAN
}

TEST_F(MapTest, HalfRangeLabelMovesLeftByItsLength) {
  fpnd_rng_nm = 320.0;
  Record(kFpNdCanvas, DrawFpNdMap);
  const gfx::RecordedText* t = Text("160");
  ASSERT_NE(t, nullptr);
  EXPECT_NEAR(t->position.X, 159.0 - 5.0 - 27.0, 0.01);
  EXPECT_NEAR(t->position.Y, 272.0 - 130.0, 0.01);
  EXPECT_EQ(t->style, gfx::FontStyleRegular);
  EXPECT_EQ(t->family, "Arial");
}

TEST_F(MapTest, NdTextsUseTheConfiguredFamily) {
  nd_mode = 3;
  display_font = "Test Family";
  Record(kNdCanvas, DrawNdMap);
  for (const gfx::Op* op : rec().TextOps()) EXPECT_EQ(rec().TextOf(*op)->family, "Test Family");
  EXPECT_FALSE(rec().TextOps().empty());
}

// --- scale ---

struct ScaleCase {
  const char* name;
  int32_t fpnd, nd, ctr, ehsi;
  double range;
  void (*painter)(DisplaySurface*, gfx::Graphics*);
  MapCanvas canvas;
  double px_per_nm;
};

class MapScale : public MapTest, public ::testing::WithParamInterface<ScaleCase> {};

TEST_P(MapScale, PixelsPerNmAreRadiusOverRange) {
  const ScaleCase& c = GetParam();
  fpnd_mode = c.fpnd;
  fp_nd_centre_y = c.fpnd == 4 ? 170 : 272;
  nd_mode = c.nd;
  ctr_mode = c.ctr;
  fp_ehsi_mode = c.ehsi;
  fpnd_rng_nm = nd_rng_nm = fp_ehsi_rng_nm = c.range;
  Record(c.canvas, c.painter);
  EXPECT_DOUBLE_EQ(map_px_per_nm, c.px_per_nm);
}

INSTANTIATE_TEST_SUITE_P(
    Displays, MapScale,
    ::testing::Values(ScaleCase{"FpNdMap40", 3, 1, 0, 3, 40.0, DrawFpNdMap, kFpNdCanvas, 236.0 / 40.0},
                      ScaleCase{"FpNdPlan40", 4, 1, 0, 3, 40.0, DrawFpNdMap, kFpNdCanvas, 120.0 / 40.0},
                      ScaleCase{"NdMap20", 3, 3, 0, 3, 20.0, DrawNdMap, kNdCanvas, 189.0 / 20.0},
                      ScaleCase{"NdCentredMap20", 3, 3, 1, 3, 20.0, DrawNdMap, kNdCanvas, 189.0 / 20.0},
                      ScaleCase{"NdPlan160", 3, 4, 0, 3, 160.0, DrawNdMap, kNdCanvas, 189.0 / 160.0},
                      ScaleCase{"NdExpandedVor10", 3, 1, 0, 3, 10.0, DrawNdMap, kNdCanvas, 189.0 / 10.0},
                      ScaleCase{"EhsiMap10", 3, 3, 0, 3, 10.0, DrawEhsiMap, kFpEhsiCanvas, 134.0 / 10.0},
                      ScaleCase{"EhsiMap320", 3, 3, 0, 3, 320.0, DrawEhsiMap, kFpEhsiCanvas, 134.0 / 320.0}),
    [](const auto& info) { return std::string(info.param.name); });

// PLAN leaves the FP_ND radius at 120; the next MAP paint writes 236 before its layers read it.
TEST_F(MapTest, FpNdRadiusFollowsTheLastPresentation) {
  fpnd_mode = 4;
  Record(kFpNdCanvas, DrawFpNdMap);
  EXPECT_EQ(fp_nd_radius_px, 120);
  fpnd_mode = 3;
  Record(kFpNdCanvas, DrawFpNdMap);
  EXPECT_EQ(fp_nd_radius_px, 236);
  EXPECT_DOUBLE_EQ(map_px_per_nm, 23.6);
  fpnd_mode = 7;  // no frame: the layers use the radius last written
  Record(kFpNdCanvas, DrawFpNdMap);
  EXPECT_DOUBLE_EQ(map_px_per_nm, 23.6);
}

TEST_F(MapTest, ZeroRangeDrawsTheFrameWithoutLayers) {
  map_px_per_nm = 5.0;
  nd_mode = 3;
  nd_rng_nm = 0.0;
  SetShortRoute();
  Record(kNdCanvas, DrawNdMap);
  EXPECT_DOUBLE_EQ(map_px_per_nm, 5.0);
  EXPECT_EQ(Text("AHEAD"), nullptr);
  EXPECT_NE(Text("0"), nullptr);
}

// --- clips ---

struct ClipCase {
  const char* name;
  int32_t nd, ctr;
  void (*painter)(DisplaySurface*, gfx::Graphics*);
  MapCanvas canvas;
  gfx::RectF bounds;
};

class MapClip : public MapTest, public ::testing::WithParamInterface<ClipCase> {};

TEST_P(MapClip, ClipOutlineIsSetThenReset) {
  const ClipCase& c = GetParam();
  nd_mode = c.nd;
  ctr_mode = c.ctr;
  Record(c.canvas, c.painter);
  std::vector<const gfx::Op*> clips;
  for (const gfx::Op& op : rec().ops()) {
    if (op.kind == OpKind::SetClip || op.kind == OpKind::ResetClip) clips.push_back(&op);
  }
  ASSERT_FALSE(clips.empty());
  EXPECT_EQ(clips.front()->kind, OpKind::SetClip);
  EXPECT_EQ(clips.front()->combine, gfx::CombineModeReplace);
  EXPECT_NEAR(clips.front()->bounds.X, c.bounds.X, 0.6);
  EXPECT_NEAR(clips.front()->bounds.Y, c.bounds.Y, 0.6);
  EXPECT_NEAR(clips.front()->bounds.Width, c.bounds.Width, 1.2);
  EXPECT_NEAR(clips.front()->bounds.Height, c.bounds.Height, 1.2);
  EXPECT_EQ(clips.back()->kind, OpKind::ResetClip);
}

// Outline bounds about each centre: arcs from their start and sweep, the straight figures as given.
INSTANTIATE_TEST_SUITE_P(
    Displays, MapClip,
    ::testing::Values(ClipCase{"FpNdMap", 1, 0, DrawFpNdMap, kFpNdCanvas, {159 - 236, 272 - 236, 472, 388}},
                      ClipCase{"NdCentred", 3, 1, DrawNdMap, kNdCanvas, {107 - 130, 126 - 105, 260, 260}},
                      ClipCase{"NdExpandedRose", 1, 0, DrawNdMap, kNdCanvas, {107 - 108.4f, 209 - 189, 216.8f, 232}},
                      ClipCase{"NdExpandedMap", 3, 0, DrawNdMap, kNdCanvas, {107 - 108.4f, 209 - 189, 216.8f, 232}},
                      ClipCase{"Ehsi", 1, 0, DrawEhsiMap, kFpEhsiCanvas, {159 - 93, 170 - 134, 186, 164}}),
    [](const auto& info) { return std::string(info.param.name); });

// --- layers ---

struct GateCase {
  const char* name;
  void (*painter)(DisplaySurface*, gfx::Graphics*);
  MapCanvas canvas;
  int32_t nd_mode;
  double range;
  bool stations, airports;
};

class LayerGates : public MapTest, public ::testing::WithParamInterface<GateCase> {};

// Range limits are inclusive: 160 still draws on the ND, the FP_ND stops airports above 80.
TEST_P(LayerGates, StationAndAirportLayersFollowTheirRangeLimits) {
  const GateCase& c = GetParam();
  LoadExampleDatabase();
  nd_sta_on = nd_arpt_on = 1;
  nd_mode = c.nd_mode;
  fpnd_rng_nm = nd_rng_nm = c.range;
  Record(c.canvas, c.painter);
  EXPECT_EQ(Text("SEA") != nullptr, c.stations);
  EXPECT_EQ(Text("KSEA") != nullptr, c.airports);
}

INSTANTIATE_TEST_SUITE_P(Ranges, LayerGates,
                         ::testing::Values(GateCase{"FpNd80", DrawFpNdMap, kFpNdCanvas, 3, 80.0, true, true},
                                           GateCase{"FpNd160", DrawFpNdMap, kFpNdCanvas, 3, 160.0, true, false},
                                           GateCase{"Nd160", DrawNdMap, kNdCanvas, 3, 160.0, true, true},
                                           GateCase{"Nd320", DrawNdMap, kNdCanvas, 3, 320.0, false, false},
                                           GateCase{"NdRoseMode", DrawNdMap, kNdCanvas, 1, 40.0, false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MapTest, FixInfoLayerNeedsOneIdentifier) {
  fix_info[2].lat = plane_lat;
  fix_info[2].lon = plane_lon;
  fix_info[2].distance1 = 5.0;
  Record(kFpNdCanvas, DrawFpNdMap);
  EXPECT_EQ(Text("5.0"), nullptr);
  fix_info[2].ident = "SEA";
  Record(kFpNdCanvas, DrawFpNdMap);
  EXPECT_NE(Text("5.0"), nullptr);
}

// Stations, airports, waypoints, traffic, trend vector, hold, altitude arc, then the FP_ND's pointers.
TEST_F(MapTest, FpNdLayersComeInTheirFixedOrder) {
  LoadExampleDatabase();
  nd_sta_on = nd_arpt_on = nd_wpt_on = fp_nd_tfc_on = 1;
  fpnd_rng_nm = 40.0;
  plane_hdg_true = 180.0;
  ground_speed = 250.0;
  plane_bank = 20.0;
  route_holds[1].leg = 3;
  route_holds[1].lat = 47.3;
  route_holds[1].lon = -122.3;
  route_holds[1].leg_dist = 4.0;
  ap_master = tok108_flag = 1.0;
  plane_alt = 12000.0;
  ap_alt_lock = 8000.0;
  alt_sel_num = 8000;
  vert_speed = -1500.0;
  static tcas::ServiceRecord service{};
  tcas_serv = &service;
  tcas_server_connect = 1;
  tcas_take_tick = 0;  // the record's list was taken already: the table below is current
  tcas_target_cnt = 1;
  tcas_targets[1] = {90.0, 3.0, 5.0, 'T', 0, '-'};
  host_.SetToken(20, 1.0);

  Record(kFpNdCanvas, DrawFpNdMap);
  const int station = IndexOfText("NOLLA", true);
  const int airport = IndexOfText("KBFI");
  const int waypoint = IndexOfText("TACMA");
  const int traffic = IndexOfText("+5");
  ASSERT_GE(station, 0);
  EXPECT_LT(station, airport);
  EXPECT_LT(airport, waypoint);
  EXPECT_LT(waypoint, traffic);
  const auto index_of = [&](const gfx::Op* op) { return static_cast<int>(op - rec().ops().data()); };
  const auto magenta = Ops(OpKind::Stroke, kMagentaInk);
  std::vector<const gfx::Op*> green_arcs;
  for (const gfx::Op* op : Ops(OpKind::Stroke, kGreenInk)) {
    if (op->shape == gfx::Shape::Arc) green_arcs.push_back(op);
  }
  const gfx::Op* pointer = Ops(OpKind::Stroke, kGreenInk).back();
  ASSERT_FALSE(magenta.empty());
  ASSERT_EQ(green_arcs.size(), 1u);
  int trend = -1;
  for (const gfx::Op& op : rec().ops()) {
    if (op.kind == OpKind::Stroke && op.shape == gfx::Shape::Arc && op.color == kWhiteInk && op.clipped &&
        index_of(&op) > traffic) {
      trend = index_of(&op);
      break;
    }
  }
  EXPECT_GT(trend, traffic);
  EXPECT_GT(index_of(magenta.front()), trend);
  // Then the altitude arc, and the bearing pointer last, outside the clip.
  EXPECT_GT(index_of(green_arcs.front()), index_of(magenta.back()));
  EXPECT_GT(index_of(pointer), index_of(green_arcs.front()));
  EXPECT_FALSE(pointer->clipped);
}

TEST_F(MapTest, AltitudeArcNeedsTheHoldDescending) {
  ap_master = tok108_flag = 1.0;
  plane_alt = 12000.0;
  ap_alt_lock = 8000.0;
  ground_speed = 300.0;
  vert_speed = -200.0;  // not below -200
  Record(kFpEhsiCanvas, DrawEhsiMap);
  EXPECT_EQ(Count(OpKind::Stroke, kGreenInk), 0u);
  vert_speed = -201.0;
  Record(kFpEhsiCanvas, DrawEhsiMap);
  EXPECT_EQ(Count(OpKind::Stroke, kGreenInk), 1u);
  tok108_flag = 0.0;
  Record(kFpEhsiCanvas, DrawEhsiMap);
  EXPECT_EQ(Count(OpKind::Stroke, kGreenInk), 0u);
}

// --- FP_ND bearing pointers ---

struct PointerCase {
  double rel_brg;  // token 550
  double heading;
  bool head, tail;
};

class FpNdPointer2 : public MapTest, public ::testing::WithParamInterface<PointerCase> {};

// Head while the station lies within 100 degrees of the nose, tail beyond 90: both from 90 to 100.
TEST_P(FpNdPointer2, HeadAndTailByRelativeBearing) {
  const PointerCase& c = GetParam();
  plane_hdg_mag = plane_trk_mag = c.heading;
  host_.SetToken(49, 1.0);
  host_.SetToken(550, c.rel_brg);
  Record(kFpNdCanvas, DrawFpNdMap);
  int heads = 0, tails = 0;
  for (const gfx::Op* op : Ops(OpKind::Stroke, kGreenInk)) {
    if (op->shape != gfx::Shape::Lines) continue;
    (rec().PointsOf(*op).size() == 10 ? heads : tails) += 1;
  }
  EXPECT_EQ(heads, c.head ? 1 : 0);
  EXPECT_EQ(tails, c.tail ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Bearings, FpNdPointer2,
                         ::testing::Values(PointerCase{95.0, 10.0, true, true}, PointerCase{0.0, 10.0, true, false},
                                           PointerCase{180.0, 10.0, false, true},
                                           PointerCase{60.0, 300.0, true, false},
                                           PointerCase{265.0, 10.0, true, true}));

TEST_F(MapTest, FpNdPointer1NeedsToken20AboveZero) {
  host_.SetToken(20, 0.0);
  Record(kFpNdCanvas, DrawFpNdMap);
  EXPECT_EQ(Count(OpKind::Stroke, kGreenInk), 0u);
  host_.SetToken(20, 0.5);
  Record(kFpNdCanvas, DrawFpNdMap);
  EXPECT_EQ(Count(OpKind::Stroke, kGreenInk), 7u);
}

// --- FP_EHSI ---

TEST_F(MapTest, VsNeedleAnglePiecewise) {
  EXPECT_EQ(VsNeedleAngle(-1200.0), -27);
  EXPECT_EQ(VsNeedleAngle(7000.0), 48);
  EXPECT_EQ(VsNeedleAngle(500.0), 12);
  EXPECT_EQ(VsNeedleAngle(3000.0), 42);
  EXPECT_EQ(VsNeedleAngle(-5000.0), -46);
  EXPECT_EQ(VsNeedleAngle(0.0), 0);
}

// The selected-heading bug turns with the map; the heading pointer stays on the top when the map is
// heading up.
TEST_F(MapTest, EhsiHeadingSymbolsFollowTheMapOrientation) {
  plane_hdg_mag = 100.0;
  plane_trk_mag = 90.0;
  hdg_sel_dir = 90.0;
  Record(kFpEhsiCanvas, DrawEhsiMap);
  const auto bug = Ops(OpKind::Stroke, kMagentaInk);
  ASSERT_EQ(bug.size(), 2u);
  EXPECT_NEAR(rec().PointsOf(*bug[0])[0].x, 159.0, 1e-3);  // on the track: at the top
  EXPECT_EQ(bug[1]->dash, gfx::DashStyleDash);
  const gfx::Op& pointer = rec().ops().back();
  EXPECT_NEAR(rec().PointsOf(pointer)[0].x, 159.0 + 134.0 * std::sin(10.0 * kDegToRad), 1e-3);

  MapModeDispHdgAlways = 1;
  Record(kFpEhsiCanvas, DrawEhsiMap);
  EXPECT_NEAR(rec().PointsOf(rec().ops().back())[0].x, 159.0, 1e-3);
  EXPECT_NEAR(rec().PointsOf(*Ops(OpKind::Stroke, kMagentaInk)[0])[0].x, 159.0 - 134.0 * std::sin(10.0 * kDegToRad),
              1e-3);
}

}  // namespace
