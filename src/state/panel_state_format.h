// The panel-state file: a text snapshot of the flight deck in nine sections ("[FLTSIM]", "[FLTPLN]",
// "[EFIS]", "[FMS]", "[PEDESTAL]", "[MCP]", "[MAIN]", "[OVERHEAD]", "[OVCP]") of Key=Value lines.
// One table gives every key in file order with how the writer prints it and what the reader does
// with it, so that writer and reader cannot drift apart.
//
// Writes (on load): the route state and the modified route fms_fpln_mod / fp_mod_cnt (one row per
// "FPLN" line), the EFIS, FMC, MCP, main-panel and overhead state, their named variables, and the
// key events some keys send. Reads (on save): the same globals, the hold table (one "HOLD" line per
// row after the route rows), the simulator's position, speeds and autopilot master, and the
// "ias_show" / "vs_show" named variables.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string_view>
#include <vector>

#include "fmc/route_types.h"

// Writes every section and key in file order, into a stream opened in text mode: the active route's
// "FPLN" rows while a route is entered (an active leg, a route state past 0, or an origin typed), and
// in route states 1 and 2 the route built on them ("FPLN_MOD" rows after "fp_mod_cnt") and the cruise
// level a plan read from a file left for its EXEC ("pending_cruise_alt").
void WritePanelStateFile(FILE* f);

// One value line of a file being applied: the key (matched without regard to case) acts as the
// table says; a key the reader does not know, a section header or an empty key does nothing.
// A switch row reads any value but 1 as 0; other values out of a variable's range keep its previous
// value; "FPLN" lines beyond the route table's 201 rows, or without their coordinates, are passed
// over. "HOLD" lines are the loader's.
void ApplyPanelStateKey(std::string_view key, std::string_view value);

// True once after the lines applied set the MCP altitude window (within the knob's range).
bool TakeLoadedMcpAltitude();

// The keys whose rows are switches (a flag read as 0 or 1: any value but 1 reads as 0), in file order.
std::vector<std::string_view> PanelStateSwitchKeys();

// Whether a value text lies within a key's limits: those of the CDU entry that takes the same value
// (fmc/entry_limits.h), the positions of the control, or a place on the globe
// (navdb/coordinate_text.h).
using PanelValueCheck = bool (*)(std::string_view value);
// The keys the reader takes only within limits, with them: a value outside keeps the variable.
struct PanelKeyLimit {
  std::string_view key;
  PanelValueCheck valid;
};
std::vector<PanelKeyLimit> PanelStateKeyLimits();

// Fills `leg` from the 14 comma-separated fields of an "FPLN" value, after resetting it: an empty
// field keeps the reset value, fields after the fourteenth are ignored. False when the latitude or
// the longitude is missing or cannot be read (navdb/coordinate_text.h): such a row is no place and
// adds no leg.
bool ParseFplnRow(std::string_view value, RouteLeg* leg);

// The "HOLD" lines of a file (one a row of the hold table, after the route rows), kept in file order
// until the route they belong to stands; the legs name them by that order. A line that cannot be
// read keeps its place with no leg.
struct SavedHoldRows {
  RouteHold rows[kRouteHoldRows - 1];
  int32_t count = 0;
  // True when the line is a "HOLD" line: it is taken here and nowhere else.
  bool Take(std::string_view key, std::string_view value);
};

// The "FPLN_MOD" lines of a file: a route built and not yet executed (route states 1 and 2), which
// the modified route held over the active route's "FPLN" rows; kept in file order until the loader
// stands the route. A line without its place adds no row (RouteOutline then refuses the file).
struct SavedBuiltRows {
  std::vector<RouteLeg> rows;
  // True when the line is an "FPLN_MOD" line: it is taken here and nowhere else.
  bool Take(std::string_view key, std::string_view value);
};

// What a file holds of its route, gathered line by line before any of it is applied (`applied`:
// the line would act). Every route row must have its coordinates, and while a leg is active, or rows
// stand without one, the rows must be as many as the row count announces; so must the rows of a
// route built and not executed. A file that begins as the writer begins it ("[FLTSIM]") must hold its
// active leg; one that does not and has no route line is whole as it is. A file without a single line
// whose key the reader acts on (empty, comments, blank lines, plain text or unknown keys only) is not
// whole: loaded, it would change nothing.
class RouteOutline {
 public:
  void Take(std::string_view key, std::string_view value, bool applied);
  bool HoldsRoute() const { return has_active_leg_ || rows_.announced || rows_.rows > 0 || rows_.lost; }
  bool Whole() const;
  int32_t Rows() const { return rows_.rows; }
  bool GivesRouteState() const { return has_route_state_; }

 private:
  // Rows of one table and the count announced for them.
  struct RowCount {
    bool announced = false;
    int32_t count = 0;
    int32_t rows = 0;
    bool lost = false;
    void Take(std::string_view value, bool row);  // a row, or else the count
    bool AsAnnounced() const;
  };
  bool first_line_seen_ = false;
  bool begins_as_written_ = false;
  bool key_read_ = false;
  bool has_active_leg_ = false;
  int32_t active_leg_ = 0;
  bool has_route_state_ = false;
  RowCount rows_;
  RowCount built_;
};
