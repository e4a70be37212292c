// The gauge headers with their element trees, and the routines every header shares. Element
// trees give the bitmap resource, position, size and initial flags of every element, with the
// readout callbacks and drawing attributes of the string elements; pictures start hidden, drawing
// surfaces ask the host for a device context of their pixel size.
#include "module/gauge_table.h"

#include <array>

#include "sim/radio_readers.h"
#include "module/checklist_gauges.h"
#include "module/display_gauges.h"
#include "module/efis_ctrl_gauges.h"
#include "module/gauge_mouse.h"
#include "module/module_entry.h"
#include "module/radio_stack_gauge.h"
#include "module/server_gauge.h"
#include "module/tmsp_eicas_flch_gauges.h"
#include "platform/host_api.h"

namespace {

constexpr uint32_t kSurfaceFlags = 0x24u | gauge::kImageDrawSurface;  // bright, device-independent
constexpr uint32_t kIconFlags = 0x40000003u;                            // hidden, transparent, erase
constexpr uint32_t kLampFlags = 0x40000027u;                            // hidden lamp image

struct ElementDef {
  int32_t type = gauge::kElementStaticImage;
  int32_t resource = 0;
  int32_t x = 0, y = 0;
  int32_t width = 0, height = 0;  // bitmap size, or the box of a string
  uint32_t flags = 0;
  gauge::StringCallback text = nullptr;
  gauge::StringAttributes attributes{};
};

constexpr ElementDef Image(int32_t res, int32_t w, int32_t h, int32_t x = 0, int32_t y = 0, uint32_t flags = 0) {
  return {gauge::kElementStaticImage, res, x, y, w, h, flags, nullptr, {}};
}
constexpr ElementDef Surface(int32_t res, int32_t w, int32_t h, int32_t x = 0, int32_t y = 0) {
  return Image(res, w, h, x, y, kSurfaceFlags);
}
constexpr ElementDef Icon(int32_t res, int32_t w, int32_t h, int32_t x, int32_t y) {
  return {gauge::kElementIcon, res, x, y, w, h, kIconFlags, nullptr, {}};
}

// The readouts the host draws: the radio stack's in "Quartz" bold on token 335, the decision
// height's in "Arial" on token 615; black behind, yellow to highlight.
constexpr uint32_t kReadoutBlack = 0x000000;
constexpr uint32_t kReadoutYellow = 0x00FFFF;
constexpr uint32_t kRadioReadoutPeach = 0x86AEF6;
constexpr uint32_t kDecisionHeightAmber = 0x3AA3C5;

constexpr gauge::StringAttributes RadioReadout(int32_t max_chars, uint32_t colour) {
  return {{gauge::kNoSourceVar, 335, gauge::kNoSourceVar},
          "Quartz",
          700,
          1,
          gauge::kTextCentre | gauge::kTextVCentre | gauge::kTextSingleLine,
          colour,
          kReadoutBlack,
          kReadoutYellow,
          max_chars};
}
constexpr gauge::StringAttributes kDecisionHeightReadout = {
    {615, gauge::kNoSourceVar, gauge::kNoSourceVar},
    "Arial",
    400,
    1,
    gauge::kTextCentre | gauge::kTextVCentre,
    kDecisionHeightAmber,
    kReadoutBlack,
    kReadoutYellow,
    4};

constexpr ElementDef Text(int32_t x, int32_t y, int32_t w, int32_t h, gauge::StringCallback cb,
                          const gauge::StringAttributes& attributes) {
  return {gauge::kElementString, 0, x, y, w, h, 0, cb, attributes};
}

// The elements of one gauge as a chain, with the pixel sizes they point at and the one-entry
// element list of the header.
template <size_t N>
struct ElementChain {
  gauge::ElementHeader e[N];
  gauge::ElementHeader* links[N][2];
  gauge::PixelSize dims[N];
  gauge::ElementHeader* list[1];

  constexpr explicit ElementChain(const std::array<ElementDef, N>& defs) : e{}, links{}, dims{}, list{} {
    for (size_t i = 0; i < N; ++i) {
      const ElementDef& s = defs[i];
      dims[i] = {s.width, s.height};
      const bool last = i + 1 == N;
      links[i][0] = last ? nullptr : &e[i + 1];
      links[i][1] = nullptr;
      e[i] = {s.type, s.resource, s.x, s.y, nullptr, last ? nullptr : links[i], s.flags, nullptr,
              (s.width > 0 && s.height > 0) ? &dims[i] : nullptr, s.text, nullptr,
              s.attributes.max_chars > 0 ? s.attributes.max_chars + 1 : 0, s.attributes};
    }
    list[0] = &e[0];
  }
};

template <size_t N>
constexpr std::array<ElementDef, N> Defs(const ElementDef (&a)[N]) {
  std::array<ElementDef, N> out{};
  for (size_t i = 0; i < N; ++i) out[i] = a[i];
  return out;
}

constinit ElementChain<1> server_elements{Defs({Image(0, 0, 0)})};

constinit ElementChain<3> fms_elements{Defs({
    Image(262, 558, 864),
    Surface(260, 399, 320, 81, 52),  // CDU screen
    Icon(266, 61, 43, 436, 461),     // EXEC light
})};

constinit ElementChain<1> fms_nb_elements{Defs({Surface(260, 399, 320)})};
constinit ElementChain<1> nd_elements{Defs({Surface(544, 358, 440)})};
constinit ElementChain<1> upper_eicas_elements{Defs({Surface(268, 250, 213)})};
constinit ElementChain<1> lower_eicas_elements{Defs({Surface(268, 250, 213)})};
constinit ElementChain<1> eadi_elements{Defs({Surface(270, 217, 173)})};
constinit ElementChain<1> tmsp_elements{Defs({Image(272, 132, 99)})};
constinit ElementChain<1> eicas_msg_sw_elements{Defs({Image(274, 112, 73)})};
constinit ElementChain<1> eicas_eng_sts_elements{Defs({Image(276, 40, 19)})};
constinit ElementChain<1> fp_pfd_elements{Defs({Surface(5008, 318, 232)})};
constinit ElementChain<1> fp_ehsi_elements{Defs({Surface(544, 358, 440)})};
constinit ElementChain<1> fp_nd_elements{Defs({Surface(544, 358, 440)})};

constinit ElementChain<3> autoland_status_elements{Defs({
    Image(278, 44, 29),
    Icon(336, 44, 14, 0, 15),
    Icon(334, 44, 14, 0, 0),
})};

constinit ElementChain<2> stby_pfd_elements{Defs({
    Surface(5010, 101, 90),
    Icon(5012, 26, 15, 79, 79),  // knob picture
})};

constinit ElementChain<3> flch_elements{Defs({
    Image(304, 73, 73),
    Image(306, 73, 73, 0, 0, kLampFlags),  // lamp of the "757 - 200"
    Image(342, 73, 73, 0, 0, kLampFlags),  // lamp of the "757 - 300"
})};

constinit ElementChain<2> alt_alert_elements{Defs({
    Image(554, 78, 42),
    Icon(556, 78, 42, 0, 0),
})};

// The six range pictures of an EFIS range knob at one position.
#define RANGE_PICTURES(x, y)                                                                   \
  Icon(282, 110, 111, x, y), Icon(284, 104, 108, x, y), Icon(286, 111, 112, x, y),             \
      Icon(288, 112, 111, x, y), Icon(290, 109, 105, x, y), Icon(292, 109, 105, x, y)

constinit ElementChain<16> efis_ctrl_elements{Defs({
    Image(264, 454, 699),
    RANGE_PICTURES(54, 418),                                                  // 1..6
    Icon(294, 107, 109, 301, 414), Icon(296, 109, 112, 301, 414),            // 7, 8: modes
    Icon(298, 110, 110, 301, 414), Icon(300, 111, 109, 301, 414),            // 9, 10
    Icon(302, 41, 42, 120, 594), Icon(302, 41, 42, 205, 594),                // 11 STA, 12 ARPT
    Icon(302, 41, 42, 375, 594), Icon(302, 41, 42, 297, 594),                // 13 WPT, 14 DATA
    Text(183, 96, 103, 48, &FormatDecisionHeightText, kDecisionHeightReadout),  // 15
})};

constinit ElementChain<26> retro_efis_ctrl_elements{Defs({
    Image(312, 454, 699),
    RANGE_PICTURES(43, 248),                                                  // 1..6 EHSI range
    Icon(324, 105, 109, 43, 400), Icon(326, 111, 113, 43, 400),              // 7..9 EHSI mode
    Icon(328, 107, 105, 43, 400),
    RANGE_PICTURES(299, 248),                                                 // 10..15 ND range
    Icon(330, 111, 113, 299, 400), Icon(332, 110, 109, 299, 400),            // 16, 17 ND mode
    Icon(320, 96, 96, 179, 413), Icon(322, 96, 96, 179, 413),                // 18, 19 side
    Text(183, 96, 103, 48, &FormatDecisionHeightText, kDecisionHeightReadout),  // 20
    Icon(302, 41, 42, 120, 594), Icon(302, 41, 42, 205, 594),                // 21 STA, 22 ARPT
    Icon(302, 41, 42, 375, 594), Icon(302, 41, 42, 297, 594),                // 23 WPT, 24 DATA
    Icon(302, 41, 42, 30, 594),                                              // 25 range rings
})};

#undef RANGE_PICTURES

constinit ElementChain<24> radio_stack_elements{Defs({
    Image(546, 579, 1385),
    Text(77, 62, 165, 44, &FormatTokenVar23Text, RadioReadout(6, 0)),  // its colour is made at load
    Text(340, 62, 165, 44, &FormatFreqTokenVar617Text, RadioReadout(6, kRadioReadoutPeach)),
    Text(77, 316, 165, 44, &FormatFreqTokenVar870Text, RadioReadout(6, kRadioReadoutPeach)),
    Text(340, 316, 165, 44, &FormatFreqTokenVar871Text, RadioReadout(6, kRadioReadoutPeach)),
    Text(103, 559, 138, 40, &FormatAdf1Text, RadioReadout(6, kRadioReadoutPeach)),
    Text(338, 559, 138, 40, &FormatAdf2Text, RadioReadout(6, kRadioReadoutPeach)),
    Text(229, 822, 120, 40, &FormatXpdrCodeText, RadioReadout(4, kRadioReadoutPeach)),
    Text(102, 1080, 120, 40, &FormatToken27Text, RadioReadout(6, kRadioReadoutPeach)),
    Text(339, 1080, 120, 40, &FormatTokenVar54Text, RadioReadout(3, kRadioReadoutPeach)),
    Icon(550, 35, 35, 83, 1330), Icon(550, 35, 35, 138, 1330),   // 10..17 lamps
    Icon(550, 35, 35, 193, 1330), Icon(550, 35, 35, 248, 1330),
    Icon(550, 35, 35, 303, 1330), Icon(550, 35, 35, 358, 1330),
    Icon(550, 35, 35, 413, 1330), Icon(550, 35, 35, 468, 1330),
    Icon(552, 54, 19, 230, 802),                                 // 18 transponder on
    Icon(548, 79, 66, 255, 51), Icon(548, 79, 66, 255, 305),     // 19, 20 button lamps
    Icon(558, 143, 102, 58, 777), Icon(560, 143, 102, 58, 777),  // 21..23 mode knob
    Icon(562, 143, 102, 58, 777),
})};

// The first readout's colour is put together from its three bytes once, when the library loads.
[[maybe_unused]] const bool first_radio_readout_coloured = [] {
  radio_stack_elements.e[1].string_attributes.text_colour = gauge::Rgb(0, 250, 0);
  return true;
}();

// The checklist: four pages of a header pair and item pairs (open picture, done picture), all
// 79 x 45, each pair at one position.
struct ChecklistPage {
  int32_t x;
  int32_t bitmaps[6][2];  // header, then items 1..5 (page 1 adds items 6 and 7 below)
};

constexpr int32_t kChecklistY[8] = {90, 161, 223, 287, 349, 413, 476, 538};

constexpr std::array<ElementDef, 53> ChecklistDefs() {
  constexpr ChecklistPage pages[4] = {
      {68, {{344, 346}, {348, 350}, {352, 354}, {356, 358}, {360, 368}, {370, 372}}},
      {68, {{382, 384}, {386, 380}, {388, 376}, {390, 392}, {394, 396}, {398, 400}}},
      {215, {{410, 412}, {360, 368}, {370, 372}, {414, 512}, {514, 396}, {390, 392}}},
      {215, {{516, 518}, {520, 522}, {524, 526}, {528, 530}, {536, 400}, {538, 540}}},
  };
  constexpr int32_t page1_items_6_7[2][2] = {{374, 376}, {378, 380}};
  std::array<ElementDef, 53> out{};
  size_t n = 0;
  out[n++] = Image(542, 373, 650);
  for (int p = 0; p < 4; ++p) {
    const int rows = (p == 0) ? 8 : 6;
    for (int r = 0; r < rows; ++r) {
      const int32_t* pair = (r < 6) ? pages[p].bitmaps[r] : page1_items_6_7[r - 6];
      out[n++] = Icon(pair[0], 79, 45, pages[p].x, kChecklistY[r]);
      out[n++] = Icon(pair[1], 79, 45, pages[p].x, kChecklistY[r]);
    }
  }
  return out;
}

constinit ElementChain<53> elec_chklist_elements{ChecklistDefs()};

constexpr gauge::GaugeHeader Header(const char* name, gauge::ElementHeader* const* elements, uint32_t size,
                                    const gauge::MouseRect* mouse, gauge::GaugeCallback callback) {
  gauge::GaugeHeader h{};
  h.version = gauge::kGaugeHeaderVersion;
  h.gauge_name = name;
  h.elements_list = elements;
  h.query_routine = &GaugeQuery;
  h.install_routine = &GaugeInstall;
  h.initialize_routine = &GaugeInitialize;
  h.update_routine = &GaugeUpdate;
  h.generate_routine = &GaugeGenerate;
  h.draw_routine = &GaugeDraw;
  h.kill_routine = &GaugeKill;
  h.size = size;
  h.mouse_rect = mouse;
  h.gauge_callback = callback;
  return h;
}

// The shared routines hand the host the "SERVER" gauge's root element, whichever gauge they serve.
void HandServerRootToHost(int slot, void* arg) {
  const gauge::GaugeHeader* server = &server_gauge;
  gauge::ElementHeader* root =
      (server != nullptr && server->elements_list != nullptr) ? server->elements_list[0] : nullptr;
  host::ElementService(slot, root, arg);
}

}  // namespace

constinit gauge::GaugeHeader server_gauge =
    Header("SERVER", server_elements.list, 1318, server_mouse, &ServerGaugeCallback);
constinit gauge::GaugeHeader fms_gauge = Header("FMS", fms_elements.list, 1300, fms_mouse, &FmsGaugeCallback);
constinit gauge::GaugeHeader fms_nb_gauge =
    Header("FMS_NB", fms_nb_elements.list, 1302, fms_nb_mouse, &FmsNbGaugeCallback);
constinit gauge::GaugeHeader nd_gauge = Header("ND", nd_elements.list, 1304, nd_mouse, &NdGaugeCallback);
constinit gauge::GaugeHeader efis_ctrl_gauge =
    Header("EFIS_CTRL", efis_ctrl_elements.list, 1306, efis_ctrl_mouse, &EfisCtrlGaugeCallback);
constinit gauge::GaugeHeader radio_stack_gauge =
    Header("RADIO_STACK", radio_stack_elements.list, 1306, radio_stack_mouse, &RadioStackGaugeCallback);
constinit gauge::GaugeHeader upper_eicas_gauge =
    Header("UPPER_EICAS", upper_eicas_elements.list, 1308, upper_eicas_mouse, &UpperEicasGaugeCallback);
constinit gauge::GaugeHeader lower_eicas_gauge =
    Header("LOWER_EICAS", lower_eicas_elements.list, 1310, lower_eicas_mouse, &LowerEicasGaugeCallback);
constinit gauge::GaugeHeader eadi_gauge = Header("EADI", eadi_elements.list, 1312, eadi_mouse, &EadiGaugeCallback);
constinit gauge::GaugeHeader tmsp_gauge = Header("TMSP", tmsp_elements.list, 1314, tmsp_mouse, &TmspGaugeCallback);
constinit gauge::GaugeHeader eicas_msg_sw_gauge =
    Header("EICAS_MSG_SW", eicas_msg_sw_elements.list, 1316, eicas_msg_sw_mouse, &EicasMsgSwGaugeCallback);
constinit gauge::GaugeHeader eicas_eng_sts_gauge =
    Header("EICAS_ENG_STS", eicas_eng_sts_elements.list, 1320, eicas_eng_sts_mouse, &EicasEngStsGaugeCallback);
constinit gauge::GaugeHeader fp_pfd_gauge =
    Header("FP_PFD", fp_pfd_elements.list, 1322, fp_pfd_mouse, &FpPfdGaugeCallback);
constinit gauge::GaugeHeader fp_ehsi_gauge =
    Header("FP_EHSI", fp_ehsi_elements.list, 1324, fp_ehsi_mouse, &FpEhsiGaugeCallback);
constinit gauge::GaugeHeader fp_nd_gauge = Header("FP_ND", fp_nd_elements.list, 1326, fp_nd_mouse, &FpNdGaugeCallback);
constinit gauge::GaugeHeader autoland_status_gauge = Header(
    "AUTOLAND_STATUS", autoland_status_elements.list, 1328, autoland_status_mouse, &AutolandStatusGaugeCallback);
constinit gauge::GaugeHeader stby_pfd_gauge =
    Header("STBY_PFD", stby_pfd_elements.list, 1330, stby_pfd_mouse, &StbyPfdGaugeCallback);
constinit gauge::GaugeHeader flch_gauge = Header("FLCH", flch_elements.list, 1332, flch_mouse, &FlchGaugeCallback);
constinit gauge::GaugeHeader retro_efis_ctrl_gauge = Header(
    "RETRO_EFIS_CTRL", retro_efis_ctrl_elements.list, 1306, retro_efis_ctrl_mouse, &RetroEfisCtrlGaugeCallback);
constinit gauge::GaugeHeader elec_chklist_gauge =
    Header("ELEC_CHKLIST", elec_chklist_elements.list, 1314, elec_chklist_mouse, &ElecChklistGaugeCallback);
constinit gauge::GaugeHeader alt_alert_gauge =
    Header("ALT_ALERT", alt_alert_elements.list, 1332, alt_alert_mouse, &AltAlertGaugeCallback);

void GaugeQuery(gauge::GaugeHeader*, void*) { HandServerRootToHost(host::kElementQuery, nullptr); }
void GaugeInstall(gauge::GaugeHeader*, void* arg) { HandServerRootToHost(host::kElementInstall, arg); }
void GaugeInitialize(gauge::GaugeHeader*, void*) { HandServerRootToHost(host::kElementInitialize, nullptr); }
void GaugeUpdate(gauge::GaugeHeader*, void*) { HandServerRootToHost(host::kElementUpdate, nullptr); }
void GaugeGenerate(gauge::GaugeHeader*, void* arg) { HandServerRootToHost(host::kElementGenerate, arg); }
void GaugeDraw(gauge::GaugeHeader*, void*) { HandServerRootToHost(host::kElementDraw, nullptr); }
void GaugeKill(gauge::GaugeHeader*, void*) { HandServerRootToHost(host::kElementKill, nullptr); }

// The linkage record the library exports: the load and unload entries and the gauges in their order.
extern "C" {
__attribute__((visibility("default"))) gauge::LinkageRecord Linkage = {
    0x00000013, &ModuleInit, &ModuleDeinit, 0, 0, 0x0900,
    {&server_gauge, &fms_gauge, &fms_nb_gauge, &nd_gauge, &efis_ctrl_gauge, &radio_stack_gauge,
     &upper_eicas_gauge, &lower_eicas_gauge, &eadi_gauge, &tmsp_gauge, &eicas_msg_sw_gauge,
     &eicas_eng_sts_gauge, &fp_pfd_gauge, &fp_ehsi_gauge, &fp_nd_gauge, &autoland_status_gauge,
     &stby_pfd_gauge, &flch_gauge, &retro_efis_ctrl_gauge, &elec_chklist_gauge, &alt_alert_gauge, nullptr}};
}
