// qz_funct.h -- small numeric helpers, table trigonometry, rotations, string and digit
// conversions, scenery file names, weather-report decoding and airport lighting codes.
// Free functions on plain values; none allocates, none keeps state except the sine tables
// and the random generator.
#pragma once

namespace orv {

struct VVECT { float x, y, z; };

extern float lookup_sin[361], lookup_cos[361];
void init_trig_tables();                      // fills lookup_sin / lookup_cos (start-up)

// The flight model and the scenery call these millions of times a second: defined here so
// every caller inlines them.
inline float interp(float x1, float y1, float x2, float y2, float x)
{
    return (float)(y1 + ((double)y2 - y1) / ((double)x2 - x1) * ((double)x - x1));
}
inline int intlim(int in, int min, int max) { return in < min ? min : in > max ? max : in; }
inline float fltlim(float in, float min, float max) { return in < min ? min : in > max ? max : in; }
// A float made a whole number within min..max; not-a-number gives min. Casting first would be
// undefined for a value out of int's range.
inline int intlim_of(float in, int min, int max)
{
    return in >= (float)max ? max : in > (float)min ? (int)in : min;
}
int   intwrap(int in, int min, int max);
float fltwrap(float in, float min, float max);
int   intrange(int in, int min, int max);
int   fltrange(float in, float min, float max);
int   intbox(int x, int y, int x1, int y1, int x2, int y2);
int   fltbox(float x, float y, float x1, float y1, float x2, float y2);
int   round(float in);                        // halves away from zero
float fltnear(float in, float nearest);
int   intnear(float in, float nearest);
int   intmax2(int a, int b);
inline float fltmax2(float a, float b) { return (a > b) ? a : b; }
inline float fltmin2(float a, float b) { return (a < b) ? a : b; }
inline float fltmax4(float a, float b, float c, float d) { return fltmax2(fltmax2(a, b), fltmax2(c, d)); }
inline float fltmin4(float a, float b, float c, float d) { return fltmin2(fltmin2(a, b), fltmin2(c, d)); }
void  int_switch(int* a, int* b);
float fltsgn(float in);
float sqr(float in);
float signsqr(float in);
float pythag(float a, float b);
float pythag3(float a, float b, float c);
float closer_assymp(float nowval, float termval, float speedrat);
float fallout(float in, float lo, float hi);
void  seed_rand(unsigned seed);               // our generator, draws 0..32767; same seed, same run
int   intrand(int min, int max);
float fltrand(float min, float max);
void  delay(float deltime);
float isin(int index);                        // whole degrees 0..360 (others are wrapped)
float icos(int index);

float rx2d(float x, float y, int hdng);
float ry2d(float x, float y, int hdng);
float rx3d(float x, float z, int hdng);
float rz3d(float x, float z, int hdng);
void  xfrm_VVECT(float xi, float yi, float zi, VVECT* xyzout);
void  find_normal_vects(const VVECT* a, const VVECT* b, VVECT* n);

int   char_to_int(char c);
char  int_to_char(int n);
int   str_is_int(const char* str);
int   str_is_frac(const char* str);
int   str_to_int(const char* str);
float str_to_frac(const char* str);
void  int_to_str(int input, char* C_string);
void  sec_to_hrs_min(float sec, int* hrs, int* min);
void  C_to_C(const char* src, char* dst);
void  C_plus_C(const char* a, const char* b, char* dst);
void  app_C(char* dst, const char* src);
constexpr int CHAR_CODE_MAX = 36;   // codes 0..36: blank, digits, letters
char  code_to_char(int icode);
int   char_to_code(char ccode);
void  int_to_bol(int* b1, int* b2, int* b3, int* b4, int* b5, int code);

// Scenery tile name: two-digit latitude, three-digit longitude ("+30-120\+33-118.env").
void  return_latlon_str_ENV(int lat_file, int lon_file, char* lookup_name, int new_format);

void  decode_wxr(const char* wxr_str, float z_report, float* z_time, int* cld_type,
                 float* cld_base, float* cld_tops, float* vis, int* obs_vis, int* obs_den,
                 float* temp, float* dewp, float* wnd_dir, float* wnd_spd, float* wnd_gus,
                 float* baro);

void  code_to_lgts(int* typ, int gls[2], int rwy[2], int app[2], int code);

}  // namespace orv
