#include "platform/win32/win32_api.h"

#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <cstring>
#include <utility>

namespace qo::win32 {
namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t),
              "UTF-16 text is passed to the W functions as is");

HMODULE AsModule(void* module) { return static_cast<HMODULE>(module); }
HWND AsWindow(void* window) { return static_cast<HWND>(window); }
const wchar_t* Wide(const std::u16string& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}

// A path in the ANSI code page (as the A functions read it) in UTF-16, with backslashes, and
// with a trailing dot when the file name has no extension, so that LoadLibraryExW does not
// append ".dll" and loads exactly the file named. Empty when it cannot be converted.
std::wstring ModulePath(const char* path) {
  const int length = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, path, -1, nullptr, 0);
  if (length <= 1) return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, path, -1, wide.data(), length);
  wide.pop_back();  // the terminator
  for (wchar_t& unit : wide) {
    if (unit == L'/') unit = L'\\';
  }
  const std::size_t nameStart = wide.find_last_of(L'\\') + 1;  // 0 when there is no folder
  if (wide.find(L'.', nameStart) == std::wstring::npos) wide.push_back(L'.');
  return wide;
}

// A data-file module handle is the mapping's address with one of its two low bits set.
constexpr std::uintptr_t kDataFileTags = 3;

const std::uint8_t* ImageBase(void* module) {
  return reinterpret_cast<const std::uint8_t*>(reinterpret_cast<std::uintptr_t>(module) &
                                               ~kDataFileTags);
}

// SizeOfImage from the PE headers of a mapped module; 0 when they do not look like a PE image.
std::size_t ImageSize(void* module) {
  const std::uint8_t* base = ImageBase(module);
  IMAGE_DOS_HEADER dos;
  std::memcpy(&dos, base, sizeof dos);
  if (dos.e_magic != IMAGE_DOS_SIGNATURE || dos.e_lfanew <= 0) return 0;
  IMAGE_NT_HEADERS nt;
  std::memcpy(&nt, base + dos.e_lfanew, sizeof nt);
  if (nt.Signature != IMAGE_NT_SIGNATURE) return 0;
  return nt.OptionalHeader.SizeOfImage;
}

// The module this code is linked into (qodata.dll, or the program for the static library):
// the window class is registered for it.
HINSTANCE ThisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCWSTR>(&ThisModule), &module);
  return module;
}

constexpr wchar_t kWindowClass[] = L"qodata.PlatformWindow";

bool RegisterWindowClass() {
  static const bool registered = [] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = ThisModule();
    windowClass.lpszClassName = kWindowClass;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  return registered;
}

}  // namespace

void* LoadResourceOnlyModule(const char* path) {
  if (path == nullptr) return nullptr;
  const std::wstring wide = ModulePath(path);
  if (wide.empty()) return nullptr;
  // No "cannot find the file" dialog boxes for a missing or broken module.
  const UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  HMODULE module = LoadLibraryExW(wide.c_str(), nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  SetErrorMode(previousMode);
  return module;
}

void ReleaseModule(void* module) {
  if (module != nullptr) FreeLibrary(AsModule(module));
}

bool IsLoadedImage(void* module) {
  if (module == nullptr || (reinterpret_cast<std::uintptr_t>(module) & kDataFileTags) != 0) {
    return false;
  }
  HMODULE found = nullptr;
  return GetModuleHandleExW(
             GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
             static_cast<LPCWSTR>(module), &found) &&
         found == AsModule(module);
}

bool ImageContains(void* module, const void* address) {
  if (module == nullptr || address == nullptr) return false;
  const std::uint8_t* base = ImageBase(module);
  const auto* at = static_cast<const std::uint8_t*>(address);
  return at >= base && static_cast<std::size_t>(at - base) < ImageSize(module);
}

void* FindNumberedResource(void* module, std::uint16_t name, std::uint16_t type) {
  return FindResourceW(AsModule(module), MAKEINTRESOURCEW(name), MAKEINTRESOURCEW(type));
}

void* FindNumberedResourceEx(void* module, std::uint16_t name, std::uint16_t type,
                             std::uint16_t language) {
  return FindResourceExW(AsModule(module), MAKEINTRESOURCEW(type), MAKEINTRESOURCEW(name),
                         language);
}

namespace {

struct LanguagePick {
  LanguagePreference prefer;
  std::uint16_t user;
  bool found = false;
  std::uint16_t chosen = 0;
};

BOOL CALLBACK PickLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR param) {
  auto& pick = *reinterpret_cast<LanguagePick*>(param);
  if (!pick.found || pick.prefer(language, pick.chosen, pick.user)) pick.chosen = language;
  pick.found = true;
  return TRUE;
}

}  // namespace

bool PickResourceLanguage(void* module, std::uint16_t name, std::uint16_t type,
                          LanguagePreference prefer, std::uint16_t user, std::uint16_t& chosen) {
  LanguagePick pick{prefer, user};
  EnumResourceLanguagesW(AsModule(module), MAKEINTRESOURCEW(type), MAKEINTRESOURCEW(name),
                         PickLanguage, reinterpret_cast<LONG_PTR>(&pick));
  if (pick.found) chosen = pick.chosen;
  return pick.found;
}

void* LoadResource(void* module, void* resource) {
  return ::LoadResource(AsModule(module), static_cast<HRSRC>(resource));
}

void* LockResource(void* loaded) { return ::LockResource(static_cast<HGLOBAL>(loaded)); }

std::int32_t FreeResource(void* loaded) {
  return ::FreeResource(static_cast<HGLOBAL>(loaded)) ? 1 : 0;
}

std::uint32_t SizeofResource(void* module, void* resource) {
  return ::SizeofResource(AsModule(module), static_cast<HRSRC>(resource));
}

void* LoadNumberedBitmap(void* module, std::uint16_t name) {
  return LoadBitmapW(static_cast<HINSTANCE>(module), MAKEINTRESOURCEW(name));
}

bool DeleteObject(void* bitmap) { return ::DeleteObject(static_cast<HGDIOBJ>(bitmap)) != 0; }

std::vector<std::uint8_t> BitmapBits(void* bitmap, std::uint16_t bitCount) {
  BITMAP description{};
  if (bitmap == nullptr || GetObjectW(static_cast<HGDIOBJ>(bitmap), sizeof description,
                                      &description) != sizeof description) {
    return {};
  }
  const std::size_t colours = bitCount <= 8 ? std::size_t{1} << bitCount : 0;
  const std::size_t headerSize = sizeof(BITMAPINFOHEADER) + colours * sizeof(RGBQUAD);
  const std::size_t stride =
      (static_cast<std::size_t>(description.bmWidth) * bitCount + 31) / 32 * 4;
  const auto height = static_cast<std::size_t>(description.bmHeight);
  // BITMAPINFO is built in its own buffer (for its alignment), then copied out.
  std::vector<std::uint32_t> info((headerSize + 3) / 4);
  auto* header = reinterpret_cast<BITMAPINFOHEADER*>(info.data());
  header->biSize = sizeof(BITMAPINFOHEADER);
  header->biWidth = description.bmWidth;
  header->biHeight = description.bmHeight;  // positive: rows bottom-up, as in a .bmp
  header->biPlanes = 1;
  header->biBitCount = bitCount;
  header->biCompression = BI_RGB;
  std::vector<std::uint8_t> bits(headerSize + stride * height);
  HDC context = CreateCompatibleDC(nullptr);
  const int rows = GetDIBits(context, static_cast<HBITMAP>(bitmap), 0,
                             static_cast<UINT>(description.bmHeight), bits.data() + headerSize,
                             reinterpret_cast<BITMAPINFO*>(info.data()), DIB_RGB_COLORS);
  DeleteDC(context);
  if (rows != description.bmHeight) return {};
  std::memcpy(bits.data(), info.data(), headerSize);
  return bits;
}

void* CreateHiddenWindow() {
  if (!RegisterWindowClass()) return nullptr;
  return CreateWindowExW(0, kWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, ThisModule(),
                         nullptr);
}

void DestroyWindow(void* window) { ::DestroyWindow(AsWindow(window)); }

bool IsWindow(void* window) { return window != nullptr && ::IsWindow(AsWindow(window)); }

std::int32_t ShowWindow(void* window, std::int32_t showCommand) {
  return ::ShowWindow(AsWindow(window), showCommand);
}

bool SetWindowTextUtf16(void* window, const std::u16string& text) {
  return SetWindowTextW(AsWindow(window), Wide(text)) != 0;
}

bool MoveWindow(void* window, std::int32_t x, std::int32_t y, std::int32_t width,
                std::int32_t height, bool repaint) {
  return ::MoveWindow(AsWindow(window), x, y, width, height, repaint ? TRUE : FALSE) != 0;
}

bool ReadWindow(void* window, WindowReading& out) {
  if (!IsWindow(window)) return false;
  WindowReading reading;
  const int length = GetWindowTextLengthW(AsWindow(window));
  if (length > 0) {
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(AsWindow(window), text.data(), length + 1);
    reading.text.assign(reinterpret_cast<const char16_t*>(text.data()),
                        static_cast<std::size_t>(copied));
  }
  RECT rect{};
  if (!GetWindowRect(AsWindow(window), &rect)) return false;
  reading.left = rect.left;
  reading.top = rect.top;
  reading.right = rect.right;
  reading.bottom = rect.bottom;
  reading.visible = IsWindowVisible(AsWindow(window)) != 0;
  out = std::move(reading);
  return true;
}

}  // namespace qo::win32
