#include "dialog_template.h"

#include <array>

namespace qo::dialog {
namespace {

constexpr std::uint16_t kOrdinalMarker = 0xFFFF;
constexpr std::uint16_t kExtendedSignature = 0xFFFF;
constexpr std::uint16_t kMessageBoxFont = 0x7FFF;

// Little-endian reads within [0, size), each naming what it reads so that a refusal can say
// which field ran past the end.
class TemplateReader {
 public:
  TemplateReader(const std::uint8_t* bytes, std::size_t size) : bytes_(bytes), size_(size) {}

  const std::string& error() const { return error_; }

  bool Word(std::uint16_t& out, const char* what) {
    if (!Need(2, what)) return false;
    out = static_cast<std::uint16_t>(bytes_[at_] | (bytes_[at_ + 1] << 8));
    at_ += 2;
    return true;
  }
  bool Short(std::int16_t& out, const char* what) {
    std::uint16_t word = 0;
    if (!Word(word, what)) return false;
    out = static_cast<std::int16_t>(word);
    return true;
  }
  bool Dword(std::uint32_t& out, const char* what) {
    std::uint16_t low = 0;
    std::uint16_t high = 0;
    if (!Need(4, what) || !Word(low, what) || !Word(high, what)) return false;
    out = low | (static_cast<std::uint32_t>(high) << 16);
    return true;
  }
  bool Byte(std::uint8_t& out, const char* what) {
    if (!Need(1, what)) return false;
    out = bytes_[at_++];
    return true;
  }
  // A NUL-terminated UTF-16 text.
  bool Text(std::u16string& out, const char* what) {
    std::uint16_t unit = 0;
    if (!Word(unit, what)) return false;
    while (unit != 0) {
      out.push_back(static_cast<char16_t>(unit));
      if (!Word(unit, what)) return false;
    }
    return true;
  }
  // 0x0000 for none, 0xFFFF and an ordinal, or a text.
  bool NameOrOrdinalField(NameOrOrdinal& out, const char* what) {
    const std::size_t start = at_;
    std::uint16_t first = 0;
    if (!Word(first, what)) return false;
    if (first == 0) return true;
    if (first == kOrdinalMarker) {
      out.kind = NameOrOrdinal::Kind::kOrdinal;
      return Word(out.ordinal, what);
    }
    at_ = start;
    out.kind = NameOrOrdinal::Kind::kText;
    return Text(out.text, what);
  }
  bool Bytes(std::vector<std::uint8_t>& out, std::size_t count, const char* what) {
    if (!Need(count, what)) return false;
    out.assign(bytes_ + at_, bytes_ + at_ + count);
    at_ += count;
    return true;
  }
  // Items start on a DWORD boundary of the template.
  bool AlignToDword(const char* what) {
    const std::size_t padding = (4 - at_ % 4) % 4;
    if (!Need(padding, what)) return false;
    at_ += padding;
    return true;
  }
  void SetContext(std::string context) { context_ = std::move(context); }

 private:
  bool Need(std::size_t count, const char* what) {
    if (size_ - at_ >= count) return true;
    error_ = context_ + what + " runs past the end of the template (byte " + std::to_string(at_) +
             " of " + std::to_string(size_) + ")";
    return false;
  }

  const std::uint8_t* bytes_;
  std::size_t size_;
  std::size_t at_ = 0;
  std::string context_;
  std::string error_;
};

bool ReadHeader(TemplateReader& in, DialogTemplate& out, std::uint16_t& count) {
  std::uint16_t first = 0;
  std::uint16_t second = 0;
  if (!in.Word(first, "header") || !in.Word(second, "header")) return false;
  out.extended = second == kExtendedSignature;
  if (out.extended) {
    out.version = first;
    if (!in.Dword(out.helpId, "help id") || !in.Dword(out.exStyle, "extended style") ||
        !in.Dword(out.style, "style")) {
      return false;
    }
  } else {
    // The classic form starts with the style, whose two words were read already.
    out.style = first | (static_cast<std::uint32_t>(second) << 16);
    if (!in.Dword(out.exStyle, "extended style")) return false;
  }
  return in.Word(count, "item count") && in.Short(out.x, "position") &&
         in.Short(out.y, "position") && in.Short(out.cx, "size") && in.Short(out.cy, "size") &&
         in.NameOrOrdinalField(out.menu, "menu") &&
         in.NameOrOrdinalField(out.windowClass, "window class") && in.Text(out.title, "caption");
}

bool ReadFont(TemplateReader& in, DialogTemplate& out) {
  if ((out.style & kStyleSetFont) == 0) return true;
  DialogFont& font = out.font.emplace();
  if (!in.Word(font.pointSize, "font size")) return false;
  if (font.pointSize == kMessageBoxFont) return true;
  std::uint8_t italic = 0;
  if (out.extended && (!in.Word(font.weight, "font weight") || !in.Byte(italic, "font italic") ||
                       !in.Byte(font.charset, "font charset"))) {
    return false;
  }
  font.italic = italic != 0;
  return in.Text(font.face, "font face");
}

bool ReadItem(TemplateReader& in, bool extended, DialogItem& item) {
  if (!in.AlignToDword("item")) return false;
  if (extended) {
    if (!in.Dword(item.helpId, "help id") || !in.Dword(item.exStyle, "extended style") ||
        !in.Dword(item.style, "style")) {
      return false;
    }
  } else if (!in.Dword(item.style, "style") || !in.Dword(item.exStyle, "extended style")) {
    return false;
  }
  if (!in.Short(item.x, "position") || !in.Short(item.y, "position") ||
      !in.Short(item.cx, "size") || !in.Short(item.cy, "size")) {
    return false;
  }
  if (extended) {
    if (!in.Dword(item.id, "id")) return false;
  } else {
    std::uint16_t id = 0;
    if (!in.Word(id, "id")) return false;
    item.id = id;
  }
  std::uint16_t dataSize = 0;
  // The size word counts the creation data after it, as the dialog manager skips it.
  return in.NameOrOrdinalField(item.windowClass, "window class") &&
         in.NameOrOrdinalField(item.title, "caption") && in.Word(dataSize, "creation data size") &&
         in.Bytes(item.creationData, dataSize, "creation data");
}

}  // namespace

std::optional<DialogTemplate> ReadDialogTemplate(const std::uint8_t* bytes, std::size_t size,
                                                 std::string* error) {
  TemplateReader in(bytes, bytes == nullptr ? 0 : size);
  DialogTemplate dialog;
  std::uint16_t count = 0;
  bool good = ReadHeader(in, dialog, count) && ReadFont(in, dialog);
  for (std::uint16_t index = 0; good && index < count; ++index) {
    in.SetContext("item " + std::to_string(index + 1) + " of " + std::to_string(count) + ": ");
    good = ReadItem(in, dialog.extended, dialog.items.emplace_back());
  }
  if (!good) {
    if (error != nullptr) *error = in.error();
    return std::nullopt;
  }
  return dialog;
}

const char16_t* PredefinedClassName(std::uint16_t ordinal) {
  static constexpr std::array<const char16_t*, 6> kNames = {u"Button",  u"Edit",      u"Static",
                                                            u"ListBox", u"ScrollBar", u"ComboBox"};
  if (ordinal < 0x80 || ordinal > 0x85) return nullptr;
  return kNames[ordinal - 0x80];
}

std::u16string ClassName(const NameOrOrdinal& windowClass) {
  switch (windowClass.kind) {
    case NameOrOrdinal::Kind::kText:
      return windowClass.text;
    case NameOrOrdinal::Kind::kOrdinal:
      if (const char16_t* name = PredefinedClassName(windowClass.ordinal)) return name;
      break;
    case NameOrOrdinal::Kind::kNone:
      return u"";
  }
  const std::string number = "#" + std::to_string(windowClass.ordinal);
  return std::u16string(number.begin(), number.end());
}

std::string Utf8(const std::u16string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t code = text[i];
    if (code >= 0xD800 && code < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] < 0xE000) {
      code = 0x10000 + ((code - 0xD800) << 10) + (text[++i] - 0xDC00);
    } else if (code >= 0xD800 && code < 0xE000) {
      code = 0xFFFD;
    }
    if (code < 0x80) {
      out += static_cast<char>(code);
    } else if (code < 0x800) {
      out += static_cast<char>(0xC0 | (code >> 6));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      out += static_cast<char>(0xE0 | (code >> 12));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (code >> 18));
      out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return out;
}

}  // namespace qo::dialog
