#include "platform/plat_script.h"

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/plat_backend.h"

namespace orv {

struct script_command {
    char name[24];
    int  nargs;                 // numbers at least (or after the word)
    script_fn fn;
    const char* const* words;   // a leading word from this list, passed as its index
    int  nwords;
    int  maxargs;               // numbers at most
    script_check_fn check;      // vets the numbers when the line is read; may be null
};
static script_command commands[SCRIPT_COMMANDS_MAX];
static int            command_count;

int register_script_command(const char* name, int nargs, script_fn fn)
{
    if (!name || !name[0] || std::strlen(name) >= sizeof commands[0].name || !fn) return -1;
    if (nargs < 0 || nargs > PLAT_EV_MAX_ARGS || command_count >= SCRIPT_COMMANDS_MAX) return -1;
    if (!std::strcmp(name, "key") || !std::strcmp(name, "click") || !std::strcmp(name, "menu") ||
        !std::strcmp(name, "screenshot"))
        return -1;
    for (int i = 0; i < command_count; i++)
        if (!std::strcmp(commands[i].name, name)) return -1;
    std::snprintf(commands[command_count].name, sizeof commands[0].name, "%s", name);
    commands[command_count].nargs = nargs;
    commands[command_count].fn = fn;
    commands[command_count].maxargs = nargs;
    commands[command_count].check = nullptr;
    return command_count++;
}

int register_script_word_command(const char* name, const char* const* words, int nwords, int nargs,
                                 script_fn fn)
{
    if (!words || nwords < 1 || nargs + 1 > PLAT_EV_MAX_ARGS) return -1;
    int code = register_script_command(name, nargs, fn);
    if (code < 0) return -1;
    commands[code].words = words;
    commands[code].nwords = nwords;
    return code;
}

int register_script_command_checked(const char* name, int minargs, int maxargs, script_fn fn, script_check_fn check)
{
    if (maxargs < minargs || maxargs > PLAT_EV_MAX_ARGS) return -1;
    int code = register_script_command(name, minargs, fn);
    if (code < 0) return code;
    commands[code].maxargs = maxargs;
    commands[code].check = check;
    return code;
}

void script_run_command(int code, const float* args, int nargs)
{
    if (code >= 0 && code < command_count) commands[code].fn(args, nargs);
}

static int parse_number(const char* tok, double* out)
{
    if (!tok) return 0;
    char* end;
    errno = 0;
    double v = std::strtod(tok, &end);
    if (end == tok || *end || errno || !std::isfinite(v)) return 0;
    *out = v;
    return 1;
}

// A command's number travels as a float: one beyond the float range would arrive as infinity.
static const char* parse_argument(const char* tok, float* out)
{
    double v;
    if (!parse_number(tok, &v)) return "is not a number";
    if (std::fabs(v) > (double)FLT_MAX) return "is too large a number";
    *out = (float)v;
    return nullptr;
}

static int parse_int(const char* tok, int* out)
{
    if (!tok) return 0;
    char* end;
    errno = 0;
    long v = std::strtol(tok, &end, 10);
    if (end == tok || *end || errno || v < -2147483647L || v > 2147483647L) return 0;
    *out = (int)v;
    return 1;
}

static int fail(char* err, int errlen, int lineno, const char* what)
{
    std::snprintf(err, errlen, "line %d: %s", lineno, what);
    return 0;
}

// Up to this many events a parsed line may queue (a click is two).
static int queue_events(const plat_event* ev, int n, char* err, int errlen, int lineno)
{
    if (plat_script_pending() + n > PLAT_SCRIPT_MAX) return fail(err, errlen, lineno, "too many scripted events");
    for (int i = 0; i < n; i++) plat_script_push(ev[i]);
    return 1;
}

// "<name> <word> <numbers...>": the word's index goes first among the arguments.
static int queue_word_command(const script_command& c, int code, char** tok, int nargs, plat_event* ev,
                              char* err, int errlen, int lineno)
{
    char what[300];
    int  w = -1;
    if (nargs >= 1)
        for (int k = 0; k < c.nwords; k++)
            if (!std::strcmp(tok[0], c.words[k])) w = k;
    if (w < 0 || nargs != c.nargs + 1) {
        int n = std::snprintf(what, sizeof what, "'%s' takes one of", c.name);
        for (int k = 0; k < c.nwords && n < (int)sizeof what - 40; k++)
            n += std::snprintf(what + n, sizeof what - n, "%s%s", k ? "|" : " ", c.words[k]);
        std::snprintf(what + n, sizeof what - n, c.nargs ? " and %d number(s)" : "", c.nargs);
        return fail(err, errlen, lineno, what);
    }
    ev[0].type = PLAT_EV_COMMAND;
    ev[0].code = code;
    ev[0].nargs = nargs;
    ev[0].args[0] = (float)w;
    for (int a = 1; a < nargs; a++) {
        if (const char* bad = parse_argument(tok[a], &ev[0].args[a])) {
            std::snprintf(what, sizeof what, "'%.23s': '%.40s' %s", c.name, tok[a], bad);
            return fail(err, errlen, lineno, what);
        }
    }
    return queue_events(ev, 1, err, errlen, lineno);
}

// Keys that type no character, by name: arrows, keypad digits, function keys.
static int special_key(const char* k)
{
    static const struct { const char* name; int code; } arrows[] = {
        {"left", PLAT_KEY_LEFT}, {"right", PLAT_KEY_RIGHT}, {"up", PLAT_KEY_UP}, {"down", PLAT_KEY_DOWN}};
    for (const auto& a : arrows)
        if (!std::strcmp(k, a.name)) return a.code;
    char* end;
    if (!std::strncmp(k, "kp", 2) && k[2] >= '0' && k[2] <= '9' && !k[3]) return PLAT_KEY_KP0 + (k[2] - '0');
    int base = PLAT_KEY_F1;
    if (!std::strncmp(k, "shift-", 6)) {
        base = PLAT_KEY_SHIFT_F1;
        k += 6;
    }
    if (k[0] != 'f' || !k[1]) return 0;
    const long n = std::strtol(k + 1, &end, 10);
    if (*end || n < 1 || n > 12) return 0;
    return base + (int)n - 1;
}

int script_parse_line(const char* line, int lineno, char* err, int errlen)
{
    char buf[512];
    if (std::strlen(line) >= sizeof buf) return fail(err, errlen, lineno, "line too long");
    std::snprintf(buf, sizeof buf, "%s", line);
    if (char* hash = std::strchr(buf, '#')) *hash = 0;

    char* tok[12];
    int   nt = 0;
    for (char* t = std::strtok(buf, " \t\r\n"); t; t = std::strtok(nullptr, " \t\r\n")) {
        if (nt == 12) return fail(err, errlen, lineno, "too many words");
        tok[nt++] = t;
    }
    if (nt == 0) return 1;
    if (std::strcmp(tok[0], "at") != 0) return fail(err, errlen, lineno, "expected 'at <seconds> <command> ...'");
    double t;
    if (nt < 3 || !parse_number(tok[1], &t) || t < 0)
        return fail(err, errlen, lineno, "expected a time of zero or more seconds after 'at'");

    plat_event ev[2] = {};
    ev[0].time = ev[1].time = t;
    ev[0].line = ev[1].line = lineno;
    const char* cmd = tok[2];
    int nargs = nt - 3;
    char what[120];

    if (!std::strcmp(cmd, "key")) {
        if (nargs != 1) return fail(err, errlen, lineno, "'key' takes one character");
        const char* k = tok[3];
        int c;
        if (!std::strcmp(k, "space")) c = ' ';
        else if (!std::strcmp(k, "enter")) c = 13;
        else if (!std::strcmp(k, "backspace")) c = 8;
        else if (!std::strcmp(k, "hash")) c = '#';      // '#' itself starts a comment
        else if (int special = special_key(k)) c = special;
        else if (std::strlen(k) == 1) c = (unsigned char)k[0];
        else return fail(err, errlen, lineno, "'key' takes one character (or space, enter, backspace, hash, "
                                              "left, right, up, down, kp0..kp9, f1..f12, shift-f1..shift-f12)");
        ev[0].type = PLAT_EV_KEY;
        ev[0].key = c;
        return queue_events(ev, 1, err, errlen, lineno);
    }
    if (!std::strcmp(cmd, "click")) {
        int x, y;
        if (nargs != 2 || !parse_int(tok[3], &x) || !parse_int(tok[4], &y))
            return fail(err, errlen, lineno, "'click' takes two whole numbers: x y");
        if (x < 0 || x > 799 || y < 0 || y > 599)
            return fail(err, errlen, lineno, "'click' position outside the 800 by 600 screen");
        // Screen y counts up from the bottom; the back ends' events count down from the top.
        ev[0].type = PLAT_EV_MOUSE_DOWN;
        ev[1].type = PLAT_EV_MOUSE_UP;
        ev[0].x = ev[1].x = x;
        ev[0].y = ev[1].y = 600 - y;
        return queue_events(ev, 2, err, errlen, lineno);
    }
    if (!std::strcmp(cmd, "menu")) {
        int code;
        if (nargs != 1 || !parse_int(tok[3], &code) || code < 0)
            return fail(err, errlen, lineno, "'menu' takes one item code");
        ev[0].type = PLAT_EV_MENU;
        ev[0].code = code;
        return queue_events(ev, 1, err, errlen, lineno);
    }
    if (!std::strcmp(cmd, "screenshot")) {
        if (nargs != 1) return fail(err, errlen, lineno, "'screenshot' takes one file name");
        int shot = plat_script_shot(tok[3]);
        if (shot < 0) return fail(err, errlen, lineno, "'screenshot': too many screenshots or too long a name");
        ev[0].type = PLAT_EV_SHOT;
        ev[0].code = shot;
        return queue_events(ev, 1, err, errlen, lineno);
    }
    for (int i = 0; i < command_count; i++) {
        if (std::strcmp(cmd, commands[i].name) != 0) continue;
        if (commands[i].words) return queue_word_command(commands[i], i, tok + 3, nargs, ev, err, errlen, lineno);
        if (nargs < commands[i].nargs || nargs > commands[i].maxargs) {
            if (commands[i].maxargs > commands[i].nargs)
                std::snprintf(what, sizeof what, "'%s' takes %d to %d numbers", cmd, commands[i].nargs, commands[i].maxargs);
            else
                std::snprintf(what, sizeof what, "'%s' takes %d number(s)", cmd, commands[i].nargs);
            return fail(err, errlen, lineno, what);
        }
        ev[0].type = PLAT_EV_COMMAND;
        ev[0].code = i;
        ev[0].nargs = nargs;
        for (int a = 0; a < nargs; a++) {
            if (const char* bad = parse_argument(tok[3 + a], &ev[0].args[a])) {
                std::snprintf(what, sizeof what, "'%.23s': '%.40s' %s", cmd, tok[3 + a], bad);
                return fail(err, errlen, lineno, what);
            }
        }
        if (commands[i].check) {
            if (const char* bad = commands[i].check(ev[0].args, nargs)) {
                std::snprintf(what, sizeof what, "'%s': %s", cmd, bad);
                return fail(err, errlen, lineno, what);
            }
        }
        return queue_events(ev, 1, err, errlen, lineno);
    }
    std::snprintf(what, sizeof what, "unknown command '%.40s'", cmd);
    return fail(err, errlen, lineno, what);
}

int script_load(const char* path, char* err, int errlen)
{
    std::FILE* f = std::fopen(path, "r");
    if (!f) {
        std::snprintf(err, errlen, "cannot open the script file %s", path);
        return 0;
    }
    plat_script_clear();
    char line[4096];
    int  lineno = 0, ok = 1;
    while (ok && std::fgets(line, sizeof line, f)) {
        lineno++;
        ok = script_parse_line(line, lineno, err, errlen);
    }
    std::fclose(f);
    if (!ok) plat_script_clear();
    return ok;
}

}  // namespace orv
