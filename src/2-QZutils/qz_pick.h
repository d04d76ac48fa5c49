// qz_pick.h -- the file picker: lists a folder's files of one type, lets the user open or
// save one, and without a window takes its answers from a queue.
#pragma once

#include "2-QZutils/qz_file.h"

namespace orv {

// Picker state.
constexpr int PICK_MAX = 49;         // entries the picker lists
constexpr int NAME_LEN = 32;
extern int  number_items;
extern char g_name[PICK_MAX][NAME_LEN];
extern char g_path[PICK_MAX][PATH_LEN];
extern int  g_folder[PICK_MAX];
extern int  g_file_type;
extern char g_cs1[NAME_LEN];         // file name being typed in the save picker
extern int  return_hit;              // Return was pressed in the save picker

int   takeit(const char* name, int type, int is_folder);
int   GetDirItems(int type);
// name receives at most NAME_LEN bytes, path at most PATH_LEN (system form).
int   MACIBM_open(int type, char* name, char* path);
int   MACIBM_save(int type, char* name, char* path);
void  OPENSAVE_update();

// Without a window the picker is answered from this queue (first in, first out); an empty
// queue cancels the picker.
void  picker_queue_answer(const char* path);
void  picker_clear_answers();

// The picker's click and key logic (x, y in window pixels, y up), called by the windowed loop.
enum { PICK_NONE = 0, PICK_FOLDER = 1, PICK_FILE = 2 };
int   picker_click(int x, int y, int* row);  // PICK_FILE sets *row to the picked entry
int   picker_row_at(int x, int y);           // list row under (x, y), -1 when none
int   picker_up_folder();                    // 1 when wrk_path was cut back
int   picker_enter_folder(int row);          // 1 when wrk_path now ends in that folder
void  picker_key(int c);                     // save picker: edit g_cs1, Return sets return_hit

}  // namespace orv
