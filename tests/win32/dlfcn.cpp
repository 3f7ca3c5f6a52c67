#include "dlfcn.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <string>

namespace {

std::string& LastError() {
  static std::string error;
  return error;
}

void Fail(const char* what) {
  LastError() = std::string(what) + " failed with Windows error " + std::to_string(GetLastError());
}

}  // namespace

void* dlopen(const char* path, int /*mode*/) {
  if (path == nullptr) return GetModuleHandleW(nullptr);
  std::string windowsPath(path);
  for (char& unit : windowsPath) {
    if (unit == '/') unit = '\\';
  }
  HMODULE module = LoadLibraryA(windowsPath.c_str());
  if (module == nullptr) Fail("LoadLibrary");
  return module;
}

void* dlsym(void* handle, const char* name) {
  FARPROC address = GetProcAddress(static_cast<HMODULE>(handle), name);
  if (address == nullptr) Fail("GetProcAddress");
  return reinterpret_cast<void*>(address);
}

int dlclose(void* handle) {
  if (FreeLibrary(static_cast<HMODULE>(handle))) return 0;
  Fail("FreeLibrary");
  return -1;
}

const char* dlerror() {
  static std::string reported;
  if (LastError().empty()) return nullptr;
  reported.swap(LastError());
  LastError().clear();
  return reported.c_str();
}
