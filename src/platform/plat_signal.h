// plat_signal.h -- Ctrl-C (SIGINT) and SIGTERM as a request to stop. The programs' loops ask
// plat_stop_signal() and end as they end by themselves, closing what they opened; the exit
// status then tells the shell which signal it was.
#pragma once

namespace orv {

// Installs the handlers. Called before SDL starts, which then leaves both signals to us.
void plat_catch_stop_signals();
// The signal that asked to stop (SIGINT or SIGTERM), 0 while none has come.
int  plat_stop_signal();
// 128 plus that signal, as a shell reports a program its signal ended; 0 while none has come.
int  plat_stop_exit_status();

}  // namespace orv
