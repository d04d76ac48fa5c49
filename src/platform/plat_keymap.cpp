#include "platform/plat_keymap.h"

#include "platform/plat_backend.h"

namespace orv {

// USB HID keyboard usages.
enum {
    USAGE_A = 4, USAGE_Z = 29, USAGE_1 = 30, USAGE_0 = 39, USAGE_ENTER = 40, USAGE_ESCAPE,
    USAGE_BACKSPACE, USAGE_TAB, USAGE_SPACE, USAGE_MINUS, USAGE_EQUALS, USAGE_LEFT_BRACKET,
    USAGE_RIGHT_BRACKET, USAGE_BACKSLASH, USAGE_NON_US_HASH, USAGE_SEMICOLON, USAGE_APOSTROPHE,
    USAGE_GRAVE, USAGE_COMMA, USAGE_PERIOD, USAGE_SLASH,
    USAGE_F1 = 58, USAGE_F12 = 69,
    USAGE_INSERT = 73, USAGE_HOME, USAGE_PAGE_UP, USAGE_DELETE, USAGE_END, USAGE_PAGE_DOWN,
    USAGE_RIGHT, USAGE_LEFT, USAGE_DOWN, USAGE_UP,
    USAGE_KP_DIVIDE = 84, USAGE_KP_TIMES, USAGE_KP_MINUS, USAGE_KP_PLUS, USAGE_KP_ENTER,
    USAGE_KP_1, USAGE_KP_9 = 97, USAGE_KP_0, USAGE_KP_DOT,
};

int plat_us_key(int usage, int shift)
{
    static const char digits[] = "1234567890", shifted_digits[] = "!@#$%^&*()";
    // The key beside Enter on other keyboards types what the US backslash key does.
    static const char punct[] = "-=[]\\\\;'`,./", shifted_punct[] = "_+{}||:\"~<>?";
    if (usage >= USAGE_A && usage <= USAGE_Z) return (shift ? 'A' : 'a') + (usage - USAGE_A);
    if (usage >= USAGE_1 && usage <= USAGE_0) return (shift ? shifted_digits : digits)[usage - USAGE_1];
    if (usage >= USAGE_MINUS && usage <= USAGE_SLASH) return (shift ? shifted_punct : punct)[usage - USAGE_MINUS];
    if (usage >= USAGE_F1 && usage <= USAGE_F12) return (shift ? PLAT_KEY_SHIFT_F1 : PLAT_KEY_F1) + (usage - USAGE_F1);
    if (usage >= USAGE_KP_1 && usage <= USAGE_KP_9) return PLAT_KEY_KP0 + 1 + (usage - USAGE_KP_1);
    switch (usage) {
    case USAGE_ENTER: return 13;
    case USAGE_ESCAPE: return 27;
    case USAGE_BACKSPACE: return 8;
    case USAGE_TAB: return 9;
    case USAGE_SPACE: return ' ';
    case USAGE_LEFT: return PLAT_KEY_LEFT;
    case USAGE_RIGHT: return PLAT_KEY_RIGHT;
    case USAGE_UP: return PLAT_KEY_UP;
    case USAGE_DOWN: return PLAT_KEY_DOWN;
    case USAGE_INSERT: return PLAT_KEY_INSERT;
    case USAGE_HOME: return PLAT_KEY_HOME;
    case USAGE_PAGE_UP: return PLAT_KEY_PAGE_UP;
    case USAGE_DELETE: return PLAT_KEY_DELETE;
    case USAGE_END: return PLAT_KEY_END;
    case USAGE_PAGE_DOWN: return PLAT_KEY_PAGE_DOWN;
    case USAGE_KP_0: return PLAT_KEY_KP0;
    case USAGE_KP_DOT: return PLAT_KEY_KP_DOT;
    case USAGE_KP_PLUS: return PLAT_KEY_KP_PLUS;
    case USAGE_KP_MINUS: return PLAT_KEY_KP_MINUS;
    case USAGE_KP_TIMES: return PLAT_KEY_KP_TIMES;
    case USAGE_KP_DIVIDE: return PLAT_KEY_KP_DIVIDE;
    case USAGE_KP_ENTER: return PLAT_KEY_KP_ENTER;
    default: return 0;
    }
}

}  // namespace orv
