// The shared library as a client sees it: loaded with dlopen, reached only through the
// exported functions resolved with dlsym and the interfaces, errors caught by type.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include "qodata/exports.h"
#include "qodata/user_profile.h"

namespace {

// The factory and the application-communication object work through the resolved entry
// points, and a qo::StatusError thrown inside the library is caught here by its type (which
// names are exported, and which not: check_exports.sh).
TEST(LoadedLibrary, EntryPointsWorkAndErrorsAreCaughtByType) {
  void* library = dlopen(QODATA_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(library, nullptr) << dlerror();
  auto resolve = [library](const char* name) { return dlsym(library, name); };
  auto createFactory =
      reinterpret_cast<PFN_CreateDataFactoryInstance>(resolve("CreateDataFactoryInstance"));
  auto freeFactory =
      reinterpret_cast<PFN_FreeDataFactoryInstance>(resolve("FreeDataFactoryInstance"));
  auto createAppCom = reinterpret_cast<PFN_CreateAppComInstance>(resolve("CreateAppComInstance"));
  auto destroyAppCom =
      reinterpret_cast<PFN_DestroyAppComInstance>(resolve("DestroyAppComInstance"));
  IDataFactory* factory = nullptr;
  ASSERT_EQ(createFactory(&factory), S_OK);
  IDataContainer* container = nullptr;
  ASSERT_EQ(factory->CreateInstance(CONTAINER_USER_PROFILE, &container), 1);
  static_cast<IUserProfile*>(container)->setQuilloID(u"MiXeD");
  EXPECT_EQ(static_cast<IUserProfile*>(container)->getQuilloID(), u"mixed");
  void* second = nullptr;
  ASSERT_EQ(container->GetDataInterface(CONTAINER_USER_PROFILE_01, &second), 1);
  qo::StringMap request{{u"birthday", u"1850-01-01"}};
  HRESULT caught = S_OK;
  try {
    static_cast<IUserProfile_01*>(second)->SetProfileRqst(request, 1);
  } catch (const qo::StatusError& error) {
    caught = error.code();
  }
  EXPECT_EQ(caught, E_FAIL);
  static_cast<IUserProfile_01*>(second)->Release();
  EXPECT_EQ(factory->ReleaseInstance(CONTAINER_USER_PROFILE, &container), 1);
  EXPECT_EQ(freeFactory(&factory), S_OK);

  IApplicationCom* app = nullptr;
  ASSERT_EQ(createAppCom(reinterpret_cast<void**>(&app)), S_OK);
  const auto* iid = static_cast<const IID*>(resolve("IID_IDataFactory2"));
  ASSERT_NE(iid, nullptr);
  void* same = nullptr;
  EXPECT_EQ(app->QueryInterface(*iid, &same), S_OK);
  app->Release();
  EXPECT_EQ(destroyAppCom(&app), S_OK);
  dlclose(library);
}

}  // namespace
