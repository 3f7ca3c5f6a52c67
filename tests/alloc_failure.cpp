// The replaceable allocation functions of the allocation-failure program: every block goes
// through qo::test::Allocate and qo::test::Free, so an armed injection can fail the N-th one.
#include "alloc_failure.h"

#define QO_TEST_REPLACE_NEW_DELETE(ARRAY)                                                  \
  void* operator new ARRAY(std::size_t n) { return qo::test::Allocate(n, false); }         \
  void* operator new ARRAY(std::size_t n, const std::nothrow_t&) noexcept {                \
    return qo::test::Allocate(n, true);                                                    \
  }                                                                                        \
  void operator delete ARRAY(void* block) noexcept { qo::test::Free(block); }              \
  void operator delete ARRAY(void* block, std::size_t) noexcept { qo::test::Free(block); } \
  void operator delete ARRAY(void* block, const std::nothrow_t&) noexcept { qo::test::Free(block); }
QO_TEST_REPLACE_NEW_DELETE()
QO_TEST_REPLACE_NEW_DELETE([])
#undef QO_TEST_REPLACE_NEW_DELETE
