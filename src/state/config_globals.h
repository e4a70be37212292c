// The configuration globals: one list row per key of "\Orvantel\ro757.cfg" with the key text, how its
// value is taken, the global it writes and that global's built-in value (the value before the file is
// read). The same rows give the declarations, the definitions, the reset and the key table of the
// reader (config_keys.cpp), so a key and its global cannot drift apart.
//
// Value kinds: I32 (decimal integer), F64 (decimal number), Trunc (decimal number truncated toward
// zero), Text (as written), Upper (upper-cased), Font (display font family, at most 51 characters)
// and Special (a handler of its own in config_keys.cpp). The last column is the limit of the keys the crew also types on the CDU: the rule
// of that entry (fmc/entry_limits.h), which a value must pass to be taken; a value it refuses keeps
// the value before the line, as the entry keeps it. nullptr for the keys no CDU page takes.
#pragma once

#include <cstdint>
#include <string>

#include "base/globals_macros.h"

#define CONFIG_KEYS(K)                                                                            \
  /* Display selection and drawing. */                                                            \
  K("EadiMode", I32, int32_t, EadiMode, 0, nullptr)                                               \
  K("EadiFMA", I32, int32_t, EadiFMA, 0, nullptr)                                                 \
  K("FlightDirectorType", I32, int32_t, FlightDirectorType, 0, nullptr)                           \
  K("DispFPV", I32, int32_t, DispFPV, 0, nullptr)                                                 \
  K("ShowRoundEadiVSpeeds", I32, int32_t, ShowRoundEadiVSpeeds, 0, nullptr)                       \
  K("EfisLinesize", I32, int32_t, EfisLinesize, 1, nullptr)                                       \
  K("DisplayFont", Font, std::string, display_font, "Orvantel757", nullptr)                       \
  K("MapModeDispHdgAlways", I32, int32_t, MapModeDispHdgAlways, 0, nullptr)                       \
  K("ShowExtDestCtrlineRwyId", I32, int32_t, ShowExtDestCtrlineRwyId, 0, nullptr)                 \
  K("DrawAPTarget", I32, int32_t, DrawAPTarget, 0, nullptr)                                       \
  K("BodArcAPRestrictions", I32, int32_t, BodArcAPRestrictions, 0, nullptr)                       \
  K("WindVectorDegVar", Upper, std::string, wind_vector_deg_var, "TRUE", nullptr)                 \
  K("TcasVertRange", Special, int32_t, TcasVertRange, 30, nullptr)                                \
  K("ShowLiteModeStatus", I32, int32_t, ShowLiteModeStatus, 0, nullptr)                           \
  K("LdgChecklist", I32, int32_t, ldg_checklist, 0, nullptr)                                      \
  K("DisplayLdgChkLst", Special, int32_t, DisplayLdgChkLst, 0, nullptr)                           \
  /* Display refresh rates, draws per 18-tick cycle. */                                           \
  K("EadiRefreshRate", I32, int32_t, EadiRefreshRate, 18, nullptr)                                \
  K("FmsRefreshRate", I32, int32_t, FmsRefreshRate, 12, nullptr)                                  \
  K("RetroEhsiRefreshRate", I32, int32_t, RetroEhsiRefreshRate, 18, nullptr)                      \
  K("RetroPfdRefreshRate", I32, int32_t, RetroPfdRefreshRate, 18, nullptr)                        \
  K("RetroNdRefreshRate", I32, int32_t, RetroNdRefreshRate, 18, nullptr)                          \
  K("NdRefreshRate", I32, int32_t, NdRefreshRate, 18, nullptr)                                    \
  K("StdbyPfdRefreshRate", I32, int32_t, StdbyPfdRefreshRate, 9, nullptr)                         \
  K("LowerEicasRefreshRate", I32, int32_t, LowerEicasRefreshRate, 18, nullptr)                    \
  K("UpperEicasRefreshRate", I32, int32_t, UpperEicasRefreshRate, 18, nullptr)                    \
  /* Flight management defaults (speeds kt, altitudes ft). */                                     \
  K("V1", I32, int32_t, cfg_v1, 0, TakeoffSpeedOrNone)                                            \
  K("VR", I32, int32_t, cfg_vr, 0, TakeoffSpeedOrNone)                                            \
  K("V2", I32, int32_t, cfg_v2, 0, V2OrNone)                                                      \
  K("VREF", I32, int32_t, cfg_vref, 0, V2OrNone)                                                  \
  K("ToFlaps", I32, int32_t, ToFlaps, 15, TakeoffFlapsAccepted)                                   \
  K("LdgFlaps", I32, int32_t, LdgFlaps, 30, LandingFlapsAccepted)                                 \
  K("AccelHt", I32, int32_t, accel_ht, 1000, AccelHeightAccepted)                                 \
  K("TransAlt", I32, int32_t, trans_alt, 18000, TransitionAltitudeAccepted)                       \
  K("CostIndex", Trunc, int32_t, cost_index, -1, CostIndexAccepted)                                 \
  K("ClbSpdRest", F64, double, ClbSpdRest, 250.0, RestrictionSpeedAccepted)                       \
  K("ClbAltRest", F64, double, ClbAltRest, 10000.0, RestrictionAltitudeAccepted)                  \
  K("DescSpdRest", F64, double, DescSpdRest, 250.0, RestrictionSpeedAccepted)                     \
  K("DescAltRest", F64, double, DescAltRest, 10000.0, RestrictionAltitudeAccepted)                \
  K("ClimbIas", Special, int32_t, ClimbIas, 280, ScheduleIasEntryAccepted)                        \
  K("ClimbMach", Special, double, climb_mach, 0.74, ClimbMachAccepted)                            \
  K("CruiseIas", Special, int32_t, CruiseIas, 300, ScheduleIasEntryAccepted)                      \
  K("CruiseMach", Special, double, cruise_mach, 0.78, CruiseMachAccepted)                         \
  K("DescentIas", Special, int32_t, DescentIas, 290, ScheduleIasEntryAccepted)                    \
  K("DescentMach", Special, double, descent_mach, 0.74, CruiseMachAccepted)                       \
  K("VnavDescFPA", Special, double, VnavDescFPA, 2.75, nullptr)                                   \
  K("WeightUnit", Upper, std::string, weight_unit, "LBS", nullptr)                                \
  K("FmcShowResetMCPMsg", I32, int32_t, FmcShowResetMCPMsg, 1, nullptr)                           \
  K("FmcDispDragReqMsg", I32, int32_t, FmcDispDragReqMsg, 1, nullptr)                             \
  K("synchfplanwithfsgps", I32, int32_t, synchfplanwithfsgps, 0, nullptr)                         \
  K("SetMCPCruiseAltonFlightPlanLoad", I32, int32_t, SetMCPCruiseAltonFlightPlanLoad, 0, nullptr) \
  K("LoadFuelonFlightPlanLoad", I32, int32_t, LoadFuelonFlightPlanLoad, 1, nullptr)               \
  /* Pause and simulation rate at the top of descent and near the destination. */                 \
  K("ArmPauseAtTod", I32, int32_t, ArmPauseAtTod, 0, nullptr)                                     \
  K("ArmPauseAtDistFromDest", I32, int32_t, ArmPauseAtDistFromDest, 0, nullptr)                   \
  K("Arm1xAtTod", I32, int32_t, Arm1xAtTod, 0, nullptr)                                           \
  K("PauseAtTod", Special, int32_t, PauseAtTod, 0, nullptr)                                       \
  K("1xAtTod", Special, int32_t, one_x_at_tod, 0, nullptr)                                        \
  K("PauseAtDistFromDest", Special, int32_t, PauseAtDistFromDest, 20, nullptr)                    \
  /* Autoflight. */                                                                               \
  K("SetClbThrAtAccelHt", I32, int32_t, SetClbThrAtAccelHt, 1, nullptr)                           \
  K("SetSpdOffwhenAPMasterSetOff", I32, int32_t, SetSpdOffwhenAPMasterSetOff, 0, nullptr)         \
  K("AutoLandApDiscSpd", I32, int32_t, AutoLandApDiscSpd, 85, nullptr)                            \
  K("FlchMinIas", I32, int32_t, FlchMinIas, 140, nullptr)                                         \
  K("FlchMaxIas", I32, int32_t, FlchMaxIas, 350, nullptr)                                         \
  K("UseATForVnavDesc", I32, int32_t, UseATForVnavDesc, 0, nullptr)                               \
  K("ActLnavWoIntHdg", I32, int32_t, ActLnavWoIntHdg, 0, nullptr)                                 \
  K("SynchMCPWinToAP", I32, int32_t, SynchMCPWinToAP, 0, nullptr)                                 \
  K("AltWinRightClickIncr", Special, int32_t, AltWinRightClickIncr, 500, nullptr)                 \
  /* Aircraft systems (IrsAlignSecs holds simulator ticks). */                                    \
  K("IrsAlignSecs", Special, int32_t, IrsAlignSecs, 300, nullptr)                                 \
  K("LiteMode", I32, int32_t, lite_mode, 0, nullptr)                                              \
  K("BurnFuelFromCtrFirst", I32, int32_t, BurnFuelFromCtrFirst, 1, nullptr)                       \
  K("ExtPwrAvailWithApuOn", I32, int32_t, ExtPwrAvailWithApuOn, 0, nullptr)                       \
  K("AutoExtPwrAvail", I32, int32_t, AutoExtPwrAvail, 0, nullptr)                                 \
  K("UseDefAutoBrakes", I32, int32_t, UseDefAutoBrakes, 0, nullptr)                               \
  K("UseAxisAutoBraking", I32, int32_t, UseAxisAutoBraking, 0, nullptr)                           \
  K("EnableManualEngStart", I32, int32_t, EnableManualEngStart, 0, nullptr)                       \
  /* Sounds; volumes 1 to 100 (the spool volume's 300 lies above on purpose). */                  \
  K("PlayCockpitSounds", I32, int32_t, PlayCockpitSounds, 1, nullptr)                             \
  K("PlayEventSounds", I32, int32_t, PlayEventSounds, 1, nullptr)                                 \
  K("PlayGpwsSounds", I32, int32_t, PlayGpwsSounds, 1, nullptr)                                   \
  K("PlaySpoilersSounds", I32, int32_t, PlaySpoilersSounds, 1, nullptr)                           \
  K("PlayCoolingSounds", I32, int32_t, PlayCoolingSounds, 1, nullptr)                             \
  K("PlayPacksSounds", I32, int32_t, PlayPacksSounds, 1, nullptr)                                 \
  K("PlayStbyPwrOnSounds", I32, int32_t, PlayStbyPwrOnSounds, 1, nullptr)                         \
  K("PlayGearDragSounds", I32, int32_t, PlayGearDragSounds, 1, nullptr)                           \
  K("PlayWarningSounds", I32, int32_t, PlayWarningSounds, 1, nullptr)                             \
  K("PlayTakeoffCalloutSounds", I32, int32_t, PlayTakeoffCalloutSounds, 1, nullptr)               \
  K("PlayFlapHandleSounds", I32, int32_t, PlayFlapHandleSounds, 1, nullptr)                       \
  K("PlayAnnouncements", I32, int32_t, play_announcements, 0, nullptr)                            \
  K("InhibitCockpitSoundsOnStopSound", I32, int32_t, InhibitCockpitSoundsOnStopSound, 0, nullptr) \
  K("VolumeCoolingFan", I32, int32_t, VolumeCoolingFan, 100, nullptr)                             \
  K("VolumeCrewCallouts", I32, int32_t, VolumeCrewCallouts, 100, nullptr)                         \
  K("VolumeWarnings", I32, int32_t, VolumeWarnings, 100, nullptr)                                 \
  K("VolumeStbyPwrOn", I32, int32_t, VolumeStbyPwrOn, 100, nullptr)                               \
  K("VolumePacksOn", I32, int32_t, VolumePacksOn, 100, nullptr)                                   \
  K("VolumeSpoilers", I32, int32_t, VolumeSpoilers, 100, nullptr)                                 \
  K("VolumeEvents", I32, int32_t, VolumeEvents, 100, nullptr)                                     \
  K("VolumeStbyAttSpool", I32, int32_t, VolumeStbyAttSpool, 300, nullptr)                         \
  K("VolumeGpws", I32, int32_t, VolumeGpws, 100, nullptr)                                         \
  K("VolumeGearDrag", I32, int32_t, VolumeGearDrag, 100, nullptr)                                 \
  K("AltCallApprMins", I32, int32_t, AltCallApprMins, 1, nullptr)                                 \
  K("AltCallMins", I32, int32_t, AltCallMins, 1, nullptr)                                         \
  K("AltCall10", I32, int32_t, AltCall10, 1, nullptr)                                             \
  K("AltCall20", I32, int32_t, AltCall20, 1, nullptr)                                             \
  K("AltCall30", I32, int32_t, AltCall30, 1, nullptr)                                             \
  K("AltCall40", I32, int32_t, AltCall40, 1, nullptr)                                             \
  K("AltCall50", I32, int32_t, AltCall50, 1, nullptr)                                             \
  K("AltCall100", I32, int32_t, AltCall100, 1, nullptr)                                           \
  K("AltCall200", I32, int32_t, AltCall200, 1, nullptr)                                           \
  K("AltCall300", I32, int32_t, AltCall300, 1, nullptr)                                           \
  K("AltCall400", I32, int32_t, AltCall400, 1, nullptr)                                           \
  K("AltCall500", I32, int32_t, AltCall500, 1, nullptr)                                           \
  K("AltCall1000", I32, int32_t, AltCall1000, 1, nullptr)                                         \
  K("AltCall2500", I32, int32_t, AltCall2500, 1, nullptr)                                         \
  /* Panel state, files and start-up. */                                                          \
  K("LoadPanelStateonAcLoad", I32, int32_t, LoadPanelStateonAcLoad, 1, nullptr)                   \
  K("PanelState", Text, std::string, PanelState, "", nullptr)                                     \
  K("SavePanelStateonFlightSave", I32, int32_t, SavePanelStateonFlightSave, 1, nullptr)           \
  K("LoadFuelonAircraftLoad", I32, int32_t, LoadFuelonAircraftLoad, 1, nullptr)                   \
  K("DisplayVCOnLoad", I32, int32_t, DisplayVCOnLoad, 1, nullptr)                                 \
  K("DisplayWVOnLoad", I32, int32_t, DisplayWVOnLoad, 1, nullptr)                                 \
  K("LogFlightData", I32, int32_t, LogFlightData, 0, nullptr)                                     \
  K("simver", Special, int32_t, simver, 9, nullptr)

// Colour keys: "r, g, b" into three integer globals <name>_r, _g, _b, of which the painters use the
// low 8 bits (the EADI ground's blue 280 is 24 on screen).
#define CONFIG_COLOUR_KEYS(C)                              \
  C("EADISkyColor", eadi_sky_color, 40, 117, 197)          \
  C("EADIGndColor", eadi_gnd_color, 120, 102, 280)         \
  C("PfdSkyColor", pfd_sky_color, 65, 67, 238)             \
  C("PFDGndColor", pfd_gnd_color, 97, 31, 5)               \
  C("PFDTapeColor", pfd_tape_color, 62, 62, 62)

// Keys without a global of their own: a value of 1 runs a start-up action of the systems.
#define CONFIG_ACTION_KEYS(A) \
  A("Irs", ApplyIrsKey)       \
  A("YawDampers", ApplyYawDampersKey) \
  A("Packs", ApplyPacksKey)

// Globals the reader derives or keeps besides the keys' own:
// - climb_ias, cruise_ias, descent_ias: working speeds (kt) that CDU entries change; the IAS keys set
//   them together with their stored defaults ClimbIas, CruiseIas, DescentIas;
// - pause_at_dist_on: the "PauseAtDistFromDest" switch;
// - the Mach twins of the PERF LIMITS speeds at 30000 ft, and the climb and descent reference true
//   airspeeds (kt) at 15000 ft;
// - navdata_cycle ("AIRAC 2401") and navdata_valid ("JAN25FEB21/24") from the ";AIRAC" line of
//   navs.txt, empty without one (the validity also when its date tokens are too short);
// - cfg_loaded: 1 once the file has been read; ldg_chklst_key_seen: a "DisplayLdgChkLst" line was
//   read.
#define CONFIG_SCALARS(X)                       \
  X(int32_t, climb_ias, 280)                    \
  X(int32_t, cruise_ias, 300)                   \
  X(int32_t, descent_ias, 290)                  \
  X(int32_t, pause_at_dist_on, 0)               \
  X(double, clb_min_mach, 0.0)                  \
  X(double, clb_max_mach, 0.0)                  \
  X(double, crz_min_mach, 0.0)                  \
  X(double, crz_max_mach, 0.0)                  \
  X(double, des_min_mach, 0.0)                  \
  X(double, des_max_mach, 0.0)                  \
  X(double, climb_tas, 0.0)                     \
  X(double, descent_tas, 0.0)                   \
  X(std::string, navdata_cycle, "")             \
  X(std::string, navdata_valid, "")             \
  X(int32_t, cfg_loaded, 0)                     \
  X(int32_t, ldg_chklst_key_seen, 0)

#define CONFIG_DECLARE_KEY_(key, kind, type, name, init, limit) RO_DECLARE_GLOBAL_(type, name, init)
#define CONFIG_DECLARE_COLOUR_(key, name, r, g, b) \
  extern int32_t name##_r;                         \
  extern int32_t name##_g;                         \
  extern int32_t name##_b;

CONFIG_KEYS(CONFIG_DECLARE_KEY_)
CONFIG_COLOUR_KEYS(CONFIG_DECLARE_COLOUR_)
RO_DECLARE_GLOBALS(CONFIG_SCALARS)

void ResetConfigGlobals();
