#include "design_tool/fg_btn.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "2-QZutils/qz_btn.h"
#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_font.h"
#include "2-QZutils/records.h"
#include "platform/plat_fs.h"

namespace orv {

namespace {

constexpr int FOLDER_FILES_MAX = 128;   // files a name chooser steps through
constexpr int TAIL_CHARS = 6;
constexpr int C_NUMBER = 22;
constexpr int CHAR_PITCH = 6;
constexpr int FILE_SHOWN_MAX = 64;   // characters of a file name shown at most

struct ext_filter { const char* ext; };

int ends_with_ext(const char* name, int is_folder, void* ctx)
{
    const char* ext = static_cast<ext_filter*>(ctx)->ext;
    const std::size_t n = std::strlen(name), e = std::strlen(ext);
    if (is_folder || n <= e) return 0;
    for (std::size_t i = 0; i < e; ++i)
        if (std::tolower((unsigned char)name[n - e + i]) != std::tolower((unsigned char)ext[i])) return 0;
    return 1;
}

// The file after (step 1) or before (step -1) `current` among the folder's files, in name order.
const char* neighbour_file(const char* folder, const char* ext, const char* current, int step)
{
    static plat_dir_entry files[FOLDER_FILES_MAX];
    char where[PATH_LEN];
    copy_str(where, sizeof where, app_path);
    std::strncat(where, folder, sizeof where - std::strlen(where) - 1);
    ext_filter filter{ext};
    const int n = plat_list_dir(native_path(where), files, FOLDER_FILES_MAX, ends_with_ext, &filter);
    if (n <= 0) return nullptr;
    int at = -1;
    for (int i = 0; i < n; ++i)
        if (std::strcmp(files[i].name, current) == 0) at = i;
    if (at < 0) return files[step > 0 ? 0 : n - 1].name;
    return files[((at + step) % n + n) % n].name;
}

}  // namespace

int instringbtn(int x, int y, char* string, int len, const char* folder, const char* ext, int dx)
{
    // The shared choice's arrows and hit test over three stand-ins for the one name shown:
    // stepping off the middle one says which way to go. The name is cut short of the arrows.
    char cut[FILE_SHOWN_MAX + 1];
    int room = dx / CHAR_PITCH - 1;
    if (room > FILE_SHOWN_MAX) room = FILE_SHOWN_MAX;
    copy_str(cut, room > 0 ? room + 1 : 1, string);
    const char* shown[3] = {cut, cut, cut};
    int pick = 2;
    if (!intextbtn(x, y, shown, 3, dx, &pick)) return 0;
    const char* next = neighbour_file(folder, ext, string, pick == 3 ? 1 : -1);
    if (!next || std::strcmp(next, string) == 0) return 0;
    copy_str(string, len, next);
    return 1;
}

int inintbtn(int color, int x, int y, int* var, int dig, int lo, int hi)
{
    // The float wheel holds every int up to its seven digits exactly.
    float v = (float)*var;
    const float wlo = std::fmin((float)lo, v), whi = std::fmax((float)hi, v);   // shown as it is, not clamped
    if (!instdbtn_range(color, x, y, &v, dig, 0, wlo, whi)) return 0;
    const int now = (int)std::lround(v);
    if (now == *var) return 0;
    *var = now;
    return 1;
}

int in6textbtn(int x, int y, const char* c1, const char* c2, const char* c3, const char* c4, const char* c5,
               const char* c6, int dx, int* var)
{
    const char* c[] = {c1, c2, c3, c4, c5, c6};
    return intextbtn(x, y, c, 6, dx, var);
}

int in6charbtn(int color, int x, int y, char* string, int len)
{
    if (len <= TAIL_CHARS) return 0;
    char six[TAIL_CHARS + 1];
    std::memcpy(six, string, TAIL_CHARS);
    six[TAIL_CHARS] = 0;
    char before[TAIL_CHARS + 1];
    std::memcpy(before, six, sizeof six);
    if (!incharbtn(color, x, y, six, TAIL_CHARS)) return 0;
    // A name shorter than six came in blank padded: compare what it would show.
    int old_len = (int)strnlen(string, TAIL_CHARS);
    for (int i = old_len; i < TAIL_CHARS; ++i) before[i] = ' ';
    if (std::memcmp(before, six, TAIL_CHARS) == 0) return 0;
    const bool longer = strnlen(string, (std::size_t)len) > (std::size_t)TAIL_CHARS;
    std::memcpy(string, six, TAIL_CHARS);
    if (!longer) {
        int end = TAIL_CHARS;
        while (end > 0 && string[end - 1] == ' ') --end;
        string[end] = 0;
    }
    return 1;
}

int insecbtn(int x, int y, int* sec, int n)
{
    int changed = 0;
    for (int s = 0; s < n; ++s) changed |= inonebool(x + s * SEC_PITCH, y, sec, s);
    char num[24];
    std::snprintf(num, sizeof num, "%d of %d", *sec + 1, n);
    OGL_string(C_NUMBER, x + n * SEC_PITCH + 4, y + 1, num, WRAP_OFF_WIDTH, CHAR_PITCH);
    return changed;
}

float fltmax3(float a, float b, float c) { return std::fmax(a, std::fmax(b, c)); }

float flt_switch(int on, float off_value, float on_value) { return on ? on_value : off_value; }

}  // namespace orv
