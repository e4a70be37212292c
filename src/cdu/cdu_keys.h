// The CDU keyboard: the mouse functions of the "FMS" gauge's keys, and the reset of the one-shot key
// state after a CDU paint.
//
// A key only records itself (a page id and sub-page, a pending line-select code, a one-shot flag)
// or edits the scratchpad and the message line; the page routine of the next CDU paint applies it.
// Every key but the unassigned one and the screen area then sets redraw_tick to 14 so that the CDU
// paints on the next tick. EXEC is the one key that acts at once: it runs the route execution.
// While the simulator is paused (the tick stands still) the CDUs paint all the same in the frames
// after a key, so that keys typed in the pause are applied in the order typed and shown.
// Keys are taken in the order typed whatever the frame: a key that comes while a line-select or
// paging key waits for the paint waits in a queue behind it, and a CDU paint (of either CDU) takes
// the queued keys up to the next such key before its page routine.
//
// Writes: fms_page and the sub-page counters, cdu_lsk, the one-shot flags, cdu_key_queue,
// cdu_scratchpad, cdu_message, cdu_prompt_mode, intc_leg, hold_at_leg, map_ctr_leg, the take-off
// data on EXEC.
#pragma once

#include <cstddef>
#include <cstdint>

#include "draw/display_surface.h"
#include "platform/gauge.h"

#define CDU_KEY_FUNCTIONS(X)                                                               \
  X(CduKeyInitRef) X(CduKeyRte) X(CduKeyDepArr) X(CduKeyVnav) X(CduKeyFix) X(CduKeyLegs)   \
  X(CduKeyHold) X(CduKeyProg) X(CduKeyExec) X(CduKeyUnassigned) X(CduKeyNavRad)            \
  X(CduKeyPrevPage) X(CduKeyNextPage)                                                      \
  X(CduKeyLsk1L) X(CduKeyLsk2L) X(CduKeyLsk3L) X(CduKeyLsk4L) X(CduKeyLsk5L) X(CduKeyLsk6L) \
  X(CduKeyLsk1R) X(CduKeyLsk2R) X(CduKeyLsk3R) X(CduKeyLsk4R) X(CduKeyLsk5R) X(CduKeyLsk6R) \
  X(CduKeyA) X(CduKeyB) X(CduKeyC) X(CduKeyD) X(CduKeyE) X(CduKeyF) X(CduKeyG) X(CduKeyH)   \
  X(CduKeyI) X(CduKeyJ) X(CduKeyK) X(CduKeyL) X(CduKeyM) X(CduKeyN) X(CduKeyO) X(CduKeyP)   \
  X(CduKeyQ) X(CduKeyR) X(CduKeyS) X(CduKeyT) X(CduKeyU) X(CduKeyV) X(CduKeyW) X(CduKeyX)   \
  X(CduKeyY) X(CduKeyZ)                                                                    \
  X(CduKey0) X(CduKey1) X(CduKey2) X(CduKey3) X(CduKey4) X(CduKey5) X(CduKey6) X(CduKey7)  \
  X(CduKey8) X(CduKey9) X(CduKeyDot) X(CduKeySlash)                                        \
  X(CduKeyPlusMinus) X(CduKeySp) X(CduKeyDel) X(CduKeyClr)                                 \
  X(ToggleCduPopup)

// The host's mouse-function form; both arguments are ignored and the result is always 0.
#define RO_DECLARE_CDU_KEY_(name) int32_t name(const gauge::PixelPoint* point, uint32_t mouse_flags);
CDU_KEY_FUNCTIONS(RO_DECLARE_CDU_KEY_)
#undef RO_DECLARE_CDU_KEY_

// The line-select codes of cdu_lsk: 1..5 = 1L..5L, 6..10 = 1R..5R, 11 = 6L, 12 = 6R, 0 = none.
namespace cdu_lsk_code {
inline constexpr int32_t kNone = 0;
inline constexpr int32_t k1L = 1;
inline constexpr int32_t k5L = 5;
inline constexpr int32_t k1R = 6;
inline constexpr int32_t k5R = 10;
inline constexpr int32_t k6L = 11;
inline constexpr int32_t k6R = 12;
}  // namespace cdu_lsk_code

// The most characters the character keys fill the scratchpad with (SP has no limit).
inline constexpr size_t kScratchpadChars = 24;

// Before the page routine of a CDU paint: a line-select key pressed while the route is active
// starts from the route being flown. The modified copy is taken again, since the frame has moved
// the active leg and cleared the constraints passed since the last copy; an EXEC of it must not
// bring them back.
void StartCduKeyOnActiveRoute();

// After the page routine of a CDU paint: the one-shot flags that are 1 and a positive cdu_lsk
// become 0; other values stay.
void ClearCduKeyFlags(DisplaySurface* surface);

// Before the page routine of a CDU paint: the queued keys take their turn, up to and including the
// next line-select or paging key, which the page routine then applies.
void TakeWaitingCduKeys();

// A key was taken and the simulator's tick has not moved since (paused; above 18 frames a second, a
// frame between ticks), or keys wait in the queue: every CDU paints whatever its refresh slot.
bool CduKeyWaitsForPaint();
