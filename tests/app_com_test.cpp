// The application-communication object: identifiers, holders, version, and the containers it
// makes and gives back.
#include <gtest/gtest.h>

#include <cstdio>
#include <utility>

#include "framework/app_com.h"
#include "probe_containers.h"
#include "qodata/exports.h"

namespace {

struct AppCom : ::testing::Test {
  void SetUp() override { ASSERT_EQ(CreateAppComInstance(reinterpret_cast<void**>(&app)), S_OK); }
  void TearDown() override { EXPECT_EQ(DestroyAppComInstance(&app), S_OK); }
  IApplicationCom* app = nullptr;
  IDataFactory2* factory() { return static_cast<IDataFactory2*>(app); }
};

TEST_F(AppCom, HoldersVersionAndExactlyThreeIdentifiers) {
  // The object was handed out with the caller's holder only (see CreateAppComInstance).
  EXPECT_EQ(app->AddRef(), 2u);
  EXPECT_EQ(app->Release(), 1u);
  std::uint32_t version = 0;
  EXPECT_EQ(app->GetVersion(&version), S_OK);
  EXPECT_EQ(version, 0x01000001u);

  // The published identifiers, byte for byte: a program compares its own copy with these.
  const std::pair<const IID*, const char*> published[] = {
      {&IID_IUnknown, "{00000000-0000-0000-C000-000000000046}"},
      {&IID_IApplicationCom, "{5D150BD3-57AE-495B-93A1-AC98C348F85E}"},
      {&IID_IDataFactory2, "{60EDCB28-5649-40DA-BA9F-44675520416D}"}};
  for (const auto& [iid, text] : published) {
    char written[39];
    std::snprintf(written, sizeof written, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  unsigned(iid->Data1), iid->Data2, iid->Data3, iid->Data4[0], iid->Data4[1],
                  iid->Data4[2], iid->Data4[3], iid->Data4[4], iid->Data4[5], iid->Data4[6],
                  iid->Data4[7]);
    EXPECT_STREQ(written, text);
    void* out = nullptr;
    EXPECT_EQ(app->QueryInterface(*iid, &out), S_OK) << text;
    EXPECT_EQ(out, static_cast<void*>(app)) << "each identifier gives the same object";
    EXPECT_EQ(app->Release(), 1u) << "the query added one holder";
  }
  IID almost = IID_IDataFactory2;
  almost.Data4[7] ^= 1;  // every byte counts
  void* out = &almost;
  EXPECT_EQ(app->QueryInterface(almost, &out), E_NOINTERFACE);
  EXPECT_EQ(out, static_cast<void*>(&almost)) << "nothing written for an unknown identifier";
}

TEST_F(AppCom, ReleaseContainerGivesBackOneHolderWithoutClearing) {
  g_probesDestroyed = 0;
  auto* probe = new Probe();
  probe->AddRef();
  IDataContainer* pointer = static_cast<IProbeMain*>(probe);
  EXPECT_EQ(factory()->ReleaseContainer(static_cast<tagCONTAINER_DATATYPE>(0), &pointer), 1)
      << "the code is not examined";
  EXPECT_EQ(pointer, static_cast<IProbeMain*>(probe));
  EXPECT_EQ(probe->HolderCount(), 1u);
  EXPECT_EQ(factory()->ReleaseContainer(CONTAINER_USER_PROFILE, &pointer), 1);
  EXPECT_EQ(g_probesDestroyed, 1);
  IDataContainer* none = nullptr;
  EXPECT_EQ(factory()->ReleaseContainer(CONTAINER_USER_PROFILE, &none), 0);
  EXPECT_EQ(factory()->ReleaseContainer(CONTAINER_USER_PROFILE, nullptr), 0);
}

// LeakSanitizer checks that one create/destroy pair frees the object while its containers stay.
TEST(AppComLifetime, DestroyFreesTheObjectAndContainersOutliveIt) {
  IApplicationCom* none = nullptr;
  EXPECT_EQ(DestroyAppComInstance(&none), E_FAIL);
  IApplicationCom* app = nullptr;
  ASSERT_EQ(CreateAppComInstance(reinterpret_cast<void**>(&app)), S_OK);
  IDataContainer* profile = nullptr;
  ASSERT_EQ(static_cast<IDataFactory2*>(app)->CreateContainer(CONTAINER_USER_PROFILE, &profile), 1);
  EXPECT_EQ(DestroyAppComInstance(&app), S_OK);
  EXPECT_NE(app, nullptr) << "the caller's pointer is not cleared";
  EXPECT_EQ(profile->GetType(), CONTAINER_USER_PROFILE);
  profile->Release();
}

}  // namespace
