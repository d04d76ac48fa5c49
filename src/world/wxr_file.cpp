// wxr_file.cpp -- the real-weather file "WORLD.RWX": one report per line, the first four
// characters the station's identifier. The nearest report of an in-region airport wins.
#include "world/wxr_file.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "2-QZutils/qz_file.h"
#include "world/nav_db.h"
#include "2-QZutils/records.h"

namespace orv {

static std::FILE* wxr_inf;
static char wxr_override[PATH_LEN];   // native path given instead of the program folder's file

void wxr_set_path(const char* native)
{
    std::snprintf(wxr_override, sizeof wxr_override, "%s", native ? native : "");
}

const char* wxr_path()
{
    static char path[PATH_LEN + 16];
    if (wxr_override[0]) return wxr_override;
    std::snprintf(path, sizeof path, "%sWORLD.RWX", app_path);
    return native_path(path);
}

int wxr_open()
{
    wxr_close();
    wxr_inf = std::fopen(wxr_path(), "rb");
    return wxr_inf != nullptr;
}

void wxr_close()
{
    if (wxr_inf) std::fclose(wxr_inf);
    wxr_inf = nullptr;
}

// One line without its end (LF, CR or CR-LF); a longer line is cut, its rest skipped.
// Answers 0 at the end of the file, 2 for a cut line, else 1.
static int read_line(std::FILE* f, char* buf, int cap)
{
    int n = 0, c = 0, any = 0, cut = 0;
    while ((c = std::fgetc(f)) != EOF) {
        any = 1;
        if (c == '\n') break;
        if (c == '\r') {
            int d = std::fgetc(f);
            if (d != '\n' && d != EOF) std::ungetc(d, f);
            break;
        }
        if (n < cap - 1) buf[n++] = (char)c;
        else cut = 1;
    }
    buf[n] = 0;
    return any ? (cut ? 2 : 1) : 0;
}

int get_wxr_str(char* wxr_str, float* z_report, float lat, float lon)
{
    if (!wxr_inf) return 0;
    char line[512];
    float best = 9999.0f;
    int found = 0;
    int got;
    while ((got = read_line(wxr_inf, line, sizeof line)) != 0) {
        // A report is at most 399 characters; a longer line is damage, not a report.
        if (got == 2 || std::strlen(line) < 4 || std::strlen(line) > 399) continue;
        for (int a = 0; a <= env.aptmax && a < APT_CAP; a++) {
            if (!apt_inreg[a] || std::strncmp(apt_id[a], line, 4) != 0) continue;
            float d = std::hypot(lat - apt_lat[a][0], lon - apt_lon[a][0]);
            if (d < best) {
                best = d;
                std::snprintf(wxr_str, 400, "%s", line);
                *z_report = apt_h[a];
                found = 1;
            }
        }
    }
    return found;
}

}  // namespace orv
