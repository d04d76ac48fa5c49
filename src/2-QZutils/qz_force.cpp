#include "2-QZutils/qz_force.h"

#include "2-QZutils/qz_funct.h"
#include "platform/plat_joy.h"

namespace orv {

namespace {

constexpr int kBuffetFrequencyHz = 12;   // an airframe shudder, felt rather than seen
constexpr int kVibrationMaxHz = 50;

int   port = 1;
int   opened, enabled;
float spring_x, spring_y;

bool live() { return opened && enabled; }

void play(int slot, const plat_force_effect& e)
{
    const plat_joy_ops* ops = plat_joy_get();
    if (ops->haptic_play) ops->haptic_play(slot, &e);
}

void stop(int slot)
{
    const plat_joy_ops* ops = plat_joy_get();
    if (ops->haptic_stop) ops->haptic_stop(slot);
}

void spring(int slot, int axis, int centre, int coeff_pos, int coeff_neg, float* kept)
{
    if (!live()) return;
    plat_force_effect e = {};
    e.kind = PLAT_FX_SPRING;
    e.axes = axis;
    e.centre = intlim(centre, -100, 100);
    e.coeff_pos = intlim(coeff_pos, 0, 100);
    e.coeff_neg = intlim(coeff_neg, 0, 100);
    *kept = e.centre / 100.0f;
    play(slot, e);
}

void vibration(int slot, int axes, int m_pos, int m_neg, int frequency)
{
    if (!live()) return;
    plat_force_effect e = {};
    e.kind = PLAT_FX_VIBRATION;
    e.axes = axes;
    e.magnitude = intlim((intlim(m_pos, 0, 100) + intlim(m_neg, 0, 100)) / 2, 0, 100);
    e.frequency_hz = intlim(frequency, 1, kVibrationMaxHz);
    if (e.magnitude == 0) stop(slot);
    else play(slot, e);
}

}  // namespace

void SetJoystickPort(int p) { port = intlim(p, 1, PLAT_JOY_SLOTS); }

int InitStick(int)
{
    const plat_joy_ops* ops = plat_joy_get();
    opened = ops->haptic_open ? ops->haptic_open(port - 1) : 0;
    enabled = 0;
    spring_x = spring_y = 0;
    return opened;
}

void EnableForces() { enabled = opened; }

void XSpring(int c, int cp, int cn) { spring(FX_SPRING_X, PLAT_FX_AXIS_X, c, cp, cn, &spring_x); }
void YSpring(int c, int cp, int cn) { spring(FX_SPRING_Y, PLAT_FX_AXIS_Y, c, cp, cn, &spring_y); }
void XVibration(int mp, int mn, int f) { vibration(FX_VIBRATION_X, PLAT_FX_AXIS_X, mp, mn, f); }
void YVibration(int mp, int mn, int f) { vibration(FX_VIBRATION_Y, PLAT_FX_AXIS_Y, mp, mn, f); }
void XVibrationClear() { if (live()) stop(FX_VIBRATION_X); }
void YVibrationClear() { if (live()) stop(FX_VIBRATION_Y); }

void Buffeting(int m)
{
    vibration(FX_BUFFET, PLAT_FX_AXIS_X | PLAT_FX_AXIS_Y, m, m, kBuffetFrequencyHz);
}
void BuffetingClear() { if (live()) stop(FX_BUFFET); }

void Jolt(int magnitude, int direction, int duration)
{
    if (!live()) return;
    plat_force_effect e = {};
    e.kind = PLAT_FX_JOLT;
    e.axes = PLAT_FX_AXIS_X | PLAT_FX_AXIS_Y;
    e.magnitude = intlim(magnitude, 0, 100);
    e.direction_deg = ((direction % 360) + 360) % 360;
    e.duration_ms = intlim(duration, 0, 2500);
    play(FX_JOLT, e);
}

void ClearForces()
{
    if (!live()) return;
    for (int s = 0; s < PLAT_FX_SLOTS; s++) stop(s);
    spring_x = spring_y = 0;
}

void CloseStick()
{
    if (opened) {
        const plat_joy_ops* ops = plat_joy_get();
        if (live()) ClearForces();
        if (ops->haptic_close) ops->haptic_close();
    }
    opened = enabled = 0;
    spring_x = spring_y = 0;
}

int   forces_active() { return live() ? 1 : 0; }
float force_spring_centre_x() { return live() ? spring_x : 0.0f; }
float force_spring_centre_y() { return live() ? spring_y : 0.0f; }

}  // namespace orv
