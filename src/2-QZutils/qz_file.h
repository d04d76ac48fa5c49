// qz_file.h -- the file layer: every data file's shape (mark, line end, version), the
// value scanners and path building. The file picker is in qz_pick.h.
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

// Output stream. Written through a temporary file and renamed into place by ouf_close, so a
// crash or a full disk never leaves a half-written file where the old one was.
extern std::ofstream ouf;

// Opens inf1 (the head is read from inf1 whatever inf_use selects; inf_use is left alone).
int   inf_open(const char* path, int type, int version, int alert);
// Opens inf1 on `size` bytes held in memory (copied), as inf_open opens a file; `name`
// stands for the file in messages.
int   inf_open_memory(const void* data, long size, const char* name, int type, int version, int alert);
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
// A value was read but lies outside what the record can hold: the stream fails as if it could
// not be read, with the one scanning alert of the file.
void  scan_refuse(const char* msg);

void  rev_byte_order4(void* p);
// Path text helpers, also used by the picker: copy_str and join_path cut what does not fit
// (join_path answers 1 when nothing was cut); to_system_form turns "/" into "\\".
void  copy_str(char* dst, int cap, const char* src);
int   join_path(char* out, int cap, const char* a, const char* b, const char* c = "", const char* d = "");
void  to_system_form(char* s);
void  ap_dir(const char* folder, char* name);          // name = app_path + folder + "\" + name
const char* native_path(const char* path);             // "\" -> "/" (static buffer)
void  set_app_path(const char* native_folder);         // also resets wrk_path
int   find_app_path();                                 // app_path = the data tree (plat_data_folder)

}  // namespace orv
