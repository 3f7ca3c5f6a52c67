/// @file
/// Windows vocabulary that crosses the library boundary (status codes, interface identifiers,
/// IUnknown, handles, rectangles, dialog templates) and the small public face of the platform
/// layer that a host uses to make the handles it passes in and to choose the resource language.
#pragma once

#include <cstdint>
#include <string>

#include "qodata/export.h"

namespace qo {
/// All text of the library is UTF-16, passed and returned by value (see types.h).
using String = std::u16string;
}  // namespace qo

// --- Status codes ------------------------------------------------------------------------
/// A status code: negative values are failures.
using HRESULT = std::int32_t;
inline constexpr HRESULT S_OK = 0;                                    ///< Success.
inline constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);  ///< Unspecified failure.
inline constexpr HRESULT E_NOINTERFACE =
    static_cast<HRESULT>(0x80004002u);  ///< The interface asked for is not offered.
inline constexpr HRESULT E_INVALIDARG =
    static_cast<HRESULT>(0x80070057u);  ///< An argument is invalid.

// --- Interface identifiers ---------------------------------------------------------------
/// A 128-bit interface identifier, laid out as on Windows.
struct GUID {
  std::uint32_t Data1;    ///< The first 32 bits.
  std::uint16_t Data2;    ///< The next 16 bits.
  std::uint16_t Data3;    ///< The next 16 bits.
  std::uint8_t Data4[8];  ///< The last 64 bits, byte by byte.
};
static_assert(sizeof(GUID) == 16, "a GUID is 16 bytes, compared byte for byte");
using IID = GUID;           ///< An interface identifier.
using REFIID = const IID&;  ///< How QueryInterface takes an interface identifier.

/// @name Interface identifiers
///@{

/// The identifiers that the application-communication object answers (see exports.h).
extern "C" QODATA_API const IID IID_IUnknown;
extern "C" QODATA_API const IID IID_IApplicationCom;
extern "C" QODATA_API const IID IID_IDataFactory2;
///@}

/// The COM base interface. Like every interface of the library it has no destructor slot:
/// objects behind it die through Release.
class IUnknown {
 public:
  /// For an identifier the object answers, writes that interface through out and adds one
  /// holder, which the receiver gives back with Release: S_OK. Any other identifier:
  /// E_NOINTERFACE.
  virtual HRESULT QODATA_COMCALL QueryInterface(REFIID iid, void** out) = 0;
  /// Adds one holder; returns the new count.
  virtual std::uint32_t QODATA_COMCALL AddRef() = 0;
  /// Gives back one holder and destroys the object with the last; returns the new count.
  virtual std::uint32_t QODATA_COMCALL Release() = 0;

 protected:
  ~IUnknown() = default;
};

// --- Handles (distinct opaque pointer types, as Windows' DECLARE_HANDLE makes them) -------
struct HWND__;
struct HBITMAP__;
struct HINSTANCE__;
using HWND = HWND__*;            ///< A window.
using HBITMAP = HBITMAP__*;      ///< A bitmap.
using HINSTANCE = HINSTANCE__*;  ///< A module that holds resources.

/// Interfaces that the client defines; containers carry them as pointers without calling them.
class IUiFilter;
class IPluginWindowEventHandler;

// --- Records passed by value -------------------------------------------------------------
/// A rectangle in pixels, laid out as on Windows; right and bottom lie just outside it.
struct CRect {
  std::int32_t left = 0;    ///< The left edge.
  std::int32_t top = 0;     ///< The top edge.
  std::int32_t right = 0;   ///< The right edge.
  std::int32_t bottom = 0;  ///< The bottom edge.

  CRect() = default;
  /// A rectangle from its four edges.
  CRect(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b)
      : left(l), top(t), right(r), bottom(b) {}
  /// right - left.
  std::int32_t Width() const { return right - left; }
  /// bottom - top.
  std::int32_t Height() const { return bottom - top; }
  /// @name Comparison
  ///@{

  /// Equal when all four edges are.
  bool operator==(const CRect& other) const {
    return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
  }
  bool operator!=(const CRect& other) const { return !(*this == other); }
  ///@}
};
static_assert(sizeof(CRect) == 16, "CRect is four 32-bit integers, as on Windows");

#pragma pack(push, 2)
/// The header of a dialog template resource, laid out exactly as on Windows.
struct DLGTEMPLATE {
  std::uint32_t style;            ///< The window style of the dialog.
  std::uint32_t dwExtendedStyle;  ///< The extended window style.
  std::uint16_t cdit;             ///< The number of controls.
  std::int16_t x;                 ///< Left edge, in dialog units.
  std::int16_t y;                 ///< Top edge, in dialog units.
  std::int16_t cx;                ///< Width, in dialog units.
  std::int16_t cy;                ///< Height, in dialog units.
};
#pragma pack(pop)
static_assert(sizeof(DLGTEMPLATE) == 18, "DLGTEMPLATE is packed to 18 bytes, as on Windows");

// --- The platform layer's public face ----------------------------------------------------
namespace qo::platform {

/// A resource module read from a compiled Windows resource file (.res, as llvm-rc or windres
/// produce it from an .rc script; on Windows a resource-only DLL, loaded as a data file). Null
/// when the file cannot be read or is malformed. The module owns the bytes that resource
/// lookups hand out; free it with FreeResourceModule.
QODATA_API HINSTANCE LoadResourceModule(const char* path);
/// Frees a module of LoadResourceModule and the bytes it owns; lookups it handed out end.
QODATA_API void FreeResourceModule(HINSTANCE module);

/// The language in which resources are looked up, as a Windows language id (0x0409 for
/// English (United States)). Among the languages of one resource a lookup takes the neutral
/// one (0x0000), then this language (exactly, then by primary language), then English (United
/// States), then the first. 0, the start, means the user's language: on Linux the one that
/// LC_ALL, LC_MESSAGES or LANG names (the first set and not empty; "C" and "POSIX" name none;
/// the locale need not be installed); on Windows FindResourceW chooses.
/// One process-wide setting, read at each lookup: set it before windows load their resources;
/// a lookup on another thread at the same time sees either the old or the new language.
QODATA_API void SetResourceLanguage(std::uint16_t languageId);

/// Windows of the layer: the window calls of the containers act on them, and a host or a
/// test reads their state back. The caller owns a window until DestroyWindowObject.
struct WindowState {
  qo::String text;  ///< last SetWindowText
  /// @name Placement
  ///@{

  /// last MoveWindow
  std::int32_t x, y, width, height;
  ///@}
  std::int32_t repaint;      ///< repaint flag of the last MoveWindow
  std::int32_t showCommand;  ///< last ShowWindow command (0 = hidden, the start)
};
/// A new hidden window, owned by the caller until DestroyWindowObject.
QODATA_API HWND CreateWindowObject();
/// Ends a window of CreateWindowObject; the handle is not live afterwards.
QODATA_API void DestroyWindowObject(HWND window);
/// Copies the window's state into *out: true. False for a handle that is not live.
QODATA_API bool GetWindowState(HWND window, WindowState* out);

}  // namespace qo::platform
