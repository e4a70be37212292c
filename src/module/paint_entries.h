// The paint entries of the nine displays and the redraw schedule that spreads their paints over the
// 18 slots of redraw_tick. A display gauge's pre-draw calls its entry with the element's device
// context and pixel size; the entry decides whether this call paints (refresh rate, power, mode),
// makes a graphics object on the device context, prepares it (clear, scale to the display's logical
// canvas, black background) and calls the display's painters.
//
// Reads: redraw_tick and the slots the driver's last run passed, tick_runs, the refresh rates,
// ac_power, token 364, EadiMode, fms_page, fp_ehsi_mode, fpnd_mode, lower_eicas_mode, nd_mode, ctr_mode.
// Writes: the surface's width, height (pixels) and paint ticks at every paint, fp_nd_centre_y, and the
// six upper-EICAS requests after a powered paint.
#pragma once

#include <cstdint>

#include "draw/display_surface.h"
#include "platform/gauge.h"

// Paint modes: 1 normal, 2 background only (the display's pop-up window is open elsewhere). The
// gauges call with 0 only where an entry ignores the mode or draws normally with it.
constexpr int32_t kPaintNormal = 1;
constexpr int32_t kPaintBackgroundOnly = 2;

// Whether a display of this refresh rate paints in the current redraw slot, or in any slot the last
// run passed when it spanned several ticks. A rate of 1..17 paints on exactly that many of the 18
// slots (a fixed table, not nested); any other rate on every slot.
bool IsRedrawTick(int32_t rate);

using PaintEntry = void (*)(DisplaySurface* surface, gauge::DeviceContext* dc, const gauge::PixelSize* size,
                            int32_t mode);

// Each returns at once for a null device context or pixel size, and when its rate skips this slot.
void PaintEadi(DisplaySurface* surface, gauge::DeviceContext* dc, const gauge::PixelSize* size, int32_t mode);
// A pending CDU key is consumed only by a powered, normal paint.
void PaintCdu(DisplaySurface* surface, gauge::DeviceContext* dc, const gauge::PixelSize* size, int32_t mode);
// No refresh rate: paints on every call.
void PaintFpEhsi(DisplaySurface* surface, gauge::DeviceContext* dc, const gauge::PixelSize* size, int32_t mode);
void PaintFpNd(DisplaySurface* surface, gauge::DeviceContext* dc, const gauge::PixelSize* size, int32_t mode);
void PaintFpPfd(DisplaySurface* surface, gauge::DeviceContext* dc, const gauge::PixelSize* size, int32_t mode);
void PaintLowerEicas(DisplaySurface* surface, gauge::DeviceContext* dc, const gauge::PixelSize* size,
                     int32_t mode);
void PaintNd(DisplaySurface* surface, gauge::DeviceContext* dc, const gauge::PixelSize* size, int32_t mode);
// Paints on standby power too; ignores the mode.
void PaintStbyPfd(DisplaySurface* surface, gauge::DeviceContext* dc, const gauge::PixelSize* size, int32_t mode);
// The thrust-reference and EICAS requests of value 1 are spent only by a powered paint.
void PaintUpperEicas(DisplaySurface* surface, gauge::DeviceContext* dc, const gauge::PixelSize* size,
                     int32_t mode);

// The CDU page routine of a page id; null for an id without a page.
DisplayPainter CduPageRoutine(int32_t page);
