#include "app/app_start.h"

#include <cstdio>
#include <cstring>

#include "2-QZutils/qz_bitmap.h"
#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_joy.h"
#include "2-QZutils/qz_pick.h"
#include "2-QZutils/qz_sound.h"
#include "2-QZutils/qz_speech.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_graph.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/qz_mnw_draw.h"
#include "2-QZutils/records.h"
#include "app/app_flight.h"
#include "app/app_input.h"
#include "app/app_goto.h"
#include "app/app_log.h"
#include "app/app_menu.h"
#include "app/app_prefs.h"
#include "platform/plat_script.h"
#include "app/app_situation.h"
#include "app/app_update.h"
#include "aircraft/initpln.h"
#include "atc/atc_menu.h"
#include "atc/atc_phrases.h"
#include "atc/do_atc.h"
#include "flight/flt_init.h"
#include "flight/events.h"
#include "flight/flight_hooks.h"
#include "input/keys.h"
#include "panel/manage_das.h"
#include "panel/p_draw.h"
#include "panel/p_init.h"
#include "panel/p_update.h"
#include "platform/plat_backend.h"
#include "platform/plat_clock.h"
#include "render/ship_models.h"
#include "render/sky_stars.h"
#include "world/nav_db.h"
#include "world/region.h"
#include "world/region_shift.h"
#include "2-QZutils/drplane.h"
#include "render/scene.h"
#include "render/ships.h"
#include "windows/serial_out.h"
#include "windows/data_output.h"
#include "windows/windows.h"

namespace orv {

void assign_hr(int index, float height_kft, float density)
{
    atm.hr[index][0] = height_kft * con.fttomtrs * 1000.0f;
    atm.hr[index][1] = density * con.endtomed;
}

static void fill_atmosphere_table()
{
    static const float rho[21] = {0.0023769f, 0.001756f, 0.001267f, 0.0008907f, 0.0005873f,
                                  0.0003639f, 0.0002256f, 0.0001399f, 0.00008594f, 0.00005253f,
                                  0.00003211f, 0.00002001f, 0.0000127f, 0.00000819f, 0.000005364f,
                                  0.000003564f, 0.000002433f, 0.000001693f, 0.0000012f,
                                  0.0000008589f, 0.0000006061f};
    for (int i = 0; i < 21; i++) assign_hr(i, 10.0f * i, rho[i]);
    assign_hr(21, 259.0f, 0.0f);
}

constexpr int FLTVARS_RUNWAY = 8, FLTVARS_CUSTOM = 9;

static int  seed_fixed;
static unsigned seed_value;

void initgen()
{
    init_trig_tables();
    set_constants();          // the window layer's start cleared `con`

    seed_rand(seed_fixed ? seed_value : (unsigned)(plat_clock_ms() % 32000));
    msc.sound_avail = init_sound();
    msc.speech_avail = initspeechsynth();
    mnw_at_finishup(dispose_sound);
    mnw_at_finishup(dispose_speech);   // newest first: the voice goes before its device
    fill_atmosphere_table();
    init_panel_assets();      // digit drums, heading tapes and navaid icons
    build_star_field();
    load_ship_models();
    set_rlt_grf_choices();    // nothing chosen yet: the graph is empty, the outputs off

    fpl.IFR = 1;
    fpl.VFR = 0;
    fpl.DVFR = 0;
    fpl.cruise_alt = 5000;
    ins.HUD_on = 1;
    ins.HOOP_on = 0;
    ins.map_mode = 1;
    ins.arg_mode = 1;
    ins.map_range = ins.arg_range = ins.rad_range = 30;
    ins.hud_brt = 1;
    msc.typestart = 7;
    set.cus_Y = 5000 * con.fttomtrs;
    set.cus_v = 200 * con.ktstomsc;
    env.i_viewpoint = 89;
    env.j_viewpoint = 79;
    std::snprintf(msc.apt_id_req, sizeof msc.apt_id_req, "KAAA");
    nav.radout = 2;
    atm.vis_mult = 1;
    rel.ins_fail_rat = rel.eq1_fail_rat = rel.eq2_fail_rat = 0;
    for (int i = 0; i < 32; i++) {
        rel.fail_type[i] = 1;
        rel.fail_time_max[i] = 10;
    }
    msc.rtrat = 1;
    atm.rate_change = 4;
    scn.zoom = 1;
    env.nrst_apt_max = env.nrst_vor_max = env.nrst_ndb_max = -999;
    nav.tran1 = 1;
    nav.tran2 = 2;
    nav.tran3 = 0;
    nav.tran4 = 0;

    if (trk.is_open()) trk.close();
    trk.open("Vantorel.out");
    trk.setf(std::ios::fixed, std::ios::floatfield);
    if (!trk) MACIBM_alert("I could not create the file 'Vantorel.out' in this folder.",
                           "Nothing will be written to it during this flight.", "", "", ALERT_NOTE);
}

// The stock trainer answers the first-start aircraft dialog of a run without a window.
static void queue_default_aircraft()
{
    char path[PATH_LEN] = "Trainer 172.acf";
    ap_dir("Aircraft\\Trainer 172", path);
    picker_queue_answer(path);
}

// --aircraft: the file replaces whatever the preferences named (paths in the file layer's form).
static void take_command_line_aircraft(const char* aircraft)
{
    if (!aircraft || !aircraft[0]) return;
    char path[PATH_LEN];
    std::snprintf(path, sizeof path, "%s", aircraft);
    for (char* p = path; *p; p++)
        if (*p == '/') *p = '\\';
    std::snprintf(pln.C_path, sizeof pln.C_path, "%s", path);
    const char* base = std::strrchr(path, '\\');
    std::snprintf(pln.C_file, sizeof pln.C_file, "%s", base ? base + 1 : path);
}

static void mnw_command(int code, const float* args, int nargs) { script_run_command(code, args, nargs); }
static void quit_from_window() { APPLICATION_handlemenu(MENU_QUIT); }

// A click goes to the ATC menu while it is up over the view, else to the cockpit.
static void panel_click()
{
    if (mnw.mouse_clicked && atc_click(mnw.mx, mnw.my)) return;
    manage_das(mnw.mx, mnw.my);
}

static bool have_picture() { return !plat_backend_get()->headless; }

// The cockpit's window image is the panel background with the menu bar over it; the window
// layer rebuilds it whenever window 0 comes back (after every alert), so the panel draws
// through the layer's builder rather than straight into the image.
static void cockpit_window_statics(int w)
{
    if (w == WIN_COCKPIT) draw_panel_statics();   // over the panel bitmap the layer drew
    else window_statics(w);                       // the settings windows' own pictures
}

// Each settings window's routine runs in the frame while its window owns the screen.
static void register_windows()
{
    for (int w = WIN_SETTINGS_FIRST; w <= WIN_SETTINGS_LAST; w++) app_set_window_manager(w, window_routine(w));
}

// A new aircraft: its panel layout, and the cockpit image composed again for the textures.
static void panel_after_load()
{
    init_panel_layout();
    if (!have_picture()) return;
    mnw_build_window_image(WIN_COCKPIT);
}

// Every aircraft brings its panel and its sounds (its own files first, the generic ones else).
static void after_plane_load()
{
    panel_after_load();
    fill_buffers();
}

// The flight and the panel name the sounds they play by slot number, below the sound engine.
constexpr bool same_slot(int below, int engine) { return below == engine; }
static_assert(same_slot(BUF_RAIN, SND_RAIN) && same_slot(BUF_STALL, SND_STALL) && same_slot(BUF_FLAP_MOTOR, SND_FLAP) &&
              same_slot(BUF_TOUCH_RUNWAY, SND_TOUCH_RUNWAY) && same_slot(BUF_TOUCH_ROUGH, SND_TOUCH_OFF) &&
              same_slot(BUF_TOUCH_WATER, SND_TOUCH_WATER) && same_slot(BUF_CRASH, SND_CRASH) &&
              same_slot(VOICE_BUFFER_AP_OFF, SND_CAUTION) &&
              same_slot(BUF_THUNDER, SND_THUNDER) && same_slot(BUF_SINK_RATE, SND_SINK) &&
              same_slot(BUF_PULL_UP, SND_PULL_UP) && same_slot(BUF_GEAR, SND_TOO_LOW_GEAR) &&
              same_slot(BUF_GLIDESLOPE, SND_GLIDE_SLOPE) && same_slot(BUF_WINDSHEAR, SND_WIND_SHEAR) &&
              same_slot(BUF_CAUTION, SND_CAUTION) && same_slot(BUF_50FT, SND_50FT) && same_slot(BUF_25FT, SND_25FT) &&
              same_slot(BUF_10FT, SND_10FT) && same_slot(BUF_DOT, SND_MARKER_DOT) &&
              same_slot(BUF_DASH, SND_MARKER_DASH) && same_slot(GEAR_SOUND_SLOT, SND_GEAR) &&
              same_slot(RADALT_TONE_SLOT, SND_MINIMUMS));

// The flight's sound calls that need more than one of the engine's.
static void set_buffer_volume(int buffer, float vol) { set_frq_vol(1, vol, 0, 1, buffer); }

// A fresh flight: the wind, rain and engine at their recorded rate and silent until the
// flight's first frame sets them, then started again.
static void restart_flight_sounds()
{
    for (int s : {SND_WIND, SND_RAIN, SND_ENGINE}) set_frq_vol(1, 0, 0, 1, s);
    play_engine_and_windrain();
}

static void panel_frame()
{
    update_panel();
    if (!have_picture()) return;
    OGL_plot_background();
    if (!set.view_is_fullscreen) draw_panel_live();   // a full-screen view has no panel under it
    if (set.rltout) draw_data_rows();
}

static void cmd_panel(const float* a, int)
{
    pln.paneltype = (int)a[0];
    panel_after_load();
}
static const char* panel_args(const float* a, int)
{
    return (a[0] != 1.0f && a[0] != 2.0f) ? "the panel is 1 (round dials) or 2 (glass)" : nullptr;
}

// "window <w>" opens a settings window as its menu item does (and "window 0" closes it).
static void cmd_window(const float* a, int) { MACIBM_startwind((int)a[0]); }
static const char* window_args(const float* a, int)
{
    const int w = (int)a[0];
    return (a[0] != (float)w || w < WIN_COCKPIT || w > WIN_SETTINGS_LAST) ? "the window is 0 (the cockpit) or 1..25" : nullptr;
}

void register_panel_commands()
{
    register_script_command_checked("panel", 1, 1, cmd_panel, panel_args);
    register_script_command_checked("window", 1, 1, cmd_window, window_args);
}

// What the airspeed indicator and the altimeter show, as needle angles clockwise from up:
// the pictures of a run can be read against them.
void register_panel_log_columns()
{
    flight_log_add_column("asi_needle_deg", [] { return (double)panel_shown_values().asi_angle; });
    flight_log_add_column("alt_needle_deg", [] { return (double)panel_shown_values().alt_angle; });
}

// The cockpit: clicks, the frame's instruments, and the controls' clicks on the levers.
static void register_panel()
{
    app_set_panel_click(panel_click);
    app_set_panel_update(panel_frame);
}

// A texture the periodic events ask for again by its file name (a season or resolution
// change): its number and mode come from the loader's table.
static void reload_texture(const char* file)
{
    if (!have_picture()) return;
    int n = 0;
    const texture_file* t = texture_files(&n);
    for (int k = 0; k < n; k++)
        if (!std::strcmp(t[k].file, file)) OGL_texbmp(BMP_TEXTURE, t[k].name, t[k].mode, t[k].file);
}

// The ATC menu, or the controller's phrase, over the 3-D view.
static void scenery_and_atc()
{
    update_scenery();
    if (!have_picture()) return;
    OGL_setstate(0, 0, 0, 0);
    atc_overlay();
}

static void reload_plane_geo() { load_plane_geo(have_picture() ? 1 : 0, 0); }   // paint only with a picture

// The flight area's calls upward, the whole table at once. The entries left empty wait for
// their area: the scene's approach strobes and smoke.
static void install_flight_hooks()
{
    flight_hooks h = {};
    h.play_buffer = play_buffer;
    h.stop_buffer = stop_buffer;
    h.set_buffer_volume = set_buffer_volume;
    h.stop_sounds = stop_engine_and_windrain;
    h.restart_sounds = restart_flight_sounds;
    h.maintain_engine_sound = maintain_engine_sound;
    h.maintain_windrain_sound = maintain_windrain_sound;
    h.joy_effect = JOY_force;                  // touchdown and crash jolts
    h.engine_panel_click = panel_engine_click;
    h.handle_key = APPLICATION_handlekey;
    h.reload_plane_geo = reload_plane_geo;
    h.load_texture = reload_texture;
    h.update_graph = update_graph;
    h.data_out = data_out;
    h.frame_schedule = frame_schedule;
    h.crash_alert = flight_crash_alert;
    h.crash_flash = flight_crash_flash;
    h.night_light = flight_night_light;
    h.atc_second = atc_second;
    h.lso_respond = LSO_respond;
    h.serial_output = serial_output;
    flight_set_hooks(h);
}

static void install_lower_area_hooks()
{
    install_flight_hooks();
    aircraft_hooks a = {};
    a.plane_loaded = after_plane_load;
    aircraft_set_hooks(a);
    world_hooks w = {};
    w.setup_menus = APPLICATION_setupmenus;
    world_set_hooks(w);
}

void register_app_callbacks()
{
    mnw_app_callbacks cb = {};
    cb.update = APPLICATION_update;
    cb.handlekey = APPLICATION_handlekey;
    cb.handlemenu = APPLICATION_handlemenu;
    cb.setupmenus = APPLICATION_setupmenus;
    cb.process_zap = process_zap;
    cb.command = mnw_command;
    cb.sim_time = app_sim_time;
    cb.quit = quit_from_window;
    mnw_register_app(cb);
    mnw_set_window_builder(cockpit_window_statics);
    install_lower_area_hooks();
    register_panel();
    register_windows();
    wire_pilot_input();
}


// The periodic events join the frame schedule.
static void start_flight_events()
{
    events_reset();
    app_set_event_hooks(mod_evt, mod_sec);
}

// The start-up sequence. Steps whose module has not joined the program yet are marked where
// they go; each module wires its own call in at its place.
int start_simulator(const void* previous_instance, int have_seed, unsigned seed, const char* aircraft)
{
    if (previous_instance) return 0;
    seed_fixed = have_seed;
    seed_value = seed;
    done_initing = 0;

    clear_records();
    register_app_callbacks();
    start_flight_events();
    atc_phrases_reset();
    do_atc_reset();
    MACIBM_init();
    MACIBM_showinit(1);
    initgen();
    MACIBM_showinit(2);
    init_country_data();
    if (!app_check_start_airport()) return 0;   // the command line's airport is not known
    if (aircraft && aircraft[0]) {
        char path[PATH_LEN];
        std::snprintf(path, sizeof path, "%s", aircraft);
        for (char* p = path; *p; p++)
            if (*p == '/') *p = '\\';
        picker_queue_answer(path);        // answers the first-start aircraft dialog
    } else if (!mnw_is_interactive()) {
        queue_default_aircraft();         // nobody can answer the dialog without a window
    }
    initprefs();
    picker_clear_answers();
    // A saved situation takes the place of the preferences' start airport and settings.
    const int from_situation = app_read_start_situation();
    take_command_line_aircraft(aircraft);
    if (!from_situation) app_select_start_airport();
    app_set_start_airport(nullptr, 0);   // the command line's airport is for this start alone
    MACIBM_showinit(3);
    region_set_drawn(have_picture());     // without a picture, only the scenery the flight meets
    load_region();                        // the scenery round the start position
    if (have_picture()) load_scenery_textures();   // terrain, airports, ships, fire, sock
    load_plane();
    reload_plane_geo();                   // the drawn aircraft, and its paint with a picture
    place_all_traffic();
    scene_init();
    scene_set_drawing(have_picture());        // without one, only what the flight meets
    app_set_scenery_update(scenery_and_atc);  // the 3-D world each frame, the ATC menu over it
    register_flight_step();
    if (from_situation) {
        set_fltvars(FLTVARS_CUSTOM);
    } else {
        frame_region_on_airport();
        set_fltvars(FLTVARS_RUNWAY);
    }
    speakstring(" ");                     // a blank line wakes the speech engine
    start_joystick();                     // JOY_init, with the axis settings beside the preferences
    frame_timing_reset();
    app_run_reset();
    done_initing = 1;
    return 1;
}

void run_main_loop()
{
    while (!gdone) MACIBM_event_proc();
}

}  // namespace orv
