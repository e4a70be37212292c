// Panel-state services that the frame's start-up already calls.
#pragma once

// Will build the stored panel-state list and set pnl_list_cnt.
void ListPanelStates();
// Will set the initial panel state and initialize_server.
void InitPanelState();
// Will distribute a total fuel load (lb) over the tanks and report it in cdu_message.
void LoadFuel(double fuel_lb);
