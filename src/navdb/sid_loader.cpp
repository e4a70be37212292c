#include "navdb/sid_loader.h"

#include <string_view>

#include "base/geodesy.h"
#include "navdb/mag_model.h"
#include "navdb/navdb_globals.h"
#include "navdb/path_legs.h"
#include "navdb/procedure_common.h"
#include "platform/paths.h"

namespace {

constexpr int kTokens = 8;

// A fly-over fix followed by a turn: the turn starts this far abeam, 4 × 26400 / (tan 25° × 11.29)
// / 6076.12 NM (a 25-degree bank turn).
constexpr double kFlyOverOffsetNm = 3.301194295752146;

// What the loader carries from line to line within one call.
struct SidState {
  AirportRecord* apt;
  bool in_section = false;
  int32_t cur = 0;  // current record; 0 none
  std::string generated;
  std::string cur_rwy;
  std::string prev_rwy;
  double start_lat = 0.0;
  double start_lon = 0.0;
  double heading = 0.0;
};

// The last leg of a common route carries its own ident as its transition.
void MarkCommonEnd(ProcedureLeg& leg) {
  SetText(leg.trans, TextOf(leg.ident));
  SetText(leg.marker, "*");
}

// A record without transitions so far ends its common route at its last leg.
void CloseCommonRoute(ProcedureRecord& r) {
  if (r.leg_cnt <= 0) return;
  for (int32_t k = 1; k <= r.leg_cnt; ++k) {
    if (r.legs[k].trans[0] != '\0') return;
  }
  MarkCommonEnd(r.legs[r.leg_cnt]);
}

// A runway named exactly: its threshold starts the next leg and its heading is flown.
void StartAtRunway(SidState& s, std::string_view ident) {
  for (int32_t i = 1; i <= s.apt->rwy_cnt; ++i) {
    const RunwayRecord& rw = s.apt->runways[i];
    if (FieldEquals(rw.ident, ident)) {
      s.start_lat = rw.lat;
      s.start_lon = rw.lon;
      s.heading = rw.heading;
      return;
    }
  }
}

// The runway of a climb leg: "16L,16R" means 16L, "16B" the first runway 16x, and a token of five
// or more characters the first runway with the same two leading characters.
void StartAtClimbRunway(SidState& s, const ProcedureRecord& rec, std::string_view r) {
  if (r.empty() || r == "---") r = TextOf(rec.runway);
  size_t comma = r.find(',');
  if (comma != std::string_view::npos && comma >= 2) r = r.substr(0, comma);
  for (int32_t i = 1; i <= s.apt->rwy_cnt; ++i) {
    const RunwayRecord& rw = s.apt->runways[i];
    std::string_view id = TextOf(rw.ident);
    bool same_two = r.size() >= 2 && id.size() >= 2 && id.substr(0, 2) == r.substr(0, 2);
    if (FieldEquals(rw.ident, r) || (same_two && r.size() >= 3 && r[2] == 'B') || (same_two && r.size() >= 5)) {
      s.start_lat = rw.lat;
      s.start_lon = rw.lon;
      s.heading = rw.heading;
      return;
    }
  }
}

void HeaderLine(SidState& s, std::string_view* t) {
  ProcedureRecord* rec = AppendProcedure(s.apt->sids, kAirportSidRows, &s.apt->sid_cnt);
  if (rec != nullptr) {
    SetText(rec->name, t[2]);
    SetText(rec->kind, t[3]);
    SetText(rec->runway, t[4]);
  }
  s.cur_rwy = t[4];
  StartAtRunway(s, t[4]);
}

// Builds the end point of a path leg into `leg`; false when the leg is dropped.
bool PathLeg(SidState& s, ProcedureRecord& rec, ProcedureLeg& leg, std::string_view* t,
             std::string_view trans) {
  const int32_t n = rec.leg_cnt;
  const ProcedureLeg* prev = n > 1 ? &rec.legs[n - 1] : nullptr;
  std::string_view code = t[2];
  int32_t alt_ft = -1;
  if (OccursAfterFirst(code, "/UA")) {
    alt_ft = ParseLeadingInt(t[3]);
    s.cur_rwy = t[4];
    if (prev != nullptr && t[4] == s.prev_rwy) {
      s.start_lat = prev->lat;
      s.start_lon = prev->lon;
    } else {
      StartAtClimbRunway(s, rec, t[4]);
    }
  } else if (OccursAfterFirst(code, "/VT")) {
    return false;  // vectors have no end point
  } else if (ParseLeadingDouble(t[5]) == 0.0 && prev != nullptr) {
    s.start_lat = prev->lat;
    s.start_lon = prev->lon;
  }

  double io_lat, io_lon;
  double ref_lat = ParseLeadingDouble(t[5]);
  if (ref_lat > 0.0) {
    io_lat = ref_lat;
    io_lon = ParseLeadingDouble(t[6]);
  } else {
    io_lat = s.start_lat;
    io_lon = s.start_lon;
  }
  proc_ref_lat = io_lat;
  proc_ref_lon = io_lon;

  int32_t r;
  bool turn_after_fly_over = prev != nullptr && prev->fly_over == 1 && code.size() >= 5 &&
                             (code.substr(1, 2) == "RT" || code.substr(1, 2) == "LT") && code[4] == 'T';
  if (turn_after_fly_over) {
    double c = ParseLeadingDouble(code.substr(5, 3));
    int32_t d = CalcHeadingDiff(c, s.heading);
    double brg = code.substr(1, 2) == "RT" ? s.heading - 90.0 + d : s.heading + 90.0 - d;
    CalcDestPoint(s.start_lat, s.start_lon, brg, kFlyOverOffsetNm, &s.start_lat, &s.start_lon);
    r = BuildSidLegs(code, s.start_lat, s.start_lon, &io_lat, &io_lon, s.cur, trans, "", alt_ft, c);
  } else {
    r = BuildSidLegs(code, s.start_lat, s.start_lon, &io_lat, &io_lon, s.cur, trans, "", alt_ft, s.heading);
  }
  if (r == kNoPathEnd) return false;

  if (OccursAfterFirst(code, "/UD")) t[7] = "FO";  // a DME fix is flown over
  PathLegName(code, &s.generated);
  SetText(leg.ident, s.generated);
  leg.lat = io_lat;
  leg.lon = io_lon;
  s.start_lat = io_lat;
  s.start_lon = io_lon;
  return true;
}

void LegLine(SidState& s, std::string_view* t) {
  if (t[1].empty() || t[2].empty() || platform::EqualsIgnoreCase(t[2], "---")) return;
  s.prev_rwy = s.cur_rwy;

  std::string_view base = t[1];
  std::string_view trans;
  size_t dot = t[1].find('.');
  if (dot != std::string_view::npos && dot > 0) {
    base = t[1].substr(0, dot);
    trans = t[1].substr(dot + 1);
  }
  s.cur = FindProcedureByName(s.apt->sids, s.apt->sid_cnt, base);

  if (StartsWith(t[3], "/")) {
    // An extra runway token before the path code; "RWnnx" gives the leg's start.
    if (StartsWith(t[2], "RW") && (t[2].size() == 4 || t[2].size() == 5)) {
      s.start_lat = ParseLeadingDouble(t[6]);
      s.start_lon = ParseLeadingDouble(t[7]);
    }
    for (int i = 2; i < kTokens; ++i) t[i] = t[i + 1];
  }

  ProcedureRecord* rec;
  ProcedureLeg* leg;
  if (s.cur == 0) {
    rec = AppendProcedure(s.apt->sids, kAirportSidRows, &s.apt->sid_cnt);
    if (rec == nullptr) return;  // the SID table is full
    s.cur = s.apt->sid_cnt;
    SetText(rec->name, base);
    leg = AppendLeg(*rec);
  } else {
    rec = &s.apt->sids[s.cur];
    leg = AppendLeg(*rec);
    if (leg == nullptr) return;  // the record holds its 400 legs
    s.cur_rwy = t[4];
    if (rec->leg_cnt == 1 && t[4].size() > 4) t[4] = t[4].substr(0, 3);
    StartAtRunway(s, t[4]);
  }

  if (StartsWith(t[2], "/")) {
    if (!PathLeg(s, *rec, *leg, t, trans)) {
      DropLastLeg(*rec);
      return;
    }
  } else {
    SetText(leg->ident, t[2]);
    leg->lat = ParseLeadingDouble(t[5]);
    leg->lon = ParseLeadingDouble(t[6]);
    s.start_lat = leg->lat;
    s.start_lon = leg->lon;
  }
  SetText(leg->trans, trans);
  SetText(leg->alt_text, t[3]);
  SetText(leg->runway, t[4]);
  leg->fly_over = platform::EqualsIgnoreCase(t[7], "FO") ? 1 : 0;

  if (!trans.empty() && rec->leg_cnt > 1) {
    ProcedureLeg& prev = rec->legs[rec->leg_cnt - 1];
    if (prev.trans[0] == '\0') MarkCommonEnd(prev);
  }
}

// Reads one file up to the end of the airport's section; true when it found the section. Every
// line but a procedure's own closes the common route of the record before it.
bool ReadFile(SidState& s, std::FILE* f, std::string_view icao) {
  LineReader& reader = ProcedureLineReader();
  reader.Start(f, kProcedureLineChars);
  std::string_view line;
  std::string_view t[kTokens + 1];
  while (reader.Next(&line)) {
    SplitLineTokens(line, t, s.in_section ? kTokens : 1);  // outside the section only headers count
    bool header = StartsWith(t[1], "[");
    if (IsCommentToken(t[1]) || header || !s.in_section) {
      if (s.cur > 0) CloseCommonRoute(s.apt->sids[s.cur]);
      if (header) {
        if (s.in_section) return true;  // the airport's section has ended
        s.in_section = HeaderMatches(t[1], icao);
      }
      continue;
    }
    if (platform::EqualsIgnoreCase(t[1], "T")) {
      HeaderLine(s, t);
    } else {
      LegLine(s, t);
    }
  }
  return s.in_section;
}

}  // namespace

void LoadSids(std::string icao) {
  AirportRecord& apt = airport_recs[1];
  EmptyProcedureTable(apt.sids, kAirportSidRows, &apt.sid_cnt);
  EmptyList(apt.trans_list, &apt.trans_list_cnt);
  SidState s;
  s.apt = &apt;
  ReadMainOrUserFile(
      "sids.txt", "sids_user.txt",
      [&](std::FILE* f) {
        origin_magvar = GetMagVar(TruncToI32(apt.lat), TruncToI32(apt.lon));
        return ReadFile(s, f, icao);
      },
      [&] {
        // A record whose last leg has no transition ends its common route there.
        for (int32_t i = 1; i <= apt.sid_cnt; ++i) {
          ProcedureRecord& r = apt.sids[i];
          if (r.leg_cnt > 0 && r.legs[r.leg_cnt].trans[0] == '\0') MarkCommonEnd(r.legs[r.leg_cnt]);
        }
      });
}
