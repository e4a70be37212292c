#include "cdu/eta_text.h"

#include <cmath>

#include "cdu/cdu_page_framework.h"
#include "sim/tick_globals.h"

ZuluEta ComputeZuluEta(double dist_nm) {
  return ZuluEtaAfterMinutes(ground_speed > 0.0 ? dist_nm / ground_speed * 60.0 : 0.0);
}

ZuluEta ZuluEtaAfterMinutes(double to_go_min) {
  if (!(to_go_min > 0.0)) to_go_min = 0.0;  // a time behind now reads as now
  double h = to_go_min / 60.0 >= 1.0 ? std::trunc(to_go_min / 60.0) : 0.0;
  double m = to_go_min - 60.0 * h;
  m += zulu_min;
  h += zulu_hour;
  if (m >= 60.0) {
    const double carry = std::floor(m / 60.0);
    h += carry;
    m -= 60.0 * carry;
  }
  // A long leg at a low speed can pass midnight more than once.
  h = std::fmod(std::trunc(h), 24.0);
  if (h < 0.0) h += 24.0;
  return {h, m};
}

std::string EtaText(double dist_nm) {
  const ZuluEta eta = ComputeZuluEta(dist_nm);
  return cdu::Format("%02.0f%02.0fZ", eta.hour, std::trunc(eta.minute));
}

std::string EtaTextAfterMinutes(double minutes) {
  const ZuluEta eta = ZuluEtaAfterMinutes(minutes);
  return cdu::Format("%02.0f%02.0fZ", eta.hour, std::trunc(eta.minute));
}

std::string EtaTextTenths(double dist_nm) {
  const ZuluEta eta = ComputeZuluEta(dist_nm);
  const double whole = std::trunc(eta.minute);
  return cdu::Format("%02.0f%02.0f.%1.0fZ", eta.hour, whole, std::trunc((eta.minute - whole) * 10.0));
}
