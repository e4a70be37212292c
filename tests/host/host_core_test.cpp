#include <gtest/gtest.h>

#include "host/host.h"

namespace {

TEST(HostCore, ExpressionLookupIgnoresCaseAndSpaces) {
  simhost::Host h;
  h.SetExpression("(A:TOTAL WEIGHT,pounds)", 210000.0);
  EXPECT_EQ(h.Expression("(a:total weight, POUNDS)"), 210000.0);
  EXPECT_EQ(h.Expression("(A:UNSET,number)"), 0.0);
}

TEST(HostCore, LookupOfUnknownNameCreatesItUnregistered) {
  simhost::Host h;
  auto lookup = reinterpret_cast<host::LookupNamedVarFn>(h.table()->slot[host::kLookupNamedVar]);
  auto set = reinterpret_cast<host::SetNamedVarFn>(h.table()->slot[host::kSetNamedVar]);
  uint32_t id = lookup("tcas_knob");
  set(id, 2.0);
  EXPECT_EQ(h.Named("tcas_knob"), 2.0);
  EXPECT_FALSE(h.IsRegistered("tcas_knob"));
  EXPECT_EQ(lookup("tcas_knob"), id);
}

}  // namespace
