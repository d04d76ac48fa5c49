// The window, menu, alert and event layer. Everything here is the same with or without a
// window: what differs is the back end (platform/plat_backend.h) that creates the window,
// hands out input events, presents frames and shows alerts before a picture exists.
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/qz_textfield.h"

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "2-QZutils/qgl.h"
#include "2-QZutils/qz_bitmap.h"
#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_graph.h"
#include "2-QZutils/qz_mnw_draw.h"
#include "2-QZutils/qz_pick.h"
#include "2-QZutils/records.h"
#include "platform/plat_backend.h"
#include "platform/plat_clock.h"
#include "platform/plat_paths.h"
#include "platform/plat_signal.h"
#include "orv_version.h"

namespace orv {

char prefs_path[PATH_LEN];

static std::ofstream err_log;            // "Error.out"
static int  alert_count;
static char alert_lines[4][400];
static int  last_init_step;
static int  finished;
static long button_down_ms;

static mnw_app_callbacks app;
static void (*file_window_update)();
static void (*exit_hook)(int) = std::exit;
static void (*finish_fns[16])();
static int  finish_count;
static char data_dir_opt[PATH_LEN], config_dir_opt[PATH_LEN];

static const plat_backend* backend() { return plat_backend_get(); }

// A picture exists: the back end has a context and the drawing layer reaches it.
static int have_picture() { return ogl_ready && !backend()->headless; }
int mnw_is_interactive() { return !backend()->headless && backend()->interactive; }

// The picture's place in the window, which the user may have resized since the last frame.
static void follow_viewport()
{
    if (!backend()->viewport) return;
    ogl_viewport v;
    backend()->viewport(&v.x, &v.y, &v.w, &v.h);
    if (v.w <= 0 || v.h <= 0) return;
    ogl_view = v;
    qgl.Viewport(v.x, v.y, v.w, v.h);
}

static void (*window_builder)(int w);
void mnw_set_window_builder(void (*fn)(int w)) { window_builder = fn; }
void mnw_build_window_statics(int w)
{
    if (window_builder) window_builder(w);
}

void mnw_register_app(const mnw_app_callbacks& cb) { app = cb; }
void mnw_set_file_window_update(void (*fn)()) { file_window_update = fn; }
void mnw_set_exit_hook(void (*fn)(int)) { exit_hook = fn ? fn : std::exit; }
int  mnw_is_headless() { return backend()->headless; }
int  mnw_alert_count() { return alert_count; }
int  mnw_last_init_step() { return last_init_step; }
const char* mnw_last_alert_line(int line) { return (line >= 0 && line < 4) ? alert_lines[line] : ""; }

int mnw_at_finishup(void (*fn)())
{
    if (!fn) return 0;
    for (int i = 0; i < finish_count; i++)
        if (finish_fns[i] == fn) return 1;   // a second start-up in one process: once is enough
    if (finish_count >= 16) return 0;
    finish_fns[finish_count++] = fn;
    return 1;
}

void mnw_log(const char* line)
{
    if (!err_log.is_open() || !line) return;
    err_log << line << "\n";
    err_log.flush();
}

void mnw_set_dirs(const char* data_dir, const char* config_dir)
{
    std::snprintf(data_dir_opt, sizeof data_dir_opt, "%s", data_dir ? data_dir : "");
    std::snprintf(config_dir_opt, sizeof config_dir_opt, "%s", config_dir ? config_dir : "");
}

// ---- windows: titles and sizes by window code
struct wind_shape { int w; const char* title; int dx, dy; };
constexpr int WIN_CHART = 24;
static const wind_shape shapes[] = {
    {0, "", 800, 600},
    {1, "Airport by ID", 176, 440},        {2, "Airport by Name", 352, 205},
    {3, "Enroute", 432, 494},              {4, "World", 788, 443},
    {5, "Set Lat/Lon", 246, 165},          {6, "Where Am I?", 531, 121},
    {7, "Set Data Output", 620, 400},      {8, "Set Serial Output", 600, 478},
    {9, "Set Time Of Day", 691, 147},      {10, "Set Rendering Options", 600, 540},
    {11, "Set Weather Space", 197, 84},    {12, "Set Weather Atmosphere", 618, 527},
    {13, "Set Weather Ground", 197, 148},  {14, "Set Weather Water", 197, 271},
    {15, "Set Joystick & Flight Mode", 787, 519}, {16, "Set Weights & Fuel", 436, 252},
    {17, "Set Reliability", 344, 345},     {18, "Set Reliability", 350, 520},
    {19, "Set Reliability", 682, 560},     {20, "Set Sound", 293, 250},
    {21, "Set Warnings", 550, 172},        {22, "Graphics Output", 620, 420},
    {23, "Isometric Region", 760, 540},    {24, "", 432, 494},
    {25, "Flight Plan", 589, 415},
    {WIN_ALERT, "ALERT", 400, 195}, {WIN_ALERT_SMALL, "ALERT", 300, 100}, {WIN_OPEN, "OPEN", 320, 568}, {WIN_SAVE, "SAVE", 320, 568},
};

static const wind_shape* find_shape(int w)
{
    for (const wind_shape& s : shapes)
        if (s.w == w) return &s;
    return nullptr;
}

const char* mnw_window_title(int w)
{
    if (w == WIN_CHART && mnw.chart_title[0]) return mnw.chart_title;   // the airport's approach chart
    const wind_shape* s = find_shape(w);
    return s ? s->title : "";
}

static int half_away(float v) { return (int)(v < 0 ? v - 0.5f : v + 0.5f); }

void MACIBM_startwind(int w)
{
    int is_alert = (w == WIN_ALERT || w == WIN_ALERT_SMALL);
    if (mnw.topwin >= WIN_SETTINGS_FIRST && mnw.topwin <= WIN_SETTINGS_LAST && !is_alert && app.process_zap)
        app.process_zap(mnw.topwin);
    const wind_shape* s = find_shape(w);
    mnw.topwin = w;
    mnw.dx = s ? s->dx : 800;
    mnw.dy = s ? s->dy : 600;
    mnw.x = half_away((800 - mnw.dx) / 2.0f);
    mnw.y = half_away((600 - mnw.dy) / 2.0f);
    if (have_picture()) mnw_build_window_image(w);
}

// ---- menus

// Items 0..items_used[m]-1 of menu m may hold a name or a box; the rest are as a fresh
// process has them (no name). The item tables are large and mostly empty, so clearing only
// what was appended keeps their untouched pages untouched.
static int items_used[MENU_COUNT];

static void clear_item(int m, int k)
{
    mnw.item_name[m][k][0] = 0;
    mnw.itemx1[m][k] = mnw.itemx2[m][k] = mnw.itemy1[m][k] = mnw.itemy2[m][k] = NO_MENU_BOX;
}

void mnw_clear_menus()
{
    for (int m = 0; m < MENU_COUNT; m++) {
        mnw.menu_name[m][0] = 0;
        mnw.menu_prnt[m] = NO_MENU;
        mnw.menux1[m] = mnw.menux2[m] = mnw.menuy1[m] = mnw.menuy2[m] = NO_MENU_BOX;
        for (int k = 0; k < items_used[m]; k++) clear_item(m, k);
        items_used[m] = 0;
    }
    mnw.menu_up = -1;
}

// The window record back to zero without writing the item tables' pages: the fields around
// them are cleared whole, the tables only where an item was appended.
static void clear_window_record()
{
    using rec = menuwindowstruct;
    static_assert(offsetof(rec, menu_prnt) - (offsetof(rec, item_name) + sizeof mnw.item_name) < alignof(int) &&
                      offsetof(rec, itemx2) == offsetof(rec, itemx1) + sizeof mnw.itemx1 &&
                      offsetof(rec, itemy1) == offsetof(rec, itemx2) + sizeof mnw.itemx2 &&
                      offsetof(rec, itemy2) == offsetof(rec, itemy1) + sizeof mnw.itemy1,
                  "the item tables lie between the fields cleared whole");
    auto* bytes = reinterpret_cast<unsigned char*>(&mnw);
    const size_t items_end = offsetof(rec, itemy2) + sizeof mnw.itemy2;
    std::memset(bytes, 0, offsetof(rec, item_name));
    std::memset(bytes + offsetof(rec, menu_prnt), 0, offsetof(rec, itemx1) - offsetof(rec, menu_prnt));
    std::memset(bytes + items_end, 0, sizeof mnw - items_end);
    for (int m = 0; m < MENU_COUNT; m++) {
        for (int k = 0; k < items_used[m]; k++) {
            std::memset(mnw.item_name[m][k], 0, sizeof mnw.item_name[m][k]);
            mnw.itemx1[m][k] = mnw.itemx2[m][k] = mnw.itemy1[m][k] = mnw.itemy2[m][k] = 0;
        }
        items_used[m] = 0;
    }
}

static int item_is_real(int m, int k)
{
    const char* t = mnw.item_name[m][k];
    return t[0] && std::strcmp(t, "-") != 0;
}

void MACIBM_create_menu(int m, int parent_item, const char* title)
{
    if (m < 0 || m >= MENU_COUNT) {
        MACIBM_alert("Menu index out of range in create_menu!", "", "", m, ALERT_FATAL_NUM);
        return;
    }
    std::snprintf(mnw.menu_name[m], sizeof mnw.menu_name[m], "%s", title ? title : "");
    mnw.menu_prnt[m] = parent_item;
}

void MACIBM_append_menu(int m, int code, const char* text)
{
    if (m < 0 || m >= MENU_COUNT) {
        MACIBM_alert("Menu index out of range in append_menu!", "", "", m, ALERT_FATAL_NUM);
        return;
    }
    int k = code - MENU_ITEMS * m;
    if (k < 0 || k >= MENU_ITEMS) {
        MACIBM_alert("Item index out of range in append_menu!", "", "", code, ALERT_FATAL_NUM);
        return;
    }
    std::snprintf(mnw.item_name[m][k], sizeof mnw.item_name[m][k], "%s", text ? text : "");
    if (k >= items_used[m]) items_used[m] = k + 1;
}

// Title boxes of the menu-bar menus: from x 10, 6 pixels a character plus 10 between titles.
void mnw_layout_menu_bar()
{
    int x = 10;
    for (int m = 0; m < MENU_COUNT; m++) {
        if (mnw.menu_prnt[m] != -1 || !mnw.menu_name[m][0]) continue;
        int w = 6 * (int)std::strlen(mnw.menu_name[m]);
        mnw.menux1[m] = x;
        mnw.menux2[m] = x + w;
        mnw.menuy1[m] = 583;
        mnw.menuy2[m] = 600;
        x += w + 10;
    }
}

// Item boxes of menu m, hanging down from (x, top): 12 pixels an item, 2 a separator; a
// column that would pass below y 50 continues to the right.
static void layout_items(int m, int x, int top)
{
    int longest = 0;
    for (int k = 0; k < MENU_ITEMS; k++) {
        int n = (int)std::strlen(mnw.item_name[m][k]);
        if (n > longest) longest = n;
    }
    int width = longest * 6 + 25, y = top;
    for (int k = 0; k < MENU_ITEMS; k++) {
        const char* t = mnw.item_name[m][k];
        if (!t[0]) { mnw.itemx1[m][k] = mnw.itemx2[m][k] = mnw.itemy1[m][k] = mnw.itemy2[m][k] = -9999; continue; }
        int h = std::strcmp(t, "-") == 0 ? 2 : 12;
        if (y - h < 50) { x += width; y = top; }
        mnw.itemx1[m][k] = x;
        mnw.itemx2[m][k] = x + width;
        mnw.itemy2[m][k] = y;
        mnw.itemy1[m][k] = y - h;
        y -= h;
    }
}

int mnw_submenu_of(int code)
{
    for (int m = 0; m < MENU_COUNT; m++) {
        if (mnw.menu_prnt[m] != code || code < 0) continue;
        for (int k = 0; k < MENU_ITEMS; k++)
            if (mnw.item_name[m][k][0]) return m;
    }
    return -1;
}

// The cockpit and the design tool's windows keep the menu bar: menus, keys and menu clicks
// reach the program under them.
static int menu_bar_live(int w) { return w == WIN_COCKPIT || (w >= WIN_DESIGN_FIRST && w <= WIN_DESIGN_LAST); }

// Answers 1 when the click was the menu's (a title, an item, or closing an open menu).
static int click_in_flight()
{
    int x = mnw.mx + mnw.x, y = mnw.my + mnw.y;   // screen pixels
    if (mnw.menu_up >= 0) {
        int m = mnw.menu_up;
        for (int k = 0; k < MENU_ITEMS; k++) {
            if (!item_is_real(m, k)) continue;
            if (x < mnw.itemx1[m][k] || x > mnw.itemx2[m][k] || y < mnw.itemy1[m][k] || y > mnw.itemy2[m][k]) continue;
            int code = MENU_ITEMS * m + k, sub = mnw_submenu_of(code);
            if (sub >= 0) {                       // a submenu opens beside its parent item
                mnw.menu_up = sub;
                layout_items(sub, mnw.itemx2[m][k], mnw.itemy2[m][k]);
                return 1;
            }
            mnw.menu_up = -1;
            if (app.handlemenu) app.handlemenu(code);
            return 1;
        }
        mnw.menu_up = -1;                         // separators and empty space close the menu
        return 1;
    }
    mnw_layout_menu_bar();
    for (int m = 0; m < MENU_COUNT; m++) {
        if (mnw.menu_prnt[m] != -1 || !mnw.menu_name[m][0]) continue;
        if (x >= mnw.menux1[m] && x <= mnw.menux2[m] && y >= mnw.menuy1[m] && y <= mnw.menuy2[m]) {
            mnw.menu_up = m;
            layout_items(m, mnw.menux1[m], 583);
            return 1;
        }
    }
    return 0;
}

// The O.K. button is seen pressed for one frame before the alert goes.
static void close_alert()
{
    if (have_picture()) {
        const char* lines[4] = {alert_lines[0], alert_lines[1], alert_lines[2], alert_lines[3]};
        OGL_plot_background();
        mnw_draw_alert(lines, 1);
        OGL_sbuf();
    }
    return_hit = 0;
    MACIBM_startwind(0);
}

void MACIBM_handleclick()
{
    got_event = 1;
    if (mnw.topwin == 0) {
        click_in_flight();
    } else if (menu_bar_live(mnw.topwin)) {
        // A click the menu took is not also a click in the design window below it.
        if (click_in_flight()) mnw.mouse_clicked = 0;
    } else if (mnw.topwin == WIN_ALERT || mnw.topwin == WIN_ALERT_SMALL) {
        if (mnw.mx >= ALERT_OK_X1 && mnw.mx <= mnw.dx - ALERT_OK_X1 && mnw.my >= ALERT_OK_Y1 && mnw.my <= ALERT_OK_Y2)
            close_alert();
    }
}

void MACIBM_handlekey(int c)
{
    got_event = 1;
    if (c >= PLAT_KEY_LEFT) {                 // arrows, function keys, keypad: the flight's only
        if (menu_bar_live(mnw.topwin) && app.handlekey) app.handlekey(c);
        return;
    }
    if (mnw.topwin == WIN_SAVE) {
        picker_key(c);                        // the save picker edits the name it will save under
    } else if (mnw.topwin == WIN_ALERT) {
        char* line = alert_lines[0];
        int n = (int)std::strlen(line);
        if (c == 8) { if (n > 0) line[n - 1] = 0; }
        else if (c == 13 || c == '\n') return_hit = 1;
        else if (n < 31) { line[n] = (char)c; line[n + 1] = 0; }
        else { line[30] = (char)c; line[31] = 0; }   // the line holds at most 31 characters
        if (return_hit) close_alert();
    } else if (menu_bar_live(mnw.topwin)) {
        if (app.handlekey) app.handlekey(c);
    } else if (text_field_key(mnw.topwin, c)) {
        // a field of the window on top is being typed into
    } else if (mnw.topwin >= WIN_SETTINGS_FIRST && mnw.topwin <= WIN_SETTINGS_LAST) {
        // A key in a settings window is a click just above it: the window's own "done" reading.
        mnw.mx = -1;
        mnw.my = mnw.dy + 2;
        mnw.mouse_clicked = 1;
        return_hit = 0;
    }
}

static void dispatch(const plat_event& ev)
{
    switch (ev.type) {
    case PLAT_EV_KEY: MACIBM_handlekey(ev.key); break;
    case PLAT_EV_MOUSE_MOVE:
        mnw.mx = ev.x - mnw.x;
        mnw.my = 600 - ev.y - mnw.y;
        break;
    case PLAT_EV_MOUSE_DOWN:
        mnw.mx = ev.x - mnw.x;
        mnw.my = 600 - ev.y - mnw.y;
        mnw.mouse_clicked = 1;
        mnw.now_dragging = 1;
        MACIBM_handleclick();
        break;
    case PLAT_EV_MOUSE_UP:
        mnw.mouse_lifted = 1;
        mnw.now_dragging = 0;
        mnw.delay_dragging = 0;
        break;
    case PLAT_EV_MENU:
        // As if chosen from an open menu: only the flight and the design windows have the menu bar.
        got_event = 1;
        if (menu_bar_live(mnw.topwin)) {
            mnw.menu_up = -1;
            if (app.handlemenu) app.handlemenu(ev.code);
        } else {
            char line[120];
            std::snprintf(line, sizeof line, "menu %d ignored: window %d owns the screen", ev.code, mnw.topwin);
            mnw_log(line);
            // As the menu bar clicked with a settings window up: the click closes the window.
            if (mnw.topwin >= WIN_SETTINGS_FIRST && mnw.topwin <= WIN_SETTINGS_LAST) MACIBM_startwind(WIN_COCKPIT);
        }
        break;
    case PLAT_EV_COMMAND:
        if (app.command) app.command(ev.code, ev.args, ev.nargs);
        break;
    case PLAT_EV_CLOSE: MACIBM_startwind(0); break;
    case PLAT_EV_QUIT:
        // Closing the main window is the Quit command: the preferences are kept as from the menu.
        if (app.quit) app.quit();
        else gdone = 1;
        break;
    case PLAT_EV_SHOT: {
        const char* path = plat_script_shot_path(ev.code);
        if (!have_picture() || !backend()->request_shot || !backend()->request_shot(path, 0)) {
            char line[PLAT_SHOT_PATH + 80];
            std::snprintf(line, sizeof line, "screenshot %s not taken: this run has no picture", path);
            mnw_log(line);
            std::fprintf(stderr, "%s\n", line);
        }
        break;
    }
    default: break;
    }
}

void MACIBM_event_proc()
{
    if (plat_stop_signal()) gdone = 1;   // Ctrl-C or SIGTERM: every loop on the events ends
    mnw.mouse_clicked = 0;
    mnw.mouse_lifted = 0;
    double now = app.sim_time ? app.sim_time() : 0.0;
    plat_event ev;
    const int alert_was_up = (mnw.topwin == WIN_ALERT || mnw.topwin == WIN_ALERT_SMALL);
    while (backend()->pump(now, &ev)) {
        dispatch(ev);
        // The key or click that closes an alert is not also given to the window below it.
        if (alert_was_up && mnw.topwin != WIN_ALERT && mnw.topwin != WIN_ALERT_SMALL) break;
    }

    if (up_handled) {
        got_event = 0;
        const int picture = have_picture();
        if (picture) {
            follow_viewport();
            OGL_plot_background();
        }
        int alert_on_top = (mnw.topwin == WIN_ALERT || mnw.topwin == WIN_ALERT_SMALL);
        if (!alert_on_top) {
            if (mnw.topwin == WIN_OPEN || mnw.topwin == WIN_SAVE) {
                if (file_window_update) file_window_update();
            } else if (app.update) {
                app.update();
            }
        } else if (picture) {
            const char* lines[4] = {alert_lines[0], alert_lines[1], alert_lines[2], alert_lines[3]};
            mnw_draw_alert(lines, 0);
        }
        if (picture && mnw.menu_up >= 0) mnw_draw_open_menu();
        backend()->present();
    }
    long now_ms = plat_clock_ms();
    if (mnw.mouse_clicked) button_down_ms = now_ms;
    if (mnw.now_dragging) mnw.delay_dragging = (now_ms - button_down_ms) > 1000;
}

// Every texture loaded at start-up moves the bar; redrawn every few so loading stays quick.
constexpr int PROGRESS_REDRAW_TICKS = 8;
static int progress_ticks;

void mnw_progress_tick()
{
    progress_ticks++;
    if (progress_ticks % PROGRESS_REDRAW_TICKS == 0) MACIBM_showinit(last_init_step);
}

void MACIBM_showinit(int step)
{
    last_init_step = step;
    if (!have_picture() || done_initing) return;
    follow_viewport();
    mnw_draw_progress(step, progress_ticks);
    OGL_sbuf();
}

void MACIBM_init()
{
    std::memset(&afl, 0, sizeof afl);
    std::memset(&pln, 0, sizeof pln);
    std::memset(&con, 0, sizeof con);
    clear_window_record();
    for (int m = 0; m < MENU_COUNT; m++) mnw.menu_prnt[m] = NO_MENU;
    mnw.menu_up = -1;
    finished = 0;

    if (err_log.is_open()) err_log.close();
    err_log.open("Error.out");
    err_log.setf(std::ios::fixed);
    if (!err_log)
        std::fprintf(stderr, "Cannot write \"Error.out\" in the working folder: diagnostics go to standard error only.\n");

    char dir[PATH_LEN];
    if (data_dir_opt[0]) set_app_path(data_dir_opt);
    else find_app_path();
    if (config_dir_opt[0]) std::snprintf(dir, sizeof dir, "%s", config_dir_opt);
    else plat_default_config_dir(dir, sizeof dir);
    if (!plat_make_dirs(dir)) {
        MACIBM_alert("I could not create the folder for the preferences file:", dir,
                     "Your settings will not be kept after this flight.", "", ALERT_NOTE);
    }
    char prf[PATH_LEN] = "Vantorel 4.prf";
    if (std::strlen(dir) + 16 < sizeof prf) {
        std::strcpy(prf, dir);
        std::strcat(prf, "/Vantorel 4.prf");
    } else {
        MACIBM_alert("The folder for the preferences file has too long a name:", dir,
                     "The preferences go to the working folder instead.", "", ALERT_NOTE);
    }
    for (char* p = prf; *p; p++)
        if (*p == '/') *p = '\\';
    std::memcpy(prefs_path, prf, sizeof prefs_path);

    OGL_default_palette();
    ins.r_rat = ins.g_rat = ins.b_rat = 1;     // full panel lighting until the panel sets its own

    int opened = backend()->init(SCREEN_W, SCREEN_H, "Orvessa");
    if (opened == PLAT_INIT_NO_WINDOW && backend()->interactive) {
        // The display is there but will not give us a window: fly without one rather than not at all.
        std::fprintf(stderr, "The window could not be opened: running without a window (headless).\n");
        plat_backend_install(nullptr);
        opened = backend()->init(SCREEN_W, SCREEN_H, "Orvessa");
    }
    switch (opened) {
    case PLAT_INIT_OK: break;
    case PLAT_INIT_NO_FORMAT:
        MACIBM_alert("Can't choose pixel format!",
                     "This almost certainly means that you do not have the machine in 16-bit color, like you need to.",
                     "To set 16-bit color, first close this dialog box. Then check the colour depth in your desktop's display settings.",
                     "", ALERT_FATAL);
        return;
    case PLAT_INIT_NO_CONTEXT: MACIBM_alert("SetPixelFormat failed.", "", "", "", ALERT_FATAL); return;
    default: MACIBM_alert("Can't create window!", "", "", "", ALERT_FATAL); return;
    }
    int software = 0;
    if (!backend()->headless && backend()->gl_proc) {
        qgl_load(backend()->gl_proc);
        const char* renderer = reinterpret_cast<const char*>(qgl.GetString(GL_RENDERER));
        software = renderer_is_software(renderer);
        is_3dfx = renderer && std::strncmp(renderer, "3Dfx", 4) == 0;
        MACIBM_setres(1);
        follow_viewport();
        OGL_setup_context();
    }
    // Without a window there is no picture to draw alerts into: they stay on standard error.
    ogl_ready = backend()->headless ? 0 : 1;
    up_handled = 1;
    gdone = 0;
    if (app.setupmenus) app.setupmenus();
    MACIBM_startwind(0);
    if (is_3dfx) load_startup_textures();
    // Said in the picture, where it can be answered like any other message.
    if (software && mnw_is_interactive())
        MACIBM_alert("I can not find a 3-D accelerator card that can handle OpenGL that has correctly installed drivers.",
                     "I will still let you run the simulator, but the frame rate will NOT allow for a good simulation.",
                     "For you to fly realistically, you must use Vantorel version HSR, or get a 3-D accelerator card that can handle OpenGL.",
                     "Your graphics card maker lists the cards and drivers with OpenGL support for Linux.",
                     ALERT_NOTE);
}

int renderer_is_software(const char* renderer)
{
    if (!renderer) return 0;
    static const char* const names[] = {"llvmpipe", "softpipe", "swrast", "Software Rasterizer"};
    for (const char* n : names)
        if (std::strstr(renderer, n)) return 1;
    return 0;
}

static int fullscreen_now;
void MACIBM_setres(int mode)
{
    // The desktop keeps its own mode: the picture is scaled to the full screen instead of
    // switching the display to 800 by 600, and mode 0 simply gives the window back.
    if (!backend()->set_fullscreen) return;
    fullscreen_now = mode ? 1 : 0;
    backend()->set_fullscreen(fullscreen_now);
}

void MACIBM_finishup()
{
    if (finished) return;
    finished = 1;
    while (finish_count > 0) finish_fns[--finish_count]();
    if (fullscreen_now) MACIBM_setres(0);
    backend()->finish();
    qgl_reset();
    ogl_ready = 0;
    if (trk.is_open()) trk.close();
    if (err_log.is_open()) err_log.close();
}

void MACIBM_alert(const char* l1, const char* l2, const char* l3, const char* l4, int code)
{
    const char* in[4] = {l1, l2, l3, l4};
    if (code == ALERT_ABOUT) {
        in[0] = "Orvessa: the Vantorel flight simulator";
        in[1] = "and Flexgauge, its aircraft design tool.";
        in[2] = "";
    }
    static char version_line[64];
    if (code == ALERT_ABOUT) {
        std::snprintf(version_line, sizeof version_line, "Version %s Rev B.", ORV_VERSION_TEXT);
        in[3] = version_line;
    }
    char copy[4][PATH_LEN];
    for (int i = 0; i < 4; i++) std::snprintf(copy[i], sizeof copy[i], "%s", in[i] ? in[i] : "");
    for (int i = 0; i < 4; i++) std::memcpy(alert_lines[i], copy[i], sizeof alert_lines[i]);
    alert_count++;

    if (err_log.is_open()) {
        err_log << "alert " << code << ":\n";
        for (int i = 0; i < 4; i++)
            if (alert_lines[i][0]) err_log << "  " << alert_lines[i] << "\n";
        err_log.flush();
    }
    const char* lines[4] = {alert_lines[0], alert_lines[1], alert_lines[2], alert_lines[3]};
    if (have_picture() && mnw_is_interactive()) {
        // In-picture alert: the alert window owns the screen until O.K. or Enter closes it.
        MACIBM_startwind(WIN_ALERT);
        while (mnw.topwin == WIN_ALERT && !gdone) MACIBM_event_proc();
    } else {
        backend()->show_alert(lines, code);
    }

    if (code == ALERT_FATAL || code == ALERT_FATAL_NUM) {
        gdone = 1;
        MACIBM_finishup();
        exit_hook(0);
    }
}

void MACIBM_alert(const char* l1, const char* l2, const char* l3, int number, int code)
{
    char num[32];
    std::snprintf(num, sizeof num, "%d", number);
    MACIBM_alert(l1, l2, l3, num, code);
}

}  // namespace orv
