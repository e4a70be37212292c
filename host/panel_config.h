// The panel definition the host builds its gauge instances from: which of the module's 21 gauges sit
// where (gauge name, parameter text "", "VC" or "WN", panel window), in panel order.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gauge.h"

namespace simhost {

constexpr int32_t kMainPanelWindow = 0;
constexpr int32_t kVirtualCockpit = -1;  // the 3-D cockpit: serviced whatever window is shown
constexpr int32_t kNoPopup = -1;

struct KnownGauge {
  const char* name;
  int32_t popup_window;  // the display's pop-up window, which holds its "WN" instance; kNoPopup if none
  // The fixed logical canvas the display's painters scale to its surface; 0 x 0 for a gauge that
  // draws nothing of its own.
  gauge::PixelSize canvas;
};

// The module's gauges by name, in the order of its gauge table.
const std::array<KnownGauge, gauge::kMaxGauges>& KnownGauges();
const KnownGauge* FindKnownGauge(std::string_view name);

// The display pop-up windows.
constexpr std::array<int32_t, 9> kPopupWindows = {50, 70, 80, 90, 95, 5000, 5014, 5016, 5018};

struct PanelEntry {
  std::string gauge;
  std::string parameter;
  int32_t window = kMainPanelWindow;
  gauge::PixelSize size{0, 0};  // its drawing surface's; 0 x 0: SurfaceSize's choice
};

// One "" instance of every gauge the linkage lists, in window 0, in linkage order.
std::vector<PanelEntry> DefaultPanel(const gauge::LinkageRecord* linkage);

// The window an instance with this parameter goes to when the panel definition names none: "VC" the
// 3-D cockpit, "WN" the gauge's pop-up (kNoPopup when it has none), anything else window 0.
int32_t DefaultWindow(const KnownGauge& gauge, std::string_view parameter);

// The pixel size of a display's drawing surface: the canvas's aspect at the width of the surface's
// bitmap (`bitmap`), so that the painters scale both axes alike; the bitmap itself for a gauge without
// a canvas.
gauge::PixelSize SurfaceSize(const KnownGauge* gauge, gauge::PixelSize bitmap);

// The nearest gauge name to a mistyped one (by edit distance, ignoring case).
const char* NearestGaugeName(std::string_view name);
// "SERVER, FMS, ..." in table order.
std::string GaugeNameList();

// Gauges the linkage lists (up to its null entry).
int CountLinkedGauges(const gauge::LinkageRecord* linkage);

}  // namespace simhost
