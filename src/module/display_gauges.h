// The callbacks of the nine gauges whose screens the module draws ("FMS_NB", "ND", "UPPER_EICAS",
// "LOWER_EICAS", "EADI", "FP_PFD", "FP_EHSI", "FP_ND", "STBY_PFD"), their pop-up mouse functions,
// and the CDU screen chores they share with the "FMS" gauge (the start-up chores are gauge_common.h's).
//
// Which instance draws: the 2-D panel's instance paints normally unless the display's pop-up
// window is open elsewhere, when it paints only the background; the "VC" instance (3-D cockpit)
// does not paint while the 2-D panel (window 0) is shown; the "WN" instance (inside the pop-up)
// always paints. Parameter texts compare exactly and case-sensitively.
//
// Reads: the panel windows (host), aircraft_identified, acfg_attempts, gdiplus_token, nav_apts_cnt,
// fpl_list_loaded, fms_page. Writes: the root element's on-screen mark (bit 31), the standby knob
// picture's hidden bit, gdiplus_token, aircraft_identified, fms_page.
#pragma once

#include <cstdint>

#include "module/gauge_common.h"
#include "platform/gauge.h"

// The CDU screen of "FMS" (element 1) and "FMS_NB" (element 0): the "VC" instance skips the paint
// while the 2-D panel or the CDU pop-up is shown; every other paint is a normal one. The element's
// on-screen mark is cleared whenever the element exists.
void CduScreenPreDraw(gauge::GaugeHeader* gauge, int element);
// Connect-to-window of "FMS" and "FMS_NB": identification, simulator folder, drawing library, data
// loads, and the IDENT page when no page is set.
void CduConnectToWindow();

void FmsNbGaugeCallback(gauge::GaugeHeader* gauge, int32_t service_id, uintptr_t extra);
void NdGaugeCallback(gauge::GaugeHeader* gauge, int32_t service_id, uintptr_t extra);
void UpperEicasGaugeCallback(gauge::GaugeHeader* gauge, int32_t service_id, uintptr_t extra);
void LowerEicasGaugeCallback(gauge::GaugeHeader* gauge, int32_t service_id, uintptr_t extra);
void EadiGaugeCallback(gauge::GaugeHeader* gauge, int32_t service_id, uintptr_t extra);
void FpPfdGaugeCallback(gauge::GaugeHeader* gauge, int32_t service_id, uintptr_t extra);
void FpEhsiGaugeCallback(gauge::GaugeHeader* gauge, int32_t service_id, uintptr_t extra);
void FpNdGaugeCallback(gauge::GaugeHeader* gauge, int32_t service_id, uintptr_t extra);
void StbyPfdGaugeCallback(gauge::GaugeHeader* gauge, int32_t service_id, uintptr_t extra);

// Screen clicks: toggle the display's pop-up window and return the host's result. All but
// "FMS_NB" and "LOWER_EICAS" do nothing (and return 0) while window 20000 is shown.
int32_t FmsNbScreenClick(const gauge::PixelPoint* point, uint32_t mouse_flags);
int32_t NdScreenClick(const gauge::PixelPoint* point, uint32_t mouse_flags);
int32_t UpperEicasScreenClick(const gauge::PixelPoint* point, uint32_t mouse_flags);
int32_t LowerEicasScreenClick(const gauge::PixelPoint* point, uint32_t mouse_flags);
int32_t EadiScreenClick(const gauge::PixelPoint* point, uint32_t mouse_flags);
int32_t FpPfdScreenClick(const gauge::PixelPoint* point, uint32_t mouse_flags);
int32_t FpNdScreenClick(const gauge::PixelPoint* point, uint32_t mouse_flags);
