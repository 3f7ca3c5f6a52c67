// Windows of the Windows platform layer: real hidden windows, and the real window calls. A
// window's text, rectangle and visibility are read back from Windows itself. For the windows
// this layer made, what Windows cannot tell is remembered: the exact show command, the repaint
// flag, and the last MoveWindow request as given (Windows applies less of an extreme one: a
// negative size becomes 0), which the state reports as its position and size.
#include "platform/contract.h"

#include <optional>
#include <unordered_map>
#include <utility>

#include "platform/win32/win32_api.h"

namespace qo::platform {
namespace {

constexpr std::int32_t kShowHidden = 0;
constexpr std::int32_t kShowDefaultVisible = 5;  // what a visible window reports by default

struct MoveRequest {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
};

struct Remembered {
  std::int32_t showCommand = kShowHidden;
  std::int32_t repaint = 0;
  std::optional<MoveRequest> lastMove;
};

std::unordered_map<HWND, Remembered>& OwnWindows() {
  static std::unordered_map<HWND, Remembered> windows;
  return windows;
}

Remembered* OwnWindow(HWND window) {
  const auto found = OwnWindows().find(window);
  return found == OwnWindows().end() ? nullptr : &found->second;
}

}  // namespace

HWND CreateWindowObject() {
  auto* window = static_cast<HWND>(win32::CreateHiddenWindow());
  if (window != nullptr) OwnWindows()[window] = Remembered{};
  return window;
}

// Only windows made by CreateWindowObject are destroyed here, never a window of the client.
void DestroyWindowObject(HWND window) {
  if (OwnWindows().erase(window) == 1) win32::DestroyWindow(window);
}

bool GetWindowState(HWND window, WindowState* out) {
  win32::WindowReading reading;
  if (!win32::ReadWindow(window, reading)) return false;
  if (out == nullptr) return true;
  const Remembered* remembered = OwnWindow(window);
  const std::int32_t lastShown = remembered ? remembered->showCommand : kShowDefaultVisible;
  // Windows itself decides visibility; a hidden window reports 0 whatever command hid it.
  const std::int32_t showCommand =
      reading.visible ? (lastShown != kShowHidden ? lastShown : kShowDefaultVisible) : kShowHidden;
  MoveRequest place{reading.left, reading.top, reading.right - reading.left,
                    reading.bottom - reading.top};
  if (remembered != nullptr && remembered->lastMove) place = *remembered->lastMove;
  const std::int32_t repaint = remembered ? remembered->repaint : 0;
  *out = WindowState{
      std::move(reading.text), place.x, place.y, place.width, place.height, repaint, showCommand};
  return true;
}

std::int32_t ShowWindow(HWND window, std::int32_t showCommand) {
  if (!win32::IsWindow(window)) return 0;
  const std::int32_t wasVisible = win32::ShowWindow(window, showCommand);
  if (Remembered* remembered = OwnWindow(window)) remembered->showCommand = showCommand;
  return wasVisible;
}

std::int32_t SetWindowText(HWND window, const qo::String& text) {
  return win32::IsWindow(window) && win32::SetWindowTextUtf16(window, text) ? 1 : 0;
}

std::int32_t MoveWindow(HWND window, std::int32_t x, std::int32_t y, std::int32_t width,
                        std::int32_t height, std::int32_t repaint) {
  if (!win32::IsWindow(window) || !win32::MoveWindow(window, x, y, width, height, repaint != 0)) {
    return 0;
  }
  if (Remembered* remembered = OwnWindow(window)) {
    remembered->repaint = repaint;
    remembered->lastMove = MoveRequest{x, y, width, height};
  }
  return 1;
}

}  // namespace qo::platform
