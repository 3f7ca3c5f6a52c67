// Windows of the Linux platform layer: plain records of the last text, position and show
// command they were given. The window calls check the handle against the live windows first,
// so a destroyed or foreign handle is reported rather than followed.
#pragma once

#include <cstdint>

#include "qodata/platform.h"

namespace qo::platform {

// Records the show command; non-zero when the window was visible before the call (its
// previous command was not 0, the hidden state). 0 for a handle that is not live.
std::int32_t ShowWindow(HWND window, std::int32_t showCommand);

// Records the text; 1 on a live window, 0 otherwise.
std::int32_t SetWindowText(HWND window, const qo::String& text);

// Records position, size and repaint flag; 1 on a live window, 0 otherwise.
std::int32_t MoveWindow(HWND window, std::int32_t x, std::int32_t y, std::int32_t width,
                        std::int32_t height, std::int32_t repaint);

}  // namespace qo::platform
