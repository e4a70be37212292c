#include "draw/display_surface.h"

#include <initializer_list>

DisplaySurface eadi_surface{};
DisplaySurface cdu_surface{};
DisplaySurface fp_ehsi_surface{};
DisplaySurface fp_nd_surface{};
DisplaySurface fp_pfd_surface{};
DisplaySurface lower_eicas_surface{};
DisplaySurface nd_surface{};
DisplaySurface stby_pfd_surface{};
DisplaySurface upper_eicas_surface{};

void ResetDisplaySurfaces() {
  for (DisplaySurface* s : {&eadi_surface, &cdu_surface, &fp_ehsi_surface, &fp_nd_surface, &fp_pfd_surface,
                            &lower_eicas_surface, &nd_surface, &stby_pfd_surface, &upper_eicas_surface}) {
    *s = DisplaySurface{};
  }
}
