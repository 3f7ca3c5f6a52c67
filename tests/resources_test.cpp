#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include "platform/contract.h"
#include "qodata/platform.h"
#include "qodata/plugin_window.h"

namespace {

using namespace qo::platform;

std::string Fixture(const char* name) { return std::string(QODATA_FIXTURE_DIR) + "/" + name; }

// A module loaded from a fixture, freed at the end of the test.
struct Module {
  explicit Module(const char* name) : handle(LoadResourceModule(Fixture(name).c_str())) {}
  ~Module() { FreeResourceModule(handle); }
  HINSTANCE handle;
};

TEST(ResourceModule, FilesThatAreNoResourceFilesGiveNullModules) {
  EXPECT_EQ(LoadResourceModule(nullptr), nullptr);
  const auto path = std::filesystem::temp_directory_path() / "qodata_resources_test_not_res";
  std::ofstream(path.string() + ".txt") << "not a resource file at all, just some text....";
  std::ofstream(path.string() + ".empty").close();
  // Missing, a folder, text, empty.
  for (const char* refused : {"/missing.res", "", ".txt", ".empty"}) {
    const std::string file = (*refused == '.' ? path.string() : QODATA_FIXTURE_DIR) + refused;
    EXPECT_EQ(LoadResourceModule(file.c_str()), nullptr) << file;
    if (*refused == '.') std::filesystem::remove(file);
  }
  FreeResourceModule(nullptr);  // harmless
}

// What dialog 101 and its init data hold: plugin_window_test.cpp, through a window element.
TEST(ResourceModule, FindsResourcesByNumberInTheirOwnModule) {
  Module module("dialog.res");
  Module other("noinit.res");
  ASSERT_TRUE(module.handle && other.handle);
  ResourceHandle init = FindResource(module.handle, 101, kResourceTypeDialogInit);
  ASSERT_NE(init, nullptr);
  EXPECT_EQ(SizeofResource(module.handle, init), 14u);
  EXPECT_EQ(FreeResource(LoadResource(module.handle, init)), 0);

  EXPECT_NE(FindResource(module.handle, 201, kResourceTypeBitmap), nullptr);
  // Lookups are by number: type and name must both match, text names never do.
  EXPECT_EQ(std::tuple(FindResource(module.handle, 201, kResourceTypeDialog),
                       FindResource(module.handle, 102, kResourceTypeDialog),
                       FindResource(module.handle, 300, kResourceTypeBitmap),  // text type
                       FindResource(module.handle, 0, kResourceTypeBitmap),    // text "LOGO"
                       FindResource(other.handle, 101, kResourceTypeDialogInit),
                       LoadResource(module.handle, nullptr)),
            std::tuple(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr));
  EXPECT_EQ(SizeofResource(module.handle, nullptr), 0u);
  // A resource of one module is not loaded through another.
  ResourceHandle otherDialog = FindResource(other.handle, 101, kResourceTypeDialog);
  ASSERT_NE(otherDialog, nullptr);
  EXPECT_EQ(LoadResource(module.handle, otherDialog), nullptr);
  EXPECT_EQ(SizeofResource(module.handle, otherDialog), 0u);
}

TEST(ResourceModule, FreedModuleIsNoLongerReachable) {
  HINSTANCE first = LoadResourceModule(Fixture("bitmaps.res").c_str());
  HINSTANCE second = LoadResourceModule(Fixture("dialog.res").c_str());
  ASSERT_TRUE(first && second);
  EXPECT_NE(first, second);
  // The first module in load order that holds the resource.
  EXPECT_EQ(std::tuple(FindResourceModule(201, kResourceTypeBitmap),
                       FindResourceModule(101, kResourceTypeDialog),
                       FindResourceModule(999, kResourceTypeDialog)),
            std::tuple(first, second, nullptr));

  ResourceHandle bitmap = FindResource(first, 201, kResourceTypeBitmap);
  FreeResourceModule(first);
  EXPECT_EQ(std::tuple(FindResource(first, 201, kResourceTypeBitmap), LoadResource(first, bitmap),
                       LoadBitmap(first, 201)),
            std::tuple(nullptr, nullptr, nullptr));
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
  HBITMAP second = LoadBitmap(module, 201);
  ASSERT_NE(bitmap, nullptr);
  EXPECT_NE(second, bitmap);  // every load makes a bitmap of its own
  // Too short for a bitmap header, missing, no module.
  EXPECT_EQ(std::tuple(LoadBitmap(module, 203), LoadBitmap(module, 999), LoadBitmap(nullptr, 201)),
            std::tuple(nullptr, nullptr, nullptr));
  EXPECT_EQ(LiveBitmapCount(), liveBefore + 2);

  FreeResourceModule(module);
  // The bytes outlive the module: the bitmap header of the 2x2 fixture, then its pixels.
  const std::vector<std::uint8_t> bytes = BitmapBytes(bitmap);
  ASSERT_EQ(bytes.size(), 40u + 16u);
  EXPECT_EQ(std::tuple(bytes[0], bytes[4]), std::tuple(40, 2));  // header size, width

  // Deleting again does nothing; the other bitmap is untouched.
  EXPECT_EQ((std::tuple{DeleteObject(bitmap), DeleteObject(bitmap), BitmapBytes(bitmap).size(),
                        BitmapBytes(second).size()}),
            std::tuple(1, 0, 0u, 56u));
  EXPECT_EQ(std::tuple(DeleteObject(second), DeleteObject(nullptr)), std::tuple(1, 0));
  EXPECT_EQ(LiveBitmapCount(), liveBefore);
}

// Dialogs 401-403 of the fixture are as wide as 100 plus the language they were chosen in.
TEST(ResourceLanguage, NeutralThenTheUsersLanguageThenEnglishThenTheFirstWhateverTheFileOrder) {
  Module module("languages.res");
  ASSERT_NE(module.handle, nullptr);
  const auto widths = [&module] {
    std::vector<int> found;
    for (std::uint16_t name : {401, 402, 403}) {
      const auto* dialog = static_cast<const DLGTEMPLATE*>(LockResource(
          LoadResource(module.handle, FindResource(module.handle, name, kResourceTypeDialog))));
      found.push_back(dialog != nullptr ? dialog->cx : -1);
    }
    return found;
  };
  // LC_ALL, LC_MESSAGES, LANG, the language set, and the widths found.
  using Road = std::tuple<const char*, const char*, const char*, std::uint16_t, std::vector<int>>;
  for (const auto& [lcAll, lcMessages, lang, set, found] : {
           Road{nullptr, nullptr, "de_DE.UTF-8", 0, {107, 100, 107}},  // exact; neutral first
           Road{"", "fr_CA.UTF-8@x", "de_DE", 0, {112, 100, 112}},     // same primary language
           Road{"C", "fr_FR", "de_DE", 0, {109, 100, 107}},            // none: English, first
           Road{nullptr, nullptr, "xx_YY", 0, {109, 100, 107}},        // unknown names none
           Road{nullptr, nullptr, "fr_FR", 0x0C07, {107, 100, 107}},   // set: German (Austria)
           Road{nullptr, nullptr, "de_DE", 0x040C, {112, 100, 112}},   // set: French
           Road{"de_DE", nullptr, nullptr, 0x0411, {109, 100, 107}},   // set: Japanese
       }) {
    for (const auto& [variable, value] :
         {std::pair{"LC_ALL", lcAll}, {"LC_MESSAGES", lcMessages}, {"LANG", lang}}) {
      value != nullptr ? setenv(variable, value, 1) : unsetenv(variable);
    }
    SetResourceLanguage(set);
#ifdef _WIN32
    // Windows reads no locale variables: unset, FindResourceW picks Wine's English (US).
    if (set == 0) {
      EXPECT_EQ(widths(), (std::vector<int>{109, 100, 107}));
      continue;
    }
#endif
    EXPECT_EQ(widths(), found) << (lang ? lang : "") << " " << set;
  }
  SetResourceLanguage(0);
  // Its last resource, init data of dialog 403, has no bytes: it loads as null.
  ResourceHandle empty = FindResource(module.handle, 403, kResourceTypeDialogInit);
  ASSERT_NE(empty, nullptr);
  CPluginWindowElement window;
  window.SetDialogID(403);
  EXPECT_EQ((std::tuple{SizeofResource(module.handle, empty), LoadResource(module.handle, empty),
                        window.LoadResource(module.handle), window.GetDialogInit()}),
            std::tuple(0u, nullptr, 1, nullptr));

  // Among entries of the user's primary language the lowest id wins, in any order.
  EXPECT_TRUE(PreferResourceLanguage(0x0807, 0x0C07, 0x1007));
  EXPECT_FALSE(PreferResourceLanguage(0x0C07, 0x0807, 0x1007));
  EXPECT_FALSE(PreferResourceLanguage(0x0412, 0x0411, 0x0407));  // no road: the first stays
  EXPECT_TRUE(PreferResourceLanguage(0x0C07, 0x0407, 0x0C07));   // exact before a lower id
  const std::pair<const char*, int> kNames[] = {
      {"de_CH", 0x0807}, {"de_BE", 0x0407}, {"en_GB.UTF-8", 0x0809},
      {"POSIX", 0},      {"C.UTF-8", 0},    {"", 0},
      {nullptr, 0},      {"_DE", 0}};
  for (const auto& [name, id] : kNames) {
    EXPECT_EQ(LanguageOfLocaleName(name), id) << (name ? name : "null");
  }
}

#ifndef _WIN32
// The Linux .res reader refuses cut and corrupted copies or reads only inside their bytes.
using Bytes = std::vector<std::uint8_t>;

// Loads the bytes (a vector of exactly their size) and reads every resource and bitmap found.
bool LoadAndTouch(const Bytes& source) {
  HINSTANCE module = LoadResourceModuleFromBytes(source);
  if (module == nullptr) return false;
  unsigned sum = 0;
  for (std::uint16_t type : {kResourceTypeBitmap, kResourceTypeDialog, kResourceTypeDialogInit}) {
    for (std::uint16_t name : {101, 201, 203, 300}) {
      ResourceHandle resource = FindResource(module, name, type);
      const auto* data = static_cast<const std::uint8_t*>(LoadResource(module, resource));
      for (std::uint32_t i = 0; data && i < SizeofResource(module, resource); ++i) sum += data[i];
      if (HBITMAP bitmap = LoadBitmap(module, name)) {
        for (std::uint8_t byte : BitmapBytes(bitmap)) sum += byte;
        DeleteObject(bitmap);
      }
    }
  }
  FreeResourceModule(module);
  return sum != 0xFFFFFFFFu;  // uses the sum, so the reads are not optimised away
}

// The bytes with a little-endian DWORD written at `at`.
Bytes With32(Bytes bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
  return bytes;
}

TEST(ResourceModule, CutAndHostileFilesAreRefused) {
  std::ifstream file(Fixture("dialog.res"), std::ios::binary);
  const Bytes valid{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  ASSERT_GT(valid.size(), 64u);
  EXPECT_TRUE(LoadAndTouch(valid));
  std::size_t accepted = 0;
  for (std::size_t length = 0; length < valid.size(); ++length) {
    const bool loaded = LoadAndTouch(Bytes(valid.begin(), valid.begin() + length));
    accepted += loaded ? 1 : 0;
    EXPECT_TRUE(length >= 32 || !loaded) << length;  // a whole leading empty entry at least
  }
  // Only cuts at entry boundaries (or in the last padding) leave a readable file.
  EXPECT_LT(accepted, 16u);
  EXPECT_FALSE(LoadAndTouch(Bytes(valid.begin(), valid.end() - 2)));  // into the last data

  constexpr std::size_t second = 32;  // the header after the leading empty entry
  const std::tuple<std::size_t, std::uint32_t, const char*> kHostile[] = {
      {second, 0xFFFFFFFFu, "DataSize far past the end"},
      {second, 0xFFFFFFF0u, "DataSize close to overflowing an offset"},
      {second + 4, 0xFFFFFFFCu, "HeaderSize past the end"},
      {second + 4, 8, "HeaderSize too small for its own fields"},
      {second + 4, 0x22, "HeaderSize not a multiple of a DWORD"},
  };
  for (const auto& [at, value, what] : kHostile)
    EXPECT_FALSE(LoadAndTouch(With32(valid, at, value))) << what;

  // A text name that runs to the end of the file without its terminator.
  Bytes bytes =
      With32(With32(Bytes(valid.begin(), valid.begin() + second + 8), second, 0), second + 4, 32);
  for (int i = 0; i < 24; ++i) bytes.push_back(static_cast<std::uint8_t>(i % 2 == 0 ? 'A' : 0));
  EXPECT_FALSE(LoadAndTouch(bytes));
  // A HeaderSize smaller than the two sizes themselves, at the very end of the file.
  EXPECT_FALSE(
      LoadAndTouch(With32(Bytes(valid.begin(), valid.begin() + second + 8), second + 4, 4)));

  // Without the leading empty entry no resource file; the empty entry alone a module.
  EXPECT_FALSE(LoadAndTouch(Bytes(valid.begin() + second, valid.end())));
  EXPECT_TRUE(LoadAndTouch(Bytes(valid.begin(), valid.begin() + second)));
}

// A bitmap header size is a whole DWORD: its top byte and its second byte count.
TEST(ResourceModule, BitmapHeaderSizeIsReadWhole) {
  const Bytes empty = With32(With32(With32(Bytes(32, 0), 4, 32), 8, 0xFFFF), 12, 0xFFFF);
  for (auto [size, header, loads] :
       {std::tuple{0x01000010u, 0x01000010u, true}, {0x200u, 0x210u, false}}) {
    Bytes bytes = With32(With32(empty, 0, size), 8, 0x0002FFFF);  // numeric type 2 (bitmap)
    bytes = With32(bytes, 12, 0x0007FFFF);                        // numeric name 7
    bytes.insert(bytes.begin(), empty.begin(), empty.end());
    bytes.resize(bytes.size() + size);
    HINSTANCE module = LoadResourceModuleFromBytes(With32(bytes, 64, header));
    HBITMAP bitmap = LoadBitmap(module, 7);
    EXPECT_EQ(bitmap != nullptr, loads) << header;
    DeleteObject(bitmap);
    FreeResourceModule(module);
  }
}
#endif

}  // namespace
