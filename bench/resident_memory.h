#pragma once

#include <malloc.h>

#include <fstream>

// The process's resident memory in megabytes, after handing freed heap back
// to the system so that it counts what is held, not what was once used.
inline double residentMegabytes()
{
    malloc_trim(0);
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * 4096.0 / 1e6;
}
