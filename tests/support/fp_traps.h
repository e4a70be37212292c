// The test main traps floating-point faults so that the module's own arithmetic fails loudly. A value
// the simulator gives as infinite or not a number is not such a fault: a test that feeds the module
// one holds an FpTrapsOff while it runs (as a fixture member, or a local), so that an infinite speed
// minus itself is a NaN as in the simulator, and only what the sanitizers see can fail the test.
#pragma once

#include <fenv.h>

namespace testing_support {

class FpTrapsOff {
 public:
  FpTrapsOff() : traps_(fedisableexcept(FE_ALL_EXCEPT)) {}
  ~FpTrapsOff() {
    feclearexcept(FE_ALL_EXCEPT);
    feenableexcept(traps_);
  }
  FpTrapsOff(const FpTrapsOff&) = delete;
  FpTrapsOff& operator=(const FpTrapsOff&) = delete;

 private:
  int traps_;
};

}  // namespace testing_support
