/// @file
/// The description of one plug-in (type code 9): author, version, copyright, path, brand key,
/// identifier, type, loading option and a status flag. A plain record: setters store copies,
/// getters return copies, and nothing is checked or interpreted.
#pragma once

#include <cstdint>

#include "qodata/container.h"
#include "qodata/container_base.h"
#include "qodata/export.h"
#include "qodata/types.h"

/// The description of one plug-in (type code 9), kept as values.
class IPluginInfo : public IDataContainer {
 public:
  /// @name Values
  ///@{

  /// Each setter stores a copy of its value; each getter returns a copy.
  virtual void SetAuthor(qo::String author) = 0;
  virtual void SetCopyRight(qo::String copyright) = 0;
  virtual void SetVersion(qo::String version) = 0;
  virtual void SetStatus(bool status) = 0;
  virtual void SetDescription(qo::String description) = 0;
  virtual void SetPluginPath(qo::String path) = 0;
  virtual void SetPluginType(PluginType type) = 0;
  virtual void SetLoadingOption(PluginLoadingOption option) = 0;
  virtual void SetBrandKey(qo::String brandKey) = 0;
  virtual void SetPluginId(std::uint32_t pluginId) = 0;
  virtual qo::String GetAuthor() = 0;
  virtual qo::String GetCopyRight() = 0;
  virtual qo::String GetVersion() = 0;
  virtual qo::String GetDescription() = 0;
  virtual qo::String GetPluginPath() = 0;
  virtual qo::String GetBrandKey() = 0;
  virtual bool GetStatus() = 0;
  virtual std::uint32_t GetPluginId() = 0;
  virtual PluginType GetPluginType() = 0;
  virtual PluginLoadingOption GetLoadOption() = 0;
  ///@}

 protected:
  ~IPluginInfo() = default;
};
QODATA_INTERFACE_CODE(IPluginInfo, CONTAINER_PLUGIN_INFO);

/// Starts with empty texts, status false, identifier 0, type 0 and loading option 3.
/// Assignment and operator& copy every field (never the holder count).
/// @implements IPluginInfo
class QODATA_API CPluginInfo
    : public qo::Container<CPluginInfo, CONTAINER_PLUGIN_INFO, IPluginInfo> {
 public:
  CPluginInfo();
  /// A copy of every field, with one holder of its own.
  CPluginInfo(const CPluginInfo& other);
  /// Copies every field; the holder count stays.
  CPluginInfo& operator=(const CPluginInfo& other);
  /// The same as assignment; returns the target.
  CPluginInfo& operator&(const CPluginInfo& other);
  ~CPluginInfo() override;

  void SetAuthor(qo::String author) override;
  void SetCopyRight(qo::String copyright) override;
  void SetVersion(qo::String version) override;
  void SetStatus(bool status) override;
  void SetDescription(qo::String description) override;
  void SetPluginPath(qo::String path) override;
  void SetPluginType(PluginType type) override;
  void SetLoadingOption(PluginLoadingOption option) override;
  void SetBrandKey(qo::String brandKey) override;
  void SetPluginId(std::uint32_t pluginId) override;
  qo::String GetAuthor() override;
  qo::String GetCopyRight() override;
  qo::String GetVersion() override;
  qo::String GetDescription() override;
  qo::String GetPluginPath() override;
  qo::String GetBrandKey() override;
  bool GetStatus() override;
  std::uint32_t GetPluginId() override;
  PluginType GetPluginType() override;
  PluginLoadingOption GetLoadOption() override;

 private:
  // The fields as one value, so that assignment copies them all before changing any.
  struct Fields {
    qo::String author;
    qo::String copyright;
    qo::String version;
    qo::String description;
    qo::String pluginPath;
    qo::String brandKey;
    bool status = false;
    std::uint32_t pluginId = 0;
    PluginType pluginType = static_cast<PluginType>(0);
    PluginLoadingOption loadingOption = static_cast<PluginLoadingOption>(3);
  };
  Fields fields_;
};
