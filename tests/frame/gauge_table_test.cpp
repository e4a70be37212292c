#include "frame/gauge_table.h"

#include <gtest/gtest.h>

#include <string>

#include "frame/frame_fixture.h"

namespace {

// Every header has a root element and a mouse list whose parent rows are all closed; the
// linkage ends its list after the last gauge.
TEST(GaugeTable, EveryHeaderIsWellFormedAndTheListEnds) {
  for (int i = 0; i < kGaugeCount; ++i) {
    const gauge::GaugeHeader* g = Linkage.gauges[i];
    ASSERT_NE(g, nullptr) << i;
    ASSERT_NE(g->elements_list[0], nullptr) << g->gauge_name;
    int parents = 0, ends = 0;
    for (const gauge::MouseRect* r = g->mouse_rect; r->rect_type != gauge::kMouseEnd; ++r) {
      parents += r->rect_type == gauge::kMouseParentBegin ? 1 : 0;
      ends += r->rect_type == gauge::kMouseParentEnd ? 1 : 0;
    }
    EXPECT_EQ(parents, ends) << g->gauge_name;
    EXPECT_EQ(g->mouse_rect[0].rect_type, gauge::kMouseParentBegin) << g->gauge_name;
  }
  EXPECT_EQ(Linkage.gauges[kGaugeCount], nullptr);
}

using GaugeInstanceTest = FrameTest;

// A child's box lies relative to its parent row; the CDU keys react only inside their own boxes.
TEST_F(GaugeInstanceTest, ClickAreasLieRelativeToTheirParentBox) {
  simhost::GaugeInstance* radio = Create("RADIO_STACK");
  EXPECT_TRUE(host().Click(radio, 68 + 10, 148 + 40));  // first knob, left half
  EXPECT_TRUE(host().Click(radio, 68 + 60, 148 + 40));  // right half
  ASSERT_EQ(host().key_events().size(), 2u);
  EXPECT_EQ(host().key_events()[0].event_id, 0x10064u);
  EXPECT_EQ(host().key_events()[1].event_id, 0x10065u);
  simhost::GaugeInstance* fms = Create("FMS");
  EXPECT_FALSE(host().Click(fms, 286, 409));            // between DEP ARR and VNAV
  EXPECT_TRUE(host().Click(fms, 456 + 20, 795 + 20));   // CLR
  EXPECT_TRUE(host().Click(fms, 403 + 5, 520 + 5));     // D, top-left part
  EXPECT_FALSE(host().Click(fms, 403 + 40, 520 + 40));  // D reacts only in its top-left 30 x 36
}

}  // namespace
