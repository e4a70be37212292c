// The panel click poller. The cockpit code outside the module, the key-event handler and the
// overhead set-up sequences leave clicks in named variables ending in "_clicked"; one pass visits
// them in a fixed order, acts on each non-zero one, writes 0.0 back and queues its panel sound.
// Between the handlers it runs the automatic light logic that must follow the switches at once.
//
// Reads and writes: the click variables, the switch and light globals of the MCP, overhead, thrust
// mode, EICAS and EFIS panels and their named variables, sound_event_code / sound_event_followup.
// Sends key events to the simulator's autopilot and battery.
#pragma once

// One pass. Called by ProcMcpKnobs on SERVER frames 0, 3, ... 15 and by the main update when an IRS
// completes its alignment. The electrical power-state pass at its end runs on SERVER frame 0, or on
// the pass after when that frame's pass sent a battery toggle (the simulator applies it after).
void PollClickedVars();
