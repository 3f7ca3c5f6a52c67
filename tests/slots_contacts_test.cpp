// Vtable slots of the buddy, buddy-list and transport interfaces: callers across the library
// boundary reach every operation by its place.
#include <gtest/gtest.h>

#include "qodata/buddy_list.h"
#include "qodata/buddy_profile.h"
#include "qodata/transport.h"
#include "slot_index.h"

namespace {

TEST(ContactsSlots, BuddyProfileInterfaces) {
  EXPECT_CONTAINER_SLOTS(IBuddyProfile_01, SetToogleFlags, GetToogleFlags, GetRealQuilloId,
                         GetToogleStatus, getAddBuddyRequester, getGroupList, setGroupList,
                         getBirthdate, getAddressList, getTelephoneList, getEmailList,
                         GetResourceList, SetResourceList, AddResource, RemoveResource,
                         SetPresence);
  EXPECT_CONTAINER_SLOTS(
      IBuddyProfile, setScreenName, setFavoriteBuddy, setAcceptStatus, setBLII, setQuickCode,
      setLogonStatus, setAccepted, setAddBuddyRequester, setDomain, SetGroupName, getScreenName,
      getQuickCode, GetGroupName, isFavoriteBuddy, getAcceptStatus, getBlii, getDomain,
      getLogonStatus, Copy, getQuilloID, getLastName, getFirstName, getEmail, getStreetAddress,
      getCityAddress, getStateAddress, getCountryAddress, getFax, getTelephone, getProfile,
      getProvider, isMessageStoreEnabled, isSMSForwardingEnabled, isSeachable, getMood, getGender,
      getStatus, getAge, isEmailForwarding, isUnifiedAccount, getProfileImage, getStatusMessage,
      getAvatarFileKey, GetBigImage, GetSmallImage, IsAccepted, SetPSMSRate, SetPSMSCurrency,
      GetPSMSRate, GetPSMSCurrency);
}

TEST(ContactsSlots, BuddyListAndTransport) {
  EXPECT_CONTAINER_SLOTS(IBuddyList, clearList, clearCopyOfList, size, sort, search, getList,
                         GetList, addBuddyRecord);
  using List = IBuddyList;
  using Buddy = IBuddyProfile;
  EXPECT_OVERLOAD_SLOT(List, removeBuddyRecord, std::int32_t (List::*)(std::int32_t), 13);
  EXPECT_OVERLOAD_SLOT(List, removeBuddyRecord, std::int32_t (List::*)(qo::String), 14);
  EXPECT_OVERLOAD_SLOT(List, updateBuddyRecord, std::int32_t (List::*)(qo::String, Buddy*), 15);
  EXPECT_OVERLOAD_SLOT(List, updateBuddyRecord, std::int32_t (List::*)(Buddy*, Buddy*), 16);
  EXPECT_OVERLOAD_SLOT(List, getBuddyProfileRecord, Buddy* (List::*)(std::int32_t), 17);
  EXPECT_OVERLOAD_SLOT(List, getBuddyProfileRecord, Buddy* (List::*)(qo::String), 18);

  EXPECT_CONTAINER_SLOTS(ITransport, SetTransportNumber1, SetTransportText1, SetTransportText2,
                         SetTransportText3, SetTransportNumber2, SetTransportNumber3,
                         SetTransportNumber4, SetTransportNumber5, GetTransportNumber1,
                         GetTransportText1, GetTransportText2, GetTransportText3,
                         GetTransportNumber2, GetTransportNumber3, GetTransportNumber4,
                         GetTransportNumber5, SetTransportNumber6, GetTransportNumber6);
}

// The buddy's five interfaces sit where the base order puts them, IBuddyProfile_01 first.
TEST(ContactsSlots, BuddyProfileBaseOrder) {
  CBuddyProfile buddy;
  const char* views[] = {
      reinterpret_cast<char*>(static_cast<IBuddyProfile_01*>(&buddy)),
      reinterpret_cast<char*>(static_cast<IBuddyProfile*>(&buddy)),
      reinterpret_cast<char*>(static_cast<IUserProfile*>(&buddy)),
      reinterpret_cast<char*>(static_cast<IUserProfile_01*>(&buddy)),
      reinterpret_cast<char*>(static_cast<IUserProfile_02*>(&buddy))};
  EXPECT_EQ(views[0], reinterpret_cast<char*>(&buddy));
  for (int i = 1; i < 5; ++i) EXPECT_LT(views[i - 1], views[i]) << i;
}

}  // namespace
