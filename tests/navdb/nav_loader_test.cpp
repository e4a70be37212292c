#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "navdb/airport_loader.h"
#include "navdb/airways.h"
#include "navdb/nav_loader.h"
#include "navdb/navdb_fixture.h"
#include "navdb/nearby_lists.h"

namespace {

using NavLoader = NavdbTest;

// A comment line adds no row but an indented semicolon is data; a fix of three characters or fewer
// on an airway adds no row; navaid kinds are read in any case, tabs and CR LF separate tokens, and a
// navaid without a frequency has an empty one. A data line with fewer tokens than its format needs
// adds nothing, and nothing of it reaches the next line.
TEST_F(NavLoader, CommentsShortFixesShortLinesAndNavaidKinds) {
  WriteNavFile("ints.txt", "; a comment line\nONE ONE 1\n\n   \nALPHA ALPHA 47.5 -122.5\n ;BETA ;BETA 10 20\n");
  WriteNavFile("awys.txt",
               "J501 1 SEA 47.43 -122.30\nJ1 1 EFGH 10\nJ501 2 ABCD 47.00 -121.00\nJ501 3 HAROB 46.50 -120.50\n");
  WriteNavFile("apts.txt", "KAAA NAME 100 10\nKBBB NAME 200 10 20\n");
  WriteNavFile("navs.txt",
               "SEA\tSEATTLE\t47.43\t-122.30\tvor\t116.80\r\nOLM OLYMPIA 46.97 -122.90 NDB 338\r\nAAA NAME 10 20\n"
               "PAE PAINE 47.90 -122.28 DME\nBTG BATTLE 45.74 -122.59 VoR 116.60\n");
  LoadNavDatabase();
  EXPECT_EQ(Column(nav_ints, nav_ints_cnt, &NavRecord::ident), "ALPHA|;BETA");
  EXPECT_EQ(Column(nav_awy_fixes, nav_awy_fixes_cnt, &NavRecord::ident), "ABCD|HAROB");
  EXPECT_DOUBLE_EQ(nav_awy_fixes[2].lat, 46.5);
  EXPECT_EQ(Column(nav_apts, nav_apts_cnt, &NavRecord::ident), "KBBB");
  EXPECT_EQ(Column(nav_navaids, nav_navaids_cnt, &NavRecord::type), "V|N|N|V");
  EXPECT_EQ(Column(nav_navaids, nav_navaids_cnt, &NavRecord::extra), "116.80|338||116.60");
}

// Coordinates are whole decimal numbers on the globe; a line with anything else in their place adds
// no row (a malformed file must not put NaN, infinity or a wrong place into a position).
TEST_F(NavLoader, CoordinatesThatCannotBeReadAddNoRow) {
  const char* cases[] = {"-0.25", "12.5abc", "N47", "nan", "0x1A", "1e999", "90.5"};
  std::string text;
  for (const char* token : cases) text += std::string("FIX FIX ") + token + " 1\n";
  WriteNavFile("ints.txt", text);
  LoadNavDatabase();
  ASSERT_EQ(nav_ints_cnt, 1);
  EXPECT_DOUBLE_EQ(nav_ints[1].lat, -0.25);
}

// Every position field of the navigation files with the same values that give no place: the line,
// or the runway group, adds nothing, as one too short to hold a position (a runway cut short put
// the origin at 47.46N 0.00E). A byte order mark before the first line changes nothing.
int32_t NavRows() {
  LoadNavDatabase();
  return nav_ints_cnt + nav_awy_fixes_cnt + nav_apts_cnt + nav_navaids_cnt;
}

TEST_F(NavLoader, PositionsThatCannotBeReadAddNothing) {
  const struct {
    const char* file;
    const char* line;  // @ and # stand for the latitude and the longitude
    int32_t (*count)();  // what the file adds: rows, the airway's fixes, the airport, its runways
    int32_t good;
  } fields[] = {
      {"ints.txt", "FIX FIX @ #", NavRows, 1},
      {"awys.txt", "J5 1 HAROB @ #", [] { return NavRows() + (LoadAirway("J5"), nav_search_cnt); }, 2},
      {"apts.txt", "KTST TEST 1 @ # 16L_9000_47.4_-122.3_162_0_X_162", [] { return NavRows() + LoadAirport("KTST", 1); }, 2},
      {"navs.txt", "SEA SEATTLE @ # VOR 116.80", NavRows, 1},
      {"apts.txt", "KTST TEST 1 47.4 -122.3 16L_9000_@_#_162_0_X_162",
       [] { return LoadAirport("KTST", 1) + airport_recs[1].rwy_cnt - 1; }, 1},
  };
  const auto with = [](std::string line, const std::string& lat, const std::string& lon) {
    return line.replace(line.find('@'), 1, lat).replace(line.find('#'), 1, lon) + "\r\n";
  };
  for (const auto& f : fields) {
    WriteNavFile(f.file, "\xEF\xBB\xBF" + with(f.line, "47.2", "-122.3"));
    EXPECT_EQ(f.count(), f.good) << f.line;
    for (const char* text : {"4O.2", "47.2X", "197.2", "N47", "1e1", "+", "-"}) {
      for (const auto& [lat, lon] : {std::pair<std::string, std::string>{text, "-122.3"}, {"47.2", text}}) {
        WriteNavFile(f.file, with(f.line, lat, lon));
        EXPECT_EQ(f.count(), 0) << with(f.line, lat, lon);
      }
    }
  }
  WriteNavFile("apts.txt", "KTST TEST 1 47.4 -122.3 16L_11900_47.4638\n");
  EXPECT_EQ(std::pair(LoadAirport("KTST", 1), airport_recs[1].rwy_cnt), std::pair(1, 0));
}

// Over-long texts are cut to their fields; a line longer than the 1,698-character buffer continues
// as a line of its own.
TEST_F(NavLoader, OverlongTextsAndLines) {
  std::string head = std::string(40, 'X') + " " + std::string(300, 'N') + " 1 2 ";
  WriteNavFile("ints.txt", head + std::string(1698 - head.size(), ' ') + "FIX2 NAME 3 4\n");
  LoadNavDatabase();
  EXPECT_EQ(Column(nav_ints, nav_ints_cnt, &NavRecord::ident),
            std::string(sizeof(NavRecord::ident) - 1, 'X') + "|FIX2");
  EXPECT_EQ(TextOf(nav_ints[1].name), std::string(sizeof(NavRecord::name) - 1, 'N'));
  EXPECT_DOUBLE_EQ(nav_ints[1].lat, 1.0);
}

// Duplicate idents of the main and user files are all kept, main rows first; a missing file leaves
// its table empty and the others load; a second load starts from zero.
TEST_F(NavLoader, DuplicateIdentsInMainAndUserFiles) {
  WriteNavFile("ints.txt", "SAME MAIN 1 1\n");
  WriteNavFile("ints_user.txt", "SAME USER 2 2\nOWN USER 3 3\n");
  WriteNavFile("apts_user.txt", "KUSR USER 10 5 6\n");
  LoadNavDatabase();
  LoadNavDatabase();
  EXPECT_EQ(navdb_loaded, 1);
  EXPECT_EQ(Column(nav_ints, nav_ints_cnt, &NavRecord::name), "MAIN|USER|USER");
  EXPECT_EQ(Column(nav_apts, nav_apts_cnt, &NavRecord::ident), "KUSR");
  EXPECT_EQ(std::pair(nav_awy_fixes_cnt, nav_navaids_cnt), std::pair(0, 0));
}

TEST_F(NavLoader, FullIntersectionTableDropsFurtherLines) {
  {
    std::ofstream out(root_ / "Orvantel" / "Navdata" / "ints.txt", std::ios::binary);
    for (int i = 0; i < kNavIntsCapacity; ++i) out << "F F 1 1\n";
  }
  WriteNavFile("ints_user.txt", "EXTRA EXTRA 2 2\n");
  LoadNavDatabase();
  EXPECT_EQ(nav_ints_cnt, kNavIntsCapacity);
  EXPECT_TRUE(TextIs(nav_ints[kNavIntsCapacity + 1].ident, ""));
}

// Lines of every kind with tokens of any length (past every field's width, and numbers in every
// form): each row, byte for byte, is the row the plain reading gives.
TEST_F(NavLoader, RowsMatchThePlainReadingWhateverTheTokens) {
  const struct {
    const char* file;
    NavTable kind;
    const NavRecord* table;
    const int32_t* count;
  } kinds[] = {{"ints.txt", NavTable::kIntersections, nav_ints, &nav_ints_cnt},
               {"awys_user.txt", NavTable::kAirwayFixes, nav_awy_fixes, &nav_awy_fixes_cnt},
               {"apts.txt", NavTable::kAirports, nav_apts, &nav_apts_cnt},
               {"navs.txt", NavTable::kNavaids, nav_navaids, &nav_navaids_cnt}};
  const char chars[] = "ABCXYZ0123456789.-.-+eEvorVOR;_";
  std::mt19937 rng(3757);
  std::vector<std::string> lines[4];
  for (size_t k = 0; k < 4; ++k) {
    std::string text;
    for (int i = 0; i < 600; ++i) {
      std::string line;
      const int tokens = 3 + static_cast<int>(rng() % 5);
      for (int w = 0; w < tokens; ++w) {
        const size_t length = rng() % 4 == 0 ? 1 + rng() % 90 : 1 + rng() % 12;
        if (w > 0) line += rng() % 5 == 0 ? "\t" : " ";
        for (size_t c = 0; c < length; ++c) line += chars[rng() % (sizeof chars - 1)];
      }
      lines[k].push_back(line);
      text += line + (rng() % 4 == 0 ? "\r\n" : "\n");
    }
    WriteNavFile(kinds[k].file, text);
  }
  LoadNavDatabase();
  for (size_t k = 0; k < 4; ++k) {
    int32_t row = 0;
    NavRecord expected;
    for (const std::string& line : lines[k]) {
      if (!PlainNavRow(kinds[k].kind, line, &expected)) continue;
      ++row;
      ASSERT_LE(row, *kinds[k].count) << kinds[k].file;
      EXPECT_EQ(std::memcmp(&kinds[k].table[row], &expected, sizeof expected), 0) << kinds[k].file << ": " << line;
    }
    EXPECT_EQ(row, *kinds[k].count) << kinds[k].file;
  }
}

// A nearby list built while the database was empty must not wait for the map centre to move.
TEST_F(NavLoader, LoadForgetsTheNearbyListCentres) {
  for (auto filter : {FilterAirportsCoarse, FilterAirportsFine, FilterWaypointsCoarse, FilterWaypointsFine,
                      FilterStationsCoarse, FilterStationsFine}) {
    filter(47.0, -122.0);
  }
  LoadNavDatabase();
  for (const NavCentre& c :
       {NavCentre{near_apt_ref_lat, near_apt_ref_lon}, NavCentre{near_apt_ref_lat2, near_apt_ref_lon2},
        near_wpts_coarse_ctr, near_wpts_fine_ctr, near_stations_coarse_ctr, near_stations_fine_ctr}) {
    EXPECT_EQ(std::pair(c.lat, c.lon), std::pair(-999.0, -999.0));
  }
}

}  // namespace
