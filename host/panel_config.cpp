#include "host/panel_config.h"

#include <algorithm>
#include <cctype>

namespace simhost {

const std::array<KnownGauge, gauge::kMaxGauges>& KnownGauges() {
  static const std::array<KnownGauge, gauge::kMaxGauges> kGauges = {{
      {"SERVER", kNoPopup, {}},          {"FMS", 5000, {399, 320}},
      {"FMS_NB", 5000, {399, 320}},      {"ND", 80, {215, 252}},
      {"EFIS_CTRL", kNoPopup, {}},       {"RADIO_STACK", 50, {}},
      {"UPPER_EICAS", 90, {250, 213}},   {"LOWER_EICAS", 95, {250, 213}},
      {"EADI", 70, {217, 173}},          {"TMSP", kNoPopup, {}},
      {"EICAS_MSG_SW", kNoPopup, {}},    {"EICAS_ENG_STS", kNoPopup, {}},
      {"FP_PFD", 5014, {318, 232}},      {"FP_EHSI", 5014, {318, 192}},
      {"FP_ND", 5016, {318, 424}},       {"AUTOLAND_STATUS", kNoPopup, {}},
      {"STBY_PFD", 5018, {100, 92}},     {"FLCH", kNoPopup, {}},
      {"RETRO_EFIS_CTRL", kNoPopup, {}}, {"ELEC_CHKLIST", kNoPopup, {}},
      {"ALT_ALERT", kNoPopup, {}},
  }};
  return kGauges;
}

const KnownGauge* FindKnownGauge(std::string_view name) {
  for (const KnownGauge& g : KnownGauges()) {
    if (name == g.name) return &g;
  }
  return nullptr;
}

int CountLinkedGauges(const gauge::LinkageRecord* linkage) {
  if (linkage == nullptr) return 0;
  int n = 0;
  while (n < gauge::kMaxGauges && linkage->gauges[n] != nullptr) ++n;
  return n;
}

std::vector<PanelEntry> DefaultPanel(const gauge::LinkageRecord* linkage) {
  std::vector<PanelEntry> panel;
  const int n = CountLinkedGauges(linkage);
  for (int i = 0; i < n; ++i) {
    const gauge::GaugeHeader* g = linkage->gauges[i];
    if (g->gauge_name != nullptr) panel.push_back({g->gauge_name, "", kMainPanelWindow});
  }
  return panel;
}

gauge::PixelSize SurfaceSize(const KnownGauge* gauge, gauge::PixelSize bitmap) {
  if (gauge == nullptr || gauge->canvas.width <= 0 || gauge->canvas.height <= 0 || bitmap.width <= 0) return bitmap;
  const int64_t height = (int64_t{bitmap.width} * gauge->canvas.height * 2 + gauge->canvas.width) /
                         (int64_t{gauge->canvas.width} * 2);  // rounded
  return {bitmap.width, static_cast<int32_t>(height)};
}

namespace {

int EditDistance(std::string_view a, std::string_view b) {
  std::vector<int> row(b.size() + 1);
  for (size_t j = 0; j <= b.size(); ++j) row[j] = static_cast<int>(j);
  for (size_t i = 1; i <= a.size(); ++i) {
    int diagonal = row[0];
    row[0] = static_cast<int>(i);
    for (size_t j = 1; j <= b.size(); ++j) {
      const bool same = std::toupper(static_cast<unsigned char>(a[i - 1])) == b[j - 1];
      const int next = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (same ? 0 : 1)});
      diagonal = row[j];
      row[j] = next;
    }
  }
  return row[b.size()];
}

}  // namespace

const char* NearestGaugeName(std::string_view name) {
  const char* best = nullptr;
  int best_distance = 0;
  for (const KnownGauge& g : KnownGauges()) {
    const int d = EditDistance(name, g.name);
    if (best == nullptr || d < best_distance) {
      best = g.name;
      best_distance = d;
    }
  }
  return best;
}

std::string GaugeNameList() {
  std::string list;
  for (const KnownGauge& g : KnownGauges()) list += (list.empty() ? "" : ", ") + std::string(g.name);
  return list;
}

int32_t DefaultWindow(const KnownGauge& gauge, std::string_view parameter) {
  if (parameter == "VC") return kVirtualCockpit;
  if (parameter == "WN") return gauge.popup_window;
  return kMainPanelWindow;
}

}  // namespace simhost
