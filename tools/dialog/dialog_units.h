// Dialog units to pixels. Windows measures a dialog in units of its font: a horizontal unit is
// a quarter of the font's average character width, a vertical unit an eighth of its height
// (the "base units"). Without a font rasteriser we estimate the base units from the point size
// at 96 dots per inch; for the common 8-point dialog fonts this gives Windows' own 6 x 13.
#pragma once

#include <cstdint>

#include "dialog_template.h"

namespace qo::dialog {

struct BaseUnits {
  int x = 8;   // average character width in pixels
  int y = 16;  // character height in pixels
};

// How the base units are estimated, for help texts.
inline constexpr const char* kBaseUnitsRule =
    "  e = point size x 96 / 72, rounded (the font's em height in pixels at 96 dpi),\n"
    "  base x = (e + 1) / 2 and base y = e + e / 5, in whole pixels;\n"
    "  a dialog without a font has the system font's 8 x 16, and the message-box font\n"
    "  (size 0x7FFF) counts as 9 points\n";

BaseUnits EstimateBaseUnits(const DialogTemplate& dialog);

// The font's em height in pixels (what the picture's text is drawn with).
int FontPixelHeight(const DialogTemplate& dialog);

// a * b / c rounded to the nearest, halves away from zero, as Windows' MulDiv.
int MulDiv(int a, int b, int c);

struct PixelRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
};

// A control's rectangle in dialog units mapped to pixels as the dialog manager places it:
// position and size each mapped on their own (so the right edge is x + cx mapped separately,
// which can differ by a pixel from mapping the edge).
PixelRect ToPixels(int x, int y, int cx, int cy, BaseUnits units);

}  // namespace qo::dialog
