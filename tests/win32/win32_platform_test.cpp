// The Windows platform layer against the real Win32 functions: what the shared tests cannot
// see through the layer itself, read back from Windows (through the layer's Win32 bridge).
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <string>
#include <tuple>
#include <vector>

#include "platform/contract.h"
#include "platform/win32/win32_api.h"
#include "qodata/platform.h"

namespace {

using namespace qo::platform;

std::string Fixture(const char* name) { return std::string(QODATA_FIXTURE_DIR) + "/" + name; }

TEST(Win32Resources, APluginsOwnModuleIsReadWhileItStaysLoaded) {
  // A resource-only DLL loaded as a plug-in is (by the loader, not by this layer).
  void* plugin = dlopen(Fixture("dialog.res").c_str(), RTLD_NOW);
  ASSERT_NE(plugin, nullptr) << dlerror();
  auto* module = static_cast<HINSTANCE>(plugin);
  ResourceHandle init = FindResource(module, 101, kResourceTypeDialogInit);
  ASSERT_NE(init, nullptr);
  const void* bytes = LockResource(LoadResource(module, init));
  EXPECT_TRUE(qo::win32::ImageContains(plugin, bytes)) << "read in place from the mapped image";
  EXPECT_EQ(FindResourceModule(101, kResourceTypeDialog), nullptr)
      << "only modules loaded through the layer are searched";
  FreeResourceModule(module);  // not the layer's: left to its owner
  EXPECT_NE(FindResource(module, 101, kResourceTypeDialog), nullptr);

  ASSERT_EQ(dlclose(plugin), 0);
  EXPECT_EQ(FindResource(module, 101, kResourceTypeDialog), nullptr) << "unloaded";
  EXPECT_EQ(LoadResource(module, init), nullptr);
  EXPECT_EQ(LoadBitmap(module, 201), nullptr);
}

TEST(Win32Resources, BitmapsAreRealGdiBitmapsReadBackPixelForPixel) {
  HINSTANCE module = LoadResourceModule(Fixture("dialog.res").c_str());
  ASSERT_NE(module, nullptr);
  ResourceHandle resource = FindResource(module, 201, kResourceTypeBitmap);
  const auto* stored =
      static_cast<const std::uint8_t*>(LockResource(LoadResource(module, resource)));
  ASSERT_NE(stored, nullptr);
  const std::vector<std::uint8_t> expected(stored + 40, stored + SizeofResource(module, resource));

  HBITMAP bitmap = LoadBitmap(module, 201);
  ASSERT_NE(bitmap, nullptr);
  FreeResourceModule(module);
  // The pixels live in the GDI object, not in the freed module.
  const std::vector<std::uint8_t> bytes = BitmapBytes(bitmap);
  ASSERT_EQ(bytes.size(), 40u + expected.size());
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin() + 40, bytes.end()), expected);
  EXPECT_EQ(bytes[14], 24) << "read back in the bit depth of its resource";
  DeleteObject(bitmap);  // deleting twice: resources_test.cpp, under Windows too
}

TEST(Win32Windows, TheWindowItselfCarriesTextPlaceAndVisibility) {
  HWND window = CreateWindowObject();
  ASSERT_NE(window, nullptr);
  qo::win32::WindowReading reading;
  ASSERT_TRUE(qo::win32::ReadWindow(window, reading));
  EXPECT_FALSE(reading.visible) << "made hidden";

  EXPECT_EQ(SetWindowText(window, u"T\u00EEtle \u0394"), 1);
  EXPECT_EQ(MoveWindow(window, 10, 20, 300, 200, 1), 1);
  EXPECT_EQ(ShowWindow(window, 5), 0);
  ASSERT_TRUE(qo::win32::ReadWindow(window, reading));
  // UTF-16 reaches the W function unchanged.
  EXPECT_EQ(std::tuple(reading.text, reading.left, reading.top, reading.right, reading.bottom,
                       reading.visible),
            std::tuple(u"T\u00EEtle \u0394", 10, 20, 310, 220, true));

  // Windows applies no negative size; the state still reports the request as given.
  EXPECT_EQ(MoveWindow(window, 5, 6, -7, -8, 0), 1);
  ASSERT_TRUE(qo::win32::ReadWindow(window, reading));
  EXPECT_EQ(reading.right - reading.left, 0);
  WindowState state{};
  ASSERT_TRUE(GetWindowState(window, &state));
  EXPECT_EQ(std::tuple(state.width, state.height, state.repaint), std::tuple(-7, -8, 0));
  DestroyWindowObject(window);
  EXPECT_FALSE(qo::win32::IsWindow(window));
}

TEST(Win32Windows, AClientsWindowIsReadButNeverDestroyedByTheLayer) {
  void* client = qo::win32::CreateHiddenWindow();
  ASSERT_NE(client, nullptr);
  auto* window = static_cast<HWND>(client);
  EXPECT_EQ(SetWindowText(window, u"client"), 1);
  WindowState state{};
  ASSERT_TRUE(GetWindowState(window, &state));
  EXPECT_EQ(std::tuple(state.text, state.showCommand), std::tuple(u"client", 0));
  EXPECT_EQ(ShowWindow(window, 1), 0);
  ASSERT_TRUE(GetWindowState(window, &state));
  EXPECT_EQ(state.showCommand, 5) << "a visible window the layer did not make reports SW_SHOW";

  DestroyWindowObject(window);
  EXPECT_TRUE(qo::win32::IsWindow(client));
  qo::win32::DestroyWindow(client);
  EXPECT_FALSE(GetWindowState(window, nullptr));
}

TEST(Win32Text, LowerCaseFollowsTheRuntimesCurrentLocale) {
  const std::string saved = std::setlocale(LC_CTYPE, nullptr);
  ASSERT_NE(std::setlocale(LC_CTYPE, "C"), nullptr);
  EXPECT_EQ(ToLower(u"\u00C4BC \u0394"), u"\u00C4bc \u0394") << "the C locale knows ASCII only";
  // Windows has no C.UTF-8; a Windows locale lowers any UTF-16 unit, in its code page or not.
  ASSERT_NE(std::setlocale(LC_CTYPE, ".1252"), nullptr);
  EXPECT_EQ(ToLower(u"\u00C4RGER \u0394"), u"\u00E4rger \u03B4");
  EXPECT_TRUE(EqualsNoCase(u"\u00C4", u"\u00E4"));
  std::setlocale(LC_CTYPE, saved.c_str());
}

std::tm Date(int year, int month, int day) {
  std::tm parts{};
  parts.tm_year = year - 1900;
  parts.tm_mon = month - 1;
  parts.tm_mday = day;
  return parts;
}

TEST(Win32Time, DatesBeforeTheRuntimesRangeMoveBy400YearCycles) {
  _putenv("TZ=UTC0");
  _tzset();
  qo::Time time = 0;
  ASSERT_TRUE(LocalTimeToCalendar(Date(1900, 1, 1), time));
  EXPECT_EQ(time, -2208988800);
  ASSERT_TRUE(LocalTimeToCalendar(Date(1601, 3, 1), time));
  EXPECT_EQ(time, -11639376000) << "several cycles";
  ASSERT_TRUE(LocalTimeToCalendar(Date(1970, 0, 1), time)) << "a month carried back into 1969";
  EXPECT_EQ(time, -2678400);

  // The runtime's own daylight saving time applies to the moved date as to any other.
  _putenv("TZ=CET-1CEST");
  _tzset();
  ASSERT_TRUE(LocalTimeToCalendar(Date(1950, 7, 4), time));
  EXPECT_EQ(time, -615261600) << "summer: two hours ahead of UTC";

  // The runtime's last year is the end; the out value is left alone.
  time = 42;
  EXPECT_FALSE(LocalTimeToCalendar(Date(3001, 1, 1), time));
  EXPECT_EQ(time, 42);
  _putenv("TZ=");
  _tzset();
}

}  // namespace
