#include "state/panel_state_format.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "afds/afds_globals.h"
#include "afds/afds_services.h"
#include "afds/ap_key_events.h"
#include "afds/mcp_knobs.h"
#include "afds/restored_modes.h"
#include "cdu/cdu_globals.h"
#include "displays/displays_globals.h"
#include "fmc/entry_limits.h"
#include "fmc/fmc_globals.h"
#include "fmc/hold_legs.h"
#include "fmc/proc_route.h"
#include "fmc/route_model.h"
#include "fmc/thrust_limits.h"
#include "fmc/vertical_profile.h"
#include "sim/sim_globals.h"
#include "base/int_conversion.h"
#include "sim/named_vars.h"
#include "sim/readers_flight.h"
#include "sim/readers_systems.h"
#include "sim/tick_globals.h"
#include "nd/efis_options.h"
#include "nd/nd_globals.h"
#include "navdb/coordinate_text.h"
#include "navdb/navdb_text.h"
#include "platform/host_api.h"
#include "state/config_globals.h"
#include "state/config_keys.h"
#include "platform/paths.h"

namespace {

constexpr int32_t kFplnFields = 14;
constexpr int32_t kHoldFields = 9;
constexpr int32_t kMaxHoldRow = 10;
constexpr int32_t kMaxRunwayRow = 22;
constexpr int32_t kBatteryPositions = 8;  // two per switch state, with the guard open or shut

// Key events a restored state sends (value 0 unless stated).
constexpr uint32_t kEventEng1Cutoff = 0x101C3;
constexpr uint32_t kEventEng2Cutoff = 0x101C8;
constexpr uint32_t kEventApMach = 0x1017C;
constexpr uint32_t kEventCourse = 0x100B4;
constexpr uint32_t kEventBattery = 0x102C1;

constexpr char kFirstSection[] = "[FLTSIM]";
constexpr char kRouteRowKey[] = "FPLN";
constexpr char kHoldRowKey[] = "HOLD";
constexpr char kBuiltRowKey[] = "FPLN_MOD";
constexpr char kBuiltCountKey[] = "fp_mod_cnt";

// Set when a file's MCP altitude is taken; sent once the modes it depends on are read too.
bool mcp_altitude_loaded = false;

using WriteFn = void (*)(FILE* f, const char* key);
using ReadFn = void (*)(std::string_view value);

// A switch row holds a flag the readers test as 0 or 1: anything but 1 is read as off.
enum class Row { kSection, kValue, kSwitch };

struct PanelKey {
  Row kind;
  const char* key;
  WriteFn write;
  ReadFn read;  // null: the reader has no entry (written only, or a repeat of an earlier key)
  // The limits of the value: the CDU entry's or the control's positions, or a place on the globe; a
  // value they refuse keeps the variable as it was. Null for a value taken as it reads.
  PanelValueCheck valid = nullptr;
};

// ---- values as written ----

void PutI32(FILE* f, const char* key, int32_t v) { std::fprintf(f, "%s=%d\n", key, v); }
void PutF64(FILE* f, const char* key, int decimals, double v) { std::fprintf(f, "%s=%.*f\n", key, decimals, v); }
void PutText(FILE* f, const char* key, const std::string& v) { std::fprintf(f, "%s=%s\n", key, v.c_str()); }

int32_t I32(std::string_view v) { return ParseConfigI32(v); }
double F64(std::string_view v) { return ParseConfigF64(v); }

// The comma-separated fields of a row's value, at most `max` of them; returns how many there are.
int32_t SplitRowFields(std::string_view value, std::string_view* fields, int32_t max) {
  int32_t n = 0;
  for (size_t start = 0; n < max;) {
    const size_t comma = value.find(',', start);
    fields[n++] = value.substr(start, comma == std::string_view::npos ? value.npos : comma - start);
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return n;
}

template <int32_t* V>
void WriteI32(FILE* f, const char* key) {
  PutI32(f, key, *V);
}
template <double* V, int Decimals>
void WriteF64(FILE* f, const char* key) {
  PutF64(f, key, Decimals, *V);
}

template <std::string* V>
void WriteText(FILE* f, const char* key) {
  PutText(f, key, *V);
}

template <int32_t* V>
void ReadI32(std::string_view v) {
  *V = I32(v);
}
template <double* V>
void ReadF64(std::string_view v) {
  *V = F64(v);
}
template <std::string* V>
void ReadText(std::string_view v) {
  V->assign(v);
}
// The variable and its named variable.
template <int32_t* V, uint32_t* Id, const char* const* Name>
void ReadI32Nv(std::string_view v) {
  *V = I32(v);
  host::WriteNamedVar(*Name, Id, *V);
}
// A mode flag, read as a switch: anything but 1 is off, never a mode neither on nor off.
template <int32_t* V>
void ReadSwitch(std::string_view v) {
  *V = I32(v) == 1 ? 1 : 0;
}
// The same with its named variable.
template <int32_t* V, uint32_t* Id, const char* const* Name>
void ReadSwitchNv(std::string_view v) {
  ReadSwitch<V>(v);
  host::WriteNamedVar(*Name, Id, *V);
}
// Limits of a row's value (PanelKey::valid), each taking only a value that is a number: one that is
// not reads 0, which neither a control nor a CDU entry gives for it. Values used elsewhere as indexes
// or modes: lo..hi.
template <int32_t Lo, int32_t Hi>
bool IntIn(std::string_view v) {
  const int32_t x = I32(v);
  return ConfigValueIsNumber(v) && x >= Lo && x <= Hi;
}
// The rule of the CDU entry that takes the same value, on the number the row reads.
template <bool (*Accepted)(double)>
bool IntAccepted(std::string_view v) {
  return ConfigValueIsNumber(v) && Accepted(I32(v));
}
template <bool (*Accepted)(double)>
bool RealAccepted(std::string_view v) {
  return ConfigValueIsNumber(v) && Accepted(F64(v));
}
// A coordinate by the rule of every position read from a file.
template <CoordAxis Axis>
bool Coordinate(std::string_view v) {
  double deg = 0.0;
  return ReadDecimalDegrees(v, Axis, &deg);
}
// A cruise altitude the CDU would refuse is none: the state loads as if it had none.
template <int32_t* V>
void ReadCruiseAlt(std::string_view v) {
  const int32_t ft = I32(v);
  *V = CruiseAltitudeAccepted(ft) ? ft : 0;
}
// The file holds no start of the descent's path, which the T/C takes from the T/D: without it the
// path past the T/D would be measured from 0N 0E after a restart, or from a route flown before.
template <double* Tod, double* Start>
void ReadTodPoint(std::string_view v) {
  *Start = *Tod = F64(v);
}
// Runway rows: one outside 0..22 means no runway.
template <int32_t* V>
void ReadRunwayRow(std::string_view v) {
  const int32_t x = I32(v);
  *V = (x >= 0 && x <= kMaxRunwayRow) ? x : 0;
}

#define RO_NV(ident) &ident##_id, &nv::ident

#define PK_SECTION(text) {Row::kSection, text, nullptr, nullptr}
#define PK_I32(v) {Row::kValue, #v, &WriteI32<&v>, &ReadI32<&v>}
#define PK_I32_NV(v, nvident) {Row::kValue, #v, &WriteI32<&v>, &ReadI32Nv<&v, RO_NV(nvident)>}
#define PK_SWITCH_NV(v, nvident) {Row::kSwitch, #v, &WriteI32<&v>, &ReadSwitchNv<&v, RO_NV(nvident)>}
#define PK_SWITCH(v) {Row::kSwitch, #v, &WriteI32<&v>, &ReadSwitch<&v>}
#define PK_I32_RANGE(v, lo, hi) {Row::kValue, #v, &WriteI32<&v>, &ReadI32<&v>, &IntIn<lo, hi>}
#define PK_I32_RANGE_NV(v, lo, hi, nvident) \
  {Row::kValue, #v, &WriteI32<&v>, &ReadI32Nv<&v, RO_NV(nvident)>, &IntIn<lo, hi>}
// A value the crew types on the CDU, within that entry's limits (fmc/entry_limits.h).
#define PK_I32_ENTRY(v, rule) {Row::kValue, #v, &WriteI32<&v>, &ReadI32<&v>, &IntAccepted<&rule>}
#define PK_F64(v, decimals) {Row::kValue, #v, &WriteF64<&v, decimals>, &ReadF64<&v>}
#define PK_MACH(v, rule) {Row::kValue, #v, &WriteF64<&v, 2>, &ReadF64<&v>, &RealAccepted<&rule>}
#define PK_IAS(v) PK_I32_ENTRY(v, ScheduleIasEntryAccepted)
#define PK_LAT(v) {Row::kValue, #v, &WriteF64<&v, 6>, &ReadF64<&v>, &Coordinate<CoordAxis::kLatitude>}
#define PK_LON(v) {Row::kValue, #v, &WriteF64<&v, 6>, &ReadF64<&v>, &Coordinate<CoordAxis::kLongitude>}
#define PK_TEXT(v) {Row::kValue, #v, &WriteText<&v>, &ReadText<&v>}
#define PK_SAVED_I32(v) {Row::kValue, #v, &WriteI32<&v>, nullptr}
#define PK_SAVED_F64(v, decimals) {Row::kValue, #v, &WriteF64<&v, decimals>, nullptr}
// An overhead switch or light: the variable and the named variable of the same name.
#define PK_OVH(v) PK_I32_NV(v, v)
// The same for one of positions 0..hi, the ones its clicks and lights move between: a switch left
// outside them would never move again.
#define PK_OVH_RANGE(v, hi) PK_I32_RANGE_NV(v, 0, hi, v)

// ---- rows with their own writer or reader ----

bool RouteActive() { return stpos != kNoActiveLeg; }

// The route tables hold a route: one with an active leg, one entered and not yet executed, or an
// origin typed alone (no active leg until a destination comes).
bool RouteEntered() {
  return fp_cnt >= 0 && (RouteActive() || fms_fpln_active != 0 || orig_ident != kNoProcSelection);
}

// A route built and not yet executed lives in the modified route only.
bool RouteBuiltNotExecuted() { return (fms_fpln_active == 1 || fms_fpln_active == 2) && fp_mod_cnt >= 0; }

void WriteRouteRows(FILE* f, const char* key, const RouteLeg* legs, int32_t count) {
  for (int32_t i = 0; i <= ClampedLastRow(count); ++i) {
    const RouteLeg& r = legs[i];
    std::fprintf(f, "%s=%s,%.6f,%.6f,%s", key, r.ident.c_str(), r.lat, r.lon, r.type.c_str());
    std::fprintf(f, ",%s,%s,%s,%s", r.freq.c_str(), r.aux_text.c_str(), r.via.c_str(), r.proc.c_str());
    std::fprintf(f, ",%s,%.0f,%d,%.0f", r.eta.c_str(), r.alt, r.restr, r.ias);
    std::fprintf(f, ",%.0f,%d\n", r.intc_crs, r.hold_idx);
  }
}

void WriteFplnRows(FILE* f, const char* key) {
  if (RouteEntered()) WriteRouteRows(f, key, fms_fpln_act, fp_cnt);
}

// After the active route's rows (which a route not executed keeps as its ORIGIN and DEST entries made
// them), the route built on them, with its own count; files without these rows load as before.
void WriteBuiltRowCount(FILE* f, const char* key) {
  if (RouteBuiltNotExecuted()) PutI32(f, key, fp_mod_cnt);
}
void WriteBuiltRows(FILE* f, const char* key) {
  if (RouteBuiltNotExecuted()) WriteRouteRows(f, key, fms_fpln_mod, fp_mod_cnt);
}
// The cruise level a plan taken from a file leaves for the EXEC of the route built from it.
void WriteBuiltCruiseAlt(FILE* f, const char* key) {
  if (RouteBuiltNotExecuted() && pending_cruise_alt > 0) PutI32(f, key, pending_cruise_alt);
}

void ReadFplnRow(std::string_view v) {
  const int32_t row = std::max(fp_mod_cnt, -1) + 1;
  if (row > kLastRouteRow) return;  // the table is full; the writer never gets here
  RouteLeg leg = fms_fpln_mod[row];
  if (!ParseFplnRow(v, &leg)) return;
  fms_fpln_mod[row] = leg;
  fp_mod_cnt = row;
}

// The hold table after the route rows, while they are written; the legs name the rows by number.
void WriteHoldRows(FILE* f, const char* key) {
  if (!RouteEntered()) return;
  for (int32_t i = 1; i <= UsedHoldRows(); ++i) {
    const RouteHold& h = route_holds[i];
    std::fprintf(f, "%s=%s,%d,%d,%.6f,%d,%.6f,%.6f,%.6f,%.6f\n", key, h.fix.c_str(), h.leg, h.turn, h.inbd_crs,
                 h.leg_mode, h.leg_time, h.leg_dist, h.lat, h.lon);
  }
}

// A range the knobs can select; one off their ladder keeps the map's range.
template <double* V>
void ReadMapRange(std::string_view v) {
  if (const double nm = F64(v); OnRangeLadder(nm)) *V = nm;
}

// The range knobs step both NDs together from their own ranges: a file without the flat-panel ND's
// own row gives it the classic ND's, and a file with one has it after.
void ReadNdRange(std::string_view v) {
  ReadMapRange<&nd_rng_nm>(v);
  fpnd_rng_nm = nd_rng_nm;
}

// Likewise the EHSI's mode, on the classic ND's where the EHSI has that mode (1 to 3).
void ReadNdMode(std::string_view v) {
  const int32_t mode = I32(v);
  if (mode < 1 || mode > 4) return;
  nd_mode = mode;
  if (mode <= 3) fp_ehsi_mode = mode;
}

void ReadBattery(std::string_view v) {
  if (const int32_t b = I32(v); b < 0 || b >= kBatteryPositions) return;
  battery_button = I32(v);
  NV_SET(battery_button, battery_button);
  // The simulator's battery follows the switch: toggle it when the two disagree.
  const bool switch_on = battery_button >= 2 && battery_button <= 5;
  const bool sim_on = ReadTokenVar364() != 0.0;
  const bool switch_off = battery_button == 0 || battery_button == 1 || battery_button == 6 || battery_button == 7;
  if ((switch_off && sim_on) || (switch_on && !sim_on)) host::TriggerKeyEvent(kEventBattery, 0);
}

// The MCP speed and V/S windows live only in their named variables.
void WriteMcpWindow(FILE* f, const char* key, bool vs) {
  int32_t ias_window = 0, vs_window = 0;
  GetIasVsShowVars(&ias_window, &vs_window);
  PutI32(f, key, vs ? vs_window : ias_window);
}

template <int32_t* V, uint32_t Event>
void ReadFuelLever(std::string_view v) {
  *V = I32(v);
  if (*V == 2) host::TriggerKeyEvent(Event, 0);
}

// The whole file in order. Keys that stand twice are read at their first place only.
constexpr PanelKey kPanelKeys[] = {
    PK_SECTION(kFirstSection),
    {Row::kValue, "aircraft", [](FILE* f, const char* k) { PutText(f, k, aircraft); }, nullptr},
    {Row::kValue, "alt", [](FILE* f, const char* k) { PutF64(f, k, 0, GetIndicatedAltitude()); }, nullptr},
    {Row::kValue, "gsp", [](FILE* f, const char* k) { PutF64(f, k, 0, ReadGroundSpeed()); }, nullptr},
    {Row::kValue, "hdg", [](FILE* f, const char* k) { std::fprintf(f, "%s=%03.0f\n", k, ReadPlaneHdg()); }, nullptr},
    {Row::kValue, "ias", [](FILE* f, const char* k) { PutF64(f, k, 0, ReadAirspeedSmoothed()); }, nullptr},
    {Row::kValue, "lat", [](FILE* f, const char* k) { PutF64(f, k, 6, ReadPlaneLat()); }, nullptr},
    {Row::kValue, "lon", [](FILE* f, const char* k) { PutF64(f, k, 6, ReadPlaneLon()); }, nullptr},

    PK_SECTION("[FLTPLN]"),
    PK_SWITCH(toc),
    PK_LAT(toc_lat),
    PK_LON(toc_lon),
    PK_SWITCH(tod),
    PK_SWITCH(init_tod),
    {Row::kValue, "tod_lat", &WriteF64<&tod_lat, 6>, &ReadTodPoint<&tod_lat, &last_restr_lat>,
     &Coordinate<CoordAxis::kLatitude>},
    {Row::kValue, "tod_lon", &WriteF64<&tod_lon, 6>, &ReadTodPoint<&tod_lon, &last_restr_lon>,
     &Coordinate<CoordAxis::kLongitude>},
    PK_F64(tod_rod, 0),
    PK_I32_RANGE(toc_stpos, 0, kLastRouteRow),
    PK_I32_RANGE(tod_stpos, 0, kLastRouteRow),
    // A restored active route waits for EXEC (or for the loader's own execution).
    {Row::kValue, "fms_fpln_active", &WriteI32<&fms_fpln_active>,
     [](std::string_view v) { fms_fpln_active = I32(v) == 3 ? 4 : I32(v); }},
    PK_SAVED_I32(fp_cnt),
    PK_I32(stpos),
    PK_F64(cross_at_elev, 0),
    {Row::kValue, kRouteRowKey, &WriteFplnRows, &ReadFplnRow},
    // Taken by the loader once the route stands (SavedHoldRows).
    {Row::kValue, kHoldRowKey, &WriteHoldRows, nullptr},
    // Taken by the loader (SavedBuiltRows), the count by RouteOutline.
    {Row::kValue, kBuiltCountKey, &WriteBuiltRowCount, nullptr},
    {Row::kValue, kBuiltRowKey, &WriteBuiltRows, nullptr},

    PK_SECTION("[EFIS]"),
    PK_SWITCH(ctr_mode),
    {Row::kValue, "lower_eicas_mode", &WriteI32<&lower_eicas_mode>,
     [](std::string_view v) {
       const int32_t x = I32(v);
       if (x < 0 || x > 2) return;
       lower_eicas_mode = x;
       NV_SET(eng_lwr_eicas, x);
     }},
    {Row::kValue, "nd_rng_nm", &WriteF64<&nd_rng_nm, 1>, &ReadNdRange},
    {Row::kValue, "nd_mode", &WriteI32<&nd_mode>, &ReadNdMode},
    // The flat-panel maps' own selections, after the classic ND's, which old files alone hold.
    {Row::kValue, "fpnd_rng_nm", &WriteF64<&fpnd_rng_nm, 1>, &ReadMapRange<&fpnd_rng_nm>},
    PK_I32_RANGE(fpnd_mode, 3, 4),
    {Row::kValue, "fp_ehsi_rng_nm", &WriteF64<&fp_ehsi_rng_nm, 1>, &ReadMapRange<&fp_ehsi_rng_nm>},
    PK_I32_RANGE(fp_ehsi_mode, 1, 3),
    PK_I32_NV(EadiMode, eadi_style),

    PK_SECTION("[FMS]"),
    {Row::kValue, "cruise_alt", &WriteI32<&cruise_alt>, &ReadCruiseAlt<&cruise_alt>},
    {Row::kValue, "init_cruise_alt", &WriteI32<&init_cruise_alt>, &ReadCruiseAlt<&init_cruise_alt>},
    {Row::kValue, "pending_cruise_alt", &WriteBuiltCruiseAlt, &ReadCruiseAlt<&pending_cruise_alt>},
    {Row::kValue, "fms_dep_rwy_pos", &WriteI32<&fms_dep_rwy_pos>, &ReadRunwayRow<&fms_dep_rwy_pos>},
    {Row::kValue, "fms_dest_rwy_pos", &WriteI32<&fms_dest_rwy_pos>, &ReadRunwayRow<&fms_dest_rwy_pos>},
    PK_TEXT(sid_sel),
    PK_TEXT(sid_trans_sel),
    PK_TEXT(co_route),  // the stored plan the route was taken from, on the RTE page
    PK_I32(fms_page),
    PK_I32_ENTRY(ldg_flaps, LandingFlapsAccepted),
    PK_SWITCH(lnav_init_mode),
    PK_LAT(lnav_init_lat),
    PK_LON(lnav_init_lon),
    PK_LAT(lnav_join_trk_lat),
    PK_LON(lnav_join_trk_lon),
    PK_F64(lnav_join_trk, 0),
    PK_I32_ENTRY(to_flaps, TakeoffFlapsAccepted),
    // Speeds not set are saved as 0.
    PK_I32_ENTRY(v1, TakeoffSpeedOrNone),
    PK_I32_ENTRY(vr, TakeoffSpeedOrNone),
    PK_I32_ENTRY(v2, V2OrNone),
    PK_I32_ENTRY(vref, V2OrNone),
    // The pilot's V-speeds, which the take-off table must not replace.
    PK_I32(v1_set),
    PK_I32(vr_set),
    PK_I32(v2_set),
    PK_I32_ENTRY(cost_index, CostIndexAccepted),
    {Row::kValue, "reserves", &WriteF64<&reserves, 1>,
     [](std::string_view v) {
       if (const double lb = F64(v); lb >= 0.0) reserves = lb;
     }},
    PK_IAS(climb_ias),
    PK_MACH(climb_mach, ClimbMachAccepted),
    PK_IAS(cruise_ias),
    PK_MACH(cruise_mach, CruiseMachAccepted),
    PK_IAS(descent_ias),
    PK_MACH(descent_mach, CruiseMachAccepted),
    PK_SWITCH(man_climb_spd),
    PK_SWITCH(man_cruise_spd),
    PK_SWITCH(man_descent_spd),
    // The LNAV leg only while a route is active.
    {Row::kValue, "ToId", [](FILE* f, const char* k) { if (RouteActive()) PutText(f, k, lnav_leg[0].ToId); },
     [](std::string_view v) { lnav_leg[0].ToId.assign(v); }},
    {Row::kValue, "to_lat", [](FILE* f, const char* k) { if (RouteActive()) PutF64(f, k, 6, lnav_leg[0].to_lat); },
     [](std::string_view v) { lnav_leg[0].to_lat = F64(v); }, &Coordinate<CoordAxis::kLatitude>},
    {Row::kValue, "to_lon", [](FILE* f, const char* k) { if (RouteActive()) PutF64(f, k, 6, lnav_leg[0].to_lon); },
     [](std::string_view v) { lnav_leg[0].to_lon = F64(v); }, &Coordinate<CoordAxis::kLongitude>},
    {Row::kValue, "FrId", [](FILE* f, const char* k) { if (RouteActive()) PutText(f, k, lnav_leg[0].FrId); },
     [](std::string_view v) { lnav_leg[0].FrId.assign(v); }},
    {Row::kValue, "fr_lat", [](FILE* f, const char* k) { if (RouteActive()) PutF64(f, k, 6, lnav_leg[0].fr_lat); },
     [](std::string_view v) { lnav_leg[0].fr_lat = F64(v); }, &Coordinate<CoordAxis::kLatitude>},
    {Row::kValue, "fr_lon", [](FILE* f, const char* k) { if (RouteActive()) PutF64(f, k, 6, lnav_leg[0].fr_lon); },
     [](std::string_view v) { lnav_leg[0].fr_lon = F64(v); }, &Coordinate<CoordAxis::kLongitude>},

    PK_SECTION("[PEDESTAL]"),
    {Row::kValue, "eng1_thrott", &WriteI32<&eng1_thrott>, &ReadFuelLever<&eng1_thrott, kEventEng1Cutoff>},
    {Row::kValue, "eng2_thrott", &WriteI32<&eng2_thrott>, &ReadFuelLever<&eng2_thrott, kEventEng2Cutoff>},

    PK_SECTION("[MCP]"),
    // Written as a real and read as an integer. The simulator's autopilot follows the panel, engaged
    // or not, with the modes (afds/restored_modes), and at the window's altitude.
    {Row::kValue, "ap_master", [](FILE* f, const char* k) { PutF64(f, k, 0, ReadApMaster()); },
     [](std::string_view v) { RestoreApMaster(I32(v)); }},
    PK_SWITCH_NV(alt_hold_mode, alt_hold),
    // The MCP's targets go to the simulator's autopilot as its knobs send them, and only what the
    // knobs can set: one outside their range keeps the target the autopilot flies. The altitude goes
    // after the whole file (TakeLoadedMcpAltitude): under VNAV it depends on the phase, read later.
    {Row::kValue, "alt_sel_num", &WriteI32<&alt_sel_num>,
     [](std::string_view v) {
       if (const int32_t ft = I32(v); ft < 0 || ft > kMcpMaxAltitudeFt) return;
       ReadI32Nv<&alt_sel_num, RO_NV(alt_sel_num)>(v);
       mcp_altitude_loaded = true;
     }},
    {Row::kValue, "ap_spdbug", &WriteF64<&ap_spdbug, 0>,
     [](std::string_view v) {
       if (const double kt = F64(v); !(kt >= kMcpMinSpeedKt && kt <= kMcpMaxSpeedKt)) return;
       ap_spdbug = F64(v);
       ap_event::Send(ap_event::kAirspeedTarget, TruncToI32(ap_spdbug));
     }},
    {Row::kValue, "ap_mach_bug", &WriteF64<&ap_mach_bug, 2>,
     [](std::string_view v) {
       ap_mach_bug = F64(v);
       host::TriggerKeyEvent(kEventApMach, 0);
     }},
    PK_SWITCH_NV(apleft, apleft),
    PK_SWITCH_NV(apcenter, apcenter),
    PK_SWITCH_NV(apright, apright),
    PK_SWITCH_NV(app_mode, app),
    {Row::kValue, "epr_bug", &WriteF64<&epr_bug, 2>, [](std::string_view v) { epr_bug_2 = epr_bug = F64(v); }},
    PK_SWITCH(flch),
    PK_SWITCH(gs_capture),
    PK_SWITCH_NV(hdg_hold_mode, hdg_hold),
    // A heading the knob can set; its 360 is north, as the knob folds it.
    {Row::kValue, "hdg_sel_dir", &WriteF64<&hdg_sel_dir, 0>,
     [](std::string_view v) {
       const double deg = F64(v);
       if (!(deg >= 0.0 && deg <= 360.0)) return;
       hdg_sel_dir = deg == 360.0 ? 0.0 : deg;
       NV_SET(hdg_sel_dir, std::trunc(hdg_sel_dir));
     }},
    PK_SWITCH(hdg_sel_mode),
    PK_SWITCH(loc_capture),
    PK_SWITCH_NV(loc_mode, loc),
    PK_SWITCH_NV(lnav, lnav),
    PK_SWITCH(nav_radio_mode),
    PK_SWITCH(speed_mode_select),
    PK_I32_RANGE(tmsp, 0, 7),
    PK_SWITCH_NV(thrust_hold, thrust),
    // Restoring VNAV in any state makes the VNAV logic run a fresh pass.
    {Row::kSwitch, "vnav", &WriteI32<&vnav>,
     [](std::string_view v) {
       ReadSwitchNv<&vnav, RO_NV(vnav)>(v);
       vnav_pnl_restored = 1;
       vnav_des_active = 0;
       vnav_init_flag = 1;
     }},
    PK_SWITCH(vnav_armed),
    PK_SWITCH(to_roll_mode),
    PK_SWITCH(to_pitch_mode),
    PK_SWITCH_NV(vs_hold_mode, vs_hold),
    {Row::kSwitch, "spd_hold_mode", &WriteI32<&spd_hold>, &ReadSwitchNv<&spd_hold, RO_NV(spd_hold)>},
    // The simulator's receiver takes the course, as from the MCP's knob: the maps show its course.
    {Row::kValue, "crs_dir", &WriteF64<&crs_dir, 0>,
     [](std::string_view v) {
       const double crs = F64(v);
       if (!(crs >= 0.0 && crs <= 360.0)) return;  // none the knob can set (-99: none set)
       crs_dir = crs;
       host::TriggerKeyEvent(kEventCourse, TruncToI32(crs_dir));
     }},
    {Row::kValue, "spd_window", [](FILE* f, const char* k) { WriteMcpWindow(f, k, false); },
     [](std::string_view v) { NV_SET(ias_show, I32(v)); }},
    {Row::kValue, "vs_window", [](FILE* f, const char* k) { WriteMcpWindow(f, k, true); },
     [](std::string_view v) { NV_SET(vs_show, I32(v)); }},
    PK_SAVED_I32(annuncement_mode),

    PK_SECTION("[MAIN]"),
    PK_SWITCH(auto_brake_status),
    PK_I32_RANGE_NV(auto_brake_switch, 0, 6, auto_brake_switch),  // RTO, OFF, 1 to 4, MAX
    PK_SAVED_F64(epr_bug, 2),
    PK_I32(ldg_checklist_mode),
    PK_SWITCH_NV(ldg_checklist, ldg_checklist),
    PK_I32(to_callout_mode),
    PK_I32_NV(asi_bug1, asi_bug1),
    PK_I32_NV(asi_bug2, asi_bug2),
    PK_I32_NV(asi_bug3, asi_bug3),
    PK_I32_RANGE(autoland_mode, 0, 4),  // off, armed, below 1500 ft, flare, rollout
    {Row::kValue, "to_epr_temp_sel", &WriteF64<&to_epr_temp_sel, 0>, &ReadF64<&to_epr_temp_sel>,
     &RealAccepted<&AssumedTemperatureAccepted>},

    PK_SECTION("[OVERHEAD]"),
    PK_OVH_RANGE(beg_start_button, 2),
    PK_OVH_RANGE(aft_xfeed_fuel_pump, 3),
    PK_OVH_RANGE(fwd_xfeed_fuel_pump, 3),
    PK_OVH_RANGE(apu_bleed, 3),
    PK_OVH_RANGE(apu_fault_light, 1),
    PK_I32_RANGE(apu_mode, 0, 2),
    PK_OVH_RANGE(apu_run_light, 1),
    PK_OVH_RANGE(apu_switch, 2),
    {Row::kValue, "battery_button", &WriteI32<&battery_button>, &ReadBattery},
    PK_OVH_RANGE(isol_air_valve, 3),
    PK_OVH_RANGE(l_eng_hyd_pump_mode, 3),
    PK_OVH_RANGE(r_eng_hyd_pump_mode, 3),
    PK_OVH_RANGE(l_elec_hyd_pump_mode, 3),
    PK_OVH_RANGE(r_elec_hyd_pump_mode, 3),
    PK_OVH_RANGE(c_elec_hyd1_pump_mode, 3),
    PK_OVH_RANGE(c_elec_hyd2_pump_mode, 3),
    PK_OVH_RANGE(irs_l_anun_mode, 3),
    PK_OVH_RANGE(irs_c_anun_mode, 3),
    PK_OVH_RANGE(irs_r_anun_mode, 3),
    PK_OVH_RANGE(irs_l_anun_knob, 1),
    PK_OVH_RANGE(irs_c_anun_knob, 1),
    PK_OVH_RANGE(irs_r_anun_knob, 1),
    PK_OVH_RANGE(l_aft_fuel_pump, 3),
    PK_OVH_RANGE(r_aft_fuel_pump, 3),
    PK_OVH_RANGE(l_ctr_fuel_pump, 2),
    PK_OVH_RANGE(r_ctr_fuel_pump, 2),
    PK_OVH_RANGE(l_fwd_fuel_pump, 3),
    PK_OVH_RANGE(r_fwd_fuel_pump, 3),
    PK_OVH_RANGE(l_eng_bleed, 2),
    PK_OVH_RANGE(r_eng_bleed, 2),
    PK_OVH_RANGE(l_eng_start_light, 1),
    PK_OVH_RANGE(r_eng_start_light, 1),
    PK_OVH_RANGE(l_eng_start_switch, 1),
    PK_OVH_RANGE(r_eng_start_switch, 1),
    PK_OVH_RANGE(l_gen_cont, 3),
    PK_OVH_RANGE(r_gen_cont, 3),
    PK_OVH_RANGE(l_gen_disc_drive, 1),
    PK_OVH_RANGE(r_gen_disc_drive, 1),
    PK_OVH_RANGE(l_pack_reset, 2),
    PK_OVH_RANGE(r_pack_reset, 2),
    PK_OVH_RANGE(l_pack_switch, 1),
    PK_OVH_RANGE(r_pack_switch, 1),
    PK_OVH_RANGE(l_utility_bus, 2),
    PK_OVH_RANGE(r_utility_bus, 2),
    PK_OVH_RANGE(l_yaw_damper_mode, 3),
    PK_OVH_RANGE(r_yaw_damper_mode, 3),
    // The panel's own switches, read back from it on every tick.
    PK_OVH(no_smoking_sign),
    PK_OVH(seatbelt_sign),
    PK_OVH_RANGE(noseldglt, 1),
    PK_OVH_RANGE(wingldglt, 1),
    PK_OVH_RANGE(stdby_power_switch, 1),
    PK_OVH_RANGE(ext_power_button, 2),
    PK_OVH(emer_lights_switch),  // read back from the panel, as the signs
    PK_OVH_RANGE(wing_anti_ice_valve, 3),
    PK_OVH_RANGE(l_eng_anti_ice_valve, 3),
    PK_OVH_RANGE(r_eng_anti_ice_valve, 3),
    PK_I32_RANGE(ac_power, 0, 5),

    PK_SECTION("[OVCP]"),
    PK_SWITCH(cargo_doors_anun),
    PK_SAVED_I32(EadiMode),
    PK_I32_NV(FlightDirectorType, fd_style),
    PK_SWITCH(l_entry_doors_anun),
    PK_SWITCH(r_entry_doors_anun),
    PK_SWITCH_NV(lite_mode, panel_mode),
    PK_SAVED_I32(to_callout_mode),
    PK_SWITCH_NV(play_announcements, ov_cabin_announcements),
};

using platform::LowerAscii;

std::string Lowered(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(), LowerAscii);
  return out;
}

// The readable keys, lower-cased and sorted, for the reader's look-up.
struct KeyIndexEntry {
  std::string key;
  const PanelKey* row;
};

const std::vector<KeyIndexEntry>& KeyIndex() {
  static const std::vector<KeyIndexEntry> index = [] {
    std::vector<KeyIndexEntry> v;
    for (const PanelKey& k : kPanelKeys) {
      if (k.read != nullptr) v.push_back({Lowered(k.key), &k});
    }
    std::sort(v.begin(), v.end(), [](const KeyIndexEntry& a, const KeyIndexEntry& b) { return a.key < b.key; });
    return v;
  }();
  return index;
}

// The row that reads `key`, null when the reader knows no such key.
const PanelKey* ReaderOf(std::string_view key) {
  const std::vector<KeyIndexEntry>& index = KeyIndex();
  const std::string lowered = Lowered(key);
  auto it = std::lower_bound(index.begin(), index.end(), lowered,
                             [](const KeyIndexEntry& e, const std::string& k) { return e.key < k; });
  return it != index.end() && it->key == lowered ? it->row : nullptr;
}

}  // namespace

bool TakeLoadedMcpAltitude() { return std::exchange(mcp_altitude_loaded, false); }

std::vector<PanelKeyLimit> PanelStateKeyLimits() {
  std::vector<PanelKeyLimit> out;
  for (const KeyIndexEntry& e : KeyIndex()) {
    if (e.row->valid != nullptr) out.push_back({e.row->key, e.row->valid});
  }
  return out;
}

void WritePanelStateFile(FILE* f) {
  for (const PanelKey& k : kPanelKeys) {
    if (k.kind == Row::kSection) {
      std::fprintf(f, "%s%s\n", &k == &kPanelKeys[0] ? "" : "\n", k.key);
      continue;
    }
    k.write(f, k.key);
  }
}

void ApplyPanelStateKey(std::string_view key, std::string_view value) {
  const PanelKey* row = ReaderOf(key);
  if (row == nullptr || (row->valid != nullptr && !row->valid(value))) return;
  row->read(value);
}

std::vector<std::string_view> PanelStateSwitchKeys() {
  std::vector<std::string_view> keys;
  for (const PanelKey& k : kPanelKeys) {
    if (k.kind == Row::kSwitch) keys.push_back(k.key);
  }
  return keys;
}

bool ParseFplnRow(std::string_view value, RouteLeg* leg) {
  // Rows of earlier routes must not show through the fields this line leaves empty.
  ResetRouteLeg(*leg);
  std::string_view fields[kFplnFields];
  const int32_t n = SplitRowFields(value, fields, kFplnFields);
  for (int32_t field = 0; field < n; ++field) {
    const std::string_view text = fields[field];
    if (text.empty()) continue;
    switch (field) {
      case 0: leg->ident.assign(text); break;
      case 1: ReadDecimalDegrees(text, CoordAxis::kLatitude, &leg->lat); break;
      case 2: ReadDecimalDegrees(text, CoordAxis::kLongitude, &leg->lon); break;
      case 3: leg->type.assign(text); break;
      case 4: leg->freq.assign(text); break;
      case 5: leg->aux_text.assign(text); break;
      case 6: leg->via.assign(text); break;
      case 7: leg->proc.assign(text); break;
      case 8: leg->eta.assign(text); break;
      case 9: leg->alt = F64(text); break;
      case 10: leg->restr = I32(text); break;
      case 11: leg->ias = F64(text); break;
      case 12: leg->intc_crs = F64(text); break;
      case 13: {
        const int32_t hold = TruncToI32(F64(text));
        leg->hold_idx = (hold >= 0 && hold <= kMaxHoldRow) ? hold : 0;
        break;
      }
    }
  }
  double lat = 0.0, lon = 0.0;
  return n > 2 && ReadDecimalDegrees(fields[1], CoordAxis::kLatitude, &lat) &&
         ReadDecimalDegrees(fields[2], CoordAxis::kLongitude, &lon);
}

bool SavedHoldRows::Take(std::string_view key, std::string_view value) {
  if (!platform::EqualsIgnoreCase(key, kHoldRowKey)) return false;
  if (count >= kMaxHoldRow) return true;  // the table's rows; the writer never writes more
  RouteHold& h = rows[count++];
  h = RouteHold{};
  std::string_view f[kHoldFields];
  double lat = 0.0, lon = 0.0;
  if (SplitRowFields(value, f, kHoldFields) < kHoldFields || f[0].empty() ||
      !std::all_of(f + 1, f + kHoldFields - 2, StartsWithNumber) ||
      !ReadDecimalDegrees(f[7], CoordAxis::kLatitude, &lat) || !ReadDecimalDegrees(f[8], CoordAxis::kLongitude, &lon)) {
    return true;
  }
  const int32_t mode = I32(f[4]);
  const double course = F64(f[3]);
  const double length = mode == 1 ? F64(f[5]) : mode == 2 ? F64(f[6]) : 0.0;
  // What the RTE HOLD page would refuse is no hold either.
  if (!(course >= 0.0 && course < 361.0) || !(length > 0.0)) return true;
  h.fix.assign(f[0]);
  std::tie(h.leg, h.turn, h.inbd_crs, h.leg_mode) = std::tuple(I32(f[1]), I32(f[2]), course, mode);
  std::tie(h.leg_time, h.leg_dist, h.lat, h.lon) = std::tuple(F64(f[5]), F64(f[6]), lat, lon);
  return true;
}

bool SavedBuiltRows::Take(std::string_view key, std::string_view value) {
  if (!platform::EqualsIgnoreCase(key, kBuiltRowKey)) return false;
  RouteLeg leg;
  // The table's rows; a row without its place makes the file no whole route (RouteOutline).
  if (rows.size() < static_cast<size_t>(kRouteRows) && ParseFplnRow(value, &leg)) rows.push_back(leg);
  return true;
}

void RouteOutline::Take(std::string_view key, std::string_view value, bool applied) {
  if (!first_line_seen_ && !key.empty()) {
    first_line_seen_ = true;
    begins_as_written_ = platform::EqualsIgnoreCase(key, kFirstSection);
  }
  if (!applied) return;
  // A key the reader acts on: a file without one changes nothing, whatever else it holds.
  const bool row = platform::EqualsIgnoreCase(key, kRouteRowKey);
  const bool built_row = platform::EqualsIgnoreCase(key, kBuiltRowKey);
  if (ReaderOf(key) != nullptr || platform::EqualsIgnoreCase(key, kHoldRowKey) || built_row) key_read_ = true;
  if (platform::EqualsIgnoreCase(key, "stpos")) {
    has_active_leg_ = true;
    active_leg_ = I32(value);
  } else if (platform::EqualsIgnoreCase(key, "fms_fpln_active")) {
    has_route_state_ = true;
  } else if (row || platform::EqualsIgnoreCase(key, "fp_cnt")) {
    rows_.Take(value, row);
  } else if (built_row || platform::EqualsIgnoreCase(key, kBuiltCountKey)) {
    built_.Take(value, built_row);
  }
}

void RouteOutline::RowCount::Take(std::string_view value, bool row) {
  if (!row) {
    announced = true;
    count = I32(value);
    return;
  }
  RouteLeg leg;
  if (ParseFplnRow(value, &leg)) {
    ++rows;
  } else {
    lost = true;
  }
}

bool RouteOutline::RowCount::AsAnnounced() const {
  return !lost && (!announced || count < 0 || std::min(rows, kRouteRows) == ClampedLastRow(count) + 1);
}

bool RouteOutline::Whole() const {
  if (!key_read_) return false;  // an empty file is no panel state, nor one of which nothing is read
  if (!HoldsRoute()) return !begins_as_written_;
  if (rows_.lost || !built_.AsAnnounced() || (begins_as_written_ && !has_active_leg_)) return false;
  // Rows are counted while a leg is active, and while rows stand without one (an origin alone):
  // files written before had no rows then.
  if (!has_active_leg_ || (active_leg_ == kNoActiveLeg && rows_.rows == 0)) return true;
  return rows_.AsAnnounced();
}
