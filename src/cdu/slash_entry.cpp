#include "cdu/slash_entry.h"

#include "navdb/navdb_text.h"

bool SplitSlashWords(std::string_view entry, size_t max_word, std::string* first, std::string* second) {
  std::string text(entry);
  for (char& c : text) {
    if (c == '/') c = ' ';
  }
  std::string_view words[2];
  const int n = SplitTokens(text, words, 2);
  for (int i = 0; i < n; ++i) {
    if (words[i].size() > max_word) return false;
  }
  first->assign(n > 0 ? words[0] : std::string_view());
  second->assign(n > 1 ? words[1] : std::string_view());
  return true;
}
