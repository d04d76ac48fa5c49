// app_goto.h -- jumps to an airport: by identifier (the Location menu, the favourites and
// the command line) or to the airport nearest the middle of a requested region.
#pragma once

namespace orv {

// Database entries 0..count: type 1 compares airport identifiers, any other type the
// identifiers of navaids of that type. The first entry whose four characters match `id`
// (blank padded when shorter) goes to *out; answers 1, or 0 when none matches.
int  get_index_from_id(const char* id, int type, int count, int* out);

// Jump to airport `id`, runway end rway_sel (runway index times 2, plus 1 for the opposite
// end): the region round it is loaded and the flight starts there. An unknown identifier
// closes the window on top and says so; the flight goes on unchanged.
void gotofield(const char* id, int rway_sel);

// Start at the airport nearest the middle of the region whose corner the caller has set.
void set_up_env_with_request_latlon();

// The command line's start airport (--airport, --runway-end). The start-up checks it once the
// navigation data is in (0 after printing why it cannot be used: the start then stops) and
// selects it after the preferences, in place of their start airport.
void app_set_start_airport(const char* id, int runway_end);
int  app_check_start_airport();
void app_select_start_airport();
int  app_start_airport_refused();

}  // namespace orv
