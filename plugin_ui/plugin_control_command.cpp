#include "qodata/plugin_control_command.h"

#include <utility>

namespace {

// The target's parameters with the source's added (the source's win).
template <class Value>
std::map<std::uint32_t, Value> Merged(const std::map<std::uint32_t, Value>& target,
                                      const std::map<std::uint32_t, Value>& source) {
  std::map<std::uint32_t, Value> merged = target;
  for (const auto& [paramId, value] : source) merged.insert_or_assign(paramId, value);
  return merged;
}

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

CPluginControlCommand::CPluginControlCommand(const CPluginControlCommand& other)
    : Container(other) {
  *this = other;
}

CPluginControlCommand& CPluginControlCommand::operator=(const CPluginControlCommand& other) {
  if (this == &other) return *this;
  // The merged maps are built first, so a failure leaves the target as it was.
  auto texts = Merged(textParams_, other.textParams_);
  auto unsignedNumbers = Merged(unsignedParams_, other.unsignedParams_);
  auto signedNumbers = Merged(signedParams_, other.signedParams_);
  dialogId_ = other.dialogId_;
  controlId_ = other.controlId_;
  functionId_ = other.functionId_;
  commandType_ = other.commandType_;
  textParams_.swap(texts);
  unsignedParams_.swap(unsignedNumbers);
  signedParams_.swap(signedNumbers);
  return *this;
}

CPluginControlCommand& CPluginControlCommand::operator&(const CPluginControlCommand& other) {
  return *this = other;
}

CPluginControlCommand::~CPluginControlCommand() = default;

void CPluginControlCommand::AddParam(std::uint32_t paramId, std::int32_t value) {
  signedParams_.insert_or_assign(paramId, value);
}
void CPluginControlCommand::AddParam(std::uint32_t paramId, std::uint32_t value) {
  unsignedParams_.insert_or_assign(paramId, value);
}
void CPluginControlCommand::AddParam(std::uint32_t paramId, qo::String value) {
  textParams_.insert_or_assign(paramId, std::move(value));
}
void CPluginControlCommand::SetCommandType(tagUI_COMMAND_TYPE commandType) {
  commandType_ = commandType;
}
void CPluginControlCommand::SetDialogId(std::uint32_t dialogId) { dialogId_ = dialogId; }
void CPluginControlCommand::SetControlId(std::uint32_t controlId) { controlId_ = controlId; }
void CPluginControlCommand::SetFunctionId(std::uint32_t functionId) { functionId_ = functionId; }
std::int32_t CPluginControlCommand::GetParam(std::uint32_t paramId, std::int32_t& value) {
  return Find(signedParams_, paramId, value);
}
std::int32_t CPluginControlCommand::GetParam(std::uint32_t paramId, std::uint32_t& value) {
  return Find(unsignedParams_, paramId, value);
}
std::int32_t CPluginControlCommand::GetParam(std::uint32_t paramId, qo::String& value) {
  return Find(textParams_, paramId, value);
}
std::uint32_t CPluginControlCommand::GetDialogId() { return dialogId_; }
std::uint32_t CPluginControlCommand::GetControlId() { return controlId_; }
std::uint32_t CPluginControlCommand::GetFunctionId() { return functionId_; }
tagUI_COMMAND_TYPE CPluginControlCommand::GetCommandType() { return commandType_; }
