// The vtable slot of a virtual member function, read from its pointer-to-member: under the
// Itanium C++ ABI (GCC and Clang on Linux, MinGW on Windows) a pointer to a virtual function
// holds 1 plus the byte offset of its slot in the vtable of the class named in the pointer.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <initializer_list>

namespace qo::test {

// The slot index, or -1 if the pointer does not designate a virtual function.
// (Signature names one overload by its function type, as in SlotOf<void(int)>(&I::Set).)
template <class Signature, class Class>
long SlotOf(Signature Class::*function) {
  static_assert(sizeof function == 2 * sizeof(std::uintptr_t), "Itanium member pointer");
  std::uintptr_t raw = 0;
  std::memcpy(&raw, &function, sizeof raw);
  if ((raw & 1u) == 0) return -1;
  return static_cast<long>((raw - 1) / sizeof(void*));
}

struct SlotEntry {
  const char* name;
  long slot;
};

// Each entry must sit in the slot after the one before, the first in `first`.
inline void ExpectConsecutiveSlots(const char* interfaceName, long first,
                                   std::initializer_list<SlotEntry> entries) {
  long expected = first;
  for (const SlotEntry& entry : entries) {
    EXPECT_EQ(entry.slot, expected) << interfaceName << "::" << entry.name;
    ++expected;
  }
}

}  // namespace qo::test

// EXPECT that the operations (none of them overloaded) stand in consecutive slots from
// `first` on, in the order listed: EXPECT_SLOTS(IMessageList, 5, AddHead, clear, GetSize).
#define EXPECT_SLOTS(Interface, first, ...)             \
  ::qo::test::ExpectConsecutiveSlots(#Interface, first, \
                                     {QO_SLOT_FOR_EACH(QO_SLOT_ENTRY, Interface, __VA_ARGS__)})

// The same for an interface's own operations after the five container operations, which
// every interface has in slots 0 to 4: EXPECT_CONTAINER_SLOTS(IMessageList, AddHead, clear).
#define EXPECT_CONTAINER_SLOTS(Interface, ...)                         \
  EXPECT_SLOTS(Interface, 0, GetType, Clone, GetDataInterface, AddRef, \
               Release __VA_OPT__(, ) __VA_ARGS__)

// The same for overloads of one operation, each named by its function type:
// EXPECT_OVERLOAD_SLOTS(IMessage, setTimeStamp, 13, void(qo::String), void(qo::Time)).
#define EXPECT_OVERLOAD_SLOTS(Interface, Operation, first, ...) \
  ::qo::test::ExpectConsecutiveSlots(                           \
      #Interface, first, {QO_SLOT_FOR_EACH(QO_SLOT_OVERLOAD, Interface::Operation, __VA_ARGS__)})

#define QO_SLOT_ENTRY(Interface, Operation) \
  ::qo::test::SlotEntry{#Operation, ::qo::test::SlotOf(&Interface::Operation)},
#define QO_SLOT_OVERLOAD(Operation, Signature) \
  ::qo::test::SlotEntry{#Operation #Signature, ::qo::test::SlotOf<Signature>(&Operation)},

// A preprocessor loop over up to 256 arguments (C++20 __VA_OPT__).
#define QO_SLOT_PARENS ()
#define QO_SLOT_EXPAND(...) \
  QO_SLOT_EXPAND4(QO_SLOT_EXPAND4(QO_SLOT_EXPAND4(QO_SLOT_EXPAND4(__VA_ARGS__))))
#define QO_SLOT_EXPAND4(...) \
  QO_SLOT_EXPAND3(QO_SLOT_EXPAND3(QO_SLOT_EXPAND3(QO_SLOT_EXPAND3(__VA_ARGS__))))
#define QO_SLOT_EXPAND3(...) \
  QO_SLOT_EXPAND2(QO_SLOT_EXPAND2(QO_SLOT_EXPAND2(QO_SLOT_EXPAND2(__VA_ARGS__))))
#define QO_SLOT_EXPAND2(...) \
  QO_SLOT_EXPAND1(QO_SLOT_EXPAND1(QO_SLOT_EXPAND1(QO_SLOT_EXPAND1(__VA_ARGS__))))
#define QO_SLOT_EXPAND1(...) __VA_ARGS__
#define QO_SLOT_FOR_EACH(macro, arg, ...) \
  __VA_OPT__(QO_SLOT_EXPAND(QO_SLOT_FOR_EACH_STEP(macro, arg, __VA_ARGS__)))
#define QO_SLOT_FOR_EACH_STEP(macro, arg, first, ...) \
  macro(arg, first) __VA_OPT__(QO_SLOT_FOR_EACH_AGAIN QO_SLOT_PARENS(macro, arg, __VA_ARGS__))
#define QO_SLOT_FOR_EACH_AGAIN() QO_SLOT_FOR_EACH_STEP
