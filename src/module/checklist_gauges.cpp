#include "module/checklist_gauges.h"

#include "afds/afds_globals.h"
#include "module/gauge_common.h"
#include "sim/debug_log.h"
#include "sim/fsuipc_client.h"
#include "sim/tcas_link.h"
#include "module/gauge_elements.h"
#include "module/main_update.h"
#include "module/module_entry.h"
#include "module/panel_gauge_globals.h"
#include "nd/efis_options.h"

namespace {

constexpr int kChecklistElements = 53;

// One checklist page: the elements of the other page of its column (hidden while it is shown),
// its header pair and its item pairs (open picture, done picture), item k at first_item + 2(k-1).
struct ChecklistPage {
  int other_first, other_last;
  int header;
  int first_item;
  int items;
};

constexpr ChecklistPage kPages[4] = {
    {17, 28, 1, 3, 7},
    {1, 16, 17, 19, 5},
    {41, 52, 29, 31, 5},
    {29, 40, 41, 43, 5},
};

void ShowPage(const GaugeElements<kChecklistElements>& el, const ChecklistPage& page, const int32_t* ticks,
              int32_t* done) {
  el.HideRange(page.other_first, page.other_last);
  if (*done == 0) {
    el.Show(page.header, true);
    el.Hide(page.header + 1);
  }
  bool all_ticked = true;
  for (int k = 0; k < page.items; ++k) {
    const int open = page.first_item + 2 * k;
    el.Show(open, ticks[k] == 0);
    el.Show(open + 1, ticks[k] != 0);
    all_ticked = all_ticked && ticks[k] == 1;
  }
  if (all_ticked) {
    *done = 1;
    el.Hide(page.header);
    el.Show(page.header + 1, true);
  } else if (*done == 1) {
    // The header keeps its done picture until the next pass.
    *done = 0;
  }
}

void ChecklistPass(gauge::GaugeHeader* g) {
  const GaugeElements<kChecklistElements> el(g);
  if (chk_left_page == 1 || chk_left_page == 2) {
    ShowPage(el, kPages[chk_left_page - 1], chk_left_item, &chk_left_done);
  }
  if (chk_right_page == 3 || chk_right_page == 4) {
    ShowPage(el, kPages[chk_right_page - 1], chk_right_item, &chk_right_done);
  }
}

// A page button: from no page or the second page to the first (clearing items 6 and 7 too), else
// to the second; items 1..5 and the completion are cleared either way.
void PressPageButton(int32_t* page, int32_t first_page, int32_t* ticks, int32_t* done) {
  if (*page == 0 || *page == first_page + 1) {
    *page = first_page;
    ticks[5] = 0;
    ticks[6] = 0;
  } else {
    *page = first_page + 1;
  }
  *done = 0;
  for (int k = 0; k < 5; ++k) ticks[k] = 0;
  sound_event_code = 2;
}

void AutolandPictures(gauge::GaugeHeader* g) {
  const GaugeElements<3> el(g);
  const bool irs_aligned = irs_l_anun_mode == 3 && irs_c_anun_mode == 3 && irs_r_anun_mode == 3;
  el.Show(1, !irs_aligned && ac_power > 1);
  el.Show(2, autoland_mode >= 2);
}

}  // namespace

void ElecChklistGaugeCallback(gauge::GaugeHeader* g, int32_t service_id, uintptr_t) {
  if (service_id == gauge::kPreUpdate) ChecklistPass(g);
}

void AutolandStatusGaugeCallback(gauge::GaugeHeader* g, int32_t service_id, uintptr_t) {
  switch (service_id) {
    case gauge::kPreUpdate:
      MainUpdate();
      AutolandPictures(g);
      break;
    case gauge::kConnectToWindow:
      LogLine("PANEL_SERVICE_CONNECT_TO_WINDOW:  #15 \n\n");
      FillSimRootIfEmpty();
      StartGdiplusOnce();
      break;
    case gauge::kDisconnect: StopGdiplusIfStarted(); break;
    default: break;
  }
}

void AltAlertGaugeCallback(gauge::GaugeHeader* g, int32_t service_id, uintptr_t) {
  if (service_id != gauge::kPreDraw) return;
  MainUpdate();
  GaugeElements<2>(g).Show(1, alt_alert_state == 3);
}

void PressChecklistLeftPage() { PressPageButton(&chk_left_page, 1, chk_left_item, &chk_left_done); }
void PressChecklistRightPage() { PressPageButton(&chk_right_page, 3, chk_right_item, &chk_right_done); }

void FlipChecklistTick(int32_t* ticks, int item) {
  if (item >= 1 && item <= kChecklistItems) FlipFlag(&ticks[item - 1]);
  sound_event_code = 2;
}
