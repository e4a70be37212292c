// The curved trend vector of the FP_ND and ND maps: the path of the next 90 seconds at the present
// ground speed and bank, as three arcs (0-30 s always, 33-60 s from a 20 NM range, 63-90 s beyond
// 20 NM) of the turn circle through the aircraft. A map layer (origin at the aircraft, factors fx,
// fy). Writes calc_dist2 (turn radius, NM) and calc_dist (circle diameter, canvas units).
#pragma once

#include "draw/display_surface.h"

void DrawTrendVectorFpNd(DisplaySurface* surface, gfx::Graphics* graphics, double fx, double fy);
void DrawTrendVectorNd(DisplaySurface* surface, gfx::Graphics* graphics, double fx, double fy);

// The turn of the trend vector: diameter d (canvas units, truncated) and turn rate (degrees per
// second). False, with nothing drawn, for a bank of 0, no ground speed, or a circle too large to
// draw (above 100,000 units or not representable).
struct TrendTurn {
  double radius_nm;
  double diameter;  // whole canvas units
  double rate_deg_s;
};
bool ComputeTrendTurn(double ground_speed_kt, double bank_deg, double px_per_nm, TrendTurn* turn);
