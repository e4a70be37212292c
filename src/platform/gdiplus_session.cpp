#include "platform/gdiplus_session.h"

#include <algorithm>
#include <vector>

#include "platform/gfx/gfx.h"

GdiplusSession gdiplus_session = {0};

namespace gdiplus {
namespace {
uintptr_t g_next_token = 1;
std::vector<uintptr_t> g_open;
}  // namespace

int32_t GdiplusStartup(uintptr_t* token, const StartupInput* input, void* /*output*/) {
  if (token == nullptr || input == nullptr) return kInvalidParameter;
  if (input->version != 1) return kUnsupportedVersion;
  *token = g_next_token++;
  g_open.push_back(*token);
  return kOk;
}

void GdiplusShutdown(uintptr_t token) {
  auto it = std::find(g_open.begin(), g_open.end(), token);
  if (it == g_open.end()) return;
  g_open.erase(it);
  // The last session lets the drawing layer release its cached fonts.
  if (g_open.empty()) gfx::GdiplusShutdown(token);
}

int OpenSessions() { return static_cast<int>(g_open.size()); }

}  // namespace gdiplus

void ResetGdiplusSession() {
  gdiplus_session = {0};
  gdiplus::g_next_token = 1;
  gdiplus::g_open.clear();
}
