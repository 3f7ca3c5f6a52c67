// Vtable slots of the buddy, buddy-list and transport interfaces: callers across the library
// boundary reach every operation by its place.
#include <gtest/gtest.h>

#include "qodata/buddy_list.h"
#include "qodata/buddy_profile.h"
#include "qodata/transport.h"
#include "slot_index.h"

namespace {

template <class Interface>
void ExpectContainerSlots() {
  EXPECT_SLOT(Interface, GetType, 0);
  EXPECT_SLOT(Interface, Clone, 1);
  EXPECT_SLOT(Interface, GetDataInterface, 2);
  EXPECT_SLOT(Interface, AddRef, 3);
  EXPECT_SLOT(Interface, Release, 4);
}

TEST(ContactsSlots, BuddyProfile01) {
  ExpectContainerSlots<IBuddyProfile_01>();
  EXPECT_SLOT(IBuddyProfile_01, SetToogleFlags, 5);
  EXPECT_SLOT(IBuddyProfile_01, GetToogleFlags, 6);
  EXPECT_SLOT(IBuddyProfile_01, GetRealQuilloId, 7);
  EXPECT_SLOT(IBuddyProfile_01, GetToogleStatus, 8);
  EXPECT_SLOT(IBuddyProfile_01, getAddBuddyRequester, 9);
  EXPECT_SLOT(IBuddyProfile_01, getGroupList, 10);
  EXPECT_SLOT(IBuddyProfile_01, setGroupList, 11);
  EXPECT_SLOT(IBuddyProfile_01, getBirthdate, 12);
  EXPECT_SLOT(IBuddyProfile_01, getAddressList, 13);
  EXPECT_SLOT(IBuddyProfile_01, getTelephoneList, 14);
  EXPECT_SLOT(IBuddyProfile_01, getEmailList, 15);
  EXPECT_SLOT(IBuddyProfile_01, GetResourceList, 16);
  EXPECT_SLOT(IBuddyProfile_01, SetResourceList, 17);
  EXPECT_SLOT(IBuddyProfile_01, AddResource, 18);
  EXPECT_SLOT(IBuddyProfile_01, RemoveResource, 19);
  EXPECT_SLOT(IBuddyProfile_01, SetPresence, 20);
}

TEST(ContactsSlots, BuddyProfile) {
  ExpectContainerSlots<IBuddyProfile>();
  EXPECT_SLOT(IBuddyProfile, setScreenName, 5);
  EXPECT_SLOT(IBuddyProfile, setFavoriteBuddy, 6);
  EXPECT_SLOT(IBuddyProfile, setAcceptStatus, 7);
  EXPECT_SLOT(IBuddyProfile, setBLII, 8);
  EXPECT_SLOT(IBuddyProfile, setQuickCode, 9);
  EXPECT_SLOT(IBuddyProfile, setLogonStatus, 10);
  EXPECT_SLOT(IBuddyProfile, setAccepted, 11);
  EXPECT_SLOT(IBuddyProfile, setAddBuddyRequester, 12);
  EXPECT_SLOT(IBuddyProfile, setDomain, 13);
  EXPECT_SLOT(IBuddyProfile, SetGroupName, 14);
  EXPECT_SLOT(IBuddyProfile, getScreenName, 15);
  EXPECT_SLOT(IBuddyProfile, getQuickCode, 16);
  EXPECT_SLOT(IBuddyProfile, GetGroupName, 17);
  EXPECT_SLOT(IBuddyProfile, isFavoriteBuddy, 18);
  EXPECT_SLOT(IBuddyProfile, getAcceptStatus, 19);
  EXPECT_SLOT(IBuddyProfile, getBlii, 20);
  EXPECT_SLOT(IBuddyProfile, getDomain, 21);
  EXPECT_SLOT(IBuddyProfile, getLogonStatus, 22);
  EXPECT_SLOT(IBuddyProfile, Copy, 23);
  EXPECT_SLOT(IBuddyProfile, getQuilloID, 24);
  EXPECT_SLOT(IBuddyProfile, getLastName, 25);
  EXPECT_SLOT(IBuddyProfile, getFirstName, 26);
  EXPECT_SLOT(IBuddyProfile, getEmail, 27);
  EXPECT_SLOT(IBuddyProfile, getStreetAddress, 28);
  EXPECT_SLOT(IBuddyProfile, getCityAddress, 29);
  EXPECT_SLOT(IBuddyProfile, getStateAddress, 30);
  EXPECT_SLOT(IBuddyProfile, getCountryAddress, 31);
  EXPECT_SLOT(IBuddyProfile, getFax, 32);
  EXPECT_SLOT(IBuddyProfile, getTelephone, 33);
  EXPECT_SLOT(IBuddyProfile, getProfile, 34);
  EXPECT_SLOT(IBuddyProfile, getProvider, 35);
  EXPECT_SLOT(IBuddyProfile, isMessageStoreEnabled, 36);
  EXPECT_SLOT(IBuddyProfile, isSMSForwardingEnabled, 37);
  EXPECT_SLOT(IBuddyProfile, isSeachable, 38);
  EXPECT_SLOT(IBuddyProfile, getMood, 39);
  EXPECT_SLOT(IBuddyProfile, getGender, 40);
  EXPECT_SLOT(IBuddyProfile, getStatus, 41);
  EXPECT_SLOT(IBuddyProfile, getAge, 42);
  EXPECT_SLOT(IBuddyProfile, isEmailForwarding, 43);
  EXPECT_SLOT(IBuddyProfile, isUnifiedAccount, 44);
  EXPECT_SLOT(IBuddyProfile, getProfileImage, 45);
  EXPECT_SLOT(IBuddyProfile, getStatusMessage, 46);
  EXPECT_SLOT(IBuddyProfile, getAvatarFileKey, 47);
  EXPECT_SLOT(IBuddyProfile, GetBigImage, 48);
  EXPECT_SLOT(IBuddyProfile, GetSmallImage, 49);
  EXPECT_SLOT(IBuddyProfile, IsAccepted, 50);
  EXPECT_SLOT(IBuddyProfile, SetPSMSRate, 51);
  EXPECT_SLOT(IBuddyProfile, SetPSMSCurrency, 52);
  EXPECT_SLOT(IBuddyProfile, GetPSMSRate, 53);
  EXPECT_SLOT(IBuddyProfile, GetPSMSCurrency, 54);
}

TEST(ContactsSlots, BuddyList) {
  ExpectContainerSlots<IBuddyList>();
  EXPECT_SLOT(IBuddyList, clearList, 5);
  EXPECT_SLOT(IBuddyList, clearCopyOfList, 6);
  EXPECT_SLOT(IBuddyList, size, 7);
  EXPECT_SLOT(IBuddyList, sort, 8);
  EXPECT_SLOT(IBuddyList, search, 9);
  EXPECT_SLOT(IBuddyList, getList, 10);
  EXPECT_SLOT(IBuddyList, GetList, 11);
  EXPECT_SLOT(IBuddyList, addBuddyRecord, 12);
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
  ExpectContainerSlots<ITransport>();
  EXPECT_SLOT(ITransport, SetTransportNumber1, 5);
  EXPECT_SLOT(ITransport, SetTransportText1, 6);
  EXPECT_SLOT(ITransport, SetTransportText2, 7);
  EXPECT_SLOT(ITransport, SetTransportText3, 8);
  EXPECT_SLOT(ITransport, SetTransportNumber2, 9);
  EXPECT_SLOT(ITransport, SetTransportNumber3, 10);
  EXPECT_SLOT(ITransport, SetTransportNumber4, 11);
  EXPECT_SLOT(ITransport, SetTransportNumber5, 12);
  EXPECT_SLOT(ITransport, GetTransportNumber1, 13);
  EXPECT_SLOT(ITransport, GetTransportText1, 14);
  EXPECT_SLOT(ITransport, GetTransportText2, 15);
  EXPECT_SLOT(ITransport, GetTransportText3, 16);
  EXPECT_SLOT(ITransport, GetTransportNumber2, 17);
  EXPECT_SLOT(ITransport, GetTransportNumber3, 18);
  EXPECT_SLOT(ITransport, GetTransportNumber4, 19);
  EXPECT_SLOT(ITransport, GetTransportNumber5, 20);
  EXPECT_SLOT(ITransport, SetTransportNumber6, 21);
  EXPECT_SLOT(ITransport, GetTransportNumber6, 22);
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
