// The plug-in classes without a field record: the description, UI element and event data. Our
// starting values, every field kept as set, and copies that carry every field (a borrowed
// pointer unchanged) and stay apart from the source; the shared table fills one field each.
#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>

#include "container_table.h"
#include "framework/catalogue.h"

namespace {

using qo::String;

using qo::test::Fields;

// A clone and an assignment onto a target of other values give back `filled`; the clone is an
// object of its own.
template <class T, class Want>
void ExpectCopiesCarry(T& source, T& target, const Want& filled) {
  EXPECT_EQ(Fields(source), filled);
  T* clone = dynamic_cast<T*>(source.Clone());
  EXPECT_NE(clone, &source);
  EXPECT_EQ(Fields(*clone), filled);
  clone->Release();
  EXPECT_NE(Fields(target), filled);
  EXPECT_EQ(&(target = source), &target);
  EXPECT_EQ(Fields(target), filled);
}

TEST(PluginInfo, StartsWithOurValuesAndKeepsAndCopiesEveryField) {
  CPluginInfo source;
  // Empty texts, status false, identifier and type 0, and loading option 3.
  EXPECT_EQ(Fields(source), std::tuple(String(), String(), String(), false, String(), String(), 0,
                                       3, String(), 0u));
  CPluginInfo target;
  source.SetAuthor(u"author");
  source.SetCopyRight(u"(c) 2026");
  source.SetVersion(u"1.2.3");
  source.SetStatus(true);
  source.SetDescription(u"description");
  source.SetPluginPath(u"/plugins/p.so");
  source.SetPluginType(static_cast<PluginType>(-7));  // any 32-bit plug-in type is stored
  source.SetLoadingOption(static_cast<PluginLoadingOption>(1));
  source.SetBrandKey(u"brand");
  source.SetPluginId(0xFFFFFFFEu);
  ExpectCopiesCarry(source, target,
                    std::tuple(String(u"author"), String(u"(c) 2026"), String(u"1.2.3"), true,
                               String(u"description"), String(u"/plugins/p.so"), -7, 1,
                               String(u"brand"), 0xFFFFFFFEu));
}

TEST(PluginUIElement, StartsEmptyAndKeepsAndCopiesEveryField) {
  CPluginUIElement source;
  EXPECT_EQ(Fields(source), std::tuple(0, String(), 0, String(), HBITMAP{}, 0, String(), 0, 0,
                                       nullptr, String(), 0u, 0u));  // ours: all zero
  const auto bitmap = reinterpret_cast<HBITMAP>(std::uintptr_t{0x4560});
  auto* const filter = reinterpret_cast<IUiFilter*>(std::uintptr_t{0x1230});
  source.SetPluginUILocation(static_cast<PluginUILocation>(4));
  source.SetLabel(u"Send file");
  source.SetCommandId(-17);
  source.SetImage(String(u"send.png"));
  source.SetImageHandle(bitmap);
  source.SetPluginId(99);
  source.SetEventGUID(u"{guid}");
  source.SetEnabled(5);  // flags come back exactly as set
  source.SetVisible(-1);
  source.SetUiFilter(filter);
  source.SetPUiKey(u"key");
  source.SetControlType(0xFFFFFFFFu);
  source.SetControlState(8);
  const auto filled = std::tuple(4, String(u"Send file"), -17, String(u"send.png"), bitmap, 99,
                                 String(u"{guid}"), 5, -1, filter, String(u"key"), 0xFFFFFFFFu, 8u);
  CPluginUIElement target;
  ExpectCopiesCarry(source, target, filled);
  auto* copy = dynamic_cast<CPluginUIElement*>(source.Copy());  // its own Copy as well
  EXPECT_EQ(Fields(*copy), filled);
  copy->Release();
}

TEST(PluginEventData, HoldsTheEventAndTheBorrowedPointerWhichCopiesCarry) {
  IDataContainer* made = qo::MakeContainer(CONTAINER_PLUGIN_EVENT_DATA);
  EXPECT_EQ(Fields(*static_cast<IPluginEventData*>(made)), std::tuple(0, nullptr));  // our start
  made->Release();
  int payload = 42;
  PluginEventData source(static_cast<PluginEvent>(-12345), &payload);
  PluginEventData target(static_cast<PluginEvent>(9), &made);
  ExpectCopiesCarry(source, target, std::tuple(-12345, static_cast<void*>(&payload)));
}

}  // namespace
