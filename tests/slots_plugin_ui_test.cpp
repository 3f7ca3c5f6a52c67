// Binary compatibility of the plug-in UI interfaces: every operation stays in its slot.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "qodata/plugin_control_command.h"
#include "qodata/plugin_event_data.h"
#include "qodata/plugin_info.h"
#include "qodata/plugin_ui_element.h"
#include "qodata/plugin_window.h"
#include "slot_index.h"

namespace {

TEST(SlotOrder, PluginUiInterfaces) {
  EXPECT_SLOTS(IPluginInfo, 0, GetType, Clone, GetDataInterface, AddRef, Release, SetAuthor,
               SetCopyRight, SetVersion, SetStatus, SetDescription, SetPluginPath, SetPluginType,
               SetLoadingOption, SetBrandKey, SetPluginId, GetAuthor, GetCopyRight, GetVersion,
               GetDescription, GetPluginPath, GetBrandKey, GetStatus, GetPluginId, GetPluginType,
               GetLoadOption);
  EXPECT_SLOTS(IPluginUIElement, 0, GetType, Clone, GetDataInterface, AddRef, Release,
               SetPluginUILocation, SetLabel, SetCommandId);
  EXPECT_OVERLOAD_SLOT(IPluginUIElement, SetImage, void (IPluginUIElement::*)(std::uint16_t), 8);
  EXPECT_OVERLOAD_SLOT(IPluginUIElement, SetImage, void (IPluginUIElement::*)(qo::String), 9);
  EXPECT_SLOTS(IPluginUIElement, 10, SetImageHandle, SetPluginId, SetEventGUID, SetEnabled,
               SetVisible, SetUiFilter, IsEnabled, IsVisible, GetLabel, GetImage, GetImageHandle,
               GetEventGUID, GetCommandId, GetPluginId, GetLocation, Copy, GetUiFilter);
  EXPECT_SLOTS(IPluginUIElement2, 0, GetType, Clone, GetDataInterface, AddRef, Release, SetPUiKey,
               GetPUiKey, SetControlType, GetControlType, SetControlState, GetControlState);
  EXPECT_SLOTS(IPluginUIElementAction, 0, GetType, Clone, GetDataInterface, AddRef, Release,
               SetPluginUIElement, SetPluginEvent, SetData, GetPluginElement, GetPluginEvent,
               GetData);
  EXPECT_SLOTS(IPluginWindowElement, 0, GetType, Clone, GetDataInterface, AddRef, Release,
               LoadResource, UnloadResource, GetResourceHandle, GetDialogTemplate, GetDialogInit,
               GetHwnd, SetHwnd, SetDialogID, GetDialogID, GetID, SetID, AddControl, GetControls,
               GetControl, ShowWindow, GetCmdShow, SetWindowTextW, MoveWindow, Copy,
               SetEventHandler, GetEventHandler);
  using Key = tagPLUGINCONTROL_RES_KEY;
  EXPECT_SLOTS(IPluginWindowControl, 0, GetType, Clone, GetDataInterface, AddRef, Release, SetHwnd,
               GetHwnd, GetID, GetLabel, GetRect, GetStyle, GetBitmap, ShowWindow, SetWindowTextW,
               MoveWindow, LoadControlResource, UnloadControlResource);
  EXPECT_OVERLOAD_SLOT(IPluginWindowControl, AddResource,
                       std::int32_t (IPluginWindowControl::*)(Key, std::uint32_t), 17);
  EXPECT_OVERLOAD_SLOT(IPluginWindowControl, AddResource,
                       std::int32_t (IPluginWindowControl::*)(Key, qo::String), 18);
  EXPECT_OVERLOAD_SLOT(IPluginWindowControl, GetResource,
                       std::int32_t (IPluginWindowControl::*)(Key, std::uint32_t&), 19);
  EXPECT_OVERLOAD_SLOT(IPluginWindowControl, GetResource,
                       std::int32_t (IPluginWindowControl::*)(Key, qo::String&), 20);
  using Command = IPluginControlCommand;
  EXPECT_SLOTS(IPluginControlCommand, 0, GetType, Clone, GetDataInterface, AddRef, Release);
  EXPECT_OVERLOAD_SLOT(Command, AddParam, void (Command::*)(std::uint32_t, std::int32_t), 5);
  EXPECT_OVERLOAD_SLOT(Command, AddParam, void (Command::*)(std::uint32_t, std::uint32_t), 6);
  EXPECT_OVERLOAD_SLOT(Command, AddParam, void (Command::*)(std::uint32_t, qo::String), 7);
  EXPECT_SLOTS(Command, 8, SetCommandType, SetDialogId, SetControlId, SetFunctionId);
  EXPECT_OVERLOAD_SLOT(Command, GetParam,
                       std::int32_t (Command::*)(std::uint32_t, std::int32_t&), 12);
  EXPECT_OVERLOAD_SLOT(Command, GetParam,
                       std::int32_t (Command::*)(std::uint32_t, std::uint32_t&), 13);
  EXPECT_OVERLOAD_SLOT(Command, GetParam, std::int32_t (Command::*)(std::uint32_t, qo::String&),
                       14);
  EXPECT_SLOTS(Command, 15, GetDialogId, GetControlId, GetFunctionId, GetCommandType);
  EXPECT_SLOTS(IPluginEventData, 0, GetType, Clone, GetDataInterface, AddRef, Release, SetEventId,
               SetData, GetEventId, GetData);
}

}  // namespace
