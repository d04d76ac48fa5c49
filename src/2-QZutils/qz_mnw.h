// qz_mnw.h -- the window, menu, alert and event layer. The operations are the same with
// or without a window; the platform back end behind them is chosen at start-up.
#pragma once

namespace orv {

enum { ALERT_ABOUT = 81, ALERT_NOTE = 82, ALERT_FATAL_NUM = 83, ALERT_FATAL = 84 };

void MACIBM_init();
void MACIBM_event_proc();
void MACIBM_alert(const char* l1, const char* l2, const char* l3, const char* l4, int code);
void MACIBM_alert(const char* l1, const char* l2, const char* l3, int number, int code);
void MACIBM_startwind(int w);
void MACIBM_showinit(int step);
void MACIBM_finishup();
int  mnw_is_headless();          // 1 when no window back end is installed

// Alerts raised so far in this process (tests read them; the log "Error.out" has them too).
int         mnw_alert_count();
const char* mnw_last_alert_line(int line);   // line 0..3 of the newest alert

}  // namespace orv
