#include "input/views_keys.h"

#include <cmath>

#include "2-QZutils/qz_angles.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/records.h"

namespace orv {

namespace {

constexpr float kZoomMax = 100;
constexpr float kSpotLeadS = 4, kSpotOffsetM = 20;   // the spot camera waits ahead of the aircraft

// The ring of cockpit views, 45 degrees apart, turning right.
const int ring[8] = {VIEW_FORWARD, VIEW_RIGHT45, VIEW_RIGHT90, VIEW_RIGHT135,
                     VIEW_BACK,    VIEW_LEFT135, VIEW_LEFT90,  VIEW_LEFT45};

void (*atc_move)(int, int);

int fills_screen(int code)
{
    return (code >= VIEW_LEFT45 && code <= VIEW_RIGHT135) || code == VIEW_BACK || code == VIEW_TOWER ||
           code == VIEW_RUNWAY || code == VIEW_FOLLOW || code == VIEW_SPOT || code == VIEW_FULL_HUD ||
           code == VIEW_FULL_NO_HUD;
}

}  // namespace

void views_set_atc_move_hook(void (*move)(int, int)) { atc_move = move; }

void view_menu(int code)
{
    if (code >= VIEW_FORWARD && code <= VIEW_FULL_NO_HUD) {
        scn.zoom = 1;
        set.view_type = code;
        set.view_is_fullscreen = fills_screen(code);
        if (code == VIEW_SPOT) {
            msc.spotview_X = (float)flt.X + kSpotLeadS * flt.vX + kSpotOffsetM;
            msc.spotview_Y = (float)flt.Y + kSpotLeadS * flt.vY + kSpotOffsetM;
            msc.spotview_Z = (float)flt.Z + kSpotLeadS * flt.vZ + kSpotOffsetM;
        }
    } else if (code == VIEW_ZOOM_IN || code == VIEW_ZOOM_OUT) {
        const int in = code == VIEW_ZOOM_IN;
        if (set.view_type == VIEW_CHASE || set.view_type == VIEW_FOLLOW) scn.dist *= in ? 0.95f : 1.05f;
        else scn.zoom = fltlim(in ? scn.zoom * 2 : scn.zoom * 0.5f, 1, kZoomMax);
    } else if (code == VIEW_SHOW_PATH) {
        msc.show_path = !msc.show_path;
    }
}

int view_turned(int view, int dir)
{
    for (int i = 0; i < 8; i++)
        if (ring[i] == view) return ring[(i + (dir > 0 ? 1 : 7)) % 8];
    return dir > 0 ? VIEW_RIGHT45 : VIEW_LEFT45;
}

void freeviews_keys(int code)
{
    const float psi = scn.psi * con.dgrtorad, the = scn.the * con.dgrtorad;
    const float step = msc.prd;
    switch (code) {
    case FREEVIEW_LEFT:
    case FREEVIEW_RIGHT: {
        const float s = code == FREEVIEW_LEFT ? -1.0f : 1.0f;
        msc.freeviewXZ = fltwrap(msc.freeviewXZ + s * step, 0, (2 * PI_F));
        msc.spotview_X += s * SPOT_STEP_M * std::cos(psi);
        msc.spotview_Z += s * SPOT_STEP_M * std::sin(psi);
        if (atc_move) atc_move((int)s, 0);
        break;
    }
    case FREEVIEW_UP:
    case FREEVIEW_DOWN: {
        const float s = code == FREEVIEW_UP ? 1.0f : -1.0f;
        msc.freeviewY = fltlim(msc.freeviewY + s * step, -(PI_F / 2), (PI_F / 2));
        msc.spotview_X += s * SPOT_STEP_M * std::sin(psi) * std::cos(the);
        msc.spotview_Z -= s * SPOT_STEP_M * std::cos(psi) * std::cos(the);
        msc.spotview_Y += s * SPOT_STEP_M * std::sin(the);
        if (atc_move) atc_move(0, -(int)s);   // up is the row above
        break;
    }
    default: break;
    }
}

}  // namespace orv
