// fg_file.h -- the design tool's File menu: New, Open, Save, Save As and Quit, and the
// aircraft file reading and writing behind them. The record stays in stored units.
#pragma once

namespace orv {

// Reads the aircraft file at `path` (file-layer or native form) into pln as stored, with the
// airfoil thicknesses the drawing needs. Answers 1; 0 when it is not a readable, complete
// aircraft file (pln is then left as it was, and the user told why).
int  fg_load_aircraft(const char* path);

// Writes pln as an aircraft file at `path` and makes it the design's file. A failed write
// leaves the file that was there and the design in memory as they were (the save alert says
// why) and answers 0.
int  fg_save_aircraft_to(const char* path);

// The File menu's commands. Those that would drop unsaved changes (New, Open, Quit) first
// warn once; the same command given again goes ahead.
void fg_new();
void fg_open();
void fg_save();
void fg_save_as();
void fg_quit();

// The design changed: Save is needed again and the next drop warns again.
void fg_design_changed();

}  // namespace orv
