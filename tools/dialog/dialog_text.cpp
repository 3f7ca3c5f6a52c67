// The text table of dialogs: every field the reader found, with the items' rectangles in
// dialog units and in estimated pixels.
#include <algorithm>
#include <cstdio>
#include <sstream>

#include "dialog_units.h"
#include "dialog_writers.h"

namespace qo::dialog {
namespace {

std::string Hex(std::uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
  return text;
}

std::string Quoted(const std::u16string& text) { return "\"" + Utf8(text) + "\""; }

std::string Describe(const NameOrOrdinal& value) {
  switch (value.kind) {
    case NameOrOrdinal::Kind::kNone:
      return "none";
    case NameOrOrdinal::Kind::kOrdinal:
      return "#" + std::to_string(value.ordinal);
    case NameOrOrdinal::Kind::kText:
      return Quoted(value.text);
  }
  return "";
}

std::string Rect(int x, int y, int cx, int cy) {
  return std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(cx) + "x" +
         std::to_string(cy);
}

void PrintTable(std::ostringstream& out, const std::vector<std::vector<std::string>>& rows) {
  std::vector<std::size_t> widths;
  for (const auto& row : rows) {
    widths.resize(std::max(widths.size(), row.size()));
    for (std::size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], row[i].size());
  }
  for (const auto& row : rows) {
    std::string line = " ";
    for (std::size_t i = 0; i < row.size(); ++i) {
      line += " " + row[i];
      if (i + 1 < row.size()) line += std::string(widths[i] - row[i].size(), ' ');
    }
    out << line << "\n";
  }
}

void PrintDialog(std::ostringstream& out, const NumberedDialog& numbered) {
  const DialogTemplate& d = numbered.dialog;
  const BaseUnits units = EstimateBaseUnits(d);
  const PixelRect size = ToPixels(0, 0, d.cx, d.cy, units);
  out << "dialog " << numbered.id << ": " << (d.extended ? "extended template" : "template")
      << ", style " << Hex(d.style) << ", extended style " << Hex(d.exStyle);
  if (d.extended) out << ", help id " << d.helpId;
  out << "\n  at " << d.x << "," << d.y << ", " << d.cx << " x " << d.cy
      << " dialog units = " << size.width() << " x " << size.height() << " pixels (base units "
      << units.x << " x " << units.y << ")\n  caption " << Quoted(d.title) << ", menu "
      << Describe(d.menu) << ", class " << Describe(d.windowClass) << "\n  font ";
  if (!d.font) {
    out << "none (system font)";
  } else {
    out << d.font->pointSize << " pt " << Quoted(d.font->face);
    if (d.extended) {
      out << ", weight " << d.font->weight << (d.font->italic ? ", italic" : "") << ", charset "
          << static_cast<unsigned>(d.font->charset);
    }
  }
  out << "\n  " << d.items.size() << " controls:\n";
  std::vector<std::vector<std::string>> rows = {
      {"id", "class", "text", "style", "ex-style", "dialog units", "pixels", "data"}};
  for (const DialogItem& item : d.items) {
    const PixelRect px = ToPixels(item.x, item.y, item.cx, item.cy, units);
    rows.push_back(
        {std::to_string(item.id), Utf8(ClassName(item.windowClass)),
         item.title.kind == NameOrOrdinal::Kind::kNone ? "-" : Describe(item.title),
         Hex(item.style), Hex(item.exStyle), Rect(item.x, item.y, item.cx, item.cy),
         Rect(px.left, px.top, px.width(), px.height()),
         item.creationData.empty() ? "-" : std::to_string(item.creationData.size()) + " bytes"});
  }
  PrintTable(out, rows);
}

}  // namespace

std::string DialogsToText(const std::vector<NumberedDialog>& dialogs) {
  std::ostringstream out;
  for (std::size_t i = 0; i < dialogs.size(); ++i) {
    if (i > 0) out << "\n";
    PrintDialog(out, dialogs[i]);
  }
  return out.str();
}

}  // namespace qo::dialog
