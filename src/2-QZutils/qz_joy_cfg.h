// qz_joy_cfg.h -- which joystick axis works which control, with its dead zone and sense.
// Kept in a small key=value text file beside the preferences ("Vantorel 4 joystick.cfg"),
// so the preferences file itself keeps its layout:
//
//   # comment
//   pitch.axis = 1        device axis number, -1 for none
//   pitch.invert = 0      1 reverses the axis
//   pitch.deadzone = 0.05 share of the half-travel around the centre read as centred (0..0.5)
//
// and the same for roll, yaw and throttle (whose dead zone snaps the two ends).
#pragma once

namespace orv {

enum { JOY_CTL_PITCH = 0, JOY_CTL_ROLL, JOY_CTL_YAW, JOY_CTL_THROTTLE, JOY_CTL_COUNT };
constexpr float JOY_DEADZONE_MAX = 0.5f;

struct joy_axis_cfg {
    int   axis;          // device axis, -1 none
    int   invert;
    float deadzone;
};
struct joy_config {
    joy_axis_cfg ctl[JOY_CTL_COUNT];
    int from_file;       // 1: the pilot's own settings; 0: the defaults for the device kind
};

const char* joy_control_name(int ctl);        // "pitch", "roll", "yaw", "throttle"

// Defaults: a plain stick has roll on axis 0, pitch 1, throttle 2, twist 3; a game
// controller's left stick flies, its right stick's sideways axis is the rudder.
joy_config joy_default_config(int is_controller);

// The file's path in a native settings folder.
void joy_config_path(const char* config_dir, char* out, int len);

// Reads the file into *cfg over the defaults. Answers 1 when read; 0 when there is none.
// A line that cannot be understood is reported in err (with its number), skipped, and the
// rest is read; err is empty when every line was good.
int  joy_config_read(const char* path, joy_config* cfg, char* err, int errlen);
int  joy_config_write(const char* path, const joy_config& cfg);   // 1 when written

// A raw 0..65535 axis as a control value: -1..1 for the stick axes (dead zone removed and the
// rest stretched back to full travel), the throttle 1.1 at rest back to -0.1 fully forward.
float joy_axis_value(int ctl, int raw, const joy_axis_cfg& c);

}  // namespace orv
