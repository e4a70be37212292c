// Pictures of the gauges without a drawing surface: the panels a simulator draws from bitmaps and
// strings (the radio stack, the EFIS control panels, the switch and annunciator gauges). Their
// artwork is not part of the module, so a picture shows what the module decides: a dark fill of the
// background bitmap's size; each shown string element with the text its callback wrote, in its box,
// font, colours and alignment; each shown picture element as a thin outline labelled with its bitmap
// id. It is drawn with the module's own drawing layer, so that a recording of it lists its
// operations as a display's paint does.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/gauge.h"
#include "platform/gfx/gfx_recording.h"

namespace simhost {

struct GaugeInstance;

class GaugePicture {
 public:
  // Whether the gauge has a background bitmap to take the picture's size from.
  static bool HasBackground(const GaugeInstance& instance);
  // Draws the instance as it stands (Host::UpdateStrings has given its strings their texts); with
  // `record` the operations are kept too. False when it has no background bitmap.
  bool Paint(const GaugeInstance& instance, bool record);

  const gauge::DeviceContext& dc() const { return dc_; }
  const gfx::Recording& recording() const { return recording_; }

 private:
  std::vector<uint32_t> pixels_;
  gauge::DeviceContext dc_{};
  gfx::Recording recording_;
};

// The fonts the pictures resolved; released before the module shuts its drawing layer down, which
// also resets the font libraries both share.
void ReleasePictureFonts();

}  // namespace simhost
