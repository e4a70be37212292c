// The PFD's flight mode annunciator: four columns (autothrottle, roll, pitch, autopilot status),
// each with an engaged row and an armed row, and a green box round a column while its box timer
// runs. Chosen from the mode flags alone; the annunciator changes nothing.
#include "afds/afds_globals.h"
#include "displays/pfd_frame.h"
#include "fmc/fmc_globals.h"
#include "frame/draw_helpers.h"
#include "frame/readers_flight.h"
#include "frame/tick_globals.h"

namespace {

constexpr double kEngagedY = -130.0;
constexpr double kArmedY = -115.0;
// VNAV shows SPD while more than this above the MCP altitude and off the path by more than the band.
constexpr double kVnavAboveLockFt = 100.0;
constexpr double kVnavPathBandFt = 400.0;

struct Annunciation {
  const char* text;  // null: nothing in this row
  double x;
};

struct ColumnBox {
  int32_t x, w;
  const int32_t* timer;
};

const char* VnavEngagedText() {
  if (toc == 0) return "VNAV SPD";
  if (toc != 1) return "VNAV PTH";
  const bool off_path = tod == 0 || plane_alt < vnav_path_alt - kVnavPathBandFt ||
                        plane_alt > vnav_path_alt + kVnavPathBandFt;
  return plane_alt - kVnavAboveLockFt > ap_alt_lock && off_path ? "VNAV SPD" : "VNAV PTH";
}

bool LocalizerMode() { return loc_mode == 1 || app_mode == 1; }

Annunciation PitchEngaged() {
  if (to_pitch_mode == 1) return {"TO", 10};
  if (flch == 1) return {"FLCH", 10};
  if (alt_hold_mode == 1) return {"ALT HOLD", 1};
  if (vnav == 1 && vnav_armed == 0) return {VnavEngagedText(), 1};
  if (vs_hold_mode == 1) return {"V/S", 15};
  if (autoland_mode >= 3) return {"FLARE", 5};
  if (app_mode == 1 && gs_capture == 1) return {"G/S", 15};
  return {nullptr, 0};
}

Annunciation PitchArmed() {
  if ((autoland_mode == 1 || autoland_mode == 2) && radio_height <= 1500.0) return {"FLARE", 5};
  if (app_mode == 1 && gs_capture == 0) return {"G/S", 15};
  if (vnav_armed == 1) return {"VNAV", 5};
  return {nullptr, 0};
}

Annunciation RollEngaged() {
  if (to_roll_mode == 1) return {"TO", -35};
  if (nav_button == 1) return {"NAV", -35};
  if (nav_button == 2) return {"GPS", -35};
  if (lnav == 1 && lnav_init_mode == 0) return {"LNAV", -35};
  if (hdg_hold_mode == 1) return {"HDG HOLD", -52};
  if (hdg_sel_mode == 1) return {"HDG SEL", -45};
  if (LocalizerMode() && loc_capture == 1) return {"LOC", -35};
  return {nullptr, 0};
}

Annunciation RollArmed() {
  if (LocalizerMode() && loc_capture == 0) return {"LOC", -35};
  if ((to_roll_mode == 1 && lnav == 1) || lnav_init_mode == 1) return {"LNAV", -35};
  return {nullptr, 0};
}

Annunciation ThrottleEngaged() {
  if (flch == 1) return {"FLCH", -100};
  if (spd_hold == 1 || vnav == 1) return {"SPD", -90};
  if (thrust_hold == 1) return {"EPR", -90};
  return {nullptr, 0};
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
  Show(g, font, &r.white, PitchArmed(), kArmedY);
  Show(g, font, &r.green, RollEngaged(), kEngagedY);
  Show(g, font, &r.white, RollArmed(), kArmedY);
  if (ap_master == 0.0 && ReadTokenVar792() != 0) DrawTextAt(g, font, &r.green, 60, kEngagedY, "FD");
  Show(g, font, &r.green, ThrottleEngaged(), kEngagedY);
  if (ReadAtArm() != 0.0) DrawTextAt(g, font, &r.green, -90, kArmedY, "A/T");
}
