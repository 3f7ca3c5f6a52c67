// Binary compatibility of the plug-in UI interfaces: every operation stays in its slot.
#include <gtest/gtest.h>

#include <cstdint>

#include "qodata/plugin_control_command.h"
#include "qodata/plugin_event_data.h"
#include "qodata/plugin_info.h"
#include "qodata/plugin_ui_element.h"
#include "qodata/plugin_window.h"
#include "slot_index.h"

namespace {

using I32 = std::int32_t;
using U32 = std::uint32_t;

TEST(SlotOrder, PluginUiInterfaces) {
  EXPECT_CONTAINER_SLOTS(IPluginInfo, SetAuthor, SetCopyRight, SetVersion, SetStatus,
                         SetDescription, SetPluginPath, SetPluginType, SetLoadingOption,
                         SetBrandKey, SetPluginId, GetAuthor, GetCopyRight, GetVersion,
                         GetDescription, GetPluginPath, GetBrandKey, GetStatus, GetPluginId,
                         GetPluginType, GetLoadOption);
  using Element = IPluginUIElement;
  EXPECT_CONTAINER_SLOTS(IPluginUIElement, SetPluginUILocation, SetLabel, SetCommandId);
  EXPECT_OVERLOAD_SLOT(Element, SetImage, void (Element::*)(std::uint16_t), 8);
  EXPECT_OVERLOAD_SLOT(Element, SetImage, void (Element::*)(qo::String), 9);
  EXPECT_SLOTS(IPluginUIElement, 10, SetImageHandle, SetPluginId, SetEventGUID, SetEnabled,
               SetVisible, SetUiFilter, IsEnabled, IsVisible, GetLabel, GetImage, GetImageHandle,
               GetEventGUID, GetCommandId, GetPluginId, GetLocation, Copy, GetUiFilter);
  EXPECT_CONTAINER_SLOTS(IPluginUIElement2, SetPUiKey, GetPUiKey, SetControlType, GetControlType,
                         SetControlState, GetControlState);
  EXPECT_CONTAINER_SLOTS(IPluginUIElementAction, SetPluginUIElement, SetPluginEvent, SetData,
                         GetPluginElement, GetPluginEvent, GetData);
  EXPECT_CONTAINER_SLOTS(IPluginWindowElement, LoadResource, UnloadResource, GetResourceHandle,
                         GetDialogTemplate, GetDialogInit, GetHwnd, SetHwnd, SetDialogID,
                         GetDialogID, GetID, SetID, AddControl, GetControls, GetControl,
                         ShowWindow, GetCmdShow, SetWindowTextW, MoveWindow, Copy,
                         SetEventHandler, GetEventHandler);

  using Control = IPluginWindowControl;
  using Key = tagPLUGINCONTROL_RES_KEY;
  EXPECT_CONTAINER_SLOTS(IPluginWindowControl, SetHwnd, GetHwnd, GetID, GetLabel, GetRect,
                         GetStyle, GetBitmap, ShowWindow, SetWindowTextW, MoveWindow,
                         LoadControlResource, UnloadControlResource);
  EXPECT_OVERLOAD_SLOT(Control, AddResource, I32 (Control::*)(Key, U32), 17);
  EXPECT_OVERLOAD_SLOT(Control, AddResource, I32 (Control::*)(Key, qo::String), 18);
  EXPECT_OVERLOAD_SLOT(Control, GetResource, I32 (Control::*)(Key, U32&), 19);
  EXPECT_OVERLOAD_SLOT(Control, GetResource, I32 (Control::*)(Key, qo::String&), 20);

  using Command = IPluginControlCommand;
  EXPECT_CONTAINER_SLOTS(IPluginControlCommand);
  EXPECT_OVERLOAD_SLOT(Command, AddParam, void (Command::*)(U32, I32), 5);
  EXPECT_OVERLOAD_SLOT(Command, AddParam, void (Command::*)(U32, U32), 6);
  EXPECT_OVERLOAD_SLOT(Command, AddParam, void (Command::*)(U32, qo::String), 7);
  EXPECT_SLOTS(Command, 8, SetCommandType, SetDialogId, SetControlId, SetFunctionId);
  EXPECT_OVERLOAD_SLOT(Command, GetParam, I32 (Command::*)(U32, I32&), 12);
  EXPECT_OVERLOAD_SLOT(Command, GetParam, I32 (Command::*)(U32, U32&), 13);
  EXPECT_OVERLOAD_SLOT(Command, GetParam, I32 (Command::*)(U32, qo::String&), 14);
  EXPECT_SLOTS(Command, 15, GetDialogId, GetControlId, GetFunctionId, GetCommandType);
  EXPECT_CONTAINER_SLOTS(IPluginEventData, SetEventId, SetData, GetEventId, GetData);
}

}  // namespace
