#include "host/panel_config.h"

namespace simhost {

const std::array<KnownGauge, gauge::kMaxGauges>& KnownGauges() {
  static const std::array<KnownGauge, gauge::kMaxGauges> kGauges = {{
      {"SERVER", kNoPopup},        {"FMS", 5000},
      {"FMS_NB", 5000},            {"ND", 80},
      {"EFIS_CTRL", kNoPopup},     {"RADIO_STACK", 50},
      {"UPPER_EICAS", 90},         {"LOWER_EICAS", 95},
      {"EADI", 70},                {"TMSP", kNoPopup},
      {"EICAS_MSG_SW", kNoPopup},  {"EICAS_ENG_STS", kNoPopup},
      {"FP_PFD", 5014},            {"FP_EHSI", 5014},
      {"FP_ND", 5016},             {"AUTOLAND_STATUS", kNoPopup},
      {"STBY_PFD", 5018},          {"FLCH", kNoPopup},
      {"RETRO_EFIS_CTRL", kNoPopup}, {"ELEC_CHKLIST", kNoPopup},
      {"ALT_ALERT", kNoPopup},
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

int32_t DefaultWindow(const KnownGauge& gauge, std::string_view parameter) {
  if (parameter == "VC") return kVirtualCockpit;
  if (parameter == "WN") return gauge.popup_window;
  return kMainPanelWindow;
}

}  // namespace simhost
