#include "platform/sdl/sdl_joystick.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace orv {

namespace {

constexpr int kVirtualAxes = 4, kVirtualButtons = 16;
constexpr int kScriptMax = 4096;
constexpr Uint32 kSubsystems = SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER | SDL_INIT_HAPTIC;

struct slot_device {
    SDL_Joystick*       joy;
    SDL_GameController* pad;       // set when the device is a known game controller
    SDL_JoystickID      id;
    unsigned            serial;
};

int         started;               // 1 up, -1 the subsystem would not start
slot_device slots[PLAT_JOY_SLOTS];
unsigned    next_serial = 1;
char        names[PLAT_JOY_SLOTS][80];

SDL_Haptic* haptic;
int         effect_id[PLAT_FX_SLOTS];
int         effect_type[PLAT_FX_SLOTS];

// ---- the scripted virtual stick
enum { V_ATTACH, V_DETACH, V_AXIS, V_BUTTON, V_HAT };
struct v_move { long poll; int what, index, value; };
v_move        script[kScriptMax];
int           script_len, script_next;
long          polls;
SDL_Joystick* v_joy;               // our own handle on the virtual device, to move it
int           v_attached;

int hat_of(const char* w)
{
    static const struct { const char* name; int hat; } table[] = {
        {"centre", SDL_HAT_CENTERED}, {"up", SDL_HAT_UP}, {"down", SDL_HAT_DOWN},
        {"left", SDL_HAT_LEFT}, {"right", SDL_HAT_RIGHT}, {"upleft", SDL_HAT_LEFTUP},
        {"upright", SDL_HAT_RIGHTUP}, {"downleft", SDL_HAT_LEFTDOWN}, {"downright", SDL_HAT_RIGHTDOWN}};
    for (const auto& t : table)
        if (!std::strcmp(w, t.name)) return t.hat;
    return -1;
}

int parse_move(char* line, v_move* m)
{
    if (char* hash = std::strchr(line, '#')) *hash = 0;
    char what[16] = "", arg[16] = "";
    long at;
    int  index = 0, value = 0;
    const int n = std::sscanf(line, " at %ld %15s %15s %d", &at, what, arg, &value);
    if (n < 2 || at < 0) return 0;
    m->poll = at;
    if (!std::strcmp(what, "attach") && n == 2) { m->what = V_ATTACH; return 1; }
    if (!std::strcmp(what, "detach") && n == 2) { m->what = V_DETACH; return 1; }
    if (!std::strcmp(what, "hat") && n == 3) {
        m->what = V_HAT;
        m->value = hat_of(arg);
        return m->value >= 0;
    }
    if (n != 4 || std::sscanf(arg, "%d", &index) != 1) return 0;
    m->index = index;
    m->value = value;
    if (!std::strcmp(what, "axis")) { m->what = V_AXIS; return index >= 0 && index < kVirtualAxes && value >= -32768 && value <= 32767; }
    if (!std::strcmp(what, "button")) { m->what = V_BUTTON; return index >= 1 && index <= kVirtualButtons && (value == 0 || value == 1); }
    return 0;
}

void load_script(const char* path)
{
    std::FILE* f = std::fopen(path, "r");
    if (!f) {
        std::fprintf(stderr, "ORV_VIRTUAL_JOYSTICK: cannot open %s\n", path);
        return;
    }
    char line[200];
    int  lineno = 0;
    while (std::fgets(line, sizeof line, f) && script_len < kScriptMax) {
        lineno++;
        char* s = line;
        while (*s == ' ' || *s == '\t') s++;
        if (!*s || *s == '\n' || *s == '#') continue;
        if (parse_move(line, &script[script_len])) script_len++;
        else std::fprintf(stderr, "ORV_VIRTUAL_JOYSTICK: %s line %d not understood, skipped\n", path, lineno);
    }
    std::fclose(f);
}

int device_index_of(SDL_JoystickID id)
{
    const int n = SDL_NumJoysticks();
    for (int i = 0; i < n; i++)
        if (SDL_JoystickGetDeviceInstanceID(i) == id) return i;
    return -1;
}

void run_move(const v_move& m)
{
    switch (m.what) {
    case V_ATTACH:
        if (!v_attached) {
            const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_FLIGHT_STICK, kVirtualAxes, kVirtualButtons, 1);
            v_joy = index >= 0 ? SDL_JoystickOpen(index) : nullptr;
            v_attached = v_joy != nullptr;
        }
        break;
    case V_DETACH:
        if (v_attached) {
            const int index = device_index_of(SDL_JoystickInstanceID(v_joy));
            SDL_JoystickClose(v_joy);
            v_joy = nullptr;
            v_attached = 0;
            if (index >= 0) SDL_JoystickDetachVirtual(index);
        }
        break;
    case V_AXIS: if (v_attached) SDL_JoystickSetVirtualAxis(v_joy, m.index, (Sint16)m.value); break;
    case V_BUTTON: if (v_attached) SDL_JoystickSetVirtualButton(v_joy, m.index - 1, (Uint8)m.value); break;
    case V_HAT: if (v_attached) SDL_JoystickSetVirtualHat(v_joy, 0, (Uint8)m.value); break;
    default: break;
    }
}

int start()
{
    if (started) return started > 0;
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (SDL_InitSubSystem(kSubsystems) != 0) {
        // Forces are a bonus: a system without them still reads its sticks.
        if (SDL_InitSubSystem(SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER) != 0) {
            started = -1;
            return 0;
        }
    }
    // The simulator reads the sticks itself each frame; their events would only pile up.
    SDL_JoystickEventState(SDL_IGNORE);
    SDL_GameControllerEventState(SDL_IGNORE);
    started = 1;
    if (const char* path = std::getenv("ORV_VIRTUAL_JOYSTICK")) {
        if (path[0]) load_script(path);
    }
    return 1;
}

void drop(int s)
{
    if (slots[s].pad) SDL_GameControllerClose(slots[s].pad);
    else if (slots[s].joy) SDL_JoystickClose(slots[s].joy);
    slots[s] = slot_device{};
}

int held_elsewhere(int s, SDL_JoystickID id)
{
    for (int o = 0; o < PLAT_JOY_SLOTS; o++)
        if (o != s && slots[o].joy && slots[o].id == id) return 1;
    return 0;
}

// Keeps the slot filled with an attached device, or empty.
void follow(int s)
{
    if (slots[s].joy && !SDL_JoystickGetAttached(slots[s].joy)) drop(s);
    if (slots[s].joy) return;
    const int n = SDL_NumJoysticks();
    int rank = 0;
    for (int i = 0; i < n; i++) {
        const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(i);
        if (rank++ < s || held_elsewhere(s, id)) continue;
        slot_device d = {};
        if (SDL_IsGameController(i)) {
            d.pad = SDL_GameControllerOpen(i);
            d.joy = d.pad ? SDL_GameControllerGetJoystick(d.pad) : nullptr;
        }
        if (!d.joy) d.joy = SDL_JoystickOpen(i);
        if (!d.joy) return;
        d.id = SDL_JoystickInstanceID(d.joy);
        d.serial = next_serial++;
        slots[s] = d;
        std::snprintf(names[s], sizeof names[s], "%s",
                      d.pad ? SDL_GameControllerName(d.pad) : SDL_JoystickName(d.joy));
        return;
    }
}

int raw_axis(Sint16 v)
{
    const int r = (int)v + PLAT_JOY_AXIS_CENTRE;   // SDL's 0 is the exact centre
    return r < 0 ? 0 : r > PLAT_JOY_AXIS_MAX ? PLAT_JOY_AXIS_MAX : r;
}

int pov_of(Uint8 hat)
{
    switch (hat) {
    case SDL_HAT_UP: return 0;
    case SDL_HAT_RIGHTUP: return 4500;
    case SDL_HAT_RIGHT: return 9000;
    case SDL_HAT_RIGHTDOWN: return 13500;
    case SDL_HAT_DOWN: return 18000;
    case SDL_HAT_LEFTDOWN: return 22500;
    case SDL_HAT_LEFT: return 27000;
    case SDL_HAT_LEFTUP: return 31500;
    default: return PLAT_JOY_POV_CENTRED;
    }
}

void read_controller(SDL_GameController* pad, plat_joy_state* out)
{
    static const SDL_GameControllerAxis axes[] = {
        SDL_CONTROLLER_AXIS_LEFTX, SDL_CONTROLLER_AXIS_LEFTY, SDL_CONTROLLER_AXIS_RIGHTX,
        SDL_CONTROLLER_AXIS_RIGHTY, SDL_CONTROLLER_AXIS_TRIGGERLEFT, SDL_CONTROLLER_AXIS_TRIGGERRIGHT};
    out->naxes = 6;
    for (int a = 0; a < 6; a++) out->axis[a] = raw_axis(SDL_GameControllerGetAxis(pad, axes[a]));
    // Face, shoulder and stick buttons; the direction pad is the hat.
    static const SDL_GameControllerButton buttons[] = {
        SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_B, SDL_CONTROLLER_BUTTON_X,
        SDL_CONTROLLER_BUTTON_Y, SDL_CONTROLLER_BUTTON_LEFTSHOULDER, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER,
        SDL_CONTROLLER_BUTTON_BACK, SDL_CONTROLLER_BUTTON_START, SDL_CONTROLLER_BUTTON_LEFTSTICK,
        SDL_CONTROLLER_BUTTON_RIGHTSTICK, SDL_CONTROLLER_BUTTON_GUIDE};
    out->nbuttons = (int)(sizeof buttons / sizeof buttons[0]);
    for (int b = 0; b < out->nbuttons; b++)
        if (SDL_GameControllerGetButton(pad, buttons[b])) out->buttons |= 1u << b;
    Uint8 hat = SDL_HAT_CENTERED;
    if (SDL_GameControllerGetButton(pad, SDL_CONTROLLER_BUTTON_DPAD_UP)) hat |= SDL_HAT_UP;
    if (SDL_GameControllerGetButton(pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN)) hat |= SDL_HAT_DOWN;
    if (SDL_GameControllerGetButton(pad, SDL_CONTROLLER_BUTTON_DPAD_LEFT)) hat |= SDL_HAT_LEFT;
    if (SDL_GameControllerGetButton(pad, SDL_CONTROLLER_BUTTON_DPAD_RIGHT)) hat |= SDL_HAT_RIGHT;
    out->nhats = 1;
    out->pov = pov_of(hat);
    out->is_controller = 1;
}

void read_stick(SDL_Joystick* joy, plat_joy_state* out)
{
    out->naxes = SDL_JoystickNumAxes(joy);
    if (out->naxes > PLAT_JOY_MAX_AXES) out->naxes = PLAT_JOY_MAX_AXES;
    for (int a = 0; a < out->naxes; a++) out->axis[a] = raw_axis(SDL_JoystickGetAxis(joy, a));
    out->nbuttons = SDL_JoystickNumButtons(joy);
    if (out->nbuttons > PLAT_JOY_MAX_BUTTONS) out->nbuttons = PLAT_JOY_MAX_BUTTONS;
    for (int b = 0; b < out->nbuttons; b++)
        if (SDL_JoystickGetButton(joy, b)) out->buttons |= 1u << b;
    out->nhats = SDL_JoystickNumHats(joy);
    out->pov = out->nhats > 0 ? pov_of(SDL_JoystickGetHat(joy, 0)) : PLAT_JOY_POV_CENTRED;
}

// ---- the table
int sdl_count()
{
    if (!start()) return -1;
    return SDL_NumJoysticks();
}

void sdl_poll()
{
    if (!start()) return;
    polls++;
    while (script_next < script_len && script[script_next].poll <= polls) run_move(script[script_next++]);
    SDL_JoystickUpdate();
    for (int s = 0; s < PLAT_JOY_SLOTS; s++) follow(s);
}

int sdl_read(int s, plat_joy_state* out)
{
    if (s < 0 || s >= PLAT_JOY_SLOTS || !start()) return 0;
    follow(s);
    if (!slots[s].joy) return 0;
    *out = plat_joy_state{};
    for (int a = 0; a < PLAT_JOY_MAX_AXES; a++) out->axis[a] = PLAT_JOY_AXIS_CENTRE;
    if (slots[s].pad) read_controller(slots[s].pad, out);
    else read_stick(slots[s].joy, out);
    out->serial = slots[s].serial;
    return 1;
}

const char* sdl_name(int s)
{
    if (s < 0 || s >= PLAT_JOY_SLOTS || !slots[s].joy) return "";
    return names[s];
}

void sdl_haptic_close()
{
    if (haptic) SDL_HapticClose(haptic);
    haptic = nullptr;
    for (int i = 0; i < PLAT_FX_SLOTS; i++) effect_id[i] = -1, effect_type[i] = 0;
}

void sdl_close()
{
    sdl_haptic_close();
    for (int s = 0; s < PLAT_JOY_SLOTS; s++) drop(s);
}

int sdl_haptic_open(int s)
{
    sdl_haptic_close();
    if (s < 0 || s >= PLAT_JOY_SLOTS || !slots[s].joy || !SDL_WasInit(SDL_INIT_HAPTIC)) return 0;
    if (SDL_JoystickIsHaptic(slots[s].joy) != SDL_TRUE) return 0;
    haptic = SDL_HapticOpenFromJoystick(slots[s].joy);
    if (!haptic) return 0;
    if (SDL_HapticRumbleSupported(haptic) == SDL_TRUE) SDL_HapticRumbleInit(haptic);
    return 1;
}

Sint16 level(int per_cent) { return (Sint16)(per_cent * 327); }

// Devices that only rumble get the vibrations and jolts as rumble; springs need the real thing.
void rumble(const plat_force_effect& e)
{
    if (e.kind == PLAT_FX_SPRING || SDL_HapticRumbleSupported(haptic) != SDL_TRUE) return;
    const Uint32 ms = e.kind == PLAT_FX_JOLT ? (Uint32)e.duration_ms : SDL_HAPTIC_INFINITY;
    SDL_HapticRumblePlay(haptic, e.magnitude / 100.0f, ms);
}

int sdl_haptic_play(int fx, const plat_force_effect* e)
{
    if (!haptic || fx < 0 || fx >= PLAT_FX_SLOTS) return 0;
    const unsigned supported = SDL_HapticQuery(haptic);
    SDL_HapticEffect h;
    std::memset(&h, 0, sizeof h);
    if (e->kind == PLAT_FX_SPRING && (supported & SDL_HAPTIC_SPRING)) {
        h.type = SDL_HAPTIC_SPRING;
        h.condition.type = SDL_HAPTIC_SPRING;
        h.condition.length = SDL_HAPTIC_INFINITY;
        const int a = (e->axes & PLAT_FX_AXIS_Y) ? 1 : 0;
        h.condition.center[a] = level(e->centre);
        h.condition.right_coeff[a] = level(e->coeff_pos);
        h.condition.left_coeff[a] = level(e->coeff_neg);
        h.condition.right_sat[a] = h.condition.left_sat[a] = 0xFFFF;
    } else if (e->kind == PLAT_FX_VIBRATION && (supported & SDL_HAPTIC_SINE)) {
        h.type = SDL_HAPTIC_SINE;
        h.periodic.type = SDL_HAPTIC_SINE;
        h.periodic.direction.type = SDL_HAPTIC_CARTESIAN;
        h.periodic.direction.dir[0] = (e->axes & PLAT_FX_AXIS_X) ? 1 : 0;
        h.periodic.direction.dir[1] = (e->axes & PLAT_FX_AXIS_Y) ? 1 : 0;
        h.periodic.length = SDL_HAPTIC_INFINITY;
        h.periodic.period = (Uint16)(1000 / (e->frequency_hz > 0 ? e->frequency_hz : 1));
        h.periodic.magnitude = level(e->magnitude);
    } else if (e->kind == PLAT_FX_JOLT && (supported & SDL_HAPTIC_CONSTANT)) {
        h.type = SDL_HAPTIC_CONSTANT;
        h.constant.type = SDL_HAPTIC_CONSTANT;
        h.constant.direction.type = SDL_HAPTIC_POLAR;
        h.constant.direction.dir[0] = e->direction_deg * 100;
        h.constant.length = (Uint32)e->duration_ms;
        h.constant.level = level(e->magnitude);
    } else {
        rumble(*e);
        return 0;
    }
    if (effect_id[fx] >= 0 && effect_type[fx] == h.type) {
        if (SDL_HapticUpdateEffect(haptic, effect_id[fx], &h) != 0) return 0;
    } else {
        if (effect_id[fx] >= 0) SDL_HapticDestroyEffect(haptic, effect_id[fx]);
        effect_id[fx] = SDL_HapticNewEffect(haptic, &h);
        effect_type[fx] = h.type;
        if (effect_id[fx] < 0) return 0;
    }
    return SDL_HapticRunEffect(haptic, effect_id[fx], 1) == 0;
}

void sdl_haptic_stop(int fx)
{
    if (!haptic || fx < 0 || fx >= PLAT_FX_SLOTS) return;
    if (effect_id[fx] >= 0) SDL_HapticStopEffect(haptic, effect_id[fx]);
    else if (SDL_HapticRumbleSupported(haptic) == SDL_TRUE) SDL_HapticRumbleStop(haptic);
}

const plat_joy_ops ops = {"sdl", sdl_count, sdl_poll, sdl_read, sdl_name, sdl_close,
                          sdl_haptic_open, sdl_haptic_play, sdl_haptic_stop, sdl_haptic_close};

}  // namespace

const plat_joy_ops* plat_sdl_joy()
{
    for (int i = 0; i < PLAT_FX_SLOTS; i++) effect_id[i] = -1;
    return &ops;
}

}  // namespace orv
