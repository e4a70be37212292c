// The 3-D cockpit's EFIS controls. They keep rules of their own beside the 2-D panel's routines:
// the range selector wraps from one end of the ladder to the other, and the mode selector changes
// only its display's mode and its knob. Each cockpit's controls drive its own map display.
#include <iterator>

#include "afds/afds_globals.h"
#include "afds/click_poller_steps.h"
#include "afds/click_protocol.h"
#include "base/int_conversion.h"
#include "sim/tcas_link.h"
#include "nd/nd_globals.h"

namespace click_poller {

namespace {

using panel_input::ClearRequest;
using panel_input::ReadRequest;

constexpr double kRangeLadderNm[] = {10.0, 20.0, 40.0, 80.0, 160.0, 320.0};
constexpr int kRungs = static_cast<int>(std::size(kRangeLadderNm));
constexpr int32_t kTcasRetryFrom = 10;

// The classic-display cockpit, which identification marks with panelstatus_init_done, has the
// classic ND; the others have the flat-panel ND.
bool ClassicCockpit() { return panelstatus_init_done == 1; }

int RungOf(double range_nm) {
  for (int i = 0; i < kRungs; ++i) {
    if (range_nm == kRangeLadderNm[i]) return i;
  }
  return -1;
}

// 1 = one step down, 2 = one step up. A value of 0 or less (or one between 0 and 1) is not a click
// of this selector and stays in the variable.
int32_t SelectorStep(const char* req, uint32_t* req_id) { return TruncToI32(ReadRequest(req, req_id)); }

// Off the ladder (and past either end) the range wraps to the far end.
void RangeSelector() {
  const int32_t k = SelectorStep(RO_REQ(efis_range_switch_clicked));
  if (k <= 0) return;
  if (k == 1 || k == 2) {
    double& range_nm = ClassicCockpit() ? nd_rng_nm : fpnd_rng_nm;
    const int rung = RungOf(range_nm);
    int to = 0;
    if (k == 1) {
      to = rung > 0 ? rung - 1 : kRungs - 1;
    } else {
      to = (rung >= 0 && rung < kRungs - 1) ? rung + 1 : 0;
    }
    range_nm = kRangeLadderNm[to];
    NV_SET(efis_range_switch, to);
  }
  ClearRequest(RO_REQ(efis_range_switch_clicked));
}

void ModeSelector() {
  const int32_t k = SelectorStep(RO_REQ(efis_mode_switch_clicked));
  if (k <= 0) return;
  // The flat-panel ND has MAP (3) and PLAN (4) only.
  int32_t& mode = ClassicCockpit() ? nd_mode : fpnd_mode;
  const int32_t first = ClassicCockpit() ? 1 : 3;
  const bool down = k == 1 && mode > first && mode <= 4;
  const bool up = k == 2 && mode >= first && mode <= 3;
  if (down || up) {
    mode += up ? 1 : -1;
    NV_SET(efis_mode_switch, mode - 1);
  }
  ClearRequest(RO_REQ(efis_mode_switch_clicked));
}

// Without a TCAS module the click reopens the connection attempts.
void TrafficSwitch() {
  const bool clicked = panel_input::OnRequest(RO_REQ(efis_TFC_switch_clicked), [](double) {
    int32_t& flag = ClassicCockpit() ? nd_tfc_on : fp_nd_tfc_on;
    flag = panel_input::Flip01(flag);
    NV_SET(efis_TFC_switch, flag);
    NV_SET(tcas_knob, flag == 1 ? 2.0 : 0.0);
  });
  if (clicked && tcas_serv == nullptr) tcas_flag = kTcasRetryFrom;
}

}  // namespace

void PollEfisClicks() {
  RangeSelector();
  ModeSelector();
  panel_input::OnRequest(RO_REQ(efis_CTR_switch_clicked), [](double) {
    ctr_mode = panel_input::Flip01(ctr_mode);
    NV_SET(efis_CTR_switch, ctr_mode);
  });
  TrafficSwitch();
}

}  // namespace click_poller
