// Bounded, allocation-free reading of the navigation text files: a line reader that hands out lines
// in pieces of at most a given length (as a fixed line buffer would: the rest of a longer line comes
// as the next piece), a tokeniser into at most N blank-separated tokens, and the leading-prefix
// number conversions the files use (a token without a numeric prefix gives 0).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <emmintrin.h>
#include <string_view>

class LineReader {
 public:
  // Starts reading `file` (not owned); `max_piece` is the line buffer's capacity minus its terminator.
  void Start(std::FILE* file, size_t max_piece);
  // Next piece without its line end; false at the end of the file.
  bool Next(std::string_view* line);
  // Next, and the piece's tokens as SplitTokens gives them; -1 at the end of the file.
  int NextTokens(std::string_view* line, std::string_view* tokens, int max_tokens);

 private:
  bool Fill();

  static constexpr size_t kBufferSize = 1 << 16;
  std::FILE* file_ = nullptr;
  size_t max_piece_ = 0;
  size_t pos_ = 0;
  size_t end_ = 0;
  bool eof_ = true;
  // Pieces are handed out from the buffer, between kLeadBytes and kTailBytes of spare room, so that
  // the 16 bytes up to a piece's end and the 64 from its start can always be read at once (see
  // SplitTokensInReader and ParseLeadingDoubleInReader).
  static constexpr size_t kLeadBytes = 16;
  static constexpr size_t kTailBytes = 64;
  char* Buffer() { return storage_ + kLeadBytes; }
  char storage_[kLeadBytes + kBufferSize + kTailBytes] = {};
};

// Masks of 16 bytes: the first n (0..16) bytes set, or the last n. Loaded from a window of one
// table, which is cheaper than comparing with n spread over the 16 bytes.
alignas(16) inline constexpr signed char kByteMaskWindow[48] = {
    0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  -1, -1, -1, -1, -1, -1, -1, -1,
    -1, -1, -1, -1, -1, -1, -1, -1, 0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0,  0};
inline __m128i FirstBytes(size_t n) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(kByteMaskWindow + 32 - n));
}
inline __m128i LastBytes(size_t n) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(kByteMaskWindow + n)); }

// Blanks as the C library's %s conversion skips them.
inline bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Splits `line` into at most `max_tokens` blank-separated tokens (views into the line); returns how
// many were found. Text after the last wanted token is ignored.
int SplitTokens(std::string_view line, std::string_view* tokens, int max_tokens);

// SplitTokens of a text whose first 64 bytes may be read, as in every piece a LineReader hands out.
int SplitTokensInReader(std::string_view line, std::string_view* tokens, int max_tokens);

// Decimal number at the start of `text` (optional sign, digits, fraction, exponent), 0.0 when there
// is none. Only decimal forms count (no "nan", "inf" or hexadecimal), and a value beyond the double
// range gives 0.0, so a malformed file never yields a non-finite coordinate.
double ParseLeadingDouble(std::string_view text);

// ParseLeadingDouble of a text whose 16 bytes up to its end may be read, as in every piece a
// LineReader hands out; the files' common form (a sign, at most 15 digits with one point) is
// converted sixteen bytes at a time.
double ParseLeadingDoubleInReader(std::string_view text);

// ParseLeadingDoubleInReader into `value`, and whether the text is a plain decimal (IsPlainDecimal),
// which the files' common form tells in the same sixteen bytes.
bool ReadPlainDecimalInReader(std::string_view text, double* value);

// Whether the whole text is a plain decimal number: an optional sign, then digits with at most one
// point, at least one digit, nothing else ("-122.3097", "47", "+.5"; not "4O.2", "1e1", "47.2X").
bool IsPlainDecimal(std::string_view text);


// Integer at the start of `text` (optional sign and digits), 0 when there is none; saturates at the
// i32 range.
int32_t ParseLeadingInt(std::string_view text);

// Whether `word` begins with a decimal number (an optional sign, then a digit or a point and a digit):
// a word that does not reads as 0, which no entry or file row may take for a written zero.
bool StartsWithNumber(std::string_view word);
