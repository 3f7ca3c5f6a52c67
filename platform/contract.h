// The platform layer as the library sees it: the few Windows and C-runtime services that the
// containers need, with what each promises on both systems. posix/ implements them for Linux
// (resource files read by the library, window records kept by the library), win32/ forwards
// them to the real Windows functions; text.cpp, debug_trace.cpp and resource_language.cpp
// serve both. The public face (modules and windows a host makes) is in qodata/platform.h.
//
// Shared promises: every handle is checked before it is used, so a null, stale or foreign
// handle gives a null or 0 result instead of a wild read or write; nothing here throws except
// std::bad_alloc.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <vector>

#include "qodata/platform.h"
#include "qodata/types.h"

namespace qo::platform {

// --- Text (both: the C library's towlower) ---------------------------------------------------

// Lower case of a UTF-16 text, code unit by code unit, with the C library's towlower in the
// current locale. Units that towlower maps outside 16 bits are kept as they are.
String ToLower(const String& text);

// Compares two texts ignoring letter case (both lower-cased as ToLower does): <0, 0 or >0.
int CompareNoCase(const String& a, const String& b);
inline bool EqualsNoCase(const String& a, const String& b) { return CompareNoCase(a, b) == 0; }

// --- Local time ------------------------------------------------------------------------------

// Converts a broken-down local date and time to a calendar time, with daylight saving time
// decided by the system's rules for that date (tm_isdst is set to -1) and out-of-range days
// carried into the next month. False when the result cannot be represented; `out` is then
// left alone. Linux: mktime under the TZ rules. Windows: _mktime64, whose 1970-3000 range is
// widened backwards by 400-year cycles, under the runtime's own time-zone rules.
bool LocalTimeToCalendar(std::tm parts, Time& out);

// --- Debug trace (both) ----------------------------------------------------------------------

// The debug-trace hook: takes a format and its arguments and produces no output.
void DebugTrace(const char* format, ...);

// --- Resources -------------------------------------------------------------------------------
// A module is a .res file read into memory on Linux and a PE module (loaded as a data file by
// LoadResourceModule, or a plug-in's own loaded DLL) on Windows.

// Resource types the library looks up (the numeric types of the Windows resource compiler).
inline constexpr std::uint16_t kResourceTypeBitmap = 2;
inline constexpr std::uint16_t kResourceTypeDialog = 5;
inline constexpr std::uint16_t kResourceTypeDialogInit = 240;

// One resource found in a module. Valid while the module stays loaded.
struct ResourceEntry;
using ResourceHandle = const ResourceEntry*;

// Linux only: parses the bytes of a .res file into a module (null when they are malformed).
// The module keeps the vector, so lookups point into it. LoadResourceModule reads a file and
// calls this.
HINSTANCE LoadResourceModuleFromBytes(std::vector<std::uint8_t> bytes);

// The resource of the module with this numeric name and numeric type, or null. Among several
// languages of it, the one that PreferResourceLanguage picks for ResourceLanguage(). When
// none is set: Linux chooses in the same way for UserLanguageFromEnvironment(), Windows leaves
// the choice to FindResourceW.
ResourceHandle FindResource(HINSTANCE module, std::uint16_t name, std::uint16_t type);

// The first module loaded by LoadResourceModule, in load order, that holds the resource; null
// if none does.
HINSTANCE FindResourceModule(std::uint16_t name, std::uint16_t type);

// The loaded form of a found resource: a pointer to its bytes inside the module. Null for a
// null resource, a resource of another module or of a module that is not live, and a resource
// without bytes (so that nobody is handed an address just past a module's bytes).
void* LoadResource(HINSTANCE module, ResourceHandle resource);

// The bytes of a loaded resource (the same pointer on Linux: the module keeps them in memory).
void* LockResource(void* loaded);

// Resources live as long as their module, so nothing is freed: 0 on Linux, whatever Windows
// answers on Windows.
std::int32_t FreeResource(void* loaded);

// The size in bytes of a found resource, 0 for null or a module that is not live.
std::uint32_t SizeofResource(HINSTANCE module, ResourceHandle resource);

// A bitmap made from the module's bitmap resource (type 2) with this numeric name; null when
// the resource is missing or too short to hold the size field of its bitmap header. Linux: the
// handle owns a copy of the resource's bytes. Windows: a GDI bitmap. Either way it outlives
// the module and is freed by DeleteObject.
HBITMAP LoadBitmap(HINSTANCE module, std::uint16_t name);

// Frees a bitmap loaded by LoadBitmap: 1 when it was live, 0 for null or a handle already
// deleted (never passed on to the system twice).
std::int32_t DeleteObject(HBITMAP bitmap);

// The bytes of a live bitmap: its header and pixels, without the file header (Windows reads
// them back from the GDI object in its resource's bit depth); empty for a handle not live.
std::vector<std::uint8_t> BitmapBytes(HBITMAP bitmap);

// How many bitmaps are live: lets callers and tests see leaks and early deletions.
std::size_t LiveBitmapCount();

// --- Resource language (the choice is shared; the setting is SetResourceLanguage's) ----------

// The language set with SetResourceLanguage; 0 when none is (the start).
std::uint16_t ResourceLanguage();

// The Windows language id of a POSIX locale name such as "de_DE.UTF-8@euro" (language and
// territory, codeset and modifier ignored); 0 for null, "C", "POSIX" and names not known.
std::uint16_t LanguageOfLocaleName(const char* name);

// The language that LC_ALL, LC_MESSAGES and LANG name, read as POSIX programs read them: the
// first of them that is set and not empty decides. The locale need not be installed.
std::uint16_t UserLanguageFromEnvironment();

// Whether a resource's language entry `candidate` is taken over `chosen`, the best entry seen
// before it, as FindResourceW chooses: the neutral language (0x0000), then `user` exactly, then
// an entry of the same primary language, then English (United States) 0x0409, then the first
// entry. A `user` of 0 skips the two user roads. Walking the entries in the module's order and
// keeping the preferred one gives the choice without allocating.
bool PreferResourceLanguage(std::uint16_t candidate, std::uint16_t chosen, std::uint16_t user);

// --- Windows (the platform layer's own on Linux, real windows on Windows) --------------------

// Shows the window; non-zero when it was visible before the call (Linux: its previous command
// was not 0, the hidden state). 0 for a handle that is not a live window.
std::int32_t ShowWindow(HWND window, std::int32_t showCommand);

// Sets the window's text; 1 on a live window, 0 otherwise.
std::int32_t SetWindowText(HWND window, const qo::String& text);

// Moves and sizes the window (the layer remembers the request as given); 1 on a live window,
// 0 otherwise.
std::int32_t MoveWindow(HWND window, std::int32_t x, std::int32_t y, std::int32_t width,
                        std::int32_t height, std::int32_t repaint);

}  // namespace qo::platform
