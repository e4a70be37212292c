// Mouse-rectangle lists of the 21 gauges. Every list opens with a parent row around all its rows
// and closes with that parent's end row and the end row; a child's box is relative to the parent
// row that encloses it. Cursors: 5 hand, 1 up arrow, 2 down arrow. Flags: left click, or left click
// and release for the rows that repeat while held.
#include "afds/afds_modes.h"
#include "cdu/cdu_keys.h"
#include "module/checklist_gauges.h"
#include "module/display_gauges.h"
#include "module/efis_ctrl_gauges.h"
#include "nd/efis_options.h"
#include "module/gauge_mouse.h"
#include "module/panel_gauge_globals.h"
#include "module/radio_stack_gauge.h"
#include "module/tmsp_eicas_flch_gauges.h"
#include "platform/host_api.h"

namespace {

constexpr uint32_t kHand = 5, kUp = 1, kDown = 2;
constexpr uint32_t kLeft = gauge::kMouseLeftSingle;                 // 0x20000000
constexpr uint32_t kLeftRepeat = gauge::kMouseLeftSingle | 0x00200000u;
constexpr uint32_t kLeftOrRight = gauge::kMouseLeftSingle | gauge::kMouseRightSingle;

constexpr gauge::MouseRect Parent(int32_t x, int32_t y, int32_t w, int32_t h) {
  return {gauge::kMouseParentBegin, x, y, w, h, gauge::kCursorNone, 0, 0, 0, nullptr, 0};
}
constexpr gauge::MouseRect Child(int32_t x, int32_t y, int32_t w, int32_t h, uint32_t cursor, uint32_t flags,
                                 gauge::MouseFunction fn) {
  return {gauge::kMouseChild, x, y, w, h, cursor, 0, flags, 0, fn, 0};
}
constexpr gauge::MouseRect Closing(int32_t type) {
  return {type, 0, 0, 0, 0, gauge::kCursorNone, 0, 0, 0, nullptr, 0};
}
constexpr gauge::MouseRect ParentEnd() { return Closing(gauge::kMouseParentEnd); }
constexpr gauge::MouseRect End() { return Closing(gauge::kMouseEnd); }

// A panel control whose click runs one action (its result, if any, is not the click's).
template <auto kAction>
int32_t Press(const gauge::PixelPoint*, uint32_t) {
  kAction();
  return 0;
}

// A panel button that sends one key event with value 0.
template <uint32_t kEvent>
int32_t SendKeyClick(const gauge::PixelPoint*, uint32_t) {
  host::TriggerKeyEvent(kEvent, 0);
  return 0;
}

}  // namespace

// A control alone in its own parent box; the child fills it.
#define ALONE(x, y, w, h, cursor, flags, fn) \
  Parent(x, y, w, h), Child(0, 0, w, h, cursor, flags, fn), ParentEnd()
// A two-half knob: down on the left, up on the right.
#define HALVES(x, y, w, h, lw, rx, rw, flags, down_fn, up_fn)                                \
  Parent(x, y, w, h), Child(0, 0, lw, h, kDown, flags, down_fn), Child(rx, 0, rw, h, kUp, flags, up_fn), \
      ParentEnd()

const gauge::MouseRect server_mouse[] = {Parent(0, 0, 0, 0), ParentEnd(), End()};

// The CDU keys; the list's parent covers the whole gauge.
#define CDU_PAGE_KEY(x, y, fn) ALONE(x, y, 58, 36, kHand, kLeft, fn)
#define CDU_LSK(x, y, fn) ALONE(x, y, 40, 30, kHand, kLeft, fn)
#define CDU_KEY(x, y, fn) ALONE(x, y, 45, 45, kHand, kLeft, fn)
const gauge::MouseRect fms_mouse[] = {
    Parent(0, 0, 558, 864),
    CDU_PAGE_KEY(70, 409, CduKeyInitRef), CDU_PAGE_KEY(140, 409, CduKeyRte),
    CDU_PAGE_KEY(215, 409, CduKeyDepArr), CDU_PAGE_KEY(357, 409, CduKeyVnav),
    CDU_PAGE_KEY(70, 466, CduKeyFix), CDU_PAGE_KEY(140, 466, CduKeyLegs),
    CDU_PAGE_KEY(215, 466, CduKeyHold), CDU_PAGE_KEY(357, 466, CduKeyProg),
    CDU_PAGE_KEY(437, 466, CduKeyExec), CDU_PAGE_KEY(70, 519, CduKeyUnassigned),
    CDU_PAGE_KEY(140, 519, CduKeyNavRad), CDU_PAGE_KEY(70, 573, CduKeyPrevPage),
    CDU_PAGE_KEY(140, 573, CduKeyNextPage),
    CDU_LSK(4, 96, CduKeyLsk1L), CDU_LSK(4, 140, CduKeyLsk2L), CDU_LSK(4, 184, CduKeyLsk3L),
    CDU_LSK(4, 227, CduKeyLsk4L), CDU_LSK(4, 269, CduKeyLsk5L), CDU_LSK(4, 314, CduKeyLsk6L),
    CDU_LSK(519, 96, CduKeyLsk1R), CDU_LSK(519, 140, CduKeyLsk2R), CDU_LSK(519, 184, CduKeyLsk3R),
    CDU_LSK(519, 227, CduKeyLsk4R), CDU_LSK(519, 269, CduKeyLsk5R), CDU_LSK(519, 314, CduKeyLsk6R),
    CDU_KEY(236, 520, CduKeyA), CDU_KEY(291, 520, CduKeyB), CDU_KEY(346, 520, CduKeyC),
    Parent(403, 520, 45, 45), Child(0, 0, 30, 36, kHand, kLeft, CduKeyD), ParentEnd(),  // D: top-left only
    CDU_KEY(456, 520, CduKeyE),
    CDU_KEY(236, 577, CduKeyF), CDU_KEY(291, 577, CduKeyG), CDU_KEY(346, 577, CduKeyH),
    CDU_KEY(403, 577, CduKeyI), CDU_KEY(456, 577, CduKeyJ),
    CDU_KEY(236, 630, CduKeyK), CDU_KEY(291, 630, CduKeyL), CDU_KEY(346, 630, CduKeyM),
    CDU_KEY(403, 630, CduKeyN), CDU_KEY(456, 630, CduKeyO),
    CDU_KEY(236, 686, CduKeyP), CDU_KEY(291, 686, CduKeyQ), CDU_KEY(346, 686, CduKeyR),
    CDU_KEY(403, 686, CduKeyS), CDU_KEY(456, 686, CduKeyT),
    CDU_KEY(236, 739, CduKeyU), CDU_KEY(291, 739, CduKeyV), CDU_KEY(346, 739, CduKeyW),
    CDU_KEY(403, 739, CduKeyX), CDU_KEY(456, 739, CduKeyY),
    CDU_KEY(236, 795, CduKeyZ),
    CDU_KEY(65, 630, CduKey1), CDU_KEY(123, 630, CduKey2), CDU_KEY(179, 630, CduKey3),
    CDU_KEY(65, 686, CduKey4), CDU_KEY(123, 686, CduKey5), CDU_KEY(179, 686, CduKey6),
    CDU_KEY(65, 739, CduKey7), CDU_KEY(123, 739, CduKey8), CDU_KEY(179, 739, CduKey9),
    CDU_KEY(65, 795, CduKeyDot), CDU_KEY(123, 795, CduKey0), CDU_KEY(403, 795, CduKeySlash),
    CDU_KEY(172, 795, CduKeyPlusMinus), CDU_KEY(291, 795, CduKeySp), CDU_KEY(346, 795, CduKeyDel),
    ALONE(456, 795, 45, 45, kHand, kLeftRepeat, CduKeyClr),
    ALONE(136, 116, 268, 192, kHand, kLeft, ToggleCduPopup),  // the screen: CDU pop-up window
    ParentEnd(), End()};
#undef CDU_PAGE_KEY
#undef CDU_LSK
#undef CDU_KEY

// A display whose screen toggles its pop-up window.
#define SCREEN_LIST(x, y, w, h, fn) {Parent(0, 0, 0, 0), ALONE(x, y, w, h, kHand, kLeft, fn), ParentEnd(), End()}
const gauge::MouseRect fms_nb_mouse[] = SCREEN_LIST(83, 65, 216, 178, FmsNbScreenClick);
const gauge::MouseRect nd_mouse[] = SCREEN_LIST(100, 160, 140, 130, NdScreenClick);
const gauge::MouseRect upper_eicas_mouse[] = SCREEN_LIST(70, 60, 100, 90, UpperEicasScreenClick);
const gauge::MouseRect lower_eicas_mouse[] = SCREEN_LIST(70, 60, 100, 90, LowerEicasScreenClick);
const gauge::MouseRect eadi_mouse[] = SCREEN_LIST(60, 50, 80, 60, EadiScreenClick);
const gauge::MouseRect fp_pfd_mouse[] = SCREEN_LIST(130, 130, 100, 100, FpPfdScreenClick);
const gauge::MouseRect fp_nd_mouse[] = SCREEN_LIST(125, 100, 100, 100, FpNdScreenClick);
#undef SCREEN_LIST

const gauge::MouseRect fp_ehsi_mouse[] = {Parent(0, 0, 0, 0), ParentEnd(), End()};
const gauge::MouseRect autoland_status_mouse[] = {Parent(0, 0, 0, 0), ParentEnd(), End()};
const gauge::MouseRect alt_alert_mouse[] = {Parent(0, 0, 0, 0), ParentEnd(), End()};

const gauge::MouseRect stby_pfd_mouse[] = {
    Parent(0, 0, 0, 0),
    HALVES(80, 85, 24, 30, 12, 13, 12, kLeftRepeat, SendKeyClick<0x1015C>, SendKeyClick<0x1015B>),
    ParentEnd(), End()};

const gauge::MouseRect efis_ctrl_mouse[] = {
    Parent(0, 0, 0, 0),
    HALVES(20, 383, 170, 148, 85, 86, 85, kLeft, Press<DecreaseNdRange>, Press<IncreaseNdRange>),
    HALVES(265, 389, 170, 152, 85, 86, 85, kLeft, Press<DecrementEfisMode>, Press<IncrementEfisMode>),
    ALONE(103, 559, 85, 85, kHand, kLeft, Press<ToggleNdSta>),
    ALONE(188, 559, 85, 85, kHand, kLeft, Press<ToggleNdArpt>),
    ALONE(274, 559, 85, 85, kHand, kLeft, Press<FlipNdData>),
    ALONE(358, 559, 85, 85, kHand, kLeft, Press<ToggleNdWpt>),
    ALONE(122, 174, 34, 36, kHand, kLeft, Press<FlipEfisBtnToggle>),
    ALONE(335, 448, 42, 42, kHand, kLeft, Press<PressCentreButton>),
    ALONE(335, 264, 85, 93, kHand, kLeft, Press<FlipNdRangeRings>),
    HALVES(183, 96, 90, 100, 45, 46, 45, kLeftRepeat, Press<DecisionHeightDown>, Press<DecisionHeightUp>),
    ALONE(89, 450, 50, 50, kHand, kLeft, Press<ToggleEfisTfc>),
    ParentEnd(), End()};

const gauge::MouseRect retro_efis_ctrl_mouse[] = {
    Parent(0, 0, 0, 0),
    HALVES(22, 210, 164, 144, 82, 83, 82, kLeft, Press<EhsiRangeDown>, Press<EhsiRangeUp>),
    HALVES(22, 369, 164, 144, 82, 83, 82, kLeft, Press<EhsiModeDown>, Press<EhsiModeUp>),
    HALVES(265, 210, 164, 144, 82, 83, 82, kLeft, Press<DecreaseNdRange>, Press<IncreaseNdRange>),
    HALVES(265, 369, 164, 144, 82, 83, 82, kLeft, Press<SelectFpNdMap>, Press<SelectFpNdPlan>),
    ALONE(193, 427, 85, 85, kHand, kLeft, Press<FlipEfisSide>),
    ALONE(15, 559, 85, 85, kHand, kLeft, Press<ToggleRangeRingsBySide>),
    ALONE(103, 559, 85, 85, kHand, kLeft, Press<ToggleStaBySide>),
    ALONE(188, 559, 85, 85, kHand, kLeft, Press<ToggleArptBySide>),
    ALONE(274, 559, 85, 85, kHand, kLeft, Press<ToggleDataBySide>),
    ALONE(358, 559, 85, 85, kHand, kLeft, Press<ToggleWptBySide>),
    HALVES(183, 96, 90, 80, 45, 46, 45, kLeftRepeat, Press<DecisionHeightDown>, Press<DecisionHeightUp>),
    ALONE(77, 281, 50, 50, kHand, kLeft, Press<PressTrafficLamp>),
    ALONE(327, 281, 50, 50, kHand, kLeft, Press<ToggleEfisTfc>),
    ParentEnd(), End()};

// Radio rows outside the four knob parents lie at gauge coordinates.
#define RADIO_KEY(x, y, w, h, cursor, event) Child(x, y, w, h, cursor, kLeftRepeat, SendKeyClick<event>)
#define RADIO_LAMP_KEY(x, event) Child(x, 1330, 36, 36, kHand, kLeft, SendKeyClick<event>)
const gauge::MouseRect radio_stack_mouse[] = {
    Parent(0, 0, 0, 0),
    Child(548, 0, 33, 33, kHand, kLeft, RadioPopupClick),
    Parent(68, 148, 94, 94), Child(0, 0, 47, 94, kDown, kLeft, SendKeyClick<0x10064>),
    Child(48, 0, 48, 94, kUp, kLeft, SendKeyClick<0x10065>), ParentEnd(),
    Parent(455, 148, 94, 94), Child(0, 0, 47, 94, kDown, kLeft, SendKeyClick<0x10066>),
    Child(48, 0, 48, 94, kUp, kLeft, SendKeyClick<0x10067>), ParentEnd(),
    Parent(68, 411, 94, 94), Child(0, 0, 47, 94, kDown, kLeft, SendKeyClick<0x10384>),
    Child(48, 0, 48, 94, kUp, kLeft, SendKeyClick<0x10385>), ParentEnd(),
    Parent(455, 411, 94, 94), Child(0, 0, 47, 94, kDown, kLeft, SendKeyClick<0x10386>),
    Child(48, 0, 48, 94, kUp, kLeft, SendKeyClick<0x10388>), ParentEnd(),
    RADIO_KEY(100, 540, 45, 40, kUp, 0x10070), RADIO_KEY(100, 580, 45, 40, kDown, 0x10082),
    RADIO_KEY(145, 540, 27, 40, kUp, 0x10071), RADIO_KEY(145, 580, 27, 40, kDown, 0x10083),
    RADIO_KEY(172, 540, 28, 40, kUp, 0x10072), RADIO_KEY(172, 580, 28, 40, kDown, 0x10084),
    RADIO_KEY(200, 540, 36, 40, kUp, 0x10396), RADIO_KEY(200, 580, 36, 40, kDown, 0x10395),
    RADIO_KEY(335, 540, 45, 40, kUp, 0x103F0), RADIO_KEY(335, 580, 45, 40, kDown, 0x103F4),
    RADIO_KEY(380, 540, 27, 40, kUp, 0x103F1), RADIO_KEY(380, 580, 27, 40, kDown, 0x103F5),
    RADIO_KEY(407, 540, 28, 40, kUp, 0x103F2), RADIO_KEY(407, 580, 28, 40, kDown, 0x103F6),
    RADIO_KEY(435, 540, 36, 40, kUp, 0x103F3), RADIO_KEY(435, 580, 36, 40, kDown, 0x103F7),
    RADIO_KEY(235, 788, 25, 50, kUp, 0x10073), RADIO_KEY(235, 838, 25, 50, kDown, 0x10397),
    RADIO_KEY(261, 788, 26, 50, kUp, 0x10074), RADIO_KEY(261, 838, 26, 50, kDown, 0x10398),
    RADIO_KEY(287, 788, 25, 50, kUp, 0x10075), RADIO_KEY(287, 838, 25, 50, kDown, 0x10399),
    RADIO_KEY(313, 788, 25, 50, kUp, 0x10076), RADIO_KEY(313, 838, 25, 50, kDown, 0x1039A),
    RADIO_KEY(79, 1063, 47, 70, kUp, 0x1006D), RADIO_KEY(127, 1063, 42, 70, kDown, 0x1006C),
    RADIO_KEY(170, 1063, 44, 70, kUp, 0x1006F), RADIO_KEY(215, 1063, 46, 70, kDown, 0x1006E),
    RADIO_KEY(317, 1063, 88, 70, kDown, 0x10080), RADIO_KEY(406, 1063, 44, 70, kUp, 0x10081),
    RADIO_LAMP_KEY(83, 0x1039F), RADIO_LAMP_KEY(138, 0x103A0), RADIO_LAMP_KEY(193, 0x103A1),
    RADIO_LAMP_KEY(248, 0x10132), RADIO_LAMP_KEY(303, 0x10133), RADIO_LAMP_KEY(358, 0x103AD),
    RADIO_LAMP_KEY(413, 0x10134),
    Child(468, 1330, 36, 36, kHand, kLeft, Press<PressRadioLamp8>),
    Child(92, 813, 60, 60, kHand, kLeftOrRight, XpdrModeKnobClick),
    Child(273, 930, 31, 31, kHand, kLeft, Press<PressXpdrIdent>),
    Child(259, 54, 71, 61, kHand, kLeft, Press<PressRadioBtn1>),
    Child(259, 305, 71, 61, kHand, kLeft, Press<PressRadioBtn2>),
    ParentEnd(), End()};
#undef RADIO_KEY
#undef RADIO_LAMP_KEY

#define TMSP_BUTTON(x, y, fn) ALONE(x, y, 19, 19, kHand, kLeft, fn)
const gauge::MouseRect tmsp_mouse[] = {
    Parent(0, 0, 0, 0),
    TMSP_BUTTON(20, 18, Press<PressTmspTo>), TMSP_BUTTON(45, 18, Press<PressTmspMode<3>>),
    TMSP_BUTTON(71, 18, Press<PressTmspMode<4>>), TMSP_BUTTON(97, 18, Press<PressTmspMode<5>>),
    TMSP_BUTTON(20, 59, Press<PressTmspMode<7>>), TMSP_BUTTON(45, 59, Press<PressTmspCrz>),
    HALVES(79, 55, 30, 28, 15, 16, 15, kLeftRepeat, Press<PressTmspTempDown>, Press<PressTmspTempUp>),
    ParentEnd(), End()};
#undef TMSP_BUTTON

const gauge::MouseRect eicas_msg_sw_mouse[] = {
    Parent(0, 0, 0, 0), ALONE(42, 28, 23, 23, kHand, kLeft, Press<PressEicasCancel>),
    ALONE(72, 28, 23, 23, kHand, kLeft, Press<PressEicasRecall>), ParentEnd(), End()};

const gauge::MouseRect eicas_eng_sts_mouse[] = {
    Parent(0, 0, 0, 0), ALONE(0, 0, 20, 20, kHand, kLeft, Press<PressEicasEng>),
    ALONE(21, 0, 20, 20, kHand, kLeft, Press<PressEicasSts>), ParentEnd(), End()};

const char kFlchTooltip[] = "Flight Level Change";
// The tooltip row carries its text where a function would be; the cast keeps the host's layout.
const gauge::MouseRect flch_mouse[] = {
    Parent(0, 0, 0, 0),
    {kMouseTooltip, 0, 0, 0, 0, gauge::kCursorNone, 0, 0, 0,
     reinterpret_cast<gauge::MouseFunction>(const_cast<char*>(kFlchTooltip)), 0},
    ALONE(0, 0, 180, 180, kHand, kLeft, FlchMouseCallback),
    ParentEnd(), End()};

// A checklist column: its page button, then the buttons of items 1..7.
#define CHK(x, y, fn) ALONE(x, y, 28, 28, kHand, kLeft, fn)
#define CHK_ITEM(x, y, ticks, item) CHK(x, y, (Press<PressChecklistItem<ticks, item>>))
#define CHK_COLUMN(x, page_fn, ticks)                                                                 \
  CHK(x, 102, Press<page_fn>), CHK_ITEM(x, 169, ticks, 1), CHK_ITEM(x, 232, ticks, 2),              \
      CHK_ITEM(x, 294, ticks, 3), CHK_ITEM(x, 358, ticks, 4), CHK_ITEM(x, 421, ticks, 5),           \
      CHK_ITEM(x, 483, ticks, 6), CHK_ITEM(x, 547, ticks, 7)
const gauge::MouseRect elec_chklist_mouse[] = {
    Parent(0, 0, 0, 0),
    CHK_COLUMN(20, PressChecklistLeftPage, chk_left_item),
    CHK_COLUMN(320, PressChecklistRightPage, chk_right_item),
    ParentEnd(), End()};
#undef CHK_COLUMN
#undef CHK_ITEM
#undef CHK
#undef ALONE
#undef HALVES
