// The forms and limits of the numbers the crew types on the CDU: one rule per kind of value (a
// course, a speed, a weight, an altitude or height), called by every page line that takes one, so
// that an empty key, a text with no number, a typo and a value out of range meet the same rule on
// every page. A reader of a file that holds the same value may call them too.
//
// Each takes the entry text and writes the value only when the entry is taken; false otherwise (the
// page then says INVALID ENTRY). An empty text is never a value: the pages do nothing on an empty key.
// The limits of the speed schedules, the cost index and the altitudes are in fmc_globals.h.
#pragma once

#include <cstdint>
#include <string_view>

#include "fmc/fmc_globals.h"

// How much of the entry is the number.
enum class EntryForm {
  kDigits,   // the whole entry: digits with at most one point ("27O" and "-90" are no course)
  kLeading,  // the number it begins with; what follows is dropped ("140K" is 140)
};

inline constexpr double kMaxCourseDeg = 360.0;
// Take-off and landing reference speeds (V1 and VR up to 249 kt, V2 and VREF up to 269 kt).
inline constexpr int32_t kMaxV1VrKt = 249;
inline constexpr int32_t kMaxRefSpeedKt = 269;
// Weights are typed in thousands of the display unit, below this.
inline constexpr double kWeightEntryLimitThousands = 1000.0;

// TAKEOFF REF's acceleration height, and the lowest speed and altitude of a SPD/REST line (VNAV flies
// 250/1000 as it flies 250/1001).
inline constexpr int32_t kMinAccelHtFt = 400;
inline constexpr int32_t kMaxAccelHtFt = 2000;
inline constexpr int32_t kMinRestrSpeedKt = kScheduleMinIasKt;
inline constexpr double kMinRestrAltFt = 1000.0;

// VOR frequencies, in hundredths of a MHz.
inline constexpr int32_t kMinVorFreqHundredths = 10800;
inline constexpr int32_t kMaxVorFreqHundredths = 11795;

// A number of `form`; false for an empty text or one that does not begin with a number.
bool EntryNumber(std::string_view text, EntryForm form, double* value);

// A course or radial, 0 to 360 degrees.
bool CourseEntryDeg(std::string_view text, EntryForm form, double* crs_deg);

// A whole speed in knots from `min_kt` to `max_kt`, read as its leading number.
bool SpeedEntryKt(std::string_view text, int32_t min_kt, int32_t max_kt, int32_t* kt);

// A weight in thousands of the display unit, read as its leading number: above 0 (or 0 too when
// `zero_taken`) and below kWeightEntryLimitThousands.
bool WeightEntryThousands(std::string_view text, bool zero_taken, double* thousands);

// A height or altitude in whole feet from `min_ft` to `max_ft`, read as its leading number.
bool HeightEntryFt(std::string_view text, int32_t min_ft, int32_t max_ft, int32_t* ft);

// A VOR frequency typed "113.50" or "113.5" (three digits, a point, one or two digits) within the
// VOR band, as its five digits (11350).
bool VorFrequencyEntry(std::string_view text, int32_t* hundredths);

// The same limits as rules on the number an entry or a file gives: the pages test what they read
// with them, and so do the readers of the files that hold the same values (the configuration, panel
// states), so that what a page refuses no file sets either. Speeds in knots, heights in feet, flaps
// in degrees.
constexpr bool TakeoffSpeedAccepted(double kt) { return kt >= 1.0 && kt <= kMaxV1VrKt; }  // V1, VR
constexpr bool V2Accepted(double kt) { return kt >= 1.0 && kt <= kMaxRefSpeedKt; }        // V2, VREF
// The same speeds as files hold them, where 0 is a speed not set ("---").
constexpr bool TakeoffSpeedOrNone(double kt) { return kt == 0.0 || TakeoffSpeedAccepted(kt); }
constexpr bool V2OrNone(double kt) { return kt == 0.0 || V2Accepted(kt); }
// TAKEOFF REF's FLAP: 1..20 and one of the settings of to_flap_list.
bool TakeoffFlapsAccepted(double deg);
// APPROACH REF's FLAP/SPD: 20, 25 or 30.
constexpr bool LandingFlapsAccepted(double deg) { return deg == 20.0 || deg == 25.0 || deg == 30.0; }
constexpr bool AccelHeightAccepted(double ft) { return ft >= kMinAccelHtFt && ft <= kMaxAccelHtFt; }
// PERF INIT's CRZ ALT, in feet once its flight levels are read: above 0, below the altitude entry
// limit. A file's cruise altitude outside it is none (a negative one was shown and never descended).
constexpr bool CruiseAltitudeAccepted(double ft) { return ft > 0.0 && ft < kAltEntryLimitFt; }
// CLB's TRANS ALT: a whole number of feet from 1, below the altitude entry limit.
constexpr bool TransitionAltitudeAccepted(double ft) { return ft >= 1.0 && ft < kAltEntryLimitFt; }
// A SPD/REST line of CLB or DES.
constexpr bool RestrictionSpeedAccepted(double kt) { return kt >= kMinRestrSpeedKt; }
constexpr bool RestrictionAltitudeAccepted(double ft) { return ft >= kMinRestrAltFt && ft < kAltEntryLimitFt; }
// PERF INIT's COST INDEX: -1 (none) to the highest the economy speeds cover.
constexpr bool CostIndexAccepted(double ci) { return ci >= -1.0 && ci <= kMaxCostIndex; }
// The speed schedules of the VNAV pages: an IAS, a climb Mach, a cruise or descent Mach.
constexpr bool ScheduleIasEntryAccepted(double kt) { return kt >= kScheduleMinIasKt && kt <= kScheduleMaxIasKt; }
constexpr bool ClimbMachAccepted(double mach) { return ScheduleMachAccepted(mach, kScheduleMaxClimbMach); }
constexpr bool CruiseMachAccepted(double mach) { return ScheduleMachAccepted(mach, kScheduleMaxMach); }
