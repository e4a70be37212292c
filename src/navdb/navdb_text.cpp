#include "navdb/navdb_text.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

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

int SplitTokens(std::string_view line, std::string_view* tokens, int max_tokens) {
  int count = 0;
  size_t i = 0;
  size_t n = line.size();
  while (count < max_tokens) {
    while (i < n && IsBlank(line[i])) ++i;
    if (i == n) break;
    size_t start = i;
    while (i < n && !IsBlank(line[i])) ++i;
    tokens[count++] = line.substr(start, i - start);
  }
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

constexpr double kPow10[23] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                               1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

}  // namespace

double ParseLeadingDouble(std::string_view text) {
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
