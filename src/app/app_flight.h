// app_flight.h -- the flight model inside the program: its frame step and hooks, the
// script's control commands (throttle, pitch, roll, yaw, flaps, gear, brake, mixture, prop,
// trim, collective, start) and the flight columns of the --log file.
#pragma once

namespace orv {

// Script commands; before any script is read.
void register_flight_commands();
// Flight step and hooks of the frame; at start-up.
void register_flight_step();
// The flight model's crash message (an alert), crash flash and night-light pulse.
void flight_crash_alert(const char* l1, const char* l2, const char* l3, const char* l4);
void flight_crash_flash();
void flight_night_light(float r, float g, float b);
// Log columns for the loaded aircraft (its engines); after the load, before the log opens.
void register_flight_log_columns();

// Calibrated airspeed (knots) of the present flight state.
float calibrated_airspeed_kt();

}  // namespace orv
