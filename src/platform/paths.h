// The module names its files as Windows paths: backslashes and any letter case, so that
// "\Orvantel\navdata\ints.txt" and "\Orvantel\Navdata\apts.txt" lie in one folder. ResolvePath maps such
// a path onto the real, case-sensitive file system; every file the module opens goes through it.
#pragma once

#include <string>
#include <string_view>

namespace platform {

struct ResolvedPath {
  std::string path;     // the real path to open, list or create
  bool exists = false;  // every component was found
};

// Backslashes become '/'. Each component is then looked up in the folder reached so far: the name as
// given when it exists, otherwise the first entry (in byte order) equal to it without regard to ASCII
// case. From the first component found neither way, the rest keeps its spelling, so a file about to
// be created keeps the name the module gave it. A relative path starts from the current directory.
ResolvedPath ResolvePath(std::string_view module_path);

// ASCII-only, locale-independent: the lower-case letter, any other byte as it is.
inline char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
inline char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// ASCII-only, locale-independent comparison without regard to case.
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

}  // namespace platform
