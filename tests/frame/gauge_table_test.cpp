#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "frame/frame_globals.h"
#include "frame/main_update.h"
#include "frame/tick_globals.h"
#include "frame/gauge_table.h"
#include "frame/module_entry.h"
#include "frame/frame_fixture.h"

namespace {

const gauge::GaugeHeader* GaugeAt(int i) { return Linkage.gauges[i]; }

int CountElements(const gauge::GaugeHeader* g) {
  int n = 0;
  for (const gauge::ElementHeader* e = g->elements_list[0]; e != nullptr;
       e = e->children != nullptr ? e->children[0] : nullptr) {
    ++n;
  }
  return n;
}

struct RowCounts {
  int rows = 0, functions = 0, parents = 0, children = 0, parent_ends = 0;
};

RowCounts CountRows(const gauge::GaugeHeader* g) {
  RowCounts c;
  for (const gauge::MouseRect* r = g->mouse_rect; r->rect_type != gauge::kMouseEnd; ++r) {
    ++c.rows;
    c.functions += r->function != nullptr ? 1 : 0;
    c.parents += r->rect_type == gauge::kMouseParentBegin ? 1 : 0;
    c.children += r->rect_type == gauge::kMouseChild ? 1 : 0;
    c.parent_ends += r->rect_type == gauge::kMouseParentEnd ? 1 : 0;
  }
  return c;
}

struct GaugeRow {
  const char* name;
  uint32_t size;
  int32_t root_resource, root_width, root_height;
  int elements, rows, functions;
};

// The gauge table in linkage order.
constexpr GaugeRow kGauges[] = {
    {"SERVER", 1318, 0, 0, 0, 1, 2, 0},
    {"FMS", 1300, 262, 558, 864, 3, 206, 68},
    {"FMS_NB", 1302, 260, 399, 320, 1, 5, 1},
    {"ND", 1304, 544, 358, 440, 1, 5, 1},
    {"EFIS_CTRL", 1306, 264, 454, 699, 16, 38, 14},
    {"RADIO_STACK", 1306, 546, 579, 1385, 24, 61, 51},
    {"UPPER_EICAS", 1308, 268, 250, 213, 1, 5, 1},
    {"LOWER_EICAS", 1310, 268, 250, 213, 1, 5, 1},
    {"EADI", 1312, 270, 217, 173, 1, 5, 1},
    {"TMSP", 1314, 272, 132, 99, 1, 24, 8},
    {"EICAS_MSG_SW", 1316, 274, 112, 73, 1, 8, 2},
    {"EICAS_ENG_STS", 1320, 276, 40, 19, 1, 8, 2},
    {"FP_PFD", 1322, 5008, 318, 232, 1, 5, 1},
    {"FP_EHSI", 1324, 544, 358, 440, 1, 2, 0},
    {"FP_ND", 1326, 544, 358, 440, 1, 5, 1},
    {"AUTOLAND_STATUS", 1328, 278, 44, 29, 3, 2, 0},
    {"STBY_PFD", 1330, 5010, 101, 90, 2, 6, 2},
    {"FLCH", 1332, 304, 73, 73, 3, 6, 2},
    {"RETRO_EFIS_CTRL", 1306, 312, 454, 699, 26, 46, 18},
    {"ELEC_CHKLIST", 1314, 542, 373, 650, 53, 50, 16},
    {"ALT_ALERT", 1332, 554, 78, 42, 2, 2, 0},
};

class GaugeTableRow : public ::testing::TestWithParam<int> {};

TEST_P(GaugeTableRow, HeaderElementTreeAndMouseListMatchTheTable) {
  const GaugeRow& want = kGauges[GetParam()];
  const gauge::GaugeHeader* g = GaugeAt(GetParam());
  ASSERT_NE(g, nullptr);
  EXPECT_STREQ(g->gauge_name, want.name);
  EXPECT_EQ(g->version, 0x320u);
  EXPECT_EQ(g->size, want.size);
  EXPECT_NE(g->gauge_callback, nullptr);
  const gauge::ElementHeader* root = g->elements_list[0];
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(root->element_type, gauge::kElementStaticImage);
  EXPECT_EQ(root->resource_id, want.root_resource);
  if (want.root_width > 0) {
    ASSERT_NE(root->dim, nullptr);
    EXPECT_EQ(root->dim->width, want.root_width);
    EXPECT_EQ(root->dim->height, want.root_height);
  }
  EXPECT_EQ(CountElements(g), want.elements);
  const RowCounts rows = CountRows(g);
  EXPECT_EQ(rows.rows, want.rows);
  EXPECT_EQ(rows.functions, want.functions);
  EXPECT_EQ(rows.parents, rows.parent_ends) << "every parent row is closed";
  EXPECT_EQ(g->mouse_rect[0].rect_type, gauge::kMouseParentBegin);
}

INSTANTIATE_TEST_SUITE_P(AllGauges, GaugeTableRow, ::testing::Range(0, kGaugeCount),
                         [](const auto& info) { return std::string(kGauges[info.param].name); });

TEST(GaugeTable, LinkageListsTheGaugesAndEndsTheList) {
  EXPECT_EQ(ImportTable.table_id, 0x0000000Fu);
  EXPECT_EQ(Linkage.module_id, 0x00000013u);
  EXPECT_EQ(Linkage.module_version, 0x0900u);
  EXPECT_EQ(Linkage.module_init, &ModuleInit);
  EXPECT_EQ(Linkage.module_deinit, &ModuleDeinit);
  EXPECT_EQ(Linkage.gauges[kGaugeCount], nullptr);
}

TEST(GaugeTable, AllHeadersShareTheSevenRoutines) {
  for (int i = 0; i < kGaugeCount; ++i) {
    const gauge::GaugeHeader* g = GaugeAt(i);
    EXPECT_EQ(g->query_routine, &GaugeQuery);
    EXPECT_EQ(g->install_routine, &GaugeInstall);
    EXPECT_EQ(g->initialize_routine, &GaugeInitialize);
    EXPECT_EQ(g->update_routine, &GaugeUpdate);
    EXPECT_EQ(g->generate_routine, &GaugeGenerate);
    EXPECT_EQ(g->draw_routine, &GaugeDraw);
    EXPECT_EQ(g->kill_routine, &GaugeKill);
  }
}

TEST(GaugeTable, FmsKeysSitEachInItsOwnParentInsideOneAroundTheGauge) {
  const RowCounts c = CountRows(&fms_gauge);
  EXPECT_EQ(c.parents, 69);
  EXPECT_EQ(c.children, 68);
  const gauge::MouseRect& outer = fms_gauge.mouse_rect[0];
  EXPECT_EQ(outer.width, 558);
  EXPECT_EQ(outer.height, 864);
  for (const gauge::MouseRect* r = fms_gauge.mouse_rect; r->rect_type != gauge::kMouseEnd; ++r) {
    if (r->rect_type != gauge::kMouseChild) continue;
    EXPECT_EQ(r->cursor, 5u);
    EXPECT_TRUE(r->mouse_flags == 0x20000000u || r->mouse_flags == 0x20200000u);  // CLR repeats
  }
}

TEST(GaugeTable, FlchTooltipRowCarriesItsTextAndIsNoChild) {
  const gauge::MouseRect& tip = flch_gauge.mouse_rect[1];
  EXPECT_EQ(tip.rect_type, kMouseTooltip);
  EXPECT_EQ(reinterpret_cast<const void*>(tip.function), static_cast<const void*>(kFlchTooltip));
  EXPECT_STREQ(kFlchTooltip, "Flight Level Change");
}

TEST(GaugeTable, PicturesStartHiddenAndBackgroundsShown) {
  // Radio-stack pictures (elements 10..23), the standby knob, the FLCH lamps and the EXEC light.
  for (int n = 10; n <= 23; ++n) {
    EXPECT_NE(gauge::NthElement(&radio_stack_gauge, n)->image_flags & gauge::kImageHidden, 0u) << n;
  }
  EXPECT_EQ(gauge::NthElement(&stby_pfd_gauge, 1)->image_flags, 0x40000003u);
  EXPECT_EQ(gauge::NthElement(&flch_gauge, 1)->image_flags, 0x40000027u);
  EXPECT_EQ(gauge::NthElement(&flch_gauge, 2)->resource_id, 342);
  EXPECT_NE(gauge::NthElement(&fms_gauge, 2)->image_flags & gauge::kImageHidden, 0u);
  EXPECT_EQ(gauge::NthElement(&fms_gauge, 0)->image_flags & gauge::kImageHidden, 0u);
}

TEST(GaugeTable, ChecklistPairsShareTheirPosition) {
  // Page 1 item 7 pair: elements 15 and 16 at 68, 538; page 4 header pair: 41 and 42 at 215, 90.
  for (int n : {15, 16}) {
    const gauge::ElementHeader* e = gauge::NthElement(&elec_chklist_gauge, n);
    EXPECT_EQ(e->x, 68);
    EXPECT_EQ(e->y, 538);
  }
  EXPECT_EQ(gauge::NthElement(&elec_chklist_gauge, 15)->resource_id, 378);
  EXPECT_EQ(gauge::NthElement(&elec_chklist_gauge, 16)->resource_id, 380);
  EXPECT_EQ(gauge::NthElement(&elec_chklist_gauge, 41)->resource_id, 516);
  EXPECT_EQ(gauge::NthElement(&elec_chklist_gauge, 42)->x, 215);
  EXPECT_EQ(gauge::NthElement(&elec_chklist_gauge, 52)->resource_id, 540);
}

TEST(GaugeTable, ReadoutsAreStringElementsWithTheirCallbacks) {
  for (int n = 1; n <= 9; ++n) {
    const gauge::ElementHeader* e = gauge::NthElement(&radio_stack_gauge, n);
    EXPECT_EQ(e->element_type, gauge::kElementString) << n;
    EXPECT_NE(e->string_callback, nullptr) << n;
  }
  EXPECT_EQ(gauge::NthElement(&radio_stack_gauge, 7)->string_capacity, 5);  // 4 characters + NUL
  EXPECT_EQ(gauge::NthElement(&efis_ctrl_gauge, 15)->element_type, gauge::kElementString);
  EXPECT_EQ(gauge::NthElement(&retro_efis_ctrl_gauge, 20)->element_type, gauge::kElementString);
}

using GaugeInstanceTest = FrameTest;

TEST_F(GaugeInstanceTest, DrawingSurfacesGetADeviceContextOfTheirSize) {
  struct Surface {
    const char* gauge;
    int element, width, height;
  };
  for (const Surface& s : {Surface{"FMS", 1, 399, 320}, Surface{"FMS_NB", 0, 399, 320}, Surface{"ND", 0, 358, 440},
                           Surface{"EADI", 0, 217, 173}, Surface{"FP_PFD", 0, 318, 232},
                           Surface{"STBY_PFD", 0, 101, 90}, Surface{"UPPER_EICAS", 0, 250, 213},
                           Surface{"LOWER_EICAS", 0, 250, 213}, Surface{"FP_EHSI", 0, 358, 440},
                           Surface{"FP_ND", 0, 358, 440}}) {
    simhost::GaugeInstance* g = Create(s.gauge);
    auto* dc = static_cast<gauge::DeviceContext*>(g->Element(s.element)->hdc);
    ASSERT_NE(dc, nullptr) << s.gauge;
    EXPECT_EQ(dc->width, s.width) << s.gauge;
    EXPECT_EQ(dc->height, s.height) << s.gauge;
  }
  EXPECT_EQ(Create("TMSP")->Element(0)->hdc, nullptr);
}

TEST_F(GaugeInstanceTest, SharedRoutinesHandTheServerRootWhicheverGaugeIsCalled) {
  simhost::GaugeInstance* nd = Create("ND");
  const struct {
    int32_t message;
    int slot;
  } kRoutineSlots[] = {{gauge::kPreQuery, 24},   {gauge::kPreInstall, 25},  {gauge::kPreInitialize, 26},
                       {gauge::kPreUpdate, 27},  {gauge::kPreGenerate, 28}, {gauge::kPreDraw, 29},
                       {gauge::kPreKill, 31}};
  for (const auto& rs : kRoutineSlots) {
    Send(nd, rs.message);
    EXPECT_EQ(host().element_service_calls(rs.slot), 1) << rs.slot;
    EXPECT_EQ(host().last_element_service_arg(), server_gauge.elements_list[0]) << rs.slot;
  }
}

TEST_F(GaugeInstanceTest, KnobHalvesLieRelativeToTheirParentBox) {
  simhost::GaugeInstance* radio = Create("RADIO_STACK");
  EXPECT_TRUE(host().Click(radio, 68 + 10, 148 + 40));  // first knob, left half
  EXPECT_TRUE(host().Click(radio, 68 + 60, 148 + 40));  // right half
  simhost::GaugeInstance* stby = Create("STBY_PFD");
  EXPECT_TRUE(host().Click(stby, 80 + 3, 85 + 10));
  EXPECT_TRUE(host().Click(stby, 80 + 20, 85 + 10));
  ASSERT_EQ(host().key_events().size(), 4u);
  EXPECT_EQ(host().key_events()[0].event_id, 0x10064u);
  EXPECT_EQ(host().key_events()[1].event_id, 0x10065u);
  EXPECT_EQ(host().key_events()[2].event_id, 0x1015Cu);
  EXPECT_EQ(host().key_events()[3].event_id, 0x1015Bu);
  EXPECT_EQ(host().key_events()[3].value, 0);
}

TEST_F(GaugeInstanceTest, CduKeyAreasAndTheGapBetweenThem) {
  simhost::GaugeInstance* fms = Create("FMS");
  EXPECT_FALSE(host().Click(fms, 286, 409));        // between DEP ARR and VNAV
  EXPECT_TRUE(host().Click(fms, 456 + 20, 795 + 20));  // CLR
  EXPECT_TRUE(host().Click(fms, 403 + 5, 520 + 5));    // D, top-left part
  EXPECT_FALSE(host().Click(fms, 403 + 40, 520 + 40)); // D reacts only in its top-left 30 x 36
}

}  // namespace
