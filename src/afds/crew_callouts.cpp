#include "afds/crew_callouts.h"

#include <cstdint>
#include <string_view>

#include "afds/afds_globals.h"
#include "afds/panel_input_globals.h"
#include "afds/sound_engine.h"
#include "afds/sound_globals.h"
#include "displays/displays_globals.h"
#include "fmc/fmc_globals.h"
#include "sim/sim_globals.h"
#include "base/geodesy.h"
#include "sim/readers_flight.h"
#include "sim/readers_systems.h"
#include "sim/tick_globals.h"
#include "navdb/navdb_globals.h"
#include "platform/findfile.h"
#include "state/aircraft_id_globals.h"
#include "state/config_globals.h"

namespace {

constexpr int32_t kChecklistDoneTicks = 36;
constexpr double kGearLockedValue = 16380.0;
constexpr double kNoRunwayNm = 999.0;

// Sets the delay and the next state; returns the file.
const char* Next(int32_t* state, int32_t next, int32_t delay_ticks, const char* file) {
  *state = next;
  crew_callout_delay = delay_ticks;
  return file;
}

// The cabin's stage and its own delay: an announcement never holds back the crew's callouts.
const char* Announce(int32_t next, int32_t delay_ticks, const char* file) {
  annuncement_mode = next;
  cabin_announce_delay = delay_ticks;
  return file;
}

const char* StepTakeoffCallouts() {
  const double trend = pfd_ias_trend;
  int32_t* s = &to_callout_mode;
  switch (to_callout_mode) {
    case 1:
      if (ias > 77.0 && trend > 0.025) return Next(s, 2, 3, "80 kts.wav");
      break;
    case 2:
      if (ias > static_cast<double>(v1) && trend > 0.005) {
        // A V1 close to VR is not called; the next call is "Rotate".
        if (static_cast<int64_t>(v1) < static_cast<int64_t>(vr) - 5) return Next(s, 3, 3, "V1.wav");
        to_callout_mode = 3;
      }
      break;
    case 3:
      if (ias > static_cast<double>(vr) && trend > 0.005) return Next(s, 4, 3, "Rotate.wav");
      break;
    case 4:
      if (ias > static_cast<double>(v2) && trend > 0.005) return Next(s, 5, 23, "V2.wav");
      break;
    case 5:
      if (radio_height > 50.0 && vert_speed > 100.0) return Next(s, 6, 23, "Positive Rate, Gear Up.wav");
      break;
    case 6: {
      const double flaps = ReadFlapsAngle();
      if (ias >= 195.0 && trend > 0.005 && flaps > 5.9) return Next(s, 7, 25, "Flaps 5.wav");
      if (flaps <= 5.1) to_callout_mode = 7;
      break;
    }
    case 7: {
      const double flaps = ReadFlapsAngle();
      if (ias >= 200.0 && trend > 0.005 && flaps > 1.9) return Next(s, 8, 25, "Flaps 1.wav");
      if (flaps < 1.8) to_callout_mode = 8;
      break;
    }
    case 8:
      if (ias >= 220.0 && trend > 0.005 && ReadFlapsAngle() > 0.5) return Next(s, 9, 3, "Flaps Up.wav");
      break;
    default: break;
  }
  return nullptr;
}

const char* StepLandingChecklist() {
  int32_t* s = &ldg_checklist_mode;
  switch (ldg_checklist_mode) {
    case 1: return Next(s, 2, 45, "Landing Checklist.wav");
    case 2: return Next(s, 3, 20, "SpeedbrakesQ.wav");
    case 3:
      if (ReadTokenVar324() > 0.0) return Next(s, 4, 40, "Armed.wav");
      break;
    case 4: return Next(s, 5, 20, "GearQ.wav");
    case 5:
      if (gear1_pos > kGearLockedValue && gear2_pos > kGearLockedValue && gear3_pos > kGearLockedValue) {
        return Next(s, 6, 40, "Down and 3 Green.wav");
      }
      break;
    case 6: return Next(s, 7, 20, "FlapsQ.wav");
    case 7: {
      const double flaps = ReadFlapsAngle();
      if (ldg_flaps == 20 && flaps > 19.9 && flaps < 20.9) return Next(s, 8, 25, "Flaps 20.wav");
      if (ldg_flaps == 25 && flaps > 24.9 && flaps < 25.9) return Next(s, 8, 25, "Flaps 25.wav");
      if (flaps > 29.9) return Next(s, 8, 25, "Flaps 30.wav");
      break;
    }
    case 8:
      ldg_checklist_done_timer = kChecklistDoneTicks;
      return Next(s, 9, 3, "Landing Checklist Complete.wav");
    default: break;
  }
  return nullptr;
}

bool StartsWithAny(std::string_view id, std::initializer_list<std::string_view> prefixes) {
  for (std::string_view p : prefixes) {
    if (id.starts_with(p)) return true;
  }
  return false;
}

bool InUsArea(std::string_view id) { return StartsWithAny(id, {"K", "P", "NS", "TI", "TJ"}); }

// Identifiers of the active route's first and last rows (empty when the route has none).
void RouteEnds(std::string_view* origin, std::string_view* dest) {
  if (fp_cnt < 0 || fp_cnt >= kRouteRows) return;
  *origin = fms_fpln_act[0].ident;
  *dest = fms_fpln_act[fp_cnt].ident;
}

double DepartureRunwayDistanceNm() {
  if (fms_dep_rwy_pos <= 0 || fms_dep_rwy_pos >= kAirportRunwayRows) return kNoRunwayNm;
  const RunwayRecord& rwy = airport_recs[1].runways[fms_dep_rwy_pos];
  double dist = 0.0;
  double brg = 0.0;
  CalcDistBrg(plane_lat, plane_lon, rwy.lat, rwy.lon, &dist, &brg);
  return dist;
}

// The cabin rules, first match wins; returns the file to play (null also when a rule fired
// silently or nothing is due).
const char* StepCabinAnnouncements() {
  const int32_t stage = annuncement_mode;
  if (radio_height > 1000.0 && stage <= 4) annuncement_mode = 5;
  const double rwy_nm = annuncement_mode <= 5 ? DepartureRunwayDistanceNm() : kNoRunwayNm;
  const int32_t st = annuncement_mode;
  const bool on_ground = ReadOnGround() != 0;
  const bool brake_set = ReadParkingBrake() != 0.0;
  const bool l_door_open = l_entry_doors_anun == 1;
  const bool r_door_open = r_entry_doors_anun == 1;

  if (st == 1 && (l_door_open || r_door_open) && stpos != kNoActiveLeg && brake_set && on_ground) {
    return Announce(2, 1375, "Announce - Boarding.wav");
  }
  if (st == 2 && !l_door_open && !r_door_open && cargo_doors_anun == 0 && brake_set && on_ground) {
    return Announce(3, 700, "Announce - Departure.wav");
  }
  if (st == 3 && !l_door_open && on_ground) {
    // Nothing has ever been loaded into the crew group yet: wait.
    if (crew_buffer == nullptr) return nullptr;
    if (rwy_nm > 0.56) return Announce(4, 825, "OVSafetyDemo.wav");
    annuncement_mode = 4;
    return nullptr;
  }
  if (st <= 4 && ground_speed > 5.0 && ground_speed < 70.0 && on_ground && rwy_nm < 0.28) {
    return Announce(5, 33, "FA Departure.wav");
  }
  if (st <= 5 && (radio_height > 10500.0 || toc == 1)) return Announce(6, 500, "Announce - After Takeoff.wav");
  if (st == 6 && toc == 1) {
    if (seatbelt_sign == 1) return Announce(7, 33, "Announce - Seatbelts Off.wav");
    annuncement_mode = 7;
    return nullptr;
  }
  if (st >= 7 && st <= 11 && toc == 1 && seatbelt_announce_request == 1) {
    seatbelt_announce_request = 0;
    return Announce(st == 7 ? 8 : st, 33, "Announce - Seatbelts On.wav");
  }
  const bool before_tod = dist_to_tod <= 23.0 && toc == 1 && tod == 0;
  std::string_view origin;
  std::string_view dest;
  RouteEnds(&origin, &dest);
  if (st <= 8 && before_tod) {
    if (InUsArea(origin) && StartsWithAny(dest, {"E", "L"})) return Announce(9, 1000, "Announce - Immigration.wav");
    annuncement_mode = 9;
    return nullptr;
  }
  if (st <= 9 && before_tod) {
    if (!InUsArea(origin) && StartsWithAny(dest, {"K", "P"})) return Announce(10, 1000, "Announce - CustomsInfo.wav");
    annuncement_mode = 10;
    return nullptr;
  }
  if (st <= 10 && tod == 1) return Announce(11, 33, "Announce - Initial Descent.wav");
  if (st <= 11 && tod == 1 && radio_height <= 7000.0 && flap_angle >= 4.9) {
    return Announce(12, 33, "Announce - Final Approach.wav");
  }
  if (st <= 12 && flap_angle >= 19.9 && gear1_pos > 16000.0 && tod == 1 && radio_height < 4000.0) {
    return Announce(13, 400, "FA Arrival.wav");
  }
  if (st == 13 && on_ground && ground_speed < 35.0) return Announce(14, 500, "Announce - After Landing.wav");
  return nullptr;
}

}  // namespace

std::string CabinAnnouncementPath(const char* file) {
  if (!pa_airline_code.empty()) {
    const std::string own = sim_root + "\\Orvantel\\Sounds\\RIVOD\\" + pa_airline_code + "\\" + file;
    win32::FindData found{};
    win32::FindHandle h = win32::FindFirstFileA(own.c_str(), &found);
    if (h != win32::kInvalidFindHandle) {
      win32::FindClose(h);
      return own;
    }
  }
  return SoundFolderPath(file);
}

void PlayCrewCallouts() {
  const int32_t volume = VolumeAttenuation(ClampVolume1To100(&VolumeCrewCallouts));
  const char* takeoff = PlayTakeoffCalloutSounds == 1 ? StepTakeoffCallouts() : nullptr;
  const char* checklist = StepLandingChecklist();
  // Both at once does not happen in use (the checklist rests at 10 on the ground); the later wins.
  if (const char* file = checklist != nullptr ? checklist : takeoff) {
    PlayGroupSound(SoundGroup::kCrew, file, volume, false);
    return;
  }
  if (play_announcements != 1 || cabin_announce_delay != 0) return;
  if (const char* file = StepCabinAnnouncements()) {
    PlayGroupFile(SoundGroup::kCrew, CabinAnnouncementPath(file), volume, false);
  }
}
