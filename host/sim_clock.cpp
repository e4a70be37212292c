#include "host/sim_clock.h"

#include <cmath>

namespace simhost {

namespace {

constexpr double kSecondsPerDay = 86400.0;

// The year is a double as the token holds it; fmod keeps any value exact and defined.
double DaysInYear(double year) {
  const bool leap = std::fmod(year, 4.0) == 0.0 && (std::fmod(year, 100.0) != 0.0 || std::fmod(year, 400.0) == 0.0);
  return leap ? 366.0 : 365.0;
}

}  // namespace

void SimClock::SetRunningTime(double seconds) {
  running_base_s_ = seconds;
  running_frames_ = 0;
}

void SimClock::SetTimeOfDay(const ClockFields& f, uint32_t id) {
  double second = f.second;
  if (id != 5) {
    // Another field changed: the second runs on from where it stood.
    const double now = SecondsOfDay();
    second = std::floor(second) + (now - std::floor(now));
  }
  const double total = f.zulu_hour * 3600.0 + f.zulu_minute * 60.0 + second;
  const double offset = ((f.local_hour - f.zulu_hour) * 60.0 + (f.local_minute - f.zulu_minute)) * 60.0;
  // A time beyond what a double can count keeps the clock as it ran.
  if (!std::isfinite(total) || !std::isfinite(offset)) return;
  // fmod is exact, so the second of the day stays in 0 .. 86400 whatever the fields held.
  day_base_s_ = std::fmod(total, kSecondsPerDay);
  if (day_base_s_ < 0.0) day_base_s_ += kSecondsPerDay;
  if (day_base_s_ >= kSecondsPerDay) day_base_s_ = 0.0;
  day_frames_ = 0;
  day_ = f.zulu_day + std::round((total - day_base_s_) / kSecondsPerDay);
  year_ = f.zulu_year;
  local_offset_s_ = std::fmod(std::round(offset / 60.0) * 60.0, kSecondsPerDay);
  if (local_offset_s_ < 0.0) local_offset_s_ += kSecondsPerDay;
}

void SimClock::AdvanceOneFrame() {
  ++running_frames_;
  ++day_frames_;
  const double now = SecondsOfDay();
  if (now < kSecondsPerDay) return;
  // Midnight zulu: the day of the year turns, and after the year's last day the year.
  day_base_s_ = now - kSecondsPerDay;
  day_frames_ = 0;
  day_ += 1.0;
  if (day_ > DaysInYear(year_)) {
    day_ = 1.0;
    year_ += 1.0;
  }
}

double SimClock::running_time() const {
  return running_base_s_ + static_cast<double>(running_frames_) / frames_per_second_;
}

double SimClock::SecondsOfDay() const { return day_base_s_ + static_cast<double>(day_frames_) / frames_per_second_; }

ClockFields SimClock::fields() const {
  const double zulu = SecondsOfDay();
  double local = zulu + local_offset_s_;
  if (local >= kSecondsPerDay) local -= kSecondsPerDay;
  ClockFields f;
  f.second = std::floor(std::fmod(zulu, 60.0));
  f.zulu_minute = std::floor(std::fmod(zulu, 3600.0) / 60.0);
  f.zulu_hour = std::floor(zulu / 3600.0);
  f.local_minute = std::floor(std::fmod(local, 3600.0) / 60.0);
  f.local_hour = std::floor(local / 3600.0);
  f.zulu_day = day_;
  f.zulu_year = year_;
  return f;
}

}  // namespace simhost
