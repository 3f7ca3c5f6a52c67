// The plug-in description: its contract, starting values, independent fields and copies.
#include "qodata/plugin_info.h"

#include <gtest/gtest.h>

#include "framework/catalogue.h"

namespace {

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

void ExpectFilled(IPluginInfo& info) {
  EXPECT_EQ(info.GetAuthor(), u"author");
  EXPECT_EQ(info.GetCopyRight(), u"(c) 2026");
  EXPECT_EQ(info.GetVersion(), u"1.2.3");
  EXPECT_TRUE(info.GetStatus());
  EXPECT_EQ(info.GetDescription(), u"description");
  EXPECT_EQ(info.GetPluginPath(), u"/plugins/p.so");
  EXPECT_EQ(info.GetPluginType(), -7);  // any 32-bit value is stored
  EXPECT_EQ(info.GetLoadOption(), 1);
  EXPECT_EQ(info.GetBrandKey(), u"brand");
  EXPECT_EQ(info.GetPluginId(), 0xFFFFFFFEu);
}

TEST(PluginInfo, FactoryMakesAnEmptyDescriptionThatAnswersOnlyItsCode) {
  IDataContainer* container = qo::MakeContainer(CONTAINER_PLUGIN_INFO);
  ASSERT_NE(container, nullptr);
  EXPECT_EQ(container->GetType(), CONTAINER_PLUGIN_INFO);
  auto* info = static_cast<IPluginInfo*>(container);
  EXPECT_EQ(info->GetAuthor(), u"");
  EXPECT_EQ(info->GetCopyRight(), u"");
  EXPECT_EQ(info->GetVersion(), u"");
  EXPECT_EQ(info->GetDescription(), u"");
  EXPECT_EQ(info->GetPluginPath(), u"");
  EXPECT_EQ(info->GetBrandKey(), u"");
  EXPECT_FALSE(info->GetStatus());
  EXPECT_EQ(info->GetPluginId(), 0u);
  EXPECT_EQ(info->GetPluginType(), 0);
  EXPECT_EQ(info->GetLoadOption(), 3);

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

TEST(PluginInfo, EachSetterChangesOnlyItsField) {
  CPluginInfo info;
  info.SetAuthor(u"someone");
  EXPECT_EQ(info.GetCopyRight(), u"");
  EXPECT_EQ(info.GetVersion(), u"");
  EXPECT_EQ(info.GetDescription(), u"");
  EXPECT_EQ(info.GetBrandKey(), u"");
  EXPECT_EQ(info.GetLoadOption(), 3);

  Fill(info);
  ExpectFilled(info);
  info.SetStatus(false);
  info.SetLoadingOption(static_cast<PluginLoadingOption>(0x7FFFFFFF));
  EXPECT_FALSE(info.GetStatus());
  EXPECT_EQ(info.GetLoadOption(), 0x7FFFFFFF);
  EXPECT_EQ(info.GetPluginType(), -7);
}

TEST(PluginInfo, CopiesTakeEveryFieldButNotTheHolders) {
  CPluginInfo source;
  Fill(source);
  source.AddRef();
  source.AddRef();

  IDataContainer* clone = source.Clone();
  auto* cloned = static_cast<IPluginInfo*>(clone);
  ExpectFilled(*cloned);
  EXPECT_EQ(dynamic_cast<CPluginInfo*>(cloned)->HolderCount(), 1u);
  cloned->SetAuthor(u"changed");
  EXPECT_EQ(source.GetAuthor(), u"author");
  clone->Release();

  CPluginInfo copied(source);
  ExpectFilled(copied);
  EXPECT_EQ(copied.HolderCount(), 1u);

  CPluginInfo target;
  target.AddRef();
  EXPECT_EQ(&(target = source), &target);
  ExpectFilled(target);
  EXPECT_EQ(target.HolderCount(), 2u);

  CPluginInfo other;
  EXPECT_EQ(&(other & source), &other);
  ExpectFilled(other);
  EXPECT_EQ(other.HolderCount(), 1u);
}

}  // namespace
