#include <utility>

#include "platform/contract.h"
#include "plugin_ui/window_geometry.h"
#include "qodata/plugin_window.h"

bool CPluginWindowControl::Fields::operator==(const Fields&) const = default;

CPluginWindowControl::CPluginWindowControl() = default;

CPluginWindowControl::CPluginWindowControl(std::uint32_t controlId, qo::String label, CRect rect,
                                           std::uint32_t style, std::uint32_t bitmapNumber) {
  fields_.label = std::move(label);
  fields_.style = style;
  fields_.rect = rect;
  fields_.controlId = controlId;
  fields_.bitmapNumber = bitmapNumber;
}

CPluginWindowControl::CPluginWindowControl(const CPluginWindowControl& other) = default;

// Takes the source's fields and bitmap; the source's resources are added to the target's, the
// source winning per key.
CPluginWindowControl& CPluginWindowControl::operator=(const CPluginWindowControl& other) {
  Fields copy = other.fields_;  // may throw; the target is untouched until it succeeded
  copy.textResources.insert(fields_.textResources.begin(), fields_.textResources.end());
  copy.numberResources.insert(fields_.numberResources.begin(), fields_.numberResources.end());
  fields_ = std::move(copy);
  return *this;
}

// Leaves the bitmap alone: the client may still show it.
CPluginWindowControl::~CPluginWindowControl() = default;

void CPluginWindowControl::SetHwnd(HWND window) { fields_.window = window; }
HWND CPluginWindowControl::GetHwnd() { return fields_.window; }
std::uint32_t CPluginWindowControl::GetID() { return fields_.controlId; }
qo::String CPluginWindowControl::GetLabel() { return fields_.label; }
CRect CPluginWindowControl::GetRect() { return fields_.rect; }
std::uint32_t CPluginWindowControl::GetStyle() { return fields_.style; }
HBITMAP CPluginWindowControl::GetBitmap() { return fields_.bitmap ? *fields_.bitmap : nullptr; }

std::int32_t CPluginWindowControl::ShowWindow(std::int32_t showCommand) {
  return fields_.window != nullptr ? qo::platform::ShowWindow(fields_.window, showCommand) : 0;
}

std::int32_t CPluginWindowControl::SetWindowTextW(qo::String text) {
  return fields_.window != nullptr ? qo::platform::SetWindowText(fields_.window, text) : 0;
}

std::int32_t CPluginWindowControl::MoveWindow(CRect rect, std::int32_t /*repaint*/) {
  if (fields_.window == nullptr) return 0;
  return qo::platform::MoveWindow(fields_.window, rect.left, rect.top, qo::plugin_ui::WidthOf(rect),
                                  qo::plugin_ui::HeightOf(rect), 1);
}

CPluginWindowControl::SharedBitmap CPluginWindowControl::LoadBitmapFrom(HINSTANCE module) const {
  auto cell = std::make_shared<HBITMAP>(nullptr);  // allocated first: a throw loads nothing
  *cell =
      qo::platform::LoadBitmap(module, static_cast<std::uint16_t>(fields_.bitmapNumber & 0xFFFFu));
  return cell;
}

void CPluginWindowControl::ReplaceBitmap(SharedBitmap bitmap) noexcept {
  if (fields_.bitmap && *fields_.bitmap != nullptr) {
    qo::platform::DeleteObject(*fields_.bitmap);
    *fields_.bitmap = nullptr;  // the copies sharing the cell see it gone
  }
  fields_.bitmap = std::move(bitmap);
}

// The new bitmap is loaded before the held one is deleted, so that running out of memory
// leaves the control with the bitmap it had; a missing bitmap still deletes it.
std::int32_t CPluginWindowControl::LoadControlResource(HINSTANCE module) {
  if (fields_.bitmapNumber == 0) return 1;
  ReplaceBitmap(LoadBitmapFrom(module));
  return GetBitmap() != nullptr ? 1 : 0;
}

std::int32_t CPluginWindowControl::UnloadControlResource(HINSTANCE /*module*/) {
  if (GetBitmap() == nullptr) return 0;
  ReplaceBitmap(nullptr);
  return 1;
}

std::int32_t CPluginWindowControl::AddResource(tagPLUGINCONTROL_RES_KEY key, std::uint32_t number) {
  fields_.numberResources.insert_or_assign(key, number);
  return 1;
}

std::int32_t CPluginWindowControl::AddResource(tagPLUGINCONTROL_RES_KEY key, qo::String text) {
  fields_.textResources.insert_or_assign(key, std::move(text));
  return 1;
}

std::int32_t CPluginWindowControl::GetResource(tagPLUGINCONTROL_RES_KEY key,
                                               std::uint32_t& number) {
  auto found = fields_.numberResources.find(key);
  if (found == fields_.numberResources.end()) return 0;
  number = found->second;
  return 1;
}

std::int32_t CPluginWindowControl::GetResource(tagPLUGINCONTROL_RES_KEY key, qo::String& text) {
  auto found = fields_.textResources.find(key);
  if (found == fields_.textResources.end()) return 0;
  text = found->second;
  return 1;
}
