#include "module/module_state.h"

#include "afds/afds_globals.h"
#include "afds/route_progress_globals.h"
#include "afds/systems_globals.h"
#include "afds/sound_globals.h"
#include "afds/panel_input_globals.h"
#include "afds/vnav_targets.h"
#include "cdu/cdu_globals.h"
#include "cdu/pages/index_pages.h"
#include "cdu/pages/pos_init_page.h"
#include "displays/displays_globals.h"
#include "fmc/engine_epr.h"
#include "fmc/fmc_globals.h"
#include "fmc/perf_tables.h"
#include "fmc/proc_route.h"
#include "fmc/thrust_limits.h"
#include "sim/debug_log.h"
#include "sim/derived_samples.h"
#include "draw/display_surface.h"
#include "sim/sim_globals.h"
#include "sim/fsuipc_client.h"
#include "base/geodesy.h"
#include "sim/named_vars.h"
#include "module/panel_gauge_globals.h"
#include "sim/sim_access.h"
#include "sim/readers_flight.h"
#include "sim/tcas_link.h"
#include "afds/tick_autoflight.h"
#include "sim/tick_globals.h"
#include "afds/tick_vnav.h"
#include "navdb/mag_model.h"
#include "navdb/navdb_globals.h"
#include "nd/map_geometry.h"
#include "nd/nd_globals.h"
#include "platform/gdiplus_session.h"
#include "platform/host_api.h"
#include "state/aircraft_id_globals.h"
#include "state/config_globals.h"
#include "state/state_globals.h"

void ResetModuleState() {
  ResetFrameGlobals();
  ResetNamedVarIds();
  ResetSimAccessGlobals();
  ResetTickGlobals();
  ResetRouteProgressGlobals();
  ResetTickVnavGlobals();
  ResetVnavTargetGlobals();
  ResetTickAutoflightGlobals();
  ResetDisplaySurfaces();
  ResetGdiplusSession();
  host::ResetSentKeyEvents();
  ResetGeodesyGlobals();
  ResetDerivedSampleGlobals();
  ResetNavdbGlobals();
  ResetMagModelGlobals();
  ResetFmcGlobals();
  ResetCduGlobals();
  ResetAfdsGlobals();
  ResetDisplaysGlobals();
  ResetNdGlobals();
  ResetStateGlobals();
  ResetConfigGlobals();
  ResetAircraftIdGlobals();
  ResetThrustLimitGlobals();
  ResetEngineEprGlobals();
  ResetPerfTableGlobals();
  ResetFsuipcClient();
  ResetTcasLink();
  ResetDebugLog();
  ResetPanelGaugeGlobals();
  ResetMapGeometryGlobals();
  ResetSystemsGlobals();
  ResetProcSelectGlobals();
  ResetSoundGlobals();
  ResetPanelInputGlobals();
  ResetIndexPageGlobals();
  ResetPosInitGlobals();
}
