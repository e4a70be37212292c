#include "afds/gpws_callouts.h"

#include <iterator>

#include "afds/afds_globals.h"
#include "afds/sound_engine.h"
#include "afds/sound_globals.h"
#include "fmc/route_state.h"
#include "sim/readers_flight.h"
#include "sim/readers_radio.h"
#include "sim/readers_systems.h"
#include "sim/tick_globals.h"
#include "state/config_globals.h"

namespace {

constexpr int32_t kGpwsDelayTicks = 54;
constexpr int32_t kBankAngleDelayTicks = 54;
constexpr double kGearDownValue = 16000.0;
// Flaps 25 and 30 are landing flaps only: no take-off is made with them.
constexpr double kLandingFlapDeg = 24.0;

// The height callouts in the order they are tried. The decision-height windows are closed
// (DH <= RA <= DH + above); the fixed heights are open intervals.
struct Callout {
  const char* file;
  int32_t* enabled;
  int32_t* done;
  double low_ft;
  double high_ft;
  bool above_dh;
  int32_t delay_ticks;
};

const Callout kCallouts[] = {
    {"Approaching Minimums.wav", &AltCallApprMins, &alt_call_appr_mins_done, 0.0, 80.0, true, 3},
    {"Minimums Minimums.wav", &AltCallMins, &alt_call_mins_done, 0.0, 30.0, true, 27},
    {"2500.wav", &AltCall2500, &alt_call_2500_done, 2490.0, 2520.0, false, 3},
    {"1000.wav", &AltCall1000, &alt_call_1000_done, 990.0, 1015.0, false, 3},
    {"500.wav", &AltCall500, &alt_call_500_done, 490.0, 515.0, false, 3},
    {"400.wav", &AltCall400, &alt_call_400_done, 390.0, 415.0, false, 3},
    {"300.wav", &AltCall300, &alt_call_300_done, 290.0, 315.0, false, 3},
    {"200.wav", &AltCall200, &alt_call_200_done, 190.0, 215.0, false, 3},
    {"100.wav", &AltCall100, &alt_call_100_done, 90.0, 115.0, false, 3},
    {"50.wav", &AltCall50, &alt_call_50_done, 50.0, 60.0, false, 3},
    {"40.wav", &AltCall40, &alt_call_40_done, 40.0, 50.0, false, 3},
    {"30.wav", &AltCall30, &alt_call_30_done, 30.0, 40.0, false, 3},
    {"20.wav", &AltCall20, &alt_call_20_done, 20.0, 30.0, false, 3},
    {"10.wav", &AltCall10, &alt_call_10_done, 10.0, 20.0, false, 3},
};

// The flags ResetAltCalloutFlags clears: all but the 2500 and 1000 ft ones.
int32_t* const kLowFlags[] = {&alt_call_appr_mins_done, &alt_call_mins_done, &alt_call_500_done, &alt_call_400_done,
                              &alt_call_300_done,       &alt_call_200_done,  &alt_call_100_done, &alt_call_50_done,
                              &alt_call_40_done,        &alt_call_30_done,   &alt_call_20_done,  &alt_call_10_done};

const char* DontSinkAlert(double ra, double vs) {
  const bool sinking = (ra < 375.0 && vs < -40.0) || (ra < 650.0 && vs < -80.0) || (ra < 1200.0 && vs < -120.0) ||
                       (ra < 1500.0 && vs < -240.0);
  return sinking ? "Don't Sink, Don't Sink.wav" : nullptr;
}

const char* DescentAlert(double ra, double vs) {
  if (!(ra <= 2450.0 && vs < -300.0)) return nullptr;
  if (vs < -5000.0) return "Pull Up.wav";
  if (ra < 500.0 && vs < -2000.0) return "Pull Up.wav";
  if (ra >= 500.0 && ra <= 2000.0 && vs < -3500.0) return "Sinkrate.wav";
  if (ra > 2000.0 && vs < -4250.0) return "Sinkrate.wav";
  if (ra < 1000.0 && gear1_pos < kGearDownValue) {
    return ias < 190.0 && ra < 500.0 ? "Too Low, Gear.wav" : "Too Low, Terrain.wav";
  }
  if (ias < 160.0 && ra < 250.0 && gear1_pos > kGearDownValue && flap_angle < 19.0) return "Too Low, Flaps.wav";
  return nullptr;
}

// Below the glideslope on the ground is the landing itself: with a decision height of 0 the floor
// below would let the alert repeat through the roll-out and as long as the aircraft sits on the
// runway.
const char* GlideslopeAlert(double ra) {
  if (ReadOnGround() != 0) return nullptr;
  if (!(ra < 1000.0) || TestTokenVar46Bit80() == 0 || TestTokenVar46Bit40() == 0) return nullptr;
  if (cdi_needle < -45.0 || cdi_needle > 45.0 || ra < GetDecisionHeight()) return nullptr;
  return gsi_needle < -117.5 || (ra < 500.0 && gsi_needle < -98.0) ? "Glideslope.wav" : nullptr;
}

}  // namespace

void PlayGpws() {
  const int32_t volume = VolumeAttenuation(ClampVolumeAtLeast1(&VolumeGpws));
  const double ra = radio_height;
  const char* alert = nullptr;
  if (takeoff_phase == 1) {
    alert = DontSinkAlert(ra, vert_speed);
  } else {
    alert = DescentAlert(ra, vert_speed);
    if (alert == nullptr) alert = GlideslopeAlert(ra);
  }
  if (alert == nullptr) return;
  gpws_sound_delay = kGpwsDelayTicks;
  PlayGroupSound(SoundGroup::kGpws, alert, volume, false);
}

void PlayAltitudeCallouts() {
  const int32_t volume = VolumeAttenuation(ClampVolumeAtLeast1(&VolumeGpws));
  if (plane_bank < -45.0 || plane_bank > 45.0) {
    alt_callout_delay = kBankAngleDelayTicks;
    PlayGroupSound(SoundGroup::kAltCallout, "Bank Angle, Bank Angle.wav", volume, false);
    return;
  }
  if (takeoff_phase == 1 || vert_speed >= -20.0) return;
  const double ra = radio_height;
  double dh = 0.0;
  bool dh_read = false;
  for (const Callout& c : kCallouts) {
    if (*c.enabled != 1 || *c.done != 0) continue;
    bool inside = false;
    if (c.above_dh) {
      if (!dh_read) {
        dh = GetDecisionHeight();
        dh_read = true;
      }
      inside = ra >= dh + c.low_ft && ra <= dh + c.high_ft;
    } else {
      inside = ra > c.low_ft && ra < c.high_ft;
    }
    if (!inside) continue;
    *c.done = 1;
    alt_callout_delay = c.delay_ticks;
    PlayGroupSound(SoundGroup::kAltCallout, c.file, volume, false);
    return;
  }
}

void ReArmAltCallouts() {
  bool any_low = false;
  for (int32_t* flag : kLowFlags) any_low = any_low || *flag == 1;
  if (any_low && (radio_height > 1000.0 || ground_speed < 30.0)) ResetAltCalloutFlags();
  if (alt_call_2500_done == 1 && radio_height > 3000.0) alt_call_2500_done = 0;
  if (alt_call_1000_done == 1 && radio_height > 1500.0) alt_call_1000_done = 0;
}

void UpdateTakeoffPhase() {
  const double ra = radio_height;
  if (ra > 1300.0 && takeoff_phase < 2) takeoff_phase = 2;
  // Gear down with landing flaps the aircraft is on an approach, not climbing away (a circuit flown
  // below 1300 ft): the take-off phase ends, and starts again only climbing out of that configuration.
  const bool configured_to_land = gear1_pos > kGearDownValue && flap_angle >= kLandingFlapDeg;
  if (ra >= 30.0 && ra <= 1300.0 && vert_speed > 300.0 && takeoff_phase == 0 && !configured_to_land) {
    takeoff_phase = 1;
  }
  if (takeoff_phase == 1 && configured_to_land) takeoff_phase = 0;
  if (ReadTokenVar604() - init_sim_time > 15.0 && ReadOnGround() != 0 && takeoff_phase > 0) takeoff_phase = 0;
}
