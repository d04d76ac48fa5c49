// Provisional window layer: alerts go to standard error. Replaced by the full layer.
#include "2-QZutils/qz_mnw.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "2-QZutils/records.h"

namespace orv {

static int  alert_count;
static char alert_lines[4][400];

void MACIBM_init() { gdone = 0; }
void MACIBM_event_proc() {}
void MACIBM_startwind(int w) { mnw.topwin = w; }
void MACIBM_showinit(int) {}
void MACIBM_finishup() {}
int  mnw_is_headless() { return 1; }
int  mnw_alert_count() { return alert_count; }
const char* mnw_last_alert_line(int line) { return (line >= 0 && line < 4) ? alert_lines[line] : ""; }

void MACIBM_alert(const char* l1, const char* l2, const char* l3, const char* l4, int code)
{
    const char* in[4] = {l1, l2, l3, l4};
    for (int i = 0; i < 4; i++) {
        std::snprintf(alert_lines[i], sizeof alert_lines[i], "%s", in[i] ? in[i] : "");
        if (alert_lines[i][0]) std::fprintf(stderr, "%s\n", alert_lines[i]);
    }
    alert_count++;
    if (code == ALERT_FATAL || code == ALERT_FATAL_NUM) {
        gdone = 1;
        std::exit(0);
    }
}

void MACIBM_alert(const char* l1, const char* l2, const char* l3, int number, int code)
{
    char num[32];
    std::snprintf(num, sizeof num, "%d", number);
    MACIBM_alert(l1, l2, l3, num, code);
}

}  // namespace orv
