#include "module/gauge_table.h"

#include <gtest/gtest.h>

#include <string>

#include "module/module_fixture.h"

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

}  // namespace
