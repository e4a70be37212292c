#include "fmc/gps_uplink.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "cdu/cdu_globals.h"
#include "fmc/fmc_globals.h"
#include "fmc/plan_files_fixture.h"
#include "frame/frame_globals.h"
#include "frame/geodesy.h"
#include "navdb/navdb_globals.h"
#include "platform/host_api.h"

namespace {

using plan_files_test::PlanFilesTest;

// The simulator's "FS2002 GPS DATA" block with its waypoint records, laid out byte for byte. The
// records sit in an allocation of exactly their size, so that a read past the last one is caught.
class GpsBlock {
 public:
  void Add(const std::string& ident, double lat, double lon, double alt_m) {
    uint8_t r[kGpsRecordSize] = {};
    const int32_t lat_v = static_cast<int32_t>(std::llround(lat / 360.0 * 40007000.0));
    const int64_t lon_v = static_cast<int64_t>(std::llround(lon / 360.0 * 18446744073709551616.0));
    std::memcpy(r + 12, &lat_v, 4);
    std::memcpy(r + 16, &lon_v, 8);
    std::memcpy(r + 48, &alt_m, 8);
    std::memcpy(r + 56, ident.data(), std::min<size_t>(ident.size(), 8));
    records_.insert(records_.end(), r, r + kGpsRecordSize);
  }

  // The block as the simulator publishes it; `size` and `count` may be set to what a test needs.
  const uint8_t* Publish(uint32_t size = kGpsBlockMinSize, int64_t count = -1, bool null_records = false) {
    storage_ = std::make_unique<uint8_t[]>(records_.size());
    std::memcpy(storage_.get(), records_.data(), records_.size());
    const uint32_t n = count < 0 ? static_cast<uint32_t>(records_.size() / kGpsRecordSize) : static_cast<uint32_t>(count);
    const uint8_t* p = null_records ? nullptr : storage_.get();
    std::memcpy(header_, &size, 4);
    std::memcpy(header_ + kGpsCountOffset, &n, 4);
    std::memcpy(header_ + kGpsRecordsOffset, &p, sizeof p);
    return header_;
  }

 private:
  std::vector<uint8_t> records_;
  std::unique_ptr<uint8_t[]> storage_;
  uint8_t header_[kGpsBlockMinSize] = {};
};

const uint8_t* g_published = nullptr;
int g_queries = 0;

void FakeQuery(host::ModuleInterfaceRecord* out, const char* identity) {
  ++g_queries;
  *out = {};
  if (std::strcmp(identity, kGpsDataIdentity) == 0) out->word[1] = reinterpret_cast<uintptr_t>(g_published);
}

class GpsUplink : public PlanFilesTest {
 protected:
  void SetUp() override {
    PlanFilesTest::SetUp();
    g_published = nullptr;
    g_queries = 0;
    host_.table()->slot[host::kQueryModuleInterface] = reinterpret_cast<host::AnyFn>(&FakeQuery);
    AddRecord(nav_apts, &nav_apts_cnt, "KBFI", 47.53, -122.302, "APT");
    AddRecord(nav_apts, &nav_apts_cnt, "KPDX", 45.589, -122.597, "APT");
    AddRecord(nav_apts, &nav_apts_cnt, "KSEA", 47.45, -122.311, "APT");
  }
  void Uplink(const uint8_t* block) {
    g_published = block;
    UplinkGpsRoute();
  }
  // A point `nm` east of (lat, lon).
  static void East(double lat, double lon, double nm, double* out_lat, double* out_lon) {
    CalcDestPoint(lat, lon, 90.0, nm, out_lat, out_lon);
  }

  GpsBlock gps_;
};

// A SID chosen after the uplink inserts after the origin instead of wiping the route.
TEST_F(GpsUplink, TwoAirportsBecomeOriginAndDestination) {
  gps_.Add("KSEA", 47.45, -122.311, 130.0);
  gps_.Add("KPDX", 45.589, -122.597, 9.4);
  sid_sel = "SUMMA1";
  Uplink(gps_.Publish());
  EXPECT_EQ(route_test::ModIdents(), (std::vector<std::string>{"KSEA", "KPDX"}));
  EXPECT_EQ(fms_fpln_mod[1].type, "APT");
  EXPECT_NEAR(fms_fpln_mod[1].lon, -122.597, 1e-5);
  EXPECT_EQ(pending_cruise_alt, 426);  // 130 m, truncated feet
  EXPECT_EQ(orig_ident, "KSEA");
  EXPECT_EQ(sid_sel, "------");
  EXPECT_EQ(dest_ident, "KPDX");
  EXPECT_EQ(mod_stpos, 1);
  EXPECT_EQ(new_fpln_loaded, 1);
  EXPECT_EQ(cdu_message, "RTE UPLINK OK");
  EXPECT_EQ(fms_page, 22);
}

TEST_F(GpsUplink, EndsThatAreNoAirportsSetNoOriginAndBadAltitudesNoCruiseAltitude) {
  gps_.Add("FIXA", 47.0, -122.0, -10.0);
  gps_.Add("XX", 47.0, -122.0, std::numeric_limits<double>::quiet_NaN());
  gps_.Add("FIXB", 46.0, -122.0, 0.0);
  pending_cruise_alt = 31000;
  Uplink(gps_.Publish());
  EXPECT_EQ(fms_fpln_mod[0].type, "");
  EXPECT_EQ(orig_ident, "------");
  EXPECT_EQ(dest_ident, "------");
  EXPECT_EQ(pending_cruise_alt, 0);
}

TEST_F(GpsUplink, MiddleLegsTakeTheirTypesFromNearbyNavaidsAndFixes) {
  double lw_vor_lat, lw_vor_lon, ol_vor_lat, ol_vor_lon, far_lat, far_lon;
  East(46.0, -122.0, 4.0, &lw_vor_lat, &lw_vor_lon);
  East(46.5, -122.0, 6.0, &ol_vor_lat, &ol_vor_lon);
  East(46.8, -122.0, 5.1, &far_lat, &far_lon);
  // The navaid table is sorted by ident; an NDB and a VOR may share one.
  AddNavaid("LW", 46.0, -122.0, "N", "394");
  AddNavaid("LW", lw_vor_lat, lw_vor_lon, "V", "113.10");
  AddNavaid("OL", 46.5, -122.0, "N", "251");
  AddNavaid("OL", ol_vor_lat, ol_vor_lon, "V", "114.30");
  AddRecord(nav_ints, &nav_ints_cnt, "TACMA", 47.201, -122.346, "I");
  AddRecord(nav_ints, &nav_ints_cnt, "SOUNDS", 47.606, -122.512, "I");
  AddRecord(nav_ints, &nav_ints_cnt, "FARAWAY", far_lat, far_lon, "I");
  gps_.Add("KSEA", 47.45, -122.311, 0.0);
  gps_.Add("LW", 46.0, -122.0, 0.0);
  gps_.Add("OL", 46.5, -122.0, 0.0);
  gps_.Add("TACMA", 47.201, -122.346, 0.0);
  gps_.Add("SOUNDS", 47.606, -122.512, 0.0);  // six letters: a fix; five or fewer: navaids only
  gps_.Add("FARAWAY", 46.8, -122.0, 0.0);
  gps_.Add("KPDX", 45.589, -122.597, 0.0);
  Uplink(gps_.Publish());
  ASSERT_EQ(fp_mod_cnt, 6);
  const char* types[] = {"APT", "VOR", "NDB", "WPT", "INT", "WPT", "APT"};
  const char* freqs[] = {"", "113.10", "251", "", "", "", ""};
  for (int i = 0; i <= 6; ++i) {
    EXPECT_EQ(fms_fpln_mod[i].type, types[i]) << fms_fpln_mod[i].ident;
    EXPECT_EQ(fms_fpln_mod[i].freq, freqs[i]) << fms_fpln_mod[i].ident;
  }
}

TEST_F(GpsUplink, IdentFillingAllEightBytesIsReadWithoutItsTerminator) {
  gps_.Add("KSEA", 47.45, -122.311, 0.0);
  gps_.Add("ABCDEFGH", 46.0, -122.0, 0.0);  // the last bytes of the records
  Uplink(gps_.Publish());
  EXPECT_EQ(fms_fpln_mod[1].ident, "ABCDEFGH");
}

TEST_F(GpsUplink, MissingShortOrEmptyBlocksChangeNothing) {
  route_test::SetModLegs({"KBFI", "SEA", "KGEG"});
  pending_cruise_alt = 31000;
  Uplink(nullptr);
  EXPECT_EQ(pending_cruise_alt, 0);
  gps_.Add("KSEA", 47.45, -122.311, 3000.0);
  Uplink(gps_.Publish());  // one waypoint
  EXPECT_EQ(cdu_message, "NO ACTIVE GPS RTE");
  EXPECT_EQ(pending_cruise_alt, 0);
  gps_.Add("KPDX", 45.589, -122.597, 0.0);
  cdu_message.clear();
  Uplink(gps_.Publish(kGpsBlockMinSize, -1, /*null_records=*/true));
  EXPECT_EQ(cdu_message, "NO ACTIVE GPS RTE");
  cdu_message.clear();
  Uplink(gps_.Publish(kGpsBlockMinSize - 1));
  EXPECT_EQ(cdu_message, "");
  EXPECT_EQ(route_test::ModIdents(), (std::vector<std::string>{"KBFI", "SEA", "KGEG"}));
  EXPECT_EQ(fms_fpln_active, 0);
}

// Steps only from no route, entered or active; the leg being flown stays; the block is looked up once.
TEST_F(GpsUplink, StateStepsAndTheBlockIsLookedUpOnce) {
  gps_.Add("KSEA", 47.45, -122.311, 0.0);
  gps_.Add("KPDX", 45.589, -122.597, 0.0);
  Uplink(gps_.Publish());
  for (auto [before, after] : {std::pair{0, 1}, std::pair{1, 2}, std::pair{2, 2}, std::pair{3, 4}, std::pair{4, 4}}) {
    fms_fpln_active = before;
    stpos = 6;
    UplinkGpsRoute();
    EXPECT_EQ(fms_fpln_active, after) << before;
    EXPECT_EQ(stpos, 6);
  }
  EXPECT_EQ(g_queries, 1);
}

TEST_F(GpsUplink, RecordsBeyondRow200AreIgnored) {
  for (int i = 0; i < 230; ++i) gps_.Add("WP" + std::to_string(i), 47.0, -122.0 + 0.01 * i, 100.0 + i);
  Uplink(gps_.Publish());
  EXPECT_EQ(fp_mod_cnt, 200);
  EXPECT_EQ(fms_fpln_mod[200].ident, "WP200");
  EXPECT_EQ(pending_cruise_alt, 984);  // 300 m at row 200, truncated feet
}

}  // namespace
