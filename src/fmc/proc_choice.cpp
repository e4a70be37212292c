#include "fmc/proc_choice.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string>
#include <tuple>
#include <type_traits>
#include <vector>

#include "cdu/cdu_globals.h"
#include "fmc/fmc_globals.h"
#include "fmc/proc_route.h"
#include "navdb/navdb_globals.h"

namespace {

// clang-format off
#define PROC_CHOICE_SCALARS(X)                                                                        \
  /* the modified route around its rows */                                                            \
  X(fp_mod_cnt) X(mod_stpos) X(next_restr_leg_mod) X(fms_fpln_active) X(saved_stpos) X(hold_cnt)      \
  X(rte_row_cnt) X(TmpFrId) X(tmp_fr_lat) X(tmp_fr_lon) X(cdu_prompt_mode)                            \
  /* selections, the builders' keys and the chosen records */                                         \
  X(sid_sel) X(sid_trans_sel) X(dep_rwy_sel) X(star_sel) X(star_trans_sel) X(arr_rwy_sel) X(appr_sel) \
  X(appr_trans_sel) X(arr_rwy_cur) X(sid_idx) X(star_idx) X(sid_legs_rwy) X(sid_trans_cur)            \
  X(star_trans_cur) X(fms_dep_rwy_pos) X(fms_dest_rwy_pos)                                            \
  /* list counts */                                                                                   \
  X(sid_leg_cnt) X(star_leg_cnt) X(appr_leg_cnt) X(appr_legs_pending) X(appr_list_cnt)                \
  /* the DEP/ARR pages */                                                                             \
  X(dep_sel_state) X(arr_sel_state) X(dep_rwy_chosen) X(arr_rwy_chosen) X(dep_trans_chosen)           \
  X(star_trans_chosen) X(appr_chosen) X(appr_trans_chosen) X(arr_appr_sel) X(arr_appr_trans_sel)      \
  X(dep_page_no) X(arr_page)
// clang-format on

#define PROC_CHOICE_TABLES(X) \
  X(fms_fpln_mod) X(route_holds) X(rte_rows) X(sid_leg_list) X(star_leg_list) X(appr_legs) X(appr_list)

template <class T, size_t N>
std::vector<T> Copy(const T (&table)[N]) {
  return std::vector<T>(std::begin(table), std::end(table));
}

template <class T, size_t N>
void Put(const std::vector<T>& from, T (&table)[N]) {
  std::copy(from.begin(), from.end(), table);
}

// A table of plain rows, copied whole.
template <class Table>
void CopyRows(Table& to, const Table& from) {
  static_assert(std::is_trivially_copyable_v<Table>);
  std::memcpy(&to, &from, sizeof(Table));
}

// The pick lists the builders rewrite in an airport block, with their counts; the procedures
// themselves stay.
struct PickLists {
  explicit PickLists(const AirportRecord& a) { CopyLists(a, *this); }
  void Restore(AirportRecord& a) const { CopyLists(*this, a); }

  int32_t trans_list_cnt, sid_list_cnt, star_list_cnt, rwy_list_cnt, iaf_cnt;
  decltype(AirportRecord::trans_list) trans_list;
  decltype(AirportRecord::iaf_list) iaf_list;
  decltype(AirportRecord::sid_list) sid_list;
  decltype(AirportRecord::star_list) star_list;
  decltype(AirportRecord::rwy_list) rwy_list;

 private:
  template <class From, class To>
  static void CopyLists(const From& from, To& to) {
    std::tie(to.trans_list_cnt, to.sid_list_cnt, to.star_list_cnt, to.rwy_list_cnt, to.iaf_cnt) =
        std::tie(from.trans_list_cnt, from.sid_list_cnt, from.star_list_cnt, from.rwy_list_cnt, from.iaf_cnt);
    CopyRows(to.trans_list, from.trans_list);
    CopyRows(to.iaf_list, from.iaf_list);
    CopyRows(to.sid_list, from.sid_list);
    CopyRows(to.star_list, from.star_list);
    CopyRows(to.rwy_list, from.rwy_list);
  }
};

}  // namespace

struct ProcChoiceSnapshot::State {
#define SAVE_SCALAR(name) std::remove_cvref_t<decltype(::name)> name = ::name;
  PROC_CHOICE_SCALARS(SAVE_SCALAR)
#undef SAVE_SCALAR
#define SAVE_TABLE(name) decltype(Copy(::name)) name = Copy(::name);
  PROC_CHOICE_TABLES(SAVE_TABLE)
#undef SAVE_TABLE
  PickLists origin{airport_recs[1]};
  PickLists destination{airport_recs[2]};
};

ProcChoiceSnapshot::ProcChoiceSnapshot() : state_(std::make_unique<const State>()) {}

ProcChoiceSnapshot::~ProcChoiceSnapshot() = default;

void ProcChoiceSnapshot::Restore() const {
  const State& s = *state_;
#define PUT_SCALAR(name) ::name = s.name;
  PROC_CHOICE_SCALARS(PUT_SCALAR)
#undef PUT_SCALAR
#define PUT_TABLE(name) Put(s.name, ::name);
  PROC_CHOICE_TABLES(PUT_TABLE)
#undef PUT_TABLE
  s.origin.Restore(airport_recs[1]);
  s.destination.Restore(airport_recs[2]);
}
