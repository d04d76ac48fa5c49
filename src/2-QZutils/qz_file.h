// qz_file.h -- the file layer: every data file's shape (mark, line end, version), the
// value scanners, path building and the file picker.
//
// Paths keep the system's "\" separators everywhere; they are turned into "/" in one
// place, where a file is opened (native_path). Text files read alike with LF, CR and CRLF.
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

// Output stream. Written through a temporary file and renamed into place by ouf_close, so a
// crash or a full disk never leaves a half-written file where the old one was.
extern std::ofstream ouf;

int   inf_open(const char* path, int type, int version, int alert);
void  inf_close();                // closes inf1
int   inf_good();                 // the selected input stream has not failed
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

int   takeit(const char* name, int type, int is_folder);
int   GetDirItems(int type);
int   MACIBM_open(int type, char* name, char* path);
int   MACIBM_save(int type, char* name, char* path);
void  OPENSAVE_update();

// Without a window the picker is answered from this queue (first in, first out); an empty
// queue cancels the picker.
void  picker_queue_answer(const char* path);
void  picker_clear_answers();

}  // namespace orv
