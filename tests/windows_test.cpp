#include "platform/contract.h"

#include <gtest/gtest.h>

#include <tuple>

#include "qodata/platform.h"

namespace {

using namespace qo::platform;

// Text, place, size, repaint flag and show command of a live window.
auto Shown(HWND window) {
  WindowState s{u"unset", -1, -1, -1, -1, -1, -1};
  EXPECT_TRUE(GetWindowState(window, &s));
  return std::tuple(s.text, s.x, s.y, s.width, s.height, s.repaint, s.showCommand);
}

// Shows report whether the window was visible before (text, place and a stored show command
// through the window element and control: plugin_window_test.cpp); handles not live are refused.
TEST(Window, StartsHiddenShowReportsTheVisibilityBeforeAndDeadHandlesAreRefused) {
  HWND window = CreateWindowObject();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(Shown(window), std::tuple(qo::String(u""), 0, 0, 0, 0, 0, 0));
  EXPECT_TRUE(GetWindowState(window, nullptr));  // a liveness check only
  EXPECT_EQ(ShowWindow(window, 5), 0);           // hidden before
  EXPECT_NE(ShowWindow(window, 1), 0);           // visible before
  EXPECT_NE(ShowWindow(window, 0), 0);           // visible before; hidden now
  EXPECT_EQ(std::get<6>(Shown(window)), 0);
  EXPECT_EQ(ShowWindow(window, 0), 0);
  DestroyWindowObject(window);
  for (HWND dead : {window, static_cast<HWND>(nullptr)}) {
    WindowState untouched{u"kept", 1, 2, 3, 4, 5, 6};
    EXPECT_EQ(std::tuple(GetWindowState(dead, &untouched), ShowWindow(dead, 5),
                         SetWindowText(dead, u"x"), MoveWindow(dead, 1, 2, 3, 4, 1)),
              std::tuple(false, 0, 0, 0));
    EXPECT_EQ(untouched.text, u"kept");
  }
  DestroyWindowObject(window);  // a second destroy is ignored

  // A new window never takes a destroyed window's handle, so a stale handle stays dead.
  HWND next = CreateWindowObject();
  EXPECT_NE(next, window);
  EXPECT_FALSE(GetWindowState(window, nullptr));
  DestroyWindowObject(next);
}

}  // namespace
