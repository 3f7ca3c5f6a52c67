#include <utility>

#include "qodata/plugin_ui_element.h"

CPluginUIElementAction::CPluginUIElementAction() = default;

CPluginUIElementAction::CPluginUIElementAction(const CPluginUIElementAction& other) = default;

// The element and data are copies as the setters take them (Copy of the element, the
// IDataSource view of a clone of the data); what the source lacks, the target keeps.
CPluginUIElementAction& CPluginUIElementAction::operator=(const CPluginUIElementAction& other) {
  if (this == &other) return *this;  // what it holds stays, lent pointers included
  Fields copy = other.fields_;       // may throw; the target is untouched until it succeeded
  if (!copy.element) copy.element = std::move(fields_.element);
  if (!copy.data) copy.data = std::move(fields_.data);
  fields_ = std::move(copy);
  return *this;
}

CPluginUIElementAction& CPluginUIElementAction::operator&(const CPluginUIElementAction& other) {
  return *this = other;
}

CPluginUIElementAction::~CPluginUIElementAction() = default;

// Null keeps the held element, as an assignment from an action without one does.
void CPluginUIElementAction::SetPluginUIElement(IPluginUIElement* element) {
  if (auto copy = qo::Cloned<IPluginUIElement>::Of(element)) fields_.element = std::move(copy);
}

void CPluginUIElementAction::SetPluginEvent(PluginEvent pluginEvent) {
  fields_.pluginEvent = pluginEvent;
}

// Null, or a clone that offers no data source view, keeps the held data, as an assignment
// from an action without data does.
void CPluginUIElementAction::SetData(IDataSource* data) {
  if (auto copy = qo::Cloned<IDataSource>::Of(data)) fields_.data = std::move(copy);
}

IPluginUIElement* CPluginUIElementAction::GetPluginElement() { return fields_.element.get(); }
PluginEvent CPluginUIElementAction::GetPluginEvent() { return fields_.pluginEvent; }
IDataSource* CPluginUIElementAction::GetData() { return fields_.data.get(); }
