// The vtable slot of a virtual member function, read from its pointer-to-member: under the
// Itanium C++ ABI (GCC and Clang on Linux, MinGW on Windows) a pointer to a virtual function
// holds 1 plus the byte offset of its slot in the vtable of the class named in the pointer.
#pragma once

#include <cstdint>
#include <cstring>

namespace qo::test {

// The slot index, or -1 if the pointer does not designate a virtual function.
template <class MemberFunction>
long SlotOf(MemberFunction function) {
  static_assert(sizeof(MemberFunction) == 2 * sizeof(std::uintptr_t), "Itanium member pointer");
  std::uintptr_t raw = 0;
  std::memcpy(&raw, &function, sizeof raw);
  if ((raw & 1u) == 0) return -1;
  return static_cast<long>((raw - 1) / sizeof(void*));
}

}  // namespace qo::test

// EXPECT that Interface::Operation sits at the slot.
#define EXPECT_SLOT(Interface, Operation, slot) \
  EXPECT_EQ(::qo::test::SlotOf(&Interface::Operation), (slot)) << #Interface "::" #Operation

// The same for one overload, named by its member-function type.
#define EXPECT_OVERLOAD_SLOT(Interface, Operation, Signature, slot)                         \
  EXPECT_EQ(::qo::test::SlotOf(static_cast<Signature>(&Interface::Operation)), (slot)) \
      << #Interface "::" #Operation " " #Signature
