// Windows on Linux: plain records of the last text, position and show command they were
// given. The window calls check the handle against the live windows first, so a destroyed or
// foreign handle is reported rather than followed.
#include "platform/contract.h"

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <utility>

namespace qo::platform {
namespace {

// Live windows by handle. A handle is a serial number, never reused in the process, so a
// destroyed window's handle cannot come to name a newer window.
std::unordered_map<HWND, std::unique_ptr<WindowState>>& Windows() {
  static std::unordered_map<HWND, std::unique_ptr<WindowState>> windows;
  return windows;
}

WindowState* LiveWindow(HWND window) {
  auto found = Windows().find(window);
  return found == Windows().end() ? nullptr : found->second.get();
}

}  // namespace

HWND CreateWindowObject() {
  static std::uintptr_t lastSerial = 0;
  auto state = std::make_unique<WindowState>(WindowState{{}, 0, 0, 0, 0, 0, 0});
  HWND handle = reinterpret_cast<HWND>(++lastSerial);
  Windows().emplace(handle, std::move(state));
  return handle;
}

void DestroyWindowObject(HWND window) { Windows().erase(window); }

bool GetWindowState(HWND window, WindowState* out) {
  const WindowState* state = LiveWindow(window);
  if (state == nullptr) return false;
  if (out != nullptr) *out = *state;
  return true;
}

std::int32_t ShowWindow(HWND window, std::int32_t showCommand) {
  WindowState* state = LiveWindow(window);
  if (state == nullptr) return 0;
  const bool wasVisible = state->showCommand != 0;
  state->showCommand = showCommand;
  return wasVisible ? 1 : 0;
}

std::int32_t SetWindowText(HWND window, const qo::String& text) {
  WindowState* state = LiveWindow(window);
  if (state == nullptr) return 0;
  state->text = text;
  return 1;
}

std::int32_t MoveWindow(HWND window, std::int32_t x, std::int32_t y, std::int32_t width,
                        std::int32_t height, std::int32_t repaint) {
  WindowState* state = LiveWindow(window);
  if (state == nullptr) return 0;
  state->x = x;
  state->y = y;
  state->width = width;
  state->height = height;
  state->repaint = repaint;
  return 1;
}

}  // namespace qo::platform
