// The dialog-template reader against Windows' own dialog manager: every dialog of every
// resource fixture (in each of its languages) is created with CreateDialogIndirectParamW, and
// each child window (control id, class name, text, style, rectangle) must be what the reader
// read for the matching item; rectangles are compared in pixels through MapDialogRect.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "dialog_template.h"

namespace {

using namespace qo::dialog;

// A dialog resource of a fixture module.
struct DialogResource {
  std::filesystem::path fixture;
  std::uint16_t id;
  WORD language;
};

HMODULE LoadFixture(const std::filesystem::path& file) {
  return LoadLibraryExW(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
}

BOOL CALLBACK CollectLanguage(HMODULE, LPCWSTR, LPCWSTR name, WORD language, LONG_PTR list) {
  reinterpret_cast<std::vector<DialogResource>*>(list)->push_back(
      {"", static_cast<std::uint16_t>(reinterpret_cast<ULONG_PTR>(name)), language});
  return TRUE;
}

BOOL CALLBACK CollectName(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR list) {
  // Window elements load dialogs by number only.
  if (IS_INTRESOURCE(name)) EnumResourceLanguagesW(module, type, name, CollectLanguage, list);
  return TRUE;
}

// Every numbered dialog of every fixture, in each of its languages.
std::vector<DialogResource> AllDialogs() {
  std::vector<DialogResource> dialogs;
  for (const auto& entry : std::filesystem::directory_iterator(QODATA_FIXTURE_DIR)) {
    HMODULE module = entry.path().extension() == ".res" ? LoadFixture(entry.path()) : nullptr;
    if (module == nullptr) continue;
    const std::size_t first = dialogs.size();
    EnumResourceNamesW(module, MAKEINTRESOURCEW(5), CollectName,
                       reinterpret_cast<LONG_PTR>(&dialogs));
    for (std::size_t i = first; i < dialogs.size(); ++i) dialogs[i].fixture = entry.path();
    FreeLibrary(module);
  }
  return dialogs;
}

INT_PTR CALLBACK IgnoreMessages(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

std::wstring Wide(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }

std::wstring WindowText(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return text;
}

// The child's rectangle in the dialog's client pixels; a drop-down combo box is measured with
// its list dropped, which is the height the template gives.
RECT ChildRect(HWND dialog, HWND child, bool comboBox) {
  RECT rect{};
  GetWindowRect(child, &rect);
  if (comboBox && (GetWindowLongW(child, GWL_STYLE) & 3) != CBS_SIMPLE) {
    SendMessageW(child, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&rect));
  }
  MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// What the dialog manager and the controls change on creation, applied to the template's
// item: it is the window Windows makes from exactly these template values.
struct Expected {
  std::uint32_t style;
  std::uint32_t exStyle;
  std::wstring text;
  RECT rect;
  bool exactHeight = true;  // list boxes and combo boxes round their height to whole items
  bool exactSize = true;    // etched lines take a fixed thickness
};

Expected Adjusted(HWND dialog, const DialogItem& item, const std::wstring& className) {
  Expected e{item.style, item.exStyle | WS_EX_NOPARENTNOTIFY, L"", {}};
  if (item.title.kind == NameOrOrdinal::Kind::kText) e.text = Wide(item.title.text);
  const auto is = [&](const wchar_t* name) { return _wcsicmp(className.c_str(), name) == 0; };
  const bool list = is(L"ListBox");
  const bool combo = is(L"ComboBox");
  if ((list || is(L"Edit")) && (e.style & WS_BORDER) != 0) {  // a flat border becomes the 3-D edge
    e.style &= ~WS_BORDER;
    e.exStyle |= WS_EX_CLIENTEDGE;
  }
  if (list || combo) {  // scroll bars show only while there is something to scroll
    e.style &= ~(WS_VSCROLL | WS_HSCROLL);
    e.exactHeight = (e.style & LBS_NOINTEGRALHEIGHT) != 0 && list;
  }
  if (combo) e.text.clear();  // a combo box's field starts empty whatever the caption
  const std::uint32_t type = item.style & SS_TYPEMASK;
  if (is(L"Static") && (type == SS_ETCHEDHORZ || type == SS_ETCHEDVERT)) {
    e.exStyle |= WS_EX_STATICEDGE;
    e.exactSize = false;
  }
  // The dialog manager maps position and size each on their own, as MapDialogRect maps the
  // four numbers of a rectangle.
  RECT mapped{item.x, item.y, item.cx, item.cy};
  MapDialogRect(dialog, &mapped);
  e.rect = {mapped.left, mapped.top, mapped.left + mapped.right, mapped.top + mapped.bottom};
  return e;
}

auto Edges(const RECT& r) { return std::tuple(r.left, r.top, r.right, r.bottom); }

void CompareWithWindows(const DialogResource& resource) {
  HMODULE module = LoadFixture(resource.fixture);
  ASSERT_NE(module, nullptr);
  HRSRC found = FindResourceExW(module, MAKEINTRESOURCEW(5), MAKEINTRESOURCEW(resource.id),
                                resource.language);
  ASSERT_NE(found, nullptr);
  const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(module, found)));
  std::string error;
  const DWORD length = SizeofResource(module, found);
  const auto dialog = ReadDialogTemplate(bytes, length, &error);
  if (!dialog) {
    // Refused only when Windows could not read it either: shorter than the 18-byte header.
    EXPECT_LT(length, 18u) << error;
    FreeLibrary(module);
    return;
  }

  HWND window = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                           reinterpret_cast<LPCDLGTEMPLATEW>(bytes), nullptr,
                                           IgnoreMessages, 0);
  ASSERT_NE(window, nullptr) << "error " << GetLastError();
  EXPECT_EQ(WindowText(window), Wide(dialog->title));
  RECT client{};
  GetClientRect(window, &client);
  RECT size{0, 0, dialog->cx, dialog->cy};
  MapDialogRect(window, &size);
  EXPECT_EQ(Edges(client), Edges(size)) << "client area";

  std::size_t index = 0;
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT), ++index) {
    ASSERT_LT(index, dialog->items.size()) << "more child windows than items";
    const DialogItem& item = dialog->items[index];
    SCOPED_TRACE("item " + std::to_string(index + 1) + ", id " + std::to_string(item.id));
    wchar_t className[256] = {};
    GetClassNameW(child, className, 256);
    EXPECT_EQ(_wcsicmp(className, Wide(ClassName(item.windowClass)).c_str()), 0)
        << "Windows: " << std::string(className, className + wcslen(className));
    EXPECT_EQ(static_cast<std::uint32_t>(GetDlgCtrlID(child)), item.id);
    const Expected expected = Adjusted(window, item, className);
    if (item.title.kind != NameOrOrdinal::Kind::kOrdinal) {  // an ordinal names an image
      EXPECT_EQ(WindowText(child), expected.text);
    }
    EXPECT_EQ(static_cast<std::uint32_t>(GetWindowLongW(child, GWL_STYLE)), expected.style);
    EXPECT_EQ(static_cast<std::uint32_t>(GetWindowLongW(child, GWL_EXSTYLE)), expected.exStyle);
    RECT actual = ChildRect(window, child, _wcsicmp(className, L"ComboBox") == 0);
    RECT wanted = expected.rect;
    if (!expected.exactSize) {
      actual.right = wanted.right;
      actual.bottom = wanted.bottom;
    }
    if (!expected.exactHeight) {
      EXPECT_LE(actual.bottom, wanted.bottom) << "rounded down to whole items";
      actual.bottom = wanted.bottom;
    }
    EXPECT_EQ(Edges(actual), Edges(wanted));
  }
  EXPECT_EQ(index, dialog->items.size()) << "child windows";
  DestroyWindow(window);
  FreeLibrary(module);
}

TEST(DialogsUnderWindows, EveryFixtureDialogAgreesWithTheReader) {
  // The class that the fixtures name by text; Windows creates a control only of a known class.
  WNDCLASSW swatch{};
  swatch.lpfnWndProc = DefWindowProcW;
  swatch.hInstance = GetModuleHandleW(nullptr);
  swatch.lpszClassName = L"QodataSwatch";
  ASSERT_NE(RegisterClassW(&swatch), 0);
  const std::vector<DialogResource> dialogs = AllDialogs();
  ASSERT_GE(dialogs.size(), 3u) << "the fixtures' dialogs were not found";
  for (const DialogResource& dialog : dialogs) {
    SCOPED_TRACE(dialog.fixture.filename().string() + ", dialog " + std::to_string(dialog.id) +
                 ", language " + std::to_string(dialog.language));
    CompareWithWindows(dialog);
  }
}

}  // namespace
