#include "platform/plat_fs.h"

#include <cstdio>
#include <cstring>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orv {

static int entry_is_folder(const char* folder, const struct dirent* d)
{
#ifdef DT_DIR
    if (d->d_type == DT_DIR) return 1;
    if (d->d_type != DT_LNK && d->d_type != DT_UNKNOWN) return 0;
#endif
    // A link or an unknown type: ask for what it leads to.
    char full[4096];
    int n = std::snprintf(full, sizeof full, "%s%s%s", folder,
                          (folder[0] && folder[std::strlen(folder) - 1] != '/') ? "/" : "",
                          d->d_name);
    if (n < 0 || n >= (int)sizeof full) return 0;
    return plat_is_folder(full);
}

int plat_list_dir(const char* folder, plat_dir_entry* out, int max,
                  plat_dir_accept_fn accept, void* ctx)
{
    if (!folder || !out || max < 0) return -1;
    DIR* dir = opendir(folder[0] ? folder : ".");
    if (!dir) return -1;

    int count = 0;
    while (const struct dirent* d = readdir(dir)) {
        if (std::strlen(d->d_name) >= sizeof out[0].name) continue;   // cannot be held whole
        int is_folder = entry_is_folder(folder, d);
        if (accept && !accept(d->d_name, is_folder, ctx)) continue;

        // Keep the `max` smallest names: insertion into the sorted, bounded list.
        int at = count;
        while (at > 0 && std::strcmp(d->d_name, out[at - 1].name) < 0) at--;
        if (at >= max) continue;
        int last = (count < max) ? count : max - 1;
        for (int i = last; i > at; i--) out[i] = out[i - 1];
        std::snprintf(out[at].name, sizeof out[at].name, "%s", d->d_name);
        out[at].is_folder = is_folder;
        if (count < max) count++;
    }
    closedir(dir);
    return count;
}

int plat_exe_folder(char* buf, int len)
{
    if (!buf || len < 2) return 0;
    char exe[4096];
    ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
    if (n <= 0) return 0;
    exe[n] = 0;
    char* slash = std::strrchr(exe, '/');
    if (!slash) return 0;
    slash[1] = 0;
    if ((int)std::strlen(exe) >= len) return 0;
    std::snprintf(buf, (size_t)len, "%s", exe);
    return 1;
}

int plat_data_folder(char* buf, int len)
{
    char exe[4096];
    if (!plat_exe_folder(exe, (int)sizeof exe)) return 0;
    // <prefix>/bin/ -> <prefix>/share/vantorel/ when the installation put the data there.
    const size_t n = std::strlen(exe);
    const char* bin = "/bin/";
    char shared[4096 + 32];
    if (n >= 5 && std::strcmp(exe + n - 5, bin) == 0) {
        std::snprintf(shared, sizeof shared, "%.*s/%s/", (int)(n - 5), exe, INSTALLED_DATA_DIR);
        if (plat_is_folder(shared)) {
            if ((int)std::strlen(shared) >= len) return 0;
            std::snprintf(buf, (size_t)len, "%s", shared);
            return 1;
        }
    }
    if ((int)n >= len) return 0;
    std::snprintf(buf, (size_t)len, "%s", exe);
    return 1;
}

int plat_is_folder(const char* path)
{
    struct stat st;
    return path && stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

int plat_is_readable_file(const char* path)
{
    struct stat st;
    return path && stat(path, &st) == 0 && S_ISREG(st.st_mode) && access(path, R_OK) == 0;
}

int plat_file_stamp(const char* path, long long* size, long long* mtime_ns)
{
    struct stat st;
    if (!path || stat(path, &st) != 0 || !S_ISREG(st.st_mode)) return 0;
    *size = (long long)st.st_size;
    *mtime_ns = (long long)st.st_mtim.tv_sec * 1000000000LL + (long long)st.st_mtim.tv_nsec;
    return 1;
}

}  // namespace orv
