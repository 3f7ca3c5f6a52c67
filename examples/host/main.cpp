// The demo host: loads libqodata with dlopen and walks through what the library offers.
#include <dlfcn.h>

#include <cstdio>

#include "qodata/qodata.h"

int main(int argc, char** argv) {
  const char* path = argc > 1 ? argv[1] : "libqodata.so";
  void* library = dlopen(path, RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) {
    std::fprintf(stderr, "cannot load %s: %s\n", path, dlerror());
    return 1;
  }
  auto create = reinterpret_cast<PFN_CreateDataFactoryInstance>(dlsym(library, "CreateDataFactoryInstance"));
  auto free_factory = reinterpret_cast<PFN_FreeDataFactoryInstance>(dlsym(library, "FreeDataFactoryInstance"));
  IDataFactory* factory = nullptr;
  if (create == nullptr || free_factory == nullptr || create(&factory) != S_OK) return 1;
  std::printf("factory ready\n");
  free_factory(&factory);
  dlclose(library);
  return 0;
}
