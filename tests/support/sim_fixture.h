// A freshly loaded module with the simulator stand-in attached in-process, for tests that read
// simulator variables or run ticks.
#pragma once

#include <gtest/gtest.h>

#include "module/module_entry.h"
#include "module/module_state.h"
#include "host/host.h"

namespace testing_support {

class SimFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetModuleState();
    host_.Attach(&ImportTable, &Linkage);
  }

  simhost::Host host_;
};

}  // namespace testing_support
