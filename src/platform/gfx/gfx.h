// The drawing layer the painters use: a GDI+-like API (graphics object, pens, solid brushes, fonts,
// string formats, paths, matrices) over a raster back end (Cairo) and a recording back end.
#pragma once

#include "platform/gfx/gfx_font.h"
#include "platform/gfx/gfx_graphics.h"
#include "platform/gfx/gfx_path.h"
#include "platform/gfx/gfx_pen.h"
#include "platform/gfx/gfx_recording.h"
#include "platform/gfx/gfx_text.h"
#include "platform/gfx/gfx_types.h"
