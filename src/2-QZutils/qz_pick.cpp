// qz_pick.cpp -- the file picker: the folder listing it shows, its open and save loops,
// the scripted answers used without a window, and its click and key logic.
#include "2-QZutils/qz_pick.h"

#include <cstring>

#include "2-QZutils/qz_file.h"
#include "2-QZutils/qz_font.h"
#include "2-QZutils/qz_graph.h"
#include "2-QZutils/qz_mnw.h"
#include "2-QZutils/records.h"
#include "platform/plat_fs.h"

namespace orv {

int  number_items;
char g_name[PICK_MAX][NAME_LEN];
char g_path[PICK_MAX][PATH_LEN];
int  g_folder[PICK_MAX];
int  g_file_type;
char g_cs1[NAME_LEN];
int  return_hit;

// ---------------------------------------------------------------------------------------
// Directory listing

int takeit(const char* name, int type, int is_folder)
{
    if (!name || !name[0]) return 0;
    if (!std::strcmp(name, ".") || !std::strcmp(name, "..")) return 0;
    if (is_folder) return 1;
    if (type == FILE_ANY) return 1;
    const char* ext = nullptr;
    switch (type) {
    case FILE_AIRFOIL:   ext = "afl"; break;
    case FILE_FLAP:      ext = "flp"; break;
    case FILE_SITUATION: ext = "sit"; break;
    case FILE_AIRCRAFT:  ext = "acf"; break;
    default:             return 0;
    }
    size_t n = std::strlen(name);
    if (n < 4 || name[n - 4] != '.') return 0;
    const char* e = name + n - 3;
    int lower = 1, upper = 1;
    for (int i = 0; i < 3; i++) {
        if (e[i] != ext[i]) lower = 0;
        if (e[i] != ext[i] - 'a' + 'A') upper = 0;
    }
    return lower || upper;
}

struct dir_ctx {
    int    type;
    size_t base_len;
};

static int dir_accept(const char* name, int is_folder, void* c)
{
    const dir_ctx* ctx = (const dir_ctx*)c;
    // The entry's full path (and "\" for a folder one may enter) must fit whole.
    if (ctx->base_len + std::strlen(name) + 1 >= (size_t)PATH_LEN) return 0;
    return takeit(name, ctx->type, is_folder);
}

int GetDirItems(int type)
{
    static plat_dir_entry found[PICK_MAX];
    number_items = 0;
    dir_ctx ctx = {type, std::strlen(wrk_path)};
    int n = plat_list_dir(native_path(wrk_path), found, PICK_MAX, dir_accept, &ctx);
    for (int i = 0; i < n; i++) {
        copy_str(g_name[number_items], NAME_LEN, found[i].name);
        join_path(g_path[number_items], PATH_LEN, wrk_path, found[i].name);
        g_folder[number_items] = found[i].is_folder;
        number_items++;
    }
    return number_items;
}

// ---------------------------------------------------------------------------------------
// The picker

int picker_row_at(int x, int y)
{
    if (x < 10 || x > 310 || y < 34 || y > 534) return -1;
    int row = (532 - y) / 10;
    return (row >= 0 && row < number_items) ? row : -1;
}

int picker_up_folder()
{
    int n = (int)std::strlen(wrk_path);
    for (int i = n - 2; i >= 2; i--)
        if (wrk_path[i] == '\\') {
            wrk_path[i + 1] = 0;
            return 1;
        }
    return 0;
}

int picker_enter_folder(int row)
{
    if (row < 0 || row >= number_items || !g_folder[row]) return 0;
    size_t n = std::strlen(g_path[row]);
    if (n + 1 >= (size_t)PATH_LEN) return 0;
    std::memcpy(wrk_path, g_path[row], n);
    wrk_path[n] = '\\';
    wrk_path[n + 1] = 0;
    return 1;
}

int picker_click(int x, int y, int* row)
{
    if (x >= 10 && x <= 310 && y >= 544 && y <= 558) return picker_up_folder() ? PICK_FOLDER : PICK_NONE;
    int r = picker_row_at(x, y);
    if (r < 0) return PICK_NONE;
    if (g_folder[r]) return picker_enter_folder(r) ? PICK_FOLDER : PICK_NONE;
    if (row) *row = r;
    return PICK_FILE;
}

void picker_key(int c)
{
    int n = (int)std::strlen(g_cs1);
    if (c == 8 || c == 127) {
        if (n > 0) g_cs1[n - 1] = 0;
    } else if (c == '\r' || c == '\n') {
        return_hit = 1;
    } else if (c >= 32 && c < 127 && c != '\\' && c != '/') {
        // A separator would make the name a path into another folder.
        if (n < NAME_LEN - 1) {
            g_cs1[n] = (char)c;
            g_cs1[n + 1] = 0;
        } else {
            g_cs1[NAME_LEN - 2] = (char)c;
        }
    }
}

// Answers for the picker when there is no window to pick in.
constexpr int ANSWER_MAX = 8;
static char answers[ANSWER_MAX][PATH_LEN];
static int  answer_head, answer_count;

void picker_queue_answer(const char* path)
{
    if (answer_count >= ANSWER_MAX) return;
    copy_str(answers[(answer_head + answer_count) % ANSWER_MAX], PATH_LEN, path);
    answer_count++;
}

void picker_clear_answers() { answer_head = answer_count = 0; }

static int take_answer(char* out)
{
    if (answer_count <= 0) return 0;
    copy_str(out, PATH_LEN, answers[answer_head]);
    answer_head = (answer_head + 1) % ANSWER_MAX;
    answer_count--;
    return 1;
}

// Splits an answer into its name and its path and folder in system form.
static int answer_parts(const char* answer, char* name, char* path)
{
    char sys[PATH_LEN];
    copy_str(sys, PATH_LEN, answer);
    to_system_form(sys);
    const char* slash = std::strrchr(sys, '\\');
    const char* base = slash ? slash + 1 : sys;
    if (!base[0]) return 0;
    copy_str(name, NAME_LEN, base);
    copy_str(path, PATH_LEN, sys);
    if (slash) {
        size_t folder_len = (size_t)(slash - sys) + 1;
        std::memcpy(wrk_path, sys, folder_len);
        wrk_path[folder_len] = 0;
    }
    return 1;
}

int MACIBM_open(int type, char* name, char* path)
{
    g_file_type = type;
    // A queued answer (the command line's, or a run nobody watches) is taken before asking.
    if (!mnw_is_interactive() || answer_count > 0) {
        char answer[PATH_LEN];
        if (!take_answer(answer)) return 0;
        const char* native = native_path(answer);
        const char* slash = std::strrchr(native, '/');
        if (!plat_is_readable_file(native) || !takeit(slash ? slash + 1 : native, type, 0)) return 0;
        return answer_parts(answer, name, path);
    }

    int prev = mnw.topwin;
    mnw_set_file_window_update(OPENSAVE_update);
    MACIBM_startwind(WIN_OPEN);
    while (mnw.topwin == WIN_OPEN && !gdone) {
        GetDirItems(type);
        MACIBM_event_proc();
        if (!mnw.mouse_clicked) continue;
        int row = -1;
        if (picker_click(mnw.mx, mnw.my, &row) == PICK_FILE) {
            copy_str(name, NAME_LEN, g_name[row]);
            copy_str(path, PATH_LEN, g_path[row]);
            MACIBM_startwind(prev);
            return 1;
        }
    }
    return 0;
}

int MACIBM_save(int type, char* name, char* path)
{
    g_file_type = type;
    // A queued answer (the command line's, or a run nobody watches) is taken before asking.
    if (!mnw_is_interactive() || answer_count > 0) {
        char answer[PATH_LEN];
        if (!take_answer(answer)) return 0;
        if (plat_is_folder(native_path(answer))) return 0;
        if (!answer_parts(answer, name, path)) return 0;
        copy_str(g_cs1, NAME_LEN, name);
        return 1;
    }

    int prev = mnw.topwin;
    copy_str(g_cs1, NAME_LEN, name);
    return_hit = 0;
    mnw_set_file_window_update(OPENSAVE_update);
    MACIBM_startwind(WIN_SAVE);
    while (mnw.topwin == WIN_SAVE && !gdone) {
        GetDirItems(type);
        MACIBM_event_proc();
        if (mnw.mouse_clicked) picker_click(mnw.mx, mnw.my, nullptr);
        if (return_hit) {
            return_hit = 0;
            if (!g_cs1[0]) continue;   // no name typed yet
            if (std::strlen(wrk_path) + std::strlen(g_cs1) >= (size_t)PATH_LEN) continue;
            copy_str(name, NAME_LEN, g_cs1);
            join_path(path, PATH_LEN, wrk_path, g_cs1);
            MACIBM_startwind(prev);
            return 1;
        }
    }
    return 0;
}

// Picker colours: folders, files, the list's ground, the cursor's two phases.
enum { PICK_C_FOLDER = 41, PICK_C_FILE = 47, PICK_C_GROUND = 29, PICK_C_TEXT = 22 };
constexpr int PICK_ROW_H = 10, PICK_FIRST_Y = 524, PICK_TEXT_X = 30;
constexpr size_t PICK_PATH_CHARS = 48;   // of the folder line, at 6 pixels a character

static void folder_symbol(float y)
{
    OGL_framerect(PICK_C_FOLDER, 15, y, 10, 6);
    OGL_line(PICK_C_FOLDER, 15, y + 6, 18, y + 8);
    OGL_line(PICK_C_FOLDER, 18, y + 8, 20, y + 6);
}

void OPENSAVE_update()
{
    static int frame;
    frame++;
    OGL_setstate(0, 0, 0, 0);
    OGL_fillrect(PICK_C_GROUND, 10, 34, 300, 500);
    OGL_fillrect(PICK_C_GROUND, 10, 544, 300, 14);
    // Names as the system spells them: their case, and "/" between folders.
    const int kept_case = OGL_keep_case(1);
    // The folder shown, its last characters when it is long; a click here goes up one folder.
    const char* shown = native_path(wrk_path);
    size_t n = std::strlen(shown);
    if (n > PICK_PATH_CHARS) shown += n - PICK_PATH_CHARS;
    OGL_string(PICK_C_FOLDER, 14, 548, shown, WRAP_OFF_WIDTH, 6);
    for (int i = 0; i < number_items; i++) {
        const float y = PICK_FIRST_Y - PICK_ROW_H * i;
        if (g_folder[i]) folder_symbol(y);
        OGL_string(g_folder[i] ? PICK_C_FOLDER : PICK_C_FILE, PICK_TEXT_X, y, g_name[i], WRAP_OFF_WIDTH, 6);
    }
    if (mnw.topwin == 999) {
        const float end = 15 + 6.0f * (float)std::strlen(g_cs1);
        OGL_line(frame % 2 ? PICK_C_GROUND : PICK_C_FILE, end, 12, end, 22);
        OGL_string(PICK_C_TEXT, 15, 14, g_cs1, WRAP_OFF_WIDTH, 6);
    }
    OGL_keep_case(kept_case);
}

}  // namespace orv
