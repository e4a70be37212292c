#include "navdb/airways.h"

#include <cstdio>
#include <string_view>

#include "navdb/navdb_files.h"
#include "navdb/navdb_globals.h"
#include "fmc/fmc_globals.h"
#include "sim/sim_globals.h"
#include "sim/tick_globals.h"
#include "navdb/navdb_text.h"

namespace {

// The reader's line buffer holds 200 characters: longer lines continue as the next line.
constexpr size_t kAirwayLineChars = 199;

LineReader reader;

}  // namespace

void LoadAirway(std::string name) {
  nav_search_cnt = 0;
  awy_entry_idx = 0;
  awy_exit_idx = 0;
  // Without a modified route there is no joining fix.
  std::string entry_fix = mod_stpos >= 0 && mod_stpos <= 200 ? fms_fpln_mod[mod_stpos].ident : std::string();
  if (!name.empty() && name[0] == '#') name.erase(0, 1);

  std::FILE* f = OpenModuleFileForReading(SimRootPath("\\Orvantel\\navdata\\awys.txt"));
  if (f == nullptr) return;
  reader.Start(f, kAirwayLineChars);
  bool entry_found = false;
  std::string_view line;
  std::string_view t[5];
  while (reader.Next(&line)) {
    if (SplitTokens(line, t, 5) < 5) continue;
    if (t[0] != name) {
      if (entry_found) break;  // the airway's block has ended
      continue;
    }
    // A fix beyond the list's capacity cannot be an entry row either.
    if (nav_search_cnt >= kNavSearchCapacity) continue;
    NavRecord& row = nav_search_list[++nav_search_cnt];
    ClearRecord(row);
    SetText(row.ident, t[2]);
    row.lat = ParseLeadingDouble(t[3]);
    row.lon = ParseLeadingDouble(t[4]);
    SetText(row.airway, name);
    if (t[2] == entry_fix) {
      awy_entry_idx = awy_exit_idx = nav_search_cnt;
      entry_found = true;
    }
  }
  std::fclose(f);
}

int32_t FindAirwayFix(const std::string& fix) {
  for (int32_t i = 1; i <= nav_search_cnt && i <= kNavSearchCapacity; ++i) {
    if (TextIs(nav_search_list[i].ident, fix)) return i;
  }
  return 0;
}

int32_t FindAirwayFix2(const std::string& fix) { return FindAirwayFix(fix); }
