// Windows-1252, the module's ANSI code page: each byte of a text mapped to its character.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace gfx {

// Unicode code point of a Windows-1252 byte (0xB0 is the degree sign, 0x80 the euro sign; the five
// unassigned bytes map to the C1 controls, as the system's conversion does).
uint32_t Cp1252ToUnicode(uint8_t byte);
std::string Cp1252ToUtf8(std::string_view bytes);

}  // namespace gfx
