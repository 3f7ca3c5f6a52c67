// Reads a fuzzer's input as a stream of small values: bytes, numbers, texts. Past the end
// every read gives zeros, so a target never has to check the length itself.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "qodata/types.h"

namespace qo::fuzz {

class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool empty() const { return at_ >= size_; }

  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  std::uint16_t Word() { return static_cast<std::uint16_t>(Byte() | (Byte() << 8)); }
  std::uint32_t Number() { return Word() | (static_cast<std::uint32_t>(Word()) << 16); }
  // One of `count` choices (count > 0).
  std::size_t Pick(std::size_t count) { return Byte() % count; }

  // A text of up to `maxLength` units: a length byte, then one byte per unit (widened), or,
  // when the length byte's top bit is set, two bytes per unit (any UTF-16 unit).
  String Text(std::size_t maxLength = 32) {
    const std::uint8_t head = Byte();
    const std::size_t length = (head & 0x7Fu) % (maxLength + 1);
    String text;
    for (std::size_t i = 0; i < length && !empty(); ++i)
      text.push_back(static_cast<char16_t>((head & 0x80u) != 0 ? Word() : Byte()));
    return text;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

// Stops the fuzzer with a finding: the message is printed and the process aborts.
[[noreturn]] inline void Fail(const char* what) {
  std::fprintf(stderr, "finding: %s\n", what);
  std::abort();
}

}  // namespace qo::fuzz
