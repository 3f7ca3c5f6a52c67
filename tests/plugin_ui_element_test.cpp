// UI elements (two views) and UI element actions (owned copies of an element and a data source).
#include "qodata/plugin_ui_element.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>

#include "framework/catalogue.h"
#include "qodata/data_source.h"
#include "qodata/plugin_info.h"

namespace {

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

// The second view's code leads to the first view of the same element, on one holder count.
TEST(PluginUIElement, TheSecondViewLeadsToTheFirst) {
  auto* second = static_cast<IPluginUIElement2*>(qo::MakeContainer(CONTAINER_PLUGIN_UI_ELEMENT2));
  CPluginUIElement* element = ClassOf(second);
  ASSERT_NE(element, nullptr);
  void* first = nullptr;
  ASSERT_EQ(second->GetDataInterface(CONTAINER_PLUGIN_UI_ELEMENT, &first), 1);
  EXPECT_EQ(std::tuple(first, second->GetType(), element->HolderCount()),
            std::tuple(static_cast<void*>(static_cast<IPluginUIElement*>(element)),
                       CONTAINER_PLUGIN_UI_ELEMENT, 2u));
  element->Release();
  element->Release();
}

// Image numbers become resource-name texts, 0 no image.
TEST(PluginUIElement, ImageNumbersBecomeResourceNameTexts) {
  CPluginUIElement element;
  IPluginUIElement& view = element;
  for (auto [number, text] :
       {std::pair<std::uint16_t, const char16_t*>{42, u"#42"}, {65535, u"#65535"}, {0, u""}}) {
    view.SetImage(qo::String(u"logo.png"));
    view.SetImage(number);
    EXPECT_EQ(view.GetImage(), text);
  }
  view.SetImage(qo::String(u"logo.png"));
  view.SetImage(0);  // a plain 0 picks the number overload
  EXPECT_EQ(view.GetImage(), u"");
}

TEST(PluginUIElementAction, KeepsItsOwnCopyOfTheElement) {
  TrackedElement::live = 0;
  TrackedElement::copies = 0;
  {
    CPluginUIElementAction action;
    EXPECT_EQ(std::tuple(action.GetPluginElement(), action.GetData(), action.GetPluginEvent()),
              std::tuple(nullptr, nullptr, 0));  // our starting values

    auto* first = new TrackedElement();
    auto* second = new TrackedElement();
    second->SetLabel(u"second");
    action.SetPluginUIElement(first);
    action.SetPluginUIElement(second);
    // Each call copies; the two originals and one copy live: the first copy went.
    EXPECT_EQ(std::tuple(TrackedElement::copies, TrackedElement::live), std::tuple(2, 3));
    IPluginUIElement* held = action.GetPluginElement();
    ASSERT_NE(held, nullptr);
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
  auto* heldClass = dynamic_cast<CQoDataSource*>(held);
  ASSERT_NE(heldClass, nullptr);
  // A clone with exactly the action's holder; the source keeps its own.
  EXPECT_EQ(std::tuple(heldClass == &source, held->GetDataType(), heldClass->HolderCount(),
                       source.HolderCount()),
            std::tuple(false, CONTAINER_PLUGIN_INFO, 1u, 1u));

  // A clone without a data-source view is dropped and the held data stays.
  TrackedInfo::live = 0;
  OddSource odd;
  action.SetData(&odd);
  EXPECT_EQ(action.GetData(), held);
  EXPECT_EQ(TrackedInfo::live, 0);

  action.SetData(nullptr);  // our choice: null keeps the held data
  EXPECT_EQ(action.GetData(), held);
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
  const auto held = std::tuple(PluginEvent{}, target.GetPluginElement(), target.GetData());
  target = empty;
  EXPECT_EQ(std::tuple(target.GetPluginEvent(), target.GetPluginElement(), target.GetData()), held);

  // The source has both: the target takes copies of its own (their values: the copies test).
  empty = full;
  EXPECT_NE(empty.GetPluginElement(), full.GetPluginElement());
  EXPECT_NE(empty.GetData(), full.GetData());

  // Assigning an action to itself keeps what it holds.
  IPluginUIElement* before = full.GetPluginElement();
  const CPluginUIElementAction& same = full;
  full = same;
  EXPECT_EQ(full.GetPluginElement(), before);
}

}  // namespace
