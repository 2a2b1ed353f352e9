#include "app/Startup.h"

int main(int argc, char **argv)
{
    return tzolkara::runTzolkara(argc, argv);
}
