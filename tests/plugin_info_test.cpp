// The plug-in description and plug-in event data: our starting values, and copies that carry
// every field (a borrowed pointer unchanged) and stay apart from their source.
#include "qodata/plugin_info.h"

#include <gtest/gtest.h>

#include <tuple>

#include "framework/catalogue.h"
#include "qodata/plugin_event_data.h"

namespace {

using qo::String;

auto Fields(IPluginInfo& i) {
  return std::tuple(i.GetAuthor(), i.GetCopyRight(), i.GetVersion(), i.GetStatus(),
                    i.GetDescription(), i.GetPluginPath(), i.GetPluginType(), i.GetLoadOption(),
                    i.GetBrandKey(), i.GetPluginId());
}
auto Fields(IPluginEventData& e) { return std::tuple(e.GetEventId(), e.GetData()); }

// The copies test sees no record of these classes: a clone and an assignment onto a target
// of other values must give back `filled`, and the clone is an object of its own.
template <class T, class Want>
void ExpectCopiesCarry(T& source, T& target, const Want& filled) {
  EXPECT_EQ(Fields(source), filled);
  auto* clone = static_cast<typename T::MainInterface*>(source.Clone());
  EXPECT_NE(dynamic_cast<T*>(clone), &source);
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
