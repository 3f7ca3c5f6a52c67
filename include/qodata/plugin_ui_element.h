/// @file
/// UI elements that a plug-in contributes to the client (type code 10, with a second interface
/// under code 29) and the actions that tie an element to a plug-in event and a data source
/// (type code 11).
/// - An element is a plain record. Its image handle and UI filter are carried, not owned: the
///   element never frees the bitmap, never calls the filter and takes no reference on it, and
///   its copies carry the same handle and pointer.
/// - An action owns a copy of its element and a clone of its data source, and releases each
///   when it is replaced and when the action is destroyed. GetPluginElement and GetData lend
///   them (no holder added) until the next SetPluginUIElement or SetData, an assignment that
///   replaces them, or the action's destruction.
#pragma once

#include <cstdint>

#include "qodata/container.h"
#include "qodata/container_base.h"
#include "qodata/data_source.h"
#include "qodata/export.h"
#include "qodata/types.h"

/// A UI element of a plug-in (type code 10), kept as values; its image handle and UI filter
/// are carried, not owned.
class IPluginUIElement : public IDataContainer {
 public:
  /// @name Values
  ///@{

  /// Each setter stores a copy of its value; each getter returns a copy.
  virtual void SetPluginUILocation(PluginUILocation location) = 0;
  virtual void SetLabel(qo::String label) = 0;
  virtual void SetCommandId(std::int32_t commandId) = 0;
  /// The image as text: "#" and the number in decimal (the text form of a numeric resource
  /// name), or empty for 0.
  virtual void SetImage(std::uint16_t imageNumber) = 0;
  virtual void SetImage(qo::String image) = 0;
  /// Stores the handle; the element never frees the bitmap, which stays the caller's.
  virtual void SetImageHandle(HBITMAP image) = 0;
  virtual void SetPluginId(std::int32_t pluginId) = 0;
  virtual void SetEventGUID(qo::String eventGuid) = 0;
  virtual void SetEnabled(std::int32_t enabled) = 0;
  virtual void SetVisible(std::int32_t visible) = 0;
  /// Stores the pointer; the element never calls the filter and takes no reference on it.
  virtual void SetUiFilter(IUiFilter* filter) = 0;
  virtual std::int32_t IsEnabled() = 0;
  virtual std::int32_t IsVisible() = 0;
  virtual qo::String GetLabel() = 0;
  virtual qo::String GetImage() = 0;
  /// The stored handle, still the caller's.
  virtual HBITMAP GetImageHandle() = 0;
  virtual qo::String GetEventGUID() = 0;
  virtual std::int32_t GetCommandId() = 0;
  virtual std::int32_t GetPluginId() = 0;
  virtual PluginUILocation GetLocation() = 0;
  ///@}
  /// A copy with one holder, owned by the caller: the same as Clone, typed.
  virtual IPluginUIElement* Copy() = 0;
  /// The stored pointer, still the caller's.
  virtual IUiFilter* GetUiFilter() = 0;

 protected:
  ~IPluginUIElement() = default;
};
QODATA_INTERFACE_CODE(IPluginUIElement, CONTAINER_PLUGIN_UI_ELEMENT);

/// The control's key, type and state (code 29): the same element, on its one holder count.
class IPluginUIElement2 : public IDataContainer {
 public:
  /// @name Values
  ///@{

  /// Each setter stores a copy of its value; each getter returns a copy.
  virtual void SetPUiKey(qo::String key) = 0;
  virtual qo::String GetPUiKey() = 0;
  virtual void SetControlType(std::uint32_t controlType) = 0;
  virtual std::uint32_t GetControlType() = 0;
  virtual void SetControlState(std::uint32_t controlState) = 0;
  virtual std::uint32_t GetControlState() = 0;
  ///@}

 protected:
  ~IPluginUIElement2() = default;
};
QODATA_INTERFACE_CODE(IPluginUIElement2, CONTAINER_PLUGIN_UI_ELEMENT2);

/// Starts with empty texts, every number and flag 0, location 0, no image handle and no
/// filter. Flags come back exactly as set. Assignment and operator& copy every field (never
/// the holder count).
/// @implements IPluginUIElement
/// @implements IPluginUIElement2
class QODATA_API CPluginUIElement
    : public qo::Container<CPluginUIElement, CONTAINER_PLUGIN_UI_ELEMENT, IPluginUIElement,
                           IPluginUIElement2> {
 public:
  CPluginUIElement();
  /// A copy of every field, with one holder of its own.
  CPluginUIElement(const CPluginUIElement& other);
  /// Copies every field; the holder count stays.
  CPluginUIElement& operator=(const CPluginUIElement& other);
  /// The same as assignment; returns the target.
  CPluginUIElement& operator&(const CPluginUIElement& other);
  ~CPluginUIElement() override;

  // IPluginUIElement
  void SetPluginUILocation(PluginUILocation location) override;
  void SetLabel(qo::String label) override;
  void SetCommandId(std::int32_t commandId) override;
  void SetImage(std::uint16_t imageNumber) override;
  void SetImage(qo::String image) override;
  void SetImageHandle(HBITMAP image) override;
  void SetPluginId(std::int32_t pluginId) override;
  void SetEventGUID(qo::String eventGuid) override;
  void SetEnabled(std::int32_t enabled) override;
  void SetVisible(std::int32_t visible) override;
  void SetUiFilter(IUiFilter* filter) override;
  std::int32_t IsEnabled() override;
  std::int32_t IsVisible() override;
  qo::String GetLabel() override;
  qo::String GetImage() override;
  HBITMAP GetImageHandle() override;
  qo::String GetEventGUID() override;
  std::int32_t GetCommandId() override;
  std::int32_t GetPluginId() override;
  PluginUILocation GetLocation() override;
  IPluginUIElement* Copy() override;
  IUiFilter* GetUiFilter() override;

  // IPluginUIElement2
  void SetPUiKey(qo::String key) override;
  qo::String GetPUiKey() override;
  void SetControlType(std::uint32_t controlType) override;
  std::uint32_t GetControlType() override;
  void SetControlState(std::uint32_t controlState) override;
  std::uint32_t GetControlState() override;

 private:
  // The fields as one value, so that assignment copies them all before changing any.
  struct Fields {
    qo::String label;
    qo::String image;
    qo::String eventGuid;
    qo::String uiKey;
    std::int32_t enabled = 0;
    std::int32_t visible = 0;
    HBITMAP imageHandle = nullptr;  // carried, not owned
    std::int32_t commandId = 0;
    std::int32_t pluginId = 0;
    std::uint32_t controlType = 0;
    std::uint32_t controlState = 0;
    PluginUILocation location = static_cast<PluginUILocation>(0);  // our starting value: 0
    IUiFilter* uiFilter = nullptr;                                 // carried, not owned
  };
  Fields fields_;
};

/// An action (type code 11): an element, a plug-in event and a data source; the action owns a
/// copy of the element and a clone of the source, and lends them.
class IPluginUIElementAction : public IDataContainer {
 public:
  /// Holds a Copy of the element in place of the one held so far; null changes nothing.
  virtual void SetPluginUIElement(IPluginUIElement* element) = 0;
  /// Stores the event.
  virtual void SetPluginEvent(PluginEvent pluginEvent) = 0;
  /// Holds the IDataSource view of a clone of the source in place of the one held so far. A
  /// clone that offers no data source view is dropped and the held one stays; null changes
  /// nothing.
  virtual void SetData(IDataSource* data) = 0;
  /// The held element (null if none), lent; no holder is added.
  virtual IPluginUIElement* GetPluginElement() = 0;
  /// The stored event.
  virtual PluginEvent GetPluginEvent() = 0;
  /// The held data source (null if none), lent; no holder is added.
  virtual IDataSource* GetData() = 0;

 protected:
  ~IPluginUIElementAction() = default;
};
QODATA_INTERFACE_CODE(IPluginUIElementAction, CONTAINER_PLUGIN_UI_ELEMENT_ACTION);

/// Starts with no element, no data and event 0. Assignment (and operator&, the copy
/// constructor and Clone) copies the event and takes copies of the source's element and data
/// as the setters do; what the source lacks, the target keeps.
/// @implements IPluginUIElementAction
class QODATA_API CPluginUIElementAction
    : public qo::Container<CPluginUIElementAction, CONTAINER_PLUGIN_UI_ELEMENT_ACTION,
                           IPluginUIElementAction> {
 public:
  CPluginUIElementAction();
  /// A new action with other assigned to it, with one holder of its own.
  CPluginUIElementAction(const CPluginUIElementAction& other);
  /// Copies the event and holds copies of other's element and data source as the setters do.
  CPluginUIElementAction& operator=(const CPluginUIElementAction& other);
  /// The same as assignment; returns the target.
  CPluginUIElementAction& operator&(const CPluginUIElementAction& other);
  ~CPluginUIElementAction() override;

  void SetPluginUIElement(IPluginUIElement* element) override;
  void SetPluginEvent(PluginEvent pluginEvent) override;
  void SetData(IDataSource* data) override;
  IPluginUIElement* GetPluginElement() override;
  PluginEvent GetPluginEvent() override;
  IDataSource* GetData() override;

 private:
  // What a copy carries, as one value; a copy of it holds copies of the element and data.
  struct Fields {
    qo::Cloned<IPluginUIElement> element;
    PluginEvent pluginEvent = static_cast<PluginEvent>(0);  // our choice of starting value: 0
    qo::Cloned<IDataSource> data;
  };
  Fields fields_;
};
