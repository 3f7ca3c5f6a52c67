// Finding one resource's bytes in a compiled resource file (.res) held in memory, for programs
// that read a plug-in's resources without loading the library's resource modules (the demo
// host, which reaches the library only through its exported entry points).
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace qo::dialog {

// The data of the first resource with this numeric type and name (in any language), or
// nothing when the file is malformed before it or has no such resource. Every header and data
// size is checked against the file's bytes.
std::optional<std::vector<std::uint8_t>> FindResourceData(const std::vector<std::uint8_t>& file,
                                                          std::uint16_t type, std::uint16_t name);

}  // namespace qo::dialog
