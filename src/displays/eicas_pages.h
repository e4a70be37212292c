// The upper and lower EICAS painters and the canvas they share.
//
// Both displays draw in a 250 x 213 canvas that each painter scales to the surface's size. Dials are
// 56-unit squares with a 210-degree scale starting at +x (GDI+ angles: clockwise, y down); a dial's
// readout box has its left edge on the dial's vertical centre line. Engine 1 uses the dial column at
// x 110, engine 2 the one at x 183. Texts are in the configured family display_font.
//
// DrawUpperEicasText (first painter of the upper EICAS): TAT, reversers, the alert lists and the
//   landing-checklist memo. Reads token 350, tokens 641/660, the three alert lists, DisplayLdgChkLst,
//   ldg_checklist_mode, ldg_flaps. Writes the lists' inhibit flags through CANCEL / RECALL when
//   eicas_cancel_req / eicas_recall_req are 1.
// DrawUpperEicasEngines (second painter): EPR, N1 and EGT dials and the thrust-reference line. Reads
//   engine tokens (627/646, 626/645, 567/577, 566/576, 350), the thrust levers, flap_angle, ias,
//   radio_height (ft), vert_speed (ft/min), accel_ht, vnav, vnav_armed, vnav_tgt_vs, the engine
//   anti-ice valves, lower_eicas_mode, engine_type, SetClbThrAtAccelHt, EfisLinesize and the
//   thrust requests. Writes epr1, epr2, tmsp (automatic G/A and CLB, key event 0x101F4 on G/A
//   under VNAV), to_epr_temp_sel (assumed temperature, deg C), epr_bug, epr_bug_2,
//   thr_limit_refresh_cnt.
// DrawEicasEngineSecondary (lower EICAS, lower_eicas_mode 1): N2 / N3 / fuel-flow dials and the oil
//   and vibration scales. Reads engine tokens, engine_type, ShowLiteModeStatus, lite_mode.
// DrawLowerEicasStatus (lower EICAS, lower_eicas_mode 2): hydraulics, APU, oxygen and surface
//   positions. Reads tokens 733/735/737, the hydraulic pressures (psi), apu_egt, apu_rpm, the
//   surface positions (300 neutral), ShowLiteModeStatus, lite_mode.
#pragma once

#include <cstdint>

#include "draw/display_surface.h"
#include "platform/gfx/gfx.h"

void DrawUpperEicasText(DisplaySurface* surface, gfx::Graphics* graphics);
void DrawUpperEicasEngines(DisplaySurface* surface, gfx::Graphics* graphics);
void DrawEicasEngineSecondary(DisplaySurface* surface, gfx::Graphics* graphics);
void DrawLowerEicasStatus(DisplaySurface* surface, gfx::Graphics* graphics);

inline constexpr double kEicasCanvasWidth = 250.0;
inline constexpr double kEicasCanvasHeight = 213.0;
inline constexpr double kEicasDialSize = 56.0;
inline constexpr double kEicasDialSweepDeg = 210.0;
inline constexpr double kEicasDialX[2] = {110.0, 183.0};  // dial column of engine 1, engine 2

// The readout column of a dial column: the dial's vertical centre line.
constexpr double EicasReadoutX(double dial_x) { return dial_x + kEicasDialSize / 2.0; }

// Places marks about dial centres of one EICAS paint. Every call starts again from the plain canvas
// scale, so rotations never accumulate.
class EicasCanvas {
 public:
  EicasCanvas(const DisplaySurface& surface, gfx::Graphics* g);

  gfx::Graphics* g() const { return g_; }
  // The plain canvas scale.
  void Reset() const;
  // Canvas scale, moved to (cx, cy) and turned clockwise by rotation_deg.
  void AtDial(double cx, double cy, double rotation_deg = 0.0) const;
  // A segment in the frame of AtDial(cx, cy, rotation_deg); leaves that frame in force.
  void Mark(const gfx::Pen* pen, double cx, double cy, double rotation_deg, double x1, double y1, double x2,
            double y2) const;
  // The 210-degree dial arc in the square at (x, top).
  void DialArc(const gfx::Pen* pen, double x, double top) const;

 private:
  gfx::Graphics* g_;
  gfx::REAL sx_;
  gfx::REAL sy_;
};

// A pen of the configured EFIS line width (EfisLinesize canvas units).
gfx::Pen EicasLinePen(gfx::ARGB colour);
