// The data factory and its two exported functions: which codes it makes, as which interface,
// and which it destroys outright.
#include <gtest/gtest.h>

#include <set>

#include "framework/app_com.h"
#include "probe_containers.h"
#include "qodata/data_factory.h"

namespace {

const std::set<int> kFactoryCodes = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                                     12, 13, 14, 15, 16, 17, 18, 19, 21, 27, 32};
const std::set<int> kDestroyedOutright = {1, 2, 3, 6, 7, 8, 9, 10, 11, 12, 13, 14, 18, 21};

TEST(DataFactory, ExportedFunctionsGiveIndependentFactoriesAndCopyCopiesNothing) {
  EXPECT_EQ(CreateDataFactoryInstance(nullptr), E_FAIL);
  IDataFactory* first = nullptr;
  IDataFactory* second = nullptr;
  ASSERT_EQ(CreateDataFactoryInstance(&first), S_OK);
  ASSERT_EQ(CreateDataFactoryInstance(&second), S_OK);
  EXPECT_NE(first, second);

  IDataContainer* survivor = nullptr;
  IDataContainer* target = nullptr;
  ASSERT_EQ(first->CreateInstance(CONTAINER_USER_PROFILE, &survivor), 1);
  EXPECT_EQ(first->Copy(CONTAINER_USER_PROFILE, &survivor, &target), 0);
  EXPECT_EQ(target, nullptr);
  EXPECT_EQ(first->Copy(CONTAINER_USER_PROFILE, nullptr, nullptr), 0);
  EXPECT_EQ(first->Copy(static_cast<tagCONTAINER_DATATYPE>(99), &survivor, nullptr), 0);

  EXPECT_EQ(FreeDataFactoryInstance(nullptr), E_FAIL);
  IDataFactory* none = nullptr;
  EXPECT_EQ(FreeDataFactoryInstance(&none), E_FAIL);
  EXPECT_EQ(FreeDataFactoryInstance(&first), S_OK);
  EXPECT_EQ(first, nullptr);
  EXPECT_EQ(FreeDataFactoryInstance(&second), S_OK);
  EXPECT_EQ(survivor->GetType(), CONTAINER_USER_PROFILE) << "containers outlive their factory";
  survivor->Release();
}

// The data factory makes the codes of kFactoryCodes; the application-communication object's
// catalogue every code from 1 to 34 but 26 and 31.
TEST(DataFactory, BothFactoriesMakeExactlyTheirCodesAsTheSelectedInterface) {
  CDataFactory factory;
  void* object = nullptr;
  ASSERT_EQ(CreateAppComInstance(&object), S_OK);
  auto* app = static_cast<IApplicationCom*>(object);
  auto* catalogue = static_cast<IDataFactory2*>(app);
  EXPECT_EQ(factory.CreateInstance(CONTAINER_MESSAGE, nullptr), 0);
  EXPECT_EQ(catalogue->CreateContainer(CONTAINER_WEB_REQUEST, nullptr), 0);
  for (int code = -1; code <= 40; ++code) {
    const auto typed = static_cast<tagCONTAINER_DATATYPE>(code);
    for (bool fromApp : {false, true}) {
      SCOPED_TRACE(testing::Message() << "code " << code << (fromApp ? " from app-com" : ""));
      const bool makes = fromApp ? code >= 1 && code <= 34 && code != 26 && code != 31
                                 : kFactoryCodes.count(code) != 0;
      IDataContainer* made = reinterpret_cast<IDataContainer*>(&factory);
      EXPECT_EQ(
          fromApp ? catalogue->CreateContainer(typed, &made) : factory.CreateInstance(typed, &made),
          makes ? 1 : 0);
      if (!makes) {
        EXPECT_EQ(made, nullptr) << "codes it does not make write null";
        continue;
      }
      ASSERT_NE(made, nullptr);
      // 27 and 32 select the message's added interfaces; every other code is its class's own.
      if (!fromApp) {
        EXPECT_EQ(made->GetType(), code == 27 || code == 32 ? CONTAINER_MESSAGE : typed);
      }
      void* selected = nullptr;
      ASSERT_EQ(made->GetDataInterface(typed, &selected), 1);
      EXPECT_EQ(selected, made) << "the pointer written is the interface the code selects";
      made->Release();
      EXPECT_EQ(made->Release(), 1);
    }
  }
  DestroyAppComInstance(&app);
}

TEST(DataFactory, ReleaseInstanceDestroysOutrightOnlyItsCodes) {
  CDataFactory factory;
  EXPECT_EQ(factory.ReleaseInstance(CONTAINER_USER_PROFILE, nullptr), 0);
  IDataContainer* none = nullptr;
  EXPECT_EQ(factory.ReleaseInstance(CONTAINER_USER_PROFILE, &none), 1);
  EXPECT_EQ(factory.ReleaseInstance(CONTAINER_CREDIT, &none), 0);

  for (int code = -1; code <= 40; ++code) {
    SCOPED_TRACE(code);
    g_probesDestroyed = 0;
    auto* probe = new Probe();
    probe->AddRef();  // further holders do not save it from an outright destruction
    IDataContainer* pointer = static_cast<IProbeSecond*>(probe);  // any of its interfaces
    const bool destroys = kDestroyedOutright.count(code) != 0;
    EXPECT_EQ(factory.ReleaseInstance(static_cast<tagCONTAINER_DATATYPE>(code), &pointer),
              destroys ? 1 : 0);
    EXPECT_EQ(pointer, nullptr);
    EXPECT_EQ(g_probesDestroyed, destroys ? 1 : 0);
    if (!destroys) {
      EXPECT_EQ(probe->HolderCount(), 2u) << "a refused container keeps its holders";
      probe->Release();
      probe->Release();
    }
  }
}

// A container of another module: it has the interface but not the library's object base.
class ForeignContainer : public IDataContainer {
 public:
  tagCONTAINER_DATATYPE GetType() override { return CONTAINER_USER_PROFILE; }
  IDataContainer* Clone() override { return nullptr; }
  std::int32_t GetDataInterface(tagCONTAINER_DATATYPE, void**) override { return 0; }
  std::int32_t AddRef() override { return ++holders; }
  std::int32_t Release() override { return --holders; }
  std::int32_t holders = 1;
};

// Our decision: a container this library did not make is refused (0) and left alone, pointer
// included, rather than deleted through a destructor it does not have.
TEST(DataFactory, ReleaseInstanceRefusesAContainerOfAnotherModule) {
  CDataFactory factory;
  ForeignContainer foreign;
  IDataContainer* pointer = &foreign;
  EXPECT_EQ(factory.ReleaseInstance(CONTAINER_USER_PROFILE, &pointer), 0);
  EXPECT_EQ(pointer, &foreign);
  EXPECT_EQ(foreign.holders, 1);
}

}  // namespace
