// The simulator's entry point: everything else lives in the orv_app library.
#include "app/app_main.h"

int main(int argc, char** argv)
{
    return orv::app_main(argc, argv);
}
