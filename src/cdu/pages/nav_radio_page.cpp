// NAV RADIO (page 49, DrawNavRadioPage in cdu_pages.h): the tuning of both VOR receivers as the
// simulator reports it, and the tuning of VOR L from the scratchpad at 1L. The page keeps no state.
//
// Reads: the VOR tokens (frequencies, VOR L ident, bearing and signal), mag_var, nav_radio_mode, the
// CDU key state. Writes: the scratchpad and the message line; sends the VOR L frequency key event.
#include <cstdint>
#include <string>
#include <string_view>

#include "afds/afds_globals.h"
#include "cdu/cdu_globals.h"
#include "cdu/cdu_keys.h"
#include "cdu/cdu_page_framework.h"
#include "cdu/cdu_pages.h"
#include "fmc/entry_limits.h"
#include "base/geodesy.h"
#include "sim/readers_radio.h"
#include "sim/tick_globals.h"
#include "platform/host_api.h"

namespace {

using cdu::Font;

constexpr uint32_t kVor1FrequencySet = 0x100AC;
constexpr const char* kManuallyTuned = "MANUALLY TUNED";

void TuneVor1() {
  if (nav_radio_mode != 1) {
    cdu::RefuseEntry(kManuallyTuned);
    return;
  }
  int32_t digits = 0;
  if (!VorFrequencyEntry(cdu_scratchpad, &digits)) {
    cdu::RefuseEntry(cdu::kInvalidEntry);
    return;
  }
  // The event takes the frequency in packed decimal, one digit a nibble (113.50 -> 0x11350).
  host::TriggerKeyEvent(kVor1FrequencySet, ConvertRadix(static_cast<uint32_t>(digits), 10, 16));
  cdu::AcceptEntry();
}

}  // namespace

void DrawNavRadioPage(DisplaySurface* surface, gfx::Graphics* graphics) {
  cdu::CduScreen cdu(surface, graphics);
  cdu.Text(5, 0, "        NAV RADIO");
  if (cdu_lsk == cdu_lsk_code::k1L && !cdu_scratchpad.empty()) TuneVor1();

  cdu.Text(0, 26, "  V O R  L", Font::kSmall);
  cdu.Text(300, 26, "V O R  R", Font::kSmall);
  const bool received = ReadVor1Signal() > 0.0;
  const std::string ident = received ? ReadVor1Ident() : std::string();
  // The page spaces its right-hand fields with runs of blanks that only the CDU's narrow blank keeps
  // on the screen; they are drawn as right-aligned fields instead.
  cdu.Text(5, 43, cdu::Format("%3.2f %5s", ReadFreqToken24(), ident.c_str()));
  cdu.TextRight(43, cdu::Format("M %3.2f", ReadFreqToken27()));
  cdu.Text(80, 73, "                 R A D I A L", Font::kSmall);
  if (received) {
    double radial = ReadTokenVar25() - mag_var;
    if (radial > 360.0) {
      radial -= 360.0;
    } else if (radial < 0.0) {
      radial += 360.0;
    }
    cdu.Text(120, 88, cdu::Format("%03.0f", radial));
  }
  cdu.Text(120, 248, "P R E S E L E C T", Font::kSmall);
  cdu.Text(0, 263, "- - - - -", Font::kSmall);
  cdu.TextRight(263, "- - - - - -", Font::kSmall);
  cdu.ScratchpadLine();
}
