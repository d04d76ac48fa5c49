// fg_baseplane.h -- the design tool's built-in default aircraft, in the file's stored units.
#pragma once

namespace orv {

// Makes pln the default aircraft: a small high-wing single with tricycle gear, named `name`
// at `path`, unchanged and unnamed (Save asks where). The record is held in stored units
// (feet, pounds, horsepower, degrees, knots), exactly as an aircraft file holds it.
void setup_baseplane(const char* name, const char* path);

// Round cross-sections for body `part` (18..27) of radius `radius` at the record's stations:
// from `z_front` to `z_back`, evenly spaced, the radius tapered towards both ends.
void round_body(int part, float radius, float z_front, float z_back);

}  // namespace orv
