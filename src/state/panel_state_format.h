// The panel-state file: a text snapshot of the flight deck in nine sections ("[FLTSIM]", "[FLTPLN]",
// "[EFIS]", "[FMS]", "[PEDESTAL]", "[MCP]", "[MAIN]", "[OVERHEAD]", "[OVCP]") of Key=Value lines.
// One table gives every key in file order with how the writer prints it and what the reader does
// with it, so that writer and reader cannot drift apart.
//
// Writes (on load): the route state and the modified route fms_fpln_mod / fp_mod_cnt (one row per
// "FPLN" line), the EFIS, FMC, MCP, main-panel and overhead state, their named variables, and the
// key events some keys send. Reads (on save): the same globals, the simulator's position, speeds and
// autopilot master, and the "ias_show" / "vs_show" named variables.
#pragma once

#include <cstdio>
#include <string_view>

struct RouteLeg;

// Writes every section and key in file order, the active route's "FPLN" rows included (while a
// route is active), into a stream opened in text mode.
void WritePanelStateFile(FILE* f);

// One value line of a file being applied: the key (matched without regard to case) acts as the
// table says; a key the reader does not know, a section header or an empty key does nothing.
// Values out of a variable's range keep its previous value; "FPLN" lines beyond the route table's
// 201 rows are passed over.
void ApplyPanelStateKey(std::string_view key, std::string_view value);

// Fills `leg` from the 14 comma-separated fields of an "FPLN" value, after resetting it: an empty
// field keeps the reset value, fields after the fourteenth are ignored.
void ParseFplnRow(std::string_view value, RouteLeg* leg);
