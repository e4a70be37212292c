#include "sim/debug_log.h"

#include <algorithm>
#include <cstdarg>

#include "afds/afds_globals.h"
#include "fmc/fmc_globals.h"
#include "sim/fuel_tanks.h"
#include "sim/sim_globals.h"
#include "module/panel_gauge_globals.h"
#include "sim/readers_flight.h"
#include "sim/readers_radio.h"
#include "sim/readers_systems.h"
#include "sim/sim_access.h"
#include "sim/tick_globals.h"
#include "platform/winfile.h"
#include "state/config_globals.h"

FILE* log_file = nullptr;
RO_DEFINE_GLOBALS(SIM_DEBUG_LOG_GLOBALS)

namespace {

constexpr double kLandingLineBelowFt = 20.0;
constexpr double kSpoilerDeployed = 1000.0;

// The NAV 1 receiver's station as the simulator reports it.
const char* TunedNavIdent() { return sim::ExpressionText("(A:NAV IDENT:1,string)"); }
double TunedNavFrequency() { return sim::ExpressionF64("(A:NAV ACTIVE FREQUENCY:1,MHz)"); }

void WriteRouteListing() {
  const int last = std::min(fp_cnt, kRouteRows - 1);
  for (int i = 0; i <= last; ++i) {
    const RouteLeg& leg = fms_fpln_act[i];
    const char* format = (i == stpos) ? "***%d - %7s %3.6f %3.6f Restr=%d,IAS=%.0f, ALT %.0f \n"
                                      : "%d - %7s %3.6f %3.6f Restr=%d,IAS=%.0f, ALT %.0f \n";
    LogLine(format, i, leg.ident.c_str(), leg.lat, leg.lon, leg.restr, leg.ias, leg.alt);
  }
  LogLine("-------------------------------------------------------------------------------------\n");
  LogLine("IAS   ACCEL PITCH RATE PITCH  MODE VS_CHG TRGT IAS  ALT  THR_POS VS SPDHLD_VS, SPDHLD_FLSH_CTR   VSBG  "
          "AP MODE\n");
  LogLine("--------------------------------------------------------------------------------------\n");
}

void WriteControlLine() {
  if (flch == 1) {
    LogLine("%3.2f   %-3.3f   %-3.3f    %-3.2f  %d  FLCH  %d  [%-3.1f]-I [%.3f]-M (%.3f)M (%4.0fFT) [%4.0f]-A "
            "%3.0f-T  %3.0f-VS {%3.0f}-V %d (%4.0f-VSB) AP=%.0f\n",
            ias, ias_trend, flch_pitch_rate, flch_pitch, flch, vs_chg, target_ias, target_mach, plane_mach,
            plane_alt, ap_alt_lock, ReadEng1ThrottlePos(), vert_speed, spdhld_vs, spdhld_flsh_ctr,
            ReadTokenVar120(), ReadApMaster());
  } else if (vnav == 1) {
    LogLine("%3.2f   %-3.3f   %-3.3f    %-3.2f  %d  VNAV   [%-3.1f] [%.3f] (%.3fM) (%4.0fFT)  %3.0f   %3.0f  "
            "{%3.0f} %d (%4.0f-VSW) AP=%.0f VL_SS=%.0f, ALT_HLD=%.0f ,WS=%.0f,WD=%.0f, HW=%.0f,FLPS=%.0f,"
            "SPDHLD=%.0f,TOCR=%d,FCSRA=%d,FCAR=%.0f,FFA=%d,CLBIAS=%d\n",
            ias, ias_trend, ias_target_dev, flch_pitch, vs_chg, target_ias, target_mach, plane_mach, plane_alt,
            ReadEng1ThrottlePos(), vert_speed, spdhld_vs, spdhld_flsh_ctr, ReadTokenVar120(), ReadApMaster(),
            vnav_last_set_spd, ReadApAltHold(), wind_speed, wind_dir, head_wind, flap_angle, ReadApSpeed(), toc,
            clb_spd_restr_active, ClbAltRest, fms_fpln_active, climb_ias);
  } else if (autoland_mode >= 2) {
    const int spoilers = (ReadTokenVar326() > kSpoilerDeployed && ReadTokenVar327() > kSpoilerDeployed) ? 1 : 0;
    LogLine("ALND  ALM=%d ALCMD=%d, IAS=%.0f ,RA=%.0f ,PTH=%.1f , PTH_R = %.2f , VS=%.0f , WS=%.0f,WD=%03.0f ,"
            "HW=%.0f,FLPS=%.0f, GRWT=%-3.1f,SPLRS=%d , OnGnd=%d , ABS=%d\n",
            autoland_mode, autoland_cmd, ias, radio_height, -plane_pitch, -alt_rate, vert_speed, wind_speed,
            wind_dir, head_wind, flap_angle, GetTotalFuelWeight() / 1000.0, spoilers, ReadOnGround(),
            auto_brake_status);
  }
}

// The first half of the APPR and LOC lines; they differ only in the label and the blank before VSP.
void WriteApproachHead(const char* format) {
  LogLine(format, plane_lat, plane_lon, ReadApMaster(), ReadApAltHold(), sim_app_hold, ReadApHdgHold(),
          plane_alt, plane_hdg_mag, ias, plane_pitch, plane_bank, flap_angle, gross_weight, ReadVor1Signal(),
          TunedNavIdent(), TunedNavFrequency(), TestTokenVar46Bit40(), TestTokenVar46Bit80(), loc_capture,
          gs_capture, vert_speed);
}

void WriteApproachLine() {
  if (app_mode == 1) {
    WriteApproachHead("APPR  lat=%.6f , lon=%.6f AP=%.0f, APALT=%.0f,APAPP=%.0f,APHDG=%.0f alt=%.0f,hdg=%03.0f,"
                      "ias=%.0f,pitch=%2.2f ,bank=%2.2f flaps=%.0f.grwt=%.0f, vor1_sig=%1.1f, Ident=%s,freq=%.2f,"
                      "LOC=%d, GS=%d, LocCap=%d,GsCap=%d,VSP=%.0f");
    LogLine(",cdi=%.2f,vdi=%.2f ,VS=%.0f , WS=%.0f,WD=%03.0f ,HW=%.0f , OnGnd=%d ,ABS=%d\n", cdi_needle,
            gsi_needle, vert_speed, wind_speed, wind_dir, head_wind, ReadOnGround(), auto_brake_status);
  } else if (loc_mode == 1) {
    WriteApproachHead("LOC  lat=%.6f , lon=%.6f AP=%.0f, APALT=%.0f,APAPP=%.0f,APHDG=%.0f alt=%.0f,hdg=%03.0f,"
                      "ias=%.0f,pitch=%2.2f ,bank=%2.2f flaps=%.0f.grwt=%.0f, vor1_sig=%1.1f, Ident=%s,freq=%.2f,"
                      "LOC=%d, GS=%d, LocCap=%d,GsCap=%d, VSP=%.0f");
    LogLine(",cdi=%2.2f,vdi=%2.2f ,VS=%.0f , WS=%.0f,WD=%03.0f ,HW=%.0f , OnGnd=%d\n", cdi_needle, gsi_needle,
            vert_speed, wind_speed, wind_dir, head_wind, ReadOnGround());
  } else if (radio_height < kLandingLineBelowFt) {
    LogLine("LND  IAS=%.0f ,RA=%.0f , pitch=%.0f , bank=%.0f,OnGnd=%d , ABS=%d\n", ias, radio_height, plane_pitch,
            plane_bank, ReadOnGround(), auto_brake_status);
  }
}

}  // namespace

void OpenDebugLogIfEnabled() {
  if (LogFlightData == 1 && log_file == nullptr && log_write_failed == 0) {
    log_file = platform::OpenStreamingFile("ze752_data.log", "w");
  }
}

void LogLine(const char* format, ...) {
  if (LogFlightData != 1 || log_file == nullptr) return;
  va_list args;
  va_start(args, format);
  const int written = std::vfprintf(log_file, format, args);
  va_end(args);
  if (written < 0 || std::ferror(log_file)) {
    std::fclose(log_file);
    log_file = nullptr;
    log_write_failed = 1;
  }
}

void WriteThrLog() {
  LogLine("THR_LOG  ---------------------------- \n");
  LogLine("tick18=%.0f\n", tick18);
  LogLine("wind_speed=%.0f\n", wind_speed);
  LogLine("wind_dir=%.0f\n", wind_dir);
  LogLine("toc_reached=%d\n", toc);
  LogLine("plane_alt=%.0f\n", plane_alt);
  LogLine("ias=%.0f\n", ias);
  LogLine("plane_mach=%.3f\n", plane_mach);
  LogLine("at_arm=%.0f\n", ReadAtArm());
  LogLine("ap_mach=%.0f\n", ap_mach);
  LogLine("ap_speed=%.0f\n", ap_speed);
  LogLine("ap_spdbug=%.0f\n", ap_spdbug);
  LogLine("ap_mach_bug=%.0f\n", ap_mach_bug);
  LogLine("vnav_mode=%d\n", vnav);
  LogLine("vnav_last_set_spd=%.0f\n", vnav_last_set_spd);
  LogLine("vnav_last_set_mach_spd=%.0f\n", vnav_last_set_mach_spd);
  LogLine("cruise_ias=%d\n", cruise_ias);
  LogLine("target_mach=%.0f\n", target_mach);
  LogLine("cruise_mach=%.0f\n", cruise_mach);
  LogLine("eng1_throttle_pos=%.3f\n", ReadEng1ThrottlePos());
  LogLine("eng2_throttle_pos=%.3f\n", ReadEng2ThrottlePos());
}

void DumpFplVnavLog() {
  if (log_file == nullptr) return;
  if (log_header_done == 0) {
    WriteRouteListing();
    log_header_done = 1;
  }
  WriteControlLine();
  WriteApproachLine();
  vs_chg = 0;
  autoland_cmd = 0;
}

void ResetDebugLog() {
  if (log_file != nullptr) std::fclose(log_file);
  log_file = nullptr;
  RO_RESET_GLOBALS(SIM_DEBUG_LOG_GLOBALS)
}
