// Resource modules on Linux: compiled Windows resource files (.res) read into memory, and the
// resource and bitmap calls that the window containers make on them. Modules and bitmaps are
// kept in registries of live objects, so every handle is checked before it is followed.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <system_error>
#include <unordered_map>
#include <utility>

#include "platform/contract.h"

namespace qo::platform {

// A resource type or name: a 16-bit number, or a text.
struct ResourceId {
  bool numeric = true;
  std::uint16_t number = 0;
  std::u16string text;

  bool Is(std::uint16_t value) const { return numeric && number == value; }
};

struct ResourceEntry {
  ResourceId type;
  ResourceId name;
  std::uint16_t language = 0;
  std::size_t offset = 0;  // of the data, in the module's bytes
  std::uint32_t size = 0;
};

namespace {

struct ResourceModule {
  HINSTANCE handle = nullptr;
  std::vector<std::uint8_t> bytes;
  std::vector<ResourceEntry> entries;
};

struct BitmapObject {
  std::vector<std::uint8_t> bytes;
};

// The fixed part of a resource header after TYPE and NAME: DataVersion, MemoryFlags,
// LanguageId, Version, Characteristics.
constexpr std::size_t kHeaderTailSize = 16;
// DataSize, HeaderSize, then TYPE and NAME as numbers, then the tail.
constexpr std::size_t kSmallestHeaderSize = 8 + 4 + 4 + kHeaderTailSize;
constexpr std::uint16_t kNumberMarker = 0xFFFF;
// The smallest bitmap header (BITMAPCOREHEADER) starts with its own size, at least 12.
constexpr std::uint32_t kSmallestBitmapHeader = 12;

// Live modules in load order, and live bitmaps. A handle is a serial number, never reused in
// the process, so a freed module's or deleted bitmap's handle cannot come to name a newer one
// (deleting a bitmap twice cannot hit another's).
template <class Handle>
Handle NextHandle() {
  static std::uintptr_t lastSerial = 0;
  return reinterpret_cast<Handle>(++lastSerial);
}

std::vector<std::unique_ptr<ResourceModule>>& Modules() {
  static std::vector<std::unique_ptr<ResourceModule>> modules;
  return modules;
}

std::unordered_map<HBITMAP, std::unique_ptr<BitmapObject>>& Bitmaps() {
  static std::unordered_map<HBITMAP, std::unique_ptr<BitmapObject>> bitmaps;
  return bitmaps;
}

ResourceModule* LiveModule(HINSTANCE handle) {
  if (handle == nullptr) return nullptr;
  for (const auto& module : Modules()) {
    if (module->handle == handle) return module.get();
  }
  return nullptr;
}

// Whether the resource handle names an entry of the module (and not of a freed one).
bool Owns(const ResourceModule& module, ResourceHandle resource) {
  return std::any_of(module.entries.begin(), module.entries.end(),
                     [resource](const ResourceEntry& entry) { return &entry == resource; });
}

// Little-endian reads that check the bounds first: `at` and `end` satisfy at <= end <= size.
class ByteReader {
 public:
  ByteReader(const std::vector<std::uint8_t>& bytes, std::size_t at, std::size_t end)
      : bytes_(bytes), at_(at), end_(end) {}

  std::size_t position() const { return at_; }
  std::size_t left() const { return end_ - at_; }

  bool Read16(std::uint16_t& out) {
    if (left() < 2) return false;
    out = static_cast<std::uint16_t>(bytes_[at_] | (bytes_[at_ + 1] << 8));
    at_ += 2;
    return true;
  }
  bool Read32(std::uint32_t& out) {
    std::uint16_t low = 0;
    std::uint16_t high = 0;
    if (left() < 4 || !Read16(low) || !Read16(high)) return false;
    out = static_cast<std::uint32_t>(low) | (static_cast<std::uint32_t>(high) << 16);
    return true;
  }
  // A TYPE or NAME field: 0xFFFF and a number, or a NUL-terminated UTF-16 text.
  bool ReadId(ResourceId& out) {
    std::uint16_t unit = 0;
    if (!Read16(unit)) return false;
    if (unit == kNumberMarker) {
      out.numeric = true;
      return Read16(out.number);
    }
    out.numeric = false;
    while (unit != 0) {
      out.text.push_back(static_cast<char16_t>(unit));
      if (!Read16(unit)) return false;  // no terminator inside the header
    }
    return true;
  }
  // Moves to the next DWORD boundary of the file, if it lies within the bounds.
  bool AlignToDword() {
    const std::size_t padding = (4 - at_ % 4) % 4;
    if (left() < padding) return false;
    at_ += padding;
    return true;
  }

 private:
  const std::vector<std::uint8_t>& bytes_;
  std::size_t at_;
  std::size_t end_;
};

// Reads the header at `at` and the position of its data; false when it is malformed.
bool ReadEntry(const std::vector<std::uint8_t>& bytes, std::size_t at, ResourceEntry& entry) {
  const std::size_t remaining = bytes.size() - at;
  ByteReader sizes(bytes, at, bytes.size());
  std::uint32_t dataSize = 0;
  std::uint32_t headerSize = 0;
  if (!sizes.Read32(dataSize) || !sizes.Read32(headerSize)) return false;
  if (headerSize < kSmallestHeaderSize || headerSize % 4 != 0 || headerSize > remaining) {
    return false;
  }
  const std::size_t headerEnd = at + headerSize;
  ByteReader header(bytes, sizes.position(), headerEnd);
  std::uint32_t dataVersion = 0;
  std::uint16_t memoryFlags = 0;
  std::uint32_t version = 0;
  std::uint32_t characteristics = 0;
  if (!header.ReadId(entry.type) || !header.ReadId(entry.name) || !header.AlignToDword() ||
      header.left() != kHeaderTailSize || !header.Read32(dataVersion) ||
      !header.Read16(memoryFlags) || !header.Read16(entry.language) || !header.Read32(version) ||
      !header.Read32(characteristics)) {
    return false;
  }
  if (dataSize > bytes.size() - headerEnd) return false;
  entry.offset = headerEnd;
  entry.size = dataSize;
  return true;
}

bool IsEmptyEntry(const ResourceEntry& entry) {
  return entry.size == 0 && entry.type.Is(0) && entry.name.Is(0);
}

// The entries of a .res file: an empty entry first, then headers each followed by their data
// padded to a DWORD (the padding after the last one may be missing).
bool ParseEntries(const std::vector<std::uint8_t>& bytes, std::vector<ResourceEntry>& entries) {
  std::size_t at = 0;
  bool first = true;
  while (at < bytes.size()) {
    ResourceEntry entry;
    if (!ReadEntry(bytes, at, entry)) return false;
    const std::size_t dataEnd = entry.offset + entry.size;
    if (first) {
      if (!IsEmptyEntry(entry)) return false;  // not a .res file
      first = false;
    } else {
      entries.push_back(std::move(entry));
    }
    const std::size_t padding = (4 - dataEnd % 4) % 4;
    at = dataEnd + std::min(padding, bytes.size() - dataEnd);
  }
  return !first;
}

}  // namespace

HINSTANCE LoadResourceModuleFromBytes(std::vector<std::uint8_t> bytes) {
  auto module = std::make_unique<ResourceModule>();
  if (!ParseEntries(bytes, module->entries)) return nullptr;
  module->bytes = std::move(bytes);
  module->handle = NextHandle<HINSTANCE>();
  Modules().push_back(std::move(module));
  return Modules().back()->handle;
}

HINSTANCE LoadResourceModule(const char* path) {
  if (path == nullptr) return nullptr;
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return nullptr;
  std::ifstream file(path, std::ios::binary | std::ios::ate);
  if (!file) return nullptr;
  const std::streamoff size = file.tellg();
  if (size < 0) return nullptr;
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  file.seekg(0);
  file.read(reinterpret_cast<char*>(bytes.data()), size);
  if (file.gcount() != size) return nullptr;
  return LoadResourceModuleFromBytes(std::move(bytes));
}

void FreeResourceModule(HINSTANCE module) {
  auto& modules = Modules();
  std::erase_if(modules, [module](const auto& live) { return live->handle == module; });
}

ResourceHandle FindResource(HINSTANCE module, std::uint16_t name, std::uint16_t type) {
  const ResourceModule* live = LiveModule(module);
  if (live == nullptr) return nullptr;
  const std::uint16_t chosen = ResourceLanguage();
  const std::uint16_t user = chosen != 0 ? chosen : UserLanguageFromEnvironment();
  ResourceHandle best = nullptr;
  for (const ResourceEntry& entry : live->entries) {
    if (entry.type.Is(type) && entry.name.Is(name) &&
        (best == nullptr || PreferResourceLanguage(entry.language, best->language, user))) {
      best = &entry;
    }
  }
  return best;
}

HINSTANCE FindResourceModule(std::uint16_t name, std::uint16_t type) {
  for (const auto& module : Modules()) {
    if (FindResource(module->handle, name, type) != nullptr) return module->handle;
  }
  return nullptr;
}

void* LoadResource(HINSTANCE module, ResourceHandle resource) {
  ResourceModule* live = LiveModule(module);
  if (live == nullptr || resource == nullptr || !Owns(*live, resource)) return nullptr;
  // A resource without bytes may start at the very end of the module: no pointer to it.
  if (resource->size == 0) return nullptr;
  return live->bytes.data() + resource->offset;
}

void* LockResource(void* loaded) { return loaded; }

std::int32_t FreeResource(void* /*loaded*/) { return 0; }

std::uint32_t SizeofResource(HINSTANCE module, ResourceHandle resource) {
  const ResourceModule* live = LiveModule(module);
  if (live == nullptr || resource == nullptr || !Owns(*live, resource)) return 0;
  return resource->size;
}

HBITMAP LoadBitmap(HINSTANCE module, std::uint16_t name) {
  ResourceHandle resource = FindResource(module, name, kResourceTypeBitmap);
  const auto* data = static_cast<const std::uint8_t*>(LoadResource(module, resource));
  if (data == nullptr || resource->size < 4) return nullptr;
  const std::uint32_t headerSize =
      static_cast<std::uint32_t>(data[0]) | (static_cast<std::uint32_t>(data[1]) << 8) |
      (static_cast<std::uint32_t>(data[2]) << 16) | (static_cast<std::uint32_t>(data[3]) << 24);
  if (headerSize < kSmallestBitmapHeader || headerSize > resource->size) return nullptr;
  auto bitmap = std::make_unique<BitmapObject>();
  bitmap->bytes.assign(data, data + resource->size);
  HBITMAP handle = NextHandle<HBITMAP>();
  Bitmaps().emplace(handle, std::move(bitmap));
  return handle;
}

std::int32_t DeleteObject(HBITMAP bitmap) { return Bitmaps().erase(bitmap) == 1 ? 1 : 0; }

std::vector<std::uint8_t> BitmapBytes(HBITMAP bitmap) {
  auto found = Bitmaps().find(bitmap);
  if (found == Bitmaps().end()) return {};
  return found->second->bytes;
}

std::size_t LiveBitmapCount() { return Bitmaps().size(); }

}  // namespace qo::platform
