#include "state/title_rules.h"

#include "sim/named_vars.h"
#include "sim/sim_globals.h"
#include "sim/tick_globals.h"
#include "state/state_globals.h"

void ApplyFreighterTitleRule() {
  for (const char* freighter : {"757-200f", "757-200sf"}) {
    if (play_announcements == 1 && aircraft.find(freighter) != std::string::npos) {
      play_announcements = 0;
      // The cabin switch may already show them on, and the systems pass follows the switch.
      NV_SET(ov_cabin_announcements, 0.0);
    }
  }
}

void ApplyFreighterTitleRuleOnFirstTitle() {
  if (freighter_rule_applied != 0 || aircraft.empty()) return;
  freighter_rule_applied = 1;
  ApplyFreighterTitleRule();
}
