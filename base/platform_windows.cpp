#include "base/platform.h"

#include <windows.h>

const char *programFileSuffix()
{
    return ".exe";
}

void *openSharedLibrary(const std::string &name, int version)
{
    // The program's own folder only: the libraries are shipped beside it,
    // and a library of the same name elsewhere on the PATH may be another
    // build altogether.
    const std::string file = "lib" + name + "-" + std::to_string(version) + ".dll";
    return LoadLibraryExA(file.c_str(), nullptr,
                          LOAD_LIBRARY_SEARCH_APPLICATION_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
}

void *sharedLibraryFunction(void *library, const char *name)
{
    return reinterpret_cast<void *>(GetProcAddress(static_cast<HMODULE>(library), name));
}
