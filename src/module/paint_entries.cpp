#include "module/paint_entries.h"

#include <algorithm>
#include <bit>
#include <initializer_list>

#include "afds/afds_globals.h"
#include "cdu/cdu_globals.h"
#include "cdu/cdu_keys.h"
#include "cdu/cdu_pages.h"
#include "displays/attitude_state.h"
#include "displays/displays_globals.h"
#include "displays/eadi_format_a.h"
#include "displays/eadi_format_b.h"
#include "displays/eicas_pages.h"
#include "displays/pfd_display.h"
#include "displays/standby_display.h"
#include "sim/readers_systems.h"
#include "sim/tick_globals.h"
#include "sim/tick_span.h"
#include "nd/nd_globals.h"
#include "nd/map_frame.h"
#include "nd/ehsi_overlay.h"
#include "nd/nd_overlay.h"
#include "nd/roses.h"
#include "platform/gfx/gfx.h"
#include "state/state_globals.h"

namespace {

constexpr int32_t kMaxTableRate = 17;
constexpr uint32_t kEverySlot = kEveryRedrawSlot;

constexpr uint32_t SlotMask(std::initializer_list<int> slots) {
  uint32_t mask = 0;
  for (int s : slots) mask |= 1u << s;
  return mask;
}
constexpr uint32_t AllSlotsBut(std::initializer_list<int> slots) { return kEverySlot & ~SlotMask(slots); }

// The slots of each rate. Fixed sets, not nested, chosen so that the displays' paints spread over
// the cycle; every rate shares slot 0.
constexpr uint32_t kRateSlots[kMaxTableRate + 1] = {
    kEverySlot,  // rate 0 is not in the table: every slot
    SlotMask({0}),
    SlotMask({0, 11}),
    SlotMask({0, 6, 11}),
    SlotMask({0, 6, 11, 13}),
    SlotMask({0, 6, 8, 11, 13}),
    SlotMask({0, 6, 8, 11, 13, 15}),
    SlotMask({0, 2, 6, 8, 11, 13, 15}),
    SlotMask({0, 2, 6, 8, 11, 13, 15, 17}),
    SlotMask({0, 2, 4, 6, 8, 11, 13, 15, 17}),
    SlotMask({0, 2, 4, 6, 8, 9, 11, 13, 15, 17}),
    SlotMask({0, 2, 4, 6, 7, 9, 10, 12, 13, 15, 17}),
    AllSlotsBut({2, 5, 8, 11, 14, 17}),
    AllSlotsBut({2, 5, 8, 12, 15}),
    AllSlotsBut({3, 7, 11, 14}),
    AllSlotsBut({4, 9, 13}),
    AllSlotsBut({5, 7}),
    AllSlotsBut({9}),
};

constexpr gfx::ARGB kClearTransparent = 0x00000000u;
// The flat-panel PFD and the standby display clear to their background green with alpha 0: still
// transparent on screen.
constexpr gfx::ARGB kClearPfdGreen = 0x0072BD61u;
constexpr gfx::ARGB kOpaqueBlack = 0xFF000000u;

// How an entry prepares the graphics object. The world transform does not act on a clear, so it
// is set before the power test for every entry that scales (the order the CDU's entry needs).
struct EntryFrame {
  const int32_t* rate;  // null: paints on every call
  bool (*paint_anyway)() = nullptr;  // also paints off its rate's slots while this holds
  gfx::ARGB clear;
  gfx::SmoothingMode smoothing = gfx::SmoothingModeHighQuality;
  // The moving maps draw hundreds of symbols through one clip: they ask for speed.
  gfx::CompositingQuality compositing = gfx::CompositingQualityDefault;
  bool clear_when_powered = true;
  gfx::SizeF canvas{};  // logical canvas the entry scales to; empty: the painters scale
  gfx::RectF black{};   // background fill in canvas units; empty: none
};

bool PowerTestPasses(int32_t mode) { return ac_power >= 2 && mode != kPaintBackgroundOnly; }

uint32_t PixelCount(int32_t n) { return static_cast<uint32_t>(std::max(0, n)); }

uint32_t RateSlots(int32_t rate) { return rate < 1 || rate > kMaxTableRate ? kEverySlot : kRateSlots[rate]; }

// The ticks a paint stands for: the display's slots the driver's last run passed, on its first
// drawing paint after that run; a paint that repeats a tick (above 18 frames a second) stands for none.
void CountPaintTicks(DisplaySurface* surface, const int32_t* rate) {
  const uint32_t slots = RedrawSlotsPassed() & (rate != nullptr ? RateSlots(*rate) : kEverySlot);
  surface->paint_ticks = surface->painted_run == tick_runs ? 0 : std::popcount(slots);
  surface->painted_run = tick_runs;
}

// The common frame of an entry. Runs `painters` on the prepared graphics object when the power
// test passes; returns whether they ran.
template <typename Painters>
bool RunEntry(const EntryFrame& f, DisplaySurface* surface, gauge::DeviceContext* dc, const gauge::PixelSize* size,
              int32_t mode, Painters painters) {
  if (dc == nullptr || size == nullptr || surface == nullptr) return false;
  if (f.rate != nullptr && !IsRedrawTick(*f.rate) && (f.paint_anyway == nullptr || !f.paint_anyway())) return false;
  surface->width = PixelCount(size->width);
  surface->height = PixelCount(size->height);
  gfx::Graphics graphics(dc);
  if (f.canvas.Width > 0.0f) {
    graphics.ResetTransform();
    graphics.ScaleTransform(static_cast<gfx::REAL>(surface->width) / f.canvas.Width,
                            static_cast<gfx::REAL>(surface->height) / f.canvas.Height);
  }
  if (!PowerTestPasses(mode)) {
    graphics.Clear(gfx::Color(f.clear));
    return false;
  }
  // Only a paint that draws takes the run's ticks: with a pop-up open the panel's instance of the
  // same display paints its background only, maybe before the pop-up's instance.
  CountPaintTicks(surface, f.rate);
  graphics.SetSmoothingMode(f.smoothing);
  graphics.SetCompositingQuality(f.compositing);
  graphics.SetTextRenderingHint(gfx::TextRenderingHintAntiAlias);
  if (f.clear_when_powered) graphics.Clear(gfx::Color(f.clear));
  if (f.black.Width > 0.0f) {
    const gfx::SolidBrush black{gfx::Color(kOpaqueBlack)};
    graphics.FillRectangle(&black, f.black);
  }
  painters(surface, &graphics);
  return true;
}

constexpr EntryFrame kEadiFrame{.rate = &EadiRefreshRate,
                                .clear = kClearTransparent,
                                .smoothing = gfx::SmoothingModeAntiAlias,
                                .clear_when_powered = false,  // the black fill covers the canvas
                                .canvas = {217.0f, 173.0f},
                                .black = {0.0f, 0.0f, 217.0f, 173.0f}};
constexpr EntryFrame kCduFrame{.rate = &FmsRefreshRate,
                               .paint_anyway = &CduKeyWaitsForPaint,
                               .clear = kClearTransparent,
                               .canvas = {399.0f, 320.0f}};
constexpr EntryFrame kFpEhsiFrame{
    .rate = nullptr, .clear = kClearTransparent, .compositing = gfx::CompositingQualityHighSpeed};
constexpr EntryFrame kFpNdFrame{.rate = &RetroNdRefreshRate,
                                .clear = kClearTransparent,
                                .compositing = gfx::CompositingQualityHighSpeed,
                                .canvas = {318.0f, 424.0f},
                                .black = {0.0f, 30.0f, 318.0f, 394.0f}};
// The painter scales; the fill uses the canvas numbers in device pixels.
constexpr EntryFrame kFpPfdFrame{
    .rate = &RetroPfdRefreshRate, .clear = kClearPfdGreen, .black = {0.0f, 0.0f, 318.0f, 232.0f}};
constexpr EntryFrame kLowerEicasFrame{.rate = &LowerEicasRefreshRate, .clear = kClearTransparent};
constexpr EntryFrame kNdFrame{
    .rate = &NdRefreshRate, .clear = kClearTransparent, .compositing = gfx::CompositingQualityHighSpeed};
constexpr EntryFrame kUpperEicasFrame{.rate = &UpperEicasRefreshRate, .clear = kClearTransparent};

struct CduPage {
  int32_t id;
  DisplayPainter routine;
};

#define RO_CDU_PAGE_ROW_(name, id) {id, &name},
constexpr CduPage kCduPages[] = {CDU_PAGE_ROUTINES(RO_CDU_PAGE_ROW_)};
#undef RO_CDU_PAGE_ROW_

// Upper-EICAS requests that the painters act on during one powered paint; a value of 1 is spent
// then, other values stay for their own consumers.
int32_t* const kUpperEicasRequests[] = {&to_temp_decr_req, &to_temp_incr_req, &thr_ref_to_req,
                                        &thr_ref_crz_req,  &eicas_cancel_req, &eicas_recall_req};

}  // namespace

bool IsRedrawTick(int32_t rate) {
  if (rate < 1 || rate > kMaxTableRate) return true;
  // A run that spans several ticks (below 18 frames a second) paints when it passed any of the rate's
  // slots. The driver keeps the slot in 0..17; any other value matches no slot of a rated display.
  return (RedrawSlotsPassed() & kRateSlots[rate]) != 0;
}

DisplayPainter CduPageRoutine(int32_t page) {
  for (const CduPage& p : kCduPages) {
    if (p.id == page) return p.routine;
  }
  return nullptr;
}

void PaintEadi(DisplaySurface* surface, gauge::DeviceContext* dc, const gauge::PixelSize* size, int32_t mode) {
  RunEntry(kEadiFrame, surface, dc, size, mode, [](DisplaySurface* s, gfx::Graphics* g) {
    BeginAttitudePaint(s->paint_ticks);
    if (EadiMode != 0) {
      DrawEadiFormatB(s, g);
    } else {
      DrawEadiFormatA(s, g);
    }
  });
}

void PaintCdu(DisplaySurface* surface, gauge::DeviceContext* dc, const gauge::PixelSize* size, int32_t mode) {
  RunEntry(kCduFrame, surface, dc, size, mode, [](DisplaySurface* s, gfx::Graphics* g) {
    TakeWaitingCduKeys();
    StartCduKeyOnActiveRoute();
    if (DisplayPainter page = CduPageRoutine(fms_page)) page(s, g);
    // Also without a page: a key pressed there is dropped.
    ClearCduKeyFlags(s);
  });
}

void PaintFpEhsi(DisplaySurface* surface, gauge::DeviceContext* dc, const gauge::PixelSize* size, int32_t mode) {
  RunEntry(kFpEhsiFrame, surface, dc, size, mode, [](DisplaySurface* s, gfx::Graphics* g) {
    if (fp_ehsi_mode < 3) {
      DrawEhsiRose(s, g);
    } else {
      DrawEhsiMap(s, g);
    }
    DrawEhsiOverlay(s, g);
  });
}

void PaintFpNd(DisplaySurface* surface, gauge::DeviceContext* dc, const gauge::PixelSize* size, int32_t mode) {
  RunEntry(kFpNdFrame, surface, dc, size, mode, [](DisplaySurface* s, gfx::Graphics* g) {
    fp_nd_centre_y = (fpnd_mode == 4) ? 170 : 272;  // PLAN centres higher on the canvas
    DrawFpNdMap(s, g);
    DrawFpNdOverlay(s, g);
  });
}

void PaintFpPfd(DisplaySurface* surface, gauge::DeviceContext* dc, const gauge::PixelSize* size, int32_t mode) {
  RunEntry(kFpPfdFrame, surface, dc, size, mode, [](DisplaySurface* s, gfx::Graphics* g) {
    BeginAttitudePaint(s->paint_ticks);
    DrawFpPfd(s, g);
  });
}

void PaintLowerEicas(DisplaySurface* surface, gauge::DeviceContext* dc, const gauge::PixelSize* size,
                     int32_t mode) {
  RunEntry(kLowerEicasFrame, surface, dc, size, mode, [](DisplaySurface* s, gfx::Graphics* g) {
    if (lower_eicas_mode == 1) {
      DrawEicasEngineSecondary(s, g);
    } else if (lower_eicas_mode == 2) {
      DrawLowerEicasStatus(s, g);
    }
  });
}

void PaintNd(DisplaySurface* surface, gauge::DeviceContext* dc, const gauge::PixelSize* size, int32_t mode) {
  RunEntry(kNdFrame, surface, dc, size, mode, [](DisplaySurface* s, gfx::Graphics* g) {
    if (nd_mode < 3 && ctr_mode == 1) {
      DrawNdRose(s, g);
    } else {
      DrawNdMap(s, g);
    }
    DrawNdOverlay(s, g);
  });
}

void PaintStbyPfd(DisplaySurface* surface, gauge::DeviceContext* dc, const gauge::PixelSize* size,
                  int32_t /*mode*/) {
  if (dc == nullptr || size == nullptr || surface == nullptr) return;
  if (!IsRedrawTick(StdbyPfdRefreshRate)) return;
  surface->width = PixelCount(size->width);
  surface->height = PixelCount(size->height);
  gfx::Graphics graphics(dc);
  graphics.Clear(gfx::Color(kClearPfdGreen));
  // The standby instrument runs on the standby bus as well.
  if (ReadTokenVar364() != 0.0 || ac_power != 0) {
    graphics.SetSmoothingMode(gfx::SmoothingModeHighQuality);
    graphics.SetTextRenderingHint(gfx::TextRenderingHintAntiAlias);
    DrawStandbyDisplay(surface, &graphics);
  } else {
    graphics.Clear(gfx::Color(kClearPfdGreen));
  }
}

void PaintUpperEicas(DisplaySurface* surface, gauge::DeviceContext* dc, const gauge::PixelSize* size,
                     int32_t mode) {
  const bool painted = RunEntry(kUpperEicasFrame, surface, dc, size, mode, [](DisplaySurface* s, gfx::Graphics* g) {
    DrawUpperEicasText(s, g);
    DrawUpperEicasEngines(s, g);
  });
  if (!painted) return;
  for (int32_t* request : kUpperEicasRequests) {
    if (*request == 1) *request = 0;
  }
}
