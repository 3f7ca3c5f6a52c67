// The demo plug-in's one entry point, as the host resolves it (dlsym, or GetProcAddress).
#pragma once

#include "qodata/qodata.h"

#ifdef _WIN32
#define QODATA_DEMO_PLUGIN_EXPORT __declspec(dllexport)
#else
#define QODATA_DEMO_PLUGIN_EXPORT __attribute__((visibility("default")))
#endif

// Handles a UI element action (`request`, borrowed) and answers with a data collection of the
// containers it made (`*reply`, one holder owned by the caller). The plug-in makes every
// container through `app`. S_OK, or E_INVALIDARG when the action carries no buddy.
extern "C" QODATA_DEMO_PLUGIN_EXPORT HRESULT QodataDemoPluginRun(IApplicationCom* app,
                                                                 IDataContainer* request,
                                                                 IDataContainer** reply);
using PFN_QodataDemoPluginRun = HRESULT (*)(IApplicationCom*, IDataContainer*, IDataContainer**);

// Identifiers shared by the plug-in and the host that reads its answer.
namespace demo_plugin {
inline constexpr std::uint32_t kDialogId = 0x00070065;  // dialog 101; the high bits are ignored
// On Linux the plug-in's compiled resources sit in this file beside its shared object.
inline constexpr const char* kResourceFile = "demo_plugin.res";
inline constexpr std::uint32_t kGreetingParam = 1;
inline constexpr std::uint32_t kOffsetParam = 2;
inline constexpr std::uint32_t kBuddyBliiParam = 3;
}  // namespace demo_plugin
