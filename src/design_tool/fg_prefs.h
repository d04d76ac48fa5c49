// fg_prefs.h -- the design tool's preferences, "Flexgauge.prf" beside the simulator's in the
// settings folder: the view, the background, wire frame or textures, and the picker's folder.
#pragma once

namespace orv {

// The file's path (file-layer form), from the settings folder the window layer chose.
const char* fg_prefs_path();

// Reads the preferences into msc and mnw; a missing or damaged file leaves the defaults.
void fg_read_prefs();
// Writes them; answers 1 on success (a failure has shown the save alert).
int  fg_write_prefs();

}  // namespace orv
