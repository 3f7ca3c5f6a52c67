#include <cstdint>
#include <memory>
#include <utility>

#include "platform/contract.h"
#include "plugin_ui/window_geometry.h"
#include "qodata/plugin_window.h"

namespace {

constexpr std::uint32_t kLastWindowNumber = 5024;
constexpr std::uint32_t kNoWindowNumber = 0xFFFFFFFFu;

// The process-wide window-number counter: 0 to 5024, then kNoWindowNumber for ever.
std::uint32_t DrawWindowNumber() {
  static std::uint32_t next = 0;
  if (next > kLastWindowNumber) return kNoWindowNumber;
  return next++;
}

std::uint16_t ResourceName(std::uint32_t identifier) {
  return static_cast<std::uint16_t>(identifier & 0xFFFFu);
}

// A handle as the diagnostic lines print it (%08x): its low 32 bits.
unsigned TraceValue(const void* handle) {
  return static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(handle));
}

// The locked bytes of a resource of the module, or null when it is missing or shorter than
// `minimumSize`.
void* LockedResource(HINSTANCE module, std::uint16_t name, std::uint16_t type,
                     std::uint32_t minimumSize) {
  qo::platform::ResourceHandle resource = qo::platform::FindResource(module, name, type);
  if (resource == nullptr || qo::platform::SizeofResource(module, resource) < minimumSize) {
    return nullptr;
  }
  return qo::platform::LockResource(qo::platform::LoadResource(module, resource));
}

}  // namespace

bool CPluginWindowElement::Fields::operator==(const Fields&) const = default;

CPluginWindowElement::CPluginWindowElement() { fields_.windowNumber = DrawWindowNumber(); }

CPluginWindowElement::CPluginWindowElement(void* resourceHandle, CRect windowRect,
                                           std::uint32_t value) {
  fields_.windowRect = windowRect;
  fields_.constructorValue = value;
  fields_.resourceHandle = resourceHandle;
}

// Our choice: a copy construction copies the window number and draws none (only the default
// constructor draws, and so Clone does).
CPluginWindowElement::CPluginWindowElement(const CPluginWindowElement& other) : Container(other) {
  *this = other;
}

CPluginWindowElement& CPluginWindowElement::operator=(const CPluginWindowElement& other) {
  if (this == &other) return *this;
  // Clone the source's controls first: a failure leaves the target as it was.
  std::map<std::uint32_t, qo::Held<IPluginWindowControl>> clones;
  for (const auto& [controlId, control] : other.controls_) {
    qo::Held<IDataContainer> clone = qo::HoldClone(control.get());
    void* view = nullptr;
    if (!clone || clone->GetDataInterface(CONTAINER_PLUGIN_WINDOW_CONTROL, &view) != 1) continue;
    clones.emplace(controlId,
                   qo::Held<IPluginWindowControl>::Adopt(static_cast<IPluginWindowControl*>(view)));
  }

  fields_ = other.fields_;
  // Move the clones in without allocating: swap into existing entries, splice new nodes.
  // The replaced controls are released with `clones`.
  while (!clones.empty()) {
    auto node = clones.extract(clones.begin());
    auto existing = controls_.find(node.key());
    if (existing != controls_.end()) {
      existing->second.swap(node.mapped());
    } else {
      controls_.insert(std::move(node));
    }
  }
  return *this;
}

CPluginWindowElement::~CPluginWindowElement() = default;

void CPluginWindowElement::SetDialogResource(DLGTEMPLATE* dialogTemplate, void* dialogInit) {
  fields_.dialogTemplate = dialogTemplate;
  fields_.dialogInit = dialogInit;
}

void CPluginWindowElement::SetResourceHandle(void* resourceHandle) {
  fields_.resourceHandle = resourceHandle;
}

// Every control's bitmap is loaded first and handed over only when all are loaded, so that
// running out of memory leaves each control with the bitmap it had.
void CPluginWindowElement::LoadControlBitmaps(HINSTANCE module) {
  std::vector<CPluginWindowControl::SharedBitmap> loaded;
  loaded.reserve(controls_.size());
  try {
    for (const auto& entry : controls_) {
      const auto& control = static_cast<const CPluginWindowControl&>(*entry.second.get());
      loaded.push_back(control.fields_.bitmapNumber != 0 ? control.LoadBitmapFrom(module)
                                                         : nullptr);
    }
  } catch (...) {
    for (const auto& cell : loaded) {
      if (cell && *cell != nullptr) qo::platform::DeleteObject(*cell);  // nobody holds it yet
    }
    throw;
  }
  auto next = loaded.begin();
  for (auto& entry : controls_) {
    auto& control = static_cast<CPluginWindowControl&>(*entry.second.get());
    if (control.fields_.bitmapNumber != 0) control.ReplaceBitmap(std::move(*next));
    ++next;
  }
}

std::int32_t CPluginWindowElement::LoadResource(HINSTANCE module) {
  const std::uint16_t name = ResourceName(fields_.dialogId);
  HINSTANCE found = qo::platform::FindResourceModule(name, qo::platform::kResourceTypeDialog);
  qo::platform::DebugTrace("CPluginWindowElement::LoadResource(%08x), hInstanceFind=%08x!",
                           TraceValue(module), TraceValue(found));
  if (module == nullptr) return 0;

  // Our choice: a dialog resource too short for a template header counts as missing, so a
  // caller never reads a header past the resource's end.
  auto* dialogTemplate = static_cast<DLGTEMPLATE*>(
      LockedResource(module, name, qo::platform::kResourceTypeDialog, sizeof(DLGTEMPLATE)));
  void* dialogInit = LockedResource(module, name, qo::platform::kResourceTypeDialogInit, 0);
  LoadControlBitmaps(module);
  qo::platform::DebugTrace("DlgTemplate=%08X,DlgInit=%08x!\n", TraceValue(dialogTemplate),
                           TraceValue(dialogInit));

  if (dialogTemplate == nullptr) return 0;
  SetDialogResource(dialogTemplate, dialogInit);
  return 1;
}

void CPluginWindowElement::UnloadResource(HINSTANCE /*module*/) {
  if (fields_.dialogTemplate != nullptr) qo::platform::FreeResource(fields_.dialogTemplate);
  if (fields_.dialogInit != nullptr) qo::platform::FreeResource(fields_.dialogInit);
  fields_.dialogTemplate = nullptr;
  fields_.dialogInit = nullptr;
}

void* CPluginWindowElement::GetResourceHandle() { return fields_.resourceHandle; }
DLGTEMPLATE* CPluginWindowElement::GetDialogTemplate() { return fields_.dialogTemplate; }
void* CPluginWindowElement::GetDialogInit() { return fields_.dialogInit; }
HWND CPluginWindowElement::GetHwnd() { return fields_.window; }

std::int32_t CPluginWindowElement::SetHwnd(HWND window) {
  fields_.window = window;
  return 1;
}

void CPluginWindowElement::SetDialogID(std::uint32_t dialogId) { fields_.dialogId = dialogId; }
std::uint32_t CPluginWindowElement::GetDialogID() { return fields_.dialogId; }
std::uint32_t CPluginWindowElement::GetID() { return fields_.windowNumber; }
void CPluginWindowElement::SetID(std::uint32_t windowNumber) {
  fields_.windowNumber = windowNumber;
}

std::int32_t CPluginWindowElement::AddControl(std::uint32_t controlId, qo::String label, CRect rect,
                                              std::uint32_t style, std::uint32_t bitmapNumber) {
  auto control = qo::Held<IPluginWindowControl>::Adopt(
      new CPluginWindowControl(controlId, std::move(label), rect, style, bitmapNumber));
  controls_.insert_or_assign(controlId, std::move(control));
  return 0;
}

std::uint32_t CPluginWindowElement::GetControls(std::vector<IPluginWindowControl*>& controls) {
  std::vector<IPluginWindowControl*> lent;
  lent.reserve(controls_.size());
  for (const auto& entry : controls_) lent.push_back(entry.second.get());
  controls.swap(lent);
  return static_cast<std::uint32_t>(controls.size());
}

IPluginWindowControl* CPluginWindowElement::GetControl(std::uint32_t controlId) {
  auto found = controls_.find(controlId);
  return found != controls_.end() ? found->second.get() : nullptr;
}

std::int32_t CPluginWindowElement::ShowWindow(std::int32_t showCommand) {
  fields_.showCommand = showCommand;
  return 1;
}

std::int32_t CPluginWindowElement::GetCmdShow() { return fields_.showCommand; }

std::int32_t CPluginWindowElement::SetWindowTextW(qo::String text) {
  return fields_.window != nullptr ? qo::platform::SetWindowText(fields_.window, text) : 0;
}

std::int32_t CPluginWindowElement::MoveWindow(CRect rect, std::int32_t repaint) {
  if (fields_.window == nullptr) return 0;
  return qo::platform::MoveWindow(fields_.window, rect.left, rect.top, qo::plugin_ui::WidthOf(rect),
                                  qo::plugin_ui::HeightOf(rect), repaint);
}

IPluginWindowElement* CPluginWindowElement::Copy() {
  auto copy = std::make_unique<CPluginWindowElement>();  // draws a window number
  *copy = *this;
  return copy.release();
}

std::int32_t CPluginWindowElement::SetEventHandler(IPluginWindowEventHandler* handler) {
  fields_.eventHandler = handler;
  return 1;
}

IPluginWindowEventHandler* CPluginWindowElement::GetEventHandler() { return fields_.eventHandler; }
