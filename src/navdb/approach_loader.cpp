#include "navdb/approach_loader.h"

#include <cmath>
#include <cstdio>

#include "base/geodesy.h"
#include "navdb/approach_lists.h"
#include "navdb/mag_model.h"
#include "navdb/navdb_globals.h"
#include "navdb/path_legs.h"
#include "navdb/procedure_common.h"
#include "platform/paths.h"

namespace {

constexpr int kTokens = 11;

// Procedure turn: outbound 3.0 NM, then 1.5 NM at 90 degrees before turning inbound.
constexpr double kTurnOutboundNm = 3.0;
constexpr double kTurnAcrossNm = 1.5;

// A procedure-turn course kept within 0..360 (north stays 360, as its leg's name shows it).
double TurnCourse(double deg) {
  double r = std::fmod(deg, 360.0);
  if (r < 0.0) r += 360.0;
  if (r == 0.0) r = deg > 0.0 ? 360.0 : 0.0;
  return r;
}

bool IsTurnOntoTrack(std::string_view code) {
  return StartsWith(code, "/RT/T") || StartsWith(code, "/LT/T") || StartsWith(code, "/RT/H") ||
         StartsWith(code, "/LT/H");
}

bool IsProcedureTurn(std::string_view code) {
  if (IsTurnOntoTrack(code)) code.remove_prefix(3);
  return StartsWith(code, "/RT") || StartsWith(code, "/LT");
}

// Tokens 4..11 move one place toward the front when token 4 is a path code (token 11 stays).
void ShiftTokens(std::string_view* t) {
  if (!StartsWith(t[4], "/")) return;
  for (int i = 3; i < kTokens; ++i) t[i] = t[i + 1];
}

void AppendTurnLeg(ProcedureRecord& rec, std::string_view ident, double lat, double lon, std::string_view trans,
                   std::string_view runway) {
  if (rec.leg_cnt <= 0 || rec.leg_cnt >= kProcedureLegRows - 1) return;  // no room for the turn
  ProcedureLeg& leg = rec.legs[rec.leg_cnt];
  SetText(leg.trans, trans);
  SetText(leg.appr_id, TextOf(rec.id));
  SetText(leg.ident, ident);
  leg.lat = lat;
  leg.lon = lon;
  SetText(leg.runway, runway);
  AppendLeg(rec);
}

// The intersection of `crs` from the start with the course through the reference fix; four tries.
int32_t Intercept(double lat0, double lon0, double crs, std::string_view term, double* ref_lat, double* ref_lon) {
  const double var = dest_magvar;
  double num = ParseLeadingDouble(term.substr(std::min<size_t>(2, term.size())));
  double first = 0.0;
  if (StartsWith(term, "IC")) first = norm360(num + 180.0);
  const double fix_lat = *ref_lat;
  const double fix_lon = *ref_lon;
  for (int attempt = 0; attempt < 4; ++attempt) {
    double second = attempt < 2 ? first : num;
    double lat, lon;
    int32_t r = attempt % 2 == 0
                    ? CalcGreatCircle(lat0, lon0, crs + var, fix_lat, fix_lon, second + var, &lat, &lon)
                    : CalcGreatCircle(fix_lat, fix_lon, second + var, lat0, lon0, crs + var, &lat, &lon);
    if (r == kNoIntersection) continue;
    if (!TakeIntersection(lat0, lon0, crs, var, &lat, &lon)) continue;
    *ref_lat = lat;
    *ref_lon = lon;
    return 1;
  }
  return 0;
}

}  // namespace

int32_t BuildApproachLegs(std::string_view code, double prev_lat, double prev_lon, double* ref_lat,
                          double* ref_lon, int32_t appr_row, std::string_view trans, std::string_view runway) {
  if (IsTurnOntoTrack(code)) code.remove_prefix(3);
  double crs = 0.0;
  double lat0 = prev_lat;
  double lon0 = prev_lon;
  std::string_view term;
  if (StartsWith(code, "/RT") || StartsWith(code, "/LT")) {
    // Procedure turn: out on the reciprocal of the inbound course, across, and back in.
    bool right = code.substr(1, 2) == "RT";
    code.remove_prefix(std::min<size_t>(4, code.size()));
    size_t slash = code.find('/');
    std::string_view field = code.substr(0, slash);
    if (slash != std::string_view::npos) term = code.substr(slash + 1);
    std::string first_ident;
    if (StartsWith(field, "H")) {
      crs = TurnCourse(ParseLeadingDouble(field.substr(1)) + (right ? -180.0 : 180.0));
      first_ident = "PT";
      first_ident += field.substr(1);
    }
    ProcedureRecord* rec = appr_row >= 1 && appr_row < kAirportApproachRows ? &airport_recs[2].approaches[appr_row]
                                                                            : nullptr;
    double lat1, lon1;
    CalcDestPoint(prev_lat, prev_lon, crs, kTurnOutboundNm, &lat1, &lon1);
    if (rec != nullptr) AppendTurnLeg(*rec, first_ident, lat1, lon1, trans, runway);
    crs = TurnCourse(crs + (right ? 90.0 : -90.0));
    char second_ident[8];
    std::snprintf(second_ident, sizeof second_ident, "PT%03.0f", crs);
    CalcDestPoint(lat1, lon1, crs, kTurnAcrossNm, &lat0, &lon0);
    if (rec != nullptr) AppendTurnLeg(*rec, second_ident, lat0, lon0, trans, runway);
    crs = TurnCourse(crs + (right ? 90.0 : -90.0));
  } else {
    if (StartsWith(code, "/")) code.remove_prefix(1);
    size_t slash = code.find('/');
    std::string_view field = code.substr(0, slash);
    if (slash != std::string_view::npos) term = code.substr(slash + 1);
    if (StartsWith(field, "T") || StartsWith(field, "H")) {
      crs = ParseLeadingDouble(field.substr(1));
      if (crs == 360.0) crs = 0.0;
    }
  }

  if (StartsWith(term, "UD")) {
    return FindDmePoint(lat0, lon0, crs + dest_magvar, *ref_lat, *ref_lon, ParseLeadingDouble(term.substr(2)), ref_lat,
                        ref_lon)
               ? 1
               : 0;
  }
  return Intercept(lat0, lon0, crs, term, ref_lat, ref_lon);
}

namespace {

struct ApprState {
  AirportRecord* apt;
  int32_t cur = 0;  // the approach that took the previous leg; 0 none
  std::string generated;
};

void RegisterIdentifier(AirportRecord& apt, std::string_view id) {
  for (int32_t i = 1; i <= apt.appr_trans_cnt; ++i) {
    std::string_view kind = TextOf(apt.appr_transitions[i].kind);
    const size_t kind_chars = std::min(id.size(), sizeof apt.appr_transitions[i].kind - 1);
    if (platform::EqualsIgnoreCase(kind, id.substr(0, kind_chars))) return;
  }
  // The register only keeps identifiers from repeating; a full one takes no more.
  ProcedureRecord* r = AppendProcedure(apt.appr_transitions, kAirportApprTransRows, &apt.appr_trans_cnt);
  if (r != nullptr) SetText(r->kind, id);
}

std::string_view TransitionName(const std::string_view* t) {
  std::string_view role = t[4];
  using platform::EqualsIgnoreCase;
  if (EqualsIgnoreCase(role, "FAF") || EqualsIgnoreCase(role, "MAF") || EqualsIgnoreCase(role, "MAP")) return {};
  std::string_view name;
  std::string_view compared = role;
  if (platform::EqualsIgnoreCase(role, "IAF")) {
    name = t[3];
    compared = t[3];
  } else if (role != "---") {
    name = role;
  }
  if (!t[8].empty() && t[8][0] != '-' && !platform::EqualsIgnoreCase(t[8], compared)) name = t[8];
  return name;
}

// The path-code leg's name: "TR" or "HD" and its course digits, a procedure turn's inbound leg
// "HD" and its inbound course; otherwise the last name given.
void ApproachLegName(std::string_view code, std::string* name) {
  if (IsProcedureTurn(code) && !IsTurnOntoTrack(code)) {
    code.remove_prefix(std::min<size_t>(4, code.size()));  // "/LT" and the character after it
  } else {
    code.remove_prefix(std::min<size_t>(1, code.size()));
    if (StartsWith(code, "RT/T") || StartsWith(code, "LT/T") || StartsWith(code, "RT/H") || StartsWith(code, "LT/H")) {
      code.remove_prefix(3);
    }
  }
  if (StartsWith(code, "T")) {
    *name = "TR";
  } else if (StartsWith(code, "H")) {
    *name = "HD";
  } else {
    return;
  }
  *name += code.substr(1, 3);
}

char CodeChar(std::string_view token) { return static_cast<char>(TruncToI32(ParseLeadingDouble(token))); }

void LegLine(ApprState& s, std::string_view* t) {
  AirportRecord& apt = *s.apt;
  ShiftTokens(t);
  if (t[1].empty() || t[3].empty()) return;
  if (s.cur > 0 && apt.approaches[s.cur].leg_cnt >= 2) {
    const ProcedureRecord& cur = apt.approaches[s.cur];
    const ProcedureLeg& last = cur.legs[cur.leg_cnt];
    if (FieldEquals(last.ident, t[3]) && FieldEquals(last.role, t[8])) {
      proc_ref_lat = ParseLeadingDouble(t[7]);
      proc_ref_lon = ParseLeadingDouble(t[8]);
      return;
    }
    if (OccursAfterFirst(t[3], "/VT")) return;
  }

  std::string_view runway = t[1] == "-" || t[1] == "--" || t[1] == "---" ? std::string_view() : t[1];
  int32_t row = 0;
  for (int32_t i = 1; i <= apt.appr_cnt; ++i) {
    if (FieldEquals(apt.approaches[i].runway, runway) && FieldEquals(apt.approaches[i].id, t[2])) row = i;
  }
  // A procedure turn adds two legs before its own (the code is token 3 after the second shift).
  const int32_t needed = IsProcedureTurn(StartsWith(t[4], "/") ? t[4] : t[3]) ? 3 : 1;
  ProcedureRecord* rec;
  if (row == 0) {
    rec = AppendProcedure(apt.approaches, kAirportApproachRows, &apt.appr_cnt);
    if (rec == nullptr) return;  // the approach table is full
    row = apt.appr_cnt;
    SetText(rec->runway, runway);
    SetText(rec->id, t[2]);
  } else {
    rec = &apt.approaches[row];
    if (rec->leg_cnt + needed > kProcedureLegRows - 1) return;  // no room for this line's legs
  }
  RegisterIdentifier(apt, t[2]);
  s.cur = row;
  AppendLeg(*rec);
  const int32_t slot = rec->leg_cnt;

  ShiftTokens(t);
  std::string_view trans = TransitionName(t);
  double lat, lon;
  if (StartsWith(t[3], "/")) {
    double ref_lat = ParseLeadingDouble(t[6]);
    double ref_lon = ParseLeadingDouble(t[7]);
    // A path code that opens an approach has no previous leg: it starts at its reference fix.
    double start_lat = slot > 1 ? rec->legs[slot - 1].lat : ref_lat;
    double start_lon = slot > 1 ? rec->legs[slot - 1].lon : ref_lon;
    bool found = BuildApproachLegs(t[3], start_lat, start_lon, &ref_lat, &ref_lon, row, trans, runway) == 1;
    lat = found ? ref_lat : start_lat;
    lon = found ? ref_lon : start_lon;
    ApproachLegName(t[3], &s.generated);
  } else {
    lat = ParseLeadingDouble(t[6]);
    lon = ParseLeadingDouble(t[7]);
  }
  ProcedureLeg& leg = rec->legs[rec->leg_cnt];
  SetText(leg.ident, StartsWith(t[3], "/") ? std::string_view(s.generated) : t[3]);
  SetText(leg.trans, trans);
  SetText(leg.role, t[4]);
  SetText(leg.alt_text, t[5]);
  SetText(leg.runway, runway);
  leg.lat = lat;
  leg.lon = lon;
  const char code1[2] = {CodeChar(t[9]), '\0'};
  const char code2[2] = {CodeChar(t[10]), '\0'};
  SetText(leg.code1, code1);
  SetText(leg.code2, code2);
  SetText(leg.appr_id, t[2]);
  leg.fly_over = platform::EqualsIgnoreCase(t[11], "FO") ? 1 : 0;
  proc_ref_lat = lat;
  proc_ref_lon = lon;
}

}  // namespace

void LoadApproaches(std::string icao) {
  AirportRecord& apt = airport_recs[2];
  EmptyProcedureTable(apt.approaches, kAirportApproachRows, &apt.appr_cnt);
  EmptyProcedureTable(apt.appr_transitions, kAirportApprTransRows, &apt.appr_trans_cnt);
  EmptyList(apt.iaf_list, &apt.iaf_cnt);
  std::FILE* f = OpenNavdataFile("apps.txt");
  if (f != nullptr) {
    dest_magvar = GetMagVar(TruncToI32(apt.lat), TruncToI32(apt.lon));
    ApprState s;
    s.apt = &apt;
    ReadSection(
        f, kTokens, [&](std::string_view header) { return platform::EqualsIgnoreCase(HeaderFirstWord(header), icao); },
        [&](std::string_view* t) { LegLine(s, t); });
    std::fclose(f);
  }
  BuildApproachList("------");
}
