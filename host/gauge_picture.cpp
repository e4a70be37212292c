#include "host/gauge_picture.h"

#include <algorithm>
#include <string>

#include "host/host.h"
#include "platform/gfx/gfx.h"

namespace simhost {

namespace {

constexpr gfx::ARGB kPanelFill = 0xFF202020u;     // dark, so that every colour of a readout reads on it
constexpr gfx::ARGB kOutline = 0xFF808080u;
constexpr const char* kLabelFamily = "Arial";
constexpr float kLabelSizePx = 10.0f;
constexpr int32_t kBoldWeight = 600;              // from semibold on, a face is drawn bold
// A readout's glyphs fill most of its box's height, and its widest text (its maximum number of
// characters, digits being 0.55 em wide in the faces at hand) its width.
constexpr double kEmPerBoxHeight = 0.75;
constexpr double kEmPerCharWidth = 0.6;

// 0x00BBGGRR as an opaque colour.
gfx::Color FromRgb(uint32_t bgr) {
  return gfx::Color(static_cast<uint8_t>(bgr & 0xFF), static_cast<uint8_t>((bgr >> 8) & 0xFF),
                    static_cast<uint8_t>((bgr >> 16) & 0xFF));
}

gfx::StringAlignment Along(uint32_t flags, uint32_t centre, uint32_t far) {
  if ((flags & centre) != 0) return gfx::StringAlignmentCenter;
  if ((flags & far) != 0) return gfx::StringAlignmentFar;
  return gfx::StringAlignmentNear;
}

void DrawString(gfx::Graphics& g, const gauge::ElementHeader& e) {
  const gauge::StringAttributes& a = e.string_attributes;
  const gfx::RectF box(static_cast<float>(e.x), static_cast<float>(e.y), static_cast<float>(e.dim->width),
                       static_cast<float>(e.dim->height));
  gfx::SolidBrush background(FromRgb(a.background_colour));
  // Integer coordinates are pixel centres: the box's pixels are covered whole from half a pixel
  // before them.
  g.FillRectangle(&background, box.X - 0.5f, box.Y - 0.5f, box.Width, box.Height);
  if (e.string == nullptr || e.string[0] == '\0') return;
  double em = box.Height * kEmPerBoxHeight;
  if (a.max_chars > 0) em = std::min(em, box.Width / (a.max_chars * kEmPerCharWidth));
  // A face the system lacks ("Quartz") falls back to another, as a simulator's does.
  const gfx::Font font(a.font_face != nullptr ? a.font_face : kLabelFamily, static_cast<float>(em),
                       a.font_weight >= kBoldWeight ? gfx::FontStyleBold : gfx::FontStyleRegular, gfx::UnitPixel);
  gfx::StringFormat format((a.text_flags & gauge::kTextSingleLine) != 0 ? gfx::StringFormatFlagsNoWrap : 0);
  format.SetAlignment(Along(a.text_flags, gauge::kTextCentre, gauge::kTextRight));
  format.SetLineAlignment(Along(a.text_flags, gauge::kTextVCentre, gauge::kTextBottom));
  gfx::SolidBrush text(FromRgb(a.text_colour));
  g.DrawString(e.string, -1, &font, box, &format, &text);
}

void DrawOutline(gfx::Graphics& g, const gauge::ElementHeader& e) {
  const float w = static_cast<float>(e.dim->width), h = static_cast<float>(e.dim->height);
  const float x = static_cast<float>(e.x), y = static_cast<float>(e.y);
  const gfx::Pen pen(gfx::Color(kOutline), 1.0f);
  // Through the centres of the box's outer pixels: one pixel wide, inside the box.
  g.DrawRectangle(&pen, x, y, w - 1.0f, h - 1.0f);
  const gfx::Font label(kLabelFamily, kLabelSizePx, gfx::FontStyleRegular, gfx::UnitPixel);
  const gfx::SolidBrush brush{gfx::Color(kOutline)};
  const std::string id = std::to_string(e.resource_id);
  g.DrawString(id.c_str(), -1, &label, gfx::PointF(x + 1.0f, y + 1.0f), &brush);
}

}  // namespace

bool GaugePicture::HasBackground(const GaugeInstance& instance) {
  const gauge::ElementHeader* root = instance.elements.empty() ? nullptr : instance.elements.front().get();
  return root != nullptr && root->dim != nullptr && root->dim->width > 0 && root->dim->height > 0;
}

bool GaugePicture::Paint(const GaugeInstance& instance, bool record) {
  if (!HasBackground(instance)) return false;
  const gauge::PixelSize size = *instance.elements.front()->dim;
  pixels_.assign(static_cast<size_t>(size.width) * static_cast<size_t>(size.height), 0u);
  recording_.Reset();
  dc_ = {pixels_.data(), size.width, size.height, size.width * 4, record ? &recording_ : nullptr};
  gfx::Graphics g(&dc_);
  g.SetSmoothingMode(gfx::SmoothingModeAntiAlias);
  g.SetTextRenderingHint(gfx::TextRenderingHintAntiAlias);
  g.Clear(gfx::Color(kPanelFill));
  for (size_t n = 1; n < instance.elements.size(); ++n) {
    const gauge::ElementHeader& e = *instance.elements[n];
    if ((e.image_flags & gauge::kImageHidden) != 0 || e.dim == nullptr || e.dim->width <= 0 || e.dim->height <= 0) {
      continue;
    }
    if (e.element_type == gauge::kElementString) {
      DrawString(g, e);
    } else {
      DrawOutline(g, e);
    }
  }
  return true;
}

void ReleasePictureFonts() { gfx::ReleaseFontFaces(); }

}  // namespace simhost
