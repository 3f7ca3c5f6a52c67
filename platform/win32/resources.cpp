// Resource modules of the Windows platform layer: resource-only DLLs loaded as data files, and
// the real resource and bitmap functions. As on Linux, handles are checked before they are
// used: a module must be one this layer loaded or a module of the process, a resource must lie
// in the module it is loaded through, and only bitmaps loaded here are deleted here.
#include <algorithm>
#include <unordered_map>
#include <vector>

#include "platform/contract.h"
#include "platform/win32/win32_api.h"

namespace qo::platform {
namespace {

void* Raw(HINSTANCE module) { return static_cast<void*>(module); }

// Modules loaded by LoadResourceModule, in load order.
std::vector<HINSTANCE>& Modules() {
  static std::vector<HINSTANCE> modules;
  return modules;
}

// Bitmaps loaded by LoadBitmap, with the bit depth of their resource (to read them back).
std::unordered_map<HBITMAP, std::uint16_t>& Bitmaps() {
  static std::unordered_map<HBITMAP, std::uint16_t> bitmaps;
  return bitmaps;
}

bool IsLoadedHere(HINSTANCE module) {
  const auto& modules = Modules();
  return module != nullptr && std::find(modules.begin(), modules.end(), module) != modules.end();
}

// A freed data-file module is unknown to the loader and no longer ours, so it is refused; a
// plug-in's own module (loaded as a DLL) is accepted while it stays loaded.
bool IsLive(HINSTANCE module) { return IsLoadedHere(module) || win32::IsLoadedImage(Raw(module)); }

bool Belongs(HINSTANCE module, ResourceHandle resource) {
  return IsLive(module) && win32::ImageContains(Raw(module), resource);
}

void* RawResource(ResourceHandle resource) {
  return const_cast<void*>(static_cast<const void*>(resource));
}

std::uint32_t LittleEndian32(const std::uint8_t* bytes) {
  return static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
         (static_cast<std::uint32_t>(bytes[2]) << 16) |
         (static_cast<std::uint32_t>(bytes[3]) << 24);
}

// The bit depth of a bitmap resource: biBitCount of a BITMAPINFOHEADER (header size >= 16) or
// bcBitCount of a BITMAPCOREHEADER (size 12); 0 when the header is cut short.
std::uint16_t BitCountOf(const std::uint8_t* bytes, std::uint32_t size) {
  if (size < 4) return 0;
  const std::uint32_t headerSize = LittleEndian32(bytes);
  const std::size_t at = headerSize == 12 ? 10 : 14;
  if (headerSize < 12 || headerSize > size || at + 2 > headerSize) return 0;
  return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

}  // namespace

HINSTANCE LoadResourceModule(const char* path) {
  auto* module = static_cast<HINSTANCE>(win32::LoadResourceOnlyModule(path));
  if (module != nullptr) Modules().push_back(module);
  return module;
}

void FreeResourceModule(HINSTANCE module) {
  auto& modules = Modules();
  const auto found = std::find(modules.begin(), modules.end(), module);
  if (module == nullptr || found == modules.end()) return;  // not ours, or freed already
  modules.erase(found);
  win32::ReleaseModule(Raw(module));
}

ResourceHandle FindResource(HINSTANCE module, std::uint16_t name, std::uint16_t type) {
  if (!IsLive(module)) return nullptr;
  const std::uint16_t set = ResourceLanguage();
  if (set == 0)
    return static_cast<ResourceHandle>(win32::FindNumberedResource(Raw(module), name, type));
  std::uint16_t language = 0;
  if (!win32::PickResourceLanguage(Raw(module), name, type, &PreferResourceLanguage, set,
                                   language)) {
    return nullptr;
  }
  return static_cast<ResourceHandle>(
      win32::FindNumberedResourceEx(Raw(module), name, type, language));
}

HINSTANCE FindResourceModule(std::uint16_t name, std::uint16_t type) {
  for (HINSTANCE module : Modules()) {
    if (FindResource(module, name, type) != nullptr) return module;
  }
  return nullptr;
}

void* LoadResource(HINSTANCE module, ResourceHandle resource) {
  // A resource without bytes gives no pointer, as on Linux.
  if (!Belongs(module, resource) ||
      win32::SizeofResource(Raw(module), RawResource(resource)) == 0) {
    return nullptr;
  }
  return win32::LoadResource(Raw(module), RawResource(resource));
}

void* LockResource(void* loaded) {
  return loaded == nullptr ? nullptr : win32::LockResource(loaded);
}

std::int32_t FreeResource(void* loaded) { return win32::FreeResource(loaded); }

std::uint32_t SizeofResource(HINSTANCE module, ResourceHandle resource) {
  if (!Belongs(module, resource)) return 0;
  return win32::SizeofResource(Raw(module), RawResource(resource));
}

HBITMAP LoadBitmap(HINSTANCE module, std::uint16_t name) {
  ResourceHandle resource = FindResource(module, name, kResourceTypeBitmap);
  const auto* bytes =
      static_cast<const std::uint8_t*>(LockResource(LoadResource(module, resource)));
  if (bytes == nullptr) return nullptr;
  // A resource too short for its header is refused before Windows is asked to read it.
  const std::uint16_t bitCount = BitCountOf(bytes, SizeofResource(module, resource));
  if (bitCount == 0) return nullptr;
  auto* bitmap = static_cast<HBITMAP>(win32::LoadNumberedBitmap(Raw(module), name));
  if (bitmap != nullptr) Bitmaps().emplace(bitmap, bitCount);
  return bitmap;
}

std::int32_t DeleteObject(HBITMAP bitmap) {
  if (Bitmaps().erase(bitmap) == 0) return 0;
  return win32::DeleteObject(bitmap) ? 1 : 0;
}

std::vector<std::uint8_t> BitmapBytes(HBITMAP bitmap) {
  const auto found = Bitmaps().find(bitmap);
  if (found == Bitmaps().end()) return {};
  return win32::BitmapBits(bitmap, found->second);
}

std::size_t LiveBitmapCount() { return Bitmaps().size(); }

}  // namespace qo::platform
