// plat_paths.h -- where the program lives, where the user's settings go, and folder helpers.
// Paths here are native ("/"-separated) and have no trailing separator.
#pragma once

namespace orv {

// Folder holding the running program; "." when it cannot be found. Answers 1 when found.
int  plat_program_dir(char* out, int len);

// $XDG_CONFIG_HOME/vantorel, else $HOME/.config/vantorel, else ./.vantorel.
void plat_default_config_dir(char* out, int len);

// Creates the folder and any missing parents. Answers 1 when the folder exists afterwards.
int  plat_make_dirs(const char* path);

int  plat_is_dir(const char* path);

// 1 when a graphical display is reachable ($DISPLAY or $WAYLAND_DISPLAY set and non-empty).
int  plat_display_available();

}  // namespace orv
