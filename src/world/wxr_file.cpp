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

int wxr_open()
{
    wxr_close();
    char path[PATH_LEN + 16];
    std::snprintf(path, sizeof path, "%sWORLD.RWX", app_path);
    wxr_inf = std::fopen(native_path(path), "rb");
    return wxr_inf != nullptr;
}

void wxr_close()
{
    if (wxr_inf) std::fclose(wxr_inf);
    wxr_inf = nullptr;
}

// One line without its end (LF, CR or CR-LF); a longer line is cut, its rest skipped.
static int read_line(std::FILE* f, char* buf, int cap)
{
    int n = 0, c = 0, any = 0;
    while ((c = std::fgetc(f)) != EOF) {
        any = 1;
        if (c == '\n') break;
        if (c == '\r') {
            int d = std::fgetc(f);
            if (d != '\n' && d != EOF) std::ungetc(d, f);
            break;
        }
        if (n < cap - 1) buf[n++] = (char)c;
    }
    buf[n] = 0;
    return any;
}

int get_wxr_str(char* wxr_str, float* z_report, float lat, float lon)
{
    if (!wxr_inf) return 0;
    char line[512];
    float best = 9999.0f;
    int found = 0;
    while (read_line(wxr_inf, line, sizeof line)) {
        if (std::strlen(line) < 4) continue;
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
