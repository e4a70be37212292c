// Shared pieces of the airport and procedure loaders: the one line reader they take turns with, the
// files of "\Orvantel\Navdata\", airport section headers, bounded appends to the procedure tables
// of an airport block, and comparisons of texts with the fixed-width fields that hold them.
//
// The procedure tables keep every row beyond their counts empty: rows are cleared when they are
// appended or dropped and before a count goes back to 0, so a reset only has to clear used rows and
// a new procedure never shows a leg of the airport loaded before it.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string_view>

#include "navdb/nav_records.h"
#include "navdb/navdb_globals.h"
#include "navdb/navdb_text.h"

// The reader every airport and procedure loader uses in turn (never two files at once); static so
// that its buffer stays off the stack.
LineReader& ProcedureLineReader();

// "<sim_root>\Orvantel\Navdata\<file_name>", or nullptr when it cannot be read.
std::FILE* OpenNavdataFile(std::string_view file_name);

inline bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// True when `needle` occurs at a position after the first character of `text`.
inline bool OccursAfterFirst(std::string_view text, std::string_view needle) {
  return text.size() > 1 && text.find(needle, 1) != std::string_view::npos;
}

// Comment lines of the procedure files begin with '*' or ';'.
inline bool IsCommentToken(std::string_view t1) {
  return !t1.empty() && (t1[0] == '*' || t1[0] == ';');
}

// Header token of the SID and STAR files: its '[' and ']' read as blanks, the rest trimmed, equal
// to `icao` without regard to case.
bool HeaderMatches(std::string_view token, std::string_view icao);

// Header token of the approach file: the first word left once '[' and ']' read as blanks.
std::string_view HeaderFirstWord(std::string_view token);

// Whether a fixed field holds `text`, as far as the field can hold it (a longer text was stored cut,
// so it still finds its own row again).
template <size_t N>
inline bool FieldEquals(const char (&field)[N], std::string_view text) {
  return TextOf(field) == text.substr(0, std::min(text.size(), N - 1));
}

// Appends an empty record (legs none) to a table of `array_rows` rows (row 0 unused); nullptr when
// the table is full.
ProcedureRecord* AppendProcedure(ProcedureRecord* table, int32_t array_rows, int32_t* count);

// Appends an empty leg; nullptr when the record holds its 400 legs.
ProcedureLeg* AppendLeg(ProcedureRecord& record);

// Removes the record's last leg, if any, leaving its row empty.
void DropLastLeg(ProcedureRecord& record);

// Empties records 1..count of a procedure table and sets the count to 0.
void EmptyProcedureTable(ProcedureRecord* table, int32_t array_rows, int32_t* count);

// First record 1..count whose name is `name` (exact), 0 when none.
int32_t FindProcedureByName(const ProcedureRecord* table, int32_t count, std::string_view name);

// Empties rows 1..count of a list and sets the count to 0.
template <typename Row, size_t N>
inline void EmptyList(Row (&rows)[N], int32_t* count) {
  ClearListRows(rows, *count);
  *count = 0;
}

// The procedure files' line buffer: a longer line is read in pieces, each taken as a line.
inline constexpr size_t kProcedureLineChars = 499;

// Splits a line into the tokens t[1..n]; t[0] and the tokens the line lacks are empty.
void SplitLineTokens(std::string_view line, std::string_view* t, int n);

// Reads the airport's section from `main_file` or, when that file lacks it (or cannot be read),
// from `user_file`. `read_file` reads an opened file and returns whether it found the section;
// `after_pass` runs after each file, read or not.
template <typename ReadFile, typename AfterPass>
void ReadMainOrUserFile(const char* main_file, const char* user_file, ReadFile read_file, AfterPass after_pass) {
  for (const char* name : {main_file, user_file}) {
    bool found = false;
    if (std::FILE* f = OpenNavdataFile(name)) {
      found = read_file(f);
      std::fclose(f);
    }
    after_pass();
    if (found) return;
  }
}

// Reads `f` to the end of the first section whose header token `opens` accepts, handing every
// other line of it (tokens t[1..n], comments left out) to `on_line`; returns whether the section
// was found. The next header ends the section.
template <typename Opens, typename OnLine>
bool ReadSection(std::FILE* f, int n, Opens opens, OnLine on_line) {
  LineReader& reader = ProcedureLineReader();
  reader.Start(f, kProcedureLineChars);
  std::string_view line;
  std::string_view t[16];
  if (n > 15) n = 15;
  bool in_section = false;
  while (reader.Next(&line)) {
    SplitLineTokens(line, t, in_section ? n : 1);  // outside the section only headers count
    if (IsCommentToken(t[1])) continue;
    if (StartsWith(t[1], "[")) {
      if (in_section) break;
      in_section = opens(t[1]);
      continue;
    }
    if (in_section) on_line(t);
  }
  return in_section;
}
