#include "view_cpp/start_up.h"

// The platform's entry; the whole program lives in qMain so that tests can drive its parts.
int main(int argc, char **argv)
{
    return qMain(argc, argv);
}
