// The shared library as a client sees it: loaded with dlopen, reached only through the
// exported functions resolved with dlsym and the interfaces, errors caught by type.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include "qodata/exports.h"
#include "qodata/user_profile.h"

namespace {

class LoadedLibrary : public ::testing::Test {
 protected:
  void SetUp() override {
    handle_ = dlopen(QODATA_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(handle_, nullptr) << dlerror();
  }
  void TearDown() override {
    if (handle_ != nullptr) dlclose(handle_);
  }
  template <class Function>
  Function Resolve(const char* name) {
    return reinterpret_cast<Function>(dlsym(handle_, name));
  }
  void* handle_ = nullptr;
};

// The factory and the application-communication object work through the resolved entry
// points, and a qo::StatusError thrown inside the library is caught here by its type (which
// names are exported, and which not: check_exports.sh).
TEST_F(LoadedLibrary, EntryPointsWorkAndErrorsAreCaughtByType) {
  IDataFactory* factory = nullptr;
  ASSERT_EQ(Resolve<PFN_CreateDataFactoryInstance>("CreateDataFactoryInstance")(&factory), S_OK);
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
  EXPECT_EQ(Resolve<PFN_FreeDataFactoryInstance>("FreeDataFactoryInstance")(&factory), S_OK);

  IApplicationCom* app = nullptr;
  ASSERT_EQ(
      Resolve<PFN_CreateAppComInstance>("CreateAppComInstance")(reinterpret_cast<void**>(&app)),
      S_OK);
  const auto* iid = static_cast<const IID*>(dlsym(handle_, "IID_IDataFactory2"));
  ASSERT_NE(iid, nullptr);
  void* same = nullptr;
  EXPECT_EQ(app->QueryInterface(*iid, &same), S_OK);
  app->Release();
  EXPECT_EQ(Resolve<PFN_DestroyAppComInstance>("DestroyAppComInstance")(&app), S_OK);
}

}  // namespace
