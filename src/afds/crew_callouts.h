// Crew callouts and cabin announcements: the take-off callouts from "80 kts" to "Flaps Up", the
// landing checklist's challenges and responses, and the cabin crew's announcements from boarding
// to after landing (an airline folder may replace any of them). Arming and resetting the take-off
// and checklist sequences belongs to the overhead pass, starting and stopping the cabin sequence to
// route activation and reset.
//
// Reads: ias, radio_height, vert_speed, ground_speed, flap_angle, the gear positions, position,
// pfd_ias_trend, v1 / vr / v2, ldg_flaps, toc, tod, dist_to_tod, the active route and runways, the
// door annunciators, seatbelt_sign, pa_airline_code, tokens 60, 323, 324 and 907.
// Writes: to_callout_mode, ldg_checklist_mode, ldg_checklist_done_timer, annuncement_mode,
// seatbelt_announce_request, crew_callout_delay (take-off and checklist), cabin_announce_delay,
// VolumeCrewCallouts (clamped to 1..100).
#pragma once

#include <string>

// At most one file per call into the crew group: the take-off sequence (while
// PlayTakeoffCalloutSounds is 1), then the landing checklist; the cabin sequence (while
// play_announcements is 1 and its own delay has run out) only when neither chose a file.
void PlayCrewCallouts();

// The file of a cabin announcement: the airline's own under "\Orvantel\Sounds\RIVOD\<code>\" when
// pa_airline_code is set and the file exists there, otherwise the common one.
std::string CabinAnnouncementPath(const char* file);
