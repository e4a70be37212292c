// The drawing layer is started once for the test binary and shut down at its end, as the module
// does around its life, so that the font libraries' caches are released before the leak check.
#include <gtest/gtest.h>

#include "platform/gfx/gfx_font.h"

namespace {

class GdiplusEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { gfx::GdiplusStartup(&token_, nullptr, nullptr); }
  void TearDown() override { gfx::GdiplusShutdown(token_); }

 private:
  uintptr_t token_ = 0;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

}  // namespace
