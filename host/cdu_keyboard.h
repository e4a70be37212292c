// The keyboard of the "FMS" gauge as the panel bitmap lays it out: where a pilot clicks each CDU key,
// by name. Scenarios type on the CDU with it and tests click the keys through it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace simhost {

struct CduKeyPoint {
  int32_t x = 0;  // gauge bitmap pixels: the middle of the key's mouse box
  int32_t y = 0;
  bool applied_at_paint = false;  // a page, paging or line-select key: the next CDU paint applies it
};

// Key names: INIT_REF RTE DEP_ARR VNAV FIX LEGS HOLD PROG EXEC NAV_RAD PREV_PAGE NEXT_PAGE, the
// line-select keys 1L..6L and 1R..6R, the letters A..Z, digits 0..9, "." "/" "+/-", SP, DEL, CLR.
// Names match without regard to case. False for an unknown name.
bool FindCduKey(std::string_view name, CduKeyPoint* out);

// The name of the key whose mouse box starts at (x, y) on the gauge bitmap, or null.
const char* CduKeyNameOfBox(int32_t x, int32_t y);

// The keys that type `text`, one character each (a blank is SP); false when a character has no key.
bool CduKeysOfText(std::string_view text, std::vector<CduKeyPoint>* out);

}  // namespace simhost
