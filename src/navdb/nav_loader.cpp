#include "navdb/nav_loader.h"

#include <cstdio>
#include <emmintrin.h>
#include <string_view>

#include "navdb/mag_model.h"
#include "navdb/nav_index.h"
#include "navdb/navdb_files.h"
#include "navdb/navdb_globals.h"
#include "navdb/navdb_text.h"
#include "platform/large_pages.h"
#include "platform/paths.h"

namespace {

// A fixed line buffer of 1,699 characters: longer lines continue as the next line.
constexpr size_t kLineChars = 1698;

struct KindFiles {
  NavTable kind;
  const char* main_file;
  const char* user_file;
  NavRecord* table;
  int32_t* count;
  int32_t capacity;
  int min_tokens;  // a data line with fewer tokens adds no row
  int max_tokens;
};

// The one reader of the loader, static: its 64 KB buffer stays off the stack.
LineReader reader;

// Empties a row with plain 16-byte stores: for rows this small, faster than the string instruction
// a memset of the record becomes.
void ClearRow(NavRecord& row) {
  static_assert(sizeof(NavRecord) % 8 == 0);
  char* p = reinterpret_cast<char*>(&row);
  const __m128i zero = _mm_setzero_si128();
  size_t i = 0;
  for (; i + 16 <= sizeof(NavRecord); i += 16) _mm_storeu_si128(reinterpret_cast<__m128i*>(p + i), zero);
  if (i < sizeof(NavRecord)) _mm_storel_epi64(reinterpret_cast<__m128i*>(p + i), zero);
}

void WriteRow(NavTable kind, const std::string_view* t, int n, NavRecord& row) {
  ClearRow(row);
  switch (kind) {
    case NavTable::kIntersections:
      SetText(row.ident, t[0]);
      SetText(row.name, t[1]);
      row.lat = ParseLeadingDouble(t[2]);
      row.lon = ParseLeadingDouble(t[3]);
      SetText(row.type, "I");
      break;
    case NavTable::kAirwayFixes:
      SetText(row.ident, t[2]);
      SetText(row.name, t[2]);
      row.lat = ParseLeadingDouble(t[3]);
      row.lon = ParseLeadingDouble(t[4]);
      SetText(row.type, "I");
      break;
    case NavTable::kAirports:
      SetText(row.ident, t[0]);
      SetText(row.name, t[1]);
      SetText(row.info, t[2]);
      row.lat = ParseLeadingDouble(t[3]);
      row.lon = ParseLeadingDouble(t[4]);
      SetText(row.type, "APT");
      break;
    case NavTable::kNavaids:
      SetText(row.ident, t[0]);
      SetText(row.name, t[1]);
      row.lat = ParseLeadingDouble(t[2]);
      row.lon = ParseLeadingDouble(t[3]);
      SetText(row.type, platform::EqualsIgnoreCase(t[4], "VOR") ? "V" : "N");
      if (n > 5) SetText(row.extra, t[5]);  // no sixth token: no frequency
      break;
  }
}

void LoadFile(const KindFiles& k, const char* file_name) {
  std::FILE* f = OpenModuleFileForReading(SimRootPath(file_name));
  if (f == nullptr) return;
  reader.Start(f, kLineChars);
  std::string_view line;
  std::string_view tokens[6];
  while (reader.Next(&line)) {
    if (!line.empty() && line[0] == ';') continue;
    int n = SplitTokens(line, tokens, k.max_tokens);
    if (n < k.min_tokens) continue;
    // Airway lines name VOR and NDB idents too; only named fixes of 4 or more characters count.
    if (k.kind == NavTable::kAirwayFixes && tokens[2].size() < 4) continue;
    if (*k.count >= k.capacity) continue;
    ++*k.count;
    WriteRow(k.kind, tokens, n, k.table[*k.count]);
    NoteLoadedRow(k.kind, *k.count);
  }
  std::fclose(f);
}

}  // namespace

void LoadNavDatabase() {
  // Before the first rows touch them.
  static const bool advised = [] {
    platform::AdviseLargePages(nav_ints, sizeof nav_ints);
    platform::AdviseLargePages(nav_awy_fixes, sizeof nav_awy_fixes);
    platform::AdviseLargePages(nav_apts, sizeof nav_apts);
    platform::AdviseLargePages(nav_navaids, sizeof nav_navaids);
    return true;
  }();
  (void)advised;
  navdb_loaded = 1;
  DropNavIndexes();
  InitWmmCoefficients();
  const KindFiles kinds[] = {
      {NavTable::kIntersections, "\\Orvantel\\navdata\\ints.txt", "\\Orvantel\\navdata\\ints_user.txt",
       nav_ints, &nav_ints_cnt, kNavIntsCapacity, 4, 4},
      {NavTable::kAirwayFixes, "\\Orvantel\\navdata\\awys.txt", "\\Orvantel\\navdata\\awys_user.txt",
       nav_awy_fixes, &nav_awy_fixes_cnt, kNavAwyFixesCapacity, 5, 5},
      {NavTable::kAirports, "\\Orvantel\\navdata\\apts.txt", "\\Orvantel\\navdata\\apts_user.txt",
       nav_apts, &nav_apts_cnt, kNavAptsCapacity, 5, 5},
      {NavTable::kNavaids, "\\Orvantel\\navdata\\navs.txt", "\\Orvantel\\navdata\\navs_user.txt",
       nav_navaids, &nav_navaids_cnt, kNavNavaidsCapacity, 5, 6},
  };
  for (const KindFiles& k : kinds) {
    *k.count = 0;
    LoadFile(k, k.main_file);
    LoadFile(k, k.user_file);
  }
  BuildNavIndexes();
  // Lists built while the tables were empty would otherwise wait for the map centre to move.
  near_apt_ref_lat = near_apt_ref_lon = -999.0;
  near_apt_ref_lat2 = near_apt_ref_lon2 = -999.0;
  near_wpts_coarse_ctr = near_wpts_fine_ctr = kNoNavCentre;
  near_stations_coarse_ctr = near_stations_fine_ctr = kNoNavCentre;
}
