#include "res_file.h"

#include <algorithm>
#include <cstddef>

namespace qo::dialog {
namespace {

constexpr std::uint16_t kNumberMarker = 0xFFFF;

std::uint32_t Le(const std::vector<std::uint8_t>& bytes, std::size_t at, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i)
    value = (value << 8) | bytes[at + static_cast<std::size_t>(i)];
  return value;
}

// Reads a TYPE or NAME field in [at, end): true and the number for a numeric one, false with
// `at` past the text for a text one. `ok` turns false when the field runs past `end`.
bool NumericId(const std::vector<std::uint8_t>& bytes, std::size_t& at, std::size_t end,
               std::uint16_t& number, bool& ok) {
  if (end - at < 2) return ok = false;
  if (Le(bytes, at, 2) == kNumberMarker) {
    if (end - at < 4) return ok = false;
    number = static_cast<std::uint16_t>(Le(bytes, at + 2, 2));
    at += 4;
    return true;
  }
  while (end - at >= 2 && Le(bytes, at, 2) != 0) at += 2;
  if (end - at < 2) return ok = false;
  at += 2;
  return false;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> FindResourceData(const std::vector<std::uint8_t>& file,
                                                          std::uint16_t type, std::uint16_t name) {
  std::size_t at = 0;
  // Each entry: DataSize, HeaderSize, TYPE, NAME, ..., then the data padded to a DWORD.
  while (file.size() - at >= 8) {
    const std::uint32_t dataSize = Le(file, at, 4);
    const std::uint32_t headerSize = Le(file, at + 4, 4);
    if (headerSize < 8 || headerSize > file.size() - at || dataSize > file.size() - at - headerSize)
      break;
    const std::size_t headerEnd = at + headerSize;
    std::size_t field = at + 8;
    bool ok = true;
    std::uint16_t foundType = 0;
    std::uint16_t foundName = 0;
    const bool typeIsNumber = NumericId(file, field, headerEnd, foundType, ok);
    const bool nameIsNumber = ok && NumericId(file, field, headerEnd, foundName, ok);
    if (!ok) break;
    if (typeIsNumber && nameIsNumber && foundType == type && foundName == name) {
      const auto data = file.begin() + static_cast<std::ptrdiff_t>(headerEnd);
      return std::vector<std::uint8_t>(data, data + dataSize);
    }
    at = headerEnd + dataSize;
    at += std::min<std::size_t>((4 - at % 4) % 4, file.size() - at);
  }
  return std::nullopt;
}

}  // namespace qo::dialog
