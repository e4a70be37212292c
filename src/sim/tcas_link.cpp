#include "sim/tcas_link.h"

#include <cmath>
#include <numbers>

#include "base/int_conversion.h"
#include "sim/readers_flight.h"
#include "sim/tick_globals.h"
#include "platform/host_api.h"
#include "state/config_globals.h"

RO_DEFINE_GLOBALS(SIM_TCAS_SCALARS)
RO_DEFINE_ARRAYS(SIM_TCAS_ARRAYS)

namespace {

// Threat letters by index; the trend letters are counted from the sixth character ('-').
constexpr char kLetters[] = "OPTRv-^";
constexpr int kLetterCnt = 7;
constexpr int kTrendBase = 5;

// An index outside the text would read past it: such a threat is other traffic ...
char ThreatLetter(int index) { return (index >= 0 && index < kLetterCnt) ? kLetters[index] : 'O'; }
// ... and such a trend draws no arrow.
char TrendLetter(int index) {
  const int at = kTrendBase + index;
  return (at >= 0 && at < kLetterCnt) ? kLetters[at] : '-';
}

// An entry from the other module that would put a non-number on the map counts as invalid.
bool Usable(const tcas::IntruderRecord* in) {
  return in != nullptr && in->valid != 0 && std::isfinite(in->rel_alt_ft) && std::isfinite(in->dist_nm) &&
         std::isfinite(in->rel_brg_rad);
}

// Within the map's vertical window, as the traffic layer tests it (hundreds of feet, both ends in).
bool InVerticalWindow(const tcas::IntruderRecord* in) {
  const double rel_alt_hft = in->rel_alt_ft * 0.01;
  const double range = TcasVertRange;
  return rel_alt_hft >= -range && rel_alt_hft <= range;
}

// Resolution advisories first, then traffic advisories, then the rest; an intruder the map will not
// draw, outside the vertical window, after every one inside it.
int Rank(const tcas::IntruderRecord* in) {
  int threat = 2;
  switch (tcas::FlagIndex(in->flags, tcas::kThreatShift)) {
    case 3: threat = 0; break;
    case 2: threat = 1; break;
    default: break;
  }
  return InVerticalWindow(in) ? threat : threat + 3;
}

// Within a rank the nearer intruder goes first.
bool Outranks(const tcas::IntruderRecord* a, const tcas::IntruderRecord* b) {
  const int ra = Rank(a);
  const int rb = Rank(b);
  return ra < rb || (ra == rb && a->dist_nm < b->dist_nm);
}

// The intruders the table keeps, newest first: when more are listed than it holds, an older entry
// takes the place of the weakest kept one that it outranks. Returns how many.
int ChooseIntruders(const tcas::ServiceRecord& record, const tcas::IntruderRecord* (&kept)[kTcasMaxTargets]) {
  int n = 0;
  for (int i = record.count - 1; i >= 0; --i) {
    const tcas::IntruderRecord* in = record.intruders[i];
    if (!Usable(in)) continue;
    if (n < kTcasMaxTargets) {
      kept[n++] = in;
      continue;
    }
    int weakest = 0;
    for (int k = 1; k < n; ++k) {
      if (!Outranks(kept[k], kept[weakest])) weakest = k;
    }
    if (!Outranks(in, kept[weakest])) continue;
    for (int k = weakest; k + 1 < n; ++k) kept[k] = kept[k + 1];
    kept[n - 1] = in;
  }
  return n;
}

}  // namespace

int32_t ConnectTcasModule(const void* client_arg, TcasCallback callback, uint32_t user_word) {
  host::ModuleInterfaceRecord found{};
  host::QueryModuleInterface(&found, tcas::kModuleIdentity);
  if (found.word[1] == 0 || found.word[2] != tcas::kInterfaceVersion) return 1;
  auto connect = reinterpret_cast<tcas::ConnectRoutine>(found.word[1]);
  return connect(client_arg, callback, user_word);
}

void TcasConnectCallback(void* service_record) {
  tcas_callback_tick = ReadTokenVar1();
  tcas_serv = service_record;
  if (service_record != nullptr && tcas_server_connect == 0) {
    tcas_server_connect = 1;
    tcas_flag = 21;
  } else if (service_record == nullptr && tcas_server_connect != 0) {
    // The module withdrew: the link is down, and the attempts to make it start again.
    tcas_server_connect = 0;
    tcas_flag = 0;
  }
}

void TakeTcasTargets() {
  auto* record = static_cast<tcas::ServiceRecord*>(tcas_serv);
  if (record == nullptr || tcas_callback_tick == static_cast<double>(tcas_take_tick)) return;
  tcas_take_tick = static_cast<int16_t>(TruncToI32(tcas_callback_tick));
  record->taken = 0;
  tcas_target_cnt = 0;
  const tcas::IntruderRecord* kept[kTcasMaxTargets] = {};
  const int n = ChooseIntruders(*record, kept);
  for (int k = 0; k < n; ++k) {
    const tcas::IntruderRecord* in = kept[k];
    TcasTarget& t = tcas_targets[++tcas_target_cnt];
    t.brg_deg = in->rel_brg_rad * 180.0 / std::numbers::pi + plane_hdg_true;
    if (t.brg_deg >= 360.0) t.brg_deg -= 360.0;
    t.dist_nm = in->dist_nm;
    t.rel_alt_hft = in->rel_alt_ft * 0.01;
    t.threat = ThreatLetter(tcas::FlagIndex(in->flags, tcas::kThreatShift));
    t.zero = 0;
    t.trend = TrendLetter(tcas::FlagIndex(in->flags, tcas::kTrendShift));
  }
}

void ResetTcasLink() {
  RO_RESET_GLOBALS(SIM_TCAS_SCALARS)
  RO_RESET_ARRAYS(SIM_TCAS_ARRAYS)
}
