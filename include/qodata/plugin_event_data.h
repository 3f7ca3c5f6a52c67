/// @file
/// A plug-in event and one untyped pointer to data that goes with it (type code 12). The data
/// pointer is borrowed: the container never frees, copies or follows it, and its copies carry
/// the same pointer; whoever sets it keeps the data alive while any copy may be read.
#pragma once

#include "qodata/container.h"
#include "qodata/container_base.h"
#include "qodata/export.h"
#include "qodata/types.h"

/// Plug-in event data (type code 12): an event code and a pointer of the caller's. The pointer
/// is stored and returned as given: the container never reads, copies or frees what it points
/// to, which stays the caller's.
class IPluginEventData : public IDataContainer {
 public:
  /// @name Values
  ///@{

  /// The setters store the value (the pointer itself, not what it points to); the getters
  /// return it.
  virtual void SetEventId(PluginEvent eventId) = 0;
  virtual void SetData(void* data) = 0;
  virtual PluginEvent GetEventId() = 0;
  virtual void* GetData() = 0;
  ///@}

 protected:
  ~IPluginEventData() = default;
};
QODATA_INTERFACE_CODE(IPluginEventData, CONTAINER_PLUGIN_EVENT_DATA);

/// Starts with event 0 and no data. Assignment and operator& copy the event and the pointer.
/// @implements IPluginEventData
class QODATA_API PluginEventData
    : public qo::Container<PluginEventData, CONTAINER_PLUGIN_EVENT_DATA, IPluginEventData> {
 public:
  PluginEventData();
  /// Event data of the code and pointer given.
  PluginEventData(PluginEvent eventId, void* data);
  /// The same code and pointer, with one holder of its own.
  PluginEventData(const PluginEventData& other);
  /// Copies the code and the pointer; the holder count stays.
  PluginEventData& operator=(const PluginEventData& other);
  /// The same as assignment; returns the target.
  PluginEventData& operator&(const PluginEventData& other);
  ~PluginEventData() override;

  void SetEventId(PluginEvent eventId) override;
  void SetData(void* data) override;
  PluginEvent GetEventId() override;
  void* GetData() override;

 private:
  PluginEvent eventId_ = static_cast<PluginEvent>(0);  // our choice of starting value: 0
  void* data_ = nullptr;
};
