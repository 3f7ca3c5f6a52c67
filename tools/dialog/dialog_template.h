// Reading a dialog template (the classic DLGTEMPLATE form or the extended DLGTEMPLATEEX form)
// out of the bytes of a dialog resource, as Windows reads it when it creates the dialog.
// Every read is checked against the given size: a template that runs past its bytes is
// refused with a message that says where, never read beyond them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qo::dialog {

// A menu, a window class or a control's caption: nothing, a 16-bit ordinal, or a text.
struct NameOrOrdinal {
  enum class Kind { kNone, kOrdinal, kText };
  Kind kind = Kind::kNone;
  std::uint16_t ordinal = 0;
  std::u16string text;
};

// The dialog's font, present when the style has DS_SETFONT.
struct DialogFont {
  std::uint16_t pointSize = 0;  // 0x7FFF: the system's message-box font, nothing else follows
  std::uint16_t weight = 0;     // the extended form only
  bool italic = false;          // the extended form only
  std::uint8_t charset = 0;     // the extended form only
  std::u16string face;
};

struct DialogItem {
  std::uint32_t helpId = 0;  // the extended form only
  std::uint32_t exStyle = 0;
  std::uint32_t style = 0;
  std::int16_t x = 0, y = 0, cx = 0, cy = 0;  // dialog units
  std::uint32_t id = 0;                       // 16 bits in the classic form, 32 in the extended
  NameOrOrdinal windowClass;                  // ordinals 0x80-0x85 name the predefined classes
  NameOrOrdinal title;                        // an ordinal names a resource (an icon, a bitmap)
  std::vector<std::uint8_t> creationData;     // the bytes after the size word
};

struct DialogTemplate {
  bool extended = false;
  std::uint16_t version = 0;  // dlgVer of the extended form
  std::uint32_t helpId = 0;   // the extended form only
  std::uint32_t exStyle = 0;
  std::uint32_t style = 0;
  std::int16_t x = 0, y = 0, cx = 0, cy = 0;
  NameOrOrdinal menu;
  NameOrOrdinal windowClass;
  std::u16string title;
  std::optional<DialogFont> font;
  std::vector<DialogItem> items;
};

inline constexpr std::uint32_t kStyleSetFont = 0x40;  // DS_SETFONT

// Reads the template in bytes[0, size). Returns nothing and, when `error` is given, a
// one-line reason (what was being read and at which byte) when the bytes are not a template.
std::optional<DialogTemplate> ReadDialogTemplate(const std::uint8_t* bytes, std::size_t size,
                                                 std::string* error = nullptr);

// The name of a predefined control class ("Button" for 0x80 ... "ComboBox" for 0x85), or
// null for any other ordinal.
const char16_t* PredefinedClassName(std::uint16_t ordinal);

// The class a control is created with, as a text: the predefined name, the text name, or
// "#N" for another ordinal.
std::u16string ClassName(const NameOrOrdinal& windowClass);

// UTF-16 to UTF-8, for printing (unpaired surrogates become U+FFFD).
std::string Utf8(const std::u16string& text);

}  // namespace qo::dialog
