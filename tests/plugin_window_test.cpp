// Plug-in windows and controls: resources loaded from compiled fixture modules, bitmaps shared
// between copies, window calls forwarded only to a window, the control map and copies; and the
// platform's window objects beneath them.
#include "qodata/plugin_window.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "platform/contract.h"
#include "qodata/platform.h"

namespace {

using qo::String;
using namespace qo::platform;

// A module loaded from a fixture, freed at the end of the test.
struct Module {
  explicit Module(const char* name)
      : handle(LoadResourceModule((std::string(QODATA_FIXTURE_DIR) + "/" + name).c_str())) {}
  ~Module() { FreeResourceModule(handle); }
  HINSTANCE handle;
};

// A window of the platform layer, destroyed at the end of the test.
struct Window {
  Window() : handle(CreateWindowObject()) {}
  ~Window() { DestroyWindowObject(handle); }
  HWND handle;
};
// Text, place, size, repaint flag and show command of a live window.
auto Shown(HWND window) {
  WindowState s{u"unset", -1, -1, -1, -1, -1, -1};
  EXPECT_TRUE(GetWindowState(window, &s));
  return std::tuple(s.text, s.x, s.y, s.width, s.height, s.repaint, s.showCommand);
}

bool IsLive(HBITMAP bitmap) { return !BitmapBytes(bitmap).empty(); }
HBITMAP BitmapOf(IPluginWindowElement& e, std::uint32_t id) {
  return e.GetControl(id)->GetBitmap();
}

// A control's description: identifier, label, rectangle, style and window.
auto Described(IPluginWindowControl* c) {
  return std::tuple(c->GetID(), c->GetLabel(), c->GetRect(), c->GetStyle(), c->GetHwnd());
}
// A control's resources under a key: found flag and value of each kind (marks when missing).
auto Resources(IPluginWindowControl* c, tagPLUGINCONTROL_RES_KEY key) {
  String text = u"untouched";
  std::uint32_t number = 99;
  const int hasText = c->GetResource(key, text);
  const int hasNumber = c->GetResource(key, number);
  return std::tuple(hasText, text, hasNumber, number);
}
// An element's own values: window number, dialog, window, show command, resource handle,
// event handler, dialog template and init data.
auto Values(IPluginWindowElement& e) {
  return std::tuple(e.GetID(), e.GetDialogID(), e.GetHwnd(), e.GetCmdShow(),
                    static_cast<void*>(e.GetResourceHandle()), e.GetEventHandler(),
                    e.GetDialogTemplate(), e.GetDialogInit());
}

const auto kKeyA = static_cast<tagPLUGINCONTROL_RES_KEY>(1);
const auto kKeyB = static_cast<tagPLUGINCONTROL_RES_KEY>(2);

TEST(PluginWindowElement, LoadsTheDialogNamedByTheLowBitsOfItsIdentifier) {
  Module dialog("dialog.res");
  Module noInit("noinit.res");
  Module bitmaps("bitmaps.res");
  ASSERT_TRUE(dialog.handle && noInit.handle && bitmaps.handle);
  CPluginWindowElement element;
  auto loaded = [&] { return std::tuple(element.GetDialogTemplate(), element.GetDialogInit()); };
  EXPECT_EQ(std::tuple(element.GetDialogID(), element.GetCmdShow()), std::tuple(0u, 0));  // ours
  element.SetDialogID(0x00070065);  // dialog 101 with high bits set
  EXPECT_EQ(element.LoadResource(nullptr), 0);
  ASSERT_EQ(element.LoadResource(dialog.handle), 1);  // template and init data present
  const auto withInit = loaded();
  const DLGTEMPLATE* dialogTemplate = std::get<0>(withInit);
  const auto* init = static_cast<const std::uint8_t*>(std::get<1>(withInit));
  ASSERT_TRUE(dialogTemplate && init);
  EXPECT_EQ(std::tuple(dialogTemplate->cdit, dialogTemplate->cx, init[0] | init[1] << 8),
            std::tuple(3, 200, 1003));
  EXPECT_EQ(element.LoadResource(bitmaps.handle), 0);  // no such dialog: it keeps what it had
  EXPECT_EQ(loaded(), withInit);
  ASSERT_EQ(element.LoadResource(noInit.handle), 1);  // no init data: that becomes null
  ASSERT_NE(element.GetDialogTemplate(), nullptr);
  EXPECT_EQ(std::tuple(element.GetDialogTemplate()->cdit, element.GetDialogInit()),
            std::tuple(1, nullptr));
  element.UnloadResource(nullptr);
  EXPECT_EQ(loaded(), std::tuple(nullptr, nullptr));
  // A handle that is not a live module finds nothing.
  EXPECT_EQ(element.LoadResource(reinterpret_cast<HINSTANCE>(std::uintptr_t{0x10})), 0);

  // Our choice: a dialog resource too short for a template header (bitmaps.res has dialog 102)
  // counts as missing.
  element.SetDialogID(102);
  EXPECT_EQ(element.LoadResource(bitmaps.handle), 0);
  EXPECT_EQ(element.GetDialogTemplate(), nullptr);
}

// Unloading the dialog keeps the bitmaps; an element's copy shares them; releasing element
// and copy deletes nothing, since the client may still show the bitmap.
TEST(PluginWindowElement, LoadsControlBitmapsWhichCopiesShare) {
  const std::size_t baseline = LiveBitmapCount();
  Module bitmaps("bitmaps.res");
  HBITMAP bitmap = nullptr;
  {
    CPluginWindowElement element;
    element.SetDialogID(101);
    element.AddControl(1, u"with bitmap", CRect(0, 0, 10, 10), 0, 0x00050000u | 201u);
    element.AddControl(2, u"no bitmap", CRect(), 0, 0);
    element.AddControl(3, u"missing bitmap", CRect(), 0, 999);
    EXPECT_EQ(element.LoadResource(nullptr), 0);  // a null module loads nothing at all
    EXPECT_EQ(BitmapOf(element, 1), nullptr);
    EXPECT_EQ(element.LoadResource(bitmaps.handle), 0);  // no dialog, but bitmaps loaded
    bitmap = BitmapOf(element, 1);
    EXPECT_EQ(std::tuple(bitmap != nullptr, BitmapOf(element, 2), BitmapOf(element, 3)),
              std::tuple(true, nullptr, nullptr));
    element.UnloadResource(bitmaps.handle);
    IPluginWindowElement* copy = element.Copy();
    EXPECT_EQ(std::tuple(BitmapOf(element, 1), BitmapOf(*copy, 1), LiveBitmapCount()),
              std::tuple(bitmap, bitmap, baseline + 1));
    copy->Release();
  }
  EXPECT_TRUE(IsLive(bitmap));
  DeleteObject(bitmap);
}

// A reload deletes the old bitmap and a failed one leaves none; copies share it: the first to
// unload deletes it for all (that none deletes it when destroyed: the element's test above).
TEST(PluginWindowControl, LoadsItsBitmapWhichCopiesShareAndTheFirstUnloadDeletes) {
  const std::size_t baseline = LiveBitmapCount();
  Module bitmaps("bitmaps.res");
  Module noBitmap202("dialog.res");
  CPluginWindowControl none(1, u"none", CRect(), 0, 0);
  EXPECT_EQ(none.LoadControlResource(bitmaps.handle), 1);  // number 0: nothing to load
  EXPECT_EQ(std::tuple(none.GetBitmap(), none.UnloadControlResource(nullptr)),
            std::tuple(nullptr, 0));

  CPluginWindowControl source(2, u"icon", CRect(), 0, 202);
  EXPECT_EQ(source.LoadControlResource(nullptr), 0);
  ASSERT_EQ(source.LoadControlResource(bitmaps.handle), 1);
  HBITMAP first = source.GetBitmap();
  CPluginWindowControl early(source);
  ASSERT_EQ(source.LoadControlResource(bitmaps.handle), 1);
  EXPECT_EQ(std::tuple(IsLive(first), early.GetBitmap(), LiveBitmapCount()),
            std::tuple(false, nullptr, baseline + 1));
  EXPECT_EQ(source.LoadControlResource(noBitmap202.handle), 0);
  EXPECT_EQ(std::tuple(source.GetBitmap(), LiveBitmapCount()), std::tuple(nullptr, baseline));

  ASSERT_EQ(source.LoadControlResource(bitmaps.handle), 1);
  HBITMAP bitmap = source.GetBitmap();
  CPluginWindowControl copy;
  copy = source;
  auto* clone = static_cast<IPluginWindowControl*>(source.Clone());
  EXPECT_EQ(std::tuple(copy.GetBitmap(), clone->GetBitmap(), LiveBitmapCount()),
            std::tuple(bitmap, bitmap, baseline + 1));
  clone->Release();  // the bitmap stays: the unload below deletes it
  EXPECT_EQ(copy.UnloadControlResource(nullptr), 1);
  EXPECT_EQ(std::tuple(IsLive(bitmap), source.GetBitmap(), LiveBitmapCount()),
            std::tuple(false, nullptr, baseline));
  EXPECT_EQ(std::tuple(source.UnloadControlResource(nullptr), copy.UnloadControlResource(nullptr)),
            std::tuple(0, 0));
}

// Without a window the calls answer 0, except the element's ShowWindow, which only ever stores
// the command; a control's move always repaints and its show answers the visibility before.
TEST(PluginWindow, WindowCallsReachTheWindowOnlyWhenOneIsSet) {
  CPluginWindowElement element;
  CPluginWindowControl control(5, u"label", CRect(1, 2, 3, 4), 0x50010000u, 0);
  EXPECT_EQ(std::tuple(element.SetWindowTextW(u"t"), element.MoveWindow(CRect(1, 2, 3, 4), 1),
                       control.SetWindowTextW(u"t"), control.MoveWindow(CRect(1, 2, 3, 4), 1),
                       control.ShowWindow(5)),
            std::tuple(0, 0, 0, 0, 0));
  EXPECT_EQ(element.ShowWindow(5), 1);

  Window window;
  EXPECT_EQ(element.SetHwnd(window.handle), 1);
  control.SetHwnd(window.handle);
  EXPECT_EQ(std::tuple(element.SetWindowTextW(u"title"),
                       element.MoveWindow(CRect(10, 20, 110, 70), 0), element.ShowWindow(3)),
            std::tuple(1, 1, 1));
  EXPECT_EQ(std::tuple(Shown(window.handle), element.GetCmdShow()),
            std::tuple(std::tuple(String(u"title"), 10, 20, 100, 50, 0, 0), 3));
  // Extreme coordinates wrap like 32-bit window arithmetic instead of overflowing.
  EXPECT_EQ(element.MoveWindow(CRect(INT32_MIN, INT32_MAX, INT32_MAX, INT32_MIN), 1), 1);
  EXPECT_EQ(Shown(window.handle), std::tuple(String(u"title"), INT32_MIN, INT32_MAX, -1, 1, 1, 0));

  EXPECT_EQ(control.ShowWindow(5), 0);  // hidden before
  EXPECT_EQ(std::tuple(control.SetWindowTextW(u"text"), control.MoveWindow(CRect(5, 6, 25, 16), 0)),
            std::tuple(1, 1));
  EXPECT_EQ(Shown(window.handle), std::tuple(String(u"text"), 5, 6, 20, 10, 1, 5));
  EXPECT_NE(control.ShowWindow(0), 0);  // visible before
}

// Beneath: a new window starts hidden, and handles not live are refused.
TEST(Window, StartsHiddenShowReportsTheVisibilityBeforeAndDeadHandlesAreRefused) {
  HWND window = CreateWindowObject();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(Shown(window), std::tuple(String(u""), 0, 0, 0, 0, 0, 0));
  EXPECT_TRUE(GetWindowState(window, nullptr));  // a liveness check only
  EXPECT_EQ(ShowWindow(window, 5), 0);           // hidden before
  EXPECT_NE(ShowWindow(window, 1), 0);           // visible before
  EXPECT_NE(ShowWindow(window, 0), 0);           // visible before; hidden now
  EXPECT_EQ(std::get<6>(Shown(window)), 0);
  EXPECT_EQ(ShowWindow(window, 0), 0);
  DestroyWindowObject(window);
  for (HWND dead : {window, static_cast<HWND>(nullptr)}) {
    WindowState untouched{u"kept", 1, 2, 3, 4, 5, 6};
    EXPECT_EQ(std::tuple(GetWindowState(dead, &untouched), ShowWindow(dead, 5),
                         SetWindowText(dead, u"x"), MoveWindow(dead, 1, 2, 3, 4, 1)),
              std::tuple(false, 0, 0, 0));
    EXPECT_EQ(untouched.text, u"kept");
  }
  DestroyWindowObject(window);  // a second destroy is ignored
  // A new window never takes a destroyed window's handle, so a stale handle stays dead.
  Window next;
  EXPECT_NE(next.handle, window);
  EXPECT_FALSE(GetWindowState(window, nullptr));
}

TEST(PluginWindowElement, KeepsOneControlPerIdentifierAndLendsThem) {
  CPluginWindowElement element;
  EXPECT_EQ(element.AddControl(4, u"first", CRect(), 0, 0), 0);
  IPluginWindowControl* first = element.GetControl(4);
  ASSERT_NE(first, nullptr);
  first->AddRef();  // keep it alive to watch the element give back its holder
  EXPECT_EQ(element.AddControl(4, u"second", CRect(1, 1, 2, 2), 9, 0), 0);
  EXPECT_EQ(dynamic_cast<CPluginWindowControl*>(first)->HolderCount(), 1u);
  first->Release();
  EXPECT_EQ(std::tuple(Described(element.GetControl(4)), element.GetControl(5)),
            std::tuple(std::tuple(4u, String(u"second"), CRect(1, 1, 2, 2), 9u, HWND{}), nullptr));
  element.AddControl(2, u"two", CRect(), 0, 0);

  CPluginWindowControl stranger;
  std::vector<IPluginWindowControl*> list{&stranger, nullptr, &stranger};
  EXPECT_EQ(element.GetControls(list), 2u);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(std::tuple(list[0]->GetID(), list[1]->GetID()), std::tuple(2u, 4u));  // id order
  EXPECT_EQ(dynamic_cast<CPluginWindowControl*>(list[0])->HolderCount(), 1u);     // lent
}

TEST(PluginWindowControl, ResourceMapsAndAssignmentMerge) {
  CPluginWindowControl control;
  EXPECT_EQ(control.AddResource(kKeyA, u"text"), 1);
  EXPECT_EQ(control.AddResource(kKeyA, 7u), 1);  // same key, the other kind: both stay
  EXPECT_EQ(Resources(&control, kKeyA), std::tuple(1, String(u"text"), 1, 7u));
  EXPECT_EQ(Resources(&control, kKeyB), std::tuple(0, String(u"untouched"), 0, 99u));
  control.AddResource(kKeyA, u"replaced");
  EXPECT_EQ(Resources(&control, kKeyA), std::tuple(1, String(u"replaced"), 1, 7u));

  // Assignment copies the description and adds the source's resources to the target's.
  Window window;
  CPluginWindowControl source(12, u"source", CRect(1, 2, 3, 4), 0x10, 0x20);
  source.SetHwnd(window.handle);
  source.AddResource(kKeyB, u"from source");
  source.AddResource(kKeyA, 8u);
  EXPECT_EQ(&(control = source), &control);
  EXPECT_EQ(Described(&control),
            std::tuple(12u, String(u"source"), CRect(1, 2, 3, 4), 0x10u, window.handle));
  // The target's own text stays, the source's number wins.
  EXPECT_EQ(std::tuple(Resources(&control, kKeyA), Resources(&control, kKeyB)),
            std::tuple(std::tuple(1, String(u"replaced"), 1, 8u),
                       std::tuple(1, String(u"from source"), 0, 99u)));
}

TEST(PluginWindowElement, AssignmentClonesControlsAndKeepsTheTargetsOthers) {
  Window window;
  int handler = 0;
  auto* handlerView = reinterpret_cast<IPluginWindowEventHandler*>(&handler);
  DLGTEMPLATE dialogTemplate{};
  CPluginWindowElement source(&handler, CRect(1, 2, 3, 4), 77);
  source.SetID(500);
  source.SetDialogID(101);
  source.SetHwnd(window.handle);
  source.ShowWindow(5);
  EXPECT_EQ(source.SetEventHandler(handlerView), 1);
  source.AddControl(1, u"source one", CRect(), 0, 0);
  source.AddControl(2, u"source two", CRect(), 0, 0);
  source.SetDialogResource(&dialogTemplate, &handler);
  const auto sourceValues = std::tuple(500u, 101u, window.handle, 5, static_cast<void*>(&handler),
                                       handlerView, &dialogTemplate, static_cast<void*>(&handler));

  CPluginWindowElement target;
  target.AddControl(2, u"target two", CRect(), 0, 0);
  target.AddControl(3, u"target three", CRect(), 0, 0);
  EXPECT_EQ(&(target = source), &target);
  EXPECT_EQ(Values(target), sourceValues);
  std::vector<IPluginWindowControl*> controls;
  ASSERT_EQ(target.GetControls(controls), 3u);
  EXPECT_EQ(std::tuple(controls[0]->GetLabel(), controls[1]->GetLabel(), controls[2]->GetLabel()),
            std::tuple(String(u"source one"), String(u"source two"), String(u"target three")));
  EXPECT_NE(controls[0], source.GetControl(1));  // a clone, held once
  EXPECT_EQ(dynamic_cast<CPluginWindowControl*>(controls[0])->HolderCount(), 1u);

  // Assigning an element to itself keeps its controls.
  IPluginWindowControl* before = source.GetControl(1);
  const CPluginWindowElement& same = source;
  source = same;
  EXPECT_EQ(source.GetControl(1), before);
}

}  // namespace
