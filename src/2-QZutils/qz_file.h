// qz_file.h -- the file layer: every data file's shape (mark, line end, version), the
// value scanners, path building and the file picker.
//
// Paths keep the system's "\" separators everywhere; they are turned into "/" in one
// place, where a file is opened or a folder listed (native_path). On Linux that means a
// folder "/home/u/vantorel/" is held as "\home\u\vantorel\" (app_path, wrk_path, every
// path the picker answers), and ap_dir("airfoils", name) builds "\home\u\vantorel\airfoils\"
// + name. set_app_path takes the folder in the platform's own form and converts it.
//
// Text files read alike with LF, CR and CRLF: the line end is the character after the mark
// (x_eln); a CR followed by LF always counts as one line end.
//
// Input is read whole into memory when it is opened, so the scanners never touch the system
// per character. A failed scan leaves the stream failed (every later scan answers 0) and
// alerts once per opened file, so a damaged file costs the user one message, not thousands.
#pragma once

#include <cstdio>
#include <fstream>

namespace orv {

enum {
    FILE_AIRFOIL = 200, FILE_FLAP = 201, FILE_SITUATION = 202,
    FILE_AIRCRAFT = 203, FILE_BINARY = 204, FILE_ANY = 206
};

constexpr int PATH_LEN = 400;

extern char app_path[PATH_LEN];   // folder of the program, trailing "\"
extern char wrk_path[PATH_LEN];   // folder shown by the file picker
extern int  inf_use;              // 1 or 2: the stream the scanners read
extern int  inf_is_bin;
extern int  rev_inf_bin;
extern char x_eln;
extern int  extra_char_eoln;

// An input stream: the whole file in memory and a read position.
struct infstream {
    char* data;          // file contents (owned; kept between opens and grown as needed)
    long  cap;           // bytes allocated at `data`
    long  len;           // bytes of the open file
    long  pos;           // next byte to read
    int   open;
    int   fail;          // a read failed; sticky until the stream is closed
    int   reported;      // the scan alert for this failure has been shown
};
extern infstream inf1, inf2;

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

// Output stream. Written through a temporary file and renamed into place by ouf_close, so a
// crash or a full disk never leaves a half-written file where the old one was.
extern std::ofstream ouf;

// Opens inf1 (the head is read from inf1 whatever inf_use selects; inf_use is left alone).
int   inf_open(const char* path, int type, int version, int alert);
void  inf_close();                // closes inf1
int   inf_good();                 // the selected input stream is open and has not failed
int   inf_eof();                  // the selected input stream has nothing left to read
void  inf_move_to_second();       // inf2 takes over the file open in inf1 (inf1 is closed)
void  inf2_close();
// Writes go to path + ".tmp"; ouf_close moves it over `path`. Close with ouf_close, not
// ouf.close(). A file still open when ouf_open is called again is finished first.
int   ouf_open(const char* path, int type, int version);
int   ouf_close();                // 1 when the file was completed and moved into place

int   intscan(const char* msg);
float fltscan(const char* msg);
int   intscanNOSN(const char* msg);
float fltscanNOSN(const char* msg);
int   bolscan(const char* msg);
int   bolscanNOSN(const char* msg);
void  wrdscan(char* buf, const char* msg, int len);
void  strscan(char* buf, const char* msg, int len);   // binary: len raw bytes
void  rln(const char* msg);
void  scancheck(const char* msg);

void  rev_byte_order4(void* p);
void  ap_dir(const char* folder, char* name);          // name = app_path + folder + "\" + name
const char* native_path(const char* path);             // "\" -> "/" (static buffer)
void  set_app_path(const char* native_folder);         // also resets wrk_path
int   find_app_path();                                 // app_path = the program's folder

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
