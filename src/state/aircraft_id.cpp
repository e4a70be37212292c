#include "state/aircraft_id.h"

#include <algorithm>
#include <cstdio>

#include "afds/afds_services.h"
#include "fmc/thrust_limits.h"
#include "platform/findfile.h"
#include "platform/paths.h"
#include "platform/winfile.h"
#include "state/config_globals.h"
#include "sim/sim_globals.h"

namespace {

constexpr std::string_view kClassicPanels[] = {"ro757_classic", "ro757_classic_vc"};

constexpr PwModelName kPwModels[] = {
    {"ro757_pw_200", false},    {"ro757_pw_200_wl", false}, {"ro757_pw_200_er", false},
    {"ro757_pw_200f", false},   {"ro757_pw_200pf", false},  {"ro757_pw_200sf", false},
    {"ro757_pw_300", false},    {"ro757_pw_300_wl", false}, {"ro757_pw_200_vip", false},
    {"ro757_c32a", true},       {"ro757_c32a_vc", true},
};

constexpr RrModelName kRrModels[] = {
    {"ro757_rr_200", false},     {"ro757_rr_200_wl", false},   {"ro757_rr_200_er", false},
    {"ro757_rr_200f", false},    {"ro757_rr_200pf", false},    {"ro757_rr_200sf", false},
    {"ro757_rr_300", false},     {"ro757_rr_300_wl", false},   {"ro757_rr_200_vip", false},
    {"ro757_rr535c_200", true},  {"ro757_rr535c_200_vc", true}, {"ro757_rr535c_200f", true},
    {"ro757_rr535c_200pf", true},
};

// Lines of Aircraft.cfg are read at most 499 characters at a time.
constexpr int kAcfgReadChars = 500;

using platform::LowerAscii;

// The values of the section being scanned, each with its flag (the section gave the key).
struct AircraftSection {
  std::string title, sim, model, panel, parking;
  bool has_title = false, has_sim = false, has_model = false, has_panel = false, has_parking = false;

  void Clear() { *this = AircraftSection{}; }
  // "model=" and "atc_parking_codes=" are optional.
  bool Matches(const std::string& wanted) const { return has_title && has_sim && has_panel && title == wanted; }
  bool Complete(const std::string& wanted) const { return Matches(wanted) && has_model && has_parking; }
};

// Lower case; "title = x" reads as "title=x" (only when the first blank comes before the "="), a
// section header loses its indent, and trailing blanks, tabs and line feeds go.
void NormaliseLine(std::string& s) {
  std::transform(s.begin(), s.end(), s.begin(), LowerAscii);
  size_t eq = s.find('=');
  if (eq != std::string::npos) {
    size_t blank = s.find(' ');
    if (blank < eq) {
      size_t after = eq + 1;
      while (after < s.size() && s[after] == ' ') ++after;
      std::string key = s.substr(0, eq);
      key.erase(std::remove(key.begin(), key.end(), ' '), key.end());
      s = key + '=' + s.substr(after);
    }
  } else if (s.find('[') != std::string::npos) {
    s.erase(0, std::min(s.find_first_not_of(" \t"), s.size()));
  }
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\n')) s.pop_back();
}

bool TakeValue(const std::string& line, std::string_view prefix, std::string* value, bool* flag) {
  if (line.compare(0, prefix.size(), prefix) != 0) return false;
  value->assign(line, prefix.size());
  *flag = true;
  return true;
}

// Scans one Aircraft.cfg for the section titled `wanted`; on success *section holds its values.
bool ScanAircraftCfg(FILE* f, const std::string& wanted, AircraftSection* section) {
  section->Clear();
  int32_t headers = 0;
  char buf[kAcfgReadChars];
  std::string line;
  while (std::fgets(buf, kAcfgReadChars, f) != nullptr) {
    line.assign(buf);
    NormaliseLine(line);
    if (!line.empty() && line.front() == '[') {
      ++headers;
      if (section->Matches(wanted)) return true;
      section->Clear();
      continue;
    }
    if (headers == 0) continue;
    TakeValue(line, "title=", &section->title, &section->has_title) ||
        TakeValue(line, "sim=", &section->sim, &section->has_sim) ||
        TakeValue(line, "model=", &section->model, &section->has_model) ||
        TakeValue(line, "panel=", &section->panel, &section->has_panel) ||
        TakeValue(line, "atc_parking_codes=", &section->parking, &section->has_parking);
    if (section->Complete(wanted)) return true;
  }
  return section->Matches(wanted);
}

// The first section titled `wanted` in the aircraft folders, in listing order.
bool FindAircraftSection(const std::string& wanted, AircraftSection* section) {
  const std::string root(sim_root);
  const std::string folder = root + (simver == 9 ? "\\Aircraft\\" : "\\SimObjects\\Airplanes\\");
  win32::FindData fd;
  win32::FindHandle listing = win32::FindFirstFileA((folder + "*.*").c_str(), &fd);
  if (listing == win32::kInvalidFindHandle) return false;
  // The first entry is the folder's own "."; ".." would lead out of the aircraft folders.
  bool found = false;
  for (int32_t taken = 0; !found && taken < kMaxAircraftFolders && win32::FindNextFileA(listing, &fd) != 0;
       ++taken) {
    std::string_view name(fd.file_name);
    if (name == "." || name == "..") continue;
    // The name as listed: paths match without regard to case, and the listed spelling resolves at
    // once where a lower-cased one would search its folder.
    FILE* f = platform::OpenFile(folder + std::string(name) + "\\Aircraft.cfg", "r");
    if (f == nullptr) continue;
    found = ScanAircraftCfg(f, wanted, section);
    std::fclose(f);
  }
  win32::FindClose(listing);
  if (!found) section->Clear();
  return found;
}

bool InList(std::span<const std::string_view> list, std::string_view name) {
  return std::any_of(list.begin(), list.end(),
                     [&](std::string_view n) { return platform::EqualsIgnoreCase(n, name); });
}

// An airline code names a folder under the announcement folder; a code that could name anything
// else (separators, wildcards, "..", control characters) or does not fit is no airline.
bool IsPlainFolderName(std::string_view code) {
  if (code.size() > kAirlineCodeMaxChars || code.find("..") != std::string_view::npos) return false;
  return std::none_of(code.begin(), code.end(), [](char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == '\\' || c == '/' || c == ':' || c == '*' || c == '?';
  });
}

void SetAirlineCode(const std::string& code) {
  pa_airline_code.clear();
  if (!IsPlainFolderName(code)) return;
  std::string pattern = std::string(sim_root) + "\\Orvantel\\Sounds\\RiVod\\" + code;
  win32::FindData fd;
  win32::FindHandle h = win32::FindFirstFileA(pattern.c_str(), &fd);
  if (h == win32::kInvalidFindHandle) return;
  win32::FindClose(h);
  pa_airline_code = code;
}

// The variant from the matched section's values (all lower case); 1 only for a known model.
int32_t ApplyAircraftSection(const AircraftSection& s) {
  if (s.sim.empty()) return 0;
  const AircraftNameLists& lists = *aircraft_name_lists;
  if (InList(lists.classic_panels, s.panel)) SetPanelStatusInit();

  int32_t result = 0;
  if (!s.model.empty()) {
    auto same = [&](std::string_view folder) { return platform::EqualsIgnoreCase(folder, s.model); };
    auto pw = std::find_if(lists.pw_models.begin(), lists.pw_models.end(),
                           [&](const PwModelName& m) { return same(m.folder); });
    auto rr = std::find_if(lists.rr_models.begin(), lists.rr_models.end(),
                           [&](const RrModelName& m) { return same(m.folder); });
    if (pw != lists.pw_models.end()) {
      engine_type = "PW2043";
      if (pw->c32a) aircraft_model = "C-32A";
      result = 1;
    } else if (rr != lists.rr_models.end()) {
      if (rr->rb211_535c) engine_type = "RB211-535C";
      result = 1;
    }
  }

  if (!s.parking.empty()) SetAirlineCode(s.parking);

  // The "sim=" variant tests come last and override the model's.
  if (s.sim.find("757-300") != std::string::npos) aircraft_model = "757 - 300";
  if (s.sim.find("pw2037") != std::string::npos || s.sim.find("pw2040") != std::string::npos) {
    engine_type = "PW2037";
  }
  return result;
}

}  // namespace

const AircraftNameLists kOrvantelNameLists{kClassicPanels, kPwModels, kRrModels};

void DetectSimVersion() {
  win32::FindData fd;
  win32::FindHandle listing = win32::FindFirstFileA((std::string(sim_root) + "\\*.*").c_str(), &fd);
  if (listing == win32::kInvalidFindHandle) return;
  int32_t score = 0;
  do {
    std::string_view name(fd.file_name);
    if (platform::EqualsIgnoreCase(name, "fsx.exe") || platform::EqualsIgnoreCase(name, "prepar3d.exe")) {
      score = 3;
    } else if (platform::EqualsIgnoreCase(name, "ace.exe") || platform::EqualsIgnoreCase(name, "simobjects") ||
               platform::EqualsIgnoreCase(name, "Missions")) {
      ++score;
    }
  } while (score < 4 && win32::FindNextFileA(listing, &fd) != 0);
  win32::FindClose(listing);
  if (score >= 3) simver = 10;
}

int32_t FindAircraftCfg() {
  // The display gauges ask before the server has read the title; such a call is not an attempt.
  if (aircraft.empty()) return 0;
  if (acfg_attempts > kMaxAcfgAttempts) return 1;
  if (++acfg_attempts > kMaxAcfgAttempts) return 1;
  AircraftSection section;
  FindAircraftSection(aircraft, &section);
  const bool pw_before = IsPwEngine();
  const int32_t result = ApplyAircraftSection(section);
  // A reference set before the engine was known (the title can come late) is on the other family's
  // scale: the autothrottle would fly it as another thrust.
  if (IsPwEngine() != pw_before) RecomputeThrustReference();
  return result;
}
