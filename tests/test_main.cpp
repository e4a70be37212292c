// Test entry: floating-point faults trap, so a NaN or infinity in geodesy, VNAV or the magnetic model
// fails loudly instead of drawing nonsense.
#include <fenv.h>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  feenableexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
