#include "platform/offscreen/driver_pin.h"

#include <dlfcn.h>
#include <link.h>

namespace orv {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kLeakCheckAtExit = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kLeakCheckAtExit = true;
#else
constexpr bool kLeakCheckAtExit = false;
#endif
#else
constexpr bool kLeakCheckAtExit = false;
#endif

static int pin_one(dl_phdr_info* info, size_t, void* count)
{
    if (!info->dlpi_name || !info->dlpi_name[0]) return 0;   // the program itself, the vdso
    // RTLD_NOLOAD finds the object already there; RTLD_NODELETE keeps it past every dlclose.
    if (dlopen(info->dlpi_name, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE)) ++*static_cast<int*>(count);
    return 0;
}

int pin_loaded_libraries()
{
    if (!kLeakCheckAtExit) return 0;
    int count = 0;
    dl_iterate_phdr(pin_one, &count);
    return count;
}

}  // namespace orv
