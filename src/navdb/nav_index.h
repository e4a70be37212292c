// Indexes beside the loaded navigation tables, so that a search need not read a whole table: rows
// by identifier (navaids, intersections, airports) and rows by position on a grid of whole degrees
// (airports, airway fixes, navaids). They hold row numbers only; the tables, their rows and counts
// stay as they are.
//
// LoadNavDatabase builds them and ResetModuleState drops them. An index is used only while its
// table still has the count it was built for (rows added by hand after a load are not indexed);
// otherwise the queries answer "no index" and the callers read the table as before. What an index
// gives is what reading the table would give, in table order.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

enum class NavTable : int32_t { kNavaids, kIntersections, kAirports, kAirwayFixes };

void BuildNavIndexes();
void DropNavIndexes();

// For the loader: row `row` of `table` has just been written with the identifier field `ident` (its
// 16 bytes: the text and zeros) and the position (lat, lon). What the indexes need of it is taken
// now, from the values at hand, so that neither this nor BuildNavIndexes reads the tables again.
void NoteLoadedRow(NavTable table, int32_t row, const char* ident, double lat, double lon);

// Rows 1..count of `table` whose identifier is exactly `ident`, in table order, at most `max_rows`
// of them, written to `rows`; returns how many, or -1 when the table has no usable index.
int32_t RowsWithIdent(NavTable table, std::string_view ident, int32_t* rows, int32_t max_rows);

// The rows of a table that may lie within a radius of a place: every row whose distance from the
// place (CalcDistNm) is within the radius is among them; some farther ones may be too. A row
// marked sure is certainly within the radius, with a margin far beyond the distance's rounding.
class NearRows {
 public:
  // Calls visit(row, sure) for each candidate in ascending row order while it returns true.
  template <typename Visit>
  void ForEach(Visit visit) const {
    for (size_t w = 0; w < maybe_.size(); ++w) {
      for (uint64_t bits = maybe_[w]; bits != 0; bits &= bits - 1) {
        const int32_t bit = __builtin_ctzll(bits);
        const int32_t row = static_cast<int32_t>(w * 64) + bit;
        if (!visit(row, (sure_[w] >> bit & 1u) != 0)) return;
      }
    }
  }

 private:
  friend bool FindRowsNear(NavTable, double, double, double, NearRows*);
  std::vector<uint64_t> maybe_;  // one bit per row number
  std::vector<uint64_t> sure_;
};

// Fills `out` for the place (lat, lon) and radius; false when the table has no usable index or the
// place is not on the sphere (the caller reads the table).
bool FindRowsNear(NavTable table, double lat, double lon, double radius_nm, NearRows* out);

// The rows of `table` within radius_nm of (lat, lon) by CalcDistNm, in table order; where more than
// max_rows are, the max_rows nearest of them (of equal distances the lower rows). Writes them to
// `rows` (room for max_rows) and returns how many; -1 when there is no usable index or the place is
// not on the sphere.
int32_t NearestRowsWithin(NavTable table, double lat, double lon, double radius_nm, int32_t max_rows, int32_t* rows);

// The row of `table` nearest to (lat, lon) by CalcDistNm (the first of equal ones) and its distance;
// 0 when no row has a distance below `start_nm`. -1 when there is no usable index or the place is not
// on the sphere.
int32_t NearestRow(NavTable table, double lat, double lon, double start_nm, double* dist_nm);
