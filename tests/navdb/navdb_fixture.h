// Test bed of the navigation database: a freshly reset module whose simulator folder is a temporary
// directory, into which each test writes the small navigation files it needs.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>
#include <sys/stat.h>

#include "module/module_state.h"
#include "navdb/coordinate_text.h"
#include "navdb/nav_index.h"
#include "navdb/nav_records.h"
#include "navdb/navdb_text.h"
#include "navdb/navdb_globals.h"
#include "cdu/cdu_globals.h"
#include "fmc/fmc_globals.h"
#include "sim/sim_globals.h"
#include "module/main_update.h"
#include "sim/tick_globals.h"

class NavdbTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetModuleState();
    char pattern[] = "/tmp/ro757_navdb_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    root_ = pattern;
    // The files live in "Navdata" while the loader asks for "navdata": names match without case.
    std::filesystem::create_directories(root_ / "Orvantel" / "Navdata");
    sim_root = root_.string();
  }
  void TearDown() override {
    ResetModuleState();
    std::filesystem::remove_all(root_);
  }

  void WriteNavFile(const std::string& name, const std::string& text) {
    std::ofstream out(root_ / "Orvantel" / "Navdata" / name, std::ios::binary);
    out << text;
  }

  std::filesystem::path root_;
};

// A navigation table row with the given fields, the others cleared; AddNavRow appends it.
inline NavRecord& SetNavRow(NavRecord& r, const std::string& ident, double lat, double lon, const std::string& type = "",
                            const std::string& extra = "", const std::string& info = "") {
  ClearRecord(r);
  SetText(r.ident, ident);
  std::tie(r.lat, r.lon) = std::tuple(lat, lon);
  SetText(r.type, type);
  SetText(r.extra, extra);
  SetText(r.info, info);
  return r;
}
inline NavRecord& AddNavRow(NavRecord* table, int32_t* count, const std::string& ident, double lat, double lon,
                            const std::string& type = "", const std::string& extra = "", const std::string& info = "") {
  return SetNavRow(table[++*count], ident, lat, lon, type, extra, info);
}

// One text field of rows 1..count of a table, joined by "|".
template <size_t N>
std::string Column(const NavRecord* table, int32_t count, char (NavRecord::*field)[N]) {
  std::string s;
  for (int32_t i = 1; i <= count; ++i) s += (i > 1 ? "|" : "") + std::string(TextOf(table[i].*field));
  return s;
}

// The world-size database in ../shared/data/world (or $RO757_WORLD_DATA); empty when absent.
inline std::string WorldDataDir() {
  const char* env = std::getenv("RO757_WORLD_DATA");
  std::string dir = env != nullptr ? env : RO757_SOURCE_DIR "/../shared/data/world";
  struct stat st;
  return ::stat(dir.c_str(), &st) == 0 ? dir : std::string();
}

// The tokens of a line as the C library's %s conversion reads them: blanks are space, tab, line
// feed, vertical tab, form feed and carriage return; other control bytes and bytes above 0x7F belong
// to tokens.
inline std::vector<std::string> ReferenceTokens(const std::string& line, int max_tokens) {
  std::vector<std::string> out;
  size_t i = 0;
  while (static_cast<int>(out.size()) < max_tokens) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i == line.size()) break;
    const size_t start = i;
    while (i < line.size() && !IsBlank(line[i])) ++i;
    out.push_back(line.substr(start, i - start));
  }
  return out;
}

// The row a data line of a navigation file gives, read the plain way (tokens byte by byte, the row
// emptied and then filled field by field); false when the line adds no row.
inline bool PlainNavRow(NavTable kind, const std::string& line, NavRecord* row) {
  if (!line.empty() && line[0] == ';') return false;
  const bool navaid = kind == NavTable::kNavaids;
  const std::vector<std::string> t = ReferenceTokens(line, navaid ? 6 : kind == NavTable::kIntersections ? 4 : 5);
  if (t.size() < (kind == NavTable::kIntersections ? 4u : 5u)) return false;
  if (kind == NavTable::kAirwayFixes && t[2].size() < 4) return false;
  std::memset(static_cast<void*>(row), 0, sizeof *row);
  const size_t ident = kind == NavTable::kAirwayFixes ? 2 : 0;
  const size_t lat = kind == NavTable::kIntersections || navaid ? 2 : 3;
  SetText(row->ident, t[ident]);
  SetText(row->name, t[ident == 2 ? 2 : 1]);
  // A position that cannot be read makes no row.
  if (!ReadDecimalDegrees(t[lat], CoordAxis::kLatitude, &row->lat) ||
      !ReadDecimalDegrees(t[lat + 1], CoordAxis::kLongitude, &row->lon)) {
    return false;
  }
  std::string navaid_kind = navaid ? t[4] : "";
  for (char& c : navaid_kind) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  SetText(row->type, kind == NavTable::kAirports ? "APT" : !navaid ? "I" : navaid_kind == "VOR" ? "V" : "N");
  if (kind == NavTable::kAirports) SetText(row->info, t[2]);
  if (navaid && t.size() > 5) SetText(row->extra, t[5]);
  return true;
}
