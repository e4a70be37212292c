#include "afds/standby_gyro.h"

#include <cmath>
#include <numbers>

#include "afds/afds_globals.h"
#include "afds/panel_input_globals.h"
#include "afds/systems_globals.h"
#include "displays/displays_globals.h"
#include "sim/tick_globals.h"

namespace {

constexpr double kRestPitchDeg = -55.0;
constexpr double kRestBankDeg = -30.0;
constexpr double kBankStepDeg = 0.5;
constexpr double kPitchStepDeg = 1.0;
// Within this the bank snaps to its target.
constexpr double kBankSnapDeg = 1.0;
// Added to a bank at or below 0 so that the published value is positive; 6.3, not 2 pi, is what the
// cockpit animation is built for.
constexpr double kPublishedBankOffset = 6.3;

void PublishBank() {
  stdby_att_bank = stdby_att_bank_deg * std::numbers::pi / 180.0;
  if (stdby_att_bank_deg <= 0.0) stdby_att_bank += kPublishedBankOffset;
}

void Erect() {
  if (plane_bank - stdby_att_bank_deg > kBankSnapDeg) {
    stdby_att_bank_deg += kBankStepDeg;
  } else if (stdby_att_bank_deg - plane_bank > kBankSnapDeg) {
    stdby_att_bank_deg -= kBankStepDeg;
  } else {
    stdby_att_bank_deg = plane_bank;
  }
  // Pitch only climbs step by step (and may pass the target by up to a step); lower is taken at once.
  if (plane_pitch > stdby_att_pitch) {
    stdby_att_pitch += kPitchStepDeg;
  } else {
    stdby_att_pitch = plane_pitch;
  }
  if (stdby_att_pitch == plane_pitch && stdby_att_bank_deg == plane_bank) stdby_att_erecting = 0;
}

void RunDown() {
  if (stdby_att_bank_deg > kRestBankDeg + kBankSnapDeg) {
    stdby_att_bank_deg -= kBankStepDeg;
  } else if (stdby_att_bank_deg < kRestBankDeg - kBankSnapDeg) {
    stdby_att_bank_deg += kBankStepDeg;
  } else {
    stdby_att_bank_deg = kRestBankDeg;
  }
  if (stdby_att_pitch > kRestPitchDeg) {
    stdby_att_pitch -= kPitchStepDeg;
  } else {
    stdby_att_pitch = kRestPitchDeg;
  }
  if (stdby_att_bank_deg == kRestBankDeg && stdby_att_pitch == kRestPitchDeg) stdby_att_toppling = 0;
}

}  // namespace

void UpdateStandbyGyro() {
  const bool powered = ac_power != 0 && stdby_power_switch != 0;
  // The gyro steps from where it stands, and no step leads away from an infinite attitude: a sample
  // that is not finite leaves it where it is, and the next good one moves it on.
  if (powered && !(std::isfinite(plane_pitch) && std::isfinite(plane_bank))) return;
  if (powered && stdby_att_erecting != 1) {
    stdby_att_pitch = plane_pitch;
    stdby_att_bank_deg = plane_bank;
  } else if (powered) {
    Erect();
  } else if (stdby_att_toppling != 1) {
    stdby_att_bank_deg = kRestBankDeg;
    stdby_att_pitch = kRestPitchDeg;
  } else {
    RunDown();
  }
  PublishBank();
}
