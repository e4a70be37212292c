// The straightforward way to read the navigation files, as a whole program for the load benchmark:
// each line through std::getline and std::istringstream, each number through std::atof, each row
// appended to a growing vector. It reads the same four kinds (main and user files) into rows of the
// module's layout and keeps the same rows. Usage: ro757_naive_load SIM_ROOT
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "navdb/nav_records.h"

namespace {

// Where a kind's fields stand on its lines (-1: not there).
struct Kind {
  const char* stem;
  size_t min_tokens;
  int ident, lat, lon, info, navaid_kind;
  const char* type;
};

void LoadKind(const std::string& root, const Kind& k, std::vector<NavRecord>* rows) {
  for (const char* suffix : {".txt", "_user.txt"}) {
    std::ifstream in(root + "/Orvantel/Navdata/" + k.stem + suffix);
    std::string line;
    while (std::getline(in, line)) {
      if (!line.empty() && line[0] == ';') continue;
      std::istringstream fields(line);
      std::vector<std::string> t;
      std::string token;
      while (t.size() < 6 && fields >> token) t.push_back(token);
      if (t.size() < k.min_tokens) continue;
      // Airway lines keep only fixes of 4 or more characters, their name as both texts.
      const bool airway = k.ident == 2;
      if (airway && t[2].size() < 4) continue;
      NavRecord r{};
      SetText(r.ident, t[static_cast<size_t>(k.ident)]);
      SetText(r.name, t[airway ? 2 : 1]);
      r.lat = std::atof(t[static_cast<size_t>(k.lat)].c_str());
      r.lon = std::atof(t[static_cast<size_t>(k.lon)].c_str());
      if (k.info >= 0) SetText(r.info, t[static_cast<size_t>(k.info)]);
      SetText(r.type, k.type);
      if (k.navaid_kind >= 0) {
        const std::string& kind = t[static_cast<size_t>(k.navaid_kind)];
        SetText(r.type, kind == "VOR" || kind == "vor" ? "V" : "N");
        if (t.size() > 5) SetText(r.extra, t[5]);
      }
      rows->push_back(r);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: ro757_naive_load SIM_ROOT\n");
    return 2;
  }
  const Kind kinds[] = {{"ints", 4, 0, 2, 3, -1, -1, "I"},
                        {"awys", 5, 2, 3, 4, -1, -1, "I"},
                        {"apts", 5, 0, 3, 4, 2, -1, "APT"},
                        {"navs", 5, 0, 2, 3, -1, 4, ""}};
  std::vector<NavRecord> rows[4];
  for (int i = 0; i < 4; ++i) LoadKind(argv[1], kinds[i], &rows[i]);
  std::printf("%zu %zu %zu %zu\n", rows[0].size(), rows[1].size(), rows[2].size(), rows[3].size());
  const std::vector<NavRecord>& apts = rows[2];
  return apts.empty() ? 1 : 0;
}
