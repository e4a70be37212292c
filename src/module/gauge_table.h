// The 21 gauges the library exports, in the order of the linkage record: their headers, element
// trees and mouse-rectangle lists, and the seven service routines every header shares.
//
// Element trees are chains: element n is the first child of element n - 1 (root = 0), which is how
// the show/hide helpers and the host find element n. Mouse lists open with a parent row around
// everything; a child's box is relative to the parent row that encloses it.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/gauge.h"

constexpr int kGaugeCount = 21;

extern gauge::GaugeHeader server_gauge;           // "SERVER"
extern gauge::GaugeHeader fms_gauge;              // "FMS"
extern gauge::GaugeHeader fms_nb_gauge;           // "FMS_NB"
extern gauge::GaugeHeader nd_gauge;               // "ND"
extern gauge::GaugeHeader efis_ctrl_gauge;        // "EFIS_CTRL"
extern gauge::GaugeHeader radio_stack_gauge;      // "RADIO_STACK"
extern gauge::GaugeHeader upper_eicas_gauge;      // "UPPER_EICAS"
extern gauge::GaugeHeader lower_eicas_gauge;      // "LOWER_EICAS"
extern gauge::GaugeHeader eadi_gauge;             // "EADI"
extern gauge::GaugeHeader tmsp_gauge;             // "TMSP"
extern gauge::GaugeHeader eicas_msg_sw_gauge;     // "EICAS_MSG_SW"
extern gauge::GaugeHeader eicas_eng_sts_gauge;    // "EICAS_ENG_STS"
extern gauge::GaugeHeader fp_pfd_gauge;           // "FP_PFD"
extern gauge::GaugeHeader fp_ehsi_gauge;          // "FP_EHSI"
extern gauge::GaugeHeader fp_nd_gauge;            // "FP_ND"
extern gauge::GaugeHeader autoland_status_gauge;  // "AUTOLAND_STATUS"
extern gauge::GaugeHeader stby_pfd_gauge;         // "STBY_PFD"
extern gauge::GaugeHeader flch_gauge;             // "FLCH"
extern gauge::GaugeHeader retro_efis_ctrl_gauge;  // "RETRO_EFIS_CTRL"
extern gauge::GaugeHeader elec_chklist_gauge;     // "ELEC_CHKLIST"
extern gauge::GaugeHeader alt_alert_gauge;        // "ALT_ALERT"

// The seven routines of every header: each hands the "SERVER" gauge's root element (whichever
// gauge it is called for) to its host service, slots 24..29 and 31; install and generate pass their
// argument on.
void GaugeQuery(gauge::GaugeHeader* gauge, void* arg);
void GaugeInstall(gauge::GaugeHeader* gauge, void* arg);
void GaugeInitialize(gauge::GaugeHeader* gauge, void* arg);
void GaugeUpdate(gauge::GaugeHeader* gauge, void* arg);
void GaugeGenerate(gauge::GaugeHeader* gauge, void* arg);
void GaugeDraw(gauge::GaugeHeader* gauge, void* arg);
void GaugeKill(gauge::GaugeHeader* gauge, void* arg);
