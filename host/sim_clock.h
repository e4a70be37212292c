// The simulator's clocks as the stand-in keeps them: the running time (token 604, seconds) and the
// time of day (local hour and minute 3, 4; the second 5, which local and zulu time share; zulu hour,
// minute, day of the year and year 6 to 9). Both advance by one frame's time, 1/N s at N frames a
// second (an eighteenth unless set), from wherever the scenario last set them.
#pragma once

#include <cstdint>

namespace simhost {

// The simulator's tick counter (token 1) moves this often a second of simulator time, whatever the
// frame rate; the stand-in runs at this frame rate unless told otherwise.
inline constexpr int32_t kTicksPerSecond = 18;
inline constexpr int32_t kMaxFrameRate = 1000;

// The tokens the clocks write, in whole units (the running time keeps its fraction).
struct ClockFields {
  double local_hour = 0.0;   // token 3
  double local_minute = 0.0;  // token 4
  double second = 0.0;       // token 5
  double zulu_hour = 0.0;    // token 6
  double zulu_minute = 0.0;  // token 7
  double zulu_day = 0.0;     // token 8, day of the year from 1
  double zulu_year = 0.0;    // token 9
};

class SimClock {
 public:
  static constexpr uint32_t kRunningTimeToken = 604;
  static bool IsTimeOfDayToken(uint32_t id) { return id >= 3 && id <= 9; }

  // The running time starts again from `seconds`.
  void SetRunningTime(double seconds);
  // The time of day starts again from the fields as they stand after a scenario wrote token `id`. The
  // second's fraction so far is kept unless token 5 itself was written.
  void SetTimeOfDay(const ClockFields& f, uint32_t id);

  void AdvanceOneFrame();
  // Frames a second (1 .. kMaxFrameRate), set before the first frame.
  void set_frame_rate(int32_t frames_per_second) { frames_per_second_ = frames_per_second; }

  double running_time() const;
  ClockFields fields() const;

 private:
  double SecondsOfDay() const;

  double running_base_s_ = 0.0;
  int64_t running_frames_ = 0;
  double day_base_s_ = 0.0;  // zulu seconds into `day_` when the time of day was last set, 0 .. 86400
  int64_t day_frames_ = 0;
  double day_ = 0.0;
  double year_ = 0.0;
  double local_offset_s_ = 0.0;  // local minus zulu time, whole minutes
  int32_t frames_per_second_ = kTicksPerSecond;
};

}  // namespace simhost
