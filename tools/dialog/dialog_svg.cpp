// The SVG picture of dialogs. Colours and metrics follow the classic Windows look: a light
// grey face, sunken white fields, 13-pixel check boxes and radio buttons.
#include <algorithm>
#include <cctype>
#include <sstream>

#include "dialog_units.h"
#include "dialog_writers.h"

namespace qo::dialog {
namespace {

constexpr std::uint32_t kVisible = 0x10000000;   // WS_VISIBLE
constexpr std::uint32_t kDisabled = 0x08000000;  // WS_DISABLED
constexpr std::uint32_t kCaption = 0x00C00000;   // WS_CAPTION
constexpr std::uint32_t kSysMenu = 0x00080000;   // WS_SYSMENU

constexpr int kMargin = 12;       // around and between the dialogs
constexpr int kTitleHeight = 24;  // the caption bar
constexpr int kCheckSize = 13;    // check box and radio button glyphs
constexpr int kArrowWidth = 17;   // combo box and scroll bar buttons
constexpr const char* kFace = "#f0f0f0";
constexpr const char* kFieldBorder = "#7a7a7a";
constexpr const char* kButtonFace = "#e1e1e1";
constexpr const char* kButtonBorder = "#adadad";

// The text as the control shows it: "&" marks the mnemonic and "&&" stands for "&".
std::string Shown(const std::u16string& text) {
  std::u16string shown;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != u'&') {
      shown.push_back(text[i]);
    } else if (i + 1 < text.size() && text[i + 1] == u'&') {
      shown.push_back(text[++i]);
    }
  }
  return Utf8(shown);
}

std::string Escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

// Greedy word wrap to `width` pixels, counting every character as an average one.
std::vector<std::string> Wrapped(const std::string& text, int width, int charWidth) {
  const std::size_t perLine = static_cast<std::size_t>(std::max(1, width / std::max(1, charWidth)));
  std::vector<std::string> lines;
  std::istringstream paragraphs(text);
  for (std::string paragraph; std::getline(paragraphs, paragraph);) {
    std::istringstream words(paragraph);
    std::string line;
    for (std::string word; words >> word;) {
      if (!line.empty() && line.size() + 1 + word.size() > perLine) {
        lines.push_back(line);
        line.clear();
      }
      line += (line.empty() ? "" : " ") + word;
    }
    lines.push_back(line);
  }
  return lines;
}

class Painter {
 public:
  // `clips` numbers the clip paths of the whole document, so that their ids stay unique.
  Painter(std::ostringstream& out, BaseUnits units, int fontPixels, std::string fontFamily,
          int& clips)
      : out_(out), units_(units), em_(fontPixels), family_(std::move(fontFamily)), clips_(clips) {}

  void Rect(int x, int y, int w, int h, const char* fill, const char* stroke,
            const char* extra = "") {
    out_ << "<rect x=\"" << x << ".5\" y=\"" << y << ".5\" width=\"" << std::max(0, w - 1)
         << "\" height=\"" << std::max(0, h - 1) << "\" fill=\"" << fill << "\" stroke=\"" << stroke
         << "\"" << extra << "/>\n";
  }
  // One line of text; `anchor` is start, middle or end, `middleY` the line's vertical centre.
  void Text(int x, int middleY, const std::string& text, const char* anchor, const char* colour) {
    if (text.empty()) return;
    out_ << "<text x=\"" << x << "\" y=\"" << middleY + em_ * 7 / 20 << "\" text-anchor=\""
         << anchor << "\" fill=\"" << colour << "\">" << Escaped(text) << "</text>\n";
  }
  void Raw(const std::string& svg) { out_ << svg; }
  std::string NextClipId() { return "clip" + std::to_string(++clips_); }
  BaseUnits units() const { return units_; }
  int em() const { return em_; }
  const std::string& family() const { return family_; }

 private:
  std::ostringstream& out_;
  BaseUnits units_;
  int em_;
  std::string family_;
  int& clips_;
};

struct Control {
  const DialogItem& item;
  PixelRect box;  // in the picture's coordinates
  std::string text;
  const char* ink;
};

void DrawPushButton(Painter& p, const Control& c, bool isDefault) {
  p.Rect(c.box.left, c.box.top, c.box.width(), c.box.height(), kButtonFace,
         isDefault ? "#0078d7" : kButtonBorder, isDefault ? " stroke-width=\"2\"" : "");
  p.Text((c.box.left + c.box.right) / 2, (c.box.top + c.box.bottom) / 2, c.text, "middle", c.ink);
}

void DrawCheck(Painter& p, const Control& c, bool radio, bool checkedLook) {
  const bool leftText = (c.item.style & 0x20) != 0;  // BS_LEFTTEXT
  const int middle = (c.box.top + c.box.bottom) / 2;
  const int glyphX = leftText ? c.box.right - kCheckSize : c.box.left;
  const int glyphY = middle - kCheckSize / 2;
  std::ostringstream glyph;
  if (radio) {
    glyph << "<circle cx=\"" << glyphX + kCheckSize / 2.0 << "\" cy=\"" << glyphY + kCheckSize / 2.0
          << "\" r=\"6\" fill=\"#ffffff\" stroke=\"#333333\"/>\n";
  } else {
    glyph << "<rect x=\"" << glyphX << ".5\" y=\"" << glyphY << ".5\" width=\"12\" height=\"12\""
          << " fill=\"#ffffff\" stroke=\"#333333\"/>\n";
  }
  if (checkedLook) {  // a three-state box shows its third state as a filled square
    glyph << "<rect x=\"" << glyphX + 3 << "\" y=\"" << glyphY + 3
          << "\" width=\"7\" height=\"7\" fill=\"#333333\"/>\n";
  }
  p.Raw(glyph.str());
  if (leftText) {
    p.Text(glyphX - 4, middle, c.text, "end", c.ink);
  } else {
    p.Text(glyphX + kCheckSize + 4, middle, c.text, "start", c.ink);
  }
}

void DrawGroupBox(Painter& p, const Control& c) {
  const int lineY = c.box.top + p.em() / 2;
  p.Rect(c.box.left, lineY, c.box.width(), c.box.bottom - lineY, "none", "#dcdcdc");
  if (c.text.empty()) return;
  const int textWidth = static_cast<int>(c.text.size()) * p.units().x;
  p.Rect(c.box.left + 6, c.box.top, textWidth + 4, p.em() + 2, kFace, kFace);
  p.Text(c.box.left + 8, lineY + 1, c.text, "start", c.ink);
}

void DrawButton(Painter& p, const Control& c) {
  const std::uint32_t type = c.item.style & 0xF;
  const bool pushLike = (c.item.style & 0x1000) != 0;  // BS_PUSHLIKE
  switch (type) {
    case 2:
    case 3:
    case 5:
    case 6:  // check boxes, two- and three-state
      if (pushLike) return DrawPushButton(p, c, false);
      return DrawCheck(p, c, false, type == 5 || type == 6);
    case 4:
    case 9:  // radio buttons
      if (pushLike) return DrawPushButton(p, c, false);
      return DrawCheck(p, c, true, false);
    case 7:
      return DrawGroupBox(p, c);
    default:  // push buttons, owner-drawn and the rest
      return DrawPushButton(p, c, type == 1 || type == 0xD || type == 0xF);
  }
}

void DrawField(Painter& p, const Control& c, const char* fill) {
  p.Rect(c.box.left, c.box.top, c.box.width(), c.box.height(), fill, kFieldBorder);
}

void DrawArrowButton(Painter& p, int x, int y, int w, int h, bool down, bool vertical) {
  p.Rect(x, y, w, h, kButtonFace, kButtonBorder);
  const int cx = x + w / 2;
  const int cy = y + h / 2;
  std::ostringstream arrow;
  arrow << "<path d=\"";
  if (vertical) {
    const int tip = down ? 3 : -3;
    arrow << "M" << cx - 4 << " " << cy - tip / 2 << " L" << cx + 4 << " " << cy - tip / 2 << " L"
          << cx << " " << cy + tip << " Z";
  } else {
    const int tip = down ? 3 : -3;  // "down" points right for a horizontal bar
    arrow << "M" << cx - tip / 2 << " " << cy - 4 << " L" << cx - tip / 2 << " " << cy + 4 << " L"
          << cx + tip << " " << cy << " Z";
  }
  arrow << "\" fill=\"#333333\"/>\n";
  p.Raw(arrow.str());
}

void DrawEdit(Painter& p, const Control& c) {
  DrawField(p, c, "#ffffff");
  const std::uint32_t align = c.item.style & 0x3;  // ES_LEFT, ES_CENTER, ES_RIGHT
  const int middle = (c.item.style & 0x4) != 0 ? c.box.top + 2 + p.em() / 2 + 1  // ES_MULTILINE
                                               : (c.box.top + c.box.bottom) / 2;
  if (align == 1) return p.Text((c.box.left + c.box.right) / 2, middle, c.text, "middle", c.ink);
  if (align == 2) return p.Text(c.box.right - 4, middle, c.text, "end", c.ink);
  p.Text(c.box.left + 4, middle, c.text, "start", c.ink);
}

void DrawStaticText(Painter& p, const Control& c, const char* anchor, bool wrap) {
  const int lineHeight = p.units().y;
  std::vector<std::string> lines =
      wrap ? Wrapped(c.text, c.box.width(), p.units().x) : std::vector<std::string>{c.text};
  const int x = anchor[0] == 'm'   ? (c.box.left + c.box.right) / 2
                : anchor[0] == 'e' ? c.box.right
                                   : c.box.left;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int top = c.box.top + static_cast<int>(i) * lineHeight;
    if (i > 0 && top + lineHeight > c.box.bottom) break;  // the first line shows even if cut
    p.Text(x, top + lineHeight / 2, lines[i], anchor, c.ink);
  }
}

// A small label kept inside its box, for placeholders.
void Label(Painter& p, const PixelRect& box, const std::string& label) {
  const std::string id = p.NextClipId();
  std::ostringstream svg;
  svg << "<clipPath id=\"" << id << "\"><rect x=\"" << box.left << "\" y=\"" << box.top
      << "\" width=\"" << box.width() << "\" height=\"" << box.height() << "\"/></clipPath>\n"
      << "<text clip-path=\"url(#" << id << ")\" x=\"" << box.left + 3 << "\" y=\""
      << box.top + 2 + p.em() * 7 / 10 << "\" font-size=\"" << std::max(6, p.em() * 3 / 4)
      << "px\" fill=\"#555555\">" << Escaped(label) << "</text>\n";
  p.Raw(svg.str());
}

// An icon or bitmap named by its resource: a placeholder with a cross and the resource.
void DrawImage(Painter& p, const Control& c, const char* kind) {
  PixelRect box = c.box;
  if (box.width() == 0 || box.height() == 0) box = {box.left, box.top, box.left + 32, box.top + 32};
  p.Rect(box.left, box.top, box.width(), box.height(), "#ffffff", "#8a8a8a",
         " stroke-dasharray=\"3 2\"");
  std::ostringstream cross;
  cross << "<path d=\"M" << box.left << " " << box.top << " L" << box.right << " " << box.bottom
        << " M" << box.right << " " << box.top << " L" << box.left << " " << box.bottom
        << "\" stroke=\"#c8c8c8\"/>\n";
  p.Raw(cross.str());
  std::string label = kind;
  const NameOrOrdinal& title = c.item.title;
  if (title.kind == NameOrOrdinal::Kind::kOrdinal) label += " " + std::to_string(title.ordinal);
  if (title.kind == NameOrOrdinal::Kind::kText) label += " " + Utf8(title.text);
  Label(p, box, label);
}

// SS_BLACKRECT, SS_GRAYRECT and SS_WHITERECT (4-6) fill the box; SS_BLACKFRAME, SS_GRAYFRAME
// and SS_WHITEFRAME (7-9) outline it in the same three colours.
void DrawStaticRect(Painter& p, const Control& c, std::uint32_t type) {
  static constexpr const char* kColours[] = {"#000000", "#808080", "#ffffff"};
  const char* colour = kColours[(type - 4) % 3];
  p.Rect(c.box.left, c.box.top, c.box.width(), c.box.height(), type < 7 ? colour : "none", colour);
}

void DrawStatic(Painter& p, const Control& c) {
  const int x = c.box.left, y = c.box.top, w = c.box.width(), h = c.box.height();
  const std::uint32_t type = c.item.style & 0x1F;
  switch (type) {
    case 0:
      return DrawStaticText(p, c, "start", true);  // SS_LEFT
    case 1:
      return DrawStaticText(p, c, "middle", true);  // SS_CENTER
    case 2:
      return DrawStaticText(p, c, "end", true);  // SS_RIGHT
    case 3:
      return DrawImage(p, c, "icon");
    case 4:
    case 5:
    case 6:
    case 7:
    case 8:
    case 9:
      return DrawStaticRect(p, c, type);
    case 0xE:
      return DrawImage(p, c, "bitmap");
    case 0xF:
      return DrawImage(p, c, "metafile");
    case 0x10:
      return p.Rect(x, y, w, 2, "#ffffff", "#a0a0a0");  // etched horizontal line
    case 0x11:
      return p.Rect(x, y, 2, h, "#ffffff", "#a0a0a0");  // etched vertical line
    case 0x12:
      return p.Rect(x, y, w, h, "none", "#a0a0a0");  // etched frame
    default:
      return DrawStaticText(p, c, "start", false);  // simple, no wrap, owner-drawn
  }
}

void DrawListBox(Painter& p, const Control& c) { DrawField(p, c, "#ffffff"); }

void DrawScrollBar(Painter& p, const Control& c) {
  const PixelRect& b = c.box;
  p.Rect(b.left, b.top, b.width(), b.height(), "#e8e8e8", "#e8e8e8");
  if ((c.item.style & 0x1) != 0) {  // SBS_VERT
    const int side = std::min(b.width(), b.height() / 2);
    DrawArrowButton(p, b.left, b.top, b.width(), side, false, true);
    DrawArrowButton(p, b.left, b.bottom - side, b.width(), side, true, true);
  } else {
    const int side = std::min(b.height(), b.width() / 2);
    DrawArrowButton(p, b.left, b.top, side, b.height(), false, false);
    DrawArrowButton(p, b.right - side, b.top, side, b.height(), true, false);
  }
}

void DrawComboBox(Painter& p, const Control& c) {
  // The closed field is as high as the font allows; the template's height is the dropped list's.
  const int fieldHeight = std::min(c.box.height(), p.units().y + 8);
  const bool simple = (c.item.style & 0x3) == 1;    // CBS_SIMPLE: a field over an open list
  const bool listOnly = (c.item.style & 0x3) == 3;  // CBS_DROPDOWNLIST: no typing
  p.Rect(c.box.left, c.box.top, c.box.width(), fieldHeight, listOnly ? kButtonFace : "#ffffff",
         listOnly ? kButtonBorder : kFieldBorder);
  // A combo box shows no caption: Windows leaves its field empty until an item is chosen.
  if (simple) {
    p.Rect(c.box.left, c.box.top + fieldHeight + 1, c.box.width(), c.box.height() - fieldHeight - 1,
           "#ffffff", kFieldBorder);
    return;
  }
  const int arrow = std::min(kArrowWidth, c.box.width());
  DrawArrowButton(p, c.box.right - arrow, c.box.top, arrow, fieldHeight, true, true);
}

// A class that the picture does not know: a dashed box that names it.
void DrawOther(Painter& p, const Control& c) {
  p.Rect(c.box.left, c.box.top, c.box.width(), c.box.height(), "#fafafa", "#8a8a8a",
         " stroke-dasharray=\"4 2\"");
  std::string label = Utf8(ClassName(c.item.windowClass));
  if (!c.text.empty()) label += ": " + c.text;
  Label(p, c.box, label);
}

void DrawControl(Painter& p, const Control& c) {
  const NameOrOrdinal& type = c.item.windowClass;
  std::u16string name = ClassName(type);
  std::transform(name.begin(), name.end(), name.begin(), [](char16_t unit) {
    return unit < 0x80 ? static_cast<char16_t>(std::tolower(unit)) : unit;
  });
  if (name == u"button") return DrawButton(p, c);
  if (name == u"edit") return DrawEdit(p, c);
  if (name == u"static") return DrawStatic(p, c);
  if (name == u"listbox") return DrawListBox(p, c);
  if (name == u"scrollbar") return DrawScrollBar(p, c);
  if (name == u"combobox") return DrawComboBox(p, c);
  DrawOther(p, c);
}

std::string FontFamily(const DialogTemplate& dialog) {
  std::string family;
  if (dialog.font && !dialog.font->face.empty())
    family = "'" + Escaped(Utf8(dialog.font->face)) + "', ";
  return family + "Tahoma, 'Segoe UI', 'DejaVu Sans', Verdana, sans-serif";
}

// Draws one dialog with its frame's top-left corner at (left, top); returns the frame's size.
PixelRect DrawDialog(std::ostringstream& out, const NumberedDialog& numbered, int left, int top,
                     int& clips) {
  const DialogTemplate& dialog = numbered.dialog;
  const BaseUnits units = EstimateBaseUnits(dialog);
  const PixelRect client = ToPixels(0, 0, dialog.cx, dialog.cy, units);
  const bool caption = (dialog.style & kCaption) == kCaption;
  const int titleHeight = caption ? kTitleHeight : 0;
  const PixelRect frame{left, top, left + client.width() + 2,
                        top + titleHeight + client.height() + 2};
  const int em = FontPixelHeight(dialog);
  Painter p(out, units, em, FontFamily(dialog), clips);

  out << "<g font-family=\"" << p.family() << "\" font-size=\"" << em << "px\""
      << (dialog.font && dialog.font->italic ? " font-style=\"italic\"" : "")
      << (dialog.font && dialog.font->weight >= 600 ? " font-weight=\"bold\"" : "") << ">\n";
  out << "<title>dialog " << numbered.id << "</title>\n";
  p.Rect(frame.left, frame.top, frame.width(), frame.height(), kFace, "#6f6f6f");
  if (caption) {
    p.Rect(frame.left + 1, frame.top + 1, frame.width() - 2, titleHeight, "#ffffff", "#ffffff");
    p.Text(frame.left + 8, frame.top + 1 + titleHeight / 2, Shown(dialog.title), "start",
           "#000000");
    if ((dialog.style & kSysMenu) != 0) {
      const int x = frame.right - 1 - 30;
      const int y = frame.top + 1 + titleHeight / 2;
      out << "<path d=\"M" << x + 11 << " " << y - 4 << " l8 8 M" << x + 19 << " " << y - 4
          << " l-8 8\" stroke=\"#000000\"/>\n";
    }
  }
  const int originX = frame.left + 1;
  const int originY = frame.top + 1 + titleHeight;
  for (const DialogItem& item : dialog.items) {
    PixelRect box = ToPixels(item.x, item.y, item.cx, item.cy, units);
    box = {box.left + originX, box.top + originY, box.right + originX, box.bottom + originY};
    const std::string text =
        item.title.kind == NameOrOrdinal::Kind::kText ? Shown(item.title.text) : "";
    // Our choice: hidden controls are drawn faintly rather than left out, so that none is lost.
    const bool hidden = (item.style & kVisible) == 0;
    if (hidden) out << "<g opacity=\"0.35\">\n";
    DrawControl(p, Control{item, box, text, (item.style & kDisabled) != 0 ? "#a0a0a0" : "#000000"});
    if (hidden) out << "</g>\n";
  }
  out << "</g>\n";
  return frame;
}

}  // namespace

std::string DialogsToSvg(const std::vector<NumberedDialog>& dialogs) {
  std::ostringstream body;
  int width = 0;
  int top = kMargin;
  int clips = 0;
  for (const NumberedDialog& dialog : dialogs) {
    const PixelRect frame = DrawDialog(body, dialog, kMargin, top, clips);
    width = std::max(width, frame.width());
    top = frame.bottom + kMargin;
  }
  std::ostringstream svg;
  svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << width + 2 * kMargin
      << "\" height=\"" << top << "\" viewBox=\"0 0 " << width + 2 * kMargin << " " << top
      << "\">\n"
      << "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n"
      << body.str() << "</svg>\n";
  return svg.str();
}

}  // namespace qo::dialog
