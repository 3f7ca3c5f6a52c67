// Windows vocabulary that crosses the library boundary (status codes, interface identifiers,
// IUnknown, handles, rectangles, dialog templates) and the small public face of the Linux
// platform layer that a host uses to make the handles it passes in.
#pragma once

#include <cstdint>
#include <string>

#include "qodata/export.h"

namespace qo {
// All text of the library is UTF-16, passed and returned by value (see types.h).
using String = std::u16string;
}  // namespace qo

// --- Status codes ------------------------------------------------------------------------
using HRESULT = std::int32_t;
inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
inline constexpr HRESULT E_NOINTERFACE = static_cast<HRESULT>(0x80004002u);
inline constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);

// --- Interface identifiers ---------------------------------------------------------------
struct GUID {
  std::uint32_t Data1;
  std::uint16_t Data2;
  std::uint16_t Data3;
  std::uint8_t Data4[8];
};
static_assert(sizeof(GUID) == 16, "a GUID is 16 bytes, compared byte for byte");
using IID = GUID;
using REFIID = const IID&;

// The identifiers that the application-communication object answers (see exports.h).
extern "C" QODATA_API const IID IID_IUnknown;
extern "C" QODATA_API const IID IID_IApplicationCom;
extern "C" QODATA_API const IID IID_IDataFactory2;

// The COM base interface. Like every interface of the library it has no destructor slot:
// objects behind it die through Release.
class IUnknown {
 public:
  virtual HRESULT QODATA_COMCALL QueryInterface(REFIID iid, void** out) = 0;
  virtual std::uint32_t QODATA_COMCALL AddRef() = 0;
  virtual std::uint32_t QODATA_COMCALL Release() = 0;

 protected:
  ~IUnknown() = default;
};

// --- Handles (distinct opaque pointer types, as Windows' DECLARE_HANDLE makes them) -------
struct HWND__;
struct HBITMAP__;
struct HINSTANCE__;
using HWND = HWND__*;
using HBITMAP = HBITMAP__*;
using HINSTANCE = HINSTANCE__*;

// Interfaces that the client defines; containers carry them as pointers without calling them.
class IUiFilter;
class IPluginWindowEventHandler;

// --- Records passed by value -------------------------------------------------------------
struct CRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;

  CRect() = default;
  CRect(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b)
      : left(l), top(t), right(r), bottom(b) {}
  std::int32_t Width() const { return right - left; }
  std::int32_t Height() const { return bottom - top; }
  bool operator==(const CRect& other) const {
    return left == other.left && top == other.top && right == other.right &&
           bottom == other.bottom;
  }
  bool operator!=(const CRect& other) const { return !(*this == other); }
};
static_assert(sizeof(CRect) == 16, "CRect is four 32-bit integers, as on Windows");

#pragma pack(push, 2)
// The header of a dialog template resource, laid out exactly as on Windows.
struct DLGTEMPLATE {
  std::uint32_t style;
  std::uint32_t dwExtendedStyle;
  std::uint16_t cdit;  // number of controls
  std::int16_t x;
  std::int16_t y;
  std::int16_t cx;
  std::int16_t cy;
};
#pragma pack(pop)
static_assert(sizeof(DLGTEMPLATE) == 18, "DLGTEMPLATE is packed to 18 bytes, as on Windows");

// --- The platform layer's public face ----------------------------------------------------
namespace qo::platform {

// A resource module read from a compiled Windows resource file (.res, as llvm-rc or windres
// produce it from an .rc script). Null when the file cannot be read or is malformed. The
// module owns the bytes that resource lookups hand out; free it with FreeResourceModule.
QODATA_API HINSTANCE LoadResourceModule(const char* path);
QODATA_API void FreeResourceModule(HINSTANCE module);

// Windows of the layer: the window calls of the containers act on them, and a host or a
// test reads their state back. The caller owns a window until DestroyWindowObject.
struct WindowState {
  qo::String text;                   // last SetWindowText
  std::int32_t x, y, width, height;  // last MoveWindow
  std::int32_t repaint;              // repaint flag of the last MoveWindow
  std::int32_t showCommand;          // last ShowWindow command (0 = hidden, the start)
};
QODATA_API HWND CreateWindowObject();
QODATA_API void DestroyWindowObject(HWND window);
QODATA_API bool GetWindowState(HWND window, WindowState* out);  // false for a handle not live

}  // namespace qo::platform
