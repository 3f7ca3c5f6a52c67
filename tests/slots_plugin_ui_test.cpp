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

// Slots 0 to 4 are the container operations, inherited by every interface.
#define EXPECT_CONTAINER_SLOTS(Interface)       \
  EXPECT_SLOT(Interface, GetType, 0);           \
  EXPECT_SLOT(Interface, Clone, 1);             \
  EXPECT_SLOT(Interface, GetDataInterface, 2);  \
  EXPECT_SLOT(Interface, AddRef, 3);            \
  EXPECT_SLOT(Interface, Release, 4)

TEST(SlotOrder, IPluginInfo) {
  EXPECT_CONTAINER_SLOTS(IPluginInfo);
  EXPECT_SLOT(IPluginInfo, SetAuthor, 5);
  EXPECT_SLOT(IPluginInfo, SetCopyRight, 6);
  EXPECT_SLOT(IPluginInfo, SetVersion, 7);
  EXPECT_SLOT(IPluginInfo, SetStatus, 8);
  EXPECT_SLOT(IPluginInfo, SetDescription, 9);
  EXPECT_SLOT(IPluginInfo, SetPluginPath, 10);
  EXPECT_SLOT(IPluginInfo, SetPluginType, 11);
  EXPECT_SLOT(IPluginInfo, SetLoadingOption, 12);
  EXPECT_SLOT(IPluginInfo, SetBrandKey, 13);
  EXPECT_SLOT(IPluginInfo, SetPluginId, 14);
  EXPECT_SLOT(IPluginInfo, GetAuthor, 15);
  EXPECT_SLOT(IPluginInfo, GetCopyRight, 16);
  EXPECT_SLOT(IPluginInfo, GetVersion, 17);
  EXPECT_SLOT(IPluginInfo, GetDescription, 18);
  EXPECT_SLOT(IPluginInfo, GetPluginPath, 19);
  EXPECT_SLOT(IPluginInfo, GetBrandKey, 20);
  EXPECT_SLOT(IPluginInfo, GetStatus, 21);
  EXPECT_SLOT(IPluginInfo, GetPluginId, 22);
  EXPECT_SLOT(IPluginInfo, GetPluginType, 23);
  EXPECT_SLOT(IPluginInfo, GetLoadOption, 24);
}

TEST(SlotOrder, IPluginUIElement) {
  EXPECT_CONTAINER_SLOTS(IPluginUIElement);
  EXPECT_SLOT(IPluginUIElement, SetPluginUILocation, 5);
  EXPECT_SLOT(IPluginUIElement, SetLabel, 6);
  EXPECT_SLOT(IPluginUIElement, SetCommandId, 7);
  EXPECT_OVERLOAD_SLOT(IPluginUIElement, SetImage, void (IPluginUIElement::*)(std::uint16_t), 8);
  EXPECT_OVERLOAD_SLOT(IPluginUIElement, SetImage, void (IPluginUIElement::*)(qo::String), 9);
  EXPECT_SLOT(IPluginUIElement, SetImageHandle, 10);
  EXPECT_SLOT(IPluginUIElement, SetPluginId, 11);
  EXPECT_SLOT(IPluginUIElement, SetEventGUID, 12);
  EXPECT_SLOT(IPluginUIElement, SetEnabled, 13);
  EXPECT_SLOT(IPluginUIElement, SetVisible, 14);
  EXPECT_SLOT(IPluginUIElement, SetUiFilter, 15);
  EXPECT_SLOT(IPluginUIElement, IsEnabled, 16);
  EXPECT_SLOT(IPluginUIElement, IsVisible, 17);
  EXPECT_SLOT(IPluginUIElement, GetLabel, 18);
  EXPECT_SLOT(IPluginUIElement, GetImage, 19);
  EXPECT_SLOT(IPluginUIElement, GetImageHandle, 20);
  EXPECT_SLOT(IPluginUIElement, GetEventGUID, 21);
  EXPECT_SLOT(IPluginUIElement, GetCommandId, 22);
  EXPECT_SLOT(IPluginUIElement, GetPluginId, 23);
  EXPECT_SLOT(IPluginUIElement, GetLocation, 24);
  EXPECT_SLOT(IPluginUIElement, Copy, 25);
  EXPECT_SLOT(IPluginUIElement, GetUiFilter, 26);
}

TEST(SlotOrder, IPluginUIElement2) {
  EXPECT_CONTAINER_SLOTS(IPluginUIElement2);
  EXPECT_SLOT(IPluginUIElement2, SetPUiKey, 5);
  EXPECT_SLOT(IPluginUIElement2, GetPUiKey, 6);
  EXPECT_SLOT(IPluginUIElement2, SetControlType, 7);
  EXPECT_SLOT(IPluginUIElement2, GetControlType, 8);
  EXPECT_SLOT(IPluginUIElement2, SetControlState, 9);
  EXPECT_SLOT(IPluginUIElement2, GetControlState, 10);
}

TEST(SlotOrder, IPluginUIElementAction) {
  EXPECT_CONTAINER_SLOTS(IPluginUIElementAction);
  EXPECT_SLOT(IPluginUIElementAction, SetPluginUIElement, 5);
  EXPECT_SLOT(IPluginUIElementAction, SetPluginEvent, 6);
  EXPECT_SLOT(IPluginUIElementAction, SetData, 7);
  EXPECT_SLOT(IPluginUIElementAction, GetPluginElement, 8);
  EXPECT_SLOT(IPluginUIElementAction, GetPluginEvent, 9);
  EXPECT_SLOT(IPluginUIElementAction, GetData, 10);
}

TEST(SlotOrder, IPluginWindowElement) {
  EXPECT_CONTAINER_SLOTS(IPluginWindowElement);
  EXPECT_SLOT(IPluginWindowElement, LoadResource, 5);
  EXPECT_SLOT(IPluginWindowElement, UnloadResource, 6);
  EXPECT_SLOT(IPluginWindowElement, GetResourceHandle, 7);
  EXPECT_SLOT(IPluginWindowElement, GetDialogTemplate, 8);
  EXPECT_SLOT(IPluginWindowElement, GetDialogInit, 9);
  EXPECT_SLOT(IPluginWindowElement, GetHwnd, 10);
  EXPECT_SLOT(IPluginWindowElement, SetHwnd, 11);
  EXPECT_SLOT(IPluginWindowElement, SetDialogID, 12);
  EXPECT_SLOT(IPluginWindowElement, GetDialogID, 13);
  EXPECT_SLOT(IPluginWindowElement, GetID, 14);
  EXPECT_SLOT(IPluginWindowElement, SetID, 15);
  EXPECT_SLOT(IPluginWindowElement, AddControl, 16);
  EXPECT_SLOT(IPluginWindowElement, GetControls, 17);
  EXPECT_SLOT(IPluginWindowElement, GetControl, 18);
  EXPECT_SLOT(IPluginWindowElement, ShowWindow, 19);
  EXPECT_SLOT(IPluginWindowElement, GetCmdShow, 20);
  EXPECT_SLOT(IPluginWindowElement, SetWindowTextW, 21);
  EXPECT_SLOT(IPluginWindowElement, MoveWindow, 22);
  EXPECT_SLOT(IPluginWindowElement, Copy, 23);
  EXPECT_SLOT(IPluginWindowElement, SetEventHandler, 24);
  EXPECT_SLOT(IPluginWindowElement, GetEventHandler, 25);
}

TEST(SlotOrder, IPluginWindowControl) {
  using Key = tagPLUGINCONTROL_RES_KEY;
  EXPECT_CONTAINER_SLOTS(IPluginWindowControl);
  EXPECT_SLOT(IPluginWindowControl, SetHwnd, 5);
  EXPECT_SLOT(IPluginWindowControl, GetHwnd, 6);
  EXPECT_SLOT(IPluginWindowControl, GetID, 7);
  EXPECT_SLOT(IPluginWindowControl, GetLabel, 8);
  EXPECT_SLOT(IPluginWindowControl, GetRect, 9);
  EXPECT_SLOT(IPluginWindowControl, GetStyle, 10);
  EXPECT_SLOT(IPluginWindowControl, GetBitmap, 11);
  EXPECT_SLOT(IPluginWindowControl, ShowWindow, 12);
  EXPECT_SLOT(IPluginWindowControl, SetWindowTextW, 13);
  EXPECT_SLOT(IPluginWindowControl, MoveWindow, 14);
  EXPECT_SLOT(IPluginWindowControl, LoadControlResource, 15);
  EXPECT_SLOT(IPluginWindowControl, UnloadControlResource, 16);
  EXPECT_OVERLOAD_SLOT(IPluginWindowControl, AddResource,
                       std::int32_t (IPluginWindowControl::*)(Key, std::uint32_t), 17);
  EXPECT_OVERLOAD_SLOT(IPluginWindowControl, AddResource,
                       std::int32_t (IPluginWindowControl::*)(Key, qo::String), 18);
  EXPECT_OVERLOAD_SLOT(IPluginWindowControl, GetResource,
                       std::int32_t (IPluginWindowControl::*)(Key, std::uint32_t&), 19);
  EXPECT_OVERLOAD_SLOT(IPluginWindowControl, GetResource,
                       std::int32_t (IPluginWindowControl::*)(Key, qo::String&), 20);
}

TEST(SlotOrder, IPluginControlCommand) {
  using Command = IPluginControlCommand;
  EXPECT_CONTAINER_SLOTS(IPluginControlCommand);
  EXPECT_OVERLOAD_SLOT(Command, AddParam, void (Command::*)(std::uint32_t, std::int32_t), 5);
  EXPECT_OVERLOAD_SLOT(Command, AddParam, void (Command::*)(std::uint32_t, std::uint32_t), 6);
  EXPECT_OVERLOAD_SLOT(Command, AddParam, void (Command::*)(std::uint32_t, qo::String), 7);
  EXPECT_SLOT(Command, SetCommandType, 8);
  EXPECT_SLOT(Command, SetDialogId, 9);
  EXPECT_SLOT(Command, SetControlId, 10);
  EXPECT_SLOT(Command, SetFunctionId, 11);
  EXPECT_OVERLOAD_SLOT(Command, GetParam,
                       std::int32_t (Command::*)(std::uint32_t, std::int32_t&), 12);
  EXPECT_OVERLOAD_SLOT(Command, GetParam,
                       std::int32_t (Command::*)(std::uint32_t, std::uint32_t&), 13);
  EXPECT_OVERLOAD_SLOT(Command, GetParam, std::int32_t (Command::*)(std::uint32_t, qo::String&),
                       14);
  EXPECT_SLOT(Command, GetDialogId, 15);
  EXPECT_SLOT(Command, GetControlId, 16);
  EXPECT_SLOT(Command, GetFunctionId, 17);
  EXPECT_SLOT(Command, GetCommandType, 18);
}

TEST(SlotOrder, IPluginEventData) {
  EXPECT_CONTAINER_SLOTS(IPluginEventData);
  EXPECT_SLOT(IPluginEventData, SetEventId, 5);
  EXPECT_SLOT(IPluginEventData, SetData, 6);
  EXPECT_SLOT(IPluginEventData, GetEventId, 7);
  EXPECT_SLOT(IPluginEventData, GetData, 8);
}

}  // namespace
