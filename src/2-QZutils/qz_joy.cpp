#include "2-QZutils/qz_joy.h"

#include <cmath>

#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"

namespace orv {

float JOY_curve(float* dat, float nz)
{
    float v = *dat;
    if (v < 0) v = fltmin2(v + nz, 0.0f);
    else if (v > 0) v = fltmax2(v - nz, 0.0f);
    *dat = v;
    return fltsgn(v) * std::pow(std::fabs(v), 1.5f);
}

void JOY_get(float* joy_ptch, float* joy_roll, float* joy_hdng, float* joy_thro, int mouse_key)
{
    // No device is read yet: a centred stick and a closed throttle.
    float ptch = 0, roll = 0, hdng = 0, thro = 0;
    if (mouse_key) {
        ptch += set.MK_ptch;
        roll += set.MK_roll;
        hdng += set.MK_hdng;
    }
    ptch = JOY_curve(&ptch, set.NZptch) * set.joy_rat_ptch;
    roll = JOY_curve(&roll, set.NZroll) * set.joy_rat_roll;
    hdng = JOY_curve(&hdng, 0.0f) * set.joy_rat_hdng;
    *joy_ptch = fltlim(ptch, -1, 1);
    *joy_roll = fltlim(roll, -1, 1);
    *joy_hdng = fltlim(hdng, -1, 1);
    *joy_thro = fltlim(thro, -1, 1);
}

static joy_force_request force_req[JOY_FORCE_LAST - JOY_FORCE_FIRST + 1];

void JOY_force(int type, int a1, int a2, int a3)
{
    if (type < JOY_FORCE_FIRST || type > JOY_FORCE_LAST) return;
    switch (type) {
    case 26: a1 = intlim(a1, -100, 100); a2 = intlim(a2, -100, 100); a3 = intlim(a3, 0, 100); break;
    case 27:
    case 28: a1 = intlim(a1, 0, 100); a2 = intlim(a2, 0, 50); a3 = 0; break;
    case 31: a1 = intlim(a1, 0, 100); a2 = a3 = 0; break;
    case 33: a1 = intlim(a1, 0, 100); a2 = ((a2 % 360) + 360) % 360; a3 = intlim(a3, 0, 2500); break;
    default: a1 = a2 = a3 = 0; break;
    }
    joy_force_request& r = force_req[type - JOY_FORCE_FIRST];
    r.count++;
    r.a1 = a1;
    r.a2 = a2;
    r.a3 = a3;
}

const joy_force_request* JOY_force_request(int type)
{
    if (type < JOY_FORCE_FIRST || type > JOY_FORCE_LAST) return nullptr;
    return &force_req[type - JOY_FORCE_FIRST];
}

}  // namespace orv
