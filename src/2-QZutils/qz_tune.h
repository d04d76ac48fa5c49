// qz_tune.h -- radio tuning steps shared by the panel knobs and the keyboard. Frequencies
// are whole hundredths of a megahertz (11170 is 111.70 MHz); the ADF is in kilohertz. A
// step's size picks the digit and its sign the direction; every digit wraps, none carries.
#pragma once

namespace orv {

constexpr int TUNE_MHZ = 1000, TUNE_KHZ50 = 50;

void NAVinc(int* frq, int step);   // megahertz 108..117, hundredths in steps of 5
void COMinc(int* frq, int step);   // megahertz 118..136, hundredths in steps of 5
void ADFinc(int* frq, int step);   // step 100, 10 or 1: that decimal digit, 0..9
void XPNinc(int* digit, int step); // one transponder digit, 0..7

}  // namespace orv
