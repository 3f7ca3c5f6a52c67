// The dialog-template reader on templates built byte by byte, and dialog units to pixels.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "dialog_template.h"
#include "dialog_units.h"

namespace {

using namespace qo::dialog;
using Kind = NameOrOrdinal::Kind;

// Little-endian template bytes.
struct Bytes {
  std::vector<std::uint8_t> v;
  Bytes& W(std::uint16_t w) {
    v.push_back(static_cast<std::uint8_t>(w));
    v.push_back(static_cast<std::uint8_t>(w >> 8));
    return *this;
  }
  Bytes& D(std::uint32_t d) { return W(d & 0xFFFF).W(d >> 16); }
  Bytes& T(const std::u16string& text) {
    for (char16_t unit : text) W(unit);
    return W(0);
  }
  Bytes& Align() {
    while (v.size() % 4 != 0) v.push_back(0);
    return *this;
  }
};

// A classic template with a font: an icon button with creation data, and a text-named class.
std::vector<std::uint8_t> Classic() {
  Bytes b;
  b.D(0x80C80040).D(0x10).W(2).W(1).W(2).W(200).W(100);  // style, items, place and size
  b.W(0xFFFF).W(5).T(u"Cls").T(u"Hi").W(8).T(u"F");      // menu, class, title and font
  b.Align().D(0x50000003).D(0x200).W(0xFFFE).W(4).W(50).W(14).W(0xFFFF).W(0xFFFF).W(0x80);
  b.W(0xFFFF).W(7).W(2).W(0xBBAA);
  b.Align().D(0x50000000).D(0).W(1).W(1).W(2).W(2).W(9).T(u"QodataSwatch").T(u"T").W(0);
  return b.v;
}

// An extended template: 32-bit item id, help ids, a bold italic font with its charset.
std::vector<std::uint8_t> Extended() {
  Bytes b;
  b.W(1).W(0xFFFF).D(9).D(0x10).D(0x40).W(1).W(3).W(4).W(5).W(6).T(u"M").W(0).T(u"").W(9).W(700);
  b.v.insert(b.v.end(), {1, 2});  // italic, charset
  b.T(u"Face").Align().D(3).D(4).D(0x50000000).W(1).W(2).W(3).W(4).D(0x12345678).W(0xFFFF).W(0x85);
  b.T(u"x").W(0);
  return b.v;
}

TEST(DialogTemplate, ReadsBothFormsFieldByField) {
  const std::vector<std::uint8_t> classicBytes = Classic();
  const auto classic = ReadDialogTemplate(classicBytes.data(), classicBytes.size());
  ASSERT_TRUE(classic && classic->font && classic->items.size() == 2u);
  EXPECT_EQ(std::tuple(classic->extended, classic->style, classic->exStyle, classic->cx,
                       classic->menu.kind, classic->menu.ordinal, classic->windowClass.text,
                       classic->title),
            std::tuple(false, 0x80C80040u, 0x10u, 200, Kind::kOrdinal, 5, u"Cls", u"Hi"));
  // The classic form has no weight.
  EXPECT_EQ(std::tuple(classic->font->pointSize, classic->font->weight, classic->font->face),
            std::tuple(8, 0, u"F"));
  const DialogItem& icon = classic->items[0];  // its id has 16 bits, not sign-extended
  EXPECT_EQ(
      std::tuple(icon.x, icon.id, ClassName(icon.windowClass), icon.title.kind, icon.title.ordinal,
                 icon.creationData),
      std::tuple(-2, 0xFFFFu, u"Button", Kind::kOrdinal, 7, std::vector<std::uint8_t>{0xAA, 0xBB}));
  EXPECT_EQ(std::tuple(ClassName(classic->items[1].windowClass), classic->items[1].title.text),
            std::tuple(u"QodataSwatch", u"T"));

  const std::vector<std::uint8_t> extendedBytes = Extended();
  const auto extended = ReadDialogTemplate(extendedBytes.data(), extendedBytes.size());
  ASSERT_TRUE(extended && extended->font && extended->items.size() == 1u);
  EXPECT_EQ(std::tuple(extended->extended, extended->helpId, extended->exStyle, extended->style,
                       extended->menu.text, extended->windowClass.kind),
            std::tuple(true, 9u, 0x10u, 0x40u, u"M", Kind::kNone));
  EXPECT_EQ(std::tuple(extended->font->weight, extended->font->italic, extended->font->charset,
                       extended->font->face),
            std::tuple(700, true, 2, u"Face"));
  const DialogItem& item = extended->items[0];
  EXPECT_EQ(std::tuple(item.helpId, item.exStyle, item.style, item.id, ClassName(item.windowClass)),
            std::tuple(3u, 4u, 0x50000000u, 0x12345678u, u"ComboBox"));

  for (std::uint16_t ordinal : {0x7F, 0x86}) EXPECT_EQ(PredefinedClassName(ordinal), nullptr);
  EXPECT_EQ(ClassName({Kind::kOrdinal, 0x86, u""}), u"#134");
}

// Every cut of a template (a copy of exactly its size) is refused and says where.
TEST(DialogTemplate, RefusesEveryTruncatedTemplate) {
  for (const std::vector<std::uint8_t>& whole : {Classic(), Extended()}) {
    for (std::size_t size = 0; size < whole.size(); ++size) {
      const std::vector<std::uint8_t> cut(whole.data(), whole.data() + size);
      std::string error;
      EXPECT_FALSE(ReadDialogTemplate(cut.data(), cut.size(), &error)) << size;
      EXPECT_NE(error.find("runs past the end of the template (byte "), std::string::npos) << error;
    }
  }
  const std::vector<std::uint8_t> classic = Classic();
  std::string error;
  EXPECT_FALSE(ReadDialogTemplate(classic.data(), classic.size() - 8, &error));
  EXPECT_EQ(error.rfind("item 2 of 2: window class runs past", 0), 0u) << error;
  EXPECT_FALSE(ReadDialogTemplate(nullptr, 100));
}

TEST(DialogUnits, MapEdgeByEdgeWithEstimatedBaseUnits) {
  // Halves round away from zero.
  EXPECT_EQ(std::tuple(MulDiv(7, 3, 2), MulDiv(-7, 3, 2), MulDiv(5, 1, 3)), std::tuple(11, -11, 2));
  DialogTemplate dialog;
  const auto units = [&dialog] {
    return std::pair<int, int>(EstimateBaseUnits(dialog).x, EstimateBaseUnits(dialog).y);
  };
  EXPECT_EQ(units(), std::pair(8, 16));  // no font: the system font's 8 x 16
  for (auto [points, x, y] : {std::tuple{8, 6, 13}, {9, 6, 14}, {0x7FFF, 6, 14}, {12, 8, 19}}) {
    dialog.font = DialogFont{static_cast<std::uint16_t>(points), 0, false, 0, u""};
    EXPECT_EQ(units(), std::pair(x, y)) << points;
  }
  // 1.5 rounds up; the size is mapped on its own, not as the right edge (3).
  const PixelRect one = ToPixels(1, 1, 1, 1, BaseUnits{6, 13});
  EXPECT_EQ(std::tuple(one.left, one.width(), one.top, one.bottom), std::tuple(2, 2, 2, 4));
}

}  // namespace
