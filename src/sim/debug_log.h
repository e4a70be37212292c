// The optional developers' log "ze752_data.log": opened by the server gauge while the configuration
// key LogFlightData is 1, written line by line by about twenty routines, never flushed or closed by
// the module. Also the server gauge's THR_LOG block and the periodic flight-data dump.
//
// Reads: LogFlightData and the shared flight, route and autoflight state it prints. Writes: the log,
// log_header_done, and (the dump) vs_chg and autoland_cmd.
#pragma once

#include <cstdint>
#include <cstdio>

#include "base/globals_macros.h"

// The open log; null until opened.
extern FILE* log_file;

#define SIM_DEBUG_LOG_GLOBALS(X)                                                               \
  X(int32_t, log_header_done, 0)  /* 1 once the dump wrote the route listing and table header */ \
  X(int32_t, log_write_failed, 0) /* 1 once a write failed: the log is closed until a fresh load */

RO_DECLARE_GLOBALS(SIM_DEBUG_LOG_GLOBALS)

// Opens "ze752_data.log" (truncated, relative to the current directory) when LogFlightData is 1 and
// the log is not open; a failed open is tried again at the next call, a failed write is not.
void OpenDebugLogIfEnabled();
// Writes one printf-style text while LogFlightData is 1 and the log is open. The text carries its
// own line ends; nothing is added. The first failed write (a full disk) closes the log silently:
// what it holds then is whole up to that point, with no lines missing in between.
void LogLine(const char* format, ...) __attribute__((format(printf, 1, 2)));
// The THR_LOG block of the systems pass.
void WriteThrLog();
// The flight-data dump: once per log the active route and a table header, then one control line and
// one approach line when they apply; consumes vs_chg and autoland_cmd. Does nothing (and consumes
// nothing) while the log is closed.
void DumpFplVnavLog();

// Closes the log (a fresh load starts without one).
void ResetDebugLog();
