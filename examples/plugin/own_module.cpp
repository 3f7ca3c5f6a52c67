#include "own_module.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace demo_plugin {
namespace {
void Anchor() {}  // any address inside the plug-in identifies its module
}  // namespace

#ifdef _WIN32
void* OwnModule() {
  HMODULE self = nullptr;
  GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCWSTR>(&Anchor), &self);
  return self;
}
#else
std::string OwnPath() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&Anchor), &info) == 0 || info.dli_fname == nullptr) return "";
  return info.dli_fname;
}
#endif

}  // namespace demo_plugin
