// Binary compatibility of the framework's interfaces: every operation stays in its slot.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "qodata/exports.h"
#include "slot_index.h"

namespace {

TEST(SlotOrder, FrameworkInterfaces) {
  EXPECT_CONTAINER_SLOTS(IDataContainer);
  EXPECT_SLOTS(IDataFactory, 0, CreateInstance, Copy, ReleaseInstance);
  EXPECT_SLOTS(IUnknown, 0, QueryInterface, AddRef, Release);
  EXPECT_SLOTS(IDataFactory2, 3, GetVersion, CreateContainer, ReleaseContainer);
  // The checker itself reports an operation out of place.
  EXPECT_NONFATAL_FAILURE(EXPECT_SLOTS(IDataContainer, 0, GetType, AddRef), "AddRef");
}

}  // namespace
