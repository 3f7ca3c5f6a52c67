#include "system.h"

#include <cstdlib>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <dlfcn.h>
#include <link.h>

#include <fstream>
#include <iterator>

#include "res_file.h"
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

std::vector<std::uint8_t> PluginDialog(void* plugin, const char*, std::uint16_t id) {
  auto* module = static_cast<HMODULE>(plugin);
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5));  // RT_DIALOG
  HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
  const auto* bytes = static_cast<const std::uint8_t*>(loaded ? LockResource(loaded) : nullptr);
  if (bytes == nullptr) return {};
  return std::vector<std::uint8_t>(bytes, bytes + SizeofResource(module, found));
}

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

std::vector<std::uint8_t> PluginDialog(void* plugin, const char* resourceFile, std::uint16_t id) {
  // The file the plug-in was loaded from, wherever dlopen found it.
  link_map* map = nullptr;
  if (dlinfo(plugin, RTLD_DI_LINKMAP, &map) != 0 || map == nullptr || map->l_name == nullptr)
    return {};
  std::string path = map->l_name;
  path = path.substr(0, path.find_last_of('/') + 1) + resourceFile;
  std::ifstream in(path, std::ios::binary);
  const std::vector<std::uint8_t> file{std::istreambuf_iterator<char>(in),
                                       std::istreambuf_iterator<char>()};
  constexpr std::uint16_t kDialogType = 5;  // RT_DIALOG
  return qo::dialog::FindResourceData(file, kDialogType, id).value_or(std::vector<std::uint8_t>{});
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
