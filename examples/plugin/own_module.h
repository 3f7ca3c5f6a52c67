// Where the plug-in was loaded from, asked of the operating system in a file of its own (the
// Windows headers and qodata's stand-in declarations cannot meet in one file).
#pragma once

#include <string>

namespace demo_plugin {

#ifdef _WIN32
// The plug-in DLL's module handle: its resources are compiled into it.
void* OwnModule();
#else
// The file the plug-in's shared object was loaded from, or "" when unknown.
std::string OwnPath();
#endif

}  // namespace demo_plugin
