// The hand-over of an executed route to the simulator: a route file is read, executed with the
// hand-over on, and the plan file written must be well-formed XML whatever the route's texts hold.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fmc/fmc_globals.h"
#include "fmc/route_exec.h"
#include "fmc/route_files.h"
#include "fuzz_support.h"
#include "state/config_globals.h"

namespace {

// Tags nest and close in order; text and attribute values hold no raw '<' and every '&' starts a
// reference. The prolog is skipped.
bool WellFormed(const std::string& text) {
  std::vector<std::string> open;
  size_t at = text.find("?>");
  if (at == std::string::npos) return false;
  at += 2;
  while (at < text.size()) {
    const char c = text[at];
    if (c == '&') {
      const size_t semi = text.find(';', at);
      if (semi == std::string::npos || semi - at > 6) return false;
      const std::string ref = text.substr(at, semi - at + 1);
      if (ref != "&amp;" && ref != "&lt;" && ref != "&gt;" && ref != "&quot;" && ref != "&apos;") return false;
      at = semi + 1;
    } else if (c == '<') {
      const size_t close = text.find('>', at);
      if (close == std::string::npos) return false;
      std::string tag = text.substr(at + 1, close - at - 1);
      if (tag.find('<') != std::string::npos) return false;
      const bool closing = !tag.empty() && tag[0] == '/';
      std::string name = tag.substr(closing ? 1 : 0, tag.find_first_of(" \t", closing ? 1 : 0) - (closing ? 1 : 0));
      if (closing) {
        if (open.empty() || open.back() != name) return false;
        open.pop_back();
      } else {
        // Attribute values: quoted, with no raw '<' or bare '&'.
        for (size_t q = tag.find('"'); q != std::string::npos; q = tag.find('"', q + 1)) {
          const size_t end = tag.find('"', q + 1);
          if (end == std::string::npos) return false;
          for (size_t i = q + 1; i < end; ++i) {
            if (tag[i] == '&' && tag.compare(i, 5, "&amp;") != 0 && tag.compare(i, 4, "&lt;") != 0 &&
                tag.compare(i, 4, "&gt;") != 0 && tag.compare(i, 6, "&quot;") != 0 && tag.compare(i, 6, "&apos;") != 0) {
              return false;
            }
          }
          q = end;
        }
        open.push_back(name);
      }
      at = close + 1;
    } else {
      ++at;
    }
  }
  return open.empty();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::WriteFile("Orvantel/Navdata/apts.txt", fuzz::ExampleFile("Orvantel/Navdata/apts.txt"));
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::FreshModule();
  fuzz::RemoveFile("Orvantel/Navdata/tmpfplan.pln");
  fuzz::WriteFile("Orvantel/flightplans/FUZZ.RTE", data, size);
  synchfplanwithfsgps = 1;
  LoadFlightPlanFile("FUZZ.RTE", 0);
  ExecRoute();
  const std::string plan = fuzz::ReadFile("Orvantel/Navdata/tmpfplan.pln");
  if (!plan.empty() && !WellFormed(plan)) fuzz::Fail("the hand-over file is not well-formed XML");
  return 0;
}
