#include "navdb/navdb_text.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include <emmintrin.h>

void LineReader::Start(std::FILE* file, size_t max_piece) {
  file_ = file;
  max_piece_ = std::clamp<size_t>(max_piece, 1, kBufferSize / 2);
  pos_ = end_ = 0;
  eof_ = file == nullptr;
}

bool LineReader::Fill() {
  if (pos_ > 0) {
    std::memmove(Buffer(), Buffer() + pos_, end_ - pos_);
    end_ -= pos_;
    pos_ = 0;
  }
  size_t got = std::fread(Buffer() + end_, 1, kBufferSize - end_, file_);
  end_ += got;
  if (got == 0) eof_ = true;
  return got > 0;
}

bool LineReader::Next(std::string_view* line) {
  for (;;) {
    size_t avail = end_ - pos_;
    const char* start = Buffer() + pos_;
    const void* nl = std::memchr(start, '\n', std::min(avail, max_piece_));
    if (nl != nullptr) {
      size_t len = static_cast<const char*>(nl) - start;
      *line = std::string_view(start, len);
      pos_ += len + 1;
      return true;
    }
    if (avail >= max_piece_) {
      *line = std::string_view(start, max_piece_);
      pos_ += max_piece_;
      return true;
    }
    if (!eof_ && Fill()) continue;
    if (avail == 0) return false;
    *line = std::string_view(Buffer() + pos_, avail);
    pos_ = end_;
    return true;
  }
}

namespace {

constexpr size_t kChunk = 16;

// Bit i set for each blank byte of the 16 at p.
inline uint32_t BlankBits16(const char* p) {
  const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
  const __m128i space = _mm_cmpeq_epi8(v, _mm_set1_epi8(' '));
  // Tab, line feed, vertical tab, form feed and carriage return are '\t' + 0..4.
  const __m128i from_tab = _mm_sub_epi8(v, _mm_set1_epi8('\t'));
  const __m128i control = _mm_cmpeq_epi8(_mm_min_epu8(from_tab, _mm_set1_epi8(4)), from_tab);
  return static_cast<uint32_t>(_mm_movemask_epi8(_mm_or_si128(space, control)));
}

// The blank bits of line[at .. at + 16), bits past the line's end set; reads only within the line.
inline uint32_t BlankBitsAt(const char* line, size_t n, size_t at) {
  const size_t avail = n - at;
  if (avail >= kChunk) return BlankBits16(line + at);
  const uint32_t past_end = ~((1u << avail) - 1u) & 0xFFFFu;
  if (n >= kChunk) return (BlankBits16(line + n - kChunk) >> (kChunk - avail)) | past_end;
  char tail[kChunk];
  std::memset(tail, ' ', kChunk);
  std::memcpy(tail, line + at, avail);
  return BlankBits16(tail);
}

// The tokens of a line shorter than 64 bytes from its blank bits (bits past its end set): each
// token runs from a start bit to the next end bit.
int TokensOfShortLine(const char* base, uint64_t blank, std::string_view* tokens, int max_tokens) {
  const uint64_t before = (blank << 1) | 1u;
  uint64_t starts = ~blank & before;
  uint64_t ends = blank & ~before;
  int count = 0;
  while (starts != 0 && count < max_tokens) {
    const int first = __builtin_ctzll(starts);
    tokens[count++] = std::string_view(base + first, static_cast<size_t>(__builtin_ctzll(ends) - first));
    starts &= starts - 1;
    ends &= ends - 1;
  }
  return count;
}

}  // namespace

int SplitTokensInReader(std::string_view line, std::string_view* tokens, int max_tokens) {
  const size_t n = line.size();
  if (n >= 64) return SplitTokens(line, tokens, max_tokens);
  // The bytes past the line's end are read and then counted as blanks.
  const char* const base = line.data();
  const uint64_t blank = uint64_t{BlankBits16(base)} | uint64_t{BlankBits16(base + 16)} << 16 |
                         uint64_t{BlankBits16(base + 32)} << 32 | uint64_t{BlankBits16(base + 48)} << 48 |
                         ~uint64_t{0} << n;
  return TokensOfShortLine(base, blank, tokens, max_tokens);
}

int LineReader::NextTokens(std::string_view* line, std::string_view* tokens, int max_tokens) {
  // A line shorter than 64 bytes, whole in the buffer (nearly every line): its end and its tokens
  // from one reading of the 64 bytes at its start.
  const char* const start = Buffer() + pos_;
  const size_t window = std::min({end_ - pos_, max_piece_, size_t{64}});
  uint64_t blank = 0;
  uint64_t line_end = 0;
  for (size_t at = 0; at < 64; at += kChunk) {
    blank |= uint64_t{BlankBits16(start + at)} << at;
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(start + at));
    line_end |= uint64_t{static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, _mm_set1_epi8('\n'))))} << at;
  }
  if (window < 64) line_end &= (uint64_t{1} << window) - 1;
  if (line_end == 0) return Next(line) ? SplitTokensInReader(*line, tokens, max_tokens) : -1;
  const size_t length = static_cast<size_t>(__builtin_ctzll(line_end));
  *line = std::string_view(start, length);
  pos_ += length + 1;
  return TokensOfShortLine(start, blank | ~uint64_t{0} << length, tokens, max_tokens);
}

int SplitTokens(std::string_view line, std::string_view* tokens, int max_tokens) {
  // Sixteen bytes at a time: their blank bits, then the token edges from the runs of set and clear
  // bits. A line shorter than 64 bytes (nearly every line) has all its bits in one word, and each
  // token is the next start and end bit.
  const char* const base = line.data();
  const size_t n = line.size();
  int count = 0;
  if (n < 64) {
    uint64_t blank = ~uint64_t{0} << n;
    for (size_t at = 0; at < n; at += kChunk) blank |= uint64_t{BlankBitsAt(base, n, at)} << at;
    return TokensOfShortLine(base, blank, tokens, max_tokens);
  }
  bool in_token = false;
  size_t start = 0;
  for (size_t at = 0; at < n && count < max_tokens; at += kChunk) {
    const uint32_t blank = BlankBitsAt(base, n, at);
    uint32_t pos = 0;
    while (pos < kChunk && count < max_tokens) {
      const uint32_t ahead = ((in_token ? blank : ~blank) & 0xFFFFu) >> pos;
      if (ahead == 0) break;
      pos += static_cast<uint32_t>(__builtin_ctz(ahead));
      if (in_token) {
        tokens[count++] = std::string_view(base + start, at + pos - start);
      } else {
        start = at + pos;
      }
      in_token = !in_token;
    }
  }
  if (in_token && count < max_tokens) tokens[count++] = std::string_view(base + start, n - start);
  return count;
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Leading blanks and the sign, as the C conversions skip them; true for a minus.
bool SkipBlanksAndSign(std::string_view text, size_t* i) {
  while (*i < text.size() && IsBlank(text[*i])) ++*i;
  if (*i < text.size() && (text[*i] == '+' || text[*i] == '-')) return text[(*i)++] == '-';
  return false;
}

constexpr uint64_t kPow10Int[9] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000};
constexpr double kPow10[23] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                               1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

}  // namespace

namespace {

// The general conversion of ParseLeadingDouble.
double ParseDecimalPrefix(std::string_view text) {
  size_t i = 0;
  size_t n = text.size();
  bool negative = SkipBlanksAndSign(text, &i);

  // Up to 19 significant digits in an integer, the rest of the scale in a decimal exponent.
  uint64_t mantissa = 0;
  int digits = 0;
  int exp10 = 0;
  bool any_digit = false;
  bool cut = false;
  auto take = [&](char c, bool fraction) {
    any_digit = true;
    if (mantissa == 0 && c == '0') {
      if (fraction) --exp10;
      return;
    }
    if (digits < 19) {
      mantissa = mantissa * 10 + static_cast<uint64_t>(c - '0');
      ++digits;
      if (fraction) --exp10;
    } else {
      cut = true;
      if (!fraction) ++exp10;
    }
  };
  while (i < n && IsDigit(text[i])) take(text[i++], false);
  if (i < n && text[i] == '.') {
    ++i;
    while (i < n && IsDigit(text[i])) take(text[i++], true);
  }
  if (!any_digit) return 0.0;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    bool exp_negative = false;
    if (j < n && (text[j] == '+' || text[j] == '-')) exp_negative = text[j++] == '-';
    if (j < n && IsDigit(text[j])) {
      int e = 0;
      while (j < n && IsDigit(text[j])) {
        if (e < 100000) e = e * 10 + (text[j] - '0');
        ++j;
      }
      exp10 += exp_negative ? -e : e;
    }
  }
  if (mantissa == 0) return 0.0;

  double value;
  if (!cut && mantissa <= (uint64_t{1} << 53) && exp10 >= -22 && exp10 <= 22) {
    // Exact operands and one rounding: the correctly rounded result, as strtod gives.
    value = static_cast<double>(mantissa);
    value = exp10 < 0 ? value / kPow10[-exp10] : value * kPow10[exp10];
  } else {
    int magnitude = digits - 1 + exp10;
    if (magnitude > 307) return 0.0;
    if (magnitude < -330) return 0.0;
    char buf[48];
    std::snprintf(buf, sizeof buf, "%llue%d", static_cast<unsigned long long>(mantissa), exp10);
    value = std::strtod(buf, nullptr);
  }
  return negative ? -value : value;
}

}  // namespace

namespace {

// The value of eight decimal digit characters (the first in the lowest byte); false when one of
// them is not a digit.
bool EightDigits(uint64_t chars, uint64_t* value) {
  constexpr uint64_t kHighNibbles = 0xF0F0F0F0F0F0F0F0ull;
  if (((chars & kHighNibbles) | (((chars + 0x0606060606060606ull) & kHighNibbles) >> 4)) != 0x3333333333333333ull) {
    return false;
  }
  uint64_t v = (chars & 0x0F0F0F0F0F0F0F0Full) * 2561 >> 8;
  v = (v & 0x00FF00FF00FF00FFull) * 6553601 >> 16;
  *value = (v & 0x0000FFFF0000FFFFull) * 42949672960001ull >> 32;
  return true;
}

// The first `count` (0..8) bytes of `chars` moved to its high end behind '0's: the same number as
// eight digit characters.
uint64_t WithLeadingZeros(uint64_t chars, ptrdiff_t count) {
  if (count == 0) return 0x3030303030303030ull;
  const int shift = static_cast<int>(8 - count) * 8;
  return shift == 0 ? chars : (chars << shift) | (0x3030303030303030ull >> (64 - shift));
}

// The whole text [p, end) as digits, a point and digits, with at most eight digits either side
// and at least eight bytes in all, eight bytes at a time; false for anything else.
bool ParseDigitsWithPoint(const unsigned char* p, const unsigned char* end, uint64_t* mantissa,
                          ptrdiff_t* whole_digits, ptrdiff_t* fraction_digits) {
  const ptrdiff_t n = end - p;
  if (n < 8 || n > 17) return false;
  uint64_t head;
  std::memcpy(&head, p, 8);
  const uint64_t x = head ^ 0x2E2E2E2E2E2E2E2Eull;  // '.' bytes become zero
  const uint64_t dots = (x - 0x0101010101010101ull) & ~x & 0x8080808080808080ull;
  if (dots == 0) return false;
  const ptrdiff_t point = __builtin_ctzll(dots) >> 3;
  const ptrdiff_t fraction = n - point - 1;
  if (fraction < 1 || fraction > 8) return false;
  uint64_t tail;
  std::memcpy(&tail, end - 8, 8);
  uint64_t whole = 0;
  uint64_t part = 0;
  if (!EightDigits(WithLeadingZeros(head, point), &whole)) return false;
  if (!EightDigits(WithLeadingZeros(tail >> (8 * (8 - fraction)), fraction), &part)) return false;
  *mantissa = whole * kPow10Int[fraction] + part;
  *whole_digits = point;
  *fraction_digits = fraction;
  return true;
}

}  // namespace

double ParseLeadingDouble(std::string_view text) {
  // The files' common form, a whole token such as -122.309722: sign, at most 19 digits with one
  // point, nothing else. Its digits make the same mantissa and scale as in the general conversion,
  // which gives every other text.
  const unsigned char* p = reinterpret_cast<const unsigned char*>(text.data());
  const unsigned char* const end = p + text.size();
  const bool negative = p < end && *p == '-';
  if (p < end && (*p == '-' || *p == '+')) ++p;
  uint64_t mantissa = 0;
  ptrdiff_t whole_digits = 0;
  ptrdiff_t fraction_digits = 0;
  if (!ParseDigitsWithPoint(p, end, &mantissa, &whole_digits, &fraction_digits)) {
    const auto digits_from = [&](const unsigned char* q) {
      for (; q < end; ++q) {
        const unsigned d = static_cast<unsigned>(*q) - '0';
        if (d > 9) break;
        mantissa = mantissa * 10 + d;
      }
      return q;
    };
    const unsigned char* q = digits_from(p);
    whole_digits = q - p;
    if (q < end && *q == '.') {
      const unsigned char* f = q + 1;
      q = digits_from(f);
      fraction_digits = q - f;
    }
    if (q != end) return ParseDecimalPrefix(text);
  }
  const ptrdiff_t digits = whole_digits + fraction_digits;
  if (digits == 0 || digits > 19 || mantissa > (uint64_t{1} << 53)) return ParseDecimalPrefix(text);
  if (mantissa == 0) return 0.0;
  double value = static_cast<double>(mantissa);
  value = fraction_digits > 0 ? value / kPow10[fraction_digits] : value * kPow10[0];
  return negative ? -value : value;
}

namespace {

// ParseLeadingDoubleInReader, and in `plain` (when asked) whether the text is a plain decimal: the
// sixteen bytes that convert the files' common form tell it at once.
double ParseInReader(std::string_view text, bool* plain) {
  const auto general = [text, plain] {
    if (plain != nullptr) *plain = IsPlainDecimal(text);
    return ParseLeadingDouble(text);
  };
  // The sixteen bytes ending with the text: its digits take their place value from their distance
  // to the end, so the point is closed up by moving the bytes before it one place on, the bytes
  // before the text become zeros, and the digits combine pairwise into two eight-digit halves.
  const char* const end = text.data() + text.size();
  const bool signed_text = !text.empty() && (text[0] == '-' || text[0] == '+');
  const size_t chars = text.size() - (signed_text ? 1 : 0);
  if (chars < 2 || chars > 16) return general();
  const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(end - 16));
  const uint32_t in_text = 0xFFFFu & ~((1u << (16 - chars)) - 1u);  // its bits of the 16
  const __m128i values = _mm_sub_epi8(bytes, _mm_set1_epi8('0'));
  const __m128i digit = _mm_cmpeq_epi8(_mm_min_epu8(values, _mm_set1_epi8(9)), values);
  const uint32_t digits = static_cast<uint32_t>(_mm_movemask_epi8(digit)) & in_text;
  const uint32_t point = static_cast<uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('.')))) & in_text;
  if (point == 0 || (point & (point - 1)) != 0 || (digits | point) != in_text) return general();
  if (plain != nullptr) *plain = true;
  const int at = __builtin_ctz(point);
  const __m128i kept = _mm_and_si128(values, _mm_and_si128(digit, LastBytes(chars)));
  const __m128i after_point = LastBytes(static_cast<size_t>(15 - at));
  const __m128i closed =
      _mm_or_si128(_mm_and_si128(after_point, kept), _mm_andnot_si128(after_point, _mm_slli_si128(kept, 1)));
  const __m128i zero = _mm_setzero_si128();
  const __m128i pairs = _mm_packs_epi32(_mm_madd_epi16(_mm_unpacklo_epi8(closed, zero), _mm_set1_epi32(0x1000A)),
                                        _mm_madd_epi16(_mm_unpackhi_epi8(closed, zero), _mm_set1_epi32(0x1000A)));
  const __m128i quads = _mm_madd_epi16(pairs, _mm_set1_epi32(0x10064));
  const __m128i eights = _mm_madd_epi16(_mm_packs_epi32(quads, quads), _mm_set1_epi32(0x12710));
  const uint64_t halves = static_cast<uint64_t>(_mm_cvtsi128_si64(eights));
  const uint64_t mantissa = (halves & 0xFFFFFFFFu) * 100000000u + (halves >> 32);
  if (mantissa == 0) return 0.0;
  if (mantissa > (uint64_t{1} << 53)) return ParseLeadingDouble(text);
  // Exact operands and one rounding, as in ParseLeadingDouble.
  const double value = static_cast<double>(mantissa) / kPow10[15 - at];
  return text[0] == '-' ? -value : value;
}

}  // namespace

double ParseLeadingDoubleInReader(std::string_view text) { return ParseInReader(text, nullptr); }

bool ReadPlainDecimalInReader(std::string_view text, double* value) {
  bool plain = false;
  *value = ParseInReader(text, &plain);
  return plain;
}

bool IsPlainDecimal(std::string_view text) {
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) text.remove_prefix(1);
  bool digit = false;
  bool point = false;
  for (char c : text) {
    if (IsDigit(c)) {
      digit = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digit;
}

int32_t ParseLeadingInt(std::string_view text) {
  size_t i = 0;
  size_t n = text.size();
  bool negative = SkipBlanksAndSign(text, &i);
  int64_t value = 0;
  while (i < n && IsDigit(text[i])) {
    value = std::min<int64_t>(value * 10 + (text[i++] - '0'), int64_t{1} << 32);
  }
  if (negative) value = -value;
  return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

bool StartsWithNumber(std::string_view word) {
  size_t i = 0;
  if (i < word.size() && (word[i] == '+' || word[i] == '-')) ++i;
  if (i < word.size() && word[i] == '.') ++i;
  return i < word.size() && IsDigit(word[i]);
}
