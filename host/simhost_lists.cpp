// simhost --list-gauges and --list-areas: what a scenario's `gauge`, `click`, `clickfn` and
// `snapshot` lines can name, read from the module's own gauge table.
#include <cstdio>
#include <ostream>
#include <string>

#include "host/cdu_keyboard.h"
#include "host/host.h"
#include "host/module_loader.h"
#include "host/panel_config.h"
#include "host/simhost_app.h"

namespace simhost {

namespace {

bool Load(LoadedModule* module, const std::string& path, std::ostream& err) {
  std::string error;
  if (module->Load(path, &error)) return true;
  err << EscapeControlBytes("simhost: " + error) << "\n";
  return false;
}

std::string Size(gauge::PixelSize s) { return std::to_string(s.width) + " x " + std::to_string(s.height); }

std::string Buttons(uint32_t flags) {
  const bool left = (flags & gauge::kMouseLeftSingle) != 0, right = (flags & gauge::kMouseRightSingle) != 0;
  std::string b = left && right ? "left or right" : (right ? "right" : "left");
  if ((flags & 0x00200000u) != 0) b += ", repeats while held";
  return b;
}

}  // namespace

int PrintGauges(const SimhostOptions& options, std::ostream& out, std::ostream& err) {
  LoadedModule module;
  if (!Load(&module, options.module, err)) return 2;
  gauge::LinkageRecord* linkage = module.linkage();
  out << "The module's gauges, as `gauge`, `click`, `clickfn` and `snapshot` name them.\n"
         "Parameters: \"\" (the 2-D panel, window 0), VC (the 3-D cockpit), WN (the display's pop-up window)\n"
         "or any other text (window 0). Mouse areas: simhost --list-areas GAUGE.\n\n";
  char line[160];
  std::snprintf(line, sizeof line, "  %-17s %-8s %-6s %s\n", "gauge", "pop-up", "areas", "drawing surface");
  out << line;
  for (int n = 0; n < CountLinkedGauges(linkage); ++n) {
    const gauge::GaugeHeader* g = linkage->gauges[n];
    const std::string name = g->gauge_name != nullptr ? g->gauge_name : "";
    const KnownGauge* known = FindKnownGauge(name);
    const std::string popup = known != nullptr && known->popup_window != kNoPopup ? std::to_string(known->popup_window) : "-";
    const gauge::PixelSize bitmap = SurfaceBitmap(g);
    std::string surface = "none";
    if (bitmap.width > 0) {
      surface = Size(SurfaceSize(known, bitmap)) + " (bitmap " + Size(bitmap);
      if (known != nullptr && known->canvas.width > 0) surface += ", canvas " + Size(known->canvas);
      surface += ")";
    }
    std::snprintf(line, sizeof line, "  %-17s %-8s %-6zu %s\n", name.c_str(), popup.c_str(),
                  ListMouseAreas(g->mouse_rect).size(), surface.c_str());
    out << line;
  }
  return 0;
}

int PrintMouseAreas(const SimhostOptions& options, std::ostream& out, std::ostream& err) {
  const std::string& name = options.list_areas;
  if (FindKnownGauge(name) == nullptr) {
    err << EscapeControlBytes("simhost: unknown gauge '" + name + "'; did you mean '" + NearestGaugeName(name) +
                              "'? The gauges: " + GaugeNameList())
        << "\n";
    return 2;
  }
  LoadedModule module;
  if (!Load(&module, options.module, err)) return 2;
  const gauge::GaugeHeader* g = Host::FindTemplate(module.linkage(), name);
  if (g == nullptr) {
    err << "simhost: the module has no gauge '" << name << "'\n";
    return 2;
  }
  const std::vector<MouseArea> areas = ListMouseAreas(g->mouse_rect);
  out << "Mouse areas of " << name << " (gauge bitmap pixels): `clickfn " << name
      << " N` clicks the middle of area N, `click " << name << " X Y` any point of it.\n";
  if (areas.empty()) out << "  none\n";
  char line[160];
  for (const MouseArea& a : areas) {
    const char* key = name == "FMS" ? CduKeyNameOfBox(a.x, a.y) : nullptr;
    std::snprintf(line, sizeof line, "  %3d  x %4d..%-4d y %4d..%-4d middle %4d, %-4d %s%s%s\n", a.index, a.x,
                  a.x + a.width - 1, a.y, a.y + a.height - 1, a.x + a.width / 2, a.y + a.height / 2,
                  Buttons(a.row->mouse_flags).c_str(), key != nullptr ? "; CDU key " : "", key != nullptr ? key : "");
    out << line;
  }
  return 0;
}

}  // namespace simhost
