// Vtable slots of the buddy, buddy-list and transport interfaces: callers across the library
// boundary reach every operation by its place.
#include <gtest/gtest.h>

#include "qodata/buddy_list.h"
#include "qodata/buddy_profile.h"
#include "qodata/transport.h"
#include "slot_index.h"

namespace {

TEST(ContactsSlots, BuddyProfile01) {
  EXPECT_SLOTS(IBuddyProfile_01, 0, GetType, Clone, GetDataInterface, AddRef, Release,
               SetToogleFlags, GetToogleFlags, GetRealQuilloId, GetToogleStatus,
               getAddBuddyRequester, getGroupList, setGroupList, getBirthdate, getAddressList,
               getTelephoneList, getEmailList, GetResourceList, SetResourceList, AddResource,
               RemoveResource, SetPresence);
}

TEST(ContactsSlots, BuddyProfile) {
  EXPECT_SLOTS(IBuddyProfile, 0, GetType, Clone, GetDataInterface, AddRef, Release, setScreenName,
               setFavoriteBuddy, setAcceptStatus, setBLII, setQuickCode, setLogonStatus,
               setAccepted, setAddBuddyRequester, setDomain, SetGroupName, getScreenName,
               getQuickCode, GetGroupName, isFavoriteBuddy, getAcceptStatus, getBlii, getDomain,
               getLogonStatus, Copy, getQuilloID, getLastName, getFirstName, getEmail,
               getStreetAddress, getCityAddress, getStateAddress, getCountryAddress, getFax,
               getTelephone, getProfile, getProvider, isMessageStoreEnabled, isSMSForwardingEnabled,
               isSeachable, getMood, getGender, getStatus, getAge, isEmailForwarding,
               isUnifiedAccount, getProfileImage, getStatusMessage, getAvatarFileKey, GetBigImage,
               GetSmallImage, IsAccepted, SetPSMSRate, SetPSMSCurrency, GetPSMSRate,
               GetPSMSCurrency);
}

TEST(ContactsSlots, BuddyList) {
  EXPECT_SLOTS(IBuddyList, 0, GetType, Clone, GetDataInterface, AddRef, Release, clearList,
               clearCopyOfList, size, sort, search, getList, GetList, addBuddyRecord);
  EXPECT_OVERLOAD_SLOT(IBuddyList, removeBuddyRecord, std::int32_t (IBuddyList::*)(std::int32_t), 13);
  EXPECT_OVERLOAD_SLOT(IBuddyList, removeBuddyRecord, std::int32_t (IBuddyList::*)(qo::String), 14);
  EXPECT_OVERLOAD_SLOT(IBuddyList, updateBuddyRecord,
                       std::int32_t (IBuddyList::*)(qo::String, IBuddyProfile*), 15);
  EXPECT_OVERLOAD_SLOT(IBuddyList, updateBuddyRecord,
                       std::int32_t (IBuddyList::*)(IBuddyProfile*, IBuddyProfile*), 16);
  EXPECT_OVERLOAD_SLOT(IBuddyList, getBuddyProfileRecord,
                       IBuddyProfile* (IBuddyList::*)(std::int32_t), 17);
  EXPECT_OVERLOAD_SLOT(IBuddyList, getBuddyProfileRecord,
                       IBuddyProfile* (IBuddyList::*)(qo::String), 18);
}

TEST(ContactsSlots, Transport) {
  EXPECT_SLOTS(ITransport, 0, GetType, Clone, GetDataInterface, AddRef, Release,
               SetTransportNumber1, SetTransportText1, SetTransportText2, SetTransportText3,
               SetTransportNumber2, SetTransportNumber3, SetTransportNumber4, SetTransportNumber5,
               GetTransportNumber1, GetTransportText1, GetTransportText2, GetTransportText3,
               GetTransportNumber2, GetTransportNumber3, GetTransportNumber4, GetTransportNumber5,
               SetTransportNumber6, GetTransportNumber6);
}

// The buddy's five interfaces sit where the base order puts them, IBuddyProfile_01 first.
TEST(ContactsSlots, BuddyProfileBaseOrder) {
  CBuddyProfile buddy;
  auto* base = reinterpret_cast<char*>(&buddy);
  auto offset = [&](auto* view) { return reinterpret_cast<char*>(view) - base; };
  EXPECT_EQ(offset(static_cast<IBuddyProfile_01*>(&buddy)), 0);
  EXPECT_LT(offset(static_cast<IBuddyProfile_01*>(&buddy)), offset(static_cast<IBuddyProfile*>(&buddy)));
  EXPECT_LT(offset(static_cast<IBuddyProfile*>(&buddy)), offset(static_cast<IUserProfile*>(&buddy)));
  EXPECT_LT(offset(static_cast<IUserProfile*>(&buddy)), offset(static_cast<IUserProfile_01*>(&buddy)));
  EXPECT_LT(offset(static_cast<IUserProfile_01*>(&buddy)), offset(static_cast<IUserProfile_02*>(&buddy)));
}

}  // namespace
