// The buddy list's lookup by e-mail address when re-filing a changed record runs out of memory:
// the change itself stands (the setter succeeded), so the index must notice it another way.
#include "alloc_failure.h"

namespace {

using qo::String;
using qo::test::injection;

// Lists of 2 to 17 records, so that at some size the new address's chain needs the index to grow.
TEST(AllocationFailure, AnIndexThatCannotFileAChangeStillFindsTheRecord) {
  for (char16_t last = u'b'; last <= u'q'; ++last) {
    bool refiled = false;
    for (std::size_t n = 1; !refiled && n < 1000; ++n) {
      CBuddyList list;
      for (char16_t key = u'a'; key <= last; ++key) {
        CBuddyProfile buddy;
        buddy.setQuilloID(String(1, key));
        buddy.setEmail(String(1, key) + u"@mail.example");
        list.addBuddyRecord(buddy);
      }
      ASSERT_NE(list.getBuddyProfileRecord(String(u"b@mail.example")), nullptr);  // indexes built
      IBuddyProfile* lent = list.getBuddyProfileRecord(String(u"b"));
      const String moved = qo::test::Long("moved", 1) + u"@mail.example";
      qo::test::Arm(n);
      try {
        qo::test::View<IUserProfile>(lent)->setEmail(moved);
      } catch (const std::bad_alloc&) {
      }
      refiled = !injection.fired;
      injection.countdown = 0;
      EXPECT_EQ(list.getBuddyProfileRecord(lent->getEmail()), lent) << "allocation " << n;
    }
    EXPECT_TRUE(refiled);
  }
}

}  // namespace
