// The text layer of the upper EICAS: total air temperature, reverser flags, the three alert lists with
// the CANCEL / RECALL requests, the landing-checklist memo and the page cue.
#include <algorithm>
#include <cstdint>

#include "afds/afds_globals.h"
#include "afds/eicas_messages.h"
#include "afds/systems_globals.h"
#include "displays/eicas_pages.h"
#include "fmc/fmc_globals.h"
#include "draw/draw_helpers.h"
#include "sim/readers_flight.h"
#include "sim/readers_systems.h"
#include "state/config_globals.h"

namespace {

constexpr int32_t kMessageLines = 10;
constexpr double kFirstLineY = 7.0;
constexpr double kLineStep = 13.0;
constexpr double kListBottomY = 130.0;  // lines start above it: y 7 .. 124
constexpr double kAdvisoryIndent = 7.0;
constexpr int32_t kMessageMaxChars = 64;
constexpr int32_t kMemoMaxMessages = 6;  // the memo needs room below the lines drawn

constexpr double kReverserShown = 0.01;
constexpr double kReverserDeployed = 0.98;

struct Resources {
  gfx::SolidBrush amber{gfx::Color(palette::kAmber)};
  gfx::SolidBrush white{gfx::Color(palette::kWhite)};
  gfx::SolidBrush red{gfx::Color(palette::kRed)};
  gfx::SolidBrush cyan{gfx::Color(palette::kCyan)};
  gfx::SolidBrush green{gfx::Color(palette::kGreen)};
  gfx::SolidBrush yellow{gfx::Color(palette::kYellow)};
  gfx::Pen cyan_pen{gfx::Color(palette::kCyan), 1.0f};
  gfx::Pen white_pen{gfx::Color(palette::kWhite), 1.0f};
  gfx::Pen green_pen{gfx::Color(palette::kGreen), 1.0f};
  gfx::Font font8 = PixelFont(display_font.c_str(), 8);
  gfx::Font font10 = PixelFont(display_font.c_str(), 10);
};

// A list's rows in use; the manager keeps its counts within the table.
int32_t RowsOf(int32_t count) { return std::clamp(count, 0, kEicasListCapacity); }

// What the list pass drew: lines per list and the last caution and advisory rows shown (0 none).
struct ListPass {
  int32_t drawn = 0;
  int32_t last_caution = 0;
  int32_t last_advisory = 0;
};

class ListWriter {
 public:
  ListWriter(gfx::Graphics* g, const gfx::Font* font) : g_(g), font_(font) {}

  // Counts the row; draws it while a line is left. True when drawn.
  bool Row(const EicasMessage& m, const gfx::Brush* brush, double x) {
    const bool fits = y_ < kListBottomY;
    if (fits) DrawTextCut(g_, font_, brush, x, y_, m.text.c_str(), kMessageMaxChars);
    y_ += kLineStep;
    return fits;
  }

 private:
  gfx::Graphics* g_;
  const gfx::Font* font_;
  double y_ = kFirstLineY;
};

ListPass DrawMessageLists(gfx::Graphics* g, const Resources& r) {
  ListPass pass;
  ListWriter lines(g, &r.font10);
  // Warnings cannot be cancelled: every row takes a line.
  for (int32_t i = 1; i <= RowsOf(warning_msg_count); ++i) {
    if (lines.Row(warning_msgs[i], &r.red, 0.0)) ++pass.drawn;
  }
  for (int32_t i = 1; i <= RowsOf(caution_msg_count); ++i) {
    if (caution_msgs[i].inhibit != 0) continue;
    if (lines.Row(caution_msgs[i], &r.amber, 0.0)) {
      ++pass.drawn;
      pass.last_caution = i;
    }
  }
  for (int32_t i = 1; i <= RowsOf(advisory_msg_count); ++i) {
    if (advisory_msgs[i].inhibit != 0) continue;
    if (lines.Row(advisory_msgs[i], &r.amber, kAdvisoryIndent)) {
      ++pass.drawn;
      pass.last_advisory = i;
    }
  }
  return pass;
}

bool VisibleRowAfter(const EicasMessage* rows, int32_t count, int32_t after) {
  for (int32_t i = after + 1; i <= RowsOf(count); ++i) {
    if (rows[i].inhibit == 0) return true;
  }
  return false;
}

// Colour of a memo item by the checklist state: white before it, yellow while pending, green after.
const gfx::Brush* MemoItemBrush(const Resources& r, int32_t pending_state) {
  if (ldg_checklist_mode < pending_state) return &r.white;
  return ldg_checklist_mode == pending_state ? &r.yellow : &r.green;
}

void DrawLandingMemo(gfx::Graphics* g, const Resources& r) {
  const bool complete = ldg_checklist_mode == 9;
  DrawTextAt(g, &r.font10, complete ? &r.green : &r.white, 0, 140, "LANDING CHECKLIST");
  g->DrawLine(complete ? &r.green_pen : &r.white_pen, 0.0f, 155.0f, 100.0f, 155.0f);
  DrawTextAt(g, &r.font10, MemoItemBrush(r, 3), 0, 160, "SPEEDBRAKES ARMED");
  DrawTextAt(g, &r.font10, MemoItemBrush(r, 5), 0, 170, "GEAR DOWN");
  DrawTextAt(g, &r.font10, MemoItemBrush(r, 7), 0, 180, "FLAPS %d", ldg_flaps);
}

void DrawReverser(gfx::Graphics* g, const Resources& r, double position, double x) {
  if (position <= kReverserShown) return;
  DrawTextAt(g, &r.font10, position < kReverserDeployed ? &r.amber : &r.green, x, 0, "REV");
}

}  // namespace

void DrawUpperEicasText(DisplaySurface* surface, gfx::Graphics* graphics) {
  if (surface == nullptr || graphics == nullptr) return;
  const EicasCanvas canvas(*surface, graphics);  // the plain canvas scale for the whole page
  const Resources r;
  DrawTextAt(graphics, &r.font8, &r.cyan, 100, 4, "TAT");
  DrawTextAt(graphics, &r.font10, &r.white, 120, 0, "%2.0fc", ReadTokenVar350());
  graphics->DrawLine(&r.cyan_pen, 100.0f, 12.0f, 140.0f, 12.0f);
  DrawReverser(graphics, r, ReadTokenVar641(), 140);
  DrawReverser(graphics, r, ReadTokenVar660(), 210);

  if (eicas_cancel_req == 1) CancelEicasMessages();
  if (eicas_recall_req == 1) ResetEicasCancelFlags();

  const ListPass pass = DrawMessageLists(graphics, r);
  if (pass.drawn <= kMemoMaxMessages && DisplayLdgChkLst == 1 && ldg_checklist_mode >= 1 && ldg_checklist_mode <= 9) {
    DrawLandingMemo(graphics, r);
  }
  if (pass.drawn >= kMessageLines) {
    const bool caution_waiting = VisibleRowAfter(caution_msgs, caution_msg_count, pass.last_caution);
    const bool advisory_waiting =
        !caution_waiting && VisibleRowAfter(advisory_msgs, advisory_msg_count, pass.last_advisory);
    if (caution_waiting || advisory_waiting) DrawTextAt(graphics, &r.font10, &r.white, 0, 137, "        PAGE 1");
  }
}
