// Configuration, identification and panel-state services that the frame's start-up already calls.
#pragma once

#include <cstdint>

// Will read the configuration file once and set cfg_loaded.
void ReadConfigFile();
// Will identify the loaded aircraft from its title (1 identified, 0 try again), counting
// acfg_attempts.
int32_t FindAircraftCfg();
// Will decide the simulator's folder layout (simver).
void DetectSimVersion();
// Will build the stored panel-state list and set pnl_list_cnt.
void ListPanelStates();
// Will set the initial panel state and initialize_server.
void InitPanelState();
// Will distribute a total fuel load (lb) over the tanks and report it in cdu_message.
void LoadFuel(double fuel_lb);
