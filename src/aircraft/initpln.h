// initpln.h -- loading an aircraft: the file, unit conversion to SI about the centre of
// gravity, the airfoils, elements, finite-wing corrections, downwash and propwash maps,
// mass distribution, body areas, design checks, and the build-up report in the output
// file (see qz_trk.h).
#pragma once

#include <cstddef>
#include <cstdint>

namespace orv {

// Loads the aircraft at pln.C_path. While it cannot be read, the user is told and sent to
// the file picker; a cancelled picker is reported and the attempt starts over. Without a
// window nobody can answer the picker, so there a cancel ends the program (fatal alert).
// Answers 1 when an aircraft was loaded, 0 when the program is ending (window closed, or a
// fatal alert that returned).
int  load_plane();

// One attempt at `path`, without the picker: 1 loaded, 0 when the file is not a readable,
// complete aircraft file (pln is then left as it was).
int  load_plane_file(const char* path);

// The second half of the derivation (slats, flap file, wash maps, masses, bodies, stall
// speed) and the design checks. load_plane uses mode 3 (everything).
void finishplane(int mode);

// The same for an aircraft file image held in memory (`name` stands for its path): a file
// received or built in memory loads without touching the disc.
int  load_plane_image(const std::uint8_t* data, std::size_t size, const char* name);

// The aircraft area's calls upward; the program fills the table once at start-up, an empty
// entry does nothing.
struct aircraft_hooks {
    void (*plane_loaded)();   // after every successful load: the panel lays itself out
};
void aircraft_set_hooks(const aircraft_hooks& h);

// First line of the alert for a panel row with more than three wide instruments.
extern const char* const PANEL_ROW_ALERT;

}  // namespace orv
