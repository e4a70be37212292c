#include "navdb/navdb_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "navdb/navdb_fixture.h"

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

// The line reader's sixteen-byte conversion gives what ParseLeadingDouble gives, to the bit, for
// well-formed and malformed texts alike and whatever bytes precede the text.
TEST(NavdbText, ReaderConversionMatchesTheGeneralOne) {
  std::vector<std::string> texts = {"",  ".",  "-.", "5.", ".5", "-0.000000", "0.000000000000000", "-107.869194",
                                    "+37.203178", "1.2.3", "12-3.4", "9007199254740992.", "9007199254740993.",
                                    "900719925474099.3", "1234567890123456", "123456789.0123456", "1.5e3", "7.5N"};
  std::mt19937 rng(2757);
  const char wild[] = "0123456789.-+eE x";
  for (int i = 0; i < 40000; ++i) {
    std::string t;
    const size_t length = rng() % 19;
    if (i % 2 == 0) {  // digits with one point, perhaps signed
      if (rng() % 3 == 0) t += (rng() % 2 == 0) ? '-' : '+';
      const size_t point = rng() % (length + 1);
      for (size_t k = 0; k < length; ++k) t += k == point ? '.' : static_cast<char>('0' + rng() % 10);
    } else {
      for (size_t k = 0; k < length; ++k) t += wild[rng() % (sizeof wild - 1)];
    }
    texts.push_back(t);
  }
  char line[64];
  for (const std::string& t : texts) {
    for (char& c : line) c = wild[rng() % (sizeof wild - 1)];
    char* const at = line + 40 - t.size();
    std::copy(t.begin(), t.end(), at);
    const double expected = ParseLeadingDouble(t);
    const double got = ParseLeadingDoubleInReader(std::string_view(at, t.size()));
    EXPECT_EQ(got, expected) << t;
    EXPECT_EQ(std::signbit(got), std::signbit(expected)) << t;
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
  char in_reader[200 + 64];  // the reader's form reads on past the line's end
  for (const std::string& line : lines) {
    for (char& c : in_reader) c = alphabet[rng() % sizeof alphabet];
    std::copy(line.begin(), line.end(), in_reader);
    for (int max_tokens : {1, 4, 5, 6, 8}) {
      const std::vector<std::string> expected = ReferenceTokens(line, max_tokens);
      int n = SplitTokens(line, tokens, max_tokens);
      EXPECT_EQ(std::vector<std::string>(tokens, tokens + n), expected) << '"' << line << "\" max " << max_tokens;
      n = SplitTokensInReader(std::string_view(in_reader, line.size()), tokens, max_tokens);
      EXPECT_EQ(std::vector<std::string>(tokens, tokens + n), expected) << '"' << line << "\" in reader";
    }
  }
}

// Pieces and tokens read together are the pieces Next hands out and their SplitTokens, across
// buffer refills, lines longer than a piece, CR LF ends and a last line without an end.
TEST(NavdbText, NextTokensMatchesNextThenSplitTokens) {
  std::mt19937 rng(4757);
  const char alphabet[] = "AB7.-  \t\r\v;";
  std::string text;
  while (text.size() < 300000) {
    const size_t length = rng() % 50 == 0 ? 60 + rng() % 3000 : rng() % 80;
    for (size_t k = 0; k < length; ++k) text += alphabet[rng() % (sizeof alphabet - 1)];
    text += '\n';
  }
  text += "LAST LINE";
  std::FILE* f = std::tmpfile();
  ASSERT_NE(f, nullptr);
  std::fwrite(text.data(), 1, text.size(), f);
  static LineReader plain;
  static LineReader joint;
  for (size_t max_piece : {size_t{1698}, size_t{64}, size_t{63}, size_t{5}}) {
    std::rewind(f);
    plain.Start(f, max_piece);
    std::string all;  // the plain reader's pieces, read first
    std::vector<std::vector<std::string>> plain_tokens;
    std::string_view line;
    std::string_view tokens[6];
    while (plain.Next(&line)) {
      all += std::string(line) + '\x01';
      const int n = SplitTokens(line, tokens, 5);
      plain_tokens.emplace_back(tokens, tokens + n);
    }
    std::rewind(f);
    joint.Start(f, max_piece);
    std::string joint_all;
    size_t at = 0;
    for (int n; (n = joint.NextTokens(&line, tokens, 5)) >= 0; ++at) {
      joint_all += std::string(line) + '\x01';
      ASSERT_LT(at, plain_tokens.size());
      ASSERT_EQ(std::vector<std::string>(tokens, tokens + n), plain_tokens[at]) << "piece " << at << ", " << max_piece;
    }
    EXPECT_EQ(at, plain_tokens.size());
    EXPECT_TRUE(joint_all == all) << "pieces of " << max_piece;
  }
  std::fclose(f);
}

}  // namespace
