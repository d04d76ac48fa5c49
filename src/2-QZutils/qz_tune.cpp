#include "2-QZutils/qz_tune.h"

#include "2-QZutils/qz_funct.h"

namespace orv {

static void vhf_inc(int* frq, int step, int mhz_lo, int mhz_hi)
{
    int mhz = *frq / 100, hundredths = *frq % 100;
    if (step == TUNE_MHZ || step == -TUNE_MHZ) mhz = intwrap(mhz + (step > 0 ? 1 : -1), mhz_lo, mhz_hi);
    else if (step == TUNE_KHZ50 || step == -TUNE_KHZ50) hundredths = intwrap(hundredths + (step > 0 ? 5 : -5), 0, 99);
    *frq = mhz * 100 + hundredths;
}

void NAVinc(int* frq, int step) { vhf_inc(frq, step, 108, 117); }
void COMinc(int* frq, int step) { vhf_inc(frq, step, 118, 136); }

void ADFinc(int* frq, int step)
{
    const int mag = step < 0 ? -step : step;
    if (mag != 1 && mag != 10 && mag != 100) return;
    const int digit = (*frq / mag) % 10;
    const int moved = intwrap(digit + (step > 0 ? 1 : -1), 0, 9);
    *frq += (moved - digit) * mag;
}

void XPNinc(int* digit, int step)
{
    int d = *digit + step;
    if (d > 7) d = 0;
    if (d < 0) d = 7;
    *digit = d;
}

}  // namespace orv
