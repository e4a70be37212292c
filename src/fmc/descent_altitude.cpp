#include "fmc/descent_altitude.h"

#include <algorithm>

#include "afds/afds_globals.h"
#include "base/int_conversion.h"
#include "fmc/fmc_globals.h"
#include "sim/tick_globals.h"

namespace {

constexpr int32_t kNoMcpAltitude = -99;
// An altitude this little above the aircraft is the one it has levelled at (the autopilot's capture,
// a gust): still a target, not a climb.
constexpr double kLevelledAtFt = 200.0;

bool AtOrBelowAircraft(double alt_ft) { return alt_ft <= plane_alt + kLevelledAtFt; }

}  // namespace

DescentAltitude DescentAltitudeTarget() {
  const bool mcp_set = alt_sel_num != kNoMcpAltitude;
  const bool crossing_ahead = AtOrBelowAircraft(cross_at_elev);
  const DescentAltitude level_here{TruncToI32(plane_alt), true};
  if (!crossing_ahead) return mcp_set && alt_sel_num < plane_alt ? DescentAltitude{alt_sel_num, true} : level_here;
  const double floor_ft = mcp_set ? std::max<double>(alt_sel_num, cross_at_elev) : cross_at_elev;
  // An MCP altitude set above the aircraft stops the descent: VNAV never climbs in it.
  if (!AtOrBelowAircraft(floor_ft)) return level_here;
  return {TruncToI32(floor_ft), false};
}
