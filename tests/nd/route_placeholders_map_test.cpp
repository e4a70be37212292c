// The modified route on the map: a "DISCO" stands at the leg after it, an airway still waiting for
// its exit fix is not drawn; neither sends the dashed line to 0N 0E.
#include <gtest/gtest.h>

#include <cmath>

#include "nd/map_fixture.h"
#include "nd/route_layer.h"

namespace {

using gfx::Shape;

class RoutePlaceholdersMapTest : public LayerTest {
 protected:
  void SetUp() override {
    LayerTest::SetUp();
    SetRoute(1);
    for (int i = 0; i <= 4; ++i) fms_fpln_mod[i] = fms_fpln_act[i];
    std::tie(fp_mod_cnt, mod_stpos, fms_fpln_active) = std::tuple(4, 1, 4);
  }
  // The farthest any point of the dashed route lies from the map centre, canvas units.
  double FarthestDashedPoint() const {
    double far = 0.0;
    for (const gfx::Op* op : Strokes(kCyanInk, Shape::Line)) {
      for (const auto& p : rec().PointsOf(*op)) far = std::max(far, std::hypot(p.x - 159.0, p.y - 272.0));
    }
    return far;
  }
};

TEST_F(RoutePlaceholdersMapTest, GapsInTheModifiedRouteStayOnTheRoute) {
  // Modified: KSEA, AAA, the gap at 0N 0E, CCC (18 NM), DDD (24 NM): nothing lies beyond DDD, 142
  // units down the map.
  for (const char* gap : {"THEN", "DISCO"}) {
    RouteLeg& row = fms_fpln_mod[2];
    row = RouteLeg{};
    row.ident = gap;
    RecordLayer(kFpNdMap, 40.0, 236, DrawMapRouteFpNd);
    EXPECT_LT(FarthestDashedPoint(), 145.0) << gap;
  }
  EXPECT_EQ(Texts(), (std::vector<std::string>{"KSEA", "AAA", "BBB", "CCC", "DDD", "KSEA", "AAA", "DISCO", "CCC", "DDD"}));
  const gfx::PointF ccc = At(kFpNdMap, 180.0, fms_fpln_mod[3].lat, fms_fpln_mod[3].lon);
  ExpectTextAt("DISCO", gfx::PointF(ccc.X + 7.0f, ccc.Y - 7.0f));
  RouteLeg& then = fms_fpln_mod[2];
  then.ident = "THEN";
  RecordLayer(kFpNdMap, 40.0, 236, DrawMapRouteFpNd);
  EXPECT_EQ(Text("THEN"), nullptr);
}

}  // namespace
