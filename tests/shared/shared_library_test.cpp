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

TEST_F(LoadedLibrary, ExportsTheFourEntryPointsByPlainName) {
  EXPECT_NE(Resolve<PFN_CreateDataFactoryInstance>("CreateDataFactoryInstance"), nullptr);
  EXPECT_NE(Resolve<PFN_FreeDataFactoryInstance>("FreeDataFactoryInstance"), nullptr);
  EXPECT_NE(Resolve<PFN_CreateAppComInstance>("CreateAppComInstance"), nullptr);
  EXPECT_NE(Resolve<PFN_DestroyAppComInstance>("DestroyAppComInstance"), nullptr);
  EXPECT_EQ(dlsym(handle_, "_ZN2qo13MakeContainerE21tagCONTAINER_DATATYPE"), nullptr)
      << "internal helpers stay hidden";
}

TEST_F(LoadedLibrary, FactoryAndAppComWorkThroughResolvedEntryPoints) {
  auto create = Resolve<PFN_CreateDataFactoryInstance>("CreateDataFactoryInstance");
  auto release = Resolve<PFN_FreeDataFactoryInstance>("FreeDataFactoryInstance");
  IDataFactory* factory = nullptr;
  ASSERT_EQ(create(&factory), S_OK);
  IDataContainer* container = nullptr;
  ASSERT_EQ(factory->CreateInstance(CONTAINER_USER_PROFILE, &container), 1);
  auto* profile = static_cast<IUserProfile*>(container);
  profile->setQuilloID(u"MiXeD");
  EXPECT_EQ(profile->getQuilloID(), u"mixed");
  EXPECT_EQ(factory->ReleaseInstance(CONTAINER_USER_PROFILE, &container), 1);
  EXPECT_EQ(release(&factory), S_OK);

  auto createApp = Resolve<PFN_CreateAppComInstance>("CreateAppComInstance");
  auto destroyApp = Resolve<PFN_DestroyAppComInstance>("DestroyAppComInstance");
  IApplicationCom* app = nullptr;
  ASSERT_EQ(createApp(reinterpret_cast<void**>(&app)), S_OK);
  void* same = nullptr;
  const auto* iid = static_cast<const IID*>(dlsym(handle_, "IID_IDataFactory2"));
  ASSERT_NE(iid, nullptr);
  EXPECT_EQ(app->QueryInterface(*iid, &same), S_OK);
  app->Release();
  EXPECT_EQ(destroyApp(&app), S_OK);
}

TEST_F(LoadedLibrary, StatusErrorThrownInsideTheLibraryIsCaughtByType) {
  auto create = Resolve<PFN_CreateDataFactoryInstance>("CreateDataFactoryInstance");
  auto release = Resolve<PFN_FreeDataFactoryInstance>("FreeDataFactoryInstance");
  IDataFactory* factory = nullptr;
  ASSERT_EQ(create(&factory), S_OK);
  IDataContainer* container = nullptr;
  ASSERT_EQ(factory->CreateInstance(CONTAINER_USER_PROFILE, &container), 1);
  void* second = nullptr;
  ASSERT_EQ(container->GetDataInterface(CONTAINER_USER_PROFILE_01, &second), 1);
  auto* profile = static_cast<IUserProfile_01*>(second);

  qo::StringMap request{{u"birthday", u"1850-01-01"}};
  HRESULT caught = S_OK;
  try {
    profile->SetProfileRqst(request, 1);
  } catch (const qo::StatusError& error) {
    caught = error.code();
  }
  EXPECT_EQ(caught, E_FAIL);

  profile->Release();
  container->Release();
  EXPECT_EQ(release(&factory), S_OK);
}

}  // namespace
