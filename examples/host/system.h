// What the demo host asks of the operating system, in one place: loading a shared library
// and finding its entry points (dlopen/dlsym on Linux, LoadLibraryW/GetProcAddress on
// Windows), a plug-in's dialog resource, and local time in a zone the demo fixes.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

namespace demo {

// A loaded library or plug-in, or null with the reason in LoadError().
void* LoadModule(const char* path);
void* FindEntryPoint(void* module, const char* name);
void UnloadModule(void* module);
std::string LoadError();

// A copy of the bytes of dialog `id` among a loaded plug-in's resources; empty when there is
// none. Linux: the compiled resource file `resourceFile` beside the plug-in's shared object.
// Windows: the plug-in DLL's own resources, found by FindResourceW (the user's language, as
// the library finds them when no language is set); `resourceFile` is not used.
std::vector<std::uint8_t> PluginDialog(void* plugin, const char* resourceFile, std::uint16_t id);

// Makes local time follow `zone` (a TZ value) in the host and in the libraries it loads.
void SetTimeZone(const char* zone);
std::tm LocalParts(std::time_t seconds);

}  // namespace demo
