#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "afds/afds_modes.h"
#include "displays/eadi_fma.h"
#include "fmc/fmc_globals.h"
#include "state/config_globals.h"
#include "systems_fixture.h"

namespace {

constexpr uint32_t kLocalizerArm = 0x1010D;
constexpr uint32_t kLocalizerHoldOff = 0x10115;
constexpr uint32_t kApproachHoldArm = 0x1010E;
constexpr uint32_t kApproachHoldOff = 0x10116;

// An approach flown through the SERVER frames at 3000 ft, 160 kt, autopilot engaged: the LOC and
// APP buttons are the MCP's requests, FLCH the gauge's push button.
class ApproachAgainTest : public systems_test::SystemsFixture {
 protected:
  void SetUp() override {
    SystemsFixture::SetUp();
    QuietAircraft();
    host_.SetExpression("(A:INDICATED ALTITUDE, feet)", 3000.0);
    host_.SetToken(614, 3009.0 / 3.2808399);
    host_.SetToken(61, 160.0);
    host_.SetToken(103, 1.0);  // CMD L
    host_.SetToken(46, 0xC0);  // localizer and glideslope received
    Needles(100.0);            // well off both beams
    RunFrames(2);
  }
  void Needles(double deflection) {
    host_.SetToken(40, deflection);
    host_.SetToken(41, deflection);
  }
  void Press(const char* request) {
    host_.SetNamed(request, 1.0);
    RunFrames(3);  // one of them polls the panel buttons
  }
  // Onto both beams, until the glideslope is captured (two phase-0 passes at most).
  void Capture() {
    Needles(10.0);
    for (int i = 0; i < 3 && gs_capture == 0; ++i) RunToPhase0();
  }
  std::tuple<int32_t, int32_t> Captured() const { return {loc_capture, gs_capture}; }
};

// The go-around by FLCH, then ALT HOLD and HDG SEL away from the beams: APP pressed again arms
// both captures afresh, and they capture when the beams come in, taking over from HDG SEL and ALT HOLD.
TEST_F(ApproachAgainTest, SecondApproachAfterFlchArmsAndCapturesAgain) {
  Press("app_clicked");
  Capture();
  ASSERT_EQ(Captured(), std::tuple(1, 1));
  FlchMouseCallback(nullptr, 0);
  Needles(100.0);
  Press("alt_clicked");
  Press("hdg_sel_clicked");
  Press("app_clicked");
  RunToPhase0();
  EXPECT_EQ(std::tuple(app_mode, loc_capture, gs_capture), std::tuple(1, 0, 0));  // armed, not captured
  Capture();
  EXPECT_EQ(Captured(), std::tuple(1, 1));
  EXPECT_EQ(std::tuple(hdg_sel_mode, alt_hold_mode), std::tuple(0, 0));
}

// V/S pressed on the captured approach leaves the glideslope and flies the localizer on, so ALT
// HOLD on and off brings no G/S back; HDG SEL leaves both. APP then arms afresh, not off.
TEST_F(ApproachAgainTest, VsAndHdgSelPressedOnTheApproachLeaveIt) {
  Press("app_clicked");
  Capture();
  Press("vs_clicked");
  EXPECT_EQ(std::tuple(vs_hold_mode, app_mode, loc_mode, loc_capture, gs_capture), std::tuple(1, 0, 1, 1, 0));
  Press("alt_clicked");
  Press("alt_clicked");
  RunToPhase0();
  EXPECT_EQ(std::tuple(app_mode, gs_capture), std::tuple(0, 0));
  Press("app_clicked");
  EXPECT_EQ(app_mode, 1);

  Capture();
  ASSERT_EQ(Captured(), std::tuple(1, 1));
  Needles(100.0);
  Press("hdg_sel_clicked");
  EXPECT_EQ(std::tuple(hdg_sel_mode, app_mode, loc_mode, loc_capture, gs_capture), std::tuple(1, 0, 0, 0, 0));
  Press("app_clicked");
  EXPECT_EQ(app_mode, 1);
}

// The other ways out, on an approach flown on the flight director alone: LOC pressed over APP keeps
// the localizer but not the glideslope; the flight director switched off drops LOC and APP with
// their captures.
TEST_F(ApproachAgainTest, EveryWayOutOfTheApproachForgetsWhatItNoLongerFlies) {
  host_.SetToken(103, 0.0);
  host_.SetToken(792, 1.0);
  RunFrames(2);
  Press("app_clicked");
  Capture();
  Press("loc_clicked");
  EXPECT_EQ(std::tuple(loc_mode, loc_capture, gs_capture), std::tuple(1, 1, 0));
  host_.SetToken(792, 0.0);
  RunFrames(2);
  EXPECT_EQ(std::tuple(loc_mode, loc_capture, gs_capture), std::tuple(0, 0, 0));
}

// CMD pressed on the beams the flight director has captured flies them on: no V/S or HDG HOLD over
// them, whose captures would then never come again; C and R arm the autoland.
TEST_F(ApproachAgainTest, CmdEngagedOnTheCapturedBeamsFliesThemOn) {
  host_.SetToken(103, 0.0);
  RunFrames(2);
  Press("app_clicked");
  Capture();
  Press("apleft_clicked");
  EXPECT_EQ(std::tuple(hdg_hold_mode, vs_hold_mode, alt_hold_mode, Captured()), std::tuple(0, 0, 0, std::tuple(1, 1)));
  host_.SetToken(103, 1.0);  // the engage's events as the simulator takes them
  host_.SetToken(112, 1.0);
  Press("apcenter_clicked");
  Press("apright_clicked");
  EXPECT_EQ(autoland_mode, 1);
}

// The simulator's approach hold flies the glideslope as well: LOC alone, armed or re-armed by the
// pass that keeps the holds, asks only for the localizer hold, and APP given up for LOC or V/S takes
// the approach hold off before the glideslope can be flown on.
TEST_F(ApproachAgainTest, LocAloneAsksTheSimulatorForNoGlideslope) {
  Press("loc_clicked");
  RunToPhase0();  // the simulator's localizer hold has dropped: the pass arms it again
  EXPECT_EQ(std::pair(KeyEvents(kApproachHoldArm), KeyEvents(kLocalizerArm)), std::pair(0, 2));
  for (const char* leave : {"loc_clicked", "vs_clicked"}) {
    Press("app_clicked");
    host_.SetToken(112, 1.0);
    Press(leave);
    EXPECT_EQ(KeyEvents(kApproachHoldOff), leave[0] == 'l' ? 1 : 2) << leave;
  }
}

// APP pressed over LOC takes the simulator's localizer hold off: APP given up later leaves no hold
// flying the localizer with neither mode shown.
TEST_F(ApproachAgainTest, AppOverLocTakesTheLocalizerHoldAway) {
  Press("loc_clicked");
  Press("app_clicked");
  EXPECT_EQ(std::pair(loc_mode, KeyEvents(kLocalizerHoldOff)), std::pair(0, 1));
}

// The crew's go-around: the autopilot disconnected on the captured approach, then the flight director
// switched off and on. Each way LOC and APP end takes the simulator's approach hold with them, so the
// autopilot engaged again climbing away does not capture and fly the glideslope down.
TEST_F(ApproachAgainTest, GoAroundTakesTheSimulatorsApproachHoldAway) {
  Press("app_clicked");
  Capture();
  host_.SetToken(103, 0.0);
  RunFrames(2);
  EXPECT_EQ(std::pair(app_mode, KeyEvents(kApproachHoldOff)), std::pair(0, 1));
  host_.SetToken(792, 1.0);
  RunFrames(2);
  Press("app_clicked");  // armed again on the flight director alone
  host_.SetToken(792, 0.0);
  RunFrames(2);
  EXPECT_EQ(std::pair(app_mode, KeyEvents(kApproachHoldOff)), std::pair(0, 2));
}

// A capture without its mode, as a panel state saved after such a go-around brings back, is forgotten
// by the next capture pass.
TEST_F(ApproachAgainTest, CaptureWithoutItsModeDoesNotSurviveTheNextPass) {
  std::tie(loc_mode, app_mode, loc_capture, gs_capture) = std::tuple(0, 0, 1, 1);
  RunToPhase0();
  EXPECT_EQ(Captured(), std::tuple(0, 0));
}

// VNAV below the restriction altitude, its descent speed above it: whatever takes over (the glideslope
// capture, the VNAV, SPD or V/S button), SPD keeps the 250 kt VNAV flew, re-sends included.
TEST_F(ApproachAgainTest, SpdTakesOverTheRestrictedSpeedVnavFlew) {
  host_.SetToken(123, 1.0);  // autothrottle armed
  std::tie(stpos, fms_fpln_active, tod, descent_ias) = std::tuple(1, 3, 1, 292);
  for (const char* takeover : {"app_clicked", "vnav_clicked", "spd_clicked", "vs_clicked"}) {
    Press("vnav_clicked");
    Press(takeover);
    Capture();  // the glideslope after APP, the speed bug's re-sends in any case
    EXPECT_EQ(std::tuple(vnav, spd_hold), std::tuple(0, 1)) << takeover;
  }
  EXPECT_EQ(KeyValues(0x101F5), std::vector<int32_t>(KeyValues(0x101F5).size(), 250));
}

// ---- the hand-overs: each row sets modes up on the flight director alone at 3000 ft (autothrottle
// armed, levers at 2000, IAS window unless it says otherwise), marks, and acts as the crew do; then
// the FMA (thrust|roll|pitch|armed pitch), an event sent after the mark (0: none) and events never sent.
constexpr uint32_t kStepUp = 0x10049, kStepDown = 0x10051, kHdgHoldOff = 0x10117, kAltHoldOn = 0x10110,
                   kAltHoldOff = 0x10118, kSpdOn = 0x1022D, kIasTarget = 0x101F5, kThrottleCut = 0x100E5;
class Handover;
struct Row { const char* name; void (*fly)(Handover&); const char* fma; uint32_t sent; std::vector<uint32_t> never; };
void PrintTo(const Row& r, std::ostream* os) { *os << r.name; }

class Handover : public ApproachAgainTest, public testing::WithParamInterface<Row> {
 public:
  void SetUp() override {
    ApproachAgainTest::SetUp();
    host_.set_simulator_model(true);  // the simulator takes the events as it would
    host_.CreateInstance("FLCH", "", 0);
    std::tie(tmsp, epr_bug) = std::tuple(3, 1.5);  // climb thrust at 9124 on the levers
    Set({{103, 0.0}, {792, 1.0}, {123, 1.0}, {128, 2000.0}, {64, 5000.0}});
  }
  void Set(std::initializer_list<std::pair<uint32_t, double>> tokens) {
    for (const auto& [token, value] : tokens) host_.SetToken(token, value);
    RunFrames(2);
  }
  void Flch(int32_t mcp_ft) { alt_sel_num = mcp_ft, FlchMouseCallback(nullptr, 0); }
  void Window(double mach) { host_.SetNamed("SPEED MODE SELECT", mach); }
  void Mark() { mark_ = host_.key_events().size(); }
  bool Sent(uint32_t id) const {
    const auto& e = host_.key_events();
    return std::any_of(e.begin() + static_cast<std::ptrdiff_t>(mark_), e.end(),
                       [id](auto& k) { return k.event_id == id; });
  }
  using ApproachAgainTest::Capture, ApproachAgainTest::Press, SystemsFixture::RunFrames;
  size_t mark_ = 0;
};

TEST_P(Handover, TheModesShownAreFlownAndNothingElseIsAskedFor) {
  GetParam().fly(*this);
  RunFrames(36);
  std::string fma;
  for (const char* t : {FmaText(SelectThrustActive()), FmaText(SelectRollActive()),
                        FmaText(SelectPitchActive(VnavRules::kFormatA)), FmaText(SelectPitchArmed(false))}) {
    fma += "|" + std::string(t != nullptr ? t : "");
  }
  EXPECT_EQ(fma.substr(1), GetParam().fma);
  EXPECT_TRUE(GetParam().sent == 0 || Sent(GetParam().sent));
  for (const uint32_t id : GetParam().never) EXPECT_FALSE(Sent(id)) << std::hex << id;
}

using H = Handover;
// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, Handover, testing::ValuesIn(std::vector<Row>{
    {"CmdLFliesFlchAndHdgHold", [](H& t) { t.Flch(1000); t.Press("hdg_clicked"); t.Mark(); t.Press("apleft_clicked"); },
     "FLCH|HDG HOLD|FLCH|", kStepDown, {kHdgHoldOff}},
    {"FlchOnTheFdAloneFliesTheLevers", [](H& t) { t.Mark(); t.Flch(6000); }, "FLCH||FLCH|", kStepUp, {}},
    {"NoLeversWithoutTheAutothrottle", [](H& t) { t.Set({{123, 0.0}}); t.Mark(); t.Flch(6000); t.Press("apcenter_clicked"); },
     "FLCH|HDG HOLD|FLCH|", 0, {kStepUp}},
    {"MasterOnKeepsAltHoldAndHdgSel", [](H& t) { ToggleAltHold(0); t.Press("hdg_sel_clicked"); t.Mark(); t.Set({{103, 1.0}}); },
     "|HDG SEL|ALT HOLD|", 0, {kHdgHoldOff, kAltHoldOff}},
    {"CmdRFliesVnavAndLnav", [](H& t) { std::tie(stpos, fms_fpln_active, lnav) = std::tuple(1, 3, 1); t.Press("vnav_clicked");
       t.Mark(); t.Press("apright_clicked"); }, "SPD|LNAV|VNAV SPD|", 0, {kHdgHoldOff, kAltHoldOff}},
    {"GlideslopeHandsFlchThrustToSpd", [](H& t) { t.Flch(1000); t.Press("app_clicked"); t.Mark(); t.Capture(); },
     "SPD|LOC|G/S|", kSpdOn, {}},
    {"McpAltitudeOnTheGlideslopeChangesNoMode", [](H& t) { t.Press("apleft_clicked"); t.Press("app_clicked"); t.Capture();
       t.Set({{120, -700.0}}); alt_sel_num = 3120; t.Mark(); t.Press("alt_sel_num_decr"); }, "|LOC|G/S|", 0, {kAltHoldOn}},
    {"IasWindowAfterMachFliesTheIasBug", [](H& t) { t.Window(1.0); t.Flch(1000); t.Window(0.0); t.RunFrames(18); t.Mark(); },
     "FLCH||FLCH|", 0, {kIasTarget}},
    {"IasWindowIsFlownFromTheChangeover", [](H& t) { t.Window(1.0); t.Flch(1000); t.RunFrames(1); t.Window(0.0); t.Mark(); },
     "FLCH||FLCH|", 0, {kIasTarget}},
    {"NoFlareOnTheLocalizerAlone", [](H& t) { t.Set({{46, 0x80}}); t.Press("apleft_clicked"); t.Press("app_clicked"); t.Capture();
       t.Mark(); t.Set({{614, 5.0}}); }, "|LOC|V/S|G/S", 0, {kThrottleCut}},
    {"RejectedTakeoffLeavesTheLeversClosed", [](H& t) { t.Set({{60, 1.0}, {614, 2.7}, {61, 100.0}}); t.Press("thrust_clicked");
       t.RunFrames(9); t.Set({{128, 0.0}, {61, 10.0}}); t.Mark(); }, "EPR|||", 0, {kStepUp}},
}));
// clang-format on

}  // namespace
