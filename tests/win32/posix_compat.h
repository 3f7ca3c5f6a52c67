// The few POSIX calls that tests use and the Windows C runtime lacks, on what it has instead.
// Included ahead of every test source on Windows, so the sources stay the same.
#pragma once

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

// setenv and unsetenv (tests switch time-zone rules with them) on _putenv, which copies its
// argument and removes a variable given an empty value.
inline int setenv(const char* name, const char* value, int overwrite) {
  if (name == nullptr || value == nullptr) return -1;
  if (overwrite == 0 && std::getenv(name) != nullptr) return 0;
  return _putenv((std::string(name) + "=" + value).c_str()) == 0 ? 0 : -1;
}

inline int unsetenv(const char* name) {
  if (name == nullptr) return -1;
  return _putenv((std::string(name) + "=").c_str()) == 0 ? 0 : -1;
}

// posix_memalign for blocks that callers give back with free: the runtime's aligned blocks
// need _aligned_free instead, so a block is taken from malloc and refused (ENOMEM) when it
// happens not to meet the alignment, which the tests' allocator reports as bad_alloc.
inline int posix_memalign(void** block, std::size_t alignment, std::size_t size) {
  if (block == nullptr || alignment == 0 || (alignment & (alignment - 1)) != 0) return EINVAL;
  void* candidate = std::malloc(size);
  if (candidate == nullptr) return ENOMEM;
  if (reinterpret_cast<std::uintptr_t>(candidate) % alignment != 0) {
    std::free(candidate);
    return ENOMEM;
  }
  *block = candidate;
  return 0;
}
