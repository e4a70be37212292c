#include "module/display_gauges.h"

#include "cdu/cdu_globals.h"
#include "fmc/fmc_globals.h"
#include "draw/display_surface.h"
#include "sim/sim_globals.h"
#include "sim/debug_log.h"
#include "module/main_update.h"
#include "module/module_entry.h"
#include "module/paint_entries.h"
#include "navdb/navdb_globals.h"
#include "platform/host_api.h"
#include "state/state_globals.h"

namespace {

constexpr int kStbyKnobPicture = 1;

bool WindowShown(uint32_t ident) { return host::IsPanelWindowVisible(ident) != 0; }

enum class PreDrawRule { kCommon, kCdu, kFpNd, kStby };

constexpr int32_t kNoPaint = -1;

// The mode this instance paints with, or kNoPaint.
int32_t PaintMode(PreDrawRule rule, uint32_t popup, const gauge::GaugeHeader* gauge) {
  const bool vc = GaugeParameterIs(gauge, "VC");
  const bool wn = GaugeParameterIs(gauge, "WN");
  switch (rule) {
    case PreDrawRule::kCommon: {
      int32_t mode = kPaintNormal;
      if (WindowShown(panel_window::kMain) && vc) mode = 0;
      // The pop-up shows the display; the other instances keep only the background.
      if (WindowShown(popup) && !wn) mode = kPaintBackgroundOnly;
      return mode == 0 ? kNoPaint : mode;
    }
    case PreDrawRule::kCdu:
      return (vc && (WindowShown(panel_window::kMain) || WindowShown(popup))) ? kNoPaint : kPaintNormal;
    case PreDrawRule::kFpNd: {
      // Never the background only: the instance outside the open pop-up draws fully, and the "VC"
      // instance keeps drawing behind the 2-D panel (its entry draws normally with mode 0).
      int32_t mode = kPaintNormal;
      if (WindowShown(panel_window::kMain) && vc) mode = 0;
      if (WindowShown(popup) && !wn) mode = kPaintNormal;
      return mode;
    }
    case PreDrawRule::kStby: {
      // The entry ignores the mode, so it is handed 0.
      const bool hidden_vc = WindowShown(panel_window::kMain) && vc;
      const bool popup_elsewhere = WindowShown(popup) && !wn;
      return (!hidden_vc || popup_elsewhere) ? 0 : kNoPaint;
    }
  }
  return kNoPaint;
}

// Pre-draw of a drawing surface: paint as the instance rule says, then clear the on-screen mark so
// the host shows the new bitmap (also when there was no device context to paint on).
void ScreenPreDraw(gauge::GaugeHeader* gauge, int element, PreDrawRule rule, uint32_t popup, PaintEntry paint,
                   DisplaySurface* surface) {
  gauge::ElementHeader* screen = gauge::NthElement(gauge, element);
  if (screen == nullptr) return;
  if (screen->hdc != nullptr) {
    const int32_t mode = PaintMode(rule, popup, gauge);
    if (mode != kNoPaint) paint(surface, static_cast<gauge::DeviceContext*>(screen->hdc), screen->dim, mode);
  }
  screen->image_flags &= ~gauge::kImageDirty;
}

}  // namespace

void CduScreenPreDraw(gauge::GaugeHeader* gauge, int element) {
  ScreenPreDraw(gauge, element, PreDrawRule::kCdu, panel_window::kCdu, &PaintCdu, &cdu_surface);
}

namespace {

// Start-up chores a message runs, always in this order.
enum Chore : uint32_t {
  kIdentify = 1u << 0,
  kFillFolder = 1u << 1,
  kStartGdiplus = 1u << 2,
  kLoadData = 1u << 3,
  kIdentPage = 1u << 4,  // fms_page := 25 when no page is set
};

// One row of the display gauges' message table.
struct DisplayGauge {
  uint32_t pre_install = 0;
  uint32_t pre_initialize = 0;
  uint32_t connect = 0;
  const char* connect_log = nullptr;  // written while the debug log is open
  bool tick_in_pre_draw = false;      // MainUpdate from pre-draw instead of pre-update
  PreDrawRule rule = PreDrawRule::kCommon;
  uint32_t popup = 0;
  PaintEntry paint = nullptr;
  DisplaySurface* surface = nullptr;
};

void RunChores(uint32_t chores) {
  if ((chores & kIdentify) != 0) RunIdentificationStep();
  if ((chores & kFillFolder) != 0) FillSimRootIfEmpty();
  if ((chores & kStartGdiplus) != 0) StartGdiplusOnce();
  if ((chores & kLoadData) != 0) LoadMissingData();
  if ((chores & kIdentPage) != 0 && fms_page == 0) fms_page = 25;
}

void RunDisplayGauge(const DisplayGauge& d, gauge::GaugeHeader* gauge, int32_t service_id) {
  switch (service_id) {
    case gauge::kPreInstall: RunChores(d.pre_install); break;
    case gauge::kPreInitialize: RunChores(d.pre_initialize); break;
    case gauge::kPreUpdate:
      if (!d.tick_in_pre_draw) MainUpdate();
      break;
    case gauge::kPreDraw:
      if (d.tick_in_pre_draw) MainUpdate();
      // The standby knob picture shows from the first pre-draw on.
      if (d.rule == PreDrawRule::kStby) gauge::ShowElement(gauge, kStbyKnobPicture);
      ScreenPreDraw(gauge, 0, d.rule, d.popup, d.paint, d.surface);
      break;
    case gauge::kConnectToWindow:
      if (d.connect_log != nullptr) LogLine("%s", d.connect_log);
      RunChores(d.connect);
      break;
    case gauge::kDisconnect: StopGdiplusIfStarted(); break;
    default: break;
  }
}

constexpr uint32_t kCduConnect = kIdentify | kFillFolder | kStartGdiplus | kLoadData | kIdentPage;

const DisplayGauge kFmsNb{.connect = kCduConnect,
                          .rule = PreDrawRule::kCdu,
                          .popup = panel_window::kCdu,
                          .paint = &PaintCdu,
                          .surface = &cdu_surface};
// The ND runs the tick from its draw message.
const DisplayGauge kNd{.pre_install = kIdentify | kFillFolder | kStartGdiplus,
                       .pre_initialize = kFillFolder | kLoadData,
                       .connect_log = "PANEL_SERVICE_CONNECT_TO_WINDOW:  #3 \n\n",
                       .tick_in_pre_draw = true,
                       .popup = panel_window::kNd,
                       .paint = &PaintNd,
                       .surface = &nd_surface};
const DisplayGauge kUpperEicas{.connect = kFillFolder | kStartGdiplus,
                               .connect_log = "PANEL_SERVICE_CONNECT_TO_WINDOW:  #6 \n\n",
                               .popup = panel_window::kUpperEicas,
                               .paint = &PaintUpperEicas,
                               .surface = &upper_eicas_surface};
const DisplayGauge kLowerEicas{.connect = kStartGdiplus,
                               .connect_log = "PANEL_SERVICE_CONNECT_TO_WINDOW:  #7 \n\n",
                               .popup = panel_window::kLowerEicas,
                               .paint = &PaintLowerEicas,
                               .surface = &lower_eicas_surface};
const DisplayGauge kEadi{.connect = kStartGdiplus,
                         .connect_log = "PANEL_SERVICE_CONNECT_TO_WINDOW:#8 \n\n",
                         .popup = panel_window::kEadi,
                         .paint = &PaintEadi,
                         .surface = &eadi_surface};
const DisplayGauge kFpPfd{.connect = kFillFolder | kStartGdiplus,
                          .popup = panel_window::kFpPfdEhsi,
                          .paint = &PaintFpPfd,
                          .surface = &fp_pfd_surface};
const DisplayGauge kFpEhsi{.pre_install = kIdentify | kFillFolder | kStartGdiplus | kLoadData,
                           .popup = panel_window::kFpPfdEhsi,
                           .paint = &PaintFpEhsi,
                           .surface = &fp_ehsi_surface};
const DisplayGauge kFpNd{.connect = kIdentify | kFillFolder | kStartGdiplus | kLoadData,
                          .rule = PreDrawRule::kFpNd,
                          .popup = panel_window::kFpNd,
                          .paint = &PaintFpNd,
                          .surface = &fp_nd_surface};
const DisplayGauge kStbyPfd{.connect = kFillFolder | kStartGdiplus,
                            .rule = PreDrawRule::kStby,
                            .popup = panel_window::kStby,
                            .paint = &PaintStbyPfd,
                            .surface = &stby_pfd_surface};

}  // namespace

void CduConnectToWindow() { RunChores(kCduConnect); }

void FmsNbGaugeCallback(gauge::GaugeHeader* g, int32_t service, uintptr_t) { RunDisplayGauge(kFmsNb, g, service); }
void NdGaugeCallback(gauge::GaugeHeader* g, int32_t service, uintptr_t) { RunDisplayGauge(kNd, g, service); }
void UpperEicasGaugeCallback(gauge::GaugeHeader* g, int32_t service, uintptr_t) {
  RunDisplayGauge(kUpperEicas, g, service);
}
void LowerEicasGaugeCallback(gauge::GaugeHeader* g, int32_t service, uintptr_t) {
  RunDisplayGauge(kLowerEicas, g, service);
}
void EadiGaugeCallback(gauge::GaugeHeader* g, int32_t service, uintptr_t) { RunDisplayGauge(kEadi, g, service); }
void FpPfdGaugeCallback(gauge::GaugeHeader* g, int32_t service, uintptr_t) { RunDisplayGauge(kFpPfd, g, service); }
void FpEhsiGaugeCallback(gauge::GaugeHeader* g, int32_t service, uintptr_t) { RunDisplayGauge(kFpEhsi, g, service); }
void FpNdGaugeCallback(gauge::GaugeHeader* g, int32_t service, uintptr_t) { RunDisplayGauge(kFpNd, g, service); }
void StbyPfdGaugeCallback(gauge::GaugeHeader* g, int32_t service, uintptr_t) {
  RunDisplayGauge(kStbyPfd, g, service);
}

int32_t FmsNbScreenClick(const gauge::PixelPoint*, uint32_t) { return host::TogglePanelWindow(panel_window::kCdu); }
int32_t NdScreenClick(const gauge::PixelPoint*, uint32_t) {
  return TogglePanelWindowUnlessBlocked(panel_window::kNd);
}
int32_t UpperEicasScreenClick(const gauge::PixelPoint*, uint32_t) {
  return TogglePanelWindowUnlessBlocked(panel_window::kUpperEicas);
}
int32_t LowerEicasScreenClick(const gauge::PixelPoint*, uint32_t) {
  return host::TogglePanelWindow(panel_window::kLowerEicas);
}
int32_t EadiScreenClick(const gauge::PixelPoint*, uint32_t) {
  return TogglePanelWindowUnlessBlocked(panel_window::kEadi);
}
int32_t FpPfdScreenClick(const gauge::PixelPoint*, uint32_t) {
  return TogglePanelWindowUnlessBlocked(panel_window::kFpPfdEhsi);
}
int32_t FpNdScreenClick(const gauge::PixelPoint*, uint32_t) {
  return TogglePanelWindowUnlessBlocked(panel_window::kFpNd);
}
