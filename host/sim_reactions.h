// What the simulator does with a key event before it reports the event to the module's handler: one
// table, event by event, with the name the key-event log prints and the variables the event changes
// (or why the stand-in leaves it alone). The table covers every event the module sends and the
// pilot's events that its key-event handler reads back. The stand-in has no flight model: positions,
// attitudes, speeds and engine states stay what the scenario sets.
#pragma once

#include <cstdint>
#include <vector>

namespace simhost {

class Host;

struct SimReaction {
  uint32_t event;
  const char* name;
  void (*apply)(Host& host, int32_t value);  // null: the stand-in deliberately ignores the event
  const char* changes;                       // the variables it changes and how, or why it is ignored
};

// In event order.
const std::vector<SimReaction>& SimReactions();

// The event's row; null for an event the table does not list (which changes nothing).
const SimReaction* FindSimReaction(uint32_t event_id);

// The name of a listed event, or null.
const char* KeyEventName(uint32_t event_id);

void ApplyKeyEventToSimulator(Host& host, uint32_t event_id, int32_t value);

}  // namespace simhost
