#include "platform/resources.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "qodata/platform.h"

namespace {

using namespace qo::platform;

std::string Fixture(const char* name) { return std::string(QODATA_FIXTURE_DIR) + "/" + name; }

std::uint16_t Word(const void* data, std::size_t at) {
  const auto* bytes = static_cast<const std::uint8_t*>(data);
  return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

// A module loaded from a fixture, freed at the end of the test.
struct Module {
  explicit Module(const char* name) : handle(LoadResourceModule(Fixture(name).c_str())) {}
  ~Module() { FreeResourceModule(handle); }
  HINSTANCE handle;
};

TEST(ResourceModule, FilesThatAreNoResourceFilesGiveNullModules) {
  EXPECT_EQ(LoadResourceModule(nullptr), nullptr);
  EXPECT_EQ(LoadResourceModule(Fixture("missing.res").c_str()), nullptr);
  EXPECT_EQ(LoadResourceModule(QODATA_FIXTURE_DIR), nullptr);  // a directory

  const auto path = std::filesystem::temp_directory_path() / "qodata_resources_test_not_res.bin";
  {
    std::ofstream text(path, std::ios::binary);
    text << "not a resource file at all, just some text of a decent length....";
  }
  EXPECT_EQ(LoadResourceModule(path.string().c_str()), nullptr);
  { std::ofstream empty(path, std::ios::binary | std::ios::trunc); }
  EXPECT_EQ(LoadResourceModule(path.string().c_str()), nullptr);
  std::filesystem::remove(path);

  FreeResourceModule(nullptr);  // harmless
}

TEST(ResourceModule, FindsDialogInitDataAndBitmapsByNumber) {
  Module module("dialog.res");
  ASSERT_NE(module.handle, nullptr);

  ResourceHandle dialog = FindResource(module.handle, 101, kResourceTypeDialog);
  ASSERT_NE(dialog, nullptr);
  ASSERT_GE(SizeofResource(module.handle, dialog), sizeof(DLGTEMPLATE));
  const auto* dialogTemplate =
      static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(module.handle, dialog)));
  ASSERT_NE(dialogTemplate, nullptr);
  EXPECT_EQ(dialogTemplate->style & 0xFFFF0000u, 0x80C80000u);
  EXPECT_EQ(dialogTemplate->cdit, 3);
  EXPECT_EQ(dialogTemplate->cx, 200);
  EXPECT_EQ(dialogTemplate->cy, 100);

  ResourceHandle init = FindResource(module.handle, 101, kResourceTypeDialogInit);
  ASSERT_NE(init, nullptr);
  EXPECT_EQ(SizeofResource(module.handle, init), 14u);
  const void* initData = LockResource(LoadResource(module.handle, init));
  EXPECT_EQ(Word(initData, 0), 1003);    // the combo box
  EXPECT_EQ(Word(initData, 2), 0x0403);  // its message
  EXPECT_EQ(FreeResource(LoadResource(module.handle, init)), 0);

  EXPECT_NE(FindResource(module.handle, 201, kResourceTypeBitmap), nullptr);
  // Lookups are by number: type and name must both match, text names never do.
  EXPECT_EQ(FindResource(module.handle, 201, kResourceTypeDialog), nullptr);
  EXPECT_EQ(FindResource(module.handle, 102, kResourceTypeDialog), nullptr);
  EXPECT_EQ(FindResource(module.handle, 300, kResourceTypeBitmap), nullptr);  // text type
  EXPECT_EQ(LoadResource(module.handle, nullptr), nullptr);
  EXPECT_EQ(SizeofResource(module.handle, nullptr), 0u);

  Module other("noinit.res");
  ASSERT_NE(other.handle, nullptr);
  EXPECT_EQ(FindResource(other.handle, 101, kResourceTypeDialogInit), nullptr);
  ResourceHandle otherDialog = FindResource(other.handle, 101, kResourceTypeDialog);
  ASSERT_NE(otherDialog, nullptr);
  // A resource of one module is not loaded through another.
  EXPECT_EQ(LoadResource(module.handle, otherDialog), nullptr);
  EXPECT_EQ(SizeofResource(module.handle, otherDialog), 0u);
}

TEST(ResourceModule, FreedModuleIsNoLongerReachable) {
  HINSTANCE first = LoadResourceModule(Fixture("bitmaps.res").c_str());
  HINSTANCE second = LoadResourceModule(Fixture("dialog.res").c_str());
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_NE(first, second);
  // The first module in load order that holds the resource.
  EXPECT_EQ(FindResourceModule(201, kResourceTypeBitmap), first);
  EXPECT_EQ(FindResourceModule(101, kResourceTypeDialog), second);
  EXPECT_EQ(FindResourceModule(999, kResourceTypeDialog), nullptr);

  ResourceHandle bitmap = FindResource(first, 201, kResourceTypeBitmap);
  FreeResourceModule(first);
  EXPECT_EQ(FindResource(first, 201, kResourceTypeBitmap), nullptr);
  EXPECT_EQ(LoadResource(first, bitmap), nullptr);
  EXPECT_EQ(LoadBitmap(first, 201), nullptr);
  EXPECT_EQ(FindResourceModule(201, kResourceTypeBitmap), second);
  FreeResourceModule(first);  // a second free is ignored
  FreeResourceModule(second);
  EXPECT_EQ(FindResourceModule(201, kResourceTypeBitmap), nullptr);
}

TEST(Bitmap, OwnsACopyOfItsResourceUntilDeleted) {
  const std::size_t liveBefore = LiveBitmapCount();
  HINSTANCE module = LoadResourceModule(Fixture("dialog.res").c_str());
  ASSERT_NE(module, nullptr);

  HBITMAP bitmap = LoadBitmap(module, 201);
  ASSERT_NE(bitmap, nullptr);
  HBITMAP second = LoadBitmap(module, 201);
  EXPECT_NE(second, bitmap);  // every load makes a bitmap of its own
  EXPECT_EQ(LiveBitmapCount(), liveBefore + 2);

  EXPECT_EQ(LoadBitmap(module, 203), nullptr);  // too short for a bitmap header
  EXPECT_EQ(LoadBitmap(module, 999), nullptr);
  EXPECT_EQ(LoadBitmap(nullptr, 201), nullptr);
  EXPECT_EQ(LiveBitmapCount(), liveBefore + 2);

  FreeResourceModule(module);
  // The bytes outlive the module: the bitmap header of the 2x2 fixture, then its pixels.
  const std::vector<std::uint8_t> bytes = BitmapBytes(bitmap);
  ASSERT_EQ(bytes.size(), 40u + 16u);
  EXPECT_EQ(bytes[0], 40);  // BITMAPINFOHEADER size
  EXPECT_EQ(bytes[4], 2);   // width

  EXPECT_EQ(DeleteObject(bitmap), 1);
  EXPECT_EQ(DeleteObject(bitmap), 0);  // already deleted: nothing happens
  EXPECT_TRUE(BitmapBytes(bitmap).empty());
  EXPECT_EQ(BitmapBytes(second).size(), 56u);  // the other bitmap is untouched
  EXPECT_EQ(DeleteObject(second), 1);
  EXPECT_EQ(DeleteObject(nullptr), 0);
  EXPECT_EQ(LiveBitmapCount(), liveBefore);
}

}  // namespace
