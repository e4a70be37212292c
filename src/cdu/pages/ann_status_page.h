// ANNOUNCEMENT STATUS (page 50, DrawAnnouncementStatusPage in cdu_pages.h): whether the cabin
// announcements, take-off callouts and landing checklist callouts are on, the stage each sequence has
// reached, and the aircraft's distance from the departure and arrival runways while it is below
// 50000 ft. Read only: no key acts on it, and a page key leaves it.
//
// Reads play_announcements, annuncement_mode, to_callout_mode, ldg_checklist, ldg_checklist_mode,
// fms_dep_rwy_pos / fms_dest_rwy_pos with the runways of the origin and destination records, and
// plane_lat / plane_lon.
#pragma once
