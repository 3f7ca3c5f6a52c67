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

// Shows report whether the window was visible before.
TEST(Window, StartsHiddenRecordsTheCallsAndShowReportsTheVisibilityBefore) {
  HWND window = CreateWindowObject();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(Shown(window), std::tuple(qo::String(u""), 0, 0, 0, 0, 0, 0));
  EXPECT_TRUE(GetWindowState(window, nullptr));  // a liveness check only

  EXPECT_EQ(SetWindowText(window, u"Title"), 1);
  EXPECT_EQ(MoveWindow(window, 10, 20, 300, 200, 0), 1);
  EXPECT_EQ(Shown(window), std::tuple(qo::String(u"Title"), 10, 20, 300, 200, 0, 0));

  EXPECT_EQ(ShowWindow(window, 5), 0);  // hidden before
  EXPECT_EQ(std::get<6>(Shown(window)), 5);
  EXPECT_NE(ShowWindow(window, 1), 0);  // visible before
  EXPECT_NE(ShowWindow(window, 0), 0);  // visible before; hidden now
  EXPECT_EQ(std::get<6>(Shown(window)), 0);
  EXPECT_EQ(ShowWindow(window, 0), 0);
  DestroyWindowObject(window);
}

TEST(Window, HandlesThatAreNotLiveAreRefused) {
  HWND window = CreateWindowObject();
  DestroyWindowObject(window);
  for (HWND dead : {window, static_cast<HWND>(nullptr)}) {
    WindowState untouched{u"kept", 1, 2, 3, 4, 5, 6};
    EXPECT_FALSE(GetWindowState(dead, &untouched));
    EXPECT_EQ(untouched.text, u"kept");
    EXPECT_EQ(ShowWindow(dead, 5), 0);
    EXPECT_EQ(SetWindowText(dead, u"x"), 0);
    EXPECT_EQ(MoveWindow(dead, 1, 2, 3, 4, 1), 0);
  }
  DestroyWindowObject(window);  // a second destroy is ignored

  // A new window never takes a destroyed window's handle, so a stale handle stays dead.
  HWND next = CreateWindowObject();
  EXPECT_NE(next, window);
  EXPECT_FALSE(GetWindowState(window, nullptr));
  DestroyWindowObject(next);
}

}  // namespace
