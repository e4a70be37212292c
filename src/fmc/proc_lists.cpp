#include "fmc/proc_lists.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "fmc/fmc_globals.h"
#include "fmc/proc_route.h"
#include "navdb/navdb_globals.h"

namespace {

constexpr int32_t kProcListCapacity = kAirportSidListRows - 1;   // 100
constexpr int32_t kTransListCapacity = 118;                       // row 119 was the sort's exchange slot
constexpr int32_t kRwyListCapacity = kAirportRwyListRows - 1;     // 22

struct Side {
  AirportRecord& apt;
  const ProcedureRecord* procs;
  int32_t proc_cnt;
  char (*names)[32];  // the procedure pick list
  int32_t* names_cnt;
};

Side Departure() {
  AirportRecord& a = airport_recs[1];
  return Side{a, a.sids, std::clamp<int32_t>(a.sid_cnt, 0, kAirportSidRows - 1), a.sid_list, &a.sid_list_cnt};
}

Side Arrival() {
  AirportRecord& a = airport_recs[2];
  return Side{a, a.stars, std::clamp<int32_t>(a.star_cnt, 0, kAirportStarRows - 1), a.star_list, &a.star_list_cnt};
}

bool PassesRunwayFilter(const ProcedureRecord& r, std::string_view rwy) {
  return rwy == kNoProcSelection || ProcedureServesRunway(TextOf(r.runway), rwy);
}

void BuildProcList(const Side& s, std::string_view rwy) {
  const int32_t old_cnt = std::clamp<int32_t>(*s.names_cnt, 0, kProcListCapacity);
  for (int32_t i = 1; i <= old_cnt; ++i) std::memset(s.names[i], 0, sizeof(s.names[i]));
  *s.names_cnt = 0;
  for (int32_t i = 1; i <= s.proc_cnt && *s.names_cnt < kProcListCapacity; ++i) {
    if (PassesRunwayFilter(s.procs[i], rwy)) SetText(s.names[++*s.names_cnt], TextOf(s.procs[i].name));
  }
}

void BuildRunwayList(const Side& s, std::string_view proc_name) {
  AirportRecord& a = s.apt;
  ClearListRows(a.rwy_list, a.rwy_list_cnt);
  a.rwy_list_cnt = 0;
  const ProcedureRecord* filter = nullptr;
  for (int32_t i = 1; i <= s.proc_cnt && filter == nullptr; ++i) {
    if (TextIs(s.procs[i].name, proc_name)) filter = &s.procs[i];
  }
  const int32_t rwys = std::clamp<int32_t>(a.rwy_cnt, 0, kRwyListCapacity);
  for (int32_t i = 1; i <= rwys; ++i) {
    std::string_view ident = TextOf(a.runways[i].ident);
    if (filter == nullptr || ProcedureServesRunway(TextOf(filter->runway), ident)) {
      SetText(a.rwy_list[++a.rwy_list_cnt], ident);
    }
  }
}

bool Listed(const AirportRecord& a, std::string_view name) {
  for (int32_t i = 1; i <= a.trans_list_cnt; ++i) {
    if (TextIs(a.trans_list[i].name, name)) return true;
  }
  return false;
}

void BuildTransList(const Side& s, std::string_view proc_name, std::string_view rwy) {
  AirportRecord& a = s.apt;
  ClearListRows(a.trans_list, a.trans_list_cnt);
  a.trans_list_cnt = 0;
  for (int32_t i = 1; i <= s.proc_cnt && a.trans_list_cnt < kTransListCapacity; ++i) {
    const ProcedureRecord& r = s.procs[i];
    if (!PassesRunwayFilter(r, rwy) || (proc_name != kNoProcSelection && !TextIs(r.name, proc_name))) continue;
    const int32_t legs = std::clamp<int32_t>(r.leg_cnt, 0, kProcedureLegRows - 1);
    for (int32_t k = 1; k <= legs && a.trans_list_cnt < kTransListCapacity; ++k) {
      std::string_view trans = TextOf(r.legs[k].trans);
      if (trans.empty() || TextIs(r.legs[k].marker, "*") || Listed(a, trans)) continue;
      SetText(a.trans_list[++a.trans_list_cnt].name, trans);
    }
  }
  // Byte order: a name that is a prefix of another comes first.
  std::sort(a.trans_list + 1, a.trans_list + 1 + a.trans_list_cnt,
            [](const NameListRow& x, const NameListRow& y) { return TextOf(x.name) < TextOf(y.name); });
}

}  // namespace

bool ProcedureServesRunway(std::string_view field, std::string_view rwy) {
  if (field.empty()) return true;
  std::string framed_field;
  framed_field.reserve(field.size() + 2);
  framed_field.append(",").append(field).append(",");
  std::string framed_rwy;
  framed_rwy.reserve(rwy.size() + 2);
  framed_rwy.append(",").append(rwy).append(",");
  return framed_field.find(framed_rwy) != std::string::npos;
}

void BuildSidList(std::string runway) { BuildProcList(Departure(), runway); }
void BuildDepRunwayList(std::string sid_name) { BuildRunwayList(Departure(), sid_name); }
void BuildSidTransList(std::string sid_name, std::string runway) { BuildTransList(Departure(), sid_name, runway); }

void BuildStarList(std::string runway) { BuildProcList(Arrival(), runway); }
void BuildArrRunwayList(std::string star_name) { BuildRunwayList(Arrival(), star_name); }
void BuildStarTransList(std::string star_name, std::string runway) { BuildTransList(Arrival(), star_name, runway); }

int32_t FindArrRunwayIndex() {
  const AirportRecord& a = airport_recs[2];
  const int32_t n = std::clamp<int32_t>(a.rwy_list_cnt, 0, kRwyListCapacity);
  for (int32_t i = 1; i <= n; ++i) {
    if (TextIs(a.rwy_list[i], arr_rwy_sel)) return i;
  }
  return 0;
}
