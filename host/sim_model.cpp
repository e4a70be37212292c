#include "host/sim_model.h"

#include <algorithm>

#include "host/host.h"

namespace simhost {

namespace {

constexpr uint32_t kDecisionHeightUp = 0x10311;
constexpr uint32_t kDecisionHeightDown = 0x10312;
constexpr double kDecisionHeightStepFt = 10.0;
constexpr double kDecisionHeightMaxFt = 990.0;
// Newer simulators report the decision height as an expression, older ones as token 615.
constexpr const char* kDecisionHeightExpr = "(A:DECISION HEIGHT,FEET)";
constexpr uint32_t kDecisionHeightToken = 615;

void StepDecisionHeight(Host& host, double step) {
  const double dh = std::clamp(host.Expression(kDecisionHeightExpr) + step, 0.0, kDecisionHeightMaxFt);
  host.SetExpression(kDecisionHeightExpr, dh);
  host.SetToken(kDecisionHeightToken, dh);
}

}  // namespace

void ApplyKeyEventToSimulator(Host& host, uint32_t event_id, int32_t /*value*/) {
  switch (event_id) {
    case kDecisionHeightUp:
      StepDecisionHeight(host, kDecisionHeightStepFt);
      break;
    case kDecisionHeightDown:
      StepDecisionHeight(host, -kDecisionHeightStepFt);
      break;
    default:
      break;
  }
}

}  // namespace simhost
