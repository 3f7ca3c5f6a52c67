// The plug-in description: its contract, starting values and copies.
#include "qodata/plugin_info.h"

#include <gtest/gtest.h>

#include <tuple>

#include "framework/catalogue.h"

namespace {

using qo::String;

void Fill(IPluginInfo& info) {
  info.SetAuthor(u"author");
  info.SetCopyRight(u"(c) 2026");
  info.SetVersion(u"1.2.3");
  info.SetStatus(true);
  info.SetDescription(u"description");
  info.SetPluginPath(u"/plugins/p.so");
  info.SetPluginType(static_cast<PluginType>(-7));
  info.SetLoadingOption(static_cast<PluginLoadingOption>(1));
  info.SetBrandKey(u"brand");
  info.SetPluginId(0xFFFFFFFEu);
}

auto Fields(IPluginInfo& i) {
  return std::tuple(i.GetAuthor(), i.GetCopyRight(), i.GetVersion(), i.GetStatus(),
                    i.GetDescription(), i.GetPluginPath(), i.GetPluginType(), i.GetLoadOption(),
                    i.GetBrandKey(), i.GetPluginId());
}
// What Fill gives: any 32-bit plug-in type is stored.
const auto kFilled = std::tuple(String(u"author"), String(u"(c) 2026"), String(u"1.2.3"), true,
                                String(u"description"), String(u"/plugins/p.so"), -7, 1,
                                String(u"brand"), 0xFFFFFFFEu);

TEST(PluginInfo, FactoryMakesAnEmptyDescriptionThatAnswersOnlyItsCode) {
  IDataContainer* container = qo::MakeContainer(CONTAINER_PLUGIN_INFO);
  ASSERT_NE(container, nullptr);
  EXPECT_EQ(container->GetType(), CONTAINER_PLUGIN_INFO);
  auto* info = static_cast<IPluginInfo*>(container);
  EXPECT_EQ(Fields(*info), std::tuple(String(), String(), String(), false, String(), String(), 0,
                                      3, String(), 0u));
  void* out = nullptr;
  EXPECT_EQ(container->GetDataInterface(CONTAINER_PLUGIN_INFO, &out), 1);
  EXPECT_EQ(out, static_cast<void*>(info));
  EXPECT_EQ(dynamic_cast<CPluginInfo*>(info)->HolderCount(), 2u);
  void* untouched = &out;
  EXPECT_EQ(container->GetDataInterface(CONTAINER_PLUGIN_UI_ELEMENT, &untouched), 0);
  EXPECT_EQ(untouched, static_cast<void*>(&out));
  EXPECT_EQ(container->GetDataInterface(CONTAINER_PLUGIN_INFO, nullptr), 0);
  EXPECT_EQ(container->Release(), 1);
  EXPECT_EQ(container->Release(), 1);  // the last holder: destroyed
}

TEST(PluginInfo, CopiesTakeEveryFieldButNotTheHolders) {
  CPluginInfo source;
  Fill(source);
  EXPECT_EQ(Fields(source), kFilled);
  source.AddRef();
  source.AddRef();

  IDataContainer* clone = source.Clone();
  auto* cloned = static_cast<IPluginInfo*>(clone);
  EXPECT_EQ(Fields(*cloned), kFilled);
  EXPECT_EQ(dynamic_cast<CPluginInfo*>(cloned)->HolderCount(), 1u);
  cloned->SetAuthor(u"changed");
  EXPECT_EQ(source.GetAuthor(), u"author");
  clone->Release();

  CPluginInfo copied(source);
  EXPECT_EQ(Fields(copied), kFilled);
  EXPECT_EQ(copied.HolderCount(), 1u);
  CPluginInfo target;
  target.AddRef();
  EXPECT_EQ(&(target = source), &target);
  EXPECT_EQ(Fields(target), kFilled);
  EXPECT_EQ(target.HolderCount(), 2u);
  CPluginInfo other;
  EXPECT_EQ(&(other & source), &other);
  EXPECT_EQ(Fields(other), kFilled);
  EXPECT_EQ(other.HolderCount(), 1u);
}

}  // namespace
