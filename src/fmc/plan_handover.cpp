#include "fmc/plan_handover.h"

#include <algorithm>
#include <cstdio>

#include "cdu/cdu_globals.h"
#include "fmc/fmc_globals.h"
#include "navdb/lat_lon_format.h"
#include "fmc/route_model.h"
#include "sim/sim_globals.h"
#include "platform/simconnect.h"
#include "platform/winfile.h"

namespace {

const RouteLeg kNoLeg{};

const RouteLeg& ActRow(int32_t i) { return i >= 0 && i <= kLastRouteRow ? fms_fpln_act[i] : kNoLeg; }

// Route-file types ("VOR", "NDB") hand over like the database's short forms.
const char* WaypointTypeText(const std::string& type) {
  if (type == "APT") return "Airport";
  if (type == "V" || type == "VOR") return "VOR";
  if (type == "N" || type == "NDB") return "NDB";
  return "Intersection";
}

struct PositionTexts {
  std::string lat, lon;
};

// The formatter takes west-positive longitudes; the route holds east-positive ones.
PositionTexts TextsOf(double lat, double lon) {
  std::string lat_dms, lon_dms;
  FormatLatLonDms(lat, -lon, &lat_dms, &lon_dms, 1);
  PositionTexts p;
  SplitThreeWords(lat_dms, lon_dms, &p.lat, &p.lon);
  return p;
}

// A route text as XML character data or attribute value: idents come from route files and the CDU,
// and may hold the XML specials.
std::string XmlText(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&apos;"; break;
      default: out.push_back(c);
    }
  }
  return out;
}

void WriteWaypoint(std::FILE* f, const std::string& raw_ident, double lat, double lon, const std::string& type) {
  if (raw_ident == "DISCO") return;  // a discontinuity is no place to fly to
  const PositionTexts p = TextsOf(lat, lon);
  const std::string ident = XmlText(raw_ident);
  std::fprintf(f, "        <ATCWaypoint id=\"%s\">\n", ident.c_str());
  std::fprintf(f, "             <ATCWaypointType>%s</ATCWaypointType>\n", WaypointTypeText(type));
  std::fprintf(f, "             <WorldPosition>%s\",%s\",</WorldPosition>\n", p.lat.c_str(), p.lon.c_str());
  std::fputs("             <ICAO>\n", f);
  std::fprintf(f, "                 <ICAOIdent>%s</ICAOIdent>\n", ident.c_str());
  std::fputs("             </ICAO>\n", f);
  std::fputs("        </ATCWaypoint>\n", f);
}

}  // namespace

std::string SimPlanPath() { return sim_root + "\\Orvantel\\Navdata\\tmpfplan.pln"; }

bool WriteAceXmlPlan() {
  std::FILE* f = platform::OpenFile(SimPlanPath(), "w");
  if (f == nullptr) return false;
  const int32_t last = ClampedLastRow(fp_cnt);
  const RouteLeg& origin = ActRow(0);
  const RouteLeg& dest = ActRow(last);
  const std::string origin_ident = XmlText(origin.ident);
  const std::string dest_ident_text = XmlText(dest.ident);
  const char* o = origin_ident.c_str();
  const char* d = dest_ident_text.c_str();
  const PositionTexts op = TextsOf(origin.lat, origin.lon);
  const PositionTexts dp = TextsOf(dest.lat, dest.lon);

  std::fputs("<?xml version=\"1.0\" encoding=\"Windows-1252\"?>\n\n", f);
  std::fputs("<SimBase.Document Type=\"AceXML\" version=\"1,0\">\n", f);
  std::fputs("    <Descr>AceXML Document</Descr>\n", f);
  std::fputs("    <FlightPlan.FlightPlan>\n", f);
  std::fprintf(f, "        <Title>%s to %s</Title>\n", o, d);
  std::fputs("        <FPType>IFR</FPType>\n", f);
  std::fputs("        <RouteType>HighAlt</RouteType>\n", f);
  std::fprintf(f, "        <CruisingAlt>%d</CruisingAlt>\n", cruise_alt);
  std::fprintf(f, "        <DepartureID>%s</DepartureID>\n", o);
  std::fprintf(f, "        <DepartureLLA>%s\" , %s\",</DepartureLLA>\n", op.lat.c_str(), op.lon.c_str());
  std::fprintf(f, "        <DestinationID>%s</DestinationID>\n", d);
  std::fprintf(f, "        <DestinationLLA>%s\" , %s\",</DestinationLLA>\n", dp.lat.c_str(), dp.lon.c_str());
  std::fprintf(f, "        <Descr>%s, %s</Descr>\n", o, d);
  std::fprintf(f, "        <DeparturePosition>%s</DeparturePosition>\n", XmlText(origin.dep_position).c_str());
  std::fprintf(f, "        <DepartureName>%s</DepartureName>\n", o);
  std::fprintf(f, "        <DestinationName>%s</DestinationName>\n", d);
  std::fputs("        <AppVersion>\n", f);
  std::fputs("            <AppVersionMajor>10</AppVersionMajor>\n", f);
  std::fputs("            <AppVersionBuild>60905</AppVersionBuild>\n", f);
  std::fputs("        </AppVersion>\n", f);

  // From the start of the leg being flown: earlier legs are behind the aircraft.
  const LnavLeg& lnav = lnav_leg[0];
  for (int32_t i = std::max(stpos - 1, 0); i <= last; ++i) {
    const RouteLeg& leg = fms_fpln_act[i];
    if (i == stpos - 1) {
      WriteWaypoint(f, lnav.FrId, lnav.fr_lat, lnav.fr_lon, leg.ident == lnav.FrId ? leg.type : std::string());
    } else {
      WriteWaypoint(f, leg.ident, leg.lat, leg.lon, leg.type);
    }
  }

  std::fputs("    </FlightPlan.FlightPlan>\n", f);
  std::fputs("</SimBase.Document>\n", f);
  return std::fclose(f) == 0;
}

void LoadPlanIntoSim() {
  // Only a plan written now is handed over: after a failed write the file still holds an earlier
  // route, which the simulator would take for this one.
  if (fms_fpln_active < 3) return;
  if (!WriteAceXmlPlan()) {
    cdu_message = kSimPlanFailedMessage;
    return;
  }
  // The simulator's answer changes nothing here.
  SimConnect_FlightPlanLoad(simconnect, SimPlanPath().c_str());
}
