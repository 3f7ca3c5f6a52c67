#include "platform/windows.h"

#include <gtest/gtest.h>

#include "qodata/platform.h"

namespace {

using namespace qo::platform;

WindowState StateOf(HWND window) {
  WindowState state{u"unset", -1, -1, -1, -1, -1, -1};
  EXPECT_TRUE(GetWindowState(window, &state));
  return state;
}

TEST(Window, StartsHiddenAndRecordsTheCalls) {
  HWND window = CreateWindowObject();
  ASSERT_NE(window, nullptr);
  WindowState state = StateOf(window);
  EXPECT_EQ(state.text, u"");
  EXPECT_EQ(state.showCommand, 0);
  EXPECT_EQ(state.x + state.y + state.width + state.height + state.repaint, 0);
  EXPECT_TRUE(GetWindowState(window, nullptr));  // a liveness check only

  EXPECT_EQ(SetWindowText(window, u"Title"), 1);
  EXPECT_EQ(MoveWindow(window, 10, 20, 300, 200, 0), 1);
  state = StateOf(window);
  EXPECT_EQ(state.text, u"Title");
  EXPECT_EQ(state.x, 10);
  EXPECT_EQ(state.y, 20);
  EXPECT_EQ(state.width, 300);
  EXPECT_EQ(state.height, 200);
  EXPECT_EQ(state.repaint, 0);
  DestroyWindowObject(window);
}

TEST(Window, ShowReportsWhetherTheWindowWasVisibleBefore) {
  HWND window = CreateWindowObject();
  EXPECT_EQ(ShowWindow(window, 5), 0);  // hidden before
  EXPECT_EQ(StateOf(window).showCommand, 5);
  EXPECT_NE(ShowWindow(window, 1), 0);  // visible before
  EXPECT_NE(ShowWindow(window, 0), 0);  // visible before; hidden now
  EXPECT_EQ(StateOf(window).showCommand, 0);
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
