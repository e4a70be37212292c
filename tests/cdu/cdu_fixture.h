// Test bed of the CDU: a freshly loaded module with the in-process host and an "FMS" gauge whose
// keys are clicked by name, a CDU paint into a 399 x 320 recording screen (device points are canvas
// units), and the texts of each screen line as a pilot reads them.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "afds/afds_globals.h"
#include "cdu/cdu_globals.h"
#include "cdu/cdu_page_framework.h"
#include "fmc/fmc_globals.h"
#include "fmc/route_fixture.h"
#include "fmc/route_model.h"
#include "draw/display_surface.h"
#include "module/paint_entries.h"
#include "sim/tick_globals.h"
#include "host/cdu_keyboard.h"
#include "navdb/nav_records.h"
#include "navdb/navdb_globals.h"
#include "platform/gfx/gfx.h"
#include "support/sim_fixture.h"

namespace cdu_test {

// What a pilot reads on one line of the screen: the small label above it and the data row, split
// into the left field and the right field (right-aligned texts and texts from x 180 on). Each part
// joins its texts left to right with one blank, each text without its padding blanks.
struct LineText {
  std::string label;
  std::string left;
  std::string right;
};

inline std::string Trimmed(std::string_view s) {
  const size_t a = s.find_first_not_of(' ');
  if (a == std::string_view::npos) return {};
  const size_t b = s.find_last_not_of(' ');
  return std::string(s.substr(a, b - a + 1));
}

class CduTest : public testing_support::SimFixture {
 protected:
  static constexpr int kWidth = 399;
  static constexpr int kHeight = 320;
  static constexpr double kRightFieldX = 180.0;

  void SetUp() override {
    SimFixture::SetUp();
    fms_ = host_.CreateInstance("FMS", "", 0);
    ASSERT_NE(fms_, nullptr);
    pixels_.assign(static_cast<size_t>(kWidth) * kHeight, 0u);
  }

  // Clicks the named keys of the "FMS" gauge, blank-separated ("LEGS", "1L", "SP", "+/-").
  void Press(std::string_view names) {
    size_t i = 0;
    while (i < names.size()) {
      const size_t j = std::min(names.find(' ', i), names.size());
      if (j > i) Click(names.substr(i, j - i));
      i = j + 1;
    }
  }
  // Types the characters of `text` (a blank is SP).
  void Type(std::string_view text) {
    for (char c : text) Click(c == ' ' ? std::string_view("SP") : std::string_view(&c, 1));
  }
  // Types an entry into an empty scratchpad.
  void Entry(std::string_view text) {
    cdu_scratchpad.clear();
    cdu_message.clear();
    Type(text);
  }

  // One CDU paint as the "FMS" gauge makes it on a painting tick: the page routine of fms_page,
  // then the reset of the key state.
  const gfx::Recording& Paint() {
    rec_.Reset();
    std::fill(pixels_.begin(), pixels_.end(), 0u);
    redraw_tick = 0;
    gauge::DeviceContext dc = Dc(&rec_);
    const gauge::PixelSize size{kWidth, kHeight};
    PaintCdu(&cdu_surface, &dc, &size, 1);
    return rec_;
  }
  // Presses the keys, then paints; again while keys typed behind a line-select or paging key wait
  // for their turn, as the CDU paints in every frame then.
  const gfx::Recording& PressAndPaint(std::string_view names) {
    Press(names);
    Paint();
    for (int i = 0; i < CduKeyQueue::kCapacity && cdu_key_queue.count > 0; ++i) Paint();
    return rec_;
  }
  // An entry typed into an empty scratchpad, then the keys, then one paint.
  const gfx::Recording& EnterAt(std::string_view text, std::string_view keys) {
    Entry(text);
    return PressAndPaint(keys);
  }
  // The scratchpad holds `text` (any characters) when `key` is pressed on page `page`.
  void EnterOn(int32_t page, std::string_view text, std::string_view key) {
    fms_page = page;
    cdu_scratchpad = std::string(text);
    cdu_message.clear();
    PressAndPaint(key);
  }
  // The entry `text` was taken (scratchpad emptied, no message) or refused with `message`, the
  // scratchpad kept.
  static void ExpectTaken(std::string_view text, bool taken, std::string_view message = "INVALID ENTRY") {
    EXPECT_EQ(cdu_scratchpad, taken ? "" : text);
    EXPECT_EQ(cdu_message, taken ? "" : message);
  }

  const gfx::Recording& rec() const { return rec_; }

  // Line 1..6 of the last paint. Line n's label is read in the band 20 to 5 units above its data
  // row, its data from 5 above to 10 below (the end line, a "/" set lower, line 6's course box).
  // Line 6's label also takes the dotted line above it.
  LineText Line(int n) const {
    const double y = cdu::DataY(n);
    const double label_top = n >= cdu::kLines ? 234.0 : y - 20.0;
    LineText out;
    out.label = Join(label_top, y - 5.0, [](const gfx::RecordedText&) { return true; });
    out.left = Join(y - 5.0, y + 10.0, [](const gfx::RecordedText& t) { return !IsRight(t); });
    out.right = Join(y - 5.0, y + 10.0, [](const gfx::RecordedText& t) { return IsRight(t); });
    return out;
  }
  // The texts drawn with their top at y (within 2 units), left to right.
  std::string TextAt(double y) const {
    return Join(y - 2.0, y + 2.0, [](const gfx::RecordedText&) { return true; });
  }
  // "left | right" of line n.
  std::string Row(int n) const {
    const LineText l = Line(n);
    return l.left + " | " + l.right;
  }
  std::string TitleLine() const {
    return Join(-5.0, 20.0, [](const gfx::RecordedText&) { return true; });
  }
  std::string BottomLine() const {
    return Join(285.0, 320.0, [](const gfx::RecordedText&) { return true; });
  }

  // All the fuel in the centre tank: full level, a capacity of `lb` gallons of 1 lb each.
  void SetFuelLb(double lb) {
    host_.SetToken(289, 8388608.0);
    host_.SetToken(290, lb);
    host_.SetToken(306, 1.0);
  }
  // Total fuel flow of the engines, lb per hour.
  void SetFuelFlow(double lb_per_h) { host_.SetToken(421, lb_per_h); }

 private:
  simhost::GaugeInstance* fms_ = nullptr;
  std::vector<uint32_t> pixels_;
  gfx::Recording rec_;

  gauge::DeviceContext Dc(gfx::Recording* rec) {
    return gauge::DeviceContext{pixels_.data(), kWidth, kHeight, kWidth * 4, rec};
  }

  void Click(std::string_view name) {
    simhost::CduKeyPoint p;
    ASSERT_TRUE(simhost::FindCduKey(name, &p)) << name;
    ASSERT_TRUE(host_.Click(fms_, p.x, p.y)) << name;
  }

  static bool IsRight(const gfx::RecordedText& t) { return t.right_to_left || t.position.X >= kRightFieldX; }

  template <typename Pred>
  std::string Join(double top, double bottom, Pred pred) const {
    std::vector<const gfx::RecordedText*> texts;
    for (const gfx::Op* op : rec_.TextOps()) {
      const gfx::RecordedText* t = rec_.TextOf(*op);
      if (t->position.Y >= top && t->position.Y < bottom && pred(*t)) texts.push_back(t);
    }
    std::stable_sort(texts.begin(), texts.end(),
                     [](const auto* a, const auto* b) { return a->position.X < b->position.X; });
    std::string out;
    for (const gfx::RecordedText* t : texts) {
      const std::string s = Trimmed(t->text);
      if (s.empty()) continue;
      if (!out.empty()) out += ' ';
      out += s;
    }
    return out;
  }
};

// The route as the active one (state 3, active leg 1) and its modified copy.
inline void SetActiveRoute(const std::vector<std::string>& idents) {
  route_test::SetLegs(fms_fpln_act, &fp_cnt, idents);
  CopyActiveToModRoute();
  std::tie(fms_fpln_active, stpos, mod_stpos) = std::tuple(3, 1, 1);
}

using route_test::ModIdents;
using route_test::SetCandidate;
using route_test::SetModLegs;

}  // namespace cdu_test
