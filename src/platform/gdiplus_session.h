// Start and stop of the drawing library, as the module's life cycle drives them: tokens and the count
// of open sessions; when the last session ends, the drawing layer releases its cached fonts.
#pragma once

#include <cstdint>

namespace gdiplus {

struct StartupInput {
  uint32_t version;              // 1
  void* debug_event_callback;    // null
  int32_t suppress_background_thread;
  int32_t suppress_external_codecs;
};

constexpr int32_t kOk = 0;
constexpr int32_t kInvalidParameter = 2;
constexpr int32_t kUnsupportedVersion = 17;

// Writes a new non-zero token. Version 1 only.
int32_t GdiplusStartup(uintptr_t* token, const StartupInput* input, void* output);
// Ends the session of a token; an unknown or zero token is ignored.
void GdiplusShutdown(uintptr_t token);

// Sessions started and not yet shut down.
int OpenSessions();

}  // namespace gdiplus

// The object the module starts and stops the library on; it holds the token of the open session.
struct GdiplusSession {
  uint32_t token;
};
extern GdiplusSession gdiplus_session;

// Back to the load state: no session open, token numbering restarted.
void ResetGdiplusSession();
