// Control commands: three independent parameter maps and the merging assignment.
#include "qodata/plugin_control_command.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "framework/catalogue.h"

namespace {

TEST(PluginControlCommand, StartsEmptyAndLeavesOutValuesOfMissingParametersAlone) {
  IDataContainer* made = qo::MakeContainer(CONTAINER_PLUGIN_CONTROL_COMMAND);
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made->GetType(), CONTAINER_PLUGIN_CONTROL_COMMAND);
  auto* command = static_cast<IPluginControlCommand*>(made);
  // Our starting values: every identifier and the command type 0.
  EXPECT_EQ(command->GetDialogId(), 0u);
  EXPECT_EQ(command->GetControlId(), 0u);
  EXPECT_EQ(command->GetFunctionId(), 0u);
  EXPECT_EQ(command->GetCommandType(), 0);

  std::int32_t signedValue = -5;
  std::uint32_t unsignedValue = 5;
  qo::String text = u"kept";
  EXPECT_EQ(command->GetParam(1, signedValue), 0);
  EXPECT_EQ(command->GetParam(1, unsignedValue), 0);
  EXPECT_EQ(command->GetParam(1, text), 0);
  EXPECT_EQ(signedValue, -5);
  EXPECT_EQ(unsignedValue, 5u);
  EXPECT_EQ(text, u"kept");

  void* out = nullptr;
  EXPECT_EQ(made->GetDataInterface(CONTAINER_PLUGIN_WINDOW_CONTROL, &out), 0);
  EXPECT_EQ(made->GetDataInterface(CONTAINER_PLUGIN_CONTROL_COMMAND, nullptr), 0);
  made->Release();
}

TEST(PluginControlCommand, EachKindOfParameterHasItsOwnMap) {
  CPluginControlCommand command;
  IPluginControlCommand& view = command;
  view.AddParam(7, std::int32_t{5});
  view.AddParam(7, qo::String(u"seven"));
  std::int32_t signedValue = 0;
  std::uint32_t unsignedValue = 42;
  qo::String text;
  EXPECT_EQ(view.GetParam(7, signedValue), 1);
  EXPECT_EQ(signedValue, 5);
  EXPECT_EQ(view.GetParam(7, text), 1);
  EXPECT_EQ(text, u"seven");
  EXPECT_EQ(view.GetParam(7, unsignedValue), 0);
  EXPECT_EQ(unsignedValue, 42u);

  view.AddParam(7, std::int32_t{-6});  // replaces the signed value only
  view.AddParam(7, std::uint32_t{0xFFFFFFFFu});
  view.GetParam(7, signedValue);
  view.GetParam(7, unsignedValue);
  view.GetParam(7, text);
  EXPECT_EQ(signedValue, -6);
  EXPECT_EQ(unsignedValue, 0xFFFFFFFFu);
  EXPECT_EQ(text, u"seven");
}

TEST(PluginControlCommand, AssignmentMergesParametersAndCopiesIdentifiers) {
  CPluginControlCommand source;
  source.SetDialogId(1);
  source.SetControlId(2);
  source.SetFunctionId(3);
  source.SetCommandType(static_cast<tagUI_COMMAND_TYPE>(-4));  // any 32-bit value
  source.AddParam(1, qo::String(u"one"));
  source.AddParam(5, std::int32_t{50});

  CPluginControlCommand target;
  target.AddRef();
  target.AddParam(2, qo::String(u"two"));
  target.AddParam(5, std::int32_t{-1});
  target.AddParam(6, std::uint32_t{60});
  EXPECT_EQ(&(target = source), &target);
  EXPECT_EQ(target.HolderCount(), 2u);
  EXPECT_EQ(target.GetDialogId(), 1u);
  EXPECT_EQ(target.GetControlId(), 2u);
  EXPECT_EQ(target.GetFunctionId(), 3u);
  EXPECT_EQ(target.GetCommandType(), -4);
  qo::String text;
  std::int32_t signedValue = 0;
  std::uint32_t unsignedValue = 0;
  EXPECT_EQ(target.GetParam(1, text), 1);
  EXPECT_EQ(text, u"one");
  EXPECT_EQ(target.GetParam(2, text), 1);  // the target's own stays
  EXPECT_EQ(text, u"two");
  EXPECT_EQ(target.GetParam(5, signedValue), 1);
  EXPECT_EQ(signedValue, 50);  // the source's wins
  EXPECT_EQ(target.GetParam(6, unsignedValue), 1);
  EXPECT_EQ(source.GetParam(2, text), 0);  // the source is unchanged

  CPluginControlCommand viaAmpersand;
  EXPECT_EQ(&(viaAmpersand & source), &viaAmpersand);
  EXPECT_EQ(viaAmpersand.GetParam(5, signedValue), 1);

  // A clone has exactly the source's parameters and is independent of it.
  auto* clone = static_cast<IPluginControlCommand*>(source.Clone());
  EXPECT_EQ(dynamic_cast<CPluginControlCommand*>(clone)->HolderCount(), 1u);
  EXPECT_EQ(clone->GetParam(1, text), 1);
  EXPECT_EQ(clone->GetParam(2, text), 0);
  EXPECT_EQ(clone->GetParam(6, unsignedValue), 0);
  EXPECT_EQ(clone->GetDialogId(), 1u);
  clone->AddParam(9, std::int32_t{9});
  EXPECT_EQ(source.GetParam(9, signedValue), 0);
  clone->Release();

  CPluginControlCommand constructed(source);
  EXPECT_EQ(constructed.HolderCount(), 1u);
  EXPECT_EQ(constructed.GetParam(1, text), 1);
}

}  // namespace
