#include "host/cdu_keyboard.h"

#include <cctype>

namespace simhost {

namespace {

struct NamedBox {
  const char* name;
  int32_t x, y, w, h;  // the key's mouse box on the gauge bitmap
  bool applied_at_paint;
};

// Page and function keys are 58 x 36, line-select keys 40 x 30, the others 45 x 45; D reacts only
// in the top-left 30 x 36 of its box.
constexpr NamedBox kKeys[] = {
    {"INIT_REF", 70, 409, 58, 36, true},   {"RTE", 140, 409, 58, 36, true},
    {"DEP_ARR", 215, 409, 58, 36, true},   {"VNAV", 357, 409, 58, 36, true},
    {"FIX", 70, 466, 58, 36, true},        {"LEGS", 140, 466, 58, 36, true},
    {"HOLD", 215, 466, 58, 36, true},      {"PROG", 357, 466, 58, 36, true},
    {"EXEC", 437, 466, 58, 36, false},     {"NAV_RAD", 140, 519, 58, 36, true},
    {"PREV_PAGE", 70, 573, 58, 36, true},  {"NEXT_PAGE", 140, 573, 58, 36, true},
    {"1L", 4, 96, 40, 30, true},           {"2L", 4, 140, 40, 30, true},
    {"3L", 4, 184, 40, 30, true},          {"4L", 4, 227, 40, 30, true},
    {"5L", 4, 269, 40, 30, true},          {"6L", 4, 314, 40, 30, true},
    {"1R", 519, 96, 40, 30, true},         {"2R", 519, 140, 40, 30, true},
    {"3R", 519, 184, 40, 30, true},        {"4R", 519, 227, 40, 30, true},
    {"5R", 519, 269, 40, 30, true},        {"6R", 519, 314, 40, 30, true},
    {"A", 236, 520, 45, 45, false},        {"B", 291, 520, 45, 45, false},
    {"C", 346, 520, 45, 45, false},        {"D", 403, 520, 30, 36, false},
    {"E", 456, 520, 45, 45, false},        {"F", 236, 577, 45, 45, false},
    {"G", 291, 577, 45, 45, false},        {"H", 346, 577, 45, 45, false},
    {"I", 403, 577, 45, 45, false},        {"J", 456, 577, 45, 45, false},
    {"K", 236, 630, 45, 45, false},        {"L", 291, 630, 45, 45, false},
    {"M", 346, 630, 45, 45, false},        {"N", 403, 630, 45, 45, false},
    {"O", 456, 630, 45, 45, false},        {"P", 236, 686, 45, 45, false},
    {"Q", 291, 686, 45, 45, false},        {"R", 346, 686, 45, 45, false},
    {"S", 403, 686, 45, 45, false},        {"T", 456, 686, 45, 45, false},
    {"U", 236, 739, 45, 45, false},        {"V", 291, 739, 45, 45, false},
    {"W", 346, 739, 45, 45, false},        {"X", 403, 739, 45, 45, false},
    {"Y", 456, 739, 45, 45, false},        {"Z", 236, 795, 45, 45, false},
    {"1", 65, 630, 45, 45, false},         {"2", 123, 630, 45, 45, false},
    {"3", 179, 630, 45, 45, false},        {"4", 65, 686, 45, 45, false},
    {"5", 123, 686, 45, 45, false},        {"6", 179, 686, 45, 45, false},
    {"7", 65, 739, 45, 45, false},         {"8", 123, 739, 45, 45, false},
    {"9", 179, 739, 45, 45, false},        {".", 65, 795, 45, 45, false},
    {"0", 123, 795, 45, 45, false},        {"/", 403, 795, 45, 45, false},
    {"+/-", 172, 795, 45, 45, false},      {"SP", 291, 795, 45, 45, false},
    {"DEL", 346, 795, 45, 45, false},      {"CLR", 456, 795, 45, 45, false},
};

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

}  // namespace

bool FindCduKey(std::string_view name, CduKeyPoint* out) {
  for (const NamedBox& k : kKeys) {
    if (SameName(name, k.name)) {
      *out = CduKeyPoint{k.x + k.w / 2, k.y + k.h / 2, k.applied_at_paint};
      return true;
    }
  }
  return false;
}

const char* CduKeyNameOfBox(int32_t x, int32_t y) {
  for (const NamedBox& k : kKeys) {
    if (k.x == x && k.y == y) return k.name;
  }
  return nullptr;
}

bool CduKeysOfText(std::string_view text, std::vector<CduKeyPoint>* out) {
  out->clear();
  for (char c : text) {
    CduKeyPoint p;
    const std::string name = c == ' ' ? std::string("SP") : std::string(1, c);
    if (!FindCduKey(name, &p)) return false;
    out->push_back(p);
  }
  return true;
}

}  // namespace simhost
