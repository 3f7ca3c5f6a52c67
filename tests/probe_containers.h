// Small containers on the contract templates, to test the templates and the factories' destroy
// rules without any real data class. Each probe counts its destructions: a test sees when one dies.
#pragma once

#include "qodata/container_base.h"

// The probes' interfaces, told apart by N.
template <int N>
class IProbe : public IDataContainer {
 protected:
  ~IProbe() = default;
};
using IProbeMain = IProbe<0>;
using IProbeSecond = IProbe<1>;
using IProbeAdded = IProbe<2>;
using IProbeAddedMain = IProbe<3>;
QODATA_INTERFACE_CODE(IProbeMain, CONTAINER_USER_PROFILE);
QODATA_INTERFACE_CODE(IProbeSecond, CONTAINER_USER_PROFILE_01);
QODATA_INTERFACE_CODE(IProbeAdded, CONTAINER_BUDDY_PROFILE_01);
QODATA_INTERFACE_CODE(IProbeAddedMain, CONTAINER_BUDDY_PROFILE);

inline int g_probesDestroyed = 0;

// Two interfaces; the second is listed first so that the main one is not at the object's
// own address.
class Probe : public qo::Container<Probe, CONTAINER_USER_PROFILE, IProbeSecond, IProbeMain> {
 public:
  explicit Probe(int v = 0) : value(v) {}
  Probe(const Probe&) = default;
  Probe& operator=(const Probe&) = default;
  ~Probe() override { ++g_probesDestroyed; }
  int value = 0;
};

// Adds two interfaces in front of Probe, sharing its holder count.
class ExtendedProbe : public qo::ExtendedContainer<ExtendedProbe, Probe, CONTAINER_BUDDY_PROFILE,
                                                   IProbeAdded, IProbeAddedMain> {};
