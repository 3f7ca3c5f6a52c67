// The plug-in description: its starting values, fields and copies.
#include "qodata/plugin_info.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using qo::String;

auto Fields(IPluginInfo& i) {
  return std::tuple(i.GetAuthor(), i.GetCopyRight(), i.GetVersion(), i.GetStatus(),
                    i.GetDescription(), i.GetPluginPath(), i.GetPluginType(), i.GetLoadOption(),
                    i.GetBrandKey(), i.GetPluginId());
}

TEST(PluginInfo, StartsWithOurValuesAndKeepsAndCopiesEveryField) {
  CPluginInfo source;
  // Empty texts, status false, identifier and type 0, and loading option 3.
  EXPECT_EQ(Fields(source), std::tuple(String(), String(), String(), false, String(), String(), 0,
                                       3, String(), 0u));
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
  const auto filled = std::tuple(String(u"author"), String(u"(c) 2026"), String(u"1.2.3"), true,
                                 String(u"description"), String(u"/plugins/p.so"), -7, 1,
                                 String(u"brand"), 0xFFFFFFFEu);
  EXPECT_EQ(Fields(source), filled);
  // The copies test sees no record of this class: Clone and assignment are checked here.
  auto* clone = static_cast<IPluginInfo*>(source.Clone());
  EXPECT_EQ(Fields(*clone), filled);
  clone->SetAuthor(u"changed");
  EXPECT_EQ(source.GetAuthor(), u"author");
  clone->Release();
  CPluginInfo target;
  EXPECT_EQ(&(target = source), &target);
  EXPECT_EQ(Fields(target), filled);
}

}  // namespace
