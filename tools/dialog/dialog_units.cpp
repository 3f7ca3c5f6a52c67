#include "dialog_units.h"

#include <algorithm>
#include <cstdlib>

namespace qo::dialog {
namespace {

constexpr int kScreenDpi = 96;
constexpr int kPointsPerInch = 72;
constexpr std::uint16_t kMessageBoxFont = 0x7FFF;
constexpr int kMessageBoxPoints = 9;

int EmPixels(const DialogFont& font) {
  const int points = font.pointSize == kMessageBoxFont ? kMessageBoxPoints : font.pointSize;
  return std::max(1, MulDiv(points, kScreenDpi, kPointsPerInch));
}

}  // namespace

int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  const long long product = static_cast<long long>(a) * b;
  const long long divisor = std::llabs(static_cast<long long>(c));
  const long long magnitude = (std::llabs(product) + divisor / 2) / divisor;
  return static_cast<int>((product < 0) != (c < 0) ? -magnitude : magnitude);
}

BaseUnits EstimateBaseUnits(const DialogTemplate& dialog) {
  if (!dialog.font) return {};
  const int em = EmPixels(*dialog.font);
  return {(em + 1) / 2, em + em / 5};
}

int FontPixelHeight(const DialogTemplate& dialog) {
  return dialog.font ? EmPixels(*dialog.font) : BaseUnits{}.y * 3 / 4;
}

PixelRect ToPixels(int x, int y, int cx, int cy, BaseUnits units) {
  const int left = MulDiv(x, units.x, 4);
  const int top = MulDiv(y, units.y, 8);
  return {left, top, left + MulDiv(cx, units.x, 4), top + MulDiv(cy, units.y, 8)};
}

}  // namespace qo::dialog
