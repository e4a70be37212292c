#include "displays/pfd_fma.h"

#include <iterator>

#include "afds/afds_globals.h"
#include "afds/afds_modes.h"
#include "displays/eadi_fma.h"
#include "displays/pfd_frame.h"
#include "draw/draw_helpers.h"
#include "sim/readers_flight.h"
#include "sim/tick_globals.h"

namespace {

constexpr double kEngagedY = -130.0;
constexpr double kArmedY = -115.0;

struct Annunciation {
  const char* text;  // null: nothing in this row
  double x;
};

struct ColumnBox {
  int32_t x, w;
  const int32_t* timer;
};

// Column x of each engaged text, in the order of the mode enums.
constexpr double kPitchX[] = {0, 10, 10, 1, 1, 1, 15, 5, 15};
constexpr double kRollX[] = {0, -35, -35, -35, -35, -52, -45, -35};
constexpr double kThrottleX[] = {0, -100, -90, -90};
constexpr double kRollArmedX = -35;
static_assert(std::size(kPitchX) == static_cast<size_t>(PitchActive::kCount));
static_assert(std::size(kRollX) == static_cast<size_t>(RollActive::kCount));

// The EADI's choice of format A: the same VNAV SPD / PTH rule.
Annunciation PitchEngaged() {
  const PitchActive m = SelectPitchActive(VnavRules::kFormatA);
  return {FmaText(m), kPitchX[static_cast<int>(m)]};
}

// Unlike the EADI's, FLARE arms here at 1500 ft itself; as the autoland, only on the glideslope.
Annunciation PitchArmedText() {
  if ((autoland_mode == 1 || autoland_mode == 2) && radio_height <= 1500.0 && GlideslopeCaptured()) {
    return {"FLARE", 5};
  }
  if (app_mode == 1 && gs_capture == 0) return {"G/S", 15};
  if (vnav_armed == 1) return {"VNAV", 5};
  return {nullptr, 0};
}

Annunciation RollEngaged() {
  const RollActive m = SelectRollActive();
  return {FmaText(m), kRollX[static_cast<int>(m)]};
}

Annunciation RollArmedText() { return {FmaText(SelectRollArmed()), kRollArmedX}; }

Annunciation ThrottleEngaged() {
  const ThrustActive m = SelectThrustActive();
  return {FmaText(m), kThrottleX[static_cast<int>(m)]};
}

void Show(gfx::Graphics* g, const gfx::Font* font, const gfx::Brush* brush, Annunciation a, double y) {
  if (a.text != nullptr) DrawTextAt(g, font, brush, a.x, y, "%s", a.text);
}

}  // namespace

void DrawPfdModeAnnunciations(gfx::Graphics* g, const PfdFrame& f, const PfdResources& r) {
  f.SetCanvas(g);
  g->FillRectangle(&r.tape, -102, -132, 204, 34);
  for (int32_t x : {-51, 0, 51}) g->DrawLine(&r.thick, x, -132, x, -98);
  const ColumnBox boxes[] = {
      {-100, 40, &fma_thr_box_timer}, {-48, 45, &fma_roll_box_timer}, {2, 47, &fma_pitch_box_timer}, {55, 40, &ap_cmd}};
  for (const ColumnBox& b : boxes) {
    if (*b.timer > 0) g->DrawRectangle(&r.box, b.x, -130, b.w, 10);
  }

  const gfx::Font* font = &r.canvas9;
  if (ap_master == 1.0) DrawTextAt(g, font, &r.green, 60, kEngagedY, "CMD");
  Show(g, font, &r.green, PitchEngaged(), kEngagedY);
  Show(g, font, &r.white, PitchArmedText(), kArmedY);
  Show(g, font, &r.green, RollEngaged(), kEngagedY);
  Show(g, font, &r.white, RollArmedText(), kArmedY);
  if (ap_master == 0.0 && ReadTokenVar792() != 0) DrawTextAt(g, font, &r.green, 60, kEngagedY, "FD");
  Show(g, font, &r.green, ThrottleEngaged(), kEngagedY);
  if (ReadAtArm() != 0.0) DrawTextAt(g, font, &r.green, -90, kArmedY, "A/T");
}
