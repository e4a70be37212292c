// Times of arrival as the CDU pages print them: the zulu clock plus the time to fly a distance at
// the present ground speed, in whole hours and minutes of the next 24 hours.
//
// Reads: ground_speed, zulu_hour, zulu_min. Callers show an ETA only above their own ground-speed
// floor.
#pragma once

#include <string>

struct ZuluEta {
  double hour = 0.0;    // whole hours, 0..23
  double minute = 0.0;  // 0 <= minute < 60, with its fraction
};

ZuluEta ComputeZuluEta(double dist_nm);
ZuluEta ZuluEtaAfterMinutes(double to_go_min);

// "HHMMZ" and "HHMM.tZ" (t the tenths of the minute). Both print the integer parts, so a minute of
// 59.9 reads 59, never 60.
std::string EtaText(double dist_nm);
std::string EtaTextTenths(double dist_nm);
// The same for a time to go in minutes.
std::string EtaTextAfterMinutes(double minutes);
