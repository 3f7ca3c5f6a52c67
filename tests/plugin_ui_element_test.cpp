// UI elements (two interfaces on one holder count) and UI element actions (owned copies of an
// element and of a data source, and the rules of their assignment).
#include "qodata/plugin_ui_element.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>

#include "framework/catalogue.h"
#include "qodata/data_source.h"
#include "qodata/plugin_info.h"

namespace {

IUiFilter* const kFilter = reinterpret_cast<IUiFilter*>(std::uintptr_t{0x1230});
const HBITMAP kBitmap = reinterpret_cast<HBITMAP>(std::uintptr_t{0x4560});

// An element that counts the live instances of its class and the Copy calls made on it.
class TrackedElement : public CPluginUIElement {
 public:
  TrackedElement() { ++live; }
  TrackedElement(const TrackedElement& other) : CPluginUIElement(other) { ++live; }
  ~TrackedElement() override { --live; }
  IPluginUIElement* Copy() override {
    ++copies;
    return new TrackedElement(*this);
  }
  static inline int live = 0;
  static inline int copies = 0;
};

// A description that counts its live instances.
class TrackedInfo : public CPluginInfo {
 public:
  TrackedInfo() { ++live; }
  ~TrackedInfo() override { --live; }
  static inline int live = 0;
};

// A data source whose clone is no data source.
class OddSource : public CQoDataSource {
 public:
  IDataContainer* Clone() override { return new TrackedInfo(); }
};

CPluginUIElement* ClassOf(IDataContainer* view) { return dynamic_cast<CPluginUIElement*>(view); }

void Fill(CPluginUIElement& element) {
  element.SetPluginUILocation(static_cast<PluginUILocation>(4));
  element.SetLabel(u"Send file");
  element.SetCommandId(-17);
  element.SetImage(qo::String(u"send.png"));
  element.SetImageHandle(kBitmap);
  element.SetPluginId(99);
  element.SetEventGUID(u"{guid}");
  element.SetEnabled(5);
  element.SetVisible(-1);
  element.SetUiFilter(kFilter);
  element.SetPUiKey(u"key");
  element.SetControlType(0xFFFFFFFFu);
  element.SetControlState(8);
}

// Every field, as the getters give it back.
auto Fields(CPluginUIElement& e) {
  return std::tuple(e.GetLocation(), e.GetLabel(), e.GetCommandId(), e.GetImage(),
                    e.GetImageHandle(), e.GetPluginId(), e.GetEventGUID(), e.IsEnabled(),
                    e.IsVisible(), e.GetUiFilter(), e.GetPUiKey(), e.GetControlType(),
                    e.GetControlState());
}
// What Fill gives: flags come back exactly as set.
void ExpectFilled(CPluginUIElement& element) {
  EXPECT_EQ(Fields(element), std::tuple(4, qo::String(u"Send file"), -17, qo::String(u"send.png"),
                                        kBitmap, 99, qo::String(u"{guid}"), 5, -1, kFilter,
                                        qo::String(u"key"), 0xFFFFFFFFu, 8u));
}

TEST(PluginUIElement, BothViewsShareOneHolderCount) {
  IDataContainer* made = qo::MakeContainer(CONTAINER_PLUGIN_UI_ELEMENT2);
  ASSERT_NE(made, nullptr);
  auto* second = static_cast<IPluginUIElement2*>(made);
  CPluginUIElement* element = ClassOf(made);
  ASSERT_NE(element, nullptr);
  EXPECT_EQ(static_cast<IPluginUIElement2*>(element), second);
  EXPECT_EQ(second->GetType(), CONTAINER_PLUGIN_UI_ELEMENT);

  void* out = nullptr;
  ASSERT_EQ(second->GetDataInterface(CONTAINER_PLUGIN_UI_ELEMENT, &out), 1);
  auto* first = static_cast<IPluginUIElement*>(out);
  EXPECT_EQ(first, static_cast<IPluginUIElement*>(element));
  EXPECT_EQ(first->GetType(), CONTAINER_PLUGIN_UI_ELEMENT);
  EXPECT_EQ(element->HolderCount(), 2u);
  void* back = nullptr;
  ASSERT_EQ(first->GetDataInterface(CONTAINER_PLUGIN_UI_ELEMENT2, &back), 1);
  EXPECT_EQ(back, static_cast<void*>(second));
  EXPECT_EQ(element->HolderCount(), 3u);
  void* refused = &out;
  EXPECT_EQ(first->GetDataInterface(CONTAINER_PLUGIN_UI_ELEMENT_ACTION, &refused), 0);
  EXPECT_EQ(refused, static_cast<void*>(&out));

  EXPECT_EQ(second->Release(), 1);
  EXPECT_EQ(first->Release(), 1);
  EXPECT_EQ(element->HolderCount(), 1u);
  EXPECT_EQ(second->Release(), 1);  // the last holder, dropped through the second view
}

// Our starting values are all zero; image numbers become resource-name texts, 0 no image.
TEST(PluginUIElement, StartsEmptyAndImageNumbersBecomeResourceNameTexts) {
  CPluginUIElement element;
  EXPECT_EQ(Fields(element), std::tuple(0, qo::String(), 0, qo::String(), HBITMAP{}, 0,
                                        qo::String(), 0, 0, nullptr, qo::String(), 0u, 0u));
  IPluginUIElement& view = element;
  for (auto [number, text] : {std::pair<std::uint16_t, const char16_t*>{42, u"#42"},
                              {65535, u"#65535"}, {0, u""}}) {
    view.SetImage(qo::String(u"logo.png"));
    view.SetImage(number);
    EXPECT_EQ(view.GetImage(), text);
  }
  view.SetImage(qo::String(u"logo.png"));
  view.SetImage(0);  // a plain 0 picks the number overload
  EXPECT_EQ(view.GetImage(), u"");
}

TEST(PluginUIElement, CopiesCarryTheSameHandleAndFilterAndOwnTheirTexts) {
  CPluginUIElement source;
  Fill(source);
  source.AddRef();

  IDataContainer* clone = source.Clone();
  CPluginUIElement* cloned = ClassOf(clone);
  ASSERT_NE(cloned, nullptr);
  EXPECT_EQ(clone, static_cast<IDataContainer*>(static_cast<IPluginUIElement*>(cloned)));
  EXPECT_EQ(cloned->HolderCount(), 1u);
  ExpectFilled(*cloned);
  cloned->SetLabel(u"other");
  cloned->SetPUiKey(u"other key");
  EXPECT_EQ(source.GetLabel(), u"Send file");
  EXPECT_EQ(source.GetPUiKey(), u"key");
  clone->Release();

  IPluginUIElement* copy = source.Copy();
  ExpectFilled(*ClassOf(copy));
  EXPECT_EQ(ClassOf(copy)->HolderCount(), 1u);
  copy->Release();

  CPluginUIElement target;
  target.AddRef();
  EXPECT_EQ(&(target = source), &target);
  ExpectFilled(target);
  EXPECT_EQ(target.HolderCount(), 2u);
  CPluginUIElement other;
  EXPECT_EQ(&(other & source), &other);
  ExpectFilled(other);
  CPluginUIElement constructed(source);
  ExpectFilled(constructed);
  EXPECT_EQ(constructed.HolderCount(), 1u);
}

TEST(PluginUIElementAction, KeepsItsOwnCopyOfTheElement) {
  TrackedElement::live = 0;
  TrackedElement::copies = 0;
  {
    CPluginUIElementAction action;
    EXPECT_EQ(action.GetPluginElement(), nullptr);
    EXPECT_EQ(action.GetPluginEvent(), 0);  // our starting event

    auto* first = new TrackedElement();
    auto* second = new TrackedElement();
    first->SetLabel(u"first");
    second->SetLabel(u"second");
    action.SetPluginUIElement(first);
    action.SetPluginUIElement(second);
    EXPECT_EQ(TrackedElement::copies, 2);
    EXPECT_EQ(TrackedElement::live, 3);  // the two originals and one copy: the first went
    IPluginUIElement* held = action.GetPluginElement();
    ASSERT_NE(held, nullptr);
    EXPECT_NE(held, static_cast<IPluginUIElement*>(second));
    EXPECT_EQ(held->GetLabel(), u"second");
    EXPECT_EQ(ClassOf(held)->HolderCount(), 1u);  // lent, no holder added

    second->SetLabel(u"changed afterwards");
    EXPECT_EQ(action.GetPluginElement()->GetLabel(), u"second");

    action.SetPluginUIElement(nullptr);  // our choice: null keeps the held copy
    EXPECT_EQ(action.GetPluginElement(), held);
    first->Release();
    second->Release();
    EXPECT_EQ(TrackedElement::live, 1);
  }
  EXPECT_EQ(TrackedElement::live, 0);  // the action released its copy
}

TEST(PluginUIElementAction, KeepsTheDataSourceViewOfAClone) {
  CPluginUIElementAction action;
  CQoDataSource source;
  source.SetDataType(CONTAINER_PLUGIN_INFO);
  action.SetData(&source);
  IDataSource* held = action.GetData();
  ASSERT_NE(held, nullptr);
  EXPECT_NE(held, static_cast<IDataSource*>(&source));
  EXPECT_EQ(held->GetDataType(), CONTAINER_PLUGIN_INFO);
  auto* heldClass = dynamic_cast<CQoDataSource*>(held);
  ASSERT_NE(heldClass, nullptr);
  EXPECT_EQ(heldClass->HolderCount(), 1u);  // exactly the action's holder
  EXPECT_EQ(source.HolderCount(), 1u);

  // A clone without a data-source view is dropped and the held data stays.
  TrackedInfo::live = 0;
  OddSource odd;
  action.SetData(&odd);
  EXPECT_EQ(action.GetData(), held);
  EXPECT_EQ(TrackedInfo::live, 0);

  action.SetData(nullptr);  // our choice: null keeps the held data
  EXPECT_EQ(action.GetData(), held);

  CQoDataSource replacement;
  replacement.SetDataType(CONTAINER_PLUGIN_EVENT_DATA);
  action.SetData(&replacement);
  EXPECT_EQ(action.GetData()->GetDataType(), CONTAINER_PLUGIN_EVENT_DATA);
}

TEST(PluginUIElementAction, AssignmentCopiesWhatTheSourceHoldsAndKeepsTheRest) {
  CPluginUIElement element;
  element.SetLabel(u"element");
  CQoDataSource data;
  data.SetDataType(CONTAINER_PLUGIN_INFO);

  CPluginUIElementAction full;
  full.SetPluginEvent(static_cast<PluginEvent>(21));
  full.SetPluginUIElement(&element);
  full.SetData(&data);

  // The source has neither element nor data: the target keeps its own, takes the event.
  CPluginUIElementAction empty;
  CPluginUIElementAction target(full);
  target.AddRef();
  IPluginUIElement* targetElement = target.GetPluginElement();
  IDataSource* targetData = target.GetData();
  EXPECT_EQ(&(target = empty), &target);
  EXPECT_EQ(target.GetPluginEvent(), 0);
  EXPECT_EQ(target.GetPluginElement(), targetElement);
  EXPECT_EQ(target.GetData(), targetData);
  EXPECT_EQ(target.HolderCount(), 2u);

  // The source has both: the target takes copies of its own.
  EXPECT_EQ(&(empty & full), &empty);
  EXPECT_EQ(empty.GetPluginEvent(), 21);
  ASSERT_NE(empty.GetPluginElement(), nullptr);
  EXPECT_NE(empty.GetPluginElement(), full.GetPluginElement());
  EXPECT_EQ(empty.GetPluginElement()->GetLabel(), u"element");
  ASSERT_NE(empty.GetData(), nullptr);
  EXPECT_NE(empty.GetData(), full.GetData());
  EXPECT_EQ(empty.GetData()->GetDataType(), CONTAINER_PLUGIN_INFO);

  // Assigning an action to itself keeps what it holds.
  IPluginUIElement* before = full.GetPluginElement();
  const CPluginUIElementAction& same = full;
  full = same;
  EXPECT_EQ(full.GetPluginElement(), before);

  IDataContainer* clone = full.Clone();
  auto* cloned = static_cast<IPluginUIElementAction*>(clone);
  EXPECT_EQ(cloned->GetType(), CONTAINER_PLUGIN_UI_ELEMENT_ACTION);
  EXPECT_EQ(cloned->GetPluginEvent(), 21);
  EXPECT_NE(cloned->GetPluginElement(), full.GetPluginElement());
  EXPECT_EQ(cloned->GetPluginElement()->GetLabel(), u"element");
  EXPECT_NE(cloned->GetData(), full.GetData());
  EXPECT_EQ(clone->Release(), 1);
  target.Release();
}

TEST(PluginUIElementAction, FactoryMakesAnEmptyAction) {
  IDataContainer* made = qo::MakeContainer(CONTAINER_PLUGIN_UI_ELEMENT_ACTION);
  ASSERT_NE(made, nullptr);
  auto* action = static_cast<IPluginUIElementAction*>(made);
  EXPECT_EQ(action->GetPluginElement(), nullptr);
  EXPECT_EQ(action->GetData(), nullptr);
  void* out = nullptr;
  EXPECT_EQ(made->GetDataInterface(CONTAINER_PLUGIN_UI_ELEMENT, &out), 0);
  EXPECT_EQ(made->GetDataInterface(CONTAINER_PLUGIN_UI_ELEMENT_ACTION, &out), 1);
  EXPECT_EQ(out, static_cast<void*>(action));
  action->Release();
  made->Release();
}

}  // namespace
