// What the demo host asks of the operating system, in one place: loading a shared library
// and finding its entry points (dlopen/dlsym on Linux, LoadLibraryW/GetProcAddress on
// Windows), and local time in a zone the demo fixes.
#pragma once

#include <ctime>
#include <string>

namespace demo {

// A loaded library or plug-in, or null with the reason in LoadError().
void* LoadModule(const char* path);
void* FindEntryPoint(void* module, const char* name);
void UnloadModule(void* module);
std::string LoadError();

// Makes local time follow `zone` (a TZ value) in the host and in the libraries it loads.
void SetTimeZone(const char* zone);
std::tm LocalParts(std::time_t seconds);

}  // namespace demo
