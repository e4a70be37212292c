// The Seattle-Portland descent at FL200 (KELSO 12000, WILAM 10000, HD200 4000, TIMBR 4000, LAVAS
// 2200) flown closed loop on what VNAV sends. With the crew's changes of a descent, each "at"
// constraint is crossed at its altitude where the aircraft passes it (the turn's bisector), PROGRESS 2,
// the ND's pointer and the FMA read the path VNAV flies all the way, the speed target only falls, and
// short of the T/D it is the cruise's; the T/D sends KELSO's altitude, not the cruise level.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "afds/afds_globals.h"
#include "base/geodesy.h"
#include "base/int_conversion.h"
#include "cdu/route_pages_fixture.h"
#include "displays/eadi_fma.h"
#include "fmc/fmc_globals.h"
#include "fmc/route_state.h"
#include "nd/nd_overlay.h"
#include "state/panel_state_files.h"
#include "support/temp_dir.h"

namespace cdu_test {
namespace {

class DescentPathFlown;

// A constraint's fix, the sum of the legs in and out of it (flat: the turn's bisector lies square to
// it), and where the aircraft is from the bisector (< 0 short of it).
struct Fix {
  std::string ident;
  double lat, lon, alt_ft, x, y, side = -1.0;
};

// One flight: the crew's action at `at_nm` from KELSO, a second one (or none) `then_ticks` later.
struct Descent {
  const char* name;
  double at_nm;
  std::function<void(DescentPathFlown&)> act, then;
  int then_ticks;
};

void PrintTo(const Descent& d, std::ostream* os) { *os << d.name; }

class DescentPathFlown : public RoutePagesTest, public ::testing::WithParamInterface<Descent> {
 public:
  void Do(std::string_view keys, std::string_view entry = "", std::string_view key = "") {
    fms_page = 0;
    Keys(keys);
    if (!entry.empty()) EnterAt(entry, key);
  }
  void LoadOverAnotherDescent() {
    sim_.MakeDir("Orvantel/PanelStates");
    SavePanelState("ONPATH");
    std::tie(tod_alt, route_dist_sum, vnav_path_alt) = std::tuple(35000.0, 120.0, 30000.0);  // another descent's
    LoadPanelState("ONPATH.PNL");
  }
  // The cruise state saved here comes back with the first T/D's latch set, as a file edited by hand.
  void LoadCruiseStateLatchedPastTheTod() {
    sim_.MakeDir("Orvantel/PanelStates");
    SavePanelState("CRUISE");
    std::string text = testing_support::ReadBytes(sim_ / "Orvantel/PanelStates/CRUISE.PNL");
    text.replace(text.find("init_tod=0"), 10, "init_tod=1");
    sim_.Write("Orvantel/PanelStates/CRUISE.PNL", text);
    LoadPanelState("CRUISE.PNL");
  }
  // `nm` from where the aircraft is, `off_deg` right of its heading.
  void Go(double off_deg, double nm) {
    const double brg = (heading_ + off_deg) * M_PI / 180.0;
    lat_ += nm / 60.0 * std::cos(brg);
    lon_ += nm / 60.0 * std::sin(brg) / std::cos(lat_ * M_PI / 180.0);
    host_.SetToken(71, lat_ * 111130.555557);
    host_.SetToken(72, (lon_ + 360.0) * 781874935307.4);
    host_.SetToken(86, heading_);
    host_.SetToken(81, heading_ - 16.0);
  }
 protected:
  void SetUp() override {
    RoutePagesTest::SetUp();
    host_.set_simulator_model(true);
    InTheAir(20000.0);
    std::tie(lat_, lon_, heading_) = std::tuple(47.107, -122.3963, 200.0);
    Go(0.0, 0.0);
    host_.SetToken(82, 16.0);
    host_.SetToken(116, 318.0);  // the MCP as the climb left it
    host_.SetToken(107, 184.0);
    host_.SetExpression("(A:AUTOPILOT ALTITUDE LOCK VAR, feet)", 20000.0);
    TypeSeattlePortlandOnJ5();  // then as examples/scenarios/cruise.scn builds it
    Keys("DEP_ARR 2R 1L 2L 1R 2R RTE 6R EXEC LEGS");
    EnterAt("CENTR", "1L");
    Keys("EXEC INIT_REF 6L 3L");
    for (auto [text, key] : {std::pair{"158", "3L"}, {"6.2", "4L"}, {"FL200", "1R"}, {"80", "2R"}}) EnterAt(text, key);
    Keys("EXEC");
    std::tie(vnav, lnav, alt_sel_num) = std::tuple(1, 1, 2000);
  }

  std::vector<Fix> ConstraintsAhead() const {
    std::vector<Fix> out;
    for (int32_t i = std::max(stpos, 1); i < fp_cnt; ++i) {
      const RouteLeg &a = fms_fpln_act[i - 1], &f = fms_fpln_act[i], &b = fms_fpln_act[i + 1];
      const double x = (b.lon - a.lon) * std::cos(f.lat * M_PI / 180.0);
      if (IsAltitudeConstraint(f.restr)) out.push_back({f.ident, f.lat, f.lon, f.alt, x, b.lat - a.lat});
    }
    return out;
  }

  // One tick of the module, then 1/18 s of flight on the heading bug, the vertical speed towards
  // the altitude held, and the speed target.
  void Tick() {
    host_.SetToken(1, ++tick_);
    MainUpdate();
    host_.DeliverKeyEvents();
    const double dt = 1.0 / 18.0, ias = host_.Token(116) > 100.0 ? host_.Token(116) : 300.0;
    heading_ += std::clamp(std::remainder(host_.Token(107) + 16.0 - heading_, 360.0), -3.0 * dt, 3.0 * dt);
    const double gs_kt = ias * (1.0 + alt_ / 50000.0);
    const double hold = host_.Expression("(A:AUTOPILOT ALTITUDE LOCK VAR, feet)"), vs = host_.Token(120);
    const double was = alt_;
    if ((vs < 0.0 && alt_ > hold) || (vs > 0.0 && alt_ < hold)) alt_ += vs * dt / 60.0;
    if ((was - hold) * (alt_ - hold) < 0.0) alt_ = hold;
    InTheAir(alt_);
    host_.SetToken(551, gs_kt * 1.68781);
    host_.SetToken(61, ias);
    host_.SetToken(65, (alt_ - was) / dt * 60.0 * 1.30048);
    Go(0.0, gs_kt * dt / 3600.0);
  }

  double lat_ = 0.0, lon_ = 0.0, heading_ = 0.0, alt_ = 20000.0;
};

using D = DescentPathFlown;
const Descent kDescents[] = {
    {"as planned", -1.0, nullptr, nullptr, 0},
    {"DIRECT WILAM", 15.0, [](D& t) { t.Do("LEGS", "WILAM", "1L"); t.Do("EXEC"); }, nullptr, 0},
    {"KELSO raised", 15.0, [](D& t) { t.Do("LEGS", "13000", "1R"); t.Do("EXEC"); }, nullptr, 0},
    {"KELSO deleted", 15.0, [](D& t) { t.Do("LEGS DEL 1R EXEC"); }, nullptr, 0},
    {"WILAM deleted", 15.0, [](D& t) { t.Do("LEGS DEL 2R EXEC"); }, nullptr, 0},
    {"hold at WILAM", 15.0, [](D& t) { t.Do("HOLD 2L 6L", "137/R", "3L"); t.Do("EXEC"); },
     [](D& t) { t.Do("HOLD 6R EXEC"); }, 11000},
    {"20 NM off track", 15.0, [](D& t) { t.Go(90.0, 20.0); }, nullptr, 0},
    {"state loaded", 15.0, [](D& t) { t.LoadOverAnotherDescent(); }, nullptr, 0},
    {"DIRECT KELSO before the T/D", 36.0, [](D& t) { t.Do("LEGS", "KELSO", "1L"); t.Do("EXEC"); }, nullptr, 0},
    {"cruise state loaded latched", 45.0, [](D& t) { t.LoadCruiseStateLatchedPastTheTod(); }, nullptr, 0},
};

TEST_P(DescentPathFlown, EachConstraintIsCrossedAtItsAltitudeOnThePathTheReadersMeasure) {
  const Descent& c = GetParam();
  const RouteLeg kelso =
      *std::find_if(fms_fpln_act, fms_fpln_act + fp_cnt, [](const RouteLeg& l) { return l.ident == "KELSO"; });
  std::vector<Fix> fixes = ConstraintsAhead();
  std::vector<int32_t> speeds;  // the airspeed targets down the path
  size_t seen = host_.key_events().size(), crossed = 0;
  int then_in = -1, off_path = 0, not_cruise_speed = 0, tod_alt_sent = -1;
  bool acted = false;
  for (int t = 0; t < 40000 && crossed < fixes.size(); ++t) {
    Tick();
    const bool acting = !acted && c.act && CalcDistNm(lat_, lon_, kelso.lat, kelso.lon) < c.at_nm;
    if (acting) {
      c.act(*this);
      std::tie(acted, fixes, then_in) = std::tuple(true, ConstraintsAhead(), c.then_ticks);
    }
    if (then_in >= 0 && then_in-- == 0 && c.then) c.then(*this);
    for (Fix& f : fixes) {
      const double x = (lon_ - f.lon) * std::cos(f.lat * M_PI / 180.0), y = lat_ - f.lat;
      double side = x * f.x + y * f.y;
      if (f.side < 0.0 && side >= 0.0 && std::hypot(x, y) < 0.1) {
        EXPECT_NEAR(alt_, f.alt_ft, 100.0) << f.ident;
        ++crossed;
        side = 1e9;  // crossed once (a hold's circuit comes by again)
      }
      if (f.side < 1e9) f.side = side;
    }
    for (; seen < host_.key_events().size(); ++seen) {
      const simhost::KeyEventRecord& e = host_.key_events()[seen];
      if (e.event_id == 0x101F5 && tod == 1) speeds.push_back(e.value);
      if (e.event_id == 0x101F5 && tod != 1) not_cruise_speed += e.value != TruncToI32(FlownCruiseSpeeds().ias_kt);
      if (e.event_id == 0x1024C && tod == 1 && tod_alt_sent < 0) tod_alt_sent = e.value;
    }
    // The readers, every second down the path and as the crew act: the altitude it has there, VNAV PTH,
    // the pointer.
    if (tod != 1 || init_tod != 1 || (t % 18 != 0 && !acting)) continue;
    const bool on_path = std::fabs(alt_ - vnav_path_alt) < 80.0 && !PlaceVnavDiamond(0, 30, -30).text &&
                         std::string(FmaText(SelectPitchActive(VnavRules::kFormatA))) == "VNAV PTH";
    off_path += on_path ? 0 : 1;
  }
  EXPECT_EQ(crossed, fixes.size());
  EXPECT_EQ(off_path, 0);
  EXPECT_EQ(not_cruise_speed, 0) << "a speed other than the cruise's short of the T/D";
  EXPECT_EQ(tod_alt_sent, 12000) << "the altitude sent at the T/D";
  EXPECT_TRUE(std::is_sorted(speeds.rbegin(), speeds.rend())) << "the speed target rose again";
}

INSTANTIATE_TEST_SUITE_P(Crew, DescentPathFlown, ::testing::ValuesIn(kDescents),
                         [](const ::testing::TestParamInfo<Descent>& p) { return std::to_string(p.index); });

}  // namespace
}  // namespace cdu_test
