// Width and height of a rectangle as the window calls take them.
#pragma once

#include <cstdint>

#include "qodata/platform.h"

namespace qo::plugin_ui {

// far - near, wrapping like the 32-bit arithmetic of the window calls instead of
// overflowing for rectangles with extreme coordinates.
inline std::int32_t Extent(std::int32_t nearEdge, std::int32_t farEdge) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(farEdge) -
                                   static_cast<std::uint32_t>(nearEdge));
}

inline std::int32_t WidthOf(const CRect& rect) { return Extent(rect.left, rect.right); }
inline std::int32_t HeightOf(const CRect& rect) { return Extent(rect.top, rect.bottom); }

}  // namespace qo::plugin_ui
