// Binary compatibility of the user profile's three interfaces: every operation stays in its slot.
#include <gtest/gtest.h>

#include "qodata/user_profile.h"
#include "slot_index.h"

namespace {

TEST(SlotOrder, IUserProfile) {
  // Slots 0 to 4 are the container operations, inherited by every interface.
  EXPECT_SLOT(IUserProfile, GetType, 0);
  EXPECT_SLOT(IUserProfile, Clone, 1);
  EXPECT_SLOT(IUserProfile, GetDataInterface, 2);
  EXPECT_SLOT(IUserProfile, AddRef, 3);
  EXPECT_SLOT(IUserProfile, Release, 4);
  EXPECT_SLOT(IUserProfile, setQuilloID, 5);
  EXPECT_SLOT(IUserProfile, setPassword, 6);
  EXPECT_SLOT(IUserProfile, setOldPassword, 7);
  EXPECT_SLOT(IUserProfile, setName, 8);
  EXPECT_SLOT(IUserProfile, setEmail, 9);
  EXPECT_SLOT(IUserProfile, setAddressInfo, 10);
  EXPECT_SLOT(IUserProfile, setContactInfo, 11);
  EXPECT_SLOT(IUserProfile, setProfile, 12);
  EXPECT_SLOT(IUserProfile, setProvider, 13);
  EXPECT_SLOT(IUserProfile, setAge, 14);
  EXPECT_SLOT(IUserProfile, setGender, 15);
  EXPECT_SLOT(IUserProfile, enableMessageStore, 16);
  EXPECT_SLOT(IUserProfile, enableSMSForwarding, 17);
  EXPECT_SLOT(IUserProfile, enableEmailForwarding, 18);
  EXPECT_SLOT(IUserProfile, setSearchable, 19);
  EXPECT_SLOT(IUserProfile, setTheme, 20);
  EXPECT_SLOT(IUserProfile, setIdleTime, 21);
  EXPECT_SLOT(IUserProfile, getQuilloID, 22);
  EXPECT_SLOT(IUserProfile, getPassword, 23);
  EXPECT_SLOT(IUserProfile, getOldPassword, 24);
  EXPECT_SLOT(IUserProfile, getLastName, 25);
  EXPECT_SLOT(IUserProfile, getFirstName, 26);
  EXPECT_SLOT(IUserProfile, getEmail, 27);
  EXPECT_SLOT(IUserProfile, getStreetAddress, 28);
  EXPECT_SLOT(IUserProfile, getCityAddress, 29);
  EXPECT_SLOT(IUserProfile, getStateAddress, 30);
  EXPECT_SLOT(IUserProfile, getCountryAddress, 31);
  EXPECT_SLOT(IUserProfile, getFax, 32);
  EXPECT_SLOT(IUserProfile, getTelephone, 33);
  EXPECT_SLOT(IUserProfile, getProfile, 34);
  EXPECT_SLOT(IUserProfile, getProvider, 35);
  EXPECT_SLOT(IUserProfile, getTheme, 36);
  EXPECT_SLOT(IUserProfile, getIdleTime, 37);
  EXPECT_SLOT(IUserProfile, getMood, 38);
  EXPECT_SLOT(IUserProfile, getGender, 39);
  EXPECT_SLOT(IUserProfile, getStatus, 40);
  EXPECT_SLOT(IUserProfile, getAge, 41);
  EXPECT_SLOT(IUserProfile, isMessageStoreEnabled, 42);
  EXPECT_SLOT(IUserProfile, isSMSForwardingEnabled, 43);
  EXPECT_SLOT(IUserProfile, isSeachable, 44);
  EXPECT_SLOT(IUserProfile, isEmailForwarding, 45);
  EXPECT_SLOT(IUserProfile, setMood, 46);
  EXPECT_SLOT(IUserProfile, setStatus, 47);
  EXPECT_SLOT(IUserProfile, isUnifiedAccount, 48);
  EXPECT_SLOT(IUserProfile, setProfileImage, 49);
  EXPECT_SLOT(IUserProfile, setStatusMessage, 50);
  EXPECT_SLOT(IUserProfile, setAvatarFileKey, 51);
  EXPECT_SLOT(IUserProfile, getProfileImage, 52);
  EXPECT_SLOT(IUserProfile, getStatusMessage, 53);
  EXPECT_SLOT(IUserProfile, getAvatarFileKey, 54);
  EXPECT_SLOT(IUserProfile, SetBigImage, 55);
  EXPECT_SLOT(IUserProfile, SetSmallImage, 56);
  EXPECT_SLOT(IUserProfile, GetBigImage, 57);
  EXPECT_SLOT(IUserProfile, GetSmallImage, 58);
  EXPECT_SLOT(IUserProfile, SetWalletId, 59);
  EXPECT_SLOT(IUserProfile, SetWalletPassword, 60);
  EXPECT_SLOT(IUserProfile, SetWalletBalance, 61);
  EXPECT_SLOT(IUserProfile, SetWalletCurrency, 62);
  EXPECT_SLOT(IUserProfile, GetWalletId, 63);
  EXPECT_SLOT(IUserProfile, GetWalletPassword, 64);
  EXPECT_SLOT(IUserProfile, GetWalletBalance, 65);
  EXPECT_SLOT(IUserProfile, GetWalletCurrency, 66);
}

TEST(SlotOrder, IUserProfile01) {
  // Slots 0 to 4 are the container operations, inherited by every interface.
  EXPECT_SLOT(IUserProfile_01, GetType, 0);
  EXPECT_SLOT(IUserProfile_01, Clone, 1);
  EXPECT_SLOT(IUserProfile_01, GetDataInterface, 2);
  EXPECT_SLOT(IUserProfile_01, AddRef, 3);
  EXPECT_SLOT(IUserProfile_01, Release, 4);
  EXPECT_SLOT(IUserProfile_01, setAvatarUrl, 5);
  EXPECT_SLOT(IUserProfile_01, getAvatarUrl, 6);
  EXPECT_SLOT(IUserProfile_01, getBirthdate, 7);
  EXPECT_SLOT(IUserProfile_01, setBirthdate, 8);
  EXPECT_SLOT(IUserProfile_01, getAddressList, 9);
  EXPECT_SLOT(IUserProfile_01, setAddressList, 10);
  EXPECT_SLOT(IUserProfile_01, getTelephoneList, 11);
  EXPECT_SLOT(IUserProfile_01, setTelephoneList, 12);
  EXPECT_SLOT(IUserProfile_01, getEmailList, 13);
  EXPECT_SLOT(IUserProfile_01, setEmailList, 14);
  EXPECT_SLOT(IUserProfile_01, setEmailVerified, 15);
  EXPECT_SLOT(IUserProfile_01, isEmailVerified, 16);
  EXPECT_SLOT(IUserProfile_01, getSettings, 17);
  EXPECT_SLOT(IUserProfile_01, setSettings, 18);
  EXPECT_SLOT(IUserProfile_01, SetProfileRqst, 19);
  EXPECT_SLOT(IUserProfile_01, GetProfileRqst, 20);
  EXPECT_SLOT(IUserProfile_01, GetGlobalID, 21);
  EXPECT_SLOT(IUserProfile_01, setEmailUpdates, 22);
  EXPECT_SLOT(IUserProfile_01, isEmailUpdates, 23);
  EXPECT_SLOT(IUserProfile_01, isSearchable, 24);
  EXPECT_SLOT(IUserProfile_01, AddStatus, 25);
  EXPECT_SLOT(IUserProfile_01, GetCustomStatus, 26);
  EXPECT_SLOT(IUserProfile_01, SetLastStatus, 27);
  EXPECT_SLOT(IUserProfile_01, GetLastStatus, 28);
  EXPECT_SLOT(IUserProfile_01, setJsonUserSettings, 29);
  EXPECT_SLOT(IUserProfile_01, getJsonUserSettings, 30);
}

TEST(SlotOrder, IUserProfile02) {
  // Slots 0 to 4 are the container operations, inherited by every interface.
  EXPECT_SLOT(IUserProfile_02, GetType, 0);
  EXPECT_SLOT(IUserProfile_02, Clone, 1);
  EXPECT_SLOT(IUserProfile_02, GetDataInterface, 2);
  EXPECT_SLOT(IUserProfile_02, AddRef, 3);
  EXPECT_SLOT(IUserProfile_02, Release, 4);
  EXPECT_SLOT(IUserProfile_02, setWalletUserKey, 5);
  EXPECT_SLOT(IUserProfile_02, getWalletUserKey, 6);
}

TEST(SlotOrder, UserProfileClassKeepsTheInterfaceOrder) {
  // The class derives from its interfaces in this order, so its object starts with the
  // IUserProfile vtable and the other two follow at their own offsets.
  CUserProfile profile;
  IUserProfile* first = &profile;
  IUserProfile_01* second = &profile;
  IUserProfile_02* third = &profile;
  const auto* base = reinterpret_cast<const char*>(&profile);
  EXPECT_EQ(reinterpret_cast<const char*>(first), base);
  EXPECT_LT(reinterpret_cast<const char*>(first), reinterpret_cast<const char*>(second));
  EXPECT_LT(reinterpret_cast<const char*>(second), reinterpret_cast<const char*>(third));
}

}  // namespace
