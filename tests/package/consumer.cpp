// Links the installed library directly and makes a container through its factory.
#include <qodata/qodata.h>

int main() {
  IDataFactory* factory = nullptr;
  if (CreateDataFactoryInstance(&factory) != S_OK) return 1;
  IDataContainer* profile = nullptr;
  const bool made = factory->CreateInstance(CONTAINER_USER_PROFILE, &profile) == 1;
  if (made) profile->Release();
  return FreeDataFactoryInstance(&factory) == S_OK && made ? 0 : 1;
}
