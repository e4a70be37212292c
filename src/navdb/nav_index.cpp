#include "navdb/nav_index.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "base/geodesy.h"
#include "navdb/navdb_globals.h"

namespace {

struct TableRef {
  const NavRecord* rows;
  const int32_t* count;
  int32_t capacity;
};

TableRef Ref(NavTable t) {
  switch (t) {
    case NavTable::kNavaids: return {nav_navaids, &nav_navaids_cnt, kNavNavaidsCapacity};
    case NavTable::kIntersections: return {nav_ints, &nav_ints_cnt, kNavIntsCapacity};
    case NavTable::kAirports: return {nav_apts, &nav_apts_cnt, kNavAptsCapacity};
    case NavTable::kAirwayFixes: break;
  }
  return {nav_awy_fixes, &nav_awy_fixes_cnt, kNavAwyFixesCapacity};
}

int32_t UsedRows(const TableRef& t) { return std::clamp(*t.count, 0, t.capacity); }

constexpr size_t kTables = 4;
size_t Slot(NavTable t) { return static_cast<size_t>(t); }

// --- identifiers ---

// An identifier field holds at most 15 characters and its terminator.
constexpr size_t kIdentBytes = sizeof(NavRecord::ident);

// The hash of an identifier field's 16 bytes: the text and zeros after it.
uint64_t HashPadded(const char* padded) {
  uint64_t a = 0;
  uint64_t b = 0;
  std::memcpy(&a, padded, 8);
  std::memcpy(&b, padded + 8, 8);
  uint64_t h = (a ^ 0x9E3779B97F4A7C15ull) * 0xBF58476D1CE4E5B9ull;
  h ^= (b + (h >> 31)) * 0x94D049BB133111EBull;
  return h ^ (h >> 29);
}

uint64_t HashIdent(const char* text, size_t length) {
  char padded[kIdentBytes] = {};
  std::memcpy(padded, text, length);
  return HashPadded(padded);
}

// What the loader noted of each row: its identifier's hash and its grid cell (-1: not on the
// sphere), row by row from 1 (of the kinds the table is indexed by); `rows` counts the rows noted
// since the last build.
struct Staged {
  int32_t rows = 0;
  std::vector<uint32_t> hash;  // the low half, enough for any bucket count
  std::vector<int32_t> cell;
};

Staged staged[kTables];

// Chains of rows per hash bucket, each in ascending row order.
struct IdentIndex {
  bool built = false;
  int32_t count = 0;  // the table's count when built
  uint64_t mask = 0;
  std::vector<int32_t> head;  // bucket -> its first row, 0 for none
  std::vector<int32_t> next;  // row -> the next row of its bucket, 0 at the end
};

IdentIndex ident_index[kTables];

uint64_t RowHash(const NavRecord& r) { return HashIdent(r.ident, strnlen(r.ident, kIdentBytes)); }

void BuildIdentIndex(NavTable t) {
  const TableRef ref = Ref(t);
  IdentIndex& ix = ident_index[Slot(t)];
  const Staged& noted = staged[Slot(t)];
  const int32_t n = UsedRows(ref);
  const bool use_noted = noted.rows == n;
  size_t buckets = 1024;
  while (buckets < static_cast<size_t>(n)) buckets *= 2;
  ix.mask = buckets - 1;
  ix.head.assign(buckets, 0);
  ix.next.assign(static_cast<size_t>(n) + 1, 0);
  // Pushed in from the last row down, so that every chain runs in ascending order.
  for (int32_t row = n; row >= 1; --row) {
    const uint64_t hash = use_noted ? noted.hash[static_cast<size_t>(row)] : RowHash(ref.rows[row]);
    const size_t h = hash & ix.mask;
    ix.next[static_cast<size_t>(row)] = ix.head[h];
    ix.head[h] = row;
  }
  ix.count = *ref.count;
  ix.built = true;
}

// --- positions ---

// Cells of one degree of latitude by one of longitude; a cell's points lie within 60 NM of its
// centre (30 NM along the meridian and at most 30 NM along the parallel).
constexpr int32_t kLatCells = 180;
constexpr int32_t kLonCells = 360;
constexpr int32_t kCells = kLatCells * kLonCells;
constexpr double kCellReachNm = 60.0;
// Kept between a distance and its bounds: far beyond CalcDistNm's rounding.
constexpr double kMarginNm = 1.0;
constexpr double kNmPerDegree = 60.0;

bool OnSphere(double lat, double lon) {
  return std::isfinite(lat) && std::isfinite(lon) && std::fabs(lat) <= 90.0 && std::fabs(lon) <= 180.0;
}

int32_t LatCell(double lat) { return std::clamp(static_cast<int32_t>(std::floor(lat + 90.0)), 0, kLatCells - 1); }

struct GridIndex {
  bool built = false;
  int32_t count = 0;
  std::vector<int32_t> cell_start;  // kCells + 1 offsets into cell_rows
  std::vector<int32_t> cell_rows;   // rows by cell, ascending within a cell
  std::vector<int32_t> odd_rows;    // rows whose position is not on the sphere: always candidates
};

GridIndex grid_index[kTables];

int32_t CellOf(double lat, double lon) {
  if (!OnSphere(lat, lon)) return -1;
  // On the sphere both offsets are at least 0, so truncation is the floor.
  const int32_t lat_cell = std::min(static_cast<int32_t>(lat + 90.0), kLatCells - 1);
  const int32_t lon_cell = static_cast<int32_t>(lon + 180.0) % kLonCells;
  return lat_cell * kLonCells + lon_cell;
}

void BuildGridIndex(NavTable t) {
  const TableRef ref = Ref(t);
  GridIndex& ix = grid_index[Slot(t)];
  Staged& noted = staged[Slot(t)];
  const int32_t n = UsedRows(ref);
  if (noted.rows != n) {
    noted.cell.resize(static_cast<size_t>(n) + 1);
    for (int32_t row = 1; row <= n; ++row) {
      noted.cell[static_cast<size_t>(row)] = CellOf(ref.rows[row].lat, ref.rows[row].lon);
    }
  }
  const std::vector<int32_t>& cell_of = noted.cell;
  ix.cell_start.assign(kCells + 1, 0);
  ix.odd_rows.clear();
  for (int32_t row = 1; row <= n; ++row) {
    const int32_t c = cell_of[static_cast<size_t>(row)];
    if (c < 0) {
      ix.odd_rows.push_back(row);
    } else {
      ++ix.cell_start[static_cast<size_t>(c) + 1];
    }
  }
  for (size_t c = 0; c < static_cast<size_t>(kCells); ++c) ix.cell_start[c + 1] += ix.cell_start[c];
  ix.cell_rows.resize(static_cast<size_t>(ix.cell_start[kCells]));
  static std::vector<int32_t> fill;
  fill.assign(ix.cell_start.begin(), ix.cell_start.end() - 1);
  for (int32_t row = 1; row <= n; ++row) {
    const int32_t c = cell_of[static_cast<size_t>(row)];
    if (c >= 0) ix.cell_rows[static_cast<size_t>(fill[static_cast<size_t>(c)]++)] = row;
  }
  ix.count = *ref.count;
  ix.built = true;
}

const GridIndex* UsableGrid(NavTable t) {
  const GridIndex& ix = grid_index[Slot(t)];
  return ix.built && ix.count == *Ref(t).count && t != NavTable::kIntersections ? &ix : nullptr;
}

// The cells that may hold points within radius_nm of (lat, lon): a band of latitude cells and, in
// each, a run of longitude cells (wrapping), from the bounding box of the spherical cap. False when
// the cap is too large for a box (the caller takes every row).
struct CellBox {
  int32_t lat_first, lat_last;
  int32_t lon_first, lon_count;  // lon_count cells from lon_first, wrapping at 360
};

bool CapBox(double lat, double lon, double radius_nm, CellBox* box) {
  const double arc_deg = (radius_nm + kMarginNm) / kNmPerDegree;
  if (!(arc_deg < 90.0)) return false;
  box->lat_first = LatCell(std::max(-90.0, lat - arc_deg));
  box->lat_last = LatCell(std::min(90.0, lat + arc_deg));
  // Beyond a pole every longitude is near; otherwise the cap spans asin(sin(arc) / cos(lat)) of
  // longitude either side (a little more for rounding).
  double half_lon = 180.0;
  if (std::fabs(lat) + arc_deg < 90.0) {
    const double s = std::sin(arc_deg * kDegToRad) / std::cos(lat * kDegToRad);
    if (s < 1.0) half_lon = std::asin(s) * kRadToDeg + 1e-6;
  }
  if (half_lon >= 180.0) {
    box->lon_first = 0;
    box->lon_count = kLonCells;
    return true;
  }
  const int32_t first = static_cast<int32_t>(std::floor(lon - half_lon + 180.0));
  const int32_t last = static_cast<int32_t>(std::floor(lon + half_lon + 180.0));
  box->lon_first = ((first % kLonCells) + kLonCells) % kLonCells;
  box->lon_count = std::min(kLonCells, last - first + 1);
  return true;
}

// Calls cell(c) for each cell of the box.
template <typename Cell>
void ForEachCell(const CellBox& box, Cell cell) {
  for (int32_t i = box.lat_first; i <= box.lat_last; ++i) {
    for (int32_t k = 0; k < box.lon_count; ++k) cell(i * kLonCells + (box.lon_first + k) % kLonCells);
  }
}

double CellCentreDistNm(double lat, double lon, int32_t cell) {
  const double cell_lat = cell / kLonCells - 90 + 0.5;
  const double cell_lon = cell % kLonCells - 180 + 0.5;
  return CalcDistNm(lat, lon, cell_lat, cell_lon);
}

void SetBit(std::vector<uint64_t>& bits, int32_t row) {
  bits[static_cast<size_t>(row) >> 6] |= uint64_t{1} << (row & 63);
}

}  // namespace

void NoteLoadedRow(NavTable table, int32_t row, const char* ident, double lat, double lon) {
  Staged& s = staged[Slot(table)];
  const TableRef ref = Ref(table);
  // Rows come 1, 2, 3, ... in a load; anything else leaves the build to read the table.
  if (row != s.rows + 1 || row > ref.capacity) return;
  const bool by_ident = table != NavTable::kAirwayFixes;
  const bool by_place = table != NavTable::kIntersections;
  if (row == 1) {
    // Room for a full table, but only the rows loaded are written: the rest is never touched, so
    // a fresh module does not fault in and clear pages for rows it will not have.
    const size_t room = static_cast<size_t>(ref.capacity) + 1;
    if (by_ident) s.hash.reserve(room);
    if (by_place) s.cell.reserve(room);
    s.hash.assign(1, 0);  // row 0
    s.cell.assign(1, 0);
  }
  // The field is the text and zeros, as a row's own field is hashed.
  if (by_ident) s.hash.push_back(static_cast<uint32_t>(HashPadded(ident)));
  if (by_place) s.cell.push_back(CellOf(lat, lon));
  s.rows = row;
}

void BuildNavIndexes() {
  BuildIdentIndex(NavTable::kNavaids);
  BuildIdentIndex(NavTable::kIntersections);
  BuildIdentIndex(NavTable::kAirports);
  BuildGridIndex(NavTable::kNavaids);
  BuildGridIndex(NavTable::kAirports);
  BuildGridIndex(NavTable::kAirwayFixes);
  for (Staged& s : staged) s.rows = 0;
}

void DropNavIndexes() {
  for (Staged& s : staged) s.rows = 0;
  for (IdentIndex& ix : ident_index) ix.built = false;
  for (GridIndex& ix : grid_index) ix.built = false;
}

int32_t RowsWithIdent(NavTable table, std::string_view ident, int32_t* rows, int32_t max_rows) {
  const IdentIndex& ix = ident_index[Slot(table)];
  const TableRef ref = Ref(table);
  if (!ix.built || ix.count != *ref.count || table == NavTable::kAirwayFixes) return -1;
  // No identifier field holds a longer text.
  if (ident.size() > kIdentBytes) return 0;
  int32_t found = 0;
  for (int32_t row = ix.head[HashIdent(ident.data(), ident.size()) & ix.mask]; row != 0 && found < max_rows;
       row = ix.next[static_cast<size_t>(row)]) {
    if (TextIs(ref.rows[row].ident, ident)) rows[found++] = row;
  }
  return found;
}

bool FindRowsNear(NavTable table, double lat, double lon, double radius_nm, NearRows* out) {
  const GridIndex* ix = UsableGrid(table);
  CellBox box{};
  if (ix == nullptr || !OnSphere(lat, lon) || !(radius_nm >= 0.0) || !CapBox(lat, lon, radius_nm, &box)) {
    return false;
  }
  const size_t words = static_cast<size_t>(UsedRows(Ref(table))) / 64 + 1;
  out->maybe_.assign(words, 0);
  out->sure_.assign(words, 0);
  for (int32_t row : ix->odd_rows) SetBit(out->maybe_, row);
  ForEachCell(box, [&](int32_t c) {
    const int32_t begin = ix->cell_start[static_cast<size_t>(c)];
    const int32_t end = ix->cell_start[static_cast<size_t>(c) + 1];
    if (begin == end) return;
    const double centre_nm = CellCentreDistNm(lat, lon, c);
    if (centre_nm - kCellReachNm - kMarginNm > radius_nm) return;
    const bool sure = centre_nm + kCellReachNm + kMarginNm < radius_nm;
    for (int32_t k = begin; k < end; ++k) {
      const int32_t row = ix->cell_rows[static_cast<size_t>(k)];
      SetBit(out->maybe_, row);
      if (sure) SetBit(out->sure_, row);
    }
  });
  return true;
}

int32_t NearestRow(NavTable table, double lat, double lon, double start_nm, double* dist_nm) {
  const GridIndex* ix = UsableGrid(table);
  if (ix == nullptr || !OnSphere(lat, lon)) return -1;
  const TableRef ref = Ref(table);
  double best = start_nm;
  int32_t best_row = 0;
  const auto consider = [&](int32_t row) {
    const double d = CalcDistNm(lat, lon, ref.rows[row].lat, ref.rows[row].lon);
    if (best > d || (d == best && best_row != 0 && row < best_row)) {
      best = d;
      best_row = row;
    }
  };
  // Ever wider boxes until the nearest row found lies within the box's radius: every nearer row
  // would then lie in the box too.
  for (double radius = 60.0;; radius *= 4.0) {
    CellBox box{};
    if (!CapBox(lat, lon, radius, &box)) break;
    best = start_nm;
    best_row = 0;
    for (int32_t row : ix->odd_rows) consider(row);
    ForEachCell(box, [&](int32_t c) {
      const size_t cell = static_cast<size_t>(c);
      for (int32_t k = ix->cell_start[cell]; k < ix->cell_start[cell + 1]; ++k) {
        consider(ix->cell_rows[static_cast<size_t>(k)]);
      }
    });
    if (best_row != 0 && best <= radius) {
      *dist_nm = best;
      return best_row;
    }
  }
  best = start_nm;
  best_row = 0;
  for (int32_t row = 1; row <= UsedRows(ref); ++row) consider(row);
  *dist_nm = best;
  return best_row;
}

namespace {

// sin and cos of an angle within half a cell of zero (|x| below 0.01 radian): the series, within a
// double's rounding there, in a few multiplications instead of a library call.
double SmallSin(double x) {
  const double x2 = x * x;
  return x * (1.0 - x2 / 6.0 * (1.0 - x2 / 20.0 * (1.0 - x2 / 42.0)));
}
double SmallCos(double x) {
  const double x2 = x * x;
  return 1.0 - x2 / 2.0 * (1.0 - x2 / 12.0 * (1.0 - x2 / 30.0));
}

// A candidate cell, with the terms of the place-to-point formula at its centre.
struct CellSpan {
  int32_t cell;
  double cos_centre;  // cosine of the arc from the place to the cell's centre
  double sin_lat, cos_lat, cos_dlon, sin_dlon;
  double lat, lon;
};

// The cosine of the arc from the place to a point of a cell, as CalcDistNm forms it (its distance is
// the arc cosine of this times the earth's radius; a larger value is a nearer point).
struct PlaceTerms {
  double sin_lat, cos_lat;
  double CosArc(const CellSpan& c, double lat, double lon) const {
    const double dlat = (lat - c.lat) * kDegToRad;
    double dlon_deg = lon - c.lon;
    if (dlon_deg > 180.0) dlon_deg -= 360.0;  // a point at 180 E lies in the cell at 180 W
    const double dlon = dlon_deg * kDegToRad;
    const double sd = SmallSin(dlat), cd = SmallCos(dlat);
    const double sin_lat2 = c.sin_lat * cd + c.cos_lat * sd;
    const double cos_lat2 = c.cos_lat * cd - c.sin_lat * sd;
    const double cos_dlon2 = c.cos_dlon * SmallCos(dlon) - c.sin_dlon * SmallSin(dlon);
    return sin_lat2 * sin_lat + cos_lat2 * cos_lat * cos_dlon2;
  }
};

// How far a point of a cell of latitude row i lies from the cell's centre at most: a corner. Cells
// nearer the equator reach farther.
double CellReachNm(int32_t i) {
  const double lat = i - 90 + 0.5;
  return std::max(CalcDistNm(lat, 0.5, lat - 0.5, 1.0), CalcDistNm(lat, 0.5, std::min(90.0, lat + 0.5), 1.0));
}

// The cosine of an arc of `nm`: 2 (nothing is nearer) below 0, -2 (everything is) beyond the far pole.
double CosOfArc(double nm) {
  if (nm < 0.0) return 2.0;
  return nm / kEarthRadiusNm < kPi ? std::cos(nm / kEarthRadiusNm) : -2.0;
}
double ArcOfCos(double c) { return std::acos(std::clamp(c, -1.0, 1.0)) * kEarthRadiusNm; }

struct Candidate {
  double cos_arc;  // larger is nearer
  int32_t row;
};

}  // namespace

int32_t NearestRowsWithin(NavTable table, double lat, double lon, double radius_nm, int32_t max_rows, int32_t* rows) {
  const GridIndex* ix = UsableGrid(table);
  CellBox box{};
  if (ix == nullptr || !OnSphere(lat, lon) || !(radius_nm >= 0.0) || !CapBox(lat, lon, radius_nm, &box)) return -1;
  if (max_rows <= 0) return 0;
  const TableRef ref = Ref(table);
  const PlaceTerms place{std::sin(lat * kDegToRad), std::cos(lat * kDegToRad)};
  const auto rows_in = [&](int32_t c) {
    return ix->cell_start[static_cast<size_t>(c) + 1] - ix->cell_start[static_cast<size_t>(c)];
  };

  // Every point of a cell lies within `reach` of its centre; the cells whose centre is near enough
  // for a row within the radius, and those whose rows all are within it.
  const double reach = CellReachNm(box.lat_last < 90 ? box.lat_last : std::max(box.lat_first, 90)) + kMarginNm;
  const double cos_candidate = CosOfArc(radius_nm + reach);
  const double cos_sure = CosOfArc(radius_nm - reach);
  // The terms of a column and of a row of cells, worked out for the first cell that holds rows.
  static std::vector<double> col_cos, col_sin;
  col_cos.assign(static_cast<size_t>(box.lon_count), 2.0);  // 2: not yet
  col_sin.resize(static_cast<size_t>(box.lon_count));
  static std::vector<CellSpan> cells;
  cells.clear();
  int64_t candidates = static_cast<int64_t>(ix->odd_rows.size());
  for (int32_t i = box.lat_first; i <= box.lat_last; ++i) {
    const double cell_lat = i - 90 + 0.5;
    double sin_lat = 2.0, cos_lat = 0.0;
    for (int32_t k = 0; k < box.lon_count; ++k) {
      const int32_t c = i * kLonCells + (box.lon_first + k) % kLonCells;
      const int32_t count = rows_in(c);
      if (count == 0) continue;
      const size_t col = static_cast<size_t>(k);
      if (col_cos[col] > 1.0) {
        const double dlon = (c % kLonCells - 180 + 0.5 - lon) * kDegToRad;
        col_cos[col] = std::cos(dlon);
        col_sin[col] = std::sin(dlon);
      }
      if (sin_lat > 1.0) sin_lat = std::sin(cell_lat * kDegToRad), cos_lat = std::cos(cell_lat * kDegToRad);
      const double cos_centre = sin_lat * place.sin_lat + cos_lat * place.cos_lat * col_cos[col];
      if (cos_centre < cos_candidate) continue;
      cells.push_back({c, cos_centre, sin_lat, cos_lat, col_cos[col], col_sin[col], cell_lat,
                       static_cast<double>(c % kLonCells - 180) + 0.5});
      candidates += count;
    }
  }

  static std::vector<uint64_t> keep;
  keep.assign(static_cast<size_t>(UsedRows(ref)) / 64 + 1, 0);
  const WithinRadius within_radius(lat, lon, radius_nm);
  const auto within = [&](int32_t row) { return within_radius(ref.rows[row].lat, ref.rows[row].lon); };
  const auto for_rows = [&](const CellSpan& s, auto visit) {
    const size_t c = static_cast<size_t>(s.cell);
    for (int32_t k = ix->cell_start[c]; k < ix->cell_start[c + 1]; ++k) visit(ix->cell_rows[static_cast<size_t>(k)]);
  };
  if (candidates <= max_rows) {
    // Few enough rows that every one within the radius is kept.
    for (int32_t row : ix->odd_rows) {
      if (within(row)) SetBit(keep, row);
    }
    for (const CellSpan& s : cells) {
      const bool sure = s.cos_centre > cos_sure;
      for_rows(s, [&](int32_t row) {
        if (sure || within(row)) SetBit(keep, row);
      });
    }
  } else {
    // Nearest cells first. The max_rows-th nearest row lies no farther than `far`, within which
    // max_rows rows surely lie, and no nearer than `near`, the max_rows-th smallest bound of any
    // row's distance: rows of cells wholly nearer than `near` are kept unranked, rows of cells
    // reaching within `far` are ranked, the others are not read.
    std::sort(cells.begin(), cells.end(), [](const CellSpan& a, const CellSpan& b) { return a.cos_centre > b.cos_centre; });
    double far = radius_nm;
    double near = 0.0;
    int64_t surely = 0;
    int64_t bounded = static_cast<int64_t>(ix->odd_rows.size());  // a row off the sphere might lie anywhere
    bool near_found = bounded >= max_rows;
    for (const CellSpan& s : cells) {
      bounded += rows_in(s.cell);
      if (!near_found && bounded >= max_rows) {
        near = ArcOfCos(s.cos_centre) - reach;
        near_found = true;
      }
      if (surely < max_rows && s.cos_centre > cos_sure) {
        surely += rows_in(s.cell);
        if (surely >= max_rows) far = std::min(radius_nm, ArcOfCos(s.cos_centre) + reach);
      }
      if (near_found && (surely >= max_rows || !(s.cos_centre > cos_sure))) break;
    }
    const double cos_kept = CosOfArc(near - reach);
    const double cos_read = CosOfArc(far + reach);
    const double cos_far = far < radius_nm ? CosOfArc(far) : -2.0;  // the radius itself: measured exactly
    static std::vector<Candidate> ranked;
    ranked.clear();
    int32_t kept = 0;
    for (int32_t row : ix->odd_rows) {
      const double d = CalcDistNm(lat, lon, ref.rows[row].lat, ref.rows[row].lon);
      if (d <= radius_nm && d <= far) ranked.push_back({std::cos(d / kEarthRadiusNm), row});
    }
    for (const CellSpan& s : cells) {
      if (s.cos_centre < cos_read) break;
      if (s.cos_centre > cos_kept) {
        for_rows(s, [&](int32_t row) { SetBit(keep, row); });
        kept += rows_in(s.cell);
        continue;
      }
      const bool sure = s.cos_centre > cos_sure;
      for_rows(s, [&](int32_t row) {
        const double cos_arc = place.CosArc(s, ref.rows[row].lat, ref.rows[row].lon);
        if (cos_arc >= cos_far && (sure || within(row))) ranked.push_back({cos_arc, row});
      });
    }
    const size_t wanted = static_cast<size_t>(max_rows - kept);
    if (ranked.size() > wanted) {
      std::nth_element(ranked.begin(), ranked.begin() + static_cast<std::ptrdiff_t>(wanted), ranked.end(),
                       [](const Candidate& a, const Candidate& b) {
                         return a.cos_arc > b.cos_arc || (a.cos_arc == b.cos_arc && a.row < b.row);
                       });
      ranked.resize(wanted);
    }
    for (const Candidate& c : ranked) SetBit(keep, c.row);
  }
  int32_t count = 0;
  for (size_t w = 0; w < keep.size(); ++w) {
    for (uint64_t bits = keep[w]; bits != 0; bits &= bits - 1) {
      rows[count++] = static_cast<int32_t>(w * 64) + __builtin_ctzll(bits);
    }
  }
  return count;
}
