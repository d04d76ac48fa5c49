// plat_script.h -- timed input for runs without a user: one command a line,
//   at <seconds> <command> <args...>      # comment
// Times are simulated seconds since the start of the run. Built-in commands: `key <char>`
// (a single character, or the words space, enter, backspace, hash, left, right, up,
// down, kp0..kp9, f1..f12, shift-f1..shift-f12), `click <x> <y>` (screen pixels, origin at
// the bottom left, y up), `menu <code>` and `screenshot <file.png>` (the next frame, in a run
// with a picture). Other modules add their own commands.
#pragma once

namespace orv {

using script_fn = void (*)(const float* args, int nargs);

// Room for the commands every module registers (flight controls, autopilot, radios, ...).
constexpr int SCRIPT_COMMANDS_MAX = 48;

// Adds a command taking exactly `nargs` numbers. Answers its code, or -1 when the name is
// taken, too long or the table (SCRIPT_COMMANDS_MAX commands) is full.
int  register_script_command(const char* name, int nargs, script_fn fn);

// Adds a command whose first argument is a word from `words` (kept, not copied), then
// `nargs` numbers; the function receives the word's index as args[0].
int  register_script_word_command(const char* name, const char* const* words, int nwords, int nargs,
                                  script_fn fn);

// A command with minargs..maxargs numbers whose values `check` vets when the line is read:
// it answers nullptr for good values, else the reason (the line is then refused).
using script_check_fn = const char* (*)(const float* args, int nargs);
int  register_script_command_checked(const char* name, int minargs, int maxargs, script_fn fn, script_check_fn check);

// Parses one line and queues its events. Answers 1 (also for blank and comment lines), or 0
// with the reason in `err` (which names the line number).
int  script_parse_line(const char* line, int lineno, char* err, int errlen);

// Reads a whole script; nothing is queued unless every line is good.
int  script_load(const char* path, char* err, int errlen);

// Runs a registered command (the window layer calls this when its time comes).
void script_run_command(int code, const float* args, int nargs);

}  // namespace orv
