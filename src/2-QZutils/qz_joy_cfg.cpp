#include "2-QZutils/qz_joy_cfg.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "2-QZutils/qz_funct.h"
#include "platform/plat_joy.h"

namespace orv {

static const char* const ctl_names[JOY_CTL_COUNT] = {"pitch", "roll", "yaw", "throttle"};

const char* joy_control_name(int ctl)
{
    return ctl >= 0 && ctl < JOY_CTL_COUNT ? ctl_names[ctl] : "";
}

joy_config joy_default_config(int is_controller)
{
    joy_config c = {};
    c.ctl[JOY_CTL_ROLL].axis = 0;
    c.ctl[JOY_CTL_PITCH].axis = 1;
    if (is_controller) {
        // A controller's sticks spring back: none of them can hold a throttle setting.
        c.ctl[JOY_CTL_YAW].axis = 2;
        c.ctl[JOY_CTL_THROTTLE].axis = -1;
    } else {
        c.ctl[JOY_CTL_THROTTLE].axis = 2;
        c.ctl[JOY_CTL_YAW].axis = 3;
    }
    return c;
}

void joy_config_path(const char* config_dir, char* out, int len)
{
    std::snprintf(out, len, "%s/Vantorel 4 joystick.cfg", config_dir && config_dir[0] ? config_dir : ".");
}

static char* trim(char* s)
{
    while (*s == ' ' || *s == '\t') s++;
    char* e = s + std::strlen(s);
    while (e > s && (e[-1] == ' ' || e[-1] == '\t' || e[-1] == '\r' || e[-1] == '\n')) *--e = 0;
    return s;
}

// One "control.field = value" line; answers 0 with the reason when it cannot be used.
static int apply_line(char* line, joy_config* cfg, const char** why)
{
    char* eq = std::strchr(line, '=');
    if (!eq) { *why = "expected 'name = value'"; return 0; }
    *eq = 0;
    char* key = trim(line);
    char* val = trim(eq + 1);
    char* dot = std::strchr(key, '.');
    if (!dot) { *why = "expected a name like 'pitch.axis'"; return 0; }
    *dot = 0;
    int ctl = -1;
    for (int i = 0; i < JOY_CTL_COUNT; i++)
        if (!std::strcmp(key, ctl_names[i])) ctl = i;
    if (ctl < 0) { *why = "unknown control (pitch, roll, yaw or throttle)"; return 0; }
    const char* field = dot + 1;
    char* end;
    errno = 0;
    const double v = std::strtod(val, &end);
    if (end == val || *end || errno || !std::isfinite(v)) { *why = "the value is not a number"; return 0; }
    joy_axis_cfg& a = cfg->ctl[ctl];
    if (!std::strcmp(field, "axis")) {
        if (v != std::floor(v) || v < -1 || v >= PLAT_JOY_MAX_AXES) { *why = "axis must be -1..7"; return 0; }
        a.axis = (int)v;
    } else if (!std::strcmp(field, "invert")) {
        if (v != 0 && v != 1) { *why = "invert must be 0 or 1"; return 0; }
        a.invert = (int)v;
    } else if (!std::strcmp(field, "deadzone")) {
        if (v < 0 || v > JOY_DEADZONE_MAX) { *why = "deadzone must be 0..0.5"; return 0; }
        a.deadzone = (float)v;
    } else {
        *why = "unknown setting (axis, invert or deadzone)";
        return 0;
    }
    return 1;
}

int joy_config_read(const char* path, joy_config* cfg, char* err, int errlen)
{
    if (err && errlen > 0) err[0] = 0;
    std::FILE* f = std::fopen(path, "r");
    if (!f) return 0;
    char line[256];
    int  lineno = 0;
    while (std::fgets(line, sizeof line, f)) {
        lineno++;
        if (char* hash = std::strchr(line, '#')) *hash = 0;
        char* s = trim(line);
        if (!*s) continue;
        const char* why = "";
        if (!apply_line(s, cfg, &why) && err && !err[0])
            std::snprintf(err, errlen, "line %d: %s", lineno, why);   // the first one is enough
    }
    std::fclose(f);
    cfg->from_file = 1;
    return 1;
}

int joy_config_write(const char* path, const joy_config& cfg)
{
    std::FILE* f = std::fopen(path, "w");
    if (!f) return 0;
    std::fprintf(f, "# Joystick axes of Vantorel: which device axis works each control.\n"
                    "# axis: device axis number (-1 none); invert: 1 reverses it;\n"
                    "# deadzone: 0..0.5 of the half-travel read as centred (the throttle: its ends).\n");
    for (int i = 0; i < JOY_CTL_COUNT; i++) {
        const joy_axis_cfg& a = cfg.ctl[i];
        std::fprintf(f, "%s.axis = %d\n%s.invert = %d\n%s.deadzone = %.3f\n", ctl_names[i], a.axis,
                     ctl_names[i], a.invert, ctl_names[i], a.deadzone);
    }
    const int ok = std::ferror(f) == 0;
    return std::fclose(f) == 0 && ok;
}

float joy_axis_value(int ctl, int raw, const joy_axis_cfg& c)
{
    raw = intlim(raw, 0, PLAT_JOY_AXIS_MAX);
    if (c.invert) raw = PLAT_JOY_AXIS_MAX - raw;
    const float dz = fltlim(c.deadzone, 0, JOY_DEADZONE_MAX);
    if (ctl == JOY_CTL_THROTTLE) {
        float t = 1.1f - 1.2f * (float)raw / 65537.0f;
        if (t <= dz) t = fltmin2(t, 0.0f);
        if (t >= 1 - dz) t = fltmax2(t, 1.0f);
        return t;
    }
    float v = (float)raw / 32767.0f - 1.0f;
    if (dz <= 0) return v;
    const float m = std::fabs(v);
    if (m <= dz) return 0.0f;
    return fltsgn(v) * fltmin2((m - dz) / (1 - dz), 1.0f);
}

}  // namespace orv
