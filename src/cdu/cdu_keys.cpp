#include "cdu/cdu_keys.h"

#include <algorithm>
#include <initializer_list>
#include <string>

#include "cdu/cdu_globals.h"
#include "cdu/cdu_pages.h"
#include "fmc/fmc_globals.h"
#include "fmc/perf_tables.h"
#include "fmc/route_exec.h"
#include "fmc/route_model.h"
#include "sim/readers_flight.h"
#include "sim/tick_globals.h"
#include "platform/host_api.h"
#include "state/config_globals.h"

namespace {

constexpr int32_t kCduPaintSlot = 14;  // the slot before one that every usual CDU rate paints
constexpr uint32_t kCduPopupWindow = 5000;
constexpr int32_t kVnavClb = 1;
constexpr int32_t kVnavCrz = 2;
constexpr int32_t kVnavDes = 3;

// The run stamp lets the CDUs paint a key typed while the simulator is paused (no tick to bring the
// paint slot): in a pause the keys are applied in the order typed and shown, one frame each.
int32_t KeyDone() {
  redraw_tick = kCduPaintSlot;
  cdu_key_run = tick_runs;
  return 0;
}

int32_t OpenPage(int32_t page) {
  fms_page = page;
  return KeyDone();
}

int32_t LineSelect(int32_t code) {
  cdu_lsk = code;
  return KeyDone();
}

int32_t TypeChar(char c) {
  if (cdu_scratchpad.size() < kScratchpadChars) cdu_scratchpad += c;
  return KeyDone();
}

void ClearOneShot(int32_t& flag) {
  if (flag == 1) flag = 0;
}

// A line-select or paging key is applied by the page routine of the next CDU paint, on the page and
// the scratchpad as they stand then.
bool KeyAwaitsPaint() { return cdu_lsk > 0 || cdu_prev_page == 1 || cdu_next_page == 1; }

// Keys are taken in the order typed, whatever the frame: a key that comes while one waits for the
// paint (a letter would run into its entry, a page key move it to another page, EXEC come before
// it) waits behind it, with the keys typed after it.
int32_t InTurn(int32_t (*key)()) {
  if (!KeyAwaitsPaint() && cdu_key_queue.count == 0) return key();
  if (cdu_key_queue.count < CduKeyQueue::kCapacity) cdu_key_queue.keys[cdu_key_queue.count++] = key;
  return 0;
}

// What each key does in its turn.
int32_t ApplyInitRef() {
  if (ReadOnGround() == 0) {
    fms_page = kCduPageApproachRef;
    SelectSpeedsByWeight();
  } else {
    fms_page = kCduPagePerfInit;
    perf_page = 1;
  }
  return KeyDone();
}

int32_t ApplyRte() {
  rte_page = 1;
  cdu_rte_key = 1;
  return OpenPage(kCduPageRte);
}

int32_t ApplyDepArr() { return OpenPage(kCduPageDepArrIndex); }

int32_t ApplyVnav() {
  if (fms_page != kCduPageVnav) {
    fms_page = kCduPageVnav;
    if (toc == 1 && tod == 0) {
      vnav_page = kVnavCrz;
    } else if (tod == 1) {
      vnav_page = kVnavDes;
    } else if (toc == 0) {
      vnav_page = kVnavClb;
    }
  } else {
    vnav_page = vnav_page + 1 > kVnavDes ? kVnavClb : vnav_page + 1;
  }
  return KeyDone();
}

int32_t ApplyFix() {
  fix_page = 1;
  return OpenPage(kCduPageFixInfo);
}

int32_t ApplyLegs() {
  legs_page = 1;
  cdu_legs_key = 1;
  cdu_prompt_mode = 0;
  intc_leg = 0;
  hold_at_leg = 0;
  return OpenPage(kCduPageRteLegs);
}

int32_t ApplyHold() {
  cdu_hold_key = 1;
  if (hold_cnt == 0) {
    // No hold yet: RTE LEGS offers the HOLD AT prompt.
    map_ctr_leg = 0;
    cdu_prompt_mode = 2;
    fms_page = kCduPageRteLegs;
  } else {
    fms_page = kCduPageRteHold;
  }
  hold_page = 1;
  return KeyDone();
}

int32_t ApplyProg() {
  prog_page = 1;
  return OpenPage(kCduPageProgress);
}

int32_t ApplyExec() {
  if (fms_fpln_active == 2) {
    // The take-off and landing data start from the configuration; a speed configured as 0 is
    // therefore not marked as set.
    v1 = v1_set = cfg_v1;
    vr = vr_set = cfg_vr;
    v2 = v2_set = cfg_v2;
    to_flaps = ToFlaps;
    ldg_flaps = LdgFlaps;
    vref = cfg_vref;
    ExecRoute();
  } else if (fms_fpln_active == 4) {
    ExecRoute();
  }
  return KeyDone();
}

int32_t ApplyNavRad() { return OpenPage(kCduPageNavRadio); }

int32_t ApplyPrevPage() {
  cdu_prev_page = 1;
  return KeyDone();
}

int32_t ApplyNextPage() {
  cdu_next_page = 1;
  return KeyDone();
}

}  // namespace

#define RO_CDU_KEY_(name) \
  int32_t CduKey##name(const gauge::PixelPoint*, uint32_t) { return InTurn(&Apply##name); }
RO_CDU_KEY_(InitRef)
RO_CDU_KEY_(Rte)
RO_CDU_KEY_(DepArr)
RO_CDU_KEY_(Vnav)
RO_CDU_KEY_(Fix)
RO_CDU_KEY_(Legs)
RO_CDU_KEY_(Hold)
RO_CDU_KEY_(Prog)
RO_CDU_KEY_(Exec)
RO_CDU_KEY_(NavRad)
RO_CDU_KEY_(PrevPage)
RO_CDU_KEY_(NextPage)

int32_t CduKeyUnassigned(const gauge::PixelPoint*, uint32_t) { return 0; }

#define RO_CDU_LSK_(name, code) \
  int32_t name(const gauge::PixelPoint*, uint32_t) { return InTurn([] { return LineSelect(code); }); }
RO_CDU_LSK_(CduKeyLsk1L, 1)
RO_CDU_LSK_(CduKeyLsk2L, 2)
RO_CDU_LSK_(CduKeyLsk3L, 3)
RO_CDU_LSK_(CduKeyLsk4L, 4)
RO_CDU_LSK_(CduKeyLsk5L, 5)
RO_CDU_LSK_(CduKeyLsk6L, cdu_lsk_code::k6L)
RO_CDU_LSK_(CduKeyLsk1R, 6)
RO_CDU_LSK_(CduKeyLsk2R, 7)
RO_CDU_LSK_(CduKeyLsk3R, 8)
RO_CDU_LSK_(CduKeyLsk4R, 9)
RO_CDU_LSK_(CduKeyLsk5R, 10)
RO_CDU_LSK_(CduKeyLsk6R, cdu_lsk_code::k6R)
#undef RO_CDU_LSK_

#define RO_CDU_CHAR_KEY_(name, ch) \
  int32_t name(const gauge::PixelPoint*, uint32_t) { return InTurn([] { return TypeChar(ch); }); }
RO_CDU_CHAR_KEY_(CduKeyA, 'A')
RO_CDU_CHAR_KEY_(CduKeyB, 'B')
RO_CDU_CHAR_KEY_(CduKeyC, 'C')
RO_CDU_CHAR_KEY_(CduKeyD, 'D')
RO_CDU_CHAR_KEY_(CduKeyE, 'E')
RO_CDU_CHAR_KEY_(CduKeyF, 'F')
RO_CDU_CHAR_KEY_(CduKeyG, 'G')
RO_CDU_CHAR_KEY_(CduKeyH, 'H')
RO_CDU_CHAR_KEY_(CduKeyI, 'I')
RO_CDU_CHAR_KEY_(CduKeyJ, 'J')
RO_CDU_CHAR_KEY_(CduKeyK, 'K')
RO_CDU_CHAR_KEY_(CduKeyL, 'L')
RO_CDU_CHAR_KEY_(CduKeyM, 'M')
RO_CDU_CHAR_KEY_(CduKeyN, 'N')
RO_CDU_CHAR_KEY_(CduKeyO, 'O')
RO_CDU_CHAR_KEY_(CduKeyP, 'P')
RO_CDU_CHAR_KEY_(CduKeyQ, 'Q')
RO_CDU_CHAR_KEY_(CduKeyR, 'R')
RO_CDU_CHAR_KEY_(CduKeyS, 'S')
RO_CDU_CHAR_KEY_(CduKeyT, 'T')
RO_CDU_CHAR_KEY_(CduKeyU, 'U')
RO_CDU_CHAR_KEY_(CduKeyV, 'V')
RO_CDU_CHAR_KEY_(CduKeyW, 'W')
RO_CDU_CHAR_KEY_(CduKeyX, 'X')
RO_CDU_CHAR_KEY_(CduKeyY, 'Y')
RO_CDU_CHAR_KEY_(CduKeyZ, 'Z')
RO_CDU_CHAR_KEY_(CduKey0, '0')
RO_CDU_CHAR_KEY_(CduKey1, '1')
RO_CDU_CHAR_KEY_(CduKey2, '2')
RO_CDU_CHAR_KEY_(CduKey3, '3')
RO_CDU_CHAR_KEY_(CduKey4, '4')
RO_CDU_CHAR_KEY_(CduKey5, '5')
RO_CDU_CHAR_KEY_(CduKey6, '6')
RO_CDU_CHAR_KEY_(CduKey7, '7')
RO_CDU_CHAR_KEY_(CduKey8, '8')
RO_CDU_CHAR_KEY_(CduKey9, '9')
RO_CDU_CHAR_KEY_(CduKeyDot, '.')
RO_CDU_CHAR_KEY_(CduKeySlash, '/')
#undef RO_CDU_CHAR_KEY_

namespace {

int32_t ApplyPlusMinus() {
  if (cdu_scratchpad.size() < kScratchpadChars) {
    // Repeated presses after a number toggle its trailing sign.
    if (!cdu_scratchpad.empty() && cdu_scratchpad.back() == '-') {
      cdu_scratchpad.back() = '+';
    } else if (!cdu_scratchpad.empty() && cdu_scratchpad.back() == '+') {
      cdu_scratchpad.back() = '-';
    } else {
      cdu_scratchpad += '-';
    }
  }
  return KeyDone();
}

int32_t ApplySp() {
  if (cdu_message == "DELETE") {
    cdu_scratchpad.clear();
    cdu_message.clear();
  } else {
    cdu_scratchpad += ' ';  // no length test on this key
  }
  return KeyDone();
}

int32_t ApplyDel() {
  cdu_message = "DELETE";
  return KeyDone();
}

int32_t ApplyClr() {
  if (!cdu_message.empty()) {
    cdu_message.clear();
  } else if (!cdu_scratchpad.empty()) {
    cdu_scratchpad.pop_back();
  }
  return KeyDone();
}

}  // namespace

RO_CDU_KEY_(PlusMinus)
RO_CDU_KEY_(Sp)
RO_CDU_KEY_(Del)
RO_CDU_KEY_(Clr)
#undef RO_CDU_KEY_

int32_t ToggleCduPopup(const gauge::PixelPoint*, uint32_t) {
  host::TogglePanelWindow(kCduPopupWindow);
  return 0;
}

void StartCduKeyOnActiveRoute() {
  if (cdu_lsk > 0 && fms_fpln_active == 3) CopyActiveToModRoute();
}

void ClearCduKeyFlags(DisplaySurface*) {
  for (int32_t* flag : {&cdu_key_spare, &cdu_prev_page, &cdu_next_page, &cdu_legs_key, &cdu_hold_key, &cdu_rte_key}) {
    ClearOneShot(*flag);
  }
  if (cdu_lsk > 0) cdu_lsk = 0;
}

void TakeWaitingCduKeys() {
  // The keys act inside a paint: the frame's redraw slot stays for the displays that paint after it.
  const int32_t slot = redraw_tick;
  int taken = 0;
  while (taken < cdu_key_queue.count && !KeyAwaitsPaint()) cdu_key_queue.keys[taken++]();
  std::copy(cdu_key_queue.keys + taken, cdu_key_queue.keys + cdu_key_queue.count, cdu_key_queue.keys);
  cdu_key_queue.count -= taken;
  redraw_tick = slot;
}

bool CduKeyWaitsForPaint() { return cdu_key_run == tick_runs || cdu_key_queue.count > 0; }
