#include "qodata/plugin_ui_element.h"

#include <string>
#include <utility>

CPluginUIElement::CPluginUIElement() = default;
CPluginUIElement::CPluginUIElement(const CPluginUIElement& other) = default;
CPluginUIElement& CPluginUIElement::operator=(const CPluginUIElement& other) {
  Fields copy = other.fields_;  // may throw; the target is untouched until it succeeded
  fields_ = std::move(copy);
  return *this;
}
CPluginUIElement& CPluginUIElement::operator&(const CPluginUIElement& other) {
  return *this = other;
}
CPluginUIElement::~CPluginUIElement() = default;

void CPluginUIElement::SetPluginUILocation(PluginUILocation location) {
  fields_.location = location;
}
void CPluginUIElement::SetLabel(qo::String label) { fields_.label = std::move(label); }
void CPluginUIElement::SetCommandId(std::int32_t commandId) { fields_.commandId = commandId; }

// Our choice for a number: "#" and its decimal digits, the text by which a numeric resource
// name is written, so that the number can be read back from the text.
void CPluginUIElement::SetImage(std::uint16_t imageNumber) {
  if (imageNumber == 0) {
    fields_.image.clear();
    return;
  }
  qo::String text = u"#";
  for (char digit : std::to_string(imageNumber)) text.push_back(static_cast<char16_t>(digit));
  fields_.image = std::move(text);
}

void CPluginUIElement::SetImage(qo::String image) { fields_.image = std::move(image); }
void CPluginUIElement::SetImageHandle(HBITMAP image) { fields_.imageHandle = image; }
void CPluginUIElement::SetPluginId(std::int32_t pluginId) { fields_.pluginId = pluginId; }
void CPluginUIElement::SetEventGUID(qo::String eventGuid) {
  fields_.eventGuid = std::move(eventGuid);
}
void CPluginUIElement::SetEnabled(std::int32_t enabled) { fields_.enabled = enabled; }
void CPluginUIElement::SetVisible(std::int32_t visible) { fields_.visible = visible; }
void CPluginUIElement::SetUiFilter(IUiFilter* filter) { fields_.uiFilter = filter; }
std::int32_t CPluginUIElement::IsEnabled() { return fields_.enabled; }
std::int32_t CPluginUIElement::IsVisible() { return fields_.visible; }
qo::String CPluginUIElement::GetLabel() { return fields_.label; }
qo::String CPluginUIElement::GetImage() { return fields_.image; }
HBITMAP CPluginUIElement::GetImageHandle() { return fields_.imageHandle; }
qo::String CPluginUIElement::GetEventGUID() { return fields_.eventGuid; }
std::int32_t CPluginUIElement::GetCommandId() { return fields_.commandId; }
std::int32_t CPluginUIElement::GetPluginId() { return fields_.pluginId; }
PluginUILocation CPluginUIElement::GetLocation() { return fields_.location; }
IPluginUIElement* CPluginUIElement::Copy() { return new CPluginUIElement(*this); }
IUiFilter* CPluginUIElement::GetUiFilter() { return fields_.uiFilter; }

void CPluginUIElement::SetPUiKey(qo::String key) { fields_.uiKey = std::move(key); }
qo::String CPluginUIElement::GetPUiKey() { return fields_.uiKey; }
void CPluginUIElement::SetControlType(std::uint32_t controlType) {
  fields_.controlType = controlType;
}
std::uint32_t CPluginUIElement::GetControlType() { return fields_.controlType; }
void CPluginUIElement::SetControlState(std::uint32_t controlState) {
  fields_.controlState = controlState;
}
std::uint32_t CPluginUIElement::GetControlState() { return fields_.controlState; }
