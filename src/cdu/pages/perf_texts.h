// What the performance pages (PERF INIT, TAKEOFF REF, APPROACH REF, VNAV, PROGRESS) share: the weight
// unit of display and entry, the cruise-altitude text, the 2-px box prompt, ETA texts and the
// destination prediction.
//
// Weights are held in pounds; "KGS" in weight_unit converts only what is shown and what is entered.
// Reads: weight_unit, cruise_alt, pending_cruise_alt, the route state, trans_alt, gross_weight,
// zulu_hour, zulu_min, ground_speed, descent_ias, the fuel on board. Writes nothing (the fuel read lowers `reserves`).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "cdu/cdu_page_framework.h"
#include "fmc/fmc_globals.h"

namespace cdu_perf {

// Line-select codes of cdu_lsk by key (6L and 6R are cdu_lsk_code's).
namespace lsk {
inline constexpr int32_t k1L = 1, k2L = 2, k3L = 3, k4L = 4, k5L = 5;
inline constexpr int32_t k1R = 6, k2R = 7, k3R = 8, k4R = 9, k5R = 10;
}  // namespace lsk

inline constexpr double kKgPerLb = 0.45359237;
inline constexpr double kLbPerKg = 2.20462262;
// Altitude entries of the performance pages stay below this many feet.
using ::kAltEntryLimitFt;
// A cruise-altitude entry in feet: "FL" and a number under 1000 name a flight level. False for what
// the pages refuse: anything but a number after the "FL" (blanks around the entry aside), no
// positive number, or a level or altitude of kAltEntryLimitFt and above.
bool CruiseAltEntryFt(std::string_view text, int32_t* ft);
// Below this ground speed no time to go is computed: a distance over it would not be a time.
inline constexpr double kMinEtaGroundSpeedKt = 1.0;

// A weight or fuel as every page prints it: thousands of the display unit (kilograms when
// weight_unit is "KGS", else pounds).
double ShownThousands(double lb);
// An entered weight in the display unit, in pounds.
double EnteredWeightLb(double value);

// Fuel on board plus gross_weight (the zero-fuel weight), in thousands of the display unit.
double GrossWeightThousands();

// The cruise altitude line of PERF INIT, CLB and CRZ: on a route being flown (state 3 or 4) a
// pending one of 1000 ft or more, which waits for EXEC; else cruise_alt, else a pending one of 1000
// ft or more, else 0; a level above trans_alt as "FL%03d", else "%5d". Empty when neither altitude is set
// (the line then shows a box prompt).
std::string CruiseAltText();

// An entry prompt: a rectangle `cells` x 20 units wide and 15 high in the 2-px pen, with dividers
// between the cells.
void BoxPrompt(cdu::CduScreen& cdu, double x, double y, int32_t cells);

// Text that ends at `right`, aligned far in a box 14 units per character wide. Unlike the CDU's
// right-to-left fields it keeps the reading order of a text that mixes digits and letters.
void TextEndingAt(cdu::CduScreen& cdu, double right, double y, std::string_view text,
                  cdu::Font font = cdu::Font::kLarge);


// Time and fuel to the destination `dist_nm` along the route, at the present ground speed except
// for the last 100 NM, flown at 85 % of the descent speed.
struct DestinationPrediction {
  double avg_speed_kt = 0.0;
  bool valid = false;        // minutes and fuel computed (an average speed of 1 kt or more)
  double minutes = 0.0;
  double fuel_burned_lb = 0.0;
  double fuel_left_lb = 0.0;  // of `on_board_lb`
};
DestinationPrediction PredictDestination(double dist_nm, double fuel_flow_lb_per_h, double on_board_lb);

}  // namespace cdu_perf
