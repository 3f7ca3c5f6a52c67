// Resource modules of the Linux platform layer: compiled Windows resource files (.res) read
// into memory, and the resource and bitmap calls that the window containers make on them.
// Every handle is checked against a registry of live objects before it is used, so a stale
// or foreign handle gives a null or 0 result instead of a wild read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "qodata/platform.h"

namespace qo::platform {

// Resource types the library looks up (the numeric types of the Windows resource compiler).
inline constexpr std::uint16_t kResourceTypeBitmap = 2;
inline constexpr std::uint16_t kResourceTypeDialog = 5;
inline constexpr std::uint16_t kResourceTypeDialogInit = 240;

// One resource found in a module. Valid while the module stays loaded.
struct ResourceEntry;
using ResourceHandle = const ResourceEntry*;

// Parses the bytes of a .res file into a module (null when they are malformed). The module
// keeps the vector, so lookups point into it. LoadResourceModule reads a file and calls this.
HINSTANCE LoadResourceModuleFromBytes(std::vector<std::uint8_t> bytes);

// The resource of the module with this numeric name and numeric type, or null. When several
// languages carry it, the first in the file wins.
ResourceHandle FindResource(HINSTANCE module, std::uint16_t name, std::uint16_t type);

// The first live module, in load order, that holds the resource; null if none does.
HINSTANCE FindResourceModule(std::uint16_t name, std::uint16_t type);

// The loaded form of a found resource: a pointer to its bytes inside the module, or null
// for a null resource or a module that is not live.
void* LoadResource(HINSTANCE module, ResourceHandle resource);

// The bytes of a loaded resource (the same pointer: the module keeps them in memory).
void* LockResource(void* loaded);

// Resources live as long as their module, so there is nothing to free; returns 0 as the
// Windows call does for resources of a loaded module.
std::int32_t FreeResource(void* loaded);

// The size in bytes of a found resource, 0 for null or a module that is not live.
std::uint32_t SizeofResource(HINSTANCE module, ResourceHandle resource);

// A bitmap made from the module's bitmap resource (type 2) with this numeric name. The
// handle owns a copy of the resource's bytes until DeleteObject. Null when the resource is
// missing or too short to hold the size field of its bitmap header.
HBITMAP LoadBitmap(HINSTANCE module, std::uint16_t name);

// Frees a bitmap: 1 when it was live, 0 for null or a handle already deleted.
std::int32_t DeleteObject(HBITMAP bitmap);

// The bytes a live bitmap owns (its header and pixels, without the file header); empty for a
// handle that is not live.
std::vector<std::uint8_t> BitmapBytes(HBITMAP bitmap);

// How many bitmaps are live: lets callers and tests see leaks and early deletions.
std::size_t LiveBitmapCount();

}  // namespace qo::platform
