#include "fmc/plan_import.h"

#include <cmath>
#include <cstdio>

#include "fmc/plan_text.h"
#include "sim/sim_globals.h"
#include "navdb/coordinate_text.h"
#include "navdb/navdb_text.h"
#include "platform/paths.h"
#include "platform/winfile.h"

namespace {

constexpr size_t kPlanLineMax = 998;
constexpr unsigned char kUtf8Lead = 0xC2;
constexpr unsigned char kDegreeSign = 0xB0;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The digits of positions first..last (fewer when the text ends or a non-digit comes first); a
// group that does not begin with a digit reads 0.
int32_t GroupInt(std::string_view text, size_t first, size_t last) {
  int32_t v = 0;
  for (size_t i = first; i <= last && i < text.size() && IsDigit(text[i]); ++i) v = v * 10 + (text[i] - '0');
  return v;
}

double DmsValue(int32_t deg, int32_t min, int32_t sec) { return deg + (min + sec / 60.0) / 60.0; }

void EraseFirst(std::string* s, unsigned char byte) {
  const size_t at = s->find(static_cast<char>(byte));
  if (at != std::string::npos) s->erase(at, 1);
}

// Text between `tag` and `end_tag` (to the end of the line when the end tag is missing).
std::string AfterTag(const std::string& line, size_t tag_at, std::string_view tag, std::string_view end_tag) {
  std::string text = line.substr(tag_at + tag.size());
  const size_t end = text.find(end_tag);
  if (end != std::string::npos) text.resize(end);
  return text;
}

// One waypoint position text of the XML form ("N47\xB0 26' 42.00""): the hemisphere letter, then the
// degree sign ends the degrees and "'" the minutes. The fraction of a second must be digits but is
// dropped, as the plan's places have always been read. False when the text gives no place (see
// ReadHemisphereDegrees): a position that must never read as 0 or as another place.
bool ReadXmlCoordinate(std::string_view text, CoordAxis axis, double* deg) {
  if (text.empty()) return false;
  std::string fields[3];
  std::string fraction;
  int field = 0;
  for (size_t i = 1; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == '"' || c == ',') break;
    if (c == kDegreeSign && field == 0) {
      field = 1;
    } else if (c == '\'' && field == 1) {
      field = 2;
    } else if ((c == '.' && field == 2) || !fraction.empty()) {
      fraction += static_cast<char>(c);
    } else if (!IsBlank(static_cast<char>(c))) {
      fields[field] += static_cast<char>(c);
    }
  }
  double with_fraction = 0.0;
  return ReadHemisphereDegrees(text[0], fields[0], fields[1], fields[2] + fraction, axis, &with_fraction) &&
         ReadHemisphereDegrees(text[0], fields[0], fields[1], fields[2], axis, deg);
}

// The first blank-separated word of `text`; empty when it has none.
std::string FirstWord(const std::string& text) {
  std::string_view words[1];
  return SplitTokens(text, words, 1) == 1 ? std::string(words[0]) : std::string();
}

std::string XmlTypeOf(const std::string& type_text, const std::string& previous) {
  if (type_text == "Airport") return "APT";
  if (type_text == "Intersection") return "INT";
  if (type_text == "VOR") return "VOR";
  if (type_text == "NDB") return "NDB";
  return previous;
}

// Writes the plan's temp.rte lines. A waypoint it cannot place (no name, no position, no closing tag)
// refuses the whole plan, as a route-file line without its coordinates refuses the file: dropped, the
// plan would lose a place; taken, it would fly to 0N 0E or to the waypoint before. So does a plan cut
// between two waypoints: an XML plan whose plan element never closes, an ini plan whose last waypoint
// is not the destination it names.
class PlanConverter {
 public:
  explicit PlanConverter(std::FILE* out) : out_(out) {}

  void Line(const std::string& line) {
    if (line.find("<DepartureID>") != std::string::npos) xml_ = true;
    if (xml_) {
      XmlLine(line);
      return;
    }
    const size_t dep = line.find("departure_id=");
    if (dep != std::string::npos) {
      std::string id = line.size() > 13 ? line.substr(13, 4) : std::string();
      std::erase_if(id, [](char c) { return c == ' ' || c == ','; });
      departure_id_ = id;
    }
    static constexpr std::string_view kDest = "destination_id=";
    if (const size_t at = line.find(kDest); at != std::string::npos) {
      const std::string value = line.substr(at + kDest.size());
      destination_id_ = FirstWord(value.substr(0, value.find(',')));
    }
    IniWaypointLine(line);
  }

  // True when every waypoint became a line and the plan ends where it says it ends: in either form
  // its last waypoint is the destination it names (an XML plan without it loaded with no destination).
  bool Whole() const {
    if (refused_) return false;
    const bool ends_at_destination =
        destination_id_.empty() || platform::EqualsIgnoreCase(last_ident_, destination_id_);
    if (xml_) return element_state_ != 1 && plan_closed_ && ends_at_destination;
    return ends_at_destination;
  }

 private:
  void Write(std::string_view ident, double lat, double lon, const std::string& type) {
    // A waypoint without a name would shift every column of its temp.rte line.
    if (ident.empty()) {
      refused_ = true;
      return;
    }
    std::fprintf(out_, "%-8.*s %-3.5f %-3.5f  %s\n", static_cast<int>(ident.size()), ident.data(), lat, lon,
                 type.c_str());
    last_ident_ = ident;
    ++written_;
  }

  void IniWaypointLine(const std::string& line) {
    if (line.find("waypoint.0") != std::string::npos) {
      std::string value = line.size() > 11 ? line.substr(11) : std::string();
      std::erase(value, ' ');
      ident_from_second_ = !value.starts_with(departure_id_);
    }
    if (line.find("waypoint.") == std::string::npos) return;
    const int32_t before = written_;
    IniWaypoints(line);
    if (written_ == before) refused_ = true;
  }

  void IniWaypoints(const std::string& line) {
    const size_t eq = line.find('=');
    std::string text = eq != std::string::npos ? line.substr(eq + 1) : (line.size() > 11 ? line.substr(11) : "");

    size_t comma = text.find(',');
    if (comma == std::string::npos) return;
    std::string ident_field = text.substr(0, comma);
    text.erase(0, comma + 1);
    if (ident_from_second_ && (comma = text.find(',')) != std::string::npos) {
      ident_field = text.substr(0, comma);
      text.erase(0, comma + 1);
    }
    std::string_view ident_words[1];
    const std::string_view ident = SplitTokens(ident_field, ident_words, 1) == 1 ? ident_words[0] : "";

    type_ = "INT";
    while (!text.empty()) {
      std::string_view words[1];
      const std::string_view w = SplitTokens(text, words, 1) == 1 ? words[0] : "";
      if (platform::EqualsIgnoreCase(w, "A,")) type_ = "APT";
      if (platform::EqualsIgnoreCase(w, "V,")) type_ = "VOR";
      if (platform::EqualsIgnoreCase(w, "N,")) type_ = "NDB";
      if (!w.empty() && w.back() == '*') {
        const size_t c1 = text.find(',');
        const size_t c2 = c1 == std::string::npos ? c1 : text.find(',', c1 + 1);
        if (c2 == std::string::npos) return;
        const std::string_view lat_text = std::string_view(text).substr(0, c1);
        const std::string_view lon_text = std::string_view(text).substr(c1 + 1, c2 - c1 - 1);
        double lat = 0.0, lon = 0.0;
        if (!ReadIniCoordinate(lat_text, CoordAxis::kLatitude, &lat) ||
            !ReadIniCoordinate(lon_text, CoordAxis::kLongitude, &lon)) {
          return;
        }
        Write(ident, lat, lon, type_);
        text.erase(0, c2 + 1);
      }
      const size_t next = text.find(',');
      if (next == std::string::npos) return;
      text.erase(0, next + 1);
    }
  }

  void XmlLine(const std::string& line) {
    if (element_state_ == 1) {
      static constexpr std::string_view kType = "<ATCWaypointType>";
      static constexpr std::string_view kPos = "<WorldPosition>";
      if (size_t at = line.find(kType); at != std::string::npos) {
        type_text_ = AfterTag(line, at, kType, "</ATCWaypointType>");
      }
      if (size_t at = line.find(kPos); at != std::string::npos) {
        std::string pos = line.substr(at + kPos.size());
        EraseFirst(&pos, kUtf8Lead);
        if (size_t end = pos.find("</WorldPosition>"); end != std::string::npos) pos.resize(end);
        if (size_t comma = pos.find(','); comma != std::string::npos) {
          lon_text_ = pos.substr(comma + 1, 15);
          lat_text_ = pos.substr(0, 15);
          EraseFirst(&lat_text_, kUtf8Lead);
          EraseFirst(&lon_text_, kUtf8Lead);
        }
      }
      if (line.find("</ATCWaypoint>") != std::string::npos) element_state_ = 2;
    }
    if (line.find("</FlightPlan.FlightPlan>") != std::string::npos) plan_closed_ = true;
    static constexpr std::string_view kDest = "<DestinationID>";
    if (const size_t at = line.find(kDest); at != std::string::npos) {
      destination_id_ = FirstWord(AfterTag(line, at, kDest, "</DestinationID>"));
    }
    static constexpr std::string_view kId = "<ATCWaypoint id=";
    if (size_t at = line.find(kId); at != std::string::npos) {
      element_state_ = 1;
      lat_text_.clear();
      lon_text_.clear();
      ident_ = line.substr(at + kId.size());
      for (int n = 0; n < 2; ++n) EraseFirst(&ident_, '"');
      if (size_t gt = ident_.find('>'); gt != std::string::npos) {
        std::string tail = ident_.substr(gt + 1);
        std::erase_if(tail, IsBlank);
        ident_.resize(gt);
        ident_ += tail;
      }
    }
    if (element_state_ == 2) {
      element_state_ = 0;
      double lat = 0.0;
      double lon = 0.0;
      if (!ReadXmlCoordinate(lat_text_, CoordAxis::kLatitude, &lat) ||
          !ReadXmlCoordinate(lon_text_, CoordAxis::kLongitude, &lon)) {
        refused_ = true;
        return;
      }
      type_ = XmlTypeOf(type_text_, type_);
      Write(ident_, lat, lon, type_);
    }
  }

  std::FILE* out_;
  int32_t written_ = 0;
  bool refused_ = false;
  bool xml_ = false;
  bool plan_closed_ = false;
  bool ident_from_second_ = false;
  std::string departure_id_;
  std::string destination_id_;
  std::string last_ident_;
  std::string type_ = "I";
  int element_state_ = 0;
  std::string ident_, type_text_, lat_text_, lon_text_;
};

}  // namespace

void ParseDmsText(std::string_view lat_text, std::string_view lon_text, double* lat_out, double* lon_out) {
  *lat_out = DmsValue(GroupInt(lat_text, 1, 2), GroupInt(lat_text, 4, 5), GroupInt(lat_text, 7, 8));
  if (lon_text.size() > 3 && lon_text[3] == ':') {
    *lon_out = DmsValue(GroupInt(lon_text, 1, 2), GroupInt(lon_text, 4, 5), GroupInt(lon_text, 7, 8));
  } else {
    *lon_out = DmsValue(GroupInt(lon_text, 1, 3), GroupInt(lon_text, 5, 6), GroupInt(lon_text, 8, 9));
  }
}

void ParseLatLonText(std::string_view lat_text, std::string_view lon_text, double* lat_out, double* lon_out) {
  // Tenths of a minute become whole seconds, truncated.
  const auto value = [](int32_t deg, int32_t min, int32_t tenths) {
    const int32_t sec = static_cast<int32_t>(tenths / 10.0 * 60.0);
    return deg + (sec / 60.0 + min) / 60.0;
  };
  *lat_out = value(GroupInt(lat_text, 1, 2), GroupInt(lat_text, 3, 4), GroupInt(lat_text, 6, 6));
  *lon_out = value(GroupInt(lon_text, 1, 3), GroupInt(lon_text, 4, 5), GroupInt(lon_text, 7, 7));
}

bool ReadIniCoordinate(std::string_view text, CoordAxis axis, double* deg) {
  // "N47* 26.07'": the letter, the degrees up to "*", the minutes up to "'"; blanks between them.
  const auto trim = [](std::string_view t) {
    while (!t.empty() && IsBlank(t.front())) t.remove_prefix(1);
    while (!t.empty() && IsBlank(t.back())) t.remove_suffix(1);
    return t;
  };
  text = trim(text);
  if (text.empty()) return false;
  const std::string_view rest = text.substr(1);
  const size_t star = rest.find('*');
  const std::string_view degrees = trim(rest.substr(0, star));
  std::string_view minutes = star == std::string_view::npos ? std::string_view() : trim(rest.substr(star + 1));
  if (!minutes.empty() && minutes.back() == '\'') minutes = trim(minutes.substr(0, minutes.size() - 1));
  return ReadHemisphereDegrees(text[0], degrees, minutes, "", axis, deg);
}

int32_t ImportPlnToTempRte(const std::string& name) {
  std::FILE* in = platform::OpenFile(PlanFolderPath(name), "r");
  if (in == nullptr) return kPlanNotFound;
  std::FILE* out = platform::OpenFile(PlanFolderPath("temp.rte"), "w");
  if (out == nullptr) {
    std::fclose(in);
    return kPlanNotFound;
  }
  std::fputs("[FlightPlan]\n", out);
  static LineReader reader;
  reader.Start(in, kPlanLineMax);
  PlanConverter converter(out);
  std::string_view piece;
  std::string line;
  while (reader.Next(&piece)) {
    line.assign(piece);
    converter.Line(line);
  }
  std::fclose(in);
  const bool written = std::fclose(out) == 0;
  if (converter.Whole()) return written ? 0 : kPlanNotFound;
  // A refused plan leaves temp.rte empty: no section, no leg.
  if ((out = platform::OpenFile(PlanFolderPath("temp.rte"), "w")) != nullptr) std::fclose(out);
  return kPlanNotFound;
}
