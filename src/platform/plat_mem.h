// plat_mem.h -- how the process's fixed records are backed by memory.
#pragma once

namespace orv {

// Asks the system to back the program's zero-initialised static storage (the records and
// their large fixed tables) with large pages where it can: the first touch of a table then
// costs one fault for 2 MB instead of one for every 4 KB, which on a virtual machine is most
// of a start-up. Harmless where the system offers none; the contents are not changed.
void plat_mem_prefer_large_pages();

}  // namespace orv
