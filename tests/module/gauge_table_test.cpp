#include "module/gauge_table.h"

#include <gtest/gtest.h>

#include <string>

#include "module/module_fixture.h"
#include "support/digest.h"

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

// The gauges as laid out: names, sizes, mouse rows and element trees. A reviewed change of the
// layout updates the digest.
void AddElement(testing_support::Digest& d, const gauge::ElementHeader* e) {
  d.Add(e->element_type).Add(e->resource_id).Add(e->x).Add(e->y).Add(e->image_flags).Add(e->string_capacity);
  if (e->dim != nullptr) d.Add(*e->dim);
  d.Add(e->string_callback != nullptr);
  for (const gauge::ElementHeader* const* c = e->children; c != nullptr && *c != nullptr; ++c) AddElement(d, *c);
}

TEST(GaugeTable, LayoutAsTranscribed) {
  testing_support::Digest d;
  for (int i = 0; i < kGaugeCount; ++i) {
    const gauge::GaugeHeader* g = Linkage.gauges[i];
    d.Add(std::string_view(g->gauge_name)).Add(g->size);
    AddElement(d, g->elements_list[0]);
    for (const gauge::MouseRect* r = g->mouse_rect;; ++r) {
      d.Add(r->rect_type).Add(r->x).Add(r->y).Add(r->width).Add(r->height).Add(r->cursor).Add(r->mouse_flags);
      d.Add(r->event_id).Add(r->function != nullptr);
      if (r->rect_type == gauge::kMouseEnd) break;
    }
  }
  EXPECT_EQ(d.value(), 15180687793008095021u);
}

}  // namespace
