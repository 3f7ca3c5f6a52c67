/// @file
/// Plug-in windows (type code 13) and their controls (type code 25): the description of a
/// dialog that lies as a resource in a plug-in's module, the resources found for it, and a few
/// window calls forwarded to the window that the client created.
/// - An element owns one holder of each of its controls; GetControl and GetControls lend them
///   (no holder added) until the control is replaced or the element is destroyed.
/// - An element borrows its window handle, resource handle, event handler, dialog template and
///   dialog-init data: it never destroys the window, frees the module or calls the handler.
///   Template and init data point into the module's resources and are valid while the module
///   stays loaded.
/// - A control borrows its window handle and owns the bitmap it loaded: UnloadControlResource
///   and loading another bitmap delete it, destruction never does (the client may still show
///   it). Copies of a control (assignment, Clone, the element's Clone) share the bitmap, and
///   the first of them to unload it or load another deletes it for all: the others' GetBitmap
///   then answers null and their UnloadControlResource 0, so no handle is deleted twice.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "qodata/container.h"
#include "qodata/container_base.h"
#include "qodata/export.h"
#include "qodata/types.h"

/// A control of a plug-in window (type code 25): it borrows its window handle and owns the
/// bitmap it loaded, shared with its copies.
class IPluginWindowControl : public IDataContainer {
 public:
  /// Stores the handle; the window stays the caller's and is never destroyed here.
  virtual void SetHwnd(HWND window) = 0;
  /// The borrowed window handle (null for none).
  virtual HWND GetHwnd() = 0;
  /// @name Description
  ///@{

  /// A copy of the value the control was built with.
  virtual std::uint32_t GetID() = 0;
  virtual qo::String GetLabel() = 0;
  virtual CRect GetRect() = 0;
  virtual std::uint32_t GetStyle() = 0;
  ///@}
  /// The loaded bitmap (null for none), lent: it stays valid until the last control that
  /// shares it unloads it, loads another or is destroyed.
  virtual HBITMAP GetBitmap() = 0;
  /// Forwards the command to the window; the window's answer. Without a window handle the
  /// window calls do nothing and return 0.
  virtual std::int32_t ShowWindow(std::int32_t showCommand) = 0;
  /// Sets the window's text: 1 on a live window, else 0.
  virtual std::int32_t SetWindowTextW(qo::String text) = 0;
  /// Always repaints, whatever the second argument.
  virtual std::int32_t MoveWindow(CRect rect, std::int32_t repaint) = 0;
  /// Loads the control's bitmap from the borrowed module; the control owns what it loads.
  virtual std::int32_t LoadControlResource(HINSTANCE module) = 0;
  /// Drops the control's bitmap; the module is not touched.
  virtual std::int32_t UnloadControlResource(HINSTANCE module) = 0;
  /// @name Adding resources
  ///@{

  /// Stores a copy under the key, replacing an earlier value of its kind: 1.
  virtual std::int32_t AddResource(tagPLUGINCONTROL_RES_KEY key, std::uint32_t number) = 0;
  virtual std::int32_t AddResource(tagPLUGINCONTROL_RES_KEY key, qo::String text) = 0;
  ///@}
  /// @name Reading resources
  ///@{

  /// Writes a copy of the value under the key: 1. None of that kind: 0, nothing written.
  virtual std::int32_t GetResource(tagPLUGINCONTROL_RES_KEY key, std::uint32_t& number) = 0;
  virtual std::int32_t GetResource(tagPLUGINCONTROL_RES_KEY key, qo::String& text) = 0;
  ///@}

 protected:
  ~IPluginWindowControl() = default;
};
QODATA_INTERFACE_CODE(IPluginWindowControl, CONTAINER_PLUGIN_WINDOW_CONTROL);

/// A plug-in window (type code 13): it owns one holder of each of its controls and lends
/// them; it borrows its window, module resources and event handler.
class IPluginWindowElement : public IDataContainer {
 public:
  /// Finds the dialog's resources in the borrowed module and lets the controls load theirs;
  /// template and init data then point into the module, valid while it stays loaded.
  virtual std::int32_t LoadResource(HINSTANCE module) = 0;
  /// Forgets the dialog's resources; the module is not touched.
  virtual void UnloadResource(HINSTANCE module) = 0;
  /// @name Borrowed resources
  ///@{

  /// The stored pointer (null for none), borrowed: never freed here.
  virtual void* GetResourceHandle() = 0;
  virtual DLGTEMPLATE* GetDialogTemplate() = 0;
  virtual void* GetDialogInit() = 0;
  ///@}
  /// The borrowed window handle (null for none).
  virtual HWND GetHwnd() = 0;
  /// Stores the handle, which stays the caller's: 1.
  virtual std::int32_t SetHwnd(HWND window) = 0;
  /// @name Numbers
  ///@{

  /// The setter stores the value; the getter returns it.
  virtual void SetDialogID(std::uint32_t dialogId) = 0;
  virtual std::uint32_t GetDialogID() = 0;
  virtual std::uint32_t GetID() = 0;
  virtual void SetID(std::uint32_t windowNumber) = 0;
  ///@}
  /// Makes a control of the values given, held by the element under its identifier.
  virtual std::int32_t AddControl(std::uint32_t controlId, qo::String label, CRect rect,
                                  std::uint32_t style, std::uint32_t bitmapNumber) = 0;
  /// Empties the list, then lends it every control, in ascending identifier order.
  virtual std::uint32_t GetControls(std::vector<IPluginWindowControl*>& controls) = 0;
  /// The control under the identifier, lent (null for none); no holder is added.
  virtual IPluginWindowControl* GetControl(std::uint32_t controlId) = 0;
  /// Stores the show command.
  virtual std::int32_t ShowWindow(std::int32_t showCommand) = 0;
  /// The stored show command.
  virtual std::int32_t GetCmdShow() = 0;
  /// Sets the window's text: 1 on a live window, else 0 (also without a window handle).
  virtual std::int32_t SetWindowTextW(qo::String text) = 0;
  /// Moves the window: 1 on a live window, else 0 (also without a window handle).
  virtual std::int32_t MoveWindow(CRect rect, std::int32_t repaint) = 0;
  /// A copy with one holder, owned by the caller: the same as Clone, typed.
  virtual IPluginWindowElement* Copy() = 0;
  /// Stores the pointer, which stays the caller's; the handler is never called here: 1.
  virtual std::int32_t SetEventHandler(IPluginWindowEventHandler* handler) = 0;
  /// The stored handler (null for none), still the caller's.
  virtual IPluginWindowEventHandler* GetEventHandler() = 0;

 protected:
  ~IPluginWindowElement() = default;
};
QODATA_INTERFACE_CODE(IPluginWindowElement, CONTAINER_PLUGIN_WINDOW_ELEMENT);

/// The window control, offered for direct construction.
/// @implements IPluginWindowControl
class QODATA_API CPluginWindowControl
    : public qo::Container<CPluginWindowControl, CONTAINER_PLUGIN_WINDOW_CONTROL,
                           IPluginWindowControl> {
 public:
  /// Identifier, style and bitmap number 0, empty label and rectangle, no window, no bitmap.
  CPluginWindowControl();
  /// A control of the values given, with no window and no bitmap.
  CPluginWindowControl(std::uint32_t controlId, qo::String label, CRect rect, std::uint32_t style,
                       std::uint32_t bitmapNumber);
  /// A copy as assignment makes it (the bitmap shared), with one holder of its own.
  CPluginWindowControl(const CPluginWindowControl& other);
  /// Copies window handle, identifier, label, rectangle, style, bitmap number and bitmap (now
  /// shared), and adds the source's resources to the target's (the source's win per key).
  CPluginWindowControl& operator=(const CPluginWindowControl& other);
  ~CPluginWindowControl() override;

  void SetHwnd(HWND window) override;
  HWND GetHwnd() override;
  std::uint32_t GetID() override;
  qo::String GetLabel() override;
  CRect GetRect() override;
  std::uint32_t GetStyle() override;
  HBITMAP GetBitmap() override;
  std::int32_t ShowWindow(std::int32_t showCommand) override;
  std::int32_t SetWindowTextW(qo::String text) override;
  std::int32_t MoveWindow(CRect rect, std::int32_t repaint) override;
  /// Bitmap number 0: nothing to load, 1. Otherwise deletes the bitmap held so far, loads the
  /// bitmap named by the number's low 16 bits and answers whether that worked.
  std::int32_t LoadControlResource(HINSTANCE module) override;
  /// Deletes the bitmap (for every copy sharing it): 1, or 0 if none was held.
  std::int32_t UnloadControlResource(HINSTANCE module) override;
  std::int32_t AddResource(tagPLUGINCONTROL_RES_KEY key, std::uint32_t number) override;
  std::int32_t AddResource(tagPLUGINCONTROL_RES_KEY key, qo::String text) override;
  std::int32_t GetResource(tagPLUGINCONTROL_RES_KEY key, std::uint32_t& number) override;
  std::int32_t GetResource(tagPLUGINCONTROL_RES_KEY key, qo::String& text) override;

 private:
  /// The element loads all its controls' bitmaps before any control takes its new one.
  friend class CPluginWindowElement;
  /// A bitmap handle that a control and its copies share; null once one of them deleted it.
  using SharedBitmap = std::shared_ptr<HBITMAP>;

 public:
  /// @cond
  // What a copy carries, as one value; copies share the bitmap cell.
  struct Fields {
    std::map<tagPLUGINCONTROL_RES_KEY, qo::String> textResources;
    std::map<tagPLUGINCONTROL_RES_KEY, std::uint32_t> numberResources;
    qo::String label;
    std::uint32_t style = 0;
    CRect rect;
    std::uint32_t controlId = 0;
    HWND window = nullptr;
    std::uint32_t bitmapNumber = 0;
    SharedBitmap bitmap;
    bool operator==(const Fields& other) const;  // member by member
  };
  /// @endcond
  /// The state that a copy carries, read-only; records compare member by member.
  const Fields& fields() const { return fields_; }

 private:
  /// The bitmap named by the bitmap number, loaded from the module into a new cell whose
  /// handle is null when it is missing. Changes nothing in the control.
  SharedBitmap LoadBitmapFrom(HINSTANCE module) const;
  /// Deletes the held bitmap (for every copy) and holds the given cell instead.
  void ReplaceBitmap(SharedBitmap bitmap) noexcept;

  Fields fields_;
};

/// The window number of a default-constructed element is drawn from a process-wide counter:
/// 0, 1, ... up to 5024, then 0xFFFFFFFF for every later element. The counter is not locked.
/// @implements IPluginWindowElement
class QODATA_API CPluginWindowElement
    : public qo::Container<CPluginWindowElement, CONTAINER_PLUGIN_WINDOW_ELEMENT,
                           IPluginWindowElement> {
 public:
  /// Window number from the counter; dialog identifier 0; show command 0 (hidden).
  CPluginWindowElement();
  /// Stores the three values; window number 0, the counter is not touched.
  CPluginWindowElement(void* resourceHandle, CRect windowRect, std::uint32_t value);
  /// Copies everything as assignment does, the window number included; draws no number.
  CPluginWindowElement(const CPluginWindowElement& other);
  /// Copies the fields and holds clones of the source's controls in place of the target's
  /// under the same identifiers; the target's other controls stay.
  CPluginWindowElement& operator=(const CPluginWindowElement& other);
  ~CPluginWindowElement() override;

  /// Stores the two pointers, borrowed: the caller keeps what they point to alive.
  void SetDialogResource(DLGTEMPLATE* dialogTemplate, void* dialogInit);
  /// Stores the pointer, borrowed.
  void SetResourceHandle(void* resourceHandle);

  /// Loads the dialog template (type 5) and init data (type 240) named by the low 16 bits of
  /// the dialog identifier from the module and lets every control load its bitmap. 0 for a
  /// null module or a missing (or too short) template, which leaves template and init data
  /// as they were; 1 otherwise.
  std::int32_t LoadResource(HINSTANCE module) override;
  /// Forgets template and init data; the controls keep their bitmaps.
  void UnloadResource(HINSTANCE module) override;
  void* GetResourceHandle() override;
  DLGTEMPLATE* GetDialogTemplate() override;
  void* GetDialogInit() override;
  HWND GetHwnd() override;
  std::int32_t SetHwnd(HWND window) override;
  void SetDialogID(std::uint32_t dialogId) override;
  std::uint32_t GetDialogID() override;
  std::uint32_t GetID() override;
  void SetID(std::uint32_t windowNumber) override;
  /// Replaces (and releases) a control under the same identifier. Returns 0.
  std::int32_t AddControl(std::uint32_t controlId, qo::String label, CRect rect,
                          std::uint32_t style, std::uint32_t bitmapNumber) override;
  std::uint32_t GetControls(std::vector<IPluginWindowControl*>& controls) override;
  IPluginWindowControl* GetControl(std::uint32_t controlId) override;
  /// Stores the command and returns 1; the window is not touched.
  std::int32_t ShowWindow(std::int32_t showCommand) override;
  std::int32_t GetCmdShow() override;
  std::int32_t SetWindowTextW(qo::String text) override;
  std::int32_t MoveWindow(CRect rect, std::int32_t repaint) override;
  IPluginWindowElement* Copy() override;
  std::int32_t SetEventHandler(IPluginWindowEventHandler* handler) override;
  IPluginWindowEventHandler* GetEventHandler() override;

 public:
  /// @cond
  // What a copy carries beside clones of the controls, as one value.
  struct Fields {
    CRect windowRect;
    std::uint32_t constructorValue = 0;
    HWND window = nullptr;
    IPluginWindowEventHandler* eventHandler = nullptr;
    std::uint32_t dialogId = 0;  // our choice of starting value: 0
    std::uint32_t windowNumber = 0;
    void* resourceHandle = nullptr;
    DLGTEMPLATE* dialogTemplate = nullptr;
    void* dialogInit = nullptr;
    std::int32_t showCommand = 0;                // our choice of starting value: 0, hidden
    bool operator==(const Fields& other) const;  // member by member
  };
  /// @endcond
  /// The state that a copy carries, read-only; records compare member by member.
  const Fields& fields() const { return fields_; }

 private:
  /// Loads the bitmaps of every control (each holds a CPluginWindowControl).
  void LoadControlBitmaps(HINSTANCE module);

  Fields fields_;
  std::map<std::uint32_t, qo::Held<IPluginWindowControl>> controls_;  // the element's own
};
