#include <utility>

#include "platform/resources.h"
#include "platform/windows.h"
#include "plugin_ui/window_geometry.h"
#include "qodata/plugin_window.h"

namespace {

// The deleter of the bitmap that a control and its copies share.
void DeleteBitmap(HBITMAP bitmap) { qo::platform::DeleteObject(bitmap); }

}  // namespace

CPluginWindowControl::CPluginWindowControl() = default;

CPluginWindowControl::CPluginWindowControl(std::uint32_t controlId, qo::String label, CRect rect,
                                           std::uint32_t style, std::uint32_t bitmapNumber)
    : label_(std::move(label)),
      style_(style),
      rect_(rect),
      controlId_(controlId),
      bitmapNumber_(bitmapNumber) {}

CPluginWindowControl::CPluginWindowControl(const CPluginWindowControl& other) : Container(other) {
  *this = other;
}

CPluginWindowControl& CPluginWindowControl::operator=(const CPluginWindowControl& other) {
  if (this == &other) return *this;
  // Everything that may throw is built first, so a failure leaves the target as it was.
  qo::String label = other.label_;
  auto texts = textResources_;
  for (const auto& [key, text] : other.textResources_) texts.insert_or_assign(key, text);
  auto numbers = numberResources_;
  for (const auto& [key, number] : other.numberResources_) numbers.insert_or_assign(key, number);

  window_ = other.window_;
  controlId_ = other.controlId_;
  label_ = std::move(label);
  rect_ = other.rect_;
  style_ = other.style_;
  bitmapNumber_ = other.bitmapNumber_;
  bitmap_ = other.bitmap_;  // shared: deleted by the last control that names it
  textResources_.swap(texts);
  numberResources_.swap(numbers);
  return *this;
}

// Drops this control's share of the bitmap; the last control that names it deletes it.
CPluginWindowControl::~CPluginWindowControl() = default;

void CPluginWindowControl::SetHwnd(HWND window) { window_ = window; }
HWND CPluginWindowControl::GetHwnd() { return window_; }
std::uint32_t CPluginWindowControl::GetID() { return controlId_; }
qo::String CPluginWindowControl::GetLabel() { return label_; }
CRect CPluginWindowControl::GetRect() { return rect_; }
std::uint32_t CPluginWindowControl::GetStyle() { return style_; }
HBITMAP CPluginWindowControl::GetBitmap() { return bitmap_.get(); }

std::int32_t CPluginWindowControl::ShowWindow(std::int32_t showCommand) {
  return window_ != nullptr ? qo::platform::ShowWindow(window_, showCommand) : 0;
}

std::int32_t CPluginWindowControl::SetWindowTextW(qo::String text) {
  return window_ != nullptr ? qo::platform::SetWindowText(window_, text) : 0;
}

std::int32_t CPluginWindowControl::MoveWindow(CRect rect, std::int32_t /*repaint*/) {
  if (window_ == nullptr) return 0;
  return qo::platform::MoveWindow(window_, rect.left, rect.top, qo::plugin_ui::WidthOf(rect),
                                  qo::plugin_ui::HeightOf(rect), 1);
}

std::shared_ptr<HBITMAP__> CPluginWindowControl::LoadBitmapFrom(HINSTANCE module) const {
  HBITMAP bitmap =
      qo::platform::LoadBitmap(module, static_cast<std::uint16_t>(bitmapNumber_ & 0xFFFFu));
  if (bitmap == nullptr) return nullptr;
  return std::shared_ptr<HBITMAP__>(bitmap, DeleteBitmap);  // deletes it if this throws
}

// The new bitmap is loaded before the held one is dropped, so that running out of memory
// leaves the control with the bitmap it had; a missing bitmap still drops it.
std::int32_t CPluginWindowControl::LoadControlResource(HINSTANCE module) {
  if (bitmapNumber_ == 0) return 1;
  bitmap_ = LoadBitmapFrom(module);
  return bitmap_ ? 1 : 0;
}

std::int32_t CPluginWindowControl::UnloadControlResource(HINSTANCE /*module*/) {
  if (!bitmap_) return 0;
  bitmap_.reset();
  return 1;
}

std::int32_t CPluginWindowControl::AddResource(tagPLUGINCONTROL_RES_KEY key, std::uint32_t number) {
  numberResources_.insert_or_assign(key, number);
  return 1;
}

std::int32_t CPluginWindowControl::AddResource(tagPLUGINCONTROL_RES_KEY key, qo::String text) {
  textResources_.insert_or_assign(key, std::move(text));
  return 1;
}

std::int32_t CPluginWindowControl::GetResource(tagPLUGINCONTROL_RES_KEY key,
                                               std::uint32_t& number) {
  auto found = numberResources_.find(key);
  if (found == numberResources_.end()) return 0;
  number = found->second;
  return 1;
}

std::int32_t CPluginWindowControl::GetResource(tagPLUGINCONTROL_RES_KEY key, qo::String& text) {
  auto found = textResources_.find(key);
  if (found == textResources_.end()) return 0;
  text = found->second;
  return 1;
}
