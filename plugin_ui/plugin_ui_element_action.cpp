#include <utility>

#include "qodata/plugin_ui_element.h"

namespace {

// The action's own copy of an element (null for null).
qo::Held<IPluginUIElement> CopyOf(IPluginUIElement* element) {
  return qo::Held<IPluginUIElement>::Adopt(element != nullptr ? element->Copy() : nullptr);
}

// The IDataSource view of a clone of the source, holding the clone's one reference; null for
// a null source or a clone that offers no such view (the clone is then released).
qo::Held<IDataSource> DataSourceCloneOf(IDataSource* source) {
  if (source == nullptr) return nullptr;
  qo::Held<IDataContainer> clone = qo::HoldClone(source);
  void* view = nullptr;
  if (!clone || clone->GetDataInterface(CONTAINER_DATA_SOURCE, &view) != 1) return nullptr;
  // The view's holder is the one the action keeps; the clone's own goes with `clone`.
  return qo::Held<IDataSource>::Adopt(static_cast<IDataSource*>(view));
}

}  // namespace

CPluginUIElementAction::CPluginUIElementAction() = default;

CPluginUIElementAction::CPluginUIElementAction(const CPluginUIElementAction& other)
    : Container(other) {
  *this = other;
}

CPluginUIElementAction& CPluginUIElementAction::operator=(const CPluginUIElementAction& other) {
  if (this == &other) return *this;
  // Both copies are taken before anything changes, so a throwing copy leaves the target as
  // it was.
  qo::Held<IPluginUIElement> element = CopyOf(other.element_.get());
  qo::Held<IDataSource> data = DataSourceCloneOf(other.data_.get());
  pluginEvent_ = other.pluginEvent_;
  if (element) element_ = std::move(element);
  if (data) data_ = std::move(data);
  return *this;
}

CPluginUIElementAction& CPluginUIElementAction::operator&(const CPluginUIElementAction& other) {
  return *this = other;
}

CPluginUIElementAction::~CPluginUIElementAction() = default;

// Null keeps the held element, as an assignment from an action without one does.
void CPluginUIElementAction::SetPluginUIElement(IPluginUIElement* element) {
  if (qo::Held<IPluginUIElement> copy = CopyOf(element)) element_ = std::move(copy);
}

void CPluginUIElementAction::SetPluginEvent(PluginEvent pluginEvent) { pluginEvent_ = pluginEvent; }

// Null keeps the held data, as an assignment from an action without data does.
void CPluginUIElementAction::SetData(IDataSource* data) {
  if (qo::Held<IDataSource> copy = DataSourceCloneOf(data)) data_ = std::move(copy);
}

IPluginUIElement* CPluginUIElementAction::GetPluginElement() { return element_.get(); }
PluginEvent CPluginUIElementAction::GetPluginEvent() { return pluginEvent_; }
IDataSource* CPluginUIElementAction::GetData() { return data_.get(); }
