#include "dlfcn.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <algorithm>
#include <string>

namespace {

std::string lastError;

void* Checked(void* result, const char* what) {
  if (result == nullptr)
    lastError = what + (" failed with Windows error " + std::to_string(GetLastError()));
  return result;
}

}  // namespace

void* dlopen(const char* path, int /*mode*/) {
  std::string windowsPath(path);
  std::replace(windowsPath.begin(), windowsPath.end(), '/', '\\');
  return Checked(LoadLibraryA(windowsPath.c_str()), "LoadLibrary");
}

void* dlsym(void* handle, const char* name) {
  return Checked(reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle), name)),
                 "GetProcAddress");
}

int dlclose(void* handle) { return FreeLibrary(static_cast<HMODULE>(handle)) ? 0 : -1; }

const char* dlerror() { return lastError.c_str(); }
