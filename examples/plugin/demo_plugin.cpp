// A demo plug-in: a separate shared object that receives a UI element action from the host,
// reads the buddy it carries, and answers with containers it made through the app-com object:
// a control command and a window element built from the plug-in's own resource module.
#include "demo_plugin.h"

#include <string>

#include "own_module.h"

namespace {

#ifdef _WIN32

// On Windows the resources are compiled into the plug-in's DLL, which is their module.
HINSTANCE Resources() { return static_cast<HINSTANCE>(demo_plugin::OwnModule()); }

#else

// The plug-in's resource module (its .res file beside the shared object). Dialog templates
// point into it, so it stays loaded until the plug-in is unloaded.
HINSTANCE g_resources = nullptr;

HINSTANCE Resources() {
  if (g_resources != nullptr) return g_resources;
  std::string path = demo_plugin::OwnPath();
  if (path.empty()) return nullptr;
  path = path.substr(0, path.find_last_of('/') + 1) + demo_plugin::kResourceFile;
  g_resources = qo::platform::LoadResourceModule(path.c_str());
  return g_resources;
}

__attribute__((destructor)) void UnloadResources() {
  if (g_resources != nullptr) qo::platform::FreeResourceModule(g_resources);
}

#endif

template <class Interface>
Interface* Make(IDataFactory2* factory, tagCONTAINER_DATATYPE code) {
  IDataContainer* made = nullptr;
  factory->CreateContainer(code, &made);
  return static_cast<Interface*>(made);
}

}  // namespace

extern "C" QODATA_DEMO_PLUGIN_EXPORT HRESULT QodataDemoPluginRun(IApplicationCom* app,
                                                                 IDataContainer* request,
                                                                 IDataContainer** reply) {
  void* view = nullptr;
  if (app->QueryInterface(IID_IDataFactory2, &view) != S_OK) return E_FAIL;
  auto* factory = static_cast<IDataFactory2*>(view);

  // The buddy arrives as a copy inside the action's data source.
  auto* action = static_cast<IPluginUIElementAction*>(request);
  IDataSource* source = action->GetData();  // lent by the action
  IBuddyProfile* buddy = nullptr;
  if (source == nullptr || source->GetDataInterface(&buddy) != 1) {
    factory->Release();
    return E_INVALIDARG;
  }
  const qo::String greeting =
      u"Hello " + buddy->getFirstName() + u", from " + action->GetPluginElement()->GetLabel();
  const std::int32_t blii = buddy->getBlii();
  buddy->Release();

  auto* command = Make<IPluginControlCommand>(factory, CONTAINER_PLUGIN_CONTROL_COMMAND);
  command->SetCommandType(static_cast<tagUI_COMMAND_TYPE>(2));
  command->SetDialogId(demo_plugin::kDialogId);
  command->SetControlId(1001);
  command->SetFunctionId(7);
  command->AddParam(demo_plugin::kGreetingParam, greeting);
  command->AddParam(demo_plugin::kOffsetParam, static_cast<std::int32_t>(-12));
  command->AddParam(demo_plugin::kBuddyBliiParam, static_cast<std::uint32_t>(blii));

  auto* window = Make<IPluginWindowElement>(factory, CONTAINER_PLUGIN_WINDOW_ELEMENT);
  window->SetDialogID(demo_plugin::kDialogId);
  window->AddControl(1001, u"Name", CRect(50, 6, 210, 20), 0x50810080u, 0);
  window->AddControl(1003, u"Call", CRect(50, 96, 100, 110), 0x50010000u, 201);
  window->AddControl(1004, u"Chat", CRect(110, 96, 160, 110), 0x50010000u, 202);
  window->LoadResource(Resources());  // the template, its init data and the button bitmaps

  auto* answer = Make<IQoDataCollection>(factory, CONTAINER_DATA_COLLECTION);
  answer->SetUserValue(2);
  answer->Add(command);  // the collection keeps clones
  answer->Add(window);
  command->Release();
  window->Release();
  factory->Release();
  *reply = answer;
  return S_OK;
}
