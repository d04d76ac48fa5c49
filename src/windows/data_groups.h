// data_groups.h -- the values of the 50 data groups, each in the units its label names
// (feet, pounds, knots, horsepower and so on, while the flight model keeps SI).
#pragma once

#include "2-QZutils/records.h"

namespace orv {

// How many values group g has (the label's fields, 1..4; 0 for no such group).
int data_group_count(int g);

// The values of group g into v[0..GROUP_VALUES-1] (unused places 0); answers the count.
int data_group_values(int g, float v[GROUP_VALUES]);

// Digits and decimals a value of group g, place k is written with (a field of ten places).
void set_dig_dec(int g, int k, int* dig, int* dec);

}  // namespace orv
