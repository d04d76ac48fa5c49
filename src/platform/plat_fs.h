// plat_fs.h -- directory listing and the program's own folder, in the platform's own path
// form ("/" separators). The file layer converts to and from the system's "\" form.
#pragma once

namespace orv {

struct plat_dir_entry {
    char name[256];
    int  is_folder;
};

// Decides whether an entry is kept (1) or passed over (0).
using plat_dir_accept_fn = int (*)(const char* name, int is_folder, void* ctx);

// Lists `folder`, keeping the entries `accept` takes (every entry when it is null). The
// kept entries come out sorted by name (byte order), because the system's own order is
// arbitrary; when more than `max` are kept, the first `max` in that order are returned.
// Answers the number returned, or -1 when the folder cannot be read. Allocates nothing.
int plat_list_dir(const char* folder, plat_dir_entry* out, int max,
                  plat_dir_accept_fn accept, void* ctx);

// The folder holding the running program, with a trailing "/". Answers 0 when unknown.
int plat_exe_folder(char* buf, int len);
// The installation data tree: beside the program (a folder of its own, or the build tree), or
// for a program installed in <prefix>/bin, <prefix>/share/vantorel when that folder is there.
constexpr const char* INSTALLED_DATA_DIR = "share/vantorel";
int plat_data_folder(char* buf, int len);

// 1 when `path` names an existing folder / a regular file that can be read.
int plat_is_folder(const char* path);
int plat_is_readable_file(const char* path);

// The size and modification time (nanoseconds) of a regular file; 0 when it is none. A cache
// built from a file keeps these to know when the file has changed.
int plat_file_stamp(const char* path, long long* size, long long* mtime_ns);

}  // namespace orv
