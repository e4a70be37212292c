#include "cdu/cdu_page_framework.h"

#include <cstdarg>
#include <cstdio>

#include "cdu/cdu_globals.h"
#include "cdu/cdu_keys.h"
#include "draw/draw_helpers.h"
#include "fmc/fmc_globals.h"
#include "navdb/nav_search.h"

namespace cdu {

namespace {

constexpr const char* kCduFamily = "Orvantel757CDU";
constexpr const char* kDashFamily = "Courier New";
constexpr float kLargeEm = 22.0f;
constexpr float kMediumEm = 18.0f;
constexpr float kSmallEm = 13.0f;
constexpr double kRightBoxHeight = 30.0;
constexpr double kHighlightHeight = 23.0;
constexpr double kPrefixTextX = 26.0;
constexpr double kCounterX = 310.0;

}  // namespace

std::string Format(const char* format, ...) {
  char small[128];
  va_list args;
  va_start(args, format);
  const int n = std::vsnprintf(small, sizeof small, format, args);
  va_end(args);
  if (n < 0) return {};
  if (static_cast<size_t>(n) < sizeof small) return std::string(small, static_cast<size_t>(n));
  std::string out(static_cast<size_t>(n) + 1, '\0');
  va_start(args, format);
  std::vsnprintf(out.data(), out.size(), format, args);
  va_end(args);
  out.resize(static_cast<size_t>(n));
  return out;
}

CduScreen::CduScreen(DisplaySurface* surface, gfx::Graphics* graphics)
    : g_(graphics),
      green_(gfx::Color(kGreen)),
      black_(gfx::Color(kBlack)),
      pen1_(gfx::Color(kGreen), 1.0f),
      pen2_(gfx::Color(kGreen), 2.0f),
      large_(PixelFont(kCduFamily, kLargeEm)),
      medium_(PixelFont(kCduFamily, kMediumEm)),
      small_(PixelFont(kCduFamily, kSmallEm)),
      dash_(PixelFont(kDashFamily, kLargeEm)),
      right_(gfx::StringFormatFlagsDirectionRightToLeft) {
  right_.SetLineAlignment(gfx::StringAlignmentNear);
  if (surface != nullptr && surface->width > 0 && surface->height > 0) {
    g_->ResetTransform();
    g_->ScaleTransform(static_cast<gfx::REAL>(surface->width) / kCanvasWidth,
                       static_cast<gfx::REAL>(surface->height) / kCanvasHeight);
  }
}

const gfx::Font& CduScreen::font(Font f) const {
  switch (f) {
    case Font::kMedium: return medium_;
    case Font::kSmall: return small_;
    case Font::kDash: return dash_;
    case Font::kLarge: break;
  }
  return large_;
}

void CduScreen::Text(double x, double y, std::string_view text, Font f, Ink ink) {
  if (text.empty()) return;
  g_->DrawString(text.data(), static_cast<gfx::INT>(text.size()), &font(f),
                 gfx::PointF(static_cast<gfx::REAL>(x), static_cast<gfx::REAL>(y)), &brush(ink));
}

void CduScreen::TextRight(double y, std::string_view text, Font f, double right, double cell) {
  if (text.empty()) return;
  const double w = cell * static_cast<double>(text.size());
  const gfx::RectF box(static_cast<gfx::REAL>(right - w), static_cast<gfx::REAL>(y), static_cast<gfx::REAL>(w),
                       static_cast<gfx::REAL>(kRightBoxHeight));
  g_->DrawString(text.data(), static_cast<gfx::INT>(text.size()), &font(f), box, &right_, &green_);
}

void CduScreen::RouteStatePrefix(double box_x) {
  if (fms_fpln_active == 3) {
    Text(kPrefixTextX, 0.0, "ACT");
  } else if (fms_fpln_active == 4) {
    // The text keeps its x whichever x the page gives the box.
    Highlight(box_x, 0.0, 3);
    Text(kPrefixTextX, 0.0, "MOD", Font::kLarge, Ink::kBlack);
  }
}

void CduScreen::PageCounter(int32_t page, int32_t count) {
  Text(kCounterX, 0.0, Format("%2d / %-2d", page, count), Font::kSmall);
}

void CduScreen::Highlight(double x, double y, int32_t cells) {
  FillCduHighlightBox(static_cast<int32_t>(x), static_cast<int32_t>(y), g_, cells);
}

void CduScreen::HighlightedText(double x, double y, std::string_view text, int32_t cells) {
  Highlight(x, y, cells);
  Text(x, y, text, Font::kLarge, Ink::kBlack);
}

void CduScreen::EntryBox(double x, double y, int32_t cells, double cell_width, double height, int pen_width) {
  const auto X = [](double v) { return static_cast<gfx::REAL>(v); };
  const gfx::Pen& p = pen(pen_width);
  g_->DrawRectangle(&p, X(x), X(y), X(cell_width * cells), X(height));
  for (int32_t i = 1; i < cells; ++i) {
    const double dx = x + cell_width * i;
    g_->DrawLine(&p, X(dx), X(y), X(dx), X(y + height));
  }
}

void CduScreen::Dots(double x, double y, int n) {
  if (n > 0) Text(x, y, std::string(static_cast<size_t>(n), '.'));
}

void CduScreen::ErasePrompt() {
  if (fms_fpln_active == 4) Text(0.0, kPromptY, "<ERASE");
}

void CduScreen::ScratchpadLine() { Text(0.0, kScratchpadY, cdu_message.empty() ? cdu_scratchpad : cdu_message); }

bool ApplyPaging(int32_t* page, int32_t count) {
  if (count < 1) count = 1;
  bool paged = true;
  if (cdu_next_page == 1) {
    *page = *page >= count ? 1 : *page + 1;
  } else if (cdu_prev_page == 1) {
    *page = *page <= 1 ? count : *page - 1;
  } else {
    paged = false;
  }
  if (*page < 1 || *page > count) *page = 1;
  return paged;
}

int32_t PendingLine() {
  if (cdu_lsk >= cdu_lsk_code::k1L && cdu_lsk <= cdu_lsk_code::k5L) return cdu_lsk;
  if (cdu_lsk >= cdu_lsk_code::k1R && cdu_lsk <= cdu_lsk_code::k5R) return cdu_lsk - cdu_lsk_code::k5L;
  if (cdu_lsk == cdu_lsk_code::k6L || cdu_lsk == cdu_lsk_code::k6R) return kLines;
  return 0;
}

bool PendingLeft() {
  return (cdu_lsk >= cdu_lsk_code::k1L && cdu_lsk <= cdu_lsk_code::k5L) || cdu_lsk == cdu_lsk_code::k6L;
}

bool PendingRight() {
  return (cdu_lsk >= cdu_lsk_code::k1R && cdu_lsk <= cdu_lsk_code::k5R) || cdu_lsk == cdu_lsk_code::k6R;
}

bool DeleteRequested() { return cdu_message == "DELETE"; }

void AcceptEntry() { cdu_scratchpad.clear(); }

void RefuseEntry(const char* message) { cdu_message = message; }

void RefuseLookUp() { RefuseEntry(LookUpRefused() ? kInvalidEntry : kNotInDatabase); }

}  // namespace cdu

void FillCduHighlightBox(int32_t x, int32_t y, gfx::Graphics* graphics, int32_t n) {
  if (graphics == nullptr || n <= 0) return;
  const gfx::SolidBrush green{gfx::Color(cdu::kGreen)};
  const auto F = [](double v) { return static_cast<gfx::REAL>(v); };
  const double x0 = x + 2.0;
  const double x1 = x0 + cdu::kHighlightCell * n;
  const double y0 = y + 2.0;
  const double y1 = y0 + cdu::kHighlightHeight;
  FillPolygon(graphics, &green, {{F(x0), F(y0)}, {F(x1), F(y0)}, {F(x1), F(y1)}, {F(x0), F(y1)}, {F(x0), F(y0)}});
}
