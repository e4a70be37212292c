// Hand-over of the active route to the simulator's own flight plan: the plan file
// "<sim_root>\Orvantel\Navdata\tmpfplan.pln" in the simulator's XML form (Windows-1252, CR LF),
// loaded through SimConnect.
//
// Reads: fms_fpln_act rows max(stpos - 1, 0)..fp_cnt, stpos, lnav_leg[0] (the leg being flown starts
// at FrId, fr_lat/fr_lon), cruise_alt, fms_fpln_active, simconnect, sim_root. Writes: the plan file.
#pragma once

#include <string>

// The plan file's module path.
std::string SimPlanPath();

// Writes the plan file (when the route state is 3 or more), then, always, asks the simulator to
// load it. EXEC calls it only while the configuration key synchfplanwithfsgps is 1.
void LoadPlanIntoSim();

// Creates or replaces the plan file; nothing is written when it cannot be created. Discontinuity
// rows are left out.
void WriteAceXmlPlan();
