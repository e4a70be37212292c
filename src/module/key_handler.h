// The simulator key-event handler: every key event the simulator reports (the pilot's or the
// module's own) reaches KeyEventHandler. It queues the speedbrake, flap-handle and thrust-lever
// sounds, turns MCP and EFIS commands into the click and request variables the panels set (so a
// simulator command and a click take the same road), keeps the fuel-control levers, the autobrake
// and the MCP heading in step, and swallows the one event after the module's own sends.
//
// Reads: tokens 60, 103, 107, 328, 563, 573; "SPEED MODE SELECT"; the autoflight flags and the sound
// switches. Writes: the request variables below, hdg_sel_dir, sound_event_code, eng1/2_thrott,
// own_key_event_pending, auto_eng_start_req, flaps_handle_pos_prev, speed_mode_select_prev.
#pragma once

#include <cstdint>

// Event numbers as the simulator reports them.
namespace key_event {
inline constexpr uint32_t kSpeedbrake = 0x10035;
inline constexpr uint32_t kSpoilersOn = 0x10210;
inline constexpr uint32_t kSpoilersOff = 0x10211;
inline constexpr uint32_t kFlapsUpStep = 0x100df;
inline constexpr uint32_t kFlapsUp = 0x1003b;
inline constexpr uint32_t kFlapsDownStep = 0x100de;
inline constexpr uint32_t kFlapsDown = 0x10043;
inline constexpr uint32_t kFlapsSet = 0x100a2;
inline constexpr uint32_t kFlapsAxis = 0x103e6;
inline constexpr uint32_t kBrakesAxis = 0x10353;
inline constexpr uint32_t kBrakes = 0x10034;
inline constexpr uint32_t kApMasterSet = 0x10101;
inline constexpr uint32_t kYawDamperOn = 0x10215;
inline constexpr uint32_t kApMasterToggle = 0x1002c;
inline constexpr uint32_t kHeadingBugInc = 0x10158;
inline constexpr uint32_t kHeadingBugDec = 0x10157;
inline constexpr uint32_t kHeadingBugSet = 0x101fa;
inline constexpr uint32_t kAltitudeInc = 0x10164;
inline constexpr uint32_t kAltitudeDec = 0x10165;
inline constexpr uint32_t kHeadingHoldA = 0x100bd;
inline constexpr uint32_t kHeadingHoldB = 0x10106;
inline constexpr uint32_t kAltitudeHoldA = 0x100be;
inline constexpr uint32_t kAltitudeHoldB = 0x10107;
inline constexpr uint32_t kApproachHold = 0x100bc;
inline constexpr uint32_t kAirspeedHoldA = 0x10163;
inline constexpr uint32_t kAirspeedHoldB = 0x1017b;
inline constexpr uint32_t kLnavButton = 0x10337;
inline constexpr uint32_t kVnavButton = 0x10338;
inline constexpr uint32_t kEfisTfc = 0x10339;
inline constexpr uint32_t kEfisArpt = 0x10295;
inline constexpr uint32_t kEfisSta = 0x10296;
inline constexpr uint32_t kEfisWpt = 0x10298;
inline constexpr uint32_t kEfisRangeInc = 0x10299;
inline constexpr uint32_t kEfisRangeDec = 0x102de;
inline constexpr uint32_t kEfisModeInc = 0x1029b;
inline constexpr uint32_t kEfisModeDec = 0x102af;
inline constexpr uint32_t kAutoEngineStart = 0x102b0;
inline constexpr uint32_t kEng1Cutoff = 0x101c3;
inline constexpr uint32_t kEng2Cutoff = 0x101c8;
inline constexpr uint32_t kBothCutoff = 0x100f2;
inline constexpr uint32_t kBothRun = 0x100ee;
inline constexpr uint32_t kEng1Run = 0x101bf;
inline constexpr uint32_t kEng2Run = 0x101c4;
inline constexpr uint32_t kEng1Starter = 0x102fc;
inline constexpr uint32_t kEng2Starter = 0x102fd;
inline constexpr uint32_t kThrottleSet = 0x100a1;
inline constexpr uint32_t kThrottleCut = 0x10022;
inline constexpr uint32_t kFlightSaved = 0x10027;
}  // namespace key_event

// The handler the module registers with the host (user data 0). Only event_id is used.
void KeyEventHandler(uint32_t event_id, uint32_t event_data, void* user_data);
