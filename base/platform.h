#pragma once

#include <string>

// What differs between the systems the program is built for, below the
// windows: the names of program files and the libraries loaded at run time.
// Each system has its own source file of these functions; the build picks it.

// The ending of a program file's name: nothing on Linux, ".exe" on Windows.
const char *programFileSuffix();

// A library loaded at run time by its base name and interface version, as
// the system names it ("curl", 4: libcurl.so.4 on Linux, libcurl-4.dll on
// Windows); nullptr when it is not installed. It stays loaded until the
// process ends.
void *openSharedLibrary(const std::string &name, int version);

// A function of such a library, or nullptr when it has none of that name.
void *sharedLibraryFunction(void *library, const char *name);
