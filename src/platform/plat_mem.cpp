#include "platform/plat_mem.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

// The linker marks the start and the end of the zero-initialised static storage.
extern "C" char __bss_start[], _end[];

namespace orv {

void plat_mem_prefer_large_pages()
{
#ifdef MADV_HUGEPAGE
    const std::uintptr_t page = (std::uintptr_t)sysconf(_SC_PAGESIZE);
    // Whole pages only: the first one may share the initialised data's page of the file.
    const std::uintptr_t first = ((std::uintptr_t)__bss_start + page - 1) & ~(page - 1);
    const std::uintptr_t last = (std::uintptr_t)_end & ~(page - 1);
    if (last > first) madvise((void*)first, last - first, MADV_HUGEPAGE);   // a refusal changes nothing
#endif
}

}  // namespace orv
