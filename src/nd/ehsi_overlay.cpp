#include "nd/ehsi_overlay.h"

#include <cstdio>

#include "draw/draw_helpers.h"
#include "sim/readers_radio.h"
#include "sim/tcas_link.h"
#include "sim/tick_globals.h"
#include "nd/map_geometry.h"
#include "nd/nav_readouts.h"
#include "nd/nd_globals.h"
#include "state/config_globals.h"

namespace {

constexpr int32_t kModeMap = 3;
constexpr double kMachShown = 0.4;

struct EhsiInk {
  EhsiInk()
      : f12(PixelFont("Arial", 12.0)),
        f13(PixelFont("Arial", 13.0)),
        f16(PixelFont("Arial", 16.0)),
        white(gfx::Color(palette::kWhite)),
        green(gfx::Color(palette::kGreen)),
        yellow(gfx::Color(palette::kYellow)),
        white2(gfx::Color(palette::kWhite), 2.0f),
        yellow1(gfx::Color(palette::kYellow), 1.0f) {}
  gfx::Font f12, f13, f16;
  gfx::SolidBrush white, green, yellow;
  gfx::Pen white2, yellow1;
};

void DrawTcasStatus(gfx::Graphics* g, const EhsiInk& k) {
  if (tcas_server_connect != 1 || (fp_ehsi_mode != 2 && fp_ehsi_mode != kModeMap)) return;
  if (tcas_display_on == 1) {
    DrawTextAt(g, &k.f13, &k.green, 0, 70, "TFC");
  } else {
    DrawTextAt(g, &k.f13, &k.white, 0, 70, "TCAS");
    DrawTextAt(g, &k.f13, &k.white, 0, 85, "OFF");
  }
}

void DrawAltimeterSetting(gfx::Graphics* g, const EhsiInk& k) {
  if (baro_hpa >= 1013.0 && baro_hpa < 1013.4) {
    DrawTextAt(g, &k.f13, &k.green, 260, 0, "STD");
    return;
  }
  DrawTextAt(g, &k.f13, &k.green, 260, 0, "%2.2f IN", baro_inhg);
  DrawTextAt(g, &k.f13, &k.white, 250, 13, "%4.0f HPA", baro_hpa);
}

void DrawAlignedBlock(gfx::Graphics* g, const DisplaySurface* s, const EhsiInk& k) {
  const bool track = fp_ehsi_mode >= kModeMap && MapModeDispHdgAlways != 1;
  DrawTextAt(g, &k.f13, &k.green, 110, 5, track ? "TRK" : "HDG");
  DrawTextAt(g, &k.f16, &k.white, 143, 3, "%03.0f", track ? plane_trk_mag : HeadingReadout());
  DrawTextAt(g, &k.f13, &k.green, 180, 5, "MAG");
  DrawTextAt(g, &k.f12, &k.green, 0, 100, "%s", Nav1ReceiverLabel());
  DrawNav1Frequency(g, &k.f12, &k.green, 0, 112);
  if (ReadVor1Signal() > 0.0 && dme_dist > 0.0) {
    DrawTextAt(g, &k.f12, &k.green, 0, 124, "DME %.1f", dme_dist);
  } else {
    DrawTextAt(g, &k.f12, &k.green, 0, 124, "----");
  }
  SetCanvasTransform(g, s, kFpEhsiCanvas, 159.0, 96.0);
  if (fp_ehsi_mode != kModeMap) {
    DrawLineD(g, &k.white2, 0, -62, 6, -72);
    DrawLineD(g, &k.white2, 6, -72, -6, -72);
    DrawLineD(g, &k.white2, -6, -72, 0, -62);
  }
}

}  // namespace

void DrawEhsiOverlay(DisplaySurface* s, gfx::Graphics* g) {
  const EhsiInk k;
  SetCanvasTransform(g, s, kFpEhsiCanvas, 0.0, 0.0);
  DrawTcasStatus(g, k);
  if (plane_mach >= kMachShown) {
    char text[32];
    FormatMachText(plane_mach, text, sizeof text);
    DrawTextAt(g, &k.f13, &k.white, 10, 0, "%s", text);
  }
  DrawAltimeterSetting(g, k);
  g->DrawRectangle(&k.white2, 143.0f, 2.0f, 32.0f, 20.0f);
  if (IrsAligned()) {
    DrawAlignedBlock(g, s, k);
  } else {
    g->DrawRectangle(&k.yellow1, 144.0f, 2.0f, 30.0f, 18.0f);
    DrawTextAt(g, &k.f13, &k.yellow, 143, 3, "HDG");
  }
}
