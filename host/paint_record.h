// What the panel's displays drew, as text: every drawing surface gets a recording, each frame's
// paint becomes the surface's latest, and a recording prints as a list of operations that a person
// can read and a golden file can keep. Numbers carry two decimals (device pixels) or six significant
// digits, and texts name the font asked for rather than the face found, so that the list is the
// same for every build type, compiler and font version.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "platform/gfx/gfx_recording.h"
#include "platform/gauge.h"

namespace simhost {

class Host;

class PaintRecorder {
 public:
  // Gives every drawing surface of the panel's instances a recording.
  void Attach(Host& host);
  // After a frame: a surface that drew in it keeps this frame's operations as its latest paint.
  void EndFrame(int64_t frame);

  // The operations of the surface's latest paint (empty before its first one), and its frame (-1).
  const gfx::Recording& Latest(const gauge::DeviceContext* dc) const;
  int64_t LatestFrame(const gauge::DeviceContext* dc) const;
  // Whether the surface painted in the frame EndFrame last closed.
  bool PaintedLastFrame(const gauge::DeviceContext* dc) const;

 private:
  struct Surface {
    gfx::Recording current;  // the device context points here
    gfx::Recording latest;
    int64_t latest_frame = -1;
  };
  const Surface* Find(const gauge::DeviceContext* dc) const;

  std::map<const gauge::DeviceContext*, std::unique_ptr<Surface>> surfaces_;
  int64_t last_frame_ = -1;
};

// The operation list of one recording, headed by `title` and the surface's size.
std::string FormatOpList(const gfx::Recording& rec, const std::string& title, int32_t width, int32_t height);

}  // namespace simhost
