// Test bed of the map painters and layers: a freshly loaded module with the in-process host, the
// IRSs aligned, and a recording surface the size of a display's canvas, so that device points are
// canvas units (a layer's point (x, y) about the map centre lands at centre + (x, y)).
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "afds/afds_globals.h"
#include "frame/display_surface.h"
#include "frame/frame_globals.h"
#include "frame/geodesy.h"
#include "frame/module_entry.h"
#include "frame/module_state.h"
#include "frame/tick_globals.h"
#include "host/host.h"
#include "navdb/nav_loader.h"
#include "nd/map_geometry.h"
#include "nd/nd_globals.h"
#include "platform/gfx/gfx.h"

inline constexpr gfx::ARGB kWhiteInk = 0xFFDEE6E9u;
inline constexpr gfx::ARGB kGreenInk = 0xFF00FA00u;
inline constexpr gfx::ARGB kMagentaInk = 0xFFFF13D5u;
inline constexpr gfx::ARGB kCyanInk = 0xFF02A7EBu;

class MapTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetModuleState();
    host_.Attach(&ImportTable, &Linkage);
    irs_l_anun_mode = irs_c_anun_mode = irs_r_anun_mode = 3;
    plane_lat = 47.45;
    plane_lon = -122.311;
    fp_ehsi_mode = 3;  // the EHSI's map painter runs in MAP
  }
  void TearDown() override { ResetModuleState(); }

  // The example region's database (KSEA, KBFI, SEA, NOLLA, TACMA, ...).
  static void LoadExampleDatabase() {
    sim_root = RO757_SOURCE_DIR "/examples/sim";
    LoadNavDatabase();
  }

  // Runs `paint` on a recording-only surface of w x h pixels.
  const gfx::Recording& Record(double w, double h, const std::function<void(DisplaySurface*, gfx::Graphics*)>& paint) {
    rec_.Reset();
    surface_ = DisplaySurface{static_cast<uint32_t>(w), static_cast<uint32_t>(h)};
    gauge::DeviceContext dc{nullptr, static_cast<int32_t>(w), static_cast<int32_t>(h), static_cast<int32_t>(w) * 4,
                            &rec_};
    gfx::Graphics g(&dc);
    paint(&surface_, &g);
    return rec_;
  }
  const gfx::Recording& Record(MapCanvas c, void (*painter)(DisplaySurface*, gfx::Graphics*)) {
    return Record(c.width, c.height, painter);
  }

  const gfx::Recording& rec() const { return rec_; }

  // Operations of a kind and colour, in drawing order.
  std::vector<const gfx::Op*> Ops(gfx::OpKind kind, gfx::ARGB colour) const {
    std::vector<const gfx::Op*> out;
    for (const gfx::Op& op : rec_.ops()) {
      if (op.kind == kind && op.color == colour) out.push_back(&op);
    }
    return out;
  }
  size_t Count(gfx::OpKind kind, gfx::ARGB colour) const { return Ops(kind, colour).size(); }
  // Index of the first / last text op with that text; -1 when absent.
  int IndexOfText(const std::string& text, bool last = false) const {
    int found = -1;
    for (size_t i = 0; i < rec_.ops().size(); ++i) {
      const gfx::RecordedText* t = rec_.TextOf(rec_.ops()[i]);
      if (rec_.ops()[i].kind == gfx::OpKind::Text && t != nullptr && t->text == text) {
        found = static_cast<int>(i);
        if (!last) break;
      }
    }
    return found;
  }
  const gfx::RecordedText* Text(const std::string& text) const {
    const gfx::Op* op = rec_.FindText(text);
    return op != nullptr ? rec_.TextOf(*op) : nullptr;
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> out;
    for (const gfx::Op* op : rec_.TextOps()) out.push_back(rec_.TextOf(*op)->text);
    return out;
  }

  // Where the projection rule puts a position on a map about (cx, cy): canvas units.
  static void Project(double centre_lat, double centre_lon, double up_deg, double px_per_nm, double lat, double lon,
                      double cx, double cy, double* x, double* y) {
    double d = 0.0, b = 0.0;
    CalcDistBrg(centre_lat, centre_lon, lat, lon, &d, &b);
    CalcMapPoint(up_deg, b, 0.0, 0.0, d * px_per_nm, x, y);
    *x += cx;
    *y += cy;
  }

  simhost::Host host_;
  gfx::Recording rec_;
  DisplaySurface surface_{};
};
