// Writing read dialogs out: as an SVG picture (each dialog drawn as Windows would show it,
// one below the other) or as a text table of its fields and items.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dialog_template.h"

namespace qo::dialog {

// A dialog with the resource number it was found under.
struct NumberedDialog {
  std::uint16_t id = 0;
  DialogTemplate dialog;
};

// An SVG document of the dialogs, each one's frame and caption and every control at its
// place in pixels (see dialog_units.h), drawn as its class and style look.
std::string DialogsToSvg(const std::vector<NumberedDialog>& dialogs);

// A table per dialog: its header fields, then one row per item.
std::string DialogsToText(const std::vector<NumberedDialog>& dialogs);

}  // namespace qo::dialog
