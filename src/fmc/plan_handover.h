// Hand-over of the active route to the simulator's own flight plan: the plan file
// "<sim_root>\Orvantel\Navdata\tmpfplan.pln" in the simulator's XML form (Windows-1252, CR LF),
// loaded through SimConnect.
//
// Reads: fms_fpln_act rows max(stpos - 1, 0)..fp_cnt, stpos, lnav_leg[0] (the leg being flown starts
// at FrId, fr_lat/fr_lon), cruise_alt, fms_fpln_active, simconnect, sim_root. Writes: the plan file,
// cdu_message when it fails.
#pragma once

#include <string>

// The plan file's module path.
std::string SimPlanPath();

// The CDU message of a plan file that could not be written.
inline constexpr const char* kSimPlanFailedMessage = "tmpfplan.pln Unable to Save";

// While the route state is 3 or more: writes the plan file and asks the simulator to load it. A
// plan that cannot be written is reported on the CDU (kSimPlanFailedMessage) and not handed over.
// EXEC calls it only while the configuration key synchfplanwithfsgps is 1.
void LoadPlanIntoSim();

// Creates or replaces the plan file whole, or leaves the previous one as it was and returns false.
// Discontinuity rows are left out; route texts are escaped as XML.
bool WriteAceXmlPlan();
