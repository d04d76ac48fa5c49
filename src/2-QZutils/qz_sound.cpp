// The sound engine: slots, the RIFF/WAVE reader and the laws that tie pitch and loudness to
// the flight. The device is the installed back end (platform/plat_sound.h).
#include "2-QZutils/qz_sound.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_funct.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "platform/plat_fs.h"

namespace orv {

soundstruct snd;

const char* const sound_file_name[SOUND_SLOTS] = {
    "engn.WAV", "wind.WAV", "rain.WAV", "stal.WAV", "flap.WAV", "thun.WAV", "gear.WAV",
    "lrun.WAV", "loff.WAV", "lwat.WAV", "boom.WAV", "sink.WAV", "pull.WAV", "gwrn.WAV",
    "glid.WAV", "mini.WAV", "wshr.WAV", "caut.WAV", "50ft.WAV", "25ft.WAV", "10ft.WAV",
    "mdot.WAV", "mdas.WAV"};

namespace {

constexpr float BASE_RATE_HZ      = 22050.0f;   // a frequency ratio of 1 plays at this rate
constexpr int   MIN_RATE_HZ       = 100;
constexpr int   MAX_RATE_HZ       = 100000;
constexpr float FULL_VOLUME_SHARE = 0.67f;      // the loudest sound leaves this much headroom
constexpr int   SILENT_CENTIBELS  = -5000;
constexpr int   PCM_FORMAT_TAG    = 1;
constexpr long  PCM_FORMAT_BYTES  = 16;         // tag, channels, rate, byte rate, align, bits
// A sound file larger than this is refused as memory we will not give it: the longest
// sound here is a few seconds.
constexpr long  MAX_SOUND_FILE_BYTES = 64L * 1024 * 1024;

// Reference speeds of the engine law (rpm, or percent N1 for jets).
constexpr float HELI_TURBINE_RPM = 400.0f, HELI_PISTON_RPM = 500.0f;
constexpr float JET_FULL_N1 = 100.0f;
constexpr float VECTORED_TURBOPROP_RPM = 500.0f, TURBOPROP_RPM = 1900.0f;
constexpr float SMALL_PISTON_RPM = 7000.0f, PISTON_RPM = 2500.0f;
constexpr float SMALL_PISTON_HP = 10.0f;
constexpr float FREEZING_F = 32.0f;
constexpr float STORM_RAIN_LEVEL = 1.0f;
constexpr float DOWNPOUR_LEVEL = 4.0f;           // storm level of the heaviest rain the weather makes

std::uint8_t* file_data;      // the last sound file read; kept and grown between loads
long          file_cap;

bool jet_type(int t) { return t == 4 || t == 5; }

bool ready(int slot)
{
    return msc.sound_avail && snd.buffers_filled && slot >= 0 && slot < SOUND_SLOTS && snd.has_buffer[slot];
}

// Position just after the next occurrence of `tag` at or after `from`, or -1.
long find4(const std::uint8_t* d, std::size_t size, std::size_t from, const char* tag)
{
    for (std::size_t i = from; i + 4 <= size; i++)
        if (std::memcmp(d + i, tag, 4) == 0) return (long)(i + 4);
    return -1;
}

unsigned get_u32(const std::uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | ((unsigned)p[3] << 24); }
unsigned get_u16(const std::uint8_t* p) { return p[0] | (p[1] << 8); }

bool playable(const plat_sound_format& f)
{
    return (f.channels == 1 || f.channels == 2) && (f.bits == 8 || f.bits == 16) && f.rate > 0;
}

void sound_alert(const char* msg, const char* path) { MACIBM_alert(msg, native_path(path), "", "", ALERT_NOTE); }

// The whole file into file_data; 1 read, 0 cannot open, -1 too large or no memory.
int read_whole(const char* path, long* len)
{
    std::FILE* f = std::fopen(native_path(path), "rb");
    if (!f) return 0;
    long n = -1;
    if (std::fseek(f, 0, SEEK_END) == 0) n = std::ftell(f);
    std::rewind(f);
    if (n < 0 || n > MAX_SOUND_FILE_BYTES) {
        std::fclose(f);
        return -1;
    }
    if (n > file_cap) {
        void* grown = std::realloc(file_data, (std::size_t)n);
        if (!grown) {
            std::fclose(f);
            return -1;
        }
        file_data = static_cast<std::uint8_t*>(grown);
        file_cap = n;
    }
    *len = n ? (long)std::fread(file_data, 1, (std::size_t)n, f) : 0;
    std::fclose(f);
    return 1;
}

// The mean throttle and speed ratio over the engines (a helicopter counts one).
void engine_means(float omega_max, float* throt, float* omega)
{
    const int n = pln.is_heli ? 1 : intlim(pln.numen, 1, 4);
    const bool jet = jet_type(pln.entype);
    float t = 0, w = 0;
    for (int i = 0; i < n; i++) {
        t += flt.thro[i] * flt.mixt_powr_rat[i];
        w += jet ? flt.n1_[i] : flt.tac[i] * pln.gearrat;
    }
    *throt = t / n;
    *omega = omega_max > 0 ? w / (n * omega_max) : 0;
}

float reference_speed()
{
    const int t = pln.entype;
    if (jet_type(t)) return JET_FULL_N1;
    float rpm;
    if (pln.is_heli) rpm = t == 3 ? HELI_TURBINE_RPM : HELI_PISTON_RPM;
    else if (t == 3) rpm = pln.vectEQ ? VECTORED_TURBOPROP_RPM : TURBOPROP_RPM;
    else rpm = pln.pmax < SMALL_PISTON_HP * con.hptowat ? SMALL_PISTON_RPM : PISTON_RPM;
    return rpm * con.rpmtorsc;
}

}  // namespace

const char* wav_parse(const std::uint8_t* d, std::size_t size, wav_sound* out)
{
    long p = find4(d, size, 0, "RIFF");
    if (p < 0) return "This is not a RIFF file.";
    p = find4(d, size, (std::size_t)p, "WAVE");
    if (p < 0) return "This is not a WAVE file.";
    p = find4(d, size, (std::size_t)p, "fmt ");
    if (p < 0) return "WAVE file has no fmt chunk.";
    if ((std::size_t)p + 4 > size) return "Failed to read format size.";
    const unsigned fmt_bytes = get_u32(d + p);
    p += 4;
    if (fmt_bytes < PCM_FORMAT_BYTES || fmt_bytes > size - (std::size_t)p)
        return "Failed to read format chunk opening sound.";
    const std::uint8_t* f = d + p;
    out->format_tag = (int)get_u16(f);
    out->fmt.channels = (int)get_u16(f + 2);
    const unsigned rate = get_u32(f + 4);
    out->fmt.rate = rate > (unsigned)INT_MAX ? 0 : (int)rate;
    out->fmt.bits = (int)get_u16(f + 14);
    if (out->format_tag != PCM_FORMAT_TAG) return "The sound file is not a PCM file.";
    p = find4(d, size, (std::size_t)p + fmt_bytes, "data");
    if (p < 0) return "WAVE file has no data chunk.";
    if ((std::size_t)p + 4 > size) return "Failed to read data size.";
    const unsigned data_bytes = get_u32(d + p);
    p += 4;
    if (data_bytes == 0) return "The sound-file data chunk has no data.";
    if (data_bytes > size - (std::size_t)p) return "Failed to read data chunk opening sound.";
    out->samples = d + p;
    out->bytes = (long)data_bytes;
    return nullptr;
}

int load_sound_file(int slot, const char* path)
{
    long len = 0;
    const int got = read_whole(path, &len);
    if (got == 0) {
        sound_alert("Cannot open sound file!", path);
        return 0;
    }
    if (got < 0) {
        sound_alert("Out of memory opening sound.", path);
        return 0;
    }
    wav_sound w{};
    if (const char* why = wav_parse(file_data, (std::size_t)len, &w)) {
        sound_alert(why, path);
        return 0;
    }
    const plat_sound_backend* b = plat_sound_get();
    const int made = playable(w.fmt) ? b->create(slot, w.fmt, w.samples, w.bytes) : PLAT_SOUND_NO_BUFFER;
    if (made == PLAT_SOUND_NO_UPLOAD) sound_alert("Lock Failed", path);
    else if (made != PLAT_SOUND_OK) sound_alert("Sound Buffer Creation Failed", path);
    return made == PLAT_SOUND_OK;
}

const char* generic_engine_sound()
{
    const int t = pln.entype;
    if (pln.is_heli) return t == 1 || t == 2 ? "eng4.WAV" : "eng5.WAV";
    if (t == 3) return "eng2.WAV";
    return jet_type(t) ? "eng3.WAV" : "eng1.WAV";
}

int init_sound()
{
    msc.sound_avail = plat_sound_get()->open() ? 1 : 0;
    snd.sounds_folder_missing = 0;
    if (msc.sound_avail) return 1;
    // Nobody hears a run without a picture: no alert to answer there, one line in the log.
    if (mnw_is_interactive())
        MACIBM_alert("Sound init failure!", "Sound will not be available, but you can still fly.",
                     "Pretend you are wearing ANR headsets!", "", ALERT_NOTE);
    else
        mnw_log("Sound init failure! No sound device: the flight runs silent.");
    return 0;
}

// The program's own sounds: a missing folder is said once, not once for every slot.
static bool sounds_folder_present()
{
    if (snd.sounds_folder_missing) return false;
    char dir[PATH_LEN] = "";
    ap_dir("sounds", dir);
    if (plat_is_folder(native_path(dir))) return true;
    snd.sounds_folder_missing = 1;
    MACIBM_alert("I could not find the folder 'sounds' beside the program.", native_path(dir),
                 "The flight goes on without its sounds.", "", ALERT_NOTE);
    return false;
}

void fill_buffer(int sound_en)
{
    if (sound_en < 0 || sound_en >= SOUND_SLOTS) {
        MACIBM_alert("Requested sound out of range!", "", "", "", ALERT_NOTE);
        return;
    }
    if (!msc.sound_avail) return;
    snd.buffers_filled = 1;
    const plat_sound_backend* b = plat_sound_get();
    if (snd.has_buffer[sound_en]) b->release(sound_en);
    snd.has_buffer[sound_en] = 0;

    // The aircraft's own sound: its file's path without the extension, a blank, the name.
    char path[PATH_LEN];
    const int stem = (int)std::strlen(pln.C_path) - 4;
    if (stem > 0) {
        char own[PATH_LEN];
        copy_str(own, stem + 1 < PATH_LEN ? stem + 1 : PATH_LEN, pln.C_path);
        if (join_path(path, PATH_LEN, own, " ", sound_file_name[sound_en])) {
            if (std::FILE* f = std::fopen(native_path(path), "rb")) {
                std::fclose(f);
                snd.has_buffer[sound_en] = load_sound_file(sound_en, path);
                return;
            }
        }
    }
    if (!sounds_folder_present()) return;
    char name[PATH_LEN];
    copy_str(name, PATH_LEN, sound_en == SND_ENGINE ? generic_engine_sound() : sound_file_name[sound_en]);
    ap_dir("sounds", name);
    snd.has_buffer[sound_en] = load_sound_file(sound_en, name);
}

void fill_buffers()
{
    stop_engine_and_windrain();
    // The continuous sounds first; a damaged set of files gives its alerts in this order.
    fill_buffer(SND_ENGINE);
    fill_buffer(SND_WIND);
    fill_buffer(SND_RAIN);
    fill_buffer(SND_THUNDER);
    fill_buffer(SND_FLAP);
    for (int s = SND_GEAR; s <= SND_CAUTION; s++) fill_buffer(s);
    fill_buffer(SND_STALL);
    for (int s = SND_50FT; s < SOUND_SLOTS; s++) fill_buffer(s);
}

int sound_frequency(float frq_rat)
{
    const float hz = frq_rat * BASE_RATE_HZ;
    if (!(hz >= (float)MIN_RATE_HZ)) return MIN_RATE_HZ;   // also a ratio that is not a number
    if (hz > (float)MAX_RATE_HZ) return MAX_RATE_HZ;
    return round(hz);
}

int sound_volume(float vol_rat, float lovol, float hivol)
{
    float v = interp(0, lovol, 1, hivol, vol_rat) * FULL_VOLUME_SHARE;
    if (!(v > 0)) v = 0;
    const float level = fltlim(std::sqrt(v), 0, 1);
    return intlim((int)interp(0, (float)SILENT_CENTIBELS, 1, 0, level), SILENT_CENTIBELS, 0);
}

void set_frq_vol(float frq_rat, float vol_rat, float lovol, float hivol, int index)
{
    if (!ready(index) || !msc.sound_on) return;
    const plat_sound_backend* b = plat_sound_get();
    b->set_volume(index, sound_volume(vol_rat, lovol, hivol));
    b->set_frequency(index, sound_frequency(frq_rat));
}

void play_buffer(int sound_en, int loop)
{
    if (!ready(sound_en) || !msc.sound_on) return;
    plat_sound_get()->play(sound_en, loop);
    if (sound_en == SND_STALL || sound_en == SND_FLAP) set_frq_vol(1, 1, 0, 1, sound_en);
}

void stop_buffer(int index)
{
    if (ready(index)) plat_sound_get()->stop(index);
}

void play_engine_and_windrain()
{
    if (pln.entype) play_buffer(SND_ENGINE, 1);
    play_buffer(SND_WIND, 1);
    if (!scn.abovetops && atm.temp_SL > FREEZING_F && atm.rain_tstm > STORM_RAIN_LEVEL) play_buffer(SND_RAIN, 1);
}

void stop_engine_and_windrain()
{
    stop_buffer(SND_ENGINE);
    stop_buffer(SND_WIND);
    stop_buffer(SND_RAIN);
}

void maintain_engine_sound()
{
    if (!ready(SND_ENGINE) || !msc.sound_on) return;
    float throt, omega;
    engine_means(reference_speed(), &throt, &omega);
    const int t = pln.entype;
    if (jet_type(t)) set_frq_vol(std::sqrt(fltmax2(omega, 0)), 0.5f * throt + 0.5f * omega, 0.9f, 1, SND_ENGINE);
    else if (pln.is_heli) set_frq_vol(omega, 0.1f * throt + 0.9f * omega, 0.5f, 1, SND_ENGINE);
    else set_frq_vol(omega, 0.5f * throt + 0.5f * omega, t == 3 ? 0.8f : 0.5f, 1, SND_ENGINE);
}

float rain_at_aircraft()
{
    if (scn.abovetops || !(atm.temp_SL > FREEZING_F)) return 0;
    return fltlim(atm.level / DOWNPOUR_LEVEL, 0, 1);
}

void maintain_windrain_sound()
{
    snd.prec_rat = rain_at_aircraft();
    if (!msc.sound_avail || !msc.sound_on) return;
    const float r = pln.Vne > 0 ? flt.vind / pln.Vne : 0;
    set_frq_vol(r, r * r, 0, 1, SND_WIND);
    const float k = (pln.Vne > 0 ? interp(0, 0.5f, pln.Vne, 2, flt.vind) : 0.5f) * snd.prec_rat;
    set_frq_vol(k, k, 0, 1, SND_RAIN);
}

void stop_all_sounds()
{
    for (int s = 0; s < SOUND_SLOTS; s++) stop_buffer(s);
}

int play_speech_samples(const std::int16_t* samples, long count, int rate)
{
    if (!msc.sound_avail || !samples || count <= 0 || rate <= 0) return 0;
    const plat_sound_backend* b = plat_sound_get();
    const plat_sound_format mono16 = {1, 16, rate};
    if (b->create(SND_SPEECH, mono16, samples, count * (long)sizeof(std::int16_t)) != PLAT_SOUND_OK) return 0;
    b->set_volume(SND_SPEECH, 0);
    b->set_frequency(SND_SPEECH, rate);
    b->play(SND_SPEECH, 0);
    return 1;
}

void dispose_sound()
{
    if (!msc.sound_avail) return;
    plat_sound_get()->close();
    for (int& h : snd.has_buffer) h = 0;
    snd.buffers_filled = 0;
    msc.sound_avail = 0;
}

}  // namespace orv
