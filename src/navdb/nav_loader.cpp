#include "navdb/nav_loader.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <emmintrin.h>
#include <string_view>

#include "navdb/coordinate_text.h"
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

// --- rows written once ---
//
// A load writes some 40 MB of rows and reads none of them back. So each row is composed in
// registers, 16 bytes at a time (text, then zeros to the field's end), and stored once, past the
// cache: emptying it first, or fetching each line of the table into the cache only to overwrite it,
// would double the memory traffic. LoadNavDatabase fences the stores when it is done.

static_assert(offsetof(NavRecord, name) == 16 && offsetof(NavRecord, lat) == 88 && offsetof(NavRecord, lon) == 96 &&
              offsetof(NavRecord, type) == 104 && offsetof(NavRecord, extra) == 112 &&
              offsetof(NavRecord, dist) == 128 && offsetof(NavRecord, info) == 176 && sizeof(NavRecord) == 200);

constexpr size_t kRowPieces = 13;  // the last one half used

// Bytes [from, from + 16) of a field holding `text` cut to `limit` characters: the text's bytes,
// zeros after them. The text is read only where some of it is wanted, and then at most 16 bytes on
// from `from`, which a LineReader piece allows.
__m128i TextPiece(std::string_view text, size_t limit, size_t from) {
  const size_t length = std::min(text.size(), limit);
  if (length <= from) return _mm_setzero_si128();
  const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + from));
  return _mm_and_si128(FirstBytes(std::min<size_t>(length - from, 16)), bytes);
}

__m128i Halves(__m128i low, __m128i high) { return _mm_unpacklo_epi64(low, high); }
__m128i DoubleBits(double value) { return _mm_castpd_si128(_mm_set_sd(value)); }

// A short text (the type field) as the 8 bytes of its field, first character lowest; made when
// compiled, as a word built byte by byte in memory would stall its reading.
constexpr uint64_t TypeField(std::string_view text) {
  uint64_t bytes = 0;
  for (size_t i = text.size(); i-- > 0;) bytes = bytes << 8 | static_cast<unsigned char>(text[i]);
  return bytes;
}

constexpr uint64_t kFixType = TypeField("I");
constexpr uint64_t kAirportType = TypeField("APT");
constexpr uint64_t kVorType = TypeField("V");
constexpr uint64_t kOtherNavaidType = TypeField("N");

struct RowTexts {
  std::string_view ident, name, extra, info;
  uint64_t type;
  double lat, lon;
};

// The row of a data line; false when its position cannot be read (such a line adds no row, as one too
// short to hold a position).
bool TextsOf(NavTable kind, const std::string_view* t, int n, RowTexts* r) {
  int lat_token = 2;
  switch (kind) {
    case NavTable::kIntersections:
      *r = {t[0], t[1], {}, {}, kFixType, 0.0, 0.0};
      break;
    case NavTable::kAirwayFixes:
      *r = {t[2], t[2], {}, {}, kFixType, 0.0, 0.0};
      lat_token = 3;
      break;
    case NavTable::kAirports:
      *r = {t[0], t[1], {}, t[2], kAirportType, 0.0, 0.0};
      lat_token = 3;
      break;
    case NavTable::kNavaids: {
      // No sixth token: no frequency.
      const uint64_t type = platform::EqualsIgnoreCase(t[4], "VOR") ? kVorType : kOtherNavaidType;
      *r = {t[0], t[1], n > 5 ? t[5] : std::string_view(), {}, type, 0.0, 0.0};
      break;
    }
  }
  return ReadDecimalDegreesInReader(t[lat_token], CoordAxis::kLatitude, &r->lat) &&
         ReadDecimalDegreesInReader(t[lat_token + 1], CoordAxis::kLongitude, &r->lon);
}

void ComposeRow(const RowTexts& r, __m128i (&piece)[kRowPieces]) {
  constexpr size_t kName = sizeof(NavRecord::name) - 1;
  piece[0] = TextPiece(r.ident, sizeof(NavRecord::ident) - 1, 0);
  for (size_t i = 0; i < 4; ++i) piece[1 + i] = TextPiece(r.name, kName, 16 * i);
  piece[5] = Halves(TextPiece(r.name, kName, 64), DoubleBits(r.lat));
  piece[6] = Halves(DoubleBits(r.lon), _mm_cvtsi64_si128(static_cast<long long>(r.type)));
  piece[7] = TextPiece(r.extra, sizeof(NavRecord::extra) - 1, 0);
  piece[8] = piece[9] = piece[10] = _mm_setzero_si128();  // dist, brg, airway, spare
  piece[11] = TextPiece(r.info, sizeof(NavRecord::info) - 1, 0);
  piece[12] = TextPiece(r.info, sizeof(NavRecord::info) - 1, 16);
}

// Every other row starts half-way into 16 bytes (rows are 200 bytes): 8 bytes first, then each 16
// from the halves of two pieces.
void StoreRow(const __m128i (&piece)[kRowPieces], NavRecord& row) {
  char* const to = reinterpret_cast<char*>(&row);
  if ((reinterpret_cast<uintptr_t>(to) & 15u) == 0) {
    for (size_t i = 0; i + 1 < kRowPieces; ++i) _mm_stream_si128(reinterpret_cast<__m128i*>(to + 16 * i), piece[i]);
    _mm_stream_si64(reinterpret_cast<long long*>(to + 16 * (kRowPieces - 1)), _mm_cvtsi128_si64(piece[12]));
    return;
  }
  _mm_stream_si64(reinterpret_cast<long long*>(to), _mm_cvtsi128_si64(piece[0]));
  for (size_t i = 0; i + 1 < kRowPieces; ++i) {
    _mm_stream_si128(reinterpret_cast<__m128i*>(to + 8 + 16 * i),
                     _mm_or_si128(_mm_srli_si128(piece[i], 8), _mm_slli_si128(piece[i + 1], 8)));
  }
}

void LoadFile(const KindFiles& k, const char* file_name) {
  std::FILE* f = OpenModuleFileForReading(SimRootPath(file_name));
  if (f == nullptr) return;
  reader.Start(f, kLineChars);
  std::string_view line;
  std::string_view tokens[6];
  __m128i piece[kRowPieces];
  for (int n; (n = reader.NextTokens(&line, tokens, k.max_tokens)) >= 0;) {
    if (!line.empty() && line[0] == ';') continue;
    if (n < k.min_tokens) continue;
    // Airway lines name VOR and NDB idents too; only named fixes of 4 or more characters count.
    if (k.kind == NavTable::kAirwayFixes && tokens[2].size() < 4) continue;
    if (*k.count >= k.capacity) continue;
    RowTexts texts{};
    if (!TextsOf(k.kind, tokens, n, &texts)) continue;
    ++*k.count;
    ComposeRow(texts, piece);
    StoreRow(piece, k.table[*k.count]);
    char ident[sizeof(NavRecord::ident)];
    _mm_storeu_si128(reinterpret_cast<__m128i*>(ident), piece[0]);
    NoteLoadedRow(k.kind, *k.count, ident, texts.lat, texts.lon);
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
  _mm_sfence();
  BuildNavIndexes();
  // Lists built while the tables were empty would otherwise wait for the map centre to move.
  near_apt_ref_lat = near_apt_ref_lon = -999.0;
  near_apt_ref_lat2 = near_apt_ref_lon2 = -999.0;
  near_wpts_coarse_ctr = near_wpts_fine_ctr = kNoNavCentre;
  near_stations_coarse_ctr = near_stations_fine_ctr = kNoNavCentre;
}
