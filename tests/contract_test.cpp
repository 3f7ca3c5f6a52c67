// The container contract as the templates implement it: codes, holders, interface queries,
// clones and the owning handle.
#include <gtest/gtest.h>

#include <tuple>

#include "probe_containers.h"

namespace {

TEST(ContainerContract, HoldersQueriesAndTheLastReleaseDestroys) {
  g_probesDestroyed = 0;
  auto* probe = new Probe();
  IProbeMain* main = probe;
  EXPECT_EQ(probe->HolderCount(), 1u);
  EXPECT_EQ(main->AddRef(), 1);
  EXPECT_EQ(main->GetType(), CONTAINER_USER_PROFILE);

  void* out = nullptr;
  ASSERT_EQ(main->GetDataInterface(CONTAINER_USER_PROFILE_01, &out), 1);
  auto* second = static_cast<IProbeSecond*>(out);
  EXPECT_EQ(second, static_cast<IProbeSecond*>(probe));
  EXPECT_EQ(probe->HolderCount(), 3u) << "an answered query adds a holder to the one count";
  EXPECT_EQ(second->GetType(), CONTAINER_USER_PROFILE) << "every interface answers the class code";

  void* untouched = &out;
  EXPECT_EQ(second->GetDataInterface(CONTAINER_BUDDY_PROFILE, &untouched), 0);
  EXPECT_EQ(untouched, &out) << "a refused query leaves the out pointer alone";
  EXPECT_EQ(second->GetDataInterface(CONTAINER_USER_PROFILE, nullptr), 0);
  EXPECT_EQ(probe->HolderCount(), 3u) << "refused queries add no holder";

  EXPECT_EQ(second->Release(), 1);
  EXPECT_EQ(main->Release(), 1);
  EXPECT_EQ(g_probesDestroyed, 0);
  EXPECT_EQ(second->Release(), 1) << "the last release through any interface destroys it";
  EXPECT_EQ(g_probesDestroyed, 1);
}

TEST(ContainerContract, CloneIsIndependentWithOneHolderAndAssignmentKeepsHolders) {
  auto* source = new Probe(7);
  source->AddRef();
  source->AddRef();
  IDataContainer* copy = static_cast<IProbeSecond*>(source)->Clone();
  auto* clone = dynamic_cast<Probe*>(static_cast<IProbeMain*>(copy));
  ASSERT_NE(clone, nullptr);
  EXPECT_EQ(copy, static_cast<IDataContainer*>(static_cast<IProbeMain*>(clone)))
      << "Clone through any interface hands out the main interface";
  EXPECT_EQ(std::tuple(clone->value, clone->HolderCount()), std::tuple(7, 1u));
  clone->value = 9;
  *source = *clone;
  EXPECT_EQ(std::tuple(source->value, source->HolderCount()), std::tuple(9, 3u))
      << "assignment copies data, never holders";
  EXPECT_EQ(Probe(*source).HolderCount(), 1u) << "a copy construction starts with one holder";
  copy->Release();
  for (int i = 0; i < 3; ++i) source->Release();
}

TEST(ContainerContract, ExtendedClassAnswersItsCodesFirstAndSharesTheBaseCount) {
  g_probesDestroyed = 0;
  auto* probe = new ExtendedProbe();
  IProbeAddedMain* main = probe;
  EXPECT_EQ(main->GetType(), CONTAINER_BUDDY_PROFILE);
  void* base = nullptr;
  ASSERT_EQ(main->GetDataInterface(CONTAINER_USER_PROFILE, &base), 1);
  auto* baseMain = static_cast<IProbeMain*>(base);
  EXPECT_EQ(baseMain->GetType(), CONTAINER_BUDDY_PROFILE) << "the base part answers the class code";
  void* added = nullptr;
  ASSERT_EQ(baseMain->GetDataInterface(CONTAINER_BUDDY_PROFILE_01, &added), 1)
      << "the added interfaces are reachable from the base part's interfaces";
  EXPECT_EQ(added, static_cast<IProbeAdded*>(probe));
  EXPECT_EQ(probe->HolderCount(), 3u);

  IDataContainer* copy = baseMain->Clone();
  auto* whole = dynamic_cast<ExtendedProbe*>(static_cast<IProbeAddedMain*>(copy));
  ASSERT_NE(whole, nullptr) << "a clone through any interface is whole";
  EXPECT_EQ(copy, static_cast<IDataContainer*>(static_cast<IProbeAddedMain*>(whole)))
      << "and handed out as the extended class's main interface";
  copy->Release();
  EXPECT_EQ(g_probesDestroyed, 1);
  static_cast<IProbeAdded*>(added)->Release();
  baseMain->Release();
  EXPECT_EQ(g_probesDestroyed, 1);
  main->Release();
  EXPECT_EQ(g_probesDestroyed, 2) << "the last release through any interface destroys it whole";
}

TEST(HeldHandle, AdoptShareMoveAndReset) {
  g_probesDestroyed = 0;
  auto* probe = new Probe();
  {
    auto shared = qo::Held<IProbeMain>::Share(probe);
    EXPECT_EQ(probe->HolderCount(), 2u);
    auto adopted = qo::Held<IProbeMain>::Adopt(probe);
    EXPECT_EQ(probe->HolderCount(), 2u) << "adopting takes over a reference without adding one";
    qo::Held<IProbeMain> moved(std::move(adopted));
    EXPECT_FALSE(adopted);
    EXPECT_EQ(moved.get(), probe);
    moved = std::move(shared);  // releases the adopted reference
    EXPECT_EQ(probe->HolderCount(), 1u);
    EXPECT_EQ(g_probesDestroyed, 0);
  }
  EXPECT_EQ(g_probesDestroyed, 1);
  qo::Held<IDataContainer> none = qo::HoldClone(nullptr);
  EXPECT_FALSE(none);
  none.reset();  // resetting an empty handle is harmless
}

}  // namespace
