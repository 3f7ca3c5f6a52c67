// Control commands: three independent parameter maps and the merging assignment.
#include "qodata/plugin_control_command.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>

namespace {

using qo::String;

// The three parameters under a key: found flag and value each; missing values keep the marks.
auto Params(IPluginControlCommand& command, std::uint32_t key) {
  std::int32_t signedValue = -5;
  std::uint32_t unsignedValue = 5;
  String text = u"kept";
  const int signedFound = command.GetParam(key, signedValue);
  const int unsignedFound = command.GetParam(key, unsignedValue);
  const int textFound = command.GetParam(key, text);
  return std::tuple(signedFound, signedValue, unsignedFound, unsignedValue, textFound, text);
}
const auto kNone = std::tuple(0, -5, 0, 5u, 0, String(u"kept"));

TEST(PluginControlCommand, StartsEmptyAndEachKindOfParameterHasItsOwnMap) {
  CPluginControlCommand command;
  IPluginControlCommand& view = command;
  // Our starting values: every identifier and the command type 0.
  EXPECT_EQ(std::tuple(view.GetDialogId(), view.GetControlId(), view.GetFunctionId(),
                       view.GetCommandType()),
            std::tuple(0u, 0u, 0u, 0));
  EXPECT_EQ(Params(view, 7), kNone);
  view.AddParam(7, std::int32_t{5});
  view.AddParam(7, String(u"seven"));
  EXPECT_EQ(Params(view, 7), std::tuple(1, 5, 0, 5u, 1, String(u"seven")));
  view.AddParam(7, std::int32_t{-6});  // replaces the signed value only
  view.AddParam(7, std::uint32_t{0xFFFFFFFFu});
  EXPECT_EQ(Params(view, 7), std::tuple(1, -6, 1, 0xFFFFFFFFu, 1, String(u"seven")));
}

// Copies in general, identifiers too: the copies test.
TEST(PluginControlCommand, AssignmentMergesParameters) {
  CPluginControlCommand source;
  source.AddParam(1, String(u"one"));
  source.AddParam(5, std::int32_t{50});

  CPluginControlCommand target;
  target.AddParam(2, String(u"two"));
  target.AddParam(5, std::int32_t{-1});
  target.AddParam(6, std::uint32_t{60});
  EXPECT_EQ(&(target = source), &target);
  // The source's parameters win; the target's others stay; the source is unchanged.
  EXPECT_EQ(Params(target, 1), std::tuple(0, -5, 0, 5u, 1, String(u"one")));
  EXPECT_EQ(Params(target, 2), std::tuple(0, -5, 0, 5u, 1, String(u"two")));
  EXPECT_EQ(Params(target, 5), std::tuple(1, 50, 0, 5u, 0, String(u"kept")));
  EXPECT_EQ(Params(target, 6), std::tuple(0, -5, 1, 60u, 0, String(u"kept")));
  EXPECT_EQ(Params(source, 2), kNone);
}

}  // namespace
