// What the sections of the flat-panel PFD ("FP_PFD") share: the frames, the resources of one
// paint and the fine-frame drawing.
//
// The canvas is 318 x 232 units; every section places its elements relative to the attitude centre
// (159, 132), x right, y down. Two frames map those units to the gauge's w x h pixels:
// - canvas frame: scale (sx, sy) = (w / 318, h / 232), then translate to the centre; integer
//   coordinates as they stand;
// - fine frame: uniform scale k = h / (16 (w + h)), centre at (159 sx / k, 132 sy / k); a point
//   (x, y) is drawn at the integers (x sx / k, y sy / k) truncated, which gives sub-pixel placement
//   with whole-number drawing calls. Tapes, ladder, sky and ground and the tape texts use it; its
//   fonts are n sy / k world units, so they show at n sy pixels.

#pragma once

#include <cmath>
#include <cstdint>

#include "draw/display_surface.h"
#include "base/int_conversion.h"
#include "platform/gfx/gfx.h"

inline constexpr double kPfdCanvasWidth = 318.0;
inline constexpr double kPfdCanvasHeight = 232.0;
inline constexpr double kPfdCentreX = 159.0;
inline constexpr double kPfdCentreY = 132.0;
inline constexpr double kPfdPitchUnitsPerDeg = 3.0;  // the pitch ladder's scale, also across

// The standby display uses the same two frames on its own canvas and centre.
struct PfdFrame {
  double sx = 1.0;  // pixels per canvas unit
  double sy = 1.0;
  double k = 1.0;   // pixels per fine unit
  double fx = 1.0;  // fine units per canvas unit: sx / k, sy / k
  double fy = 1.0;
  double cx = kPfdCentreX;  // the centre, in canvas units
  double cy = kPfdCentreY;

  // Undefined for an empty surface; the painter draws nothing then.
  static PfdFrame Of(const DisplaySurface& surface);
  static PfdFrame Of(const DisplaySurface& surface, double canvas_width, double canvas_height, double centre_x,
                     double centre_y);

  // Reset, canvas (or fine) frame about the centre, then rotated by `rotation_deg` (clockwise).
  void SetCanvas(gfx::Graphics* g, double rotation_deg = 0.0) const;
  void SetFine(gfx::Graphics* g, double rotation_deg = 0.0) const;

  // Where the attitude display shows a direction `right_deg` right of the nose's vertical plane and
  // `above_horizon_deg` above the horizon, as a canvas offset from the centre: the pitch ladder's
  // own point for it, the ladder moved by `pitch_deg` (negative nose up) and turned by `bank_deg` as
  // it is drawn.
  gfx::PointF LadderPoint(double right_deg, double above_horizon_deg, double pitch_deg, double bank_deg) const;

  // A canvas offset in fine units, truncated.
  gfx::REAL FineX(double x) const;
  gfx::REAL FineY(double y) const;
  gfx::PointF Fine(double x, double y) const { return gfx::PointF(FineX(x), FineY(y)); }
};

// The altitude scale's positions from alt + half_scale down to alt - half_scale, each given to
// visit(a, whole_feet), the whole feet taken downward so that below 0 ft the walk meets the same
// multiples as above. Each position keeps the fraction of the altitude, so ticks sit a whole number
// of feet from the aircraft; the step grows to 5, 10 and 50 ft as the walk meets their multiples.
template <typename Visit>
void WalkAltitudeScale(double alt_ft, double half_scale_ft, Visit&& visit) {
  // The walk of 1000 ft takes at most 4 + 1 + 4 + 20 positions; far beyond that the altitude is too
  // large for a foot to change it, and the walk stops.
  constexpr int32_t kMaxPositions = 1001;
  constexpr double kStepFt[] = {1.0, 5.0, 10.0, 50.0};
  double a = alt_ft + half_scale_ft;
  int32_t level = 0;
  for (int32_t i = 0; i < kMaxPositions && a >= alt_ft - half_scale_ft; ++i) {
    const int32_t n = TruncToI32(std::floor(a));
    visit(a, n);
    if (level < 1 && n % 5 == 0) level = 1;
    if (level < 2 && n % 10 == 0) level = 2;
    if (level < 3 && n % 50 == 0) level = 3;
    a -= kStepFt[level];
  }
}

// Everything one paint draws with, made at its start and gone at its end. Colours: the display
// palette (draw_helpers.h) and the three configured ones (ConfiguredColour).
struct PfdResources {
  explicit PfdResources(const PfdFrame& f);
  PfdResources(const PfdResources&) = delete;
  PfdResources& operator=(const PfdResources&) = delete;

  // Canvas-frame pens (widths in canvas units).
  gfx::Pen outline;        // black 2
  gfx::Pen box;            // green 1
  gfx::Pen outer_marker;   // red 2
  gfx::Pen middle_marker;  // amber 2
  gfx::Pen v_bar;          // magenta 1
  gfx::Pen cross_bar;      // magenta 2
  gfx::Pen symbol;         // white 1
  gfx::Pen thick;          // white 2
  // Fine-frame pens (widths in fine units).
  gfx::Pen trend;          // green, 2 sx-units
  gfx::Pen limit_dash;     // red, 3 sy-units
  gfx::Pen scale;          // white, 1 sy-unit
  gfx::Pen bracket;        // amber, 2 sx-units
  gfx::Pen bug;            // magenta, 1 sy-unit

  gfx::SolidBrush white;
  gfx::SolidBrush green;
  gfx::SolidBrush magenta;
  gfx::SolidBrush amber;
  gfx::SolidBrush red;
  gfx::SolidBrush black;
  gfx::SolidBrush sky;
  gfx::SolidBrush ground;
  gfx::SolidBrush tape;

  gfx::Font canvas9;   // mode annunciations, decision height
  gfx::Font canvas13;  // MCP windows
  gfx::Font canvas15;  // radio altitude
  gfx::Font canvas18;  // marker letters
  gfx::Font fine7;     // V-speed labels
  gfx::Font fine11;    // scale labels
  gfx::Font fine13;    // altitude readout
  gfx::Font fine15;    // airspeed readout

  gfx::GraphicsPath attitude_clip;  // canvas units
  gfx::GraphicsPath ladder_clip;
};

// Fine-frame drawing: coordinates in canvas units, placed by PfdFrame::Fine.
void FineLine(gfx::Graphics* g, const PfdFrame& f, const gfx::Pen* pen, double x1, double y1, double x2, double y2);
void FineFillRect(gfx::Graphics* g, const PfdFrame& f, const gfx::Brush* brush, double x, double y, double w,
                  double h);
void FineClipRect(gfx::Graphics* g, const PfdFrame& f, double x, double y, double w, double h);

// The sections drawn in the frame's own file (each sets the frame it draws in); the others are in
// pfd_speed_tape.h, pfd_alt_tape.h, pfd_fma.h and pfd_symbols.h, and pfd_display.h paints them all.
void DrawPfdAttitude(gfx::Graphics* g, const PfdFrame& f, const PfdResources& r);  // sky to bracket
void DrawPfdBankScale(gfx::Graphics* g, const PfdFrame& f, const PfdResources& r);
