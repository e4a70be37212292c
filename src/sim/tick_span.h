// The simulator ticks a run of the per-tick driver stands for. The tick counter (token 1) moves 18
// times a second of simulator time at any frame rate: at 60 frames a second most frames see no new
// tick, at 10 a frame often spans two. The driver runs its logic once per frame that sees a new tick
// and advances what counts ticks by the ticks elapsed; a test of a redraw or 36-tick slot asks whether
// the run passed the slot, so that no slot is skipped; a step run per frame or per paint that counts
// samples a tick steps once for each tick of the run, and not again until the next run.
//
// Reads: the driver state of tick_globals.h (redraw_tick, tick36_counter, tick_runs, run_ticks and the
// run_end_ counters). Writes: the last four (RecordRun only).
#pragma once

#include <cstdint>

// One second of ticks: a stall or a jump of the counter catches up no more than this.
inline constexpr int32_t kMaxTicksPerRun = 18;
inline constexpr int32_t kRedrawSlotCount = 18;
inline constexpr int32_t kTick36SlotCount = 36;

// The ticks a run stands for when the counter moved from `last` to `now`: the whole ticks between
// them, 1 for the first run, a counter that went back or moved by less than a whole tick, and at most
// kMaxTicksPerRun.
int32_t TicksElapsed(double last, double now, bool first_run);

// Marks a run of `ticks` that left redraw_tick and tick36_counter where they stand.
void RecordRun(int32_t ticks);

// The redraw slots (bit n for slot n) the last run passed. Once redraw_tick has been moved by another
// hand since (a CDU key), only the slot it stands at.
uint32_t RedrawSlotsPassed();
bool RedrawSlotPassed(int32_t slot);
// The same for the 36-tick counter.
bool Tick36SlotPassed(int32_t slot);
// The redraw slots the route block runs at (besides the 36-tick wrap).
inline constexpr uint32_t kRouteBlockSlots = 1u << 0 | 1u << 8 | 1u << 12;
// For a step inside the route block: the redraw slots of the run's ticks the block stands for, its
// last and those earlier at the block's slots or the wrap. At 18 frames a second the block sees no
// other slot, and a run of several ticks must not either.
uint32_t RouteBlockSlotsPassed();
// The redraw slot `back` ticks before the last tick of the run (0: redraw_tick).
int32_t RedrawSlotOfRun(int32_t back);

// Every redraw slot: a step that acts on every tick.
inline constexpr uint32_t kEveryRedrawSlot = (1u << kRedrawSlotCount) - 1u;
// The steps a step of fixed size (a lever, a brake or a pitch event, a decision-height step) owes
// for the last run: one for each of the run's ticks at which it acts, given as the redraw slots it
// acts on. At 18 frames a second that is the one step of the run's tick, so the simulator reaches
// the same value in the same simulator time at any frame rate. None of them is applied before the
// next reading: a step towards a target sends no more than that reading allows.
int32_t StepsOwed(uint32_t slots = kEveryRedrawSlot);
// The same, but no more than `reach`, the whole steps that reading leaves short of its target (one
// at least, while any is owed).
int32_t StepsOwedWithin(double reach, uint32_t slots = kEveryRedrawSlot);

// The ticks a step run per frame or per paint owes: the last run's ticks the first time `*stamp` meets
// that run (the stamp then keeps it), 0 after. A stamp starts at -1.
int32_t TicksDue(int64_t* stamp);

// The sample of tick k (1..n) of a run of n, on the line from the previous run's sample to this one's:
// the simulator reports nothing between frames.
double TickSample(double previous, double now, int32_t k, int32_t n);

// Shifts the ticks of a run before its last into a history of one sample a tick (row 0 newest), on
// the line from its newest row to `now`; the caller then takes the last tick's step as usual.
void ShiftInSkippedTicks(double* history, int rows, double now, int32_t ticks);
