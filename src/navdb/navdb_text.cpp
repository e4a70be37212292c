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
    std::memmove(buffer_, buffer_ + pos_, end_ - pos_);
    end_ -= pos_;
    pos_ = 0;
  }
  size_t got = std::fread(buffer_ + end_, 1, kBufferSize - end_, file_);
  end_ += got;
  if (got == 0) eof_ = true;
  return got > 0;
}

bool LineReader::Next(std::string_view* line) {
  for (;;) {
    size_t avail = end_ - pos_;
    const char* start = buffer_ + pos_;
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
    *line = std::string_view(buffer_ + pos_, avail);
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

}  // namespace

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
    const uint64_t before = (blank << 1) | 1u;
    uint64_t starts = ~blank & before;
    uint64_t ends = blank & ~before;
    while (starts != 0 && count < max_tokens) {
      const int first = __builtin_ctzll(starts);
      tokens[count++] = std::string_view(base + first, static_cast<size_t>(__builtin_ctzll(ends) - first));
      starts &= starts - 1;
      ends &= ends - 1;
    }
    return count;
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
