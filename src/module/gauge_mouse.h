// The mouse-rectangle lists of the 21 gauges (each ends with its end row), for the gauge headers.
#pragma once

#include "platform/gauge.h"

// Row type of the FLCH gauge's tooltip row: its function word holds the address of the tooltip
// text, so it is never called.
constexpr int32_t kMouseTooltip = 4;
extern const char kFlchTooltip[];

extern const gauge::MouseRect server_mouse[];
extern const gauge::MouseRect fms_mouse[];
extern const gauge::MouseRect fms_nb_mouse[];
extern const gauge::MouseRect nd_mouse[];
extern const gauge::MouseRect efis_ctrl_mouse[];
extern const gauge::MouseRect radio_stack_mouse[];
extern const gauge::MouseRect upper_eicas_mouse[];
extern const gauge::MouseRect lower_eicas_mouse[];
extern const gauge::MouseRect eadi_mouse[];
extern const gauge::MouseRect tmsp_mouse[];
extern const gauge::MouseRect eicas_msg_sw_mouse[];
extern const gauge::MouseRect eicas_eng_sts_mouse[];
extern const gauge::MouseRect fp_pfd_mouse[];
extern const gauge::MouseRect fp_ehsi_mouse[];
extern const gauge::MouseRect fp_nd_mouse[];
extern const gauge::MouseRect autoland_status_mouse[];
extern const gauge::MouseRect stby_pfd_mouse[];
extern const gauge::MouseRect flch_mouse[];
extern const gauge::MouseRect retro_efis_ctrl_mouse[];
extern const gauge::MouseRect elec_chklist_mouse[];
extern const gauge::MouseRect alt_alert_mouse[];
