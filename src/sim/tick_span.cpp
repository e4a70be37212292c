#include "sim/tick_span.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "sim/tick_globals.h"

namespace {

// Whether slot `slot` lies within the `span` slots up to `end` of a cycle of `count` slots.
bool WithinSpan(int32_t slot, int32_t end, int32_t span, int32_t count) {
  if (slot < 0 || slot >= count || end < 0 || end >= count) return false;
  return (end - slot + count) % count < span;
}

// The counter as the run left it spans the run; a counter moved since spans only where it stands.
int32_t SpanOf(int32_t counter, int32_t run_end) { return counter == run_end ? run_ticks : 1; }

}  // namespace

int32_t TicksElapsed(double last, double now, bool first_run) {
  const double elapsed = std::floor(now - last);
  // A NaN difference fails both tests and counts one tick, as a counter that went back does.
  if (first_run || !(elapsed > 1.0)) return 1;
  return elapsed >= kMaxTicksPerRun ? kMaxTicksPerRun : static_cast<int32_t>(elapsed);
}

void RecordRun(int32_t ticks) {
  run_ticks = std::clamp(ticks, 1, kMaxTicksPerRun);
  run_end_redraw_tick = redraw_tick;
  run_end_tick36 = tick36_counter;
  ++tick_runs;
}

uint32_t RedrawSlotsPassed() {
  const int32_t span = SpanOf(redraw_tick, run_end_redraw_tick);
  uint32_t mask = 0;
  for (int32_t slot = 0; slot < kRedrawSlotCount; ++slot) {
    if (WithinSpan(slot, redraw_tick, span, kRedrawSlotCount)) mask |= 1u << slot;
  }
  return mask;
}

bool RedrawSlotPassed(int32_t slot) {
  return WithinSpan(slot, redraw_tick, SpanOf(redraw_tick, run_end_redraw_tick), kRedrawSlotCount);
}

bool Tick36SlotPassed(int32_t slot) {
  return WithinSpan(slot, tick36_counter, SpanOf(tick36_counter, run_end_tick36), kTick36SlotCount);
}

uint32_t RouteBlockSlotsPassed() {
  const int32_t span = SpanOf(redraw_tick, run_end_redraw_tick);
  // A CDU key moved one counter and not the other: the run's ticks no longer pair up.
  if (span != SpanOf(tick36_counter, run_end_tick36)) return RedrawSlotsPassed();
  uint32_t mask = 0;
  for (int32_t back = 0; back < span; ++back) {
    const int32_t slot = RedrawSlotOfRun(back);
    if (slot < 0 || slot >= kRedrawSlotCount) continue;
    const bool wrap = (tick36_counter - back + kTick36SlotCount) % kTick36SlotCount == 0;
    // The block runs now, so for the run's last tick whatever brought it.
    if (back == 0 || (kRouteBlockSlots >> slot & 1u) != 0 || wrap) mask |= 1u << slot;
  }
  return mask;
}

int32_t StepsOwed(uint32_t slots) { return std::popcount(RedrawSlotsPassed() & slots); }

int32_t StepsOwedWithin(double reach, uint32_t slots) {
  const int32_t owed = StepsOwed(slots);
  if (owed == 0) return 0;
  // A NaN reach fails the test and takes one step.
  return reach >= owed ? owed : reach >= 1.0 ? static_cast<int32_t>(reach) : 1;
}

int32_t RedrawSlotOfRun(int32_t back) {
  if (redraw_tick != run_end_redraw_tick || redraw_tick < 0 || redraw_tick >= kRedrawSlotCount) return redraw_tick;
  return ((redraw_tick - back) % kRedrawSlotCount + kRedrawSlotCount) % kRedrawSlotCount;
}

int32_t TicksDue(int64_t* stamp) {
  if (*stamp == tick_runs) return 0;
  *stamp = tick_runs;
  return run_ticks;
}

double TickSample(double previous, double now, int32_t k, int32_t n) {
  if (n <= 1 || k >= n) return now;
  const double sample = previous + (now - previous) * k / n;
  // Far from any airspeed the line may overflow; the tick then takes this run's sample.
  return std::isfinite(sample) ? sample : now;
}

void ShiftInSkippedTicks(double* history, int rows, double now, int32_t ticks) {
  const double previous = history[0];
  for (int32_t k = 1; k < ticks; ++k) {
    std::copy_backward(history, history + rows - 1, history + rows);
    history[0] = TickSample(previous, now, k, ticks);
  }
}
