// app_log.h -- the CSV flight log of --log: a header line, then one row every 0.1 s of
// simulated time. Other modules add columns with flight_log_add_column before the file opens.
#pragma once

namespace orv {

int  flight_log_open(const char* path);   // 1 when open; 0 after an alert
void flight_log_frame(double sim_time);   // writes the rows that have come due
void flight_log_close();
int  flight_log_rows();                   // rows written since the log opened

// An extra column: its header name and a function giving its value. At most 32; answers 0
// when the table is full or the log is already open.
int  flight_log_add_column(const char* name, double (*value)());

// Data groups whose values follow the other columns, one column a value, named from the
// group's label ("g26_LAT_deg"). Set before the file opens; n 0 for none.
void flight_log_set_groups(const int* groups, int n);

}  // namespace orv
