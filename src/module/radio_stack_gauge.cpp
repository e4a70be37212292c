#include "module/radio_stack_gauge.h"

#include <cmath>
#include <iterator>

#include "afds/afds_globals.h"
#include "module/gauge_common.h"
#include "sim/radio_readers.h"
#include "sim/debug_log.h"
#include "sim/fsuipc_client.h"
#include "sim/tcas_link.h"
#include "module/gauge_elements.h"
#include "module/main_update.h"
#include "sim/named_vars.h"
#include "module/panel_gauge_globals.h"
#include "sim/readers_radio.h"
#include "sim/readout_text.h"
#include "nd/efis_options.h"
#include "platform/host_api.h"

namespace {

constexpr int kElementCount = 24;
constexpr int kFirstReadout = 1;
constexpr int kFirstLamp = 10;
constexpr int kXpdrOnLamp = 18;
constexpr int kBtn1Lamp = 19;
constexpr int kBtn2Lamp = 20;
constexpr int kXpdrKnobPicture = 21;  // 21, 22, 23 for positions 0, 1, 2

constexpr int kIdentTicks = 108;
constexpr uint32_t kFsuipcXpdrStandby = 0x7B91;  // 1 while the knob is at standby
constexpr uint32_t kFsuipcXpdrIdent = 0x7B93;

// The lamp pictures 10..17 in element order.
constexpr double (*kLampTokens[8])() = {&ReadTokenVar874, &ReadTokenVar875, &ReadTokenVar876, &ReadTokenVar877,
                                        &ReadTokenVar878, &ReadTokenVar881, &ReadTokenVar879, &ReadTokenVar880};

void PreDraw(gauge::GaugeHeader* g) {
  const GaugeElements<kElementCount> el(g);
  if (gauge::ElementHeader* first = el[kFirstReadout]) first->image_flags &= ~gauge::kImageDirty;
  // A NaN reading counts as lit.
  for (int i = 0; i < static_cast<int>(std::size(kLampTokens)); ++i) {
    el.Show(kFirstLamp + i, kLampTokens[i]() != 0.0);
  }
  el.Show(kBtn1Lamp, radio_btn1_lamp != 0);
  el.Show(kBtn2Lamp, radio_btn2_lamp != 0);
  if (xpdr_mode >= 0 && xpdr_mode <= 2) {
    el.Show(kXpdrOnLamp, xpdr_mode != 0);
    for (int pos = 0; pos <= 2; ++pos) el.Show(kXpdrKnobPicture + pos, xpdr_mode == pos);
  }
}

const char* AdfPrefix(double khz) { return std::isless(khz, 1000.0) ? "0" : ""; }

}  // namespace

void RadioStackGaugeCallback(gauge::GaugeHeader* g, int32_t service_id, uintptr_t) {
  if (service_id == gauge::kPreUpdate) {
    MainUpdate();
  } else if (service_id == gauge::kPreDraw) {
    PreDraw(g);
  }
}

double FormatFreqTokenVar617Text(gauge::ElementHeader* e) { return FormatReadout(e, "%03.2f", &ReadFreqTokenVar617); }
double FormatFreqTokenVar870Text(gauge::ElementHeader* e) { return FormatReadout(e, "%03.2f", &ReadFreqTokenVar870); }
double FormatFreqTokenVar871Text(gauge::ElementHeader* e) { return FormatReadout(e, "%03.2f", &ReadFreqTokenVar871); }
double FormatAdf1Text(gauge::ElementHeader* e) {
  if (!BlankReadoutWhenUnpowered(e)) {
    const char* prefix = AdfPrefix(ReadAdfFrequency());
    WriteReadoutText(e, "%s%.1f", prefix, ReadAdfFrequency());
  }
  return 0.0;
}
double FormatAdf2Text(gauge::ElementHeader* e) {
  if (!BlankReadoutWhenUnpowered(e)) {
    const char* prefix = AdfPrefix(GetAdf2ActiveFrequency());
    WriteReadoutText(e, "%s%.1f", prefix, GetAdf2ActiveFrequency());
  }
  return 0.0;
}
double FormatXpdrCodeText(gauge::ElementHeader* e) { return FormatReadout(e, "%04.0f", &ReadFreqToken38); }
double FormatToken27Text(gauge::ElementHeader* e) { return FormatReadout(e, "%4.2f", &ReadFreqToken27); }
double FormatTokenVar54Text(gauge::ElementHeader* e) { return FormatReadout(e, "%03.0f", &ReadTokenVar54); }

int32_t RadioPopupClick(const gauge::PixelPoint*, uint32_t) {
  return TogglePanelWindowUnlessBlocked(panel_window::kRadioStack);
}

void PressRadioLamp8() { host::TriggerKeyEvent(0x1013B, ReadTokenVar880() == 0.0 ? 1 : 0); }

int32_t XpdrModeKnobClick(const gauge::PixelPoint*, uint32_t mouse_flags) {
  if (mouse_flags == gauge::kMouseLeftSingle && xpdr_mode > 0) {
    --xpdr_mode;
  } else if (mouse_flags == gauge::kMouseRightSingle && xpdr_mode < 2) {
    ++xpdr_mode;
  }
  NV_SET(xpdr_mode, xpdr_mode == 0 ? 0.0 : 1.0);
  FsuipcWriteByte(kFsuipcXpdrStandby, xpdr_mode == 0 ? 1 : 0);
  sound_event_code = 2;
  return 0;
}

void PressXpdrIdent() {
  FsuipcWriteByte(kFsuipcXpdrIdent, 1);
  NV_SET(xpdr_ident, 1.0);
  xpdr_ident_timer = kIdentTicks;
}

void PressRadioBtn1() {
  host::TriggerKeyEvent(0x10344, 0);
  FlipFlag(&radio_btn1_lamp);
}

void PressRadioBtn2() {
  host::TriggerKeyEvent(0x1038C, 0);
  FlipFlag(&radio_btn2_lamp);
}
