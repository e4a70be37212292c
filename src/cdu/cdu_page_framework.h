// What every CDU page routine shares: the drawing conventions of the 399 x 320 screen (fonts, green
// ink, reverse video, the six label/data lines, right-aligned fields, the scratchpad line, the title
// with its ACT/MOD prefix and page counter), the paging and line-select helpers, the entry messages,
// and the ERASE operation that discards a pending route modification.
//
// A page routine makes one CduScreen at its start; the screen holds the paint's brushes, pens,
// fonts and formats and releases them when the routine returns:
//
//   void DrawExamplePage(DisplaySurface* s, gfx::Graphics* g) {
//     CduScreen cdu(s, g);
//     ApplyPaging(&example_page, 2);
//     cdu.Title(80, "EXAMPLE");
//     cdu.PageCounter(example_page, 2);
//     if (cdu_lsk == cdu_lsk_code::k1L) ...;              // apply the pending key
//     cdu.Label(1, 20, "L A B E L");
//     cdu.Data(1, 0, "VALUE");
//     cdu.DataRight(1, "RIGHT");
//     cdu.ScratchpadLine();
//   }
//
// Reads the CDU and route state; EraseRouteModification writes the route and selection state it
// restores.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "draw/display_surface.h"
#include "platform/gfx/gfx.h"

namespace cdu {

inline constexpr float kCanvasWidth = 399.0f;
inline constexpr float kCanvasHeight = 320.0f;
inline constexpr gfx::ARGB kGreen = 0xFF00FA00u;
inline constexpr gfx::ARGB kBlack = 0xFF000000u;

inline constexpr double kRightEdge = 375.0;   // where right-aligned fields end
inline constexpr double kRightCell = 14.0;    // width per character of a right-aligned field
inline constexpr double kHighlightCell = 17.0;
inline constexpr double kPromptY = 263.0;     // line 6 data row (prompts)
inline constexpr double kScratchpadY = 290.0;
inline constexpr int kLines = 6;

// The y of line n's data row (1..5 at 43, 87, 131, 175, 219; 6 at 263) and of its label (15 above;
// line 6's at 248).
constexpr double DataY(int line) { return line >= kLines ? kPromptY : 43.0 + 44.0 * (line - 1); }
constexpr double LabelY(int line) { return line >= kLines ? 248.0 : DataY(line) - 15.0; }

enum class Font {
  kLarge,   // titles, data lines, prompts, scratchpad: 22 units
  kMedium,  // 18 units
  kSmall,   // labels, page counter: 13 units
  kDash,    // dash fields and dash separator lines: "Courier New" 22 units
};

enum class Ink { kGreen, kBlack };

// printf-style formatting into a string of any length.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The resources of one page paint and the drawing conventions. Makes the scaled transform of the
// screen (surface pixels to the 399 x 320 canvas) when it is constructed.
class CduScreen {
 public:
  CduScreen(DisplaySurface* surface, gfx::Graphics* graphics);
  CduScreen(const CduScreen&) = delete;
  CduScreen& operator=(const CduScreen&) = delete;

  gfx::Graphics* graphics() const { return g_; }
  const gfx::Font& font(Font f) const;
  const gfx::SolidBrush& brush(Ink ink) const { return ink == Ink::kBlack ? black_ : green_; }
  const gfx::Pen& pen(int width) const { return width >= 2 ? pen2_ : pen1_; }

  // Text with its top-left corner at (x, y).
  void Text(double x, double y, std::string_view text, Font f = Font::kLarge, Ink ink = Ink::kGreen);
  // Text that ends at `right` (default 375): the right-to-left format in the box right - cell * n,
  // cell * n wide and 30 high, for a text of n characters (cell 14 unless a page says otherwise).
  void TextRight(double y, std::string_view text, Font f = Font::kLarge, double right = kRightEdge,
                 double cell = kRightCell);

  // Line n's label (small) at x and its data (large) at x, or ending at 375.
  void Label(int line, double x, std::string_view text) { Text(x, LabelY(line), text, Font::kSmall); }
  void Data(int line, double x, std::string_view text, Font f = Font::kLarge) { Text(x, DataY(line), text, f); }
  void DataRight(int line, std::string_view text, Font f = Font::kLarge) { TextRight(DataY(line), text, f); }

  // Page title (large, y 0), the route-state prefix of the route pages ("ACT" green in state 3,
  // "MOD" black on a three-cell highlight in state 4; the highlight at box_x, the text at 26) and
  // the page counter "%2d / %-2d" (small, at 310, 0).
  void Title(double x, std::string_view text) { Text(x, 0.0, text); }
  void RouteStatePrefix(double box_x);
  void PageCounter(int32_t page, int32_t count);

  // Reverse video: the green box of `cells` 17-unit cells, with the text drawn black over it.
  void Highlight(double x, double y, int32_t cells);
  void HighlightedText(double x, double y, std::string_view text, int32_t cells);

  // An entry box of `cells` cells: the rectangle and the dividers between the cells, drawn with the
  // green pen of `pen_width` (1 or 2).
  void EntryBox(double x, double y, int32_t cells, double cell_width, double height, int pen_width = 1);
  // A run of n dots (large), the dotted separator lines of line 6.
  void Dots(double x, double y, int n);

  // "<ERASE" at 6L while a modification is pending (state 4).
  void ErasePrompt();
  // The bottom line: the message line when it holds text, otherwise the scratchpad.
  void ScratchpadLine();

 private:
  gfx::Graphics* g_;
  gfx::SolidBrush green_;
  gfx::SolidBrush black_;
  gfx::Pen pen1_;
  gfx::Pen pen2_;
  gfx::Font large_;
  gfx::Font medium_;
  gfx::Font small_;
  gfx::Font dash_;
  gfx::StringFormat right_;
};

// Paging of a page with `count` sub-pages (1-based): NEXT PAGE past the last wraps to 1, PREV PAGE
// below 1 wraps to the last. A page left out of range (the list shrank) becomes 1; a count below 1
// counts as 1.
// Returns true when a paging key was applied.
bool ApplyPaging(int32_t* page, int32_t count);

// The pending line-select key: its line 1..6 (0 none) and side.
int32_t PendingLine();
bool PendingLeft();
bool PendingRight();

// The message-line conventions: DEL's request, an accepted entry (scratchpad emptied), a refused
// one (message set, scratchpad kept).
bool DeleteRequested();
void AcceptEntry();
void RefuseEntry(const char* message);
inline constexpr const char* kInvalidEntry = "INVALID ENTRY";
inline constexpr const char* kNotInDatabase = "NOT IN DATABASE";
inline constexpr const char* kInvalidDelete = "INVALID DELETE";

// Refuses a waypoint entry the look-up found nothing for: a position off the globe is an invalid
// entry, anything else is not in the database.
void RefuseLookUp();

}  // namespace cdu

// Reverse-video background: fills the polygon (x+2, y+2) .. (x+2+17n, y+25) in green; one cell
// per character of the text drawn black over it.
void FillCduHighlightBox(int32_t x, int32_t y, gfx::Graphics* graphics, int32_t n);

// Discards the pending route modification: the MOD route becomes the active one again, with the
// procedure choices, pending speeds, cruise altitude and cost index taken back and the holds added
// since dropped (6L "<ERASE" of every MOD page).
void EraseRouteModification();
