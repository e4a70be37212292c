#include "navdb/star_loader.h"

#include <string_view>

#include "fmc/fmc_globals.h"
#include "base/geodesy.h"
#include "navdb/mag_model.h"
#include "navdb/navdb_globals.h"
#include "navdb/path_legs.h"
#include "navdb/procedure_common.h"
#include "platform/paths.h"

namespace {

constexpr int kTokens = 7;
// The name list has 250 rows of which 1..249 are usable.
constexpr int32_t kNameListCapacity = kAirportNameListRows - 1;

// An "/IC" leg without a reference fix of its own: it ends where its course meets the course into
// the fix of the next leg line, so it is completed when that line is read.
struct PendingLeg {
  bool active = false;
  std::string code;
  double start_lat = 0.0;
  double start_lon = 0.0;
  int32_t rec = 0;
  std::string trans;
};

struct StarState {
  AirportRecord* apt;
  std::string generated;
  double heading = 0.0;  // inbound course of the last stored leg, magnetic: flown into a path leg
  PendingLeg pending;
};

void AddTransition(AirportRecord& apt, std::string_view name, bool unless_present) {
  if (unless_present) {
    for (int32_t i = 1; i <= apt.trans_list_cnt; ++i) {
      if (FieldEquals(apt.trans_list[i].name, name)) return;
    }
  }
  if (apt.trans_list_cnt >= kAirportTransListRows - 1) return;
  SetText(apt.trans_list[++apt.trans_list_cnt].name, name);
}

// Leg n of `rec` has its ident and position: the inbound course and the transition list follow.
void FinishLeg(StarState& s, ProcedureRecord& rec, int32_t n, std::string_view trans) {
  ProcedureLeg& leg = rec.legs[n];
  if (n > 1) {
    double dist_nm, brg;
    CalcDistBrg(rec.legs[n - 1].lat, rec.legs[n - 1].lon, leg.lat, leg.lon, &dist_nm, &brg);
    brg -= dest_magvar;
    if (brg < 0.5) {
      brg += 360.0;  // north is kept as 360
    } else if (brg >= 360.0) {
      brg -= 360.0;
    }
    s.heading = brg;
  }
  if (!trans.empty()) {
    AddTransition(*s.apt, trans, true);
    return;
  }
  // The first leg after the transitions starts the common route, under its own name (a path leg's
  // line holds its code, or the next fix, where a fix leg's holds its ident).
  const ProcedureLeg* prev = n > 1 ? &rec.legs[n - 1] : nullptr;
  bool after_transition = prev != nullptr && prev->trans[0] != '\0' && !TextIs(prev->marker, "*");
  if (s.apt->trans_list_cnt == 0 || after_transition) {
    AddTransition(*s.apt, TextOf(leg.ident), false);
    SetText(leg.trans, TextOf(leg.ident));
    SetText(leg.marker, "*");
  }
}

void DropPending(StarState& s) {
  if (!s.pending.active) return;
  DropLastLeg(s.apt->stars[s.pending.rec]);
  s.pending.active = false;
}

// Completes the waiting leg with the fix of the line `t` (its raw tokens).
void CompletePending(StarState& s, const std::string_view* t) {
  PendingLeg& p = s.pending;
  p.active = false;
  ProcedureRecord& rec = s.apt->stars[p.rec];
  double io_lat = ParseLeadingDouble(t[5]);
  double io_lon = ParseLeadingDouble(t[6]);
  if (BuildStarLegs(p.code, p.start_lat, p.start_lon, &io_lat, &io_lon, p.rec, p.trans, "", s.heading) ==
      kNoPathEnd) {
    DropLastLeg(rec);
    return;
  }
  PathLegName(p.code, &s.generated);
  ProcedureLeg& leg = rec.legs[rec.leg_cnt];
  SetText(leg.ident, s.generated);
  leg.lat = io_lat;
  leg.lon = io_lon;
  SetText(leg.alt_text, t[3]);
  SetText(leg.runway, t[4]);
  leg.fly_over = platform::EqualsIgnoreCase(t[7], "FO") ? 1 : 0;
  ClearRecord(leg.marker);
  FinishLeg(s, rec, rec.leg_cnt, p.trans);
}

void HeaderLine(StarState& s, const std::string_view* t) {
  ProcedureRecord* rec = AppendProcedure(s.apt->stars, kAirportStarRows, &s.apt->star_cnt);
  if (rec == nullptr) return;
  SetText(rec->name, t[2]);
  SetText(rec->kind, t[3]);
  SetText(rec->runway, t[4]);
}

void LegLine(StarState& s, std::string_view* t) {
  if (s.pending.active) CompletePending(s, t);
  // Vectors have no end point, whichever layout the line has.
  if (OccursAfterFirst(t[3], "/VT") || (StartsWith(t[2], "/") && OccursAfterFirst(t[2], "/VT"))) return;

  std::string_view name = t[1];
  std::string_view trans;
  size_t dot = t[1].find('.');
  if (dot != std::string_view::npos && dot > 0) {
    trans = t[1].substr(0, dot);
    name = t[1].substr(dot + 1);
  }
  int32_t cur = FindProcedureByName(s.apt->stars, s.apt->star_cnt, name);
  std::string_view fix_ident = t[2];
  if (StartsWith(t[3], "/")) {
    for (int i = 2; i < kTokens; ++i) t[i] = t[i + 1];
    t[kTokens] = std::string_view();
  }

  ProcedureRecord* rec;
  ProcedureLeg* leg;
  if (cur == 0) {
    rec = AppendProcedure(s.apt->stars, kAirportStarRows, &s.apt->star_cnt);
    if (rec == nullptr) return;  // the STAR table is full
    cur = s.apt->star_cnt;
    SetText(rec->name, name);
    leg = AppendLeg(*rec);
    if (trans.empty()) {
      trans = fix_ident;  // a STAR that starts without a transition is its own first transition
      SetText(leg->marker, "*");
    }
  } else {
    rec = &s.apt->stars[cur];
    leg = AppendLeg(*rec);
    if (leg == nullptr) return;  // the record holds its 400 legs
  }
  const int32_t n = rec->leg_cnt;
  SetText(leg->trans, trans);
  SetText(leg->alt_text, t[3]);
  SetText(leg->runway, t[4]);
  leg->fly_over = platform::EqualsIgnoreCase(t[7], "FO") ? 1 : 0;

  if (n > 1 && StartsWith(t[2], "/")) {
    std::string_view code = t[2];
    const double start_lat = rec->legs[n - 1].lat;
    const double start_lon = rec->legs[n - 1].lon;
    double io_lat = start_lat;
    double io_lon = start_lon;
    double ref_lat = ParseLeadingDouble(t[5]);
    if (ref_lat > 0.0) {
      io_lat = ref_lat;
      io_lon = ParseLeadingDouble(t[6]);
    }
    proc_ref_lat = io_lat;
    proc_ref_lon = io_lon;
    if (ref_lat <= 0.0 && OccursAfterFirst(code, "/IC")) {
      s.pending = PendingLeg{true, std::string(code), start_lat, start_lon, cur, std::string(trans)};
      return;
    }
    if (BuildStarLegs(code, start_lat, start_lon, &io_lat, &io_lon, cur, trans, "", s.heading) == kNoPathEnd) {
      DropLastLeg(*rec);
      return;
    }
    PathLegName(code, &s.generated);
    SetText(leg->ident, s.generated);
    leg->lat = io_lat;
    leg->lon = io_lon;
  } else {
    SetText(leg->ident, fix_ident);
    leg->lat = ParseLeadingDouble(t[5]);
    leg->lon = ParseLeadingDouble(t[6]);
  }
  FinishLeg(s, *rec, n, trans);
}

void StarLine(StarState& s, std::string_view* t) {
  if (t[1].empty()) return;
  if (platform::EqualsIgnoreCase(t[1], "T")) {
    HeaderLine(s, t);
  } else {
    LegLine(s, t);
  }
}

bool InNameList(const AirportRecord& apt, std::string_view text) {
  for (int32_t i = 1; i <= apt.name_list_cnt; ++i) {
    if (FieldEquals(apt.name_list[i], text)) return true;
  }
  return false;
}

// Every STAR name, then each of its "name.transition" texts once; the list has no reader.
void RebuildNameList(AirportRecord& apt) {
  EmptyList(apt.name_list, &apt.name_list_cnt);
  for (int32_t i = 1; i <= apt.star_cnt; ++i) {
    const ProcedureRecord& r = apt.stars[i];
    if (apt.name_list_cnt < kNameListCapacity) SetText(apt.name_list[++apt.name_list_cnt], TextOf(r.name));
    for (int32_t k = 1; k <= r.leg_cnt; ++k) {
      star_trans_cur.assign(TextOf(r.name));
      star_trans_cur += '.';
      star_trans_cur += TextOf(r.legs[k].trans);
      if (apt.name_list_cnt < kNameListCapacity && !InNameList(apt, star_trans_cur)) {
        SetText(apt.name_list[++apt.name_list_cnt], star_trans_cur);
      }
    }
  }
}

}  // namespace

void LoadStars(std::string icao) {
  AirportRecord& apt = airport_recs[2];
  EmptyProcedureTable(apt.stars, kAirportStarRows, &apt.star_cnt);
  EmptyList(apt.trans_list, &apt.trans_list_cnt);
  StarState s;
  s.apt = &apt;
  ReadMainOrUserFile(
      "stars.txt", "stars_user.txt",
      [&](std::FILE* f) {
        dest_magvar = GetMagVar(TruncToI32(apt.lat), TruncToI32(apt.lon));
        bool found = ReadSection(
            f, kTokens, [&](std::string_view header) { return HeaderMatches(header, icao); },
            [&](std::string_view* t) { StarLine(s, t); });
        DropPending(s);  // a leg still waiting for the course into a next fix has no end point
        return found;
      },
      [&] { RebuildNameList(apt); });
}
