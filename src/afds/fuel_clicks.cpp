// Fuel panel: pump and crossfeed clicks and the pump pressure lights that follow power, engines and
// tank contents on every poller pass.
//
// Main tank pumps: 1 on dark, 2 on with the pressure light, 0 off lit, 3 off dark. Centre pumps:
// 0 off, 1 on dark, 2 on lit. Crossfeed valves: 0 closed, 1 opening, 2 open, 3 closing.
#include "afds/afds_globals.h"
#include "afds/click_poller_steps.h"
#include "afds/click_protocol.h"
#include "sim/fuel_tanks.h"
#include "sim/readers_systems.h"

namespace click_poller {

namespace {

using panel_input::OnRequest;
using panel_input::Publish;

constexpr double kTankEmptyLb = 1.0;

constexpr int32_t kMainOnDark = 1;
constexpr int32_t kMainOnLit = 2;
constexpr int32_t kMainOffLit = 0;
constexpr int32_t kMainOffDark = 3;
constexpr int32_t kCentreOnDark = 1;
constexpr int32_t kCentreOnLit = 2;

bool TankEmpty(double level, double capacity_gal) {
  return TankLb(level, capacity_gal) <= kTankEmptyLb;
}
bool CentreTankEmpty() { return TankEmpty(ReadCenterTankLevel(), ReadCenterTankCapacity()); }
bool LeftMainEmpty() { return TankEmpty(ReadLeftMainTankLevel(), ReadLeftMainTankCapacity()); }
bool RightMainEmpty() { return TankEmpty(ReadRightMainTankLevel(), ReadRightMainTankCapacity()); }

struct Switch {
  int32_t* value;
  const char* name;
  uint32_t* id;
};

Switch MainPump(int i) {
  switch (i) {
    case 0: return {&l_aft_fuel_pump, RO_REQ(l_aft_fuel_pump)};
    case 1: return {&r_aft_fuel_pump, RO_REQ(r_aft_fuel_pump)};
    case 2: return {&l_fwd_fuel_pump, RO_REQ(l_fwd_fuel_pump)};
    default: return {&r_fwd_fuel_pump, RO_REQ(r_fwd_fuel_pump)};
  }
}
Switch Crossfeed(int i) {
  return i == 0 ? Switch{&aft_xfeed_fuel_pump, RO_REQ(aft_xfeed_fuel_pump)}
                : Switch{&fwd_xfeed_fuel_pump, RO_REQ(fwd_xfeed_fuel_pump)};
}
Switch LeftCentre() { return {&l_ctr_fuel_pump, RO_REQ(l_ctr_fuel_pump)}; }
Switch RightCentre() { return {&r_ctr_fuel_pump, RO_REQ(r_ctr_fuel_pump)}; }

void Publish(const Switch& s) { panel_input::Publish(s.name, s.id, *s.value); }

// Moves a switch from one value to another, publishing the change.
void Move(const Switch& s, int32_t from, int32_t to) {
  if (*s.value != from) return;
  *s.value = to;
  Publish(s);
}

bool AnyMainPumpAt(int32_t v) {
  for (int i = 0; i < 4; ++i) {
    if (*MainPump(i).value == v) return true;
  }
  return false;
}

void MainPumpClick(const Switch& s, const char* req, uint32_t* req_id) {
  OnRequest(req, req_id, [s](double) {
    switch (*s.value) {
      case kMainOffLit: *s.value = kMainOnLit; break;
      case kMainOnDark: *s.value = kMainOffDark; break;
      case kMainOnLit: *s.value = kMainOffLit; break;
      case kMainOffDark: *s.value = kMainOnDark; break;
      default: break;
    }
    Publish(s);
    sound_event_code = kSoundPush;
  });
}

// A crossfeed valve travels for 36 ticks with power, and jumps without it.
void CrossfeedClick(const Switch& s, int32_t* on_timer, int32_t* off_timer, const char* req, uint32_t* req_id) {
  OnRequest(req, req_id, [=](double) {
    if (*s.value == kValveClosed) {
      if (Powered()) {
        *s.value = kValveOpening;
        *on_timer = kValveTransitTicks;
      } else {
        *s.value = kValveOpen;
      }
    } else if (*s.value == kValveOpen) {
      if (Powered()) {
        *s.value = kValveClosing;
        *off_timer = kValveTransitTicks;
      } else {
        *s.value = kValveClosed;
      }
    }
    Publish(s);
    sound_event_code = kSoundPush;
  });
}

void CentrePumpClick(const Switch& s, const char* req, uint32_t* req_id) {
  OnRequest(req, req_id, [s](double) {
    if (*s.value == 0) {
      *s.value = kCentreOnDark;
    } else if (*s.value == kCentreOnDark || *s.value == kCentreOnLit) {
      *s.value = 0;
    }
    Publish(s);
    sound_event_code = kSoundPush;
  });
}

// One side's two main pumps light together when their tank runs dry, and go dark together when it
// has fuel again.
void MainTankSide(const Switch& aft, const Switch& fwd, bool (*empty)()) {
  if ((*aft.value == kMainOnDark || *fwd.value == kMainOnDark) && empty()) {
    Move(aft, kMainOnDark, kMainOnLit);
    Move(fwd, kMainOnDark, kMainOnLit);
  }
}
void MainTankSideRefilled(const Switch& aft, const Switch& fwd, bool (*empty)()) {
  if ((*aft.value == kMainOnLit || *fwd.value == kMainOnLit) && !empty()) {
    Move(aft, kMainOnLit, kMainOnDark);
    Move(fwd, kMainOnLit, kMainOnDark);
  }
}

void AcPoweredLights() {
  const bool eng1 = ReadTokenVar566() != 0.0;
  const bool eng2 = ReadTokenVar576() != 0.0;
  // The centre tank is read only when a centre pump is on.
  int centre_empty = -1;
  const auto centre_is_empty = [&centre_empty] {
    if (centre_empty < 0) centre_empty = CentreTankEmpty() ? 1 : 0;
    return centre_empty == 1;
  };
  if ((l_ctr_fuel_pump == kCentreOnDark || r_ctr_fuel_pump == kCentreOnDark) &&
      (centre_is_empty() || (l_ctr_fuel_pump == kCentreOnDark && !eng1) ||
       (r_ctr_fuel_pump == kCentreOnDark && !eng2))) {
    Move(LeftCentre(), kCentreOnDark, kCentreOnLit);
    Move(RightCentre(), kCentreOnDark, kCentreOnLit);
  }
  if (l_ctr_fuel_pump == kCentreOnLit && eng1 && l_gen_cont == 2 && !centre_is_empty()) {
    Move(LeftCentre(), kCentreOnLit, kCentreOnDark);
  }
  if (r_ctr_fuel_pump == kCentreOnLit && eng2 && r_gen_cont == 2 && !centre_is_empty()) {
    Move(RightCentre(), kCentreOnLit, kCentreOnDark);
  }
  MainTankSide(MainPump(0), MainPump(2), LeftMainEmpty);
  MainTankSide(MainPump(1), MainPump(3), RightMainEmpty);
  MainTankSideRefilled(MainPump(0), MainPump(2), LeftMainEmpty);
  MainTankSideRefilled(MainPump(1), MainPump(3), RightMainEmpty);
}

void PublishMainPumpsAndCrossfeeds() {
  for (int i = 0; i < 4; ++i) Publish(MainPump(i));
  Publish(Crossfeed(0));
  Publish(Crossfeed(1));
}

// Without power every light goes dark and a valve caught opening falls back closed.
void DeadLights() {
  const bool xfeed_opening = aft_xfeed_fuel_pump == kValveOpening || fwd_xfeed_fuel_pump == kValveOpening;
  if (!AnyMainPumpAt(kMainOffLit) && !AnyMainPumpAt(kMainOnLit) && !xfeed_opening) return;
  for (int i = 0; i < 4; ++i) {
    int32_t& v = *MainPump(i).value;
    if (v == kMainOnLit) {
      v = kMainOnDark;
    } else if (v == kMainOffLit) {
      v = kMainOffDark;
    }
  }
  for (int i = 0; i < 2; ++i) {
    if (*Crossfeed(i).value == kValveOpening) *Crossfeed(i).value = kValveClosed;
  }
  PublishMainPumpsAndCrossfeeds();
}

}  // namespace

void PollFuelClicks() {
  MainPumpClick(MainPump(0), RO_REQ(l_aft_fuel_pump_clicked));
  MainPumpClick(MainPump(1), RO_REQ(r_aft_fuel_pump_clicked));
  CrossfeedClick(Crossfeed(0), &aft_xfeed_on_timer, &aft_xfeed_off_timer, RO_REQ(aft_xfeed_fuel_pump_clicked));
  CrossfeedClick(Crossfeed(1), &fwd_xfeed_on_timer, &fwd_xfeed_off_timer, RO_REQ(fwd_xfeed_fuel_pump_clicked));
  MainPumpClick(MainPump(2), RO_REQ(l_fwd_fuel_pump_clicked));
  MainPumpClick(MainPump(3), RO_REQ(r_fwd_fuel_pump_clicked));
  CentrePumpClick(LeftCentre(), RO_REQ(l_ctr_fuel_pump_clicked));
  CentrePumpClick(RightCentre(), RO_REQ(r_ctr_fuel_pump_clicked));
}

void UpdateFuelPumpLights() {
  const bool battery = BatteryOn();
  if (AcPowered()) {
    AcPoweredLights();
  } else if (!battery) {
    DeadLights();
  } else if (AnyMainPumpAt(kMainOnDark)) {
    for (int i = 0; i < 4; ++i) Move(MainPump(i), kMainOnDark, kMainOnLit);
  }
  // With any power an off pump's light comes back.
  if ((AcPowered() || battery) && AnyMainPumpAt(kMainOffDark)) {
    for (int i = 0; i < 4; ++i) {
      if (*MainPump(i).value == kMainOffDark) *MainPump(i).value = kMainOffLit;
    }
    PublishMainPumpsAndCrossfeeds();
  }
}

}  // namespace click_poller
