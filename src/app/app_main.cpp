#include "app/app_main.h"

#include "2-QZutils/records.h"

namespace orv {

int app_main(int, char**)
{
    set_constants();
    return 0;
}

}  // namespace orv
