#include "platform/plat_signal.h"

#include <csignal>

namespace orv {

namespace {

constexpr int SHELL_SIGNAL_BASE = 128;

volatile std::sig_atomic_t stop_signal;

void on_stop_signal(int sig)
{
    // A second one while the first is still being honoured ends the program at once.
    if (stop_signal) {
        std::signal(sig, SIG_DFL);
        std::raise(sig);
        return;
    }
    stop_signal = sig;
}

}  // namespace

void plat_catch_stop_signals()
{
    struct sigaction sa = {};
    sa.sa_handler = on_stop_signal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = 0;   // no SA_RESTART: a sleep or a read waiting for input returns at once
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
}

int plat_stop_signal() { return stop_signal; }

int plat_stop_exit_status() { return stop_signal ? SHELL_SIGNAL_BASE + stop_signal : 0; }

}  // namespace orv
