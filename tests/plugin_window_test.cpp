// Plug-in windows and controls: resources loaded from compiled fixture modules, bitmaps shared
// between copies, window calls forwarded only to a window, the control map and copies.
#include "qodata/plugin_window.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "framework/catalogue.h"
#include "platform/resources.h"
#include "qodata/platform.h"

namespace {

using qo::platform::LiveBitmapCount;

// A module loaded from a fixture, freed at the end of the test.
struct Module {
  explicit Module(const char* name)
      : handle(qo::platform::LoadResourceModule(
            (std::string(QODATA_FIXTURE_DIR) + "/" + name).c_str())) {}
  ~Module() { qo::platform::FreeResourceModule(handle); }
  HINSTANCE handle;
};

// A window of the platform layer, destroyed at the end of the test.
struct Window {
  Window() : handle(qo::platform::CreateWindowObject()) {}
  ~Window() { qo::platform::DestroyWindowObject(handle); }
  qo::platform::WindowState State() const {
    qo::platform::WindowState state{};
    EXPECT_TRUE(qo::platform::GetWindowState(handle, &state));
    return state;
  }
  HWND handle;
};

std::uint16_t FirstWord(const void* data) {
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
}

// What a window shows: text, place, size, repaint flag and show command.
auto Shown(const qo::platform::WindowState& s) {
  return std::tuple(s.text, s.x, s.y, s.width, s.height, s.repaint, s.showCommand);
}

bool IsLive(HBITMAP bitmap) { return !qo::platform::BitmapBytes(bitmap).empty(); }

// A control's description: identifier, label, rectangle, style and window.
auto Described(IPluginWindowControl* c) {
  return std::tuple(c->GetID(), c->GetLabel(), c->GetRect(), c->GetStyle(), c->GetHwnd());
}

const auto kKeyA = static_cast<tagPLUGINCONTROL_RES_KEY>(1);
const auto kKeyB = static_cast<tagPLUGINCONTROL_RES_KEY>(2);

TEST(PluginWindowElement, LoadsTheDialogNamedByTheLowBitsOfItsIdentifier) {
  Module dialog("dialog.res");
  Module noInit("noinit.res");
  Module bitmaps("bitmaps.res");
  ASSERT_NE(dialog.handle, nullptr);
  ASSERT_NE(noInit.handle, nullptr);
  ASSERT_NE(bitmaps.handle, nullptr);

  CPluginWindowElement element;
  EXPECT_EQ(element.GetDialogID(), 0u);  // our starting values
  EXPECT_EQ(element.GetCmdShow(), 0);
  element.SetDialogID(0x00070065);  // dialog 101 with high bits set
  EXPECT_EQ(element.LoadResource(nullptr), 0);
  EXPECT_EQ(element.GetDialogTemplate(), nullptr);

  // Template and init data present.
  ASSERT_EQ(element.LoadResource(dialog.handle), 1);
  DLGTEMPLATE* withInit = element.GetDialogTemplate();
  ASSERT_NE(withInit, nullptr);
  EXPECT_EQ(withInit->cdit, 3);
  EXPECT_EQ(withInit->cx, 200);
  ASSERT_NE(element.GetDialogInit(), nullptr);
  EXPECT_EQ(FirstWord(element.GetDialogInit()), 1003);
  EXPECT_EQ(element.GetDialogID(), 0x00070065u);

  // A module without the dialog: 0, and the element keeps what it had.
  void* init = element.GetDialogInit();
  EXPECT_EQ(element.LoadResource(bitmaps.handle), 0);
  EXPECT_EQ(element.GetDialogTemplate(), withInit);
  EXPECT_EQ(element.GetDialogInit(), init);

  // Template present, init data absent: the init data becomes null.
  ASSERT_EQ(element.LoadResource(noInit.handle), 1);
  ASSERT_NE(element.GetDialogTemplate(), nullptr);
  EXPECT_NE(element.GetDialogTemplate(), withInit);
  EXPECT_EQ(element.GetDialogTemplate()->cdit, 1);
  EXPECT_EQ(element.GetDialogInit(), nullptr);

  element.UnloadResource(nullptr);
  EXPECT_EQ(element.GetDialogTemplate(), nullptr);
  EXPECT_EQ(element.GetDialogInit(), nullptr);

  // Our choice: a dialog resource too short for a template header counts as missing.
  CPluginWindowElement shortDialog;
  shortDialog.SetDialogID(102);
  ASSERT_NE(qo::platform::FindResource(bitmaps.handle, 102, qo::platform::kResourceTypeDialog),
            nullptr);
  EXPECT_EQ(shortDialog.LoadResource(bitmaps.handle), 0);
  EXPECT_EQ(shortDialog.GetDialogTemplate(), nullptr);

  // A handle that is not a live module finds nothing.
  EXPECT_EQ(element.LoadResource(reinterpret_cast<HINSTANCE>(std::uintptr_t{0x10})), 0);
}

TEST(PluginWindowElement, LoadsControlBitmapsAndUnloadingKeepsThem) {
  const std::size_t baseline = LiveBitmapCount();
  Module bitmaps("bitmaps.res");
  {
    CPluginWindowElement element;
    element.SetDialogID(101);
    element.AddControl(1, u"with bitmap", CRect(0, 0, 10, 10), 0, 0x00050000u | 201u);
    element.AddControl(2, u"no bitmap", CRect(), 0, 0);
    element.AddControl(3, u"missing bitmap", CRect(), 0, 999);

    EXPECT_EQ(element.LoadResource(nullptr), 0);  // a null module loads nothing at all
    EXPECT_EQ(element.GetControl(1)->GetBitmap(), nullptr);

    // No dialog in the module: 0, but the controls have loaded their bitmaps.
    EXPECT_EQ(element.LoadResource(bitmaps.handle), 0);
    HBITMAP bitmap = element.GetControl(1)->GetBitmap();
    EXPECT_NE(bitmap, nullptr);
    EXPECT_EQ(element.GetControl(2)->GetBitmap(), nullptr);
    EXPECT_EQ(element.GetControl(3)->GetBitmap(), nullptr);
    EXPECT_EQ(LiveBitmapCount(), baseline + 1);

    element.UnloadResource(bitmaps.handle);
    EXPECT_EQ(element.GetControl(1)->GetBitmap(), bitmap);
    EXPECT_TRUE(IsLive(bitmap));
  }
  EXPECT_EQ(LiveBitmapCount(), baseline);  // the last control naming it deleted it
}

TEST(PluginWindowControl, LoadsAndUnloadsItsBitmap) {
  const std::size_t baseline = LiveBitmapCount();
  Module bitmaps("bitmaps.res");

  CPluginWindowControl none(1, u"none", CRect(), 0, 0);
  EXPECT_EQ(none.LoadControlResource(bitmaps.handle), 1);  // number 0: nothing to load
  EXPECT_EQ(none.GetBitmap(), nullptr);
  EXPECT_EQ(LiveBitmapCount(), baseline);
  EXPECT_EQ(none.UnloadControlResource(bitmaps.handle), 0);

  CPluginWindowControl control(2, u"icon", CRect(), 0, 202);
  EXPECT_EQ(control.LoadControlResource(nullptr), 0);
  ASSERT_EQ(control.LoadControlResource(bitmaps.handle), 1);
  HBITMAP first = control.GetBitmap();
  ASSERT_NE(first, nullptr);
  ASSERT_EQ(control.LoadControlResource(bitmaps.handle), 1);  // the first bitmap goes
  EXPECT_FALSE(IsLive(first));
  EXPECT_EQ(LiveBitmapCount(), baseline + 1);

  Module noBitmap202("dialog.res");
  EXPECT_EQ(control.LoadControlResource(noBitmap202.handle), 0);  // failed: nothing held
  EXPECT_EQ(control.GetBitmap(), nullptr);
  EXPECT_EQ(LiveBitmapCount(), baseline);

  ASSERT_EQ(control.LoadControlResource(bitmaps.handle), 1);
  EXPECT_EQ(control.UnloadControlResource(nullptr), 1);
  EXPECT_EQ(control.GetBitmap(), nullptr);
  EXPECT_EQ(control.UnloadControlResource(nullptr), 0);
  EXPECT_EQ(LiveBitmapCount(), baseline);
}

// Copies share the bitmap: whichever unloads or dies first, the other's handle stays valid,
// and the last one deletes it exactly once.
TEST(PluginWindowControl, CopiesShareTheBitmapWhichTheLastDeletes) {
  const std::size_t baseline = LiveBitmapCount();
  Module bitmaps("bitmaps.res");
  CPluginWindowControl source(7, u"icon", CRect(), 0, 201);
  ASSERT_EQ(source.LoadControlResource(bitmaps.handle), 1);
  HBITMAP bitmap = source.GetBitmap();

  CPluginWindowControl copy;
  copy = source;
  auto* clone = static_cast<IPluginWindowControl*>(source.Clone());
  EXPECT_EQ(copy.GetBitmap(), bitmap);
  EXPECT_EQ(clone->GetBitmap(), bitmap);
  EXPECT_EQ(LiveBitmapCount(), baseline + 1);

  EXPECT_EQ(source.UnloadControlResource(nullptr), 1);
  EXPECT_EQ(source.GetBitmap(), nullptr);
  EXPECT_TRUE(IsLive(bitmap));  // the copies still name it
  clone->Release();
  EXPECT_TRUE(IsLive(bitmap));
  ASSERT_EQ(source.LoadControlResource(bitmaps.handle), 1);  // a new bitmap of its own
  EXPECT_NE(source.GetBitmap(), bitmap);
  EXPECT_EQ(copy.UnloadControlResource(nullptr), 1);
  EXPECT_FALSE(IsLive(bitmap));
  EXPECT_EQ(LiveBitmapCount(), baseline + 1);
  EXPECT_EQ(source.UnloadControlResource(nullptr), 1);
  EXPECT_EQ(LiveBitmapCount(), baseline);

  // An element's clone shares its controls' bitmaps the same way.
  {
    CPluginWindowElement element;
    element.AddControl(1, u"a", CRect(), 0, 201);
    element.LoadResource(bitmaps.handle);
    IPluginWindowElement* cloned = element.Copy();
    EXPECT_EQ(cloned->GetControl(1)->GetBitmap(), element.GetControl(1)->GetBitmap());
    EXPECT_EQ(LiveBitmapCount(), baseline + 1);
    EXPECT_EQ(element.GetControl(1)->UnloadControlResource(nullptr), 1);
    EXPECT_TRUE(IsLive(cloned->GetControl(1)->GetBitmap()));
    cloned->Release();
  }
  EXPECT_EQ(LiveBitmapCount(), baseline);
}

TEST(PluginWindowElement, WindowCallsReachTheWindowOnlyWhenOneIsSet) {
  CPluginWindowElement element;
  EXPECT_EQ(element.SetWindowTextW(u"title"), 0);
  EXPECT_EQ(element.MoveWindow(CRect(1, 2, 3, 4), 1), 0);
  EXPECT_EQ(element.ShowWindow(5), 1);
  EXPECT_EQ(element.GetCmdShow(), 5);

  Window window;
  EXPECT_EQ(element.SetHwnd(window.handle), 1);
  EXPECT_EQ(element.GetHwnd(), window.handle);
  EXPECT_EQ(element.SetWindowTextW(u"title"), 1);
  EXPECT_EQ(element.MoveWindow(CRect(10, 20, 110, 70), 0), 1);
  EXPECT_EQ(element.ShowWindow(3), 1);  // stored only; the window is not touched
  EXPECT_EQ(Shown(window.State()), std::tuple(qo::String(u"title"), 10, 20, 100, 50, 0, 0));
  EXPECT_EQ(element.GetCmdShow(), 3);

  // Extreme coordinates wrap like 32-bit window arithmetic instead of overflowing.
  EXPECT_EQ(element.MoveWindow(CRect(INT32_MIN, INT32_MAX, INT32_MAX, INT32_MIN), 1), 1);
  EXPECT_EQ(window.State().width, -1);
  EXPECT_EQ(window.State().height, 1);

  // A window that was destroyed is not reached.
  HWND gone = qo::platform::CreateWindowObject();
  qo::platform::DestroyWindowObject(gone);
  element.SetHwnd(gone);
  EXPECT_EQ(element.SetWindowTextW(u"late"), 0);
  EXPECT_EQ(element.MoveWindow(CRect(), 0), 0);
}

TEST(PluginWindowControl, WindowCallsReachTheWindowOnlyWhenOneIsSetAndMoveRepaints) {
  CPluginWindowControl control(5, u"label", CRect(1, 2, 3, 4), 0x50010000u, 0);
  EXPECT_EQ(control.ShowWindow(5), 0);
  EXPECT_EQ(control.SetWindowTextW(u"x"), 0);
  EXPECT_EQ(control.MoveWindow(CRect(1, 2, 3, 4), 1), 0);

  Window window;
  control.SetHwnd(window.handle);
  EXPECT_EQ(control.GetHwnd(), window.handle);
  EXPECT_EQ(control.ShowWindow(5), 0);  // hidden before
  EXPECT_EQ(window.State().showCommand, 5);
  EXPECT_NE(control.ShowWindow(0), 0);  // visible before
  EXPECT_EQ(control.SetWindowTextW(u"text"), 1);
  EXPECT_EQ(control.MoveWindow(CRect(5, 6, 25, 16), 0), 1);
  // A control's move always repaints.
  EXPECT_EQ(Shown(window.State()), std::tuple(qo::String(u"text"), 5, 6, 20, 10, 1, 0));
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
  EXPECT_EQ(Described(element.GetControl(4)),
            std::tuple(4u, qo::String(u"second"), CRect(1, 1, 2, 2), 9u, HWND{}));
  EXPECT_EQ(element.GetControl(5), nullptr);
  element.AddControl(2, u"two", CRect(), 0, 0);

  CPluginWindowControl stranger;
  std::vector<IPluginWindowControl*> list{&stranger, nullptr, &stranger};
  EXPECT_EQ(element.GetControls(list), 2u);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0]->GetID(), 2u);  // in identifier order
  EXPECT_EQ(list[1]->GetID(), 4u);
  EXPECT_EQ(dynamic_cast<CPluginWindowControl*>(list[0])->HolderCount(), 1u);  // lent
}

TEST(PluginWindowControl, ResourceMapsAndAssignmentMerge) {
  CPluginWindowControl control;
  EXPECT_EQ(Described(&control), std::tuple(0u, qo::String(), CRect(), 0u, HWND{}));
  EXPECT_EQ(control.AddResource(kKeyA, u"text"), 1);
  EXPECT_EQ(control.AddResource(kKeyA, 7u), 1);  // same key, the other kind: both stay
  qo::String text = u"untouched";
  std::uint32_t number = 99;
  EXPECT_EQ(control.GetResource(kKeyA, text), 1);
  EXPECT_EQ(control.GetResource(kKeyA, number), 1);
  EXPECT_EQ(text, u"text");
  EXPECT_EQ(number, 7u);
  text = u"untouched";
  number = 99;
  EXPECT_EQ(control.GetResource(kKeyB, text), 0);
  EXPECT_EQ(control.GetResource(kKeyB, number), 0);
  EXPECT_EQ(text, u"untouched");
  EXPECT_EQ(number, 99u);
  control.AddResource(kKeyA, u"replaced");
  control.GetResource(kKeyA, text);
  EXPECT_EQ(text, u"replaced");

  // Assignment copies the description and adds the source's resources to the target's.
  Window window;
  CPluginWindowControl source(12, u"source", CRect(1, 2, 3, 4), 0x10, 0x20);
  source.SetHwnd(window.handle);
  source.AddResource(kKeyB, u"from source");
  source.AddResource(kKeyA, 8u);
  control.AddRef();
  EXPECT_EQ(&(control = source), &control);
  EXPECT_EQ(control.HolderCount(), 2u);
  EXPECT_EQ(Described(&control),
            std::tuple(12u, qo::String(u"source"), CRect(1, 2, 3, 4), 0x10u, window.handle));
  control.GetResource(kKeyA, text);
  control.GetResource(kKeyA, number);
  EXPECT_EQ(text, u"replaced");  // the target's own stays
  EXPECT_EQ(number, 8u);         // the source's wins
  control.GetResource(kKeyB, text);
  EXPECT_EQ(text, u"from source");
  EXPECT_EQ(source.GetResource(kKeyA, text), 0);  // the source is unchanged

  auto* clone = static_cast<IPluginWindowControl*>(source.Clone());
  EXPECT_EQ(clone->GetType(), CONTAINER_PLUGIN_WINDOW_CONTROL);
  EXPECT_EQ(Described(clone), Described(&source));
  EXPECT_EQ(clone->GetResource(kKeyB, text), 1);
  clone->AddResource(kKeyB, u"clone's own");
  source.GetResource(kKeyB, text);
  EXPECT_EQ(text, u"from source");
  clone->Release();
}

// An element's own values: window number, dialog, window, show command, resource handle,
// event handler, dialog template and init data.
auto Values(IPluginWindowElement& e) {
  return std::tuple(e.GetID(), e.GetDialogID(), e.GetHwnd(), e.GetCmdShow(),
                    static_cast<void*>(e.GetResourceHandle()), e.GetEventHandler(),
                    e.GetDialogTemplate(), e.GetDialogInit());
}

TEST(PluginWindowElement, AssignmentClonesControlsAndKeepsTheTargetsOthers) {
  Window window;
  int handler = 0;
  CPluginWindowElement source(&handler, CRect(1, 2, 3, 4), 77);
  EXPECT_EQ(source.GetID(), 0u);
  EXPECT_EQ(source.GetResourceHandle(), &handler);
  source.SetID(500);
  source.SetDialogID(101);
  source.SetHwnd(window.handle);
  source.ShowWindow(5);
  auto* handlerView = reinterpret_cast<IPluginWindowEventHandler*>(&handler);
  EXPECT_EQ(source.SetEventHandler(handlerView), 1);
  source.AddControl(1, u"source one", CRect(), 0, 0);
  source.AddControl(2, u"source two", CRect(), 0, 0);
  DLGTEMPLATE dialogTemplate{};
  source.SetDialogResource(&dialogTemplate, &handler);

  CPluginWindowElement target;
  target.AddRef();
  target.AddControl(2, u"target two", CRect(), 0, 0);
  target.AddControl(3, u"target three", CRect(), 0, 0);
  EXPECT_EQ(&(target = source), &target);
  EXPECT_EQ(target.HolderCount(), 2u);
  const auto sourceValues = std::tuple(500u, 101u, window.handle, 5, static_cast<void*>(&handler),
                                       handlerView, &dialogTemplate, static_cast<void*>(&handler));
  EXPECT_EQ(Values(target), sourceValues);
  std::vector<IPluginWindowControl*> controls;
  ASSERT_EQ(target.GetControls(controls), 3u);
  EXPECT_EQ(controls[0]->GetLabel(), u"source one");
  EXPECT_EQ(controls[1]->GetLabel(), u"source two");
  EXPECT_EQ(controls[2]->GetLabel(), u"target three");
  EXPECT_NE(controls[0], source.GetControl(1));  // a clone, held once
  EXPECT_EQ(dynamic_cast<CPluginWindowControl*>(controls[0])->HolderCount(), 1u);

  // Our choice: a copy construction copies the window number and the controls.
  CPluginWindowElement constructed(source);
  EXPECT_EQ(constructed.HolderCount(), 1u);
  EXPECT_EQ(Values(constructed), sourceValues);
  ASSERT_NE(constructed.GetControl(2), nullptr);
  EXPECT_NE(constructed.GetControl(2), source.GetControl(2));

  IDataContainer* clone = source.Clone();
  auto* cloned = static_cast<IPluginWindowElement*>(clone);
  EXPECT_EQ(cloned->GetType(), CONTAINER_PLUGIN_WINDOW_ELEMENT);
  EXPECT_EQ(Values(*cloned), sourceValues);
  EXPECT_EQ(cloned->GetControl(1)->GetLabel(), u"source one");
  cloned->GetControl(1)->AddResource(kKeyA, 1u);
  std::uint32_t number = 0;
  EXPECT_EQ(source.GetControl(1)->GetResource(kKeyA, number), 0);
  clone->Release();

  // Assigning an element to itself keeps its controls.
  IPluginWindowControl* before = source.GetControl(1);
  const CPluginWindowElement& same = source;
  source = same;
  EXPECT_EQ(source.GetControl(1), before);
}

TEST(PluginWindowContainers, FactoryMakesBothAndEachAnswersOnlyItsCode) {
  for (tagCONTAINER_DATATYPE code :
       {CONTAINER_PLUGIN_WINDOW_ELEMENT, CONTAINER_PLUGIN_WINDOW_CONTROL}) {
    IDataContainer* made = qo::MakeContainer(code);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->GetType(), code);
    void* out = nullptr;
    EXPECT_EQ(made->GetDataInterface(code, nullptr), 0);
    EXPECT_EQ(made->GetDataInterface(CONTAINER_PLUGIN_UI_ELEMENT, &out), 0);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(made->GetDataInterface(code, &out), 1);
    EXPECT_EQ(out, static_cast<void*>(made));
    EXPECT_EQ(made->Release(), 1);
    EXPECT_EQ(made->Release(), 1);
  }
}

}  // namespace
