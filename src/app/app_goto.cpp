#include "app/app_goto.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "flight/flt_init.h"
#include "world/nav_db.h"
#include "world/region.h"

namespace orv {

namespace {

constexpr int ID_LEN = 4;
constexpr int START_TYPE_RUNWAY = 7;
constexpr int FLTVARS_RUNWAY = 8;
constexpr int RUNWAY_ENDS = 2 * APT_RWYS;

char start_id[8];
int  start_end = -1;
int  start_refused;

// Selects the airport and its runway end and puts the region's corner round it.
int select_field(const char* id, int rway_sel)
{
    if (!get_index_from_id(id, 1, env.aptmax, &msc.loc_apt_wrl)) return 0;
    env.lat_sou = round(apt_lat[msc.loc_apt_wrl][0] - 1.0f);
    env.lon_wes = round(apt_lon[msc.loc_apt_wrl][0] - 1.5f);
    msc.typestart = START_TYPE_RUNWAY;
    msc.rway_sel = rway_sel;
    return 1;
}

}  // namespace

int get_index_from_id(const char* id, int type, int count, int* out)
{
    char want[ID_LEN];
    int n = 0;
    for (; n < ID_LEN && id && id[n]; n++) want[n] = id[n];
    for (; n < ID_LEN; n++) want[n] = ' ';
    if (type == 1) {
        for (int a = 0; a <= count && a < APT_CAP; a++)
            if (!std::memcmp(apt_id[a], want, ID_LEN)) {
                *out = a;
                return 1;
            }
        return 0;
    }
    for (int k = 0; k <= count && k < NAV_CAP; k++)
        if (nav_type[k] == type && !std::memcmp(nav_id[k], want, ID_LEN)) {
            *out = k;
            return 1;
        }
    return 0;
}

void gotofield(const char* id, int rway_sel)
{
    const int keep = msc.loc_apt_wrl;
    if (!select_field(id, rway_sel)) {
        msc.loc_apt_wrl = keep;
        mnw.topwin = 0;
        MACIBM_alert("I could not find an airport with this ID anywhere in the country!",
                     "Small airports (with a NUMBER for the first digit) are not simulated.",
                     "There are still over 6,100 airports simulated by Vantorel.", "", ALERT_NOTE);
        return;
    }
    load_region();
    set_fltvars(FLTVARS_RUNWAY);
}

void set_up_env_with_request_latlon()
{
    const float lat = env.lat_sou + 1.0f, lon = env.lon_wes + 1.5f;
    float best = 9.9e9f;
    for (int a = 0; a <= env.aptmax && a < APT_CAP; a++) {
        const float d = pythag(apt_lat[a][0] - lat, apt_lon[a][0] - lon);
        if (d < best) {
            best = d;
            msc.loc_apt_wrl = a;
        }
    }
    msc.typestart = START_TYPE_RUNWAY;
    msc.rway_sel = 0;
    load_region();
    set_fltvars(FLTVARS_RUNWAY);
}

void app_set_start_airport(const char* id, int runway_end)
{
    std::snprintf(start_id, sizeof start_id, "%s", id ? id : "");
    for (char* p = start_id; *p; p++) *p = (char)std::toupper((unsigned char)*p);
    start_end = runway_end;
    start_refused = 0;
}

int app_start_airport_refused() { return start_refused; }

int app_check_start_airport()
{
    if (!start_id[0]) return 1;
    const int end = start_end < 0 ? 0 : start_end;
    int a;
    if (!get_index_from_id(start_id, 1, env.aptmax, &a)) {
        std::fprintf(stderr, "vantorel: --airport: no airport '%s' in the navigation data\n", start_id);
        start_refused = 1;
        return 0;
    }
    if (end >= RUNWAY_ENDS || apt_len[a][end / 2] <= 1) {
        int ends = 0;
        while (ends < RUNWAY_ENDS && apt_len[a][ends / 2] > 1) ends += 2;
        std::fprintf(stderr, "vantorel: --runway-end: %s has runway ends 0..%d, not %d\n", start_id,
                     ends - 1, end);
        start_refused = 1;
        return 0;
    }
    return 1;
}

void app_select_start_airport()
{
    if (start_id[0] && !start_refused) select_field(start_id, start_end < 0 ? 0 : start_end);
}

}  // namespace orv
