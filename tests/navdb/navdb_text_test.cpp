#include "navdb/navdb_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

// Decimal tokens of up to 19 digits, with and without a sign and a point, of every length the
// conversions treat apart (below 8 bytes, 8 to 17, longer), leading zeros and the 2^53 edge: the
// value is strtod's, the correctly rounded one, and a zero is +0.
TEST(NavdbText, DecimalTokensConvertAsStrtod) {
  std::vector<std::string> tokens = {"0",          "-0.000",       ".5",          "5.",         "+7",
                                     "00000000.5", "-107.869194",  "37.203178",   "0.000000",   "12345678.12345678",
                                     "1234567.12345678", "123456789.1234567", "9007199254740992", "9007199254740993",
                                     "1234567890123456789", "0.1234567890123456789", "-.00000001"};
  std::mt19937 rng(757);
  for (int i = 0; i < 20000; ++i) {
    const int digits = 1 + static_cast<int>(rng() % 19);
    std::string t;
    if (rng() % 3 == 0) t += (rng() % 2 == 0) ? "-" : "+";
    const int point = static_cast<int>(rng() % (digits + 2)) - 1;  // -1: no point
    for (int d = 0; d < digits; ++d) {
      if (d == point) t += '.';
      t += static_cast<char>('0' + (d == 0 && rng() % 4 == 0 ? 0 : rng() % 10));
    }
    if (point == digits) t += '.';
    tokens.push_back(t);
  }
  for (const std::string& t : tokens) {
    const double expected = std::strtod(t.c_str(), nullptr);
    const double got = ParseLeadingDouble(t);
    EXPECT_EQ(got, expected) << t;
    if (expected == 0.0) {
      EXPECT_FALSE(std::signbit(got)) << t;
    }
  }
}

// Texts that are not whole decimal tokens convert their leading number (or give 0).
TEST(NavdbText, OtherTextsConvertTheirLeadingNumber) {
  const std::pair<const char*, double> cases[] = {
      {"37.5N", 37.5},  {"1.2.3", 1.2},        {"12345678.9x", 12345678.9}, {" 4.25", 4.25},
      {"1e3", 1000.0},  {"-2.5e-1", -0.25},    {".", 0.0},                  {"-", 0.0},
      {"abc", 0.0},     {"", 0.0},             {"123456.12345678x", 123456.12345678},
      {"nan", 0.0},     {"1e400", 0.0},        {"12.345678901", 12.345678901}};
  for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(ParseLeadingDouble(text), value) << text;
}

// The tokens of a line as the C library's %s conversion reads them: blanks are space, tab, line
// feed, vertical tab, form feed and carriage return; other control bytes and bytes above 0x7F belong
// to tokens.
std::vector<std::string> ReferenceTokens(const std::string& line, int max_tokens) {
  std::vector<std::string> out;
  size_t i = 0;
  while (static_cast<int>(out.size()) < max_tokens) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i == line.size()) break;
    const size_t start = i;
    while (i < line.size() && !IsBlank(line[i])) ++i;
    out.push_back(line.substr(start, i - start));
  }
  return out;
}

TEST(NavdbText, SplitTokensMatchesTheByteByByteReading) {
  const char alphabet[] = {'A', '7', '.', '-', ' ', ' ', ' ', '\t', '\r', '\n', '\v', '\f', '\x01', '\x1F',
                           '\x7F', '\xB0', '\x20', '\x21', '\x08', '\x0E'};
  std::mt19937 rng(1757);
  std::vector<std::string> lines = {"", " ", "ONE", "  lead and trail  ", std::string(63, 'X'), std::string(64, 'X'),
                                    std::string(65, 'X') + " Y", std::string(70, ' ') + "Z"};
  for (int i = 0; i < 5000; ++i) {
    const size_t length = rng() % 200;
    std::string line;
    for (size_t k = 0; k < length; ++k) line += alphabet[rng() % sizeof alphabet];
    lines.push_back(line);
  }
  std::string_view tokens[8];
  for (const std::string& line : lines) {
    for (int max_tokens : {1, 4, 5, 6, 8}) {
      const int n = SplitTokens(line, tokens, max_tokens);
      std::vector<std::string> got(tokens, tokens + n);
      EXPECT_EQ(got, ReferenceTokens(line, max_tokens)) << '"' << line << "\" max " << max_tokens;
    }
  }
}

}  // namespace
