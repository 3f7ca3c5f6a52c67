// The demo host: loads libqodata (qodata.dll on Windows) at run time, as the client
// application does, and walks through what the library offers, reaching it only through the
// exported functions and the interfaces.
#include <cstdio>

#include "host.h"
#include "system.h"

namespace {

bool Load(const char* path, demo::Library& library) {
  library.handle = demo::LoadModule(path);
  if (library.handle == nullptr) {
    std::fprintf(stderr, "cannot load %s: %s\n", path, demo::LoadError().c_str());
    return false;
  }
  library.createFactory = reinterpret_cast<PFN_CreateDataFactoryInstance>(
      demo::FindEntryPoint(library.handle, "CreateDataFactoryInstance"));
  library.freeFactory = reinterpret_cast<PFN_FreeDataFactoryInstance>(
      demo::FindEntryPoint(library.handle, "FreeDataFactoryInstance"));
  library.createAppCom = reinterpret_cast<PFN_CreateAppComInstance>(
      demo::FindEntryPoint(library.handle, "CreateAppComInstance"));
  library.destroyAppCom = reinterpret_cast<PFN_DestroyAppComInstance>(
      demo::FindEntryPoint(library.handle, "DestroyAppComInstance"));
  return library.createFactory && library.freeFactory && library.createAppCom &&
         library.destroyAppCom;
}

}  // namespace

int main(int argc, char** argv) {
  const char* path = argc > 1 ? argv[1] : "libqodata.so";
  const char* pluginPath = argc > 2 ? argv[2] : "libqodata_demo_plugin.so";
  // The picture of the plug-in's dialog goes beside where the host runs unless a path is given.
  const char* picturePath = argc > 3 ? argv[3] : "plugin-dialog.svg";
  // Time texts are local time; the demo fixes its zone so that its output is the same everywhere.
  demo::SetTimeZone("CET-1CEST,M3.5.0,M10.5.0/3");
  demo::Library library;
  if (!Load(path, library)) return 1;

  IDataFactory* factory = nullptr;
  IApplicationCom* appCom = nullptr;
  if (library.createFactory(&factory) != S_OK ||
      library.createAppCom(reinterpret_cast<void**>(&appCom)) != S_OK) {
    std::fprintf(stderr, "the library gave no factory\n");
    return 1;
  }
  std::uint32_t version = 0;
  appCom->GetVersion(&version);
  std::printf("qodata loaded from %s (interface version 0x%08X)\n", path,
              static_cast<unsigned>(version));

  demo::Ledger ledger;
  demo::Context context{library, factory, static_cast<IDataFactory2*>(appCom), ledger};
  demo::ShowProfiles(context);
  IBuddyList* buddies = demo::ShowBuddyList(context);
  demo::ShowConversation(context, buddies);
  demo::ShowPlugin(context, buddies, pluginPath, picturePath);
  ledger.Gave(buddies);

  demo::Heading("Accounts");
  std::printf("  containers taken: %d, given back: %d -> %s\n", ledger.taken(), ledger.given(),
              ledger.taken() == ledger.given() ? "nothing left behind" : "LEAKED");
  library.destroyAppCom(&appCom);
  library.freeFactory(&factory);
  demo::UnloadModule(library.handle);
  return ledger.taken() == ledger.given() ? 0 : 2;
}
