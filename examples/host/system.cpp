#include "system.h"

#include <cstdlib>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace demo {

#ifdef _WIN32

namespace {
std::string g_error;
}

void* LoadModule(const char* path) {
  // The path arrives in UTF-8; Windows takes UTF-16 and backslashes.
  std::wstring wide(MultiByteToWideChar(CP_UTF8, 0, path, -1, nullptr, 0), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, path, -1, wide.data(), static_cast<int>(wide.size()));
  for (wchar_t& unit : wide) {
    if (unit == L'/') unit = L'\\';
  }
  HMODULE module = LoadLibraryW(wide.c_str());
  if (module == nullptr)
    g_error = "LoadLibraryW failed with Windows error " + std::to_string(GetLastError());
  return reinterpret_cast<void*>(module);
}

void* FindEntryPoint(void* module, const char* name) {
  FARPROC entry = GetProcAddress(static_cast<HMODULE>(module), name);
  if (entry == nullptr) g_error = std::string("no entry point ") + name;
  return reinterpret_cast<void*>(entry);
}

void UnloadModule(void* module) { FreeLibrary(static_cast<HMODULE>(module)); }

std::string LoadError() { return g_error; }

void SetTimeZone(const char* zone) {
  _putenv_s("TZ", zone);
  _tzset();
}

std::tm LocalParts(std::time_t seconds) {
  std::tm parts{};
  localtime_s(&parts, &seconds);
  return parts;
}

#else

void* LoadModule(const char* path) { return dlopen(path, RTLD_NOW | RTLD_LOCAL); }

void* FindEntryPoint(void* module, const char* name) { return dlsym(module, name); }

void UnloadModule(void* module) { dlclose(module); }

std::string LoadError() {
  const char* error = dlerror();
  return error != nullptr ? error : "";
}

void SetTimeZone(const char* zone) {
  setenv("TZ", zone, 1);
  tzset();
}

std::tm LocalParts(std::time_t seconds) {
  std::tm parts{};
  localtime_r(&seconds, &parts);
  return parts;
}

#endif

}  // namespace demo
