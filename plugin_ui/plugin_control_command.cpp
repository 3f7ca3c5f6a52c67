#include "qodata/plugin_control_command.h"

#include <utility>

bool CPluginControlCommand::Fields::operator==(const Fields&) const = default;

namespace {

template <class Value>
std::int32_t Find(const std::map<std::uint32_t, Value>& params, std::uint32_t paramId,
                  Value& value) {
  auto found = params.find(paramId);
  if (found == params.end()) return 0;
  value = found->second;
  return 1;
}

}  // namespace

CPluginControlCommand::CPluginControlCommand() = default;

CPluginControlCommand::CPluginControlCommand(const CPluginControlCommand& other) = default;

// Takes the source's identifiers and type; the source's parameters are added to the target's,
// the source winning per identifier.
CPluginControlCommand& CPluginControlCommand::operator=(const CPluginControlCommand& other) {
  Fields copy = other.fields_;  // built aside first: a failure leaves the target as it was
  copy.textParams.insert(fields_.textParams.begin(), fields_.textParams.end());
  copy.unsignedParams.insert(fields_.unsignedParams.begin(), fields_.unsignedParams.end());
  copy.signedParams.insert(fields_.signedParams.begin(), fields_.signedParams.end());
  fields_ = std::move(copy);
  return *this;
}

CPluginControlCommand& CPluginControlCommand::operator&(const CPluginControlCommand& other) {
  return *this = other;
}

CPluginControlCommand::~CPluginControlCommand() = default;

void CPluginControlCommand::AddParam(std::uint32_t paramId, std::int32_t value) {
  fields_.signedParams.insert_or_assign(paramId, value);
}
void CPluginControlCommand::AddParam(std::uint32_t paramId, std::uint32_t value) {
  fields_.unsignedParams.insert_or_assign(paramId, value);
}
void CPluginControlCommand::AddParam(std::uint32_t paramId, qo::String value) {
  fields_.textParams.insert_or_assign(paramId, std::move(value));
}
void CPluginControlCommand::SetCommandType(tagUI_COMMAND_TYPE commandType) {
  fields_.commandType = commandType;
}
void CPluginControlCommand::SetDialogId(std::uint32_t dialogId) { fields_.dialogId = dialogId; }
void CPluginControlCommand::SetControlId(std::uint32_t controlId) { fields_.controlId = controlId; }
void CPluginControlCommand::SetFunctionId(std::uint32_t functionId) {
  fields_.functionId = functionId;
}
std::int32_t CPluginControlCommand::GetParam(std::uint32_t paramId, std::int32_t& value) {
  return Find(fields_.signedParams, paramId, value);
}
std::int32_t CPluginControlCommand::GetParam(std::uint32_t paramId, std::uint32_t& value) {
  return Find(fields_.unsignedParams, paramId, value);
}
std::int32_t CPluginControlCommand::GetParam(std::uint32_t paramId, qo::String& value) {
  return Find(fields_.textParams, paramId, value);
}
std::uint32_t CPluginControlCommand::GetDialogId() { return fields_.dialogId; }
std::uint32_t CPluginControlCommand::GetControlId() { return fields_.controlId; }
std::uint32_t CPluginControlCommand::GetFunctionId() { return fields_.functionId; }
tagUI_COMMAND_TYPE CPluginControlCommand::GetCommandType() { return fields_.commandType; }
