#include "base/platform.h"

#include <dlfcn.h>

const char *programFileSuffix()
{
    return "";
}

void *openSharedLibrary(const std::string &name, int version)
{
    const std::string file = "lib" + name + ".so." + std::to_string(version);
    return dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void *sharedLibraryFunction(void *library, const char *name)
{
    return dlsym(library, name);
}
