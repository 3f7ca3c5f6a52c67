// Truncated and corrupted resource files fed to the module loader: it must refuse or accept
// them without reading outside the bytes (run under AddressSanitizer to see such a read).
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "platform/contract.h"
#include "qodata/platform.h"

namespace {

using namespace qo::platform;
using Bytes = std::vector<std::uint8_t>;

Bytes ReadFixture(const char* name) {
  std::ifstream file(std::string(QODATA_FIXTURE_DIR) + "/" + name, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Loads the bytes (in a vector of exactly their size, so that a read past the end is caught)
// and, if they make a module, reads every byte of every resource it can find.
bool LoadAndTouch(const Bytes& source) {
  HINSTANCE module = LoadResourceModuleFromBytes(Bytes(source.begin(), source.end()));
  if (module == nullptr) return false;
  unsigned sum = 0;
  for (std::uint16_t type : {kResourceTypeBitmap, kResourceTypeDialog, kResourceTypeDialogInit}) {
    for (std::uint16_t name : {101, 201, 203, 300}) {
      ResourceHandle resource = FindResource(module, name, type);
      const auto* data = static_cast<const std::uint8_t*>(LoadResource(module, resource));
      const std::uint32_t size = SizeofResource(module, resource);
      for (std::uint32_t i = 0; data != nullptr && i < size; ++i) sum += data[i];
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

TEST(ResourceFuzz, EveryPrefixAndRandomByteFlipsAreSafe) {
  const Bytes valid = ReadFixture("dialog.res");
  ASSERT_GT(valid.size(), 64u);
  EXPECT_TRUE(LoadAndTouch(valid));
  std::size_t accepted = 0;
  for (std::size_t length = 0; length < valid.size(); ++length) {
    const bool loaded = LoadAndTouch(Bytes(valid.begin(), valid.begin() + length));
    accepted += loaded ? 1 : 0;
    // Nothing but a whole leading empty entry makes a module.
    EXPECT_TRUE(length >= 32 || !loaded) << length;
  }
  // Only cuts at entry boundaries (or in the last padding) leave a readable file.
  EXPECT_LT(accepted, 16u);
  EXPECT_FALSE(LoadAndTouch(Bytes(valid.begin(), valid.end() - 2)));  // into the last data

  std::mt19937 random(20261205);
  std::uniform_int_distribution<std::size_t> position(0, valid.size() - 1);
  std::uniform_int_distribution<int> value(0, 255);
  std::uniform_int_distribution<int> count(1, 6);
  for (int round = 0; round < 4000; ++round) {
    Bytes corrupted = valid;
    for (int flips = count(random); flips > 0; --flips) {
      corrupted[position(random)] = static_cast<std::uint8_t>(value(random));
    }
    LoadAndTouch(corrupted);
  }
}

TEST(ResourceFuzz, HostileSizesAndNamesAreRefused) {
  const Bytes valid = ReadFixture("dialog.res");
  ASSERT_GT(valid.size(), 64u);
  constexpr std::size_t second = 32;  // the header after the leading empty entry
  const struct {
    std::size_t at;
    std::uint32_t value;
    const char* what;
  } kHostile[] = {
      {second, 0xFFFFFFFFu, "DataSize far past the end"},
      {second, 0xFFFFFFF0u, "DataSize close to overflowing an offset"},
      {second + 4, 0xFFFFFFFCu, "HeaderSize past the end"},
      {second + 4, 8, "HeaderSize too small for its own fields"},
      {second + 4, 0x22, "HeaderSize not a multiple of a DWORD"},
  };
  for (const auto& row : kHostile)
    EXPECT_FALSE(LoadAndTouch(With32(valid, row.at, row.value))) << row.what;

  // A text name that runs to the end of the file without its terminator.
  Bytes bytes =
      With32(With32(Bytes(valid.begin(), valid.begin() + second + 8), second, 0), second + 4, 32);
  for (int i = 0; i < 24; ++i) bytes.push_back(static_cast<std::uint8_t>(i % 2 == 0 ? 'A' : 0));
  EXPECT_FALSE(LoadAndTouch(bytes));

  // A file whose first entry is not the empty one is no resource file; the empty entry alone is
  // a valid module without resources.
  EXPECT_FALSE(LoadAndTouch(Bytes(valid.begin() + second, valid.end())));
  EXPECT_TRUE(LoadAndTouch(Bytes(valid.begin(), valid.begin() + second)));
}

}  // namespace
