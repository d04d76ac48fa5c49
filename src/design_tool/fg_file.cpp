#include "design_tool/fg_file.h"

#include <cstring>

#include "2-QZutils/acf_parts.h"
#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/qz_pick.h"
#include "2-QZutils/records.h"
#include "aircraft/acf_io.h"
#include "aircraft/afl_io.h"
#include "design_tool/fg_baseplane.h"
#include "design_tool/fg_menu.h"
#include "design_tool/fg_plot.h"
#include "design_tool/fg_prefs.h"

namespace orv {

namespace {

constexpr const char* UNTITLED = "Untitled.acf";

// The command that was warned about unsaved changes; repeating it goes ahead.
enum { DROP_NONE = 0, DROP_NEW, DROP_OPEN, DROP_QUIT };
int warned_drop = DROP_NONE;

int may_drop_design(int command)
{
    if (!msc.planemod || warned_drop == command) return 1;
    warned_drop = command;
    const char* what = command == DROP_QUIT ? "Quit" : command == DROP_NEW ? "New" : "Open";
    char again[80];
    std::snprintf(again, sizeof again, "Choose %s again to go on without saving them.", what);
    MACIBM_alert("This aircraft has changes that are not saved!",
                 "Choose Save or Save As in the File menu to keep them.", again, "", ALERT_NOTE);
    return 0;
}

// Surfaces are drawn as thick as their airfoils: root and tip of each present part.
void read_foil_thicknesses()
{
    std::memset(&afl, 0, sizeof afl);
    float stall;
    for (int p = PART_PROP1; p <= PART_PYLON4; p++) {
        if (!have_this_part(p)) continue;
        if (pln.Rafl0[p][0]) grabafoil(pln.Rafl0[p], p, 0, 0, &stall);
        if (pln.Tafl0[p][0]) grabafoil(pln.Tafl0[p], p, 1, 0, &stall);
    }
}

void after_new_design()
{
    warned_drop = DROP_NONE;
    read_foil_thicknesses();
    fg_setup_menus();
    fg_reload_geometry(1);
}

const char* file_part(const char* path)
{
    const char* base = path;
    for (const char* c = path; *c; c++)
        if (*c == '\\' || *c == '/') base = c + 1;
    return base;
}

}  // namespace

int fg_load_aircraft(const char* path_in)
{
    char path[PATH_LEN];
    copy_str(path, PATH_LEN, path_in);
    static planestruct rec;
    const int read = read_acf(path, rec);
    if (read == ACF_READ_NOT_ACF)       // a damaged one has had its own alert
        MACIBM_alert("This is not an aircraft file that Flexgauge can open:", path,
                     "Flexgauge keeps the aircraft it had open.", "", ALERT_NOTE);
    if (read != ACF_READ_OK) return 0;
    std::memcpy(&pln, &rec, sizeof pln);
    to_system_form(path);
    copy_str(pln.C_path, ACF_STR, path);
    copy_str(pln.C_file, ACF_STR, file_part(path));
    msc.planemod = 0;
    msc.planenamed = 1;
    after_new_design();
    return 1;
}

int fg_save_aircraft_to(const char* path_in)
{
    char path[PATH_LEN];
    copy_str(path, PATH_LEN, path_in);
    to_system_form(path);
    char old_path[ACF_STR], old_file[ACF_STR];
    copy_str(old_path, ACF_STR, pln.C_path);
    copy_str(old_file, ACF_STR, pln.C_file);
    copy_str(pln.C_path, ACF_STR, path);
    copy_str(pln.C_file, ACF_STR, file_part(path));
    if (!save_acf(path, pln)) {
        copy_str(pln.C_path, ACF_STR, old_path);
        copy_str(pln.C_file, ACF_STR, old_file);
        return 0;
    }
    msc.planemod = 0;
    msc.planenamed = 1;
    warned_drop = DROP_NONE;
    return 1;
}

void fg_design_changed()
{
    msc.planemod = 1;
    warned_drop = DROP_NONE;
}

void fg_new()
{
    if (!may_drop_design(DROP_NEW)) return;
    setup_baseplane(UNTITLED, UNTITLED);
    after_new_design();
}

void fg_open()
{
    if (!may_drop_design(DROP_OPEN)) return;
    char name[NAME_LEN], path[PATH_LEN];
    copy_str(name, NAME_LEN, pln.C_file);
    copy_str(path, PATH_LEN, pln.C_path);
    if (MACIBM_open(FILE_AIRCRAFT, name, path)) fg_load_aircraft(path);
}

void fg_save_as()
{
    char name[NAME_LEN], path[PATH_LEN];
    copy_str(name, NAME_LEN, pln.C_file[0] ? pln.C_file : UNTITLED);
    copy_str(path, PATH_LEN, pln.C_path);
    if (!MACIBM_save(FILE_AIRCRAFT, name, path)) return;
    // A name typed without the aircraft suffix gets it, so the simulator's picker lists it.
    if (!takeit(file_part(path), FILE_AIRCRAFT, 0) && std::strlen(path) + 4 < sizeof path) std::strcat(path, ".acf");
    fg_save_aircraft_to(path);
}

void fg_save()
{
    if (!msc.planenamed) return fg_save_as();
    fg_save_aircraft_to(pln.C_path);
}

void fg_quit()
{
    if (!may_drop_design(DROP_QUIT)) return;
    fg_write_prefs();
    gdone = 1;
}

}  // namespace orv
