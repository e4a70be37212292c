// Pieces that both EADI formats draw alike: their two drawing frames, the resources they share, the
// attitude sphere with its pitch ladder, the flap bracket, the aircraft symbol, the command bars, the
// roll pointer and scale, the deviation scales and the decision-height / radio-altitude texts.
//
// Canvas 217 x 173 units; every position here is in canvas units about the attitude centre (108, 86),
// x to the right and y downward.
// - Canvas frame: reset, scale (W / 217, H / 173), translate (108, 86).
// - Fine frame: reset, scale (sx, sy) = 0.0625 (W, H) / (W + H), translate (108 kx, 86 ky) with
//   kx = (W / 217) / sx and ky = (H / 173) / sy. A canvas point (x, y) is drawn at the integer
//   (trunc(x kx), trunc(y ky)), so integer drawing keeps sub-unit precision.
//
// Reads: the IRS modes, plane_pitch, plane_bank, gsi_needle, cdi_needle, radio_height,
// FlightDirectorType, EfisLinesize, display_font, the EADI colours, and the readers ReadFlapsAngle,
// ReadTokenVar349, ReadTokenVar792, TestTokenVar46Bit40, ReadVor1Signal, GetDecisionHeight.
// Writes: through StepFdCommandBars only.
#pragma once

#include <cstdint>

#include "draw/display_surface.h"
#include "platform/gfx/gfx.h"

inline constexpr double kEadiCanvasWidth = 217.0;
inline constexpr double kEadiCanvasHeight = 173.0;
inline constexpr double kEadiCentreX = 108.0;
inline constexpr double kEadiCentreY = 86.0;

// Opaque colour from three configured components, of which only the low 8 bits count.
gfx::ARGB ConfiguredColour(int32_t r, int32_t g, int32_t b);

class EadiFrames {
 public:
  EadiFrames(gfx::Graphics* g, const DisplaySurface* surface);

  void Canvas(double rotation_deg = 0.0) const;
  void Fine(double rotation_deg = 0.0) const;

  // A canvas coordinate in fine units.
  int32_t X(double x) const;
  int32_t Y(double y) const;
  gfx::Point P(double x, double y) const { return {X(x), Y(y)}; }
  gfx::PointF Pf(double x, double y) const;

  // Lines and texts given in canvas units, drawn in the fine frame.
  void Line(const gfx::Pen* pen, double x1, double y1, double x2, double y2) const;
  void Text(const gfx::Font* font, const gfx::Brush* brush, double x, double y, const char* text) const;

  gfx::Graphics* g() const { return g_; }
  double kx() const { return kx_; }
  double ky() const { return ky_; }

 private:
  gfx::Graphics* g_;
  gfx::REAL scale_x_;  // W / 217 and H / 173, in single precision as the frames take them
  gfx::REAL scale_y_;
  double sx_;
  double sy_;
  double kx_;
  double ky_;
};

// Pens, brushes and fonts both formats use; made for each paint.
struct EadiResources {
  explicit EadiResources(const EadiFrames& f);

  gfx::Pen white_line;    // EfisLinesize: roll pointer and scale, deviation scales, separators
  gfx::Pen white_fine;    // EfisLinesize x ky, fine: horizon and ladder, tape ticks
  gfx::Pen white_thin;    // 1: aircraft symbol outline
  gfx::Pen black_border;  // 2: sphere border
  gfx::Pen amber_fine;    // EfisLinesize x kx, fine: flap bracket
  gfx::Pen magenta_line;  // EfisLinesize: split command bars, deviation pointers
  gfx::Pen magenta_thin;  // 1: single command cue
  gfx::Pen box;           // green, 1: FMA change boxes
  gfx::SolidBrush sky;
  gfx::SolidBrush ground;
  gfx::SolidBrush black;
  gfx::SolidBrush white;
  gfx::SolidBrush green;
  gfx::SolidBrush amber;
  gfx::Font text9;     // canvas: FMA and readouts
  gfx::Font small8;    // canvas: the longer roll modes of format B's lower FMA
  gfx::Font ladder11;  // fine: pitch-ladder labels
};

// Sky, ground and pitch ladder, in the fine frame rotated by the bank; the clip is the caller's.
void DrawAttitudeSphere(const EadiFrames& f, const EadiResources& r);
// The amber brackets while the flaps are out, placed by token 349; fine frame, unrotated.
void DrawFlapBracket(const EadiFrames& f, const EadiResources& r);
void DrawRollPointer(const EadiFrames& f, const EadiResources& r);
// Leaves the canvas frame set.
void DrawRollScale(const EadiFrames& f, const EadiResources& r);
void DrawAircraftSymbol(const EadiFrames& f, const EadiResources& r);
// With the IRS aligned and the flight director on: steps the shared bars, then draws them.
void DrawCommandBars(const EadiFrames& f, const EadiResources& r);
// Glideslope and localizer scales with their pointers, with the IRS aligned.
void DrawDeviationScales(const EadiFrames& f, const EadiResources& r);
// "DH" and the radio altitude (10-ft steps above 10 ft) at or below 2500 ft; canvas frame.
void DrawDecisionHeightAndRadioAltitude(const EadiFrames& f, const EadiResources& r, gfx::PointF dh,
                                        gfx::PointF ra);

// Radio altitude text: "%4.0f" up to 10 ft, above that "%4.0f0" of the tens.
void FormatRadioAltitudeText(double radio_height_ft, char* buffer, int32_t size);
