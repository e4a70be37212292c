// Reading of the CDU's slash entries ("045/12.5", "090/R", "/10"): the slashes taken as blanks and the
// first two blank-separated words copied into fields of a fixed size.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The first two words of `entry` with every "/" read as a blank (missing words stay empty). False,
// with nothing copied, when either word is longer than `max_word` characters.
bool SplitSlashWords(std::string_view entry, size_t max_word, std::string* first, std::string* second);
