#include "navdb/procedure_common.h"

#include <string>

#include "navdb/navdb_files.h"

namespace {

LineReader reader;

bool IsBracket(char c) { return c == '[' || c == ']'; }

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

}  // namespace

LineReader& ProcedureLineReader() { return reader; }

std::FILE* OpenNavdataFile(std::string_view file_name) {
  std::string path = SimRootPath("\\Orvantel\\Navdata\\");
  path += file_name;
  return OpenModuleFileForReading(path);
}

void SplitLineTokens(std::string_view line, std::string_view* t, int n) {
  for (int i = 0; i <= n; ++i) t[i] = std::string_view();
  SplitTokens(line, t + 1, n);
}

bool HeaderMatches(std::string_view token, std::string_view icao) {
  size_t b = 0;
  size_t e = token.size();
  while (b < e && IsBracket(token[b])) ++b;
  while (e > b && IsBracket(token[e - 1])) --e;
  std::string_view code = token.substr(b, e - b);
  if (code.size() != icao.size()) return false;
  for (size_t i = 0; i < code.size(); ++i) {
    char c = IsBracket(code[i]) ? ' ' : code[i];
    if (Upper(c) != Upper(icao[i])) return false;
  }
  return true;
}

std::string_view HeaderFirstWord(std::string_view token) {
  size_t b = 0;
  while (b < token.size() && IsBracket(token[b])) ++b;
  size_t e = b;
  while (e < token.size() && !IsBracket(token[e])) ++e;
  return token.substr(b, e - b);
}

ProcedureRecord* AppendProcedure(ProcedureRecord* table, int32_t array_rows, int32_t* count) {
  if (*count < 0 || *count >= array_rows - 1) return nullptr;
  ProcedureRecord& r = table[++*count];
  ClearProcedureHeader(r);
  return &r;
}

ProcedureLeg* AppendLeg(ProcedureRecord& record) {
  if (record.leg_cnt < 0 || record.leg_cnt >= kProcedureLegRows - 1) return nullptr;
  ProcedureLeg& leg = record.legs[++record.leg_cnt];
  ClearRecord(leg);
  return &leg;
}

void DropLastLeg(ProcedureRecord& record) {
  if (record.leg_cnt <= 0) return;
  if (record.leg_cnt < kProcedureLegRows) ClearRecord(record.legs[record.leg_cnt]);
  --record.leg_cnt;
}

void EmptyProcedureTable(ProcedureRecord* table, int32_t array_rows, int32_t* count) {
  ClearProcedureRows(table, array_rows, *count);
  *count = 0;
}

int32_t FindProcedureByName(const ProcedureRecord* table, int32_t count, std::string_view name) {
  for (int32_t i = 1; i <= count; ++i) {
    if (FieldEquals(table[i].name, name)) return i;
  }
  return 0;
}
