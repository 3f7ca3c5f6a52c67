// Binary compatibility of the framework's interfaces: every operation stays in its slot.
#include <gtest/gtest.h>

#include "qodata/exports.h"
#include "slot_index.h"

namespace {

TEST(SlotOrder, ContainerBase) {
  EXPECT_SLOT(IDataContainer, GetType, 0);
  EXPECT_SLOT(IDataContainer, Clone, 1);
  EXPECT_SLOT(IDataContainer, GetDataInterface, 2);
  EXPECT_SLOT(IDataContainer, AddRef, 3);
  EXPECT_SLOT(IDataContainer, Release, 4);
}

TEST(SlotOrder, DataFactory) {
  EXPECT_SLOT(IDataFactory, CreateInstance, 0);
  EXPECT_SLOT(IDataFactory, Copy, 1);
  EXPECT_SLOT(IDataFactory, ReleaseInstance, 2);
}

TEST(SlotOrder, ApplicationCom) {
  EXPECT_SLOT(IUnknown, QueryInterface, 0);
  EXPECT_SLOT(IUnknown, AddRef, 1);
  EXPECT_SLOT(IUnknown, Release, 2);
  EXPECT_SLOT(IApplicationCom, GetVersion, 3);
  EXPECT_SLOT(IDataFactory2, CreateContainer, 4);
  EXPECT_SLOT(IDataFactory2, ReleaseContainer, 5);
}

}  // namespace
