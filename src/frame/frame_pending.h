// Services of this subsystem that are not built yet, as the life cycle already calls them: the
// TCAS link, the debug log, the FSUIPC client, the per-tick driver, the gauge callbacks, mouse
// functions and string callbacks of the panel gauges, and the ADF reader. Each stub does nothing and returns the neutral value.
#pragma once

#include <cstdint>
#include <cstdio>

#include "frame/globals_macros.h"
#include "platform/gauge.h"

// TCAS link state.
#define FRAME_TCAS_SCALARS(X)                                                      \
  X(int32_t, tcas_server_connect, 0)  /* 1 once a service record was delivered */  \
  X(void*, tcas_serv, nullptr)        /* the TCAS module's service record */       \
  X(int32_t, tcas_flag, 0)            /* attempt counter of attempt B; 21 connected */ \
  X(double, tcas_callback_tick, 0.0)

RO_DECLARE_GLOBALS(FRAME_TCAS_SCALARS)

using TcasCallback = void (*)(void* service_record);
// Will look the TCAS module up (host slot 39, interface version 38) and call its connect routine;
// 0 connected, 1 module not found.
int32_t ConnectTcasModule(const void* client_arg, TcasCallback callback, uint32_t user_word);
// Will keep the delivered service record and mark the link connected.
void TcasConnectCallback(void* service_record);

// Traffic targets taken from the TCAS module's intruder list: rows 1..tcas_target_cnt (at most 5).
struct TcasTarget {
  double brg_deg;  // true bearing from the aircraft
  double dist_nm;
  double rel_alt;  // hundreds of feet, positive above
  char threat;     // 'O', 'P', 'T' or 'R'
  char zero;
  char trend;      // '-', '^' or 'v'
};
inline constexpr int32_t kTcasTargetRows = 6;
extern TcasTarget tcas_targets[kTcasTargetRows];
extern int32_t tcas_target_cnt;
// Will take a new intruder list from the TCAS module's service record when one has arrived.
void TakeTcasIntruderList();

// Debug log. The log opens only with LogFlightData 1; until then no line is written.
extern FILE* log_file;
// Will open "ze752_data.log" (mode "w") when LogFlightData is 1 and the log is not open.
void OpenDebugLogIfEnabled();
// Will write one printf-style line while LogFlightData is 1 and the log is open.
void LogLine(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Will write the THR_LOG block of the systems pass.
void WriteThrLog();

// FSUIPC client state and calls.
extern uint8_t fsuipc_buffer[1024];
extern uint32_t fsuipc_result;
extern int32_t fsuipc_open_ok;
// Will open the link on a request buffer; false with an error code when it cannot.
bool FsuipcOpen(uint32_t required_sim, uint32_t* error, void* buffer, uint32_t size);
// Will queue a write of n bytes to an offset.
bool FsuipcWrite(uint32_t offset, uint32_t n, const void* source, uint32_t* error);
// Will send the queued requests.
bool FsuipcProcess(uint32_t* error);
// Will forget the link.
void FsuipcClose();
// Will write 0 to the hydraulic-failure byte 0x32F8 on a link of its own.
void FsuipcClear32F8();

// Gauge callbacks of the panel gauges: will act on their panel-service messages.
#define FRAME_PENDING_GAUGE_CALLBACKS(X)                                                   \
  X(EfisCtrlGaugeCallback) X(RadioStackGaugeCallback) X(TmspGaugeCallback)                 \
  X(EicasMsgSwGaugeCallback) X(EicasEngStsGaugeCallback) X(AutolandStatusGaugeCallback)    \
  X(FlchGaugeCallback) X(RetroEfisCtrlGaugeCallback) X(ElecChklistGaugeCallback)           \
  X(AltAlertGaugeCallback)

// Mouse functions of those gauges: will act on a click and return 0.
#define FRAME_PENDING_MOUSE_FUNCTIONS(X)                                                   \
  /* EFIS controls */                                                                      \
  X(EfisRangeDownClick) X(EfisRangeUpClick) X(EfisModeDownClick) X(EfisModeUpClick)       \
  X(EfisStaClick) X(EfisArptClick) X(EfisDataClick) X(EfisWptClick) X(EfisBtnToggleClick) \
  X(EfisCtrClick) X(EfisRangeRingsClick) X(EfisTfcClick) X(DhDownClick) X(DhUpClick)      \
  X(RetroEhsiRangeDownClick) X(RetroEhsiRangeUpClick) X(RetroEhsiModeDownClick)           \
  X(RetroEhsiModeUpClick) X(RetroNdMapClick) X(RetroNdPlanClick) X(RetroSideClick)        \
  X(RetroRangeRingsClick) X(RetroStaClick) X(RetroArptClick) X(RetroDataClick)            \
  X(RetroWptClick) X(RetroTrafficLampClick)                                                \
  /* radio stack */                                                                        \
  X(RadioPopupClick) X(RadioLamp8Click) X(XpdrModeKnobClick) X(XpdrIdentClick)            \
  X(RadioBtn1Click) X(RadioBtn2Click)                                                      \
  /* thrust mode, EICAS switches */                                                        \
  X(TmspToClick) X(TmspMode3Click) X(TmspMode4Click) X(TmspMode5Click) X(TmspMode7Click)  \
  X(TmspCrzClick) X(TmspTempDownClick) X(TmspTempUpClick) X(EicasCancelClick)             \
  X(EicasRecallClick) X(EicasEngClick) X(EicasStsClick)                                    \
  /* checklist */                                                                          \
  X(ChkLeftPageClick) X(ChkLeftItem1Click) X(ChkLeftItem2Click) X(ChkLeftItem3Click)      \
  X(ChkLeftItem4Click) X(ChkLeftItem5Click) X(ChkLeftItem6Click) X(ChkLeftItem7Click)     \
  X(ChkRightPageClick) X(ChkRightItem1Click) X(ChkRightItem2Click) X(ChkRightItem3Click)  \
  X(ChkRightItem4Click) X(ChkRightItem5Click) X(ChkRightItem6Click) X(ChkRightItem7Click)

// String callbacks of the readouts: will write the readout text and return 0.0.
#define FRAME_PENDING_STRING_CALLBACKS(X)                                                  \
  X(FormatTokenVar617Text) X(FormatTokenVar870Text) X(FormatTokenVar871Text)              \
  X(FormatAdf1Text) X(FormatAdf2Text) X(FormatXpdrCodeText) X(FormatToken27Text)          \
  X(FormatTokenVar54Text) X(FormatDecisionHeightText)

#define RO_DECLARE_GAUGE_CALLBACK_(name) void name(gauge::GaugeHeader* gauge, int32_t service_id, uintptr_t extra);
#define RO_DECLARE_MOUSE_FUNCTION_(name) int32_t name(const gauge::PixelPoint* point, uint32_t mouse_flags);
#define RO_DECLARE_STRING_CALLBACK_(name) double name(gauge::ElementHeader* element);
FRAME_PENDING_GAUGE_CALLBACKS(RO_DECLARE_GAUGE_CALLBACK_)
FRAME_PENDING_MOUSE_FUNCTIONS(RO_DECLARE_MOUSE_FUNCTION_)
FRAME_PENDING_STRING_CALLBACKS(RO_DECLARE_STRING_CALLBACK_)

void ResetFramePendingGlobals();

// The per-tick steps that MainUpdate calls in their fixed order. Each step tests its own inner
// conditions; MainUpdate tests only the gate its order gives.
// Will ramp the three hydraulic pressures towards their targets or let them fall, and publish them.
void StepHydraulicPressures();
// Will ramp the APU exhaust temperature and speed while it spools up or down.
void StepApuSpool();
// Will force a passage when the active waypoint falls more than 90 degrees off the leg in a turn.
void StepEarlyTurnSequencing();
// Will force a passage once the aircraft crosses the active waypoint's abeam line.
void StepAbeamPassage();
// Will set the 30-second look-ahead, the next constrained leg and the VNAV crossing point.
void StepLookAhead();
// Will stamp the active leg's time once when it comes within the look-ahead.
void StepLegTimeStamp();
// Will build the traffic pattern and remove the holds behind the active leg.
void StepHoldUpkeep();
// Will sequence legs and steer LNAV: passage, DISCO, PROGRESS FROM data, distances, heading command.
void RunRouteBlock();
// Will detect T/C and T/D and set the VNAV speed targets and restrictions of the route block.
void RunTocTodBlock();
// Will follow the simulator's landing-light switch into the wing and nose light switches.
void StepLandingLightFollowUp();
// Will follow the simulator's autopilot master, holds and autothrottle arm into the module's modes.
void StepAutopilotFollowUp();
// Will count down the sound and callout delays and the landing-checklist timer.
void StepSoundDelays();
// Will count down the IRS alignments and hand the yaw dampers over.
void StepIrsAlignment();
// Will run the APU start sequence and the valve, light and engine-start timers.
void StepSystemsTimers();
// Will count down the FMA boxes and CMD and follow the take-off/go-around state.
void StepFmaAndToga();
// Will run autoland, the V/S capture of the selected altitude and the autobrake.
void StepAutolandAndAutobrake();
// Will sample the simulation rate and pause or return to 1x at the T/D and near the destination.
void StepSimRateAndPauses();
// Will send the flap and decision-height key events, write the debug dump and make the end-of-tick
// resets.
void StepEndOfTick();
// Will count down the disconnect-warning timers, once per simulator second.
void StepOncePerSecondTimers();
