// The library's face towards the host: the exported import and linkage records, the load and
// unload entries, the start and stop of the drawing library, and the registration of the module's
// key-event handler with the first TCAS connection attempt.
#pragma once

#include <cstdint>
#include <string>

#include "platform/gauge.h"
#include "platform/host_api.h"  // ImportTable, the other exported record

extern "C" {
extern gauge::LinkageRecord Linkage;  // defined with the gauge table it lists
}

// Load: simulator folder from the current directory, the sound device on the simulator's main
// window (sound_available 1 on success), the SimConnect connection.
void ModuleInit();
// Unload: releases the sound device (when available) and closes SimConnect.
void ModuleDeinit();

// Starts the drawing library and returns the session's token (non-zero).
uintptr_t StartGdiplus();
// Shuts the session of the token down; returns 0 for the caller to store.
uintptr_t StopGdiplus(uintptr_t token);

// Registers KeyEventHandler once (until dis_connect_stuff) and tries the TCAS module while it is
// not connected. May run any number of times.
void connect_stuff();
// Unregisters the key handler and forgets the TCAS connection (nothing is sent to the module).
void dis_connect_stuff();

// One TCAS connection attempt ('A' from connect_stuff, 'B' from the server's post-update),
// logged with its result.
void TryConnectTcas(char attempt);

// sim_root := the current directory when it is empty. A directory of 260 characters or more does
// not fit and leaves it empty.
void FillSimRootIfEmpty();
