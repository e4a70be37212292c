#include "navdb/approach_lists.h"

#include <string_view>

#include "cdu/cdu_globals.h"
#include "navdb/navdb_globals.h"
#include "navdb/procedure_common.h"

namespace {

constexpr std::string_view kNoneChosen = "------";
constexpr int32_t kApproachListCapacity = 50;
constexpr int32_t kApproachLegsCapacity = 80;

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

// A leg with no runway belongs to every runway.
bool RunwayFits(const ProcedureLeg& leg) {
  std::string_view rwy = TextOf(leg.runway);
  return rwy.empty() || Contains(rwy, arr_rwy_cur);
}

}  // namespace

void BuildApproachList(std::string filter) {
  const AirportRecord& apt = airport_recs[2];
  for (int32_t i = 1; i <= appr_list_cnt && i <= kApproachListCapacity; ++i) appr_list[i] = ApproachListRow{};
  appr_list_cnt = 0;
  std::string prev_key = "INIT";
  std::string key;
  for (int32_t i = 1; i <= apt.appr_cnt; ++i) {
    const ProcedureRecord& r = apt.approaches[i];
    if (filter != kNoneChosen && !TextIs(r.runway, filter)) continue;
    for (int32_t k = 1; k <= r.leg_cnt; ++k) {
      const ProcedureLeg& leg = r.legs[k];
      key.assign(TextOf(leg.appr_id));
      key += ' ';
      key += TextOf(leg.runway);
      if (key != prev_key && appr_list_cnt < kApproachListCapacity) {
        ApproachListRow& row = appr_list[++appr_list_cnt];
        row.identifier = TextOf(leg.appr_id);
        row.runway = TextOf(leg.runway);
      }
      prev_key.swap(key);
    }
  }
}

void BuildIafList() {
  AirportRecord& apt = airport_recs[2];
  EmptyList(apt.iaf_list, &apt.iaf_cnt);
  for (int32_t i = 1; i <= apt.appr_cnt; ++i) {
    const ProcedureRecord& r = apt.approaches[i];
    for (int32_t k = 1; k <= r.leg_cnt; ++k) {
      const ProcedureLeg& leg = r.legs[k];
      if (!StartsWith(TextOf(leg.role), "IAF")) continue;
      if (appr_sel != kNoneChosen && !TextIs(leg.appr_id, appr_sel)) continue;
      if (arr_rwy_cur != kNoneChosen && !RunwayFits(leg)) continue;
      bool listed = false;
      for (int32_t j = 1; j <= apt.iaf_cnt && !listed; ++j) listed = FieldEquals(apt.iaf_list[j].name, TextOf(leg.trans));
      if (listed || apt.iaf_cnt >= kAirportIafListRows - 1) continue;
      SetText(apt.iaf_list[++apt.iaf_cnt].name, TextOf(leg.trans));
    }
  }
}

void BuildApproachLegList() {
  const AirportRecord& apt = airport_recs[2];
  for (int32_t i = 1; i <= appr_leg_cnt && i <= kApproachLegsCapacity; ++i) appr_legs[i] = ApproachLegEntry{};
  appr_leg_cnt = 0;
  for (int32_t i = 1; i <= apt.appr_cnt; ++i) {
    const ProcedureRecord& r = apt.approaches[i];
    for (int32_t k = 1; k <= r.leg_cnt; ++k) {
      const ProcedureLeg& leg = r.legs[k];
      if (!TextIs(leg.appr_id, appr_sel) || !RunwayFits(leg)) continue;
      std::string_view trans = TextOf(leg.trans);
      bool common = trans.empty() || trans == "IAF*" || trans == "---" || trans == "MAP" || trans == "FAF";
      if (!common && trans != appr_trans_sel) continue;
      if (appr_leg_cnt >= kApproachLegsCapacity) break;
      ApproachLegEntry& row = appr_legs[++appr_leg_cnt];
      row.ident = TextOf(leg.ident);
      row.alt_text = TextOf(leg.alt_text);
      row.lat = leg.lat;
      row.lon = leg.lon;
      row.fly_over = leg.fly_over;
      std::string_view role = TextOf(leg.role);
      if (role == "IAF" || role == "MAP" || role == "FAF" || role == "ARC" || role == "HP") row.role = role;
    }
  }
  appr_legs_pending = 1;
}
