// Drawing routines shared by the three moving maps (FP_EHSI, FP_ND, classic ND): the nearby-airport
// layer, the altitude range arc, the holding pattern, the TCAS traffic, the map symbols and the
// top-of-climb / top-of-descent marks.
//
// They draw in map coordinates: the caller has put the origin on the aircraft symbol (the map
// centre), x to the right, y down. sx/sy (or w/h, fx/fy) are the layer factors of the maps, by which
// every x and y offset is multiplied. Resources are made per call.
//
// Reads: map_px_per_nm (set by the map painter), the aircraft state, the display selections, the
// active route and its holds, the T/C and T/D points, the TCAS targets and the configuration.
// Writes: the nearby-airport lists (through their filters), calc_dist / calc_dist2 / calc_brg, and
// map_px_per_nm (DrawRouteMarks).
#pragma once

#include <cstdint>

#include "fmc/route_types.h"
#include "draw/display_surface.h"
#include "platform/gfx/gfx_types.h"

// Row `row` of the active route; null for an index outside the table.
const RouteLeg* ActiveRouteRow(int32_t row);

// The map's up direction in true degrees for a display mode: north (0) in PLAN (mode 4); the true
// heading, less the drift (track up) in MAP (mode 3) while MapModeDispHdgAlways is 0, brought into
// [0, 360) once.
double MapUpDirection(int32_t mode);

// The position the PLAN map's layers are placed about: the active route's row map_ctr_leg, or row
// stpos while no centre leg is chosen; the aircraft without an active route.
void PlanMapCentre(double* lat, double* lon);

// Nearby airports: a cyan ring and the first five characters of the identifier for each airport of
// the fine list within 2 x range + 10 NM of the reference (the aircraft, or in PLAN with an active
// route the centre leg). The lists are rebuilt around the reference after moves of 200 / 50 NM.
void DrawMapAirportsEhsi(DisplaySurface* surface, gfx::Graphics* graphics, double sx, double sy);
void DrawMapAirportsFpNd(DisplaySurface* surface, gfx::Graphics* graphics, double sx, double sy);
void DrawMapAirportsNd(DisplaySurface* surface, gfx::Graphics* graphics, double sx, double sy);

// The green arc at the distance where the present descent reaches the target altitude. Nothing is
// drawn while the vertical speed is 0 or the distance is out of the drawable range.
void DrawAltRangeArcEhsi(gfx::Graphics* graphics);  // target ap_alt_lock
void DrawAltRangeArcFpNd(gfx::Graphics* graphics);  // target alt_sel_num
void DrawAltRangeArcNd(gfx::Graphics* graphics);    // ap_alt_lock with BodArcAPRestrictions 1, else alt_sel_num

// Hold row 1 as a racetrack at its fix, turned to its inbound course, both with the display's map up
// direction, in canvas units (its inbound leg on the map's line along that course, its size the same
// in every direction). Leaves the world transform translated, scaled and rotated; the caller resets it.
void DrawMapHoldEhsi(gfx::Graphics* graphics, double sx, double sy);
void DrawMapHoldFpNd(gfx::Graphics* graphics, double sx, double sy);
void DrawMapHoldNd(gfx::Graphics* graphics, double sx, double sy);

// The TCAS targets within TcasVertRange of the aircraft around the origin, placed with the map's up
// direction `up_deg` (true degrees); nothing while the TCAS link is not connected.
void DrawTcasTraffic(gfx::Graphics* graphics, double up_deg);

// Symbol codes of DrawMapSymbol.
enum MapSymbol : int32_t {
  kSymbolVor = 1,
  kSymbolStation = 2,
  kSymbolWaypoint = 3,
  kSymbolRouteWaypoint = 20,
  kSymbolTrafficOther = 60,  // 60..63 small, 70..73 large traffic symbols
  kSymbolTrafficProximate = 61,
  kSymbolTrafficAdvisory = 62,
  kSymbolTrafficResolution = 63,
  kSymbolTrafficOtherLarge = 70,
  kSymbolTrafficProximateLarge = 71,
  kSymbolTrafficAdvisoryLarge = 72,
  kSymbolTrafficResolutionLarge = 73,
};
// Arrow codes: 1 climbing, 2 descending; any other value draws no arrow.
inline constexpr int32_t kArrowUp = 1;
inline constexpr int32_t kArrowDown = 2;

// One symbol with its reference point at (x, y); w and h scale the offsets of the navigation
// symbols (1, 2, 3, 20) and w is their pen width. The colour selector picks the colour per type.
void DrawMapSymbol(gfx::Graphics* graphics, double x, double y, int32_t type, int32_t arrow, double w, double h,
                   int32_t colour);

// A world box that holds all the ink of DrawMapSymbol's navigation symbols (1, 2, 3, 20) with the
// same arguments, miter tips of the pen included; unbounded for the other types.
gfx::RectF MapSymbolInkBounds(double x, double y, int32_t type, double w, double h);

// Sets map_px_per_nm := radius_px / range_nm; then, while a cruise altitude is set, the green T/C
// (until toc) and T/D (until init_tod) marks, projected from the reference with the map rotation.
// `unused` is passed as 0.0. A range of 0 or below draws nothing and leaves the scale alone.
void DrawRouteMarks(gfx::Graphics* graphics, int32_t radius_px, double range_nm, double unused, double fx, double fy,
                    double ref_lat, double ref_lon, double rotation_deg);
