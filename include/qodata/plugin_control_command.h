/// @file
/// A command for a control of a plug-in window (type code 18): dialog, control and function
/// identifiers, a command type and parameters under numeric identifiers. Texts, unsigned and
/// signed numbers are three independent maps: one identifier can hold one value of each kind,
/// and each kind is read back only by its own GetParam. Nothing is interpreted.
#pragma once

#include <cstdint>
#include <map>

#include "qodata/container.h"
#include "qodata/container_base.h"
#include "qodata/export.h"
#include "qodata/types.h"

/// A command to a plug-in control (type code 18): identifiers, a command type and parameters
/// of three kinds by identifier, all kept as copies.
class IPluginControlCommand : public IDataContainer {
 public:
  /// @name Adding parameters
  ///@{

  /// Each AddParam stores a copy and replaces an earlier value of its kind under the
  /// identifier.
  virtual void AddParam(std::uint32_t paramId, std::int32_t value) = 0;
  virtual void AddParam(std::uint32_t paramId, std::uint32_t value) = 0;
  virtual void AddParam(std::uint32_t paramId, qo::String value) = 0;
  ///@}
  /// @name Identifiers and command type
  ///@{

  /// Each setter stores its value; each getter returns it.
  virtual void SetCommandType(tagUI_COMMAND_TYPE commandType) = 0;
  virtual void SetDialogId(std::uint32_t dialogId) = 0;
  virtual void SetControlId(std::uint32_t controlId) = 0;
  virtual void SetFunctionId(std::uint32_t functionId) = 0;
  ///@}
  /// @name Reading parameters
  ///@{

  /// Each GetParam writes a copy of the value and returns 1, or returns 0 and leaves `value`
  /// alone.
  virtual std::int32_t GetParam(std::uint32_t paramId, std::int32_t& value) = 0;
  virtual std::int32_t GetParam(std::uint32_t paramId, std::uint32_t& value) = 0;
  virtual std::int32_t GetParam(std::uint32_t paramId, qo::String& value) = 0;
  ///@}
  /// @name Reading identifiers and command type
  ///@{

  /// The stored value.
  virtual std::uint32_t GetDialogId() = 0;
  virtual std::uint32_t GetControlId() = 0;
  virtual std::uint32_t GetFunctionId() = 0;
  virtual tagUI_COMMAND_TYPE GetCommandType() = 0;
  ///@}

 protected:
  ~IPluginControlCommand() = default;
};
QODATA_INTERFACE_CODE(IPluginControlCommand, CONTAINER_PLUGIN_CONTROL_COMMAND);

/// Starts with identifiers 0, command type 0 and no parameters.
/// @implements IPluginControlCommand
class QODATA_API CPluginControlCommand
    : public qo::Container<CPluginControlCommand, CONTAINER_PLUGIN_CONTROL_COMMAND,
                           IPluginControlCommand> {
 public:
  CPluginControlCommand();
  /// A copy of the identifiers, command type and parameters, with one holder of its own.
  CPluginControlCommand(const CPluginControlCommand& other);
  /// Copies identifiers and command type and adds the source's parameters to the target's:
  /// the source's value wins under an identifier both hold, the target's others stay.
  CPluginControlCommand& operator=(const CPluginControlCommand& other);
  /// The same as assignment; returns the target.
  CPluginControlCommand& operator&(const CPluginControlCommand& other);
  ~CPluginControlCommand() override;

  void AddParam(std::uint32_t paramId, std::int32_t value) override;
  void AddParam(std::uint32_t paramId, std::uint32_t value) override;
  void AddParam(std::uint32_t paramId, qo::String value) override;
  void SetCommandType(tagUI_COMMAND_TYPE commandType) override;
  void SetDialogId(std::uint32_t dialogId) override;
  void SetControlId(std::uint32_t controlId) override;
  void SetFunctionId(std::uint32_t functionId) override;
  std::int32_t GetParam(std::uint32_t paramId, std::int32_t& value) override;
  std::int32_t GetParam(std::uint32_t paramId, std::uint32_t& value) override;
  std::int32_t GetParam(std::uint32_t paramId, qo::String& value) override;
  std::uint32_t GetDialogId() override;
  std::uint32_t GetControlId() override;
  std::uint32_t GetFunctionId() override;
  tagUI_COMMAND_TYPE GetCommandType() override;

 public:
  /// @cond
  // What a copy carries, as one value.
  struct Fields {
    // Our choice of starting values: every identifier and the command type 0.
    std::uint32_t dialogId = 0;
    std::uint32_t controlId = 0;
    std::uint32_t functionId = 0;
    std::map<std::uint32_t, qo::String> textParams;
    std::map<std::uint32_t, std::uint32_t> unsignedParams;
    std::map<std::uint32_t, std::int32_t> signedParams;
    tagUI_COMMAND_TYPE commandType = static_cast<tagUI_COMMAND_TYPE>(0);
    bool operator==(const Fields& other) const;  // member by member
  };
  /// @endcond
  /// The state that a copy carries, read-only; records compare member by member.
  const Fields& fields() const { return fields_; }

 private:
  Fields fields_;
};
