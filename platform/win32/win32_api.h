// The Win32 calls of the Windows platform layer, behind plain C++ types. <windows.h> cannot
// share a translation unit with qodata/platform.h (both define HRESULT, GUID, IUnknown and the
// handle types), so only win32_api.cpp includes it and the rest of the layer calls these.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qo::win32 {

// LoadLibraryExW as a data file and image-resource module: its resources can be read, none of
// its code runs. Null when the file is missing or no PE image. ReleaseModule gives it back.
void* LoadResourceOnlyModule(const char* path);
void ReleaseModule(void* module);

// Whether the handle is a program or DLL that the loader holds in this process. A data-file
// module (its handle tagged in the low bits by LoadLibraryExW) is unknown to the loader: false.
bool IsLoadedImage(void* module);
// Whether the address lies in the mapped image of a module (a data-file module included).
bool ImageContains(void* module, const void* address);

// FindResourceW with a numeric name and type (Windows chooses the language); LoadResource,
// LockResource, FreeResource and SizeofResource as Windows has them.
void* FindNumberedResource(void* module, std::uint16_t name, std::uint16_t type);
// FindResourceExW with a numeric name and type, for this language.
void* FindNumberedResourceEx(void* module, std::uint16_t name, std::uint16_t type,
                             std::uint16_t language);
// Walks the resource's languages in the module's order (EnumResourceLanguagesW), keeping in
// `chosen` each that `prefer(language, chosen, user)` takes over the one kept before; false
// when the resource has no language entry.
using LanguagePreference = bool (*)(std::uint16_t candidate, std::uint16_t chosen,
                                    std::uint16_t user);
bool PickResourceLanguage(void* module, std::uint16_t name, std::uint16_t type,
                          LanguagePreference prefer, std::uint16_t user, std::uint16_t& chosen);
void* LoadResource(void* module, void* resource);
void* LockResource(void* loaded);
std::int32_t FreeResource(void* loaded);
std::uint32_t SizeofResource(void* module, void* resource);

// LoadBitmapW with a numeric name, DeleteObject, and a bitmap's pixels read back with
// GetDIBits: a BITMAPINFOHEADER (and colour table below 16 bits) followed by the pixel rows,
// bottom-up, in the given bit depth. Empty when the bitmap cannot be read.
void* LoadNumberedBitmap(void* module, std::uint16_t name);
bool DeleteObject(void* bitmap);
std::vector<std::uint8_t> BitmapBits(void* bitmap, std::uint16_t bitCount);

// Windows: a hidden top-level popup window at 0,0 of size 0x0 with no text, and the calls
// that act on any window of the process.
void* CreateHiddenWindow();
void DestroyWindow(void* window);
bool IsWindow(void* window);
std::int32_t ShowWindow(void* window, std::int32_t showCommand);
bool SetWindowTextUtf16(void* window, const std::u16string& text);
bool MoveWindow(void* window, std::int32_t x, std::int32_t y, std::int32_t width,
                std::int32_t height, bool repaint);

// What GetWindowTextW, GetWindowRect and IsWindowVisible report of a window.
struct WindowReading {
  std::u16string text;
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
  bool visible = false;
};
bool ReadWindow(void* window, WindowReading& out);

}  // namespace qo::win32
