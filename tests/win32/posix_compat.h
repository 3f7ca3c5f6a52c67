// The POSIX calls that tests use and the Windows C runtime lacks, on what it has instead.
// Included ahead of every test source on Windows, so the sources stay the same.
#pragma once

#include <cstdlib>
#include <string>

// Tests always overwrite; _putenv copies its argument and removes a variable given "".
inline int setenv(const char* name, const char* value, int /*overwrite*/) {
  return _putenv((std::string(name) + "=" + value).c_str());
}
inline int unsetenv(const char* name) { return setenv(name, "", 1); }
