#include "module/gauge_table.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

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

// The eleven readouts the host draws, as the panels' tables give them, on the module's templates and
// on the copies the host makes of them for an instance.
TEST(GaugeTable, ReadoutsCarryWhatTheHostDrawsThemWith) {
  constexpr uint32_t kNone = gauge::kNoSourceVar;
  constexpr uint32_t kPeach = 0x86AEF6, kGreen = 0x00FA00, kAmber = 0x3AA3C5;
  const struct {
    const char* gauge;
    int element;
    int32_t x, y, width, height, max_chars;
    uint32_t colour;
  } kReadouts[] = {
      {"RADIO_STACK", 1, 77, 62, 165, 44, 6, kGreen},    {"RADIO_STACK", 2, 340, 62, 165, 44, 6, kPeach},
      {"RADIO_STACK", 3, 77, 316, 165, 44, 6, kPeach},   {"RADIO_STACK", 4, 340, 316, 165, 44, 6, kPeach},
      {"RADIO_STACK", 5, 103, 559, 138, 40, 6, kPeach},  {"RADIO_STACK", 6, 338, 559, 138, 40, 6, kPeach},
      {"RADIO_STACK", 7, 229, 822, 120, 40, 4, kPeach},  {"RADIO_STACK", 8, 102, 1080, 120, 40, 6, kPeach},
      {"RADIO_STACK", 9, 339, 1080, 120, 40, 3, kPeach}, {"EFIS_CTRL", 15, 183, 96, 103, 48, 4, kAmber},
      {"RETRO_EFIS_CTRL", 20, 183, 96, 103, 48, 4, kAmber},
  };
  simhost::Host host;
  host.Attach(&ImportTable, &Linkage);
  for (const auto& r : kReadouts) {
    const std::string name = std::string(r.gauge) + " " + std::to_string(r.element);
    gauge::GaugeHeader* tmpl = nullptr;
    for (int i = 0; i < kGaugeCount; ++i) {
      if (std::string_view(Linkage.gauges[i]->gauge_name) == r.gauge) tmpl = Linkage.gauges[i];
    }
    simhost::GaugeInstance* instance = host.CreateInstance(r.gauge, "");
    ASSERT_NE(instance, nullptr) << name;
    for (const gauge::ElementHeader* e :
         {gauge::NthElement(tmpl, r.element), instance->Element(r.element)}) {
      ASSERT_NE(e, nullptr) << name;
      ASSERT_EQ(e->element_type, gauge::kElementString) << name;
      EXPECT_EQ(std::tuple(e->x, e->y, e->dim->width, e->dim->height), std::tuple(r.x, r.y, r.width, r.height)) << name;
      const gauge::StringAttributes& a = e->string_attributes;
      const bool radio = r.element < 10;
      EXPECT_EQ(a.max_chars, r.max_chars) << name;
      EXPECT_EQ(e->string_capacity, r.max_chars + 1) << name;
      EXPECT_EQ(a.text_colour, r.colour) << name;
      EXPECT_EQ(std::tuple(a.background_colour, a.highlight_colour), std::tuple(0x000000u, 0x00FFFFu)) << name;
      EXPECT_STREQ(a.font_face, radio ? "Quartz" : "Arial") << name;
      EXPECT_EQ(a.font_weight, radio ? 700 : 400) << name;
      EXPECT_EQ(a.font_charset, 1) << name;
      EXPECT_EQ(a.text_flags, radio ? 0x25u : 0x05u) << name;
      const std::tuple<uint32_t, uint32_t, uint32_t> sources =
          radio ? std::tuple(kNone, 335u, kNone) : std::tuple(615u, kNone, kNone);
      EXPECT_EQ(std::tuple(a.source_vars[0], a.source_vars[1], a.source_vars[2]), sources) << name;
      EXPECT_NE(e->string_callback, nullptr) << name;
    }
  }
}

}  // namespace
