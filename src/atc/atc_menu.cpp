// atc_menu.cpp -- the ATC menu: its rows and marks, the lists it opens, their selection by
// mouse and keys, what each choice asks the controller, and the phrase on the screen.
#include "atc/atc_menu.h"

#include <cstdio>
#include <cstring>

#include "2-QZutils/qz_font.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_graph.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/rec_plane.h"
#include "2-QZutils/records.h"
#include "atc/atc_phrases.h"
#include "atc/do_atc.h"
#include "platform/plat_backend.h"
#include "world/nav_db.h"

namespace orv {

namespace {

constexpr int kRowPitch = 10, kTopY = 547, kLeftX = 17;   // rows are picked by (547 - y) / 10
constexpr int kListRows = 15;
constexpr int kAirportColumnW = 150, kNavColumnW = 300;
constexpr int kAirportColumns = 4, kNavColumns = 2;
constexpr int kFlightPlanWindow = 25;
constexpr int kTextColor = 60, kMarkColorA = 72, kMarkColorB = 67, kFrameColor = 64, kShadeColor = 69;
constexpr int kResponseX = 6, kResponseY = 535;

struct list_state {
    int count;
    int entry[ATC_LIST_MAX];
};
list_state lst;

bool is_list(int level) { return level == ATC_LEVEL_ATIS || (level >= ATC_LEVEL_VECTORS && level <= ATC_LEVEL_LOC); }
bool nav_list(int level) { return level == ATC_LEVEL_ILS || level == ATC_LEVEL_LOC; }
int column_width(int level) { return nav_list(level) ? kNavColumnW : kAirportColumnW; }
int columns(int level) { return nav_list(level) ? kNavColumns : kAirportColumns; }

void close_menu() { atc.menu_up = 0; }

void open_list(int level)
{
    atc.menu_level = level;
    atc.sel_i = atc.sel_j = 0;
    lst.count = 0;
    const int cap = columns(level) * kListRows;
    const int n_max = nav_list(level) ? NAV_CAP : intlim(env.aptmax + 1, 0, APT_CAP);
    for (int k = 0; k < n_max; k++) {
        const bool take = nav_list(level)
                              ? nav_inreg[k] && nav_type[k] == (level == ATC_LEVEL_ILS ? NAV_LOC : NAV_LOC_ONLY)
                              : apt_inreg[k] && (level == ATC_LEVEL_VECTORS || apt_twr[k]);
        if (!take) continue;
        if (lst.count + 1 >= ATC_LIST_MAX) {
            MACIBM_alert("Too many ATC selections!", "", "", "", ALERT_NOTE);
            break;
        }
        if (lst.count < cap) lst.entry[lst.count] = k;
        lst.count++;
    }
}

const char* tail() { return pln.tailnum; }

// The check-in call of the present phase.
void checkin_text(char* out, int outlen)
{
    const int dest = intlim(atc.plan_index, 0, APT_CAP - 1), dep = intlim(msc.loc_apt_wrl, 0, APT_CAP - 1);
    switch (atc.plan_phase) {
    case PLAN_DEPARTURE: std::snprintf(out, outlen, "%s departure %s with you.", apt_name[dep], tail()); break;
    case PLAN_ENROUTE: std::snprintf(out, outlen, "Center, %s with you.", tail()); break;
    case PLAN_APPROACH: std::snprintf(out, outlen, "%s approach %s with you inbound.", apt_name[dest], tail()); break;
    case PLAN_TOWER: std::snprintf(out, outlen, "%s tower %s with you inbound.", apt_name[dest], tail()); break;
    case PLAN_GROUND: std::snprintf(out, outlen, "%s ground %s clear active.", apt_name[dest], tail()); break;
    default: std::snprintf(out, outlen, "%s with you.", tail()); break;
    }
}

void request(const char* what, const char* id)
{
    char text[ATC_TEXT];
    std::snprintf(text, sizeof text, "%s%.4s", what, id);
    controller_respond(text);
}

void act_on_row(int j)
{
    char text[ATC_TEXT];
    if (!atc_menu_row(j, text, sizeof text)) return close_menu();
    const int start = intlim(msc.loc_apt_wrl, 0, APT_CAP - 1);
    const bool stays_open = (j == 2) || (j >= 11 && j <= 14);
    if (!stays_open) close_menu();
    if (j >= 9 && j <= 14) atc.ils_vec_in_progress = 0;
    switch (j) {
    case 0:
    case 1:
        std::snprintf(fpl.dep_id_str, sizeof fpl.dep_id_str, "%.4s", apt_id[start]);
        MACIBM_startwind(kFlightPlanWindow);
        break;
    case 2: open_list(ATC_LEVEL_ATIS); break;
    case 4:
        fpl.activated = 1;
        atc.plan_phase = PLAN_PICKED_UP;
        handle_plan(1);
        break;
    case 5: {
        char words[ATC_TEXT];
        std::snprintf(words, sizeof words, "%.300s flight plan closed. Squawk 1 2 0 0. Good day.", tail());
        fpl.onfile = fpl.activated = 0;
        atc.plan_phase = 0;
        speakstring(words);
        break;
    }
    case 6:
        atc.waiting_new_frq = 0;
        handle_plan(1);
        break;
    case 7: {
        char again[ATC_TEXT];
        std::snprintf(again, sizeof again, "%s", atc.response);
        speakstring(again);
        break;
    }
    case 9: request("request taxi ", apt_id[start]); break;
    case 10: request("request takeoff ", apt_id[start]); break;
    case 11: open_list(ATC_LEVEL_VECTORS); break;
    case 12: open_list(ATC_LEVEL_LANDING); break;
    case 13: open_list(ATC_LEVEL_ILS); break;
    case 14: open_list(ATC_LEVEL_LOC); break;
    case 16: controller_respond("declaring an emergency"); break;
    case 18: controller_respond("wind check"); break;
    default: break;
    }
}

void act_on_entry(int k)
{
    const int level = atc.menu_level;
    close_menu();
    if (k < 0 || k >= lst.count || k >= columns(level) * kListRows) return;
    const int e = lst.entry[k];
    switch (level) {
    case ATC_LEVEL_ATIS: give_ATIS(e); break;
    case ATC_LEVEL_VECTORS: request("request vectors ", apt_id[e]); break;
    case ATC_LEVEL_LANDING: request("request landing ", apt_id[e]); break;
    case ATC_LEVEL_ILS: request("request I L S ", nav_id[e]); break;
    case ATC_LEVEL_LOC: request("request localizer ", nav_id[e]); break;
    default: break;
    }
}

void draw_main()
{
    const bool pulse = ((int)(msc.elap_time * 2)) % 2 == 0;
    for (int j = 0; j < ATC_MENU_ROWS; j++) {
        char text[ATC_TEXT];
        const int state = atc_menu_row(j, text, sizeof text);
        if (!state) continue;
        const int y = kTopY - kRowPitch * (j + 1) + 2;
        OGL_string(state == 2 ? (pulse ? kMarkColorA : kMarkColorB) : kTextColor, kLeftX + 3, (float)y, text,
                   WRAP_OFF_WIDTH, 6);
        if (j == atc.sel_j) OGL_framerect(kFrameColor, kLeftX, (float)(y - 2), SCREEN_W - 2 * kLeftX, kRowPitch);
    }
}

void draw_list()
{
    const int w = column_width(atc.menu_level);
    const int shown = intlim(lst.count, 0, columns(atc.menu_level) * kListRows);
    const int chars = nav_list(atc.menu_level) ? w / 6 : w / 6 - 1;
    for (int k = 0; k < shown; k++) {
        const int col = k / kListRows, row = k % kListRows, e = lst.entry[k];
        char text[80];
        if (nav_list(atc.menu_level)) std::snprintf(text, sizeof text, "%.4s %.*s", nav_id[e], chars / 6 * 5, nav_name[e]);
        else std::snprintf(text, sizeof text, "%.4s %.*s", apt_id[e], chars - 5, apt_name[e]);
        const int x = kLeftX + col * w, y = kTopY - kRowPitch * (row + 1) + 2;
        OGL_string(kTextColor, (float)x + 3, (float)y, text, WRAP_OFF_WIDTH, 6);
        if (col == atc.sel_i && row == atc.sel_j) OGL_framerect(kFrameColor, (float)x, (float)(y - 2), (float)w, kRowPitch);
    }
}

}  // namespace

int atc_menu_row(int j, char* out, int outlen)
{
    out[0] = 0;
    const bool filed = fpl.onfile != 0, active = fpl.activated != 0, air = !flt.onground;
    const int start = intlim(msc.loc_apt_wrl, 0, APT_CAP - 1);
    const bool towered_ground = !air && apt_twr[start];
    switch (j) {
    case 0: std::snprintf(out, outlen, "File flight plan"); return filed ? 0 : 2;
    case 1: std::snprintf(out, outlen, "Amend flight plan"); return filed ? 1 : 0;
    case 2: std::snprintf(out, outlen, "Get ATIS..."); return 1;
    case 4: std::snprintf(out, outlen, "%s would like to pick up my flight plan.", tail()); return filed && !active ? 2 : 0;
    case 5: std::snprintf(out, outlen, "%s would like to close my flight plan.", tail()); return filed && active ? 1 : 0;
    case 6: checkin_text(out, outlen); return atc.waiting_new_frq ? (filed ? 2 : 1) : 0;
    case 7: std::snprintf(out, outlen, "%s say again please.", tail()); return atc.response[0] ? 1 : 0;
    case 9:
        std::snprintf(out, outlen, "%s request taxi to active", tail());
        return towered_ground ? (filed && atc.plan_phase == PLAN_CLEARED ? 2 : 1) : 0;
    case 10: std::snprintf(out, outlen, "%s request take off", tail()); return towered_ground ? 1 : 0;
    case 11: std::snprintf(out, outlen, "%s request vectors...", tail()); return air ? 1 : 0;
    case 12: std::snprintf(out, outlen, "%s request landing...", tail()); return air ? 1 : 0;
    case 13: std::snprintf(out, outlen, "%s request ILS...", tail()); return air ? 1 : 0;
    case 14: std::snprintf(out, outlen, "%s request localizer...", tail()); return air ? 1 : 0;
    case 16: std::snprintf(out, outlen, "%s DECLARING AN EMERGENCY, REQUEST VECTORS NEAREST FIELD!", tail()); return air ? 1 : 0;
    case 18: std::snprintf(out, outlen, "%s Wind check please!", tail()); return 1;
    default: return 0;
    }
}

void plot_atc_options(int select)
{
    if (!atc.menu_up) return;
    if (select) {
        if (is_list(atc.menu_level)) act_on_entry(atc.sel_i * kListRows + atc.sel_j);
        else act_on_row(atc.sel_j);
        return;
    }
    OGL_fillrect(kShadeColor, kLeftX - 2, ATC_AREA_Y0, SCREEN_W - 2 * (kLeftX - 2), ATC_AREA_Y1 - ATC_AREA_Y0);
    if (is_list(atc.menu_level)) draw_list();
    else draw_main();
}

void atc_enter()
{
    if (atc.menu_up) return plot_atc_options(1);
    atc.menu_up = 1;
    atc.menu_level = ATC_LEVEL_MAIN;
    atc.sel_i = atc.sel_j = 0;
}

void atc_move(int dcol, int drow)
{
    if (!atc.menu_up) return;
    const bool list = is_list(atc.menu_level);
    atc.sel_i = list ? intlim(atc.sel_i + dcol, 0, columns(atc.menu_level) - 1) : 0;
    atc.sel_j = intlim(atc.sel_j + drow, 0, (list ? kListRows : ATC_MENU_ROWS) - 1);
}

int atc_click(int x, int y)
{
    if (!atc.menu_up || y < ATC_AREA_Y0 || y > ATC_AREA_Y1 || x < 0 || x > SCREEN_W) return 0;
    const bool list = is_list(atc.menu_level);
    const int w = list ? column_width(atc.menu_level) : SCREEN_W;
    atc.sel_i = list ? intlim((x - kLeftX) / w, 0, columns(atc.menu_level) - 1) : 0;
    atc.sel_j = intlim((kTopY - y) / kRowPitch, 0, (list ? kListRows : ATC_MENU_ROWS) - 1);
    plot_atc_options(1);
    return 1;
}

void atc_pick(int n)
{
    if (!atc.menu_up) atc_enter();
    if (is_list(atc.menu_level)) {
        atc.sel_i = n / kListRows;
        atc.sel_j = n % kListRows;
    } else {
        atc.sel_i = 0;
        atc.sel_j = intlim(n, 0, ATC_MENU_ROWS - 1);
    }
    plot_atc_options(1);
}

void atc_overlay()
{
    if (plat_backend_get()->headless) return;
    if (atc.menu_up) return plot_atc_options(0);
    if (atc.text_out && atc.response[0] && msc.elap_time < atc.response_timeout)
        OGL_string(kMarkColorA, kResponseX, kResponseY, atc.response, SCREEN_W - 2 * kResponseX, 6);
}

int atc_list_count() { return lst.count; }
int atc_list_entry(int k) { return k >= 0 && k < lst.count && k < ATC_LIST_MAX ? lst.entry[k] : -1; }

}  // namespace orv
